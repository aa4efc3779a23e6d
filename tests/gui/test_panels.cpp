// The generated panels: the button column, the edit rows and the list panel
// (layout rules, button arrangement, pictures), and the scalar and table
// panels' own behaviour (checking rows, refused writes, formats, hints).
#include "test_panels_env.h"

#include "gui/Guiconfigform.h"
#include "gui/TCtrlBtnPanel.h"
#include "gui/TEditsPanel.h"
#include "gui/TListViewPanel.h"
#include "gui/TSNMPPanel.h"
#include "mib/QnEditConstraint.h"
#include "support/UiTestHooks.h"
#include "ui/TApplication.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace guipanels;

namespace {

// The visible controls of the button column in layout order.
std::vector<TControl*> VisibleButtons(const TCtrlBtnPanel& p)
{
    std::vector<TControl*> v;
    for (TControl* c : p.LayoutList())
        if (c->Visible())
            v.push_back(c);
    return v;
}

void ExpectColumnLayout(const TCtrlBtnPanel& p)
{
    int top = 10;
    for (TControl* c : p.LayoutList()) {
        EXPECT_EQ(c->Left(), 10);
        EXPECT_EQ(c->Width(), 96);
        EXPECT_EQ(c->Top(), top);
        if (c->Visible())
            top = c->Top() + c->Height() + 5;
    }
}

// Working folder changed for the lifetime of the object.
class InFolder
{
public:
    explicit InFolder(const QString& path) : old_(QDir::currentPath()) { QDir::setCurrent(path); }
    ~InFolder() { QDir::setCurrent(old_); }

private:
    QString old_;
};

} // namespace

