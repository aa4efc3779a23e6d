#include "mib/QnEvaluate.h"

#include "mib/QnDateTime.h"
#include "mib/QnErrorCatalogue.h"
#include "mib/QnValueText.h"

#include <vector>

namespace {

constexpr size_t npos = std::string::npos;

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool SameTextNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

// Removes blanks and control characters at both ends.
std::string Trim(const std::string& text)
{
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ')
        --e;
    return text.substr(b, e - b);
}

// Position of the ")" that closes the "(" at `open`, or npos.
size_t MatchingClose(const std::string& text, size_t open)
{
    int level = 1;
    for (size_t i = open + 1; i < text.size(); ++i) {
        if (text[i] == '(') {
            ++level;
        } else if (text[i] == ')') {
            if (--level == 0)
                return i;
        }
    }
    return npos;
}

void CheckDepth(int depth)
{
    if (depth > kMaxEvaluationDepth)
        RaiseError(QNERR_BAD_LOGIC_OPERAND);
}

std::string ComparisonOperand(const std::string& part)
{
    std::string s = StripQuotes(Trim(part));
    if (SameTextNoCase(s, "NOW"))
        return FormatGeneral(DateTimeNow());
    return s;
}

bool Condition(std::string text, int depth)
{
    CheckDepth(depth);
    bool negate = false;
    for (;;) {
        const size_t q1 = text.find('"');
        const size_t q2 = q1 == npos ? npos : text.find('"', q1 + 1);
        auto quoted = [&](size_t p) { return q1 != npos && q2 != npos && q1 < p && p < q2; };
        const size_t open = text.find('(');
        const size_t close = open == npos ? npos : MatchingClose(text, open);
        if (open != npos && close != npos && !quoted(open) && !quoted(close)) {
            const bool inner = Condition(text.substr(open + 1, close - open - 1), depth + 1);
            text = text.substr(0, open) + (inner ? "true" : "false") + text.substr(close + 1);
            continue;
        }
        const size_t orAt = text.find('|');
        if (orAt != npos && !quoted(orAt)) {
            if (Condition(text.substr(0, orAt), depth + 1))
                return !negate;
            text.erase(0, orAt + 1);
            continue;
        }
        const size_t andAt = text.find('&');
        if (andAt != npos && !quoted(andAt)) {
            if (!Condition(text.substr(0, andAt), depth + 1))
                return negate;
            text.erase(0, andAt + 1);
            continue;
        }
        const size_t notAt = text.find('!');
        if (notAt != npos && !quoted(notAt)) {
            // "!" is expected first: the rest of the text is negated.
            negate = !negate;
            text.erase(0, 1);
            continue;
        }
        return EvaluateComparison(text) != negate;
    }
}

long double SingleNumber(const std::string& text)
{
    if (SameTextNoCase(text, "NOW"))
        return DateTimeNow();
    return ReadNumber(text);
}

long double Arithmetic(std::string text, int depth)
{
    CheckDepth(depth);
    // Left operands waiting for the value of the text to their right.
    struct Pending
    {
        char Op;
        long double Left;
    };
    std::vector<Pending> pending;
    long double value = 0;
    for (;;) {
        const size_t open = text.find('(');
        const size_t close = open == npos ? npos : MatchingClose(text, open);
        if (open != npos && close != npos) {
            const long double inner = Arithmetic(text.substr(open + 1, close - open - 1), depth + 1);
            text = text.substr(0, open) + FormatGeneral(inner) + text.substr(close + 1);
            continue;
        }
        const size_t add = text.find('+');
        if (add != npos) {
            pending.push_back({'+', Arithmetic(text.substr(0, add), depth + 1)});
            text.erase(0, add + 1);
            continue;
        }
        const size_t sub = text.find('-');
        if (sub != npos) {
            pending.push_back({'-', Arithmetic(text.substr(0, sub), depth + 1)});
            text.erase(0, sub + 1);
            continue;
        }
        const size_t mul = text.find('*');
        if (mul != npos) {
            pending.push_back({'*', SingleNumber(text.substr(0, mul))});
            text.erase(0, mul + 1);
            continue;
        }
        const size_t div = text.find('/');
        if (div != npos) {
            pending.push_back({'/', SingleNumber(text.substr(0, div))});
            text.erase(0, div + 1);
            continue;
        }
        value = SingleNumber(text);
        break;
    }
    for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
        switch (it->Op) {
        case '+':
            value = it->Left + value;
            break;
        case '-':
            value = it->Left - value;
            break;
        case '*':
            value = it->Left * value;
            break;
        default:
            value = it->Left / value;
            break;
        }
    }
    return value;
}

} // namespace

bool EvaluateComparison(const std::string& text)
{
    static const char* const ops[] = {"<>", ">=", "<=", ">", "<", "="};
    for (const char* op : ops) {
        const size_t at = text.find(op);
        if (at == npos)
            continue;
        const std::string opText(op);
        const std::string left = ComparisonOperand(text.substr(0, at));
        const std::string right = ComparisonOperand(text.substr(at + opText.size()));
        const int c = left.compare(right); // unsigned character codes
        if (opText == "<>")
            return c != 0;
        if (opText == ">=")
            return c >= 0;
        if (opText == "<=")
            return c <= 0;
        if (opText == ">")
            return c > 0;
        if (opText == "<")
            return c < 0;
        return c == 0;
    }
    if (SameTextNoCase(text, "true"))
        return true;
    if (SameTextNoCase(text, "false"))
        return false;
    RaiseError(QNERR_BAD_LOGIC_OPERAND);
}

bool EvaluateCondition(const std::string& text)
{
    return Condition(text, 0);
}

long double EvaluateArithmetic(const std::string& text)
{
    return Arithmetic(text, 0);
}

std::string StripQuotes(const std::string& text)
{
    if (!text.empty() && text.front() == '"' && text.back() == '"')
        return text.size() < 2 ? std::string() : text.substr(1, text.size() - 2);
    return text;
}

std::string ReplaceAll(const std::string& text, const std::string& what, const std::string& replacement)
{
    if (what.empty())
        return text;
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    for (;;) {
        const size_t at = text.find(what, from);
        if (at == npos)
            break;
        out.append(text, from, at - from);
        out.append(replacement);
        from = at + what.size();
    }
    out.append(text, from, npos);
    return out;
}

int SpanOfSet(const std::string& text, int start, std::string_view set)
{
    if (start < 1 || size_t(start) > text.size())
        return 0;
    size_t i = size_t(start) - 1;
    if (set.find(text[i]) == std::string_view::npos)
        return 0;
    while (i < text.size() && set.find(text[i]) != std::string_view::npos)
        ++i;
    return int(i);
}
