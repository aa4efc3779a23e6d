// vn2400-cli without an agent: the catalogue list, the session settings of
// start-up, usage errors, time-outs with the catalogue's text, and the
// decoding of the front-panel LED string.
#include "CliHarness.h"

#include "../../cli/CliSupport.h"

#include "features/Catalogue.h"
#include "support/Snmpd.h"

#include <gmock/gmock.h>

using namespace clitest;
using ::testing::HasSubstr;

TEST(CliList, ShowsEveryCatalogueEntryWithItsFigures)
{
    CliEnv env;
    const CliResult r = env.Run({"list"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> lines = Lines(r.out);
    const auto entries = CatalogueEntries();
    ASSERT_EQ(entries.size(), 112u);
    ASSERT_EQ(lines.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const CatalogueEntry& e = entries[i];
        const std::vector<std::string> expected = {e.MenuPath, e.Title, std::to_string(e.ListKind),
                                                   std::to_string(e.IndexCount),
                                                   std::to_string(VariableCount(e))};
        EXPECT_EQ(Fields(lines[i]), expected) << lines[i];
    }
    // Two lines checked against the catalogue as published.
    EXPECT_EQ(lines[0],
              "Basic Configuration > Agent Management > MIB Capabilities\tMIB Capabilities\t2\t1\t4");
    EXPECT_THAT(r.out, HasSubstr("SNMP V3 > User-based Security Model > User Table\tUser Table\t3\t2\t13\n"));
}

TEST(CliSession, PrintsWhatStartUpMadeOfSwitchesDeviceFileAndRegistry)
{
    CliEnv env;
    env.DeviceFile("127.0.0.1", "AgentPort=2000\nVersion=3\nContextName=ctx\nContextEngineID=8000\n"
                                "SecurityModel=3\nSecurityLevel=2\nSecurityName=bob\nAuthProtocol=1\n"
                                "PrivProtocol=1\nAuthPassword=authsecret\n");
    // The file is read again before "/n": its port replaces the one "/t" set.
    const std::vector<std::string> args = {"/I127.0.0.1", "/Rpub", "/t3000", "/nalice", "session"};
    const std::string head =
        "Address\t127.0.0.1\nPort\t2000\nVersion\t3\nReadCommunity\tpub\nWriteCommunity\tkestrel\n"
        "SecurityModel\t3\nSecurityLevel\t3\nSecurityName\talice\n";
    const std::string middle =
        "AuthProtocol\t2\nPrivProtocol\t2\nContextName\tctx\nContextEngineID\t8000\n"
        "SessionTexts.IPAddress\t127.0.0.1\nSessionTexts.ReadCommunity\tpub\n"
        "SessionTexts.WriteCommunity\t\nSessionTexts.AgentPort\t2000\nSessionTexts.Version\t3\n"
        "SessionTexts.SecurityName\talice\n";
    const std::string tail =
        "SessionTexts.AuthProtocol\t2\nSessionTexts.PrivProtocol\t2\n"
        "SessionTexts.ContextEngineID\t8000\nSessionTexts.SecurityLevel\t3\n"
        "SessionTexts.ContextName\tctx\nSessionTexts.SecurityModel\t3\nSNMPv3Menu\tenabled\n";

    CliResult r = env.Run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, head + "AuthPassword\t(set)\nPrivPassword\t(empty)\n" + middle +
                         "SessionTexts.AuthPassword\t(set)\nSessionTexts.PrivPassword\t(empty)\n" + tail);

    std::vector<std::string> shown = args;
    shown.push_back("--show-secrets");
    r = env.Run(shown);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, head + "AuthPassword\tauthsecret\nPrivPassword\t\n" + middle +
                         "SessionTexts.AuthPassword\tauthsecret\nSessionTexts.PrivPassword\t\n" + tail);

    // Without a device file: the start values, SNMPv1, the menu disabled.
    r = env.Run({"/I10.0.0.1", "/Rcommunity", "session"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("Address\t10.0.0.1\nPort\t161\nVersion\t0\nReadCommunity\tcommunity\n"));
    EXPECT_THAT(r.out, HasSubstr("SessionTexts.AgentPort\t\n"));
    EXPECT_THAT(r.out, HasSubstr("\nSNMPv3Menu\tdisabled\n"));
    // The engine boot counter goes where the module keeps it: the working folder.
    EXPECT_TRUE(std::filesystem::exists(env.Dir() + "/work/QnSNMP_PP_BootCounter"));
}

TEST(CliErrors, UsageAndStartUpErrorsGiveStatusTwoAndSendNothing)
{
    CliEnv env;
    const std::vector<std::string> device = {"/I127.0.0.1", "/Rpublic"};
    auto with = [&](std::vector<std::string> rest) {
        std::vector<std::string> args = device;
        args.insert(args.end(), rest.begin(), rest.end());
        return args;
    };
    struct Case
    {
        std::vector<std::string> args;
        std::string text;
    };
    const std::vector<Case> cases = {
        {{}, "no command given"},
        {with({"shwo"}), "did you mean \"show\""},
        {with({"show"}), "\"show\" needs a menu path"},
        {with({"show", "Port Tabel"}),
         "unknown menu path \"Port Tabel\"; the closest menu paths are:\n  Bridge > 802.1d > Port Table"},
        {with({"show", "Target Address Table"}),
         "is not unique; give one of:\n  SNMP V3 > SNMP Target MIB > Target Address Table\n"
         "  SNMP V3 > Community > Target Address Table"},
        {with({"show", "Information", "extra"}), "takes one menu path"},
        {with({"show", "--row", "1", "Information"}), "unknown option --row for \"show\""},
        {with({"--csv", "show", "Information"}), "unknown option --csv before the command"},
        {with({"list", "extra"}), "takes no arguments"},
        {{"show", "Bridge > 802.1d > Information"}, "No parameter input"},
        {with({"delete", "SMTP Mail Receiver Table"}), "\"delete\" needs --row INSTANCE"},
        {with({"set", "Information", "--row"}), "--row needs an instance"},
    };
    for (const Case& c : cases) {
        const CliResult r = env.Run(c.args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(c.args);
        EXPECT_THAT(r.err, HasSubstr(c.text)) << ::testing::PrintToString(c.args);
        EXPECT_EQ(r.out, "");
    }
    // None of them got as far as starting the SNMP engine.
    EXPECT_FALSE(std::filesystem::exists(env.Dir() + "/work/QnSNMP_PP_BootCounter"));

    // A switch that must be a number ends start-up.
    const CliResult r = env.Run({"/I127.0.0.1", "/vthree", "leds"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vn2400-cli: 'three' is not a valid integer value\n");
}

TEST(CliErrors, MenuPathsByFullPathTailOrLastCaption)
{
    CliEnv env;
    // A help request works without a device and names every command.
    const CliResult help = env.Run({"--help"});
    ASSERT_EQ(help.status, 0);
    for (const char* c : {"list", "show", "set", "add", "delete", "leds", "session"})
        EXPECT_THAT(help.out, HasSubstr(std::string("  ") + c + " "));
    // A path is found whatever the blanks around ">", by its tail or case;
    // these all fail only later, at "No parameter input".
    for (const char* path : {"Bridge>802.1d>Information", "802.1d > Information",
                             "bridge > 802.1D > information", "SNMP Mail Receiver Table"}) {
        const CliResult r = env.Run({"show", path});
        EXPECT_EQ(r.status, 2);
        const bool known = std::string(path) != "SNMP Mail Receiver Table";
        EXPECT_THAT(r.err, HasSubstr(known ? "No parameter input" : "unknown menu path")) << path;
    }
}

TEST(CliErrors, TimeOutGivesStatusThreeWithTheLoadedCatalogueText)
{
    CliEnv env;
    env.CommunityDevice("127.0.0.1", vntest::Snmpd::freeUdpPort(), 1);
    const std::vector<std::string> args = {"/I127.0.0.1", "/Rpublic", "show",
                                           "Bridge > 802.1d > Information"};
    CliResult r = env.Run(args);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "vn2400-cli: (SNMPClass) SNMP request timed out!\n");
    EXPECT_EQ(r.out, "");

    // With a catalogue file in the help folder, its text is the one shown.
    env.Write("help/errmsg/snmpclass.err",
              "op failed\nresource\ninternal\nunsupported\nno answer from the switch\n");
    r = env.Run(args);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "vn2400-cli: no answer from the switch\n");
}

TEST(CliLeds, DecodesTheFrontPanelString)
{
    using vncli::DecodeFrontPanel;
    struct Case
    {
        std::string bytes;
        std::vector<std::tuple<int, std::string, bool>> expected; // LED position, colour, flashing
    };
    const std::string ports(56, '\x02');
    const std::vector<Case> cases = {
        // Power green, Console blue, port 1 flashing blue.
        {std::string("\x02\x04\x82\x04", 4), {{0, "green", false}, {1, "blue", false}, {2, "blue", true}}},
        // A link byte of 1: white and steady, whatever the colour byte says.
        {std::string("\x02\x02\x01\x05", 4), {{2, "white", false}}},
        // Ten bytes reach port 4; port 5 has no data.
        {std::string("\x02\x02") + std::string(8, '\x05'),
         {{5, "red", false}, {6, "white", false}, {29, "white", false}}},
        // A zero byte ends the string: port 1's colour byte is missing.
        {std::string("\x03\x05\x82\x00\x02\x02", 6),
         {{0, "green", false}, {2, "white", true}, {3, "white", false}}},
        // Masked values without an entry are black.
        {std::string("\x86\x07", 2), {{0, "black", true}, {1, "black", false}}},
        // Nothing at all: every LED white.
        {std::string(), {{0, "white", false}, {1, "white", false}, {29, "white", false}}},
        // All 58 bytes: port 28 reads bytes 56 and 57.
        {std::string("\x02\x02", 2) + ports.substr(0, 54) + "\x02\x04",
         {{29, "blue", false}, {28, "green", false}}},
    };
    for (const Case& c : cases) {
        const auto leds = DecodeFrontPanel(c.bytes);
        ASSERT_EQ(leds.size(), 30u);
        EXPECT_EQ(leds[0].Name, "Power");
        EXPECT_EQ(leds[1].Name, "Console");
        EXPECT_EQ(leds[29].Name, "Port 28");
        for (const auto& [at, colour, flashing] : c.expected) {
            EXPECT_EQ(leds[size_t(at)].Colour, colour) << at << " of " << ::testing::PrintToString(c.bytes);
            EXPECT_EQ(leds[size_t(at)].Flashing, flashing)
                << at << " of " << ::testing::PrintToString(c.bytes);
        }
    }
}
