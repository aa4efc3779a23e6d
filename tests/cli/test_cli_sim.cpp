// vn2400-cli against the simulated switch: reads as the windows show them,
// writes checked with net-snmp's own tools, and every error path of a write.
#include "CliHarness.h"

#include "../sim/SimHarness.h"

#include <gmock/gmock.h>

#include <map>
#include <memory>

using namespace clitest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const std::string kDevice = "Layer 2 Management > Device Control";
const std::string kDeviceOid = "1.3.6.1.4.1.98762.11.63.6.2.1.2";
const std::string kSmtp = "SMTP Mail Receiver Table";
const std::string kSmtpOid = "1.3.6.1.4.1.98762.12.29.3.1.1";
const std::string kPortInfoOid = "1.3.6.1.4.1.98762.11.63.6.2.2.1.1";

class CliSim : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        sim_ = std::make_unique<simtest::Sim>();
        if (!sim_->Start())
            return;
        env_ = std::make_unique<CliEnv>();
        env_->CommunityDevice("127.0.0.1", sim_->Port(), 1);
    }
    static void TearDownTestSuite()
    {
        env_.reset();
        sim_.reset();
    }
    void SetUp() override { ASSERT_TRUE(env_) << "the simulator did not start: " << sim_->Output(); }

    // The program with the switches of an SNMPv2c device; the port comes
    // from the device configuration file.
    static CliResult Cli(const std::vector<std::string>& rest)
    {
        std::vector<std::string> args = {"/I127.0.0.1", "/Rpublic", "/Wprivate"};
        args.insert(args.end(), rest.begin(), rest.end());
        return env_->Run(args);
    }

    // A value as net-snmp's snmpget prints it.
    static std::string Get(const std::string& oid)
    {
        std::string v = simtest::Shell(sim_->Tool("snmpget", simtest::V2, "-Oqv " + oid)).output;
        while (!v.empty() && (v.back() == '\n' || v.back() == ' '))
            v.pop_back();
        return v;
    }

    // "show" of a scalar group as label -> value.
    static std::map<std::string, std::string> ShowScalars(const std::string& path)
    {
        const CliResult r = Cli({"show", path});
        EXPECT_EQ(r.status, 0) << r.err;
        const auto lines = Lines(r.out);
        std::map<std::string, std::string> values;
        if (lines.size() != 2) {
            ADD_FAILURE() << r.out;
            return values;
        }
        const auto labels = Fields(lines[0]), texts = Fields(lines[1]);
        EXPECT_EQ(labels.size(), texts.size());
        for (size_t i = 0; i < labels.size() && i < texts.size(); ++i)
            values[labels[i]] = texts[i];
        return values;
    }

    static std::unique_ptr<simtest::Sim> sim_;
    static std::unique_ptr<CliEnv> env_;
};

std::unique_ptr<simtest::Sim> CliSim::sim_;
std::unique_ptr<CliEnv> CliSim::env_;

} // namespace

