#include "TForm.h"

#include "TApplication.h"
#include "TMenu.h"
#include "VclDetail.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <stdexcept>

namespace {
QWidget* OwnerWindow(QWidget* owner)
{
    return owner ? owner->window() : nullptr;
}
} // namespace

TForm::TForm(QWidget* owner) : QWidget(OwnerWindow(owner), Qt::Window), TControl(this), owner_(owner)
{
    StoreVisible(false);
    client_ = new QWidget(this);
    vcl_detail::MarkClientWidget(client_, this);
    setFocusPolicy(Qt::NoFocus);
    resize(320, 240);
    LayoutClient();
    ApplyWindowFlags();
}

TForm::~TForm()
{
    DoDestroy();
    if (Application->MainForm() == this)
        Application->SetMainForm(nullptr);
    if (loop_)
        loop_->exit(0);
}

QWidget* TForm::ClientWidget() const
{
    return client_;
}

void TForm::DoCreate()
{
    if (created_)
        return;
    created_ = true;
    OnCreate(this);
}

void TForm::DoDestroy()
{
    if (!created_ || destroyed_)
        return;
    destroyed_ = true;
    OnDestroy(this);
}

QString TForm::Caption() const
{
    return windowTitle();
}

void TForm::SetCaption(const QString& c)
{
    setWindowTitle(c);
}

int TForm::ClientWidth() const
{
    return width();
}

int TForm::ClientHeight() const
{
    return std::max(0, height() - menuHeight_);
}

QRect TForm::ClientRect() const
{
    return QRect(0, 0, ClientWidth(), ClientHeight());
}

void TForm::SetClientWidth(int v)
{
    SetBounds(Left(), Top(), v, height());
}

void TForm::SetClientHeight(int v)
{
    SetBounds(Left(), Top(), width(), v + menuHeight_);
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (isWindow()) {
        move(left, top);
        resize(std::max(0, width), std::max(0, height));
    } else {
        setGeometry(left, top, std::max(0, width), std::max(0, height));
    }
    if (isWindow() && (borderStyle_ == bsSingle || borderStyle_ == bsDialog || borderStyle_ == bsToolWindow))
        setFixedSize(size());
    LayoutClient();
    RealignParent();
}

void TForm::LayoutClient()
{
    const int mh = menuHeight_;
    if (menuBar_ && mh > 0)
        menuBar_->setGeometry(0, 0, width(), mh);
    client_->setGeometry(0, mh, width(), std::max(0, height() - mh));
    Realign();
}

void TForm::SetBorderStyle(TFormBorderStyle s)
{
    borderStyle_ = s;
    ApplyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons i)
{
    borderIcons_ = i;
    ApplyWindowFlags();
}

void TForm::SetPosition(TPosition p)
{
    position_ = p;
    positioned_ = false;
}

