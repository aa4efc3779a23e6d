// The session layer over net-snmp's single-session API. Layout:
//  - library start (once per process) and the status mapping of net-snmp
//    error numbers and report PDUs;
//  - the user table and the discovered engine identifiers (process-wide);
//  - Snmp::Impl: net-snmp sessions cached per target (one set for
//    asynchronous requests, a dedicated set for synchronous calls), the table
//    of outstanding requests and the queue of completions ready to run.
// net-snmp's callback never runs user code: it stores the result and queues
// the request; callbacks run only when the queue is drained by
// process_pending_events/wait_for_events (or the destructor).
// net-snmp has a type of its own named snmp_callback: rename it while its
// headers are read, so that the session's callback type keeps its name.
#define snmp_callback netsnmp_library_snmp_callback
#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/library/keytools.h>
#include <net-snmp/library/large_fd_set.h>
#include <net-snmp/library/lcd_time.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/snmpv3.h>
#include <net-snmp/library/transform_oids.h>
#undef snmp_callback

#include "snmplib/Snmp.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <map>
#include <netdb.h>
#include <poll.h>
#include <set>
#include <sstream>
#include <unordered_map>

namespace {

// ---------------------------------------------------------------------------
// Library start

bool g_libraryStarted = false;
int g_liveSessions = 0;

void shutdownAtExit()
{
    if (g_libraryStarted && g_liveSessions == 0) {
        snmp_shutdown("vn2400");
        g_libraryStarted = false;
    }
}

void startLibrary()
{
    if (g_libraryStarted)
        return;
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    // Every OID is numeric: load no MIB module. The variable is put back so
    // that programs started later see the user's own setting.
    const char* old = std::getenv("MIBS");
    std::string saved = old ? old : "";
    setenv("MIBS", "", 1);
    init_snmp("vn2400");
    if (old)
        setenv("MIBS", saved.c_str(), 1);
    else
        unsetenv("MIBS");
    g_libraryStarted = true;
    static bool registered = false;
    if (!registered) {
        registered = true;
        std::atexit(shutdownAtExit);
    }
}

// ---------------------------------------------------------------------------
// Status mapping

int mapLibraryError(int e)
{
    switch (e) {
    case SNMPERR_SUCCESS:
        return SNMP_CLASS_SUCCESS;
    case SNMPERR_TIMEOUT:
        return SNMP_CLASS_TIMEOUT;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
    case SNMPERR_BAD_SEC_NAME:
        return SNMPv3_USM_UNKNOWN_SECURITY_NAME;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE:
        return SNMPv3_USM_AUTHENTICATION_FAILURE;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
    case SNMPERR_BAD_SEC_LEVEL:
        return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW:
        return SNMPv3_USM_NOT_IN_TIME_WINDOW;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
    case SNMPERR_BAD_ENG_ID:
        return SNMPv3_USM_UNKNOWN_ENGINEID;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR:
        return SNMPv3_USM_DECRYPTION_ERROR;
    case SNMPERR_USM_ENCRYPTIONERROR:
        return SNMPv3_USM_ENCRYPTION_ERROR;
    case SNMPERR_USM_PARSEERROR:
        return SNMPv3_USM_PARSE_ERROR;
    case SNMPERR_USM_GENERICERROR:
    case SNMPERR_SC_GENERAL_FAILURE:
    case SNMPERR_SC_NOT_CONFIGURED:
    case SNMPERR_KT_NOT_AVAILABLE:
        return SNMPv3_USM_ERROR;
    case SNMPERR_UNKNOWN_SEC_MODEL:
        return SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL;
    case SNMPERR_INVALID_MSG:
        return SNMPv3_MP_INVALID_MESSAGE;
    case SNMPERR_BAD_CONTEXT:
        return SNMPv3_MP_UNKNOWN_CONTEXT;
    case SNMPERR_BAD_COMMUNITY:
        return SNMPv3_MP_COMMUNITY_ERROR;
    case SNMPERR_BAD_PARSE:
    case SNMPERR_ASN_PARSE_ERR:
        return SNMPv3_MP_PARSE_ERROR;
    case SNMPERR_UNKNOWN_REPORT:
        return SNMPv3_MP_ERROR;
    case SNMPERR_BAD_ADDRESS:
        return SNMP_CLASS_INVALID_ADDRESS;
    case SNMPERR_BAD_LOCPORT:
    case SNMPERR_NO_SOCKET:
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_RECVFROM:
    case SNMPERR_ABORT:
        return SNMP_CLASS_TL_FAILED;
    case SNMPERR_BAD_SESSION:
        return SNMP_CLASS_INVALID;
    case SNMPERR_MALLOC:
        return SNMP_CLASS_RESOURCE_UNAVAIL;
    case SNMPERR_BAD_VERSION:
    case SNMPERR_V2_IN_V1:
    case SNMPERR_V1_IN_V2:
        return SNMP_CLASS_INVALID_OPERATION;
    case SNMPERR_BAD_NAME:
    case SNMPERR_UNKNOWN_OBJID:
    case SNMPERR_BAD_SUBID:
    case SNMPERR_LONG_OID:
    case SNMPERR_MAX_SUBID:
        return SNMP_CLASS_INVALID_OID;
    case SNMPERR_TOO_LONG:
    case SNMPERR_BAD_ASN1_BUILD:
    case SNMPERR_NULL_PDU:
    case SNMPERR_NO_VARS:
    case SNMPERR_VAR_TYPE:
    case SNMPERR_VALUE:
    case SNMPERR_UNKNOWN_PDU:
        return SNMP_CLASS_INVALID_PDU;
    default:
        return SNMP_CLASS_ERROR;
    }
}

bool oidIs(const netsnmp_variable_list* v, std::initializer_list<oid> prefix, oid& last)
{
    if (v->name_length != prefix.size() + 2)
        return false;
    size_t i = 0;
    for (oid p : prefix)
        if (v->name[i++] != p)
            return false;
    if (v->name[i + 1] != 0)
        return false;
    last = v->name[i];
    return true;
}

// A report PDU's status, from the OID of its first binding.
int reportStatus(const netsnmp_pdu* pdu)
{
    const netsnmp_variable_list* v = pdu ? pdu->variables : nullptr;
    if (!v)
        return SNMPv3_MP_ERROR;
    oid n = 0;
    if (oidIs(v, {1, 3, 6, 1, 6, 3, 15, 1, 1}, n) && n >= 1 && n <= 6) {
        static const int usm[] = {SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL, SNMPv3_USM_NOT_IN_TIME_WINDOW,
                                  SNMPv3_USM_UNKNOWN_SECURITY_NAME,      SNMPv3_USM_UNKNOWN_ENGINEID,
                                  SNMPv3_USM_AUTHENTICATION_FAILURE,     SNMPv3_USM_DECRYPTION_ERROR};
        return usm[n - 1];
    }
    if (oidIs(v, {1, 3, 6, 1, 6, 3, 11, 2, 1}, n) && n >= 1 && n <= 3) {
        static const int mpd[] = {SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL, SNMPv3_MP_INVALID_MESSAGE,
                                  SNMPv3_MP_UNKNOWN_PDU_HANDLERS};
        return mpd[n - 1];
    }
    if (oidIs(v, {1, 3, 6, 1, 6, 3, 12, 1}, n)) {
        if (n == 4)
            return SNMPv3_MP_UNAVAILABLE_CONTEXT;
        if (n == 5)
            return SNMPv3_MP_UNKNOWN_CONTEXT;
    }
    return SNMPv3_MP_ERROR;
}

// ---------------------------------------------------------------------------
// Conversions between the value classes and net-snmp

bool toNetsnmpOid(const Oid& o, std::vector<oid>& out)
{
    if (!o.valid() || o.len() > MAX_OID_LEN)
        return false;
    out.assign(o.ids().begin(), o.ids().end());
    return true;
}

Oid fromNetsnmpOid(const oid* name, size_t len)
{
    std::vector<uint32_t> ids(len);
    for (size_t i = 0; i < len; ++i)
        ids[i] = uint32_t(name[i]);
    return Oid(std::move(ids));
}

Vb fromNetsnmpVar(const netsnmp_variable_list* v)
{
    Vb vb(fromNetsnmpOid(v->name, v->name_length));
    switch (v->type) {
    case ASN_INTEGER:
        vb.set_value(int32_t(*v->val.integer));
        break;
    case ASN_OCTET_STR:
        vb.set_value(OctetStr(v->val.string, v->val_len));
        break;
    case ASN_BIT_STR:
        vb.set_value(OctetStr(v->val.string, v->val_len));
        vb.set_syntax(sNMP_SYNTAX_BITS);
        break;
    case ASN_OBJECT_ID:
        vb.set_value(fromNetsnmpOid(v->val.objid, v->val_len / sizeof(oid)));
        break;
    case ASN_IPADDRESS:
        if (v->val_len >= 4)
            vb.set_value(IpAddress(v->val.string[0], v->val.string[1], v->val.string[2], v->val.string[3]));
        else
            vb.set_value(IpAddress(0, 0, 0, 0));
        break;
    case ASN_COUNTER:
        vb.set_unsigned(sNMP_SYNTAX_CNTR32, uint32_t(*v->val.integer));
        break;
    case ASN_GAUGE:
        vb.set_unsigned(sNMP_SYNTAX_GAUGE32, uint32_t(*v->val.integer));
        break;
    case ASN_UINTEGER:
        vb.set_unsigned(sNMP_SYNTAX_UINT32, uint32_t(*v->val.integer));
        break;
    case ASN_TIMETICKS:
        vb.set_value(TimeTicks(uint32_t(*v->val.integer)));
        break;
    case ASN_COUNTER64:
        vb.set_value(Counter64(uint32_t(v->val.counter64->high), uint32_t(v->val.counter64->low)));
        break;
    case ASN_OPAQUE:
        vb.set_opaque(OctetStr(v->val.string, v->val_len));
        break;
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
        vb.set_null();
        vb.set_syntax(uint8_t(v->type));
        break;
    default:
        vb.set_null();
        break;
    }
    return vb;
}

// Adds one binding to a net-snmp PDU; false when the value cannot be sent.
bool addVar(netsnmp_pdu* np, const Vb& vb, bool withValue)
{
    std::vector<oid> name;
    if (!toNetsnmpOid(vb.get_oid(), name))
        return false;
    if (!withValue)
        return snmp_add_null_var(np, name.data(), name.size()) != nullptr;
    const unsigned char* p = nullptr;
    size_t len = 0;
    u_char type = ASN_NULL;
    long l = 0;
    struct counter64 c64
    {
    };
    std::vector<oid> oidValue;
    switch (vb.get_syntax()) {
    case sNMP_SYNTAX_INT:
        type = ASN_INTEGER;
        l = vb.get_int32();
        p = reinterpret_cast<const unsigned char*>(&l);
        len = sizeof l;
        break;
    case sNMP_SYNTAX_OCTETS:
    case sNMP_SYNTAX_BITS:
    case sNMP_SYNTAX_OPAQUE:
        type = vb.get_syntax() == sNMP_SYNTAX_OPAQUE ? u_char(ASN_OPAQUE) : u_char(ASN_OCTET_STR);
        p = vb.get_octets().data();
        len = vb.get_octets().len();
        break;
    case sNMP_SYNTAX_IPADDR:
        if (vb.get_octets().len() != 4)
            return false;
        type = ASN_IPADDRESS;
        p = vb.get_octets().data();
        len = 4;
        break;
    case sNMP_SYNTAX_OID:
        if (!toNetsnmpOid(vb.get_oid_value(), oidValue))
            return false;
        type = ASN_OBJECT_ID;
        p = reinterpret_cast<const unsigned char*>(oidValue.data());
        len = oidValue.size() * sizeof(oid);
        break;
    case sNMP_SYNTAX_CNTR32:
    case sNMP_SYNTAX_GAUGE32:
    case sNMP_SYNTAX_TIMETICKS:
    case sNMP_SYNTAX_UINT32:
        type = vb.get_syntax() == sNMP_SYNTAX_CNTR32      ? u_char(ASN_COUNTER)
               : vb.get_syntax() == sNMP_SYNTAX_GAUGE32   ? u_char(ASN_GAUGE)
               : vb.get_syntax() == sNMP_SYNTAX_TIMETICKS ? u_char(ASN_TIMETICKS)
                                                          : u_char(ASN_UINTEGER);
        l = long(vb.get_uint32());
        p = reinterpret_cast<const unsigned char*>(&l);
        len = sizeof l;
        break;
    case sNMP_SYNTAX_CNTR64:
        type = ASN_COUNTER64;
        c64.high = u_long(vb.get_uint64() >> 32);
        c64.low = u_long(vb.get_uint64() & 0xffffffffu);
        p = reinterpret_cast<const unsigned char*>(&c64);
        len = sizeof c64;
        break;
    default: // NULL and the exception values go out as NULL
        return snmp_add_null_var(np, name.data(), name.size()) != nullptr;
    }
    return snmp_pdu_add_variable(np, name.data(), name.size(), type, p, len) != nullptr;
}

unsigned char* mallocCopy(const OctetStr& s)
{
    auto* p = static_cast<unsigned char*>(std::malloc(s.len() ? s.len() : 1));
    if (p && s.len())
        std::memcpy(p, s.data(), s.len());
    return p;
}

// ---------------------------------------------------------------------------
// The user table and discovered engine identifiers

struct UserEntry
{
    int auth = SNMP_AUTHPROTOCOL_NONE;
    int priv = SNMP_PRIVPROTOCOL_NONE;
    std::string authPass;
    std::string privPass;
    int status = SNMPv3_USM_OK;
    bool operator==(const UserEntry& o) const
    {
        return auth == o.auth && priv == o.priv && authPass == o.authPass && privPass == o.privPass;
    }
};

std::map<std::string, UserEntry>& users()
{
    static std::map<std::string, UserEntry> u;
    return u;
}

// Agent address ("a.b.c.d/port") -> its engine identifier.
std::map<std::string, std::string>& engineIds()
{
    static std::map<std::string, std::string> e;
    return e;
}

// Drops every key net-snmp cached for this user name.
void flushLibraryUser(const std::string& name)
{
    if (!g_libraryStarted)
        return;
    struct usmUser* u = usm_get_userList();
    while (u) {
        struct usmUser* next = u->next;
        if (u->name && name == u->name) {
            usm_remove_user(u);
            usm_free_user(u);
        }
        u = next;
    }
}

int timeLeftMs(const struct timeval& tv)
{
    long long ms = (long long)tv.tv_sec * 1000 + (tv.tv_usec + 999) / 1000;
    return ms > 1000000 ? 1000000 : int(ms);
}

} // namespace