TEST_F(CliSim, ShowsAScalarGroupAsItsWindowDoes)
{
    const CliResult r = Cli({"show", "Bridge > 802.1d > Information"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    // MAC address as hex pairs, the enumeration by its option name.
    EXPECT_EQ(r.out, "Bridge Address\tNumber Ports\tBridge Type\tLearned Entry Discards\t"
                     "MAC Address Aging Time (10-1000000 sec)\n"
                     "001B215A4000\t28\ttransparent-only\t0\t300\n");
}

TEST_F(CliSim, WalksATableToItsEndWithSnmpV1AndV2c)
{
    // Expected rows from net-snmp's walk of the two columns.
    const auto walk = [](const std::string& column) {
        std::vector<std::pair<std::string, std::string>> rows; // instance, value
        const auto r =
            simtest::Shell(sim_->Tool("snmpwalk", simtest::V2, "-Oq " + kPortInfoOid + "." + column));
        for (const std::string& line : Lines(r.output)) {
            const std::string prefix = "." + kPortInfoOid + "." + column + ".";
            if (line.rfind(prefix, 0) == 0) {
                const size_t blank = line.find(' ');
                rows.emplace_back(line.substr(prefix.size(), blank - prefix.size()), line.substr(blank + 1));
            }
        }
        return rows;
    };
    const auto link = walk("4"), nway = walk("5");
    ASSERT_EQ(link.size(), 30u);
    ASSERT_EQ(nway.size(), link.size());
    const std::map<std::string, std::string> linkNames = {
        {"1", "other"}, {"2", "link-pass"}, {"3", "link-fail"}};
    const std::map<std::string, std::string> nwayNames = {
        {"1", "auto"},         {"2", "half-10Mbps"},   {"3", "full-10Mbps"},  {"4", "half-100Mbps"},
        {"5", "full-100Mbps"}, {"6", "half-1Gigabps"}, {"7", "full-1Gigabps"}};
    std::string expected = "Port Index\tLink Status\tNway Status\n";
    std::string csv = "Port Index,Link Status,Nway Status\r\n";
    for (size_t i = 0; i < link.size(); ++i) {
        // One index variable: the first sub-identifier of the instance.
        const std::string port = link[i].first.substr(0, link[i].first.find('.'));
        expected += port + "\t" + linkNames.at(link[i].second) + "\t" + nwayNames.at(nway[i].second) + "\n";
        csv += port + "," + linkNames.at(link[i].second) + "," + nwayNames.at(nway[i].second) + "\r\n";
    }

    for (const int version : {0, 1}) {
        CliEnv env;
        env.CommunityDevice("127.0.0.1", sim_->Port(), version);
        const CliResult r = env.Run({"/I127.0.0.1", "/Rpublic", "show", "Port Information Table"});
        ASSERT_EQ(r.status, 0) << "version " << version << ": " << r.err;
        EXPECT_EQ(r.out, expected) << "version " << version;
    }
    const CliResult r = Cli({"show", "--csv", "Port Information Table"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, csv);
}

TEST_F(CliSim, SetWritesTheNamedScalarsInOneRequest)
{
    const CliResult r =
        Cli({"set", kDevice, "System IP=10.90.90.91", "IGMP Snooping=disabled", "Management VLAN ID=12"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(Get(kDeviceOid + ".2.0"), "10.90.90.91");
    EXPECT_EQ(Get(kDeviceOid + ".7.0"), "2");
    EXPECT_EQ(Get(kDeviceOid + ".5.0"), "12");
    EXPECT_EQ(Get(kDeviceOid + ".3.0"), "255.255.255.0"); // not named, not written

    const auto shown = ShowScalars(kDevice);
    EXPECT_EQ(shown.at("System IP"), "10.90.90.91");
    EXPECT_EQ(shown.at("IGMP Snooping"), "disabled");
    EXPECT_EQ(shown.at("Management VLAN ID"), "12");
    EXPECT_EQ(shown.at("Subnet Mask"), "255.255.255.0");
}

TEST_F(CliSim, SetWritesATableRowAndCsvQuotesWhatNeedsIt)
{
    const std::string address = "ops, \"night\"@example.net";
    const CliResult r = Cli({"set", kSmtp, "--row", "1", "SMTP Mail Receiver Address=" + address});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(Get(kSmtpOid + ".2.1"), HasSubstr("ops, "));

    const CliResult csv = Cli({"show", kSmtp, "--csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_THAT(csv.out, HasSubstr("\r\n1,\"ops, \"\"night\"\"@example.net\",active\r\n"));
    const CliResult tsv = Cli({"show", kSmtp});
    EXPECT_THAT(tsv.out, HasSubstr("\n1\t" + address + "\tactive\n"));
}

TEST_F(CliSim, AddCreatesAndDeleteDestroysARow)
{
    const CliResult add = Cli({"add", kSmtp, "4", "SMTP Mail Receiver Address=new@example.net"});
    ASSERT_EQ(add.status, 0) << add.err;
    EXPECT_EQ(Get(kSmtpOid + ".2.4"), "\"new@example.net\"");
    EXPECT_EQ(Get(kSmtpOid + ".3.4"), "1"); // active
    EXPECT_THAT(Cli({"show", kSmtp}).out, HasSubstr("\n4\tnew@example.net\tactive\n"));

    const CliResult del = Cli({"delete", kSmtp, "--row", "4"});
    ASSERT_EQ(del.status, 0) << del.err;
    EXPECT_THAT(Get(kSmtpOid + ".2.4"), HasSubstr("No Such Instance"));
    EXPECT_THAT(Cli({"show", kSmtp}).out, ::testing::Not(HasSubstr("new@example.net")));
}

TEST_F(CliSim, InvalidWritesGiveStatusAndTextAndWriteNothing)
{
    const std::string history = kDeviceOid + ".20.0";
    const std::string before = Get(history);
    ASSERT_EQ(before, "1");
    const std::string valid = "MAC Notify History Size=7"; // given first in many cases below
    const std::string info = "Bridge > 802.1d > Information";
    const std::string bad = "(DoDUDE++) Bad value of the associated SNMP variable's (partial) data!";
    struct Case
    {
        std::vector<std::string> args;
        int status;
        std::string text;
    };
    const std::vector<Case> cases = {
        // Refused before anything is sent.
        {{"set", kDevice, valid, "RMON State=bogus"},
         2,
         "\"bogus\" is not an option of \"RMON State\"; the options are: disabled, enabled"},
        {{"set", kDevice, valid, "System IP=10.1.1"}, 3, "\"System IP\": " + bad},
        {{"set", kDevice, valid, "System IP=ten"}, 3, "\"System IP\": " + bad},
        {{"set", kDevice, "MAC Notify History Size=abc"},
         3,
         "\"MAC Notify History Size\": Please enter a number between -2147483648 and 2147483647!"},
        {{"set", info, "MAC Address Aging Time (10-1000000 sec)=5"},
         3,
         "Please enter a number between 10 and 65535!"},
        {{"set", info, "Number Ports=3"}, 2, "\"Number Ports\" is read-only"},
        {{"set", info, "Aging=5"},
         2,
         "no variable \"Aging\" in \"Bridge > 802.1d > Information\"; the closest labels are:\n"
         "  MAC Address Aging Time (10-1000000 sec)"},
        {{"set", kDevice, valid, "System IP"}, 2, "expected LABEL=VALUE, not \"System IP\""},
        {{"set", kDevice, valid, "System IP="}, 2, "\"System IP\": Some items are empty!"},
        {{"set", kDevice, valid, "mac notify history size=8"},
         2,
         "\"MAC Notify History Size\" is given twice"},
        {{"set", kDevice}, 2, "nothing to set"},
        {{"set", kSmtp, "SMTP Mail Receiver Address=a@b"}, 2, "is a table: give the row with --row INSTANCE"},
        {{"set", info, "--row", "1", "Number Ports=3"}, 2, "is a group of scalars: --row is for tables"},
        {{"set", kSmtp, "--row", "5.2", "SMTP Mail Receiver Address=a@b"},
         3,
         "row \"5.2\": (DoDUDE++) Bad key count of SNMP variable list!"},
        {{"set", kSmtp, "--row", "5", "SMTP Mail Receiver Address State=destroy"}, 2, "use add or delete"},
        {{"set", kSmtp, "--row", "5", "SMTP Mail Receiver Address Index=3"}, 2, "is part of the row index"},
        {{"add", info, "1"}, 2, "has no RowStatus column"},
        {{"add", kSmtp, "SMTP Mail Receiver Address=x@y"}, 2, "needs 1 index value(s)"},
        {{"add", kSmtp, "5", "SMTP Mail Receiver Address State=active"},
         2,
         "is written by add itself (createAndGo)"},
        {{"add", kSmtp, "five", "SMTP Mail Receiver Address=x@y"}, 3, "Please enter a number between"},
        {{"set", kDevice, valid, "Management VLAN ID=5000"}, 3, "Please enter a number between 1 and 4094!"},
        // Refused by the agent: the row exists already.
        {{"add", kSmtp, "1", "SMTP Mail Receiver Address=x@y"},
         3,
         "(SNMP) Cannot create/set variable, Inconsistent Value!"},
        {{"set", kSmtp, "--row", "9", "SMTP Mail Receiver Address=x@y"},
         3,
         "(SNMP) Cannot create variable, Creation Not Allowed!"},
    };
    for (const Case& c : cases) {
        const CliResult r = Cli(c.args);
        EXPECT_EQ(r.status, c.status) << ::testing::PrintToString(c.args) << "\n" << r.err;
        EXPECT_THAT(r.err, HasSubstr(c.text)) << ::testing::PrintToString(c.args);
        EXPECT_EQ(r.err.rfind("vn2400-cli: ", 0), 0u) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(Get(history), before);
    EXPECT_THAT(Get(kSmtpOid + ".2.5"), HasSubstr("No Such Instance"));
}

TEST_F(CliSim, LedsShowEveryLedWithColourAndFlashing)
{
    const CliResult r = Cli({"leds"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 30u) << r.out;
    EXPECT_EQ(lines[0], "Power\tgreen\tsteady");
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto f = Fields(lines[i]);
        ASSERT_EQ(f.size(), 3u) << lines[i];
        EXPECT_EQ(f[0], i == 0 ? "Power" : i == 1 ? "Console" : "Port " + std::to_string(i - 1));
        EXPECT_THAT(f[2], ::testing::AnyOf("steady", "flashing"));
    }
    // The simulated switch: port 5 at 100 Mbit/s, nothing on port 13, port 22 disabled.
    EXPECT_THAT(Fields(lines[6]), ElementsAre("Port 5", "blue", ::testing::_));
    EXPECT_EQ(lines[14], "Port 13\twhite\tsteady");
    EXPECT_EQ(lines[23], "Port 22\twhite\tsteady");
}
