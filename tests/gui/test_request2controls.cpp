// Requests bound to a window: status lines, synchronous and asynchronous reads
// and writes against a local snmpd, the order of the virtual operations, the
// notifications, stopping a walk and reading a table again after a write.
#include "test_request2controls_env.h"

#include "support/UiTestHooks.h"
#include "ui/TApplication.h"
#include "ui/TEdit.h"
#include "ui/TStatusBar.h"
#include "ui/Vcl.h"

#include <QRegularExpression>

using namespace guibind;

namespace {

const QRegularExpression kTime(QStringLiteral("\\d\\d:\\d\\d:\\d\\d [AP]M"));

QString Untimed(const QString& line)
{
    QString s = line;
    s.replace(kTime, QStringLiteral("<TIME>"));
    return s;
}

void MakeSystemList(QnSNMPVarList& list)
{
    list.Clear();
    list.ListKind = SVT_SV;
    list.AddVariable(kSysDescr, "System Description", SYN_DISPLAYSTR, ACC_READONLY);
    list.AddVariable(kSysContact, "System Contact", SYN_DISPLAYSTR, ACC_READWRITE);
}

void MakeSysORList(QnSNMPVarList& list)
{
    list.Clear();
    list.ListKind = MVT_FMV;
    list.IndexCount = 1;
    list.AddVariable(kSysOREntry + ".1", "Index", SYN_INTEGER, ACC_NOTACCESS);
    list.AddVariable(kSysOREntry + ".3", "Description", SYN_DISPLAYSTR, ACC_READONLY);
}

std::vector<std::string> Expected(std::initializer_list<const char*> steps)
{
    return std::vector<std::string>(steps.begin(), steps.end());
}

} // namespace

// ---------------------------------------------------------------------------
// Status lines

TEST(Request2ControlsStatus, TemplatesWithAndWithoutTitle)
{
    ResetCatalogues();
    EXPECT_EQ(QnSNMPRequest2Controls::SuccessText(), "(DoDUDE++) Ok!");
    struct Case
    {
        int32_t kind;
        const char* title;
        int hour;
        const char* expected;
    } cases[] = {
        {STATUS_KIND_GET, "", 10, "Get: (DoDUDE++) Ok!. Receive at 10:15:02 AM."},
        {STATUS_KIND_GET, "System", 10, "Get: (DoDUDE++) Ok! Request:System. Receive at 10:15:02 AM."},
        {STATUS_KIND_SET, "", 0, "Set: (DoDUDE++) Ok!. Receive at 12:15:02 AM."},
        {STATUS_KIND_SET, "Port Table", 12,
         "Set: (DoDUDE++) Ok! Request:Port Table. Receive at 12:15:02 PM."},
        {STATUS_KIND_GET, "", 23, "Get: (DoDUDE++) Ok!. Receive at 11:15:02 PM."},
    };
    RecordingRequest req;
    for (const Case& c : cases) {
        req.StatusKind = c.kind;
        req.Variables.Title = c.title;
        EXPECT_EQ(req.FormatStatus(QnSNMPRequest2Controls::SuccessText(), c.hour, 15, 2), c.expected)
            << c.title << " " << c.hour;
    }
    // A title or an error text holding a marker is written as it is.
    req.StatusKind = STATUS_KIND_GET;
    req.Variables.Title = "[TIME]";
    EXPECT_EQ(req.FormatStatus("[VARLIST]", 9, 5, 7),
              "Get: [VARLIST] Request:[TIME]. Receive at 09:05:07 AM.");
}

