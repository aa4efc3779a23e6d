// The small expression evaluators of the binding library (conditions that
// filter rows and formulas that transform values) and three text helpers.
#pragma once

#include <string>
#include <string_view>

// Deepest nesting of sub-expressions the evaluators follow; a deeper text
// raises "Bad logic operand!" (-1) instead of exhausting the stack.
inline constexpr int kMaxEvaluationDepth = 256;

// One comparison "a<>b", "a>=b", "a<=b", "a>b", "a<b" or "a=b" of two texts
// compared character code by character code ("NOW" is the current date-time
// number), or the words "true" / "false". Anything else raises -1.
bool EvaluateComparison(const std::string& text);
// Conditions with "(", ")", "|", "&" and "!" over comparisons; "|" binds
// loosest. A part between the first two double quotes is not an operator.
bool EvaluateCondition(const std::string& text);
// Formulas with "(", ")", "+", "-", "*" and "/" over numbers and "NOW".
// Note the library's grouping: 9-3-2 is 9-(3-2), and the left side of "*" or
// "/" is read as a single number (6/2*3 is 6*3).
long double EvaluateArithmetic(const std::string& text);

// Removes one pair of surrounding double quotes.
std::string StripQuotes(const std::string& text);
// Replaces every non-overlapping occurrence, scanning left to right.
std::string ReplaceAll(const std::string& text, const std::string& what, const std::string& replacement);
// The last position (counted from 1) of the run of characters from `set` that
// begins at `start` (counted from 1), or 0 when the character at `start` is
// not in the set.
int SpanOfSet(const std::string& text, int start, std::string_view set);
