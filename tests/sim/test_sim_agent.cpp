// The simulated switch as an SNMP agent, seen through net-snmp's own tools:
// versions and credentials, reads in OID order, GETBULK, writes with their
// errors and all-or-nothing outcome, row creation and deletion, the live LED
// string, the SNMPv3 framework tables, and bad packets.
#include "SimHarness.h"

#include <gmock/gmock.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <map>
#include <regex>

using namespace simtest;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";
const std::string kSysName = "1.3.6.1.2.1.1.5.0";
const std::string kVlanStatic = "1.3.6.1.2.1.17.7.1.4.3.1";
const std::string kLed = "1.3.6.1.4.1.98762.11.63.6.2.1.1.5.0";

class SimAgent : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(sim.Start()) << sim.Output(); }
    // Every test ends with a clean shutdown: exit code 0 and nothing printed after the
    // listening line (a sanitizer's report at exit would show here).
    void TearDown() override
    {
        EXPECT_EQ(sim.Stop(), 0);
        const std::string& out = sim.Output();
        EXPECT_EQ(out.substr(out.find('\n') + 1), "");
    }

    // The value of one object (quick, value-only output), trimmed.
    std::string Get(const std::string& auth, const std::string& oid)
    {
        auto r = Shell(sim.Tool("snmpget", auth, "-Oqv " + oid));
        std::string v = r.output;
        while (!v.empty() && (v.back() == '\n' || v.back() == ' '))
            v.pop_back();
        return v;
    }
    RunResult Set(const std::string& auth, const std::string& rest)
    {
        return Shell(sim.Tool("snmpset", auth, rest));
    }
    // "OID = value" lines of a walk.
    std::vector<std::string> Walk(const std::string& tool, const std::string& auth, const std::string& oid)
    {
        auto r = Shell(sim.Tool(tool, auth, oid));
        std::vector<std::string> lines;
        std::stringstream ss(r.output);
        std::string line;
        while (std::getline(ss, line))
            if (!line.empty() && line[0] == '.' && line.find("No more variables") == std::string::npos)
                lines.push_back(line);
        return lines;
    }
    std::vector<int> LedBytes()
    {
        auto r = Shell(sim.Tool("snmpget", V2, "-Oqvx " + kLed));
        std::vector<int> bytes;
        std::replace(r.output.begin(), r.output.end(), '"', ' ');
        std::stringstream ss(r.output);
        std::string tok;
        while (ss >> tok)
            bytes.push_back(std::stoi(tok, nullptr, 16));
        return bytes;
    }

    Sim sim;
};

std::vector<unsigned long> OidOf(const std::string& line)
{
    std::vector<unsigned long> o;
    std::stringstream ss(line.substr(1, line.find(' ') - 1));
    std::string part;
    while (std::getline(ss, part, '.'))
        o.push_back(std::stoul(part));
    return o;
}

TEST_F(SimAgent, AnswersEveryVersionAndSecurityLevel)
{
    const std::string descr = Get(V2, kSysDescr);
    EXPECT_THAT(descr, HasSubstr("VN-2400"));
    const std::vector<std::string> auths = {
        "-v1 -c public",
        "-v1 -c wombat",
        "-v2c -c kestrel",
        "-v3 -l authNoPriv -u md5user -a MD5 -A md5password",
        "-v3 -l authNoPriv -u shauser -a SHA -A shapassword",
        "-v3 -l authPriv -u md5des -a MD5 -A md5password -x DES -X despassword",
        "-v3 -l authPriv -u shades -a SHA -A shapassword -x DES -X despassword",
    };
    for (auto& auth : auths)
        EXPECT_EQ(Get(auth, kSysDescr), descr) << auth;
}

