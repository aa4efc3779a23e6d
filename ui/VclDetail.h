// Internal helpers shared by the toolkit layer's sources (not for windows).
#pragma once

#include "TestHooks.h"

#include <QEvent>
#include <QString>

class QWidget;
class TControl;
struct TMessage;

namespace vcl_detail {
// Prints the message and aborts: a test opened a window nobody can answer.
[[noreturn]] void Fatal(const QString& what);
const TModalHook& ModalHook();
QEvent::Type MessageEventType();
// The message carried by a posted message event.
bool TakeMessage(QEvent* e, TMessage& out);
// The focus move of SelectNext/PostNextControl: the next (or previous) widget
// after `from` in tab order that is a control inside `scope`.
// Marks `client` as the client area of `owner` (see TControl::FromWidget).
void MarkClientWidget(QWidget* client, TControl* owner);
bool FocusNext(QWidget* scope, QWidget* from, bool forward, bool checkTabStop);
} // namespace vcl_detail