// ---------------------------------------------------------------------------
// Snmp::Impl

namespace {

struct NsSession
{
    void* sp = nullptr;
    std::string key;
    std::string userName;        // SNMPv3 only
    std::string address;         // "a.b.c.d/port"
    std::string engineId;        // SNMPv3: the agent's engine id the session uses
    bool explicitEngine = false; // given by the target, not discovered
    bool async = false;
    bool stale = false;   // credentials changed: not used for new requests
    bool closing = false; // being closed: time-outs mean "destroyed"
    int fd = -1;
    int live = 0; // requests sent whose final result has not come
};

struct Pending
{
    Snmp::Impl* owner = nullptr;
    NsSession* sess = nullptr;
    snmp_callback cb = nullptr;
    void* data = nullptr;
    std::unique_ptr<SnmpTarget> target;
    bool sync = false;
    bool done = false;
    int reason = SNMP_CLASS_ASYNC_RESPONSE;
    bool isResponse = false;
    Pdu pdu; // what was sent; replaced by the reply's content
};

std::unordered_map<unsigned long, Pending>& pendingTable()
{
    static std::unordered_map<unsigned long, Pending> t;
    return t;
}
unsigned long g_nextRequestId = 1;

std::set<Snmp::Impl*>& liveImpls()
{
    static std::set<Snmp::Impl*> s;
    return s;
}

} // namespace

