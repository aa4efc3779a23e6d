#include "gui/TListViewPanel.h"

#include "gui/QnSNMPRequest2Edits.h"
#include "gui/TCtrlBtnPanel.h"

#include <algorithm>

TListViewPanel::TListViewPanel(QWidget* owner, QnSNMPRequest2Edits* request)
    : TPanel(owner), request_(request)
{
    SetBevelOuter(bvNone);
    ListView = new TListView(this);
    ListView->SetAlign(alClient);
    request_->BindListView(ListView, false);
    int chars = 0;
    for (int i = 0; i < ListView->Columns()->Count(); ++i)
        chars += int(ListView->Columns()->Items(i)->Caption().size());
    const int width = std::min(MaxWidth, 2 * ListView->BorderWidth() + PixelsPerCaptionChar * chars);
    SetBounds(Left(), Top(), width, DefaultHeight);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons)
{
    buttons->CountDisplay->Show();
    buttons->SamplesLabel->Show();
    buttons->btnRefresh->Show();
    buttons->btnEdit->Show();
    buttons->btnEdit->SetEnabled(false);
    buttons->btnClose->Show();
    buttons->btnDelete->SetEnabled(false);
    buttons->btnSetChecked->Hide();
    buttons->btnCheckAll->Hide();
    buttons->btnClearChecks->Hide();
    buttons->btnAdd->SetVisible(AddRow >= 0);
    buttons->btnDelete->SetVisible(DeleteRow >= 0);
    buttons->LayoutButtons();
}
