#include "mib/QnEditConstraint.h"
#include "mib/QnErrorCatalogue.h"
#include "mib/QnException.h"
#include "ui/TApplication.h"
#include "ui/TEdit.h"
#include "ui/TForm.h"
#include "ui/TestHooks.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const char kBadFormat[] = "Bad format specifier of edit's constraint!";
const char kListHead[] = "Please enter a delimited number string with delimiter ','.\n";

// A shown, active form with three edits, a constraint object owned by the
// form, and a responder that records every message box.
class EditConstraint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetCatalogues();
        ResetBeeps();
        previous_ = SetMessageBoxResponder([this](const TMessageBoxRequest& r) {
            boxes_.push_back(r);
            return IDOK;
        });
        form_ = std::make_unique<TForm>();
        form_->SetBounds(0, 0, 320, 200);
        for (int i = 0; i < 3; ++i) {
            edits_[i] = new TEdit(form_.get());
            edits_[i]->SetBounds(10, 10 + 30 * i, 150, 24);
        }
        form_->Show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        constraint_ = std::make_unique<QnEditConstraint>(form_.get(), true);
    }

    void TearDown() override
    {
        constraint_.reset();
        form_.reset();
        SetMessageBoxResponder(previous_);
        ResetCatalogues();
    }

    TEdit* Edit(int i) { return edits_[i]; }

    // Puts the focus into the edit and types the characters as key presses.
    void Type(TEdit* edit, const char* keys)
    {
        Focus(edit);
        QTest::keyClicks(edit, keys);
        Settle();
    }

    // Moves the focus to another edit, which makes the first one run its
    // exit handler.
    void Focus(TEdit* edit)
    {
        edit->SetFocus();
        Settle();
    }

    // Runs what was posted (focus moves) after the current event.
    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    static QWidget* Focused() { return QApplication::focusWidget(); }

    std::unique_ptr<TForm> form_;
    TEdit* edits_[3] = {};
    std::unique_ptr<QnEditConstraint> constraint_;
    std::vector<TMessageBoxRequest> boxes_;
    TMessageBoxResponder previous_;
};

TEST_F(EditConstraint, IntegerFilterBoundsAndLength)
{
    constraint_->Attach("%i{n1x65535l5}", Edit(0));
    Type(Edit(0), "7a0");
    EXPECT_EQ(Edit(0)->Text(), "70");
    ASSERT_EQ(BeepCount(), 1);
    EXPECT_EQ(Beeps()[0].frequency, 1000u);
    EXPECT_EQ(Beeps()[0].milliseconds, 200u);
    Type(Edit(0), "12345");
    EXPECT_EQ(Edit(0)->Text(), "70123"); // at most five characters are typed
    EXPECT_EQ(Focused(), Edit(0));       // no auto-advance without the flag

    // 70123 is out of range: the box, the last accepted text (none yet), the focus back
    Focus(Edit(1));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "Please enter a number between 1 and 65535!");
    EXPECT_EQ(boxes_[0].caption, ProgramName());
    EXPECT_EQ(boxes_[0].flags, MB_OK);
    EXPECT_EQ(boxes_[0].owner, form_.get());
    EXPECT_EQ(Edit(0)->Text(), "");
    EXPECT_EQ(Focused(), Edit(0));

    Type(Edit(0), "65535");
    Focus(Edit(1));
    EXPECT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(Focused(), Edit(1));
    EXPECT_EQ(constraint_->Find(Edit(0))->LastText, "65535");

    Edit(0)->SetText("0");
    Focus(Edit(0));
    Focus(Edit(1));
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[1].text, "Please enter a number between 1 and 65535!");
    EXPECT_EQ(Edit(0)->Text(), "65535");
}

