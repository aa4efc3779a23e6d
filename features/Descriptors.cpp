// Descriptor tables and option lists of the generated configuration windows.
// One descriptor per line, in the order the window shows the variables.
#include "Descriptors.h"

namespace {

// Access of the descriptors: index, implied last index, read-only, read-write.
constexpr uint32_t IDX = ACC_NOTACCESS;
constexpr uint32_t IMP = ACC_NOTACCESS | ACC_IMPLIED;
constexpr uint32_t RO = ACC_READONLY;
constexpr uint32_t RW = ACC_READWRITE;

constexpr QnSNMPVarDesc Var(const char* oid, const char* label, uint32_t syntax, uint32_t access,
                            const QnOptionList* options = nullptr)
{
    return {oid, label, syntax, access, options, nullptr, nullptr, nullptr, nullptr, nullptr};
}

constexpr QnSNMPVarDesc End{};

// clang-format off
const QnIntOption SrcE1[] = {{1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}, {0, nullptr}};
const QnIntOption SrcE2[] = {{2, "console"}, {0, nullptr}};
const QnIntOption SrcE3[] = {{3, "warm-start"}, {4, "no-reset"}, {0, nullptr}};
const QnIntOption SrcE4[] = {{1, "other"}, {2, "cfg"}, {3, "log"}, {4, "all"}, {0, nullptr}};
const QnIntOption SrcE5[] = {{2, "disabled"}, {3, "bootp"}, {4, "dhcp"}, {0, nullptr}};
const QnIntOption SrcE6[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const QnIntOption SrcE7[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const QnIntOption SrcE8[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const QnIntOption SrcE9[] = {{1, "unknown"}, {2, "transparent-only"}, {3, "sourceroute-only"}, {4, "srt"}, {0, nullptr}};
const QnIntOption SrcE10[] = {{1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr}};
const QnIntOption SrcE11[] = {{1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"}, {0, nullptr}};
const QnIntOption SrcE12[] = {{1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};
const QnIntOption SrcE13[] = {{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {0, nullptr}};
const QnIntOption SrcE14[] = {{5975547, "None"}, {5975573, "MD5"}, {5975598, "SHA"}, {0, nullptr}};
const QnIntOption SrcE15[] = {{5975623, "None"}, {5975649, "DES"}, {0, nullptr}};
const QnIntOption SrcE16[] = {{1, "exact"}, {2, "prefix"}, {0, nullptr}};
const QnIntOption SrcE17[] = {{1, "included"}, {2, "excluded"}, {0, nullptr}};
const QnIntOption SrcE18[] = {{1, "trap"}, {2, "inform"}, {0, nullptr}};
const QnIntOption SrcE19[] = {{2, "authProtocolLocal"}, {4, "authProtocolRadiusEap"}, {0, nullptr}};
const QnIntOption SrcE20[] = {{1, "portBase"}, {2, "macBase"}, {0, nullptr}};
const QnIntOption SrcE21[] = {{1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"}, {5, "authenticated"}, {6, "aborting"}, {7, "held"}, {8, "forceAuth"}, {9, "forceUnauth"}, {0, nullptr}};
const QnIntOption SrcE22[] = {{1, "request"}, {2, "response"}, {3, "success"}, {4, "fail"}, {5, "timeout"}, {6, "idle"}, {7, "initialize"}, {0, nullptr}};
const QnIntOption SrcE23[] = {{0, "both"}, {1, "in"}, {0, nullptr}};
const QnIntOption SrcE24[] = {{1, "authorized"}, {2, "unauthorized"}, {0, nullptr}};
const QnIntOption SrcE25[] = {{1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {0, nullptr}};
const QnIntOption SrcE26[] = {{1, "remoteAuthServer"}, {2, "localAuthServer"}, {0, nullptr}};
const QnIntOption SrcE27[] = {{1, "supplicantLogoff"}, {2, "portFailure"}, {3, "supplicantRestart"}, {4, "reauthFailed"}, {5, "authControlForceUnauth"}, {6, "portReInit"}, {7, "portAdminDisabled"}, {999, "notTerminatedYet"}, {0, nullptr}};
const QnIntOption SrcE28[] = {{0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}, {0, nullptr}};
const QnIntOption SrcE29[] = {{1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {0, nullptr}};
const QnIntOption SrcE30[] = {{1, "auto"}, {2, "half-10Mbps"}, {3, "full-10Mbps"}, {4, "half-100Mbps"}, {5, "full-100Mbps"}, {6, "half-1Gigabps"}, {7, "full-1Gigabps"}, {0, nullptr}};
const QnIntOption SrcE31[] = {{100, "copper"}, {101, "fiber"}, {0, nullptr}};
const QnIntOption SrcE32[] = {{1, "nway-auto"}, {2, "nway-disabled-10Mbps-Half"}, {3, "nway-disabled-10Mbps-Full"}, {4, "nway-disabled-100Mbps-Half"}, {5, "nway-disabled-100Mbps-Full"}, {6, "nway-disabled-1Gigabps-Full"}, {7, "nway-disabled-1Gigabps-Full-Master"}, {8, "nway-disabled-1Gigabps-Full-Slave"}, {0, nullptr}};
const QnIntOption SrcE33[] = {{2, "forward-unregistered-groups"}, {3, "filter-unregistered-groups"}, {0, nullptr}};
const QnIntOption SrcE34[] = {{2, "mac-source"}, {3, "mac-destination"}, {4, "mac-source-dest"}, {0, nullptr}};
const QnIntOption SrcE35[] = {{2, "querier"}, {3, "non-querier"}, {0, nullptr}};
const QnIntOption SrcE36[] = {{2, "disable"}, {3, "enable"}, {0, nullptr}};
const QnIntOption SrcE37[] = {{1, "cs"}, {2, "cas"}, {3, "ms"}, {0, nullptr}};
const QnIntOption SrcE38[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "none"}, {6, "other"}, {0, nullptr}};
const QnIntOption SrcE39[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const QnIntOption SrcE40[] = {{1, "commander"}, {2, "candidate"}, {3, "member"}, {0, nullptr}};
const QnIntOption SrcE41[] = {{0, "cist"}, {1, "msti"}, {0, nullptr}};
const QnIntOption SrcE42[] = {{0, "true"}, {1, "false"}, {2, "auto"}, {0, nullptr}};
const QnIntOption SrcE43[] = {{1, "other"}, {2, "disabled"}, {3, "discarding"}, {4, "learning"}, {5, "forwarding"}, {6, "broken"}, {7, "no-stp-enabled"}, {8, "err-disabled"}, {0, nullptr}};
const QnIntOption SrcE44[] = {{0, "disable"}, {1, "alternate"}, {2, "backup"}, {3, "root"}, {4, "designated"}, {5, "master"}, {6, "nonstp"}, {7, "loopback"}, {0, nullptr}};
const QnIntOption SrcE45[] = {{1, "time-interval"}, {2, "on-demand"}, {3, "log-trigger"}, {0, nullptr}};
const QnIntOption SrcE46[] = {{1, "other"}, {2, "start"}, {0, nullptr}};
const QnIntOption SrcE47[] = {{1, "running"}, {2, "warmBoot"}, {3, "coldBoot"}, {0, nullptr}};
const QnIntOption SrcE48[] = {{2, "enable"}, {3, "disable"}, {0, nullptr}};
const QnIntOption SrcE49[] = {{1, "disabled"}, {2, "enabled"}, {0, nullptr}};
const QnIntOption SrcE50[] = {{1, "shutdown"}, {2, "drop"}, {0, nullptr}};
const QnIntOption SrcE51[] = {{1, "yes"}, {2, "no"}, {0, nullptr}};
const QnIntOption SrcE52[] = {{2, "bits-7"}, {3, "bits-8"}, {0, nullptr}};
const QnIntOption SrcE53[] = {{2, "stopbits-1"}, {3, "stopbits-2"}, {0, nullptr}};
const QnIntOption SrcE54[] = {{1, "none"}, {2, "odd"}, {3, "even"}, {0, nullptr}};
const QnIntOption SrcE55[] = {{2, "baudRate-2400"}, {3, "baudRate-9600"}, {4, "baudRate-19200"}, {5, "baudRate-38400"}, {6, "baudRate-57200"}, {7, "baudRate-115200"}, {0, nullptr}};
const QnIntOption SrcE56[] = {{1, "never"}, {2, "two-minutes"}, {3, "five-minutes"}, {4, "ten-minutes"}, {5, "fifteen-minutes"}, {0, nullptr}};
const QnIntOption SrcE57[] = {{1, "success"}, {2, "failed"}, {3, "in-processing"}, {0, nullptr}};
const QnIntOption SrcE58[] = {{1, "acctServiceIndex-network"}, {2, "acctServiceIndex-exec"}, {3, "acctServiceIndex-system"}, {0, nullptr}};
const QnIntOption SrcE59[] = {{1, "swRadiusAcctServiceMethodNone"}, {2, "swRadiusAcctServiceMethodRadius"}, {0, nullptr}};
const QnIntOption SrcE60[] = {{1, "radiusAcctServiceModeNone"}, {2, "radiusAcctServiceModeStartStop"}, {3, "radiusAcctServiceModeStopOnly"}, {0, nullptr}};
const QnIntOption SrcE61[] = {{1, "other"}, {2, "reboot"}, {3, "save-config-and-reboot"}, {4, "reboot-and-load-factory-default-config"}, {0, nullptr}};
const QnIntOption SrcE62[] = {{1, "normal"}, {2, "active"}, {0, nullptr}};
const QnIntOption SrcE63[] = {{1, "other"}, {2, "enable"}, {3, "disable"}, {0, nullptr}};
const QnIntOption SrcE64[] = {{1, "other"}, {2, "err-disabled"}, {0, nullptr}};
const QnIntOption SrcE65[] = {{1, "stp-lbd"}, {2, "storm-control"}, {0, nullptr}};
const QnIntOption SrcE66[] = {{2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}, {0, nullptr}};
const QnIntOption SrcE67[] = {{1, "replace"}, {2, "drop"}, {3, "keep"}, {0, nullptr}};
const QnIntOption SrcE68[] = {{1, "disable"}, {2, "Ethernet 802.1P"}, {3, "MAC-Based"}, {0, nullptr}};
const QnIntOption SrcE69[] = {{1, "disable"}, {2, "tos"}, {3, "dscp"}, {0, nullptr}};
const QnIntOption SrcE70[] = {{1, "valid"}, {2, "invalid"}, {0, nullptr}};
const QnIntOption SrcE71[] = {{1, "denyNextPort"}, {2, "denyLowPriorityPort"}, {0, nullptr}};
const QnIntOption SrcE72[] = {{1, "power-limit"}, {2, "auto"}, {0, nullptr}};
const QnIntOption SrcE73[] = {{1, "critical"}, {2, "high"}, {3, "low"}, {0, nullptr}};
const QnIntOption SrcE74[] = {{1, "class0"}, {2, "class1"}, {3, "class2"}, {4, "class3"}, {5, "user-defined"}, {0, nullptr}};
const QnIntOption SrcE75[] = {{1, "on"}, {2, "off"}, {3, "error"}, {0, nullptr}};
const QnIntOption SrcE76[] = {{1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}, {0, nullptr}};
const QnIntOption SrcE77[] = {{1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {0, nullptr}};
const QnIntOption SrcE78[] = {{0, "not-supported"}, {1, "supported"}, {0, nullptr}};
const QnIntOption SrcE79[] = {{1, "ipv4"}, {2, "ipv6"}, {16, "dns"}, {0, nullptr}};
const QnIntOption SrcE80[] = {{1, "responseReceived"}, {2, "unknown"}, {3, "internalError"}, {4, "requestTimedOut"}, {5, "unknownDestinationAddress"}, {6, "noRouteToTarget"}, {7, "interfaceInactiveToTarget"}, {8, "arpFailure"}, {9, "maxConcurrentLimitReached"}, {10, "unableToResolveDnsName"}, {11, "invalidHostAddress"}, {0, nullptr}};

const QnTextOption SrcUsmAuthProtocol[] = {{"1.3.6.1.6.3.10.1.1.1", "None"}, {"1.3.6.1.6.3.10.1.1.2", "MD5"}, {"1.3.6.1.6.3.10.1.1.3", "SHA"}, {nullptr, nullptr}};
const QnTextOption SrcUsmPrivProtocol[] = {{"1.3.6.1.6.3.10.1.2.1", "None"}, {"1.3.6.1.6.3.10.1.2.2", "DES"}, {nullptr, nullptr}};
const QnTextOption SrcRedundantPower[] = {{"40", "Redundant Power"}, {nullptr, nullptr}};
// clang-format on

} // namespace

// E14 and E15 carry the device's numbers for the protocol identifiers; no
// table uses them, since a value written from them would not be an identifier.
const QnOptionList OptE1(SrcE1);
const QnOptionList OptE2(SrcE2);
const QnOptionList OptE3(SrcE3);
const QnOptionList OptE4(SrcE4);
const QnOptionList OptE5(SrcE5);
const QnOptionList OptE6(SrcE6);
const QnOptionList OptE7(SrcE7);
const QnOptionList OptE8(SrcE8);
const QnOptionList OptE9(SrcE9);
const QnOptionList OptE10(SrcE10);
const QnOptionList OptE11(SrcE11);
const QnOptionList OptE12(SrcE12);
const QnOptionList OptE13(SrcE13);
const QnOptionList OptE14(SrcE14);
const QnOptionList OptE15(SrcE15);
const QnOptionList OptE16(SrcE16);
const QnOptionList OptE17(SrcE17);
const QnOptionList OptE18(SrcE18);
const QnOptionList OptE19(SrcE19);
const QnOptionList OptE20(SrcE20);
const QnOptionList OptE21(SrcE21);
const QnOptionList OptE22(SrcE22);
const QnOptionList OptE23(SrcE23);
const QnOptionList OptE24(SrcE24);
const QnOptionList OptE25(SrcE25);
const QnOptionList OptE26(SrcE26);
const QnOptionList OptE27(SrcE27);
const QnOptionList OptE28(SrcE28);
const QnOptionList OptE29(SrcE29);
const QnOptionList OptE30(SrcE30);
const QnOptionList OptE31(SrcE31);
const QnOptionList OptE32(SrcE32);
const QnOptionList OptE33(SrcE33);
const QnOptionList OptE34(SrcE34);
const QnOptionList OptE35(SrcE35);
const QnOptionList OptE36(SrcE36);
const QnOptionList OptE37(SrcE37);
const QnOptionList OptE38(SrcE38);
const QnOptionList OptE39(SrcE39);
const QnOptionList OptE40(SrcE40);
const QnOptionList OptE41(SrcE41);
const QnOptionList OptE42(SrcE42);
const QnOptionList OptE43(SrcE43);
const QnOptionList OptE44(SrcE44);
const QnOptionList OptE45(SrcE45);
const QnOptionList OptE46(SrcE46);
const QnOptionList OptE47(SrcE47);
const QnOptionList OptE48(SrcE48);
const QnOptionList OptE49(SrcE49);
const QnOptionList OptE50(SrcE50);
const QnOptionList OptE51(SrcE51);
const QnOptionList OptE52(SrcE52);
const QnOptionList OptE53(SrcE53);
const QnOptionList OptE54(SrcE54);
const QnOptionList OptE55(SrcE55);
const QnOptionList OptE56(SrcE56);
const QnOptionList OptE57(SrcE57);
const QnOptionList OptE58(SrcE58);
const QnOptionList OptE59(SrcE59);
const QnOptionList OptE60(SrcE60);
const QnOptionList OptE61(SrcE61);
const QnOptionList OptE62(SrcE62);
const QnOptionList OptE63(SrcE63);
const QnOptionList OptE64(SrcE64);
const QnOptionList OptE65(SrcE65);
const QnOptionList OptE66(SrcE66);
const QnOptionList OptE67(SrcE67);
const QnOptionList OptE68(SrcE68);
const QnOptionList OptE69(SrcE69);
const QnOptionList OptE70(SrcE70);
const QnOptionList OptE71(SrcE71);
const QnOptionList OptE72(SrcE72);
const QnOptionList OptE73(SrcE73);
const QnOptionList OptE74(SrcE74);
const QnOptionList OptE75(SrcE75);
const QnOptionList OptE76(SrcE76);
const QnOptionList OptE77(SrcE77);
const QnOptionList OptE78(SrcE78);
const QnOptionList OptE79(SrcE79);
const QnOptionList OptE80(SrcE80);

const QnOptionList OptUsmAuthProtocol(SrcUsmAuthProtocol, QnOptionList::Text);
const QnOptionList OptUsmPrivProtocol(SrcUsmPrivProtocol, QnOptionList::Text);
const QnOptionList OptRedundantPower(SrcRedundantPower, QnOptionList::Text);

namespace {
// clang-format off
const QnOptionList* const Enumerations[EnumerationCount] = {
    &OptE1,    &OptE2,    &OptE3,    &OptE4,    &OptE5,    &OptE6,    &OptE7,    &OptE8,    &OptE9,    &OptE10,
    &OptE11,    &OptE12,    &OptE13,    &OptE14,    &OptE15,    &OptE16,    &OptE17,    &OptE18,    &OptE19,    &OptE20,
    &OptE21,    &OptE22,    &OptE23,    &OptE24,    &OptE25,    &OptE26,    &OptE27,    &OptE28,    &OptE29,    &OptE30,
    &OptE31,    &OptE32,    &OptE33,    &OptE34,    &OptE35,    &OptE36,    &OptE37,    &OptE38,    &OptE39,    &OptE40,
    &OptE41,    &OptE42,    &OptE43,    &OptE44,    &OptE45,    &OptE46,    &OptE47,    &OptE48,    &OptE49,    &OptE50,
    &OptE51,    &OptE52,    &OptE53,    &OptE54,    &OptE55,    &OptE56,    &OptE57,    &OptE58,    &OptE59,    &OptE60,
    &OptE61,    &OptE62,    &OptE63,    &OptE64,    &OptE65,    &OptE66,    &OptE67,    &OptE68,    &OptE69,    &OptE70,
    &OptE71,    &OptE72,    &OptE73,    &OptE74,    &OptE75,    &OptE76,    &OptE77,    &OptE78,    &OptE79,    &OptE80,
};
// clang-format on
} // namespace

const QnOptionList* Enumeration(int tag)
{
    if (tag < 1 || tag > EnumerationCount)
        return nullptr;
    return Enumerations[tag - 1];
}

int DescriptorCount(const QnSNMPVarDesc* table)
{
    int n = 0;
    while (table[n].Oid)
        ++n;
    return n;
}

// clang-format off
const QnSNMPVarDesc MibCapabilities1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.1.1.2.1.1", "Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.1.1.2.1.2", "Description", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.1.1.2.1.3", "Version", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.1.1.2.1.4", "Type", SYN_INTEGER, RO, &OptE1),
    End,
};

const QnSNMPVarDesc BasicConfigure1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.1.2.4", "RS232 Port", SYN_INTEGER, RO, &OptE2),
    Var("1.3.6.1.4.1.98762.12.1.2.3", "System Reset", SYN_INTEGER, RW, &OptE3),
    Var("1.3.6.1.4.1.98762.12.1.2.6", "Save", SYN_INTEGER, RW, &OptE4),
    Var("1.3.6.1.4.1.98762.12.1.3.3", "Get IP From", SYN_INTEGER, RW, &OptE5),
    End,
};

const QnSNMPVarDesc CpuUtilization1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.1.1.6.1", "CPU Utilization In 5sec", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.1.1.6.2", "CPU Utilization In 1min", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.1.1.6.3", "CPU Utilization In 5min", SYN_INTEGER, RO),
    End,
};

const QnSNMPVarDesc CurrentTime1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.10.3", "Clock Reset On Reboot", SYN_INTEGER, RO, &OptE6),
    Var("1.3.6.1.4.1.98762.12.10.10.1", "Current Time", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.10.10.2", "System Up Time", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.10.10.3", "System Boot Time", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.10.10.4", "System Time Zone [ -779..839]", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc IFXTable1Desc[] = {
    Var("1.3.6.1.2.1.2.2.1.1", "IF Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.2.1.31.1.1.1.1", "Name", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.2.1.31.1.1.1.2", "Multicast Packets Received", SYN_COUNTER, RO),
    Var("1.3.6.1.2.1.31.1.1.1.3", "Broadcast Packets Received", SYN_COUNTER, RO),
    Var("1.3.6.1.2.1.31.1.1.1.4", "Multicast Packets Sended", SYN_COUNTER, RO),
    Var("1.3.6.1.2.1.31.1.1.1.5", "Broadcast Packets Sended", SYN_COUNTER, RO),
    Var("1.3.6.1.2.1.31.1.1.1.6", "Octets Received", SYN_COUNTER64, RO),
    Var("1.3.6.1.2.1.31.1.1.1.7", "Unicast Packets Received", SYN_COUNTER64, RO),
    Var("1.3.6.1.2.1.31.1.1.1.8", "Multicast Packets Received", SYN_COUNTER64, RO),
    Var("1.3.6.1.2.1.31.1.1.1.9", "Broadcast Packets Received", SYN_COUNTER64, RO),
    Var("1.3.6.1.2.1.31.1.1.1.10", "Octets Sended", SYN_COUNTER64, RO),
    Var("1.3.6.1.2.1.31.1.1.1.11", "Unicast Packets Sended", SYN_COUNTER64, RO),
    Var("1.3.6.1.2.1.31.1.1.1.12", "Multicast Packets Sended", SYN_COUNTER64, RO),
    Var("1.3.6.1.2.1.31.1.1.1.13", "Broadcast Packets Sended", SYN_COUNTER64, RO),
    Var("1.3.6.1.2.1.31.1.1.1.14", "Link Up Down Trap State", SYN_INTEGER, RW, &OptE7),
    Var("1.3.6.1.2.1.31.1.1.1.15", "High Speed", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", SYN_INTEGER, RO, &OptE6),
    Var("1.3.6.1.2.1.31.1.1.1.17", "Connector Present", SYN_INTEGER, RO, &OptE6),
    Var("1.3.6.1.2.1.31.1.1.1.18", "Alias", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count", SYN_TIMETICKS, RO),
    End,
};

const QnSNMPVarDesc RMONSetting1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.1.2.16", "RMON State", SYN_INTEGER, RW, &OptE8),
    End,
};

const QnSNMPVarDesc Information1Desc[] = {
    Var("1.3.6.1.2.1.17.1.1", "Bridge Address", SYN_MACADDRESS, RO),
    Var("1.3.6.1.2.1.17.1.2", "Number Ports", SYN_INTEGER, RO),
    Var("1.3.6.1.2.1.17.1.3", "Bridge Type", SYN_INTEGER, RO, &OptE9),
    Var("1.3.6.1.2.1.17.4.1", "Learned Entry Discards", SYN_COUNTER, RO),
    Var("1.3.6.1.2.1.17.4.2", "MAC Address Aging Time (10-1000000 sec)", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc PortTable1Desc[] = {
    Var("1.3.6.1.2.1.17.1.4.1.1", "Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.2.1.17.1.4.1.2", "IF Index", SYN_INTEGER, RO),
    Var("1.3.6.1.2.1.17.1.4.1.3", "Circuit", SYN_OBJECTID, RO),
    Var("1.3.6.1.2.1.17.1.4.1.4", "Delay Exceeded Discards", SYN_COUNTER, RO),
    Var("1.3.6.1.2.1.17.1.4.1.5", "Maximum Transmission Unit Exceeded Discards", SYN_COUNTER, RO),
    End,
};

const QnSNMPVarDesc DefaultUserPrioritiesofEachPort1Desc[] = {
    Var("", "Port", SYN_INTEGER, IDX),
    Var("1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", SYN_INTEGER, RW),
    Var("1.3.6.1.2.1.17.6.1.2.1.1.2", "Number Traffic Classes", SYN_INTEGER, RO),
    End,
};

const QnSNMPVarDesc RegeneratedUserPriorities1Desc[] = {
    Var("", "Port", SYN_INTEGER, IDX),
    Var("1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", SYN_INTEGER, IDX),
    Var("1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc UserPrioritiesToTrafficClass1Desc[] = {
    Var("", "Port", SYN_INTEGER, IDX),
    Var("1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", SYN_INTEGER, IDX),
    Var("1.3.6.1.2.1.17.6.1.2.3.1.2", "Traffic Class", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc PortOutboundAccessPriorities1Desc[] = {
    Var("", "Port", SYN_INTEGER, IDX),
    Var("", "Regenerated User Priority", SYN_INTEGER, IDX),
    Var("1.3.6.1.2.1.17.6.1.2.4.1.1", "Outbound Access Priority", SYN_INTEGER, RO),
    End,
};

const QnSNMPVarDesc UnicastForwardingInformation1Desc[] = {
    Var("", "FDB ID", SYN_GAUGE, IDX),
    Var("1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", SYN_MACADDRESS, IDX),
    Var("1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", SYN_INTEGER, RO),
    Var("1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", SYN_INTEGER, RO, &OptE10),
    End,
};

const QnSNMPVarDesc snmpEngine1Desc[] = {
    Var("1.3.6.1.6.3.10.2.1.1", "Engine ID", SYN_OCTETSTR, RO),
    Var("1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", SYN_INTEGER, RO),
    Var("1.3.6.1.6.3.10.2.1.3", "Engine Time", SYN_INTEGER, RO),
    Var("1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", SYN_INTEGER, RO),
    End,
};

const QnSNMPVarDesc MessageProcessingandDispatching1Desc[] = {
    Var("1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", SYN_COUNTER, RO),
    Var("1.3.6.1.6.3.11.2.1.2", "Invalid Message", SYN_COUNTER, RO),
    Var("1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", SYN_COUNTER, RO),
    End,
};

const QnSNMPVarDesc GeneralInformation1Desc[] = {
    Var("1.3.6.1.6.3.12.1.1", "Target Spin Lock", SYN_INTEGER, RW),
    Var("1.3.6.1.6.3.12.1.4", "Unavailable Contexts", SYN_COUNTER, RO),
    Var("1.3.6.1.6.3.12.1.5", "Unknown Contexts", SYN_COUNTER, RO),
    End,
};

const QnSNMPVarDesc CommunityTargetAddressTableDesc[] = {
    Var("1.3.6.1.6.3.12.1.2.1.1", "Address Name", SYN_DISPLAYSTR, IMP),
    Var("1.3.6.1.6.3.12.1.2.1.2", "Address TDomain", SYN_OBJECTID, RW),
    Var("1.3.6.1.6.3.12.1.2.1.3", "Address TAddress", SYN_BITSTR, RW),
    Var("1.3.6.1.6.3.12.1.2.1.4", "Address Timeout", SYN_INTEGER, RW),
    Var("1.3.6.1.6.3.12.1.2.1.5", "Address Retry Count", SYN_INTEGER, RW),
    Var("1.3.6.1.6.3.12.1.2.1.6", "Address Tag List", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.12.1.2.1.7", "Address Params", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.12.1.2.1.8", "Address Storage Type", SYN_INTEGER, RW, &OptE11),
    Var("1.3.6.1.6.3.12.1.2.1.9", "Row Status", SYN_INTEGER, RW, &OptE12),
    End,
};

const QnSNMPVarDesc TargetParameters1Desc[] = {
    Var("1.3.6.1.6.3.12.1.3.1.1", "Name", SYN_DISPLAYSTR, IMP),
    Var("1.3.6.1.6.3.12.1.3.1.2", "MP Model", SYN_INTEGER, RW),
    Var("1.3.6.1.6.3.12.1.3.1.3", "Security Model", SYN_INTEGER, RW),
    Var("1.3.6.1.6.3.12.1.3.1.4", "Securit yName", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.12.1.3.1.5", "Security Level", SYN_INTEGER, RW, &OptE13),
    Var("1.3.6.1.6.3.12.1.3.1.6", "StorageType", SYN_INTEGER, RW, &OptE11),
    Var("1.3.6.1.6.3.12.1.3.1.7", "Row Status", SYN_INTEGER, RW, &OptE12),
    End,
};

const QnSNMPVarDesc Statistics2Desc[] = {
    Var("1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", SYN_COUNTER, RO),
    Var("1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", SYN_COUNTER, RO),
    Var("1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", SYN_COUNTER, RO),
    Var("1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", SYN_COUNTER, RO),
    Var("1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", SYN_COUNTER, RO),
    Var("1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", SYN_COUNTER, RO),
    End,
};

// The protocol columns hold object identifiers, so their option lists pair identifier texts with names.
const QnSNMPVarDesc UserTable1Desc[] = {
    Var("1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", SYN_OCTETSTR, IDX),
    Var("1.3.6.1.6.3.15.1.2.2.1.2", "User Name", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", SYN_OBJECTID, RW),
    Var("1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", SYN_OBJECTID, RW, &OptUsmAuthProtocol),
    Var("1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", SYN_OBJECTID, RW, &OptUsmPrivProtocol),
    Var("1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.15.1.2.2.1.11", "Public", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", SYN_INTEGER, RW, &OptE11),
    Var("1.3.6.1.6.3.15.1.2.2.1.13", "Status", SYN_INTEGER, RW, &OptE12),
    End,
};

const QnSNMPVarDesc SecurityTable1Desc[] = {
    Var("1.3.6.1.6.3.16.1.2.1.1", "Security Model", SYN_INTEGER, IDX),
    Var("1.3.6.1.6.3.16.1.2.1.2", "Security Name", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.6.3.16.1.2.1.3", "Group Name", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", SYN_INTEGER, RW, &OptE11),
    Var("1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", SYN_INTEGER, RW, &OptE12),
    End,
};

const QnSNMPVarDesc AccessTable1Desc[] = {
    Var("1.3.6.1.6.3.16.1.2.1.3", "Group Name", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", SYN_INTEGER, IDX),
    Var("1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", SYN_INTEGER, IDX, &OptE13),
    Var("1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", SYN_INTEGER, RW, &OptE16),
    Var("1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", SYN_INTEGER, RW, &OptE11),
    Var("1.3.6.1.6.3.16.1.4.1.9", "Access Status", SYN_INTEGER, RW, &OptE12),
    End,
};

const QnSNMPVarDesc ViewTable1Desc[] = {
    Var("1.3.6.1.6.3.16.1.5.2.1.1", "VACM View Tree Family ViewName", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.6.3.16.1.5.2.1.2", "VACM View Tree Family Subtree", SYN_OBJECTID, IDX),
    Var("1.3.6.1.6.3.16.1.5.2.1.3", "VACM View Tree Family Mask", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.16.1.5.2.1.4", "VACM View Tree Family Type", SYN_INTEGER, RW, &OptE17),
    Var("1.3.6.1.6.3.16.1.5.2.1.5", "VACM View Tree Family Storage Type", SYN_INTEGER, RW, &OptE11),
    Var("1.3.6.1.6.3.16.1.5.2.1.6", "VACM", SYN_INTEGER, RW, &OptE12),
    End,
};

const QnSNMPVarDesc NotifyTable1Desc[] = {
    Var("1.3.6.1.6.3.13.1.1.1.1", "Name", SYN_DISPLAYSTR, IMP),
    Var("1.3.6.1.6.3.13.1.1.1.2", "Tag", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.13.1.1.1.3", "Type", SYN_INTEGER, RW, &OptE18),
    Var("1.3.6.1.6.3.13.1.1.1.4", "Storage Type", SYN_INTEGER, RW, &OptE11),
    Var("1.3.6.1.6.3.13.1.1.1.5", "Row Status", SYN_INTEGER, RW, &OptE12),
    End,
};

const QnSNMPVarDesc NotifyFilterProfileTale1Desc[] = {
    Var("1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", SYN_DISPLAYSTR, IMP),
    Var("1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", SYN_INTEGER, RW, &OptE11),
    Var("1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", SYN_INTEGER, RW, &OptE12),
    End,
};

const QnSNMPVarDesc NotifyFilterEntryTable1Desc[] = {
    Var("1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", SYN_OBJECTID, IMP),
    Var("1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", SYN_INTEGER, RW, &OptE17),
    Var("1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", SYN_INTEGER, RW, &OptE11),
    Var("1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", SYN_INTEGER, RW, &OptE12),
    End,
};

const QnSNMPVarDesc CommunityStringTable1Desc[] = {
    Var("1.3.6.1.6.3.18.1.1.1.1", "Index", SYN_DISPLAYSTR, IMP),
    Var("1.3.6.1.6.3.18.1.1.1.2", "Name", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.18.1.1.1.3", "Security Name", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", SYN_OCTETSTR, RW),
    Var("1.3.6.1.6.3.18.1.1.1.5", "Context Name", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.18.1.1.1.7", "Storage Type", SYN_INTEGER, RW, &OptE11),
    Var("1.3.6.1.6.3.18.1.1.1.8", "Status", SYN_INTEGER, RW, &OptE12),
    End,
};

const QnSNMPVarDesc TargetAddressTable1Desc[] = {
    Var("1.3.6.1.6.3.12.1.2.1.1", "Target Address Name", SYN_DISPLAYSTR, IMP),
    Var("1.3.6.1.6.3.18.1.2.1.1", "Target Address TMask", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.6.3.18.1.2.1.2", "Target Address MMS", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc Auth1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.3.1.1", "Auth Protocol", SYN_INTEGER, RW, &OptE19),
    Var("1.3.6.1.4.1.98762.12.3.1.2", "Auth Mode", SYN_INTEGER, RW, &OptE20),
    End,
};

const QnSNMPVarDesc Configuration2Desc[] = {
    Var("1.0.8802.1.1.1.1.1.1", "System Auth Control", SYN_INTEGER, RW, &OptE7),
    End,
};

const QnSNMPVarDesc PortAuthenticationConfiguration1Desc[] = {
    Var("", "Port Number", SYN_INTEGER, IDX),
    Var("1.0.8802.1.1.1.1.2.1.1.1", "PAE State", SYN_INTEGER, RO, &OptE21),
    Var("1.0.8802.1.1.1.1.2.1.1.2", "Backend Auth State", SYN_INTEGER, RO, &OptE22),
    Var("1.0.8802.1.1.1.1.2.1.1.3", "Admin Controlled Directions", SYN_INTEGER, RW, &OptE23),
    Var("1.0.8802.1.1.1.1.2.1.1.4", "Operation Controlled Directions", SYN_INTEGER, RO, &OptE23),
    Var("1.0.8802.1.1.1.1.2.1.1.5", "Port Status", SYN_INTEGER, RO, &OptE24),
    Var("1.0.8802.1.1.1.1.2.1.1.6", "Port Control", SYN_INTEGER, RW, &OptE25),
    Var("1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", SYN_GAUGE, RW),
    Var("1.0.8802.1.1.1.1.2.1.1.8", "Tx Period", SYN_GAUGE, RW),
    Var("1.0.8802.1.1.1.1.2.1.1.9", "Supp Timeout", SYN_GAUGE, RW),
    Var("1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", SYN_GAUGE, RW),
    Var("1.0.8802.1.1.1.1.2.1.1.11", "Max Req", SYN_GAUGE, RW),
    Var("1.0.8802.1.1.1.1.2.1.1.12", "Re Auth Period", SYN_GAUGE, RW),
    Var("1.0.8802.1.1.1.1.2.1.1.13", "Re Auth Enabled", SYN_INTEGER, RW, &OptE6),
    Var("1.0.8802.1.1.1.1.2.1.1.14", "Key Tx Enabled", SYN_INTEGER, RW, &OptE6),
    End,
};

const QnSNMPVarDesc Diagnostics1Desc[] = {
    Var("", "Port Number", SYN_INTEGER, IDX),
    Var("1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.2", "Eap Logoffs While Connecting", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.4", "Auth Success While Authenticating", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.5", "Auth Timeouts While Authenticating", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.6", "Auth Fail While Authenticating", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.7", "Auth Reauths While Authenticating", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.8", "Auth Eap Starts While Authenticating", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.9", "Auth Eap Logoff While Authenticating", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.10", "Auth Reauths While Authenticated", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.11", "Auth Eap Starts While Authenticated", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.12", "Auth Eap Logoff While Authenticated", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.16", "Backend Non Nak Responses From Supplicant", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.17", "Backend Auth Successes", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.3.1.18", "Backend Auth Fails", SYN_COUNTER, RO),
    End,
};

const QnSNMPVarDesc PortSessionStatistics1Desc[] = {
    Var("", "Port Number", SYN_INTEGER, IDX),
    Var("1.0.8802.1.1.1.1.2.4.1.1", "Auth Session Octets Rx", SYN_COUNTER64, RO),
    Var("1.0.8802.1.1.1.1.2.4.1.2", "Auth Session Octets Tx", SYN_COUNTER64, RO),
    Var("1.0.8802.1.1.1.1.2.4.1.3", "Auth Session Frames Rx", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.4.1.4", "Auth Session Frames Tx", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.4.1.5", "Auth Session ID", SYN_DISPLAYSTR, RO),
    Var("1.0.8802.1.1.1.1.2.4.1.6", "Auth Session Authentic Method", SYN_INTEGER, RO, &OptE26),
    Var("1.0.8802.1.1.1.1.2.4.1.7", "Auth Session Time", SYN_TIMETICKS, RO),
    Var("1.0.8802.1.1.1.1.2.4.1.8", "Auth Session Terminate Cause", SYN_INTEGER, RO, &OptE27),
    Var("1.0.8802.1.1.1.1.2.4.1.9", "Auth Session User Name", SYN_DISPLAYSTR, RO),
    End,
};

const QnSNMPVarDesc StateTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.3.6.1.1.1", "PAE MAC Address", SYN_MACADDRESS, IDX),
    Var("1.3.6.1.4.1.98762.12.3.6.1.1.2", "PAE Port Number", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.3.6.1.1.3", "Auth PAE State", SYN_INTEGER, RO, &OptE21),
    Var("1.3.6.1.4.1.98762.12.3.6.1.1.4", "Auth Backend Auth State", SYN_INTEGER, RO, &OptE22),
    Var("1.3.6.1.4.1.98762.12.3.6.1.1.5", "Auth Controlled Port Status", SYN_INTEGER, RO, &OptE24),
    End,
};

const QnSNMPVarDesc SessionInformation1Desc[] = {
    Var("", "PAE MAC Address", SYN_DISPLAYSTR, IDX),
    Var("", "PAE Port Number", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.3.6.4.1.1", "Auth Session Octets Rx", SYN_COUNTER64, RO),
    Var("1.3.6.1.4.1.98762.12.3.6.4.1.2", "Auth Session Octets Tx", SYN_COUNTER64, RO),
    Var("1.3.6.1.4.1.98762.12.3.6.4.1.3", "Auth Session Frames Rx", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.6.4.1.4", "Auth Session Frames Tx", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.6.4.1.5", "Auth Session ID", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.3.6.4.1.6", "Auth Session Authentic Method", SYN_INTEGER, RO, &OptE26),
    Var("1.3.6.1.4.1.98762.12.3.6.4.1.7", "Auth Session Time", SYN_TIMETICKS, RO),
    Var("1.3.6.1.4.1.98762.12.3.6.4.1.8", "Auth Session Terminate Cause", SYN_INTEGER, RO, &OptE27),
    Var("1.3.6.1.4.1.98762.12.3.6.4.1.9", "Auth Session User Name", SYN_DISPLAYSTR, RO),
    End,
};

const QnSNMPVarDesc AuthenticationServerTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.1", "RADIUS Auth Server Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.2", "RADIUS Auth Server Address", SYN_IPADDRESS, RO),
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.3", "RADIUS Auth Client Server Port Number", SYN_GAUGE, RO),
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.4", "RADIUS Auth Client Round Trip Time", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.5", "RADIUS Auth Client Access Requests", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.6", "RADIUS Auth Client Access Retransmissions", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.7", "RADIUS Auth Client Access Accepts", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.8", "RADIUS Auth Client Access Rejects", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.9", "RADIUS Auth Client Access Challenges", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.10", "RADIUS Auth Client Malformed Access Responses", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.11", "RADIUS Auth Client Bad Authenticators", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.12", "RADIUS Auth Client Pending Requests", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.13", "RADIUS Auth Client Timeouts", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.14", "RADIUS Auth Client Unknown Types", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.3.3.1.15", "RADIUS Auth Client Packets Dropped", SYN_COUNTER, RO),
    End,
};

const QnSNMPVarDesc AccountingServerInformation1Desc[] = {
    Var("1.3.6.1.2.1.67.2.2.1.1.2", "RADIUS Accounting Table Client Identifier", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.2.1.67.2.2.1.1.1", "RADIUS Accounting Table Client Invalid Server Addresses", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.4.1", "RADIUS Accounting Table Update Interval", SYN_GAUGE, RW),
    Var("1.3.6.1.4.1.98762.12.3.4.2", "RADIUS Accounting Table Suppress Null User Name", SYN_INTEGER, RW, &OptE6),
    End,
};

const QnSNMPVarDesc AccountingServerTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.3.5.3.1.1", "RADIUS Accounting Table Server Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.3.5.3.1.2", "RADIUS Accounting Table Server Address", SYN_IPADDRESS, RO),
    Var("1.3.6.1.4.1.98762.12.3.5.3.1.3", "RADIUS Accounting Table Client Server Port Number", SYN_GAUGE, RO),
    Var("1.3.6.1.4.1.98762.12.3.5.3.1.4", "RADIUS Accounting Table Client Round Trip Time", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.5.3.1.5", "RADIUS Accounting Table Client Requests", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.5.3.1.6", "RADIUS Accounting Table Client Retransmissions", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.5.3.1.7", "RADIUS Accounting Table Client Responses", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.5.3.1.8", "RADIUS Accounting Table Client Malformed Responses", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.5.3.1.9", "RADIUS Accounting Table Client Bad Authenticators", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.5.3.1.10", "RADIUS Accounting Table Client Pending Requests", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.5.3.1.11", "RADIUS Accounting Table Client Timeouts", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.5.3.1.12", "RADIUS Accounting Table Client Unknown Types", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.3.5.3.1.13", "RADIUS Accounting Table Client Packets Dropped", SYN_COUNTER, RO),
    End,
};

const QnSNMPVarDesc SSHManagement1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.6.1.1", "SSH Version", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.6.1.2", "SSH Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.1.3", "SSH Max Auth Fail Attempts", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.12.6.1.4", "SSH Session Key Rekeying", SYN_INTEGER, RW, &OptE28),
    Var("1.3.6.1.4.1.98762.12.6.1.5", "SSH Max Session", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.6.1.6", "SSH Connection Timeout", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.6.1.7", "SSH Listened Port", SYN_INTEGER, RO),
    End,
};

const QnSNMPVarDesc EncryptionAlgorithm1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.6.2.1.1", "Encryption Algorithm 3DES Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.1.2", "Encryption Algorithm Blowfish Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.1.3", "Encryption Algorithm AES128 Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.1.4", "Encryption Algorithm AES192 Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.1.5", "Encryption Algorithm AES256 Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.1.6", "Encryption Algorithm Arcfour Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.1.7", "Encryption Algorithm CAST28 Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.1.8", "Encryption Algorithm Twofish128 Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.1.9", "Encryption Algorithm Twofish192 Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.1.10", "Encryption Algorithm Twofish256 Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.3.1", "Data Integrity Algorithm SHA1 Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.3.2", "Data Integrity Algorithm MD5 Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.4.1", "Public Key Algorithm RSA Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.4.2", "Public Key Algorithm DSA Admin", SYN_INTEGER, RW, &OptE8),
    End,
};

const QnSNMPVarDesc AuthenticationMethod1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.6.2.2.1", "Password Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.2.2", "Public Key Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.6.2.2.3", "Host Key Admin", SYN_INTEGER, RW, &OptE8),
    End,
};

const QnSNMPVarDesc PortInformation1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.1.1.1", "Port Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.1.1.4", "Link Status", SYN_INTEGER, RO, &OptE29),
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.1.1.5", "Nway Status", SYN_INTEGER, RO, &OptE30),
    End,
};

const QnSNMPVarDesc PortControl1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.2.1.1", "Port Index", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.2.1.2", "Medium Type", SYN_INTEGER, RO, &OptE31),
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.2.1.3", "Admin State", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.2.1.4", "Nway State", SYN_INTEGER, RW, &OptE32),
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.2.1.5", "Flow Control State", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.2.1.6", "Description", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.2.1.8", "MAC Notify State", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.2.1.9", "Multicast filter", SYN_INTEGER, RW, &OptE33),
    End,
};

const QnSNMPVarDesc TrunkBasicInformation1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.4.1", "Port Trunk Max Entries", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.11.63.6.2.4.2", "Port Trunk Max Port Members", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.11.63.6.2.4.4", "Trunk Algorithm", SYN_INTEGER, RW, &OptE34),
    End,
};

const QnSNMPVarDesc BandwidthControlTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.3.1.1.1", "QoS Bandwidth Port Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.3.1.1.2", "QoS Bandwidth RX Rate", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.3.1.1.3", "QoS Bandwidth TX Rate", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc SchedulingTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.3.2.1.1", "QoS Scheduling Class Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.3.2.1.4", "QoS Scheduling Max Weight", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc N8021pUserPriorityTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.3.3.1.1", "QoS 8021p User Priority Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.3.3.1.2", "QoS 8021p User Priority Class", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc N8021pDefaultPriorityTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.3.4.1.1", "QoS 8021p Default Priority Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.3.4.1.2", "QoS 8021p Default Priority", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc IGMPControlTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.3.1.1", "VLAN ID", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.3.1.2", "Query Interval", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.3.1.3", "Max Response Time", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.3.1.4", "Robustness", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.3.1.5", "Last Member Query Interval", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.3.1.6", "Host Timeout", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.3.1.7", "Route Timeout", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.3.1.8", "Leave Timer", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.3.1.9", "Query State", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.3.1.10", "Current State", SYN_INTEGER, RO, &OptE35),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.3.1.11", "Control State", SYN_INTEGER, RW, &OptE36),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.3.1.12", "Fast Leave", SYN_INTEGER, RW, &OptE36),
    End,
};

const QnSNMPVarDesc IGMPQuery1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.4.1.1", "VLAN ID", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.4.1.2", "Query Count", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.4.1.3", "TX Query Count", SYN_INTEGER, RO),
    End,
};

const QnSNMPVarDesc IGMPInformation1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.5.1.1", "VLAN ID", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.5.1.2", "Group IP Address", SYN_IPADDRESS, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.5.1.3", "MAC Address", SYN_MACADDRESS, RO),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.5.1.4", "Port Map", SYN_BITSTR, RO),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.5.1.5", "IP Group Report Count", SYN_INTEGER, RO),
    End,
};

const QnSNMPVarDesc SingleIPControl1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.8.1.2.1", "Admin", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.8.1.2.2", "Role State", SYN_INTEGER, RW, &OptE37),
    Var("1.3.6.1.4.1.98762.12.8.1.2.3", "Hold Time", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.12.8.1.2.4", "Time Interval", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc MyInformation1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.8.1.1.1", "Version", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.8.1.1.2", "Capability", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.8.1.1.3", "Platform", SYN_DISPLAYSTR, RO),
    End,
};

const QnSNMPVarDesc CandidateSwitch1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.8.1.4.1.1", "ID", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.8.1.4.1.2", "Device Name", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.8.1.4.1.3", "MAC Address", SYN_MACADDRESS, RO),
    Var("1.3.6.1.4.1.98762.12.8.1.4.1.4", "Firmware Version", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.8.1.4.1.5", "Capability", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.8.1.4.1.6", "Platform", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.8.1.4.1.7", "Hold Time", SYN_INTEGER, RO),
    End,
};

const QnSNMPVarDesc GroupInformation1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.8.1.5.1.1", "MAC Address", SYN_MACADDRESS, IDX),
    Var("1.3.6.1.4.1.98762.12.8.1.5.1.2", "Name", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.8.1.5.1.3", "Device Name", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.8.1.5.1.4", "MS Number", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.8.1.5.1.5", "Firmware Version", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.8.1.5.1.6", "Capability", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.8.1.5.1.7", "Platform", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.8.1.5.1.8", "Hold Time", SYN_INTEGER, RO),
    End,
};

const QnSNMPVarDesc AggregatorTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.4.1.1.1.1.1", "Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.4.1.1.1.1.2", "MAC Address", SYN_MACADDRESS, RO),
    Var("1.3.6.1.4.1.98762.12.4.1.1.1.1.3", "Actor System Priority", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.4.1.1.1.1.4", "Actor System ID", SYN_MACADDRESS, RO),
    Var("1.3.6.1.4.1.98762.12.4.1.1.1.1.5", "Aggregate Or Individual", SYN_INTEGER, RO, &OptE6),
    Var("1.3.6.1.4.1.98762.12.4.1.1.1.1.6", "Actor Admin value Key", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.12.4.1.1.1.1.7", "Actor Operational Value Key", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.4.1.1.1.1.8", "Partner System ID", SYN_MACADDRESS, RO),
    Var("1.3.6.1.4.1.98762.12.4.1.1.1.1.9", "Partner System Priority", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.4.1.1.1.1.10", "Partner Operational Value Key", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.4.1.1.1.1.11", "Collector Max Delay", SYN_INTEGER, RO),
    End,
};

const QnSNMPVarDesc TACACSControl1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.5.1.1", "Admin State", SYN_INTEGER, RW, &OptE8),
    End,
};

const QnSNMPVarDesc TACACSInformation1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.5.2.1", "Max Login Method List", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.5.2.2", "Max Enable Method List", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.5.2.3", "Max Server Group", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.5.2.4", "Max Server", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.5.8.1", "AAC Response Timeout[1..255]", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.12.5.8.2", "AAC Attempt[1..255]", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc LoginInformation1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.5.7.1.1", "Console Login Method", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.4.1.98762.12.5.7.2.1", "Console Enable Method", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.4.1.98762.12.5.7.1.2", "Telnet Login Method", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.4.1.98762.12.5.7.2.2", "Telnet Enable Method", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.4.1.98762.12.5.7.1.3", "SSH Login Method", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.4.1.98762.12.5.7.2.3", "SSH Enable Method", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.4.1.98762.12.5.7.1.4", "HTTP Login Method", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.4.1.98762.12.5.7.2.4", "HTTP Enable Method", SYN_DISPLAYSTR, RW),
    End,
};

const QnSNMPVarDesc ServerGroup1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.5.9.1.1", "Name", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.4.1.98762.12.5.9.1.2", "IP Address1", SYN_IPADDRESS, RO),
    Var("1.3.6.1.4.1.98762.12.5.9.1.3", "Auth Protocol1", SYN_INTEGER, RO, &OptE38),
    Var("1.3.6.1.4.1.98762.12.5.9.1.4", "IP Address2", SYN_IPADDRESS, RO),
    Var("1.3.6.1.4.1.98762.12.5.9.1.5", "Auth Protocol2", SYN_INTEGER, RO, &OptE38),
    Var("1.3.6.1.4.1.98762.12.5.9.1.6", "IP Address3", SYN_IPADDRESS, RO),
    Var("1.3.6.1.4.1.98762.12.5.9.1.7", "Auth Protocol3", SYN_INTEGER, RO, &OptE38),
    Var("1.3.6.1.4.1.98762.12.5.9.1.8", "IP Address4", SYN_IPADDRESS, RO),
    Var("1.3.6.1.4.1.98762.12.5.9.1.9", "Auth Protocol4", SYN_INTEGER, RO, &OptE38),
    Var("1.3.6.1.4.1.98762.12.5.9.1.10", "IP Address5", SYN_IPADDRESS, RO),
    Var("1.3.6.1.4.1.98762.12.5.9.1.11", "Auth Protocol5", SYN_INTEGER, RO, &OptE38),
    Var("1.3.6.1.4.1.98762.12.5.9.1.12", "IP Address6", SYN_IPADDRESS, RO),
    Var("1.3.6.1.4.1.98762.12.5.9.1.13", "Auth Protocol6", SYN_INTEGER, RO, &OptE38),
    Var("1.3.6.1.4.1.98762.12.5.9.1.14", "IP Address7", SYN_IPADDRESS, RO),
    Var("1.3.6.1.4.1.98762.12.5.9.1.15", "Auth Protocol7", SYN_INTEGER, RO, &OptE38),
    Var("1.3.6.1.4.1.98762.12.5.9.1.16", "IP Address8", SYN_IPADDRESS, RO),
    Var("1.3.6.1.4.1.98762.12.5.9.1.17", "Auth Protocol8", SYN_INTEGER, RO, &OptE38),
    Var("1.3.6.1.4.1.98762.12.5.9.1.18", "Row Status", SYN_INTEGER, RW, &OptE39),
    End,
};

const QnSNMPVarDesc PortAuthStatistics1Desc[] = {
    Var("", "Port Number", SYN_INTEGER, IDX),
    Var("1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames Rx", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames Tx", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames Rx", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames Rx", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Resp/ID Frames Rx", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames Rx", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Req/ID Frames Tx", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.2.1.8", "EAPOL ResponseFrames Tx", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL Frames Rx", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.2.1.10", "Eap Length Error Frames Rx", SYN_COUNTER, RO),
    Var("1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", SYN_GAUGE, RO),
    Var("1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source", SYN_MACADDRESS, RO),
    End,
};

const QnSNMPVarDesc NeighborSwitch1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.8.1.6.1.1", "Received Port", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.8.1.6.1.2", "MAC Address", SYN_MACADDRESS, IDX),
    Var("1.3.6.1.4.1.98762.12.8.1.6.1.3", "Role State", SYN_INTEGER, RO, &OptE40),
    End,
};

const QnSNMPVarDesc ConfigurationIdentification1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.15.2.1", "Name", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.4.1.98762.12.15.2.2", "Revision Level (0-65535)", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc InstanceInformation1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.1", "MSTP Instance ID", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.2", "VLAN Range [1-64]", SYN_OCTETSTR, RW),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.3", "VLAN Range [65-128]", SYN_OCTETSTR, RW),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.4", "VLAN Range [129-192]", SYN_OCTETSTR, RW),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.5", "VLAN Range [193-256]", SYN_OCTETSTR, RW),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.6", "VLAN Range [257-320]", SYN_OCTETSTR, RW),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.7", "VLAN Range [321-384]", SYN_OCTETSTR, RW),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.8", "VLAN Range [385-448]", SYN_OCTETSTR, RW),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.9", "VLAN Range [449-512]", SYN_OCTETSTR, RW),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.10", "Type", SYN_INTEGER, RO, &OptE41),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.11", "Status", SYN_INTEGER, RO, &OptE7),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.12", "Priority", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.13", "Designated Root Bridge", SYN_OCTETSTR, RO),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.14", "External Root Cost", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.15", "Regional Root Bridge", SYN_OCTETSTR, RO),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.16", "Internal Root Cost", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.17", "Designated Bridge", SYN_OCTETSTR, RO),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.18", "Root Port", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.19", "Max Age", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.20", "Forward Delay", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.21", "Last Topology Change", SYN_TIMETICKS, RO),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.22", "Topology Changes Count", SYN_COUNTER, RO),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.23", "Remain Hops", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.15.2.3.1.24", "Row Status", SYN_INTEGER, RW, &OptE39),
    End,
};

