// Session layer behaviour that needs no agent: addresses, the boot-counter
// file, the user table, refusals before anything is sent, and time-outs
// against ports that never answer.
#include "snmplib/Snmp.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A UDP socket on 127.0.0.1 that receives but never answers.
class SilentPort
{
public:
    SilentPort()
    {
        fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
    }
    ~SilentPort() { ::close(fd_); }
    uint16_t port() const { return port_; }
    // Datagrams received so far (drains them).
    int received()
    {
        int n = 0;
        char buf[2048];
        pollfd p{fd_, POLLIN, 0};
        while (::poll(&p, 1, 0) > 0 && ::recv(fd_, buf, sizeof buf, 0) >= 0)
            ++n;
        return n;
    }

private:
    int fd_ = -1;
    uint16_t port_ = 0;
};

// A port on 127.0.0.1 where nothing listens.
uint16_t closedPort()
{
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

UdpAddress loopback(uint16_t port)
{
    UdpAddress a("127.0.0.1");
    a.set_port(port);
    return a;
}

Pdu sysUpTimePdu()
{
    Pdu pdu;
    pdu += Vb(Oid("1.3.6.1.2.1.1.3.0"));
    return pdu;
}

struct Completion
{
    int calls = 0;
    int reason = 0;
    int errorStatus = 0;
    std::string address;
};

void record(int reason, Snmp*, Pdu& pdu, SnmpTarget& target, void* data)
{
    auto* c = static_cast<Completion*>(data);
    ++c->calls;
    c->reason = reason;
    c->errorStatus = pdu.get_error_status();
    c->address = target.get_address().get_printable();
}

double cpuSeconds()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

double secondsSince(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

TEST(UdpAddressTest, ParsesAddressesAndRefusesBadOnesWithoutLookingThemUp)
{
    struct Case
    {
        const char* text;
        bool valid;
        const char* printable;
    } cases[] = {
        {"127.0.0.1", true, "127.0.0.1/0"},
        {"127.0.0.1/161", true, "127.0.0.1/161"},
        {"10.1.2.3:1161", true, "10.1.2.3/1161"},
        {" 192.168.0.1 ", true, "192.168.0.1/0"},
        {"localhost", true, "127.0.0.1/0"},
        {"10.0.0.300", false, ""},
        {"10.0.0", false, ""},
        {"10.0.0.1.5", false, ""},
        {"1..2.3", false, ""},
        {"127.0.0.1/70000", false, ""},
        {"127.0.0.1/x", false, ""},
        {"", false, ""},
        {"0127.0.0.1", false, ""},
    };
    for (const auto& c : cases) {
        UdpAddress a(c.text);
        EXPECT_EQ(a.valid(), c.valid) << c.text;
        EXPECT_EQ(a.get_printable(), c.printable) << c.text;
    }
    UdpAddress a("127.0.0.1");
    a.set_port(1161);
    EXPECT_EQ(a.get_printable(), "127.0.0.1/1161");
    GenAddress g("127.0.0.2/99");
    EXPECT_TRUE(g.valid());
    EXPECT_EQ(UdpAddress(g).get_port(), 99);
}

TEST(PduTest, KeepsBindingsInOrderAndItsScope)
{
    Pdu pdu;
    Vb a(Oid("1.3.6.1.2.1.1.1.0")), b(Oid("1.3.6.1.2.1.1.5.0"));
    b.set_value(OctetStr(std::string("x")));
    pdu += a;
    pdu += b;
    ASSERT_EQ(pdu.get_vb_count(), 2);
    Vb got;
    ASSERT_TRUE(pdu.get_vb(got, 1));
    EXPECT_EQ(got, b);
    EXPECT_FALSE(pdu.get_vb(got, 2));
    EXPECT_FALSE(pdu.get_vb(got, -1));
    pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_PRIV);
    pdu.set_context_name(OctetStr(std::string("ctx")));
    pdu.set_context_engine_id(OctetStr(std::string("\x80\x00\x01", 3)));
    EXPECT_EQ(pdu.get_security_level(), 3);
    EXPECT_EQ(pdu.get_context_name().bytes(), "ctx");
    EXPECT_EQ(pdu.get_context_engine_id().len(), 3u);
}

class BootCounterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("vn-boot-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        file_ = (dir_ / "QnSNMP_PP_BootCounter").string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
    std::string file_;
    const OctetStr engine_{std::string("QnSNMP_PP_Application")};
};

TEST_F(BootCounterTest, FirstRunFindsNoFileThenCountsOnePerStart)
{
    unsigned int boots = 99;
    EXPECT_EQ(getBootCounter(file_.c_str(), engine_, boots), SNMPv3_FILEOPEN_ERROR);
    EXPECT_EQ(boots, 0u);
    // The start-up sequence: read, add one, save.
    for (unsigned int expected = 1; expected <= 2; ++expected) {
        int r = getBootCounter(file_.c_str(), engine_, boots);
        ASSERT_TRUE(r == SNMPv3_OK || r == SNMPv3_FILEOPEN_ERROR || r == SNMPv3_NO_ENTRY_ERROR);
        ASSERT_EQ(saveBootCounter(file_.c_str(), engine_, boots + 1), SNMPv3_OK);
        ASSERT_EQ(getBootCounter(file_.c_str(), engine_, boots), SNMPv3_OK);
        EXPECT_EQ(boots, expected);
    }
    EXPECT_FALSE(fs::exists(file_ + ".tmp"));
}

TEST_F(BootCounterTest, KeepsOneCountPerEngine)
{
    const OctetStr other(std::string("\x80\x00\x1f\x88\x04", 5));
    ASSERT_EQ(saveBootCounter(file_.c_str(), engine_, 7), SNMPv3_OK);
    unsigned int boots = 0;
    EXPECT_EQ(getBootCounter(file_.c_str(), other, boots), SNMPv3_NO_ENTRY_ERROR);
    ASSERT_EQ(saveBootCounter(file_.c_str(), other, 3), SNMPv3_OK);
    ASSERT_EQ(saveBootCounter(file_.c_str(), engine_, 8), SNMPv3_OK);
    EXPECT_EQ(getBootCounter(file_.c_str(), engine_, boots), SNMPv3_OK);
    EXPECT_EQ(boots, 8u);
    EXPECT_EQ(getBootCounter(file_.c_str(), other, boots), SNMPv3_OK);
    EXPECT_EQ(boots, 3u);
}

TEST_F(BootCounterTest, MalformedFileIsAnErrorAndIsNotOverwritten)
{
    const char* bad[] = {
        "garbage\n",
        "514E534E4D505F50505F4170706C69636174696F6E\n",     // no count
        "514E534E4D505F50505F4170706C69636174696F6E x\n",   // count not a number
        "514E534E4D505F50505F4170706C69636174696F6E 1 2\n", // trailing field
        "514E534 1\n",                                      // odd hex length
        "514E534E4D505F50505F4170706C69636174696F6E 99999999999\n",
        "514E534E4D505F50505F4170706C69636174696F6E 1\n514E534E4D505F50505F4170706C69636174696F6E 2\n",
    };
    for (const char* text : bad) {
        {
            std::ofstream(file_) << text;
        }
        unsigned int boots = 5;
        int r = getBootCounter(file_.c_str(), engine_, boots);
        EXPECT_EQ(r, SNMPv3_FILEFORMAT_ERROR) << text;
        // Not one of the results start-up accepts.
        EXPECT_TRUE(r != SNMPv3_OK && r != SNMPv3_NO_ENTRY_ERROR && r != SNMPv3_FILEOPEN_ERROR);
        EXPECT_EQ(boots, 0u);
        EXPECT_EQ(saveBootCounter(file_.c_str(), engine_, 1), SNMPv3_FILEFORMAT_ERROR) << text;
        std::ifstream in(file_);
        std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(content, text);
    }
}

TEST_F(BootCounterTest, UnwritableFolderFailsToSave)
{
    const std::string inMissing = (dir_ / "missing" / "QnSNMP_PP_BootCounter").string();
    EXPECT_EQ(saveBootCounter(inMissing.c_str(), engine_, 1), SNMPv3_FILECREATE_ERROR);
}

TEST(UserTableTest, ProtocolsTheLibraryLacksAreRefused)
{
    const OctetStr pass(std::string("authpass123")), priv(std::string("privpass123"));
    EXPECT_EQ(usmAddUserName(OctetStr(std::string("u-md5")), SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES,
                             pass, priv),
              SNMPv3_USM_OK);
    EXPECT_EQ(usmAddUserName(OctetStr(std::string("u-idea")), SNMP_AUTHPROTOCOL_HMACSHA,
                             SNMP_PRIVPROTOCOL_IDEA, pass, priv),
              SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL);
    EXPECT_EQ(usmAddUserName(OctetStr(std::string("u-auth7")), 7, SNMP_PRIVPROTOCOL_NONE, pass, priv),
              SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL);
    EXPECT_EQ(usmDeleteUserName(OctetStr(std::string("u-md5"))), SNMPv3_USM_OK);
    EXPECT_EQ(usmDeleteUserName(OctetStr(std::string("u-md5"))), SNMPv3_USM_UNKNOWN_SECURITY_NAME);
}

class SessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        int status = -99;
        snmp_ = std::make_unique<Snmp>(status);
        ASSERT_EQ(status, SNMP_CLASS_SUCCESS);
    }
    std::unique_ptr<Snmp> snmp_;
};

