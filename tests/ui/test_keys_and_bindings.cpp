// Single-slot event properties taken over by a binding, and key handling
// (filters through OnKeyPress, MaxLength, default button, posted focus moves).
#include "support/UiTestHooks.h"
#include "ui/Vcl.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {
// What a control binding does with an edit's change event.
class TEditBinding
{
public:
    void Bind(TEdit* e)
    {
        edit_ = e;
        saved_ = e->OnChange;
        e->OnChange = TNotifyEvent(this, &TEditBinding::EditChange);
    }
    void Unbind()
    {
        edit_->OnChange = saved_;
        saved_.Clear();
    }
    void EditChange(TObject* sender)
    {
        seen.append(static_cast<TEdit*>(sender)->Text());
        saved_(sender);
    }
    QStringList seen;

private:
    TEdit* edit_ = nullptr;
    TNotifyEvent saved_;
};

struct TOwnHandler
{
    void Change(TObject*) { ++calls; }
    int calls = 0;
};
} // namespace

TEST(EventProperty, BindingCallsTheSavedHandlerAndUnbindRestoresIt)
{
    TForm form;
    auto* edit = new TEdit(&form);
    TOwnHandler own;
    edit->OnChange = TNotifyEvent(&own, &TOwnHandler::Change);
    const TNotifyEvent original = edit->OnChange;
    EXPECT_EQ(original.Owner(), &own);

    TEditBinding binding;
    binding.Bind(edit);
    EXPECT_FALSE(edit->OnChange.SameAs(original));
    EXPECT_EQ(edit->OnChange.Owner(), &binding);
    edit->SetText("42"); // code
    form.Show();
    QTest::keyClicks(edit, "7"); // user
    EXPECT_EQ(binding.seen, (QStringList{"42", "427"}));
    EXPECT_EQ(own.calls, 2);

    binding.Unbind();
    EXPECT_TRUE(edit->OnChange.SameAs(original));
    edit->SetText("1");
    EXPECT_EQ(own.calls, 3);
    EXPECT_EQ(binding.seen.size(), 2);
    form.Close();
}

TEST(EventProperty, EmptyHandlersAreSafeToSaveCallAndRestore)
{
    TCheckBox box;
    const TNotifyEvent saved = box.OnClick;
    EXPECT_FALSE(saved);
    EXPECT_TRUE(saved == nullptr);
    saved(&box); // calling an empty handler does nothing
    int calls = 0;
    box.OnClick = [&](TObject*) { ++calls; };
    box.SetChecked(true);
    box.OnClick = saved;
    box.SetChecked(false);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(box.OnClick.SameAs(saved));
    box.OnClick = nullptr;
    EXPECT_FALSE(box.OnClick);
}

TEST(Keys, OnKeyPressSwallowsOrReplacesTypedCharacters)
{
    TForm form;
    auto* edit = new TEdit(&form);
    form.Show();
    // A digit filter that also turns 'x' into '0'.
    edit->OnKeyPress = [](TObject*, QChar& key) {
        if (key == QLatin1Char('x'))
            key = QLatin1Char('0');
        else if (!key.isDigit() && key != QChar(8))
            key = QChar();
    };
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    QTest::keyClicks(edit, "7a0x-5");
    EXPECT_EQ(edit->Text(), "7005");
    EXPECT_EQ(changes, 4);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), "700");
    form.Close();
}

TEST(Keys, MaxLengthLimitsTypingButNotTheProgram)
{
    TForm form;
    auto* edit = new TEdit(&form);
    edit->SetMaxLength(4);
    form.Show();
    QTest::keyClicks(edit, "123456");
    EXPECT_EQ(edit->Text(), "1234");
    edit->SetText("1,2,3,300");
    EXPECT_EQ(edit->Text(), "1,2,3,300");
    QTest::keyClick(edit, Qt::Key_Backspace); // a text that is too long can still shrink
    EXPECT_EQ(edit->Text(), "1,2,3,30");
    QTest::keyClick(edit, Qt::Key_9); // but not grow
    EXPECT_EQ(edit->Text(), "1,2,3,30");
    form.Close();
}

TEST(Keys, KeyDownCanSwallowAKeyBeforeTheControlSeesIt)
{
    TForm form;
    auto* edit = new TEdit(&form);
    form.Show();
    std::vector<WORD> down;
    edit->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        down.push_back(key);
        if (key == 'B')
            key = 0;
    };
    QTest::keyClicks(edit, "abc");
    EXPECT_EQ(edit->Text(), "ac");
    EXPECT_EQ(down, (std::vector<WORD>{'A', 'B', 'C'}));
    form.Close();
}

TEST(Keys, ReturnAndEscapePressTheDefaultAndCancelButtons)
{
    TForm form;
    auto* edit = new TEdit(&form);
    auto* ok = new TButton(&form);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto* cancel = new TButton(&form);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    int okClicks = 0;
    ok->OnClick = [&](TObject*) { ++okClicks; };
    std::vector<int> results;
    UiModalDriver driver(
        [&](TForm& f) { QTest::keyClick(edit, results.empty() ? Qt::Key_Return : Qt::Key_Escape); });
    results.push_back(form.ShowModal());
    results.push_back(form.ShowModal());
    EXPECT_EQ(results, (std::vector<int>{mrOk, mrCancel}));
    EXPECT_EQ(okClicks, 1);
}

TEST(Keys, PostedFocusMoveHappensAfterTheCurrentHandler)
{
    TForm form;
    auto* e1 = new TEdit(&form);
    auto* skipped = new TEdit(&form);
    skipped->SetTabStop(false);
    auto* e2 = new TEdit(&form);
    form.Show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    e1->SetFocus();
    bool focusedInHandler = false;
    e1->OnChange = [&](TObject*) {
        if (e1->Text().size() == 3) {
            PostNextControl(&form);
            focusedInHandler = e1->Focused();
        }
    };
    QTest::keyClicks(e1, "255");
    EXPECT_TRUE(focusedInHandler);
    EXPECT_TRUE(e1->Focused()); // not moved yet
    ProcessMessages();
    EXPECT_TRUE(e2->Focused()); // the control that is no tab stop is passed over
    EXPECT_FALSE(skipped->Focused());
    form.Close();
}

TEST(EventProperty, HandlerMayReplaceItselfWhileRunning)
{
    TEdit edit;
    int calls = 0;
    const std::string state(1000, 'x'); // copied into the handler
    edit.OnChange = [&calls, &edit, state](TObject*) {
        edit.OnChange = nullptr;                 // drops the property's reference to this very handler
        calls += static_cast<int>(state.size()); // its captured state must still be there
    };
    edit.SetText("a");
    edit.SetText("b");
    EXPECT_EQ(calls, 1000);
}