const QnSNMPVarDesc PortStateInformation1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.15.2.4.1.1", "MSTP Port", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.15.2.4.1.2", "Operate Hello Time", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.15.2.4.1.3", "Admin Hello Time", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.12.15.2.4.1.4", "STP Port Enable", SYN_INTEGER, RW, &OptE7),
    Var("1.3.6.1.4.1.98762.12.15.2.4.1.5", "External Path Cost", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.12.15.2.4.1.6", "Migration", SYN_INTEGER, RW, &OptE6),
    Var("1.3.6.1.4.1.98762.12.15.2.4.1.7", "Admin Edge Port", SYN_INTEGER, RW, &OptE6),
    Var("1.3.6.1.4.1.98762.12.15.2.4.1.8", "Operate Edge Port", SYN_INTEGER, RO, &OptE6),
    Var("1.3.6.1.4.1.98762.12.15.2.4.1.9", "Admin P2P", SYN_INTEGER, RW, &OptE42),
    Var("1.3.6.1.4.1.98762.12.15.2.4.1.10", "Operate P2P", SYN_INTEGER, RO, &OptE42),
    Var("1.3.6.1.4.1.98762.12.15.2.4.1.11", "Loop-back Detection", SYN_INTEGER, RW, &OptE8),
    End,
};

