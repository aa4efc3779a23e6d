// The configuration window against snmpd: the first read after showing, the
// set-ups and their refusals, the window's size limits, the table dialogs
// (add, edit, delete), pages, and closing while a walk is under way.
#include "test_panels_env.h"

#include "gui/Guiconfigform.h"
#include "support/UiTestHooks.h"
#include "ui/TApplication.h"

#include <QTabBar>
#include <QTest>

using namespace guipanels;

using ConfigFormAgent = AgentTest;

TEST_F(ConfigFormAgent, ScalarWindowReadsOnceAfterItIsShown)
{
    const long before = Counter(kInGets);
    const long idle = Counter(kInGets) - before; // the counter reads themselves
    TConfigForm form;
    auto* req = new RecordingEdits(&form);
    MakeSystemList(req->Variables);
    TSNMPEditorPanel* panel = form.SetupScalars(req);
    form.SetCaption("System");
    EXPECT_EQ(form.FormType(), CFT_SCALARS);
    EXPECT_EQ(req->Reads, 0);
    std::string contact;
    int reads = -1;
    std::vector<bool> shownAtRead;
    const long start = Counter(kInGets);
    UiModalDriver driver([&](TForm&) {
        EXPECT_TRUE(PumpUntil([&] { return req->Reads == 1 && !req->Busy; }));
        contact = panel->EditsPanel->Rows[1].Edit()->Text().toStdString();
        QThread::msleep(50);
        ProcessMessages();
        reads = req->Reads;
        shownAtRead = req->ShownAtRead;
    });
    form.ShowModal(); // the request goes when the window closes
    EXPECT_EQ(driver.Count(), 1);
    EXPECT_EQ(reads, 1);
    ASSERT_EQ(shownAtRead.size(), 1u);
    EXPECT_TRUE(shownAtRead[0]);
    EXPECT_EQ(Counter(kInGets) - start - idle, 1);
    EXPECT_EQ(contact, ReadScalar(kSysContact));
    EXPECT_EQ(form.RequestCount(), 0); // released on close
}

TEST_F(ConfigFormAgent, SecondSetupIsRefusedAndSizesAreLimited)
{
    TConfigForm form;
    EXPECT_EQ(form.ClientWidth(), 159);
    EXPECT_EQ(form.ClientHeight(), 105);
    auto* req = new QnSNMPRequest2Edits(&form);
    MakeSystemList(req->Variables);
    TSNMPEditorPanel* panel = form.SetupScalars(req);
    EXPECT_GE(form.ClientWidth(), panel->PreferredWidth());
    EXPECT_EQ(panel->Align(), alClient);
    EXPECT_LE(form.ClientHeight(), 550);

    QnSNMPRequest2Edits other(&form);
    MakeSecToGroupList(other.Variables);
    const int width = form.ClientWidth();
    EXPECT_EQ(ErrorOf([&] { form.SetupTable(&other, 3, "createAndGo", 3, "destroy"); }),
              "Can not change Type of a Config Form!");
    EXPECT_EQ(ErrorOf([&] { form.SetupScalars(&other); }), "Can not change Type of a Config Form!");
    EXPECT_EQ(ErrorOf([&] { form.SetupPages(); }), "Can not change Type of a Config Form!");
    EXPECT_EQ(ErrorOf([&] { form.AddPage("x", &other); }), "Can not add editor page to a none-page pannel!");
    EXPECT_EQ(form.FormType(), CFT_SCALARS);
    EXPECT_EQ(form.RequestCount(), 1);
    EXPECT_EQ(form.ClientWidth(), width);

    // Wide rows: the client area stops at 800.
    panel->SetEditWidth(900);
    EXPECT_GT(panel->PreferredWidth(), 900);
    EXPECT_EQ(form.ClientWidth(), 800);
    // A small panel in a small window: the window grows to it.
    TForm small;
    TSNMPPanel* p = new TSNMPPanel(&small, nullptr, nullptr);
    auto* content = new TPanel(&small);
    content->SetBounds(0, 0, 300 - 116 - 3 - 3, 10);
    p->SetContent(content);
    small.SetClientWidth(100);
    small.SetClientHeight(100);
    p->FitForm(&small);
    EXPECT_EQ(small.ClientWidth(), 300);
    EXPECT_EQ(small.ClientHeight(), p->PreferredHeight());
    EXPECT_EQ(p->PreferredHeight(), p->CtrlBtnPanel->NeededHeight());
    // A tall one stops at 550.
    content->SetAlign(alNone);
    content->SetBounds(0, 0, 100, 900);
    p->SetContent(content);
    p->FitForm(&small);
    EXPECT_EQ(small.ClientHeight(), 550);
}

