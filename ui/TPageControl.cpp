#include "TPageControl.h"

#include <QTabBar>

// ---- TTabSheet ----------------------------------------------------------------------
TTabSheet::TTabSheet(TPageControl* pc) : QWidget(pc), TControl(this)
{
    InitVisible();
    if (pc)
        pc->AddPage(this);
}

TTabSheet::~TTabSheet()
{
    if (pc_)
        pc_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pc)
{
    if (pc == pc_)
        return;
    if (pc_)
        pc_->RemovePage(this);
    QWidget::setParent(pc);
    if (pc)
        pc->AddPage(this);
}

void TTabSheet::SetCaption(const QString& c)
{
    caption_ = c;
    if (pc_)
        pc_->RebuildTabs();
}

void TTabSheet::SetTabVisible(bool v)
{
    tabVisible_ = v;
    if (pc_)
        pc_->RebuildTabs();
}

int TTabSheet::PageIndex() const
{
    return pc_ ? static_cast<int>(pc_->pages_.indexOf(const_cast<TTabSheet*>(this))) : -1;
}

void TTabSheet::SetPageIndex(int i)
{
    if (!pc_)
        return;
    auto& pages = pc_->pages_;
    const auto from = pages.indexOf(this);
    i = std::clamp(i, 0, static_cast<int>(pages.size()) - 1);
    if (from < 0 || from == i)
        return;
    pages.move(from, i);
    pc_->RebuildTabs();
}

int TTabSheet::TabIndex() const
{
    if (!pc_ || !tabVisible_)
        return -1;
    int n = 0;
    for (TTabSheet* p : pc_->pages_) {
        if (p == this)
            return n;
        if (p->tabVisible_)
            ++n;
    }
    return -1;
}

void TTabSheet::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Realign();
}

void TTabSheet::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    OnShow(this);
}

void TTabSheet::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    OnHide(this);
}

// ---- TPageControl -------------------------------------------------------------------
TPageControl::TPageControl(QWidget* parent) : QWidget(ClientOf(parent)), TControl(this)
{
    tabBar_ = new QTabBar(this);
    tabBar_->setDrawBase(true);
    tabBar_->setExpanding(false);
    tabBar_->setUsesScrollButtons(true);
    tabBar_->hide();
    connect(tabBar_, &QTabBar::currentChanged, this, [this](int t) { TabClicked(t); });
    resize(289, 193);
    InitVisible();
}

TPageControl::~TPageControl()
{
    for (TTabSheet* p : pages_)
        p->pc_ = nullptr;
    pages_.clear();
}

void TPageControl::AddPage(TTabSheet* p, int index)
{
    p->pc_ = this;
    if (index < 0 || index > pages_.size())
        index = static_cast<int>(pages_.size());
    pages_.insert(index, p);
    if (!active_)
        active_ = p;
    else
        p->QWidget::setVisible(false);
    RebuildTabs();
}

void TPageControl::RemovePage(TTabSheet* p)
{
    pages_.removeAll(p);
    p->pc_ = nullptr;
    if (active_ == p) {
        active_ = nullptr;
        if (!pages_.isEmpty())
            Activate(pages_.first());
    }
    RebuildTabs();
}

void TPageControl::RebuildTabs()
{
    rebuilding_ = true;
    while (tabBar_->count() > 0)
        tabBar_->removeTab(0);
    int current = -1;
    for (TTabSheet* p : pages_) {
        if (!p->tabVisible_)
            continue;
        const int t = tabBar_->addTab(p->caption_);
        if (p == active_)
            current = t;
    }
    if (current >= 0)
        tabBar_->setCurrentIndex(current);
    tabBar_->setVisible(tabBar_->count() > 0);
    rebuilding_ = false;
    LayoutPages();
}

int TPageControl::TabRowHeight() const
{
    if (tabBar_->count() == 0)
        return 0;
    return tabHeight_ > 0 ? tabHeight_ : tabBar_->sizeHint().height();
}

void TPageControl::SetTabHeight(int h)
{
    tabHeight_ = h < 0 ? 0 : h;
    LayoutPages();
}

QRect TPageControl::ClientRect() const
{
    const int th = TabRowHeight();
    return QRect(2, th + 2, std::max(0, width() - 4), std::max(0, height() - th - 4));
}

void TPageControl::LayoutPages()
{
    const int th = TabRowHeight();
    tabBar_->setGeometry(0, 0, width(), th);
    const QRect r = ClientRect();
    for (TTabSheet* p : pages_)
        p->SetBounds(r.x(), r.y(), r.width(), r.height());
}

void TPageControl::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    LayoutPages();
}

void TPageControl::Activate(TTabSheet* p)
{
    active_ = p;
    for (TTabSheet* s : pages_)
        s->QWidget::setVisible(s == p);
    if (p)
        p->raise();
    rebuilding_ = true;
    if (p && p->TabIndex() >= 0)
        tabBar_->setCurrentIndex(p->TabIndex());
    rebuilding_ = false;
}

void TPageControl::TabClicked(int tab)
{
    if (rebuilding_ || tab < 0)
        return;
    TTabSheet* target = nullptr;
    for (TTabSheet* p : pages_) {
        if (p->TabIndex() == tab) {
            target = p;
            break;
        }
    }
    if (!target || target == active_)
        return;
    bool allow = true;
    OnChanging(this, allow);
    if (!allow) {
        Activate(active_);
        return;
    }
    Activate(target);
    OnChange(this);
}

void TPageControl::SetActivePage(TTabSheet* p)
{
    if (p && p->pc_ != this)
        return;
    Activate(p);
}

int TPageControl::ActivePageIndex() const
{
    return active_ ? static_cast<int>(pages_.indexOf(active_)) : -1;
}

void TPageControl::SetActivePageIndex(int i)
{
    SetActivePage(i >= 0 && i < pages_.size() ? pages_[i] : nullptr);
}
