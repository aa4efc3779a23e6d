// The catalogue of generated configuration windows, one entry a line.
#include "Catalogue.h"

#include "Descriptors.h"

#include <iterator>

namespace {

// Columns: menu path, hidden, handler, title, separator, list kind, index count,
// base OID, descriptor table, set-up, RowStatus position, height, edit width,
// no Edit button, refreshes the RMON menu, edit constraints.
// clang-format off
const CatalogueEntry Entries[] = {
    {"Basic Configuration > Agent Management > MIB Capabilities", false, "MibCapabilities1Click", "MIB Capabilities", " : ", 2, 1, "1.3.6.1.4.1.98762.12.1.1.2.1", MibCapabilities1Desc, PanelSetup::Table, -1, 450, 0, false, false, {}},
    {"Basic Configuration > Agent Management > Basic Management", false, "BasicConfigure1Click", "Basic Management", " : ", 0, 0, "1.3.6.1.4.1.98762.12.1.2", BasicConfigure1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Basic Configuration > Agent Management > CPU Utilization", false, "CpuUtilization1Click", "CPU Utilization", " : ", 0, 0, "1.3.6.1.4.1.98762.12.1.1.6", CpuUtilization1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Basic Configuration > Time Management > System Time", false, "CurrentTime1Click", "System Time", " : ", 0, 0, "1.3.6.1.4.1.98762.12.10.10", CurrentTime1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Basic Configuration > IF-MIB > IfX Table", false, "IFXTable1Click", "IfX Table: ", "", 3, 1, "1.3.6.1.2.1.31.1.1.1", IFXTable1Desc, PanelSetup::Table, -1, 450, 0, false, false, {}},
    {"RMON > RMON Control", false, "RMONSetting1Click", "RMON State", " : ", 0, 0, "1.3.6.1.4.1.98762.11.63.6.2.1.2", RMONSetting1Desc, PanelSetup::Scalars, -1, 0, 0, false, true, {}},
    {"Bridge > 802.1d > Information", false, "Information1Click", "Information: ", "", 0, 0, "1.3.6.1.2.1.17.1", Information1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {{4, "%i{n10x65535l5}"}}},
    {"Bridge > 802.1d > Port Table", false, "PortTable1Click", "Port Table", " : ", 2, 1, "1.3.6.1.2.1.17.1.4.1", PortTable1Desc, PanelSetup::Table, -1, 450, 0, false, false, {}},
    {"VLAN > 802.1P > Priority Information > Default User Priorities of Each Port", false, "DefaultUserPrioritiesofEachPort1Click", "Default User Priorities of Each Port: ", "", 2, 1, "1.3.6.1.2.1.17.6.1.2.1.1", DefaultUserPrioritiesofEachPort1Desc, PanelSetup::Table, -1, 0, 0, false, false, {{1, "%i{n0x7l1}"}}},
    {"VLAN > 802.1P > Priority Information > Regenerated User Priorities", true, "RegeneratedUserPriorities1Click", "Regenerated User Priorities: ", "", 2, 2, "1.3.6.1.2.1.17.6.1.2.2.1", RegeneratedUserPriorities1Desc, PanelSetup::Table, -1, 0, 0, false, false, {{2, "%i{n0x7l1}"}}},
    {"VLAN > 802.1P > Priority Information > User Priorities To Traffic Class", false, "UserPrioritiesToTrafficClass1Click", "User Priorities To Traffic Class: ", "", 2, 2, "1.3.6.1.2.1.17.6.1.2.3.1", UserPrioritiesToTrafficClass1Desc, PanelSetup::Table, -1, 0, 0, false, false, {{2, "%i{n0x7l1}"}}},
    {"VLAN > 802.1P > Priority Information > Port Outbound Access Priorities", true, "PortOutboundAccessPriorities1Click", "Port Outbound Access Priorities: ", "", 2, 2, "1.3.6.1.2.1.17.6.1.2.4.1", PortOutboundAccessPriorities1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"VLAN > 802.1Q > Forwarding/Filtering > Unicast Forwarding Information", false, "UnicastForwardingInformation1Click", "Unicast Forwarding Information : ", "", 3, 2, "1.3.6.1.2.1.17.7.1.2.2.1", UnicastForwardingInformation1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"SNMP V3 > SNMP Engine", false, "snmpEngine1Click", "SNMP Engine: ", "", 0, 0, "1.3.6.1.6.3.10.2.1", snmpEngine1Desc, PanelSetup::Scalars, -1, 0, 150, false, false, {}},
    {"SNMP V3 > Message Processing and Dispatching", false, "MessageProcessingandDispatching1Click", "Message Processingand Dispatching: ", "", 0, 0, "1.3.6.1.6.3.11.2.1", MessageProcessingandDispatching1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"SNMP V3 > SNMP Target MIB > General Information", false, "GeneralInformation1Click", "General Information: ", "", 0, 0, "1.3.6.1.6.3.12.1", GeneralInformation1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"SNMP V3 > SNMP Target MIB > Target Address Table", false, "CommunityTargetAddressTableClick", "Target Address Table: ", "", 3, 1, "1.3.6.1.6.3.12.1.2.1", CommunityTargetAddressTableDesc, PanelSetup::Table, 8, 0, 0, false, false, {{4, "%i{n0x255l3}"}}},
    {"SNMP V3 > SNMP Target MIB > Target Parameters", false, "TargetParameters1Click", "Target Parameters", ": ", 3, 1, "1.3.6.1.6.3.12.1.3.1", TargetParameters1Desc, PanelSetup::Table, 6, 0, 0, false, false, {}},
    {"SNMP V3 > User-based Security Model > Statistics", false, "Statistics2Click", "Statistics", ": ", 0, 0, "1.3.6.1.6.3.15.1.1", Statistics2Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"SNMP V3 > User-based Security Model > User Table", false, "UserTable1Click", "User Table", ": ", 3, 2, "1.3.6.1.6.3.15.1.2.2.1", UserTable1Desc, PanelSetup::Table, 12, 0, 0, false, false, {}},
    {"SNMP V3 > View-base Access Control Mode > Security Group Table", false, "SecurityTable1Click", "Security Group Table", ": ", 3, 2, "1.3.6.1.6.3.16.1.2.1", SecurityTable1Desc, PanelSetup::Table, 4, 0, 0, false, false, {}},
    {"SNMP V3 > View-base Access Control Mode > Access Table", false, "AccessTable1Click", "Access Table", ": ", 3, 4, "1.3.6.1.6.3.16.1.4.1", AccessTable1Desc, PanelSetup::Table, 9, 0, 0, false, false, {}},
    {"SNMP V3 > View-base Access Control Mode > View MIB Tree Family Table", false, "ViewTable1Click", "View MIB Tree Family Table", ": ", 3, 2, "1.3.6.1.6.3.16.1.5.2.1", ViewTable1Desc, PanelSetup::Table, 5, 0, 0, false, false, {}},
    {"SNMP V3 > Notifications > Notify Table", false, "NotifyTable1Click", "Notify Table", ": ", 3, 1, "1.3.6.1.6.3.13.1.1.1", NotifyTable1Desc, PanelSetup::Table, 4, 0, 0, false, false, {}},
    {"SNMP V3 > Notifications > Notify Filter Profile Table", false, "NotifyFilterProfileTale1Click", "Notify Filter Profile Table", ": ", 3, 1, "1.3.6.1.6.3.13.1.2.1", NotifyFilterProfileTale1Desc, PanelSetup::Table, 3, 0, 0, false, false, {}},
    {"SNMP V3 > Notifications > Notify Filter Entry Table", false, "NotifyFilterEntryTable1Click", "Notify Filter Table", ": ", 3, 2, "1.3.6.1.6.3.13.1.3.1", NotifyFilterEntryTable1Desc, PanelSetup::Table, 5, 0, 0, false, false, {}},
    {"SNMP V3 > Community > Community String Table", false, "CommunityStringTable1Click", "SNMP Community Table", ": ", 3, 1, "1.3.6.1.6.3.18.1.1.1", CommunityStringTable1Desc, PanelSetup::Table, 7, 0, 0, false, false, {}},
    {"SNMP V3 > Community > Target Address Table", false, "TargetAddressTable1Click", "Target Address Table", ": ", 3, 1, "1.3.6.1.6.3.18.1.2.1", TargetAddressTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Security Management > Authentication Mode Setting", false, "Auth1Click", "Authentication Mode Setting: ", "", 0, 0, "1.3.6.1.4.1.98762.12.3.1", Auth1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Security Management > 802.1X > Configuration", false, "Configuration2Click", "802.1X Configuration: ", "", 0, 0, "1.0.8802.1.1.1.1.1", Configuration2Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Security Management > 802.1X > Auth Configuration", false, "PortAuthenticationConfiguration1Click", "802.1X Auth Configuration", " : ", 3, 1, "1.0.8802.1.1.1.1.2.1.1", PortAuthenticationConfiguration1Desc, PanelSetup::Table, -1, 0, 0, false, false, {{7, "%i{n0x65535l5}"}, {8, "%i{n1x65535l5}"}, {9, "%i{n1x65535l5}"}, {10, "%i{n1x65535l5}"}, {11, "%i{n1x10l2}"}, {12, "%i{n1x65535l5}"}}},
    {"Security Management > 802.1X > Auth Diagnostics", false, "Diagnostics1Click", "802.1X Auth Diagnostics: ", "", 3, 1, "1.0.8802.1.1.1.1.2.3.1", Diagnostics1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Security Management > 802.1X > Auth Session Statistics", false, "PortSessionStatistics1Click", "802.1X Auth Session Statistics", " : ", 2, 1, "1.0.8802.1.1.1.1.2.4.1", PortSessionStatistics1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Security Management > 802.1X > MAC_Based Authentication > State Table", false, "StateTable1Click", "802.1X State Table: ", "", 2, 2, "1.3.6.1.4.1.98762.12.3.6.1.1", StateTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Security Management > 802.1X > MAC_Based Authentication > Session Information", false, "SessionInformation1Click", "Session Information", " : ", 2, 2, "1.3.6.1.4.1.98762.12.3.6.4.1", SessionInformation1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Security Management > RADIUS Management > Authentication Table", false, "AuthenticationServerTable1Click", "Authentication Table: ", "", 2, 1, "1.3.6.1.4.1.98762.12.3.3.3.1", AuthenticationServerTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Security Management > RADIUS Management > Accounting Management > Basic Information", false, "AccountingServerInformation1Click", "Accounting Basic Information: ", "", 0, 0, "1.3.6.1.2.1.67.2.2.1.1", AccountingServerInformation1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {{2, "%i{n1x65535l5}"}}},
    {"Security Management > RADIUS Management > Accounting Management > Server Table", false, "AccountingServerTable1Click", "Accounting Server Table: ", "", 2, 1, "1.3.6.1.4.1.98762.12.3.5.3.1", AccountingServerTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Security Management > SSH > SSH Management", false, "SSHManagement1Click", "SSH Management Table: ", "", 0, 0, "1.3.6.1.4.1.98762.12.6.1", SSHManagement1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {{2, "%i{n1x99l2}"}}},
    {"Security Management > SSH > Algorithm Control", false, "EncryptionAlgorithm1Click", "Algorithm Control: ", "", 0, 0, "1.3.6.1.4.1.98762.12.6.2.1", EncryptionAlgorithm1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Security Management > SSH > Authentication Method", false, "AuthenticationMethod1Click", "Authentication Method Control: ", "", 0, 0, "1.3.6.1.4.1.98762.12.6.2.2", AuthenticationMethod1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > Port Management > Port Information Table", false, "PortInformation1Click", "Port Information Table", " : ", 2, 1, "1.3.6.1.4.1.98762.11.63.6.2.2.1.1", PortInformation1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > Port Management > Port Control Table", false, "PortControl1Click", "Port Control Table", " : ", 3, 2, "1.3.6.1.4.1.98762.11.63.6.2.2.2.1", PortControl1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > Port Management > Trunk Basic Information", false, "TrunkBasicInformation1Click", "Trunk Information", " : ", 0, 0, "1.3.6.1.4.1.98762.11.63.6.2.4", TrunkBasicInformation1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > QoS Management > Bandwidth Control Table", false, "BandwidthControlTable1Click", "Bandwidth Control Table", " : ", 3, 1, "1.3.6.1.4.1.98762.11.63.6.2.3.1.1", BandwidthControlTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > QoS Management > SchedulingTable", false, "SchedulingTable1Click", "Scheduling Table", " : ", 3, 1, "1.3.6.1.4.1.98762.11.63.6.2.3.2.1", SchedulingTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > QoS Management > 802.1p User Priority Table", false, "N8021pUserPriorityTable1Click", "802.1p User Priority Table", " : ", 3, 1, "1.3.6.1.4.1.98762.11.63.6.2.3.3.1", N8021pUserPriorityTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > QoS Management > 802.1p Default Priority Table", false, "N8021pDefaultPriorityTable1Click", "802.1p Default Priority Table", " : ", 3, 1, "1.3.6.1.4.1.98762.11.63.6.2.3.4.1", N8021pDefaultPriorityTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > IGMP Snooping Management > IGMP Control Table", false, "IGMPControlTable1Click", "IGMP Control", " : ", 3, 1, "1.3.6.1.4.1.98762.11.63.6.2.7.3.1", IGMPControlTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {{1, "%i{n1x65535l5}"}, {2, "%i{n1x25l2}"}, {3, "%i{n1x255l3}"}, {4, "%i{n1x65535l5}"}, {5, "%i{n1x16711450l8}"}, {6, "%i{n1x16711450l8}"}, {7, "%i{n0x16711450l8}"}}},
    {"Layer 2 Management > IGMP Snooping Management > IGMP Query Information", false, "IGMPQuery1Click", "IGMP Query Information", " : ", 3, 1, "1.3.6.1.4.1.98762.11.63.6.2.7.4.1", IGMPQuery1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > IGMP Snooping Management > IGMP Information", false, "IGMPInformation1Click", "IGMP Information", " : ", 3, 2, "1.3.6.1.4.1.98762.11.63.6.2.7.5.1", IGMPInformation1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Single IP > Single IP Control", false, "SingleIPControl1Click", "Single IP Control: ", "", 0, 0, "1.3.6.1.4.1.98762.12.8.1.2", SingleIPControl1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {{2, "%i{n100x255l3}"}, {3, "%i{n30x90l2}"}}},
    {"Single IP > My Information", false, "MyInformation1Click", "My Information", " : ", 0, 0, "1.3.6.1.4.1.98762.12.8.1.1", MyInformation1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Single IP > Candidate Switch", false, "CandidateSwitch1Click", "Single IP Candidate Switch Management : ", "", 2, 1, "1.3.6.1.4.1.98762.12.8.1.4.1", CandidateSwitch1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Single IP > Group Information", false, "GroupInformation1Click", "Single IP Group Management ", "", 2, 1, "1.3.6.1.4.1.98762.12.8.1.5.1", GroupInformation1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > 802.3 ad > Aggregator Table", false, "AggregatorTable1Click", "Aggregator Table: ", "", 2, 1, "1.3.6.1.4.1.98762.12.4.1.1.1.1", AggregatorTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Security Management > AAC > AAC Control", false, "TACACSControl1Click", "AAC Control Table", " : ", 0, 0, "1.3.6.1.4.1.98762.12.5.1", TACACSControl1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Security Management > AAC > AAC Information", false, "TACACSInformation1Click", "AAC Information Table", " : ", 0, 0, "1.3.6.1.4.1.98762.12.5.2", TACACSInformation1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {{4, "%i{n1x255l3}"}, {5, "%i{n1x255l3}"}}},
    {"Security Management > AAC > AP Auth Method Group", false, "LoginInformation1Click", "AP Auth Method Group: ", "", 0, 0, "1.3.6.1.4.1.98762.12.5.7.1", LoginInformation1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Security Management > AAC > Server Group", false, "ServerGroup1Click", "AAC Server Table", ": ", 2, 1, "1.3.6.1.4.1.98762.12.5.9.1", ServerGroup1Desc, PanelSetup::Table, 17, 0, 0, true, false, {}},
    {"Security Management > 802.1X > Auth Statistics", false, "PortAuthStatistics1Click", "802.1X Auth Statistics", " : ", 3, 1, "1.0.8802.1.1.1.1.2.2.1", PortAuthStatistics1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Single IP > Neighbor Switch", false, "NeighborSwitch1Click", "Neighbor Switch", ": ", 2, 2, "1.3.6.1.4.1.98762.12.8.1.6.1", NeighborSwitch1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Bridge > Spanning Tree > Configuration Identification", false, "ConfigurationIdentification1Click", "Configuration Identification", ": ", 0, 0, "1.3.6.1.4.1.98762.12.15.2", ConfigurationIdentification1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {{0, "%s{l32}"}, {1, "%i{n0x65535l5}"}}},
    {"Bridge > Spanning Tree > MSTP Instance Control", false, "InstanceInformation1Click", "MSTP Instance Control: ", "", 3, 1, "1.3.6.1.4.1.98762.12.15.2.3.1", InstanceInformation1Desc, PanelSetup::Table, 23, 0, 0, false, false, {{1, "%s{l128}"}, {2, "%s{l128}"}, {3, "%s{l128}"}, {4, "%s{l128}"}, {5, "%s{l128}"}, {6, "%s{l128}"}, {7, "%s{l128}"}, {8, "%s{l128}"}, {11, "%i{n0x61440l5}"}}},
    {"Bridge > Spanning Tree > Port State Information", false, "PortStateInformation1Click", "Port State Information", " : ", 3, 1, "1.3.6.1.4.1.98762.12.15.2.4.1", PortStateInformation1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Bridge > Spanning Tree > Port MSTP Information", false, "PortMSTPInformation1Click", "Port MSTP Information", " : ", 3, 2, "1.3.6.1.4.1.98762.12.15.2.5.1", PortMSTPInformation1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Basic Configuration > System Log Management > System Log Management", false, "SystemLogState1Click", "System Log Mangement", " : ", 0, 0, "1.3.6.1.4.1.98762.12.12.3", SystemLogState1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {{2, "%i{n1x65535l5}"}}},
    {"Basic Configuration > Time Management > Current Time", false, "Time1Click", "Current Time", " : ", 0, 0, "1.3.6.1.4.1.98762.12.10", Time1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {{1, "%s{l21}"}}},
    {"RMON > Probe Config > Probe Basic Information", true, "ProbeBasicInformation1Click", "Probe Basic Information", ": ", 0, 0, "1.3.6.1.2.1.16.19", ProbeBasicInformation1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"RMON > Probe Config > Net Configuration", true, "NetConfiguration1Click", "Net Configuration Table", ": ", 2, 0, "1.3.6.1.2.1.16.19.11.1", NetConfiguration1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"RMON > Probe Config > Net Default Gateway", true, "NetDefaultGateway1Click", "Net Default Gateway", ": ", 0, 0, "1.3.6.1.2.1.16.19", NetDefaultGateway1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"VLAN > 802.1Q > Forwarding/Filtering > Filtering Database", false, "Databaseinformation1Click", "Filtering Database: ", "", 2, 1, "1.3.6.1.2.1.17.7.1.2.1.1", Databaseinformation1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Security Management > RADIUS Management > Authentication Information", false, "AuthenticationServer1Click", "Authentication Information: ", "", 0, 0, "1.3.6.1.4.1.98762.12.3.3", AuthenticationServer1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Basic Configuration > Agent Management > Multiple Image Management", false, "Multipleimagemanagement1Click", "Multiple Image Management", " : ", 3, 1, "1.3.6.1.4.1.98762.12.1.2.7.1", Multipleimagemanagement1Desc, PanelSetup::Table, -1, 450, 0, false, false, {}},
    {"Security Management > 802.1X > Port Table", false, "PAEPortTable1Click", "Port Table", " : ", 3, 1, "1.0.8802.1.1.1.1.1.2.1", PAEPortTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > IGMP Snooping Management > IGMP General Information", false, "IGMPGeneral1Click", "IGMP Management Information", " : ", 0, 0, "1.3.6.1.4.1.98762.11.63.6.2.7", IGMPGeneral1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Security Management > Safeguard_Engine > Global Management", false, "GlobalManagement1Click", "Safeguard Global Management: ", "", 0, 0, "1.3.6.1.4.1.98762.12.19.1", GlobalManagement1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > CPU Filter > CPU Filter Control", false, "CPUFilterControl1Click", "CPU Filtering Control", ": ", 0, 0, "1.3.6.1.4.1.98762.12.9.1", CPUFilterControl1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > 802.3 ad > Aggregator Port List", false, "AggregatorPortList1Click", "Aggregator Port List Table: ", "", 2, 1, "1.3.6.1.4.1.98762.12.4.1.1", AggregatorPortList1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Security Management > IP-MAC Binding > IP-MAC Binding Port State Control", true, "PortInformation3Click", "IP-MAC Binding Port Table: ", "", 3, 1, "1.3.6.1.4.1.98762.12.23.3.2.1", PortInformation3Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > Packet Storm Management > Packet Storm Control Table", false, "PacketStormControlTable1Click", "Packet Strom Control Table", " : ", 3, 1, "1.3.6.1.4.1.98762.12.25.3.1.1", PacketStormControlTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Basic Configuration > Agent Management > Console Mode Control", false, "ConsoleModeControl1Click", "Console Mode Control", " : ", 0, 0, "1.3.6.1.4.1.98762.12.1.5", ConsoleModeControl1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Basic Configuration > SMTP Management > SMTP Information Table", false, "SMTPInformationTable1Click", "SMTP Information Table", " : ", 0, 0, "1.3.6.1.4.1.98762.12.29.2", SMTPInformationTable1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Basic Configuration > SMTP Management > SMTP Mail Receiver Table", false, "SMTPMailReceiverTable1Click", "SMTP Mail Receiver Table", " : ", 3, 1, "1.3.6.1.4.1.98762.12.29.3.1.1", SMTPMailReceiverTable1Desc, PanelSetup::Table, 2, 0, 0, true, false, {}},
    {"Basic Configuration > EtherLike-MIB > Dot3 Collisions", true, "Dot3Collision1Click", "Dot3 Collisions", " : ", 2, 2, "1.3.6.1.2.1.10.7.5.1", Dot3Collision1Desc, PanelSetup::Table, -1, 450, 0, false, false, {}},
    {"VLAN > 802.1P > Basic Configure", false, "BasicConfigure2Click", "802.1P Basic Configure: ", "", 0, 0, "1.3.6.1.2.1.17.6.1.1", BasicConfigure2Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Security Management > RADIUS Management > Accounting Management > Service Table", false, "ServiceTable1Click", "Accounting Service Table: ", "", 2, 1, "1.3.6.1.4.1.98762.12.3.4.3.1", ServiceTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > Device Control", false, "DeviceControl2Click", "Layer 2 Device Control", " : ", 0, 0, "1.3.6.1.4.1.98762.11.63.6.2.1.2", DeviceControl2Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {{4, "%i{n1x4094l4}"}, {11, "%i{n1x500l3}"}, {12, "%i{n1x2147483647l10}"}}},
    {"Security Management > IP-MAC Binding > IP-MAC Binding Control", true, "IPMACBindingControl1Click", "IP-MAC Binding Control: ", "", 0, 0, "1.3.6.1.4.1.98762.12.23.1", IPMACBindingControl1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > Port Management > Error Port Table", false, "PortErrorTable1Click", "Error Port Table: ", "", 2, 1, "1.3.6.1.4.1.98762.11.63.6.2.2.3.1", PortErrorTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > Port Management > Port Security Table > Port Security Trap Log State", false, "PortSecurityTrapLogState1Click", "Port Security Trap Log State: ", "", 0, 0, "1.3.6.1.4.1.98762.11.63.6.2.15", PortSecurityTrapLogState1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > Port Management > Port Security Table > Port Security Control", false, "PortSecurityControl1Click", "Port Security Control: ", "", 3, 1, "1.3.6.1.4.1.98762.11.63.6.2.15.1.1", PortSecurityControl1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > DHCP Relay > Management", false, "Management1Click", "DHCP Relay Management", " : ", 0, 0, "1.3.6.1.4.1.98762.11.63.6.2.18", Management1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {{1, "%i{n1x16l2}"}, {2, "%i{n0x165535l5}"}}},
    {"Layer 2 Management > CoS Management > CoS Priority Table", false, "CoSPriorityTable1Click", "CoS Priority Table: ", "", 3, 1, "1.3.6.1.4.1.98762.11.63.6.2.17.3.1.1", CoSPriorityTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > CoS Management > CoS Port PRI Table", false, "CoSPortPRITable1Click", "CoS Port PRI Table: ", "", 3, 1, "1.3.6.1.4.1.98762.11.63.6.2.17.3.2.1", CoSPortPRITable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > CoS Management > CoS MAC_Base PRI Table", false, "CosSMacBasePRITable1Click", "CoS MAC_Base PRI Table: ", "", 3, 1, "1.3.6.1.4.1.98762.11.63.6.2.17.3.3.1", CosSMacBasePRITable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > CoS Management > CoS ToS PRI Table", false, "CoSToSPRITable1Click", "CoS ToS PRI Table: ", "", 3, 1, "1.3.6.1.4.1.98762.11.63.6.2.17.3.4.1", CoSToSPRITable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > CoS Management > CoS DHCP PRI Table", false, "CoSDHCPPRITable1Click", "CoS DHCP PRI Table: ", "", 3, 1, "1.3.6.1.4.1.98762.11.63.6.2.17.3.5.1", CoSDHCPPRITable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > PoE > PoE System Control", true, "PoESystemControl1Click", "PoE System Control: ", "", 0, 0, "1.3.6.1.4.1.98762.12.24.1", PoESystemControl1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {{0, "%i{n37x370l3}"}}},
    {"Layer 2 Management > PoE > PoE System information", true, "PoESysteminformation1Click", "PoE System information: ", "", 0, 0, "1.3.6.1.4.1.98762.12.24.2", PoESysteminformation1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Layer 2 Management > PoE > PoE Port Control", true, "PoEPortControl1Click", "PoE Port Control: ", "", 3, 1, "1.3.6.1.4.1.98762.12.24.3.1.1", PoEPortControl1Desc, PanelSetup::Table, -1, 0, 0, false, false, {{4, "%i{n1000x16800l5}"}}},
    {"Layer 2 Management > PoE > PoE Port information", true, "PoEPortInformation1Click", "PoE Port information: ", "", 2, 1, "1.3.6.1.4.1.98762.12.24.4.1.1", PoEPortInformation1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Basic Configuration > Agent Management > Basic Information", false, "BasicInfo1Click", "Basic Information", " : ", 0, 0, "1.3.6.1.4.1.98762.12.1.1", BasicInfo1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Basic Configuration > Ping > Ping Max Concurrent Requests", false, "MaxConcurrentRequests1Click", "Ping Max Concurrent Requests", " : ", 0, 0, "1.3.6.1.2.1.80.1", MaxConcurrentRequests1Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Basic Configuration > Ping > Ping Control Table", false, "PingControlTable1Click", "Ping Control Table", " : ", 3, 2, "1.3.6.1.2.1.80.1.2.1", PingControlTable1Desc, PanelSetup::Table, 6, 0, 0, true, false, {}},
    {"Basic Configuration > Ping > Ping Results Table", false, "PingResultsTable1Click", "Ping Results Table", " : ", 3, 2, "1.3.6.1.2.1.80.1.3.1", PingResultsTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Basic Configuration > Ping > Ping Probe History Table", true, "ProbeHistoryTable1Click", "Ping Probe History Table", " : ", 3, 3, "1.3.6.1.2.1.80.1.4.1", ProbeHistoryTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Basic Configuration > Trace Route > Trace Route Max Concurrent Requests", false, "MaxConcurrentRequests2Click", "Trace Route Max Concurrent Requests", " : ", 0, 0, "1.3.6.1.2.1.81.1", MaxConcurrentRequests2Desc, PanelSetup::Scalars, -1, 0, 0, false, false, {}},
    {"Basic Configuration > Trace Route > Trace Route Control Table", false, "TrouceControlTable1Click", "Trace Route Control Table", " : ", 3, 2, "1.3.6.1.2.1.81.1.2.1", TrouceControlTable1Desc, PanelSetup::Table, 8, 0, 0, true, false, {}},
    {"Basic Configuration > Trace Route > Trace Route Result Table", false, "TraceRouteResultTable1Click", "Trace Route Results Table", " : ", 3, 2, "1.3.6.1.2.1.81.1.3.1", TraceRouteResultTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Basic Configuration > Trace Route > Trace Route Probe History Table", true, "ProbeHistoryTable2Click", "Trace Route Probe History Table", " : ", 3, 4, "1.3.6.1.2.1.81.1.4.1", ProbeHistoryTable2Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
    {"Basic Configuration > Trace Route > Trace Route Hops Table", true, "RouteHopsTable1Click", "Trace Route Hops Table", " : ", 3, 3, "1.3.6.1.2.1.81.1.5.1", RouteHopsTable1Desc, PanelSetup::Table, -1, 0, 0, false, false, {}},
};
// clang-format on

} // namespace

std::span<const CatalogueEntry> CatalogueEntries()
{
    return {std::begin(Entries), std::end(Entries)};
}

const CatalogueEntry* FindCatalogueEntry(std::string_view handler)
{
    for (const CatalogueEntry& e : Entries) {
        if (handler == e.Handler)
            return &e;
    }
    return nullptr;
}

std::vector<std::string> MenuCaptions(const CatalogueEntry& entry)
{
    static constexpr std::string_view Sep = " > ";
    std::vector<std::string> captions;
    std::string_view path = entry.MenuPath;
    for (;;) {
        size_t at = path.find(Sep);
        captions.emplace_back(path.substr(0, at));
        if (at == std::string_view::npos)
            break;
        path.remove_prefix(at + Sep.size());
    }
    return captions;
}

std::string WindowCaption(const CatalogueEntry& entry, const std::string& address)
{
    return std::string(entry.Title) + entry.Separator + address;
}

std::string CurrentWindowTitle(const CatalogueEntry& entry, const std::string& address)
{
    if (*entry.Separator)
        return entry.Title;
    return entry.Title + address;
}

int VariableCount(const CatalogueEntry& entry)
{
    return DescriptorCount(entry.Vars);
}

int FormatCount(const CatalogueEntry& entry)
{
    int n = 0;
    while (n < MaxCatalogueFormats && entry.Formats[n].Format)
        ++n;
    return n;
}
