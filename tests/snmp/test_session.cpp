// Session records, start-up of the SNMP library and the target a request
// builds.
#include "EngineTestEnv.h"

#include "mib/QnErrorCatalogue.h"
#include "snmplib/Snmp.h"

#include <QFile>

#include <fstream>

using namespace enginetest;

namespace {

unsigned int StoredBoots(const std::string& folder)
{
    unsigned int boots = 99;
    const int rc = getBootCounter(BootCounterPath(folder).c_str(),
                                  OctetStr(std::string("QnSNMP_PP_Application")), boots);
    EXPECT_EQ(rc, SNMPv3_OK);
    return boots;
}

} // namespace

TEST(SessionRecords, JoinPathAddsOneBackslash)
{
    struct Case
    {
        const char* folder;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\Data", "C:\\Data\\QnSNMP_PP_BootCounter"},
        {"C:\\Data\\", "C:\\Data\\QnSNMP_PP_BootCounter"},
        {"", "QnSNMP_PP_BootCounter"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JoinPath(c.folder, "QnSNMP_PP_BootCounter"), c.expected) << c.folder;
    // On this platform the backslash becomes the folder separator.
    EXPECT_EQ(BootCounterPath("/tmp/x"), "/tmp/x/QnSNMP_PP_BootCounter");
    EXPECT_EQ(BootCounterPath(""), "QnSNMP_PP_BootCounter");
}

TEST(SessionRecords, RecordsAreValuesCopiedWhole)
{
    QnSNMPSecurity a;
    a.Version = 3;
    a.SecurityName = "user";
    a.AuthPassword = "secret-pass";
    a.PrivProtocol = 2;
    QnSNMPSecurity b = a;
    a.SecurityName = "changed";
    EXPECT_EQ(b.SecurityName, "user");
    EXPECT_EQ(b.AuthPassword, "secret-pass");
    EXPECT_EQ(b.PrivProtocol, 2);
    EXPECT_EQ(b.Version, 3);
}

TEST(SessionStartup, FirstRunStoresOneThenEveryRunOneMore)
{
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString();
    ASSERT_FALSE(QFile::exists(QString::fromStdString(BootCounterPath(path))));

    QnSNMPStartup(path);
    EXPECT_NE(GlobalSession, nullptr);
    EXPECT_EQ(StoredBoots(path), 1u);
    EXPECT_EQ(GlobalSession->local_engine_boots(), 1u);
    EXPECT_EQ(GlobalSession->local_engine_id(), OctetStr(std::string("QnSNMP_PP_Application")));
    EXPECT_TRUE(GlobalEventProcessor().IsRunning());
    QnSNMPShutdown();
    EXPECT_FALSE(GlobalEventProcessor().IsRunning());
    EXPECT_EQ(GlobalSession, nullptr);

    QnSNMPStartup(path);
    EXPECT_EQ(StoredBoots(path), 2u);
    QnSNMPShutdown();
}

TEST(SessionStartup, SetsTheDefaultRecords)
{
    DefaultDevice = QnSNMPDevice{"10.1.1.1", 9999};
    DefaultScope.ContextName = "ctx";
    DefaultSecurity.SecurityName = "left-over";
    DefaultTimeout = 7;
    QTemporaryDir folder;
    QnSNMPStartup(folder.path().toStdString());
    EXPECT_EQ(DefaultDevice.Address, "127.0.0.1");
    EXPECT_EQ(DefaultDevice.Port, 161);
    EXPECT_EQ(DefaultScope.ContextEngineID, "");
    EXPECT_EQ(DefaultScope.ContextName, "");
    EXPECT_EQ(DefaultSecurity.Version, 0);
    EXPECT_EQ(DefaultSecurity.ReadCommunity, "wombat");
    EXPECT_EQ(DefaultSecurity.WriteCommunity, "kestrel");
    EXPECT_EQ(DefaultSecurity.SecurityModel, 1);
    EXPECT_EQ(DefaultSecurity.SecurityLevel, 1);
    EXPECT_EQ(DefaultSecurity.SecurityName, "");
    EXPECT_EQ(DefaultSecurity.AuthPassword, "");
    EXPECT_EQ(DefaultSecurity.PrivPassword, "");
    EXPECT_EQ(DefaultSecurity.AuthProtocol, 1);
    EXPECT_EQ(DefaultSecurity.PrivProtocol, 1);
    EXPECT_EQ(DefaultTimeout, 100u);
    QnSNMPShutdown();
}

TEST(SessionStartup, MalformedBootCounterFileStopsStartUp)
{
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString();
    std::ofstream(BootCounterPath(path)) << "this is not a boot counter file\n\x01\x02 zz\n";
    std::string text;
    EXPECT_EQ(CodeOf([&] { QnSNMPStartup(path); }, &text), -507);
    EXPECT_EQ(text, "(DoDUDE++) Error when loading SNMP engine boots counter!");
    EXPECT_FALSE(GlobalEventProcessor().IsRunning());
    QnSNMPShutdown();
}

TEST(SessionStartup, UnwritableBootCounterFileStopsStartUp)
{
    // A folder that does not exist: nothing to read (accepted), nothing can
    // be written.
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/missing/deeper";
    std::string text;
    EXPECT_EQ(CodeOf([&] { QnSNMPStartup(path); }, &text), -508);
    EXPECT_EQ(text, "(DoDUDE++) Error when saving SNMP engine boots counter!");
    QnSNMPShutdown();
}

class BuildTargetTest : public LibraryTest
{
};

TEST_F(BuildTargetTest, CommunityTargetForVersionsZeroAndOne)
{
    for (uint8_t version : {uint8_t(0), uint8_t(1)}) {
        QnSNMPDevice device{"127.0.0.1", 1161};
        QnSNMPSecurity security;
        security.Version = version;
        security.ReadCommunity = "reader";
        security.WriteCommunity = "writer";
        security.SecurityName = "not-used";
        std::unique_ptr<SnmpTarget> target = BuildTarget(device, security, 300, 2);
        ASSERT_EQ(target->get_type(), SnmpTarget::type_ctarget);
        auto* c = static_cast<CTarget*>(target.get());
        EXPECT_EQ(c->get_version(), version == 0 ? version1 : version2c);
        EXPECT_EQ(c->get_retry(), 2);
        EXPECT_EQ(c->get_timeout(), 300u);
        EXPECT_EQ(c->get_readcommunity(), OctetStr(std::string("reader")));
        EXPECT_EQ(c->get_writecommunity(), OctetStr(std::string("writer")));
        EXPECT_EQ(c->get_address().get_printable(), "127.0.0.1/1161");
    }
}

TEST_F(BuildTargetTest, UserTargetForVersionThree)
{
    QnSNMPDevice device{"127.0.0.1", 161};
    QnSNMPSecurity security;
    security.Version = 3;
    security.SecurityModel = 3;
    security.SecurityLevel = 2;
    security.SecurityName = "md5user";
    security.AuthProtocol = 2;
    security.PrivProtocol = 1;
    security.AuthPassword = "md5authpass";
    std::unique_ptr<SnmpTarget> target = BuildTarget(device, security, 100, 1);
    ASSERT_EQ(target->get_type(), SnmpTarget::type_utarget);
    auto* u = static_cast<UTarget*>(target.get());
    EXPECT_EQ(u->get_version(), version3);
    EXPECT_EQ(u->get_security_model(), 3);
    EXPECT_EQ(u->get_security_name(), OctetStr(std::string("md5user")));
    EXPECT_EQ(u->get_retry(), 1);
    EXPECT_EQ(u->get_timeout(), 100u);
}

TEST_F(BuildTargetTest, AddressThatCannotBeUsedGives509)
{
    for (const char* address : {"10.0.0.300", "", "no-such-host.invalid"}) {
        QnSNMPDevice device{address, 161};
        QnSNMPSecurity security;
        std::string text;
        EXPECT_EQ(CodeOf([&] { BuildTarget(device, security, 100, 1); }, &text), -509) << address;
        EXPECT_EQ(text, "(DoDUDE++) Invalid IP Address or DNS name!");
    }
}

TEST_F(BuildTargetTest, RequestCopiesTheDefaultsWhenCreated)
{
    DefaultDevice.Address = "192.0.2.7";
    DefaultDevice.Port = 1234;
    DefaultScope.ContextName = "bridge";
    DefaultSecurity.Version = 1;
    DefaultTimeout = 250;
    QnSNMPRequest request;
    DefaultDevice.Address = "192.0.2.8";
    DefaultSecurity.Version = 3;
    DefaultTimeout = 5;
    EXPECT_EQ(request.Device.Address, "192.0.2.7");
    EXPECT_EQ(request.Device.Port, 1234);
    EXPECT_EQ(request.Scope.ContextName, "bridge");
    EXPECT_EQ(request.Security.Version, 1);
    EXPECT_EQ(request.Timeout, 250u);
    EXPECT_EQ(request.Retries, 1);
    EXPECT_FALSE(request.UseGetNext);
    EXPECT_TRUE(request.Enabled);
    EXPECT_EQ(request.Outstanding, 0);
    EXPECT_EQ(request.Variables.Count(), 0);
    EXPECT_EQ(request.Variables.ListKind, SVT_SV);
    EXPECT_EQ(request.RowCondition, "");
    std::unique_ptr<SnmpTarget> target = request.BuildTarget();
    EXPECT_EQ(target->get_address().get_printable(), "192.0.2.7/1234");
    EXPECT_EQ(target->get_timeout(), 250u);
}
