// The toolkit layer: a small set of window and control classes over Qt 6
// Widgets, shaped the way the module's windows are written.
//
// Conventions
// - Classes carry the T prefix (TForm, TEdit, TListView, ...). Each control
//   derives from the Qt widget that shows it and from TControl, so it is a
//   QWidget too. Create a control with its parent: `new TEdit(panel)`; the
//   parent (a Qt parent) deletes it. A form created with owner null is deleted
//   by its creator (after ShowModal returns). A control made with a parent is
//   shown at the end of its constructor; a class derived from a control whose
//   Qt event handlers use its own members is made without a parent and then
//   given one with SetParent.
// - Properties are a getter named like the property and a setter with a Set
//   prefix: Caption()/SetCaption(), Left()/SetLeft(), ItemIndex()/SetItemIndex().
//   Lists are TStrings (Items(), Lines(), SubItems()).
// - Geometry is absolute, in pixels, relative to the parent's client area.
//   Align docks a control: top and bottom first, then left and right, then the
//   client control in the rest.
// - Events are single-slot public members of type TEvent<...> (TEvent.h):
//   `edit->OnChange = TNotifyEvent(this, &TMyForm::EditChange);`. Read one,
//   keep it, install another, call the kept one, and put it back later.
// - Event moments follow the windows' toolkit, not Qt's signals:
//     edit OnChange: typed and assigned text; OnExit: focus moves to another
//       control of the window (not on window deactivation or message boxes);
//     combo OnChange: only user picks and typing, never ItemIndex/Text set by code;
//     check box / radio button OnClick: clicks and Checked changed by code;
//     radio group OnClick: clicks and ItemIndex changed by code;
//     page control OnChange: only user page switches;
//     list view OnSelectItem: every item gaining or losing the selection,
//       user or code; OnClick: mouse clicks only; OnChange: items added,
//       deleted or changed.
// - Application services (TApplication.h): MessageBox/ShowMessage/MessageDlg,
//   PostMessage to a form (dispatched to TForm::WndProc after the current
//   event), ProcessMessages, PostNextControl, Beep, GetTickCount,
//   ProgramFileName.
// - Tests (TestHooks.h): a message-box responder and a modal hook answer every
//   box and drive every modal window; without them, test mode aborts loudly.
#pragma once

#include "TApplication.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TControl.h"
#include "TEdit.h"
#include "TEvent.h"
#include "TForm.h"
#include "TImage.h"
#include "TLabel.h"
#include "TListView.h"
#include "TMenu.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TProgressBar.h"
#include "TRadioGroup.h"
#include "TShape.h"
#include "TStatusBar.h"
#include "TStrings.h"
#include "TTimer.h"
#include "TestHooks.h"
#include "VclTypes.h"
