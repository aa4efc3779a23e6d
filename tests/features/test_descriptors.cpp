// Option lists and descriptor records of the generated windows.
#include "features/Catalogue.h"
#include "features/Descriptors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>

namespace {

// Number of value/name pairs of each enumeration, E1 first.
// clang-format off
const int EnumerationSizes[EnumerationCount] = {
    4, 1, 2, 4, 3, 2, 2, 2, 4, 5, 5, 6, 3, 3, 2, 2, 2, 2, 2, 2,
    9, 7, 2, 2, 3, 2, 8, 4, 3, 7, 2, 8, 2, 3, 2, 2, 3, 6, 3, 3,
    2, 3, 8, 8, 3, 2, 3, 2, 2, 2, 2, 2, 2, 3, 6, 5, 3, 3, 2, 3,
    4, 2, 3, 2, 2, 3, 3, 3, 3, 2, 2, 2, 3, 5, 3, 4, 3, 2, 3, 11,
};
// clang-format on

std::set<const QnOptionList*> KnownOptionLists()
{
    std::set<const QnOptionList*> lists{&OptUsmAuthProtocol, &OptUsmPrivProtocol, &OptRedundantPower};
    for (int tag = 1; tag <= EnumerationCount; ++tag)
        lists.insert(Enumeration(tag));
    return lists;
}

const QnSNMPVarDesc* FindColumn(const QnSNMPVarDesc* table, const std::string& label)
{
    for (int i = 0; table[i].Oid; ++i) {
        if (label == table[i].Label)
            return &table[i];
    }
    return nullptr;
}

} // namespace

TEST(Enumerations, EightyIntegerListsOfTheExpectedSizes)
{
    std::set<const QnOptionList*> distinct;
    for (int tag = 1; tag <= EnumerationCount; ++tag) {
        SCOPED_TRACE("E" + std::to_string(tag));
        const QnOptionList* list = Enumeration(tag);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->GetKind(), uint32_t(QnOptionList::Integer));
        EXPECT_FALSE(list->IsCaseSensitive());
        EXPECT_EQ(list->Count(), EnumerationSizes[tag - 1]);
        for (int i = 0; i < list->Count(); ++i)
            EXPECT_FALSE(list->Get(i).Name.empty());
        distinct.insert(list);
    }
    EXPECT_EQ(distinct.size(), size_t(EnumerationCount));
    EXPECT_EQ(Enumeration(0), nullptr);
    EXPECT_EQ(Enumeration(EnumerationCount + 1), nullptr);
    EXPECT_EQ(Enumeration(1), &OptE1);
    EXPECT_EQ(Enumeration(80), &OptE80);
}

