// The main window against the simulated switch: start-up reads, the RMON
// menu, the SNMP V3 menu, exit confirmation, save and reboot, About, and the
// progress windows.
#include "MainWinEnv.h"

#include "app/About.h"
#include "app/Mainunit.h"
#include "app/MenuTree.h"
#include "app/Progress.h"
#include "app/Progress2.h"
#include "support/Snmpd.h"
#include "support/UiTestHooks.h"

#include "ui/TButton.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"
#include "ui/TListView.h"
#include "ui/TMenu.h"
#include "ui/TProgressBar.h"
#include "ui/TStatusBar.h"
#include "ui/TTimer.h"
#include "ui/TestHooks.h"

#include <QApplication>
#include <QTest>

using mainwintest::SimTest;

namespace {

const char* const kStates[] = {"Statistics1", "History1", "AlarmEvent1"};

StartupResult Startup(bool v3 = false)
{
    StartupResult r;
    r.Texts.IPAddress = "127.0.0.1";
    r.SnmpV3MenuEnabled = v3;
    return r;
}

// Records the save and reboot writes instead of (or before) sending them.
class RecordingMainForm : public TMainForm
{
public:
    using TMainForm::TMainForm;
    struct Write
    {
        std::string Oid, Value;
        uint32_t Timeout;
        int Count;
    };
    std::vector<Write> Writes;

protected:
    void StoreRequest(QnSNMPRequest& request) override
    {
        Writes.push_back({request.Variables.Get(0).Oid, request.Variables.Get(0).Value, request.Timeout,
                          request.Variables.Count()});
        TMainForm::StoreRequest(request);
    }
};

} // namespace

class MainForm : public SimTest
{
};

TEST_F(MainForm, SettingsAndStartupReads)
{
    Write(STP_STATE_OID, "2");
    Write(RMON_STATE_OID, "3");
    TMainForm form(Startup());
    EXPECT_EQ(form.Caption(), "127.0.0.1");
    EXPECT_EQ(form.ClientWidth(), 782);
    EXPECT_EQ(form.ClientHeight(), 151);
    EXPECT_EQ(form.BorderStyle(), bsSingle);
    EXPECT_EQ(form.BorderIcons(), TBorderIcons(biSystemMenu));
    EXPECT_EQ(form.StatusBar->Panels()->Count(), 1);
    EXPECT_EQ(form.StatusBar->Panels()->Items(0)->Width(), 50);
    EXPECT_EQ(form.ST_RmonState->Caption(), "enabled");
    EXPECT_EQ(form.ST_Version->Caption(), "disabled");
    EXPECT_FALSE(form.ST_RmonState->isVisibleTo(&form));
    EXPECT_FALSE(form.ST_Version->isVisibleTo(&form));
    EXPECT_EQ(form.StatusText(), "");
}

TEST_F(MainForm, FailedStartupReadsGoToTheStatusBar)
{
    DefaultDevice.Port = vntest::Snmpd::freeUdpPort();
    DefaultTimeout = 10;
    TMainForm form(Startup());
    EXPECT_FALSE(form.StatusText().isEmpty());
    EXPECT_EQ(form.ST_RmonState->Caption(), "");
    // A failed refresh leaves the RMON entries as they were.
    form.RefreshRmonMenu();
    for (const char* name : kStates)
        EXPECT_TRUE(form.MenuItemByName(name)->Enabled()) << name;
}

TEST_F(MainForm, RmonStateDrivesExactlyThreeEntries)
{
    Write(RMON_STATE_OID, "2");
    TMainForm form(Startup());
    form.FormActivate(&form);
    EXPECT_TRUE(form.Activated());
    for (const char* name : kStates)
        EXPECT_FALSE(form.MenuItemByName(name)->Enabled()) << name;
    EXPECT_TRUE(form.MenuItemByPath("RMON > RMON Control")->Enabled());

    // RMON Control closes with the state changed: the entries follow.
    UiModalDriver driver([&](TForm& f) {
        EXPECT_EQ(f.Caption(), "RMON State : 127.0.0.1");
        Write(RMON_STATE_OID, "3");
        f.Close();
    });
    form.MenuItemByPath("RMON > RMON Control")->Click();
    EXPECT_EQ(driver.Count(), 1);
    EXPECT_EQ(form.CurrentWindowTitle(), "RMON State");
    for (const char* name : kStates)
        EXPECT_TRUE(form.MenuItemByName(name)->Enabled()) << name;

    // A later activation changes nothing.
    Write(RMON_STATE_OID, "2");
    form.FormActivate(&form);
    for (const char* name : kStates)
        EXPECT_TRUE(form.MenuItemByName(name)->Enabled()) << name;
}

TEST_F(MainForm, SnmpV3MenuFollowsTheVersion)
{
    for (bool v3 : {false, true}) {
        TMainForm form(Startup(v3));
        EXPECT_EQ(form.MenuItemByName("VACM1")->Enabled(), v3);
        EXPECT_EQ(form.MenuItemByName("VACM1")->Caption(), "SNMP V3");
    }
}

