// Application services: message boxes, posted messages, processing pending
// events, the posted move of the focus, beeps, the tick count and the
// program's file name. Every message box goes through MessageBox(); tests
// answer them with a responder (TestHooks.h).
#pragma once

#include "VclTypes.h"

#include <QString>
#include <cstdint>

class QWidget;
class TForm;

class TApplication : public TObject
{
public:
    // The main form; closing it (without refusal) ends the program's loop.
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* f) { mainForm_ = f; }
    QString Title() const;
    void SetTitle(const QString& t);
    QString ExeName() const; // full path of the running program
    // Message box owned by the active window; returns IDOK, IDYES, IDNO, ...
    int MessageBox(const QString& text, const QString& caption, unsigned flags = MB_OK);
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

private:
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

extern TApplication* Application;

// A message box: text, caption, buttons and icon from `flags` (MB_OK,
// MB_OKCANCEL, MB_YESNO, ... | MB_ICONWARNING ...). Returns the button pressed
// (IDOK, IDCANCEL, IDYES, IDNO, ...). owner may be null.
int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned flags = MB_OK);
// Plain box with one OK button; the caption is the program's file name.
void ShowMessage(const QString& text);
// Box of a kind with a set of buttons (mbYes | mbNo ...); returns mrYes, mrNo, mrOk, ...
int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);

// Queues message `msg` for the form; it reaches the form's WndProc after the
// current event (a message posted while the form is being built arrives once
// the loop runs, after the form is shown). Messages for a form destroyed in
// the meantime are dropped.
void PostMessage(TForm* form, unsigned msg, std::intptr_t wparam = 0, std::intptr_t lparam = 0);
// Delivers the message at once.
std::intptr_t SendMessage(TForm* form, unsigned msg, std::intptr_t wparam = 0, std::intptr_t lparam = 0);
// Handles the events waiting now (posted messages, timers, input).
void ProcessMessages();
// After the current event, moves the focus from the focused control of
// owner's window to the next control in tab order.
void PostNextControl(QWidget* owner);
// A tone (counted; silent under tests).
void Beep(unsigned frequency, unsigned milliseconds);
void MessageBeep();
// Milliseconds since an arbitrary start, wrapping at 2^32.
std::uint32_t GetTickCount();
// Full path of the running program, and its name without folder.
QString ProgramFileName();
QString ProgramName();