TEST_F(SimAgent, RefusesUnknownCredentials)
{
    // An unknown community is dropped: the manager times out.
    auto r = Shell(sim.Tool("snmpget", "-v2c -c nosuch", kSysDescr, "-t 0.3 -r 0"));
    EXPECT_NE(r.status, 0);
    EXPECT_THAT(r.output, HasSubstr("Timeout"));
    // A wrong authentication pass phrase and an unknown user are reported.
    r = Shell(sim.Tool("snmpget", "-v3 -l authNoPriv -u shauser -a SHA -A wrongpassword", kSysDescr));
    EXPECT_NE(r.status, 0);
    EXPECT_THAT(r.output, HasSubstr("Authentication failure"));
    r = Shell(sim.Tool("snmpget", "-v3 -l authNoPriv -u nobody -a SHA -A shapassword", kSysDescr));
    EXPECT_THAT(r.output, HasSubstr("Unknown user name"));
    // A privacy user asked for less than privacy is refused by the access rules.
    r = Shell(sim.Tool("snmpget", "-v3 -l authNoPriv -u shades -a SHA -A shapassword", kSysDescr));
    EXPECT_THAT(r.output, Not(HasSubstr("VN-2400")));
    // The read community cannot write.
    r = Set(V2, kSysName + " s renamed");
    EXPECT_NE(r.status, 0);
    EXPECT_THAT(r.output, HasSubstr("noAccess"));
}

TEST_F(SimAgent, ReadsInOidOrderWithTheRightErrors)
{
    auto r = Shell(sim.Tool("snmpgetnext", V2, "1.3.6.1.2.1.1.1.0 1.3.6.1.2.1.17.7.1.4.3.1.1.10"));
    EXPECT_THAT(r.output, HasSubstr(".1.3.6.1.2.1.1.2.0 = OID: .1.3.6.1.4.1.98762.10.2400.1"));
    EXPECT_THAT(r.output, HasSubstr(".1.3.6.1.2.1.17.7.1.4.3.1.1.20 = STRING: \"engineering\""));

    // A whole walk of the device increases strictly and agrees with a GET of each object.
    auto lines = Walk("snmpwalk", V2, ".1");
    ASSERT_GT(lines.size(), 5000u);
    for (size_t i = 1; i < lines.size(); ++i)
        ASSERT_LT(OidOf(lines[i - 1]), OidOf(lines[i])) << lines[i - 1] << " / " << lines[i];
    for (size_t i = 0; i < lines.size(); i += 997) {
        std::string oid = lines[i].substr(0, lines[i].find(' '));
        if (oid == ".1.3.6.1.2.1.1.3.0" || oid.rfind(".1.3.6.1.6.3", 0) == 0 ||
            lines[i].find("Counter") != std::string::npos)
            continue; // the clock, the engine and the traffic counters move
        auto g = Shell(sim.Tool("snmpget", V2, oid));
        EXPECT_THAT(g.output, HasSubstr(lines[i])) << oid;
    }

    // Missing objects: noSuchInstance or noSuchObject in v2c, noSuchName in v1.
    r = Shell(sim.Tool("snmpget", V2, "1.3.6.1.2.1.1.5.1 1.3.6.1.4.1.98762.99.1.0"));
    EXPECT_THAT(r.output, HasSubstr(".1.3.6.1.2.1.1.5.1 = No Such Instance"));
    EXPECT_THAT(r.output, HasSubstr(".1.3.6.1.4.1.98762.99.1.0 = No Such Object"));
    r = Shell(sim.Tool("snmpget", V1, "1.3.6.1.2.1.1.5.1"));
    EXPECT_THAT(r.output, HasSubstr("noSuchName"));
    // The end of the MIB view.
    r = Shell(sim.Tool("snmpgetnext", V2, "1.3.6.1.6.3.18.1.99"));
    EXPECT_THAT(r.output, HasSubstr("No more variables left in this MIB View"));
    r = Shell(sim.Tool("snmpgetnext", V1, "1.3.6.1.6.3.18.1.99"));
    EXPECT_THAT(r.output, HasSubstr("noSuchName"));
    // A v1 walk ends cleanly and skips nothing v1 can carry.
    auto v1 = Walk("snmpwalk", V1, "1.3.6.1.2.1.17.7");
    auto v2 = Walk("snmpwalk", V2, "1.3.6.1.2.1.17.7");
    EXPECT_EQ(v1, v2);
}

