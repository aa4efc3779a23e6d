// The catalogue of generated windows: entries, captions and the settings each
// entry adds to its window.
#include "features/Catalogue.h"
#include "features/Descriptors.h"
#include "mib/QnSNMPVarList.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct ExpectedRows
{
    const char* handler;
    int rows;
};

// Number of variables of every generated window, in catalogue order.
// clang-format off
const ExpectedRows CatalogueRows[] = {
    {"MibCapabilities1Click", 4},
    {"BasicConfigure1Click", 4},
    {"CpuUtilization1Click", 3},
    {"CurrentTime1Click", 5},
    {"IFXTable1Click", 20},
    {"RMONSetting1Click", 1},
    {"Information1Click", 5},
    {"PortTable1Click", 5},
    {"DefaultUserPrioritiesofEachPort1Click", 3},
    {"RegeneratedUserPriorities1Click", 3},
    {"UserPrioritiesToTrafficClass1Click", 3},
    {"PortOutboundAccessPriorities1Click", 3},
    {"UnicastForwardingInformation1Click", 4},
    {"snmpEngine1Click", 4},
    {"MessageProcessingandDispatching1Click", 3},
    {"GeneralInformation1Click", 3},
    {"CommunityTargetAddressTableClick", 9},
    {"TargetParameters1Click", 7},
    {"Statistics2Click", 6},
    {"UserTable1Click", 13},
    {"SecurityTable1Click", 5},
    {"AccessTable1Click", 10},
    {"ViewTable1Click", 6},
    {"NotifyTable1Click", 5},
    {"NotifyFilterProfileTale1Click", 4},
    {"NotifyFilterEntryTable1Click", 6},
    {"CommunityStringTable1Click", 8},
    {"TargetAddressTable1Click", 3},
    {"Auth1Click", 2},
    {"Configuration2Click", 1},
    {"PortAuthenticationConfiguration1Click", 15},
    {"Diagnostics1Click", 19},
    {"PortSessionStatistics1Click", 10},
    {"StateTable1Click", 5},
    {"SessionInformation1Click", 11},
    {"AuthenticationServerTable1Click", 15},
    {"AccountingServerInformation1Click", 4},
    {"AccountingServerTable1Click", 13},
    {"SSHManagement1Click", 7},
    {"EncryptionAlgorithm1Click", 14},
    {"AuthenticationMethod1Click", 3},
    {"PortInformation1Click", 3},
    {"PortControl1Click", 8},
    {"TrunkBasicInformation1Click", 3},
    {"BandwidthControlTable1Click", 3},
    {"SchedulingTable1Click", 2},
    {"N8021pUserPriorityTable1Click", 2},
    {"N8021pDefaultPriorityTable1Click", 2},
    {"IGMPControlTable1Click", 12},
    {"IGMPQuery1Click", 3},
    {"IGMPInformation1Click", 5},
    {"SingleIPControl1Click", 4},
    {"MyInformation1Click", 3},
    {"CandidateSwitch1Click", 7},
    {"GroupInformation1Click", 8},
    {"AggregatorTable1Click", 11},
    {"TACACSControl1Click", 1},
    {"TACACSInformation1Click", 6},
    {"LoginInformation1Click", 8},
    {"ServerGroup1Click", 18},
    {"PortAuthStatistics1Click", 13},
    {"NeighborSwitch1Click", 3},
    {"ConfigurationIdentification1Click", 2},
    {"InstanceInformation1Click", 24},
    {"PortStateInformation1Click", 11},
    {"PortMSTPInformation1Click", 7},
    {"SystemLogState1Click", 4},
    {"Time1Click", 3},
    {"ProbeBasicInformation1Click", 4},
    {"NetConfiguration1Click", 3},
    {"NetDefaultGateway1Click", 1},
    {"Databaseinformation1Click", 2},
    {"AuthenticationServer1Click", 2},
    {"Multipleimagemanagement1Click", 6},
    {"PAEPortTable1Click", 5},
    {"IGMPGeneral1Click", 2},
    {"GlobalManagement1Click", 1},
    {"CPUFilterControl1Click", 1},
    {"AggregatorPortList1Click", 2},
    {"PortInformation3Click", 2},
    {"PacketStormControlTable1Click", 9},
    {"ConsoleModeControl1Click", 5},
    {"SMTPInformationTable1Click", 1},
    {"SMTPMailReceiverTable1Click", 3},
    {"Dot3Collision1Click", 3},
    {"BasicConfigure2Click", 2},
    {"ServiceTable1Click", 3},
    {"DeviceControl2Click", 13},
    {"IPMACBindingControl1Click", 3},
    {"PortErrorTable1Click", 5},
    {"PortSecurityTrapLogState1Click", 1},
    {"PortSecurityControl1Click", 4},
    {"Management1Click", 6},
    {"CoSPriorityTable1Click", 5},
    {"CoSPortPRITable1Click", 2},
    {"CosSMacBasePRITable1Click", 2},
    {"CoSToSPRITable1Click", 2},
    {"CoSDHCPPRITable1Click", 2},
    {"PoESystemControl1Click", 3},
    {"PoESysteminformation1Click", 2},
    {"PoEPortControl1Click", 5},
    {"PoEPortInformation1Click", 7},
    {"BasicInfo1Click", 3},
    {"MaxConcurrentRequests1Click", 1},
    {"PingControlTable1Click", 7},
    {"PingResultsTable1Click", 12},
    {"ProbeHistoryTable1Click", 7},
    {"MaxConcurrentRequests2Click", 1},
    {"TrouceControlTable1Click", 9},
    {"TraceRouteResultTable1Click", 10},
    {"ProbeHistoryTable2Click", 11},
    {"RouteHopsTable1Click", 12},
};
// clang-format on

