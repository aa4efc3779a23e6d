#include "TPanel.h"

#include "VclDetail.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {
void DrawBevel(QPainter& p, QRect& r, TBevelCut cut, int width)
{
    if (cut == bvNone)
        return;
    const QColor light = cut == bvRaised ? QColor(Qt::white) : QColor(0x80, 0x80, 0x80);
    const QColor dark = cut == bvRaised ? QColor(0x80, 0x80, 0x80) : QColor(Qt::white);
    for (int i = 0; i < width; ++i) {
        if (cut != bvSpace) {
            p.setPen(light);
            p.drawLine(r.left(), r.top(), r.right(), r.top());
            p.drawLine(r.left(), r.top(), r.left(), r.bottom());
            p.setPen(dark);
            p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
            p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        }
        r.adjust(1, 1, -1, -1);
    }
}

TShiftState MouseShift(QMouseEvent* e)
{
    TShiftState s = 0;
    if (e->modifiers() & Qt::ShiftModifier)
        s |= ssShift;
    if (e->modifiers() & Qt::AltModifier)
        s |= ssAlt;
    if (e->modifiers() & Qt::ControlModifier)
        s |= ssCtrl;
    if (e->buttons() & Qt::LeftButton)
        s |= ssLeft;
    if (e->buttons() & Qt::RightButton)
        s |= ssRight;
    return s;
}
} // namespace

// ---- TPanel ---------------------------------------------------------------------
TPanel::TPanel(QWidget* parent) : QFrame(ClientOf(parent)), TControl(this)
{
    setFrameStyle(QFrame::NoFrame);
    resize(185, 41);
    UpdateMargins();
    InitVisible();
}

TPanel::~TPanel() = default;

void TPanel::SetCaption(const QString& c)
{
    caption_ = c;
    update();
}

void TPanel::SetBevelOuter(TBevelCut b)
{
    bevelOuter_ = b;
    UpdateMargins();
}

void TPanel::SetBevelInner(TBevelCut b)
{
    bevelInner_ = b;
    UpdateMargins();
}

void TPanel::SetBevelWidth(int w)
{
    bevelWidth_ = w < 1 ? 1 : w;
    UpdateMargins();
}

void TPanel::SetBorderWidth(int w)
{
    borderWidth_ = w < 0 ? 0 : w;
    UpdateMargins();
}

void TPanel::SetAlignment(TAlignment a)
{
    alignment_ = a;
    update();
}

void TPanel::UpdateMargins()
{
    int m = borderWidth_;
    if (bevelOuter_ != bvNone)
        m += bevelWidth_;
    if (bevelInner_ != bvNone)
        m += bevelWidth_;
    setContentsMargins(m, m, m, m);
    update();
    Realign();
}

QRect TPanel::ClientRect() const
{
    return contentsRect();
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect r = rect();
    DrawBevel(p, r, bevelOuter_, bevelWidth_);
    r.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    DrawBevel(p, r, bevelInner_, bevelWidth_);
    if (!caption_.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        const Qt::Alignment a = alignment_ == taLeftJustify    ? Qt::AlignLeft
                                : alignment_ == taRightJustify ? Qt::AlignRight
                                                               : Qt::AlignHCenter;
        p.drawText(r, int(a | Qt::AlignVCenter), caption_);
    }
}

void TPanel::resizeEvent(QResizeEvent* e)
{
    QFrame::resizeEvent(e);
    Realign();
    OnResize(this);
}

void TPanel::mouseReleaseEvent(QMouseEvent* e)
{
    QFrame::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        OnClick(this);
}

void TPanel::mouseDoubleClickEvent(QMouseEvent* e)
{
    QFrame::mouseDoubleClickEvent(e);
    OnDblClick(this);
}

void TPanel::mouseMoveEvent(QMouseEvent* e)
{
    QFrame::mouseMoveEvent(e);
    const QPoint pt = e->position().toPoint();
    OnMouseMove(this, MouseShift(e), pt.x(), pt.y());
}

// ---- TGroupBox --------------------------------------------------------------------
TGroupBox::TGroupBox(QWidget* parent) : QGroupBox(ClientOf(parent)), TControl(this)
{
    resize(185, 105);
    InitVisible();
}

TGroupBox::~TGroupBox() = default;

QRect TGroupBox::ClientRect() const
{
    const int th = fontMetrics().height();
    return rect().adjusted(2, th + 2, -2, -2);
}

void TGroupBox::resizeEvent(QResizeEvent* e)
{
    QGroupBox::resizeEvent(e);
    Realign();
}

// ---- TScrollBox -------------------------------------------------------------------
TScrollBox::TScrollBox(QWidget* parent) : QScrollArea(ClientOf(parent)), TControl(this)
{
    content_ = new QWidget;
    vcl_detail::MarkClientWidget(content_, this);
    setWidgetResizable(false);
    setWidget(content_);
    content_->installEventFilter(this);
    resize(185, 41);
    InitVisible();
}