TEST_F(SimAgent, GetBulkAnswersWhatGetNextWould)
{
    auto bulk = Walk("snmpbulkwalk", "-v2c -c public -Cr7", "1.3.6.1.2.1.17");
    auto next = Walk("snmpwalk", V2, "1.3.6.1.2.1.17");
    ASSERT_GT(next.size(), 100u);
    EXPECT_EQ(bulk, next);
    // Non-repeaters and repetitions in one request.
    auto r =
        Shell(sim.Tool("snmpbulkget", "-v2c -c public -Cn1 -Cr3", "1.3.6.1.2.1.1.4.0 " + kVlanStatic + ".1"));
    auto lines = std::vector<std::string>();
    std::stringstream ss(r.output);
    std::string line;
    while (std::getline(ss, line))
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 4u) << r.output;
    EXPECT_THAT(lines[0], HasSubstr(".1.3.6.1.2.1.1.5.0 = STRING: \"vn2400-lab-01\""));
    EXPECT_THAT(lines[1], HasSubstr(kVlanStatic + ".1.1 = STRING: \"default\""));
    EXPECT_THAT(lines[3], HasSubstr(kVlanStatic + ".1.20 = STRING: \"engineering\""));
    // v3 with privacy too.
    auto v3 = Walk("snmpbulkwalk", "-v3 -l authPriv -u shades -a SHA -A shapassword -x DES -X despassword",
                   "1.3.6.1.2.1.17.7.1.4");
    EXPECT_EQ(v3, Walk("snmpwalk", V2, "1.3.6.1.2.1.17.7.1.4"));
}

TEST_F(SimAgent, SetChecksTypeAccessAndValue)
{
    ASSERT_EQ(Set(V2W, kSysName + " s renamed").status, 0);
    EXPECT_EQ(Get(V2, kSysName), "\"renamed\"");

    struct Case
    {
        std::string auth, varbinds, v2Error;
    };
    const std::vector<Case> cases = {
        {V2W, kSysDescr + " s x", "notWritable"},
        {V2W, kSysName + " i 3", "wrongType"},
        {V2W, "1.3.6.1.2.1.1.5.7 s x", "noCreation"},
        {V2W, "1.3.6.1.4.1.98762.99.1.0 i 1", "noCreation"},
        {V2W, "1.3.6.1.2.1.17.7.1.1.5.0 i 7", "wrongValue"},   // GVRP status: 1 or 2
        {V2W, "1.3.6.1.2.1.17.4.2.0 i 5", "wrongValue"},       // aging time 10..1000000
        {V2W, kVlanStatic + ".2.10 x 0003", "wrongLength"},    // port lists are 8 octets
        {V2W, kVlanStatic + ".5.10 i 4", "inconsistentValue"}, // the row exists
        {V2W, kVlanStatic + ".5.77 i 1", "inconsistentValue"}, // active for no row
        {V2W, kVlanStatic + ".1.77 s orphan", "noCreation"},   // a column of no row
        {V2W, kVlanStatic + ".5.10 i 3", "wrongValue"},        // notReady is not writable
        {V1W, kSysDescr + " s x", "noSuchName"},               // v1 names of the same
        {V1W, kSysName + " i 3", "badValue"},
    };
    for (auto& c : cases) {
        auto r = Set(c.auth, c.varbinds);
        EXPECT_NE(r.status, 0) << c.varbinds;
        EXPECT_THAT(r.output, HasSubstr(c.v2Error)) << c.varbinds;
    }
    EXPECT_EQ(Get(V2, kSysName), "\"renamed\"");
    EXPECT_EQ(Get(V2, kVlanStatic + ".1.77"), "No Such Instance currently exists at this OID");
}

TEST_F(SimAgent, AFailedVarbindLeavesNothingChanged)
{
    // The first varbind is fine, the last is not: nothing is written, no row appears.
    auto r = Set(V2W, kSysName + " s half-done " + kVlanStatic + ".5.30 i 4 " + kVlanStatic +
                          ".1.30 s thirty " + "1.3.6.1.2.1.17.7.1.1.5.0 i 9");
    EXPECT_THAT(r.output, HasSubstr("wrongValue"));
    EXPECT_EQ(Get(V2, kSysName), "\"vn2400-lab-01\"");
    EXPECT_THAT(Walk("snmpwalk", V2, kVlanStatic + ".5"), Not(::testing::Contains(HasSubstr(".5.30 ="))));
    // An error in one of net-snmp's own modules in the same request leaves our part unwritten too.
    r = Set(V2W, kSysName + " s undone 1.3.6.1.6.3.15.1.2.2.1.4.1.1.1 o 1.3.6.1.6.3.15.1.2.2.1.4.1.1.1");
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(Get(V2, kSysName), "\"vn2400-lab-01\"");
}

