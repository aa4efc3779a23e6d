#include "gui/Guiconfigform.h"
#include "gui/QnSNMPRequest2Edits.h"
#include "panel/Panelvn2400formunit.h"
#include "snmp/QnSNMPSession.h"
#include "support/Snmpd.h"
#include "ui/TPanel.h"
#include "ui/TStatusBar.h"
#include "ui/TestHooks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
bool PumpUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// The SNMP library pointed at a port of 127.0.0.1 where nothing answers.
struct PanelFixture : ::testing::Test
{
    QTemporaryDir folder;
    void SetUp() override
    {
        QnSNMPStartup(folder.path().toStdString());
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = vntest::Snmpd::freeUdpPort();
        DefaultSecurity.Version = 1;
        DefaultTimeout = 10;
    }
    void TearDown() override { QnSNMPShutdown(); }
};

const QnSNMPVarDesc InfoDesc[] = {
    {"1.3.6.1.4.1.98762.11.63.6.2.2.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS, nullptr, nullptr,
     nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.98762.11.63.6.2.2.1.1.4", "Link Status", SYN_INTEGER, ACC_READONLY, nullptr, nullptr,
     nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};
const QnSNMPVarDesc ControlDesc[] = {
    {"1.3.6.1.4.1.98762.11.63.6.2.2.2.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS, nullptr, nullptr,
     nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.98762.11.63.6.2.2.2.1.3", "Admin State", SYN_INTEGER, ACC_READWRITE, nullptr, nullptr,
     nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};
} // namespace

TEST_F(PanelFixture, ButtonsAndLedPanelsGeometryAndHints)
{
    TPanelVN2400Form form;
    EXPECT_EQ(form.ClientWidth(), 764);
    EXPECT_EQ(form.ClientHeight(), 96);
    EXPECT_EQ(form.Image1->BoundsRect(), QRect(0, 0, 764, 96));
    EXPECT_TRUE(form.Image1->Stretch());
    EXPECT_EQ(form.Image1->Picture().size(), QSize(764, 96));
    for (int n = 1; n <= 24; ++n) {
        TSpeedButton* b = form.SpeedButton(n);
        EXPECT_EQ(b->Hint(), QString("%1.100").arg(n));
        EXPECT_EQ(b->Top(), n % 2 ? 25 : 49) << n;
        if (n < 13) {
            EXPECT_EQ(b->Left(), n % 2 ? 337 + 25 * (n - 1) / 2 : 337 + 25 * (n - 2) / 2) << n;
        }
        EXPECT_EQ(b->GroupIndex(), 1);
    }
    // Lefts and sizes from the form resource.
    EXPECT_EQ(form.SpeedButton(1)->BoundsRect(), QRect(337, 25, 25, 23));
    EXPECT_EQ(form.SpeedButton(12)->BoundsRect(), QRect(462, 49, 25, 24));
    EXPECT_EQ(form.SpeedButton(18)->BoundsRect(), QRect(550, 49, 23, 24));
    EXPECT_EQ(form.SpeedButton(11)->BoundsRect(), QRect(462, 25, 25, 24));
    const struct
    {
        int n;
        const char* hint;
        QRect r;
    } combos[] = {{25, "25.101", {660, 30, 21, 15}}, {26, "26.101", {660, 54, 21, 15}},
                  {27, "25.100", {692, 27, 22, 23}}, {28, "26.100", {692, 49, 22, 23}},
                  {29, "27.100", {720, 27, 22, 23}}, {30, "28.100", {720, 49, 22, 23}}};
    for (const auto& c : combos) {
        EXPECT_EQ(form.SpeedButton(c.n)->Hint(), c.hint);
        EXPECT_EQ(form.SpeedButton(c.n)->BoundsRect(), c.r);
    }
    EXPECT_EQ(form.PowerLedPanel->BoundsRect(), QRect(23, 53, 7, 7));
    EXPECT_EQ(form.ConsoleLedPanel->BoundsRect(), QRect(23, 75, 7, 7));
    const int lefts[7] = {109, 124, 139, 153, 167, 182, 211};
    for (int p = 1; p <= 28; ++p) {
        const int col = (p - 1) / 4, row = (p - 1) % 4;
        int top = (int[]){26, 43, 60, 76}[row];
        if (p == 1 || p == 25)
            top = 25;
        if (p == 28)
            top = 77;
        EXPECT_EQ(form.PortLedPanel(p)->BoundsRect(), QRect(lefts[col], top, 7, 7)) << p;
        EXPECT_EQ(form.PortLedPanel(p)->BevelOuter(), bvNone);
    }
    QnSNMPRequest2Leds* leds = form.LedRequest();
    ASSERT_NE(leds, nullptr);
    ASSERT_EQ(leds->LedCount(), 30);
    EXPECT_EQ(leds->Led(0).ByteOffset, 0);
    EXPECT_EQ(leds->Led(1).ByteOffset, 1);
    EXPECT_EQ(leds->Led(29).ByteOffset, 56);
    EXPECT_EQ(leds->Led(2).Shape->BoundsRect(), QRect(1, 1, 5, 5));
    EXPECT_EQ(leds->Led(2).Shape->parentWidget(), form.PortLedPanel(1)->Widget());
    EXPECT_EQ(leds->Variables.Title, " Led Status");
    EXPECT_EQ(leds->Variables.InstanceText, "0");
    EXPECT_EQ(leds->Variables.ListKind, MVT_SV);
    EXPECT_EQ(leds->DecodeMode(), 2);
    EXPECT_EQ(leds->PlainCount(), 2);
    EXPECT_EQ(leds->PollTimer()->Interval(), 5000);
    EXPECT_TRUE(leds->PollTimer()->Enabled());
    form.ReleaseLeds();
}

TEST_F(PanelFixture, SelectionOnePressedImageReleases)
{
    TPanelVN2400Form form;
    form.SpeedButton1Click(form.SpeedButton(3));
    form.SpeedButton1Click(form.SpeedButton(5));
    for (int n = 1; n <= 30; ++n)
        EXPECT_EQ(form.SpeedButton(n)->Down(), n == 5) << n;
    EXPECT_EQ(form.SelectedButton(), form.SpeedButton(5));
    form.Image1Click(form.Image1);
    for (int n = 1; n <= 30; ++n)
        EXPECT_FALSE(form.SpeedButton(n)->Down());
    EXPECT_EQ(form.SelectedButton(), form.SpeedButton(5)); // still remembered
    form.ReleaseLeds();
}

TEST_F(PanelFixture, UnreachableDeviceDarkLedsAndErrorInStatusBar)
{
    TForm main;
    TStatusBar bar(&main);
    bar.Panels()->Add();
    TPanelVN2400Form form(&main, bar.Panels()->Items(0));
    QnSNMPRequest2Leds* leds = form.LedRequest();
    ASSERT_NE(leds, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return !bar.Panels()->Items(0)->Text().isEmpty(); }, 5000));
    const std::string text = bar.Panels()->Items(0)->Text().toStdString();
    EXPECT_NE(text.find("Led Status"), std::string::npos) << text;
    for (int i = 0; i < leds->LedCount(); ++i)
        EXPECT_EQ(leds->Led(i).Shape->Brush()->Color(), clBlack);
    form.ReleaseLeds();
}

