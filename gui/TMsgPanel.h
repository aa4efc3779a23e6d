// The message area of a generated configuration window: a memo, 50 pixels
// high, in which the panels log the result of every read and write.
#pragma once

#include "ui/TEdit.h"
#include "ui/TPanel.h"

class TMsgPanel : public TPanel
{
public:
    static constexpr int DefaultHeight = 50;

    // Placed in the owner; the caller docks it.
    explicit TMsgPanel(QWidget* owner);

    TMemo* Memo;
};
