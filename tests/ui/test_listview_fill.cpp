// A table window adds one list-view row per reply; ten thousand rows with
// their sub-items, a count display updated on every change and pending events
// processed every few tens of milliseconds must fill quickly.
#include "support/UiPrinters.h"
#include "ui/Vcl.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <cstdio>

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
    for (int r = 0; r < 10000; ++r) {
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
    std::printf("list view: 10000 rows x 7 columns in %lld ms\n", static_cast<long long>(ms));
    EXPECT_EQ(lv->Items()->Count(), 10000);
    EXPECT_EQ(count->Caption(), "10000");
    EXPECT_EQ(lv->Items()->Item(9999)->SubItems()->Strings(5), "value 9999.6");
    EXPECT_LT(ms, 5000);

    // Selecting the last row and clearing the table stay cheap too.
    timer.restart();
    lv->SetItemIndex(9999);
    EXPECT_EQ(lv->Selected()->Caption(), "9999");
    lv->Items()->Clear();
    EXPECT_EQ(count->Caption(), "0");
    EXPECT_LT(timer.elapsed(), 2000);
    form.Close();
}
