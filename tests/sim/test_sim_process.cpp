// The simulator as a program: its command line, data files, state folder,
// logging, shutdown and the fault injection the other tests rely on.
#include "SimHarness.h"

#include <gmock/gmock.h>

using namespace simtest;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const std::string kSysName = "1.3.6.1.2.1.1.5.0";

std::string WriteTemp(const std::string& dir, const std::string& name, const std::string& text)
{
    std::string path = dir + "/" + name;
    std::ofstream(path) << text;
    return path;
}

struct TempFolder
{
    std::string path = TempDir();
    ~TempFolder() { std::filesystem::remove_all(path); }
};

TEST(SimProcess, RefusesAddressesOutsideLoopbackAndBadOptions)
{
    struct Case
    {
        std::string args, message;
    };
    const std::vector<Case> cases = {
        {"--listen 192.0.2.1:16161", "only 127.0.0.0/8 without --allow-any-address"},
        {"--listen 0.0.0.0:16161", "only 127.0.0.0/8"},
        {"--listen 127.0.0.1", "ADDRESS:PORT"},
        {"--listen 127.0.0.1:70000", "bad port"},
        {"--user bob:MD4:secretpass", "MD5 or SHA"},
        {"--user bob:SHA:short", "at least 8 characters"},
        {"--user bob:SHA:secretpass:IDEA:secretpass", "must be DES"},
        {"--error 1.3.6.1=noSuchStatus", "unknown error status"},
        {"--drop 150", "percentage"},
        {"--frobnicate", "unknown option"},
    };
    for (auto& c : cases) {
        auto r = Shell(std::string(SimPath()) + " " + c.args);
        EXPECT_NE(r.status, 0) << c.args;
        EXPECT_THAT(r.output, HasSubstr(c.message)) << c.args;
        EXPECT_THAT(r.output, Not(HasSubstr("listening on"))) << c.args;
    }
    auto help = Shell(std::string(SimPath()) + " --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.output, HasSubstr("--allow-any-address"));
}

TEST(SimProcess, ListensWhereToldAndStopsCleanlyOnSignals)
{
    for (int sig : {SIGINT, SIGTERM}) {
        Sim sim;
        ASSERT_TRUE(sim.Start({"--community-read", "seen", "--community-write", "changed"})) << sim.Output();
        EXPECT_THAT(sim.Output(), HasSubstr("listening on 127.0.0.1:" + std::to_string(sim.Port()) + "\n"));
        // Communities of the command line replace the defaults.
        EXPECT_EQ(Shell(sim.Tool("snmpget", "-v2c -c seen", kSysName)).status, 0);
        EXPECT_EQ(Shell(sim.Tool("snmpset", "-v2c -c changed", kSysName + " s x")).status, 0);
        EXPECT_NE(Shell(sim.Tool("snmpget", "-v2c -c public", kSysName, "-t 0.3 -r 0")).status, 0);
        EXPECT_EQ(sim.Stop(sig), 0) << sig;
        // Quiet without --verbose: one line, nothing else.
        EXPECT_EQ(sim.Output(), "listening on 127.0.0.1:" + std::to_string(sim.Port()) + "\n");
    }
}

TEST(SimProcess, KeepsEngineBootsInTheStateFolder)
{
    TempFolder state;
    for (int boot = 1; boot <= 3; ++boot) {
        Sim sim;
        ASSERT_TRUE(sim.Start({}, state.path)) << sim.Output();
        auto r = Shell(sim.Tool("snmpget", "-v3 -l authNoPriv -u shauser -a SHA -A shapassword",
                                "-Oqv 1.3.6.1.6.3.10.2.1.2.0"));
        EXPECT_EQ(r.output, std::to_string(boot) + "\n");
        EXPECT_EQ(sim.Stop(), 0);
    }
    // Users of a later run replace those of an earlier one, pass phrases included.
    Sim sim;
    ASSERT_TRUE(sim.Start({"--user", "shauser:SHA:otherpassword"}, state.path)) << sim.Output();
    EXPECT_EQ(
        Shell(sim.Tool("snmpget", "-v3 -l authNoPriv -u shauser -a SHA -A otherpassword", kSysName)).status,
        0);
    EXPECT_NE(
        Shell(sim.Tool("snmpget", "-v3 -l authNoPriv -u shauser -a SHA -A shapassword", kSysName)).status, 0);
    EXPECT_NE(
        Shell(sim.Tool("snmpget", "-v3 -l authNoPriv -u md5user -a MD5 -A md5password", kSysName)).status, 0);
}

TEST(SimProcess, ReadsDataFilesAndSavesItsState)
{
    TempFolder dir;
    const std::string fixture = "# a fixture\n"
                                "%column 1.3.6.1.4.1.98762.50.1.1.2 STRING rw \"unnamed\" size=0..8\n"
                                "%column 1.3.6.1.4.1.98762.50.1.1.3 INTEGER rw - rowstatus\n"
                                "\n"
                                "1.3.6.1.2.1.1.5.0 STRING rw \"fixture\"\n"
                                "1.3.6.1.2.1.1.7.0 INTEGER ro 72\n"
                                "1.3.6.1.4.1.98762.50.1.1.2.1 STRING rw \"first\"\n"
                                "1.3.6.1.4.1.98762.50.1.1.3.1 INTEGER rw 1\n";
    std::string data = WriteTemp(dir.path, "fixture.data", fixture);
    std::string saved = dir.path + "/saved.data";
    {
        Sim sim;
        ASSERT_TRUE(sim.Start({"--data", data, "--save", saved})) << sim.Output();
        EXPECT_EQ(Shell(sim.Tool("snmpget", V2, "-Oqv " + kSysName)).output, "\"fixture\"\n");
        EXPECT_THAT(Shell(sim.Tool("snmpwalk", V2, "1.3.6.1.2.1.1")).output,
                    Not(HasSubstr("1.3.6.1.2.1.1.1.0"))); // only what the file holds
        ASSERT_EQ(
            Shell(sim.Tool("snmpset", V2W, kSysName + " s changed 1.3.6.1.4.1.98762.50.1.1.3.2 i 4")).status,
            0);
        EXPECT_THAT(Shell(sim.Tool("snmpset", V2W, "1.3.6.1.4.1.98762.50.1.1.2.2 s toolongname")).output,
                    HasSubstr("wrongLength"));
        EXPECT_EQ(sim.Stop(SIGINT), 0);
    }
    std::ifstream in(saved);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_THAT(text.str(), HasSubstr("%column 1.3.6.1.4.1.98762.50.1.1.3 INTEGER rw - rowstatus\n"));
    EXPECT_THAT(text.str(), HasSubstr("\n1.3.6.1.2.1.1.5.0 STRING rw \"changed\"\n"));
    EXPECT_THAT(text.str(), HasSubstr("\n1.3.6.1.4.1.98762.50.1.1.2.2 STRING rw \"unnamed\"\n"
                                      "1.3.6.1.4.1.98762.50.1.1.3.1 INTEGER rw 1\n"
                                      "1.3.6.1.4.1.98762.50.1.1.3.2 INTEGER rw 1\n"));
    // The saved file starts the next run where this one ended.
    Sim again;
    ASSERT_TRUE(again.Start({"--data", saved})) << again.Output();
    EXPECT_EQ(Shell(again.Tool("snmpget", V2, "-Oqv 1.3.6.1.4.1.98762.50.1.1.2.2")).output, "\"unnamed\"\n");
}

TEST(SimProcess, StopsAtABadDataFileWithItsLine)
{
    TempFolder dir;
    struct Case
    {
        std::string text, message;
    };
    const std::vector<Case> cases = {
        {"1.3.6.1.2.1.1.5.0 STRING rw \"a\"\n1.3.6.1.2.1.1.4.0 STRING rw \"b\"\n", ":2: not sorted"},
        {"1.3.6.1.2.1.1.5.0 STRING rw \"a\"\n1.3.6.1.2.1.1.5.0 STRING rw \"b\"\n", ":2: not sorted"},
        {"# header\n1.3.6.1.2.1.1.5.0 FLOAT rw 1.5\n", ":2: unknown type FLOAT"},
        {"1.3.6.1.2.1.1.5.0 INTEGER rw twelve\n", ":1: bad number"},
        {"1.3.6.1.2.1.1.5.0 STRING rw \"open\n", ":1: unterminated string"},
        {"1.3.6.1.2.1.1.5.0 STRING maybe \"x\"\n", ":1: access is ro or rw"},
        {"1.3.6.1.2.1.1.5.0 STRING rw 0xABC\n", ":1: odd number of hex digits"},
        {"1.3.6.1.2.1.1.x.0 STRING rw \"x\"\n", ":1: bad OID"},
        {"1.3.6.1.2.1.4.20.1.1.10.0.0.1 IPADDRESS ro 10.0.0.300\n", ":1: bad IP address"},
        {"%column 1.3.6.1.2.1.1.5 STRING rw \"\" sorted\n", ":1: unknown column flag sorted"},
        {"1.3.6.1.6.3.10.2.1.1.0 STRING ro \"x\"\n", "outside the subtrees"},
    };
    for (auto& c : cases) {
        std::string path = WriteTemp(dir.path, "bad.data", c.text);
        auto r = Shell(std::string(SimPath()) + " --listen 127.0.0.1:0 --data " + path);
        EXPECT_EQ(r.status, 1) << c.text;
        EXPECT_THAT(r.output, HasSubstr(c.message)) << c.text;
        if (c.message[0] == ':') {
            EXPECT_THAT(r.output, HasSubstr(path + c.message)) << c.text;
        }
    }
    EXPECT_THAT(Shell(std::string(SimPath()) + " --data " + dir.path + "/missing.data").output,
                HasSubstr("cannot read"));
}

TEST(SimProcess, ReadsItsOptionsFromAConfigurationFile)
{
    TempFolder dir;
    std::string conf = WriteTemp(dir.path, "sim.conf",
                                 "# test configuration\n"
                                 "community-read  fromfile\n"
                                 "user filer:SHA:filepassword:DES:filepassword\n"
                                 "verbose\n");
    Sim sim;
    ASSERT_TRUE(sim.Start({"--config", conf})) << sim.Output();
    EXPECT_EQ(Shell(sim.Tool("snmpget", "-v2c -c fromfile", kSysName)).status, 0);
    EXPECT_EQ(
        Shell(sim.Tool("snmpget", "-v3 -l authPriv -u filer -a SHA -A filepassword -x DES -X filepassword",
                       kSysName))
            .status,
        0);
    EXPECT_THAT(sim.Output(), HasSubstr("request GET v2c community fromfile"));
}

TEST(SimProcess, LogsOneLinePerRequestWhenVerbose)
{
    Sim sim;
    ASSERT_TRUE(sim.Start({"--verbose"})) << sim.Output();
    Shell(sim.Tool("snmpget", V2, kSysName + " 1.3.6.1.2.1.1.6.0"));
    Shell(sim.Tool("snmpset", V2W, kSysName + " s logged"));
    Shell(sim.Tool("snmpgetnext", "-v3 -l authNoPriv -u md5user -a MD5 -A md5password", kSysName));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const std::string& out = sim.Output();
    EXPECT_THAT(out, HasSubstr("request GET v2c community public from UDP: [127.0.0.1]:"));
    EXPECT_THAT(out, HasSubstr(": 2 varbinds, first 1.3.6.1.2.1.1.5.0\n"));
    EXPECT_THAT(out, HasSubstr("request SET v2c community private"));
    EXPECT_THAT(out, HasSubstr("request GETNEXT v3 user md5user"));
}

TEST(SimProcess, DropsRequestsWhenAsked)
{
    Sim all;
    ASSERT_TRUE(all.Start({"--drop", "100"})) << all.Output();
    auto r = Shell(all.Tool("snmpget", V2, kSysName, "-t 0.3 -r 1"));
    EXPECT_NE(r.status, 0);
    EXPECT_THAT(r.output, HasSubstr("Timeout"));

    Sim half;
    ASSERT_TRUE(half.Start({"--drop", "50"})) << half.Output();
    int answered = 0;
    for (int i = 0; i < 40; ++i)
        answered += Shell(half.Tool("snmpget", V2, kSysName, "-t 0.2 -r 0")).status == 0 ? 1 : 0;
    EXPECT_GT(answered, 5);
    EXPECT_LT(answered, 35);
}

TEST(SimProcess, DelaysRepliesWithoutBlockingShutdown)
{
    Sim sim;
    ASSERT_TRUE(sim.Start({"--delay", "800"})) << sim.Output();
    EXPECT_NE(Shell(sim.Tool("snmpget", V2, kSysName, "-t 0.3 -r 0")).status, 0);
    auto start = std::chrono::steady_clock::now();
    auto r = Shell(sim.Tool("snmpget", V2, "-Oqv " + kSysName, "-t 3 -r 0"));
    auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.output, "\"vn2400-lab-01\"\n");
    EXPECT_GE(took, std::chrono::milliseconds(750));
    // A delayed SET is applied once, late.
    ASSERT_EQ(Shell(sim.Tool("snmpset", V2W, kSysName + " s late", "-t 3 -r 0")).status, 0);
    EXPECT_EQ(Shell(sim.Tool("snmpget", V2, "-Oqv " + kSysName, "-t 3 -r 0")).output, "\"late\"\n");
    // A request still waiting is dropped at shutdown.
    Shell(sim.Tool("snmpget", V2, kSysName, "-t 0.1 -r 0"));
    EXPECT_EQ(sim.Stop(), 0);
}

