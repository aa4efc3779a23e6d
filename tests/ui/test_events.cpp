// The moments at which control events fire, by user action and by code.
#include "support/UiTestHooks.h"
#include "ui/Vcl.h"

#include <QAction>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

// ---- events fired (or not) when code changes a value ------------------------------
namespace {
struct CodeChangeCase
{
    std::string name;
    // Builds the control on the form, hooks the counted event, returns the change.
    std::function<std::function<void()>(TForm&, int&)> setup;
    int expected;
};

std::ostream& operator<<(std::ostream& os, const CodeChangeCase& c)
{
    return os << c.name;
}

class CodeChange : public ::testing::TestWithParam<CodeChangeCase>
{
};

TComboBox* Combo(TForm& f, TComboBoxStyle style)
{
    auto* c = new TComboBox(&f);
    c->SetStyle(style);
    c->Items()->Assign(QStringList{"enabled", "disabled"});
    return c;
}

TRadioGroup* Group(TForm& f)
{
    auto* g = new TRadioGroup(&f);
    g->Items()->Assign(QStringList{"one", "two", "three"});
    return g;
}
} // namespace

TEST_P(CodeChange, FiresOnlyWhereTheWindowsExpect)
{
    TForm form;
    int fired = 0;
    auto change = GetParam().setup(form, fired);
    change();
    EXPECT_EQ(fired, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, CodeChange,
    ::testing::Values(CodeChangeCase{"EditSetText",
                                     [](TForm& f, int& n) {
                                         auto* e = new TEdit(&f);
                                         e->OnChange = [&n](TObject*) { ++n; };
                                         return [e] { e->SetText("12"); };
                                     },
                                     1},
                      CodeChangeCase{"EditSetSameText",
                                     [](TForm& f, int& n) {
                                         auto* e = new TEdit(&f);
                                         e->SetText("12");
                                         e->OnChange = [&n](TObject*) { ++n; };
                                         return [e] { e->SetText("12"); };
                                     },
                                     0},
                      CodeChangeCase{"EditSetTextLongerThanMaxLength",
                                     [](TForm& f, int& n) {
                                         auto* e = new TEdit(&f);
                                         e->SetMaxLength(4);
                                         e->OnChange = [&n, e](TObject*) {
                                             n += e->Text() == "1,2,3" ? 1 : 100;
                                         };
                                         return [e] { e->SetText("1,2,3"); }; // kept whole
                                     },
                                     1},
                      CodeChangeCase{"ComboSetItemIndex",
                                     [](TForm& f, int& n) {
                                         auto* c = Combo(f, csDropDownList);
                                         c->OnChange = [&n](TObject*) { ++n; };
                                         return [c] {
                                             c->SetItemIndex(1);
                                             c->SetItemIndex(0);
                                             c->SetItemIndex(-1);
                                         };
                                     },
                                     0},
                      CodeChangeCase{"ComboSetText",
                                     [](TForm& f, int& n) {
                                         auto* c = Combo(f, csDropDown);
                                         c->OnChange = [&n](TObject*) { ++n; };
                                         return [c] {
                                             c->SetText("disabled");
                                             c->SetText("typed");
                                             c->Items()->Add("third");
                                         };
                                     },
                                     0},
                      CodeChangeCase{"CheckBoxSetChecked",
                                     [](TForm& f, int& n) {
                                         auto* c = new TCheckBox(&f);
                                         c->OnClick = [&n](TObject*) { ++n; };
                                         return [c] {
                                             c->SetChecked(true);
                                             c->SetChecked(true); // no change
                                             c->SetChecked(false);
                                         };
                                     },
                                     2},
                      CodeChangeCase{"RadioButtonSetChecked",
                                     [](TForm& f, int& n) {
                                         auto* r = new TRadioButton(&f);
                                         r->OnClick = [&n](TObject*) { ++n; };
                                         return [r] {
                                             r->SetChecked(true);
                                             r->SetChecked(false); // unchecking is silent
                                             r->SetChecked(true);
                                         };
                                     },
                                     2},
                      CodeChangeCase{"RadioGroupSetItemIndex",
                                     [](TForm& f, int& n) {
                                         auto* g = Group(f);
                                         g->OnClick = [&n](TObject*) { ++n; };
                                         return [g] {
                                             g->SetItemIndex(1);
                                             g->SetItemIndex(1); // same
                                             g->SetItemIndex(-1);
                                             g->SetItemIndex(2);
                                         };
                                     },
                                     2},
                      CodeChangeCase{"PageControlSetActivePage",
                                     [](TForm& f, int& n) {
                                         auto* pc = new TPageControl(&f);
                                         auto* a = new TTabSheet(pc);
                                         auto* b = new TTabSheet(pc);
                                         pc->OnChange = [&n](TObject*) { ++n; };
                                         return [pc, a, b] {
                                             pc->SetActivePage(b);
                                             pc->SetActivePageIndex(0);
                                             EXPECT_EQ(pc->ActivePage(), a);
                                         };
                                     },
                                     0},
                      CodeChangeCase{"ListViewSelectionByCode",
                                     [](TForm& f, int& n) {
                                         auto* lv = new TListView(&f);
                                         lv->Columns()->Add();
                                         TListItem* a = lv->Items()->Add();
                                         TListItem* b = lv->Items()->Add();
                                         lv->OnSelectItem = [&n](TObject*, TListItem*, bool) { ++n; };
                                         lv->OnClick = [&n](TObject*) { n += 100; };
                                         return [lv, a, b] {
                                             lv->SetSelected(a);       // a on
                                             lv->SetSelected(b);       // a off, b on
                                             lv->SetSelected(nullptr); // b off
                                         };
                                     },
                                     4}),
    [](const auto& info) { return info.param.name; });

// ---- user actions ----------------------------------------------------------------------
class UserAction : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.SetClientWidth(400);
        form.SetClientHeight(300);
        form.Show();
    }
    void TearDown() override { form.Close(); }
    TForm form;
};