TEST_F(EditConstraint, AutoAdvanceWhenFull)
{
    constraint_->Attach("%i{n0x255l3a}", Edit(0));
    Type(Edit(0), "12");
    EXPECT_EQ(Focused(), Edit(0));
    QTest::keyClicks(Edit(0), "5");
    EXPECT_EQ(Focused(), Edit(0)); // the move is posted, not done inside the handler
    Settle();
    EXPECT_EQ(Focused(), Edit(1));
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(EditConstraint, TextLength)
{
    constraint_->Attach("%s{l32}", Edit(0));
    Focus(Edit(0));
    Edit(0)->SetText(QString(33, QLatin1Char('x'))); // text set by code is kept whole
    Focus(Edit(1));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "Please enter a string whose length is less than 32!");
    EXPECT_EQ(Edit(0)->Text(), "");

    Edit(0)->SetText(QString(32, QLatin1Char('x')));
    Focus(Edit(1));
    EXPECT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(BeepCount(), 0); // every character is allowed
}

TEST_F(EditConstraint, FixedLengthHex)
{
    constraint_->Attach("%h{l12f}", Edit(0));
    Type(Edit(0), "0a1Bg");
    EXPECT_EQ(Edit(0)->Text(), "0a1B");
    EXPECT_EQ(BeepCount(), 1);
    Edit(0)->SetText("0123456789A");
    Focus(Edit(1));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "Please enter a hex string whose length is 12!");
    Edit(0)->SetText("0123456789AB");
    Focus(Edit(0));
    Focus(Edit(1));
    EXPECT_EQ(boxes_.size(), 1u);
}

TEST_F(EditConstraint, ExitCharacterMovesOn)
{
    constraint_->Attach("%i{e.}", Edit(0));
    Type(Edit(0), "10.");
    EXPECT_EQ(Edit(0)->Text(), "10");
    EXPECT_EQ(BeepCount(), 0);
    EXPECT_EQ(Focused(), Edit(1));
}

TEST_F(EditConstraint, NumberListCountsAndRanges)
{
    constraint_->Attach("%n,{n0x255l4f}", Edit(0));
    Type(Edit(0), ",");
    EXPECT_EQ(Edit(0)->Text(), ""); // no leading delimiter
    EXPECT_EQ(BeepCount(), 1);
    Type(Edit(0), "1,,2");
    EXPECT_EQ(Edit(0)->Text(), "1,2"); // no delimiter after a delimiter
    EXPECT_EQ(BeepCount(), 2);
    Type(Edit(0), "3,4");
    EXPECT_EQ(Edit(0)->Text(), "1,23"); // the length limits the characters typed

    Edit(0)->SetText("1,2,3");
    Focus(Edit(1));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, QString(kListHead) + "Here,the count of the number is equal to 4!");

    Edit(0)->SetText("1,2,3,300");
    Focus(Edit(0));
    Focus(Edit(1));
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[1].text, QString(kListHead) + "Here,each number is between 0 and 255!");

    Edit(0)->SetText("1,2,3,255");
    Focus(Edit(0));
    Focus(Edit(1));
    EXPECT_EQ(boxes_.size(), 2u);
}

TEST_F(EditConstraint, NumberListMaximumCount)
{
    constraint_->Attach("%n.{l3}", Edit(0));
    Edit(0)->SetText("1.2.3.4");
    Focus(Edit(0));
    Focus(Edit(1));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "Please enter a delimited number string with delimiter '.'.\n"
                              "Here,the count of the number is less than 3!");
    Edit(0)->SetText("1.2.4294967295");
    Focus(Edit(0));
    Focus(Edit(1));
    EXPECT_EQ(boxes_.size(), 1u); // the default range is the whole unsigned range
}

TEST_F(EditConstraint, EmptyField)
{
    constraint_->Attach("%s{l8n}%s{l8}", {Edit(0), Edit(1)});
    Focus(Edit(0));
    Focus(Edit(1));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "Empty value is not allowed!");
    EXPECT_EQ(Focused(), Edit(0));
    Type(Edit(0), "ab");
    Focus(Edit(1));
    EXPECT_EQ(boxes_.size(), 1u);
    Focus(Edit(2)); // the second edit may stay empty
    EXPECT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(Focused(), Edit(2));
}

