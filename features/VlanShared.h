// What the VLAN windows share: the port panel set-up, the wait for a binding
// to go idle, and the row count text.
#pragma once

#include <string>

class QWidget;
class QnSNMPRequest2Controls;
class TPortUitForm;
class TStaticText;
class TListView;

// Bit-number list of a port-list column: port 1 is the least significant bit
// of the eighth octet.
const std::string& VlanPortBits();

// Creates a port panel inside parent with one "Unit1" page showing the
// VN-2400's 28 ports.
TPortUitForm* CreateVlanPortPanel(QWidget* parent);

// Clears Enabled and dispatches window messages until the request is idle.
void StopAndWait(QnSNMPRequest2Controls* request);

// Shows the list view's row count as "Samples: N".
void ShowSampleCount(TStaticText* text, TListView* list);
