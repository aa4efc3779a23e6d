// Start-up: the argument loop with its matching rules, the device
// configuration file and its conversions, the registry and catalogue paths,
// and the whole sequence with its failures.
#include "app/Startup.h"
#include "platform/QnPath.h"
#include "support/StandInEnv.h"
#include "ui/TApplication.h"
#include "ui/TestHooks.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// The session records as the SNMP library's start leaves them.
StartupSession StartValues()
{
    StartupSession s;
    s.Device.Address = "127.0.0.1";
    s.Device.Port = 161;
    s.Security.Version = 0;
    s.Security.ReadCommunity = "wombat";
    s.Security.WriteCommunity = "kestrel";
    s.Security.SecurityModel = 1;
    s.Security.SecurityLevel = 1;
    s.Security.AuthProtocol = 1;
    s.Security.PrivProtocol = 1;
    return s;
}

// Texts with the given members set, the others empty.
SessionTexts Texts(std::initializer_list<std::pair<std::string SessionTexts::*, const char*>> members)
{
    SessionTexts t;
    for (const auto& [member, value] : members)
        t.*member = value;
    return t;
}

// A MIB configuration folder holding device configuration files.
class ConfigFolder
{
public:
    std::string Folder() const { return dir_.path().toStdString() + "/"; }
    void Write(const std::string& name, const std::string& body) const
    {
        std::ofstream(Folder() + name, std::ios::binary) << "[Program Information]\n" << body;
    }

private:
    QTemporaryDir dir_;
};

// The keys every file needs so that its conversions succeed: the three that
// are always converted, and level and protocols unless they are "0".
const std::string kBase = "Version=3\nAgentPort=161\nSecurityModel=3\n";
const std::string kZero = "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
const std::string kV3 = kBase + kZero;

struct ArgCase
{
    const char* name;
    Strings args;
    std::map<std::string, std::string> files; // file name -> body of [Program Information]
    std::function<void(const StartupSession&)> check;
};

} // namespace

TEST(Startup, StrToIntIsStrict)
{
    const struct
    {
        const char* text;
        int32_t value;
    } good[] = {{"0", 0},
                {"161", 161},
                {"-1", -1},
                {"+7", 7},
                {"007", 7},
                {"2147483647", 2147483647},
                {"-2147483648", -2147483647 - 1}};
    for (const auto& g : good)
        EXPECT_EQ(StrToInt(g.text), g.value) << g.text;

    const char* bad[] = {"",    " 1", "1 ", "1a",         "0x10",        "$10",
                         "1.0", "+",  "-",  "2147483648", "-2147483649", "99999999999999999999999",
                         "１"};
    for (const char* b : bad) {
        try {
            StrToInt(b);
            ADD_FAILURE() << "accepted '" << b << "'";
        } catch (const InvalidIntegerError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(b) + "' is not a valid integer value");
            EXPECT_EQ(e.Offending(), b);
        }
    }
}

