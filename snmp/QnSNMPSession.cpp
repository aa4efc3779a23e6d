#include "snmp/QnSNMPSession.h"

#include "mib/QnErrorCatalogue.h"
#include "platform/QnPath.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmplib/Snmp.h"

QnSNMPDevice DefaultDevice;
QnSNMPScope DefaultScope;
QnSNMPSecurity DefaultSecurity;
uint32_t DefaultTimeout = 0;
Snmp* GlobalSession = nullptr;

std::string JoinPath(const std::string& folder, const std::string& fileName)
{
    if (folder.empty())
        return fileName;
    if (folder.back() == '\\')
        return folder + fileName;
    return folder + "\\" + fileName;
}

std::string BootCounterPath(const std::string& folder)
{
    return NativePath(JoinPath(folder, QN_BOOT_COUNTER_FILE));
}

void QnSNMPStartup(const std::string& folder)
{
    // 1. The one session of the process, on any free local port.
    if (!GlobalSession) {
        int status = SNMP_CLASS_SUCCESS;
        auto* session = new Snmp(status, 0);
        if (status != SNMP_CLASS_SUCCESS) {
            delete session;
            RaiseError(QNERR_SESSION_CREATE);
        }
        GlobalSession = session;
    }

    // 2-4. The engine boot counter: read, advance, save.
    const std::string path = BootCounterPath(folder);
    const OctetStr engineId{std::string(QN_ENGINE_ID)};
    unsigned int boots = 0;
    const int loaded = getBootCounter(path.c_str(), engineId, boots);
    if (loaded != SNMPv3_OK && loaded != SNMPv3_NO_ENTRY_ERROR && loaded != SNMPv3_FILEOPEN_ERROR)
        RaiseError(QNERR_BOOTS_LOAD);
    ++boots;
    if (saveBootCounter(path.c_str(), engineId, boots) != SNMPv3_OK)
        RaiseError(QNERR_BOOTS_SAVE);

    // 5. SNMPv3 message processing; its result does not stop start-up.
    (void)mpInit(*GlobalSession, engineId, boots);

    // 6. The session parameters every request starts from.
    DefaultDevice = QnSNMPDevice{"127.0.0.1", 161};
    DefaultScope = QnSNMPScope{};
    DefaultSecurity = QnSNMPSecurity{};
    DefaultSecurity.Version = 0;
    DefaultSecurity.ReadCommunity = "wombat";
    DefaultSecurity.WriteCommunity = "kestrel";
    DefaultSecurity.SecurityModel = 1;
    DefaultSecurity.SecurityLevel = 1;
    DefaultSecurity.AuthProtocol = 1;
    DefaultSecurity.PrivProtocol = 1;
    DefaultTimeout = 100;

    // Last: the event pump.
    GlobalEventProcessor().Start();
}

void QnSNMPShutdown()
{
    GlobalEventProcessor().Stop();
    GlobalEventProcessor().DetachSession();
    Snmp* session = GlobalSession;
    GlobalSession = nullptr;
    delete session;
}

std::unique_ptr<SnmpTarget> BuildTarget(const QnSNMPDevice& device, const QnSNMPSecurity& security,
                                        uint32_t timeout, int32_t retries)
{
    UdpAddress address(device.Address);
    address.set_port(device.Port);
    if (!address.valid())
        RaiseError(QNERR_BAD_ADDRESS);

    if (security.Version == 3) {
        auto target = std::make_unique<UTarget>(address);
        target->set_version(version3);
        target->set_retry(retries);
        target->set_timeout(timeout);
        target->set_security_model(security.SecurityModel);
        target->set_security_name(OctetStr(security.SecurityName));
        // Registering the same name again replaces its protocols and pass
        // phrases; an unsupported protocol makes the send itself fail.
        (void)usmAddUserName(OctetStr(security.SecurityName), security.AuthProtocol, security.PrivProtocol,
                             OctetStr(security.AuthPassword), OctetStr(security.PrivPassword));
        return target;
    }
    auto target = std::make_unique<CTarget>(address);
    target->set_version(snmp_version(security.Version));
    target->set_retry(retries);
    target->set_timeout(timeout);
    target->set_readcommunity(OctetStr(security.ReadCommunity));
    target->set_writecommunity(OctetStr(security.WriteCommunity));
    return target;
}
