#include "mib/QnOptionList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const QnIntOption kEnable[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const QnIntOption kSigned[] = {{-1, "other"}, {0, "none"}, {2147483647, "max"}, {0, nullptr}};
const QnIntOption kDuplicates[] = {{1, "a"}, {1, "b"}, {2, "a"}, {0, nullptr}};
const QnTextOption kAuth[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
                              {"1.3.6.1.6.3.10.1.1.2", "MD5"},
                              {"1.3.6.1.6.3.10.1.1.3", "SHA"},
                              {nullptr, nullptr}};
const QnTextOption kPrefix[] = {{"1.3.6.1.4.1.98762", "vn"}, {"1.3.6.1.2.1", "mib-2"}, {nullptr, nullptr}};

TEST(OptionList, EndPairFirstGivesAnEmptyList)
{
    const QnIntOption none[] = {{5, nullptr}};
    const QnTextOption noText[] = {{"x", nullptr}};
    QnOptionList a(none);
    QnOptionList b(noText);
    EXPECT_EQ(a.Count(), 0);
    EXPECT_EQ(b.Count(), 0);
    EXPECT_EQ(a.FindByValue("5"), -1);
    EXPECT_EQ(a.ValueToName("5"), "5");
    EXPECT_EQ(b.NameToValue("x"), "x");
}

TEST(OptionList, EntriesInSourceOrderAndAppendAddsAfter)
{
    QnOptionList list(kEnable, QnOptionList::Integer, false);
    EXPECT_EQ(list.GetKind(), 1u);
    EXPECT_FALSE(list.IsCaseSensitive());
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(0).IntValue, 1);
    EXPECT_EQ(list.Get(0).Name, "enabled");
    EXPECT_EQ(list.Get(1).IntValue, 2);
    EXPECT_EQ(list.Get(1).Name, "disabled");
    list.Append(kSigned);
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list.Get(2).Name, "other");
    EXPECT_EQ(list.ValueToName("-1"), "other");
}

TEST(OptionList, TextValuesAreCopied)
{
    char value[] = "1.3.6.1.6.3.10.1.2.2";
    char name[] = "DES";
    const QnTextOption source[] = {{value, name}, {nullptr, nullptr}};
    QnOptionList list(source, QnOptionList::Text, false);
    std::memset(value, 'z', std::strlen(value));
    std::memset(name, 'z', std::strlen(name));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Get(0).TextValue, "1.3.6.1.6.3.10.1.2.2");
    EXPECT_EQ(list.Get(0).Name, "DES");
    EXPECT_EQ(list.ValueToName("1.3.6.1.6.3.10.1.2.2"), "DES");
}

enum Op { ByName, ByValue, ToName, ToValue };

struct LookupCase
{
    const char* list;
    Op op;
    const char* input;
    const char* expected; // a position for ByName/ByValue
};

const QnOptionList& ListNamed(const std::string& name)
{
    static const QnOptionList enable(kEnable, QnOptionList::Integer, false);
    static const QnOptionList enableCase(kEnable, QnOptionList::Integer, true);
    static const QnOptionList signedList(kSigned, QnOptionList::Integer, false);
    static const QnOptionList duplicates(kDuplicates, QnOptionList::Integer, false);
    static const QnOptionList auth(kAuth, QnOptionList::Text, false);
    static const QnOptionList authCase(kAuth, QnOptionList::Text, true);
    static const QnOptionList prefix(kPrefix, QnOptionList::Prefix, false);
    static const QnOptionList prefixCase(kPrefix, QnOptionList::Prefix, true);
    if (name == "enable")
        return enable;
    if (name == "enableCase")
        return enableCase;
    if (name == "signed")
        return signedList;
    if (name == "duplicates")
        return duplicates;
    if (name == "auth")
        return auth;
    if (name == "authCase")
        return authCase;
    if (name == "prefix")
        return prefix;
    return prefixCase;
}

class OptionLookup : public ::testing::TestWithParam<LookupCase>
{
};

