// The SNMP session layer over net-snmp, in the shape the request engine uses.
//
//   Pdu            an ordered list of bindings (Vb) plus error status, error
//                  index, request id and the SNMPv3 scope of one message
//                  (security level, context name, context engine id).
//   UdpAddress     an IPv4 address and UDP port; built from "a.b.c.d",
//                  "a.b.c.d/port", "a.b.c.d:port" or a host name (resolved
//                  once, IPv4 only; dotted text that is not a valid address
//                  is never looked up). Prints as "a.b.c.d/port".
//   GenAddress     any address text, holding a UdpAddress.
//   CTarget        SNMPv1/v2c target: address, version, retries, timeout
//                  (hundredths of a second per try), read and write community
//                  (GET and GET-NEXT use the read one, SET the write one).
//   UTarget        SNMPv3 target: address, retries, timeout, security model
//                  and security name; the credentials come from the user
//                  table (usmAddUserName), the security level from the PDU.
//   Snmp           the session. get/get_next/set, synchronous (they wait for
//                  the reply and run no other request's completion) and
//                  asynchronous (callback + data). Asynchronous completions
//                  run only inside process_pending_events / wait_for_events /
//                  SNMPProcessPendingEvents, never inside a send or a
//                  synchronous call.
//   usmAddUserName the process-wide user table; registering a name again with
//                  other protocols or pass phrases replaces it and drops the
//                  keys the library cached for it.
//   mpInit         local SNMPv3 engine identity and boot count.
//   getBootCounter / saveBootCounter
//                  the boot-counter file: one line "<engine id in hex> <boots>"
//                  per engine identifier.
//
// Statuses: every result is a number of the library status scheme below:
// 0 success, 1..18 the agent's error status, -1..-23 class errors
// (SNMP_CLASS_*), -1402..-1418 message processing (SNMPv3_MP_*), 1401..1414
// user-based security (SNMPv3_USM_*).
//
// Everything here runs on the GUI thread only (net-snmp is not re-entrant).
#pragma once

#include "snmplib/SnmpValues.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------
// Status numbers
constexpr int SNMP_CLASS_SUCCESS = 0;
constexpr int SNMP_CLASS_ERROR = -1;
constexpr int SNMP_CLASS_RESOURCE_UNAVAIL = -2;
constexpr int SNMP_CLASS_INTERNAL_ERROR = -3;
constexpr int SNMP_CLASS_UNSUPPORTED = -4;
constexpr int SNMP_CLASS_TIMEOUT = -5;
constexpr int SNMP_CLASS_ASYNC_RESPONSE = -6;
constexpr int SNMP_CLASS_NOTIFICATION = -7;
constexpr int SNMP_CLASS_SESSION_DESTROYED = -8;
constexpr int SNMP_CLASS_INVALID = -10;
constexpr int SNMP_CLASS_INVALID_PDU = -11;
constexpr int SNMP_CLASS_INVALID_TARGET = -12;
constexpr int SNMP_CLASS_INVALID_CALLBACK = -13;
constexpr int SNMP_CLASS_INVALID_REQID = -14;
constexpr int SNMP_CLASS_INVALID_NOTIFYID = -15;
constexpr int SNMP_CLASS_INVALID_OPERATION = -16;
constexpr int SNMP_CLASS_INVALID_OID = -17;
constexpr int SNMP_CLASS_INVALID_ADDRESS = -18;
constexpr int SNMP_CLASS_ERR_STATUS_SET = -19;
constexpr int SNMP_CLASS_TL_UNSUPPORTED = -20;
constexpr int SNMP_CLASS_TL_IN_USE = -21;
constexpr int SNMP_CLASS_TL_FAILED = -22;
constexpr int SNMP_CLASS_SHUTDOWN = -23;

