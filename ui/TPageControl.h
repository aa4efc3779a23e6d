// TPageControl with TTabSheet pages. Tabs can be hidden (TabVisible); a page
// control whose tabs are all hidden shows its active page without a tab row.
// OnChange fires after the user switches pages, not when code sets the
// active page.
#pragma once

#include "TControl.h"

#include <QVector>
#include <QWidget>

class QTabBar;
class TPageControl;

class TTabSheet : public QWidget, public TControl
{
    Q_OBJECT
public:
    // A page of pc (appended), or a free page when pc is null.
    explicit TTabSheet(TPageControl* pc = nullptr);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pc_; }
    void SetPageControl(TPageControl* pc);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& c);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    int PageIndex() const;
    void SetPageIndex(int i);
    // Position of the tab among the visible tabs, -1 when hidden.
    int TabIndex() const;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    friend class TPageControl;
    TPageControl* pc_ = nullptr;
    QString caption_;
    bool tabVisible_ = true;
};

class TPageControl : public QWidget, public TControl
{
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int i) const { return pages_.at(i); }
    TTabSheet* ActivePage() const { return active_; }
    void SetActivePage(TTabSheet* p);
    int ActivePageIndex() const;
    void SetActivePageIndex(int i);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool m) { multiLine_ = m; }
    // The tab height setting (0: the style's height) and the actual height of
    // the tab row (0 when no tab is visible).
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int h);
    int TabRowHeight() const;
    QRect ClientRect() const override; // the area a page takes
    QTabBar* TabBar() const { return tabBar_; }

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    friend class TTabSheet;
    void AddPage(TTabSheet* p, int index = -1);
    void RemovePage(TTabSheet* p);
    void RebuildTabs();
    void LayoutPages();
    void TabClicked(int tab);
    void Activate(TTabSheet* p);
    QTabBar* tabBar_;
    QVector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
    bool multiLine_ = false;
    int tabHeight_ = 0;
    bool rebuilding_ = false;
};