TEST_F(MainForm, ExitAsksFirst)
{
    TMainForm form(Startup());
    form.Show();
    UiMessageBoxes boxes;
    boxes.Answer(IDNO);
    form.Close();
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.Last().text, "Are you sure to exit?");
    EXPECT_EQ(boxes.Last().caption, "Exit");
    EXPECT_TRUE(boxes.Last().buttons.contains(IDYES));
    EXPECT_TRUE(boxes.Last().buttons.contains(IDNO));
    EXPECT_TRUE(form.isVisible());
    boxes.Answer(IDYES);
    form.Close();
    EXPECT_EQ(boxes.Count(), 2);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(MainForm, SaveAndRebootSendOneSetOnYesOnly)
{
    struct Case
    {
        const char* Path;
        const char* Oid;
        const char* Value;
        const char* Text;
        const char* Caption;
        uint32_t Timeout;
    };
    const Case cases[] = {
        {"Basic Configuration > Save Changes", SAVE_OID, "4", "Save Configurations into NV-RAM ?",
         "Save Configure", 900},
        {"Basic Configuration > Reboot", REBOOT_OID, "3", "Are you sure to reboot the device?", "Reboot",
         500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Path);
        Write(c.Oid, c.Oid == std::string(SAVE_OID) ? "1" : "4");
        RecordingMainForm form(Startup());
        UiMessageBoxes boxes;
        boxes.Answer(IDNO);
        form.MenuItemByPath(c.Path)->Click();
        ASSERT_EQ(boxes.Count(), 1);
        EXPECT_EQ(boxes.Last().text, c.Text);
        EXPECT_EQ(boxes.Last().caption, c.Caption);
        EXPECT_TRUE(form.Writes.empty());
        EXPECT_NE(Read(c.Oid), c.Value);

        boxes.Answer(IDYES);
        form.MenuItemByPath(c.Path)->Click();
        ASSERT_EQ(form.Writes.size(), 1u);
        EXPECT_EQ(form.Writes[0].Oid, c.Oid);
        EXPECT_EQ(form.Writes[0].Value, c.Value);
        EXPECT_EQ(form.Writes[0].Timeout, c.Timeout);
        EXPECT_EQ(form.Writes[0].Count, 1);
        EXPECT_EQ(Read(c.Oid), c.Value);
    }
}

TEST_F(MainForm, HandLaidWindowsSayNotAvailableYet)
{
    TMainForm form(Startup());
    form.MenuItemByPath("Bridge > Spanning Tree Algorithm")->Click();
    EXPECT_TRUE(form.StatusText().contains("not available yet")) << form.StatusText().toStdString();
}

TEST(AboutForm, TextsAndTheHiddenBuildKey)
{
    TAboutForm about;
    EXPECT_EQ(about.ClientWidth(), 323);
    EXPECT_EQ(about.ClientHeight(), 105);
    about.FormActivate(&about);
    EXPECT_EQ(about.Caption(), "About VN-2400 Module");
    EXPECT_TRUE(about.Image2400->isVisibleTo(&about));
    EXPECT_FALSE(about.Image2400P->isVisibleTo(&about));
    EXPECT_FALSE(about.Image4800->isVisibleTo(&about));
    EXPECT_FALSE(about.Image4800P->isVisibleTo(&about));
    EXPECT_EQ(about.VersionLabel->Caption(), "Release Version 1.00");
    WORD key = VK_F3;
    about.BT_OkKeyDown(about.BT_Ok, key, ssShift);
    EXPECT_EQ(about.VersionLabel->Caption(), "Release Version 1.00");
    key = VK_F3;
    about.BT_OkKeyDown(about.BT_Ok, key, TShiftState(ssShift | ssAlt));
    EXPECT_EQ(about.VersionLabel->Caption(), "Release Version 1.00Z08(Build 2007/2/8)");
}

TEST(ProgressForms, CloseThemselvesAfterThirtyTicks)
{
    TForm parent;
    TProgressForm p1(&parent);
    TProgressForm2 p2(&parent);
    EXPECT_EQ(p1.Caption(), "Progress");
    EXPECT_EQ(p1.ClientWidth(), 358);
    EXPECT_EQ(p1.ClientHeight(), 66);
    EXPECT_EQ(p1.ProgressBar->Max(), 76);
    EXPECT_EQ(p2.Limit, 30);
    p1.Show();
    p2.Show();
    for (int i = 0; i < 30; ++i) {
        p1.ProgressTimerTimer(nullptr);
        p2.ProgressTimerTimer(nullptr);
    }
    EXPECT_EQ(p1.ProgressBar->Position(), 30);
    EXPECT_TRUE(p1.isVisible());
    p1.ProgressTimerTimer(nullptr);
    p2.ProgressTimerTimer(nullptr);
    EXPECT_FALSE(p1.isVisible());
    EXPECT_FALSE(p2.isVisible());
    EXPECT_FALSE(p1.ProgressTimer->Enabled());
}
