// The request engine's own logic, without an agent: PDUs it builds, row
// indexes, substitution, formulas, conditions and the column test.
#include "EngineTestEnv.h"

#include "mib/QnOptionList.h"
#include "mib/QnSNMPVarDesc.h"
#include "snmplib/Snmp.h"

using namespace enginetest;

namespace {

std::vector<std::string> Oids(const Pdu& pdu)
{
    std::vector<std::string> out;
    for (const Vb& vb : pdu.vbs())
        out.push_back(vb.get_printable_oid());
    return out;
}

// ifTable with ifIndex as a pure index column and two readable columns.
const QnSNMPVarDesc kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr,
     nullptr},
    {"1.3.6.1.2.1.2.2.1.2", "Descr", SYN_DISPLAYSTR, ACC_READONLY, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr},
    {"1.3.6.1.2.1.2.2.1.3", "Type", SYN_INTEGER, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr,
     nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

const QnIntOption kOnOff[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};

class RequestLogic : public ::testing::Test
{
protected:
    void SetUp() override
    {
        request.Security.SecurityLevel = 3;
        request.Scope.ContextName = "vlan1";
        request.Scope.ContextEngineID = "engine";
    }
    QnSNMPRequest request;
};

} // namespace

TEST_F(RequestLogic, ScalarReadCarriesEachOidWithZeroAndTheScope)
{
    request.Variables.AddVariable("1.3.6.1.2.1.1.1", "A", SYN_DISPLAYSTR, ACC_READONLY);
    request.Variables.AddVariable("1.3.6.1.2.1.1.7", "Hidden", SYN_INTEGER, ACC_WRITEONLY);
    request.Variables.AddVariable("1.3.6.1.2.1.1.5", "B", SYN_DISPLAYSTR, ACC_READWRITE);
    request.Variables.Get(0).LastOid = "stale";
    Pdu pdu;
    request.BuildPdu(PDU_FIRST_READ, pdu);
    EXPECT_EQ(Oids(pdu), (std::vector<std::string>{"1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.5.0"}));
    EXPECT_EQ(request.Variables.Get(0).LastOid, "");
    EXPECT_EQ(pdu.get_security_level(), 3);
    EXPECT_EQ(pdu.get_context_name(), OctetStr(std::string("vlan1")));
    EXPECT_EQ(pdu.get_context_engine_id(), OctetStr(std::string("engine")));

    // A next read makes no sense on single values.
    EXPECT_EQ(CodeOf([&] {
                  Pdu next;
                  request.BuildPdu(PDU_NEXT_READ, next);
              }),
              -510);
    request.Variables.ListKind = MVT_SV;
    EXPECT_EQ(CodeOf([&] {
                  Pdu next;
                  request.BuildPdu(PDU_NEXT_READ, next);
              }),
              -510);
}

TEST_F(RequestLogic, InstanceListReadsBaseOidsWithTheInstanceText)
{
    request.Variables.ListKind = MVT_SV;
    request.Variables.AddVariable("1.3.6.1.2.1.10.7.2.1.2", "A", SYN_COUNTER, ACC_READONLY);
    request.Variables.AddVariable("1.3.6.1.2.1.10.7.2.1.3", "B", SYN_COUNTER, ACC_READONLY);
    request.Variables.InstanceText = "3";
    Pdu pdu;
    request.BuildPdu(PDU_FIRST_READ, pdu);
    EXPECT_EQ(Oids(pdu), (std::vector<std::string>{"1.3.6.1.2.1.10.7.2.1.2.3", "1.3.6.1.2.1.10.7.2.1.3.3"}));
}

