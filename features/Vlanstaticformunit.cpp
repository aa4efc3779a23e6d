#include "features/Vlanstaticformunit.h"

#include "features/VlanShared.h"
#include "gui/QnSNMPRequest2Edits.h"
#include "mib/QnException.h"
#include "mib/QnOptionList.h"
#include "mib/QnSNMPVarDesc.h"
#include "mib/QnSNMPVarList.h"
#include "panel/Portunitformunit.h"

#include <memory>

namespace {

constexpr QnSNMPVarDesc Var(const char* oid, const char* label, uint32_t syntax, uint32_t access,
                            const QnOptionList* options = nullptr)
{
    return {oid, label, syntax, access, options, nullptr, nullptr, nullptr, nullptr, nullptr};
}

const QnIntOption RowStatusSrc[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const QnOptionList RowStatusOptions(RowStatusSrc);

const QnSNMPVarDesc StaticTable[] = {
    Var("1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", SYN_GAUGE, ACC_NOTACCESS),
    Var("1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", SYN_DISPLAYSTR, ACC_READWRITE),
    Var("1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", SYN_BITSTR, ACC_READWRITE),
    Var("1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", SYN_BITSTR, ACC_READWRITE),
    Var("1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", SYN_BITSTR, ACC_READWRITE),
    Var("1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", SYN_INTEGER, ACC_READWRITE, &RowStatusOptions),
    QnSNMPVarDesc{},
};

const QnSNMPVarDesc NextFreeScalar[] = {
    Var("1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", SYN_INTEGER, ACC_READONLY),
    QnSNMPVarDesc{},
};

const char* const PageCaptions[3] = {"Egress Ports", "Forbidden Egress Ports", "Untagged Ports"};

template <typename T>
T* Place(QWidget* parent, int l, int t, int w, int h)
{
    auto* c = new T(parent);
    c->SetBounds(l, t, w, h);
    return c;
}

// Starts a read; a failure raised while starting is reported on the status output.
void StartRead(QnSNMPRequest2Edits* r)
{
    try {
        r->Get();
    } catch (const QnException& e) {
        r->ShowStatus(e.what());
    }
}

} // namespace

TVlanStaticForm::TVlanStaticForm(QWidget* owner) : TForm(owner)
{
    SetCaption("VLAN Static Form");
    SetBounds(0, 0, 640, 560);
    LV_dot1qVlanStaticEntry = Place<TListView>(this, 8, 8, 624, 170);
    ST_Count2 = Place<TStaticText>(this, 8, 182, 200, 18);
    NextFreeLocalVlanIndex = Place<TStaticText>(this, 400, 182, 232, 18);
    auto* l1 = Place<TLabel>(this, 8, 208, 60, 20);
    l1->SetCaption("VLAN ID");
    ED_VLANID = Place<TEdit>(this, 70, 206, 80, 22);
    auto* l2 = Place<TLabel>(this, 160, 208, 40, 20);
    l2->SetCaption("Name");
    ED_VLANName = Place<TEdit>(this, 204, 206, 160, 22);
    auto* l3 = Place<TLabel>(this, 374, 208, 40, 20);
    l3->SetCaption("Status");
    Status = Place<TComboBox>(this, 418, 206, 130, 22);
    PageControl1 = Place<TPageControl>(this, 8, 236, 624, 150);
    Memo1 = Place<TMemo>(this, 8, 392, 624, 120);
    Memo1->SetReadOnly(true);
    RefreshBtn = Place<TButton>(this, 8, 520, 90, 28);
    RefreshBtn->SetCaption("Refresh");
    SetBtn = Place<TButton>(this, 106, 520, 90, 28);
    SetBtn->SetCaption("Set");
    AddBtn = Place<TButton>(this, 204, 520, 90, 28);
    AddBtn->SetCaption("Add");
    DeleteBtn = Place<TButton>(this, 302, 520, 90, 28);
    DeleteBtn->SetCaption("Delete");

    RefreshBtn->OnClick = TNotifyEvent(this, &TVlanStaticForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TVlanStaticForm::SetBtnClick);
    AddBtn->OnClick = TNotifyEvent(this, &TVlanStaticForm::AddBtnClick);
    DeleteBtn->OnClick = TNotifyEvent(this, &TVlanStaticForm::DeleteBtnClick);
    LV_dot1qVlanStaticEntry->OnClick = TNotifyEvent(this, &TVlanStaticForm::LV_dot1qVlanStaticEntryClick);
    LV_dot1qVlanStaticEntry->OnChange = TLVChangeEvent(this, &TVlanStaticForm::LV_dot1qVlanStaticEntryChange);
    OnClose = TCloseEvent(this, &TVlanStaticForm::FormClose);
    FormCreate(this);
}

TVlanStaticForm::~TVlanStaticForm()
{
    Release();
}

void TVlanStaticForm::FormCreate(TObject*)
{
    for (int i = 0; i < 3; ++i) {
        auto* page = new TTabSheet(PageControl1);
        page->SetCaption(PageCaptions[i]);
        PortPanels[i] = CreateVlanPortPanel(page);
    }

    table_ = new QnSNMPRequest2Edits(this);
    {
        QnSNMPVarList list(StaticTable, MVT_UMV, 1);
        table_->Variables.Assign(list);
    }
    table_->BindListView(LV_dot1qVlanStaticEntry);
    table_->BindEdit(0, "%s", ED_VLANID);
    table_->BindEdit(1, "%s", ED_VLANName);
    for (int i = 0; i < 3; ++i)
        table_->BindCheckBoxList(2 + i, VlanPortBits(), PortPanels[i]->PortCheckBoxes());
    table_->BindComboBox(5, Status);
    table_->SetStatusTarget(Memo1);
    StartRead(table_);
    ShowSampleCount(ST_Count2, LV_dot1qVlanStaticEntry);

    scalar_ = new QnSNMPRequest2Edits(this);
    {
        QnSNMPVarList list(NextFreeScalar, SVT_SV, 0);
        scalar_->Variables.Assign(list);
    }
    scalar_->BindControl(0, NextFreeLocalVlanIndex);
    scalar_->SetStatusTarget(Memo1);
    StartRead(scalar_);
    SetButtons(false);
}

void TVlanStaticForm::SetButtons(bool selected)
{
    SetBtn->SetEnabled(selected);
    DeleteBtn->SetEnabled(selected);
    AddBtn->SetEnabled(!selected);
}

void TVlanStaticForm::ClearEntry()
{
    for (auto* p : PortPanels)
        if (p)
            p->ClearChecks();
    ED_VLANID->SetText(QString());
    ED_VLANName->SetText(QString());
    Status->SetItemIndex(-1);
    Status->SetText(QString());
}

void TVlanStaticForm::RefreshBtnClick(TObject*)
{
    StartRead(scalar_);
    StartRead(table_);
    ShowSampleCount(ST_Count2, LV_dot1qVlanStaticEntry);
    ClearEntry();
    SetButtons(false);
}

// Writes the row named by ED_VLANID with every writable column, then reads
// the table again once the write has completed.
void TVlanStaticForm::WriteRow()
{
    try {
        table_->Set(true, true, ED_VLANID->text().toStdString());
    } catch (const QnException& e) {
        table_->ShowStatus(e.what());
    }
    ClearEntry();
}

void TVlanStaticForm::SetBtnClick(TObject*)
{
    WriteRow();
    SetButtons(false);
}

void TVlanStaticForm::AddBtnClick(TObject*)
{
    Status->SetText("createAndGo");
    WriteRow();
}

void TVlanStaticForm::DeleteBtnClick(TObject*)
{
    Status->SetText("destroy");
    WriteRow();
    SetButtons(false);
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryClick(TObject*)
{
    if (LV_dot1qVlanStaticEntry->Selected()) {
        SetButtons(true);
    } else {
        ClearEntry();
        SetButtons(false);
    }
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryChange(TObject*, TListItem*, TItemChange)
{
    ShowSampleCount(ST_Count2, LV_dot1qVlanStaticEntry);
    if (LV_dot1qVlanStaticEntry->Selected())
        SetButtons(true);
}

void TVlanStaticForm::Release()
{
    for (auto*& p : PortPanels) {
        delete p;
        p = nullptr;
    }
    for (auto** r : {&table_, &scalar_}) {
        StopAndWait(*r);
        delete *r;
        *r = nullptr;
    }
}

void TVlanStaticForm::FormClose(TObject*, TCloseAction&)
{
    Release();
}

void ShowVlanStaticForm(const std::string& captionAddress)
{
    std::unique_ptr<TVlanStaticForm> form(new TVlanStaticForm(nullptr));
    if (!captionAddress.empty())
        form->SetCaption(QString::fromStdString("VLAN Static Form " + captionAddress));
    form->ShowModal();
}