TEST(Startup, ArgumentLoopTable)
{
    const ArgCase cases[] = {
        {"address and read community, no file",
         {"/I10.0.0.1", "/Rpub"},
         {},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Device.Address, "10.0.0.1");
             EXPECT_EQ(s.Texts.IPAddress, "10.0.0.1");
             EXPECT_EQ(s.Device.Port, 161);
             EXPECT_EQ(s.Security.Version, 0);
             EXPECT_EQ(s.Security.ReadCommunity, "pub");
             EXPECT_EQ(s.Texts.ReadCommunity, "pub");
             EXPECT_EQ(s.Security.WriteCommunity, "kestrel");
             EXPECT_EQ(s.Texts.WriteCommunity, "");
         }},
        {"file supplies version 3 and the port",
         {"/I10.0.0.1", "/Rpub"},
         {{"10.0.0.1.cfg", "Version=3\nAgentPort=2000\nSecurityModel=3\n" + kZero}},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Security.Version, 3);
             EXPECT_EQ(s.Device.Port, 2000);
             EXPECT_EQ(s.Texts.Version, "3");
             EXPECT_EQ(s.Texts.AgentPort, "2000");
             EXPECT_EQ(s.Security.SecurityModel, 3);
             EXPECT_EQ(s.Texts.SecurityModel, "3");
             EXPECT_EQ(s.Security.ReadCommunity, "pub");
         }},
        {"file re-read for a later argument replaces an earlier switch",
         {"/I10.0.0.1", "/t3000", "/Rpub"},
         {{"10.0.0.1.cfg", kV3}},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Device.Port, 161);
             EXPECT_EQ(s.Texts.AgentPort, "161");
         }},
        {"a switch after the last re-read stands",
         {"/I10.0.0.1", "/Rpub", "/t3000"},
         {{"10.0.0.1.cfg", kV3}},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Device.Port, 3000);
             EXPECT_EQ(s.Texts.AgentPort, "3000");
         }},
        {"/v3 opens the version-3 switches without a Version text",
         {"/I10.0.0.1", "/v3", "/t2000"},
         {},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Security.Version, 3);
             EXPECT_EQ(s.Device.Port, 2000);
             EXPECT_EQ(s.Texts.AgentPort, "2000");
             EXPECT_EQ(s.Texts.Version, "");
         }},
        {"version-3 switches ignored below version 3",
         {"/I10.0.0.1", "/v1", "/t2000", "/nuser", "/l3", "/cctx"},
         {},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Security.Version, 1);
             EXPECT_EQ(s.Device.Port, 161);
             EXPECT_EQ(s.Security.SecurityName, "");
             EXPECT_EQ(s.Security.SecurityLevel, 1);
             EXPECT_EQ(s.Scope.ContextName, "");
             EXPECT_EQ(s.Texts, Texts({{&SessionTexts::IPAddress, "10.0.0.1"}}));
         }},
        {"port keeps the low 16 bits, version the low 8",
         {"/I10.0.0.1", "/v259", "/t70000"},
         {},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Security.Version, 3);
             EXPECT_EQ(s.Device.Port, 4464);
             EXPECT_EQ(s.Texts.AgentPort, "4464");
         }},
        {"negative port wraps to unsigned",
         {"/v3", "/t-1"},
         {},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Device.Port, 65535);
             EXPECT_EQ(s.Texts.AgentPort, "65535");
         }},
        {"file: zero-based level and protocols become one-based",
         {"/I10.0.0.1", "/Rpub"},
         {{"10.0.0.1.cfg", kBase + "SecurityLevel=2\nAuthProtocol=1\nPrivProtocol=1\n"}},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Security.SecurityLevel, 3);
             EXPECT_EQ(s.Security.AuthProtocol, 2);
             EXPECT_EQ(s.Security.PrivProtocol, 2);
             EXPECT_EQ(s.Texts.SecurityLevel, "3");
             EXPECT_EQ(s.Texts.AuthProtocol, "2");
             EXPECT_EQ(s.Texts.PrivProtocol, "2");
         }},
        {"file: \"0\" leaves level and protocols as they were",
         {"/I10.0.0.1", "/l2", "/a3", "/Rpub"},
         {{"10.0.0.1.cfg", kV3}},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Security.SecurityLevel, 2);
             EXPECT_EQ(s.Texts.SecurityLevel, "2");
             EXPECT_EQ(s.Security.AuthProtocol, 3);
             EXPECT_EQ(s.Texts.AuthProtocol, "3");
             EXPECT_EQ(s.Security.PrivProtocol, 1);
             EXPECT_EQ(s.Texts.PrivProtocol, "");
         }},
        {"file: \"00\" is not \"0\" and is converted",
         {"/I10.0.0.2", "/Rpub"},
         {{"10.0.0.2.cfg", kBase + "SecurityLevel=00\nAuthProtocol=0\nPrivProtocol=0\n"}},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Security.SecurityLevel, 1) << "\"00\" is converted: 0 + 1";
             EXPECT_EQ(s.Texts.SecurityLevel, "1");
         }},
        {"/l0 /a0 /p0 store 0 but leave the texts",
         {"/I10.0.0.1", "/v3", "/l3", "/a2", "/p2", "/l0", "/a0", "/p0"},
         {},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Security.SecurityLevel, 0);
             EXPECT_EQ(s.Security.AuthProtocol, 0);
             EXPECT_EQ(s.Security.PrivProtocol, 0);
             EXPECT_EQ(s.Texts.SecurityLevel, "3");
             EXPECT_EQ(s.Texts.AuthProtocol, "2");
             EXPECT_EQ(s.Texts.PrivProtocol, "2");
         }},
        {"empty /c /A /P clear the records but not the texts",
         {"/I10.0.0.1", "/c", "/A", "/P"},
         {{"10.0.0.1.cfg", kV3 + "ContextName=ctx\nAuthPassword=authpass\nPrivPassword=privpass\n"}},
         [](const StartupSession& s) {
             // The file is read again before each of them, so each clears only its own value.
             EXPECT_EQ(s.Scope.ContextName, "ctx");
             EXPECT_EQ(s.Security.AuthPassword, "authpass");
             EXPECT_EQ(s.Security.PrivPassword, "");
             EXPECT_EQ(s.Texts.ContextName, "ctx");
             EXPECT_EQ(s.Texts.AuthPassword, "authpass");
             EXPECT_EQ(s.Texts.PrivPassword, "privpass");
         }},
        {"empty /c after a non-empty one",
         {"/v3", "/cctx", "/c", "/Apass", "/A"},
         {},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Scope.ContextName, "");
             EXPECT_EQ(s.Texts.ContextName, "ctx");
             EXPECT_EQ(s.Security.AuthPassword, "");
             EXPECT_EQ(s.Texts.AuthPassword, "pass");
         }},
        {"file: empty ContextName and passwords keep earlier values, empty engine id and name clear",
         {"/I10.0.0.1", "/dENGINE", "/nuser", "/cctx", "/Apass", "/Rpub"},
         {{"10.0.0.1.cfg", kV3 + "ContextName=\nContextEngineID=\nSecurityName=\nAuthPassword=\n"}},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Scope.ContextName, "ctx");
             EXPECT_EQ(s.Texts.ContextName, "ctx");
             EXPECT_EQ(s.Security.AuthPassword, "pass");
             EXPECT_EQ(s.Scope.ContextEngineID, "");
             EXPECT_EQ(s.Texts.ContextEngineID, "");
             EXPECT_EQ(s.Security.SecurityName, "");
             EXPECT_EQ(s.Texts.SecurityName, "");
         }},
        {"switch found anywhere, case-sensitive, value untrimmed",
         {"--/I 10.0.0.9", "xx/Rr c ", "/wnope", "/rnope", "/W"},
         {},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Device.Address, " 10.0.0.9");
             EXPECT_EQ(s.Texts.IPAddress, " 10.0.0.9");
             EXPECT_EQ(s.Security.ReadCommunity, "r c ");
             EXPECT_EQ(s.Security.WriteCommunity, "");
             EXPECT_EQ(s.Texts.WriteCommunity, "");
         }},
        {"/I wins over every other switch in the same argument",
         {"/Rpub/I10.0.0.3"},
         {},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Device.Address, "10.0.0.3");
             EXPECT_EQ(s.Security.ReadCommunity, "wombat");
         }},
        {"first of /R /W /v wins and ends the argument",
         {"/v3", "/t9/Wwc/Rrc"},
         {},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Security.ReadCommunity, "rc");
             EXPECT_EQ(s.Security.WriteCommunity, "kestrel");
             EXPECT_EQ(s.Device.Port, 161);
         }},
        {"first version-3 switch in testing order wins",
         {"/v3", "/nname/cctx"},
         {},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Scope.ContextName, "ctx");
             EXPECT_EQ(s.Security.SecurityName, "") << "/c is tested before /n";
         }},
        {"a /R before any /I reads the file named .cfg",
         {"/Rpub", "/I10.0.0.1", "/Wpriv"},
         {{".cfg", "Version=1\nAgentPort=999\nSecurityModel=1\n" + kZero}},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Device.Port, 999);
             EXPECT_EQ(s.Texts.Version, "1");
             EXPECT_EQ(s.Security.WriteCommunity, "priv");
         }},
        {"file: Version text kept as read, version and port low bits",
         {"/I10.0.0.1", "/Rpub"},
         {{"10.0.0.1.cfg", "Version= 259 \nAgentPort=65537\nSecurityModel=3\n" + kZero}},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Texts.Version, "259");
             EXPECT_EQ(s.Security.Version, 3);
             EXPECT_EQ(s.Device.Port, 1);
             EXPECT_EQ(s.Texts.AgentPort, "1");
         }},
        {"version 3 in the record alone opens the version-3 switches",
         {"/I10.0.0.1", "/t4000"},
         {{"10.0.0.1.cfg", "Version=259\nAgentPort=161\nSecurityModel=3\n" + kZero}},
         [](const StartupSession& s) { EXPECT_EQ(s.Device.Port, 4000); }},
        {"all version-3 switches",
         {"/v3", "/t1161", "/cctx", "/dENG", "/m3", "/l3", "/nadmin", "/AauthPass", "/PprivPass", "/a3",
          "/p2"},
         {},
         [](const StartupSession& s) {
             EXPECT_EQ(s.Device.Port, 1161);
             EXPECT_EQ(s.Scope.ContextName, "ctx");
             EXPECT_EQ(s.Scope.ContextEngineID, "ENG");
             EXPECT_EQ(s.Security.SecurityModel, 3);
             EXPECT_EQ(s.Security.SecurityLevel, 3);
             EXPECT_EQ(s.Security.SecurityName, "admin");
             EXPECT_EQ(s.Security.AuthPassword, "authPass");
             EXPECT_EQ(s.Security.PrivPassword, "privPass");
             EXPECT_EQ(s.Security.AuthProtocol, 3);
             EXPECT_EQ(s.Security.PrivProtocol, 2);
             const SessionTexts expected = Texts({{&SessionTexts::AgentPort, "1161"},
                                                  {&SessionTexts::SecurityName, "admin"},
                                                  {&SessionTexts::AuthPassword, "authPass"},
                                                  {&SessionTexts::PrivPassword, "privPass"},
                                                  {&SessionTexts::AuthProtocol, "3"},
                                                  {&SessionTexts::PrivProtocol, "2"},
                                                  {&SessionTexts::ContextEngineID, "ENG"},
                                                  {&SessionTexts::SecurityLevel, "3"},
                                                  {&SessionTexts::ContextName, "ctx"},
                                                  {&SessionTexts::SecurityModel, "3"}});
             EXPECT_EQ(s.Texts, expected);
         }},
    };
    for (const ArgCase& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigFolder folder;
        for (const auto& [name, body] : c.files)
            folder.Write(name, body);
        StartupSession s = StartValues();
        ASSERT_NO_THROW(ApplyArguments(c.args, folder.Folder(), s));
        c.check(s);
    }
}