TEST_F(SessionTest, MessageProcessingTakesTheLocalEngineIdentity)
{
    EXPECT_EQ(mpInit(*snmp_, OctetStr(std::string("QnSNMP_PP_Application")), 4), SNMPv3_MP_OK);
    EXPECT_EQ(snmp_->local_engine_id().bytes(), "QnSNMP_PP_Application");
    EXPECT_EQ(snmp_->local_engine_boots(), 4u);
    EXPECT_EQ(mpInit(*snmp_, OctetStr(), 1), SNMPv3_MP_ERROR);
}

TEST_F(SessionTest, IdeaPrivacyFailsBeforeAnythingIsSent)
{
    SilentPort agent;
    const OctetStr name(std::string("idea-user"));
    usmAddUserName(name, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_IDEA,
                   OctetStr(std::string("authpass123")), OctetStr(std::string("privpass123")));
    UTarget target(loopback(agent.port()));
    target.set_security_name(name);
    target.set_timeout(10);
    target.set_retry(0);
    for (int level : {SNMP_SECURITY_LEVEL_AUTH_PRIV, SNMP_SECURITY_LEVEL_AUTH_NOPRIV}) {
        Pdu pdu = sysUpTimePdu();
        pdu.set_security_level(level);
        EXPECT_EQ(snmp_->get(pdu, target), SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL);
        Completion c;
        EXPECT_EQ(snmp_->get_next(pdu, target, record, &c), SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL);
        snmp_->wait_for_events(50);
        EXPECT_EQ(c.calls, 0);
    }
    EXPECT_EQ(agent.received(), 0);
}

