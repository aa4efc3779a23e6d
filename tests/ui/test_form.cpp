// Forms: modal showing driven by the test hook, closing rules, posted
// messages, key preview, placement and client size.
#include "support/UiTestHooks.h"
#include "ui/Vcl.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {
constexpr unsigned WM_REFRESH = WM_APP + 1234; // 34002

// A form that posts itself a message while it is built, as the
// configuration windows do.
class TPostingForm : public TForm
{
public:
    TPostingForm() : TForm(nullptr)
    {
        SetCaption(QStringLiteral("Posting"));
        PostMessage(this, WM_REFRESH, 7, 9);
    }
    void WndProc(TMessage& msg) override
    {
        if (msg.Msg == WM_REFRESH) {
            received.push_back(msg.WParam * 100 + msg.LParam);
            shownWhenReceived = isVisible();
            return;
        }
        TForm::WndProc(msg);
    }
    std::vector<std::intptr_t> received;
    bool shownWhenReceived = false;
};
} // namespace

TEST(Form, ShowModalReturnsTheResultSetByTheHook)
{
    TForm form;
    form.SetCaption(QStringLiteral("Modal one"));
    std::vector<std::string> events;
    form.OnCloseQuery = [&](TObject*, bool& can) {
        events.push_back("query");
        can = true;
    };
    form.OnClose = [&](TObject*, TCloseAction& a) {
        events.push_back(a == caHide ? "close(hide)" : "close(other)");
    };
    bool modalInHook = false;
    bool visibleInHook = false;
    UiModalDriver driver([&](TForm& f) {
        modalInHook = f.Modal();
        visibleInHook = f.isVisible();
        events.push_back("hook");
        f.SetModalResult(mrOk);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_TRUE(modalInHook);
    EXPECT_TRUE(visibleInHook);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Modal());
    EXPECT_EQ(events, (std::vector<std::string>{"hook", "query", "close(hide)"}));
    EXPECT_EQ(driver.Captions(), QStringList{QStringLiteral("Modal one")});
}

TEST(Form, ButtonWithModalResultClosesTheModalForm)
{
    TForm form;
    auto* yes = new TButton(&form);
    yes->SetModalResult(mrYes);
    int clicks = 0;
    yes->OnClick = [&](TObject* s) {
        EXPECT_EQ(s, yes);
        ++clicks;
    };
    UiModalDriver driver([&](TForm&) { QTest::mouseClick(yes, Qt::LeftButton); });
    EXPECT_EQ(form.ShowModal(), mrYes);
    EXPECT_EQ(clicks, 1);
}

TEST(Form, CloseRefusedByCloseQueryOrCloseActionKeepsTheFormModal)
{
    TForm form;
    bool allow = false;
    TCloseAction action = caNone;
    form.OnCloseQuery = [&](TObject*, bool& can) { can = allow; };
    form.OnClose = [&](TObject*, TCloseAction& a) { a = action; };
    std::vector<bool> stillModal;
    UiModalDriver driver([&](TForm& f) {
        f.Close(); // refused by OnCloseQuery
        ProcessMessages();
        stillModal.push_back(f.Modal());
        allow = true; // now refused by the close action
        f.Close();
        ProcessMessages();
        stillModal.push_back(f.Modal());
        EXPECT_EQ(f.ModalResult(), mrNone); // a refused close clears the result
        action = caHide;
        f.Close();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(stillModal, (std::vector<bool>{true, true}));
}

TEST(Form, HookThatLeavesTheFormOpenDoesNotHang)
{
    TForm form;
    form.OnCloseQuery = [](TObject*, bool& can) { can = false; }; // refuses every close
    UiModalDriver driver([](TForm&) {});
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_FALSE(form.Modal());
}

TEST(Form, NestedModalFormsEachReachTheHook)
{
    TForm outer;
    outer.SetCaption(QStringLiteral("outer"));
    int innerResult = -1;
    auto* open = new TButton(&outer);
    open->OnClick = [&](TObject*) {
        TForm inner(&outer);
        inner.SetCaption(QStringLiteral("inner"));
        innerResult = inner.ShowModal();
    };
    UiModalDriver driver([&](TForm& f) {
        if (f.Caption() == QLatin1String("outer")) {
            open->Click();
            f.SetModalResult(mrAbort);
        } else {
            EXPECT_TRUE(outer.Modal());
            f.SetModalResult(mrRetry);
        }
    });
    EXPECT_EQ(outer.ShowModal(), mrAbort);
    EXPECT_EQ(innerResult, mrRetry);
    EXPECT_EQ(driver.Captions(), (QStringList{QStringLiteral("outer"), QStringLiteral("inner")}));
}

TEST(Form, MessagePostedDuringConstructionArrivesOnlyOnceTheModalLoopRuns)
{
    TPostingForm form;
    EXPECT_TRUE(form.received.empty()); // not delivered synchronously
    std::vector<std::intptr_t> seenInHook;
    UiModalDriver driver([&](TForm& f) {
        seenInHook = form.received;
        f.Close();
    });
    form.ShowModal();
    EXPECT_EQ(seenInHook, (std::vector<std::intptr_t>{709}));
    EXPECT_TRUE(form.shownWhenReceived);
    EXPECT_EQ(form.received.size(), 1u);
}

TEST(Form, PostedMessageIsDispatchedAfterTheCurrentHandler)
{
    TForm form;
    std::vector<std::string> order;
    form.OnMessage = [&](TObject*, TMessage& m) { order.push_back("message " + std::to_string(m.Msg)); };
    auto* b = new TButton(&form);
    b->OnClick = [&](TObject*) {
        PostMessage(&form, WM_USER + 5);
        order.push_back("handler end");
    };
    b->Click();
    EXPECT_EQ(order, (std::vector<std::string>{"handler end"}));
    ProcessMessages();
    EXPECT_EQ(order, (std::vector<std::string>{"handler end", "message 1029"}));
    // Sent messages are handled at once and return the handler's result.
    form.OnMessage = [](TObject*, TMessage& m) { m.Result = m.WParam + m.LParam; };
    EXPECT_EQ(SendMessage(&form, WM_USER, 40, 2), 42);
}

TEST(Form, MessageForAFormDestroyedBeforeDeliveryIsDropped)
{
    auto* form = new TPostingForm;
    delete form;
    ProcessMessages(); // must not touch the deleted form
    SUCCEED();
}

TEST(Form, ShowModalWithoutAHookInTestsAbortsInsteadOfHanging)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ASSERT_TRUE(UiTestMode());
    EXPECT_DEATH(
        {
            TForm form;
            form.SetCaption(QStringLiteral("Forgotten"));
            form.ShowModal();
        },
        "Forgotten.*no modal hook");
}

TEST(Form, KeyPreviewSeesShiftAltF3BeforeTheFocusedButton)
{
    TForm form;
    form.SetKeyPreview(true);
    auto* ok = new TButton(&form);
    int formHits = 0;
    std::vector<WORD> buttonKeys;
    form.OnKeyDown = [&](TObject* s, WORD& key, TShiftState shift) {
        EXPECT_EQ(s, &form);
        if (key == VK_F3 && (shift & ssShift) && (shift & ssAlt))
            ++formHits;
    };
    ok->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        if (key != VK_SHIFT && key != VK_MENU) // the modifier keys come down first, as on the desktop
            buttonKeys.push_back(key);
    };
    form.Show();
    QTest::keyClick(ok, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(ok, Qt::Key_F3);
    QTest::keyClick(ok, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(formHits, 1);
    EXPECT_EQ(buttonKeys, (std::vector<WORD>{VK_F3, VK_F3, VK_F3}));
    // A form that swallows the key keeps it from the control.
    form.OnKeyDown = [](TObject*, WORD& key, TShiftState) { key = 0; };
    QTest::keyClick(ok, Qt::Key_A);
    EXPECT_EQ(buttonKeys.size(), 3u);
    form.Close();
}

TEST(Form, ClientSizeExcludesTheMenuAndDockedChildrenUseIt)
{
    TForm form;
    form.SetClientWidth(782);
    form.SetClientHeight(151);
    auto* menu = new TMainMenu(&form);
    auto* file = new TMenuItem(menu);
    file->SetCaption(QStringLiteral("File"));
    menu->Items()->Add(file);
    EXPECT_EQ(form.Menu(), menu);
    EXPECT_EQ(form.ClientWidth(), 782);
    EXPECT_EQ(form.ClientHeight(), 151);
    auto* client = new TPanel(&form);
    client->SetAlign(alClient);
    EXPECT_EQ(client->BoundsRect(), QRect(0, 0, 782, 151));
    form.SetClientHeight(200);
    EXPECT_EQ(form.ClientHeight(), 200);
    EXPECT_EQ(client->Height(), 200);
}

TEST(Form, CentredOnTheScreenOrOnTheOwner)
{
    TForm owner;
    owner.SetBounds(100, 80, 600, 400);
    owner.Show();
    TForm child(&owner);
    child.SetClientWidth(200);
    child.SetClientHeight(100);
    child.SetPosition(poOwnerFormCenter);
    child.Show();
    const QPoint ownerCentre = owner.frameGeometry().center();
    const QPoint childCentre = child.frameGeometry().center();
    EXPECT_LE(std::abs(ownerCentre.x() - childCentre.x()), 2);
    EXPECT_LE(std::abs(ownerCentre.y() - childCentre.y()), 2);
    child.Close();

    TForm screenForm;
    screenForm.SetClientWidth(300);
    screenForm.SetClientHeight(120);
    screenForm.SetPosition(poScreenCenter);
    screenForm.Show();
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE(std::abs(screenForm.frameGeometry().center().x() - screenCentre.x()), 2);
    EXPECT_LE(std::abs(screenForm.frameGeometry().center().y() - screenCentre.y()), 2);
    screenForm.Close();
    owner.Close();
}

TEST(Form, OnCreateRunsOnceBeforeTheFirstShow)
{
    TForm form;
    int created = 0;
    form.OnCreate = [&](TObject*) { ++created; };
    UiModalDriver driver([](TForm& f) { f.Close(); });
    form.ShowModal();
    form.ShowModal();
    EXPECT_EQ(created, 1);
}

TEST(Form, HostedFormIsAControlOfItsParent)
{
    TForm host;
    host.SetClientWidth(300);
    host.SetClientHeight(200);
    auto* box = new TScrollBox(&host);
    box->SetAlign(alClient);
    auto* panel = new TForm(&host);
    panel->SetBorderStyle(bsNone);
    panel->SetParent(box);
    panel->SetBounds(0, 0, 500, 120);
    panel->Show();
    EXPECT_FALSE(panel->IsWindow());
    EXPECT_EQ(panel->Parent(), box);
    EXPECT_EQ(panel->window(), &host);
    host.Show();
    ProcessMessages();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_THROW(panel->ShowModal(), std::logic_error);
    host.Close();
}

TEST(Form, OnActivateFiresEachTimeTheFormBecomesActive)
{
    TForm main;
    int activations = 0;
    main.OnActivate = [&](TObject*) { ++activations; };
    main.Show();
    QApplication::setActiveWindow(&main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    EXPECT_EQ(activations, 1);

    // A modal window opened and closed from the main form: one more activation.
    TForm dialog(&main);
    UiModalDriver driver([&](TForm& f) {
        QApplication::setActiveWindow(&f);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        f.Close();
    });
    dialog.ShowModal();
    QApplication::setActiveWindow(&main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    EXPECT_EQ(activations, 2);
    main.Close();
}

TEST(Form, ClosingTheMainFormEndsTheProgramUnlessRefused)
{
    TForm main;
    Application->SetMainForm(&main);
    UiMessageBoxes boxes;
    boxes.Answer(IDNO);
    boxes.Answer(IDYES);
    main.OnClose = [](TObject*, TCloseAction& a) {
        if (MessageBox(nullptr, "Are you sure to exit?", "Exit", MB_YESNO) != IDYES)
            a = caNone;
    };
    main.Show();
    main.Close();
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(Application->Terminated());
    main.Close();
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(boxes.Count(), 2);
    Application->SetMainForm(nullptr);
}