TEST_F(SimAgent, RowStatusCreatesWithDefaultsAndDestroys)
{
    // createAndGo with one column: the others take their defaults, the row is active.
    ASSERT_EQ(Set(V2W, kVlanStatic + ".2.30 x 0000000000000003 " + kVlanStatic + ".5.30 i 4").status, 0);
    auto row = Walk("snmpwalk", V2, kVlanStatic);
    std::vector<std::string> thirty;
    for (auto& l : row)
        if (l.find(kVlanStatic.substr(1) + ".") != std::string::npos && l.find(".30 = ") != std::string::npos)
            thirty.push_back(l);
    const std::vector<std::string> expected = {
        "." + kVlanStatic + ".1.30 = \"\"",
        "." + kVlanStatic + ".2.30 = Hex-STRING: 00 00 00 00 00 00 00 03 ",
        "." + kVlanStatic + ".3.30 = Hex-STRING: 00 00 00 00 00 00 00 00 ",
        "." + kVlanStatic + ".4.30 = Hex-STRING: 00 00 00 00 00 00 00 00 ",
        "." + kVlanStatic + ".5.30 = INTEGER: 1",
    };
    EXPECT_EQ(thirty, expected);

    // notInService and active are kept; destroy removes every column of the row, even
    // when the write carries the other columns too.
    ASSERT_EQ(Set(V2W, kVlanStatic + ".5.30 i 2").status, 0);
    EXPECT_EQ(Get(V2, kVlanStatic + ".5.30"), "2");
    ASSERT_EQ(Set(V2W, kVlanStatic + ".1.30 s thirty " + kVlanStatic + ".5.30 i 6").status, 0);
    for (auto& l : Walk("snmpwalk", V2, kVlanStatic))
        EXPECT_EQ(l.find(".30 = "), std::string::npos) << l;
    // Destroying a row that is not there is no error.
    EXPECT_EQ(Set(V2W, kVlanStatic + ".5.30 i 6").status, 0);

    // createAndWait leaves the row notInService until it is made active.
    ASSERT_EQ(Set(V2W, kVlanStatic + ".5.40 i 5 " + kVlanStatic + ".1.40 s forty").status, 0);
    EXPECT_EQ(Get(V2, kVlanStatic + ".5.40"), "2");
    EXPECT_EQ(Get(V2, kVlanStatic + ".1.40"), "\"forty\"");
    ASSERT_EQ(Set(V2W, kVlanStatic + ".5.40 i 1").status, 0);
    EXPECT_EQ(Get(V2, kVlanStatic + ".5.40"), "1");

    // In v3 and v1 as well; a readable index column takes the row's index.
    const std::string trunk = "1.3.6.1.4.1.98762.11.63.6.2.4.3.1";
    ASSERT_EQ(Set("-v3 -l authPriv -u md5des -a MD5 -A md5password -x DES -X despassword",
                  trunk + ".3.2 x 0000000000000007 " + trunk + ".2.2 i 1 " + trunk + ".6.2 i 4")
                  .status,
              0);
    EXPECT_EQ(Get(V2, trunk + ".1.2"), "2");
    EXPECT_EQ(Get(V2, trunk + ".2.2"), "1");
    ASSERT_EQ(Set(V1W, trunk + ".6.2 i 6").status, 0);
    EXPECT_EQ(Get(V2, trunk + ".1.2"), "No Such Instance currently exists at this OID");
}

