// The column of buttons on the right of a generated configuration window: a
// row count display with the label "Samples" and eight buttons. Which of them
// show is decided by the content (edit rows or a list view, see
// TEditsPanel::ArrangeCtrlBtn and TListViewPanel::ArrangeCtrlBtn).
//
// Each button may show a picture instead of its caption: "Get.bmp",
// "Set.bmp", "SetCheck.bmp", "Add.bmp", "Delete.bmp", "SelectAll.bmp",
// "SelectNone.bmp" and "Close.bmp" in the working folder.
#pragma once

#include "ui/TButton.h"
#include "ui/TLabel.h"
#include "ui/TPanel.h"

#include <QString>
#include <vector>

class TCtrlBtnPanel : public TPanel
{
public:
    static constexpr int ButtonWidth = 96;
    static constexpr int ButtonGap = 5;
    // Smallest height of a button; taller when the style's buttons are.
    static constexpr int MinButtonHeight = 25;

    // Makes the controls, loads the pictures from the working folder, hides
    // "Add" and "Delete", lays the column out and docks at the owner's right
    // edge, 2 x 10 + the width of "Refresh" wide.
    explicit TCtrlBtnPanel(QWidget* owner);

    TStaticText* CountDisplay;
    TLabel* SamplesLabel;
    TBitBtn* btnRefresh;
    TBitBtn* btnEdit;
    TBitBtn* btnSetChecked;
    TBitBtn* btnAdd;
    TBitBtn* btnDelete;
    TBitBtn* btnCheckAll;
    TBitBtn* btnClearChecks;
    TBitBtn* btnClose;

    // The count display, "Samples", then the eight buttons in the order above.
    const std::vector<TControl*>& LayoutList() const { return layout_; }
    int LeftMargin() const { return leftMargin_; }
    int TopMargin() const { return topMargin_; }

    // Every control of the layout list gets width 96 and left 10; the first
    // gets top 10; each next one goes 5 below the bottom of the previous
    // visible one (a hidden control takes the current position but does not
    // advance it).
    void LayoutButtons();
    // The bottom of the lowest visible control plus the top margin: the
    // height the column needs to show every visible button.
    int NeededHeight() const;
    // Shows the count.
    void SetCount(int count);

    // Loads each button's picture from the folder; a button whose file exists
    // shows the picture without its caption. Stops at the first file that
    // cannot be loaded (the remaining buttons keep their captions). Returns
    // the number of pictures loaded.
    int LoadPictures(const QString& folder);
    // The file name of each button's picture, in button order.
    static const char* const PictureFiles[8];

private:
    std::vector<TControl*> layout_;
    int leftMargin_ = 10;
    int topMargin_ = 10;
};
