// Hooks that let tests answer message boxes and drive modal windows, so that
// no test needs a person or a display.
//
// - A message-box responder receives every box (owner, caption, text, flags,
//   the buttons offered) and returns the button to press. Without one, boxes
//   are QMessageBoxes.
// - A modal hook is called once the modal loop of a form runs (messages posted
//   while the form was built have been delivered by then); it acts on the form
//   and closes it (Close(), SetModalResult()). A form the hook leaves open is
//   closed with mrCancel, so a test never hangs.
// - In test mode (the offscreen platform, or VN2400_UI_TEST=1, or
//   SetUiTestMode(true)) a modal form or message box with no hook installed is a
//   fatal error: the program prints what was opened and aborts.
// - Beeps are counted.
#pragma once

#include "VclTypes.h"

#include <QString>
#include <QVector>
#include <functional>

class QWidget;
class TForm;

struct TMessageBoxRequest
{
    QWidget* owner = nullptr;
    QString caption;
    QString text;
    unsigned flags = MB_OK; // button set and icon, MB_* values
    QVector<int> buttons;   // offered answers: IDOK, IDCANCEL, IDYES, IDNO, ...
};

using TMessageBoxResponder = std::function<int(const TMessageBoxRequest&)>;
using TModalHook = std::function<void(TForm&)>;

// Install a responder/hook (empty: none); each returns the previous one.
TMessageBoxResponder SetMessageBoxResponder(TMessageBoxResponder r);
TModalHook SetModalHook(TModalHook h);

void SetUiTestMode(bool on);
bool UiTestMode();

struct TBeepRecord
{
    unsigned frequency;
    unsigned milliseconds;
};
int BeepCount();
const QVector<TBeepRecord>& Beeps();
void ResetBeeps();
