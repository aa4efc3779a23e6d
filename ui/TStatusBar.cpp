#include "TStatusBar.h"

#include <QMouseEvent>
#include <QPainter>

void TStatusPanel::SetText(const QString& t)
{
    text_ = t;
    bar_->update();
}

void TStatusPanel::SetWidth(int w)
{
    width_ = w;
    bar_->update();
}

void TStatusPanel::SetAlignment(TAlignment a)
{
    alignment_ = a;
    bar_->update();
}

int TStatusPanel::Index() const
{
    const auto& panels = bar_->Panels()->panels_;
    for (int i = 0; i < panels.size(); ++i) {
        if (panels[i].get() == this)
            return i;
    }
    return -1;
}

TStatusPanel* TStatusPanels::Add()
{
    panels_.append(std::shared_ptr<TStatusPanel>(new TStatusPanel(bar_)));
    bar_->update();
    return panels_.last().get();
}

void TStatusPanels::Clear()
{
    panels_.clear();
    bar_->update();
}

TStatusBar::TStatusBar(QWidget* parent)
    : QWidget(ClientOf(parent)), TControl(this), panels_(new TStatusPanels(this))
{
    resize(parentWidget() ? parentWidget()->width() : 200, 19);
    SetAlign(alBottom);
    InitVisible();
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::SetSimplePanel(bool s)
{
    simplePanel_ = s;
    update();
}

void TStatusBar::SetSimpleText(const QString& t)
{
    simpleText_ = t;
    update();
}

void TStatusBar::SetSizeGrip(bool s)
{
    sizeGrip_ = s;
    update();
}

void TStatusBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    auto sunken = [&p](const QRect& r) {
        p.save();
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(Qt::white);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.restore();
    };
    const QRect all = rect().adjusted(0, 2, -1, -1);
    if (simplePanel_) {
        p.drawText(all.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter, simpleText_);
        return;
    }
    int x = 0;
    for (int i = 0; i < panels_->Count(); ++i) {
        const TStatusPanel* sp = panels_->Items(i);
        const bool last = i == panels_->Count() - 1;
        const int w = last ? std::max(sp->Width(), width() - x) : sp->Width();
        const QRect r(x, all.top(), w - 2, all.height());
        sunken(r);
        const Qt::Alignment a = sp->Alignment() == taRightJustify ? Qt::AlignRight
                                : sp->Alignment() == taCenter     ? Qt::AlignHCenter
                                                                  : Qt::AlignLeft;
        p.drawText(r.adjusted(3, 0, -3, 0), int(a | Qt::AlignVCenter), sp->Text());
        x += w;
    }
}

void TStatusBar::mouseReleaseEvent(QMouseEvent* e)
{
    QWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton)
        OnClick(this);
}
