#include "TShape.h"

#include <QMouseEvent>
#include <QPainter>

void TBrush::SetColor(TColor c)
{
    color_ = c;
    shape_->update();
}

void TBrush::SetStyle(TBrushStyle s)
{
    style_ = s;
    shape_->update();
}

void TPen::SetColor(TColor c)
{
    color_ = c;
    shape_->update();
}

void TPen::SetWidth(int w)
{
    width_ = w < 0 ? 0 : w;
    shape_->update();
}

TShape::TShape(QWidget* parent) : QWidget(ClientOf(parent)), TControl(this)
{
    resize(65, 65);
    InitVisible();
}

void TShape::SetShape(TShapeType s)
{
    shape_ = s;
    update();
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int pw = pen_.Width();
    if (pw > 0)
        p.setPen(QPen(ToQColor(pen_.Color()), pw, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    else
        p.setPen(Qt::NoPen);
    if (brush_.Style() == bsSolid)
        p.setBrush(ToQColor(brush_.Color()));
    else
        p.setBrush(Qt::NoBrush);
    const qreal half = pw / 2.0;
    QRectF r(half, half, width() - pw, height() - pw);
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        const qreal side = std::min(r.width(), r.height());
        r = QRectF(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
    }
    switch (shape_) {
    case stEllipse:
    case stCircle:
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(r);
        break;
    case stRoundRect:
    case stRoundSquare:
        p.setRenderHint(QPainter::Antialiasing);
        p.drawRoundedRect(r, r.width() / 4, r.height() / 4);
        break;
    default:
        p.drawRect(r);
        break;
    }
}

void TShape::mouseReleaseEvent(QMouseEvent* e)
{
    QWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton)
        OnClick(this);
}

void TShape::mouseMoveEvent(QMouseEvent* e)
{
    QWidget::mouseMoveEvent(e);
    const QPoint pt = e->position().toPoint();
    OnMouseMove(this, 0, pt.x(), pt.y());
}