std::vector<std::string> Labels(const CatalogueEntry& e)
{
    std::vector<std::string> labels;
    for (int i = 0; e.Vars[i].Oid; ++i)
        labels.emplace_back(e.Vars[i].Label);
    return labels;
}

const CatalogueEntry& Entry(const char* handler)
{
    const CatalogueEntry* e = FindCatalogueEntry(handler);
    if (!e)
        throw std::runtime_error(std::string("no catalogue entry ") + handler);
    return *e;
}

std::set<std::string> HandlersWhere(bool (*pred)(const CatalogueEntry&))
{
    std::set<std::string> out;
    for (const CatalogueEntry& e : CatalogueEntries()) {
        if (pred(e))
            out.insert(e.Handler);
    }
    return out;
}

} // namespace

TEST(Catalogue, HasEveryEntryInOrderWithItsVariableCount)
{
    auto entries = CatalogueEntries();
    ASSERT_EQ(entries.size(), std::size(CatalogueRows));
    ASSERT_EQ(entries.size(), 112u);
    std::set<std::string> handlers, paths;
    for (size_t i = 0; i < entries.size(); ++i) {
        const CatalogueEntry& e = entries[i];
        SCOPED_TRACE(e.Handler);
        EXPECT_STREQ(e.Handler, CatalogueRows[i].handler);
        EXPECT_EQ(VariableCount(e), CatalogueRows[i].rows);
        EXPECT_EQ(DescriptorCount(e.Vars), CatalogueRows[i].rows);
        EXPECT_EQ(e.Vars[CatalogueRows[i].rows].Oid, nullptr);
        EXPECT_TRUE(handlers.insert(e.Handler).second) << "handler twice";
        EXPECT_TRUE(paths.insert(e.MenuPath).second) << "menu path twice";
        EXPECT_EQ(FindCatalogueEntry(e.Handler), &e);
    }
    EXPECT_EQ(FindCatalogueEntry("About1Click"), nullptr);
    EXPECT_EQ(FindCatalogueEntry(""), nullptr);
}

TEST(Catalogue, ListKindsIndexCountsAndSetups)
{
    for (const CatalogueEntry& e : CatalogueEntries()) {
        SCOPED_TRACE(e.Handler);
        const int n = VariableCount(e);
        EXPECT_TRUE(e.ListKind == SVT_SV || e.ListKind == MVT_FMV || e.ListKind == MVT_UMV)
            << int(e.ListKind);
        EXPECT_GE(e.IndexCount, 0);
        EXPECT_LE(e.IndexCount, n);
        if (e.ListKind == SVT_SV) {
            EXPECT_EQ(e.IndexCount, 0);
            EXPECT_EQ(e.Setup, PanelSetup::Scalars);
        }
        if (e.Setup == PanelSetup::Table) {
            EXPECT_GE(e.IndexCount, 1);
            EXPECT_EQ(e.EditWidth, 0) << "edit width is for scalar windows";
        } else {
            EXPECT_EQ(e.RowStatus, -1);
            EXPECT_FALSE(e.NoEditButton);
        }
    }
    // The one table read as a column of scalars.
    const CatalogueEntry& net = Entry("NetConfiguration1Click");
    EXPECT_EQ(net.ListKind, MVT_FMV);
    EXPECT_EQ(net.IndexCount, 0);
    EXPECT_EQ(net.Setup, PanelSetup::Scalars);
}