TEST_F(ConfigFormAgent, TableButtonsFollowTheRowStatusArguments)
{
    for (bool withStatus : {true, false}) {
        TConfigForm form;
        auto* req = new QnSNMPRequest2Edits(&form);
        MakeSecToGroupList(req->Variables);
        TSNMPListViewPanel* panel = withStatus ? form.SetupTable(req, 3, "createAndGo", 3, "destroy")
                                               : form.SetupTable(req, -1, "", -1, "");
        EXPECT_EQ(form.FormType(), CFT_TABLE);
        EXPECT_EQ(panel->CtrlBtnPanel->btnAdd->Visible(), withStatus);
        EXPECT_EQ(panel->CtrlBtnPanel->btnDelete->Visible(), withStatus);
        EXPECT_TRUE(panel->CtrlBtnPanel->btnEdit->Visible());
        EXPECT_TRUE(panel->CtrlBtnPanel->CountDisplay->Visible());
        EXPECT_FALSE(panel->EditsPanel->Visible());
    }
    // A table of read-only and key columns only has no "Edit".
    TConfigForm form;
    auto* req = new QnSNMPRequest2Edits(&form);
    req->Variables.ListKind = MVT_FMV;
    req->Variables.IndexCount = 1;
    req->Variables.AddVariable(kSysOREntry + ".1", "Index", SYN_INTEGER, ACC_NOTACCESS);
    req->Variables.AddVariable(kSysOREntry + ".3", "Description", SYN_DISPLAYSTR, ACC_READONLY);
    TSNMPListViewPanel* panel = form.SetupTable(req);
    EXPECT_FALSE(panel->CtrlBtnPanel->btnEdit->Visible());
}

namespace {
TListItem* RowNamed(TListView* lv, const QString& name)
{
    for (int i = 0; i < lv->Items()->Count(); ++i)
        if (lv->Items()->Item(i)->SubItems()->Strings(0) == name)
            return lv->Items()->Item(i);
    return nullptr;
}
} // namespace