TEST_F(RequestLogic, TableReadsColumnsThenLastOidsAndWritesTheRow)
{
    request.Variables = QnSNMPVarList(kIfTable, MVT_UMV, 1);
    Pdu first;
    request.BuildPdu(PDU_FIRST_READ, first);
    EXPECT_EQ(Oids(first), (std::vector<std::string>{"1.3.6.1.2.1.2.2.1.2", "1.3.6.1.2.1.2.2.1.3"}));

    request.Variables.Get(1).LastOid = "1.3.6.1.2.1.2.2.1.2.5";
    request.Variables.Get(2).LastOid = "1.3.6.1.2.1.2.2.1.3.5";
    Pdu next;
    request.BuildPdu(PDU_NEXT_READ, next);
    EXPECT_EQ(Oids(next), (std::vector<std::string>{"1.3.6.1.2.1.2.2.1.2.5", "1.3.6.1.2.1.2.2.1.3.5"}));

    // A write leaves out the key and what is not writable, and addresses the
    // row of the key's value.
    request.Variables.Get(0).Value = "5";
    request.Variables.Get(2).Value = "6";
    Pdu write;
    request.BuildPdu(PDU_WRITE, write);
    ASSERT_EQ(Oids(write), (std::vector<std::string>{"1.3.6.1.2.1.2.2.1.3.5"}));
    EXPECT_EQ(write[0].get_syntax(), sNMP_SYNTAX_INT);
    EXPECT_EQ(write[0].get_int32(), 6);

    request.Variables.ListKind = 7;
    EXPECT_EQ(CodeOf([&] {
                  Pdu bad;
                  request.BuildPdu(PDU_WRITE, bad);
              }),
              -515);
}

TEST_F(RequestLogic, ComposeAndDistributeIndex)
{
    request.Variables.ListKind = MVT_UMV;
    request.Variables.IndexCount = 2;
    request.Variables.AddVariable("1.3.6.1.4.1.98762.1.1.1", "Port", SYN_INTEGER, ACC_NOTACCESS);
    request.Variables.AddVariable("1.3.6.1.4.1.98762.1.1.2", "Addr", SYN_IPADDRESS, ACC_READONLY);
    request.Variables.AddVariable("1.3.6.1.4.1.98762.1.1.3", "Value", SYN_INTEGER, ACC_READWRITE);

    request.DistributeIndex("7.10.0.0.1");
    EXPECT_EQ(request.Variables.Get(0).Value, "7");
    EXPECT_EQ(request.Variables.Get(1).Value, "10.0.0.1");
    // A pure index column remembers the row it was decoded from.
    EXPECT_EQ(request.Variables.Get(0).LastOid, "1.3.6.1.4.1.98762.1.1.1.7.10.0.0.1");
    EXPECT_EQ(request.ComposeIndex(), "7.10.0.0.1");

    // Fewer parts than keys.
    request.Variables.IndexCount = 3;
    std::string text;
    EXPECT_EQ(CodeOf([&] { request.DistributeIndex("1.2.3.4.5"); }, &text), -514);
    EXPECT_EQ(text, "(DoDUDE++) Bad key count of SNMP variable list!");

    // An index count beyond the variables is refused, not read past the end.
    request.Variables.IndexCount = 5;
    EXPECT_EQ(CodeOf([&] { request.ComposeIndex(); }), -514);

    request.Variables.IndexCount = 0;
    EXPECT_EQ(request.ComposeIndex(), "");
}

TEST_F(RequestLogic, DistributeIndexRunsOutOfParts)
{
    request.Variables.ListKind = MVT_FMV;
    request.Variables.IndexCount = 3;
    for (int i = 0; i < 3; ++i)
        request.Variables.AddVariable("1.3.6.1.4.1.98762.2.1." + std::to_string(i + 1), "K", SYN_INTEGER,
                                      ACC_NOTACCESS);
    EXPECT_EQ(CodeOf([&] { request.DistributeIndex("1.2"); }), -514);
    EXPECT_EQ(request.Variables.Get(0).Value, "1");
    EXPECT_EQ(request.Variables.Get(1).Value, "2");
}