TEST_F(UserAction, EditOnChangeFiresForEveryTypedCharacter)
{
    auto* e = new TEdit(&form);
    QStringList seen;
    e->OnChange = [&](TObject*) { seen.append(e->Text()); };
    QTest::keyClicks(e, "ab");
    QTest::keyClick(e, Qt::Key_Backspace);
    EXPECT_EQ(seen, (QStringList{"a", "ab", "a"}));
}

TEST_F(UserAction, ComboOnChangeFiresWhenTheUserPicksOrTypes)
{
    TComboBox* list = Combo(form, csDropDownList);
    list->SetItemIndex(0);
    int changes = 0;
    list->OnChange = [&](TObject*) { ++changes; };
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(changes, 1);

    TComboBox* edit = Combo(form, csDropDown);
    QStringList texts;
    edit->OnChange = [&](TObject*) { texts.append(edit->Text()); };
    QTest::keyClicks(edit, "ena");
    EXPECT_EQ(texts, (QStringList{"e", "en", "ena"}));
    EXPECT_EQ(edit->ItemIndex(), -1); // a typed text that is no item
    edit->SetText("enabled");
    EXPECT_EQ(edit->ItemIndex(), 0);
    EXPECT_EQ(texts.size(), 3);
}

TEST_F(UserAction, ItemsAddedToAComboSelectNothing)
{
    auto* c = new TComboBox(&form);
    c->SetStyle(csDropDownList);
    c->Items()->Add("a");
    c->Items()->Add("b");
    EXPECT_EQ(c->ItemIndex(), -1);
    EXPECT_EQ(c->Text(), "");
    c->SetItemIndex(1);
    c->Items()->Insert(0, "z"); // the selected item moves down with its text
    EXPECT_EQ(c->ItemIndex(), 2);
    EXPECT_EQ(c->Text(), "b");
    c->Items()->Delete(2);
    EXPECT_EQ(c->ItemIndex(), -1);
}

TEST_F(UserAction, CheckBoxAndRadioGroupClicks)
{
    auto* c = new TCheckBox(&form);
    c->SetCaption("Check");
    int clicks = 0;
    c->OnClick = [&](TObject*) { ++clicks; };
    QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(6, c->Height() / 2));
    EXPECT_TRUE(c->Checked());
    EXPECT_EQ(clicks, 1);

    TRadioGroup* g = Group(form);
    g->SetBounds(0, 50, 185, 105);
    int groupClicks = 0;
    g->OnClick = [&](TObject*) { ++groupClicks; };
    const QPoint indicator(6, g->Button(2)->height() / 2);
    QTest::mouseClick(g->Button(2), Qt::LeftButton, {}, indicator);
    EXPECT_EQ(g->ItemIndex(), 2);
    QTest::mouseClick(g->Button(2), Qt::LeftButton, {}, indicator); // already selected: stays, no click
    EXPECT_EQ(g->ItemIndex(), 2);
    EXPECT_TRUE(g->Button(2)->isChecked());
    EXPECT_FALSE(g->Button(0)->isChecked());
    EXPECT_EQ(groupClicks, 1);
}