struct Snmp::Impl
{
    Snmp* self = nullptr;
    std::unordered_map<std::string, std::unique_ptr<NsSession>> asyncSessions;
    std::unordered_map<std::string, std::unique_ptr<NsSession>> syncSessions;
    std::deque<unsigned long> ready;
    std::function<void(int, bool)> watcher;
    OctetStr engineId;
    unsigned int engineBoots = 0;
    bool staleWaiting = false; // some stale session still had requests out

    int send(int command, Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* data, bool sync);
    NsSession* session(const SnmpTarget& target, const UserEntry* user, bool async, int& status);
    void closeSession(NsSession* s);
    void closeIdle(std::unordered_map<std::string, std::unique_ptr<NsSession>>& map, bool staleOnly);
    int serviceSockets(int waitMs);
    void learnEngineId(NsSession* s);
    int deliverReady();
    // Marks SNMPv3 sessions stale (all users when userName is empty, all
    // agents when address is empty; only synchronous ones when syncOnly;
    // not those using keepEngine) and closes those that are idle.
    void markStale(const std::string& userName, const std::string& address, bool syncOnly = false,
                   const std::string* keepEngine = nullptr);
};

namespace {

int nsCallback(int op, netsnmp_session* ss, int /*reqid*/, netsnmp_pdu* pdu, void* magic)
{
    auto& table = pendingTable();
    auto it = table.find(reinterpret_cast<uintptr_t>(magic));
    if (it == table.end() || it->second.done)
        return 1;
    Pending& p = it->second;
    int status = SNMP_CLASS_SUCCESS;
    switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        if (pdu && pdu->command == SNMP_MSG_REPORT) {
            status = reportStatus(pdu);
            p.reason = SNMP_CLASS_ASYNC_RESPONSE;
        } else if (pdu) {
            std::vector<Vb> vbs;
            vbs.reserve(p.pdu.vbs().size());
            for (auto* v = pdu->variables; v; v = v->next_variable)
                vbs.push_back(fromNetsnmpVar(v));
            p.pdu.set_vblist(std::move(vbs));
            p.pdu.set_error_index(int(pdu->errindex));
            p.pdu.set_type(sNMP_PDU_RESPONSE);
            status = int(pdu->errstat);
            p.isResponse = true;
            p.reason = SNMP_CLASS_ASYNC_RESPONSE;
        }
        break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        p.reason = p.sess && p.sess->closing ? SNMP_CLASS_SESSION_DESTROYED : SNMP_CLASS_TIMEOUT;
        status = p.reason;
        break;
    case NETSNMP_CALLBACK_OP_SEND_FAILED: {
        int e = ss ? ss->s_snmp_errno : 0;
        status = e ? mapLibraryError(e) : SNMP_CLASS_TL_FAILED;
        if (status == SNMP_CLASS_ERROR)
            status = SNMP_CLASS_TL_FAILED;
        p.reason = SNMP_CLASS_ASYNC_RESPONSE;
        break;
    }
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
        if (pdu && pdu->command == SNMP_MSG_REPORT && pdu->variables)
            status = reportStatus(pdu);
        else
            status = ss && ss->s_snmp_errno ? mapLibraryError(ss->s_snmp_errno) : SNMPv3_USM_ERROR;
        p.reason = SNMP_CLASS_ASYNC_RESPONSE;
        break;
    default: // RESEND, CONNECT, DISCONNECT
        return 1;
    }
    p.pdu.set_error_status(status);
    p.done = true;
    if (p.sess) {
        --p.sess->live;
        if (status == SNMPv3_USM_UNKNOWN_ENGINEID && !p.sess->userName.empty())
            engineIds().erase(p.sess->address); // the agent changed: discover it again
    }
    if (!p.sync)
        p.owner->ready.push_back(it->first);
    return 1;
}

} // namespace