TEST_F(ConfigFormAgent, TableWindowAddsEditsAndDeletesARow)
{
    UiMessageBoxes boxes;
    TConfigForm form;
    form.SetCaption("Groups");
    auto* req = new RecordingEdits(&form);
    MakeSecToGroupList(req->Variables);
    TSNMPListViewPanel* panel = form.SetupTable(req, 3, "createAndGo", 3, "destroy");
    TListView* lv = panel->ListPanel->ListView;
    TEditsPanel* rows = panel->EditsPanel;
    TComboBox* status = rows->Rows[3].Combo();
    const QStringList allStatus = {"active",      "notInService",  "notReady",
                                   "createAndGo", "createAndWait", "destroy"};
    TMemo* memo = panel->MessagePanel()->Memo;
    const QString name = "gpanel" + QString::number(QCoreApplication::applicationPid() % 1000);

    auto waitRead = [&] { return PumpUntil([&] { return !req->Busy; }); };
    int dialogs = 0;
    UiModalDriver driver([&](TForm& f) {
        if (&f == &form) {
            ASSERT_TRUE(waitRead());
            ASSERT_GT(lv->Items()->Count(), 0) << memo->toPlainText().toStdString();
            EXPECT_EQ(panel->CtrlBtnPanel->CountDisplay->Caption(), QString::number(lv->Items()->Count()));
            EXPECT_EQ(RowNamed(lv, name), nullptr);

            // Add.
            panel->CtrlBtnPanel->btnAdd->Click();
            ASSERT_TRUE(waitRead());
            TListItem* added = RowNamed(lv, name);
            ASSERT_NE(added, nullptr) << memo->toPlainText().toStdString();
            EXPECT_EQ(added->Caption(), "2");
            EXPECT_EQ(added->SubItems()->Strings(1), "gpgroup");
            EXPECT_EQ(added->SubItems()->Strings(2), "active");

            // Edit: change the group of the new row.
            lv->SetSelected(added);
            EXPECT_EQ(rows->Rows[2].Edit()->Text(), "gpgroup");
            panel->CtrlBtnPanel->btnEdit->Click();
            EXPECT_EQ(status->Items()->ToStringList(), allStatus);
            EXPECT_TRUE(rows->Rows[3].CheckBox->Visible());
            ASSERT_TRUE(waitRead());
            added = RowNamed(lv, name);
            ASSERT_NE(added, nullptr);
            EXPECT_EQ(added->SubItems()->Strings(1), "gpgroup2") << memo->toPlainText().toStdString();

            // Delete: one SET of the row status, addressed by both keys.
            lv->SetSelected(added);
            req->WrittenOids.clear();
            boxes.Clear();
            boxes.Answer(IDNO);
            panel->CtrlBtnPanel->btnDelete->Click();
            ASSERT_EQ(boxes.Count(), 1);
            EXPECT_EQ(boxes.Last().text, "Are you sure to delete ?");
            EXPECT_EQ(boxes.Last().caption, "Delete");
            EXPECT_TRUE(req->WrittenOids.empty());
            ASSERT_NE(RowNamed(lv, name), nullptr);
            lv->SetSelected(RowNamed(lv, name));
            boxes.Answer(IDYES);
            panel->CtrlBtnPanel->btnDelete->Click();
            std::string index = "2." + std::to_string(name.size());
            for (QChar c : name)
                index += "." + std::to_string(c.unicode());
            EXPECT_EQ(req->WrittenOids, std::vector<std::string>{kSecToGroupEntry + ".5." + index});
            ASSERT_TRUE(waitRead());
            EXPECT_EQ(RowNamed(lv, name), nullptr) << memo->toPlainText().toStdString();
            EXPECT_EQ(req->Mode, REQ_MODE_ASYNC);
            for (int i = 0; i < req->Variables.Count(); ++i)
                EXPECT_FALSE(req->Variables.Get(i).Access & ACC_INVALID);
            f.Close();
            return;
        }
        ++dialogs;
        TCtrlBtnPanel* buttons = nullptr;
        for (TControl* c = rows->Parent(); c && !buttons; c = c->Parent())
            if (auto* p = dynamic_cast<TSNMPPanel*>(c))
                buttons = p->CtrlBtnPanel;
        ASSERT_NE(buttons, nullptr);
        EXPECT_FALSE(buttons->btnRefresh->Visible());
        if (f.Caption() == "Groups (Add)") {
            // Keys: checked, visible, cannot be unchecked; the status is fixed.
            for (int k = 0; k < 2; ++k) {
                EXPECT_TRUE(rows->Rows[size_t(k)].CheckBox->Checked());
                EXPECT_TRUE(rows->Rows[size_t(k)].CheckBox->isVisible());
                EXPECT_FALSE(rows->Rows[size_t(k)].CheckBox->Enabled());
                EXPECT_FALSE(rows->Rows[size_t(k)].Edit()->ReadOnly());
            }
            QTest::mouseClick(rows->Rows[0].CheckBox, Qt::LeftButton);
            EXPECT_TRUE(rows->Rows[0].CheckBox->Checked());
            EXPECT_EQ(status->Text(), "createAndGo");
            EXPECT_FALSE(status->Enabled());
            EXPECT_TRUE(rows->Rows[3].CheckBox->Checked());
            EXPECT_FALSE(rows->Rows[3].CheckBox->Enabled());
            EXPECT_TRUE(rows->Rows[1].Edit()->Text().isEmpty()); // emptied before the dialog
            EXPECT_EQ(lv->Selected(), nullptr);
            EXPECT_FALSE(panel->CtrlBtnPanel->btnEdit->Enabled());
            rows->Rows[0].Edit()->SetText("2");
            rows->Rows[1].Edit()->SetText(name);
            rows->Rows[2].Edit()->SetText("gpgroup");
            if (!rows->Rows[2].CheckBox->Checked())
                QTest::mouseClick(rows->Rows[2].CheckBox, Qt::LeftButton);
            buttons->btnSetChecked->Click(); // closes the dialog once written
        } else {
            EXPECT_EQ(f.Caption(), "Groups");
            // The edit dialog neither creates nor deletes.
            EXPECT_EQ(status->Items()->ToStringList(),
                      QStringList({"active", "notInService", "notReady", "createAndWait"}));
            EXPECT_EQ(status->Text(), "active");
            EXPECT_FALSE(buttons->btnSetChecked->Enabled());
            EXPECT_TRUE(rows->Rows[0].Edit()->ReadOnly());
            EXPECT_FALSE(rows->Rows[0].CheckBox->isVisible());
            EXPECT_EQ(rows->Rows[2].Control->Width(), 200);
            rows->Rows[2].Edit()->SetText("gpgroup2");
            QTest::mouseClick(rows->Rows[2].CheckBox, Qt::LeftButton);
            EXPECT_TRUE(buttons->btnSetChecked->Enabled());
            buttons->btnSetChecked->Click();
        }
    });
    form.ShowModal();
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(driver.Count(), 3);
}

