#include "TControl.h"

#include "TButton.h"
#include "TForm.h"
#include "VclDetail.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QSet>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {
const char* const kClientOwner = "vclClientOwner";
unsigned long long g_order = 0;
QSet<QWidget*> g_aligning;

WORD VkFromQt(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<WORD>(key);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<WORD>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return static_cast<WORD>(VK_F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    default:
        break;
    }
    if (key > 0 && key < 0x100)
        return static_cast<WORD>(key);
    return 0xFF;
}

int QtKeyFromVk(WORD vk, int original)
{
    if (VkFromQt(original) == vk)
        return original;
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return vk;
    if (vk >= VK_F1 && vk <= VK_F12)
        return Qt::Key_F1 + (vk - VK_F1);
    switch (vk) {
    case VK_BACK:
        return Qt::Key_Backspace;
    case VK_TAB:
        return Qt::Key_Tab;
    case VK_RETURN:
        return Qt::Key_Return;
    case VK_ESCAPE:
        return Qt::Key_Escape;
    case VK_SPACE:
        return Qt::Key_Space;
    case VK_DELETE:
        return Qt::Key_Delete;
    case VK_LEFT:
        return Qt::Key_Left;
    case VK_RIGHT:
        return Qt::Key_Right;
    case VK_UP:
        return Qt::Key_Up;
    case VK_DOWN:
        return Qt::Key_Down;
    case VK_HOME:
        return Qt::Key_Home;
    case VK_END:
        return Qt::Key_End;
    default:
        return vk;
    }
}

int QtKeyForChar(QChar c)
{
    switch (c.unicode()) {
    case 8:
        return Qt::Key_Backspace;
    case 9:
        return Qt::Key_Tab;
    case 13:
        return Qt::Key_Return;
    case 27:
        return Qt::Key_Escape;
    default:
        break;
    }
    const QChar u = c.toUpper();
    if ((u >= QLatin1Char('A') && u <= QLatin1Char('Z')) || (u >= QLatin1Char('0') && u <= QLatin1Char('9')))
        return u.unicode();
    return Qt::Key_unknown;
}

TShiftState ShiftOf(Qt::KeyboardModifiers m)
{
    TShiftState s = 0;
    if (m & Qt::ShiftModifier)
        s |= ssShift;
    if (m & Qt::AltModifier)
        s |= ssAlt;
    if (m & Qt::ControlModifier)
        s |= ssCtrl;
    return s;
}

// Forms that preview the keys of a control: every enclosing form with
// KeyPreview, innermost first.
std::vector<QPointer<TForm>> PreviewForms(QWidget* w)
{
    std::vector<QPointer<TForm>> forms;
    for (QWidget* p = w; p; p = p->parentWidget()) {
        if (auto* f = dynamic_cast<TForm*>(p); f && f->KeyPreview())
            forms.emplace_back(f);
    }
    return forms;
}
} // namespace

// ---- TFont ------------------------------------------------------------------
void TFont::SetColor(TColor c)
{
    color_ = c;
    owner_->ApplyFont();
}

int TFont::Size() const
{
    return owner_->Widget()->font().pointSize();
}

void TFont::SetSize(int points)
{
    QFont f = owner_->Widget()->font();
    f.setPointSize(points);
    owner_->Widget()->setFont(f);
    owner_->ApplyFont();
}

QString TFont::Name() const
{
    return owner_->Widget()->font().family();
}

void TFont::SetName(const QString& family)
{
    QFont f = owner_->Widget()->font();
    f.setFamily(family);
    owner_->Widget()->setFont(f);
    owner_->ApplyFont();
}

TFontStyles TFont::Style() const
{
    const QFont f = owner_->Widget()->font();
    TFontStyles s = 0;
    if (f.bold())
        s |= fsBold;
    if (f.italic())
        s |= fsItalic;
    if (f.underline())
        s |= fsUnderline;
    if (f.strikeOut())
        s |= fsStrikeOut;
    return s;
}

void TFont::SetStyle(TFontStyles s)
{
    QFont f = owner_->Widget()->font();
    f.setBold(s & fsBold);
    f.setItalic(s & fsItalic);
    f.setUnderline(s & fsUnderline);
    f.setStrikeOut(s & fsStrikeOut);
    owner_->Widget()->setFont(f);
    owner_->ApplyFont();
}

// ---- TControl -----------------------------------------------------------------
TControl::TControl(QWidget* self) : self_(self), font_(new TFont(this)), order_(++g_order) {}

void TControl::InitVisible()
{
    // Controls are visible from the start, as the windows expect. Called at
    // the end of each control's constructor: showing sends events to the
    // widget, which must be complete by then.
    if (visible_ && !self_->isWindow() && self_->parentWidget())
        self_->setVisible(true);
}