TEST_F(EditConstraint, MissingValueTextsAreExempt)
{
    constraint_->Attach("%i{n1x10l2}", Edit(0));
    for (const char* text : {"(NULL)", "(NOTDONE)"}) {
        Edit(0)->SetText(text);
        EXPECT_EQ(Edit(0)->Text(), text);
        Focus(Edit(0));
        Focus(Edit(1));
        EXPECT_EQ(Edit(0)->Text(), text);
    }
    EXPECT_EQ(BeepCount(), 0);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(EditConstraint, DefaultBoundsPerType)
{
    struct
    {
        const char* constraint;
        const char* text;
        const char* message; // null: passes
    } cases[] = {
        {"%i", "2147483647", nullptr},
        {"%i", "-2147483648", nullptr},
        {"%i", "2147483648", "Please enter a number between -2147483648 and 2147483647!"},
        {"%i{}", "-2147483649", "Please enter a number between -2147483648 and 2147483647!"},
        {"%u", "4294967295", nullptr},
        {"%u", "4294967296", "Please enter a number between 0 and 4294967295!"},
        {"%f", "-1.5e300", nullptr},
        {"%f{n-1.5x2.5}", "2.5", nullptr},
        {"%f{n-1.5x2.5}", "-1.6", "Please enter a number between -1.5 and 2.5!"},
        {"%i{n5}", "4", "Please enter a number between 5 and 2147483647!"},
        {"%i{n1x9}", "abc", "Please enter a number between 1 and 9!"}, // reads 0
        {"%i{n1x9}", "7xyz", nullptr},
        {"%s", "anything at all, however long it is", nullptr},
        {"%h", "0123456789abcdef0123456789", nullptr},
    };
    for (const auto& c : cases) {
        QnEditConstraint constraint(form_.get(), true);
        constraint.Attach(c.constraint, Edit(0));
        const QSignalBlocker quiet(Edit(0)); // the text is set, not typed
        Edit(0)->SetText(c.text);
        boxes_.clear();
        constraint.EditExit(Edit(0));
        if (c.message) {
            ASSERT_EQ(boxes_.size(), 1u) << c.constraint << " " << c.text;
            EXPECT_EQ(boxes_[0].text, c.message) << c.constraint << " " << c.text;
        } else {
            EXPECT_TRUE(boxes_.empty()) << c.constraint << " " << c.text;
        }
    }
}

TEST_F(EditConstraint, TypeFilters)
{
    struct
    {
        const char* constraint;
        const char* keys;
        const char* text;
        int beeps;
    } cases[] = {
        {"%i", "-12-3", "-123", 1},    {"%i", "1-", "1", 1},           {"%u", "-5", "5", 1},
        {"%f", "-1.5.2", "-1.52", 1},  {"%f", ".5-", ".5", 1},         {"%h", "fFxA9", "fFA9", 1},
        {"%s", "a-.,%!", "a-.,%!", 0}, {"%n.", "1..2.x3", "1.2.3", 2}, {"%n-{l5}", "12-34-5", "12-34", 0},
    };
    for (const auto& c : cases) {
        QnEditConstraint constraint(form_.get(), false);
        Edit(0)->OnChange = nullptr;
        Edit(0)->SetText("");
        constraint.Attach(c.constraint, Edit(0));
        ResetBeeps();
        Type(Edit(0), c.keys);
        EXPECT_EQ(Edit(0)->Text(), c.text) << c.constraint << " " << c.keys;
        EXPECT_EQ(BeepCount(), c.beeps) << c.constraint << " " << c.keys;
        constraint.Detach(Edit(0));
    }
}

TEST_F(EditConstraint, FlagLettersSwallowAFollowingN)
{
    try {
        constraint_->Attach("%i{l3n1x9}", Edit(0));
        FAIL() << "attached";
    } catch (const QnException& e) {
        EXPECT_EQ(e.Code(), -2);
    }
    EXPECT_EQ(constraint_->Count(), 0);

    constraint_->Attach("%i{n1x9l3}", Edit(0));
    const EditConstraint_s* rec = constraint_->Find(Edit(0));
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->Min, 1);
    EXPECT_EQ(rec->Max, 9);
    EXPECT_EQ(rec->MaxLength, 3);
    EXPECT_EQ(rec->Flags, 0);

    const struct
    {
        const char* text;
        uint8_t flags;
        int32_t length;
    } flags[] = {{"%s{l5a}", ECF_AUTOADVANCE, 5},
                 {"%s{l3fn}", ECF_FIXED | ECF_NOTEMPTY, 3},
                 {"%s{l7nfa}", ECF_AUTOADVANCE | ECF_FIXED | ECF_NOTEMPTY, 7},
                 {"%s{l2n}", ECF_NOTEMPTY, 2},
                 {"%s{l4l6}", 0, 6}, // a later item overrides
                 {"%s{l0}", 0, 0}};
    for (const auto& f : flags) {
        QnEditConstraint c(form_.get(), false);
        c.Attach(f.text, Edit(1));
        ASSERT_NE(c.Find(Edit(1)), nullptr) << f.text;
        EXPECT_EQ(c.Find(Edit(1))->Flags, f.flags) << f.text;
        EXPECT_EQ(c.Find(Edit(1))->MaxLength, f.length) << f.text;
        EXPECT_EQ(Edit(1)->MaxLength(), f.length) << f.text;
    }
}