TEST_F(SessionTest, RefusalsBeforeSending)
{
    SilentPort agent;
    Pdu pdu = sysUpTimePdu();
    CTarget bad(UdpAddress("10.0.0.300"));
    EXPECT_EQ(snmp_->get(pdu, bad), SNMP_CLASS_INVALID_ADDRESS);

    CTarget v2(loopback(agent.port()));
    v2.set_version(version2c);
    EXPECT_EQ(snmp_->get(pdu, v2, nullptr, nullptr), SNMP_CLASS_INVALID_CALLBACK);
    Pdu badOid;
    badOid += Vb(Oid());
    EXPECT_EQ(snmp_->get(badOid, v2), SNMP_CLASS_INVALID_OID);
    CTarget v3c(loopback(agent.port()));
    v3c.set_version(version3);
    EXPECT_EQ(snmp_->get(pdu, v3c), SNMP_CLASS_INVALID_TARGET);

    // SNMPv3 user checks: unknown user with authentication, levels the user
    // cannot do, a security model other than the user-based one.
    UTarget u(loopback(agent.port()));
    u.set_security_name(OctetStr(std::string("never-registered")));
    pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
    EXPECT_EQ(snmp_->get(pdu, u), SNMPv3_USM_UNKNOWN_SECURITY_NAME);
    const OctetStr authOnly(std::string("auth-only"));
    usmAddUserName(authOnly, SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE,
                   OctetStr(std::string("authpass123")), OctetStr());
    u.set_security_name(authOnly);
    pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_PRIV);
    EXPECT_EQ(snmp_->get(pdu, u), SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL);
    pdu.set_security_level(0);
    EXPECT_EQ(snmp_->get(pdu, u), SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL);
    pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
    u.set_security_model(SNMP_SECURITY_MODEL_V2);
    EXPECT_EQ(snmp_->get(pdu, u), SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL);
    // A pass phrase the library cannot make a key from.
    const OctetStr shortPass(std::string("short-pass"));
    usmAddUserName(shortPass, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, OctetStr(std::string("abc")),
                   OctetStr());
    UTarget s(loopback(agent.port()));
    s.set_security_name(shortPass);
    EXPECT_EQ(snmp_->get(pdu, s), SNMPv3_USM_AUTHENTICATION_ERROR);
    EXPECT_EQ(agent.received(), 0);
}

