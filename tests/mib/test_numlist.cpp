#include "mib/QnNumList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ParseCase
{
    char separator;
    const char* text;
    std::vector<int32_t> items;
};

class NumListParse : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(NumListParse, GivesTheItems)
{
    const ParseCase& c = GetParam();
    QnNumList<int32_t> list;
    list.Separator = c.separator;
    list.Parse(c.text);
    ASSERT_EQ(list.Count(), int(c.items.size())) << c.text;
    EXPECT_EQ(list.Items(), c.items) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumListParse,
    ::testing::Values(
        ParseCase{',', "0,2,5", {0, 2, 5}}, ParseCase{',', "", {}}, ParseCase{',', "7", {7}},
        ParseCase{',', "1,,3", {1, 0, 3}}, ParseCase{',', ",", {0, 0}}, ParseCase{',', "1,2,", {1, 2, 0}},
        // the default separator
        ParseCase{'.', "10.20.30", {10, 20, 30}}, ParseCase{'.', "2.5", {2, 5}},
        // a "." starts a fraction that digits never lift to a whole unit
        ParseCase{',', "2.5", {2}}, ParseCase{',', "2.59,4", {2, 4}}, ParseCase{',', "12.", {12}},
        // no check of the characters: each counts as a digit by its code
        ParseCase{',', "-1", {('-' - '0') * 10 + 1}},
        ParseCase{',', "12ab", {(12 * 10 + ('a' - '0')) * 10 + ('b' - '0')}},
        ParseCase{',', "2.a", {2 + 4}}, // 2 + 0.1 x 49, whole part
        // whole digits accumulate modulo 2^32
        ParseCase{',', "3000000000", {int32_t(3000000000u)}}, ParseCase{',', "99999999999", {1215752191}}));

TEST(NumList, UnsignedWrapsAtTwoToThe32)
{
    QnNumList<uint32_t> list;
    list.Separator = ',';
    list.Parse("4294967295,4294967296,65535");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ItemAt(0), 4294967295u);
    EXPECT_EQ(list.ItemAt(1), 0u);
    EXPECT_EQ(list.ItemAt(2), 65535u);
}

TEST(NumList, ParseReplacesTheOldItems)
{
    QnNumList<int32_t> list;
    list.Separator = ',';
    list.Parse("1,2,3");
    ASSERT_EQ(list.Count(), 3);
    list.Parse("9");
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.ItemAt(0), 9);
    list.Parse(nullptr);
    EXPECT_EQ(list.Count(), 0);
}

TEST(NumList, FindGivesTheFirstPositionOrMinusOne)
{
    QnNumList<int32_t> list;
    list.Separator = ',';
    list.Parse("0,2,5,2");
    EXPECT_EQ(list.Find(5), 2);
    EXPECT_EQ(list.Find(2), 1);
    EXPECT_EQ(list.Find(0), 0);
    EXPECT_EQ(list.Find(4), -1);
    QnNumList<int32_t> empty;
    EXPECT_EQ(empty.Find(0), -1);
}

TEST(NumList, CountItemsCountsSeparators)
{
    QnNumList<int32_t> list;
    EXPECT_EQ(list.Separator, '.');
    EXPECT_EQ(list.CountItems(nullptr), 0);
    EXPECT_EQ(list.CountItems(""), 0);
    EXPECT_EQ(list.CountItems("x"), 1);
    EXPECT_EQ(list.CountItems("1.2.3"), 3);
    EXPECT_EQ(list.CountItems("1,2,3"), 1);
    list.Separator = ',';
    EXPECT_EQ(list.CountItems(",,"), 3);
    EXPECT_EQ(list.CountItems("1,2,3"), 3);
}

} // namespace