TEST_F(SimAgent, CurrentVlansFollowTheStaticOnes)
{
    const std::string current = "1.3.6.1.2.1.17.7.1.4.2.1";
    ASSERT_EQ(Set(V2W, kVlanStatic + ".5.30 i 4 " + kVlanStatic + ".2.30 x 0000000000000300 " + kVlanStatic +
                           ".4.30 x 0000000000000100")
                  .status,
              0);
    EXPECT_EQ(Get(V2, current + ".4.0.30"), "\"00 00 00 00 00 00 03 00 \"");
    EXPECT_EQ(Get(V2, current + ".5.0.30"), "\"00 00 00 00 00 00 01 00 \"");
    EXPECT_EQ(Get(V2, "1.3.6.1.2.1.17.7.1.1.4.0"), "5");
    ASSERT_EQ(Set(V2W, kVlanStatic + ".5.10 i 6").status, 0);
    EXPECT_EQ(Get(V2, current + ".3.0.10"), "No Such Instance currently exists at this OID");
    EXPECT_EQ(Get(V2, "1.3.6.1.2.1.17.7.1.1.4.0"), "4");
    EXPECT_EQ(Get(V2, "1.3.6.1.2.1.17.7.1.4.1.0"), "1"); // dot1qVlanNumDeletes
    // A VLAN taken out of service leaves the current table until it is active again.
    ASSERT_EQ(Set(V2W, kVlanStatic + ".5.20 i 2").status, 0);
    EXPECT_EQ(Get(V2, current + ".3.0.20"), "No Such Instance currently exists at this OID");
    ASSERT_EQ(Set(V2W, kVlanStatic + ".5.20 i 1").status, 0);
    EXPECT_EQ(Get(V2, current + ".3.0.20"), "20");
}

TEST_F(SimAgent, StatusColumnsThatAreNotRowStatusCreateAndDelete)
{
    // Q-BRIDGE static unicast entries: a write of permanent(3) creates, invalid(2) deletes.
    const std::string uni = "1.3.6.1.2.1.17.7.1.3.1.1";
    const std::string inst = ".20.0.12.41.17.32.99.0";
    ASSERT_EQ(Set(V2W, uni + ".3" + inst + " x 0000000000000010 " + uni + ".4" + inst + " i 3").status, 0);
    EXPECT_EQ(Get(V2, uni + ".4" + inst), "3");
    ASSERT_EQ(Set(V2W, uni + ".4" + inst + " i 2").status, 0);
    EXPECT_EQ(Get(V2, uni + ".3" + inst), "No Such Instance currently exists at this OID");
}

TEST_F(SimAgent, FrontPanelLedsFollowThePorts)
{
    auto led = LedBytes();
    ASSERT_EQ(led.size(), 58u);
    EXPECT_EQ(std::count(led.begin(), led.end(), 0), 0) << "a zero byte would end the string";
    EXPECT_EQ(led[0], 0x02); // power green
    auto link = [&](const std::vector<int>& b, int port) { return b[2 + 2 * (port - 1)]; };
    auto colour = [&](const std::vector<int>& b, int port) { return b[3 + 2 * (port - 1)]; };
    EXPECT_EQ(link(led, 1) & 0x7F, 0x02); // port 1 has a link
    EXPECT_EQ(colour(led, 1), 0x02);      // at 1 Gbit/s
    EXPECT_EQ(colour(led, 5), 0x04);      // port 5 runs at 100 Mbit/s
    EXPECT_EQ(link(led, 13), 0x01);       // nothing plugged into port 13
    EXPECT_EQ(link(led, 22), 0x01);       // port 22 is disabled
    int busy = 0;
    for (int p = 1; p <= 28; ++p)
        busy += (link(led, p) & 0x80) ? 1 : 0;
    EXPECT_GT(busy, 0);

    // Disabling a port by either of its admin states shows it as link down.
    ASSERT_EQ(Set(V2W, "1.3.6.1.2.1.2.2.1.7.1 i 2").status, 0);
    ASSERT_EQ(Set(V2W, "1.3.6.1.4.1.98762.11.63.6.2.2.2.1.3.2.100 i 2").status, 0);
    led = LedBytes();
    EXPECT_EQ(link(led, 1), 0x01);
    EXPECT_EQ(link(led, 2), 0x01);
    EXPECT_EQ(link(led, 3) & 0x7F, 0x02);

    // The activity bits change over time.
    auto first = LedBytes();
    bool changed = false;
    for (int i = 0; i < 16 && !changed; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        changed = LedBytes() != first;
    }
    EXPECT_TRUE(changed);
}

