#include "mib/QnOptionList.h"

#include "ui/TComboBox.h"
#include "ui/TRadioGroup.h"

#include <QStringList>
#include <cerrno>
#include <cstdlib>
#include <limits>

namespace {

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Compares a[0..n) with b[0..n).
bool EqualN(const char* a, const char* b, size_t n, bool caseSensitive)
{
    for (size_t i = 0; i < n; ++i) {
        if (caseSensitive ? a[i] != b[i] : Lower(a[i]) != Lower(b[i]))
            return false;
    }
    return true;
}

bool SameText(const std::string& a, const std::string& b, bool caseSensitive)
{
    return a.size() == b.size() && EqualN(a.data(), b.data(), a.size(), caseSensitive);
}

// text starts with prefix.
bool HasPrefix(const std::string& text, const std::string& prefix, bool caseSensitive)
{
    return text.size() >= prefix.size() && EqualN(text.data(), prefix.data(), prefix.size(), caseSensitive);
}

// Strict reading of a 32-bit integer: an optional sign and digits, nothing
// else, inside the 32-bit range.
bool StrictInt(const std::string& text, int32_t& out)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    if (i == text.size())
        return false;
    for (size_t j = i; j < text.size(); ++j)
        if (text[j] < '0' || text[j] > '9')
            return false;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno == ERANGE || v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return false;
    out = int32_t(v);
    return true;
}

} // namespace

QnOptionList::QnOptionList(const QnIntOption* source, uint32_t kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive)
{
    Append(source);
}

QnOptionList::QnOptionList(const QnTextOption* source, uint32_t kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive)
{
    Append(source);
}

void QnOptionList::Append(const QnIntOption* source)
{
    if (!source)
        return;
    size_t n = 0;
    while (source[n].Name)
        ++n;
    entries_.reserve(entries_.size() + n);
    for (size_t i = 0; i < n; ++i) {
        Entry e;
        e.IntValue = source[i].Value;
        if (kind_ != Integer)
            e.TextValue = std::to_string(source[i].Value);
        e.Name = source[i].Name;
        entries_.push_back(std::move(e));
    }
}

void QnOptionList::Append(const QnTextOption* source)
{
    if (!source)
        return;
    size_t n = 0;
    while (source[n].Name)
        ++n;
    entries_.reserve(entries_.size() + n);
    for (size_t i = 0; i < n; ++i) {
        Entry e;
        e.TextValue = source[i].Value ? source[i].Value : "";
        if (kind_ == Integer) {
            int32_t v = 0;
            if (StrictInt(e.TextValue, v))
                e.IntValue = v;
        }
        e.Name = source[i].Name;
        entries_.push_back(std::move(e));
    }
}

int QnOptionList::FindByName(const std::string& name) const
{
    for (size_t i = 0; i < entries_.size(); ++i) {
        const std::string& n = entries_[i].Name;
        const bool match =
            kind_ == Prefix ? HasPrefix(name, n, caseSensitive_) : SameText(name, n, caseSensitive_);
        if (match)
            return int(i);
    }
    return -1;
}

int QnOptionList::FindByValue(const std::string& value) const
{
    if (kind_ == Integer) {
        int32_t v = 0;
        if (value == "(NULL)" || !StrictInt(value, v))
            return -1;
        for (size_t i = 0; i < entries_.size(); ++i)
            if (entries_[i].IntValue == v)
                return int(i);
        return -1;
    }
    for (size_t i = 0; i < entries_.size(); ++i) {
        const std::string& t = entries_[i].TextValue;
        const bool match =
            kind_ == Prefix ? HasPrefix(value, t, caseSensitive_) : SameText(value, t, caseSensitive_);
        if (match)
            return int(i);
    }
    return -1;
}

std::string QnOptionList::ValueToName(const std::string& value) const
{
    const int i = FindByValue(value);
    if (i < 0)
        return value;
    const Entry& e = entries_[size_t(i)];
    if (kind_ == Prefix)
        return e.Name + value.substr(e.TextValue.size());
    return e.Name;
}

std::string QnOptionList::NameToValue(const std::string& name) const
{
    const int i = FindByName(name);
    if (i < 0)
        return name;
    const Entry& e = entries_[size_t(i)];
    if (kind_ == Integer)
        return std::to_string(e.IntValue);
    if (kind_ == Prefix)
        return e.TextValue + name.substr(e.Name.size());
    return e.TextValue;
}

namespace {

QStringList Names(const std::vector<QnOptionList::Entry>& entries)
{
    QStringList names;
    names.reserve(qsizetype(entries.size()));
    for (const auto& e : entries)
        names.append(QString::fromStdString(e.Name));
    return names;
}

} // namespace

void QnOptionList::FillItems(TComboBox* combo) const
{
    if (!combo)
        return;
    combo->Items()->Assign(Names(entries_));
}

void QnOptionList::FillItems(TRadioGroup* group) const
{
    if (!group)
        return;
    group->Items()->Assign(Names(entries_));
}

void QnOptionList::SelectItem(TComboBox* combo, const std::string& text) const
{
    if (!combo)
        return;
    int i = FindByName(text);
    if (i < 0)
        i = FindByValue(text);
    combo->SetItemIndex(i);
}

void QnOptionList::SelectItem(TRadioGroup* group, const std::string& text) const
{
    if (!group)
        return;
    int i = FindByName(text);
    if (i < 0)
        i = FindByValue(text);
    group->SetItemIndex(i);
}
