// How to reach the managed agent: where (device), which SNMPv3 context (scope)
// and which version and credentials (security). One process-wide instance of
// each holds the session parameters that start-up fills in; every request
// copies them when it is created and builds its target from its copies.
// This unit also starts the SNMP library: the one session of the process, the
// SNMPv3 engine identity and its boot counter, and the event pump.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

struct QnSNMPDevice
{
    std::string Address; // dotted IPv4 address or host name
    uint16_t Port = 0;   // agent UDP port
};

struct QnSNMPScope
{
    std::string ContextEngineID; // as text; empty means none
    std::string ContextName;     // empty means the default context
};

struct QnSNMPSecurity
{
    uint8_t Version = 0; // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    std::string ReadCommunity;
    std::string WriteCommunity;
    int32_t SecurityModel = 0; // 3 = user-based security model
    int32_t SecurityLevel = 0; // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    int32_t AuthProtocol = 0; // 1 none, 2 HMAC-MD5, 3 HMAC-SHA
    int32_t PrivProtocol = 0; // 1 none, 2 DES, 9 IDEA
};

// Process-wide session parameters, empty until QnSNMPStartup.
extern QnSNMPDevice DefaultDevice;
extern QnSNMPScope DefaultScope;
extern QnSNMPSecurity DefaultSecurity;
// Request timeout in hundredths of a second.
extern uint32_t DefaultTimeout;

// The local SNMPv3 engine identifier and the name of its boot-counter file.
inline constexpr const char* QN_ENGINE_ID = "QnSNMP_PP_Application";
inline constexpr const char* QN_BOOT_COUNTER_FILE = "QnSNMP_PP_BootCounter";

// The folder, one backslash and the file name; the backslash is not doubled
// when the folder already ends with one, and an empty folder gives the file
// name unchanged.
std::string JoinPath(const std::string& folder, const std::string& fileName);

// Where this platform keeps the boot-counter file for a folder: JoinPath's
// result with backslashes turned into the platform's separator.
std::string BootCounterPath(const std::string& folder);

// Starts the SNMP library: creates GlobalSession (-506 on failure), loads and
// advances the engine boot counter in the folder's boot-counter file (-507,
// -508), initialises SNMPv3 message processing, sets the default records to
// their start values and starts the event pump. Throws QnException.
void QnSNMPStartup(const std::string& folder);

// Stops the pump and closes GlobalSession; every asynchronous operation still
// outstanding completes with "session destroyed". Used at process end and by
// tests that start the library again.
void QnSNMPShutdown();

class Snmp;
class SnmpTarget;

// The one SNMP session of the process, created by QnSNMPStartup.
extern Snmp* GlobalSession;

// The target to send with, built from a request's copies of the records and
// its retry count and timeout (hundredths of a second): a community target for
// versions 0 and 1, a user target for version 3 (whose user is registered in
// the library's user table). Raises -509 when the address is neither an IPv4
// address nor a resolvable host name.
std::unique_ptr<SnmpTarget> BuildTarget(const QnSNMPDevice& device, const QnSNMPSecurity& security,
                                        uint32_t timeout, int32_t retries);