TEST_F(EditConstraint, ParseErrorsLeaveTheEditUntouched)
{
    int ownCalls = 0;
    const TNotifyEvent own([&](TObject*) { ++ownCalls; });
    Edit(0)->OnChange = own;
    Edit(0)->SetMaxLength(9);
    for (const char* text : {"%x",     "i{l3}",       "%i(l3)",   "%i{l}",    "%i{q1}", "%i{e}",
                             "%",      "%n",          "%i{",      "%i}",      "%i{l3",  "%i{w}",
                             "%i{n}",  "%i{x}",       "%i{n1-2}", "%i{x--1}", "%i{n.}", "%s{l99999999999}",
                             "%n,{l3", "%i{n1x9l3n1}"}) {
        try {
            constraint_->Attach(text, Edit(0));
            ADD_FAILURE() << "attached " << text;
        } catch (const QnException& e) {
            EXPECT_EQ(e.Code(), -2) << text;
            EXPECT_EQ(e.Text(), kBadFormat) << text;
        }
        EXPECT_EQ(constraint_->Count(), 0) << text;
        EXPECT_TRUE(Edit(0)->OnChange.SameAs(own)) << text;
        EXPECT_EQ(Edit(0)->MaxLength(), 9) << text;
    }
    Edit(0)->SetText("x");
    EXPECT_EQ(ownCalls, 1);
    EXPECT_EQ(BeepCount(), 0);
}

TEST_F(EditConstraint, CompositeTextOverTwoEdits)
{
    constraint_->Attach("%i{n0x23}%i{n0x59}", {Edit(0), Edit(1)});
    ASSERT_EQ(constraint_->Count(), 2);
    EXPECT_EQ(constraint_->Find(Edit(0))->Max, 23);
    EXPECT_EQ(constraint_->Find(Edit(1))->Max, 59);
    Type(Edit(0), "30");
    Focus(Edit(1));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "Please enter a number between 0 and 23!");
    Type(Edit(1), "30");
    Focus(Edit(2));
    EXPECT_EQ(boxes_.size(), 1u);

    // more constraints than edits: the ones with an edit attach, then the error
    QnEditConstraint other(form_.get(), false);
    EXPECT_THROW(other.Attach("%s%s", std::vector<TEdit*>{Edit(2)}), QnException);
    EXPECT_EQ(other.Count(), 1);
    EXPECT_NE(other.Find(Edit(2)), nullptr);
}

