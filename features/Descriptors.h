// Descriptor tables of the generated configuration windows and the option
// lists of their enumerated variables. Every table is an ordered, static array
// of variable descriptors ended by a record whose Oid is null; tables and option
// lists are shared by every window and variable list and never change after
// start-up.
#pragma once

#include "mib/QnOptionList.h"
#include "mib/QnSNMPVarDesc.h"

// Enumerations of integer values, numbered 1 to EnumerationCount.
constexpr int EnumerationCount = 80;
extern const QnOptionList OptE1;
extern const QnOptionList OptE2;
extern const QnOptionList OptE3;
extern const QnOptionList OptE4;
extern const QnOptionList OptE5;
extern const QnOptionList OptE6;
extern const QnOptionList OptE7;
extern const QnOptionList OptE8;
extern const QnOptionList OptE9;
extern const QnOptionList OptE10;
extern const QnOptionList OptE11;
extern const QnOptionList OptE12;
extern const QnOptionList OptE13;
extern const QnOptionList OptE14;
extern const QnOptionList OptE15;
extern const QnOptionList OptE16;
extern const QnOptionList OptE17;
extern const QnOptionList OptE18;
extern const QnOptionList OptE19;
extern const QnOptionList OptE20;
extern const QnOptionList OptE21;
extern const QnOptionList OptE22;
extern const QnOptionList OptE23;
extern const QnOptionList OptE24;
extern const QnOptionList OptE25;
extern const QnOptionList OptE26;
extern const QnOptionList OptE27;
extern const QnOptionList OptE28;
extern const QnOptionList OptE29;
extern const QnOptionList OptE30;
extern const QnOptionList OptE31;
extern const QnOptionList OptE32;
extern const QnOptionList OptE33;
extern const QnOptionList OptE34;
extern const QnOptionList OptE35;
extern const QnOptionList OptE36;
extern const QnOptionList OptE37;
extern const QnOptionList OptE38;
extern const QnOptionList OptE39;
extern const QnOptionList OptE40;
extern const QnOptionList OptE41;
extern const QnOptionList OptE42;
extern const QnOptionList OptE43;
extern const QnOptionList OptE44;
extern const QnOptionList OptE45;
extern const QnOptionList OptE46;
extern const QnOptionList OptE47;
extern const QnOptionList OptE48;
extern const QnOptionList OptE49;
extern const QnOptionList OptE50;
extern const QnOptionList OptE51;
extern const QnOptionList OptE52;
extern const QnOptionList OptE53;
extern const QnOptionList OptE54;
extern const QnOptionList OptE55;
extern const QnOptionList OptE56;
extern const QnOptionList OptE57;
extern const QnOptionList OptE58;
extern const QnOptionList OptE59;
extern const QnOptionList OptE60;
extern const QnOptionList OptE61;
extern const QnOptionList OptE62;
extern const QnOptionList OptE63;
extern const QnOptionList OptE64;
extern const QnOptionList OptE65;
extern const QnOptionList OptE66;
extern const QnOptionList OptE67;
extern const QnOptionList OptE68;
extern const QnOptionList OptE69;
extern const QnOptionList OptE70;
extern const QnOptionList OptE71;
extern const QnOptionList OptE72;
extern const QnOptionList OptE73;
extern const QnOptionList OptE74;
extern const QnOptionList OptE75;
extern const QnOptionList OptE76;
extern const QnOptionList OptE77;
extern const QnOptionList OptE78;
extern const QnOptionList OptE79;
extern const QnOptionList OptE80;

// Lists whose values are texts: the object identifiers of the SNMPv3 user
// authentication and privacy protocols, and one status value of the device.
extern const QnOptionList OptUsmAuthProtocol;
extern const QnOptionList OptUsmPrivProtocol;
extern const QnOptionList OptRedundantPower;

// The enumeration with the given number, or null outside 1..EnumerationCount.
const QnOptionList* Enumeration(int tag);

// Number of descriptors of a table, up to its end record.
int DescriptorCount(const QnSNMPVarDesc* table);