TEST(Enumerations, ValuesAndNamesAsTheDeviceUsesThem)
{
    struct Case
    {
        const QnOptionList* list;
        int position;
        int value;
        const char* name;
    };
    const Case cases[] = {
        {&OptE1, 0, 1, "other"},
        {&OptE8, 0, 2, "disabled"},
        {&OptE8, 1, 3, "enabled"},
        {&OptE12, 3, 4, "createAndGo"},
        {&OptE12, 5, 6, "destroy"},
        {&OptE23, 0, 0, "both"},
        {&OptE27, 7, 999, "notTerminatedYet"},
        {&OptE28, 3, 60, "sixty-min"},
        {&OptE31, 1, 101, "fiber"},
        {&OptE32, 7, 8, "nway-disabled-1Gigabps-Full-Slave"},
        {&OptE39, 1, 4, "createAndGo"},
        {&OptE44, 7, 7, "loopback"},
        {&OptE55, 4, 6, "baudRate-57200"},
        {&OptE68, 1, 2, "Ethernet 802.1P"},
        {&OptE79, 2, 16, "dns"},
        {&OptE80, 10, 11, "invalidHostAddress"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_LT(c.position, c.list->Count());
        EXPECT_EQ(c.list->Get(c.position).IntValue, c.value);
        EXPECT_EQ(c.list->Get(c.position).Name, c.name);
    }
}

TEST(Enumerations, NamesStandForValuesThatDoNotStartAtOne)
{
    EXPECT_EQ(OptE8.ValueToName("3"), "enabled");
    EXPECT_EQ(OptE8.ValueToName("2"), "disabled");
    EXPECT_EQ(OptE8.NameToValue("enabled"), "3");
    EXPECT_EQ(OptE8.ValueToName("1"), "1");
    EXPECT_EQ(OptE23.NameToValue("both"), "0");
    EXPECT_EQ(OptE27.ValueToName("999"), "notTerminatedYet");
}

TEST(TextOptionLists, ProtocolIdentifiersAndDeviceStatus)
{
    EXPECT_EQ(OptUsmAuthProtocol.GetKind(), uint32_t(QnOptionList::Text));
    EXPECT_EQ(OptUsmPrivProtocol.GetKind(), uint32_t(QnOptionList::Text));
    EXPECT_EQ(OptRedundantPower.GetKind(), uint32_t(QnOptionList::Text));
    for (const QnOptionList* list : {&OptUsmAuthProtocol, &OptUsmPrivProtocol, &OptRedundantPower})
        EXPECT_FALSE(list->IsCaseSensitive());

    ASSERT_EQ(OptUsmAuthProtocol.Count(), 3);
    EXPECT_EQ(OptUsmAuthProtocol.ValueToName("1.3.6.1.6.3.10.1.1.1"), "None");
    EXPECT_EQ(OptUsmAuthProtocol.ValueToName("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(OptUsmAuthProtocol.NameToValue("SHA"), "1.3.6.1.6.3.10.1.1.3");

    ASSERT_EQ(OptUsmPrivProtocol.Count(), 2);
    EXPECT_EQ(OptUsmPrivProtocol.ValueToName("1.3.6.1.6.3.10.1.2.1"), "None");
    EXPECT_EQ(OptUsmPrivProtocol.NameToValue("DES"), "1.3.6.1.6.3.10.1.2.2");

    ASSERT_EQ(OptRedundantPower.Count(), 1);
    EXPECT_EQ(OptRedundantPower.ValueToName("40"), "Redundant Power");
}

// The user table's protocol columns carry object identifiers: a row of the
// agent shows the protocol's name, and the chosen name is written back as the
// protocol's identifier, never as a number.
TEST(UserTable, ProtocolColumnsNameAndWriteObjectIdentifiers)
{
    const CatalogueEntry* entry = FindCatalogueEntry("UserTable1Click");
    ASSERT_NE(entry, nullptr);
    const QnSNMPVarDesc* auth = FindColumn(entry->Vars, "Authentication Protocol");
    const QnSNMPVarDesc* priv = FindColumn(entry->Vars, "Privacy Protocol");
    ASSERT_NE(auth, nullptr);
    ASSERT_NE(priv, nullptr);
    EXPECT_EQ(auth->Syntax, uint32_t(SYN_OBJECTID));
    EXPECT_EQ(priv->Syntax, uint32_t(SYN_OBJECTID));
    ASSERT_EQ(auth->Options, &OptUsmAuthProtocol);
    ASSERT_EQ(priv->Options, &OptUsmPrivProtocol);

    EXPECT_EQ(auth->Options->ValueToName("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(auth->Options->NameToValue("SHA"), "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(priv->Options->ValueToName("1.3.6.1.6.3.10.1.2.2"), "DES");
    EXPECT_EQ(priv->Options->NameToValue("None"), "1.3.6.1.6.3.10.1.2.1");

    // No generated window refers to the device's numeric protocol codes.
    for (const CatalogueEntry& e : CatalogueEntries()) {
        for (int i = 0; e.Vars[i].Oid; ++i) {
            EXPECT_NE(e.Vars[i].Options, &OptE14) << e.Handler;
            EXPECT_NE(e.Vars[i].Options, &OptE15) << e.Handler;
        }
    }
}

TEST(DescriptorTables, EveryRecordIsWellFormed)
{
    const std::set<uint32_t> syntaxes{
        SYN_INTEGER,   SYN_BITSTR,    SYN_OCTETSTR,   SYN_OBJECTID, SYN_IPADDRESS,  SYN_COUNTER,    SYN_GAUGE,
        SYN_TIMETICKS, SYN_COUNTER64, SYN_MACADDRESS, SYN_DATETIME, SYN_DISPLAYSTR, SYN_IPV6ADDRESS};
    const std::set<uint32_t> accesses{ACC_NOTACCESS, ACC_READONLY, ACC_READWRITE,
                                      ACC_NOTACCESS | ACC_IMPLIED};
    const std::set<const QnOptionList*> known = KnownOptionLists();
    const std::regex dotted("[0-9]+(\\.[0-9]+)+");

    std::set<const QnOptionList*> used;
    int records = 0;
    for (const CatalogueEntry& e : CatalogueEntries()) {
        SCOPED_TRACE(e.Handler);
        const QnSNMPVarDesc* t = e.Vars;
        ASSERT_NE(t, nullptr);
        int n = DescriptorCount(t);
        ASSERT_GT(n, 0);
        // The end record is empty as a whole.
        const QnSNMPVarDesc& end = t[n];
        EXPECT_EQ(end.Label, nullptr);
        EXPECT_EQ(end.Syntax, 0u);
        EXPECT_EQ(end.Access, 0u);
        EXPECT_EQ(end.Options, nullptr);

        for (int i = 0; i < n; ++i) {
            const QnSNMPVarDesc& d = t[i];
            SCOPED_TRACE(i);
            ++records;
            ASSERT_NE(d.Label, nullptr);
            EXPECT_STRNE(d.Label, "");
            EXPECT_TRUE(syntaxes.count(d.Syntax)) << d.Syntax;
            EXPECT_TRUE(accesses.count(d.Access)) << d.Access;
            std::string oid = d.Oid;
            if (oid.empty()) {
                EXPECT_EQ(d.Access & ACC_NOTACCESS, uint32_t(ACC_NOTACCESS)) << "only an index has no OID";
            } else {
                EXPECT_TRUE(std::regex_match(oid, dotted)) << oid;
            }
            if (d.Options) {
                EXPECT_TRUE(known.count(d.Options)) << "unknown option list";
                used.insert(d.Options);
                uint32_t expected =
                    d.Options->GetKind() == QnOptionList::Integer ? SYN_INTEGER : SYN_OBJECTID;
                EXPECT_EQ(d.Syntax, expected);
            }
            EXPECT_EQ(d.ReadFormula, nullptr);
            EXPECT_EQ(d.WriteFormula, nullptr);
            EXPECT_EQ(d.Note, nullptr);
            EXPECT_EQ(d.InitValue, nullptr);
            EXPECT_EQ(d.InitLastOid, nullptr);
        }
    }
    EXPECT_EQ(records, 642);
    // Every enumeration but the two numeric protocol lists serves some column.
    for (int tag = 1; tag <= EnumerationCount; ++tag) {
        if (tag != 14 && tag != 15) {
            EXPECT_TRUE(used.count(Enumeration(tag))) << "E" << tag << " unused";
        }
    }
}

// An implied index is encoded without a length, which only works for the last
// index variable of a row.
TEST(DescriptorTables, ImpliedIndexIsAlwaysTheLastIndex)
{
    int implied = 0;
    for (const CatalogueEntry& e : CatalogueEntries()) {
        for (int i = 0; e.Vars[i].Oid; ++i) {
            if (e.Vars[i].Access & ACC_IMPLIED) {
                ++implied;
                EXPECT_EQ(i, e.IndexCount - 1) << e.Handler;
            }
        }
    }
    EXPECT_EQ(implied, 7);
}