TEST_F(ConfigFormAgent, TwoPagesEachReadTheirOwnRequest)
{
    TConfigForm form;
    form.SetupPages();
    EXPECT_EQ(ErrorOf([&] { form.SetupScalars(nullptr); }), "Can not change Type of a Config Form!");
    auto* first = new RecordingEdits(&form);
    MakeSystemList(first->Variables);
    auto* second = new RecordingEdits(&form);
    second->Variables.ListKind = SVT_SV;
    second->Variables.AddVariable(kSysName, "Name", SYN_DISPLAYSTR, ACC_READONLY);
    TSNMPEditorPanel* p1 = form.AddPage("System", first);
    TSNMPEditorPanel* p2 = form.AddPage("Name", second);
    ASSERT_EQ(form.PageControl()->PageCount(), 2);
    EXPECT_EQ(form.PageControl()->Pages(1)->Tag(), 1);
    EXPECT_GE(form.ClientWidth(), p1->PreferredWidth());
    UiModalDriver driver([&](TForm& f) {
        ASSERT_TRUE(PumpUntil([&] { return first->Reads == 1 && !first->Busy; }));
        EXPECT_EQ(second->Reads, 0);
        EXPECT_EQ(form.CurrentRequest(), first);
        // The user switches to the second page.
        QTabBar* bar = form.PageControl()->TabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        EXPECT_EQ(form.PageControl()->ActivePageIndex(), 1);
        ASSERT_TRUE(PumpUntil([&] { return second->Reads == 1 && !second->Busy; }));
        EXPECT_EQ(first->Reads, 1);
        EXPECT_FALSE(first->Enabled);
        EXPECT_TRUE(second->Enabled);
        EXPECT_EQ(form.CurrentRequest(), second);
        EXPECT_EQ(p2->EditsPanel->Rows[0].Edit()->Text().toStdString(), ReadScalar(kSysName));
        f.Close();
    });
    form.ShowModal();
    EXPECT_EQ(form.RequestCount(), 0);
}

TEST_F(ConfigFormAgent, ClosingDuringAWalkWaitsForTheCurrentReply)
{
    auto makeList = [](QnSNMPVarList& l) {
        l.ListKind = MVT_FMV;
        l.IndexCount = 1;
        l.AddVariable(kSysOREntry + ".1", "Index", SYN_INTEGER, ACC_NOTACCESS);
        l.AddVariable(kSysOREntry + ".2", "Id", SYN_OBJECTID, ACC_READONLY);
        l.AddVariable(kSysOREntry + ".3", "Description", SYN_DISPLAYSTR, ACC_READONLY);
    };
    int total = 0;
    {
        QnSNMPRequest walk;
        makeList(walk.Variables);
        for (bool more = walk.Fetch(true); more; more = walk.Fetch(false))
            ++total;
    }
    if (total < 4)
        GTEST_SKIP() << "the agent's sysORTable has only " << total << " rows";

    // Closed from inside a reply (a row being shown processes pending
    // events, and the close is among them): the walk ends with that reply.
    bool destroyed = false;
    int rowsSeen = 0;
    {
        TConfigForm form;
        auto* req = new RecordingEdits(&form, &destroyed);
        makeList(req->Variables);
        form.SetupTable(req);
        req->OnRow = [&](RecordingEdits& r) {
            rowsSeen = r.RowsReceived;
            if (r.RowsReceived == 1) {
                form.Close();
                ProcessMessages();
            }
        };
        UiModalDriver driver([&](TForm&) { PumpUntil([&] { return destroyed; }); });
        form.ShowModal();
        EXPECT_TRUE(destroyed);
        EXPECT_EQ(form.RequestCount(), 0);
        EXPECT_EQ(rowsSeen, 1);
    }

    // Closed from the window's loop while the step is outstanding (an agent
    // that does not answer): the close waits for the request to finish.
    UseDeadAgent();
    destroyed = false;
    TConfigForm form;
    auto* req = new RecordingEdits(&form, &destroyed);
    makeList(req->Variables);
    TSNMPListViewPanel* panel = form.SetupTable(req);
    qint64 waited = -1;
    UiModalDriver driver([&](TForm& f) {
        ASSERT_TRUE(req->Busy);
        QElapsedTimer clock;
        clock.start();
        f.Close();
        ASSERT_TRUE(PumpUntil([&] { return destroyed; }));
        waited = clock.elapsed();
    });
    form.ShowModal();
    EXPECT_TRUE(destroyed);
    EXPECT_GE(waited, 150); // 2 tries of 100 ms
    // The read finished (with its time-out) before the request went.
    ASSERT_EQ(panel->MessagePanel()->Memo->Lines()->Count(), 1);
    EXPECT_TRUE(panel->MessagePanel()->Memo->Lines()->Strings(0).startsWith("Get: "));
}
