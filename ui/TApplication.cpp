#include "TApplication.h"

#include "TForm.h"
#include "TestHooks.h"
#include "VclDetail.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {
TApplication g_application;
TMessageBoxResponder g_responder;
TModalHook g_modalHook;
std::optional<bool> g_testMode;
QVector<TBeepRecord> g_beeps;

QVector<int> ButtonsOf(unsigned flags)
{
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

QMessageBox::StandardButton StandardOf(int id)
{
    switch (id) {
    case IDOK:
        return QMessageBox::Ok;
    case IDCANCEL:
        return QMessageBox::Cancel;
    case IDABORT:
        return QMessageBox::Abort;
    case IDRETRY:
        return QMessageBox::Retry;
    case IDIGNORE:
        return QMessageBox::Ignore;
    case IDYES:
        return QMessageBox::Yes;
    case IDNO:
        return QMessageBox::No;
    default:
        return QMessageBox::NoButton;
    }
}

int ShowQtBox(const TMessageBoxRequest& r)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (r.flags & MB_ICONMASK) {
    case MB_ICONERROR:
        icon = QMessageBox::Critical;
        break;
    case MB_ICONQUESTION:
        icon = QMessageBox::Question;
        break;
    case MB_ICONWARNING:
        icon = QMessageBox::Warning;
        break;
    case MB_ICONINFORMATION:
        icon = QMessageBox::Information;
        break;
    default:
        break;
    }
    QWidget* parent = r.owner ? r.owner->window() : QApplication::activeWindow();
    QMessageBox box(icon, r.caption, r.text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    for (int id : r.buttons)
        box.addButton(StandardOf(id));
    const int cancelId = r.buttons.contains(IDCANCEL) ? IDCANCEL
                         : r.buttons.contains(IDNO)   ? IDNO
                                                      : r.buttons.last();
    box.setEscapeButton(box.button(StandardOf(cancelId)));
    box.setDefaultButton(StandardOf(r.buttons.first()));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (int id : r.buttons) {
        if (clicked && clicked == box.button(StandardOf(id)))
            return id;
    }
    return cancelId;
}

class TMessageEvent : public QEvent
{
public:
    TMessageEvent(unsigned msg, std::intptr_t w, std::intptr_t l)
        : QEvent(vcl_detail::MessageEventType()), msg_{msg, w, l, 0}
    {
    }
    TMessage msg_;
};
} // namespace

TApplication* Application = &g_application;

namespace vcl_detail {
void Fatal(const QString& what)
{
    std::fprintf(stderr, "\nFATAL (toolkit test hooks): %s\n", what.toLocal8Bit().constData());
    std::fflush(stderr);
    std::abort();
}

const TModalHook& ModalHook()
{
    return g_modalHook;
}

QEvent::Type MessageEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool TakeMessage(QEvent* e, TMessage& out)
{
    if (e->type() != MessageEventType())
        return false;
    out = static_cast<TMessageEvent*>(e)->msg_;
    return true;
}
} // namespace vcl_detail

// ---- test hooks -----------------------------------------------------------------
TMessageBoxResponder SetMessageBoxResponder(TMessageBoxResponder r)
{
    std::swap(g_responder, r);
    return r;
}

TModalHook SetModalHook(TModalHook h)
{
    std::swap(g_modalHook, h);
    return h;
}

void SetUiTestMode(bool on)
{
    g_testMode = on;
}

bool UiTestMode()
{
    if (g_testMode)
        return *g_testMode;
    if (const char* env = std::getenv("VN2400_UI_TEST"); env && *env)
        return std::string(env) != "0";
    return qApp && QGuiApplication::platformName() == QLatin1String("offscreen");
}

int BeepCount()
{
    return static_cast<int>(g_beeps.size());
}

const QVector<TBeepRecord>& Beeps()
{
    return g_beeps;
}

void ResetBeeps()
{
    g_beeps.clear();
}

// ---- TApplication ---------------------------------------------------------------
QString TApplication::Title() const
{
    return QCoreApplication::applicationName();
}

void TApplication::SetTitle(const QString& t)
{
    QCoreApplication::setApplicationName(t);
}

QString TApplication::ExeName() const
{
    return ProgramFileName();
}