TEST(Request2ControlsStatus, EachTargetKindGetsTheLineAndNoTargetWritesNothing)
{
    ResetCatalogues();
    TPanel form;
    auto* memo = new TMemo(&form);
    auto* bar = new TStatusBar(&form);
    TStatusPanel* panel = bar->Panels()->Add();
    auto* otherBar = new TStatusBar(&form);

    RecordingRequest req(&form);
    req.Variables.Title = "Agent";
    UiMessageBoxes boxes;
    req.ShowStatus("nothing"); // no target: silent
    EXPECT_EQ(boxes.Count(), 0);

    req.SetStatusTarget(memo);
    req.ShowStatus("one");
    req.ShowStatus("two");
    ASSERT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(Untimed(memo->Lines()->Strings(1)), "Get: two Request:Agent. Receive at <TIME>.");

    req.SetStatusTarget(otherBar);
    req.StatusKind = STATUS_KIND_SET;
    req.ShowStatus("bar");
    EXPECT_EQ(Untimed(otherBar->SimpleText()), "Set: bar Request:Agent. Receive at <TIME>.");
    EXPECT_EQ(memo->Lines()->Count(), 2); // one target at a time

    req.SetStatusTarget(panel);
    req.Variables.Title.clear();
    req.ShowStatus("panel");
    EXPECT_EQ(Untimed(panel->Text()), "Set: panel. Receive at <TIME>.");
    EXPECT_EQ(req.StatusPanel(), panel);
    EXPECT_EQ(req.StatusMemo(), nullptr);

    // A memo destroyed before the request is no target any more.
    req.SetStatusTarget(memo);
    delete memo;
    EXPECT_FALSE(req.HasStatusTarget());
    req.ShowStatus("gone");
}

// ---------------------------------------------------------------------------
// Reads

using Request2ControlsRead = LibraryTest;

TEST_F(Request2ControlsRead, SynchronousScalarReadRunsTheSlotsInOrder)
{
    TPanel form;
    auto* bar = new TStatusBar(&form);
    RecordingRequest req(&form);
    MakeSystemList(req.Variables);
    req.Mode = REQ_MODE_SYNC;
    req.WatchNotifications();
    req.SetStatusTarget(bar);
    req.Get();
    EXPECT_EQ(req.Trace, Expected({"BeforeGet", "ValuesReceived", "AfterGet"}));
    EXPECT_EQ(req.RowCount, 1);
    EXPECT_EQ(req.Busy, 0);
    EXPECT_FALSE(req.Variables.Get(0).Value.empty());
    EXPECT_EQ(Untimed(bar->SimpleText()), "Get: (DoDUDE++) Ok!. Receive at <TIME>.");
    EXPECT_TRUE(req.ReadDone.empty()); // notifications belong to asynchronous reads
}

TEST_F(Request2ControlsRead, AsynchronousWalkReadsEveryRowThenReportsOnce)
{
    TPanel form;
    auto* memo = new TMemo(&form);
    RecordingRequest req(&form);
    MakeSysORList(req.Variables);
    req.Variables.Title = "Capabilities";
    req.SetStatusTarget(memo);
    req.WatchNotifications();
    req.Get();
    EXPECT_EQ(req.Busy, 1);
    ASSERT_TRUE(PumpUntil([&] { return req.Busy == 0; }, 10000));
    ASSERT_GE(req.RowCount, 5); // snmpd lists its MIB modules
    EXPECT_EQ(int(req.Rows.size()), req.RowCount);
    EXPECT_EQ(req.Rows.front()[0], "1");
    EXPECT_EQ(req.Trace.front(), "BeforeGet");
    EXPECT_EQ(req.Trace.back(), "AfterGet");
    EXPECT_EQ(req.CountOf("AfterGet"), 1);
    ASSERT_EQ(req.ReadDone.size(), 1u);
    EXPECT_EQ(req.ReadDone[0].Code, 0);
    ASSERT_EQ(memo->Lines()->Count(), 1);
    EXPECT_EQ(Untimed(memo->Lines()->Strings(0)),
              "Get: (DoDUDE++) Ok! Request:Capabilities. Receive at <TIME>.");
    EXPECT_EQ(req.Outstanding, 0);
}

