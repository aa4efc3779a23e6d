// The request engine against a real snmpd: GET, GET-NEXT and SET in every
// version, synchronously and asynchronously, table walks, and the failures an
// agent or the network can produce.
#include "EngineTestEnv.h"

#include "mib/QnSNMPVarDesc.h"
#include "snmplib/Snmp.h"

#include <QElapsedTimer>

using namespace enginetest;

namespace {

class Live : public LibraryTest
{
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        ASSERT_TRUE(Agent().ok()) << Agent().error();
    }
};

// Scalars: sysDescr (read), sysObjectID (read), sysContact (read-write).
void MakeSystemScalars(QnSNMPRequest& r)
{
    r.Variables.AddVariable(kSysDescr, "Descr", SYN_DISPLAYSTR, ACC_READONLY);
    r.Variables.AddVariable(kSysObjectID, "ObjectID", SYN_OBJECTID, ACC_READONLY);
    r.Variables.AddVariable(kSysContact, "Contact", SYN_DISPLAYSTR, ACC_READWRITE);
}

// ifTable: ifIndex (pure index), ifDescr, ifType.
void MakeIfTable(QnSNMPRequest& r)
{
    r.Variables.ListKind = MVT_UMV;
    r.Variables.IndexCount = 1;
    r.Variables.AddVariable(kIfEntry + ".1", "Index", SYN_INTEGER, ACC_NOTACCESS);
    r.Variables.AddVariable(kIfEntry + ".2", "Descr", SYN_DISPLAYSTR, ACC_READONLY);
    r.Variables.AddVariable(kIfEntry + ".3", "Type", SYN_INTEGER, ACC_READONLY);
}

// Rows as "index|descr|type".
std::vector<std::string> WalkSync(QnSNMPRequest& r, int limit = 1000)
{
    std::vector<std::string> rows;
    bool more = r.Fetch(true);
    while (more && int(rows.size()) < limit) {
        std::string row;
        for (int i = 0; i < r.Variables.Count(); ++i)
            row += (i ? "|" : "") + r.Variables.Get(i).Value;
        rows.push_back(row);
        more = r.Fetch(false);
    }
    return rows;
}

// An asynchronous walk driven from the completions, as the bindings do.
struct AsyncWalk
{
    QnSNMPRequest* Request = nullptr;
    std::vector<std::string> Rows;
    QnSNMPError Last;
    bool Done = false;
    int Limit = 1000;

    static void Handler(void* context, QnSNMPError* error, QnSNMPVarList* vars)
    {
        auto* self = static_cast<AsyncWalk*>(context);
        self->Last = *error;
        if (error->Code != 0 || error->Finished || int(self->Rows.size()) >= self->Limit) {
            self->Done = true;
            return;
        }
        std::string row;
        for (int i = 0; i < vars->Count(); ++i)
            row += (i ? "|" : "") + vars->Get(i).Value;
        self->Rows.push_back(row);
        self->Request->FetchAsync(&AsyncWalk::Handler, self, false);
    }

    bool Run(QnSNMPRequest& r, int ms = 20000)
    {
        Request = &r;
        r.FetchAsync(&AsyncWalk::Handler, this, true);
        return PumpUntil([this] { return Done; }, ms);
    }
};

} // namespace