TEST(CtrlBtnPanel, ColumnLayoutAndWidth)
{
    TPanel owner;
    owner.resize(300, 500);
    auto* p = new TCtrlBtnPanel(&owner);
    EXPECT_EQ(p->Align(), alRight);
    EXPECT_EQ(p->Width(), 116);
    EXPECT_EQ(p->CountDisplay->Caption(), "0");
    EXPECT_EQ(p->SamplesLabel->Caption(), "Samples");
    EXPECT_FALSE(p->btnAdd->Visible());
    EXPECT_FALSE(p->btnDelete->Visible());
    const QStringList captions = {"Refresh", "Edit",      "Set Checked",  "Add",
                                  "Delete",  "Check All", "Clear Checks", "Close"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(static_cast<TBitBtn*>(p->LayoutList()[size_t(i) + 2])->Caption(), captions[i]);
    ExpectColumnLayout(*p);
    // A hidden control keeps the current position and does not advance it.
    EXPECT_EQ(p->btnAdd->Top(), p->btnSetChecked->Top() + p->btnSetChecked->Height() + 5);
    EXPECT_EQ(p->btnAdd->Top(), p->btnCheckAll->Top());
    p->btnEdit->Hide();
    p->btnAdd->Show();
    p->LayoutButtons();
    ExpectColumnLayout(*p);
    EXPECT_EQ(p->btnSetChecked->Top(), p->btnRefresh->Top() + p->btnRefresh->Height() + 5);
    const std::vector<TControl*> shown = VisibleButtons(*p);
    EXPECT_EQ(p->NeededHeight(), shown.back()->Top() + shown.back()->Height() + 10);
    for (TControl* c : shown) {
        if (dynamic_cast<TBitBtn*>(c)) {
            EXPECT_GE(c->Height(), TCtrlBtnPanel::MinButtonHeight);
        }
    }
}

TEST(CtrlBtnPanel, PicturesFromTheWorkingFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(dir.filePath("Get.bmp"), "BMP"));
    ASSERT_TRUE(picture.save(dir.filePath("SetCheck.bmp"), "BMP"));
    ASSERT_TRUE(picture.save(dir.filePath("Close.bmp"), "BMP"));
    {
        InFolder in(dir.path());
        TPanel owner;
        auto* p = new TCtrlBtnPanel(&owner);
        EXPECT_TRUE(p->btnRefresh->HasGlyph());
        EXPECT_TRUE(p->btnRefresh->Caption().isEmpty());
        EXPECT_TRUE(p->btnSetChecked->HasGlyph());
        EXPECT_TRUE(p->btnClose->Caption().isEmpty());
        EXPECT_FALSE(p->btnEdit->HasGlyph());
        EXPECT_EQ(p->btnEdit->Caption(), "Edit");
    }
    // A picture that cannot be loaded stops the loading there.
    QFile bad(dir.filePath("Add.bmp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a picture");
    bad.close();
    InFolder in(dir.path());
    TPanel owner;
    auto* p = new TCtrlBtnPanel(&owner);
    EXPECT_TRUE(p->btnSetChecked->HasGlyph());
    EXPECT_EQ(p->btnAdd->Caption(), "Add");
    EXPECT_FALSE(p->btnClose->HasGlyph());
    EXPECT_EQ(p->btnClose->Caption(), "Close");
}

TEST(EditsPanel, RowKindsLookAndLayout)
{
    TForm form;
    QnSNMPRequest2Edits req(&form);
    QnSNMPVarList& l = req.Variables;
    l.ListKind = SVT_SV;
    l.AddVariable("1.3.6.1.4.1.98762.1", "Up time", SYN_TIMETICKS, ACC_READONLY);
    l.AddVariable("1.3.6.1.4.1.98762.2", "A much longer label", SYN_DISPLAYSTR, ACC_READWRITE);
    l.AddVariable("1.3.6.1.4.1.98762.3", "Mode", SYN_INTEGER, ACC_READWRITE, &YesNoOptions());
    l.AddVariable("1.3.6.1.4.1.98762.4", "State", SYN_INTEGER, ACC_READONLY, &YesNoOptions());
    auto* p = new TEditsPanel(&form, &req);
    ASSERT_EQ(p->RowCount(), 4);
    ASSERT_EQ(p->Rows.size(), 5u);
    EXPECT_EQ(p->Rows[4].Kind, ROW_END);
    EXPECT_EQ(p->Rows[0].Kind, ROW_READONLY_EDIT);
    EXPECT_EQ(p->Rows[1].Kind, ROW_EDIT);
    EXPECT_EQ(p->Rows[2].Kind, ROW_COMBO);
    EXPECT_EQ(p->Rows[3].Kind, ROW_READONLY_NAME);
    EXPECT_EQ(p->Rows[2].Combo()->Style(), csDropDownList);
    EXPECT_EQ(p->Rows[2].Combo()->Items()->Count(), 2);
    EXPECT_EQ(req.BindingCount(), 4);

    // Look: read-only rows have no box and read-only colours.
    EXPECT_FALSE(p->Rows[0].CheckBox->Visible());
    EXPECT_FALSE(p->Rows[0].CheckBox->Enabled());
    EXPECT_TRUE(p->Rows[0].Edit()->ReadOnly());
    EXPECT_FALSE(p->Rows[0].Edit()->TabStop());
    EXPECT_EQ(p->Rows[0].Control->Color(), clBtnFace);
    EXPECT_TRUE(p->Rows[1].CheckBox->Visible());
    EXPECT_FALSE(p->Rows[1].CheckBox->Checked());
    EXPECT_FALSE(p->Rows[1].CheckBox->TabStop());
    EXPECT_EQ(p->Rows[1].CheckBox->Tag(), 1);
    EXPECT_FALSE(p->Rows[1].Edit()->ReadOnly());
    EXPECT_EQ(p->Rows[1].Control->Color(), clWhite);
    EXPECT_TRUE(p->Rows[2].Combo()->Enabled());

    // Layout: value controls line up 5 right of the longest label.
    const int longest = p->Rows[1].Label->Width();
    int previousBottom = -1;
    int right = 0, bottom = 0;
    for (int i = 0; i < 4; ++i) {
        const TEditRow& r = p->Rows[size_t(i)];
        EXPECT_LE(r.Label->Width(), longest);
        EXPECT_EQ(r.CheckBox->Left(), 20);
        EXPECT_EQ(r.Label->Left(), 45);
        EXPECT_EQ(r.Control->Left(), 45 + longest + 5);
        EXPECT_EQ(r.Control->Width(), 121);
        EXPECT_GE(r.Control->Height(), 20);
        EXPECT_EQ(r.Control->Top(), i == 0 ? 20 : previousBottom + 5);
        EXPECT_EQ(r.Label->Top(), r.Control->Top() + (r.Control->Height() - r.Label->Height()) / 2);
        previousBottom = r.Control->Top() + r.Control->Height();
        right = std::max(right, r.Control->Left() + r.Control->Width());
        bottom = std::max(bottom, previousBottom);
    }
    EXPECT_EQ(p->Width(), right + 40);
    EXPECT_EQ(p->Height(), bottom + 40);

    // A hidden row is skipped and flagged; showing it again clears the flag.
    p->HideRow(1);
    EXPECT_TRUE(l.Get(1).Access & ACC_HIDDEN);
    p->LayoutRows();
    EXPECT_EQ(p->Rows[2].Control->Top(), p->Rows[0].Control->Top() + p->Rows[0].Control->Height() + 5);
    p->ShowRow(1);
    EXPECT_FALSE(l.Get(1).Access & ACC_HIDDEN);

    // ClearRows empties edits, combo selections and values.
    l.Get(1).Value = "x";
    l.Get(2).Value = "yes";
    req.FillControls();
    EXPECT_EQ(p->Rows[2].Combo()->ItemIndex(), 0);
    p->ClearRows();
    EXPECT_TRUE(p->Rows[1].Edit()->Text().isEmpty());
    EXPECT_EQ(p->Rows[2].Combo()->ItemIndex(), -1);
    EXPECT_TRUE(l.Get(2).Value.empty());
}

TEST(EditsPanel, ArrangeButtonsForRows)
{
    struct Case
    {
        std::vector<uint32_t> access;
        bool setShown, checkAllShown;
        QString setCaption;
        int visibleBoxes;
    };
    const Case cases[] = {
        // one writable row: "Set", enabled, its box checked and hidden
        {{ACC_READONLY, ACC_READWRITE, ACC_READONLY}, true, false, "Set", 0},
        // all read-only: no writing buttons at all
        {{ACC_READONLY, ACC_READONLY}, false, false, "Set Checked", 0},
        // two writable rows: boxes stay, "Set Checked" disabled
        {{ACC_READONLY, ACC_READWRITE, ACC_READWRITE}, true, true, "Set Checked", 2},
    };
    for (const Case& c : cases) {
        TForm form;
        QnSNMPRequest2Edits req(&form);
        for (size_t i = 0; i < c.access.size(); ++i)
            req.Variables.AddVariable("1.3.6.1.4.1.98762." + std::to_string(i + 1), "Row", SYN_DISPLAYSTR,
                                      c.access[i]);
        auto* buttons = new TCtrlBtnPanel(&form);
        buttons->btnSetChecked->SetEnabled(false);
        auto* p = new TEditsPanel(&form, &req);
        p->ArrangeCtrlBtn(buttons);
        EXPECT_EQ(buttons->btnSetChecked->Visible(), c.setShown);
        EXPECT_EQ(buttons->btnCheckAll->Visible(), c.checkAllShown);
        EXPECT_EQ(buttons->btnClearChecks->Visible(), c.checkAllShown);
        EXPECT_EQ(buttons->btnSetChecked->Caption(), c.setCaption);
        EXPECT_TRUE(buttons->btnRefresh->Visible());
        EXPECT_TRUE(buttons->btnClose->Visible());
        EXPECT_FALSE(buttons->CountDisplay->Visible());
        EXPECT_FALSE(buttons->btnEdit->Visible());
        int visible = 0;
        for (int i = 0; i < p->RowCount(); ++i)
            visible += p->Rows[size_t(i)].CheckBox->Visible();
        EXPECT_EQ(visible, c.visibleBoxes);
        if (c.setCaption == "Set") {
            EXPECT_TRUE(buttons->btnSetChecked->Enabled());
            EXPECT_TRUE(p->Rows[1].CheckBox->Checked());
        }
        if (c.visibleBoxes == 2) {
            EXPECT_FALSE(buttons->btnSetChecked->Enabled());
            p->Rows[2].CheckBox->SetChecked(true);
            EXPECT_TRUE(buttons->btnSetChecked->Enabled());
            p->Rows[2].CheckBox->SetChecked(false);
            EXPECT_FALSE(buttons->btnSetChecked->Enabled());
        }
    }
    TForm form;
    QnSNMPRequest2Edits req(&form);
    auto* p = new TEditsPanel(&form, &req);
    p->DetachRequest();
    TCtrlBtnPanel buttons(nullptr);
    EXPECT_EQ(ErrorOf([&] { p->ArrangeCtrlBtn(&buttons); }),
              "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
}

TEST(ListViewPanel, WidthFromCaptionsAndButtons)
{
    TForm form;
    QnSNMPRequest2Edits req(&form);
    req.Variables.ListKind = MVT_FMV;
    req.Variables.IndexCount = 1;
    req.Variables.AddVariable("1.3.6.1.4.1.98762.1.1", "Port", SYN_INTEGER, ACC_READONLY);      // 4
    req.Variables.AddVariable("1.3.6.1.4.1.98762.1.2", "Address", SYN_IPADDRESS, ACC_READONLY); // 7
    req.Variables.AddVariable("1.3.6.1.4.1.98762.1.3", "Link Up", SYN_INTEGER, ACC_READWRITE);  // 7
    req.Variables.AddVariable("1.3.6.1.4.1.98762.1.4", "A", SYN_INTEGER, ACC_READWRITE);        // 1
    auto* p = new TListViewPanel(&form, &req);
    EXPECT_EQ(p->ListView->Columns()->Count(), 4);
    EXPECT_EQ(p->Width(), 8 * 19 + 2 * p->ListView->BorderWidth());
    EXPECT_EQ(p->Height(), 350);
    EXPECT_EQ(p->AddRow, -1);
    EXPECT_EQ(p->DeleteRow, -1);
    EXPECT_EQ(req.ListView(), p->ListView);
    EXPECT_FALSE(req.EnableOnSelect);

    auto* buttons = new TCtrlBtnPanel(&form);
    p->ArrangeCtrlBtn(buttons);
    EXPECT_TRUE(buttons->CountDisplay->Visible());
    EXPECT_TRUE(buttons->SamplesLabel->Visible());
    EXPECT_TRUE(buttons->btnEdit->Visible());
    EXPECT_FALSE(buttons->btnEdit->Enabled());
    EXPECT_FALSE(buttons->btnSetChecked->Visible());
    EXPECT_FALSE(buttons->btnCheckAll->Visible());
    EXPECT_FALSE(buttons->btnAdd->Visible());
    EXPECT_FALSE(buttons->btnDelete->Visible());
    p->AddRow = 2;
    p->DeleteRow = 2;
    p->ArrangeCtrlBtn(buttons);
    EXPECT_TRUE(buttons->btnAdd->Visible());
    EXPECT_TRUE(buttons->btnDelete->Visible());
    EXPECT_FALSE(buttons->btnDelete->Enabled());

    QnSNMPRequest2Edits wide(&form);
    wide.Variables.ListKind = MVT_FMV;
    for (int i = 0; i < 6; ++i)
        wide.Variables.AddVariable("1.3.6.1.4.1.98762.2." + std::to_string(i + 1),
                                   "A rather long column caption", SYN_INTEGER, ACC_READONLY);
    auto* w = new TListViewPanel(&form, &wide);
    EXPECT_EQ(w->Width(), 450);
}

TEST(SNMPPanels, FormatsAndHints)
{
    TConfigForm form;
    form.SetCaption("Ports");
    auto* req = new QnSNMPRequest2Edits(&form);
    QnSNMPVarList& l = req->Variables;
    l.ListKind = MVT_UMV;
    l.IndexCount = 1;
    l.AddVariable("1.3.6.1.4.1.98762.3.1", "Port", SYN_INTEGER, ACC_NOTACCESS);
    l.AddVariable("1.3.6.1.4.1.98762.3.2", "Address", SYN_DISPLAYSTR, ACC_READWRITE);
    l.AddVariable("1.3.6.1.4.1.98762.3.3", "State", SYN_INTEGER, ACC_READONLY, &YesNoOptions());
    l.AddVariable("1.3.6.1.4.1.98762.3.4", "Status", SYN_INTEGER, ACC_READWRITE, &RowStatusOptions());
    TSNMPListViewPanel* panel = form.SetupTable(req, 3, "createAndGo", 3, "destroy");

    // SetFormat: edits take the new constraint, other rows refuse after unbinding.
    TEdit* address = panel->EditsPanel->Rows[1].Edit();
    panel->SetFormat(1, "%s{l5}");
    EXPECT_EQ(panel->EditsPanel->Rows[1].Constraint, "%s{l5}");
    ASSERT_NE(req->Constraints()->Find(address), nullptr);
    EXPECT_EQ(req->Constraints()->Find(address)->MaxLength, 5);
    const int bindings = req->BindingCount();
    EXPECT_EQ(ErrorOf([&] { panel->SetFormat(3, "%i"); }), "Can not set Var format to a ComboBox!");
    EXPECT_EQ(ErrorOf([&] { panel->SetFormat(2, "%i"); }), "Unknow UI Control type!");
    EXPECT_EQ(req->BindingCount(), bindings - 2);
    EXPECT_EQ(ErrorOf([&] { panel->SetAddStatus(3, "create"); }),
              "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:create");
    EXPECT_EQ(ErrorOf([&] { panel->SetDeleteStatus(1, "destroy"); }),
              "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy");

    // Rows added to the list view: count display and hover hint.
    TListView* lv = panel->ListPanel->ListView;
    for (int i = 1; i <= 3; ++i) {
        TListItem* it = lv->Items()->Add();
        it->SetCaption(QString::number(i));
        it->SubItems()->Add("10.0.0." + QString::number(i));
        it->SubItems()->Add("yes");
        it->SubItems()->Add("active");
    }
    EXPECT_EQ(panel->CtrlBtnPanel->CountDisplay->Caption(), "3");
    lv->Items()->Delete(0);
    EXPECT_EQ(panel->CtrlBtnPanel->CountDisplay->Caption(), "2");
    EXPECT_EQ(panel->RowHint(lv->Items()->Item(0)),
              "Port\t\t\t  2\nAddress  10.0.0.2\nState\t\t  yes\nStatus\t  active\n");

    form.Show();
    ASSERT_TRUE(PumpUntil([&] { return lv->isVisible(); }));
    lv->doItemsLayout();
    const QRect row = lv->visualItemRect(lv->Items()->Item(1));
    ASSERT_TRUE(row.isValid());
    QMouseEvent over(QEvent::MouseMove, QPointF(row.center()),
                     lv->viewport()->mapToGlobal(QPointF(row.center())), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(lv->viewport(), &over);
    EXPECT_TRUE(lv->ShowHint());
    EXPECT_EQ(lv->Hint(), panel->RowHint(lv->Items()->Item(1)));
    const QPoint empty(5, lv->viewport()->height() - 2);
    QMouseEvent away(QEvent::MouseMove, QPointF(empty), lv->viewport()->mapToGlobal(QPointF(empty)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(lv->viewport(), &away);
    EXPECT_FALSE(lv->ShowHint());

    // Clicking: a selected row enables "Edit" and "Delete", none disables them.
    lv->SetSelected(lv->Items()->Item(0));
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, lv->visualItemRect(lv->Items()->Item(0)).center());
    EXPECT_TRUE(panel->CtrlBtnPanel->btnEdit->Enabled());
    EXPECT_TRUE(panel->CtrlBtnPanel->btnDelete->Enabled());
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, empty);
    EXPECT_FALSE(panel->CtrlBtnPanel->btnEdit->Enabled());
    EXPECT_FALSE(panel->CtrlBtnPanel->btnDelete->Enabled());
    form.Hide();
}

// ---------------------------------------------------------------------------
// A scalar panel against snmpd.

using ScalarPanelAgent = AgentTest;

TEST_F(ScalarPanelAgent, SetCheckedEnablingAndEmptyItems)
{
    WriteScalar(kSysContact, "before");
    UiMessageBoxes boxes;
    TConfigForm form;
    form.SetCaption("System");
    auto* req = new QnSNMPRequest2Edits(&form);
    MakeSystemList(req->Variables);
    TSNMPEditorPanel* panel = form.SetupScalars(req);
    TEditsPanel* rows = panel->EditsPanel;
    TCtrlBtnPanel* buttons = panel->CtrlBtnPanel;

    req->Mode = REQ_MODE_SYNC;
    form.RefreshCurrent();
    EXPECT_EQ(rows->Rows[1].Edit()->Text(), "before");
    EXPECT_FALSE(rows->Rows[0].Edit()->Text().isEmpty());
    req->Mode = REQ_MODE_ASYNC;

    EXPECT_TRUE(buttons->btnSetChecked->Visible());
    EXPECT_EQ(buttons->btnSetChecked->Caption(), "Set Checked");
    EXPECT_FALSE(buttons->btnSetChecked->Enabled());
    QTest::mouseClick(rows->Rows[2].CheckBox, Qt::LeftButton);
    EXPECT_TRUE(rows->Rows[2].CheckBox->Checked());
    EXPECT_TRUE(buttons->btnSetChecked->Enabled());
    buttons->btnClearChecks->Click();
    EXPECT_FALSE(rows->Rows[2].CheckBox->Checked());
    EXPECT_FALSE(buttons->btnSetChecked->Enabled());
    buttons->btnCheckAll->Click();
    EXPECT_TRUE(rows->Rows[1].CheckBox->Checked());
    EXPECT_TRUE(rows->Rows[2].CheckBox->Checked());
    EXPECT_FALSE(rows->Rows[0].CheckBox->Checked()); // read-only row: no box
    EXPECT_TRUE(buttons->btnSetChecked->Enabled());
    QTest::mouseClick(rows->Rows[2].CheckBox, Qt::LeftButton);

    // A ticked row with an empty edit: refused, nothing sent.
    rows->Rows[1].Edit()->SetText(QString());
    const long sets = Counter(kInSets);
    buttons->btnSetChecked->Click();
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.Last().text, "Some items are empty!");
    EXPECT_EQ(boxes.Last().caption, "Warning");
    EXPECT_EQ(Counter(kInSets), sets);
    EXPECT_EQ(ReadScalar(kSysContact), "before");
    EXPECT_FALSE(req->Variables.Get(2).Access & ACC_INVALID);
    EXPECT_EQ(req->Mode, REQ_MODE_ASYNC);

    // The ticked row is written alone: sysLocation keeps its value although
    // its edit is empty.
    const std::string location = ReadScalar(kSysLocation);
    rows->Rows[1].Edit()->SetText("after");
    rows->Rows[2].Edit()->SetText(QString());
    TMemo* memo = panel->MessagePanel()->Memo;
    memo->Clear();
    buttons->btnSetChecked->Click();
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_EQ(ReadScalar(kSysContact), "after");
    EXPECT_EQ(ReadScalar(kSysLocation), location);
    ASSERT_EQ(memo->Lines()->Count(), 1);
    EXPECT_TRUE(memo->Lines()->Strings(0).startsWith("Set: (DoDUDE++) Ok! Request:System."));
    EXPECT_EQ(req->Mode, REQ_MODE_ASYNC);
    for (int i = 0; i < req->Variables.Count(); ++i)
        EXPECT_FALSE(req->Variables.Get(i).Access & ACC_INVALID);
}

TEST_F(ScalarPanelAgent, SingleWritableRowIsWrittenBySet)
{
    WriteScalar(kSysLocation, "lab");
    TConfigForm form;
    auto* req = new QnSNMPRequest2Edits(&form);
    req->Variables.ListKind = SVT_SV;
    req->Variables.AddVariable(kSysDescr, "Description", SYN_DISPLAYSTR, ACC_READONLY);
    req->Variables.AddVariable(kSysLocation, "Location", SYN_DISPLAYSTR, ACC_READWRITE);
    TSNMPEditorPanel* panel = form.SetupScalars(req);
    TBitBtn* set = panel->CtrlBtnPanel->btnSetChecked;
    EXPECT_EQ(set->Caption(), "Set");
    EXPECT_TRUE(set->Enabled());
    EXPECT_FALSE(panel->EditsPanel->Rows[1].CheckBox->Visible());
    panel->EditsPanel->Rows[1].Edit()->SetText("rack 7");
    set->Click();
    EXPECT_EQ(ReadScalar(kSysLocation), "rack 7");
}