TControl::~TControl()
{
    g_aligning.remove(self_);
}

QWidget* TControl::ClientOf(QWidget* parent)
{
    if (!parent)
        return nullptr;
    if (auto* c = dynamic_cast<TControl*>(parent))
        return c->ClientWidget();
    return parent;
}

TControl* TControl::FromWidget(QWidget* w)
{
    if (!w)
        return nullptr;
    if (auto* c = dynamic_cast<TControl*>(w))
        return c;
    const QVariant v = w->property(kClientOwner);
    if (v.isValid())
        return reinterpret_cast<TControl*>(v.value<quintptr>());
    return nullptr;
}

namespace vcl_detail {
void MarkClientWidget(QWidget* client, TControl* owner)
{
    client->setProperty(kClientOwner, QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(owner)));
}
} // namespace vcl_detail

TControl* TControl::Parent() const
{
    if (self_->isWindow())
        return nullptr;
    return FromWidget(self_->parentWidget());
}

void TControl::SetParent(QWidget* parent)
{
    TControl* old = Parent();
    self_->setParent(ClientOf(parent));
    if (parent)
        self_->setVisible(visible_);
    if (old && align_ != alNone)
        old->Realign();
    RealignParent();
}

TForm* TControl::ParentForm() const
{
    for (QWidget* w = self_; w; w = w->parentWidget()) {
        if (auto* f = dynamic_cast<TForm*>(w))
            return f;
    }
    return nullptr;
}

int TControl::ControlCount() const
{
    int n = 0;
    for (QObject* o : ClientWidget()->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && dynamic_cast<TControl*>(w))
            ++n;
    }
    return n;
}

TControl* TControl::Controls(int i) const
{
    for (QObject* o : ClientWidget()->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow())
            continue;
        if (auto* c = dynamic_cast<TControl*>(w)) {
            if (i-- == 0)
                return c;
        }
    }
    return nullptr;
}

QString TControl::Name() const
{
    return self_->objectName();
}

void TControl::SetName(const QString& name)
{
    self_->setObjectName(name);
}

int TControl::Left() const
{
    return self_->x();
}
int TControl::Top() const
{
    return self_->y();
}
int TControl::Width() const
{
    return self_->width();
}
int TControl::Height() const
{
    return self_->height();
}
void TControl::SetLeft(int v)
{
    SetBounds(v, Top(), Width(), Height());
}
void TControl::SetTop(int v)
{
    SetBounds(Left(), v, Width(), Height());
}
void TControl::SetWidth(int v)
{
    SetBounds(Left(), Top(), v, Height());
}
void TControl::SetHeight(int v)
{
    SetBounds(Left(), Top(), Width(), v);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    const QSize before = self_->size();
    self_->setGeometry(left, top, std::max(0, width), std::max(0, height));
    if (self_->size() != before)
        Realign();
    RealignParent();
}

QRect TControl::BoundsRect() const
{
    return self_->geometry();
}

int TControl::ClientWidth() const
{
    return ClientWidget()->width();
}

int TControl::ClientHeight() const
{
    return ClientWidget()->height();
}

void TControl::SetClientWidth(int v)
{
    SetWidth(v + Width() - ClientWidth());
}

void TControl::SetClientHeight(int v)
{
    SetHeight(v + Height() - ClientHeight());
}

QRect TControl::ClientRect() const
{
    return ClientWidget()->contentsRect();
}

void TControl::SetAlign(TAlign a)
{
    if (a == align_)
        return;
    align_ = a;
    RealignParent();
}

void TControl::RealignParent()
{
    if (align_ == alNone)
        return;
    if (TControl* p = Parent())
        p->Realign();
}