// After the library has talked to the agent: note the engine id it
// discovered, so that later sessions to that agent need no discovery. May
// close idle sessions (never call it from inside the library).
void Snmp::Impl::learnEngineId(NsSession* s)
{
    if (s->userName.empty() || !s->sp)
        return;
    netsnmp_session* open = snmp_sess_session(s->sp);
    if (!open || open->securityEngineIDLen == 0)
        return;
    std::string id(reinterpret_cast<const char*>(open->securityEngineID), open->securityEngineIDLen);
    if (id == s->engineId)
        return;
    s->engineId = id;
    if (s->explicitEngine)
        return;
    std::string& cached = engineIds()[s->address];
    if (cached == id)
        return;
    // The agent has a new engine id (replaced, or reset without its
    // persistent state): sessions using the old one would only see their
    // answers dropped.
    cached = id;
    const std::string address = s->address;
    for (Snmp::Impl* d : liveImpls())
        d->markStale(std::string(), address, false, &id);
}

void Snmp::Impl::closeSession(NsSession* s)
{
    if (!s->sp)
        return;
    if (s->async && watcher && s->fd >= 0)
        watcher(s->fd, false);
    s->closing = true;
    snmp_sess_close(s->sp); // outstanding requests come back as "destroyed"
    s->sp = nullptr;
    --g_liveSessions;
}

void Snmp::Impl::closeIdle(std::unordered_map<std::string, std::unique_ptr<NsSession>>& map, bool staleOnly)
{
    for (auto it = map.begin(); it != map.end();) {
        NsSession* s = it->second.get();
        if (s->live == 0 && (!staleOnly || s->stale)) {
            // No request refers to it any more.
            for (auto& [id, p] : pendingTable())
                if (p.sess == s)
                    p.sess = nullptr;
            closeSession(s);
            it = map.erase(it);
        } else {
            ++it;
        }
    }
}

void Snmp::Impl::markStale(const std::string& userName, const std::string& address, bool syncOnly,
                           const std::string* keepEngine)
{
    for (auto* map : {&asyncSessions, &syncSessions}) {
        if (syncOnly && map == &asyncSessions)
            continue;
        for (auto& [key, s] : *map)
            if (!s->userName.empty() && (userName.empty() || s->userName == userName) &&
                (address.empty() || s->address == address) && (!keepEngine || s->engineId != *keepEngine))
                s->stale = true;
    }
    closeIdle(asyncSessions, true);
    closeIdle(syncSessions, true);
    // Stale sessions still waiting for answers get a new key so that a new
    // session can take their place.
    for (auto* map : {&asyncSessions, &syncSessions}) {
        std::vector<std::unique_ptr<NsSession>> moved;
        for (auto it = map->begin(); it != map->end();) {
            if (it->second->stale && it->second->key.rfind("stale|", 0) != 0) {
                moved.push_back(std::move(it->second));
                it = map->erase(it);
            } else {
                ++it;
            }
        }
        if (!moved.empty())
            staleWaiting = true;
        for (auto& s : moved) {
            s->key = "stale|" + std::to_string(reinterpret_cast<uintptr_t>(s.get())) + "|" + s->key;
            std::string k = s->key;
            (*map)[k] = std::move(s);
        }
    }
}

NsSession* Snmp::Impl::session(const SnmpTarget& target, const UserEntry* user, bool async, int& status)
{
    status = SNMP_CLASS_SUCCESS;
    if (staleWaiting) {
        // Stale sessions that were still busy: close them once idle.
        closeIdle(asyncSessions, true);
        closeIdle(syncSessions, true);
        staleWaiting = false;
        for (auto* m : {&asyncSessions, &syncSessions})
            for (auto& [k, sess] : *m)
                staleWaiting = staleWaiting || sess->stale;
    }
    const std::string address = target.get_address().get_printable();
    const bool v3 = target.get_type() == SnmpTarget::type_utarget;
    const auto* ut = v3 ? static_cast<const UTarget*>(&target) : nullptr;
    const std::string userName = ut ? ut->get_security_name().bytes() : std::string();

    std::string key;
    key.reserve(96);
    key += address;
    key += '|';
    key += std::to_string(int(target.get_version()));
    key += '|';
    key += std::to_string(target.get_retry());
    key += '|';
    key += std::to_string(target.get_timeout());
    if (v3) {
        key += "|u|";
        key += std::to_string(userName.size());
        key += ':';
        key += userName;
        key += '|';
        key += ut->get_engine_id().bytes();
        if (user) {
            key += '|';
            key += std::to_string(user->auth);
            key += ',';
            key += std::to_string(user->priv);
            key += '|';
            key += std::to_string(user->authPass.size());
            key += ':';
            key += user->authPass;
            key += user->privPass;
        }
    }
    auto& map = async ? asyncSessions : syncSessions;
    auto found = map.find(key);
    if (found != map.end())
        return found->second.get();

    if (map.size() >= 32)
        closeIdle(map, false);

    netsnmp_session in;
    snmp_sess_init(&in);
    std::string peer = "udp:" + target.get_address().get_ip().get_printable() + ":" +
                       std::to_string(target.get_address().get_port());
    in.peername = peer.data();
    in.retries = target.get_retry();
    unsigned long t = target.get_timeout() ? target.get_timeout() : 1;
    in.timeout = long(std::min<unsigned long>(t, 2000000UL) * 10000UL);
    in.callback = nsCallback;
    std::string community;
    std::string secName = userName;
    std::string engine;
    if (!v3) {
        in.version = target.get_version() == version1 ? SNMP_VERSION_1 : SNMP_VERSION_2c;
        community = static_cast<const CTarget&>(target).get_readcommunity().bytes();
        in.community = reinterpret_cast<u_char*>(community.data());
        in.community_len = community.size();
    } else {
        in.version = SNMP_VERSION_3;
        in.securityModel = SNMP_SEC_MODEL_USM;
        in.securityName = secName.data();
        in.securityNameLen = secName.size();
        in.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
        if (user && user->auth != SNMP_AUTHPROTOCOL_NONE) {
            const bool md5 = user->auth == SNMP_AUTHPROTOCOL_HMACMD5;
            in.securityAuthProto = md5 ? usmHMACMD5AuthProtocol : usmHMACSHA1AuthProtocol;
            in.securityAuthProtoLen =
                md5 ? OID_LENGTH(usmHMACMD5AuthProtocol) : OID_LENGTH(usmHMACSHA1AuthProtocol);
            in.securityAuthKeyLen = USM_AUTH_KU_LEN;
            if (generate_Ku(in.securityAuthProto, u_int(in.securityAuthProtoLen),
                            reinterpret_cast<const u_char*>(user->authPass.data()), user->authPass.size(),
                            in.securityAuthKey, &in.securityAuthKeyLen) != SNMPERR_SUCCESS) {
                status = SNMPv3_USM_AUTHENTICATION_ERROR;
                return nullptr;
            }
            in.securityLevel = SNMP_SEC_LEVEL_AUTHNOPRIV;
            if (user->priv == SNMP_PRIVPROTOCOL_DES) {
                in.securityPrivProto = usmDESPrivProtocol;
                in.securityPrivProtoLen = OID_LENGTH(usmDESPrivProtocol);
                in.securityPrivKeyLen = USM_PRIV_KU_LEN;
                // The privacy key is hashed with the authentication protocol.
                if (generate_Ku(in.securityAuthProto, u_int(in.securityAuthProtoLen),
                                reinterpret_cast<const u_char*>(user->privPass.data()), user->privPass.size(),
                                in.securityPrivKey, &in.securityPrivKeyLen) != SNMPERR_SUCCESS) {
                    status = SNMPv3_USM_ENCRYPTION_ERROR;
                    return nullptr;
                }
                in.securityLevel = SNMP_SEC_LEVEL_AUTHPRIV;
            }
        }
        engine = ut->get_engine_id().bytes();
        if (engine.empty()) {
            auto e = engineIds().find(address);
            if (e != engineIds().end())
                engine = e->second;
        }
        if (!engine.empty()) {
            in.securityEngineID = reinterpret_cast<u_char*>(engine.data());
            in.securityEngineIDLen = engine.size();
        }
    }

    void* sp = snmp_sess_open(&in); // SNMPv3: may discover the engine id here (blocks)
    if (!sp) {
        int e = in.s_snmp_errno ? in.s_snmp_errno : snmp_errno;
        status = mapLibraryError(e);
        if (status == SNMP_CLASS_ERROR && v3)
            status = SNMP_CLASS_TIMEOUT; // a failed discovery
        return nullptr;
    }
    ++g_liveSessions;
    auto s = std::make_unique<NsSession>();
    s->sp = sp;
    s->key = key;
    s->userName = v3 ? userName : std::string();
    if (v3 && s->userName.empty())
        s->userName = std::string(1, '\0'); // marks an SNMPv3 session
    s->address = address;
    s->async = async;
    if (netsnmp_transport* tr = snmp_sess_transport(sp))
        s->fd = tr->sock;
    s->explicitEngine = v3 && ut->get_engine_id().len() != 0;
    s->engineId = engine;
    NsSession* raw = s.get();
    map[key] = std::move(s);
    if (async && watcher && raw->fd >= 0)
        watcher(raw->fd, true);
    return raw;
}

