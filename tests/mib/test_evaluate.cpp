// Conditions, formulas and the text helpers of the binding library.
#include "mib/QnDateTime.h"
#include "mib/QnErrorCatalogue.h"
#include "mib/QnEvaluate.h"
#include "mib/QnException.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::string Repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

// -1 when the evaluation raises "Bad logic operand!", else 0 or 1.
int Cond(const std::string& text)
{
    try {
        return EvaluateCondition(text) ? 1 : 0;
    } catch (const QnException& e) {
        EXPECT_EQ(e.Code(), QNERR_BAD_LOGIC_OPERAND);
        EXPECT_EQ(e.Text(), "Bad logic operand!");
        return -1;
    }
}

int Comp(const std::string& text)
{
    try {
        return EvaluateComparison(text) ? 1 : 0;
    } catch (const QnException& e) {
        EXPECT_EQ(e.Code(), QNERR_BAD_LOGIC_OPERAND);
        return -1;
    }
}

} // namespace

TEST(Evaluate, Comparison)
{
    const struct
    {
        const char* text;
        int result; // -1: raises -1
    } cases[] = {
        {"10<9", 1}, // characters, not numbers
        {"9<10", 0},
        {"a=a", 1},
        {" \"a\" = a ", 1},
        {"\"a b\"=a b", 1},
        {"a<>b", 1},
        {"a<>a", 0},
        {"b>=a", 1},
        {"a>=a", 1},
        {"a<=a", 1},
        {"b<=a", 0},
        {"B<a", 1}, // character codes,
                    // not locale order
        {"a>B", 1},
        {"A=a", 0},
        {"x==y", 0},   // the first "=" splits: x against =y
        {"a<>=b", 1},  // "<>" is tried first
        {"\xE9>z", 1}, // codes above 127 compare as unsigned
        {"=", 1},
        {"true", 1},
        {"TRUE", 1},
        {"False", 0},
        {" true", -1},
        {"maybe", -1},
        {"", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Comp(c.text), c.result) << c.text;
    // NOW stands for the current date-time number, compared as text.
    EXPECT_EQ(Comp("NOW>40000"), 1);
    EXPECT_EQ(Comp("now<50000"), 1);
    EXPECT_EQ(Comp("\"NOW\"<>x"), 1);
}

TEST(Evaluate, Condition)
{
    const struct
    {
        const char* text;
        int result;
    } cases[] = {
        {"(\"a\"=\"a\")&!x=y", 1},
        {"a=a|b", 1}, // the right part is not evaluated
        {"a=b|b", -1},
        {"a=b|b=b", 1},
        {"a=b&c", 0}, // the right part is not evaluated
        {"a=a&c", -1},
        {"a=a&b=b&c=c", 1},
        {"a=a&b=b&c=d", 0},
        {"!a=b", 1},
        {"!!a=a", 1},
        {"!(a=a)", 0},
        {"((a=a))", 1},
        {"(a=b)|(c=c)", 1},
        {"(a=b|c=c)&d=d", 1},
        {"a=b|c=c&d=e", 0},     // "|" binds loosest
        {"\"a|b\"=\"a|b\"", 1}, // a quoted operator is text
        {"\"(\"=\"(\"", 1},
        {"\"x&y\"<>\"x\"", 1},
        {"(a=a", 0}, // no matching ")": "(a" against "a"
        {"()", -1},
        {"", -1},
        {"true|x", 1},
        {"false&x", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cond(c.text), c.result) << c.text;
}

TEST(Evaluate, DeepTextsRaiseInsteadOfExhaustingTheStack)
{
    const int limit = kMaxEvaluationDepth;
    EXPECT_EQ(Cond(Repeat("(", limit - 1) + "a=a" + Repeat(")", limit - 1)), 1);
    EXPECT_EQ(Cond(Repeat("(", limit + 1) + "a=a" + Repeat(")", limit + 1)), -1);
    EXPECT_EQ(Cond(Repeat("(", 5000) + "a=a" + Repeat(")", 5000)), -1);
    // Long flat texts are not deep.
    EXPECT_EQ(Cond(Repeat("a=a&", 2000) + "b=b"), 1);
    EXPECT_EQ(Cond(Repeat("a=b|", 2000) + "b=b"), 1);
    EXPECT_EQ(Cond(Repeat("!", 2001) + "a=a"), 0);
    EXPECT_EQ(Cond(Repeat("(a=a)&", 500) + "b=b"), 1);
    EXPECT_EQ(EvaluateArithmetic(Repeat("1+", 2000) + "1"), 2001);
    EXPECT_EQ(EvaluateArithmetic(Repeat("2*", 20) + "1"), 1 << 20);
    EXPECT_EQ(EvaluateArithmetic(Repeat("(", limit - 1) + "7" + Repeat(")", limit - 1)), 7);
    try {
        EvaluateArithmetic(Repeat("(", 5000) + "1" + Repeat(")", 5000));
        ADD_FAILURE() << "no error";
    } catch (const QnException& e) {
        EXPECT_EQ(e.Code(), -1);
        EXPECT_EQ(e.Text(), "Bad logic operand!");
    }
}

TEST(Evaluate, Arithmetic)
{
    const struct
    {
        const char* text;
        long double value;
    } cases[] = {
        {"2*(3+4)", 14}, {"9-3-2", 8}, // 9-(3-2)
        {"6/2*3", 18},                 // "*" first: 6/2 read as the number 6
        {"1+2", 3},      {"2*3+4", 10}, {"2*(3+(4*5))", 46}, {"10/4", 2.5L}, {"-5", -5},        {" 7", 7},
        {"abc", 0},      {"", 0},       {"1.5e2", 150},      {"(1/4)*8", 2}, {"100/(2*5)", 10}, {"((2))", 2},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(double(EvaluateArithmetic(c.text)), double(c.value), 1e-9) << c.text;
    // A parenthesised result is written back as text, so a negative result
    // brings its own "-": (1-3)*2 becomes -2*2, which is 0 - 2*2.
    EXPECT_EQ(EvaluateArithmetic("(1-3)*2"), -4);
    EXPECT_TRUE(std::isinf(EvaluateArithmetic("1/0")));
    EXPECT_NEAR(double(EvaluateArithmetic("NOW")), DateTimeNow(), 1.0 / 86400);
    EXPECT_NEAR(double(EvaluateArithmetic("now+1")), DateTimeNow() + 1, 1.0 / 86400);
}

TEST(TextHelpers, StripQuotes)
{
    const struct
    {
        const char* text;
        const char* result;
    } cases[] = {{"", ""},       {"\"a\"", "a"},         {"\"\"", ""}, {"\"", ""},          {"\"a", "\"a"},
                 {"a\"", "a\""}, {"\"\"a\"\"", "\"a\""}, {"a", "a"},   {" \"a\"", " \"a\""}};
    for (const auto& c : cases)
        EXPECT_EQ(StripQuotes(c.text), c.result) << c.text;
}

TEST(TextHelpers, ReplaceAll)
{
    const struct
    {
        const char* text;
        const char* what;
        const char* with;
        const char* result;
    } cases[] = {
        {"Please enter a number between [MIN] and [MAX]!", "[MIN]", "1",
         "Please enter a number between 1 and [MAX]!"},
        {"[X][X]", "[X]", "y", "yy"},
        {"aaa", "aa", "b", "ba"},
        {"abc", "b", "bb", "abbc"}, // the replacement is not scanned again
        {"abc", "", "x", "abc"},
        {"", "a", "b", ""},
        {"abc", "abcd", "x", "abc"},
        {"Get: [ERROR] Request", "[ERROR]", "", "Get:  Request"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceAll(c.text, c.what, c.with), c.result) << c.text;
}

TEST(TextHelpers, SpanOfSet)
{
    const std::string digits = "-0123456789.";
    const struct
    {
        const char* text;
        int start;
        int result;
    } cases[] = {
        {"n1x65535l5", 2, 2}, {"n1x65535l5", 4, 8}, {"n1x65535l5", 1, 0}, {"12", 1, 2}, {"12", 2, 2},
        {"12", 3, 0},         {"12", 0, 0},         {"12", -5, 0},        {"", 1, 0},   {"1-2x", 1, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpanOfSet(c.text, c.start, digits), c.result) << c.text << " at " << c.start;
}