void TControl::Realign()
{
    QWidget* client = ClientWidget();
    if (g_aligning.contains(client))
        return;
    std::vector<TControl*> docked;
    for (QObject* o : client->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow())
            continue;
        auto* c = dynamic_cast<TControl*>(w);
        if (c && c->align_ != alNone && c->visible_)
            docked.push_back(c);
    }
    if (docked.empty())
        return;
    g_aligning.insert(client);
    QRect r = ClientRect();
    auto placeAll = [&](TAlign a, auto less) {
        std::vector<TControl*> list;
        for (TControl* c : docked)
            if (c->align_ == a)
                list.push_back(c);
        std::stable_sort(list.begin(), list.end(), [&](TControl* x, TControl* y) {
            if (less(x, y))
                return true;
            if (less(y, x))
                return false;
            return x->order_ < y->order_;
        });
        for (TControl* c : list) {
            const int w = std::max(0, r.width());
            const int h = std::max(0, r.height());
            switch (a) {
            case alTop: {
                const int ch = std::min(c->Height(), h);
                c->SetBounds(r.left(), r.top(), w, c->Height());
                r.setTop(r.top() + ch);
                break;
            }
            case alBottom: {
                const int ch = std::min(c->Height(), h);
                c->SetBounds(r.left(), r.top() + h - c->Height(), w, c->Height());
                r.setHeight(h - ch);
                break;
            }
            case alLeft: {
                const int cw = std::min(c->Width(), w);
                c->SetBounds(r.left(), r.top(), c->Width(), h);
                r.setLeft(r.left() + cw);
                break;
            }
            case alRight: {
                const int cw = std::min(c->Width(), w);
                c->SetBounds(r.left() + w - c->Width(), r.top(), c->Width(), h);
                r.setWidth(w - cw);
                break;
            }
            case alClient:
                c->SetBounds(r.left(), r.top(), w, h);
                break;
            default:
                break;
            }
        }
    };
    placeAll(alTop, [](TControl* x, TControl* y) { return x->Top() < y->Top(); });
    placeAll(alBottom,
             [](TControl* x, TControl* y) { return x->Top() + x->Height() > y->Top() + y->Height(); });
    placeAll(alLeft, [](TControl* x, TControl* y) { return x->Left() < y->Left(); });
    placeAll(alRight,
             [](TControl* x, TControl* y) { return x->Left() + x->Width() > y->Left() + y->Width(); });
    placeAll(alClient, [](TControl*, TControl*) { return false; });
    g_aligning.remove(client);
}

void TControl::SetVisible(bool v)
{
    const bool changed = v != visible_;
    visible_ = v;
    if (self_->isWindow() || self_->parentWidget())
        self_->setVisible(v);
    if (changed && align_ != alNone)
        RealignParent();
}

bool TControl::Showing() const
{
    return self_->isVisible();
}

bool TControl::Enabled() const
{
    return !self_->testAttribute(Qt::WA_ForceDisabled);
}

void TControl::SetEnabled(bool e)
{
    self_->setEnabled(e);
}

void TControl::SetHint(const QString& h)
{
    hint_ = h;
    self_->setToolTip(h);
}

void TControl::SetShowHint(bool s)
{
    showHint_ = s;
}

void TControl::SetColor(TColor c)
{
    color_ = c;
    ApplyColor();
}

void TControl::ApplyColor()
{
    QPalette pal = self_->palette();
    const QPalette def = QApplication::palette(self_);
    if (color_ == clDefault || color_ == clNone) {
        pal.setBrush(QPalette::Base, def.brush(QPalette::Base));
        pal.setBrush(QPalette::Window, def.brush(QPalette::Window));
        pal.setBrush(QPalette::Button, def.brush(QPalette::Button));
    } else {
        const QColor q = ToQColor(color_);
        pal.setColor(QPalette::Base, q);
        pal.setColor(QPalette::Window, q);
        pal.setColor(QPalette::Button, q);
        self_->setAutoFillBackground(true);
    }
    const QColor fc = ToQColor(font_->Color());
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
        pal.setColor(QPalette::Active, role, fc);
        pal.setColor(QPalette::Inactive, role, fc);
    }
    self_->setPalette(pal);
}

void TControl::ApplyFont()
{
    ApplyColor();
}