TEST_F(Request2ControlsRead, ClearingEnabledStopsAWalkAfterTheCurrentReply)
{
    RecordingRequest req;
    MakeSysORList(req.Variables);
    req.WatchNotifications();
    req.OnRow = [](RecordingRequest& r) {
        if (r.Rows.size() == 2)
            r.Enabled = false;
    };
    req.Get();
    ASSERT_TRUE(PumpUntil([&] { return req.Busy == 0; }, 10000));
    // The row of the reply that saw Enabled cleared is the last one.
    EXPECT_EQ(req.RowCount, 2);
    EXPECT_EQ(req.Trace, Expected({"BeforeGet", "ValuesReceived", "ValuesReceived", "AfterGet"}));
    ASSERT_EQ(req.ReadDone.size(), 1u);
    EXPECT_EQ(req.ReadDone[0].Code, 0);
    EXPECT_EQ(req.Outstanding, 0);
    // Nothing more arrives later.
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(req.RowCount, 2);

    // A disabled request does not start a read and does not stay busy.
    req.Trace.clear();
    req.Get();
    EXPECT_EQ(req.Busy, 0);
    EXPECT_EQ(req.Trace, Expected({"BeforeGet"}));
}

TEST_F(Request2ControlsRead, TableWithoutRowsEndsAtTheFirstReply)
{
    for (uint8_t mode : {REQ_MODE_SYNC, REQ_MODE_ASYNC}) {
        SCOPED_TRACE(int(mode));
        TPanel form;
        auto* memo = new TMemo(&form);
        RecordingRequest req(&form);
        req.Variables.ListKind = MVT_UMV;
        req.Variables.IndexCount = 1;
        req.Variables.AddVariable(kEmptyEntry + ".1", "Key", SYN_INTEGER, ACC_NOTACCESS);
        req.Variables.AddVariable(kEmptyEntry + ".2", "Value", SYN_INTEGER, ACC_READONLY);
        req.Mode = mode;
        req.SetStatusTarget(memo);
        req.WatchNotifications();
        req.RowCount = 7;
        req.Get();
        ASSERT_TRUE(PumpUntil([&] { return req.Busy == 0; }, 5000));
        EXPECT_EQ(req.RowCount, 0);
        EXPECT_EQ(req.Trace, Expected({"BeforeGet", "AfterGet"}));
        ASSERT_EQ(memo->Lines()->Count(), 1);
        EXPECT_EQ(Untimed(memo->Lines()->Strings(0)), "Get: (DoDUDE++) Ok!. Receive at <TIME>.");
        EXPECT_EQ(req.ReadDone.size(), mode == REQ_MODE_ASYNC ? 1u : 0u);
    }
}

TEST_F(Request2ControlsRead, FailedReadsNotifyWithAndWithoutStatusTarget)
{
    UseDeadAgent();
    const std::string timeout = ErrorText(-405);
    UiMessageBoxes boxes;

    // Without a status target the user gets a message box owned by the window.
    TPanel form;
    RecordingRequest silent(&form);
    MakeSystemList(silent.Variables);
    silent.WatchNotifications();
    silent.Retries = 0;
    silent.Get();
    ASSERT_TRUE(PumpUntil([&] { return silent.Busy == 0; }, 5000));
    ASSERT_EQ(silent.ReadDone.size(), 1u);
    EXPECT_EQ(silent.ReadDone[0].Code, -405);
    EXPECT_EQ(silent.Trace, Expected({"BeforeGet", "GetFailed"}));
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.Last().text.toStdString(), timeout);
    EXPECT_EQ(boxes.Last().caption, ProgramName());
    EXPECT_EQ(boxes.Last().owner, &form);

    // With a memo the error becomes a read status line; no box.
    auto* memo = new TMemo(&form);
    RecordingRequest logged(&form);
    MakeSystemList(logged.Variables);
    logged.WatchNotifications();
    logged.SetStatusTarget(memo);
    logged.Retries = 0;
    logged.StatusKind = STATUS_KIND_SET;
    logged.Get();
    ASSERT_TRUE(PumpUntil([&] { return logged.Busy == 0; }, 5000));
    ASSERT_EQ(logged.ReadDone.size(), 1u);
    EXPECT_EQ(boxes.Count(), 1);
    ASSERT_EQ(memo->Lines()->Count(), 1);
    EXPECT_EQ(Untimed(memo->Lines()->Strings(0)).toStdString(), "Get: " + timeout + ". Receive at <TIME>.");
    EXPECT_EQ(logged.StatusKind, STATUS_KIND_GET);
}

