// A table window adds one list-view row per reply; ten thousand rows with
// their sub-items, a count display updated on every change and pending events
// processed every few tens of milliseconds must fill quickly.
#include "support/UiPrinters.h"
#include "ui/Vcl.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <cstdio>

// Sanitizer builds run many times slower: they check the result, not the time.
#if defined(__SANITIZE_ADDRESS__)
#define VN_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VN_SANITIZED 1
#endif
#endif
#ifdef VN_SANITIZED
constexpr int kRows = 2000;
constexpr bool kTimed = false;
#else
constexpr int kRows = 10000;
constexpr bool kTimed = true;
#endif

TEST(ListViewFill, TenThousandRowsFillQuickly)
{
    TForm form;
    form.SetClientWidth(600);
    form.SetClientHeight(400);
    auto* lv = new TListView(&form);
    lv->SetAlign(alClient);
    lv->SetRowSelect(true);
    lv->SetGridLines(true);
    for (int c = 0; c < 7; ++c)
        lv->Columns()->Add()->SetCaption(QStringLiteral("Column %1").arg(c));
    auto* count = new TLabel(&form);
    lv->OnChange = [&](TObject*, TListItem*, TItemChange) {
        count->SetCaption(QString::number(lv->Items()->Count()));
    };
    form.Show();

    QElapsedTimer timer;
    timer.start();
    qint64 lastPump = 0;
    for (int r = 0; r < kRows; ++r) {
        TListItem* item = lv->Items()->Add();
        item->SetCaption(QString::number(r));
        for (int c = 1; c < 7; ++c)
            item->SubItems()->Add(QStringLiteral("value %1.%2").arg(r).arg(c));
        if (timer.elapsed() - lastPump >= 30) {
            ProcessMessages();
            lastPump = timer.elapsed();
        }
    }
    ProcessMessages();
    const qint64 ms = timer.elapsed();
    std::printf("list view: %d rows x 7 columns in %lld ms\n", kRows, static_cast<long long>(ms));
    EXPECT_EQ(lv->Items()->Count(), kRows);
    EXPECT_EQ(count->Caption(), QString::number(kRows));
    EXPECT_EQ(lv->Items()->Item(kRows - 1)->SubItems()->Strings(5),
              QStringLiteral("value %1.6").arg(kRows - 1));
    if (kTimed) {
        EXPECT_LT(ms, 5000);
    }

    // Selecting the last row and clearing the table stay cheap too.
    timer.restart();
    lv->SetItemIndex(kRows - 1);
    EXPECT_EQ(lv->Selected()->Caption(), QString::number(kRows - 1));
    lv->Items()->Clear();
    EXPECT_EQ(count->Caption(), "0");
    if (kTimed) {
        EXPECT_LT(timer.elapsed(), 2000);
    }
    form.Close();
}
