// vn2400-cli against net-snmp's snmpd: the SNMPv3 user table read with an
// SNMPv3 user, rows of the VACM group table created and deleted, SNMPv3
// failures with their catalogue texts.
#include "CliHarness.h"

#include "support/Snmpd.h"

#include <gmock/gmock.h>

#include <cstdio>
#include <memory>

using namespace clitest;
using ::testing::HasSubstr;
using vntest::Snmpd;

namespace {

const std::string kUserTable = "SNMP V3 > User-based Security Model > User Table";
const std::string kGroupTable = "Security Group Table";
const std::string kGroupNameOid = "1.3.6.1.6.3.16.1.2.1.3";

std::string Shell(const std::string& command)
{
    std::string out;
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (!p)
        return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    pclose(p);
    while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
        out.pop_back();
    return out;
}

class CliSnmpd : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        snmpd_ = std::make_unique<Snmpd>();
        community_ = std::make_unique<CliEnv>();
        if (snmpd_->ok())
            community_->CommunityDevice("127.0.0.1", snmpd_->port(), 1);
        // No device file here: the SNMPv3 switches alone make the session.
        v3_ = std::make_unique<CliEnv>();
    }
    static void TearDownTestSuite()
    {
        v3_.reset();
        community_.reset();
        snmpd_.reset();
    }
    void SetUp() override { ASSERT_TRUE(snmpd_->ok()) << snmpd_->error(); }

    static CliResult V2c(const std::vector<std::string>& rest)
    {
        std::vector<std::string> args = {"/I127.0.0.1", "/Rpublic", "/Wprivate"};
        args.insert(args.end(), rest.begin(), rest.end());
        return community_->Run(args);
    }

    static std::vector<std::string> V3Switches(const std::string& user, const std::string& pass)
    {
        return {"/I127.0.0.1", "/v3", "/t" + std::to_string(snmpd_->port()), "/m3", "/l2", "/n" + user,
                "/A" + pass,   "/a2"};
    }

    static std::string Get(const std::string& options, const std::string& oid)
    {
        return Shell("snmpget -v2c -c public -m '' -On -t 1 -r 1 " + options + " " + snmpd_->peer() + " " +
                     oid);
    }

    static std::unique_ptr<Snmpd> snmpd_;
    static std::unique_ptr<CliEnv> community_;
    static std::unique_ptr<CliEnv> v3_;
};

std::unique_ptr<Snmpd> CliSnmpd::snmpd_;
std::unique_ptr<CliEnv> CliSnmpd::community_;
std::unique_ptr<CliEnv> CliSnmpd::v3_;

} // namespace

TEST_F(CliSnmpd, ShowsTheUserTableOverSnmpV3)
{
    std::vector<std::string> args = V3Switches(Snmpd::Md5User, Snmpd::Md5AuthPass);
    args.insert(args.end(), {"show", kUserTable});
    const CliResult r = v3_->Run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 5u) << r.out;
    EXPECT_EQ(lines[0], "Engine ID\tUser Name\tSecurity Name\tClone From\tAuthentication Protocol\t"
                        "Authentication Key Change\tOwn Authentication Key Change\tPrivacy Protocol\t"
                        "Privacy Key Change\tOwn Privacy Key Change\tPublic\tStorage Type\tStatus");

    // The agent's engine identifier as net-snmp prints it, as hex pairs.
    std::string engine;
    for (char c : Get("-Oqvx", "1.3.6.1.6.3.10.2.1.1.0"))
        if (std::isxdigit(static_cast<unsigned char>(c)))
            engine += char(std::toupper(static_cast<unsigned char>(c)));
    ASSERT_GE(engine.size(), 10u);

    // Rows in index order: names of equal length sort by their characters.
    struct Row
    {
        const char* name;
        const char* auth;
        const char* priv;
    };
    const Row rows[] = {{Snmpd::Md5DesUser, "MD5", "DES"},
                        {Snmpd::ShaDesUser, "SHA", "DES"},
                        {Snmpd::Md5User, "MD5", "None"},
                        {Snmpd::ShaUser, "SHA", "None"}};
    for (size_t i = 0; i < 4; ++i) {
        const auto f = Fields(lines[i + 1]);
        ASSERT_EQ(f.size(), 13u) << lines[i + 1];
        EXPECT_EQ(f[0], engine);
        EXPECT_EQ(f[1], rows[i].name);
        EXPECT_EQ(f[2], rows[i].name);
        EXPECT_EQ(f[3], "0.0"); // clone-from reads as zeroDotZero
        EXPECT_EQ(f[4], rows[i].auth);
        EXPECT_EQ(f[7], rows[i].priv);
        EXPECT_EQ(f[12], "active");
    }
}

TEST_F(CliSnmpd, AddsAndDeletesAGroupTableRow)
{
    const std::string instance = "3." + TextInstance("cliuser");
    const CliResult add = V2c({"add", kGroupTable, "3", "cliuser", "Group Name=cligroup"});
    ASSERT_EQ(add.status, 0) << add.err;
    EXPECT_EQ(Get("-Oqv", kGroupNameOid + "." + instance), "\"cligroup\"");
    EXPECT_THAT(V2c({"show", kGroupTable}).out, HasSubstr("\n3\tcliuser\tcligroup\t"));

    const CliResult del = V2c({"delete", kGroupTable, "--row", instance});
    ASSERT_EQ(del.status, 0) << del.err;
    EXPECT_THAT(Get("-Oqv", kGroupNameOid + "." + instance), HasSubstr("No Such Instance"));
    EXPECT_THAT(V2c({"show", kGroupTable}).out, ::testing::Not(HasSubstr("cliuser")));
}

TEST_F(CliSnmpd, SnmpV3FailuresGiveStatusThreeAndTheirCatalogueText)
{
    struct Case
    {
        std::string user, pass, text;
    };
    const std::vector<Case> cases = {
        {"nosuchuser", "whatever123", "vn2400-cli: (SNMPv3USM) Unknown SecurityName!\n"},
        {Snmpd::Md5User, "wrongpassphrase", "vn2400-cli: (SNMPv3USM) Authentication failure!\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = V3Switches(c.user, c.pass);
        args.insert(args.end(), {"show", "SNMP V3 > SNMP Engine"});
        const CliResult r = v3_->Run(args);
        EXPECT_EQ(r.status, 3) << c.user;
        EXPECT_EQ(r.err, c.text) << c.user;
        EXPECT_EQ(r.out, "");
    }
}