// One table per generated window, named after the window's menu handler.
// clang-format off
extern const QnSNMPVarDesc MibCapabilities1Desc[];
extern const QnSNMPVarDesc BasicConfigure1Desc[];
extern const QnSNMPVarDesc CpuUtilization1Desc[];
extern const QnSNMPVarDesc CurrentTime1Desc[];
extern const QnSNMPVarDesc IFXTable1Desc[];
extern const QnSNMPVarDesc RMONSetting1Desc[];
extern const QnSNMPVarDesc Information1Desc[];
extern const QnSNMPVarDesc PortTable1Desc[];
extern const QnSNMPVarDesc DefaultUserPrioritiesofEachPort1Desc[];
extern const QnSNMPVarDesc RegeneratedUserPriorities1Desc[];
extern const QnSNMPVarDesc UserPrioritiesToTrafficClass1Desc[];
extern const QnSNMPVarDesc PortOutboundAccessPriorities1Desc[];
extern const QnSNMPVarDesc UnicastForwardingInformation1Desc[];
extern const QnSNMPVarDesc snmpEngine1Desc[];
extern const QnSNMPVarDesc MessageProcessingandDispatching1Desc[];
extern const QnSNMPVarDesc GeneralInformation1Desc[];
extern const QnSNMPVarDesc CommunityTargetAddressTableDesc[];
extern const QnSNMPVarDesc TargetParameters1Desc[];
extern const QnSNMPVarDesc Statistics2Desc[];
extern const QnSNMPVarDesc UserTable1Desc[];
extern const QnSNMPVarDesc SecurityTable1Desc[];
extern const QnSNMPVarDesc AccessTable1Desc[];
extern const QnSNMPVarDesc ViewTable1Desc[];
extern const QnSNMPVarDesc NotifyTable1Desc[];
extern const QnSNMPVarDesc NotifyFilterProfileTale1Desc[];
extern const QnSNMPVarDesc NotifyFilterEntryTable1Desc[];
extern const QnSNMPVarDesc CommunityStringTable1Desc[];
extern const QnSNMPVarDesc TargetAddressTable1Desc[];
extern const QnSNMPVarDesc Auth1Desc[];
extern const QnSNMPVarDesc Configuration2Desc[];
extern const QnSNMPVarDesc PortAuthenticationConfiguration1Desc[];
extern const QnSNMPVarDesc Diagnostics1Desc[];
extern const QnSNMPVarDesc PortSessionStatistics1Desc[];
extern const QnSNMPVarDesc StateTable1Desc[];
extern const QnSNMPVarDesc SessionInformation1Desc[];
extern const QnSNMPVarDesc AuthenticationServerTable1Desc[];
extern const QnSNMPVarDesc AccountingServerInformation1Desc[];
extern const QnSNMPVarDesc AccountingServerTable1Desc[];
extern const QnSNMPVarDesc SSHManagement1Desc[];
extern const QnSNMPVarDesc EncryptionAlgorithm1Desc[];
extern const QnSNMPVarDesc AuthenticationMethod1Desc[];
extern const QnSNMPVarDesc PortInformation1Desc[];
extern const QnSNMPVarDesc PortControl1Desc[];
extern const QnSNMPVarDesc TrunkBasicInformation1Desc[];
extern const QnSNMPVarDesc BandwidthControlTable1Desc[];
extern const QnSNMPVarDesc SchedulingTable1Desc[];
extern const QnSNMPVarDesc N8021pUserPriorityTable1Desc[];
extern const QnSNMPVarDesc N8021pDefaultPriorityTable1Desc[];
extern const QnSNMPVarDesc IGMPControlTable1Desc[];
extern const QnSNMPVarDesc IGMPQuery1Desc[];
extern const QnSNMPVarDesc IGMPInformation1Desc[];
extern const QnSNMPVarDesc SingleIPControl1Desc[];
extern const QnSNMPVarDesc MyInformation1Desc[];
extern const QnSNMPVarDesc CandidateSwitch1Desc[];
extern const QnSNMPVarDesc GroupInformation1Desc[];
extern const QnSNMPVarDesc AggregatorTable1Desc[];
extern const QnSNMPVarDesc TACACSControl1Desc[];
extern const QnSNMPVarDesc TACACSInformation1Desc[];
extern const QnSNMPVarDesc LoginInformation1Desc[];
extern const QnSNMPVarDesc ServerGroup1Desc[];
extern const QnSNMPVarDesc PortAuthStatistics1Desc[];
extern const QnSNMPVarDesc NeighborSwitch1Desc[];
extern const QnSNMPVarDesc ConfigurationIdentification1Desc[];
extern const QnSNMPVarDesc InstanceInformation1Desc[];
extern const QnSNMPVarDesc PortStateInformation1Desc[];
extern const QnSNMPVarDesc PortMSTPInformation1Desc[];
extern const QnSNMPVarDesc SystemLogState1Desc[];
extern const QnSNMPVarDesc Time1Desc[];
extern const QnSNMPVarDesc ProbeBasicInformation1Desc[];
extern const QnSNMPVarDesc NetConfiguration1Desc[];
extern const QnSNMPVarDesc NetDefaultGateway1Desc[];
extern const QnSNMPVarDesc Databaseinformation1Desc[];
extern const QnSNMPVarDesc AuthenticationServer1Desc[];
extern const QnSNMPVarDesc Multipleimagemanagement1Desc[];
extern const QnSNMPVarDesc PAEPortTable1Desc[];
extern const QnSNMPVarDesc IGMPGeneral1Desc[];
extern const QnSNMPVarDesc GlobalManagement1Desc[];
extern const QnSNMPVarDesc CPUFilterControl1Desc[];
extern const QnSNMPVarDesc AggregatorPortList1Desc[];
extern const QnSNMPVarDesc PortInformation3Desc[];
extern const QnSNMPVarDesc PacketStormControlTable1Desc[];
extern const QnSNMPVarDesc ConsoleModeControl1Desc[];
extern const QnSNMPVarDesc SMTPInformationTable1Desc[];
extern const QnSNMPVarDesc SMTPMailReceiverTable1Desc[];
extern const QnSNMPVarDesc Dot3Collision1Desc[];
extern const QnSNMPVarDesc BasicConfigure2Desc[];
extern const QnSNMPVarDesc ServiceTable1Desc[];
extern const QnSNMPVarDesc DeviceControl2Desc[];
extern const QnSNMPVarDesc IPMACBindingControl1Desc[];
extern const QnSNMPVarDesc PortErrorTable1Desc[];
extern const QnSNMPVarDesc PortSecurityTrapLogState1Desc[];
extern const QnSNMPVarDesc PortSecurityControl1Desc[];
extern const QnSNMPVarDesc Management1Desc[];
extern const QnSNMPVarDesc CoSPriorityTable1Desc[];
extern const QnSNMPVarDesc CoSPortPRITable1Desc[];
extern const QnSNMPVarDesc CosSMacBasePRITable1Desc[];
extern const QnSNMPVarDesc CoSToSPRITable1Desc[];
extern const QnSNMPVarDesc CoSDHCPPRITable1Desc[];
extern const QnSNMPVarDesc PoESystemControl1Desc[];
extern const QnSNMPVarDesc PoESysteminformation1Desc[];
extern const QnSNMPVarDesc PoEPortControl1Desc[];
extern const QnSNMPVarDesc PoEPortInformation1Desc[];
extern const QnSNMPVarDesc BasicInfo1Desc[];
extern const QnSNMPVarDesc MaxConcurrentRequests1Desc[];
extern const QnSNMPVarDesc PingControlTable1Desc[];
extern const QnSNMPVarDesc PingResultsTable1Desc[];
extern const QnSNMPVarDesc ProbeHistoryTable1Desc[];
extern const QnSNMPVarDesc MaxConcurrentRequests2Desc[];
extern const QnSNMPVarDesc TrouceControlTable1Desc[];
extern const QnSNMPVarDesc TraceRouteResultTable1Desc[];
extern const QnSNMPVarDesc ProbeHistoryTable2Desc[];
extern const QnSNMPVarDesc RouteHopsTable1Desc[];
// clang-format on
