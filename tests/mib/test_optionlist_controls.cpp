#include "mib/QnOptionList.h"
#include "ui/TComboBox.h"
#include "ui/TRadioGroup.h"

#include <gtest/gtest.h>

namespace {

const QnIntOption kPort[] = {{1, "auto"}, {2, "10M half"}, {3, "10M full"}, {7, "disabled"}, {0, nullptr}};
const QnTextOption kAuth[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
                              {"1.3.6.1.6.3.10.1.1.2", "MD5"},
                              {"1.3.6.1.6.3.10.1.1.3", "SHA"},
                              {nullptr, nullptr}};

QStringList ItemsOf(const TStrings* items)
{
    return items->ToStringList();
}

TEST(OptionListControls, FillItemsReplacesTheItemsInEntryOrder)
{
    const QnOptionList list(kPort);
    TComboBox combo;
    combo.SetStyle(csDropDownList);
    combo.Items()->Add("old");
    list.FillItems(&combo);
    EXPECT_EQ(ItemsOf(combo.Items()), QStringList({"auto", "10M half", "10M full", "disabled"}));

    TRadioGroup group;
    group.Items()->Add("old 1");
    group.Items()->Add("old 2");
    list.FillItems(&group);
    EXPECT_EQ(ItemsOf(group.Items()), QStringList({"auto", "10M half", "10M full", "disabled"}));
}

struct SelectCase
{
    const char* text;
    int index;
};

TEST(OptionListControls, SelectItemByNameThenByValue)
{
    const QnOptionList list(kPort);
    const QnOptionList auth(kAuth, QnOptionList::Text);
    const SelectCase portCases[] = {
        {"10M full", 2}, {"DISABLED", 3}, {"7", 3}, {"2", 1},
        {"5", -1},       {"(NULL)", -1},  {"", -1}, {"full", -1},
    };
    const SelectCase authCases[] = {{"MD5", 1}, {"1.3.6.1.6.3.10.1.1.3", 2}, {"1.3.6.1", -1}};

    TComboBox combo;
    combo.SetStyle(csDropDownList);
    TRadioGroup group;
    list.FillItems(&combo);
    list.FillItems(&group);
    for (const SelectCase& c : portCases) {
        combo.SetItemIndex(0); // a selection that must be replaced or cleared
        group.SetItemIndex(0);
        list.SelectItem(&combo, c.text);
        list.SelectItem(&group, c.text);
        EXPECT_EQ(combo.ItemIndex(), c.index) << c.text;
        EXPECT_EQ(group.ItemIndex(), c.index) << c.text;
    }
    auth.FillItems(&combo);
    for (const SelectCase& c : authCases) {
        combo.SetItemIndex(0);
        auth.SelectItem(&combo, c.text);
        EXPECT_EQ(combo.ItemIndex(), c.index) << c.text;
    }
}

} // namespace
