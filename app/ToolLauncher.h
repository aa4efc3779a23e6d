// Starting the host suite's sibling tools for the standard MIB tables the
// module does not show itself. A tool argument "/T<program>_<table>" names the
// program and the table to open; the program gets the device address and the
// SNMP credentials from SessionTexts on its command line.
#pragma once

#include "app/SessionTexts.h"

#include <string>

// The characters between the leading "/T" and the first underscore
// ("/TMIB_IFTable" gives "MIB"); empty when there is no underscore after them.
std::string ToolProgramName(const std::string& toolArgument);

// The command line: the program name, " /I" and the address, then either the
// eleven SNMPv3 switches (when the Version text is exactly "3") or the two
// communities, then " " and the tool argument and " " and the extra argument.
// Each switch is written together with its value, an empty value leaves the
// bare switch; nothing is quoted or escaped.
std::string BuildToolCommandLine(const SessionTexts& texts, const std::string& toolArgument,
                                 const std::string& extraArgument);

// Builds the command line and starts the program detached through the
// platform's process starter (the module's own folder first, no shell). The
// module does not wait and learns nothing: a program that cannot be found or
// started, and any error on the way, is swallowed.
void LaunchTool(const SessionTexts& texts, const std::string& toolArgument,
                const std::string& extraArgument = std::string());

// The menu entries that start sibling tools: the handler's name and its tool
// argument, in menu order.
struct ToolMenuEntry
{
    const char* Handler;
    const char* ToolArgument;
};
inline constexpr ToolMenuEntry ToolMenuEntries[] = {
    {"GeneralTable1Click", "/TIFMib_LastChangeTable"},
    {"Information3Click", "/TMIB_Info"},
    {"IfTable1Click", "/TMIB_IFTable"},
    {"IFCounter1Click", "/TMIB_IFCounters"},
    {"IPCounters1Click", "/TMIB_IPCounters"},
    {"IPRouting1Click", "/TMIB_IPRouting"},
    {"IPAddressTable1Click", "/TMIB_IPAddress"},
    {"ICMPCounters1Click", "/TMIB_ICMPCounters"},
    {"UDPCounters1Click", "/TMIB_UDPCounters"},
    {"SNMPCounters1Click", "/TMIB_SNMPCounters"},
    {"ARPTable1Click", "/TMIB_ARP"},
    {"dot3Statistics1Click", "/TEthernetLike_dot3StatsTable"},
    {"PhysicalTable1Click", "/TEntityMIB_Physical"},
    {"LogicalTable1Click", "/TEntityMIB_Logical"},
    {"Mapping1Click", "/TEntityMIB_Maping"},
    {"Statistics1Click", "/TRmon_Statistics"},
    {"History1Click", "/TRmon_History"},
    {"AlarmEvent1Click", "/TRmon_AlarmEvent"},
    {"ForwardingTable1Click", "/TBridge_Forwarding"},
    {"PortCounters1Click", "/TBridge_TpPortInfo"},
    {"GMRP1Click", "/TVLan_GMRP"},
    {"GVRP1Click", "/TVLan_GARP"},
    {"PortCapbility1Click", "/TVLan_PortCapability"},
};
