#include "TMenu.h"

#include "TForm.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

// ---- TMenuItem --------------------------------------------------------------------
TMenuItem::TMenuItem(QObject* owner) : QObject(owner), action_(new QAction(this))
{
    connect(action_, &QAction::triggered, this, [this] {
        if (items_.isEmpty())
            Click();
    });
}

TMenuItem::~TMenuItem()
{
    for (TMenuItem* i : items_)
        i->parent_ = nullptr;
    if (parent_)
        parent_->items_.removeAll(this);
    delete menu_;
}

void TMenuItem::SetCaption(const QString& c)
{
    caption_ = c;
    action_->setText(c);
    action_->setSeparator(IsLine());
}

void TMenuItem::SetEnabled(bool e)
{
    enabled_ = e;
    action_->setEnabled(e);
}

void TMenuItem::SetVisible(bool v)
{
    visible_ = v;
    action_->setVisible(v);
}

void TMenuItem::SetChecked(bool c)
{
    checked_ = c;
    action_->setCheckable(c || action_->isCheckable());
    action_->setChecked(c);
}

void TMenuItem::Add(TMenuItem* item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item)
        return;
    if (item->parent_)
        item->parent_->Remove(item);
    item->setParent(this);
    item->parent_ = this;
    if (index < 0 || index > items_.size())
        index = static_cast<int>(items_.size());
    items_.insert(index, item);
    Rebuild();
}

void TMenuItem::Remove(TMenuItem* item)
{
    if (!item || item->parent_ != this)
        return;
    items_.removeAll(item);
    item->parent_ = nullptr;
    item->setParent(nullptr);
    Rebuild();
}

int TMenuItem::MenuIndex() const
{
    return parent_ ? static_cast<int>(parent_->items_.indexOf(const_cast<TMenuItem*>(this))) : -1;
}

TMenuItem* TMenuItem::Find(const QString& caption) const
{
    QString want = caption;
    want.remove(QLatin1Char('&'));
    for (TMenuItem* i : items_) {
        QString c = i->caption_;
        c.remove(QLatin1Char('&'));
        if (c == want)
            return i;
    }
    return nullptr;
}

void TMenuItem::Click()
{
    if (enabled_)
        OnClick(this);
}

QMenu* TMenuItem::SubMenu()
{
    if (!menu_) {
        menu_ = new QMenu;
        menu_->setTitle(caption_);
    }
    return menu_;
}

void TMenuItem::Rebuild()
{
    if (mainMenu_) {
        mainMenu_->Rebuild();
        return;
    }
    if (items_.isEmpty()) {
        action_->setMenu(static_cast<QMenu*>(nullptr));
        return;
    }
    QMenu* m = SubMenu();
    m->clear();
    for (TMenuItem* i : items_)
        m->addAction(i->action_);
    action_->setMenu(m);
}

// ---- TMainMenu ---------------------------------------------------------------------
TMainMenu::TMainMenu(QObject* owner) : QObject(owner), root_(new TMenuItem(this))
{
    root_->mainMenu_ = this;
    if (auto* f = qobject_cast<TForm*>(owner); f && !f->Menu())
        f->SetMenu(this);
}

TMainMenu::~TMainMenu() = default;

void TMainMenu::AttachTo(QMenuBar* bar)
{
    bar_ = bar;
    Rebuild();
}

void TMainMenu::Rebuild()
{
    if (!bar_)
        return;
    bar_->clear();
    for (TMenuItem* i : root_->items_)
        bar_->addAction(i->action_);
    if (auto* f = qobject_cast<TForm*>(bar_->parentWidget()))
        f->MenuChanged();
}
