#include "TLabel.h"

#include <QMouseEvent>

namespace {
Qt::Alignment AlignOf(TAlignment a)
{
    switch (a) {
    case taRightJustify:
        return Qt::AlignRight | Qt::AlignTop;
    case taCenter:
        return Qt::AlignHCenter | Qt::AlignTop;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}
} // namespace

// ---- TLabel -----------------------------------------------------------------------
TLabel::TLabel(QWidget* parent) : QLabel(ClientOf(parent)), TControl(this)
{
    setTextFormat(Qt::PlainText);
    setAlignment(AlignOf(alignment_));
    setFocusPolicy(Qt::NoFocus);
    Fit();
    InitVisible();
}

void TLabel::SetCaption(const QString& c)
{
    setText(c);
    Fit();
}

void TLabel::SetAutoSize(bool a)
{
    autoSize_ = a;
    Fit();
}

void TLabel::SetAlignment(TAlignment a)
{
    alignment_ = a;
    setAlignment(AlignOf(a));
}

void TLabel::SetWordWrap(bool w)
{
    setWordWrap(w);
    Fit();
}

void TLabel::SetTransparent(bool t)
{
    transparent_ = t;
    setAutoFillBackground(!t);
}

void TLabel::Fit()
{
    if (!autoSize_)
        return;
    const QSize s = sizeHint();
    if (wordWrap())
        SetBounds(Left(), Top(), Width(), heightForWidth(Width()) > 0 ? heightForWidth(Width()) : s.height());
    else
        SetBounds(Left(), Top(), s.width(), s.height());
}

void TLabel::ApplyColor()
{
    TControl::ApplyColor();
    if (Color() != clDefault && Color() != clNone)
        transparent_ = false;
    setAutoFillBackground(!transparent_);
}

void TLabel::ApplyFont()
{
    TControl::ApplyFont();
    Fit();
}

void TLabel::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton)
        OnClick(this);
}

void TLabel::mouseDoubleClickEvent(QMouseEvent* e)
{
    QLabel::mouseDoubleClickEvent(e);
    OnDblClick(this);
}

// ---- TStaticText --------------------------------------------------------------------
TStaticText::TStaticText(QWidget* parent) : QLabel(ClientOf(parent)), TControl(this)
{
    setTextFormat(Qt::PlainText);
    setAlignment(AlignOf(alignment_));
    setFocusPolicy(Qt::NoFocus);
    Fit();
    InitVisible();
}

void TStaticText::SetCaption(const QString& c)
{
    setText(c);
    Fit();
}

void TStaticText::SetAutoSize(bool a)
{
    autoSize_ = a;
    Fit();
}

void TStaticText::SetAlignment(TAlignment a)
{
    alignment_ = a;
    setAlignment(AlignOf(a));
}

void TStaticText::SetBorderStyle(TStaticBorderStyle b)
{
    borderStyle_ = b;
    switch (b) {
    case sbsSingle:
        setFrameStyle(QFrame::Box | QFrame::Plain);
        break;
    case sbsSunken:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    default:
        setFrameStyle(QFrame::NoFrame);
        break;
    }
    Fit();
}

void TStaticText::Fit()
{
    if (!autoSize_)
        return;
    const QSize s = sizeHint();
    SetBounds(Left(), Top(), s.width(), s.height());
}

void TStaticText::ApplyFont()
{
    TControl::ApplyFont();
    Fit();
}

void TStaticText::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton)
        OnClick(this);
}
