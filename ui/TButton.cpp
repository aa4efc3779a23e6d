#include "TButton.h"

#include "TForm.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace {
// Bitmap glyphs take the colour of their bottom-left pixel as transparent.
QPixmap GlyphFrom(const QPixmap& p)
{
    if (p.isNull())
        return p;
    QPixmap g = p;
    const QImage img = p.toImage();
    const QColor key = img.pixelColor(0, img.height() - 1);
    g.setMask(QBitmap::fromImage(img.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
    return g;
}
} // namespace

// ---- TButton ------------------------------------------------------------------
TButton::TButton(QWidget* parent) : QPushButton(ClientOf(parent)), TControl(this)
{
    resize(75, 25);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { Click(); });
    InitVisible();
}

TButton::~TButton()
{
    if (TForm* f = ParentForm()) {
        if (f->DefaultButton() == this)
            f->SetDefaultButton(nullptr);
        if (f->CancelButton() == this)
            f->SetCancelButton(nullptr);
    }
}

void TButton::SetDefault(bool d)
{
    setDefault(d);
    if (TForm* f = ParentForm()) {
        if (d)
            f->SetDefaultButton(this);
        else if (f->DefaultButton() == this)
            f->SetDefaultButton(nullptr);
    }
}

void TButton::SetCancel(bool c)
{
    cancel_ = c;
    if (TForm* f = ParentForm()) {
        if (c)
            f->SetCancelButton(this);
        else if (f->CancelButton() == this)
            f->SetCancelButton(nullptr);
    }
}

void TButton::Click()
{
    if (modalResult_ != mrNone) {
        if (TForm* f = ParentForm())
            f->SetModalResult(modalResult_);
    }
    OnClick(this);
}

void TButton::keyPressEvent(QKeyEvent* e)
{
    DispatchKeyPress(e, [this](QKeyEvent* k) {
        // Return presses the focused button.
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && k->modifiers() == Qt::NoModifier) {
            k->accept();
            Click();
            return;
        }
        QPushButton::keyPressEvent(k);
    });
}

void TButton::keyReleaseEvent(QKeyEvent* e)
{
    DispatchKeyRelease(e, [this](QKeyEvent* k) { QPushButton::keyReleaseEvent(k); });
}

void TButton::focusInEvent(QFocusEvent* e)
{
    QPushButton::focusInEvent(e);
    DispatchFocusIn(e);
}

void TButton::focusOutEvent(QFocusEvent* e)
{
    QPushButton::focusOutEvent(e);
    DispatchFocusOut(e);
}

// ---- TBitBtn ------------------------------------------------------------------
TBitBtn::TBitBtn(QWidget* parent) : TButton(parent) {}

void TBitBtn::SetGlyph(const QPixmap& p)
{
    glyph_ = GlyphFrom(p);
    setIcon(QIcon(glyph_));
    setIconSize(glyph_.size());
}

bool TBitBtn::LoadGlyph(const QString& path)
{
    QPixmap p;
    if (path.isEmpty() || !p.load(path))
        return false;
    SetGlyph(p);
    return true;
}

// ---- TSpeedButton -------------------------------------------------------------
TSpeedButton::TSpeedButton(QWidget* parent) : QToolButton(ClientOf(parent)), TControl(this)
{
    resize(23, 22);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(this, &QToolButton::clicked, this, [this] { OnClick(this); });
    InitVisible();
}

void TSpeedButton::SetGroupIndex(int g)
{
    groupIndex_ = g;
    setCheckable(g != 0);
    if (g == 0)
        setChecked(false);
}

void TSpeedButton::SetDown(bool d)
{
    if (groupIndex_ == 0 || d == isChecked())
        return;
    if (!d) {
        if (allowAllUp_)
            setChecked(false);
        return;
    }
    if (QWidget* p = parentWidget()) {
        for (QObject* o : p->children()) {
            auto* other = dynamic_cast<TSpeedButton*>(o);
            if (other && other != this && other->groupIndex_ == groupIndex_)
                other->setChecked(false);
        }
    }
    setChecked(true);
}

void TSpeedButton::SetGlyph(const QPixmap& p)
{
    const QPixmap g = GlyphFrom(p);
    setIcon(QIcon(g));
    setIconSize(g.size());
    setToolButtonStyle(text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
}

bool TSpeedButton::LoadGlyph(const QString& path)
{
    QPixmap p;
    if (path.isEmpty() || !p.load(path))
        return false;
    SetGlyph(p);
    return true;
}

void TSpeedButton::Click()
{
    click();
}

void TSpeedButton::nextCheckState()
{
    // Grouped buttons go down on a click; a down one goes up only when all
    // may be up.
    if (groupIndex_ == 0)
        return;
    SetDown(!isChecked());
}

void TSpeedButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    QToolButton::mouseDoubleClickEvent(e);
    OnDblClick(this);
}
