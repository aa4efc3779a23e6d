// Application services: message boxes through the responder, beeps, the
// tick count, the program's file name; and the plain controls' properties.
#include "support/UiTestHooks.h"
#include "ui/Vcl.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

TEST(MessageBoxes, YesNoBoxIsAnsweredByTheResponder)
{
    UiMessageBoxes boxes;
    boxes.Answer(IDNO);
    boxes.Answer(IDYES);
    TForm owner;
    EXPECT_EQ(MessageBox(&owner, "Are you sure to exit?", "Exit", MB_YESNO), IDNO);
    EXPECT_EQ(Application->MessageBox("Are you sure to delete ?", "Delete", MB_YESNO | MB_ICONQUESTION),
              IDYES);
    ASSERT_EQ(boxes.Count(), 2);
    const TMessageBoxRequest& first = boxes.Boxes()[0];
    EXPECT_EQ(first.owner, &owner);
    EXPECT_EQ(first.caption, "Exit");
    EXPECT_EQ(first.text, "Are you sure to exit?");
    EXPECT_EQ(first.buttons, (QVector<int>{IDYES, IDNO}));
    EXPECT_EQ(boxes.Last().flags & MB_ICONMASK, MB_ICONQUESTION);
}

TEST(MessageBoxes, ButtonSetsOfEachKind)
{
    UiMessageBoxes boxes;
    boxes.SetDefaultAnswer(IDCANCEL);
    struct Case
    {
        unsigned flags;
        QVector<int> buttons;
    };
    const Case cases[] = {{MB_OK, {IDOK}},
                          {MB_OKCANCEL, {IDOK, IDCANCEL}},
                          {MB_YESNO | MB_ICONWARNING, {IDYES, IDNO}},
                          {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}}};
    for (const Case& c : cases) {
        MessageBox(nullptr, "text", "caption", c.flags);
        EXPECT_EQ(boxes.Last().buttons, c.buttons) << c.flags;
    }
    ShowMessage("No parameter input");
    EXPECT_EQ(boxes.Last().text, "No parameter input");
    EXPECT_EQ(boxes.Last().caption, ProgramName());
    EXPECT_EQ(boxes.Last().buttons, QVector<int>{IDOK});

    boxes.Answer(mrYes);
    EXPECT_EQ(MessageDlg("Some items are empty!", mtWarning, mbYes | mbNo), mrYes);
    EXPECT_EQ(boxes.Last().buttons, (QVector<int>{IDYES, IDNO}));
    EXPECT_EQ(boxes.Last().flags & MB_ICONMASK, MB_ICONWARNING);
}

TEST(MessageBoxes, BoxWithoutAResponderInTestsAborts)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(MessageBox(nullptr, "Unexpected", "Oops", MB_OK), "no responder.*Oops");
}

TEST(Services, BeepsAreCountedAndSilentUnderTests)
{
    ResetBeeps();
    Beep(1000, 200);
    Beep(440, 50);
    ASSERT_EQ(BeepCount(), 2);
    EXPECT_EQ(Beeps()[0].frequency, 1000u);
    EXPECT_EQ(Beeps()[0].milliseconds, 200u);
    ResetBeeps();
    EXPECT_EQ(BeepCount(), 0);
}

TEST(Services, TickCountAdvancesInMilliseconds)
{
    const std::uint32_t t0 = GetTickCount();
    QTest::qWait(50);
    const std::uint32_t elapsed = GetTickCount() - t0;
    EXPECT_GE(elapsed, 45u);
    EXPECT_LT(elapsed, 5000u);
}

TEST(Services, ProgramFileNameIsTheRunningTestProgram)
{
    EXPECT_EQ(ProgramName(), "test_ui");
    EXPECT_TRUE(QFileInfo(ProgramFileName()).isAbsolute());
    EXPECT_EQ(Application->ExeName(), ProgramFileName());
}

TEST(Controls, StatusBarPanelsAndSimpleText)
{
    TForm form;
    auto* bar = new TStatusBar(&form);
    TStatusPanel* p0 = bar->Panels()->Add();
    p0->SetWidth(50);
    bar->Panels()->Add()->SetText("second");
    p0->SetText("Get OK");
    EXPECT_EQ(bar->Panels()->Items(0)->Text(), "Get OK");
    EXPECT_EQ(bar->Panels()->Items(1)->Index(), 1);
    bar->SetSimplePanel(true);
    bar->SetSimpleText("simple");
    EXPECT_EQ(bar->SimpleText(), "simple");
    EXPECT_EQ(bar->Align(), alBottom);
    const QImage shot = form.grab().toImage();
    EXPECT_FALSE(shot.isNull());
}