int Snmp::Impl::send(int command, Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* data, bool sync)
{
    if (!sync && !cb)
        return SNMP_CLASS_INVALID_CALLBACK;
    if (!target.valid())
        return SNMP_CLASS_INVALID_ADDRESS;
    const bool v3 = target.get_type() == SnmpTarget::type_utarget;
    if (v3 != (target.get_version() == version3) ||
        (target.get_version() != version1 && target.get_version() != version2c &&
         target.get_version() != version3))
        return SNMP_CLASS_INVALID_TARGET;

    const UserEntry* user = nullptr;
    const int level = pdu.get_security_level();
    if (v3) {
        const auto& ut = static_cast<const UTarget&>(target);
        if (ut.get_security_model() != SNMP_SECURITY_MODEL_USM)
            return SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL;
        auto u = users().find(ut.get_security_name().bytes());
        if (u != users().end()) {
            user = &u->second;
            if (user->status != SNMPv3_USM_OK)
                return user->status; // e.g. IDEA privacy: refused before sending
        }
        if (level < SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV || level > SNMP_SECURITY_LEVEL_AUTH_PRIV)
            return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
        if (level > SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV && !user)
            return SNMPv3_USM_UNKNOWN_SECURITY_NAME;
        if (level >= SNMP_SECURITY_LEVEL_AUTH_NOPRIV && user->auth == SNMP_AUTHPROTOCOL_NONE)
            return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
        if (level == SNMP_SECURITY_LEVEL_AUTH_PRIV && user->priv == SNMP_PRIVPROTOCOL_NONE)
            return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
    }
    for (const Vb& vb : pdu.vbs())
        if (!vb.get_oid().valid() || vb.get_oid().len() > MAX_OID_LEN)
            return SNMP_CLASS_INVALID_OID;

    auto& table = pendingTable();
    const unsigned long id = g_nextRequestId++;
    int status = SNMP_CLASS_SUCCESS;
    NsSession* s = session(target, user, !sync, status);
    if (!s) {
        if (status == SNMP_CLASS_TIMEOUT && !sync) {
            // The engine-id discovery went unanswered: that is this request's
            // time-out, reported like any other.
            Pending& p = table[id];
            p.owner = this;
            p.cb = cb;
            p.data = data;
            p.target.reset(target.clone());
            p.pdu = pdu;
            p.done = true;
            p.reason = SNMP_CLASS_TIMEOUT;
            p.pdu.set_error_status(SNMP_CLASS_TIMEOUT);
            pdu.set_request_id(id);
            ready.push_back(id);
            return SNMP_CLASS_SUCCESS;
        }
        return status;
    }

    netsnmp_pdu* np = snmp_pdu_create(command);
    if (!np)
        return SNMP_CLASS_RESOURCE_UNAVAIL;
    if (v3) {
        np->securityLevel = level;
        if (pdu.get_context_name().len()) {
            np->contextName = reinterpret_cast<char*>(mallocCopy(pdu.get_context_name()));
            np->contextNameLen = pdu.get_context_name().len();
        }
        if (pdu.get_context_engine_id().len()) {
            np->contextEngineID = mallocCopy(pdu.get_context_engine_id());
            np->contextEngineIDLen = pdu.get_context_engine_id().len();
        }
    } else {
        const auto& ct = static_cast<const CTarget&>(target);
        const OctetStr& c = command == SNMP_MSG_SET ? ct.get_writecommunity() : ct.get_readcommunity();
        np->community = mallocCopy(c);
        np->community_len = c.len();
    }
    for (const Vb& vb : pdu.vbs())
        if (!addVar(np, vb, command == SNMP_MSG_SET)) {
            snmp_free_pdu(np);
            return SNMP_CLASS_INVALID_PDU;
        }

    Pending& p = table[id];
    p.owner = this;
    p.sess = s;
    p.cb = cb;
    p.data = data;
    p.sync = sync;
    p.pdu = pdu;
    if (!sync)
        p.target.reset(target.clone());
    ++s->live;
    if (snmp_sess_async_send(s->sp, np, nsCallback, reinterpret_cast<void*>(uintptr_t(id))) == 0) {
        snmp_free_pdu(np);
        auto it = table.find(id);
        if (!it->second.done) {
            netsnmp_session* open = snmp_sess_session(s->sp);
            int e = open && open->s_snmp_errno ? open->s_snmp_errno : snmp_errno;
            int st = mapLibraryError(e);
            if (st == SNMP_CLASS_TIMEOUT) {
                // The engine-id discovery inside the send went unanswered:
                // that is this request's time-out.
                Pending& p = it->second;
                --s->live;
                p.done = true;
                p.reason = SNMP_CLASS_TIMEOUT;
                p.pdu.set_error_status(SNMP_CLASS_TIMEOUT);
                if (!sync)
                    ready.push_back(id);
            } else {
                --s->live;
                table.erase(it);
                return st == SNMP_CLASS_ERROR ? SNMP_CLASS_TL_FAILED : st;
            }
        }
        // The library completed the request inside the send (a local
        // security failure, say): that result is its completion.
    }
    pdu.set_request_id(id);
    if (!sync)
        return SNMP_CLASS_SUCCESS;

    // Synchronous: serve only this dedicated session until the request ends.
    while (!table.at(id).done) {
        int numfds = 0, block = 1; // 1: the timeout becomes the time to the next expiry
        struct timeval tv
        {
        };
        netsnmp_large_fd_set fds;
        netsnmp_large_fd_set_init(&fds, FD_SETSIZE);
        snmp_sess_select_info2_flags(s->sp, &numfds, &fds, &tv, &block, NETSNMP_SELECT_NOALARMS);
        int waitMs = block ? 100 : timeLeftMs(tv);
        pollfd pf{s->fd, POLLIN, 0};
        int r = ::poll(&pf, 1, waitMs);
        if (r > 0 && (pf.revents & (POLLIN | POLLERR))) {
            NETSNMP_LARGE_FD_ZERO(&fds);
            NETSNMP_LARGE_FD_SET(s->fd, &fds);
            snmp_sess_read2(s->sp, &fds);
        }
        netsnmp_large_fd_set_cleanup(&fds);
        if (!table.at(id).done)
            snmp_sess_timeout(s->sp);
    }
    Pending done = std::move(table.at(id));
    table.erase(id);
    if (v3 && done.isResponse)
        learnEngineId(s);
    if (done.reason == SNMP_CLASS_TIMEOUT && v3) {
        // Either the agent is gone, or it answers with an engine id or
        // engine time this process no longer matches (its answers are then
        // dropped unseen): the next synchronous request discovers it again.
        const std::string address = target.get_address().get_printable();
        auto e = engineIds().find(address);
        if (e != engineIds().end()) {
            std::string old = e->second;
            engineIds().erase(e);
            free_enginetime(reinterpret_cast<u_char*>(old.data()), old.size());
        }
        markStale(std::string(), address, true);
    }
    if (done.reason != SNMP_CLASS_ASYNC_RESPONSE)
        return done.reason;
    if (done.isResponse) {
        Pdu reply = std::move(done.pdu);
        reply.set_security_level(pdu.get_security_level());
        reply.set_context_name(pdu.get_context_name());
        reply.set_context_engine_id(pdu.get_context_engine_id());
        reply.set_request_id(id);
        pdu = std::move(reply);
    }
    return done.pdu.get_error_status();
}