TEST_F(PanelFixture, CloseWaitsForReadInFlight)
{
    DefaultTimeout = 50;
    TForm main;
    QPointer<TPanelVN2400Form> form = new TPanelVN2400Form(&main);
    form->Show();
    QnSNMPRequest2Leds* leds = form->LedRequest();
    ASSERT_NE(leds, nullptr);
    ASSERT_TRUE(leds->Busy || leds->Outstanding > 0); // the first read left at creation
    form->Close();
    EXPECT_EQ(form ? form->LedRequest() : nullptr, nullptr);
    PumpUntil(
        [&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return form.isNull();
        },
        2000);
    EXPECT_TRUE(form.isNull()); // the panel frees itself on close
}

TEST_F(PanelFixture, DoubleClickOpensPortPagesAtTheHint)
{
    TPanelVN2400Form::SetPortPageTables(InfoDesc, ControlDesc);
    auto oldResponder = SetMessageBoxResponder([](const TMessageBoxRequest&) { return IDOK; });
    TPanelVN2400Form form;
    struct Seen
    {
        QString caption;
        std::vector<std::string> instances;
        std::vector<int> indexCounts;
        std::vector<uint32_t> firstAccess;
    };
    for (const auto& [n, hint] :
         std::vector<std::pair<int, std::string>>{{25, "25.101"}, {27, "25.100"}, {16, "16.100"}}) {
        Seen seen;
        auto old = SetModalHook([&](TForm& f) {
            auto* cf = dynamic_cast<TConfigForm*>(&f);
            ASSERT_NE(cf, nullptr);
            seen.caption = cf->Caption();
            for (int i = 0; i < cf->RequestCount(); ++i) {
                seen.instances.push_back(cf->Requests(i)->Variables.InstanceText);
                seen.indexCounts.push_back(cf->Requests(i)->Variables.IndexCount);
                seen.firstAccess.push_back(cf->Requests(i)->Variables.Get(0).Access);
            }
            f.Close();
        });
        form.SpeedButton1DblClick(form.SpeedButton(n));
        SetModalHook(old);
        EXPECT_EQ(seen.caption, "Port Configuration");
        EXPECT_EQ(seen.instances, (std::vector<std::string>{hint, hint})) << n;
        EXPECT_EQ(seen.indexCounts, (std::vector<int>{1, 2}));
        EXPECT_EQ(seen.firstAccess, (std::vector<uint32_t>{ACC_READONLY, ACC_READONLY}));
    }
    SetMessageBoxResponder(oldResponder);
    TPanelVN2400Form::SetPortPageTables(nullptr, nullptr);
    form.ReleaseLeds();
}

TEST_F(PanelFixture, HostingSizesMainWindowAndScreenshot)
{
    TForm main;
    main.SetClientWidth(300);
    main.SetClientHeight(200);
    TStatusBar* bar = new TStatusBar(&main);
    bar->SetAlign(alBottom);
    bar->SetHeight(20);
    bar->Panels()->Add();
    TScrollBox* box = new TScrollBox(&main);
    box->SetAlign(alClient);
    TPanelVN2400Form* panel = HostFrontPanel(&main, box, bar);
    EXPECT_EQ(panel->Left(), 0);
    EXPECT_EQ(panel->Top(), 0);
    EXPECT_EQ(main.ClientWidth(), 767);
    EXPECT_EQ(main.ClientHeight(), 119);
    EXPECT_EQ(box->Align(), alClient);
    EXPECT_TRUE(panel->Visible());
    main.Show();
    PumpUntil([] { return false; }, 50);
    const QImage shot = main.grab().toImage();
    EXPECT_TRUE(shot.save("/tmp/panel-hosted.png"));
    panel->ReleaseLeds();
}