TEST_F(Live, ScalarsInEveryVersionSyncAndAsync)
{
    const std::string expectedDescr = WalkValues(kSysDescr + ".0").at(0);
    for (int version : {0, 1, 3}) {
        SCOPED_TRACE("version " + std::to_string(version));
        UseAgent(version);
        QnSNMPRequest r;
        MakeSystemScalars(r);

        // SET, then read it back synchronously.
        const std::string contact = "contact of v" + std::to_string(version);
        r.Variables.Get(2).Value = contact;
        EXPECT_FALSE(r.Store(false));
        r.Variables.Get(2).Value = "";
        EXPECT_FALSE(r.Fetch(true));
        EXPECT_EQ(r.Variables.Get(0).Value, expectedDescr);
        EXPECT_EQ(r.Variables.Get(1).Value.rfind("1.3.6.1.4.1.", 0), 0u) << r.Variables.Get(1).Value;
        EXPECT_EQ(r.Variables.Get(2).Value, contact);
        EXPECT_EQ(r.Variables.Get(2).LastOid, kSysContact + ".0");

        // The same asynchronously.
        const std::string contact2 = contact + " (async)";
        r.Variables.Get(2).Value = contact2;
        Completions done;
        r.StoreAsync(&Completions::Handler, &done, false);
        EXPECT_EQ(r.Outstanding, 1);
        ASSERT_TRUE(PumpUntil([&] { return done.Entries.size() == 1; }, 5000));
        EXPECT_EQ(r.Outstanding, 0);
        EXPECT_EQ(done.Entries[0].Error.Code, 0);
        EXPECT_EQ(done.Entries[0].Error.Text, "(DoDUDE++) Ok!");
        EXPECT_TRUE(done.Entries[0].Error.Finished);
        EXPECT_EQ(done.Entries[0].Error.AgentAddress, "127.0.0.1");
        EXPECT_EQ(done.Entries[0].Error.AgentPort, Agent().port());

        r.Variables.Get(0).Value = r.Variables.Get(2).Value = "";
        r.FetchAsync(&Completions::Handler, &done, true);
        ASSERT_TRUE(PumpUntil([&] { return done.Entries.size() == 2; }, 5000));
        EXPECT_EQ(done.Entries[1].Error.Code, 0);
        EXPECT_TRUE(done.Entries[1].Error.Finished);
        EXPECT_EQ(done.Entries[1].Values.at(0), expectedDescr);
        EXPECT_EQ(done.Entries[1].Values.at(2), contact2);
    }
}

TEST_F(Live, GetNextOnASingleInstanceList)
{
    UseAgent(1);
    QnSNMPRequest r;
    r.Variables.ListKind = MVT_SV;
    r.UseGetNext = true;
    r.Variables.AddVariable(kSysDescr, "Descr", SYN_DISPLAYSTR, ACC_READONLY);
    EXPECT_FALSE(r.Fetch(true));
    EXPECT_EQ(r.Variables.Get(0).Value, WalkValues(kSysDescr + ".0").at(0));
    EXPECT_EQ(r.Variables.Get(0).LastOid, kSysDescr + ".0");
}

TEST_F(Live, WalkOfARealTableToItsEnd)
{
    const std::vector<std::string> descr = WalkValues(kIfEntry + ".2");
    const std::vector<std::string> type = WalkValues(kIfEntry + ".3");
    const std::vector<std::string> index = WalkValues(kIfEntry + ".1");
    ASSERT_FALSE(descr.empty());
    ASSERT_EQ(descr.size(), type.size());
    std::vector<std::string> expected;
    for (size_t i = 0; i < descr.size(); ++i)
        expected.push_back(index.at(i) + "|" + descr[i] + "|" + type[i]);

    for (int version : {0, 1, 3}) {
        SCOPED_TRACE("version " + std::to_string(version));
        UseAgent(version);
        QnSNMPRequest r;
        MakeIfTable(r);
        EXPECT_EQ(WalkSync(r), expected);
        // After the last row both columns ran out.
        EXPECT_EQ(r.Variables.Get(1).Value, "(NOTDONE)");
        EXPECT_EQ(r.Variables.Get(2).Value, "(NOTDONE)");

        QnSNMPRequest a;
        MakeIfTable(a);
        AsyncWalk walk;
        ASSERT_TRUE(walk.Run(a));
        EXPECT_EQ(walk.Rows, expected);
        EXPECT_EQ(walk.Last.Code, 0);
        EXPECT_TRUE(walk.Last.Finished);
    }
}