int Snmp::Impl::serviceSockets(int waitMs)
{
    std::vector<NsSession*> list;
    std::vector<pollfd> fds;
    for (auto& [key, s] : asyncSessions)
        if (s->sp && s->fd >= 0) {
            list.push_back(s.get());
            fds.push_back(pollfd{s->fd, POLLIN, 0});
        }
    if (list.empty()) {
        return 0;
    }
    if (waitMs > 0) {
        // Wait no longer than the next retransmission or expiry.
        for (NsSession* s : list) {
            int numfds = 0, block = 1;
            struct timeval tv
            {
            };
            netsnmp_large_fd_set set;
            netsnmp_large_fd_set_init(&set, FD_SETSIZE);
            snmp_sess_select_info2_flags(s->sp, &numfds, &set, &tv, &block, NETSNMP_SELECT_NOALARMS);
            netsnmp_large_fd_set_cleanup(&set);
            if (!block)
                waitMs = std::min(waitMs, timeLeftMs(tv));
        }
    }
    int r = ::poll(fds.data(), fds.size(), std::max(waitMs, 0));
    for (size_t i = 0; i < list.size(); ++i) {
        NsSession* s = list[i];
        if (r > 0 && (fds[i].revents & (POLLIN | POLLERR))) {
            netsnmp_large_fd_set set;
            netsnmp_large_fd_set_init(&set, FD_SETSIZE);
            // Read every datagram that is waiting, but no more than a bounded
            // number in one go.
            for (int n = 0; n < 256; ++n) {
                NETSNMP_LARGE_FD_ZERO(&set);
                NETSNMP_LARGE_FD_SET(s->fd, &set);
                snmp_sess_read2(s->sp, &set);
                pollfd again{s->fd, POLLIN, 0};
                if (::poll(&again, 1, 0) <= 0)
                    break;
            }
            netsnmp_large_fd_set_cleanup(&set);
        }
        snmp_sess_timeout(s->sp);
    }
    // Learning may close sessions: look each one up again.
    std::vector<std::string> learn;
    for (NsSession* s : list)
        if (!s->userName.empty() && s->engineId.empty())
            learn.push_back(s->key);
    for (const std::string& key : learn) {
        auto it = asyncSessions.find(key);
        if (it != asyncSessions.end())
            learnEngineId(it->second.get());
    }
    return r;
}

int Snmp::Impl::deliverReady()
{
    int count = 0;
    // Only what is ready now: completions queued by the callbacks run here
    // wait for the next round.
    size_t n = ready.size();
    while (n-- > 0 && !ready.empty()) {
        unsigned long id = ready.front();
        ready.pop_front();
        auto& table = pendingTable();
        auto it = table.find(id);
        if (it == table.end())
            continue; // cancelled
        Pending p = std::move(it->second);
        table.erase(it);
        p.pdu.set_request_id(id);
        p.cb(p.reason, self, p.pdu, *p.target, p.data);
        ++count;
        if (!liveImpls().count(this))
            break; // the callback destroyed the session
    }
    return count;
}

// ---------------------------------------------------------------------------
// Snmp

Snmp::Snmp(int& status, uint16_t port) : d_(std::make_unique<Impl>())
{
    d_->self = this;
    if (port != 0) {
        // Each target gets a socket of its own on a port the system picks.
        status = SNMP_CLASS_TL_UNSUPPORTED;
        return;
    }
    startLibrary();
    liveImpls().insert(d_.get());
    status = SNMP_CLASS_SUCCESS;
}