// Agent error status (in replies, and returned by the synchronous calls).
constexpr int SNMP_ERROR_SUCCESS = 0;
constexpr int SNMP_ERROR_TOO_BIG = 1;
constexpr int SNMP_ERROR_NO_SUCH_NAME = 2;
constexpr int SNMP_ERROR_BAD_VALUE = 3;
constexpr int SNMP_ERROR_READ_ONLY = 4;
constexpr int SNMP_ERROR_GENERAL_VB_ERR = 5;
constexpr int SNMP_ERROR_NO_ACCESS = 6;
constexpr int SNMP_ERROR_WRONG_TYPE = 7;
constexpr int SNMP_ERROR_WRONG_LENGTH = 8;
constexpr int SNMP_ERROR_WRONG_ENCODING = 9;
constexpr int SNMP_ERROR_WRONG_VALUE = 10;
constexpr int SNMP_ERROR_NO_CREATION = 11;
constexpr int SNMP_ERROR_INCONSIST_VAL = 12;
constexpr int SNMP_ERROR_RESOURCE_UNAVAIL = 13;
constexpr int SNMP_ERROR_COMITFAIL = 14;
constexpr int SNMP_ERROR_UNDO_FAIL = 15;
constexpr int SNMP_ERROR_AUTH_ERR = 16;
constexpr int SNMP_ERROR_NOT_WRITEABLE = 17;
constexpr int SNMP_ERROR_INCONSIS_NAME = 18;

// Message processing.
constexpr int SNMPv3_MP_ERROR = -1400;
constexpr int SNMPv3_MP_OK = -1401;
constexpr int SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL = -1402;
constexpr int SNMPv3_MP_NOT_IN_TIME_WINDOW = -1403;
constexpr int SNMPv3_MP_DOUBLED_MESSAGE = -1404;
constexpr int SNMPv3_MP_INVALID_MESSAGE = -1405;
constexpr int SNMPv3_MP_INVALID_ENGINEID = -1406;
constexpr int SNMPv3_MP_NOT_INITIALIZED = -1407;
constexpr int SNMPv3_MP_PARSE_ERROR = -1408;
constexpr int SNMPv3_MP_UNKNOWN_MSGID = -1409;
constexpr int SNMPv3_MP_MATCH_ERROR = -1410;
constexpr int SNMPv3_MP_COMMUNITY_ERROR = -1411;
constexpr int SNMPv3_MP_WRONG_USER_NAME = -1412;
constexpr int SNMPv3_MP_BUILD_ERROR = -1413;
constexpr int SNMPv3_MP_USM_ERROR = -1414;
constexpr int SNMPv3_MP_UNKNOWN_PDU_HANDLERS = -1415;
constexpr int SNMPv3_MP_UNAVAILABLE_CONTEXT = -1416;
constexpr int SNMPv3_MP_UNKNOWN_CONTEXT = -1417;
constexpr int SNMPv3_MP_REPORT_SENT = -1418;

// User-based security.
constexpr int SNMPv3_USM_OK = 1400;
constexpr int SNMPv3_USM_ERROR = 1401;
constexpr int SNMPv3_USM_ERROR_CONFIGFILE = 1402;
constexpr int SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL = 1403;
constexpr int SNMPv3_USM_UNKNOWN_SECURITY_NAME = 1404;
constexpr int SNMPv3_USM_ENCRYPTION_ERROR = 1405;
constexpr int SNMPv3_USM_DECRYPTION_ERROR = 1406;
constexpr int SNMPv3_USM_AUTHENTICATION_ERROR = 1407;
constexpr int SNMPv3_USM_AUTHENTICATION_FAILURE = 1408;
constexpr int SNMPv3_USM_PARSE_ERROR = 1409;
constexpr int SNMPv3_USM_UNKNOWN_ENGINEID = 1410;
constexpr int SNMPv3_USM_NOT_IN_TIME_WINDOW = 1411;
constexpr int SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL = 1412;
constexpr int SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL = 1413;
constexpr int SNMPv3_USM_ADDRESS_ERROR = 1414;

// Boot-counter file results.
constexpr int SNMPv3_OK = 0;
constexpr int SNMPv3_NO_ENTRY_ERROR = -1;   // the file has no entry for this engine
constexpr int SNMPv3_FILEOPEN_ERROR = -2;   // the file cannot be opened (first run)
constexpr int SNMPv3_FILECREATE_ERROR = -3; // the new file cannot be written
constexpr int SNMPv3_FILERENAME_ERROR = -4; // the new file cannot replace the old one
constexpr int SNMPv3_TOO_LONG_ERROR = -5;   // engine identifier too long (over 32 octets)
constexpr int SNMPv3_FILEFORMAT_ERROR = -6; // the file is malformed