const QnSNMPVarDesc PortMSTPInformation1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.15.2.5.1.1", "MST Port", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.15.2.5.1.2", "Instance ID", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.15.2.5.1.3", "Designated Bridge", SYN_OCTETSTR, RO),
    Var("1.3.6.1.4.1.98762.12.15.2.5.1.4", "Internal Path Cost", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.12.15.2.5.1.5", "Priority", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.12.15.2.5.1.6", "Status", SYN_INTEGER, RO, &OptE43),
    Var("1.3.6.1.4.1.98762.12.15.2.5.1.7", "Role", SYN_INTEGER, RO, &OptE44),
    End,
};

const QnSNMPVarDesc SystemLogState1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.12.1", "System Log Control State", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.12.12.3.1", "Log Save Method", SYN_INTEGER, RW, &OptE45),
    Var("1.3.6.1.4.1.98762.12.12.3.2", "Log Save Time Interval", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.12.12.4.1", "System Log Control Clear Log", SYN_INTEGER, RW, &OptE46),
    End,
};

const QnSNMPVarDesc Time1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.10.1", "Time Capacity", SYN_BITSTR, RO),
    Var("1.3.6.1.4.1.98762.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", SYN_DATETIME, RW),
    Var("1.3.6.1.4.1.98762.12.10.3", "Clock Reset On Reboot", SYN_INTEGER, RO, &OptE6),
    End,
};

