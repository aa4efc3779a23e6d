// The sibling tool launcher: program names, the two forms of the command
// line, and a real start of the stand-in program with shell text in the
// credentials.
#include "app/ToolLauncher.h"
#include "support/StandInRecord.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using Args = std::vector<std::string>;

TEST(ToolLauncher, ProgramNameIsBetweenSlashTAndFirstUnderscore)
{
    const struct
    {
        const char* argument;
        const char* program;
    } cases[] = {
        {"/TIFMib_LastChangeTable", "IFMib"},
        {"/TEthernetLike_dot3StatsTable", "EthernetLike"},
        {"/TMIB_IFTable", "MIB"},
        {"/TEntityMIB_Maping", "EntityMIB"},
        {"/TRmon_History", "Rmon"},
        {"/TBridge_TpPortInfo", "Bridge"},
        {"/TVLan_PortCapability", "VLan"},
        {"/TA_B_C", "A"},
        {"/T_Table", ""},
        {"/TNoUnderscore", ""},
        {"_", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToolProgramName(c.argument), c.program) << c.argument;

    // Every menu entry names one of the suite's tools.
    const std::set<std::string> tools = {"IFMib", "MIB",    "EthernetLike", "EntityMIB",
                                         "Rmon",  "Bridge", "VLan"};
    for (const ToolMenuEntry& e : ToolMenuEntries)
        EXPECT_TRUE(tools.count(ToolProgramName(e.ToolArgument))) << e.Handler;
    EXPECT_EQ(std::size(ToolMenuEntries), 23u);
}

TEST(ToolLauncher, CommandLineForms)
{
    SessionTexts v2;
    v2.IPAddress = "10.0.0.1";
    v2.ReadCommunity = "public";
    v2.WriteCommunity = "private";
    v2.Version = "2";
    v2.AgentPort = "161";        // not passed in the community form
    v2.SecurityName = "ignored"; // nor any SNMPv3 value

    SessionTexts v3;
    v3.IPAddress = "10.0.0.2";
    v3.ReadCommunity = "public"; // not passed in the SNMPv3 form
    v3.Version = "3";
    v3.AgentPort = "1161";
    v3.SecurityModel = "3";
    v3.SecurityName = "admin";
    v3.SecurityLevel = "3";
    v3.AuthProtocol = "2";
    v3.PrivProtocol = "2";
    v3.AuthPassword = "authpass";

    SessionTexts empty;
    SessionTexts v3Empty;
    v3Empty.Version = "3";
    SessionTexts v03 = v3;
    v03.Version = "03";

    const struct
    {
        const char* name;
        SessionTexts texts;
        const char* tool;
        const char* extra;
        std::string expected;
    } cases[] = {
        {"community form", v2, "/TRmon_History", "", "Rmon /I10.0.0.1 /Rpublic /Wprivate /TRmon_History "},
        {"empty version gives the community form with bare switches", empty, "/TMIB_Info", "",
         "MIB /I /R /W /TMIB_Info "},
        {"version 3, eleven switches in order, empty values bare", v3, "/TIFMib_LastChangeTable", "",
         "IFMib /I10.0.0.2 /t1161 /v3 /d /m3 /nadmin /l3 /a2 /p2 /Aauthpass /P /c /TIFMib_LastChangeTable "},
        {"version 3 with everything empty", v3Empty, "/TBridge_Forwarding", "",
         "Bridge /I /t /v3 /d /m /n /l /a /p /A /P /c /TBridge_Forwarding "},
        {"version text must be exactly 3", v03, "/TVLan_GMRP", "",
         "VLan /I10.0.0.2 /Rpublic /W /TVLan_GMRP "},
        {"extra argument after the tool argument", v2, "/TMIB_ARP", "x y",
         "MIB /I10.0.0.1 /Rpublic /Wprivate /TMIB_ARP x y"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BuildToolCommandLine(c.texts, c.tool, c.extra), c.expected) << c.name;
}

TEST(ToolLauncher, StartsTheToolFromTheOwnFolderWithArgumentsUnchanged)
{
    SessionTexts t;
    t.IPAddress = "127.0.0.1";
    t.Version = "3";
    t.AgentPort = "16161";
    t.SecurityModel = "3";
    t.SecurityName = "admin";
    t.SecurityLevel = "3";
    t.AuthProtocol = "3";
    t.PrivProtocol = "2";
    t.AuthPassword = "$(id);|&";
    t.PrivPassword = "'\"`id`>out<in";
    t.ContextName = "ctx";

    StandInRecord record;
    LaunchTool(t, "/TVnStandIn_Table");
    auto argv = record.Wait();
    ASSERT_TRUE(argv.has_value()) << "the stand-in did not start";
    const Args expected = {StandInRecord::ProgramPath(),
                           "/I127.0.0.1",
                           "/t16161",
                           "/v3",
                           "/d",
                           "/m3",
                           "/nadmin",
                           "/l3",
                           "/a3",
                           "/p2",
                           "/A$(id);|&",
                           "/P'\"`id`>out<in",
                           "/cctx",
                           "/TVnStandIn_Table"};
    EXPECT_EQ(*argv, expected);
}

TEST(ToolLauncher, CommunityFormReachesTheTool)
{
    SessionTexts t;
    t.IPAddress = "127.0.0.1";
    t.ReadCommunity = "pub;lic";
    t.WriteCommunity = "$(id)";
    StandInRecord record;
    LaunchTool(t, "/TVnStandIn_X", "extra");
    auto argv = record.Wait();
    ASSERT_TRUE(argv.has_value());
    EXPECT_EQ(*argv, (Args{StandInRecord::ProgramPath(), "/I127.0.0.1", "/Rpub;lic", "/W$(id)",
                           "/TVnStandIn_X", "extra"}));
}

TEST(ToolLauncher, UnknownOrNamelessToolsAreSwallowed)
{
    SessionTexts t;
    t.IPAddress = "127.0.0.1";
    StandInRecord record;
    LaunchTool(t, "/TVnNoSuchTool_Table");
    LaunchTool(t, "/TNoUnderscore");
    LaunchTool(t, "");
    // A tool argument whose "program" is a path is not started.
    LaunchTool(t, "/T" + StandInRecord::ProgramPath() + "_X");
    EXPECT_TRUE(record.StaysAbsent(500));
}