TEST_F(SimAgent, TrafficCountersGrowOnPortsWithALink)
{
    // ifInOctets, ifHCInOctets and ifInErrors of port 1 (link) and port 13 (no link).
    const std::string oids = "1.3.6.1.2.1.2.2.1.10.1 1.3.6.1.2.1.31.1.1.1.6.1 1.3.6.1.2.1.2.2.1.14.1 "
                             "1.3.6.1.2.1.2.2.1.10.13";
    auto read = [&] {
        std::vector<unsigned long long> v;
        std::stringstream ss(Shell(sim.Tool("snmpget", V2, "-Oqv " + oids)).output);
        std::string line;
        while (std::getline(ss, line))
            v.push_back(std::stoull(line));
        return v;
    };
    auto first = read();
    ASSERT_EQ(first.size(), 4u);
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    auto second = read();
    ASSERT_EQ(second.size(), 4u);
    EXPECT_NE(first[0], second[0]); // Counter32 may wrap, but it moves
    EXPECT_GT(second[1], first[1]);
    EXPECT_EQ(second[2], first[2]); // errors stay put
    EXPECT_EQ(second[3], first[3]); // no link, no traffic
}

TEST_F(SimAgent, ServesTheSnmpV3FrameworkAndCommunityTables)
{
    auto engine = Walk("snmpwalk", V2, "1.3.6.1.6.3.10.2.1");
    ASSERT_EQ(engine.size(), 4u);
    EXPECT_THAT(engine[1], HasSubstr(".1.3.6.1.6.3.10.2.1.2.0 = INTEGER: 1")); // first boot in a new state
    auto users = Walk("snmpwalk", V2, "1.3.6.1.6.3.15.1.2.2.1.3");
    EXPECT_EQ(users.size(), 4u);
    EXPECT_FALSE(Walk("snmpwalk", V2, "1.3.6.1.6.3.16.1.2.1").empty()); // security-to-group
    EXPECT_FALSE(Walk("snmpwalk", V2, "1.3.6.1.6.3.16.1.4.1").empty()); // access
    auto communities = Walk("snmpwalk", V2, "1.3.6.1.6.3.18.1.1.1.2");
    ASSERT_EQ(communities.size(), 4u);
    EXPECT_THAT(communities[2], HasSubstr("STRING: \"public\""));
    // A v3 user reads and writes the target tables net-snmp serves.
    const std::string params = "1.3.6.1.6.3.12.1.3.1";
    const std::string v3 = "-v3 -l authPriv -u shades -a SHA -A shapassword -x DES -X despassword";
    auto r = Set(v3, params + ".2.116.49 i 3 " + params + ".3.116.49 i 3 " + params + ".4.116.49 s shades " +
                         params + ".5.116.49 i 3 " + params + ".7.116.49 i 4");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(Get(V2, params + ".5.116.49"), "3");
}

