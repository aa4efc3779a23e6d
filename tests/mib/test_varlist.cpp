#include "mib/QnOptionList.h"
#include "mib/QnSNMPVarList.h"

#include <gtest/gtest.h>

namespace {

const QnIntOption kStatusPairs[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const QnOptionList kStatus(kStatusPairs);

// A table with one index column, as a window of rows keeps it.
const QnSNMPVarDesc kTable[] = {
    {"1.3.6.1.4.1.98762.1.5.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr},
    {"1.3.6.1.4.1.98762.1.5.1.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr},
    {"1.3.6.1.4.1.98762.1.5.1.3", "Mask", SYN_OCTETSTR, ACC_READONLY, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr},
    {"1.3.6.1.4.1.98762.1.5.1.4", "Status", SYN_INTEGER, ACC_READWRITE, &kStatus, nullptr, nullptr, nullptr,
     nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

const QnSNMPVarDesc kEmpty[] = {
    {nullptr, "ignored", SYN_INTEGER, ACC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

TEST(VarList, ConstructCopiesTheDescriptors)
{
    QnSNMPVarList list(kTable, MVT_FMV, 1);
    EXPECT_EQ(list.ListKind, MVT_FMV);
    EXPECT_EQ(list.IndexCount, 1);
    EXPECT_EQ(list.InstanceText, "");
    EXPECT_EQ(list.Title, "");
    ASSERT_EQ(list.Count(), 4);
    for (int i = 0; i < 4; ++i) {
        const QnSNMPVar& v = list.Get(i);
        EXPECT_EQ(v.Oid, kTable[i].Oid);
        EXPECT_EQ(v.Label, kTable[i].Label);
        EXPECT_EQ(v.Syntax, kTable[i].Syntax);
        EXPECT_EQ(v.Access, kTable[i].Access);
        EXPECT_EQ(v.Options, kTable[i].Options);
        EXPECT_FALSE(v.ReadFormula || v.WriteFormula || v.Note);
        EXPECT_EQ(v.Value, "");
        EXPECT_EQ(v.LastOid, "");
    }
    // the copies are the list's own
    list.Get(1).Oid += ".7";
    EXPECT_STREQ(kTable[1].Oid, "1.3.6.1.4.1.98762.1.5.1.2");
}

TEST(VarList, OptionalFieldsAndInitialTexts)
{
    const QnSNMPVarDesc table[] = {
        {"1.3.6.1.2.1.1.3", "Up", SYN_TIMETICKS, ACC_READONLY, nullptr, "$1/100", "$1*100", "note",
         "0:00:05.00", "1.3.6.1.2.1.1.3.0"},
        {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    QnSNMPVarList list(table, SVT_SV, 0);
    ASSERT_EQ(list.Count(), 1);
    const QnSNMPVar& v = list.Get(0);
    EXPECT_EQ(v.ReadFormula.value_or("-"), "$1/100");
    EXPECT_EQ(v.WriteFormula.value_or("-"), "$1*100");
    EXPECT_EQ(v.Note.value_or("-"), "note");
    EXPECT_EQ(v.Value, "0:00:05.00");
    EXPECT_EQ(v.LastOid, "1.3.6.1.2.1.1.3.0");
}

TEST(VarList, EmptyTable)
{
    QnSNMPVarList empty(kEmpty, SVT_SV, 0);
    EXPECT_EQ(empty.Count(), 0);
    QnSNMPVarList list(kTable, MVT_UMV, 1);
    list.Append(kEmpty);
    list.Append(nullptr);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Get(3).Label, "Status");
    QnSNMPVarList none;
    EXPECT_EQ(none.Count(), 0);
    EXPECT_EQ(none.ListKind, SVT_SV);
    EXPECT_EQ(none.IndexCount, 0);
}

TEST(VarList, AppendKeepsTheExistingVariablesFirst)
{
    QnSNMPVarList list(kTable, MVT_UMV, 1);
    QnSNMPVar* first = &list.Get(0);
    list.Get(0).Value = "5";
    list.Append(kTable);
    ASSERT_EQ(list.Count(), 8);
    EXPECT_EQ(&list.Get(0), first); // records stay where they are
    EXPECT_EQ(list.Get(0).Value, "5");
    EXPECT_EQ(list.Get(4).Value, "");
    EXPECT_EQ(list.Get(7).Label, "Status");
}

TEST(VarList, AssignCopiesDeeplyButNotTheInstance)
{
    QnSNMPVarList source(kTable, MVT_FMV, 1);
    source.InstanceText = "12";
    source.Title = "Rules";
    source.Get(3).Value = "active";
    source.Get(3).LastOid = "1.3.6.1.4.1.98762.1.5.1.4.12";
    source.Get(2).Access |= ACC_INVALID;

    QnSNMPVarList target(kEmpty, MVT_UMV, 3);
    target.InstanceText = "kept";
    target.AddVariable("1.2.3", "old", SYN_INTEGER, ACC_READONLY);
    target.Assign(source);
    EXPECT_EQ(target.ListKind, MVT_FMV);
    EXPECT_EQ(target.IndexCount, 1);
    EXPECT_EQ(target.Title, "Rules");
    EXPECT_EQ(target.InstanceText, "kept");
    ASSERT_EQ(target.Count(), 4);
    EXPECT_EQ(target.Get(3).Options, &kStatus);
    EXPECT_EQ(target.Get(3).Value, "active");
    EXPECT_EQ(target.Get(3).LastOid, "1.3.6.1.4.1.98762.1.5.1.4.12");
    EXPECT_EQ(target.Get(2).Access, ACC_READONLY | ACC_INVALID);

    source.Get(3).Value = "destroy";
    source.Get(0).Oid = "changed";
    EXPECT_EQ(target.Get(3).Value, "active");
    EXPECT_EQ(target.Get(0).Oid, "1.3.6.1.4.1.98762.1.5.1.1");

    QnSNMPVarList copy(source);
    EXPECT_EQ(copy.InstanceText, "");
    EXPECT_EQ(copy.Count(), 4);
    EXPECT_EQ(copy.Get(3).Value, "destroy");
    QnSNMPVarList assigned;
    assigned = source;
    EXPECT_EQ(assigned.ListKind, MVT_FMV);
    EXPECT_EQ(assigned.Count(), 4);
    QnSNMPVarList& alias = assigned;
    assigned = alias; // self-assignment keeps the list
    EXPECT_EQ(assigned.Count(), 4);
    assigned.Clear();
    EXPECT_EQ(assigned.Count(), 0);
}

TEST(VarList, AddVariable)
{
    QnSNMPVarList list;
    list.AddVariable("1.3.6.1.4.1.98762.1.1.1", "Save", SYN_INTEGER, ACC_READWRITE, &kStatus, "", "", "");
    list.AddVariable("1.3.6.1.2.1.1.5", "Name", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, "r", "w", "n");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(0).Options, &kStatus);
    EXPECT_FALSE(list.Get(0).ReadFormula || list.Get(0).WriteFormula || list.Get(0).Note);
    EXPECT_EQ(list.Get(0).Value, "");
    EXPECT_EQ(list.Get(0).LastOid, "");
    EXPECT_EQ(list.Get(1).ReadFormula.value_or(""), "r");
    EXPECT_EQ(list.Get(1).WriteFormula.value_or(""), "w");
    EXPECT_EQ(list.Get(1).Note.value_or(""), "n");
}

TEST(VarList, AppendInstanceChangesTheOids)
{
    QnSNMPVarList list;
    list.AddVariable("1.3.6.1.2.1.10.7.2.1.2", "a", SYN_COUNTER, ACC_READONLY);
    list.AddVariable("1.3.6.1.2.1.10.7.2.1.3", "b", SYN_COUNTER, ACC_READONLY);
    list.AppendInstance("3");
    EXPECT_EQ(list.Get(0).Oid, "1.3.6.1.2.1.10.7.2.1.2.3");
    EXPECT_EQ(list.Get(1).Oid, "1.3.6.1.2.1.10.7.2.1.3.3");
    EXPECT_EQ(list.InstanceText, "");
    list.AppendInstance("4.5");
    EXPECT_EQ(list.Get(1).Oid, "1.3.6.1.2.1.10.7.2.1.3.3.4.5");
}

struct PredicateCase
{
    uint8_t kind;
    int32_t indexCount;
    int position; // of a list of three variables that all have the access below
    uint32_t access;
    bool implied, read, write, shown, hidden;
};

class VarListPredicates : public ::testing::TestWithParam<PredicateCase>
{
};

TEST_P(VarListPredicates, Flags)
{
    const PredicateCase& c = GetParam();
    QnSNMPVarList list;
    list.ListKind = c.kind;
    list.IndexCount = c.indexCount;
    for (int i = 0; i < 3; ++i)
        list.AddVariable("1.3.6.1.4.1.98762.9." + std::to_string(i), "v", SYN_INTEGER, c.access);
    const std::string what = "kind " + std::to_string(c.kind) + " index " + std::to_string(c.indexCount) +
                             " pos " + std::to_string(c.position) + " access " + std::to_string(c.access);
    EXPECT_EQ(list.IsImplied(c.position), c.implied) << what;
    EXPECT_EQ(list.IsReadSelected(c.position), c.read) << what;
    EXPECT_EQ(list.IsWriteSelected(c.position), c.write) << what;
    EXPECT_EQ(list.IsShown(c.position), c.shown) << what;
    EXPECT_EQ(list.IsHidden(c.position), c.hidden) << what;
    EXPECT_EQ(list.CountShown(), c.shown ? 3 : 0) << what;
    EXPECT_EQ(list.CountHidden(), c.hidden ? 3 : 0) << what;
}

INSTANTIATE_TEST_SUITE_P(
    Access, VarListPredicates,
    ::testing::Values(
        //           kind    idx pos access        impl   read   write  shown  hidden
        PredicateCase{SVT_SV, 0, 0, ACC_NOTACCESS, false, false, false, true, false},
        PredicateCase{SVT_SV, 0, 0, ACC_READONLY, false, true, false, true, false},
        PredicateCase{SVT_SV, 0, 0, ACC_WRITEONLY, false, false, true, false, true},
        PredicateCase{SVT_SV, 0, 0, ACC_READWRITE, false, true, true, true, false},
        PredicateCase{SVT_SV, 0, 0, ACC_DERIVED, false, false, false, true, false},
        PredicateCase{SVT_SV, 0, 0, ACC_HIDDEN, false, false, false, false, true},
        PredicateCase{SVT_SV, 0, 0, ACC_HIDDEN | ACC_READWRITE, false, true, true, false, true},
        PredicateCase{SVT_SV, 0, 0, ACC_INVALID, false, false, false, false, true},
        PredicateCase{SVT_SV, 0, 0, ACC_INVALID | ACC_READWRITE, false, false, false, false, true},
        PredicateCase{SVT_SV, 0, 0, ACC_WRITEONLY | ACC_DERIVED, false, false, true, true, false},
        PredicateCase{SVT_SV, 0, 0, 0, false, false, false, false, false},
        // index variables of table lists count as selected for writing
        PredicateCase{MVT_UMV, 1, 0, ACC_NOTACCESS, false, false, true, true, false},
        PredicateCase{MVT_FMV, 2, 1, ACC_NOTACCESS, false, false, true, true, false},
        PredicateCase{MVT_UMV, 1, 1, ACC_NOTACCESS, false, false, false, true, false},
        PredicateCase{MVT_SV, 1, 0, ACC_NOTACCESS, false, false, false, true, false},
        PredicateCase{SVT_SV, 1, 0, ACC_NOTACCESS, false, false, false, true, false},
        PredicateCase{MVT_UMV, 1, 0, ACC_NOTACCESS | ACC_INVALID, false, false, false, false, true},
        PredicateCase{MVT_UMV, 2, 1, ACC_NOTACCESS | ACC_IMPLIED, true, false, true, true, false},
        PredicateCase{MVT_UMV, 2, 1, ACC_READWRITE | ACC_IMPLIED, true, true, true, true, false}));

TEST(VarList, CountsOverMixedAccess)
{
    QnSNMPVarList list(kTable, MVT_UMV, 1);
    list.AddVariable("1.3.6.1.4.1.98762.1.5.1.5", "Key", SYN_OCTETSTR, ACC_WRITEONLY);
    // Index (1), Name (6), Mask (2), Status (6), Key (4)
    EXPECT_EQ(list.CountShown(), 4);
    EXPECT_EQ(list.CountHidden(), 1);
    list.Get(1).Access |= ACC_INVALID; // left out of one write
    EXPECT_EQ(list.CountShown(), 3);
    EXPECT_EQ(list.CountHidden(), 2);
    EXPECT_FALSE(list.IsWriteSelected(1));
    EXPECT_FALSE(list.IsReadSelected(1));
    list.Get(1).Access &= ~ACC_INVALID;
    EXPECT_TRUE(list.IsWriteSelected(1));
}

TEST(VarList, OwnedOptionListsLiveWithTheList)
{
    QnSNMPVarList list(kTable, MVT_UMV, 1);
    auto owned = std::make_unique<QnOptionList>(kStatusPairs);
    const QnOptionList* raw = owned.get();
    list.AdoptOptionList(std::move(owned));
    list.AdoptOptionList(nullptr);
    EXPECT_EQ(list.OwnedOptionListCount(), 1);
    list.Get(0).Options = raw;
    EXPECT_EQ(list.Get(0).Options->ValueToName("6"), "destroy");
}

TEST(VarList, NameListsOfKindsSyntaxesAndAccess)
{
    const QnOptionList& kinds = QnSNMPVarList::ListKindNames();
    ASSERT_EQ(kinds.Count(), 4);
    EXPECT_EQ(kinds.ValueToName("0"), "SVT_SV");
    EXPECT_EQ(kinds.ValueToName("1"), "MVT_SV");
    EXPECT_EQ(kinds.ValueToName("2"), "MVT_FMV");
    EXPECT_EQ(kinds.ValueToName("3"), "MVT_UMV");

    const QnOptionList& syntaxes = QnSNMPVarList::SyntaxNames();
    const int order[] = {2,  3,  4,  5,  6,  64, 65,  66,  67,  68,  70,  1,   69,
                         71, 72, 73, 74, 75, 76, 193, 194, 195, 196, 197, 198, 77};
    const char* names[] = {"integer",    "bitstr",     "octetstr",  "null",       "objectid",  "ipaddress",
                           "counter",    "guage",      "timeticks", "opaque",     "counter64", "boolean",
                           "nsapaddr",   "uinteger",   "double",    "macaddress", "datetime",  "bcdatetime",
                           "displaystr", "bool8",      "int8",      "uint8",      "bool16",    "int16",
                           "uint16",     "ipv6address"};
    ASSERT_EQ(syntaxes.Count(), 26);
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(syntaxes.Get(i).IntValue, order[i]) << i;
        EXPECT_EQ(syntaxes.Get(i).Name, names[i]) << i;
    }

    const QnOptionList& access = QnSNMPVarList::AccessNames();
    const int values[] = {1, 2, 4, 6, 8, 16, 32};
    const char* accessNames[] = {"notaccess", "readonly", "writeonly", "readwrite",
                                 "derived",   "hidden",   "invalid"};
    ASSERT_EQ(access.Count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(access.Get(i).IntValue, values[i]) << i;
        EXPECT_EQ(access.Get(i).Name, accessNames[i]) << i;
    }
}

} // namespace