const QnSNMPVarDesc ProbeBasicInformation1Desc[] = {
    Var("1.3.6.1.2.1.16.19.1", "Capabilities", SYN_OCTETSTR, RO),
    Var("1.3.6.1.2.1.16.19.2", "Software Revision", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.2.1.16.19.3", "Hardware Revision", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.2.1.16.19.5", "Reset Control", SYN_INTEGER, RW, &OptE47),
    End,
};

const QnSNMPVarDesc NetConfiguration1Desc[] = {
    Var("1.3.6.1.2.1.16.19.11.1.1", "Net Configure IP Address", SYN_IPADDRESS, RO),
    Var("1.3.6.1.2.1.16.19.11.1.2", "Net Configure Subnet Mask", SYN_IPADDRESS, RO),
    Var("1.3.6.1.2.1.16.19.11.1.3", "Net Configure Status", SYN_INTEGER, RO, &OptE39),
    End,
};

const QnSNMPVarDesc NetDefaultGateway1Desc[] = {
    Var("1.3.6.1.2.1.16.19.12", "Net Default Gateway", SYN_IPADDRESS, RW),
    End,
};

const QnSNMPVarDesc Databaseinformation1Desc[] = {
    Var("1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", SYN_GAUGE, IDX),
    Var("1.3.6.1.2.1.17.7.1.2.1.1.2", "FDB Dynamic Count", SYN_COUNTER, RO),
    End,
};