TEST(Controls, ShapePaintsItsFillAndOutline)
{
    TShape shape;
    shape.SetBounds(0, 0, 5, 5);
    shape.Brush()->SetColor(clLime);
    shape.Pen()->SetColor(clRed);
    const QImage img = shape.grab().toImage();
    EXPECT_EQ(img.pixelColor(2, 2), ToQColor(clLime));
    EXPECT_EQ(img.pixelColor(0, 0), ToQColor(clRed));
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromRgb(0xFF8000), RGB(0xFF, 0x80, 0x00));
}

TEST(Controls, MissingPicturesAndGlyphsLeaveTheControlAsItWas)
{
    TBitBtn button;
    EXPECT_FALSE(button.LoadGlyph("/nonexistent/Get.bmp"));
    EXPECT_FALSE(button.HasGlyph());
    TImage image;
    EXPECT_FALSE(image.LoadFromFile("/nonexistent/panel.bmp"));
    QTemporaryDir dir;
    QImage bmp(16, 16, QImage::Format_RGB32);
    bmp.fill(Qt::blue);
    const QString path = dir.filePath("Set.bmp");
    ASSERT_TRUE(bmp.save(path, "BMP"));
    EXPECT_TRUE(button.LoadGlyph(path));
    EXPECT_TRUE(button.HasGlyph());
    EXPECT_TRUE(image.LoadFromFile(path));
    image.SetStretch(true);
    image.SetBounds(0, 0, 32, 32);
    EXPECT_EQ(image.grab().toImage().pixelColor(31, 31), QColor(Qt::blue));
}

TEST(Controls, MemoLinesAndLabelAutoSize)
{
    TMemo memo;
    EXPECT_EQ(memo.Lines()->Count(), 0);
    memo.Lines()->Add("first");
    memo.Lines()->Add("second");
    EXPECT_EQ(memo.Lines()->Count(), 2);
    EXPECT_EQ(memo.Lines()->Strings(1), "second");
    memo.Lines()->Delete(0);
    EXPECT_EQ(memo.Text(), "second");
    memo.Lines()->Clear();
    EXPECT_EQ(memo.Lines()->Count(), 0);

    TLabel label;
    label.SetCaption("x");
    const int narrow = label.Width();
    label.SetCaption("a much longer caption");
    EXPECT_GT(label.Width(), narrow);
    label.SetAutoSize(false);
    label.SetWidth(10);
    label.SetCaption("another long caption");
    EXPECT_EQ(label.Width(), 10);
}

TEST(Controls, ProgressBarStepsAndWraps)
{
    TProgressBar bar;
    bar.SetMax(30);
    bar.SetStep(10);
    bar.StepIt();
    bar.StepIt();
    bar.StepIt();
    EXPECT_EQ(bar.Position(), 30);
    bar.StepIt();
    EXPECT_EQ(bar.Position(), 10);
    bar.SetPosition(99);
    EXPECT_EQ(bar.Position(), 30);
}

namespace {
// Outside test mode the real dialogs run; a timer plays the user.
class ProductionMode
{
public:
    ProductionMode() { SetUiTestMode(false); }
    ~ProductionMode() { SetUiTestMode(true); }
};

void WhenModal(std::function<bool(QWidget*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w->isVisible() && act(w)) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}
} // namespace

TEST(ProductionPath, MessageBoxShowsAQtBoxAndReturnsThePressedButton)
{
    ProductionMode mode;
    QString caption;
    QString text;
    WhenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box)
            return false;
        caption = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::No)->click();
        return true;
    });
    EXPECT_EQ(MessageBox(nullptr, "Save Configurations into NV-RAM ?", "Save Configure", MB_YESNO), IDNO);
    EXPECT_EQ(caption, "Save Configure");
    EXPECT_EQ(text, "Save Configurations into NV-RAM ?");

    WhenModal([](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box)
            box->reject(); // closing the box answers with its cancel button
        return box != nullptr;
    });
    EXPECT_EQ(MessageBox(nullptr, "text", "caption", MB_OKCANCEL), IDCANCEL);
}

TEST(ProductionPath, ShowModalRunsUntilTheUserClosesTheForm)
{
    ProductionMode mode;
    TForm form;
    form.SetCaption("Real");
    auto* ok = new TButton(&form);
    ok->SetModalResult(mrOk);
    WhenModal([&](QWidget* w) {
        if (w != &form)
            return false;
        QTest::mouseClick(ok, Qt::LeftButton);
        return true;
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(form.isVisible());
}