TEST(Catalogue, VariableListsBuildFromEveryEntry)
{
    for (const CatalogueEntry& e : CatalogueEntries()) {
        SCOPED_TRACE(e.Handler);
        QnSNMPVarList list(e.Vars, e.ListKind, e.IndexCount);
        ASSERT_EQ(list.Count(), VariableCount(e));
        EXPECT_EQ(list.ListKind, e.ListKind);
        EXPECT_EQ(list.IndexCount, e.IndexCount);
        for (int i = 0; i < list.Count(); ++i) {
            EXPECT_EQ(list.Get(i).Label, e.Vars[i].Label);
            EXPECT_EQ(list.Get(i).Options, e.Vars[i].Options);
        }
    }
}

TEST(Catalogue, RowStatusColumnsCreateAndDeleteByName)
{
    const std::set<std::string> expected{"CommunityTargetAddressTableClick",
                                         "TargetParameters1Click",
                                         "UserTable1Click",
                                         "SecurityTable1Click",
                                         "AccessTable1Click",
                                         "ViewTable1Click",
                                         "NotifyTable1Click",
                                         "NotifyFilterProfileTale1Click",
                                         "NotifyFilterEntryTable1Click",
                                         "CommunityStringTable1Click",
                                         "ServerGroup1Click",
                                         "InstanceInformation1Click",
                                         "SMTPMailReceiverTable1Click",
                                         "PingControlTable1Click",
                                         "TrouceControlTable1Click"};
    EXPECT_EQ(HandlersWhere([](const CatalogueEntry& e) { return e.RowStatus >= 0; }), expected);
    for (const CatalogueEntry& e : CatalogueEntries()) {
        if (e.RowStatus < 0)
            continue;
        SCOPED_TRACE(e.Handler);
        ASSERT_LT(e.RowStatus, VariableCount(e));
        const QnSNMPVarDesc& rs = e.Vars[e.RowStatus];
        EXPECT_EQ(rs.Access, uint32_t(ACC_READWRITE));
        ASSERT_NE(rs.Options, nullptr);
        EXPECT_GE(rs.Options->FindByName(RowCreateValue), 0);
        EXPECT_GE(rs.Options->FindByName(RowDeleteValue), 0);
        EXPECT_EQ(rs.Options->NameToValue(RowCreateValue), "4");
        EXPECT_EQ(rs.Options->NameToValue(RowDeleteValue), "6");
    }
    EXPECT_EQ(Entry("TargetParameters1Click").RowStatus, 6);
    EXPECT_STREQ(Entry("TargetParameters1Click").Vars[6].Label, "Row Status");
}

TEST(Catalogue, EditConstraintsUseTheKnownTextsOnExistingPositions)
{
    const std::set<std::string> texts{
        "%i{n10x65535l5}",   "%i{n0x7l1}",      "%i{n0x255l3}",  "%i{n0x65535l5}",   "%i{n1x65535l5}",
        "%i{n1x10l2}",       "%i{n1x99l2}",     "%i{n1x25l2}",   "%i{n1x255l3}",     "%i{n1x16711450l8}",
        "%i{n0x16711450l8}", "%i{n100x255l3}",  "%i{n30x90l2}",  "%s{l32}",          "%s{l128}",
        "%i{n0x61440l5}",    "%s{l21}",         "%i{n1x4094l4}", "%i{n1x500l3}",     "%i{n1x2147483647l10}",
        "%i{n1x16l2}",       "%i{n0x165535l5}", "%i{n37x370l3}", "%i{n1000x16800l5}"};
    std::set<std::string> used;
    int entriesWithFormats = 0;
    for (const CatalogueEntry& e : CatalogueEntries()) {
        SCOPED_TRACE(e.Handler);
        const int k = FormatCount(e);
        EXPECT_EQ(e.Formats[k].Format, nullptr);
        entriesWithFormats += k > 0;
        int last = -1;
        for (int i = 0; i < k; ++i) {
            const CatalogueFormat& f = e.Formats[i];
            EXPECT_GT(f.Position, last) << "positions ascend, each once";
            last = f.Position;
            ASSERT_LT(f.Position, VariableCount(e));
            EXPECT_TRUE(texts.count(f.Format)) << f.Format;
            used.insert(f.Format);
            // A constraint limits an edit field, so the variable is writable.
            EXPECT_EQ(e.Vars[f.Position].Access, uint32_t(ACC_READWRITE)) << f.Position;
        }
    }
    EXPECT_EQ(used, texts);
    EXPECT_EQ(entriesWithFormats, 19);

    const CatalogueEntry& igmp = Entry("IGMPControlTable1Click");
    ASSERT_EQ(FormatCount(igmp), 7);
    const char* igmpTexts[] = {"%i{n1x65535l5}",    "%i{n1x25l2}",       "%i{n1x255l3}",     "%i{n1x65535l5}",
                               "%i{n1x16711450l8}", "%i{n1x16711450l8}", "%i{n0x16711450l8}"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(igmp.Formats[i].Position, i + 1);
        EXPECT_STREQ(igmp.Formats[i].Format, igmpTexts[i]);
    }
    // Positions count from 0 and include the index variable.
    const CatalogueEntry& prio = Entry("DefaultUserPrioritiesofEachPort1Click");
    ASSERT_EQ(FormatCount(prio), 1);
    EXPECT_EQ(prio.Formats[0].Position, 1);
    EXPECT_STREQ(prio.Vars[1].Label, "Default User Priority");
    const CatalogueEntry& mstp = Entry("InstanceInformation1Click");
    ASSERT_EQ(FormatCount(mstp), MaxCatalogueFormats);
    EXPECT_EQ(mstp.Formats[8].Position, 11);
    EXPECT_STREQ(mstp.Formats[8].Format, "%i{n0x61440l5}");
}