TEST(SimProcess, AnswersAChosenObjectWithAnError)
{
    Sim sim;
    ASSERT_TRUE(sim.Start({"--error", "1.3.6.1.2.1.1.5=genErr", "--error", "1.3.6.1.2.1.1.6.0=17"}))
        << sim.Output();
    auto r = Shell(sim.Tool("snmpget", V2, kSysName));
    EXPECT_THAT(r.output, HasSubstr("genError"));
    r = Shell(sim.Tool("snmpset", V2W, "1.3.6.1.2.1.1.6.0 s x"));
    EXPECT_THAT(r.output, HasSubstr("notWritable"));
    // A walk that reaches the object stops at the error.
    r = Shell(sim.Tool("snmpwalk", V2, "1.3.6.1.2.1.1"));
    EXPECT_THAT(r.output, HasSubstr("genError"));
    EXPECT_THAT(r.output, Not(HasSubstr("1.3.6.1.2.1.1.6.0 =")));
    // Other objects are untouched.
    EXPECT_EQ(Shell(sim.Tool("snmpget", V2, "1.3.6.1.2.1.1.4.0")).status, 0);
}

TEST(SimProcess, LoopsATableColumnWhenAsked)
{
    const std::string egress = "1.3.6.1.2.1.17.7.1.4.3.1.2";
    Sim sim;
    ASSERT_TRUE(sim.Start({"--loop-column", egress})) << sim.Output();
    auto r = Shell(sim.Tool("snmpwalk", V2, "1.3.6.1.2.1.17.7.1.4.3"));
    EXPECT_THAT(r.output, HasSubstr("OID not increasing: ." + egress + ".1"));
    r = Shell(sim.Tool("snmpgetnext", V2, egress + ".10"));
    EXPECT_THAT(r.output, HasSubstr("." + egress + ".1 = Hex-STRING"));
    // Columns before it are unaffected.
    r = Shell(sim.Tool("snmpgetnext", V2, "1.3.6.1.2.1.17.7.1.4.3.1.1.10"));
    EXPECT_THAT(r.output, HasSubstr(".1.3.6.1.2.1.17.7.1.4.3.1.1.20 = STRING"));
}

} // namespace
