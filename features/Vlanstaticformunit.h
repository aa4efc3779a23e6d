// "VLAN Static Form": the switch's static VLANs, each with its name and three
// port sets, added, changed and deleted through the row status.
#pragma once

#include "ui/TButton.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TForm.h"
#include "ui/TLabel.h"
#include "ui/TListView.h"
#include "ui/TPageControl.h"

#include <string>

class QnSNMPRequest2Edits;
class TPortUitForm;

class TVlanStaticForm : public TForm
{
    Q_OBJECT
public:
    explicit TVlanStaticForm(QWidget* owner = nullptr);
    ~TVlanStaticForm() override;

    TListView* LV_dot1qVlanStaticEntry;
    TEdit* ED_VLANID;
    TEdit* ED_VLANName;
    TComboBox* Status;
    TStaticText* NextFreeLocalVlanIndex;
    TStaticText* ST_Count2;
    TPageControl* PageControl1;
    TMemo* Memo1;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TButton* AddBtn;
    TButton* DeleteBtn;
    // Egress, forbidden egress and untagged ports.
    TPortUitForm* PortPanels[3] = {nullptr, nullptr, nullptr};

    QnSNMPRequest2Edits* TableRequest() const { return table_; }
    QnSNMPRequest2Edits* ScalarRequest() const { return scalar_; }

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void RefreshBtnClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void AddBtnClick(TObject* sender);
    void DeleteBtnClick(TObject* sender);
    void LV_dot1qVlanStaticEntryClick(TObject* sender);
    void LV_dot1qVlanStaticEntryChange(TObject* sender, TListItem* item, TItemChange change);

    void ClearEntry();

private:
    void SetButtons(bool selected);
    void WriteRow();
    void Release();

    QnSNMPRequest2Edits* table_ = nullptr;
    QnSNMPRequest2Edits* scalar_ = nullptr;
};

// Creates the window with the device's address in its caption, shows it
// modally and destroys it.
void ShowVlanStaticForm(const std::string& captionAddress);