TEST(Catalogue, HeightsWidthsAndHiddenEditButtons)
{
    EXPECT_EQ(HandlersWhere([](const CatalogueEntry& e) { return e.Height != 0; }),
              (std::set<std::string>{"MibCapabilities1Click", "IFXTable1Click", "PortTable1Click",
                                     "Multipleimagemanagement1Click", "Dot3Collision1Click"}));
    for (const CatalogueEntry& e : CatalogueEntries())
        EXPECT_TRUE(e.Height == 0 || e.Height == 450) << e.Handler;
    EXPECT_EQ(HandlersWhere([](const CatalogueEntry& e) { return e.EditWidth != 0; }),
              std::set<std::string>{"snmpEngine1Click"});
    EXPECT_EQ(Entry("snmpEngine1Click").EditWidth, 150);
    EXPECT_EQ(HandlersWhere([](const CatalogueEntry& e) { return e.NoEditButton; }),
              (std::set<std::string>{"ServerGroup1Click", "SMTPMailReceiverTable1Click",
                                     "PingControlTable1Click", "TrouceControlTable1Click"}));
    EXPECT_EQ(HandlersWhere([](const CatalogueEntry& e) { return e.RefreshesRmonMenu; }),
              std::set<std::string>{"RMONSetting1Click"});
}