void TControl::SetTabStop(bool t)
{
    tabStop_ = t;
    if (self_->focusPolicy() == Qt::NoFocus)
        return;
    self_->setFocusPolicy(t ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TControl::Focused() const
{
    return self_->hasFocus();
}

bool TControl::CanFocus() const
{
    return self_->isVisible() && self_->isEnabled() && self_->focusPolicy() != Qt::NoFocus;
}

void TControl::SetFocus()
{
    self_->setFocus(Qt::OtherFocusReason);
}

void TControl::BringToFront()
{
    self_->raise();
}

void TControl::SendToBack()
{
    self_->lower();
}

void TControl::Invalidate()
{
    self_->update();
}

void TControl::Repaint()
{
    self_->repaint();
}

bool TControl::WantsKey(int) const
{
    return false;
}

void TControl::DispatchKeyPress(QKeyEvent* e, const std::function<void(QKeyEvent*)>& base)
{
    QPointer<QWidget> guard(self_);
    const auto forms = PreviewForms(self_);
    WORD key = VkFromQt(e->key());
    const TShiftState shift = ShiftOf(e->modifiers());
    for (const auto& f : forms) {
        if (key && f)
            f->OnKeyDown(f.data(), key, shift);
    }
    if (key && guard)
        OnKeyDown(this, key, shift);
    if (!key || !guard) {
        e->accept();
        return;
    }
    const QString text = e->text();
    if (text.size() == 1) {
        QChar ch = text.at(0);
        for (const auto& f : forms) {
            if (!ch.isNull() && f)
                f->OnKeyPress(f.data(), ch);
        }
        if (!ch.isNull() && guard)
            OnKeyPress(this, ch);
        if (ch.isNull() || !guard) {
            e->accept();
            return;
        }
        if (ch != text.at(0)) {
            QKeyEvent repl(e->type(), QtKeyForChar(ch), e->modifiers(), QString(ch), e->isAutoRepeat(),
                           static_cast<quint16>(e->count()));
            base(&repl);
            e->setAccepted(repl.isAccepted());
            return;
        }
    }
    const int qk = e->key();
    if ((qk == Qt::Key_Return || qk == Qt::Key_Enter || qk == Qt::Key_Escape) && !WantsKey(qk) &&
        !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (TForm* form = ParentForm()) {
            TButton* b = qk == Qt::Key_Escape ? form->CancelButton() : form->DefaultButton();
            if (b && b->isVisible() && b->isEnabled() && dynamic_cast<TControl*>(b) != this) {
                b->Click();
                e->accept();
                return;
            }
        }
    }
    if (VkFromQt(qk) != key) {
        const int newKey = QtKeyFromVk(key, qk);
        const QString newText = key == VK_RETURN ? QStringLiteral("\r")
                                : key == VK_BACK ? QStringLiteral("\b")
                                : (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') || key == VK_SPACE
                                    ? QString(QChar(key)).toLower()
                                    : QString();
        QKeyEvent repl(e->type(), newKey, e->modifiers(), newText, e->isAutoRepeat(),
                       static_cast<quint16>(e->count()));
        base(&repl);
        e->setAccepted(repl.isAccepted());
        return;
    }
    base(e);
}

void TControl::DispatchKeyRelease(QKeyEvent* e, const std::function<void(QKeyEvent*)>& base)
{
    QPointer<QWidget> guard(self_);
    const auto forms = PreviewForms(self_);
    WORD key = VkFromQt(e->key());
    const TShiftState shift = ShiftOf(e->modifiers());
    for (const auto& f : forms) {
        if (key && f)
            f->OnKeyUp(f.data(), key, shift);
    }
    if (key && guard)
        OnKeyUp(this, key, shift);
    if (!key || !guard) {
        e->accept();
        return;
    }
    base(e);
}

// Enter and exit follow the control that has the focus inside its window:
// they fire when that control changes, never when the window merely loses or
// regains the activation (another window, a message box, a popup).
namespace {
class TFocusMemory : public QObject
{
public:
    explicit TFocusMemory(QWidget* window) : QObject(window)
    {
        setObjectName(QStringLiteral("vclFocusMemory"));
    }
    QPointer<QWidget> current;

    static TFocusMemory* Of(QWidget* w)
    {
        QWidget* window = w->window();
        auto* m =
            window->findChild<TFocusMemory*>(QStringLiteral("vclFocusMemory"), Qt::FindDirectChildrenOnly);
        return m ? m : new TFocusMemory(window);
    }
};

bool ActivationReason(QFocusEvent* e)
{
    return e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason;
}
} // namespace

void TControl::DispatchFocusIn(QFocusEvent*)
{
    TFocusMemory* m = TFocusMemory::Of(self_);
    if (m->current == self_)
        return; // the window got the activation back
    QPointer<QWidget> previous = m->current;
    m->current = self_;
    if (previous) {
        // The focus moved while the window was inactive.
        if (TControl* c = FromWidget(previous))
            c->OnExit(c);
    }
    OnEnter(this);
}

void TControl::DispatchFocusOut(QFocusEvent* e)
{
    if (ActivationReason(e))
        return;
    TFocusMemory* m = TFocusMemory::Of(self_);
    if (m->current == self_)
        m->current = nullptr;
    OnExit(this);
}

namespace vcl_detail {
bool FocusNext(QWidget* scope, QWidget* from, bool forward, bool checkTabStop)
{
    if (!scope)
        return false;
    QWidget* start = from && scope->isAncestorOf(from) ? from : scope;
    QWidget* w = start;
    for (int guard = 0; guard < 100000; ++guard) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == start)
            break;
        if (!scope->isAncestorOf(w) || w->focusProxy())
            continue;
        auto* c = dynamic_cast<TControl*>(w);
        if (!c || !w->isVisible() || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus)
            continue;
        if (checkTabStop && !(w->focusPolicy() & Qt::TabFocus))
            continue;
        w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}
} // namespace vcl_detail