Snmp::~Snmp()
{
    liveImpls().erase(d_.get());
    for (auto& [key, s] : d_->asyncSessions)
        d_->closeSession(s.get());
    for (auto& [key, s] : d_->syncSessions)
        d_->closeSession(s.get());
    // Every request not yet delivered ends as "destroyed", in the order sent.
    auto& table = pendingTable();
    std::vector<unsigned long> ids;
    for (auto& [id, p] : table)
        if (p.owner == d_.get() && !p.sync)
            ids.push_back(id);
    std::sort(ids.begin(), ids.end());
    for (unsigned long id : ids) {
        auto it = table.find(id);
        if (it == table.end())
            continue;
        Pending p = std::move(it->second);
        table.erase(it);
        p.pdu.set_error_status(SNMP_CLASS_SESSION_DESTROYED);
        p.pdu.set_request_id(id);
        p.cb(SNMP_CLASS_SESSION_DESTROYED, this, p.pdu, *p.target, p.data);
    }
    d_->asyncSessions.clear();
    d_->syncSessions.clear();
}

int Snmp::get(Pdu& pdu, const SnmpTarget& target)
{
    return d_->send(SNMP_MSG_GET, pdu, target, nullptr, nullptr, true);
}
int Snmp::get_next(Pdu& pdu, const SnmpTarget& target)
{
    return d_->send(SNMP_MSG_GETNEXT, pdu, target, nullptr, nullptr, true);
}
int Snmp::set(Pdu& pdu, const SnmpTarget& target)
{
    return d_->send(SNMP_MSG_SET, pdu, target, nullptr, nullptr, true);
}
int Snmp::get(Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* data)
{
    return d_->send(SNMP_MSG_GET, pdu, target, cb, data, false);
}
int Snmp::get_next(Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* data)
{
    return d_->send(SNMP_MSG_GETNEXT, pdu, target, cb, data, false);
}
int Snmp::set(Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* data)
{
    return d_->send(SNMP_MSG_SET, pdu, target, cb, data, false);
}

int Snmp::cancel(unsigned long requestId)
{
    auto& table = pendingTable();
    auto it = table.find(requestId);
    if (it == table.end() || it->second.owner != d_.get() || it->second.sync)
        return SNMP_CLASS_INVALID_REQID;
    if (!it->second.done && it->second.sess)
        --it->second.sess->live;
    table.erase(it); // a later answer finds nothing and is dropped
    return SNMP_CLASS_SUCCESS;
}

int Snmp::outstanding() const
{
    int n = 0;
    for (auto& [id, p] : pendingTable())
        if (p.owner == d_.get() && !p.sync)
            ++n;
    return n;
}

int Snmp::process_pending_events()
{
    d_->serviceSockets(0);
    return d_->deliverReady();
}

int Snmp::wait_for_events(int max_ms)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(max_ms, 0));
    for (;;) {
        if (!d_->ready.empty())
            return process_pending_events();
        int left = int(
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())
                .count());
        if (left <= 0)
            return process_pending_events();
        if (d_->asyncSessions.empty()) {
            // Nothing can arrive.
            return 0;
        }
        d_->serviceSockets(left);
        if (!d_->ready.empty())
            return d_->deliverReady();
    }
}

std::vector<int> Snmp::get_sockets() const
{
    std::vector<int> fds;
    for (auto& [key, s] : d_->asyncSessions)
        if (s->sp && s->fd >= 0)
            fds.push_back(s->fd);
    return fds;
}

void Snmp::set_socket_watcher(std::function<void(int fd, bool added)> watcher)
{
    d_->watcher = std::move(watcher);
    if (d_->watcher)
        for (int fd : get_sockets())
            d_->watcher(fd, true);
}

const OctetStr& Snmp::local_engine_id() const
{
    return d_->engineId;
}

unsigned int Snmp::local_engine_boots() const
{
    return d_->engineBoots;
}

int SNMPProcessPendingEvents()
{
    int count = 0;
    // A callback may destroy a session: work on a copy and skip the dead.
    std::vector<Snmp::Impl*> impls(liveImpls().begin(), liveImpls().end());
    for (Snmp::Impl* d : impls)
        if (liveImpls().count(d))
            count += d->self->process_pending_events();
    return count;
}

// ---------------------------------------------------------------------------
// User table, message processing, boot counter

int usmAddUserName(const OctetStr& name, int authProtocol, int privProtocol, const OctetStr& authPassword,
                   const OctetStr& privPassword)
{
    UserEntry e;
    e.auth = authProtocol;
    e.priv = privProtocol;
    e.authPass = authPassword.bytes();
    e.privPass = privPassword.bytes();
    if (authProtocol != SNMP_AUTHPROTOCOL_NONE && authProtocol != SNMP_AUTHPROTOCOL_HMACMD5 &&
        authProtocol != SNMP_AUTHPROTOCOL_HMACSHA)
        e.status = SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL;
    else if (privProtocol != SNMP_PRIVPROTOCOL_NONE && privProtocol != SNMP_PRIVPROTOCOL_DES)
        e.status = SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL; // IDEA (9) and anything unknown
    else if (privProtocol == SNMP_PRIVPROTOCOL_DES && authProtocol == SNMP_AUTHPROTOCOL_NONE)
        e.status = SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;

    auto& table = users();
    auto it = table.find(name.bytes());
    if (it != table.end() && it->second == e)
        return it->second.status;
    if (it != table.end()) {
        // New credentials: nothing the library derived from the old ones may
        // be used again.
        flushLibraryUser(name.bytes());
        for (Snmp::Impl* d : liveImpls())
            d->markStale(name.bytes(), std::string());
    }
    table[name.bytes()] = e;
    return e.status;
}

int usmDeleteUserName(const OctetStr& name)
{
    auto& table = users();
    auto it = table.find(name.bytes());
    if (it == table.end())
        return SNMPv3_USM_UNKNOWN_SECURITY_NAME;
    table.erase(it);
    flushLibraryUser(name.bytes());
    for (Snmp::Impl* d : liveImpls())
        d->markStale(name.bytes(), std::string());
    return SNMPv3_USM_OK;
}

int mpInit(Snmp& session, const OctetStr& engineId, unsigned int engineBoots)
{
    if (engineId.len() == 0 || engineId.len() > 32)
        return SNMPv3_MP_ERROR;
    session.d_->engineId = engineId;
    session.d_->engineBoots = engineBoots;
    if (g_libraryStarted)
        set_exact_engineID(engineId.data(), engineId.len());
    return SNMPv3_MP_OK;
}