// Versions, security model and level, protocols: the library's own numbers.
enum snmp_version { version1 = 0, version2c = 1, version3 = 3 };
constexpr int SNMP_SECURITY_MODEL_V1 = 1;
constexpr int SNMP_SECURITY_MODEL_V2 = 2;
constexpr int SNMP_SECURITY_MODEL_USM = 3;
constexpr int SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV = 1;
constexpr int SNMP_SECURITY_LEVEL_AUTH_NOPRIV = 2;
constexpr int SNMP_SECURITY_LEVEL_AUTH_PRIV = 3;
constexpr int SNMP_AUTHPROTOCOL_NONE = 1;
constexpr int SNMP_AUTHPROTOCOL_HMACMD5 = 2;
constexpr int SNMP_AUTHPROTOCOL_HMACSHA = 3;
constexpr int SNMP_PRIVPROTOCOL_NONE = 1;
constexpr int SNMP_PRIVPROTOCOL_DES = 2;
constexpr int SNMP_PRIVPROTOCOL_IDEA = 9; // not available: sends fail with 1413

// PDU types (BER tags).
constexpr unsigned short sNMP_PDU_GET = 0xA0;
constexpr unsigned short sNMP_PDU_GETNEXT = 0xA1;
constexpr unsigned short sNMP_PDU_RESPONSE = 0xA2;
constexpr unsigned short sNMP_PDU_SET = 0xA3;
constexpr unsigned short sNMP_PDU_REPORT = 0xA8;

// ---------------------------------------------------------------------------
class Pdu
{
public:
    Pdu() = default;

    Pdu& operator+=(const Vb& vb)
    {
        vbs_.push_back(vb);
        return *this;
    }
    int get_vb_count() const { return int(vbs_.size()); }
    // Copies binding `index` into vb; false when the index is out of range.
    bool get_vb(Vb& vb, int index) const;
    const Vb& operator[](int index) const { return vbs_.at(size_t(index)); }
    bool set_vb(const Vb& vb, int index);
    const std::vector<Vb>& vbs() const { return vbs_; }
    void set_vblist(std::vector<Vb> vbs) { vbs_ = std::move(vbs); }
    // Removes every binding and resets status, index, id and type.
    void clear();

    int get_error_status() const { return errorStatus_; }
    void set_error_status(int s) { errorStatus_ = s; }
    int get_error_index() const { return errorIndex_; }
    void set_error_index(int i) { errorIndex_ = i; }
    unsigned long get_request_id() const { return requestId_; }
    void set_request_id(unsigned long id) { requestId_ = id; }
    unsigned short get_type() const { return type_; }
    void set_type(unsigned short t) { type_ = t; }

    void set_security_level(int level) { securityLevel_ = level; }
    int get_security_level() const { return securityLevel_; }
    void set_context_name(const OctetStr& name) { contextName_ = name; }
    const OctetStr& get_context_name() const { return contextName_; }
    void set_context_engine_id(const OctetStr& id) { contextEngineId_ = id; }
    const OctetStr& get_context_engine_id() const { return contextEngineId_; }

private:
    std::vector<Vb> vbs_;
    int errorStatus_ = 0;
    int errorIndex_ = 0;
    unsigned long requestId_ = 0;
    unsigned short type_ = sNMP_PDU_GET;
    int securityLevel_ = SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV;
    OctetStr contextName_;
    OctetStr contextEngineId_;
};

// ---------------------------------------------------------------------------
class UdpAddress
{
public:
    UdpAddress() = default;
    explicit UdpAddress(const char* text);
    explicit UdpAddress(const std::string& text) : UdpAddress(text.c_str()) {}
    UdpAddress(const IpAddress& ip, uint16_t port);

    bool valid() const { return valid_; }
    void set_port(uint16_t port) { port_ = port; }
    uint16_t get_port() const { return port_; }
    const IpAddress& get_ip() const { return ip_; }
    // "a.b.c.d/port"; empty when not valid.
    std::string get_printable() const;

    friend bool operator==(const UdpAddress& a, const UdpAddress& b)
    {
        return a.valid_ == b.valid_ && a.get_printable() == b.get_printable();
    }

private:
    IpAddress ip_;
    uint16_t port_ = 0;
    bool valid_ = false;
};

