// Enumerations of value/name pairs. Every option list of the program is a
// static object built from a static source array at start-up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TComboBox;
class TRadioGroup;

// Source pairs. An array ends with a pair whose Name is null.
struct QnIntOption
{
    int32_t Value;
    const char* Name;
};
struct QnTextOption
{
    const char* Value;
    const char* Name;
};

class QnOptionList
{
public:
    enum Kind : uint32_t { Integer = 1, Text = 2, Prefix = 3 };

    struct Entry
    {
        int32_t IntValue = 0;  // kind 1
        std::string TextValue; // kinds 2 and 3
        std::string Name;
    };

    QnOptionList(const QnIntOption* source, uint32_t kind = Integer, bool caseSensitive = false);
    QnOptionList(const QnTextOption* source, uint32_t kind = Text, bool caseSensitive = false);

    void Append(const QnIntOption* source);
    void Append(const QnTextOption* source);

    uint32_t GetKind() const { return kind_; }
    bool IsCaseSensitive() const { return caseSensitive_; }
    int Count() const { return int(entries_.size()); }
    const Entry& Get(int i) const { return entries_[size_t(i)]; }

    // Lookups and conversions on value texts; see QnOptionList.cpp.
    int FindByName(const std::string& name) const;
    int FindByValue(const std::string& value) const;
    std::string ValueToName(const std::string& value) const;
    std::string NameToValue(const std::string& name) const;

    // Replaces the control's items by the names in entry order, so that item
    // positions equal entry positions.
    void FillItems(TComboBox* combo) const;
    void FillItems(TRadioGroup* group) const;
    // Selects the entry named by the text, or else the entry whose value it is;
    // neither clears the selection.
    void SelectItem(TComboBox* combo, const std::string& text) const;
    void SelectItem(TRadioGroup* group, const std::string& text) const;

private:
    uint32_t kind_;
    bool caseSensitive_;
    std::vector<Entry> entries_;
};
