// Docking of aligned children: top and bottom first, then left and right,
// then the client control in the rest.
#include "support/UiPrinters.h"
#include "ui/Vcl.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {
TPanel* Dock(QWidget* parent, TAlign a, int w, int h)
{
    auto* p = new TPanel(parent);
    p->SetBounds(0, 0, w, h);
    p->SetAlign(a);
    return p;
}
} // namespace

TEST(Docking, TopBottomRightAndClientPanelsShareTheClientArea)
{
    TForm form;
    form.SetClientWidth(400);
    form.SetClientHeight(300);
    TPanel* client = Dock(&form, alClient, 10, 10); // made first: still gets only the rest
    TPanel* right = Dock(&form, alRight, 50, 10);
    TPanel* bottom = Dock(&form, alBottom, 10, 30);
    TPanel* top = Dock(&form, alTop, 10, 40);

    EXPECT_EQ(top->BoundsRect(), QRect(0, 0, 400, 40));
    EXPECT_EQ(bottom->BoundsRect(), QRect(0, 270, 400, 30));
    EXPECT_EQ(right->BoundsRect(), QRect(350, 40, 50, 230));
    EXPECT_EQ(client->BoundsRect(), QRect(0, 40, 350, 230));

    // Resizing the form lays the docked panels out again.
    form.SetClientWidth(500);
    form.SetClientHeight(200);
    EXPECT_EQ(top->BoundsRect(), QRect(0, 0, 500, 40));
    EXPECT_EQ(bottom->BoundsRect(), QRect(0, 170, 500, 30));
    EXPECT_EQ(right->BoundsRect(), QRect(450, 40, 50, 130));
    EXPECT_EQ(client->BoundsRect(), QRect(0, 40, 450, 130));

    // A hidden docked panel gives its space back.
    top->Hide();
    EXPECT_EQ(client->BoundsRect(), QRect(0, 0, 450, 170));
    EXPECT_EQ(right->BoundsRect(), QRect(450, 0, 50, 170));
    top->Show();
    EXPECT_EQ(client->BoundsRect(), QRect(0, 40, 450, 130));
}

TEST(Docking, ControlsOfOneSideStackInCreationOrderAndLeftBeforeRight)
{
    TPanel host;
    host.SetBevelOuter(bvNone);
    host.SetBounds(0, 0, 300, 200);
    TPanel* t1 = Dock(&host, alTop, 5, 20);
    TPanel* t2 = Dock(&host, alTop, 5, 25);
    TPanel* b1 = Dock(&host, alBottom, 5, 10);
    TPanel* b2 = Dock(&host, alBottom, 5, 15);
    TPanel* l1 = Dock(&host, alLeft, 30, 5);
    TPanel* r1 = Dock(&host, alRight, 40, 5);
    EXPECT_EQ(t1->BoundsRect(), QRect(0, 0, 300, 20));
    EXPECT_EQ(t2->BoundsRect(), QRect(0, 20, 300, 25));
    EXPECT_EQ(b1->BoundsRect(), QRect(0, 190, 300, 10));
    EXPECT_EQ(b2->BoundsRect(), QRect(0, 175, 300, 15));
    EXPECT_EQ(l1->BoundsRect(), QRect(0, 45, 30, 130));
    EXPECT_EQ(r1->BoundsRect(), QRect(260, 45, 40, 130));
}

TEST(Docking, BevelsAndBorderInsetTheDockingArea)
{
    TPanel host;
    host.SetBounds(0, 0, 200, 100);
    host.SetBevelOuter(bvRaised);
    host.SetBevelInner(bvLowered);
    host.SetBorderWidth(2); // 1 + 2 + 1 pixels on each side
    TPanel* client = Dock(&host, alClient, 1, 1);
    EXPECT_EQ(client->BoundsRect(), QRect(4, 4, 192, 92));
    host.SetBevelOuter(bvNone);
    host.SetBevelInner(bvNone);
    host.SetBorderWidth(0);
    EXPECT_EQ(client->BoundsRect(), QRect(0, 0, 200, 100));
}

TEST(Docking, NestedContainersFollowTheirParent)
{
    TForm form;
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    auto* outer = Dock(&form, alClient, 1, 1);
    outer->SetBevelOuter(bvNone);
    auto* status = new TStatusBar(outer); // docks itself at the bottom
    status->SetHeight(20);
    auto* inner = Dock(outer, alClient, 1, 1);
    EXPECT_EQ(status->BoundsRect(), QRect(0, 180, 300, 20));
    EXPECT_EQ(inner->BoundsRect(), QRect(0, 0, 300, 180));
    form.SetClientHeight(100);
    EXPECT_EQ(status->BoundsRect(), QRect(0, 80, 300, 20));
    EXPECT_EQ(inner->BoundsRect(), QRect(0, 0, 300, 80));
}

TEST(Docking, PagesFillThePageControlAndDockTheirChildren)
{
    TPageControl pc;
    pc.SetBounds(0, 0, 300, 200);
    auto* page = new TTabSheet(&pc);
    page->SetCaption(QStringLiteral("One"));
    auto* fill = Dock(page, alClient, 1, 1);
    const QRect area = pc.ClientRect();
    EXPECT_EQ(page->BoundsRect(), area);
    EXPECT_EQ(fill->BoundsRect(), QRect(0, 0, area.width(), area.height()));
    EXPECT_GT(pc.TabRowHeight(), 0);
    page->SetTabVisible(false); // no tab row: the page gets the room
    EXPECT_EQ(pc.TabRowHeight(), 0);
    EXPECT_EQ(page->Height(), pc.ClientRect().height());
    EXPECT_GT(page->Height(), area.height());
}

TEST(Docking, ScrollBoxScrollsChildrenBeyondItsArea)
{
    TScrollBox box;
    box.SetBounds(0, 0, 200, 100);
    auto* big = new TPanel(&box);
    big->SetBounds(0, 0, 500, 300);
    box.Show();
    ProcessMessages();
    EXPECT_GE(box.ClientWidget()->width(), 500);
    EXPECT_GE(box.ClientWidget()->height(), 300);
    EXPECT_EQ(big->Parent(), &box);
}

TEST(Docking, SplitterDragResizesTheControlBeforeIt)
{
    TForm form;
    form.SetClientWidth(400);
    form.SetClientHeight(200);
    TPanel* left = Dock(&form, alLeft, 100, 1);
    auto* splitter = new TSplitter(&form);
    splitter->SetLeft(100);
    TPanel* rest = Dock(&form, alClient, 1, 1);
    EXPECT_EQ(splitter->BoundsRect(), QRect(100, 0, 3, 200));
    EXPECT_EQ(splitter->Control(), left);
    int moved = 0;
    splitter->OnMoved = [&](TObject*) { ++moved; };
    form.Show();
    QTest::mousePress(splitter, Qt::LeftButton, {}, QPoint(1, 50));
    QTest::mouseMove(splitter, QPoint(41, 50));
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, QPoint(41, 50));
    EXPECT_EQ(left->Width(), 140);
    EXPECT_EQ(splitter->Left(), 140);
    EXPECT_EQ(rest->BoundsRect(), QRect(143, 0, 257, 200));
    EXPECT_EQ(moved, 1);
    form.Close();
}
