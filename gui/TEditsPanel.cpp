#include "gui/TEditsPanel.h"

#include "gui/QnSNMPRequest2Edits.h"
#include "gui/TCtrlBtnPanel.h"
#include "mib/QnErrorCatalogue.h"
#include "mib/QnException.h"
#include "ui/TListView.h"

#include <algorithm>

TEditsPanel::TEditsPanel(QWidget* owner, QnSNMPRequest2Edits* request) : TPanel(owner), request_(request)
{
    SetBevelOuter(bvNone);
    ScrollBox = new TScrollBox(this);
    ScrollBox->SetAlign(alClient);
    const QnSNMPVarList& list = request_->Variables;
    for (int i = 0; i < list.Count(); ++i) {
        const QnSNMPVar& var = list.Get(i);
        TEditRow row;
        const bool writable = list.IsWriteSelected(i);
        if (writable)
            row.Kind = var.Options ? ROW_COMBO : ROW_EDIT;
        else
            row.Kind = var.Options ? ROW_READONLY_NAME : ROW_READONLY_EDIT;

        row.CheckBox = new TCheckBox(ScrollBox);
        row.CheckBox->SetWidth(CheckBoxWidth);
        row.CheckBox->SetTag(i);
        row.CheckBox->SetTabStop(false);
        row.CheckBox->OnClick = TNotifyEvent(this, &TEditsPanel::RowBoxClick);
        row.Label = new TLabel(ScrollBox);
        row.Label->SetCaption(QString::fromStdString(var.Label));
        if (row.Kind == ROW_COMBO) {
            auto* combo = new TComboBox(ScrollBox);
            row.Control = combo;
            request_->BindComboBox(i, combo);
        } else {
            auto* edit = new TEdit(ScrollBox);
            row.Control = edit;
            request_->BindEdit(i, row.Kind == ROW_READONLY_NAME ? std::string("%s") : row.Constraint, edit);
        }
        Rows.push_back(row);
    }
    Rows.push_back(TEditRow{}); // kind 0 ends the array
    ApplyRowLook(false);
    LayoutRows();
}

bool TEditsPanel::IsReadOnlyRow(int row) const
{
    return !request_ || !request_->Variables.IsWriteSelected(row);
}

bool TEditsPanel::IsKeyRow(int row) const
{
    return request_ && row < request_->Variables.IndexCount;
}

void TEditsPanel::MakeRowReadOnly(int row)
{
    TEditRow& r = Rows[size_t(row)];
    r.CheckBox->SetEnabled(false);
    r.CheckBox->Hide();
    r.CheckBox->SetChecked(false);
    if (TEdit* e = r.Edit()) {
        e->SetReadOnly(true);
        e->SetTabStop(false);
    } else if (TComboBox* c = r.Combo()) {
        c->SetEnabled(false);
    }
    r.Control->Font()->SetColor(ReadOnlyFontColor);
    r.Control->SetColor(ReadOnlyColor);
}

void TEditsPanel::MakeRowWritable(int row)
{
    TEditRow& r = Rows[size_t(row)];
    r.CheckBox->SetEnabled(true);
    r.CheckBox->Show();
    r.CheckBox->SetChecked(DefaultChecked);
    if (TEdit* e = r.Edit()) {
        e->SetReadOnly(false);
        e->SetTabStop(true);
    } else if (TComboBox* c = r.Combo()) {
        c->SetEnabled(true);
    }
    r.Control->Font()->SetColor(clBlack);
    r.Control->SetColor(clWhite);
}

void TEditsPanel::ApplyRowLook(bool defaultChecked)
{
    DefaultChecked = defaultChecked;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsReadOnlyRow(i) || IsKeyRow(i))
            MakeRowReadOnly(i);
        else
            MakeRowWritable(i);
    }
}

void TEditsPanel::HideRow(int row)
{
    TEditRow& r = Rows[size_t(row)];
    r.CheckBox->Hide();
    r.Label->Hide();
    r.Control->Hide();
    if (request_)
        request_->Variables.Get(row).Access |= ACC_HIDDEN;
}

void TEditsPanel::ShowRow(int row)
{
    TEditRow& r = Rows[size_t(row)];
    r.CheckBox->Show();
    r.Label->Show();
    r.Control->Show();
    if (request_)
        request_->Variables.Get(row).Access &= ~uint32_t(ACC_HIDDEN);
}

void TEditsPanel::ClearRows()
{
    for (int i = 0; i < RowCount(); ++i) {
        TEditRow& r = Rows[size_t(i)];
        if (TEdit* e = r.Edit())
            e->SetText(QString());
        else if (TComboBox* c = r.Combo())
            c->SetItemIndex(-1);
        if (request_)
            request_->Variables.Get(i).Value.clear();
    }
}