TEST_F(UserAction, PageControlOnChangeFiresAfterTheUserSwitches)
{
    auto* pc = new TPageControl(&form);
    pc->SetBounds(0, 0, 300, 200);
    auto* a = new TTabSheet(pc);
    a->SetCaption("First");
    auto* b = new TTabSheet(pc);
    b->SetCaption("Second");
    TTabSheet* activeInHandler = nullptr;
    bool allow = false;
    pc->OnChanging = [&](TObject*, bool& ok) { ok = allow; };
    pc->OnChange = [&](TObject*) { activeInHandler = pc->ActivePage(); };
    QTest::mouseClick(pc->TabBar(), Qt::LeftButton, {}, pc->TabBar()->tabRect(1).center());
    EXPECT_EQ(pc->ActivePage(), a); // refused by OnChanging
    EXPECT_EQ(activeInHandler, nullptr);
    allow = true;
    QTest::mouseClick(pc->TabBar(), Qt::LeftButton, {}, pc->TabBar()->tabRect(1).center());
    EXPECT_EQ(pc->ActivePage(), b);
    EXPECT_EQ(activeInHandler, b);
    EXPECT_TRUE(b->isVisible());
    EXPECT_FALSE(a->isVisible());
}

TEST_F(UserAction, ListViewClickOnEmptySpaceClearsTheSelection)
{
    auto* lv = new TListView(&form);
    lv->SetBounds(0, 0, 300, 200);
    lv->SetRowSelect(true);
    lv->Columns()->Add()->SetCaption("Index");
    lv->Columns()->Add()->SetCaption("Name");
    for (int i = 0; i < 3; ++i) {
        TListItem* it = lv->Items()->Add();
        it->SetCaption(QString::number(i));
        it->SubItems()->Add(QStringLiteral("row %1").arg(i));
    }
    std::vector<std::pair<int, bool>> selects;
    std::vector<bool> selectedAtClick;
    lv->OnSelectItem = [&](TObject*, TListItem* item, bool on) { selects.emplace_back(item->Index(), on); };
    lv->OnClick = [&](TObject*) { selectedAtClick.push_back(lv->Selected() != nullptr); };
    ProcessMessages();
    const QRect row1 = lv->visualItemRect(lv->Items()->Item(1));
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, row1.center());
    EXPECT_EQ(lv->ItemIndex(), 1);
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, QPoint(10, lv->viewport()->height() - 5));
    EXPECT_EQ(lv->Selected(), nullptr);
    EXPECT_EQ(selects, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}}));
    EXPECT_EQ(selectedAtClick, (std::vector<bool>{true, false}));
}

TEST_F(UserAction, ListViewChangeEventsFollowAddsAndDeletes)
{
    auto* lv = new TListView(&form);
    lv->Columns()->Add();
    std::vector<int> counts;
    lv->OnChange = [&](TObject*, TListItem*, TItemChange) { counts.push_back(lv->Items()->Count()); };
    TListItem* a = lv->Items()->Add();
    lv->Items()->Add();
    a->SetSelected(true);
    int selectEvents = 0;
    lv->OnSelectItem = [&](TObject*, TListItem*, bool) { ++selectEvents; };
    lv->Items()->Delete(0); // a selected item goes away without a selection event
    lv->Items()->Clear();
    EXPECT_EQ(counts, (std::vector<int>{1, 2, 2, 1, 0}));
    EXPECT_EQ(selectEvents, 0);
    EXPECT_EQ(lv->Selected(), nullptr);
}

TEST_F(UserAction, ListViewMouseMoveReportsTheItemUnderThePointer)
{
    auto* lv = new TListView(&form);
    lv->SetBounds(0, 0, 300, 200);
    lv->Columns()->Add();
    lv->Items()->Add()->SetCaption("first");
    ProcessMessages();
    std::vector<QString> seen;
    lv->OnMouseMove = [&](TObject*, TShiftState, int x, int y) {
        TListItem* it = lv->GetItemAt(x, y);
        seen.push_back(it ? it->Caption() : QString("-"));
    };
    QTest::mouseMove(lv->viewport(), lv->visualItemRect(lv->Items()->Item(0)).center());
    QTest::mouseMove(lv->viewport(), QPoint(5, lv->viewport()->height() - 5));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], "first");
    EXPECT_EQ(seen[1], "-");
}