class GenAddress
{
public:
    GenAddress() = default;
    explicit GenAddress(const char* text) : udp_(text) {}
    explicit GenAddress(const std::string& text) : udp_(text) {}
    GenAddress(const UdpAddress& udp) : udp_(udp) {}
    bool valid() const { return udp_.valid(); }
    std::string get_printable() const { return udp_.get_printable(); }
    const UdpAddress& udp() const { return udp_; }
    operator const UdpAddress&() const { return udp_; }

private:
    UdpAddress udp_;
};

// ---------------------------------------------------------------------------
class SnmpTarget
{
public:
    enum target_type { type_base, type_ctarget, type_utarget };

    virtual ~SnmpTarget() = default;
    virtual SnmpTarget* clone() const = 0;
    virtual target_type get_type() const = 0;

    bool valid() const { return address_.valid(); }
    void set_address(const UdpAddress& a) { address_ = a; }
    const UdpAddress& get_address() const { return address_; }
    bool get_address(GenAddress& out) const
    {
        out = GenAddress(address_);
        return address_.valid();
    }
    void set_version(snmp_version v) { version_ = v; }
    snmp_version get_version() const { return version_; }
    // Retries after the first try.
    void set_retry(int r) { retries_ = r < 0 ? 0 : r; }
    int get_retry() const { return retries_; }
    // Hundredths of a second per try.
    void set_timeout(unsigned long t) { timeout_ = t; }
    unsigned long get_timeout() const { return timeout_; }

protected:
    SnmpTarget() = default;
    explicit SnmpTarget(const UdpAddress& a) : address_(a) {}

private:
    UdpAddress address_;
    snmp_version version_ = version1;
    int retries_ = 1;
    unsigned long timeout_ = 100;
};

class CTarget : public SnmpTarget
{
public:
    CTarget() = default;
    explicit CTarget(const UdpAddress& a) : SnmpTarget(a) {}
    CTarget(const UdpAddress& a, const OctetStr& read, const OctetStr& write)
        : SnmpTarget(a), read_(read), write_(write)
    {
    }
    SnmpTarget* clone() const override { return new CTarget(*this); }
    target_type get_type() const override { return type_ctarget; }

    void set_readcommunity(const OctetStr& c) { read_ = c; }
    void set_writecommunity(const OctetStr& c) { write_ = c; }
    const OctetStr& get_readcommunity() const { return read_; }
    const OctetStr& get_writecommunity() const { return write_; }

private:
    OctetStr read_{std::string("public")};
    OctetStr write_{std::string("public")};
};

class UTarget : public SnmpTarget
{
public:
    UTarget() { set_version(version3); }
    explicit UTarget(const UdpAddress& a) : SnmpTarget(a) { set_version(version3); }
    SnmpTarget* clone() const override { return new UTarget(*this); }
    target_type get_type() const override { return type_utarget; }

    void set_security_model(int m) { securityModel_ = m; }
    int get_security_model() const { return securityModel_; }
    void set_security_name(const OctetStr& n) { securityName_ = n; }
    const OctetStr& get_security_name() const { return securityName_; }
    // The agent's engine id when known; empty lets the session discover it
    // (and cache it per address).
    void set_engine_id(const OctetStr& id) { engineId_ = id; }
    const OctetStr& get_engine_id() const { return engineId_; }

private:
    int securityModel_ = SNMP_SECURITY_MODEL_USM;
    OctetStr securityName_;
    OctetStr engineId_;
};

// ---------------------------------------------------------------------------
class Snmp;

// Completion of an asynchronous request. reason:
//   SNMP_CLASS_ASYNC_RESPONSE   the operation ended; pdu.get_error_status() is
//                               the agent's error status (0..18) for a
//                               response, or the failure's status for
//                               anything else (a report or local security
//                               failure: 14xx / -14xx; a send failure: -22)
//   SNMP_CLASS_TIMEOUT          no answer after timeout x (retries + 1)
//   SNMP_CLASS_SESSION_DESTROYED the session was destroyed first
// pdu and target are valid only during the call (copy what you keep);
// target is the one the request was sent with.
typedef void (*snmp_callback)(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* data);