TEST_F(RequestLogic, SubstituteBySyntax)
{
    auto& vars = request.Variables;
    vars.AddVariable("1.1", "int", SYN_INTEGER, ACC_READWRITE);       // 0
    vars.AddVariable("1.2", "int", SYN_INTEGER, ACC_READWRITE);       // 1
    vars.AddVariable("1.3", "bool", SYN_BOOLEAN, ACC_READWRITE);      // 2
    vars.AddVariable("1.4", "ticks", SYN_TIMETICKS, ACC_READWRITE);   // 3
    vars.AddVariable("1.5", "text", SYN_DISPLAYSTR, ACC_READWRITE);   // 4
    vars.AddVariable("1.6", "opt", SYN_INTEGER, ACC_READWRITE);       // 5
    vars.AddVariable("1.7", "counter", SYN_COUNTER64, ACC_READWRITE); // 6
    vars.Get(0).Value = "3";
    vars.Get(1).Value = "4";
    vars.Get(2).Value = "true";
    vars.Get(3).Value = "0:01:00.05";
    vars.Get(4).Value = "abc";
    static const QnOptionList options(kOnOff);
    vars.Get(5).Options = &options;
    vars.Get(5).Value = "disabled";
    vars.Get(6).Value = "18446744073709551615";

    struct Case
    {
        const char* text;
        bool quote;
        const char* expected;
    };
    const Case cases[] = {
        {"$0+$1", false, "3+4"},
        {"$2", false, "1"},
        {"$3*2", false, "6005*2"},
        {"$4=\"abc\"", true, "\"abc\"=\"abc\""},
        {"$5", false, "2"},
        {"$6", false, "18446744073709551615"},
        {"no marker", false, "no marker"},
        {"cost $ 5", false, "cost $ 5"}, // a marker without a position stays
        {"$1$0", false, "43"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(request.Substitute(c.text, "$", c.quote), c.expected) << c.text;

    vars.Get(2).Value = "True";
    EXPECT_EQ(request.Substitute("$2", "$", false), "0");

    std::string text;
    EXPECT_EQ(CodeOf([&] { request.Substitute("$4", "$", false); }, &text), -513);
    EXPECT_EQ(text, "(DoDUDE++) Bad SNMP syntax in the expression!");
    vars.Get(1).Value = "(NULL)";
    EXPECT_EQ(CodeOf([&] { request.Substitute("$0+$1", "$", false); }, &text), -512);
    EXPECT_EQ(text, "(DoDUDE++) Null value in the expression!");
    // A position beyond the list is refused instead of read past its end.
    EXPECT_EQ(CodeOf([&] { request.Substitute("$7", "$", false); }), -12);
    EXPECT_EQ(CodeOf([&] { request.Substitute("$99999999999999999999", "$", false); }), -12);
}

TEST_F(RequestLogic, SubstituteDoesNotExpandMarkersInsideValues)
{
    auto& vars = request.Variables;
    vars.AddVariable("1.1", "self", SYN_DISPLAYSTR, ACC_READWRITE);
    vars.AddVariable("1.2", "other", SYN_DISPLAYSTR, ACC_READWRITE);
    vars.Get(0).Value = "$0$0";
    vars.Get(1).Value = "$0";
    // Each reference is replaced once; the inserted texts stay as they are.
    EXPECT_EQ(request.Substitute("$0|$1", "$", true), "\"$0$0\"|\"$0\"");
}

TEST_F(RequestLogic, FormulasAndConditions)
{
    auto& vars = request.Variables;
    vars.AddVariable("1.1", "a", SYN_INTEGER, ACC_READWRITE, nullptr, "$0*10", "$0-1");
    vars.AddVariable("1.2", "b", SYN_TIMETICKS, ACC_READWRITE, nullptr, "$0+100");
    vars.AddVariable("1.3", "c", SYN_BOOLEAN, ACC_READWRITE, nullptr, "$0-7");
    static const QnOptionList options(kOnOff);
    vars.AddVariable("1.4", "d", SYN_INTEGER, ACC_READWRITE, &options, "$0/7");
    vars.AddVariable("1.5", "e", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, "1");
    vars.AddVariable("1.6", "f", SYN_COUNTER, ACC_READWRITE, nullptr, "0-$0");
    vars.Get(0).Value = "7";

    request.ApplyFormula(1, true);
    EXPECT_EQ(vars.Get(1).Value, "0:00:01.07");
    request.ApplyFormula(2, true);
    EXPECT_EQ(vars.Get(2).Value, "false");
    request.ApplyFormula(3, true);
    EXPECT_EQ(vars.Get(3).Value, "enabled");
    EXPECT_EQ(CodeOf([&] { request.ApplyFormula(4, true); }), -513);
    request.ApplyFormula(5, true);
    EXPECT_EQ(vars.Get(5).Value, "4294967289");
    request.ApplyFormula(0, false);
    EXPECT_EQ(vars.Get(0).Value, "6");
    request.ApplyFormula(0, true);
    EXPECT_EQ(vars.Get(0).Value, "60");
    // Without a write formula nothing changes.
    request.ApplyFormula(1, false);
    EXPECT_EQ(vars.Get(1).Value, "0:00:01.07");

    EXPECT_TRUE(request.TestCondition(""));
    EXPECT_TRUE(request.TestRowCondition());
    vars.Get(4).Value = "up";
    EXPECT_TRUE(request.TestCondition("$4=\"up\""));
    EXPECT_FALSE(request.TestCondition("$4=\"down\""));
    request.RowCondition = "$0=60&$4<>\"down\"";
    EXPECT_TRUE(request.TestRowCondition());
}

TEST_F(RequestLogic, ColumnTestComparesWholeSubIdentifiers)
{
    const std::string base = "1.3.6.1.4.1.98762.99.1";
    request.Variables.ListKind = MVT_UMV;
    struct Case
    {
        std::string last;
        std::string returned;
        bool outside;
    };
    const std::vector<Case> cases = {
        {"", base + ".1", false},
        {base + ".1", base + ".2", false},
        {base + ".2", base + "0.5", true},     // ...99.10.5 is another column
        {base + ".2", base + "1", true},       // ...99.11
        {"", base, true},                      // the base itself is no row
        {base + ".", base + ".", true},        // nothing after the dot
        {base + ".2", base + ".2", true},      // the same OID again
        {base + ".5", base + ".3", true},      // does not increase
        {base + ".5.1", base + ".5", true},    // a prefix of the last one is smaller
        {base + ".9", base + ".10", false},    // numeric, not character order
        {base + ".10", base + ".9", true},     // ... both ways
        {"1.3.6.1.4.1.2", base + ".1", false}, // last outside the column: no order
        {base + ".2", "1.3.6.1.4.1.98762.99.2.1", true},
        {base + ".2", "", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(request.IsOutsideColumn(base, c.last, c.returned), c.outside)
            << c.last << " -> " << c.returned;

    // Single-instance lists never leave a column.
    request.Variables.ListKind = SVT_SV;
    EXPECT_FALSE(request.IsOutsideColumn(base, "", "9.9"));
    request.Variables.ListKind = MVT_SV;
    EXPECT_FALSE(request.IsOutsideColumn(base, "", "9.9"));
}

TEST_F(RequestLogic, NothingIsSentOnceDisabled)
{
    request.Variables.AddVariable("1.3.6.1.2.1.1.1", "A", SYN_DISPLAYSTR, ACC_READWRITE);
    // The address cannot be used: any attempt to send would raise -509.
    request.Device.Address = "10.0.0.300";
    EXPECT_EQ(CodeOf([&] { request.Fetch(true); }), -509);
    request.Enabled = false;
    bool called = false;
    EXPECT_FALSE(request.Fetch(true));
    EXPECT_FALSE(request.Store(true));
    request.FetchAsync([](void* c, QnSNMPError*, QnSNMPVarList*) { *static_cast<bool*>(c) = true; }, &called,
                       true);
    request.StoreAsync([](void* c, QnSNMPError*, QnSNMPVarList*) { *static_cast<bool*>(c) = true; }, &called,
                       false);
    EXPECT_EQ(request.Outstanding, 0);
    EXPECT_FALSE(called);
}