void TEditsPanel::LayoutRows()
{
    auto skipped = [this](int i) {
        return request_ && (request_->Variables.Get(i).Access & ACC_HIDDEN) != 0;
    };
    int labelWidth = 0;
    for (int i = 0; i < RowCount(); ++i) {
        if (skipped(i))
            continue;
        TLabel* l = Rows[size_t(i)].Label;
        l->SetWidth(l->sizeHint().width());
        labelWidth = std::max(labelWidth, l->Width());
    }
    const int labelLeft = Margin + CheckBoxWidth + Gap;
    const int controlLeft = labelLeft + labelWidth + Gap;
    int top = Margin;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < RowCount(); ++i) {
        if (skipped(i))
            continue;
        TEditRow& r = Rows[size_t(i)];
        int h = r.Control->Widget()->sizeHint().height();
        if (h < 20)
            h = 21;
        r.Control->SetBounds(controlLeft, top, ControlWidth, h);
        const int boxH = r.CheckBox->sizeHint().height();
        r.CheckBox->SetBounds(Margin, top + (h - boxH) / 2, CheckBoxWidth, boxH);
        const int labelH = r.Label->sizeHint().height();
        r.Label->SetBounds(labelLeft, top + (h - labelH) / 2, r.Label->Width(), labelH);
        right = std::max(right, controlLeft + ControlWidth);
        bottom = std::max(bottom, top + h);
        top += h + Gap;
    }
    SetAlign(alNone);
    SetBounds(Left(), Top(), right + 40, bottom + 40);
    ScrollBox->UpdateRange();
}

bool TEditsPanel::AllRowsReadOnlyOrKey() const
{
    for (int i = 0; i < RowCount(); ++i)
        if (!IsReadOnlyRow(i) && !IsKeyRow(i))
            return false;
    return true;
}

int TEditsPanel::CountEnabledBoxes() const
{
    int n = 0;
    for (int i = 0; i < RowCount(); ++i) {
        const TCheckBox* b = Rows[size_t(i)].CheckBox;
        n += b->Visible() && b->Enabled();
    }
    return n;
}

int TEditsPanel::CountCheckedBoxes() const
{
    int n = 0;
    for (int i = 0; i < RowCount(); ++i) {
        const TCheckBox* b = Rows[size_t(i)].CheckBox;
        n += b->Visible() && b->Checked();
    }
    return n;
}

bool TEditsPanel::IsRowTextEmpty(int row) const
{
    const TEditRow& r = Rows[size_t(row)];
    if (const TEdit* e = r.Edit())
        return e->Text().isEmpty();
    if (const TComboBox* c = r.Combo())
        return c->Text().isEmpty();
    return true;
}

void TEditsPanel::UpdateSetButton()
{
    if (!buttons_)
        return;
    bool any = false;
    for (int i = 0; i < RowCount() && !any; ++i)
        any = Rows[size_t(i)].CheckBox->Checked();
    buttons_->btnSetChecked->SetEnabled(any);
}

void TEditsPanel::RowBoxClick(TObject*)
{
    UpdateSetButton();
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons)
{
    if (!request_)
        throw QnException(QNERR_UNKNOWN, "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    buttons_ = buttons;
    for (TControl* c :
         {static_cast<TControl*>(buttons->btnRefresh), static_cast<TControl*>(buttons->btnSetChecked),
          static_cast<TControl*>(buttons->btnCheckAll), static_cast<TControl*>(buttons->btnClearChecks),
          static_cast<TControl*>(buttons->btnClose)})
        c->Show();
    for (TControl* c :
         {static_cast<TControl*>(buttons->CountDisplay), static_cast<TControl*>(buttons->SamplesLabel),
          static_cast<TControl*>(buttons->btnEdit), static_cast<TControl*>(buttons->btnAdd),
          static_cast<TControl*>(buttons->btnDelete)})
        c->Hide();
    if (AllRowsReadOnlyOrKey()) {
        buttons->btnSetChecked->Hide();
        buttons->btnCheckAll->Hide();
        buttons->btnClearChecks->Hide();
    } else if (CountEnabledBoxes() <= 1) {
        buttons->btnCheckAll->Hide();
        buttons->btnClearChecks->Hide();
        buttons->btnSetChecked->SetCaption(QStringLiteral("Set"));
        buttons->btnSetChecked->SetEnabled(true);
        for (int i = 0; i < RowCount(); ++i) {
            TCheckBox* b = Rows[size_t(i)].CheckBox;
            if (b->Visible() && b->Enabled())
                b->SetChecked(true);
        }
        if (CountCheckedBoxes() <= 1)
            for (int i = 0; i < RowCount(); ++i)
                Rows[size_t(i)].CheckBox->Hide();
    }
    buttons->LayoutButtons();
}