const QnSNMPVarDesc AuthenticationServer1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.3.3.1", "RADIUS Auth Client Identifier", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.3.3.2", "RADIUS Auth Client Invalid Server Addresses", SYN_COUNTER, RO),
    End,
};

const QnSNMPVarDesc Multipleimagemanagement1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.1.2.7.1.1", "Multiple Image Information ID", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.1.2.7.1.2", "Multiple Image Version", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.1.2.7.1.3", "Multiple Image Size", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.1.2.7.1.4", "Multiple Image Update Time", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.1.2.7.1.5", "Multiple Image From", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.1.2.7.1.6", "Multiple Image Send User", SYN_DISPLAYSTR, RO),
    End,
};

const QnSNMPVarDesc PAEPortTable1Desc[] = {
    Var("1.0.8802.1.1.1.1.1.2.1.1", "Port Number", SYN_INTEGER, IDX),
    Var("1.0.8802.1.1.1.1.1.2.1.2", "Port Protocol Version", SYN_GAUGE, RO),
    Var("1.0.8802.1.1.1.1.1.2.1.3", "Port Capabilities", SYN_OCTETSTR, RO),
    Var("1.0.8802.1.1.1.1.1.2.1.4", "Port Initialize", SYN_INTEGER, RW, &OptE6),
    Var("1.0.8802.1.1.1.1.1.2.1.5", "Port Reauthenticate", SYN_INTEGER, RW, &OptE6),
    End,
};

