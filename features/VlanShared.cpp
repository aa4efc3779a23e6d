#include "features/VlanShared.h"

#include "gui/QnSNMPRequest2Controls.h"
#include "panel/Portunitformunit.h"
#include "ui/TApplication.h"
#include "ui/TLabel.h"
#include "ui/TListView.h"

const std::string& VlanPortBits()
{
    static const std::string bits = [] {
        std::string s;
        for (int b = 63; b >= 0; --b) {
            s += std::to_string(b);
            if (b)
                s += ",";
        }
        return s;
    }();
    return bits;
}

TPortUitForm* CreateVlanPortPanel(QWidget* parent)
{
    auto* panel = new TPortUitForm(parent);
    panel->SetParent(parent);
    panel->SetAlign(alClient);
    panel->AddUnit("Unit1", 1, TPortUitForm::BoxesPerUnit, 12);
    panel->ShowUnit("1", "VN-2400", 1, TPortUitForm::ModelPortCount("VN-2400"), 12);
    panel->Show();
    return panel;
}

void StopAndWait(QnSNMPRequest2Controls* request)
{
    if (!request)
        return;
    request->Enabled = false;
    while (request->Busy)
        ProcessMessages();
}

void ShowSampleCount(TStaticText* text, TListView* list)
{
    if (text && list)
        text->SetCaption(QString("Samples: %1").arg(list->Items()->Count()));
}