// timeout x (retries + 1), no back-off: 0.2 s x 3 = 0.6 s.
TEST_F(SessionTest, NoAnswerTimesOutAfterTheRetriesInTheTimeAllowed)
{
    SilentPort silent;
    for (uint16_t port : {closedPort(), silent.port()}) {
        for (snmp_version v : {version1, version2c}) {
            CTarget target(loopback(port));
            target.set_version(v);
            target.set_timeout(20);
            target.set_retry(2);
            Pdu pdu = sysUpTimePdu();
            auto t0 = std::chrono::steady_clock::now();
            const double cpu0 = cpuSeconds();
            EXPECT_EQ(snmp_->get(pdu, target), SNMP_CLASS_TIMEOUT) << port;
            double took = secondsSince(t0);
            EXPECT_LT(cpuSeconds() - cpu0, 0.1) << "the wait must sleep, not spin";
            EXPECT_GE(took, 0.58) << port;
            EXPECT_LT(took, 1.2) << port;
        }
    }
    EXPECT_EQ(silent.received(), 6); // 3 tries for each version
}

TEST_F(SessionTest, AsynchronousTimeOutCompletesOnlyWhenEventsAreProcessed)
{
    SilentPort silent;
    CTarget target(loopback(silent.port()));
    target.set_version(version2c);
    target.set_timeout(10);
    target.set_retry(1);
    Pdu pdu = sysUpTimePdu();
    Completion c;
    auto t0 = std::chrono::steady_clock::now();
    ASSERT_EQ(snmp_->get(pdu, target, record, &c), SNMP_CLASS_SUCCESS);
    EXPECT_NE(pdu.get_request_id(), 0u);
    EXPECT_EQ(snmp_->outstanding(), 1);
    ::usleep(300 * 1000); // well past the time-out, but nothing processed
    EXPECT_EQ(c.calls, 0);
    // A synchronous call in between runs no other completion.
    Pdu other = sysUpTimePdu();
    CTarget quick = target;
    quick.set_timeout(5);
    quick.set_retry(0);
    EXPECT_EQ(snmp_->get(other, quick), SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(c.calls, 0);
    // The late processing sends the retry; the request then expires.
    while (c.calls == 0 && secondsSince(t0) < 3)
        SNMPProcessPendingEvents(), ::usleep(5000);
    EXPECT_EQ(c.calls, 1);
    EXPECT_EQ(c.reason, SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(c.address, "127.0.0.1/" + std::to_string(silent.port()));
    EXPECT_EQ(snmp_->outstanding(), 0);
    snmp_->wait_for_events(100);
    EXPECT_EQ(c.calls, 1);
}

TEST_F(SessionTest, Snmpv3DiscoveryWithoutAnswerIsATimeOut)
{
    SilentPort silent;
    const OctetStr name(std::string("md5user"));
    usmAddUserName(name, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE,
                   OctetStr(std::string("md5authpass")), OctetStr());
    UTarget target(loopback(silent.port()));
    target.set_security_name(name);
    target.set_timeout(10);
    target.set_retry(1);
    Pdu pdu = sysUpTimePdu();
    pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
    auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(snmp_->get(pdu, target), SNMP_CLASS_TIMEOUT);
    EXPECT_GE(secondsSince(t0), 0.19);
    EXPECT_LT(secondsSince(t0), 1.0);

    Completion c;
    ASSERT_EQ(snmp_->get(pdu, target, record, &c), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(c.calls, 0); // never inside the send
    snmp_->wait_for_events(1000);
    EXPECT_EQ(c.calls, 1);
    EXPECT_EQ(c.reason, SNMP_CLASS_TIMEOUT);
}

TEST_F(SessionTest, CancelledRequestNeverCompletesAndDestroyReportsTheRest)
{
    SilentPort silent;
    CTarget target(loopback(silent.port()));
    target.set_version(version1);
    target.set_timeout(5);
    target.set_retry(0);
    Completion cancelled, destroyed;
    Pdu a = sysUpTimePdu(), b = sysUpTimePdu();
    ASSERT_EQ(snmp_->get(a, target, record, &cancelled), SNMP_CLASS_SUCCESS);
    target.set_timeout(1000);
    ASSERT_EQ(snmp_->get_next(b, target, record, &destroyed), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(snmp_->cancel(a.get_request_id()), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(snmp_->cancel(a.get_request_id()), SNMP_CLASS_INVALID_REQID);
    snmp_->wait_for_events(200);
    EXPECT_EQ(cancelled.calls, 0);
    EXPECT_EQ(destroyed.calls, 0);
    snmp_.reset();
    EXPECT_EQ(cancelled.calls, 0);
    EXPECT_EQ(destroyed.calls, 1);
    EXPECT_EQ(destroyed.reason, SNMP_CLASS_SESSION_DESTROYED);
}

TEST_F(SessionTest, SocketWatcherHearsOfEverySocket)
{
    SilentPort silent;
    std::vector<std::pair<int, bool>> events;
    snmp_->set_socket_watcher([&](int fd, bool added) { events.emplace_back(fd, added); });
    EXPECT_TRUE(events.empty());
    CTarget target(loopback(silent.port()));
    target.set_version(version2c);
    target.set_timeout(5);
    target.set_retry(0);
    Pdu pdu = sysUpTimePdu();
    Completion c;
    ASSERT_EQ(snmp_->get(pdu, target, record, &c), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_TRUE(events[0].second);
    EXPECT_EQ(snmp_->get_sockets(), std::vector<int>{events[0].first});
    // Synchronous calls use sockets of their own, not watched.
    EXPECT_EQ(snmp_->get(pdu, target), SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(events.size(), 1u);
    snmp_->wait_for_events(500);
    EXPECT_EQ(c.calls, 1);
    snmp_.reset();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1], std::make_pair(events[0].first, false));
}

} // namespace