TEST_F(EditConstraint, OwnHandlersAndTheTagSignal)
{
    int changes = 0;
    int exits = 0;
    int tagOnChange = 0;
    int tagOnExit = 0;
    const TNotifyEvent ownChange([&](TObject*) {
        ++changes;
        Edit(0)->SetTag(tagOnChange);
    });
    const TNotifyEvent ownExit([&](TObject*) {
        ++exits;
        Edit(0)->SetTag(tagOnExit);
    });
    Edit(0)->OnChange = ownChange;
    Edit(0)->OnExit = ownExit;
    constraint_->Attach("%i{l2a}", Edit(0));

    Type(Edit(0), "1x"); // the refused character never reaches the own handler twice
    EXPECT_EQ(Edit(0)->Text(), "1");
    EXPECT_EQ(changes, 2); // "1", then "1" again after the removal of x
    tagOnChange = -1;
    QTest::keyClicks(Edit(0), "2");
    Settle();
    EXPECT_EQ(Focused(), Edit(0)); // tag -1 holds back the auto-advance

    Focus(Edit(1));
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(constraint_->Find(Edit(0))->LastText, "12");

    tagOnExit = -1;
    Edit(0)->SetText("34");
    Focus(Edit(0));
    Focus(Edit(1));
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(Edit(0)->Text(), "12"); // tag -1 on exit puts the last accepted text back

    constraint_->Detach(Edit(0));
    EXPECT_TRUE(Edit(0)->OnChange.SameAs(ownChange));
    EXPECT_TRUE(Edit(0)->OnExit.SameAs(ownExit));
    constraint_->Detach(Edit(0)); // no record: ignored

    // destroying the object gives the edits their own handlers back
    constraint_->Attach("%i", Edit(0));
    constraint_.reset();
    EXPECT_TRUE(Edit(0)->OnChange.SameAs(ownChange));
    EXPECT_TRUE(Edit(0)->OnExit.SameAs(ownExit));
}

TEST_F(EditConstraint, RememberFlagOffKeepsTheFirstText)
{
    QnEditConstraint constraint(form_.get(), false);
    constraint.Attach("%i{n1x9}", Edit(0));
    Type(Edit(0), "5");
    Focus(Edit(1));
    EXPECT_TRUE(boxes_.empty());
    Edit(0)->SetText("0");
    Focus(Edit(0));
    Focus(Edit(1));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(Edit(0)->Text(), "");
}

TEST_F(EditConstraint, OwnerWidthAndSecondAttach)
{
    TForm dialog;
    constraint_->Attach("%s{l4n}", Edit(0));
    constraint_->SetOwner(&dialog);
    Focus(Edit(0));
    Focus(Edit(1));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].owner, &dialog);
    constraint_->SetOwner(form_.get());

    constraint_->Attach("%s{w120l6}", Edit(2));
    EXPECT_EQ(Edit(2)->Width(), 120);
    EXPECT_EQ(Edit(2)->MaxLength(), 6);
    constraint_->Attach("%s{l2}", Edit(2)); // replaces, never stacks
    EXPECT_EQ(constraint_->Count(), 2);
    EXPECT_EQ(constraint_->Find(Edit(2))->MaxLength, 2);
    constraint_->Detach(Edit(2));
    EXPECT_FALSE(Edit(2)->OnChange);
}

TEST_F(EditConstraint, LoadedCatalogueTextsAreUsed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.path().toStdString() + "/common.err";
    {
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Ok\nlogic\nformat\nempty\nlen<[MAXLEN]\nlen=[LEN]\nhex<[MAXLEN]\nhex=[LEN]\n[MIN]..[MAX]\n");
    }
    ASSERT_TRUE(LoadCatalogue(CAT_GENERAL, path));
    constraint_->Attach("%i{n1x9}", Edit(0));
    Edit(0)->SetText("10");
    Focus(Edit(0));
    Focus(Edit(1));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "1..9");
    try {
        constraint_->Attach("%q", Edit(1));
        FAIL();
    } catch (const QnException& e) {
        EXPECT_EQ(e.Text(), "format");
    }
}

