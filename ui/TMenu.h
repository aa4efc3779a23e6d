// TMainMenu and TMenuItem. A menu item with a caption "-" is a separator.
// Click() runs OnClick as the user's choice does (when the item is enabled).
#pragma once

#include "VclTypes.h"

#include <QObject>
#include <QString>
#include <QVector>

class QAction;
class QMenu;
class QMenuBar;
class TForm;
class TMainMenu;

class TMenuItem : public QObject, public TObject
{
    Q_OBJECT
public:
    explicit TMenuItem(QObject* owner = nullptr);
    ~TMenuItem() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& c);
    QString Name() const { return objectName(); }
    void SetName(const QString& n) { setObjectName(n); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Checked() const { return checked_; }
    void SetChecked(bool c);
    int Tag() const { return tag_; }
    void SetTag(int t) { tag_ = t; }
    bool IsLine() const { return caption_ == QLatin1String("-"); }

    // Sub-items; the item takes ownership of an added item.
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int i) const { return items_.at(i); }
    TMenuItem* operator[](int i) const { return Items(i); }
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const;
    // The sub-item with that caption (ampersands ignored), or null.
    TMenuItem* Find(const QString& caption) const;
    // Runs OnClick when the item is enabled.
    void Click();

    QAction* Action() const { return action_; }

    TNotifyEvent OnClick;

private:
    friend class TMainMenu;
    void Rebuild();
    QMenu* SubMenu();
    QAction* action_;
    QMenu* menu_ = nullptr;
    TMenuItem* parent_ = nullptr;
    TMainMenu* mainMenu_ = nullptr;
    QVector<TMenuItem*> items_;
    QString caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    int tag_ = 0;
};

class TMainMenu : public QObject, public TObject
{
    Q_OBJECT
public:
    // A main menu owned by a form becomes the form's menu.
    explicit TMainMenu(QObject* owner = nullptr);
    ~TMainMenu() override;

    // The top-level entries are the sub-items of Items().
    TMenuItem* Items() const { return root_; }
    // Shows the menu in a menu bar (the form calls this).
    void AttachTo(QMenuBar* bar);
    QMenuBar* MenuBar() const { return bar_; }

private:
    friend class TMenuItem;
    void Rebuild();
    TMenuItem* root_;
    QMenuBar* bar_ = nullptr;
};