int TApplication::MessageBox(const QString& text, const QString& caption, unsigned flags)
{
    return ::MessageBox(QApplication::activeWindow(), text, caption, flags);
}

void TApplication::ProcessMessages()
{
    ::ProcessMessages();
}

void TApplication::Terminate()
{
    terminated_ = true;
    QCoreApplication::quit();
}

// ---- services -------------------------------------------------------------------
int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned flags)
{
    TMessageBoxRequest req;
    req.owner = owner;
    req.caption = caption;
    req.text = text;
    req.flags = flags;
    req.buttons = ButtonsOf(flags);
    if (g_responder)
        return g_responder(req);
    if (UiTestMode())
        vcl_detail::Fatal(
            QStringLiteral("a message box was shown with no responder installed: caption \"%1\", "
                           "text \"%2\"")
                .arg(caption, text));
    return ShowQtBox(req);
}

void ShowMessage(const QString& text)
{
    MessageBox(QApplication::activeWindow(), text, ProgramName(), MB_OK);
}

int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons)
{
    TMessageBoxRequest req;
    req.owner = QApplication::activeWindow();
    req.text = text;
    switch (type) {
    case mtWarning:
        req.caption = QStringLiteral("Warning");
        req.flags = MB_ICONWARNING;
        break;
    case mtError:
        req.caption = QStringLiteral("Error");
        req.flags = MB_ICONERROR;
        break;
    case mtInformation:
        req.caption = QStringLiteral("Information");
        req.flags = MB_ICONINFORMATION;
        break;
    case mtConfirmation:
        req.caption = QStringLiteral("Confirm");
        req.flags = MB_ICONQUESTION;
        break;
    default:
        req.caption = ProgramName();
        break;
    }
    const std::pair<TMsgDlgBtn, int> order[] = {{mbYes, IDYES},       {mbNo, IDNO},       {mbOK, IDOK},
                                                {mbCancel, IDCANCEL}, {mbAbort, IDABORT}, {mbRetry, IDRETRY},
                                                {mbIgnore, IDIGNORE}};
    for (const auto& [bit, id] : order) {
        if (buttons & bit)
            req.buttons.append(id);
    }
    if (req.buttons.isEmpty())
        req.buttons.append(IDOK);
    // The flags carry the nearest standard button set.
    if (req.buttons == QVector<int>{IDYES, IDNO})
        req.flags |= MB_YESNO;
    else if (req.buttons == QVector<int>{IDYES, IDNO, IDCANCEL})
        req.flags |= MB_YESNOCANCEL;
    else if (req.buttons == QVector<int>{IDOK, IDCANCEL})
        req.flags |= MB_OKCANCEL;
    if (g_responder)
        return g_responder(req);
    if (UiTestMode())
        vcl_detail::Fatal(
            QStringLiteral("a message dialog was shown with no responder installed: text \"%1\"").arg(text));
    return ShowQtBox(req);
}

void PostMessage(TForm* form, unsigned msg, std::intptr_t wparam, std::intptr_t lparam)
{
    if (!form)
        return;
    QCoreApplication::postEvent(form, new TMessageEvent(msg, wparam, lparam));
}

std::intptr_t SendMessage(TForm* form, unsigned msg, std::intptr_t wparam, std::intptr_t lparam)
{
    return form ? form->Perform(msg, wparam, lparam) : 0;
}

void ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void PostNextControl(QWidget* owner)
{
    if (!owner)
        return;
    QMetaObject::invokeMethod(
        owner,
        [owner] {
            QWidget* scope = owner->window();
            QWidget* from = QApplication::focusWidget();
            if (!from || from->window() != scope)
                from = scope->focusWidget();
            vcl_detail::FocusNext(scope, from, true, true);
        },
        Qt::QueuedConnection);
}

void Beep(unsigned frequency, unsigned milliseconds)
{
    g_beeps.append({frequency, milliseconds});
    if (!UiTestMode() && qApp)
        QApplication::beep();
}

void MessageBeep()
{
    Beep(0, 0);
}

std::uint32_t GetTickCount()
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    return static_cast<std::uint32_t>(ms);
}

QString ProgramFileName()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

QString ProgramName()
{
    return QFileInfo(ProgramFileName()).fileName();
}
