// Every catalogue entry opened from the main menu against the simulated
// switch: the window's caption, variable list, panel and extras.
#include "MainWinEnv.h"

#include "app/Mainunit.h"
#include "features/Catalogue.h"
#include "features/GeneratedWindow.h"
#include "gui/Guiconfigform.h"
#include "gui/QnSNMPRequest2Edits.h"
#include "gui/TCtrlBtnPanel.h"
#include "gui/TSNMPPanel.h"
#include "mib/QnSNMPVarList.h"
#include "support/UiTestHooks.h"

#include "ui/TButton.h"
#include "ui/TListView.h"
#include "ui/TMenu.h"

using mainwintest::SimTest;

class CatalogueWindows : public SimTest
{
};

TEST_F(CatalogueWindows, EveryEntryOpensItsWindow)
{
    StartupResult startup;
    startup.Texts.IPAddress = "127.0.0.1";
    startup.SnmpV3MenuEnabled = true;
    TMainForm main(startup);
    int opened = 0;
    for (const CatalogueEntry& e : CatalogueEntries()) {
        SCOPED_TRACE(e.MenuPath);
        bool checked = false;
        UiModalDriver driver([&](TForm& f) {
            auto* form = dynamic_cast<TConfigForm*>(&f);
            ASSERT_NE(form, nullptr);
            EXPECT_EQ(form->Caption().toStdString(), WindowCaption(e, "127.0.0.1"));
            ASSERT_EQ(form->RequestCount(), 1);
            const QnSNMPVarList& vars = form->Requests(0)->Variables;
            EXPECT_EQ(vars.Count(), VariableCount(e));
            EXPECT_EQ(vars.ListKind, e.ListKind);
            EXPECT_EQ(vars.IndexCount, e.IndexCount);
            for (int i = 0; i < vars.Count(); ++i) {
                EXPECT_EQ(vars.Get(i).Label, e.Vars[i].Label ? e.Vars[i].Label : "") << i;
                EXPECT_EQ(vars.Get(i).Oid, e.Vars[i].Oid) << i;
            }
            EXPECT_EQ(form->FormType(), e.Setup == PanelSetup::Scalars ? CFT_SCALARS : CFT_TABLE);
            if (e.Height > 0)
                EXPECT_EQ(form->height(), e.Height);
            if (e.Setup == PanelSetup::Table) {
                auto* panel = form->findChild<TSNMPListViewPanel*>();
                ASSERT_NE(panel, nullptr);
                // A table with no writable column besides its keys has no "Edit" either.
                bool writable = false;
                for (int i = e.IndexCount; i < vars.Count(); ++i)
                    writable = writable || (vars.Get(i).Access & ACC_WRITEONLY) != 0;
                EXPECT_EQ(panel->CtrlBtnPanel->btnEdit->isVisibleTo(panel), !e.NoEditButton && writable)
                    << e.MenuPath;
                EXPECT_EQ(panel->CtrlBtnPanel->btnAdd->isVisibleTo(panel), e.RowStatus >= 0);
            }
            checked = true;
            f.Close();
        });
        main.MenuItemByPath(e.MenuPath)->Click();
        EXPECT_EQ(driver.Count(), 1);
        EXPECT_TRUE(checked);
        EXPECT_EQ(main.CurrentWindowTitle(), CurrentWindowTitle(e, "127.0.0.1"));
        opened += driver.Count();
    }
    EXPECT_EQ(opened, 112);
    EXPECT_EQ(main.StatusText().contains("not available"), false);
}