TEST(Catalogue, CaptionsAndWindowTitles)
{
    struct Case
    {
        const char* handler;
        const char* caption;
        const char* title;
    };
    const Case cases[] = {
        {"IFXTable1Click", "IfX Table: 10.1.2.3", "IfX Table: 10.1.2.3"},
        {"PortTable1Click", "Port Table : 10.1.2.3", "Port Table"},
        {"TargetParameters1Click", "Target Parameters: 10.1.2.3", "Target Parameters"},
        {"GroupInformation1Click", "Single IP Group Management 10.1.2.3",
         "Single IP Group Management 10.1.2.3"},
        {"RMONSetting1Click", "RMON State : 10.1.2.3", "RMON State"},
        {"MessageProcessingandDispatching1Click", "Message Processingand Dispatching: 10.1.2.3",
         "Message Processingand Dispatching: 10.1.2.3"},
        {"PacketStormControlTable1Click", "Packet Strom Control Table : 10.1.2.3",
         "Packet Strom Control Table"},
        {"SystemLogState1Click", "System Log Mangement : 10.1.2.3", "System Log Mangement"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        EXPECT_EQ(WindowCaption(Entry(c.handler), "10.1.2.3"), c.caption);
        EXPECT_EQ(CurrentWindowTitle(Entry(c.handler), "10.1.2.3"), c.title);
    }
    for (const CatalogueEntry& e : CatalogueEntries()) {
        std::string sep = e.Separator;
        EXPECT_TRUE(sep.empty() || sep == " : " || sep == ": ") << e.Handler;
        EXPECT_STRNE(e.Title, "") << e.Handler;
    }
}

TEST(Catalogue, MenuPathsAndHiddenEntries)
{
    const std::set<std::string> topMenus{
        "Basic Configuration", "RMON",     "Bridge", "VLAN", "SNMP V3", "Security Management",
        "Layer 2 Management",  "Single IP"};
    for (const CatalogueEntry& e : CatalogueEntries()) {
        SCOPED_TRACE(e.Handler);
        std::vector<std::string> captions = MenuCaptions(e);
        ASSERT_GE(captions.size(), 2u);
        EXPECT_TRUE(topMenus.count(captions.front())) << captions.front();
        for (const std::string& c : captions) {
            EXPECT_FALSE(c.empty());
            EXPECT_NE(c.front(), ' ');
            EXPECT_NE(c.back(), ' ');
        }
    }
    EXPECT_EQ(MenuCaptions(Entry("DefaultUserPrioritiesofEachPort1Click")),
              (std::vector<std::string>{"VLAN", "802.1P", "Priority Information",
                                        "Default User Priorities of Each Port"}));
    EXPECT_EQ(MenuCaptions(Entry("RMONSetting1Click")), (std::vector<std::string>{"RMON", "RMON Control"}));
    EXPECT_EQ(MenuCaptions(Entry("UnicastForwardingInformation1Click"))[2], "Forwarding/Filtering");

    EXPECT_EQ(HandlersWhere([](const CatalogueEntry& e) { return e.Hidden; }),
              (std::set<std::string>{
                  "RegeneratedUserPriorities1Click", "PortOutboundAccessPriorities1Click",
                  "ProbeBasicInformation1Click", "NetConfiguration1Click", "NetDefaultGateway1Click",
                  "PortInformation3Click", "Dot3Collision1Click", "IPMACBindingControl1Click",
                  "PoESystemControl1Click", "PoESysteminformation1Click", "PoEPortControl1Click",
                  "PoEPortInformation1Click", "ProbeHistoryTable1Click", "ProbeHistoryTable2Click",
                  "RouteHopsTable1Click"}));
}

TEST(Catalogue, BasicManagementInFull)
{
    const CatalogueEntry& e = Entry("BasicConfigure1Click");
    EXPECT_STREQ(e.MenuPath, "Basic Configuration > Agent Management > Basic Management");
    EXPECT_EQ(e.ListKind, SVT_SV);
    EXPECT_EQ(e.IndexCount, 0);
    ASSERT_EQ(VariableCount(e), 4);
    struct Row
    {
        const char* oid;
        const char* label;
        uint32_t access;
        const QnOptionList* options;
    };
    // Three variables under the agent's basic group, one under its IP group.
    const Row rows[] = {
        {"1.3.6.1.4.1.98762.12.1.2.4", "RS232 Port", ACC_READONLY, &OptE2},
        {"1.3.6.1.4.1.98762.12.1.2.3", "System Reset", ACC_READWRITE, &OptE3},
        {"1.3.6.1.4.1.98762.12.1.2.6", "Save", ACC_READWRITE, &OptE4},
        {"1.3.6.1.4.1.98762.12.1.3.3", "Get IP From", ACC_READWRITE, &OptE5},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(e.Vars[i].Oid, rows[i].oid);
        EXPECT_STREQ(e.Vars[i].Label, rows[i].label);
        EXPECT_EQ(e.Vars[i].Syntax, uint32_t(SYN_INTEGER));
        EXPECT_EQ(e.Vars[i].Access, rows[i].access);
        EXPECT_EQ(e.Vars[i].Options, rows[i].options);
    }
    EXPECT_EQ(OptE3.NameToValue("warm-start"), "3");
    EXPECT_EQ(OptE4.NameToValue("all"), "4");
    EXPECT_EQ(OptE5.ValueToName("4"), "dhcp");
}

TEST(Catalogue, TargetParametersInFull)
{
    const CatalogueEntry& e = Entry("TargetParameters1Click");
    EXPECT_EQ(e.ListKind, MVT_UMV);
    EXPECT_EQ(e.IndexCount, 1);
    EXPECT_EQ(e.Setup, PanelSetup::Table);
    EXPECT_EQ(Labels(e), (std::vector<std::string>{"Name", "MP Model", "Security Model", "Securit yName",
                                                   "Security Level", "StorageType", "Row Status"}));
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(e.Vars[i].Oid, "1.3.6.1.6.3.12.1.3.1." + std::to_string(i + 1));
    EXPECT_EQ(e.Vars[0].Access, uint32_t(ACC_NOTACCESS | ACC_IMPLIED));
    EXPECT_EQ(e.Vars[0].Syntax, uint32_t(SYN_DISPLAYSTR));
    EXPECT_EQ(e.Vars[4].Options, &OptE13);
    EXPECT_EQ(e.Vars[5].Options, &OptE11);
    EXPECT_EQ(e.Vars[6].Options, &OptE12);
}

TEST(Catalogue, SpotChecksOfLabelsInOrder)
{
    const CatalogueEntry& ifx = Entry("IFXTable1Click");
    EXPECT_EQ(ifx.ListKind, MVT_UMV);
    EXPECT_EQ(ifx.IndexCount, 1);
    ASSERT_EQ(VariableCount(ifx), 20);
    // The interface index of the interfaces table, then the nineteen extension columns.
    EXPECT_STREQ(ifx.Vars[0].Oid, "1.3.6.1.2.1.2.2.1.1");
    for (int i = 1; i < 20; ++i)
        EXPECT_EQ(ifx.Vars[i].Oid, "1.3.6.1.2.1.31.1.1.1." + std::to_string(i));
    EXPECT_STREQ(ifx.Vars[4].Label, "Multicast Packets Sended");
    EXPECT_EQ(ifx.Vars[6].Syntax, uint32_t(SYN_COUNTER64));
    EXPECT_STREQ(ifx.Vars[19].Label, "Discontinuity Time Count");

    const CatalogueEntry& igmp = Entry("IGMPControlTable1Click");
    EXPECT_EQ(igmp.ListKind, MVT_UMV);
    EXPECT_EQ(igmp.IndexCount, 1);
    EXPECT_EQ(Labels(igmp), (std::vector<std::string>{
                                "VLAN ID", "Query Interval", "Max Response Time", "Robustness",
                                "Last Member Query Interval", "Host Timeout", "Route Timeout", "Leave Timer",
                                "Query State", "Current State", "Control State", "Fast Leave"}));
    EXPECT_STREQ(igmp.Vars[7].Oid, "1.3.6.1.4.1.98762.11.63.6.2.7.3.1.8");
    EXPECT_EQ(igmp.Vars[8].Options, &OptE8);
    EXPECT_EQ(igmp.Vars[9].Options, &OptE35);
    EXPECT_EQ(igmp.Vars[9].Access, uint32_t(ACC_READONLY));
    EXPECT_EQ(igmp.Vars[11].Options, &OptE36);

    // Index variables without a column of their own have an empty OID.
    const CatalogueEntry& fdb = Entry("UnicastForwardingInformation1Click");
    EXPECT_EQ(fdb.ListKind, MVT_UMV);
    EXPECT_EQ(fdb.IndexCount, 2);
    EXPECT_EQ(Labels(fdb), (std::vector<std::string>{"FDB ID", "Address", "Port", "Status"}));
    EXPECT_STREQ(fdb.Vars[0].Oid, "");
    EXPECT_EQ(fdb.Vars[0].Syntax, uint32_t(SYN_GAUGE));
    EXPECT_STREQ(fdb.Vars[1].Oid, "1.3.6.1.2.1.17.7.1.2.2.1.1");

    // Labels are kept letter for letter, double blanks included.
    const CatalogueEntry& dhcp = Entry("Management1Click");
    EXPECT_STREQ(dhcp.Vars[5].Label, "DHCP Relay Option 82  Policy");
    EXPECT_STREQ(Entry("IPMACBindingControl1Click").Vars[0].Label, "IP-MAC Binding ACL  Mode State");
    EXPECT_STREQ(Entry("CurrentTime1Click").Vars[4].Label, "System Time Zone [ -779..839]");
    EXPECT_STREQ(Entry("Time1Click").Vars[1].Label, "Current Clock(Example 1992-5-26,13:30:15.0)");
    EXPECT_EQ(Entry("Time1Click").Vars[1].Syntax, uint32_t(SYN_DATETIME));

    const CatalogueEntry& trace = Entry("ProbeHistoryTable2Click");
    EXPECT_EQ(trace.ListKind, MVT_UMV);
    EXPECT_EQ(trace.IndexCount, 4);
    EXPECT_EQ(Labels(trace).back(), "History Time");

    const CatalogueEntry& ports = Entry("AggregatorPortList1Click");
    EXPECT_STREQ(ports.Vars[0].Oid, "1.3.6.1.4.1.98762.12.4.1.1.1.1.1");
    EXPECT_STREQ(ports.Vars[1].Oid, "1.3.6.1.4.1.98762.12.4.1.1.2.1.1");
}