const QnSNMPVarDesc IGMPGeneral1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.1", "Max Supported VLANs", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.11.63.6.2.7.2", "Max IP Group Number PerVLAN", SYN_INTEGER, RO),
    End,
};

const QnSNMPVarDesc GlobalManagement1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.19.1.1", "Safeguard Admin State", SYN_INTEGER, RW, &OptE8),
    End,
};

const QnSNMPVarDesc CPUFilterControl1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.9.1.1", "CPU Interface Filtering State", SYN_INTEGER, RW, &OptE7),
    End,
};

const QnSNMPVarDesc AggregatorPortList1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.4.1.1.1.1.1", "Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.4.1.1.2.1.1", "Ports", SYN_BITSTR, RO),
    End,
};

const QnSNMPVarDesc PortInformation3Desc[] = {
    Var("1.3.6.1.4.1.98762.12.23.3.2.1.1", "Port Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.23.3.2.1.2", "Port State", SYN_INTEGER, RW, &OptE48),
    End,
};

const QnSNMPVarDesc PacketStormControlTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.25.3.1.1.1", "Port Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.25.3.1.1.2", "threshold", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.12.25.3.1.1.3", "Broadcast Status", SYN_INTEGER, RW, &OptE49),
    Var("1.3.6.1.4.1.98762.12.25.3.1.1.4", "Multicast Status", SYN_INTEGER, RW, &OptE49),
    Var("1.3.6.1.4.1.98762.12.25.3.1.1.5", "Destination Loopback Fail Status", SYN_INTEGER, RW, &OptE49),
    Var("1.3.6.1.4.1.98762.12.25.3.1.1.6", "Action Status", SYN_INTEGER, RW, &OptE50),
    Var("1.3.6.1.4.1.98762.12.25.3.1.1.7", "Count Down", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.12.25.3.1.1.8", "Time Interval", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.12.25.3.1.1.9", "Shutdown Forever", SYN_INTEGER, RO, &OptE51),
    End,
};