void TForm::ApplyWindowFlags()
{
    if (!isWindow())
        return;
    Qt::WindowFlags f = Qt::Window;
    bool fixed = false;
    switch (borderStyle_) {
    case bsNone:
        f |= Qt::FramelessWindowHint;
        break;
    case bsDialog:
        f = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        fixed = true;
        break;
    case bsSingle:
    case bsToolWindow:
        fixed = true;
        [[fallthrough]];
    default:
        f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (borderIcons_ & biSystemMenu)
            f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (borderIcons_ & biMinimize)
            f |= Qt::WindowMinimizeButtonHint;
        if ((borderIcons_ & biMaximize) && !fixed)
            f |= Qt::WindowMaximizeButtonHint;
        break;
    }
    if (f != windowFlags()) {
        const bool shown = isVisible();
        setWindowFlags(f);
        if (shown)
            QWidget::setVisible(true);
    }
    if (fixed) {
        setFixedSize(size());
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

void TForm::ApplyPosition()
{
    if (!isWindow())
        return;
    QWidget* target = nullptr;
    switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
        break;
    case poMainFormCenter:
        target = Application->MainForm();
        break;
    case poOwnerFormCenter:
        target = owner_ ? owner_->window() : Application->MainForm();
        break;
    default:
        return;
    }
    if (target == this || (target && !target->isVisible()))
        target = nullptr;
    QRect area;
    if (target) {
        area = target->frameGeometry();
    } else {
        QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        if (!s)
            return;
        area = s->availableGeometry();
    }
    const QSize frame = frameGeometry().size().expandedTo(size());
    move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
    positioned_ = true;
}

void TForm::SetMenu(TMainMenu* m)
{
    menu_ = m;
    if (!m) {
        delete menuBar_;
        menuBar_ = nullptr;
    } else {
        if (!menuBar_)
            menuBar_ = new QMenuBar(this);
        menuBar_->setNativeMenuBar(false);
        menuBar_->show();
        m->AttachTo(menuBar_);
    }
    MenuChanged();
}

void TForm::MenuChanged()
{
    const int ch = ClientHeight();
    menuHeight_ = menuBar_ ? menuBar_->sizeHint().height() : 0;
    SetBounds(Left(), Top(), width(), ch + menuHeight_);
}

void TForm::SetParent(QWidget* parent)
{
    TControl* old = Parent();
    if (parent) {
        QWidget::setParent(ClientOf(parent), Qt::Widget);
    } else {
        QWidget::setParent(OwnerWindow(owner_), Qt::Window);
        ApplyWindowFlags();
    }
    if (parent && Visible())
        QWidget::setVisible(true);
    if (old && Align() != alNone)
        old->Realign();
    RealignParent();
}

bool TForm::IsWindow() const
{
    return isWindow();
}

void TForm::SetVisible(bool v)
{
    if (v) {
        DoCreate();
        StoreVisible(true);
        if (isWindow()) {
            if (!positioned_ || position_ == poScreenCenter || position_ == poMainFormCenter ||
                position_ == poOwnerFormCenter)
                ApplyPosition();
            QWidget::setVisible(true);
            if (QGuiApplication::platformName() != QLatin1String("offscreen"))
                raise();
            activateWindow();
        } else {
            QWidget::setVisible(true);
        }
    } else {
        StoreVisible(false);
        QWidget::setVisible(false);
    }
    if (Align() != alNone)
        RealignParent();
}

void TForm::SetModalResult(int r)
{
    modalResult_ = r;
    if (loop_ && r != mrNone && !closeCheckQueued_) {
        closeCheckQueued_ = true;
        QMetaObject::invokeMethod(
            this, [this] { CheckModalClose(); }, Qt::QueuedConnection);
    }
}

void TForm::CheckModalClose()
{
    closeCheckQueued_ = false;
    if (!loop_ || modalResult_ == mrNone)
        return;
    const TCloseAction a = DoClose();
    if (a == caNone) {
        modalResult_ = mrNone;
        return;
    }
    if (a == caFree)
        releaseAfterModal_ = true;
    loop_->exit(0);
}

TCloseAction TForm::DoClose()
{
    if (!CloseQuery())
        return caNone;
    TCloseAction a = caHide;
    OnClose(this, a);
    return a;
}

bool TForm::CloseQuery()
{
    bool can = true;
    OnCloseQuery(this, can);
    return can;
}

int TForm::ShowModal()
{
    if (loop_ || (isWindow() && isVisible()))
        throw std::logic_error("Cannot make a visible window modal");
    if (!isWindow())
        throw std::logic_error("Cannot show a hosted form modally");
    DoCreate();
    modalResult_ = mrNone;
    releaseAfterModal_ = false;
    setWindowModality(Qt::ApplicationModal);
    QPointer<TForm> self(this);
    QEventLoop loop;
    loop_ = &loop;
    SetVisible(true);
    if (vcl_detail::ModalHook()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!loop_)
                    return;
                TModalHook hook = vcl_detail::ModalHook();
                if (hook)
                    hook(*this);
                if (!loop_)
                    return;
                // The hook left the form open: close it as the user's cancel would,
                // and end the loop even if the form refuses.
                if (modalResult_ == mrNone)
                    modalResult_ = mrCancel;
                CheckModalClose();
                if (loop_ && modalResult_ == mrNone) {
                    std::fprintf(stderr,
                                 "toolkit test hooks: form \"%s\" refused to close after the modal hook\n",
                                 Caption().toLocal8Bit().constData());
                    modalResult_ = mrCancel;
                    loop_->exit(0);
                }
            },
            Qt::QueuedConnection);
    } else if (UiTestMode()) {
        vcl_detail::Fatal(QStringLiteral("form \"%1\" (%2) was shown modally with no modal hook installed")
                              .arg(Caption(), QString::fromLatin1(metaObject()->className())));
    }
    loop.exec(QEventLoop::DialogExec);
    if (!self)
        return mrCancel;
    loop_ = nullptr;
    const int result = modalResult_;
    StoreVisible(false);
    QWidget::setVisible(false);
    setWindowModality(Qt::NonModal);
    if (releaseAfterModal_)
        deleteLater();
    return result;
}

