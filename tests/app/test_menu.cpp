// The main menu as the main window builds it: captions, order, separators and
// hidden entries, and every catalogue, tool and hand-laid entry in its place.
#include "MainWinEnv.h"

#include "app/Mainunit.h"
#include "app/MenuTree.h"
#include "app/ToolLauncher.h"
#include "features/Catalogue.h"

#include "ui/TListView.h"
#include "ui/TMenu.h"

#include <QStringList>

using mainwintest::SimTest;

namespace {

StartupResult Startup()
{
    StartupResult r;
    r.Texts.IPAddress = "127.0.0.1";
    return r;
}

// Is the item, or a menu above it, hidden?
bool HiddenOnTheWay(const TMenuItem* item)
{
    for (; item; item = item->Parent())
        if (!item->Visible() && item->Parent())
            return true;
    return false;
}

} // namespace

class MenuTree : public SimTest
{
};

TEST_F(MenuTree, TopLevelMenusAndTheirVisibility)
{
    TMainForm form(Startup());
    const TMenuItem* root = form.MainMenu1->Items();
    const struct
    {
        const char* Caption;
        bool Visible;
        int Count;
    } expected[] = {
        {"Basic Configuration", true, 17},
        {"RMON", true, 6},
        {"Bridge", true, 4},
        {"VLAN", true, 4},
        {"SNMP V3", true, 8},
        {"Security Management", true, 11},
        {"Layer 2 Management", true, 17},
        {"Layer 3 Management", false, 21},
        {"Single IP", true, 7},
        {"Help", true, 3},
    };
    ASSERT_EQ(root->Count(), 10);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(expected[i].Caption);
        EXPECT_EQ(root->Items(i)->Caption(), expected[i].Caption);
        EXPECT_EQ(root->Items(i)->Visible(), expected[i].Visible);
        EXPECT_EQ(root->Items(i)->Count(), expected[i].Count);
    }
}

TEST_F(MenuTree, ItemsFollowTheTableInOrder)
{
    TMainForm form(Startup());
    // Walk the built menu depth first and compare with the table.
    std::vector<const TMenuItem*> built;
    std::function<void(const TMenuItem*)> walk = [&](const TMenuItem* item) {
        for (int i = 0; i < item->Count(); ++i) {
            built.push_back(item->Items(i));
            walk(item->Items(i));
        }
    };
    walk(form.MainMenu1->Items());
    const auto nodes = MenuNodes();
    ASSERT_EQ(built.size(), nodes.size());
    for (size_t i = 0; i < nodes.size(); ++i) {
        EXPECT_EQ(built[i]->Caption().toStdString(), nodes[i].Caption) << i;
        EXPECT_EQ(built[i]->Visible(), !nodes[i].Hidden) << nodes[i].Caption;
    }
    // Captions kept as the device's menu resource spells them.
    const struct
    {
        const char* Path;
        bool Hidden;
    } spots[] = {
        {"Basic Configuration > Moudle Basic Configuration", true},
        {"Security Management > 802.1X > MAC_Based Authentication > EAP Over Land  Frames Statistic Table",
         false},
        {"Layer 2 Management > QoS Management > SchedulingTable", false},
        {"Layer 2 Management > CPU Filter > Packet Content Rule (CPU Filter)", false},
        {"Layer 3 Management > OSPF (RFC1850) > OSPFTrap", true},
        {"Layer 3 Management > IP Management > IPv6 Interface Information", true},
        {"Help > Test", true},
        {"Help > About", false},
        {"VLAN > 802.1P > Priority Information > User Priorities To Traffic Class", false},
    };
    for (const auto& s : spots) {
        const TMenuItem* item = form.MenuItemByPath(s.Path);
        ASSERT_NE(item, nullptr) << s.Path;
        EXPECT_EQ(HiddenOnTheWay(item), s.Hidden) << s.Path;
    }
    EXPECT_EQ(built.size(), 351u);
}

TEST_F(MenuTree, EveryHandlerHasItsItem)
{
    TMainForm form(Startup());
    for (const CatalogueEntry& e : CatalogueEntries()) {
        const TMenuItem* item = form.MenuItemByPath(e.MenuPath);
        ASSERT_NE(item, nullptr) << e.MenuPath;
        EXPECT_EQ(HiddenOnTheWay(item), e.Hidden) << e.MenuPath;
        EXPECT_EQ(item->Count(), 0) << e.MenuPath;
    }
    ASSERT_EQ(std::size(ToolMenuEntries), ToolMenuPaths().size());
    for (const ToolMenuPath& t : ToolMenuPaths()) {
        EXPECT_NE(form.MenuItemByPath(t.MenuPath), nullptr) << t.MenuPath;
        EXPECT_EQ(MenuActionOf(t.MenuPath), MenuActionKind::Tool) << t.MenuPath;
    }
    EXPECT_EQ(HandLaidWindows().size(), 51u);
    for (const HandLaidWindow& w : HandLaidWindows())
        EXPECT_NE(form.MenuItemByPath(w.MenuPath), nullptr) << w.MenuPath;
    for (const NamedMenuItem& n : NamedMenuItems())
        EXPECT_EQ(form.MenuItemByName(n.Name), form.MenuItemByPath(n.MenuPath)) << n.Name;
}