TScrollBox::~TScrollBox() = default;

int TScrollBox::ClientWidth() const
{
    int w = contentsRect().width();
    if (verticalScrollBar()->isVisibleTo(this))
        w -= verticalScrollBar()->sizeHint().width();
    return std::max(0, w);
}

int TScrollBox::ClientHeight() const
{
    int h = contentsRect().height();
    if (horizontalScrollBar()->isVisibleTo(this))
        h -= horizontalScrollBar()->sizeHint().height();
    return std::max(0, h);
}

QRect TScrollBox::ClientRect() const
{
    return QRect(0, 0, ClientWidth(), ClientHeight());
}

void TScrollBox::UpdateRange()
{
    if (updating_)
        return;
    updating_ = true;
    int w = ClientWidth();
    int h = ClientHeight();
    for (QObject* o : content_->children()) {
        auto* cw = qobject_cast<QWidget*>(o);
        if (!cw || cw->isWindow() || cw->isHidden())
            continue;
        auto* c = dynamic_cast<TControl*>(cw);
        if (c && c->Align() != alNone)
            continue;
        w = std::max(w, cw->geometry().right() + 1);
        h = std::max(h, cw->geometry().bottom() + 1);
    }
    if (content_->size() != QSize(w, h))
        content_->resize(w, h);
    Realign();
    updating_ = false;
}

int TScrollBox::HorzPosition() const
{
    return horizontalScrollBar()->value();
}

int TScrollBox::VertPosition() const
{
    return verticalScrollBar()->value();
}

void TScrollBox::ScrollInView(TControl* c)
{
    if (c)
        ensureWidgetVisible(c->Widget());
}

void TScrollBox::resizeEvent(QResizeEvent* e)
{
    QScrollArea::resizeEvent(e);
    UpdateRange();
}

bool TScrollBox::eventFilter(QObject* o, QEvent* e)
{
    if (o == content_) {
        if (e->type() == QEvent::ChildAdded) {
            if (auto* w = qobject_cast<QWidget*>(static_cast<QChildEvent*>(e)->child()))
                w->installEventFilter(this);
        }
        if (e->type() == QEvent::ChildRemoved || e->type() == QEvent::ChildAdded)
            QMetaObject::invokeMethod(
                this, [this] { UpdateRange(); }, Qt::QueuedConnection);
    } else if (o->parent() == content_) {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            UpdateRange();
            break;
        default:
            break;
        }
    }
    return QScrollArea::eventFilter(o, e);
}

// ---- TSplitter ---------------------------------------------------------------------
TSplitter::TSplitter(QWidget* parent) : QWidget(ClientOf(parent)), TControl(this)
{
    resize(3, 100);
    SetAlign(alLeft);
    setCursor(Qt::SplitHCursor);
    InitVisible();
}

TControl* TSplitter::Control() const
{
    TControl* p = Parent();
    if (!p)
        return nullptr;
    const QRect me = geometry();
    for (int i = 0; i < p->ControlCount(); ++i) {
        TControl* c = p->Controls(i);
        if (c == this || c->Align() != Align() || !c->Visible())
            continue;
        const QRect r = c->BoundsRect();
        switch (Align()) {
        case alLeft:
            if (r.right() + 1 == me.left())
                return c;
            break;
        case alRight:
            if (r.left() == me.right() + 1)
                return c;
            break;
        case alTop:
            if (r.bottom() + 1 == me.top())
                return c;
            break;
        case alBottom:
            if (r.top() == me.bottom() + 1)
                return c;
            break;
        default:
            break;
        }
    }
    return nullptr;
}

void TSplitter::mousePressEvent(QMouseEvent* e)
{
    TControl* c = Control();
    if (e->button() != Qt::LeftButton || !c)
        return;
    dragging_ = true;
    start_ = e->globalPosition().toPoint();
    startSize_ = Align() == alLeft || Align() == alRight ? c->Width() : c->Height();
}

void TSplitter::mouseMoveEvent(QMouseEvent* e)
{
    if (!dragging_)
        return;
    TControl* c = Control();
    if (!c)
        return;
    const QPoint d = e->globalPosition().toPoint() - start_;
    int size = startSize_;
    switch (Align()) {
    case alLeft:
        size += d.x();
        break;
    case alRight:
        size -= d.x();
        break;
    case alTop:
        size += d.y();
        break;
    case alBottom:
        size -= d.y();
        break;
    default:
        return;
    }
    size = std::max(size, minSize_);
    if (Align() == alLeft || Align() == alRight)
        c->SetWidth(size);
    else
        c->SetHeight(size);
    if (TControl* p = Parent())
        p->Realign();
}

void TSplitter::mouseReleaseEvent(QMouseEvent*)
{
    if (!dragging_)
        return;
    dragging_ = false;
    OnMoved(this);
}

void TSplitter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
}