TEST(EditConstraintTexts, EveryTextOfTheProgramAttaches)
{
    const char* texts[] = {
        "%s",
        "%i",
        "%h",
        "%u",
        "%i{}",
        "%s{l2}",
        "%s{l4}",
        "%s{l8}",
        "%s{l12}",
        "%s{l15}",
        "%s{l16}",
        "%s{l21}",
        "%s{l32}",
        "%s{l64}",
        "%s{l128}",
        "%s{l254}",
        "%i{n0x7}",
        "%i{n0x7l1}",
        "%i{n0x63l2}",
        "%i{n0x76}",
        "%i{n0x255l3}",
        "%i{n0x61440l5}",
        "%i{n0x65535l5}",
        "%i{n0x65535l5a}",
        "%i{n0x165535l5}",
        "%i{n0x1000000l7a}",
        "%i{n0x16711450l8}",
        "%i{n1x3}",
        "%i{n1x4}",
        "%i{n1x5}",
        "%i{n1x6}",
        "%i{n1x10l2}",
        "%i{n1x10l2a}",
        "%i{n1x14l2}",
        "%i{n1x16}",
        "%i{n1x16l2}",
        "%i{n1x20l2a}",
        "%i{n1x25l2}",
        "%i{n1x32l2a}",
        "%i{n1x99l2}",
        "%i{n1x255}",
        "%i{n1x255l3}",
        "%i{n1x256l3}",
        "%i{n1x500l3}",
        "%i{n1x4094}",
        "%i{n1x4094l4}",
        "%i{n1x65535l5}",
        "%i{n1x16711450l8}",
        "%i{n1x2147483647l10}",
        "%i{n10x65535l5}",
        "%i{n20x100l3}",
        "%i{n30x90l2}",
        "%i{n30x120l3}",
        "%i{n30x99999l5}",
        "%i{n37x370l3}",
        "%i{n60x86400l5}",
        "%i{n64x1024000}",
        "%i{n100x255l3}",
        "%i{n100x1000l4a}",
        "%i{n400x3000l4a}",
        "%i{n600x4000l4a}",
        "%i{n1000x16800l5}",
    };
    TForm form;
    TEdit edit(&form);
    for (const char* text : texts) {
        QnEditConstraint constraint(&form, true);
        EXPECT_NO_THROW(constraint.Attach(text, &edit)) << text;
        EXPECT_EQ(constraint.Count(), 1) << text;
    }
    // and the one built at run time
    for (int max : {0, 7, 255}) {
        QnEditConstraint constraint(&form, true);
        const std::string text = "%i{n0x" + std::to_string(max) + "l3}";
        ASSERT_NO_THROW(constraint.Attach(text, &edit)) << text;
        EXPECT_EQ(constraint.Find(&edit)->Max, max);
        EXPECT_EQ(constraint.Find(&edit)->MaxLength, 3);
    }
}

TEST(EditConstraintNumbers, ParseNumberList)
{
    EXPECT_EQ(ParseNumberList("", ','), std::vector<uint32_t>{});
    EXPECT_EQ(ParseNumberList("1,,3", ','), (std::vector<uint32_t>{1, 0, 3}));
    EXPECT_EQ(ParseNumberList("2.9,4", ','), (std::vector<uint32_t>{2, 4}));
    EXPECT_EQ(ParseNumberList("4294967296", ','), std::vector<uint32_t>{0});
    EXPECT_EQ(ParseNumberList("10.20", '.'), (std::vector<uint32_t>{10, 20}));
}

} // namespace