const QnSNMPVarDesc ConsoleModeControl1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.1.5.1", "Data Bits", SYN_INTEGER, RO, &OptE52),
    Var("1.3.6.1.4.1.98762.12.1.5.2", "Stop Bits", SYN_INTEGER, RO, &OptE53),
    Var("1.3.6.1.4.1.98762.12.1.5.3", "Parity", SYN_INTEGER, RO, &OptE54),
    Var("1.3.6.1.4.1.98762.12.1.5.4", "Baud Rate", SYN_INTEGER, RW, &OptE55),
    Var("1.3.6.1.4.1.98762.12.1.5.5", "Logout Time", SYN_INTEGER, RW, &OptE56),
    End,
};

const QnSNMPVarDesc SMTPInformationTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.29.2.1", "SMTP Send Test Status", SYN_INTEGER, RO, &OptE57),
    End,
};

const QnSNMPVarDesc SMTPMailReceiverTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.29.3.1.1.1", "SMTP Mail Receiver Address Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.29.3.1.1.2", "SMTP Mail Receiver Address", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.4.1.98762.12.29.3.1.1.3", "SMTP Mail Receiver Address State", SYN_INTEGER, RW, &OptE39),
    End,
};

const QnSNMPVarDesc Dot3Collision1Desc[] = {
    Var("", "IF Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.2.1.10.7.5.1.2", "Collisions Count", SYN_INTEGER, IDX),
    Var("1.3.6.1.2.1.10.7.5.1.3", "Collisions Frequencies", SYN_COUNTER, RO),
    End,
};

const QnSNMPVarDesc BasicConfigure2Desc[] = {
    Var("1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", SYN_OCTETSTR, RO),
    Var("1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", SYN_INTEGER, RO, &OptE6),
    End,
};

const QnSNMPVarDesc ServiceTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.3.4.3.1.1", "RADIUS Accounting Table Service Index", SYN_INTEGER, IDX, &OptE58),
    Var("1.3.6.1.4.1.98762.12.3.4.3.1.2", "RADIUS Accounting Table Service Method", SYN_INTEGER, RW, &OptE59),
    Var("1.3.6.1.4.1.98762.12.3.4.3.1.3", "RADIUS Accounting Table Service Mode", SYN_INTEGER, RW, &OptE60),
    End,
};

const QnSNMPVarDesc DeviceControl2Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.1.2.1", "System Reboot", SYN_INTEGER, RW, &OptE61),
    Var("1.3.6.1.4.1.98762.11.63.6.2.1.2.2", "System IP", SYN_IPADDRESS, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.1.2.3", "Subnet Mask", SYN_IPADDRESS, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.1.2.4", "Default Gateway", SYN_IPADDRESS, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.1.2.5", "Management VLAN ID", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.1.2.7", "IGMP Snooping", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.11.63.6.2.1.2.12", "Clean All Statistic Counter", SYN_INTEGER, RW, &OptE62),
    Var("1.3.6.1.4.1.98762.11.63.6.2.1.2.13", "SNMP Authenticate Trap", SYN_INTEGER, RW, &OptE7),
    Var("1.3.6.1.4.1.98762.11.63.6.2.1.2.16", "RMON State", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.11.63.6.2.1.2.17", "IP Auto Config", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.11.63.6.2.1.2.19", "MAC Notify State", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.11.63.6.2.1.2.20", "MAC Notify History Size", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.1.2.21", "MAC Notify Interval", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc IPMACBindingControl1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.23.1.1", "IP-MAC Binding ACL  Mode State", SYN_INTEGER, RW, &OptE48),
    Var("1.3.6.1.4.1.98762.12.23.1.2", "IP-MAC Binding Trap Log State", SYN_INTEGER, RW, &OptE48),
    Var("1.3.6.1.4.1.98762.12.23.3.1", "IP-MAC Binding All Port State", SYN_INTEGER, RW, &OptE63),
    End,
};

const QnSNMPVarDesc PortErrorTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.3.1.1", "Error Port Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.3.1.2", "Error Port State", SYN_INTEGER, RO, &OptE49),
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.3.1.3", "Error Port Status", SYN_INTEGER, RO, &OptE64),
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.3.1.4", "Error Port Reason", SYN_INTEGER, RO, &OptE65),
    Var("1.3.6.1.4.1.98762.11.63.6.2.2.3.1.5", "Error Description", SYN_DISPLAYSTR, RO),
    End,
};

const QnSNMPVarDesc PortSecurityTrapLogState1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.15.2", "Port Security Trap Log State", SYN_INTEGER, RW, &OptE48),
    End,
};

const QnSNMPVarDesc PortSecurityControl1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.15.1.1.1", "Port Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.15.1.1.3", "Mode", SYN_INTEGER, RW, &OptE66),
    Var("1.3.6.1.4.1.98762.11.63.6.2.15.1.1.4", "Admin State", SYN_INTEGER, RW, &OptE48),
    Var("1.3.6.1.4.1.98762.11.63.6.2.15.1.1.2", "Max Learn Address", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc Management1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.18.1", "DHCP Relay State", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.11.63.6.2.18.2", "DHCP Relay Hop Count", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.18.3", "DHCP Relay Time Threshold", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.11.63.6.2.18.4", "DHCP Relay Option 82 State", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.11.63.6.2.18.5", "DHCP Relay Option 82 Check", SYN_INTEGER, RW, &OptE8),
    Var("1.3.6.1.4.1.98762.11.63.6.2.18.6", "DHCP Relay Option 82  Policy", SYN_INTEGER, RW, &OptE67),
    End,
};

const QnSNMPVarDesc CoSPriorityTable1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.17.3.1.1.1", "CoS Priority Port", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.17.3.1.1.2", "CoS Priority Port PRI", SYN_INTEGER, RW, &OptE36),
    Var("1.3.6.1.4.1.98762.11.63.6.2.17.3.1.1.3", "CoS Priority Ether PRI", SYN_INTEGER, RW, &OptE68),
    Var("1.3.6.1.4.1.98762.11.63.6.2.17.3.1.1.4", "CoS Priority IP PRI", SYN_INTEGER, RW, &OptE69),
    Var("1.3.6.1.4.1.98762.11.63.6.2.17.3.1.1.5", "CoS Priority None", SYN_INTEGER, RW, &OptE70),
    End,
};

