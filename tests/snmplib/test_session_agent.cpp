// The session layer against a real net-snmp agent on 127.0.0.1: every
// version, synchronous and asynchronous GET, GET-NEXT and SET, walks, the
// agent's refusals and the user-based security failures.
#include "snmplib/Snmp.h"
#include "support/Snmpd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

using vntest::Snmpd;

const Oid kSysDescr("1.3.6.1.2.1.1.1.0");
const Oid kSysUpTime("1.3.6.1.2.1.1.3.0");
const Oid kSysContact("1.3.6.1.2.1.1.4.0");
const Oid kSysLocation("1.3.6.1.2.1.1.6.0");
const Oid kIfNumber("1.3.6.1.2.1.2.1.0");
const Oid kIfTable("1.3.6.1.2.1.2.2");

OctetStr str(const char* s)
{
    return OctetStr(std::string(s));
}

struct Completion
{
    int calls = 0;
    int reason = 0;
    int errorStatus = 0;
    int errorIndex = 0;
    std::vector<Vb> vbs;
};

void record(int reason, Snmp*, Pdu& pdu, SnmpTarget&, void* data)
{
    auto* c = static_cast<Completion*>(data);
    ++c->calls;
    c->reason = reason;
    c->errorStatus = pdu.get_error_status();
    c->errorIndex = pdu.get_error_index();
    c->vbs = pdu.vbs();
}

// One agent for the whole suite; each test gets a session.
class AgentTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { agent_ = new Snmpd(); }
    static void TearDownTestSuite()
    {
        delete agent_;
        agent_ = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(agent_->ok()) << agent_->error();
        int status = -99;
        snmp_ = std::make_unique<Snmp>(status);
        ASSERT_EQ(status, SNMP_CLASS_SUCCESS);
        // As the program starts it: a local engine identity of its own.
        ASSERT_EQ(mpInit(*snmp_, str("QnSNMP_PP_Application"), 2), SNMPv3_MP_OK);
    }

    static UdpAddress address()
    {
        UdpAddress a(agent_->address());
        a.set_port(agent_->port());
        return a;
    }
    static CTarget community(snmp_version v, const char* read = Snmpd::ReadCommunity,
                             const char* write = Snmpd::WriteCommunity)
    {
        CTarget t(address());
        t.set_version(v);
        t.set_readcommunity(str(read));
        t.set_writecommunity(str(write));
        t.set_timeout(100);
        t.set_retry(1);
        return t;
    }
    // Registers the user and returns a target for it.
    static UTarget user(const char* name, int auth, int priv, const char* authPass, const char* privPass = "")
    {
        usmAddUserName(str(name), auth, priv, str(authPass), str(privPass));
        UTarget t(address());
        t.set_security_name(str(name));
        t.set_timeout(100);
        t.set_retry(1);
        return t;
    }
    struct V3Case
    {
        const char* name;
        int auth, priv;
        const char* authPass;
        const char* privPass;
        int level;
    };
    static std::vector<V3Case> v3Cases()
    {
        return {
            {Snmpd::Md5User, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, Snmpd::Md5AuthPass, "",
             SNMP_SECURITY_LEVEL_AUTH_NOPRIV},
            {Snmpd::ShaUser, SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE, Snmpd::ShaAuthPass, "",
             SNMP_SECURITY_LEVEL_AUTH_NOPRIV},
            {Snmpd::Md5DesUser, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, Snmpd::Md5AuthPass,
             Snmpd::Md5DesPrivPass, SNMP_SECURITY_LEVEL_AUTH_PRIV},
            {Snmpd::ShaDesUser, SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES, Snmpd::ShaAuthPass,
             Snmpd::ShaDesPrivPass, SNMP_SECURITY_LEVEL_AUTH_PRIV},
        };
    }
    static Pdu pduOf(std::initializer_list<Oid> oids, int level = SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV)
    {
        Pdu pdu;
        for (const Oid& o : oids)
            pdu += Vb(o);
        pdu.set_security_level(level);
        return pdu;
    }
    static Pdu setPdu(const Oid& oid, const std::string& text, int level = SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV)
    {
        Vb vb(oid);
        vb.set_value(OctetStr(text));
        Pdu pdu;
        pdu += vb;
        pdu.set_security_level(level);
        return pdu;
    }
    // Drives the asynchronous machinery until the completion came (or 3 s).
    void waitFor(const Completion& c)
    {
        auto t0 = std::chrono::steady_clock::now();
        while (c.calls == 0 && std::chrono::steady_clock::now() - t0 < std::chrono::seconds(3))
            snmp_->wait_for_events(50);
    }

    static Snmpd* agent_;
    std::unique_ptr<Snmp> snmp_;
};
Snmpd* AgentTest::agent_ = nullptr;