TEST_F(Request2ControlsRead, SynchronousFailuresReachTheCallerNotBusy)
{
    UseDeadAgent();
    UiMessageBoxes boxes;
    RecordingRequest req;
    MakeSystemList(req.Variables);
    req.Mode = REQ_MODE_SYNC;
    req.Retries = 0;
    EXPECT_EQ(CodeOf([&] { req.Get(); }), -405);
    EXPECT_EQ(req.Busy, 0);
    EXPECT_EQ(CodeOf([&] { req.Set(true, false); }), -405);
    EXPECT_EQ(req.Busy, 0);
    EXPECT_EQ(req.Trace, Expected({"BeforeGet", "BeforeSet"}));
    EXPECT_EQ(boxes.Count(), 0); // the caller shows synchronous errors

    // An error raised while an asynchronous read is started clears busy too.
    RecordingRequest bad;
    bad.Variables.ListKind = 9;
    bad.Variables.AddVariable(kSysDescr, "x", SYN_DISPLAYSTR, ACC_READONLY);
    EXPECT_EQ(CodeOf([&] { bad.Get(); }), -515);
    EXPECT_EQ(bad.Busy, 0);
}

// An error raised inside a reply (here by the binding's row handler) ends the
// read like an error reply instead of unwinding into the SNMP library.
TEST_F(Request2ControlsRead, ErrorRaisedWhileAcceptingARowEndsTheRead)
{
    TPanel form;
    auto* memo = new TMemo(&form);
    RecordingRequest req(&form);
    MakeSysORList(req.Variables);
    req.SetStatusTarget(memo);
    req.WatchNotifications();
    req.OnRow = [](RecordingRequest&) { RaiseError(QNERR_PARTIAL_RANGE); };
    req.Get();
    ASSERT_TRUE(PumpUntil([&] { return req.Busy == 0; }, 5000));
    EXPECT_EQ(req.Trace, Expected({"BeforeGet", "ValuesReceived", "GetFailed"}));
    ASSERT_EQ(req.ReadDone.size(), 1u);
    EXPECT_EQ(req.ReadDone[0].Code, QNERR_PARTIAL_RANGE);
    ASSERT_EQ(memo->Lines()->Count(), 1);
    EXPECT_EQ(Untimed(memo->Lines()->Strings(0)).toStdString(),
              "Get: " + ErrorText(QNERR_PARTIAL_RANGE) + ". Receive at <TIME>.");
    EXPECT_EQ(req.Outstanding, 0);
}

TEST_F(Request2ControlsRead, DestroyingABusyRequestDropsItsReplies)
{
    auto req = std::make_unique<RecordingRequest>();
    MakeSysORList(req->Variables);
    bool notified = false;
    req->OnReadDone = QnRequestNotify([&](QnSNMPRequest2Controls*, QnSNMPError*) { notified = true; });
    req->Get();
    ASSERT_EQ(req->Outstanding, 1);
    req.reset(); // waits for the reply, calls nothing of the destroyed parts
    EXPECT_FALSE(notified);
}

// ---------------------------------------------------------------------------
// Writes

using Request2ControlsWrite = LibraryTest;