TEST(Startup, IntegerFailuresNameTheOffendingText)
{
    const struct
    {
        const char* name;
        Strings args;
        std::string file; // body for 10.0.0.1.cfg, none when empty
        std::string offending;
    } cases[] = {
        {"file without AgentPort", {"/I10.0.0.1", "/Rpub"}, "Version=3\nSecurityModel=3\n", ""},
        {"file with a bad Version",
         {"/I10.0.0.1", "/Rpub"},
         "Version=v3\nAgentPort=161\nSecurityModel=3\n",
         "v3"},
        {"file without SecurityModel", {"/I10.0.0.1", "/Rpub"}, "Version=3\nAgentPort=161\n", ""},
        {"file without SecurityLevel (only \"0\" is skipped)",
         {"/I10.0.0.1", "/Rpub"},
         kBase + "SecurityLevel=\nAuthProtocol=0\nPrivProtocol=0\n",
         ""},
        {"file with a bad AuthProtocol",
         {"/I10.0.0.1", "/Rpub"},
         kBase + "SecurityLevel=0\nAuthProtocol=MD5\n",
         "MD5"},
        {"file read even for an ignored argument", {"/I10.0.0.1", "junk"}, "AgentPort=x\n", "x"},
        {"/v without a number", {"/I10.0.0.1", "/v"}, "", ""},
        {"/v with text", {"/vthree"}, "", "three"},
        {"/t with a leading blank", {"/v3", "/t 2000"}, "", " 2000"},
        {"/t beyond 32 bits", {"/v3", "/t4294967296"}, "", "4294967296"},
        {"/m with trailing text", {"/v3", "/m3x"}, "", "3x"},
        {"/l with a sign only", {"/v3", "/l-"}, "", "-"},
        {"/a with a fraction", {"/v3", "/a1.5"}, "", "1.5"},
        {"/p empty", {"/v3", "/p"}, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigFolder folder;
        if (!c.file.empty())
            folder.Write("10.0.0.1.cfg", c.file);
        StartupSession s = StartValues();
        try {
            ApplyArguments(c.args, folder.Folder(), s);
            ADD_FAILURE() << "no error";
        } catch (const InvalidIntegerError& e) {
            EXPECT_EQ(e.Offending(), c.offending);
            EXPECT_EQ(std::string(e.what()), "'" + c.offending + "' is not a valid integer value");
        }
    }
}

TEST(Startup, HelpFolderAndCatalogueFiles)
{
    const struct
    {
        const char* value;
        const char* folder;
    } cases[] = {
        {"C:\\Suite\\Help\\Devices1.hlp", "C:\\Suite\\Help\\"},
        {"/opt/suite/help/Devices1.hlp", "/opt/suite/help/"},
        {"Devices1.hlp", ""},
        {"short.hlp", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HelpFolderFromPath(c.value), c.folder) << c.value;

    const std::vector<CatalogueFile> files = CatalogueFiles("/opt/suite/help/");
    const std::vector<std::pair<QnCatalogue, std::string>> expected = {
        {CAT_GENERAL, "/opt/suite/help/errmsg/common.err"},
        {CAT_AGENT, "/opt/suite/help/errmsg/snmp.err"},
        {CAT_SNMPV3, "/opt/suite/help/errmsg/snmpv3.err"},
        {CAT_USM, "/opt/suite/help/errmsg/snmpusm.err"},
        {CAT_CLASS, "/opt/suite/help/errmsg/snmpclass.err"},
        {CAT_QNSNMP, "/opt/suite/help/errmsg/qnsnmp.err"},
        {CAT_STATUS, "/opt/suite/help/errmsg/snmp.msg"},
    };
    ASSERT_EQ(files.size(), expected.size());
    for (size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(files[i].Slot, expected[i].first) << i;
        EXPECT_EQ(files[i].Path, expected[i].second) << i;
    }
    EXPECT_EQ(CatalogueFiles("").front().Path, "errmsg/common.err");
}

TEST(Startup, MibConfigurationFolderFromTheRegistry)
{
    const std::string exe = "[\\SOFTWARE\\Corvane\\Ostrand5.1\\ExePath]\nPath=/opt/suite/bin/\n";
    const std::string mib = "[\\SOFTWARE\\Corvane\\Ostrand5.1\\MibFile]\nPath=/srv/mbf/\n";
    const std::string mibNoValue = "[\\SOFTWARE\\Corvane\\Ostrand5.1\\MibFile]\n";
    const struct
    {
        const char* name;
        std::string registry; // none when empty
        std::string folder;
    } cases[] = {
        {"no registry file", "", ""},
        {"ExePath only", exe, "/opt/suite/bin/../Conf/MBF/"},
        {"MibFile replaces ExePath", exe + mib, "/srv/mbf/"},
        {"MibFile key without value still replaces", exe + mibNoValue, ""},
        {"ExePath key without value", "[\\SOFTWARE\\Corvane\\Ostrand5.1\\ExePath]\n", "../Conf/MBF/"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const std::string file = dir.path().toStdString() + "/registry.ini";
        if (!c.registry.empty())
            std::ofstream(file) << c.registry;
        ScopedEnv env("VN2400_REGISTRY", file);
        EXPECT_EQ(MibConfigFolder(), c.folder) << c.name;
    }
}

namespace {

// A host installation in a temporary folder: registry file, help folder and
// MIB configuration folder.
class Installation
{
public:
    Installation() : env_("VN2400_REGISTRY", Root() + "/registry.ini")
    {
        QDir().mkpath(QString::fromStdString(Root() + "/help/errmsg"));
        QDir().mkpath(QString::fromStdString(Root() + "/Conf/MBF"));
        QDir().mkpath(QString::fromStdString(Root() + "/bin"));
        std::ofstream(Root() + "/registry.ini")
            << "[\\SOFTWARE\\Corvane\\Modules\\HelpPath]\n"
            << "1.3.6.1.4.1.98762.10.63.6=" << Root() << "/help/Devices1.hlp\n"
            << "[\\SOFTWARE\\Corvane\\Ostrand5.1\\ExePath]\n"
            << "Path=" << Root() << "/bin/\n";
    }
    std::string Root() const { return dir_.path().toStdString(); }
    std::string MibFolder() const { return Root() + "/bin/../Conf/MBF/"; }
    void WriteConfig(const std::string& address, const std::string& body) const
    {
        std::ofstream(MibFolder() + address + ".cfg") << "[Program Information]\n" << body;
    }

private:
    QTemporaryDir dir_;
    ScopedEnv env_;
};

// Records what start-up does: the SNMP library's start and the catalogue
// loads through its hooks (the library's start sets the start values, with a
// version of 1 to show that start-up resets it), message boxes through the
// toolkit's responder, which presses OK.
struct Recorder
{
    Strings events;
    std::vector<TMessageBoxRequest> boxes;
    TMessageBoxResponder previous;

    Recorder()
    {
        previous = SetMessageBoxResponder([this](const TMessageBoxRequest& r) {
            events.push_back("message:" + r.text.toStdString());
            boxes.push_back(r);
            return IDOK;
        });
    }
    ~Recorder() { SetMessageBoxResponder(previous); }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    StartupHooks Hooks()
    {
        StartupHooks h;
        h.SnmpStartup = [this](const std::string& folder) {
            events.push_back("snmp:" + folder);
            StartupSession s = StartValues();
            DefaultDevice = s.Device;
            DefaultScope = s.Scope;
            DefaultSecurity = s.Security;
            DefaultSecurity.Version = 1;
        };
        h.LoadCatalogue = [this](QnCatalogue slot, const std::string& path) {
            events.push_back("catalogue" + std::to_string(int(slot)) + ":" + path);
        };
        return h;
    }
};

} // namespace

TEST(Startup, SequenceOnTheDefaultRecords)
{
    Installation inst;
    inst.WriteConfig("10.0.0.1", "Version=3\nAgentPort=2000\nSecurityModel=3\nSecurityLevel=2\n"
                                 "SecurityName=admin\nAuthProtocol=1\nPrivProtocol=1\n"
                                 "AuthPassword=authpass\nPrivPassword=privpass\nContextName=ctx\n");
    Recorder rec;
    const StartupResult r = RunStartup({"/I10.0.0.1", "/Rpub"}, rec.Hooks());

    const std::string errmsg = inst.Root() + "/help/errmsg/";
    const Strings expectedEvents = {
        "snmp:",
        "catalogue0:" + errmsg + "common.err",
        "catalogue1:" + errmsg + "snmp.err",
        "catalogue2:" + errmsg + "snmpv3.err",
        "catalogue3:" + errmsg + "snmpusm.err",
        "catalogue4:" + errmsg + "snmpclass.err",
        "catalogue5:" + errmsg + "qnsnmp.err",
        "catalogue6:" + errmsg + "snmp.msg",
    };
    EXPECT_EQ(rec.events, expectedEvents);
    EXPECT_EQ(r.HelpFolder, inst.Root() + "/help/");
    EXPECT_EQ(r.MibFolder, inst.MibFolder());
    EXPECT_FALSE(r.NoParameter);
    EXPECT_TRUE(r.SnmpV3MenuEnabled);

    EXPECT_EQ(DefaultDevice.Address, "10.0.0.1");
    EXPECT_EQ(DefaultDevice.Port, 2000);
    EXPECT_EQ(DefaultSecurity.Version, 3);
    EXPECT_EQ(DefaultSecurity.ReadCommunity, "pub");
    EXPECT_EQ(DefaultSecurity.WriteCommunity, "kestrel");
    EXPECT_EQ(DefaultSecurity.SecurityModel, 3);
    EXPECT_EQ(DefaultSecurity.SecurityLevel, 3);
    EXPECT_EQ(DefaultSecurity.SecurityName, "admin");
    EXPECT_EQ(DefaultSecurity.AuthProtocol, 2);
    EXPECT_EQ(DefaultSecurity.PrivProtocol, 2);
    EXPECT_EQ(DefaultSecurity.AuthPassword, "authpass");
    EXPECT_EQ(DefaultSecurity.PrivPassword, "privpass");
    EXPECT_EQ(DefaultScope.ContextName, "ctx");
    const SessionTexts expected = Texts({{&SessionTexts::IPAddress, "10.0.0.1"},
                                         {&SessionTexts::ReadCommunity, "pub"},
                                         {&SessionTexts::AgentPort, "2000"},
                                         {&SessionTexts::Version, "3"},
                                         {&SessionTexts::SecurityName, "admin"},
                                         {&SessionTexts::AuthPassword, "authpass"},
                                         {&SessionTexts::PrivPassword, "privpass"},
                                         {&SessionTexts::AuthProtocol, "2"},
                                         {&SessionTexts::PrivProtocol, "2"},
                                         {&SessionTexts::SecurityLevel, "3"},
                                         {&SessionTexts::ContextName, "ctx"},
                                         {&SessionTexts::SecurityModel, "3"}});
    EXPECT_EQ(r.Texts, expected);
}

TEST(Startup, VersionResetAndMenuStateWithoutFile)
{
    Installation inst;
    Recorder rec;
    const StartupResult r = RunStartup({"/I10.0.0.1", "/Rpub"}, rec.Hooks());
    EXPECT_EQ(DefaultSecurity.Version, 0) << "the version is set to 0 after the library's start";
    EXPECT_EQ(DefaultDevice.Port, 161);
    EXPECT_EQ(DefaultSecurity.ReadCommunity, "pub");
    EXPECT_FALSE(r.SnmpV3MenuEnabled);

    const StartupResult v3 = RunStartup({"/I10.0.0.1", "/v3"}, rec.Hooks());
    EXPECT_TRUE(v3.SnmpV3MenuEnabled);
    EXPECT_EQ(v3.Texts.Version, "");
}

TEST(Startup, NoArgumentShowsNoParameterInputAndEnds)
{
    Installation inst;
    Recorder rec;
    StartupResult r;
    int status = -1;
    EXPECT_FALSE(RunStartupOrReport({}, r, status, rec.Hooks()));
    EXPECT_EQ(status, STARTUP_EXIT_NO_PARAMETER);
    EXPECT_NE(status, 0);
    EXPECT_TRUE(r.NoParameter);
    EXPECT_FALSE(r.SnmpV3MenuEnabled);
    ASSERT_FALSE(rec.events.empty());
    EXPECT_EQ(rec.events.back(), "message:No parameter input");
    EXPECT_EQ(std::count(rec.events.begin(), rec.events.end(), "message:No parameter input"), 1);
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].buttons, QVector<int>{IDOK}) << "a plain box with one OK button";
}

TEST(Startup, IntegerErrorIsShownAndEndsWithFailureStatus)
{
    Installation inst;
    inst.WriteConfig("10.0.0.1", "Version=3\nSecurityModel=3\n"); // no AgentPort
    Recorder rec;
    StartupResult r;
    int status = 0;
    EXPECT_FALSE(RunStartupOrReport({"/I10.0.0.1", "/Rpub"}, r, status, rec.Hooks()));
    EXPECT_EQ(status, STARTUP_EXIT_FAILED);
    EXPECT_EQ(rec.events.back(), "message:'' is not a valid integer value");

    Recorder rec2;
    status = 0;
    EXPECT_FALSE(RunStartupOrReport({"/v3x"}, r, status, rec2.Hooks()));
    EXPECT_EQ(status, STARTUP_EXIT_FAILED);
    EXPECT_EQ(rec2.events.back(), "message:'3x' is not a valid integer value");

    Recorder ok;
    EXPECT_TRUE(RunStartupOrReport({"/I10.0.0.2", "/Rpub"}, r, status, ok.Hooks()));
    EXPECT_EQ(status, 0);
}

TEST(Startup, CatalogueFilesOfTheHelpFolderAreLoaded)
{
    Installation inst;
    {
        std::ofstream f(inst.Root() + "/help/errmsg/common.err");
        for (int i = 0; i < 19; ++i)
            f << "General text " << i << "\n";
    }
    Recorder rec;
    StartupHooks hooks = rec.Hooks();
    hooks.LoadCatalogue = nullptr; // the real loader
    RunStartup({"/I10.0.0.1"}, hooks);
    EXPECT_EQ(ErrorText(-3), "General text 3");
    EXPECT_EQ(ErrorText(-404), CatalogueText(CAT_CLASS, 3)) << "a catalogue without a file keeps its texts";
    ResetCatalogues();
    EXPECT_NE(ErrorText(-3), "General text 3");
}

namespace {

// Runs the test inside a fresh current folder, where the SNMP library keeps
// its boot-counter file.
class CurrentFolder
{
public:
    CurrentFolder() : old_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~CurrentFolder() { QDir::setCurrent(old_); }
    std::string Path() const { return dir_.path().toStdString(); }

private:
    QTemporaryDir dir_;
    QString old_;
};

} // namespace

TEST(Startup, WithTheSnmpLibrary)
{
    CurrentFolder cwd;
    Installation inst;
    inst.WriteConfig("127.0.0.1",
                     kBase + "SecurityLevel=1\nAuthProtocol=0\nPrivProtocol=0\nSecurityName=u\n");
    Recorder shown; // message boxes only; the real library and catalogue loader
    StartupHooks hooks;

    StartupResult r;
    int status = -1;
    ASSERT_TRUE(RunStartupOrReport({"/I127.0.0.1", "/Wpriv"}, r, status, hooks))
        << ::testing::PrintToString(shown.events);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(shown.events.empty());
    EXPECT_TRUE(FileExists(cwd.Path() + "/QnSNMP_PP_BootCounter"));
    EXPECT_EQ(DefaultTimeout, 100u);
    EXPECT_EQ(DefaultSecurity.Version, 3);
    EXPECT_EQ(DefaultSecurity.ReadCommunity, "wombat");
    EXPECT_EQ(DefaultSecurity.WriteCommunity, "priv");
    EXPECT_EQ(DefaultSecurity.SecurityLevel, 2);
    EXPECT_EQ(DefaultSecurity.SecurityName, "u");
    EXPECT_TRUE(r.SnmpV3MenuEnabled);
    QnSNMPShutdown();
}

TEST(Startup, SnmpLibraryFailureIsShownAndEndsStartup)
{
    CurrentFolder cwd;
    Installation inst;
    // A folder where the boot-counter file should be: it can be neither read nor saved.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(cwd.Path() + "/QnSNMP_PP_BootCounter")));
    Recorder shown; // message boxes only; the real library and catalogue loader
    StartupHooks hooks;
    StartupResult r;
    int status = 0;
    EXPECT_FALSE(RunStartupOrReport({"/I127.0.0.1"}, r, status, hooks));
    EXPECT_EQ(status, STARTUP_EXIT_FAILED);
    EXPECT_EQ(shown.events, Strings{"message:(DoDUDE++) Error when saving SNMP engine boots counter!"});
    QnSNMPShutdown();
}