TEST_F(SimAgent, TablesReadWithSnmptable)
{
    std::string dir = TempDir();
    std::ofstream(dir + "/VNSIM-TEST-MIB.txt") << R"(VNSIM-TEST-MIB DEFINITIONS ::= BEGIN
vlanStaticTable OBJECT-TYPE SYNTAX SEQUENCE OF VlanStaticEntry MAX-ACCESS not-accessible
    STATUS current DESCRIPTION "static VLANs" ::= { iso 3 6 1 2 1 17 7 1 4 3 }
vlanStaticEntry OBJECT-TYPE SYNTAX VlanStaticEntry MAX-ACCESS not-accessible
    STATUS current DESCRIPTION "one VLAN" INDEX { vlanIndex } ::= { vlanStaticTable 1 }
VlanStaticEntry ::= SEQUENCE { vlanName OCTET STRING, vlanEgress OCTET STRING,
    vlanForbidden OCTET STRING, vlanUntagged OCTET STRING, vlanRowStatus INTEGER }
vlanName OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-create STATUS current DESCRIPTION "n" ::= { vlanStaticEntry 1 }
vlanEgress OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-create STATUS current DESCRIPTION "e" ::= { vlanStaticEntry 2 }
vlanForbidden OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-create STATUS current DESCRIPTION "f" ::= { vlanStaticEntry 3 }
vlanUntagged OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-create STATUS current DESCRIPTION "u" ::= { vlanStaticEntry 4 }
vlanRowStatus OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-create STATUS current DESCRIPTION "s" ::= { vlanStaticEntry 5 }
END
)";
    for (const char* version :
         {"-v1 -c public", "-v2c -c public", "-v3 -l authNoPriv -u md5user -a MD5 -A md5password"}) {
        auto r = Shell("snmptable " + std::string(version) + " -M " + dir +
                       " -m VNSIM-TEST-MIB -Ci -Cf , -t 1 -r 1 " + sim.Target() + " 1.3.6.1.2.1.17.7.1.4.3");
        EXPECT_EQ(r.status, 0) << r.output;
        EXPECT_THAT(r.output,
                    HasSubstr("index,vlanName,vlanEgress,vlanForbidden,vlanUntagged,vlanRowStatus"));
        EXPECT_THAT(r.output,
                    HasSubstr("10,\"sales\",\"00 00 00 00 03 00 00 3F \",\"00 00 00 00 00 00 00 00 \","
                              "\"00 00 00 00 00 00 00 3F \",1"))
            << version;
    }
    std::filesystem::remove_all(dir);
}

TEST_F(SimAgent, SurvivesBadPackets)
{
    int s = socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(s, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(sim.Port()));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const std::vector<std::string> packets = {
        "garbage",
        std::string("\x30\x82\xff\xff\x02\x01\x01", 7),                // a length beyond the packet
        std::string("\x30\x0c\x02\x01\x01\x04\x06public\xa0\x00", 14), // truncated PDU
        std::string("\x30\x03\x02\x01\x09", 5),                        // unknown version
        std::string(60000, '\x30'),                                    // oversized
        std::string(""),
    };
    for (auto& p : packets)
        sendto(s, p.data(), p.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    close(s);
    // A GETBULK asking for far more than one reply can carry gets a reply cut to size.
    auto r = Shell(sim.Tool("snmpbulkget", "-v2c -c public -Cr100000", "1.3.6.1.2.1.2.2.1.2"));
    EXPECT_EQ(r.status, 0);
    EXPECT_THAT(r.output, HasSubstr(".1.3.6.1.2.1.2.2.1.2.1 = STRING: \"VN-2400 port 1\""));
    // As many varbinds as a manager will send in v1, answered or refused with tooBig.
    std::string many;
    for (int i = 0; i < 128; ++i)
        many += " 1.3.6.1.2.1.2.2.1.2." + std::to_string(i % 28 + 1);
    r = Shell(sim.Tool("snmpget", V1, many));
    EXPECT_THAT(r.output, ::testing::AnyOf(HasSubstr("tooBig"), HasSubstr("VN-2400 port 28")));
    EXPECT_THAT(Get(V2, kSysDescr), HasSubstr("VN-2400"));
}

#if defined(__SANITIZE_ADDRESS__)
#define VN_SIM_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VN_SIM_ASAN 1
#endif
#endif

TEST_F(SimAgent, MemoryStaysFlatUnderMixedTraffic)
{
#ifdef VN_SIM_ASAN
    GTEST_SKIP() << "the sanitizer's quarantine grows the resident memory by design; it checks leaks itself";
#else
    auto traffic = [&] {
        Shell(sim.Tool("snmpbulkwalk", V2, "1.3.6.1.2.1.17"));
        Shell(sim.Tool("snmpwalk", V1, "1.3.6.1.2.1.2"));
        for (int v = 200; v < 205; ++v) {
            Set(V2W, kVlanStatic + ".5." + std::to_string(v) + " i 4 " + kVlanStatic + ".1." +
                         std::to_string(v) + " s soak");
            Set(V2W, kVlanStatic + ".5." + std::to_string(v) + " i 6");
            Set(V2W, kSysName + " i 1"); // refused
        }
    };
    traffic();
    long before = sim.ResidentKb();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 4; ++i)
        traffic();
    EXPECT_LT(sim.ResidentKb() - before, 512) << "resident memory grew from " << before << " kB";
#endif
}

} // namespace