TEST_F(AgentTest, SynchronousGetGetNextAndSetInEveryVersion)
{
    std::vector<std::pair<std::string, std::unique_ptr<SnmpTarget>>> targets;
    for (snmp_version v : {version1, version2c})
        targets.emplace_back("community v" + std::to_string(int(v)), std::make_unique<CTarget>(community(v)));
    targets.emplace_back(
        "second communities",
        std::make_unique<CTarget>(community(version2c, Snmpd::ReadCommunity2, Snmpd::WriteCommunity2)));
    std::vector<int> levels = {0, 0, 0};
    for (const auto& c : v3Cases()) {
        targets.emplace_back(c.name,
                             std::make_unique<UTarget>(user(c.name, c.auth, c.priv, c.authPass, c.privPass)));
        levels.push_back(c.level);
    }
    for (size_t i = 0; i < targets.size(); ++i) {
        SCOPED_TRACE(targets[i].first);
        const SnmpTarget& t = *targets[i].second;
        const int level = levels[i] ? levels[i] : SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV;

        Pdu get = pduOf({kSysDescr, kSysUpTime}, level);
        ASSERT_EQ(snmp_->get(get, t), SNMP_CLASS_SUCCESS);
        ASSERT_EQ(get.get_vb_count(), 2);
        EXPECT_EQ(get[0].get_oid(), kSysDescr);
        EXPECT_EQ(get[0].get_syntax(), sNMP_SYNTAX_OCTETS);
        EXPECT_GT(get[0].get_octets().len(), 0u);
        EXPECT_EQ(get[1].get_syntax(), sNMP_SYNTAX_TIMETICKS);
        EXPECT_EQ(get.get_security_level(), level);

        Pdu next = pduOf({Oid("1.3.6.1.2.1.1")}, level);
        ASSERT_EQ(snmp_->get_next(next, t), SNMP_CLASS_SUCCESS);
        EXPECT_EQ(next[0].get_oid(), kSysDescr);

        const std::string contact = "contact " + targets[i].first;
        Pdu set = setPdu(kSysContact, contact, level);
        ASSERT_EQ(snmp_->set(set, t), SNMP_CLASS_SUCCESS);
        Pdu back = pduOf({kSysContact}, level);
        ASSERT_EQ(snmp_->get(back, t), SNMP_CLASS_SUCCESS);
        EXPECT_EQ(back[0].get_octets().bytes(), contact);
    }
}