const QnSNMPVarDesc CoSPortPRITable1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.17.3.2.1.1", "CoS Port PRI Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.17.3.2.1.2", "CoS Port PRI Class", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc CosSMacBasePRITable1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.17.3.3.1.1", "CoS MAC_Base PRI Index", SYN_MACADDRESS, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.17.3.3.1.2", "CoS MAC_Base PRI Class", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc CoSToSPRITable1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.17.3.4.1.1", "CoS ToS PRI Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.17.3.4.1.2", "CoS ToS PRI Class", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc CoSDHCPPRITable1Desc[] = {
    Var("1.3.6.1.4.1.98762.11.63.6.2.17.3.5.1.1", "CoS DSCP PRI Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.11.63.6.2.17.3.5.1.2", "CoS DSCP PRI Class", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc PoESystemControl1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.24.1.1", "PoE System Power Limit", SYN_INTEGER, RW),
    Var("1.3.6.1.4.1.98762.12.24.1.2", "PoE System Power Disconnect Method", SYN_INTEGER, RW, &OptE71),
    Var("1.3.6.1.4.1.98762.12.24.1.3", "PoE System Management Mode", SYN_INTEGER, RW, &OptE72),
    End,
};

const QnSNMPVarDesc PoESysteminformation1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.24.2.1", "PoE System Power Consumption", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.24.2.2", "PoE System Power Remained", SYN_INTEGER, RO),
    End,
};

const QnSNMPVarDesc PoEPortControl1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.24.3.1.1.1", "Port Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.24.3.1.1.2", "State", SYN_INTEGER, RW, &OptE63),
    Var("1.3.6.1.4.1.98762.12.24.3.1.1.3", "Priority", SYN_INTEGER, RW, &OptE73),
    Var("1.3.6.1.4.1.98762.12.24.3.1.1.4", "Power Limit", SYN_INTEGER, RW, &OptE74),
    Var("1.3.6.1.4.1.98762.12.24.3.1.1.5", "User Defined", SYN_INTEGER, RW),
    End,
};

const QnSNMPVarDesc PoEPortInformation1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.24.4.1.1.1", "Port Index", SYN_INTEGER, IDX),
    Var("1.3.6.1.4.1.98762.12.24.4.1.1.2", "Class", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.24.4.1.1.3", "Power", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.24.4.1.1.4", "Voltage", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.24.4.1.1.5", "Current", SYN_INTEGER, RO),
    Var("1.3.6.1.4.1.98762.12.24.4.1.1.6", "Status", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.4.1.98762.12.24.4.1.1.7", "Led Status", SYN_INTEGER, RO, &OptE75),
    End,
};

const QnSNMPVarDesc BasicInfo1Desc[] = {
    Var("1.3.6.1.4.1.98762.12.1.1.1", "Protocol Capability", SYN_INTEGER, RO, &OptE76),
    Var("1.3.6.1.4.1.98762.12.1.1.3", "Console In Use", SYN_INTEGER, RO, &OptE77),
    Var("1.3.6.1.4.1.98762.12.1.1.7", "Dual Image Status", SYN_INTEGER, RO, &OptE78),
    End,
};

const QnSNMPVarDesc MaxConcurrentRequests1Desc[] = {
    Var("1.3.6.1.2.1.80.1.1", "Max Concurrent Requests", SYN_GAUGE, RO),
    End,
};

const QnSNMPVarDesc PingControlTable1Desc[] = {
    Var("1.3.6.1.2.1.80.1.2.1.1", "Owner Index", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.2.1.80.1.2.1.2", "Test Name", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.2.1.80.1.2.1.4", "Target Address", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.2.1.80.1.2.1.6", "Time Out", SYN_GAUGE, RW),
    Var("1.3.6.1.2.1.80.1.2.1.7", "Probe Count", SYN_GAUGE, RW),
    Var("1.3.6.1.2.1.80.1.2.1.8", "Admin Status", SYN_INTEGER, RW, &OptE7),
    Var("1.3.6.1.2.1.80.1.2.1.23", "Row Status", SYN_INTEGER, RW, &OptE39),
    End,
};

const QnSNMPVarDesc PingResultsTable1Desc[] = {
    Var("", "Owner Index", SYN_DISPLAYSTR, IDX),
    Var("", "Test Name", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.2.1.80.1.3.1.1", "Operational Status", SYN_INTEGER, RO, &OptE7),
    Var("1.3.6.1.2.1.80.1.3.1.2", "IP Target Address Type", SYN_INTEGER, RO, &OptE79),
    Var("1.3.6.1.2.1.80.1.3.1.3", "IP Target Address", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.2.1.80.1.3.1.4", "Min RTT", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.80.1.3.1.5", "Max RTT", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.80.1.3.1.6", "Average Rtt", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.80.1.3.1.7", "Probe Responses", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.80.1.3.1.8", "Sent Probes", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.80.1.3.1.9", "RTT Sum Of Squares", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.80.1.3.1.10", "Last Good Probe", SYN_DISPLAYSTR, RO),
    End,
};

const QnSNMPVarDesc ProbeHistoryTable1Desc[] = {
    Var("", "Owner Index", SYN_DISPLAYSTR, IDX),
    Var("", "Test Name", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.2.1.80.1.4.1.1", "History Index", SYN_GAUGE, IDX),
    Var("1.3.6.1.2.1.80.1.4.1.2", "History Response", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.80.1.4.1.3", "History Status", SYN_INTEGER, RO, &OptE80),
    Var("1.3.6.1.2.1.80.1.4.1.4", "History Last RC", SYN_INTEGER, RO),
    Var("1.3.6.1.2.1.80.1.4.1.5", "History Time", SYN_DISPLAYSTR, RO),
    End,
};

const QnSNMPVarDesc MaxConcurrentRequests2Desc[] = {
    Var("1.3.6.1.2.1.81.1.1", "Max Concurrent Requests", SYN_GAUGE, RO),
    End,
};

const QnSNMPVarDesc TrouceControlTable1Desc[] = {
    Var("1.3.6.1.2.1.81.1.2.1.1", "Owner Index", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.2.1.81.1.2.1.2", "Test Name", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.2.1.81.1.2.1.4", "Target Address", SYN_DISPLAYSTR, RW),
    Var("1.3.6.1.2.1.81.1.2.1.7", "Time Out", SYN_GAUGE, RW),
    Var("1.3.6.1.2.1.81.1.2.1.8", "Probes Per Hop", SYN_GAUGE, RW),
    Var("1.3.6.1.2.1.81.1.2.1.9", "Port", SYN_GAUGE, RW),
    Var("1.3.6.1.2.1.81.1.2.1.10", "Max TTL", SYN_GAUGE, RW),
    Var("1.3.6.1.2.1.81.1.2.1.21", "Admin Status", SYN_INTEGER, RW, &OptE7),
    Var("1.3.6.1.2.1.81.1.2.1.27", "Row Status", SYN_INTEGER, RW, &OptE39),
    End,
};

const QnSNMPVarDesc TraceRouteResultTable1Desc[] = {
    Var("", "Owner Index", SYN_DISPLAYSTR, IDX),
    Var("", "Test Name", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.2.1.81.1.3.1.1", "Operational Status", SYN_INTEGER, RO, &OptE7),
    Var("1.3.6.1.2.1.81.1.3.1.2", "Current Hop Count", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.81.1.3.1.3", "Current Probe Count", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.81.1.3.1.4", "IP Target Address Type", SYN_INTEGER, RO, &OptE79),
    Var("1.3.6.1.2.1.81.1.3.1.5", "IP Target Address", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.2.1.81.1.3.1.6", "Test Attempts", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.81.1.3.1.7", "Test Successes", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.81.1.3.1.8", "Last Good Path", SYN_DISPLAYSTR, RO),
    End,
};

const QnSNMPVarDesc ProbeHistoryTable2Desc[] = {
    Var("", "Owner Index", SYN_DISPLAYSTR, IDX),
    Var("", "Test Name", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.2.1.81.1.4.1.1", "History Index", SYN_GAUGE, IDX),
    Var("1.3.6.1.2.1.81.1.4.1.2", "History Hop Index", SYN_GAUGE, IDX),
    Var("1.3.6.1.2.1.81.1.4.1.3", "History Probe Index", SYN_GAUGE, IDX),
    Var("1.3.6.1.2.1.81.1.4.1.4", "History Hop Address Type", SYN_INTEGER, RO, &OptE79),
    Var("1.3.6.1.2.1.81.1.4.1.5", "History Hop Address", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.2.1.81.1.4.1.6", "History Response", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.81.1.4.1.7", "History Status", SYN_INTEGER, RO, &OptE80),
    Var("1.3.6.1.2.1.81.1.4.1.8", "History Last RC", SYN_INTEGER, RO),
    Var("1.3.6.1.2.1.81.1.4.1.9", "History Time", SYN_DISPLAYSTR, RO),
    End,
};

const QnSNMPVarDesc RouteHopsTable1Desc[] = {
    Var("", "Owner Index", SYN_DISPLAYSTR, IDX),
    Var("", "Test Name", SYN_DISPLAYSTR, IDX),
    Var("1.3.6.1.2.1.81.1.5.1.1", "Hop Index", SYN_GAUGE, IDX),
    Var("1.3.6.1.2.1.81.1.5.1.2", "IP Target Address Type", SYN_INTEGER, RO, &OptE79),
    Var("1.3.6.1.2.1.81.1.5.1.3", "IP Target Address", SYN_DISPLAYSTR, RO),
    Var("1.3.6.1.2.1.81.1.5.1.4", "Min Rtt", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.81.1.5.1.5", "Max Rtt", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.81.1.5.1.6", "Average Rtt", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.81.1.5.1.7", "Rtt Sum Of Squares", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.81.1.5.1.8", "Sent Probes", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.81.1.5.1.9", "Probe Responses", SYN_GAUGE, RO),
    Var("1.3.6.1.2.1.81.1.5.1.10", "Last Good Probe", SYN_DISPLAYSTR, RO),
    End,
};
// clang-format on