TEST_F(Live, VersionOneWalkPastTheEndOfTheMibEndsNormally)
{
    // sysORTable is the last table the "sysonly" community can see: the step
    // after its last row gets noSuchName on the OIDs it sent.
    const std::vector<std::string> expected = WalkValues(kSysOREntry + ".3");
    ASSERT_FALSE(expected.empty());
    UseAgent(0);
    DefaultSecurity.ReadCommunity = kSystemOnlyCommunity;
    auto make = [](QnSNMPRequest& r) {
        r.Variables.ListKind = MVT_FMV;
        r.Variables.IndexCount = 1;
        r.Variables.AddVariable(kSysOREntry + ".1", "Index", SYN_INTEGER, ACC_NOTACCESS);
        r.Variables.AddVariable(kSysOREntry + ".3", "Descr", SYN_DISPLAYSTR, ACC_READONLY);
        r.Variables.AddVariable(kSysOREntry + ".4", "UpTime", SYN_TIMETICKS, ACC_READONLY);
    };
    QnSNMPRequest r;
    make(r);
    std::vector<std::string> rows;
    for (std::string row : WalkSync(r))
        rows.push_back(row.substr(row.find('|') + 1, row.rfind('|') - row.find('|') - 1));
    EXPECT_EQ(rows, expected);

    QnSNMPRequest a;
    make(a);
    AsyncWalk walk;
    ASSERT_TRUE(walk.Run(a));
    EXPECT_EQ(walk.Rows.size(), expected.size());
    EXPECT_EQ(walk.Last.Code, 0);
    EXPECT_EQ(walk.Last.Text, "(DoDUDE++) Ok!");
    EXPECT_TRUE(walk.Last.Finished);

    // noSuchName on a scalar GET is an error, not the end of anything.
    QnSNMPRequest s;
    s.Variables.AddVariable("1.3.6.1.2.1.2.1", "ifNumber", SYN_INTEGER, ACC_READONLY);
    std::string text;
    EXPECT_EQ(CodeOf([&] { s.Fetch(true); }, &text), -102);
    EXPECT_EQ(text, "(SNMP) Variable does not exist!");
}

TEST_F(Live, ColumnFollowedByColumnTenIsNotTakenForItsRows)
{
    // Column ...99.1 holds rows 1 and 2 (values 11 and 12); the next OID is
    // ...99.10.5, which belongs to column 10.
    UseAgent(1);
    auto make = [](QnSNMPRequest& r) {
        r.Variables.ListKind = MVT_UMV;
        r.Variables.IndexCount = 1;
        r.Variables.AddVariable(kPassBase + ".0", "Key", SYN_INTEGER, ACC_NOTACCESS);
        r.Variables.AddVariable(kPassBase + ".1", "Value", SYN_INTEGER, ACC_READONLY);
    };
    const std::vector<std::string> expected = {"1|11", "2|12"};
    QnSNMPRequest r;
    make(r);
    EXPECT_EQ(WalkSync(r), expected);

    QnSNMPRequest a;
    make(a);
    AsyncWalk walk;
    ASSERT_TRUE(walk.Run(a));
    EXPECT_EQ(walk.Rows, expected);
}

TEST_F(Live, AgentLoopingOnAColumnEndsTheWalk)
{
    // Column ...99.20 answers 5, then 3, then 5 again, for ever.
    UseAgent(1);
    auto make = [](QnSNMPRequest& r) {
        r.Variables.ListKind = MVT_UMV;
        r.Variables.IndexCount = 1;
        r.Variables.AddVariable(kPassBase + ".20.0", "Key", SYN_INTEGER, ACC_NOTACCESS);
        r.Variables.AddVariable(kPassBase + ".20", "Value", SYN_INTEGER, ACC_READONLY);
    };
    QnSNMPRequest r;
    make(r);
    EXPECT_EQ(WalkSync(r, 50), (std::vector<std::string>{"5|205"}));

    QnSNMPRequest a;
    make(a);
    AsyncWalk walk;
    walk.Limit = 50;
    ASSERT_TRUE(walk.Run(a));
    EXPECT_EQ(walk.Rows, (std::vector<std::string>{"5|205"}));
    EXPECT_EQ(walk.Last.Code, 0);
}

TEST_F(Live, AgentRefusesWrites)
{
    UseAgent(1);
    QnSNMPRequest r;
    r.Variables.AddVariable(kSysDescr, "Descr", SYN_DISPLAYSTR, ACC_READWRITE);
    r.Variables.Get(0).Value = "new description";
    std::string text;
    EXPECT_EQ(CodeOf([&] { r.Store(false); }, &text), -117);
    EXPECT_EQ(text, "(SNMP) Cannot create/set variable, Not Writable!");

    QnSNMPRequest w;
    w.Variables.AddVariable(kSysContact, "Contact", SYN_INTEGER, ACC_READWRITE);
    w.Variables.Get(0).Value = "42";
    EXPECT_EQ(CodeOf([&] { w.Store(false); }, &text), -107);
    EXPECT_EQ(text, "(SNMP) Cannot create/modify variable, Wrong Type!");

    // Asynchronously the code reaches the completion record.
    Completions done;
    w.StoreAsync(&Completions::Handler, &done, false);
    ASSERT_TRUE(PumpUntil([&] { return !done.Entries.empty(); }, 5000));
    EXPECT_EQ(done.Entries[0].Error.Code, -107);
    EXPECT_EQ(done.Entries[0].Error.ErrorIndex, 1);
    EXPECT_TRUE(done.Entries[0].Error.Finished);
    // The read-only community may not write at all.
    DefaultSecurity.WriteCommunity = vntest::Snmpd::ReadCommunity;
    QnSNMPRequest ro;
    ro.Variables.AddVariable(kSysContact, "Contact", SYN_DISPLAYSTR, ACC_READWRITE);
    ro.Variables.Get(0).Value = "x";
    EXPECT_EQ(CodeOf([&] { ro.Store(false); }), -106);
}

