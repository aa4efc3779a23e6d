#include "gui/TMsgPanel.h"

TMsgPanel::TMsgPanel(QWidget* owner) : TPanel(owner)
{
    SetBevelOuter(bvNone);
    SetHeight(DefaultHeight);
    Memo = new TMemo(this);
    Memo->SetReadOnly(true);
    Memo->SetScrollBars(ssVertical);
    Memo->SetAlign(alClient);
}