void TForm::Close()
{
    if (loop_) {
        SetModalResult(mrCancel);
        return;
    }
    const TCloseAction a = DoClose();
    if (a == caNone)
        return;
    const bool mainForm = Application->MainForm() == this;
    switch (a) {
    case caMinimize:
        showMinimized();
        break;
    case caFree:
        SetVisible(false);
        Release();
        break;
    default:
        SetVisible(false);
        break;
    }
    if (mainForm)
        Application->Terminate();
}

void TForm::Release()
{
    if (loop_) {
        releaseAfterModal_ = true;
        return;
    }
    deleteLater();
}

bool TForm::Active() const
{
    return isWindow() ? isActiveWindow() : window()->isActiveWindow();
}

TControl* TForm::ActiveControl() const
{
    QWidget* fw = focusWidget();
    if (!fw || !isAncestorOf(fw))
        return nullptr;
    for (QWidget* w = fw; w && w != this; w = w->parentWidget()) {
        if (auto* c = dynamic_cast<TControl*>(w))
            return c;
    }
    return nullptr;
}

void TForm::SetActiveControl(TControl* c)
{
    if (c)
        c->SetFocus();
}

void TForm::SelectNext(TControl* current, bool forward, bool checkTabStop)
{
    QWidget* from = current ? current->Widget() : focusWidget();
    vcl_detail::FocusNext(this, from, forward, checkTabStop);
}

void TForm::WndProc(TMessage& msg)
{
    if (msg.Msg == WM_NEXTDLGCTL) {
        SelectNext(ActiveControl(), msg.WParam == 0, true);
        return;
    }
    OnMessage(this, msg);
}

std::intptr_t TForm::Perform(unsigned msg, std::intptr_t wparam, std::intptr_t lparam)
{
    TMessage m;
    m.Msg = msg;
    m.WParam = wparam;
    m.LParam = lparam;
    WndProc(m);
    return m.Result;
}

bool TForm::event(QEvent* e)
{
    TMessage m;
    if (vcl_detail::TakeMessage(e, m)) {
        WndProc(m);
        return true;
    }
    return QWidget::event(e);
}

void TForm::closeEvent(QCloseEvent* e)
{
    e->ignore();
    Close();
}

void TForm::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    LayoutClient();
    OnResize(this);
}

void TForm::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    LayoutClient();
    OnShow(this);
}

void TForm::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    OnHide(this);
}

void TForm::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isWindow()) {
        const bool active = isActiveWindow();
        if (active != wasActive_) {
            wasActive_ = active;
            if (active)
                OnActivate(this);
            else
                OnDeactivate(this);
        }
    }
}
