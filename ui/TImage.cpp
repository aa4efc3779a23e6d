#include "TImage.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(ClientOf(parent)), TControl(this)
{
    resize(105, 105);
    InitVisible();
}

bool TImage::LoadFromFile(const QString& path)
{
    QPixmap p;
    if (path.isEmpty() || !p.load(path))
        return false;
    SetPicture(p);
    return true;
}

void TImage::SetPicture(const QPixmap& p)
{
    picture_ = p;
    if (autoSize_ && !p.isNull())
        SetBounds(Left(), Top(), p.width(), p.height());
    update();
}

void TImage::SetStretch(bool s)
{
    stretch_ = s;
    update();
}

void TImage::SetCenter(bool c)
{
    center_ = c;
    update();
}

void TImage::SetAutoSize(bool a)
{
    autoSize_ = a;
    if (a && !picture_.isNull())
        SetBounds(Left(), Top(), picture_.width(), picture_.height());
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    if (stretch_) {
        p.drawPixmap(rect(), picture_);
    } else if (center_) {
        p.drawPixmap((width() - picture_.width()) / 2, (height() - picture_.height()) / 2, picture_);
    } else {
        p.drawPixmap(0, 0, picture_);
    }
}

void TImage::mouseReleaseEvent(QMouseEvent* e)
{
    QWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton)
        OnClick(this);
}

void TImage::mouseDoubleClickEvent(QMouseEvent* e)
{
    QWidget::mouseDoubleClickEvent(e);
    OnDblClick(this);
}

void TImage::mouseMoveEvent(QMouseEvent* e)
{
    QWidget::mouseMoveEvent(e);
    const QPoint pt = e->position().toPoint();
    OnMouseMove(this, 0, pt.x(), pt.y());
}
