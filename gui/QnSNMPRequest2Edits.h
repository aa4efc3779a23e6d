// The control binding every configuration window uses. A window binds
// variables of its list to controls: edits (each restricted by a constraint
// text), combo boxes and radio groups (showing option names), single check
// boxes (a boolean or a two-option variable), groups of check boxes (one per
// bit of a bitmap such as a port list), labels and static texts (read-only
// display); a table list can in addition be bound to a list view that shows
// one row per table row. After a read the values appear in the controls or
// the list view; before a write the controls' contents become the value texts
// the request sends. All conversions go through value texts and packed
// values, so what the user types is normalised by the variable's syntax.
//
// Bit numbering of check-box bitmaps: bit position b is the bit with mask
// 0x80 >> (b mod 8) in byte b / 8 of the variable's packed value, so position
// 0 is the most significant bit of the first byte (a port list: port p is
// position p - 1).
//
// List view layout: one column per variable that is hidden or shown, first the
// hidden ones (width 0), then the shown ones (width fitting the header), each
// in list order and captioned with the variable's Label. The first column is
// the item's caption, the others its sub-items. The layout made by the first
// read is kept; rows are added and copied back through it, so marking
// variables excluded for one write does not shift the columns.
#pragma once

#include "gui/QnSNMPRequest2Controls.h"
#include "mib/QnEditConstraint.h"
#include "ui/VclTypes.h"

#include <QPointer>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QnOptionList;
class TCheckBox;
class TComboBox;
class TControl;
class TEdit;
class TListItem;
class TListView;

// One binding of a variable to controls.
struct QnControlBinding
{
    int32_t Position = -1;                 // the variable of Variables shown
    const QnOptionList* Options = nullptr; // the binding's own list, or none (not owned)
    int32_t ControlCount = 0;
    std::vector<TControl*> Controls;       // not owned
    std::vector<QPointer<QWidget>> Guards; // null once a control is destroyed
    std::vector<int32_t> BitPositions;     // one per control for check-box bitmaps, else empty
    // Each control's own change (combo box) or click (radio group, check
    // box) handler as it was when bound; put back by Unbind.
    std::vector<TNotifyEvent> SavedHandlers;

    bool IsBitmap() const { return !BitPositions.empty(); }
};

class QnSNMPRequest2Edits : public QnSNMPRequest2Controls
{
public:
    // With a list view: a read of a fixed-rows table leaves the bound controls
    // disabled until a row is selected, and selecting enables them.
    uint8_t EnableOnSelect = 1;

    explicit QnSNMPRequest2Edits(QWidget* owner);
    // Frees the binding records and the constraint object; the controls stay.
    ~QnSNMPRequest2Edits() override;

    // Read-only, whole-row selection, gridlines, report style, selection kept
    // visible; installs ItemSelected as the list view's item-selection handler
    // (the list view's own one is still called); lays out the columns.
    void BindListView(TListView* listView, bool enableOnSelect = true);
    // One control: label, static text, single check box, edit, combo box or
    // radio group. A combo box or radio group needs an option list (the
    // binding's own or the variable's), else -520; its items become the
    // option names. Returns the binding's position.
    int BindControl(int position, TControl* control, const QnOptionList* options = nullptr);
    // Drop-down-list style (the user can only choose), then BindControl.
    int BindComboBox(int position, TComboBox* combo, const QnOptionList* options = nullptr);
    // Attaches the constraint text to the edit, then binds it.
    int BindEdit(int position, const std::string& constraint, TEdit* edit);
    // Bit positions separated by commas ("0,1,2,3"); the first n boxes are
    // bound to the n positions in order (n at most 8).
    int BindCheckBoxes(int position, const std::string& bitPositions, TCheckBox* box0,
                       TCheckBox* box1 = nullptr, TCheckBox* box2 = nullptr, TCheckBox* box3 = nullptr,
                       TCheckBox* box4 = nullptr, TCheckBox* box5 = nullptr, TCheckBox* box6 = nullptr,
                       TCheckBox* box7 = nullptr);
    // The same with any number of boxes; the list must hold at least as many
    // boxes as the text has positions (else -522).
    int BindCheckBoxList(int position, const std::string& bitPositions, const std::vector<TCheckBox*>& boxes);
    // Removes every binding of the variable: edits lose their constraint,
    // controls get their own handlers back.
    void Unbind(int position);
    // The control that owns constraint messages and moves the focus on.
    void SetConstraintOwner(QWidget* control);

    // Value texts to controls, for one variable or all (-1). Raises -517,
    // -519 or -521.
    void FillControls(int position = -1);
    // Controls to value texts, for one variable or all (-1); only variables
    // selected for writing. Raises -517 or -518.
    void CollectControls(int position = -1);
    // Enables or disables every bound control.
    void EnableControls(bool enabled);

    TListView* ListView() const { return listView_; }
    QnEditConstraint* Constraints() const { return constraints_.get(); }
    int BindingCount() const { return int(bindings_.size()); }
    const QnControlBinding& Binding(int i) const { return *bindings_[size_t(i)]; }
    // Positions of the variables behind the list view's columns, in column
    // order (empty before the first layout).
    const std::vector<int>& ColumnVariables() const { return columnVars_; }
    // Lays out the columns when the list view has fewer than needed.
    void LayoutColumns();

    // Overridden slots.
    void BeforeGet() override;      // 0: prepare the list view
    void ValuesReceived() override; // 2: add a list row, or fill the controls
    void CollectValues() override;  // 3: empty values, selected row, controls
    void AfterGet() override;       // 6: disable controls of a fresh fixed-rows table
    // Slot 8, the list view's item-selection handler.
    virtual void ItemSelected(TObject* sender, TListItem* item, bool selected);

    // Copies the selected row of the list view into the values (nothing
    // without a list view or a selection).
    void CopySelectedRow();
    // Copies one row of the list view into the values (nothing for null).
    void CopyRow(TListItem* item);

private:
    int AddBinding(std::unique_ptr<QnControlBinding> binding);
    const QnOptionList* OptionsOf(const QnControlBinding& b) const;
    void FillBinding(const QnControlBinding& b);
    std::string SliceText(const QnControlBinding& b) const;

    TLVSelectItemEvent savedSelect_;
    QPointer<TListView> listView_;
    std::vector<std::unique_ptr<QnControlBinding>> bindings_;
    std::unique_ptr<QnEditConstraint> constraints_;
    std::vector<int> columnVars_;
    uint32_t lastDrawTick_ = 0;
    uint32_t drawIntervalMs_ = 40;
};