TEST_F(Request2ControlsWrite, ScalarWritesInBothModes)
{
    for (uint8_t mode : {REQ_MODE_SYNC, REQ_MODE_ASYNC}) {
        SCOPED_TRACE(int(mode));
        TPanel form;
        auto* memo = new TMemo(&form);
        RecordingRequest req(&form);
        MakeSystemList(req.Variables);
        req.Mode = mode;
        req.WatchNotifications();
        req.SetStatusTarget(memo);
        const std::string contact = mode == REQ_MODE_SYNC ? "sync writer" : "async writer";
        req.Variables.Get(1).Value = contact;
        req.Set(true, true);
        ASSERT_TRUE(PumpUntil([&] { return req.Busy == 0; }, 5000));
        // A scalar list is not read again after a write.
        EXPECT_EQ(req.Trace, Expected({"BeforeSet", "CollectValues", "AfterSet"}));
        EXPECT_EQ(req.WriteDone.size(), mode == REQ_MODE_ASYNC ? 1u : 0u);
        ASSERT_EQ(memo->Lines()->Count(), 1);
        EXPECT_EQ(Untimed(memo->Lines()->Strings(0)), "Set: (DoDUDE++) Ok!. Receive at <TIME>.");
        EXPECT_EQ(req.StatusKind, STATUS_KIND_SET);

        RecordingRequest check;
        MakeSystemList(check.Variables);
        check.Mode = REQ_MODE_SYNC;
        check.Get();
        EXPECT_EQ(check.Variables.Get(1).Value, contact);
    }
}

TEST_F(Request2ControlsWrite, AsynchronousWriteToADeadAgentShowsABox)
{
    UseDeadAgent();
    UiMessageBoxes boxes;
    TPanel form;
    RecordingRequest req(&form);
    MakeSystemList(req.Variables);
    req.WatchNotifications();
    req.Retries = 0;
    req.Set(true, false);
    ASSERT_TRUE(PumpUntil([&] { return req.Busy == 0; }, 5000));
    EXPECT_EQ(req.Trace, Expected({"BeforeSet", "SetFailed"}));
    ASSERT_EQ(req.WriteDone.size(), 1u);
    EXPECT_EQ(req.WriteDone[0].Code, -405);
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.Last().text.toStdString(), ErrorText(-405));
    EXPECT_EQ(req.StatusKind, STATUS_KIND_SET);
}

// Creates a row of the agent's group table and destroys it again; a write of
// a table list with refresh on reads the table again, with refresh off not.
TEST_F(Request2ControlsWrite, TableWriteReadsTheTableAgainWhenAsked)
{
    auto hasRow = [](const RecordingRequest& r, const std::string& name) {
        for (const auto& row : r.Rows)
            if (row[1] == name && row[2] == "gbgroup")
                return true;
        return false;
    };
    for (uint8_t mode : {REQ_MODE_SYNC, REQ_MODE_ASYNC}) {
        SCOPED_TRACE(int(mode));
        const std::string name = mode == REQ_MODE_SYNC ? "gbsync" : "gbasync";
        RecordingRequest req;
        MakeSecToGroupList(req.Variables);
        req.Mode = mode;
        req.WatchNotifications();
        auto fill = [&](const char* status) {
            req.Variables.Get(0).Value = "2";
            req.Variables.Get(1).Value = name;
            req.Variables.Get(2).Value = "gbgroup";
            req.Variables.Get(3).Value = status;
        };

        fill("4"); // createAndGo
        req.Set(true, false);
        ASSERT_TRUE(PumpUntil([&] { return req.Busy == 0; }, 5000));
        ASSERT_EQ(req.CountOf("AfterSet"), 1) << ::testing::PrintToString(req.Trace);
        EXPECT_EQ(req.CountOf("BeforeGet"), 1);
        EXPECT_EQ(req.CountOf("AfterGet"), 1);
        EXPECT_TRUE(hasRow(req, name));
        if (mode == REQ_MODE_ASYNC) {
            // The write is reported before the read it starts.
            ASSERT_EQ(req.WriteDone.size(), 1u);
            ASSERT_EQ(req.ReadDone.size(), 1u);
        }

        req.Trace.clear();
        req.Rows.clear();
        fill("6"); // destroy; only the status goes
        req.Set(false, false, "3");
        ASSERT_TRUE(PumpUntil([&] { return req.Busy == 0; }, 5000));
        EXPECT_EQ(req.Trace, Expected({"BeforeSet", "AfterSet"}));
        EXPECT_EQ(req.RefreshAfterWrite, 0);

        req.Trace.clear();
        req.Get();
        ASSERT_TRUE(PumpUntil([&] { return req.Busy == 0; }, 5000));
        EXPECT_GT(req.RowCount, 0);
        EXPECT_FALSE(hasRow(req, name));
    }
}
