#include "panel/QnSNMPRequest2Leds.h"
#include "ui/TPanel.h"
#include "ui/TStatusBar.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {
const TColor White = 0xFFFFFF, Green = 0x00FF00, Blue = 0xFF0000, Red = 0x0000FF, Black = 0;

const QnSNMPVarDesc StatusDesc[] = {
    {"1.3.6.1.4.1.98762.11.63.6.2.1.1.5", "swL2DevInfoFrontPanelLedStatus", SYN_DISPLAYSTR, ACC_READONLY,
     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

// Power, Console and 28 ports bound like the front panel binds them.
struct LedFixture : ::testing::Test
{
    QWidget host;
    QnSNMPLedColorMapList map{FrontPanelLedColors, 7, 128, clBlack, clWhite};
    std::unique_ptr<QnSNMPRequest2Leds> leds;
    std::vector<TPanel*> panels;

    void SetUp() override
    {
        leds = std::make_unique<QnSNMPRequest2Leds>(&host);
        leds->Variables = QnSNMPVarList(StatusDesc, MVT_SV, 0);
        leds->Variables.InstanceText = "0";
        leds->SetDecodeMode(2, 2);
        for (int i = 0; i < 30; ++i) {
            auto* p = new TPanel(&host);
            panels.push_back(p);
            leds->AddLedRow(0, std::to_string(i < 2 ? i : 2 * (i - 1)), &map, p, 1, 6, stRectangle, 5, 5);
        }
    }
    void Reply(const std::string& bytes)
    {
        leds->Variables.Get(0).Value = bytes;
        leds->ValuesReceived();
    }
    TColor Shown(int led) { return leds->Led(led).Shape->Brush()->Color(); }
    static std::string Full(char fill = 0x02)
    {
        std::string s(58, fill);
        for (size_t i = 2; i < 58; i += 2)
            s[i] = 0x00 + 0x02; // link byte that is not 1
        return s;
    }
};
} // namespace

TEST(LedColorMap, LookupCopiesTableAndAppends)
{
    QnSNMPLedColorMapList map(FrontPanelLedColors, 7, 128, clBlack, clWhite);
    EXPECT_EQ(map.Count(), 6);
    const TColor expected[8] = {White, White, Green, Green, Blue, Red, Black, Black};
    for (int v = 0; v < 8; ++v)
        EXPECT_EQ(map.Lookup(uint8_t(v)), expected[v]) << v;
    const QnLedColorEntry extra[] = {{6, 0x123456}, {6, 0x654321}, {0, -1}};
    map.Append(extra);
    EXPECT_EQ(map.Lookup(6), 0x123456); // first entry wins
    EXPECT_EQ(map.Lookup(0), White);
}

TEST_F(LedFixture, BindingPaintsOffAndRowLayout)
{
    ASSERT_EQ(leds->LedCount(), 30);
    EXPECT_EQ(leds->Led(29).ByteOffset, 56);
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(Shown(i), Black);
    EXPECT_EQ(panels[0]->BevelOuter(), bvNone);
    EXPECT_EQ(panels[0]->BevelInner(), bvNone);

    TPanel row(&host);
    QnSNMPLedColorMapList m(FrontPanelLedColors, 7, 128, clBlack, clWhite);
    leds->AddLedRow(0, "3,5,7", &m, &row, 2, 4, stRectangle, 5, 6);
    ASSERT_EQ(leds->LedCount(), 33);
    for (int i = 0; i < 3; ++i) {
        TShape* s = leds->Led(30 + i).Shape;
        EXPECT_EQ(s->BoundsRect(), QRect(2 + i * 9, 1, 5, 6));
        EXPECT_EQ(leds->Led(30 + i).ByteOffset, 3 + 2 * i);
    }
}

TEST_F(LedFixture, DecodeModeDefaults)
{
    leds->SetDecodeMode(0, 0);
    EXPECT_EQ(leds->DecodeMode(), 1);
    EXPECT_EQ(leds->PlainCount(), 4);
    leds->SetDecodeMode(2, 2);
    EXPECT_EQ(leds->DecodeMode(), 2);
    EXPECT_EQ(leds->PlainCount(), 2);
}

TEST_F(LedFixture, FlashesSevenTicksThenSteady)
{
    std::string s = Full();
    s[0] = 0x02;
    s[1] = 0x04;
    s[2] = char(0x82);
    s[3] = 0x04;
    Reply(s);
    EXPECT_EQ(Shown(0), Green);
    EXPECT_EQ(Shown(1), Blue);
    EXPECT_FALSE(leds->Led(0).Flashing);
    EXPECT_TRUE(leds->Led(2).Flashing);
    EXPECT_EQ(leds->Led(2).Color, Blue);
    // From dark, the reply lights it; the ticks alternate until the counter
    // passes the limit, then it stays lit.
    auto run = [&] {
        std::vector<TColor> seen{Shown(2)};
        for (int tick = 0; tick < 10; ++tick) {
            leds->FlashTick();
            seen.push_back(Shown(2));
            EXPECT_EQ(Shown(0), Green);
        }
        return seen;
    };
    EXPECT_EQ(run(),
              (std::vector<TColor>{Blue, Black, Blue, Black, Blue, Black, Blue, Blue, Blue, Blue, Blue}));
    // The next reply, from lit: dark on the reply and on ticks 2, 4 and 6,
    // lit from tick 7 on.
    Reply(s);
    EXPECT_EQ(run(),
              (std::vector<TColor>{Black, Blue, Black, Blue, Black, Blue, Black, Blue, Blue, Blue, Blue}));
}

TEST_F(LedFixture, LinkByteOneIsWhiteAndSteady)
{
    std::string s = Full();
    s[2] = 0x01;
    s[3] = 0x05;
    Reply(s);
    EXPECT_EQ(Shown(2), White);
    EXPECT_FALSE(leds->Led(2).Flashing);
    leds->FlashTick();
    EXPECT_EQ(Shown(2), White);
}

TEST_F(LedFixture, ShortStringAndZeroByteLeaveLaterLedsWhite)
{
    struct Case
    {
        std::string bytes;
        int firstMissingPort;
    };
    std::string withZero = Full(0x05);
    withZero[12] = 0; // link byte of port 6
    const std::vector<Case> cases{
        {std::string("\x02\x04\x02\x05\x02\x05\x02\x05\x02\x05", 10), 5},
        {withZero, 6},
        {std::string("\x02\x04", 2), 1},
    };
    for (const auto& c : cases) {
        Reply(c.bytes);
        for (int port = 1; port <= 28; ++port) {
            if (port < c.firstMissingPort)
                EXPECT_EQ(Shown(port + 1), Red) << port;
            else
                EXPECT_EQ(Shown(port + 1), White) << port;
            EXPECT_EQ(leds->Led(port + 1).Flashing, false);
        }
    }
    // Missing second byte of a pair: no-data colour.
    Reply(std::string("\x02\x04\x03", 3));
    EXPECT_EQ(Shown(2), White);
}

TEST_F(LedFixture, UnknownValueIsBlackWhileFlashing)
{
    std::string s = Full();
    s[0] = char(0x86);
    Reply(s);
    EXPECT_TRUE(leds->Led(0).Flashing);
    for (int tick = 0; tick < 9; ++tick) {
        EXPECT_EQ(Shown(0), Black);
        leds->FlashTick();
    }
}

TEST_F(LedFixture, ModeOneReadsEveryByteSingly)
{
    leds->SetDecodeMode(1, 2);
    std::string s = Full();
    s[2] = 0x05;
    s[3] = 0x02;
    Reply(s);
    EXPECT_EQ(Shown(2), Red);
}

TEST_F(LedFixture, NoDataColourMinusOneRaises)
{
    QnSNMPLedColorMapList strict(FrontPanelLedColors, 7, 128, clBlack, -1);
    TPanel p(&host);
    leds->AddLedRow(0, "40", &strict, &p, 1, 6, stRectangle, 5, 5);
    leds->Variables.Get(0).Value = "\x02\x04";
    QnLedBinding binding = leds->Led(30);
    EXPECT_THROW(leds->DecodeLed(binding), std::exception);
}

TEST_F(LedFixture, FailedReadPaintsBlackAndShowsError)
{
    TStatusBar bar(&host);
    bar.Panels()->Add();
    leds->SetStatusTarget(bar.Panels()->Items(0));
    leds->Variables.Title = " Led Status";
    std::string s = Full(0x02);
    s[2] = char(0x82);
    Reply(s);
    leds->FlashTick();
    ASSERT_EQ(Shown(0), Green);
    QnSNMPError err;
    err.Code = -3;
    err.Text = "No response from the device";
    leds->GetFailed(&err);
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(Shown(i), Black) << i;
    // Flash ticks after a failure keep the LEDs dark.
    leds->FlashTick();
    EXPECT_EQ(Shown(2), Black);
    const QString text = bar.Panels()->Items(0)->Text();
    EXPECT_TRUE(text.contains("No response from the device")) << text.toStdString();
    EXPECT_TRUE(text.contains("Led Status")) << text.toStdString();
}

TEST_F(LedFixture, PollingTimersAndStop)
{
    EXPECT_TRUE(leds->FlashTimer()->Enabled());
    EXPECT_EQ(leds->FlashTimer()->Interval(), 60);
    EXPECT_FALSE(leds->PollTimer()->Enabled());
    std::string s = Full(0x02);
    Reply(s);
    ASSERT_EQ(Shown(0), Green);
    leds->StopPolling();
    EXPECT_FALSE(leds->FlashTimer()->Enabled());
    EXPECT_FALSE(leds->PollTimer()->Enabled());
    EXPECT_EQ(Shown(0), Black);
}
