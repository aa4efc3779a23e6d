#include "TRadioGroup.h"

#include <QEvent>
#include <QFontMetrics>
#include <QRadioButton>

class TRadioGroupItems : public TStrings
{
public:
    explicit TRadioGroupItems(TRadioGroup* g) : g_(g) {}
    int Count() const override { return static_cast<int>(list_.size()); }
    QString Strings(int i) const override { return list_.value(i); }
    void Put(int i, const QString& s) override
    {
        if (i < 0 || i >= list_.size())
            return;
        list_[i] = s;
        g_->Rebuild();
    }
    void Insert(int i, const QString& s) override
    {
        if (i < 0 || i > list_.size())
            i = static_cast<int>(list_.size());
        list_.insert(i, s);
        g_->Rebuild();
    }
    void Delete(int i) override
    {
        if (i < 0 || i >= list_.size())
            return;
        list_.removeAt(i);
        if (g_->itemIndex_ >= static_cast<int>(list_.size()))
            g_->itemIndex_ = -1;
        g_->Rebuild();
    }
    void Clear() override
    {
        list_.clear();
        g_->itemIndex_ = -1;
        g_->Rebuild();
    }

private:
    TRadioGroup* g_;
    QStringList list_;
};

TRadioGroup::TRadioGroup(QWidget* parent)
    : QGroupBox(ClientOf(parent)), TControl(this), items_(new TRadioGroupItems(this))
{
    resize(185, 105);
    InitVisible();
}

TRadioGroup::~TRadioGroup() = default;

void TRadioGroup::Rebuild()
{
    const int n = items_->Count();
    updating_ = true;
    while (buttons_.size() > n)
        delete buttons_.takeLast();
    while (buttons_.size() < n) {
        auto* b = new QRadioButton(this);
        b->setAutoExclusive(false);
        const int i = static_cast<int>(buttons_.size());
        connect(b, &QAbstractButton::clicked, this, [this, i] { ButtonToggled(i, true); });
        b->show();
        buttons_.append(b);
    }
    for (int i = 0; i < n; ++i) {
        buttons_[i]->setText(items_->Strings(i));
        buttons_[i]->setChecked(i == itemIndex_);
    }
    updating_ = false;
    ArrangeButtons();
}

void TRadioGroup::ButtonToggled(int i, bool)
{
    if (updating_)
        return;
    // A click never unchecks an item; it selects it.
    if (i == itemIndex_) {
        buttons_[i]->setChecked(true);
        return;
    }
    SetItemIndex(i);
}

void TRadioGroup::SetItemIndex(int i)
{
    if (i < -1 || i >= items_->Count())
        i = -1;
    if (i == itemIndex_)
        return;
    itemIndex_ = i;
    updating_ = true;
    for (int k = 0; k < buttons_.size(); ++k)
        buttons_[k]->setChecked(k == i);
    updating_ = false;
    if (i >= 0)
        OnClick(this);
}

void TRadioGroup::SetColumns(int c)
{
    columns_ = c < 1 ? 1 : c;
    ArrangeButtons();
}

QRadioButton* TRadioGroup::Button(int i) const
{
    return i >= 0 && i < buttons_.size() ? buttons_[i] : nullptr;
}

QRect TRadioGroup::ClientRect() const
{
    const int th = QFontMetrics(font()).height();
    return rect().adjusted(2, th + 2, -2, -2);
}

void TRadioGroup::ArrangeButtons()
{
    const int n = static_cast<int>(buttons_.size());
    if (n == 0)
        return;
    const int th = QFontMetrics(font()).height();
    const int perCol = (n + columns_ - 1) / columns_;
    const int bw = (width() - 10) / columns_;
    const int avail = height() - th - 5;
    const int bh = std::max(1, avail / perCol);
    const int topMargin = th + 1 + (avail % perCol) / 2;
    for (int i = 0; i < n; ++i) {
        const int col = i / perCol;
        const int row = i % perCol;
        buttons_[i]->setGeometry(col * bw + 8, row * bh + topMargin, std::max(0, bw), bh);
    }
}

void TRadioGroup::resizeEvent(QResizeEvent* e)
{
    QGroupBox::resizeEvent(e);
    ArrangeButtons();
    Realign();
}

void TRadioGroup::changeEvent(QEvent* e)
{
    QGroupBox::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        ArrangeButtons();
}