class Snmp
{
public:
    // Opens the session. status is SNMP_CLASS_SUCCESS or an error. The
    // library is initialised on the first construction (numeric OIDs, no
    // configuration files, no persistent state). port: the local UDP port;
    // only 0 is supported (each target gets a socket on a port the system
    // picks), any other gives SNMP_CLASS_TL_UNSUPPORTED.
    // SNMPv3: the first request to an agent discovers its engine id (this
    // blocks for up to timeout x (retries + 1), even for an asynchronous
    // send; an unanswered discovery is that request's time-out); the id is
    // kept per agent address for later sessions. After a synchronous SNMPv3
    // time-out the next request discovers the agent again.
    explicit Snmp(int& status, uint16_t port = 0);
    // Outstanding asynchronous requests complete at once with
    // SNMP_CLASS_SESSION_DESTROYED.
    ~Snmp();
    Snmp(const Snmp&) = delete;
    Snmp& operator=(const Snmp&) = delete;

    // Synchronous: wait for the reply (no completion of any other request
    // runs meanwhile). Return 0, the reply's error status (1..18), or an
    // error. The reply's bindings, error status and index replace pdu's.
    int get(Pdu& pdu, const SnmpTarget& target);
    int get_next(Pdu& pdu, const SnmpTarget& target);
    int set(Pdu& pdu, const SnmpTarget& target);

    // Asynchronous: 0 when the request is under way (callback called exactly
    // once, later, from process_pending_events or wait_for_events; the
    // request id is put into pdu), otherwise an error and no callback.
    int get(Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* data);
    int get_next(Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* data);
    int set(Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* data);

    // Forgets an outstanding asynchronous request: its callback is never
    // called. SNMP_CLASS_INVALID_REQID when no such request is outstanding.
    int cancel(unsigned long requestId);
    // Outstanding asynchronous requests (callback not yet called).
    int outstanding() const;

    // Reads the replies that are waiting, handles retransmissions and
    // time-outs, then runs the completions that are ready; never blocks.
    // Returns the number of callbacks run. Safe to call from a callback.
    int process_pending_events();
    // As process_pending_events, but first waits up to max_ms for something
    // to happen when nothing is ready.
    int wait_for_events(int max_ms);

    // The sockets of the asynchronous requests (for socket notifiers). The
    // watcher is told of every socket opened (added true) after it opens and
    // before it is closed (added false); setting it reports the current ones.
    std::vector<int> get_sockets() const;
    void set_socket_watcher(std::function<void(int fd, bool added)> watcher);

    // Local engine identity (see mpInit).
    const OctetStr& local_engine_id() const;
    unsigned int local_engine_boots() const;

    struct Impl;

private:
    friend int mpInit(Snmp& session, const OctetStr& engineId, unsigned int engineBoots);
    std::unique_ptr<Impl> d_;
};

// Processes pending events of every open Snmp session (see
// Snmp::process_pending_events). Returns the number of callbacks run.
int SNMPProcessPendingEvents();

// The user table. Returns SNMPv3_USM_OK, or SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL
// / SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL (the user is then kept, and every send
// as that user fails with that status before anything is sent).
int usmAddUserName(const OctetStr& name, int authProtocol, int privProtocol, const OctetStr& authPassword,
                   const OctetStr& privPassword);
// Removes a user; SNMPv3_USM_OK or SNMPv3_USM_UNKNOWN_SECURITY_NAME.
int usmDeleteUserName(const OctetStr& name);

// Sets the local engine identifier and boot count of SNMPv3 message
// processing. SNMPv3_MP_OK, or SNMPv3_MP_ERROR for an engine identifier
// that is empty or longer than 32 octets.
int mpInit(Snmp& session, const OctetStr& engineId, unsigned int engineBoots);

// Boot-counter file: one count per engine identifier. getBootCounter sets
// boot to 0 first, then returns SNMPv3_OK, SNMPv3_NO_ENTRY_ERROR,
// SNMPv3_FILEOPEN_ERROR or SNMPv3_FILEFORMAT_ERROR. saveBootCounter keeps the
// other engines' entries and replaces the file atomically; SNMPv3_OK or an
// error (SNMPv3_FILEFORMAT_ERROR when the existing file is malformed).
int getBootCounter(const char* fileName, const OctetStr& engineId, unsigned int& boot);
int saveBootCounter(const char* fileName, const OctetStr& engineId, unsigned int boot);
