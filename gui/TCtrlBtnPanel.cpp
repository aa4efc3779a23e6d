#include "gui/TCtrlBtnPanel.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

const char* const TCtrlBtnPanel::PictureFiles[8] = {"Get.bmp",        "Set.bmp",    "SetCheck.bmp",
                                                    "Add.bmp",        "Delete.bmp", "SelectAll.bmp",
                                                    "SelectNone.bmp", "Close.bmp"};

namespace {
TBitBtn* MakeButton(TCtrlBtnPanel* panel, const char* caption)
{
    auto* b = new TBitBtn(panel);
    b->SetCaption(QString::fromLatin1(caption));
    return b;
}
} // namespace

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* owner) : TPanel(owner)
{
    SetBevelOuter(bvNone);
    CountDisplay = new TStaticText(this);
    CountDisplay->SetAutoSize(false);
    CountDisplay->SetAlignment(taCenter);
    CountDisplay->SetBorderStyle(sbsSunken);
    CountDisplay->SetCaption(QStringLiteral("0"));
    CountDisplay->SetHeight(std::max(21, CountDisplay->sizeHint().height()));
    SamplesLabel = new TLabel(this);
    SamplesLabel->SetAutoSize(false);
    SamplesLabel->SetAlignment(taCenter);
    SamplesLabel->SetCaption(QStringLiteral("Samples"));
    SamplesLabel->SetHeight(SamplesLabel->sizeHint().height());

    btnRefresh = MakeButton(this, "Refresh");
    btnEdit = MakeButton(this, "Edit");
    btnSetChecked = MakeButton(this, "Set Checked");
    btnAdd = MakeButton(this, "Add");
    btnDelete = MakeButton(this, "Delete");
    btnCheckAll = MakeButton(this, "Check All");
    btnClearChecks = MakeButton(this, "Clear Checks");
    btnClose = MakeButton(this, "Close");
    layout_ = {CountDisplay, SamplesLabel, btnRefresh,  btnEdit,        btnSetChecked,
               btnAdd,       btnDelete,    btnCheckAll, btnClearChecks, btnClose};

    LoadPictures(QDir::currentPath());
    btnAdd->Hide();
    btnDelete->Hide();
    LayoutButtons();
    SetWidth(2 * leftMargin_ + btnRefresh->Width());
    SetAlign(alRight);
}

int TCtrlBtnPanel::LoadPictures(const QString& folder)
{
    TBitBtn* const buttons[8] = {btnRefresh, btnEdit,     btnSetChecked,  btnAdd,
                                 btnDelete,  btnCheckAll, btnClearChecks, btnClose};
    int loaded = 0;
    for (int i = 0; i < 8; ++i) {
        const QString path = folder + QLatin1Char('/') + QString::fromLatin1(PictureFiles[i]);
        if (!QFileInfo::exists(path))
            continue;
        if (!buttons[i]->LoadGlyph(path))
            break;
        buttons[i]->setToolTip(buttons[i]->Caption());
        buttons[i]->SetCaption(QString());
        ++loaded;
    }
    return loaded;
}

void TCtrlBtnPanel::LayoutButtons()
{
    int top = topMargin_;
    for (TControl* c : layout_) {
        int h = c->Height();
        if (auto* b = dynamic_cast<TBitBtn*>(c))
            h = std::max(MinButtonHeight, b->sizeHint().height());
        c->SetBounds(leftMargin_, top, ButtonWidth, h);
        if (c->Visible())
            top += h + ButtonGap;
    }
}

int TCtrlBtnPanel::NeededHeight() const
{
    int bottom = 0;
    for (TControl* c : layout_)
        if (c->Visible())
            bottom = std::max(bottom, c->Top() + c->Height());
    return bottom + topMargin_;
}

void TCtrlBtnPanel::SetCount(int count)
{
    CountDisplay->SetCaption(QString::number(count));
}
