// Edit-row and list binding: value texts into and out of real controls of
// the toolkit layer (check-box bitmaps, single check boxes, combo boxes,
// edits, labels), handlers saved and put back, the list view's columns and
// rows, and a table window's read, select, write and refresh against snmpd.
#include "gui/QnSNMPRequest2Edits.h"
#include "mib/QnEditConstraint.h"
#include "mib/QnOptionList.h"
#include "support/UiTestHooks.h"
#include "test_request2controls_env.h"
#include "ui/Vcl.h"

#include <QTest>

using namespace guibind;

namespace {

const QnIntOption kEnableSource[] = {{1, "disabled"}, {2, "enabled"}, {0, nullptr}};
const QnOptionList kEnable(kEnableSource);
const QnIntOption kRowStatusSource[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const QnOptionList kRowStatus(kRowStatusSource);
const QnIntOption kColourSource[] = {{1, "red"}, {2, "green"}, {3, "blue"}, {0, nullptr}};
const QnOptionList kColour(kColourSource);

std::vector<TCheckBox*> MakeBoxes(QWidget* parent, int n)
{
    std::vector<TCheckBox*> boxes;
    for (int i = 0; i < n; ++i)
        boxes.push_back(new TCheckBox(parent));
    return boxes;
}

std::string Positions(int from, int to)
{
    std::string text;
    const int step = from <= to ? 1 : -1;
    for (int p = from;; p += step) {
        if (!text.empty())
            text += ",";
        text += std::to_string(p);
        if (p == to)
            break;
    }
    return text;
}

std::string Checked(const std::vector<TCheckBox*>& boxes)
{
    std::string s;
    for (TCheckBox* b : boxes)
        s += b->Checked() ? '1' : '0';
    return s;
}

// A request with one variable (not a table), for the offline cases.
struct OneVariable
{
    TPanel form;
    QnSNMPRequest2Edits req{&form};
    OneVariable(uint32_t syntax, uint32_t access = ACC_READWRITE, const QnOptionList* options = nullptr)
    {
        req.Variables.AddVariable("1.3.6.1.4.1.98762.1", "Value", syntax, access, options);
    }
    std::string& Value() { return req.Variables.Get(0).Value; }
};

} // namespace

// ---------------------------------------------------------------------------
// Check-box bitmaps

TEST(Request2EditsBitmap, PortListOver32Boxes)
{
    OneVariable v(SYN_BITSTR);
    auto boxes = MakeBoxes(&v.form, 32);
    v.req.BindCheckBoxList(0, Positions(0, 31), boxes);
    v.Value() = "80000001";
    v.req.FillControls(-1);
    EXPECT_EQ(Checked(boxes), "10000000000000000000000000000001");

    boxes[1]->SetChecked(true);
    v.req.CollectControls(-1);
    EXPECT_EQ(v.Value(), "C0000001");
    // Before a write every value starts empty: the boxes alone make it.
    v.req.CollectValues();
    EXPECT_EQ(v.Value(), "C0000001");
}

TEST(Request2EditsBitmap, ReversedListOf64Boxes)
{
    OneVariable v(SYN_BITSTR);
    auto boxes = MakeBoxes(&v.form, 64);
    v.req.BindCheckBoxList(0, Positions(63, 0), boxes);

    // The first box shows bit 63, the least significant bit of byte 8.
    v.Value() = "0000000000000001";
    v.req.FillControls(-1);
    EXPECT_EQ(Checked(boxes), "1" + std::string(63, '0'));
    v.Value() = "8000000000000000";
    v.req.FillControls(-1);
    EXPECT_EQ(Checked(boxes), std::string(63, '0') + "1");

    boxes[0]->SetChecked(true);
    boxes[8]->SetChecked(true); // position 55: bit 0x01 of byte 7
    v.req.CollectValues();
    EXPECT_EQ(v.Value(), "8000000000000101");

    // A 4-byte value fails at the first box (position 63 lies in byte 8)
    // before any box changes.
    v.Value() = "FFFFFFFF";
    EXPECT_EQ(CodeOf([&] { v.req.FillControls(-1); }), QNERR_PARTIAL_RANGE);
    EXPECT_EQ(Checked(boxes), "1" + std::string(7, '0') + "1" + std::string(54, '0') + "1");
}

TEST(Request2EditsBitmap, EightBoxGroupBindsTheFirstNBoxes)
{
    OneVariable v(SYN_OCTETSTR);
    auto boxes = MakeBoxes(&v.form, 8);
    v.req.BindCheckBoxes(0, "0,2,9", boxes[0], boxes[1], boxes[2], boxes[3], boxes[4], boxes[5], boxes[6],
                         boxes[7]);
    ASSERT_EQ(v.req.BindingCount(), 1);
    EXPECT_EQ(v.req.Binding(0).ControlCount, 3);
    v.Value() = "A040"; // bits 0 and 2 of byte 1, bit 1 of byte 2
    v.req.FillControls(-1);
    EXPECT_EQ(Checked(boxes), "11100000");
    boxes[1]->SetChecked(false);
    // The boxes make whole bytes (unbound bits of those bytes are cleared);
    // bytes beyond the last bound position keep their value.
    v.Value() = "FFFFFF";
    v.req.CollectControls(-1);
    EXPECT_EQ(v.Value(), "8040FF");

    // More positions than boxes.
    EXPECT_EQ(CodeOf([&] {
                  v.req.BindCheckBoxList(0, "0,1,2", {boxes[0], boxes[1]});
              }),
              QNERR_CONTROLS_NOT_ENOUGH);
}

// ---------------------------------------------------------------------------
// Single check boxes, combo boxes, edits, labels

TEST(Request2EditsControls, SingleCheckBoxOverTwoOptions)
{
    OneVariable v(SYN_INTEGER, ACC_READWRITE, &kEnable);
    auto* box = new TCheckBox(&v.form);
    v.req.BindControl(0, box);
    v.Value() = "enabled";
    v.req.FillControls(-1);
    EXPECT_TRUE(box->Checked());
    box->SetChecked(false);
    v.req.CollectValues();
    EXPECT_EQ(v.Value(), "disabled");
    box->SetChecked(true);
    v.req.CollectValues();
    EXPECT_EQ(v.Value(), "enabled");
    v.Value() = "1"; // the value itself is found as well
    v.req.FillControls(-1);
    EXPECT_FALSE(box->Checked());
}

TEST(Request2EditsControls, SingleCheckBoxWithoutOptionsNeedsABoolean)
{
    for (uint32_t syntax : {SYN_BOOLEAN, SYN_BOOL8, SYN_BOOL16}) {
        OneVariable v(syntax);
        auto* box = new TCheckBox(&v.form);
        v.req.BindControl(0, box);
        v.Value() = "true";
        v.req.FillControls(-1);
        EXPECT_TRUE(box->Checked()) << syntax;
        box->SetChecked(false);
        v.req.CollectValues();
        EXPECT_EQ(v.Value(), "false") << syntax;
    }
    OneVariable v(SYN_INTEGER);
    auto* box = new TCheckBox(&v.form);
    v.req.BindControl(0, box);
    v.Value() = "1";
    EXPECT_EQ(CodeOf([&] { v.req.FillControls(-1); }), QNERR_BAD_PARTIAL_SYNTAX);
    EXPECT_EQ(CodeOf([&] { v.req.CollectControls(-1); }), QNERR_BAD_PARTIAL_SYNTAX);
}

TEST(Request2EditsControls, ComboBoxesAndRadioGroupsShowOptionNames)
{
    OneVariable v(SYN_INTEGER, ACC_READWRITE, &kEnable);
    auto* combo = new TComboBox(&v.form);
    auto* group = new TRadioGroup(&v.form);
    auto* own = new TComboBox(&v.form);
    v.req.BindComboBox(0, combo);
    v.req.BindControl(0, group);
    EXPECT_EQ(combo->Style(), csDropDownList);
    EXPECT_EQ(combo->Items()->ToStringList(), QStringList({"disabled", "enabled"}));
    EXPECT_EQ(group->Items()->ToStringList(), QStringList({"disabled", "enabled"}));

    v.Value() = "enabled";
    v.req.FillControls(-1);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(group->ItemIndex(), 1);
    // A value that is not among the options leaves no item selected.
    v.Value() = "7";
    v.req.FillControls(-1);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(group->ItemIndex(), -1);

    // The later binding is applied last when values are collected.
    combo->SetItemIndex(1);
    group->SetItemIndex(0);
    v.req.CollectValues();
    EXPECT_EQ(v.Value(), "disabled");

    // Without an option list a combo box cannot be bound.
    OneVariable plain(SYN_INTEGER);
    EXPECT_EQ(CodeOf([&] { plain.req.BindComboBox(0, own); }), QNERR_NO_OPTION_LIST);
    EXPECT_EQ(CodeOf([&] { plain.req.BindControl(0, new TRadioGroup(&plain.form)); }), QNERR_NO_OPTION_LIST);
    // A binding's own list is used instead of the variable's.
    plain.req.BindComboBox(0, own, &kColour);
    plain.req.Variables.Get(0).Value = "3";
    plain.req.FillControls(-1);
    EXPECT_EQ(own->Text(), "blue");
    own->SetItemIndex(1);
    plain.req.CollectValues();
    EXPECT_EQ(plain.req.Variables.Get(0).Value, "2");
}

TEST(Request2EditsControls, EditTextIsNormalisedBySyntax)
{
    struct Case
    {
        uint32_t syntax;
        const char* old;
        const char* typed;
        const char* expected; // null: -518
    } cases[] = {
        {SYN_INTEGER, "5", "12ab", "12"},
        {SYN_OCTETSTR, "", "ABC", "0ABC"},
        {SYN_DISPLAYSTR, "a much longer old value", "new", "new"},
        {SYN_IPADDRESS, "", "10.1.2.3", "10.1.2.3"},
        {SYN_IPADDRESS, "", "10.1.1", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        OneVariable v(c.syntax);
        auto* edit = new TEdit(&v.form);
        v.req.BindEdit(0, "%s", edit);
        EXPECT_NE(v.req.Constraints()->Find(edit), nullptr);
        v.Value() = c.old;
        edit->SetText(QString::fromLatin1(c.typed));
        if (c.expected) {
            v.req.CollectControls(-1);
            EXPECT_EQ(v.Value(), c.expected);
        } else {
            EXPECT_EQ(CodeOf([&] { v.req.CollectControls(-1); }), QNERR_BAD_PARTIAL_VALUE);
        }
    }
}

TEST(Request2EditsControls, ReadOnlyExcludedAndUnboundVariables)
{
    TPanel form;
    QnSNMPRequest2Edits req(&form);
    req.Variables.AddVariable("1.3.6.1.4.1.98762.1", "Read only", SYN_DISPLAYSTR, ACC_READONLY);
    req.Variables.AddVariable("1.3.6.1.4.1.98762.2", "Excluded", SYN_DISPLAYSTR, ACC_READWRITE);
    req.Variables.AddVariable("1.3.6.1.4.1.98762.3", "Unbound", SYN_DISPLAYSTR, ACC_READWRITE);
    auto* ro = new TEdit(&form);
    auto* label = new TLabel(&form);
    auto* stat = new TStaticText(&form);
    req.BindEdit(0, "%s", ro);
    req.BindControl(0, label);
    req.BindControl(1, stat);
    req.Variables.Get(0).Value = "device";
    req.Variables.Get(1).Value = "shown";
    req.FillControls(-1);
    EXPECT_EQ(ro->Text(), "device");
    EXPECT_EQ(label->Caption(), "device");
    EXPECT_EQ(stat->Caption(), "shown");

    // Collecting a read-only variable changes nothing.
    ro->SetText("typed");
    req.Variables.Get(2).Value = "kept";
    req.CollectControls(-1);
    EXPECT_EQ(req.Variables.Get(0).Value, "device");
    EXPECT_EQ(req.Variables.Get(2).Value, "kept"); // no binding: keeps its value

    // An excluded variable is not shown.
    req.Variables.Get(1).Access |= ACC_INVALID;
    req.Variables.Get(1).Value = "hidden";
    req.FillControls(1);
    EXPECT_EQ(stat->Caption(), "shown");

    // A control the binding cannot show.
    req.BindControl(2, new TMemo(&form));
    EXPECT_EQ(CodeOf([&] { req.FillControls(2); }), QNERR_BAD_CONTROL_TYPE);
    EXPECT_EQ(CodeOf([&] { req.CollectControls(2); }), QNERR_BAD_CONTROL_TYPE);

    // Enabling reaches every bound control.
    req.EnableControls(false);
    EXPECT_FALSE(ro->Enabled());
    EXPECT_FALSE(stat->Enabled());
    req.EnableControls(true);
    EXPECT_TRUE(label->Enabled());
}

TEST(Request2EditsControls, OwnHandlersAreCalledAndPutBackByUnbind)
{
    OneVariable v(SYN_INTEGER, ACC_READWRITE, &kEnable);
    v.req.Variables.AddVariable("1.3.6.1.4.1.98762.2", "Text", SYN_DISPLAYSTR, ACC_READWRITE);
    auto* combo = new TComboBox(&v.form);
    auto* box = new TCheckBox(&v.form);
    auto* edit = new TEdit(&v.form);
    int comboCalls = 0, boxCalls = 0, editCalls = 0;
    const TNotifyEvent comboOwn([&](TObject*) { ++comboCalls; });
    const TNotifyEvent boxOwn([&](TObject*) { ++boxCalls; });
    const TNotifyEvent editOwn([&](TObject*) { ++editCalls; });
    combo->OnChange = comboOwn;
    box->OnClick = boxOwn;
    edit->OnChange = editOwn;

    v.req.BindComboBox(0, combo);
    v.req.BindControl(0, box);
    v.req.BindEdit(1, "%s", edit);
    EXPECT_FALSE(combo->OnChange.SameAs(comboOwn));
    EXPECT_FALSE(box->OnClick.SameAs(boxOwn));

    // A box checked by a read fires its click, which reaches the own handler.
    v.Value() = "enabled";
    v.req.FillControls(-1);
    EXPECT_EQ(boxCalls, 1);
    // A user's pick in the combo box reaches its own handler.
    v.form.show();
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Up);
    EXPECT_EQ(comboCalls, 1);
    EXPECT_EQ(combo->ItemIndex(), 0);
    edit->SetText("x");
    EXPECT_EQ(editCalls, 1);

    v.req.Unbind(0);
    v.req.Unbind(1);
    EXPECT_EQ(v.req.BindingCount(), 0);
    EXPECT_TRUE(combo->OnChange.SameAs(comboOwn));
    EXPECT_TRUE(box->OnClick.SameAs(boxOwn));
    EXPECT_TRUE(edit->OnChange.SameAs(editOwn));
    EXPECT_EQ(v.req.Constraints()->Find(edit), nullptr);
    v.req.FillControls(-1); // nothing bound any more
    EXPECT_EQ(boxCalls, 1);

    // The constraint messages follow the constraint owner.
    v.req.SetConstraintOwner(combo);
    EXPECT_EQ(v.req.Constraints()->Owner(), combo);
}

// ---------------------------------------------------------------------------
// List view

namespace {

// A table list: a key, a write-only column, a read-write and a read-only one.
void MakeTable(QnSNMPVarList& list)
{
    list.Clear();
    list.ListKind = MVT_FMV;
    list.IndexCount = 1;
    list.AddVariable("1.3.6.1.4.1.98762.5.1.1", "Port", SYN_INTEGER, ACC_NOTACCESS);
    list.AddVariable("1.3.6.1.4.1.98762.5.1.2", "Secret", SYN_DISPLAYSTR, ACC_WRITEONLY);
    list.AddVariable("1.3.6.1.4.1.98762.5.1.3", "State", SYN_INTEGER, ACC_READWRITE, &kEnable);
    list.AddVariable("1.3.6.1.4.1.98762.5.1.4", "Name", SYN_DISPLAYSTR, ACC_READONLY);
}

void AddRow(QnSNMPRequest2Edits& req, const char* port, const char* secret, const char* state,
            const char* name)
{
    req.Variables.Get(0).Value = port;
    req.Variables.Get(1).Value = secret;
    req.Variables.Get(2).Value = state;
    req.Variables.Get(3).Value = name;
    req.ValuesReceived();
}

} // namespace

TEST(Request2EditsList, ColumnsRowsAndSelection)
{
    TPanel form;
    auto* lv = new TListView(&form);
    int ownSelects = 0;
    lv->OnSelectItem = TLVSelectItemEvent([&](TObject*, TListItem*, bool) { ++ownSelects; });
    QnSNMPRequest2Edits req(&form);
    MakeTable(req.Variables);
    auto* edtPort = new TEdit(&form);
    auto* cbxState = new TComboBox(&form);
    req.BindEdit(0, "%i", edtPort);
    req.BindComboBox(2, cbxState);
    req.BindListView(lv, true);

    EXPECT_TRUE(lv->ReadOnly());
    EXPECT_TRUE(lv->RowSelect());
    EXPECT_TRUE(lv->GridLines());
    EXPECT_FALSE(lv->HideSelection());
    // The hidden (write-only) variable comes first, with width 0.
    ASSERT_EQ(lv->Columns()->Count(), 4);
    EXPECT_EQ(req.ColumnVariables(), (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(lv->Columns()->Items(0)->Caption(), "Secret");
    EXPECT_EQ(lv->Columns()->Items(0)->Width(), 0);
    EXPECT_EQ(lv->Columns()->Items(1)->Caption(), "Port");
    EXPECT_GT(lv->Columns()->Items(3)->Width(), 0);

    req.BeforeGet();
    AddRow(req, "1", "s1", "enabled", "uplink");
    AddRow(req, "2", "s2", "disabled", "server");
    req.AfterGet();
    ASSERT_EQ(lv->Items()->Count(), 2);
    EXPECT_EQ(lv->Items()->Item(1)->Caption(), "s2");
    EXPECT_EQ(lv->Items()->Item(1)->SubItems()->ToStringList(), QStringList({"2", "disabled", "server"}));
    // A fixed-rows table leaves the controls disabled until a row is chosen.
    EXPECT_FALSE(edtPort->Enabled());
    EXPECT_FALSE(cbxState->Enabled());

    lv->SetSelected(lv->Items()->Item(1));
    EXPECT_GE(ownSelects, 1);
    EXPECT_TRUE(edtPort->Enabled());
    EXPECT_EQ(edtPort->Text(), "2");
    EXPECT_EQ(cbxState->Text(), "disabled");
    EXPECT_EQ(req.Variables.Get(3).Value, "server");

    // A write takes the selected row and the controls; a variable excluded
    // for this write does not shift the columns of the row.
    cbxState->SetItemIndex(1);
    req.Variables.Get(1).Access |= ACC_INVALID;
    req.CollectValues();
    EXPECT_EQ(req.Variables.Get(0).Value, "2");
    EXPECT_EQ(req.Variables.Get(1).Value, "s2");
    EXPECT_EQ(req.Variables.Get(2).Value, "enabled");
    EXPECT_EQ(req.Variables.Get(3).Value, "server");
    req.Variables.Get(1).Access &= ~ACC_INVALID;

    // A new read removes the rows; the layout stays.
    req.BeforeGet();
    EXPECT_EQ(lv->Items()->Count(), 0);
    EXPECT_EQ(lv->Columns()->Count(), 4);
}

TEST(Request2EditsList, DestroyedBindingLeavesTheListViewAlone)
{
    TPanel form;
    auto* lv = new TListView(&form);
    int ownSelects = 0;
    const TLVSelectItemEvent own([&](TObject*, TListItem*, bool) { ++ownSelects; });
    lv->OnSelectItem = own;
    auto* box = new TCheckBox(&form);
    {
        QnSNMPRequest2Edits req(&form);
        MakeTable(req.Variables);
        req.BindControl(2, box);
        req.BindListView(lv);
        req.BeforeGet();
        AddRow(req, "1", "", "enabled", "a");
    }
    EXPECT_TRUE(lv->OnSelectItem.SameAs(own));
    lv->SetSelected(lv->Items()->Item(0));
    box->SetChecked(!box->Checked()); // the control's handler holds nothing of the binding
    EXPECT_GE(ownSelects, 1);
}

// An error raised while a reply is shown goes to the status line.
TEST(Request2EditsList, ErrorWhileShowingAReplyIsReported)
{
    TPanel form;
    auto* memo = new TMemo(&form);
    QnSNMPRequest2Edits req(&form);
    req.Variables.AddVariable("1.3.6.1.4.1.98762.1", "Ports", SYN_BITSTR, ACC_READWRITE);
    auto boxes = MakeBoxes(&form, 64);
    req.BindCheckBoxList(0, Positions(63, 0), boxes);
    req.SetStatusTarget(memo);
    int notified = 0;
    req.OnReadDone = QnRequestNotify([&](QnSNMPRequest2Controls*, QnSNMPError* e) {
        ++notified;
        EXPECT_EQ(e->Code, QNERR_PARTIAL_RANGE);
    });
    req.Variables.Get(0).Value = "00000001";
    req.Busy = 1;
    QnSNMPError reply;
    QnSNMPRequest2Controls::ReadReply(&req, &reply, &req.Variables);
    EXPECT_EQ(req.Busy, 0);
    EXPECT_EQ(notified, 1);
    ASSERT_EQ(memo->Lines()->Count(), 1);
    EXPECT_TRUE(memo->Lines()->Strings(0).contains(QString::fromStdString(ErrorText(QNERR_PARTIAL_RANGE))));
}

// ---------------------------------------------------------------------------
// A table window against snmpd: read, select, add with refresh, delete.

using Request2EditsAgent = LibraryTest;

TEST_F(Request2EditsAgent, TableWindowReadsSelectsAndRefreshesAfterWrites)
{
    TPanel form;
    auto* lv = new TListView(&form);
    auto* memo = new TMemo(&form);
    auto* edtModel = new TEdit(&form);
    auto* edtName = new TEdit(&form);
    auto* edtGroup = new TEdit(&form);
    auto* cbxStatus = new TComboBox(&form);
    QnSNMPRequest2Edits req(&form);
    MakeSecToGroupList(req.Variables, &kRowStatus);
    req.Variables.Title = "Groups";
    req.BindEdit(0, "%i", edtModel);
    req.BindEdit(1, "%s", edtName);
    req.BindEdit(2, "%s", edtGroup);
    req.BindComboBox(3, cbxStatus);
    req.BindListView(lv);
    req.SetStatusTarget(memo);

    auto rowOf = [&](const QString& name) -> TListItem* {
        for (int i = 0; i < lv->Items()->Count(); ++i)
            if (lv->Items()->Item(i)->SubItems()->Strings(0) == name)
                return lv->Items()->Item(i);
        return nullptr;
    };

    req.Get();
    ASSERT_TRUE(PumpUntil([&] { return req.Busy == 0; }, 5000));
    ASSERT_GT(lv->Items()->Count(), 0) << memo->toPlainText().toStdString();
    EXPECT_EQ(lv->Items()->Count(), req.RowCount);
    EXPECT_EQ(lv->Columns()->Items(1)->Caption(), "Security Name");
    EXPECT_TRUE(edtName->Enabled()); // a table with row creation stays editable

    // Selecting a row shows it in the controls.
    TListItem* first = lv->Items()->Item(0);
    lv->SetSelected(first);
    EXPECT_EQ(edtName->Text(), first->SubItems()->Strings(0));
    EXPECT_EQ(cbxStatus->Text(), "active");

    // Add: no row selected, the controls make the row; the table is read again.
    lv->SetSelected(nullptr);
    edtModel->SetText("2");
    edtName->SetText("gbwindow");
    edtGroup->SetText("gbgroup");
    cbxStatus->SetItemIndex(1); // createAndGo
    memo->Clear();
    req.Set(true, true);
    ASSERT_TRUE(PumpUntil([&] { return req.Busy == 0; }, 5000));
    ASSERT_EQ(memo->Lines()->Count(), 2) << memo->toPlainText().toStdString();
    EXPECT_TRUE(memo->Lines()->Strings(0).startsWith("Set: (DoDUDE++) Ok! Request:Groups."));
    EXPECT_TRUE(memo->Lines()->Strings(1).startsWith("Get: (DoDUDE++) Ok! Request:Groups."));
    TListItem* added = rowOf("gbwindow");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Caption(), "2");
    EXPECT_EQ(added->SubItems()->Strings(1), "gbgroup");
    EXPECT_EQ(added->SubItems()->Strings(2), "active");

    // Delete: the selected row's keys address it; only the status is sent.
    lv->SetSelected(added);
    cbxStatus->SetItemIndex(2); // destroy
    req.Mode = REQ_MODE_SYNC;
    req.Set(true, true, "3");
    EXPECT_EQ(req.Busy, 0);
    EXPECT_EQ(rowOf("gbwindow"), nullptr);
    EXPECT_GT(lv->Items()->Count(), 0);
}
