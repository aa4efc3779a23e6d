// A column of labelled edit rows made from a request's variable list: one row
// per variable, each with a check box (ticks the variable for the next
// write), a label and a value control bound to the request (an edit, or a
// combo box for a writable variable with options).
#pragma once

#include "ui/TCheckBox.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"
#include "ui/TPanel.h"

#include <QPointer>
#include <string>
#include <vector>

class QnSNMPRequest2Edits;
class TCtrlBtnPanel;

// Row kinds.
enum : int {
    ROW_END = 0,           // ends the row array
    ROW_READONLY_EDIT = 1, // read-only, no options: edit with the row's constraint
    ROW_EDIT = 2,          // writable, no options: edit with the row's constraint
    ROW_COMBO = 3,         // writable with options: combo box
    ROW_READONLY_NAME = 4, // read-only with options: edit showing the option name
};

struct TEditRow
{
    int Kind = ROW_END;
    std::string Constraint = "%s";
    TControl* Control = nullptr; // TEdit or TComboBox
    TCheckBox* CheckBox = nullptr;
    TLabel* Label = nullptr;

    TEdit* Edit() const { return dynamic_cast<TEdit*>(Control); }
    TComboBox* Combo() const { return dynamic_cast<TComboBox*>(Control); }
};

class TEditsPanel : public TPanel
{
public:
    static constexpr int InitialControlWidth = 121;
    static constexpr int CheckBoxWidth = 20;
    static constexpr int Margin = 20;
    static constexpr int Gap = 5;

    // Makes the scroll box, one row per variable of the request's list
    // (bound to the request), their look (unchecked) and the vertical layout.
    TEditsPanel(QWidget* owner, QnSNMPRequest2Edits* request);

    TScrollBox* ScrollBox;
    // One row per variable, then a row of kind 0.
    std::vector<TEditRow> Rows;
    int ControlWidth = InitialControlWidth;
    TColor ReadOnlyFontColor = clBlack;
    TColor ReadOnlyColor = clBtnFace;
    bool DefaultChecked = false;

    QnSNMPRequest2Edits* Request() const { return request_; }
    // The request is going away: the rows no longer touch it.
    void DetachRequest() { request_ = nullptr; }
    // Number of rows (without the end row).
    int RowCount() const { return int(Rows.size()) - 1; }

    // Shows, hides and enables the buttons for edit rows; remembers the
    // button panel whose "Set Checked" the row check boxes enable.
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);
    TCtrlBtnPanel* Buttons() const { return buttons_; }

    // Row look: read-only (and key) rows read-only, the others writable with
    // the given default check state.
    void ApplyRowLook(bool defaultChecked);
    void MakeRowReadOnly(int row);
    void MakeRowWritable(int row);
    // Hide or show the row's three controls and set or clear the variable's
    // hidden flag, so that the layout skips it.
    void HideRow(int row);
    void ShowRow(int row);
    // Empty edits, no combo selection, empty values.
    void ClearRows();
    // The vertical layout; sizes the panel to its rows plus 40.
    void LayoutRows();

    bool IsReadOnlyRow(int row) const;
    bool IsKeyRow(int row) const;
    bool AllRowsReadOnlyOrKey() const;
    int CountEnabledBoxes() const; // visible and enabled
    int CountCheckedBoxes() const; // visible and checked
    bool IsRowTextEmpty(int row) const;
    // "Set Checked" enabled exactly when at least one row box is checked.
    void UpdateSetButton();

private:
    void RowBoxClick(TObject* sender);

    QnSNMPRequest2Edits* request_;
    QPointer<TCtrlBtnPanel> buttons_;
};