TEST_F(UserAction, SpeedButtonsOfAGroupAllowAllUp)
{
    auto* a = new TSpeedButton(&form);
    auto* b = new TSpeedButton(&form);
    b->SetLeft(30);
    for (auto* s : {a, b}) {
        s->SetGroupIndex(1);
        s->SetAllowAllUp(true);
    }
    int clicks = 0;
    int dbl = 0;
    a->OnClick = [&](TObject*) { ++clicks; };
    a->OnDblClick = [&](TObject*) { ++dbl; };
    QTest::mouseClick(a, Qt::LeftButton);
    EXPECT_TRUE(a->Down());
    b->Click();
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    b->Click(); // all may be up
    EXPECT_FALSE(b->Down());
    QTest::mouseDClick(a, Qt::LeftButton);
    EXPECT_EQ(dbl, 1);
    EXPECT_GE(clicks, 1);

    auto* c = new TSpeedButton(&form);
    c->SetGroupIndex(2); // a group that must keep one down
    c->Click();
    c->Click();
    EXPECT_TRUE(c->Down());
    c->SetDown(false);
    EXPECT_TRUE(c->Down());
}

TEST_F(UserAction, OnExitFiresOnFocusMovesInsideTheWindowOnly)
{
    auto* e1 = new TEdit(&form);
    auto* e2 = new TEdit(&form);
    e2->SetTop(30);
    int exits = 0;
    int enters = 0;
    e1->OnExit = [&](TObject*) { ++exits; };
    e1->OnEnter = [&](TObject*) { ++enters; };
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    e1->SetFocus();
    EXPECT_EQ(enters, 1);

    // Another window takes the activation: no exit, and no enter on the way back.
    TForm other;
    other.Show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(exits, 0);
    other.Close();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(enters, 1);

    // A message box from the exit handler does not cause a second exit.
    UiMessageBoxes boxes;
    e1->OnExit = [&](TObject*) {
        ++exits;
        MessageBox(&form, "bad value", "test_ui", MB_OK);
    };
    e2->SetFocus();
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_TRUE(e2->Focused());
}

TEST_F(UserAction, FocusTakenBackInOnExitStays)
{
    auto* e1 = new TEdit(&form);
    auto* e2 = new TEdit(&form);
    e2->SetTop(30);
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    e1->SetFocus();
    int exits = 0;
    e1->OnExit = [&](TObject*) {
        ++exits;
        e1->SetText("restored");
        e1->SetFocus();
    };
    QTest::keyClick(e1, Qt::Key_Tab);
    ProcessMessages();
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(e1->Focused());
    EXPECT_FALSE(e2->Focused());
    EXPECT_EQ(e1->Text(), "restored");
}

TEST(Timer, FiresWhileEnabled)
{
    TTimer t;
    t.SetInterval(10);
    int ticks = 0;
    t.OnTimer = [&](TObject* s) {
        EXPECT_EQ(s, &t);
        ++ticks;
    };
    QTest::qWait(60);
    EXPECT_GE(ticks, 2);
    t.SetEnabled(false);
    const int stopped = ticks;
    QTest::qWait(40);
    EXPECT_EQ(ticks, stopped);
}

TEST(Menu, ItemsClickOnlyWhenEnabled)
{
    TForm form;
    auto* menu = new TMainMenu(&form);
    auto* top = new TMenuItem(menu);
    top->SetCaption("&Help");
    auto* about = new TMenuItem(menu);
    about->SetCaption("About");
    top->Add(about);
    menu->Items()->Add(top);
    int clicks = 0;
    about->OnClick = [&](TObject* s) {
        EXPECT_EQ(s, about);
        ++clicks;
    };
    about->Action()->trigger();
    about->SetEnabled(false);
    about->Click();
    about->Action()->trigger();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(menu->Items()->Find("Help"), top);
    EXPECT_EQ(top->Find("About"), about);
    EXPECT_EQ(about->Parent(), top);
}