TEST_F(AgentTest, AsynchronousRequestsCompleteOnlyWhenEventsAreProcessed)
{
    CTarget v1 = community(version1), v2 = community(version2c);
    const V3Case c3 = v3Cases()[3];
    UTarget v3 = user(c3.name, c3.auth, c3.priv, c3.authPass, c3.privPass);
    const int level = c3.level;

    Completion get1, next2, set3, later;
    Pdu p1 = pduOf({kSysUpTime});
    Pdu p2 = pduOf({Oid("1.3.6.1.2.1.1.4")});
    Pdu p3 = setPdu(kSysLocation, "async room", level);
    ASSERT_EQ(snmp_->get(p1, v1, record, &get1), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(snmp_->get_next(p2, v2, record, &next2), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(snmp_->set(p3, v3, record, &set3), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(snmp_->outstanding(), 3);
    ::usleep(100 * 1000); // the replies are waiting now

    // Synchronous calls in between run none of them.
    Pdu sync = pduOf({kSysDescr});
    ASSERT_EQ(snmp_->get(sync, v2), SNMP_CLASS_SUCCESS);
    Pdu sync3 = pduOf({kSysDescr}, level);
    ASSERT_EQ(snmp_->get(sync3, v3), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(get1.calls + next2.calls + set3.calls, 0);

    // A callback that starts another request: that one completes in a
    // later round, not inside this one.
    struct Chain
    {
        Snmp* snmp;
        CTarget target;
        Completion* next;
        int calls = 0;
    } chain{snmp_.get(), v2, &later};
    Pdu p4 = pduOf({kSysDescr});
    ASSERT_EQ(snmp_->get(
                  p4, v2,
                  [](int, Snmp* s, Pdu&, SnmpTarget&, void* data) {
                      auto* ch = static_cast<Chain*>(data);
                      ++ch->calls;
                      Pdu again;
                      again += Vb(kSysUpTime);
                      EXPECT_EQ(s->get(again, ch->target, record, ch->next), SNMP_CLASS_SUCCESS);
                  },
                  &chain),
              SNMP_CLASS_SUCCESS);
    ::usleep(50 * 1000);

    auto t0 = std::chrono::steady_clock::now();
    while ((get1.calls == 0 || next2.calls == 0 || set3.calls == 0 || chain.calls == 0) &&
           std::chrono::steady_clock::now() - t0 < std::chrono::seconds(3))
        SNMPProcessPendingEvents();
    EXPECT_EQ(get1.calls, 1);
    EXPECT_EQ(get1.reason, SNMP_CLASS_ASYNC_RESPONSE);
    EXPECT_EQ(get1.errorStatus, SNMP_ERROR_SUCCESS);
    ASSERT_EQ(get1.vbs.size(), 1u);
    EXPECT_EQ(get1.vbs[0].get_syntax(), sNMP_SYNTAX_TIMETICKS);
    EXPECT_EQ(next2.calls, 1);
    ASSERT_EQ(next2.vbs.size(), 1u);
    EXPECT_EQ(next2.vbs[0].get_oid(), kSysContact);
    EXPECT_EQ(set3.calls, 1);
    EXPECT_EQ(set3.errorStatus, SNMP_ERROR_SUCCESS);
    EXPECT_EQ(chain.calls, 1);
    EXPECT_EQ(later.calls, 0);
    waitFor(later);
    EXPECT_EQ(later.calls, 1);
    EXPECT_EQ(later.errorStatus, 0);

    Pdu check = pduOf({kSysLocation});
    ASSERT_EQ(snmp_->get(check, v2), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(check[0].get_octets().bytes(), "async room");
    EXPECT_EQ(snmp_->outstanding(), 0);
}

TEST_F(AgentTest, WalksATableToItsEnd)
{
    CTarget t = community(version2c);
    Pdu n = pduOf({kIfNumber});
    ASSERT_EQ(snmp_->get(n, t), SNMP_CLASS_SUCCESS);
    const int interfaces = n[0].get_int32();
    ASSERT_GT(interfaces, 0);

    // One GET-NEXT per row on three columns at once, until they leave.
    std::vector<Oid> cols = {Oid("1.3.6.1.2.1.2.2.1.1"), Oid("1.3.6.1.2.1.2.2.1.2"),
                             Oid("1.3.6.1.2.1.2.2.1.3")};
    std::vector<Oid> last = cols;
    int rows = 0;
    for (;;) {
        Pdu pdu;
        for (const Oid& o : last)
            pdu += Vb(o);
        ASSERT_EQ(snmp_->get_next(pdu, t), SNMP_CLASS_SUCCESS);
        bool inside = false;
        for (size_t i = 0; i < cols.size(); ++i) {
            const Oid& got = pdu[int(i)].get_oid();
            if (got.startsWith(cols[i]) && got.len() > cols[i].len()) {
                inside = true;
                EXPECT_TRUE(last[i] < got);
                last[i] = got;
            }
        }
        if (!inside)
            break;
        EXPECT_EQ(pdu[0].get_syntax(), sNMP_SYNTAX_INT);
        EXPECT_EQ(pdu[1].get_syntax(), sNMP_SYNTAX_OCTETS);
        ++rows;
        ASSERT_LT(rows, 1000);
    }
    EXPECT_EQ(rows, interfaces);

    // The same walk asynchronously, each step started from the completion.
    struct Walk
    {
        Snmp* snmp;
        CTarget target;
        Oid col;
        Oid last;
        int rows = 0;
        bool finished = false;
        static void step(int reason, Snmp* s, Pdu& pdu, SnmpTarget&, void* data)
        {
            auto* w = static_cast<Walk*>(data);
            const Oid got = pdu.get_vb_count() ? pdu[0].get_oid() : Oid();
            if (reason != SNMP_CLASS_ASYNC_RESPONSE || pdu.get_error_status() || !got.startsWith(w->col) ||
                !(w->last < got)) {
                w->finished = true;
                return;
            }
            ++w->rows;
            w->last = got;
            Pdu next;
            next += Vb(got);
            if (s->get_next(next, w->target, step, w) != SNMP_CLASS_SUCCESS)
                w->finished = true;
        }
    } walk{snmp_.get(), t, cols[1], cols[1]};
    Pdu first = pduOf({cols[1]});
    ASSERT_EQ(snmp_->get_next(first, t, Walk::step, &walk), SNMP_CLASS_SUCCESS);
    auto t0 = std::chrono::steady_clock::now();
    while (!walk.finished && std::chrono::steady_clock::now() - t0 < std::chrono::seconds(5))
        snmp_->wait_for_events(50);
    EXPECT_TRUE(walk.finished);
    EXPECT_EQ(walk.rows, interfaces);
}

// An SNMPv1 agent ends a walk past the end of its MIB with noSuchName,
// echoing the OIDs it was sent.
TEST_F(AgentTest, Snmpv1WalkPastTheEndOfTheMibEndsOnNoSuchName)
{
    CTarget v1 = community(version1), v2 = community(version2c);
    // Where the MIB ends, as SNMPv2c sees it.
    Oid lastV2("1.3.6.1.6.3.16");
    for (int i = 0; i < 10000; ++i) {
        Pdu p = pduOf({lastV2});
        ASSERT_EQ(snmp_->get_next(p, v2), SNMP_CLASS_SUCCESS);
        if (p[0].get_syntax() == sNMP_SYNTAX_ENDOFMIBVIEW)
            break;
        lastV2 = p[0].get_oid();
    }
    Oid cursor("1.3.6.1.6.3.16");
    Oid lastV1;
    int status = SNMP_CLASS_SUCCESS;
    for (int i = 0; i < 10000 && status == SNMP_CLASS_SUCCESS; ++i) {
        Pdu p = pduOf({cursor});
        status = snmp_->get_next(p, v1);
        if (status == SNMP_CLASS_SUCCESS) {
            lastV1 = p[0].get_oid();
            cursor = lastV1;
        } else {
            EXPECT_EQ(p.get_error_index(), 1);
            EXPECT_EQ(p[0].get_oid(), cursor);
        }
    }
    EXPECT_EQ(status, SNMP_ERROR_NO_SUCH_NAME);
    EXPECT_EQ(lastV1, lastV2);
}

TEST_F(AgentTest, RefusedSetsGiveTheAgentsErrorStatus)
{
    struct Case
    {
        const char* what;
        snmp_version version;
        const char* write;
        Oid oid;
        bool wrongType;
        int status;
    } cases[] = {
        {"not writable", version2c, Snmpd::WriteCommunity, kSysDescr, false, SNMP_ERROR_NOT_WRITEABLE},
        {"wrong type", version2c, Snmpd::WriteCommunity, kSysContact, true, SNMP_ERROR_WRONG_TYPE},
        {"read-only community", version2c, Snmpd::ReadCommunity, kSysContact, false, SNMP_ERROR_NO_ACCESS},
        {"v1 not writable", version1, Snmpd::WriteCommunity, kSysDescr, false, SNMP_ERROR_NO_SUCH_NAME},
        {"v1 wrong type", version1, Snmpd::WriteCommunity, kSysContact, true, SNMP_ERROR_BAD_VALUE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CTarget t = community(c.version, Snmpd::ReadCommunity, c.write);
        Pdu pdu;
        Vb vb(c.oid);
        if (c.wrongType)
            vb.set_value(int32_t(5));
        else
            vb.set_value(str("x"));
        pdu += vb;
        EXPECT_EQ(snmp_->set(pdu, t), c.status);
        EXPECT_EQ(pdu.get_error_status(), c.status);
        EXPECT_EQ(pdu.get_error_index(), 1);

        Completion done;
        Pdu again;
        again += vb;
        ASSERT_EQ(snmp_->set(again, t, record, &done), SNMP_CLASS_SUCCESS);
        waitFor(done);
        EXPECT_EQ(done.reason, SNMP_CLASS_ASYNC_RESPONSE);
        EXPECT_EQ(done.errorStatus, c.status);
    }
}

TEST_F(AgentTest, UserBasedSecurityFailuresHaveTheirCodes)
{
    // A wrong authentication pass phrase, then the right one for the same
    // user: the keys of the wrong one must not stick.
    UTarget wrong = user(Snmpd::ShaUser, SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE, "not-the-pass");
    Pdu p = pduOf({kSysDescr}, SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
    EXPECT_EQ(snmp_->get(p, wrong), SNMPv3_USM_AUTHENTICATION_FAILURE);
    Completion c1;
    ASSERT_EQ(snmp_->get(p, wrong, record, &c1), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(c1.calls, 0);
    waitFor(c1);
    EXPECT_EQ(c1.calls, 1);
    EXPECT_EQ(c1.reason, SNMP_CLASS_ASYNC_RESPONSE);
    EXPECT_EQ(c1.errorStatus, SNMPv3_USM_AUTHENTICATION_FAILURE);

    UTarget right =
        user(Snmpd::ShaUser, SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE, Snmpd::ShaAuthPass);
    EXPECT_EQ(snmp_->get(p, right), SNMP_CLASS_SUCCESS);
    // And back to the wrong one: fails again.
    wrong = user(Snmpd::ShaUser, SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE, "not-the-pass");
    EXPECT_EQ(snmp_->get(p, wrong), SNMPv3_USM_AUTHENTICATION_FAILURE);
    user(Snmpd::ShaUser, SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE, Snmpd::ShaAuthPass);

    // A user the agent does not know, with and without authentication.
    UTarget unknown = user("nosuchuser", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "whatever-pass");
    Pdu q = pduOf({kSysDescr}, SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
    EXPECT_EQ(snmp_->get(q, unknown), SNMPv3_USM_UNKNOWN_SECURITY_NAME);
    q.set_security_level(SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV);
    EXPECT_EQ(snmp_->get(q, unknown), SNMPv3_USM_UNKNOWN_SECURITY_NAME);
    Completion c2;
    ASSERT_EQ(snmp_->get(q, unknown, record, &c2), SNMP_CLASS_SUCCESS);
    waitFor(c2);
    EXPECT_EQ(c2.errorStatus, SNMPv3_USM_UNKNOWN_SECURITY_NAME);

    // A level above the agent's user: it has no privacy key.
    UTarget md5 = user(Snmpd::Md5User, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, Snmpd::Md5AuthPass,
                       "some-priv-pass");
    Pdu r = pduOf({kSysDescr}, SNMP_SECURITY_LEVEL_AUTH_PRIV);
    EXPECT_EQ(snmp_->get(r, md5), SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL);

    // A wrong DES pass phrase: the agent cannot decrypt and stays silent.
    UTarget badPriv = user(Snmpd::ShaDesUser, SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES,
                           Snmpd::ShaAuthPass, "wrong-priv-pass");
    badPriv.set_timeout(20);
    badPriv.set_retry(0);
    Pdu s = pduOf({kSysDescr}, SNMP_SECURITY_LEVEL_AUTH_PRIV);
    EXPECT_EQ(snmp_->get(s, badPriv), SNMP_CLASS_TIMEOUT);
    UTarget goodPriv = user(Snmpd::ShaDesUser, SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES,
                            Snmpd::ShaAuthPass, Snmpd::ShaDesPrivPass);
    EXPECT_EQ(snmp_->get(s, goodPriv), SNMP_CLASS_SUCCESS);
}

// New credentials for a user retire the sessions of the old ones, also one
// that still had a request out (closed once that request has ended).
TEST_F(AgentTest, ChangedCredentialsRetireTheOldSessions)
{
    std::vector<std::pair<int, bool>> events;
    snmp_->set_socket_watcher([&](int fd, bool added) { events.emplace_back(fd, added); });
    UTarget t = user(Snmpd::Md5User, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, Snmpd::Md5AuthPass);
    t.set_timeout(30);
    t.set_retry(0);
    Pdu p = pduOf({kSysDescr}, SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
    Completion first;
    ASSERT_EQ(snmp_->get(p, t, record, &first), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(events.size(), 1u);
    const int oldFd = events[0].first;

    user(Snmpd::Md5User, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "another-pass-phrase");
    EXPECT_EQ(events.size(), 1u); // busy: kept until its request ends
    waitFor(first);
    EXPECT_EQ(first.calls, 1);

    Completion second;
    ASSERT_EQ(snmp_->get(p, t, record, &second), SNMP_CLASS_SUCCESS);
    waitFor(second);
    EXPECT_EQ(second.errorStatus, SNMPv3_USM_AUTHENTICATION_FAILURE);
    EXPECT_NE(std::find(events.begin(), events.end(), std::make_pair(oldFd, false)), events.end());
    const auto fds = snmp_->get_sockets();
    EXPECT_EQ(fds.size(), 1u);

    // And the idle session of the wrong pass phrase goes at once.
    user(Snmpd::Md5User, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, Snmpd::Md5AuthPass);
    EXPECT_TRUE(snmp_->get_sockets().empty());
    Completion third;
    ASSERT_EQ(snmp_->get(p, t, record, &third), SNMP_CLASS_SUCCESS);
    waitFor(third);
    EXPECT_EQ(third.errorStatus, SNMP_ERROR_SUCCESS);
    snmp_->set_socket_watcher(nullptr); // events goes before the session
}

TEST_F(AgentTest, WrongCommunityTimesOut)
{
    CTarget t = community(version2c, "no-such-community", "no-such-community");
    t.set_timeout(20);
    t.set_retry(1);
    Pdu p = pduOf({kSysDescr});
    auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(snmp_->get(p, t), SNMP_CLASS_TIMEOUT);
    double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_GE(took, 0.39);
    EXPECT_LT(took, 1.0);
}

TEST_F(AgentTest, SurvivesAnAgentRestart)
{
    Snmpd own;
    ASSERT_TRUE(own.ok()) << own.error();
    UdpAddress a(own.address());
    a.set_port(own.port());
    usmAddUserName(str(Snmpd::Md5User), SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE,
                   str(Snmpd::Md5AuthPass), OctetStr());
    UTarget t(a);
    t.set_security_name(str(Snmpd::Md5User));
    Pdu p = pduOf({kSysDescr}, SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
    ASSERT_EQ(snmp_->get(p, t), SNMP_CLASS_SUCCESS);
    own.stop();
    ASSERT_TRUE(own.start()) << own.error();
    // The agent's engine boots went up: the library adjusts by itself.
    EXPECT_EQ(snmp_->get(p, t), SNMP_CLASS_SUCCESS);
    Completion c;
    ASSERT_EQ(snmp_->get(p, t, record, &c), SNMP_CLASS_SUCCESS);
    waitFor(c);
    EXPECT_EQ(c.errorStatus, SNMP_ERROR_SUCCESS);
}

// Discovery costs the agent a report counted in usmStatsUnknownEngineIDs: a
// discovered engine id is reused by later sessions to the same agent.
TEST_F(AgentTest, DiscoversAnAgentsEngineIdOnce)
{
    Snmpd own;
    ASSERT_TRUE(own.ok()) << own.error();
    UdpAddress a(own.address());
    a.set_port(own.port());
    CTarget v2(a);
    v2.set_version(version2c);
    auto probes = [&] {
        Pdu p = pduOf({Oid("1.3.6.1.6.3.15.1.1.4.0")});
        EXPECT_EQ(snmp_->get(p, v2), SNMP_CLASS_SUCCESS);
        return p[0].get_uint32();
    };
    const uint32_t before = probes();
    usmAddUserName(str(Snmpd::Md5User), SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE,
                   str(Snmpd::Md5AuthPass), OctetStr());
    for (unsigned long timeout : {100ul, 300ul, 500ul}) { // a session each, twice: sync and async
        UTarget t(a);
        t.set_security_name(str(Snmpd::Md5User));
        t.set_timeout(timeout);
        Pdu p = pduOf({kSysDescr}, SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
        EXPECT_EQ(snmp_->get(p, t), SNMP_CLASS_SUCCESS);
        Completion c;
        ASSERT_EQ(snmp_->get_next(p, t, record, &c), SNMP_CLASS_SUCCESS);
        waitFor(c);
        EXPECT_EQ(c.errorStatus, SNMP_ERROR_SUCCESS);
    }
    EXPECT_EQ(probes() - before, 1u);
}

// An agent that comes back with a new engine id (its persistent state lost):
// the first synchronous request times out, the next one discovers it again.
TEST_F(AgentTest, FindsAnAgentThatChangedItsEngineId)
{
    Snmpd own;
    ASSERT_TRUE(own.ok()) << own.error();
    UdpAddress a(own.address());
    a.set_port(own.port());
    usmAddUserName(str(Snmpd::ShaUser), SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE,
                   str(Snmpd::ShaAuthPass), OctetStr());
    UTarget t(a);
    t.set_security_name(str(Snmpd::ShaUser));
    t.set_timeout(30);
    t.set_retry(0);
    Pdu p = pduOf({kSysDescr}, SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
    ASSERT_EQ(snmp_->get(p, t), SNMP_CLASS_SUCCESS);
    Completion before;
    ASSERT_EQ(snmp_->get(p, t, record, &before), SNMP_CLASS_SUCCESS); // opens the asynchronous session
    waitFor(before);
    ASSERT_EQ(before.errorStatus, SNMP_ERROR_SUCCESS);

    own.stop();
    std::remove((own.folder() + "/persist/snmpd.conf").c_str());
    ASSERT_TRUE(own.start()) << own.error();
    EXPECT_EQ(snmp_->get(p, t), SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(snmp_->get(p, t), SNMP_CLASS_SUCCESS);
    // The asynchronous session of the old engine id is replaced too.
    Completion after;
    ASSERT_EQ(snmp_->get(p, t, record, &after), SNMP_CLASS_SUCCESS);
    waitFor(after);
    EXPECT_EQ(after.reason, SNMP_CLASS_ASYNC_RESPONSE);
    EXPECT_EQ(after.errorStatus, SNMP_ERROR_SUCCESS);
}

} // namespace
