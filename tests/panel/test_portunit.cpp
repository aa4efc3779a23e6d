#include "panel/Portunitformunit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Runs the body in a fresh working folder (optionally with "DeviceInfo.ini").
template <typename F>
void InFolder(bool withIni, F body)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    if (withIni) {
        QFile f("DeviceInfo.ini");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    body();
    QDir::setCurrent(old);
}
} // namespace

TEST(PortUnit, ModelPortCounts)
{
    EXPECT_EQ(TPortUitForm::ModelPortCount("VN-2400"), 28);
    EXPECT_EQ(TPortUitForm::ModelPortCount("VN-2400P"), 28);
    EXPECT_EQ(TPortUitForm::ModelPortCount("VN-4800"), 52);
    EXPECT_EQ(TPortUitForm::ModelPortCount("VN-4800P"), 52);
    EXPECT_EQ(TPortUitForm::ModelPortCount("VN-9999"), 0);
    EXPECT_EQ(TPortUitForm::ModelPortCount(""), 0);
}

TEST(PortUnit, OneUnitShowsTwentyEightInRowsOfTwelveOrTen)
{
    for (bool ini : {false, true}) {
        InFolder(ini, [&] {
            TPortUitForm form;
            form.AddUnit("Unit1", 1, 64, 12);
            form.ShowUnit("1", "VN-2400", 1, TPortUitForm::ModelPortCount("VN-2400"), 12);
            const auto& boxes = form.PortCheckBoxes();
            ASSERT_EQ(boxes.size(), 64u);
            ASSERT_EQ(form.UnitPages().size(), 1u);
            EXPECT_FALSE(form.UnitPages()[0]->TabVisible());
            const int perRow = ini ? 10 : 12;
            for (int k = 0; k < 64; ++k) {
                TCheckBox* cb = boxes[size_t(k)];
                EXPECT_EQ(cb->Caption(), QString::number(k + 1));
                EXPECT_EQ(cb->Visible(), k < 28) << k;
                const int f = cb->Font()->Size();
                EXPECT_EQ(f, 8);
                EXPECT_EQ(cb->Left(), f * (k % perRow) * 5 + 20) << k;
                EXPECT_EQ(cb->Top(), (k / perRow) * cb->Height() + 4) << k;
                EXPECT_EQ(cb->Width(), int(QString::number(k + 1).size()) * f + 3 * f);
            }
            // Box 13 starts the second row, 40 pixels apart in the first.
            if (!ini) {
                EXPECT_EQ(boxes[1]->Left() - boxes[0]->Left(), 40);
                EXPECT_EQ(boxes[12]->Left(), 20);
                EXPECT_GT(boxes[12]->Top(), boxes[11]->Top());
                EXPECT_EQ(boxes[27]->Top(), boxes[24]->Top()); // third row: 25 to 28
            } else {
                EXPECT_EQ(boxes[10]->Left(), 20);
                EXPECT_EQ(boxes[27]->Top(), boxes[20]->Top()); // third row: 21 to 28
            }
        });
    }
}

TEST(PortUnit, ClearChecksReachesHiddenBoxesAndShowUnitErrorsAreSwallowed)
{
    TPortUitForm form;
    form.AddUnit("Unit1", 1, 64, 12);
    form.ShowUnit("1", "VN-2400", 1, 28, 12);
    const auto& boxes = form.PortCheckBoxes();
    boxes[3]->SetChecked(true);
    boxes[40]->SetChecked(true); // hidden
    ASSERT_FALSE(boxes[40]->Visible());
    form.ClearChecks();
    for (auto* cb : boxes)
        EXPECT_FALSE(cb->Checked());

    EXPECT_NO_THROW(form.ShowUnit("2", "VN-2400", 2, 28, 12));
    EXPECT_NO_THROW(form.ShowUnit("x", "VN-2400", 1, 28, 12));
    for (int k = 28; k < 64; ++k)
        EXPECT_FALSE(boxes[size_t(k)]->Visible());

    // A second unit's boxes follow the first unit's 64.
    form.AddUnit("Unit2", 65, 64, 12);
    ASSERT_EQ(form.PortCheckBoxes().size(), 128u);
    form.ShowUnit("2", "VN-2400", 2, 28, 12);
    EXPECT_TRUE(form.PortCheckBoxes()[64]->Visible());
    EXPECT_EQ(form.PortCheckBoxes()[64]->Caption(), "1");
    EXPECT_FALSE(form.PortCheckBoxes()[92]->Visible());
}