TEST_F(Live, SelectionWritesOnlyItsVariablesAndLeavesNoMarks)
{
    UseAgent(1);
    QnSNMPRequest r;
    r.Variables.AddVariable(kSysContact, "Contact", SYN_DISPLAYSTR, ACC_READWRITE);
    r.Variables.AddVariable(kSysName, "Name", SYN_DISPLAYSTR, ACC_READWRITE);
    r.Variables.AddVariable(kSysLocation, "Location", SYN_DISPLAYSTR, ACC_READWRITE);
    r.Variables.Get(0).Value = "contact before";
    r.Variables.Get(1).Value = "name before";
    r.Variables.Get(2).Value = "location before";
    r.Store(false);

    struct Source : ValueSource
    {
        std::string ValueText(int k) const override { return "from source " + std::to_string(k); }
    } source;
    r.Variables.Get(0).Value = "contact changed";
    r.Variables.Get(2).Value = "location changed";
    EXPECT_FALSE(r.Store(false, "1", &source));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(r.Variables.Get(i).Access, uint32_t(ACC_READWRITE)) << i;
    EXPECT_EQ(r.Variables.Get(1).Value, "name before"); // the source's value did not remain

    QnSNMPRequest check;
    check.Variables.AddVariable(kSysContact, "Contact", SYN_DISPLAYSTR, ACC_READONLY);
    check.Variables.AddVariable(kSysName, "Name", SYN_DISPLAYSTR, ACC_READONLY);
    check.Variables.AddVariable(kSysLocation, "Location", SYN_DISPLAYSTR, ACC_READONLY);
    check.Fetch(true);
    EXPECT_EQ(check.Variables.Get(0).Value, "contact before");
    EXPECT_EQ(check.Variables.Get(1).Value, "from source 0");
    EXPECT_EQ(check.Variables.Get(2).Value, "location before");

    // A write that fails keeps no marks either, and a wanted reply is read.
    r.Variables.Get(1).Syntax = SYN_INTEGER;
    r.Variables.Get(1).Value = "1";
    EXPECT_EQ(CodeOf([&] { r.Store(false, "1,2"); }), -107);
    EXPECT_EQ(r.Variables.Get(0).Access, uint32_t(ACC_READWRITE));
    r.Variables.Get(1).Syntax = SYN_DISPLAYSTR;
    r.Variables.Get(1).Value = "name after";
    r.Variables.Get(0).Value = r.Variables.Get(2).Value = "";
    EXPECT_FALSE(r.Store(true, "1"));
    // The reply's bindings are read in the order of the readable variables.
    EXPECT_EQ(r.Variables.Get(0).Value, "name after");
}

