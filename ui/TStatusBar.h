// TStatusBar: a bar docked at the bottom with panels, or one simple text
// when SimplePanel is set.
#pragma once

#include "TControl.h"

#include <QVector>
#include <QWidget>
#include <memory>

class TStatusBar;

class TStatusPanel
{
public:
    QString Text() const { return text_; }
    void SetText(const QString& t);
    int Width() const { return width_; }
    void SetWidth(int w);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    int Index() const;

private:
    friend class TStatusPanels;
    explicit TStatusPanel(TStatusBar* bar) : bar_(bar) {}
    TStatusBar* bar_;
    QString text_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
};

class TStatusPanels
{
public:
    TStatusPanel* Add();
    int Count() const { return static_cast<int>(panels_.size()); }
    TStatusPanel* Items(int i) const { return panels_.at(i).get(); }
    TStatusPanel* operator[](int i) const { return Items(i); }
    void Clear();

private:
    friend class TStatusBar;
    friend class TStatusPanel;
    explicit TStatusPanels(TStatusBar* bar) : bar_(bar) {}
    TStatusBar* bar_;
    QVector<std::shared_ptr<TStatusPanel>> panels_;
};

class TStatusBar : public QWidget, public TControl
{
    Q_OBJECT
public:
    explicit TStatusBar(QWidget* parent = nullptr);
    ~TStatusBar() override;

    TStatusPanels* Panels() { return panels_.get(); }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool s);
    QString SimpleText() const { return simpleText_; }
    void SetSimpleText(const QString& t);
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool s);

    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    std::unique_ptr<TStatusPanels> panels_;
    bool simplePanel_ = false;
    bool sizeGrip_ = true;
    QString simpleText_;
};