namespace {

std::string toHex(const std::string& bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

bool fromHex(const std::string& hex, std::string& out)
{
    if (hex.empty() || hex.size() % 2 || hex.size() > 64)
        return false;
    out.clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        int v = 0;
        for (int k = 0; k < 2; ++k) {
            char c = hex[i + k];
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= c - '0';
            else if (c >= 'a' && c <= 'f')
                v |= c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                v |= c - 'A' + 10;
            else
                return false;
        }
        out += char(v);
    }
    return true;
}

// Reads the whole file: SNMPv3_OK, SNMPv3_FILEOPEN_ERROR or SNMPv3_FILEFORMAT_ERROR.
int readBootFile(const char* fileName, std::vector<std::pair<std::string, unsigned int>>& entries)
{
    std::ifstream in(fileName);
    if (!in)
        return SNMPv3_FILEOPEN_ERROR;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        std::istringstream ls(line);
        std::string hex, count, rest;
        if (!(ls >> hex >> count) || (ls >> rest))
            return SNMPv3_FILEFORMAT_ERROR;
        std::string id;
        if (!fromHex(hex, id))
            return SNMPv3_FILEFORMAT_ERROR;
        if (count.empty() || count.size() > 10 || count.find_first_not_of("0123456789") != std::string::npos)
            return SNMPv3_FILEFORMAT_ERROR;
        unsigned long long v = std::stoull(count);
        if (v > 0x7fffffffULL)
            return SNMPv3_FILEFORMAT_ERROR;
        for (auto& e : entries)
            if (e.first == id)
                return SNMPv3_FILEFORMAT_ERROR; // one count per engine
        entries.emplace_back(id, unsigned(v));
    }
    if (in.bad())
        return SNMPv3_FILEOPEN_ERROR;
    return SNMPv3_OK;
}

} // namespace

int getBootCounter(const char* fileName, const OctetStr& engineId, unsigned int& boot)
{
    boot = 0;
    if (engineId.len() == 0 || engineId.len() > 32)
        return SNMPv3_TOO_LONG_ERROR;
    std::vector<std::pair<std::string, unsigned int>> entries;
    int r = readBootFile(fileName, entries);
    if (r != SNMPv3_OK)
        return r;
    for (auto& e : entries)
        if (e.first == engineId.bytes()) {
            boot = e.second;
            return SNMPv3_OK;
        }
    return SNMPv3_NO_ENTRY_ERROR;
}

int saveBootCounter(const char* fileName, const OctetStr& engineId, unsigned int boot)
{
    if (engineId.len() == 0 || engineId.len() > 32)
        return SNMPv3_TOO_LONG_ERROR;
    std::vector<std::pair<std::string, unsigned int>> entries;
    int r = readBootFile(fileName, entries);
    if (r == SNMPv3_FILEFORMAT_ERROR)
        return r;
    if (r != SNMPv3_OK)
        entries.clear(); // no file yet
    bool found = false;
    for (auto& e : entries)
        if (e.first == engineId.bytes()) {
            e.second = boot;
            found = true;
        }
    if (!found)
        entries.emplace_back(engineId.bytes(), boot);

    const std::string tmp = std::string(fileName) + ".tmp";
    {
        std::ofstream out(tmp, std::ios::trunc);
        if (!out)
            return SNMPv3_FILECREATE_ERROR;
        for (auto& e : entries)
            out << toHex(e.first) << ' ' << e.second << '\n';
        out.flush();
        if (!out) {
            std::remove(tmp.c_str());
            return SNMPv3_FILECREATE_ERROR;
        }
    }
    if (std::rename(tmp.c_str(), fileName) != 0) {
        std::remove(tmp.c_str());
        return SNMPv3_FILERENAME_ERROR;
    }
    return SNMPv3_OK;
}

// ---------------------------------------------------------------------------
// Pdu, addresses

bool Pdu::get_vb(Vb& vb, int index) const
{
    if (index < 0 || size_t(index) >= vbs_.size())
        return false;
    vb = vbs_[size_t(index)];
    return true;
}

bool Pdu::set_vb(const Vb& vb, int index)
{
    if (index < 0 || size_t(index) >= vbs_.size())
        return false;
    vbs_[size_t(index)] = vb;
    return true;
}

void Pdu::clear()
{
    vbs_.clear();
    errorStatus_ = 0;
    errorIndex_ = 0;
    requestId_ = 0;
    type_ = sNMP_PDU_GET;
}

namespace {

bool parseDottedQuad(const std::string& s, uint8_t out[4])
{
    int part = 0;
    size_t i = 0;
    while (part < 4) {
        size_t start = i;
        unsigned v = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - start < 4)
            v = v * 10 + unsigned(s[i++] - '0');
        if (i == start || i - start > 3 || v > 255)
            return false;
        out[part++] = uint8_t(v);
        if (part < 4) {
            if (i >= s.size() || s[i] != '.')
                return false;
            ++i;
        }
    }
    return i == s.size();
}

bool parsePort(const std::string& s, uint16_t& port)
{
    if (s.empty() || s.size() > 5 || s.find_first_not_of("0123456789") != std::string::npos)
        return false;
    unsigned long v = std::stoul(s);
    if (v > 65535)
        return false;
    port = uint16_t(v);
    return true;
}

} // namespace

UdpAddress::UdpAddress(const char* text)
{
    std::string s = text ? text : "";
    const auto b = s.find_first_not_of(" \t");
    const auto e = s.find_last_not_of(" \t");
    s = b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
    std::string host = s;
    uint16_t port = 0;
    if (auto slash = s.rfind('/'); slash != std::string::npos) {
        host = s.substr(0, slash);
        if (!parsePort(s.substr(slash + 1), port))
            return;
    } else if (auto colon = s.find(':');
               colon != std::string::npos && s.find(':', colon + 1) == std::string::npos) {
        host = s.substr(0, colon);
        if (!parsePort(s.substr(colon + 1), port))
            return;
    }
    if (host.empty())
        return;
    uint8_t q[4];
    if (host.find_first_not_of("0123456789.") == std::string::npos) {
        // Numeric text is an address or nothing: never looked up.
        if (!parseDottedQuad(host, q))
            return;
    } else {
        if (host.size() > 253 || host.find_first_of(" \t/:") != std::string::npos)
            return;
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_DGRAM;
        addrinfo* res = nullptr;
        if (getaddrinfo(host.c_str(), nullptr, &hints, &res) != 0 || !res)
            return;
        const auto* sin = reinterpret_cast<const sockaddr_in*>(res->ai_addr);
        uint32_t a = ntohl(sin->sin_addr.s_addr);
        q[0] = uint8_t(a >> 24);
        q[1] = uint8_t(a >> 16);
        q[2] = uint8_t(a >> 8);
        q[3] = uint8_t(a);
        freeaddrinfo(res);
    }
    ip_ = IpAddress(q[0], q[1], q[2], q[3]);
    port_ = port;
    valid_ = true;
}

UdpAddress::UdpAddress(const IpAddress& ip, uint16_t port) : ip_(ip), port_(port), valid_(ip.valid()) {}

std::string UdpAddress::get_printable() const
{
    if (!valid_)
        return std::string();
    return ip_.get_printable() + "/" + std::to_string(port_);
}