TEST_F(Live, VersionThreeCredentials)
{
    struct Case
    {
        const char* user;
        int auth;
        const char* authPass;
        int priv;
        const char* privPass;
        int level;
        int code;
        const char* text;
    };
    const Case cases[] = {
        {"shauser", 3, "shaauthpass", 1, "", 2, 0, "(DoDUDE++) Ok!"},
        {"md5des", 2, "md5authpass", 2, "md5despriv", 3, 0, "(DoDUDE++) Ok!"},
        {"shades", 3, "shaauthpass", 2, "shadespriv", 3, 0, "(DoDUDE++) Ok!"},
        {"shauser", 3, "wrong pass phrase", 1, "", 2, -308, "(SNMPv3USM) Authentication failure!"},
        {"shauser", 3, "shaauthpass", 1, "", 2, 0, "(DoDUDE++) Ok!"}, // right again after a wrong one
        {"nobody", 2, "whatever123", 1, "", 2, -304, "(SNMPv3USM) Unknown SecurityName!"},
        {"md5des", 2, "md5authpass", 9, "md5despriv", 3, -313, "(SNMPv3USM) Unsupported PrivProtocol!"},
    };
    UseAgent(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.user) + " " + c.authPass);
        DefaultSecurity.SecurityName = c.user;
        DefaultSecurity.AuthProtocol = c.auth;
        DefaultSecurity.AuthPassword = c.authPass;
        DefaultSecurity.PrivProtocol = c.priv;
        DefaultSecurity.PrivPassword = c.privPass;
        DefaultSecurity.SecurityLevel = c.level;
        QnSNMPRequest r;
        r.Variables.AddVariable(kSysDescr, "Descr", SYN_DISPLAYSTR, ACC_READONLY);
        std::string text;
        EXPECT_EQ(CodeOf([&] { r.Fetch(true); }, &text), c.code);
        if (c.code != 0) {
            EXPECT_EQ(text, c.text);
        }

        // Asynchronously: the same code in the completion record (or, when
        // nothing can be sent, raised at once).
        Completions done;
        const int raised = CodeOf([&] { r.FetchAsync(&Completions::Handler, &done, true); });
        if (raised != 0) {
            EXPECT_EQ(raised, c.code);
            EXPECT_EQ(r.Outstanding, 0);
            continue;
        }
        ASSERT_TRUE(PumpUntil([&] { return !done.Entries.empty(); }, 5000));
        EXPECT_EQ(done.Entries[0].Error.Code, c.code);
        EXPECT_EQ(done.Entries[0].Error.Text, c.text);
        EXPECT_TRUE(done.Entries[0].Error.Finished);
    }
}

TEST_F(Live, AgentThatDoesNotAnswerTimesOut)
{
    UseAgent(1);
    struct Case
    {
        uint16_t port;
        const char* community;
    };
    const Case cases[] = {{vntest::Snmpd::freeUdpPort(), "public"}, {Agent().port(), "wrong-community"}};
    for (const Case& c : cases) {
        DefaultDevice.Port = c.port;
        DefaultSecurity.ReadCommunity = c.community;
        QnSNMPRequest r;
        r.Timeout = 20; // 0.2 s per try, two tries
        r.Retries = 1;
        r.Variables.AddVariable(kSysDescr, "Descr", SYN_DISPLAYSTR, ACC_READONLY);
        r.Variables.Get(0).Value = "kept";
        QElapsedTimer clock;
        clock.start();
        std::string text;
        EXPECT_EQ(CodeOf([&] { r.Fetch(true); }, &text), -405);
        const qint64 ms = clock.elapsed();
        EXPECT_EQ(text, "(SNMPClass) SNMP request timed out!");
        EXPECT_GE(ms, 380);
        EXPECT_LT(ms, 2000);

        Completions done;
        clock.restart();
        r.FetchAsync(&Completions::Handler, &done, true);
        ASSERT_TRUE(PumpUntil([&] { return !done.Entries.empty(); }, 5000));
        EXPECT_GE(clock.elapsed(), 380);
        EXPECT_EQ(done.Entries[0].Error.Code, -405);
        EXPECT_EQ(done.Entries[0].Error.Text, "(SNMPClass) SNMP request timed out!");
        EXPECT_TRUE(done.Entries[0].Error.Finished);
        EXPECT_EQ(done.Entries[0].Values.at(0), "kept");
    }
}

TEST_F(Live, AddressThatCannotBeUsedFailsBeforeSending)
{
    UseAgent(1);
    DefaultDevice.Address = "10.0.0.300";
    QnSNMPRequest r;
    r.Variables.AddVariable(kSysDescr, "Descr", SYN_DISPLAYSTR, ACC_READWRITE);
    Completions done;
    EXPECT_EQ(CodeOf([&] { r.Fetch(true); }), -509);
    EXPECT_EQ(CodeOf([&] { r.Store(false); }), -509);
    EXPECT_EQ(CodeOf([&] { r.FetchAsync(&Completions::Handler, &done, true); }), -509);
    EXPECT_EQ(CodeOf([&] { r.StoreAsync(&Completions::Handler, &done, false); }), -509);
    EXPECT_EQ(r.Outstanding, 0);
    EXPECT_EQ(GlobalSession->outstanding(), 0);
    PumpFor(50);
    EXPECT_TRUE(done.Entries.empty());
}
