#include "features/GeneratedWindow.h"

#include "gui/Guiconfigform.h"
#include "gui/QnSNMPRequest2Edits.h"
#include "gui/TCtrlBtnPanel.h"
#include "gui/TListViewPanel.h"
#include "gui/TSNMPPanel.h"
#include "mib/QnSNMPVarList.h"

#include <memory>

TSNMPEditorPanel* BuildGeneratedWindow(TConfigForm& form, const CatalogueEntry& entry,
                                       const std::string& address)
{
    form.SetCaption(QString::fromStdString(WindowCaption(entry, address)));
    auto* request = new QnSNMPRequest2Edits(&form);
    {
        QnSNMPVarList list(entry.Vars, entry.ListKind, entry.IndexCount);
        request->Variables.Assign(list);
    }
    TSNMPEditorPanel* panel = nullptr;
    TSNMPListViewPanel* listPanel = nullptr;
    if (entry.Setup == PanelSetup::Scalars) {
        panel = form.SetupScalars(request);
    } else if (entry.RowStatus >= 0) {
        listPanel =
            form.SetupTable(request, entry.RowStatus, RowCreateValue, entry.RowStatus, RowDeleteValue);
        panel = listPanel;
    } else {
        listPanel = form.SetupTable(request);
        panel = listPanel;
    }
    for (const CatalogueFormat* f = entry.Formats; f->Format; ++f)
        panel->SetFormat(f->Position, f->Format);
    if (entry.EditWidth > 0)
        panel->SetEditWidth(entry.EditWidth);
    if (entry.Height > 0)
        form.SetHeight(entry.Height);
    if (entry.NoEditButton && listPanel) {
        listPanel->CtrlBtnPanel->btnEdit->SetVisible(false);
        listPanel->ListPanel->ListView->OnDblClick = nullptr;
        listPanel->CtrlBtnPanel->LayoutButtons();
    }
    return panel;
}

int OpenGeneratedWindow(const CatalogueEntry& entry, const std::string& address)
{
    std::unique_ptr<TConfigForm> form(new TConfigForm(nullptr));
    BuildGeneratedWindow(*form, entry, address);
    return form->ShowModal();
}