TEST_P(OptionLookup, Gives)
{
    const LookupCase& c = GetParam();
    const QnOptionList& list = ListNamed(c.list);
    switch (c.op) {
    case ByName:
        EXPECT_EQ(list.FindByName(c.input), std::stoi(c.expected)) << c.list << " " << c.input;
        break;
    case ByValue:
        EXPECT_EQ(list.FindByValue(c.input), std::stoi(c.expected)) << c.list << " " << c.input;
        break;
    case ToName:
        EXPECT_EQ(list.ValueToName(c.input), c.expected) << c.list << " " << c.input;
        break;
    case ToValue:
        EXPECT_EQ(list.NameToValue(c.input), c.expected) << c.list << " " << c.input;
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, OptionLookup,
    ::testing::Values(
        // kind 1: integer values, names compared whole
        LookupCase{"enable", ToName, "2", "disabled"}, LookupCase{"enable", ToName, "7", "7"},
        LookupCase{"enable", ToName, "(NULL)", "(NULL)"}, LookupCase{"enable", ToName, "", ""},
        LookupCase{"enable", ToValue, "ENABLED", "1"}, LookupCase{"enable", ToValue, "disabled", "2"},
        LookupCase{"enable", ToValue, "enable", "enable"},
        LookupCase{"enable", ToValue, "enabledx", "enabledx"}, LookupCase{"enable", ByValue, "abc", "-1"},
        LookupCase{"enable", ByValue, "(NULL)", "-1"}, LookupCase{"enable", ByValue, "1", "0"},
        LookupCase{"enable", ByValue, "+2", "1"},
        // strict conversion: no blanks, no trailing text, no overflow
        LookupCase{"enable", ByValue, " 1", "-1"}, LookupCase{"enable", ByValue, "1x", "-1"},
        LookupCase{"enable", ByValue, "4294967297", "-1"}, LookupCase{"enable", ByValue, "-", "-1"},
        LookupCase{"enable", ByName, "Disabled", "1"}, LookupCase{"enable", ByName, "", "-1"},
        LookupCase{"enableCase", ToValue, "ENABLED", "ENABLED"},
        LookupCase{"enableCase", ToValue, "enabled", "1"}, LookupCase{"signed", ToName, "-1", "other"},
        LookupCase{"signed", ToName, "2147483647", "max"}, LookupCase{"signed", ToValue, "other", "-1"},
        LookupCase{"signed", ToName, "2147483648", "2147483648"},
        // the first match wins
        LookupCase{"duplicates", ToName, "1", "a"}, LookupCase{"duplicates", ToValue, "a", "1"},
        LookupCase{"duplicates", ByName, "a", "0"},
        // kind 2: text values compared whole, with the case rule
        LookupCase{"auth", ToName, "1.3.6.1.6.3.10.1.1.2", "MD5"},
        LookupCase{"auth", ToValue, "MD5", "1.3.6.1.6.3.10.1.1.2"},
        LookupCase{"auth", ToValue, "sha", "1.3.6.1.6.3.10.1.1.3"},
        LookupCase{"auth", ToName, "1.3.6.1.6.3.10.1.1.2.0", "1.3.6.1.6.3.10.1.1.2.0"},
        LookupCase{"auth", ToName, "1.3.6.1.6.3.10.1.1", "1.3.6.1.6.3.10.1.1"},
        LookupCase{"auth", ByValue, "(NULL)", "-1"}, LookupCase{"authCase", ToValue, "sha", "sha"},
        // kind 3: prefixes
        LookupCase{"prefix", ToName, "1.3.6.1.2.1.1.5", "mib-2.1.5"},
        LookupCase{"prefix", ToName, "1.3.6.1.2.1", "mib-2"},
        LookupCase{"prefix", ToName, "1.3.6.1.2", "1.3.6.1.2"},
        LookupCase{"prefix", ToName, "1.3.6.1.4.1.98762.2.1", "vn.2.1"},
        LookupCase{"prefix", ToValue, "mib-2.1.5", "1.3.6.1.2.1.1.5"},
        LookupCase{"prefix", ToValue, "MIB-2", "1.3.6.1.2.1"}, LookupCase{"prefix", ToValue, "mib", "mib"},
        LookupCase{"prefix", ByName, "vnx", "0"}, LookupCase{"prefix", ByValue, "1.3.6.1.2.1.99", "1"},
        LookupCase{"prefixCase", ToValue, "MIB-2.1", "MIB-2.1"}));

TEST(OptionList, ValueNameRoundTrip)
{
    for (const char* name : {"enable", "signed", "auth", "prefix"}) {
        const QnOptionList& list = ListNamed(name);
        for (int i = 0; i < list.Count(); ++i) {
            const QnOptionList::Entry& e = list.Get(i);
            const std::string value =
                list.GetKind() == QnOptionList::Integer ? std::to_string(e.IntValue) : e.TextValue;
            EXPECT_EQ(list.ValueToName(value), e.Name) << name << " " << i;
            EXPECT_EQ(list.NameToValue(e.Name), value) << name << " " << i;
        }
    }
}

} // namespace
