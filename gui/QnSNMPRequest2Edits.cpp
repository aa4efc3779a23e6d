#include "gui/QnSNMPRequest2Edits.h"

#include "mib/QnEditConstraint.h"
#include "mib/QnErrorCatalogue.h"
#include "mib/QnNumList.h"
#include "mib/QnOptionList.h"
#include "mib/QnValueText.h"
#include "ui/TApplication.h"
#include "ui/TCheckBox.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"
#include "ui/TListView.h"
#include "ui/TRadioGroup.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>
#include <optional>

namespace {

// Rows of a walk are drawn at most this often (processing pending events
// after every row makes a long table crawl).
constexpr uint32_t kDrawIntervalMs = 40;

bool IsBooleanSyntax(uint32_t syntax)
{
    return syntax == SYN_BOOLEAN || syntax == SYN_BOOL8 || syntax == SYN_BOOL16;
}

std::vector<int32_t> ParseBitPositions(const std::string& text)
{
    QnNumList<int32_t> list;
    list.Separator = ',';
    list.Parse(text);
    return list.Items();
}

void SetBit(std::string& bytes, int32_t position, bool on)
{
    const size_t byte = size_t(position) / 8;
    const auto mask = static_cast<unsigned char>(0x80u >> (position % 8));
    if (bytes.size() <= byte)
        bytes.resize(byte + 1, '\0');
    auto b = static_cast<unsigned char>(bytes[byte]);
    b = on ? (b | mask) : (b & ~mask);
    bytes[byte] = char(b);
}

} // namespace

QnSNMPRequest2Edits::QnSNMPRequest2Edits(QWidget* owner)
    : QnSNMPRequest2Controls(owner), constraints_(std::make_unique<QnEditConstraint>(owner, true))
{
}

QnSNMPRequest2Edits::~QnSNMPRequest2Edits()
{
    BeginDestruction();
    // The list view may outlive this object for a moment (a window deletes
    // its request before its controls); it must not call back into it.
    if (listView_) {
        listView_->OnSelectItem = savedSelect_;
    }
}

// --- binding ----------------------------------------------------------------

int QnSNMPRequest2Edits::AddBinding(std::unique_ptr<QnControlBinding> binding)
{
    QnControlBinding& b = *binding;
    b.ControlCount = int32_t(b.Controls.size());
    b.Guards.clear();
    b.SavedHandlers.clear();
    for (TControl* c : b.Controls) {
        b.Guards.emplace_back(c ? c->Widget() : nullptr);
        TNotifyEvent saved;
        // The binding's handler only calls the control's own one; it keeps no
        // reference to this object, so a control that outlives the binding is
        // harmless.
        if (auto* combo = dynamic_cast<TComboBox*>(c)) {
            saved = combo->OnChange;
            combo->OnChange = TNotifyEvent([saved](TObject* s) { saved(s); }, this);
        } else if (auto* group = dynamic_cast<TRadioGroup*>(c)) {
            saved = group->OnClick;
            group->OnClick = TNotifyEvent([saved](TObject* s) { saved(s); }, this);
        } else if (auto* box = dynamic_cast<TCheckBox*>(c)) {
            saved = box->OnClick;
            box->OnClick = TNotifyEvent([saved](TObject* s) { saved(s); }, this);
        }
        b.SavedHandlers.push_back(saved);
    }
    bindings_.push_back(std::move(binding));
    return int(bindings_.size()) - 1;
}

const QnOptionList* QnSNMPRequest2Edits::OptionsOf(const QnControlBinding& b) const
{
    if (b.Options)
        return b.Options;
    if (b.Position >= 0 && b.Position < Variables.Count())
        return Variables.Get(b.Position).Options;
    return nullptr;
}

void QnSNMPRequest2Edits::BindListView(TListView* listView, bool enableOnSelect)
{
    if (!listView)
        return;
    if (listView_ && listView_ != listView)
        listView_->OnSelectItem = savedSelect_;
    listView->SetReadOnly(true);
    listView->SetRowSelect(true);
    listView->SetGridLines(true);
    listView->SetViewStyle(vsReport);
    listView->SetHideSelection(false);
    if (listView_ != listView)
        savedSelect_ = listView->OnSelectItem;
    listView->OnSelectItem = TLVSelectItemEvent(this, &QnSNMPRequest2Edits::ItemSelected);
    listView_ = listView;
    EnableOnSelect = enableOnSelect ? 1 : 0;
    columnVars_.clear();
    LayoutColumns();
}

int QnSNMPRequest2Edits::BindControl(int position, TControl* control, const QnOptionList* options)
{
    if (position < 0 || position >= Variables.Count())
        RaiseError(QNERR_INDEX_RANGE);
    auto b = std::make_unique<QnControlBinding>();
    b->Position = position;
    b->Options = options;
    b->Controls.push_back(control);
    const QnOptionList* list = OptionsOf(*b);
    if (auto* combo = dynamic_cast<TComboBox*>(control)) {
        if (!list)
            RaiseError(QNERR_NO_OPTION_LIST);
        list->FillItems(combo);
    } else if (auto* group = dynamic_cast<TRadioGroup*>(control)) {
        if (!list)
            RaiseError(QNERR_NO_OPTION_LIST);
        list->FillItems(group);
    }
    return AddBinding(std::move(b));
}

int QnSNMPRequest2Edits::BindComboBox(int position, TComboBox* combo, const QnOptionList* options)
{
    if (combo)
        combo->SetStyle(csDropDownList);
    return BindControl(position, combo, options);
}

int QnSNMPRequest2Edits::BindEdit(int position, const std::string& constraint, TEdit* edit)
{
    if (position < 0 || position >= Variables.Count())
        RaiseError(QNERR_INDEX_RANGE);
    // Every window passes one constraint and one edit; a text naming more
    // constraints than edits is refused by Attach (-2).
    constraints_->Attach(constraint, edit);
    return BindControl(position, edit);
}

int QnSNMPRequest2Edits::BindCheckBoxes(int position, const std::string& bitPositions, TCheckBox* box0,
                                        TCheckBox* box1, TCheckBox* box2, TCheckBox* box3, TCheckBox* box4,
                                        TCheckBox* box5, TCheckBox* box6, TCheckBox* box7)
{
    const std::vector<TCheckBox*> all{box0, box1, box2, box3, box4, box5, box6, box7};
    const std::vector<int32_t> bits = ParseBitPositions(bitPositions);
    if (bits.size() > all.size())
        RaiseError(QNERR_CONTROLS_NOT_ENOUGH);
    return BindCheckBoxList(position, bitPositions,
                            std::vector<TCheckBox*>(all.begin(), all.begin() + long(bits.size())));
}

int QnSNMPRequest2Edits::BindCheckBoxList(int position, const std::string& bitPositions,
                                          const std::vector<TCheckBox*>& boxes)
{
    if (position < 0 || position >= Variables.Count())
        RaiseError(QNERR_INDEX_RANGE);
    const std::vector<int32_t> bits = ParseBitPositions(bitPositions);
    if (boxes.size() < bits.size())
        RaiseError(QNERR_CONTROLS_NOT_ENOUGH);
    for (size_t i = 0; i < bits.size(); ++i)
        if (!boxes[i])
            RaiseError(QNERR_CONTROLS_NOT_ENOUGH);
    for (int32_t bit : bits)
        if (bit < 0)
            RaiseError(QNERR_PARTIAL_RANGE);
    auto b = std::make_unique<QnControlBinding>();
    b->Position = position;
    b->BitPositions = bits;
    for (size_t i = 0; i < bits.size(); ++i)
        b->Controls.push_back(boxes[i]);
    return AddBinding(std::move(b));
}

void QnSNMPRequest2Edits::Unbind(int position)
{
    for (auto it = bindings_.begin(); it != bindings_.end();) {
        QnControlBinding& b = **it;
        if (b.Position != position) {
            ++it;
            continue;
        }
        for (size_t i = 0; i < b.Controls.size(); ++i) {
            if (!b.Guards[i])
                continue;
            TControl* c = b.Controls[i];
            if (auto* edit = dynamic_cast<TEdit*>(c))
                constraints_->Detach(edit);
            else if (auto* combo = dynamic_cast<TComboBox*>(c))
                combo->OnChange = b.SavedHandlers[i];
            else if (auto* group = dynamic_cast<TRadioGroup*>(c))
                group->OnClick = b.SavedHandlers[i];
            else if (auto* box = dynamic_cast<TCheckBox*>(c))
                box->OnClick = b.SavedHandlers[i];
        }
        it = bindings_.erase(it);
    }
}

void QnSNMPRequest2Edits::SetConstraintOwner(QWidget* control)
{
    constraints_->SetOwner(control);
}

void QnSNMPRequest2Edits::EnableControls(bool enabled)
{
    for (const auto& b : bindings_)
        for (size_t i = 0; i < b->Controls.size(); ++i)
            if (b->Guards[i])
                b->Controls[i]->SetEnabled(enabled);
}

// --- values to controls ----------------------------------------------------

void QnSNMPRequest2Edits::FillBinding(const QnControlBinding& b)
{
    if (b.Controls.empty() || !b.Guards[0])
        return;
    const QnSNMPVar& var = Variables.Get(b.Position);
    std::string value = var.Value;
    if (var.Options)
        value = var.Options->NameToValue(value);
    const QnOptionList* list = OptionsOf(b);
    const std::string text = list ? list->ValueToName(value) : value;
    TControl* first = b.Controls[0];

    if (auto* label = dynamic_cast<TLabel*>(first)) {
        label->SetCaption(QString::fromStdString(text));
    } else if (auto* stat = dynamic_cast<TStaticText*>(first)) {
        stat->SetCaption(QString::fromStdString(text));
    } else if (auto* box = dynamic_cast<TCheckBox*>(first)) {
        if (b.IsBitmap()) {
            const std::string packed = TextToPacked(value, var.Syntax);
            for (size_t i = 0; i < b.Controls.size(); ++i) {
                const int32_t bit = b.BitPositions[i];
                const size_t byte = size_t(bit) / 8;
                if (byte >= packed.size())
                    RaiseError(QNERR_PARTIAL_RANGE);
                const bool on = (static_cast<unsigned char>(packed[byte]) & (0x80u >> (bit % 8))) != 0;
                if (b.Guards[i])
                    static_cast<TCheckBox*>(b.Controls[i])->SetChecked(on);
            }
        } else if (list) {
            int at = list->FindByName(text);
            if (at < 0)
                at = list->FindByValue(text);
            box->SetChecked(at > 0);
        } else {
            if (!IsBooleanSyntax(var.Syntax))
                RaiseError(QNERR_BAD_PARTIAL_SYNTAX);
            box->SetChecked(value == "true");
        }
    } else if (auto* combo = dynamic_cast<TComboBox*>(first)) {
        if (list)
            list->SelectItem(combo, text);
        else
            combo->SetItemIndex(-1);
    } else if (auto* group = dynamic_cast<TRadioGroup*>(first)) {
        if (list)
            list->SelectItem(group, text);
        else
            group->SetItemIndex(-1);
    } else if (auto* edit = dynamic_cast<TEdit*>(first)) {
        edit->SetText(QString::fromStdString(text));
    } else {
        RaiseError(QNERR_BAD_CONTROL_TYPE);
    }
}

void QnSNMPRequest2Edits::FillControls(int position)
{
    // Index-based: a handler fired by a control (a check box's click) may not
    // change the binding list, but stay safe if it grows it.
    for (size_t i = 0; i < bindings_.size(); ++i) {
        const QnControlBinding& b = *bindings_[i];
        if (position != -1 && b.Position != position)
            continue;
        if (b.Position < 0 || b.Position >= Variables.Count())
            continue;
        if (Variables.Get(b.Position).Access & ACC_INVALID)
            continue;
        FillBinding(b);
    }
}

// --- controls to values ----------------------------------------------------

// The text one control contributes, or none (a combo box or radio group
// without a selected item leaves the value as it is).
static std::optional<std::string> ControlText(TControl* c, const QnOptionList* list, uint32_t syntax)
{
    if (auto* label = dynamic_cast<TLabel*>(c))
        return label->Caption().toStdString();
    if (auto* stat = dynamic_cast<TStaticText*>(c))
        return stat->Caption().toStdString();
    if (auto* edit = dynamic_cast<TEdit*>(c))
        return edit->Text().toStdString();
    if (auto* combo = dynamic_cast<TComboBox*>(c)) {
        const int i = combo->ItemIndex();
        if (i < 0)
            return std::nullopt;
        return combo->Items()->Strings(i).toStdString();
    }
    if (auto* group = dynamic_cast<TRadioGroup*>(c)) {
        const int i = group->ItemIndex();
        if (i < 0)
            return std::nullopt;
        return group->Items()->Strings(i).toStdString();
    }
    if (auto* box = dynamic_cast<TCheckBox*>(c)) {
        if (list) {
            const int i = box->Checked() ? 1 : 0;
            if (list->Count() <= i)
                RaiseError(QNERR_NO_OPTION_LIST);
            return list->Get(i).Name;
        }
        if (!IsBooleanSyntax(syntax))
            RaiseError(QNERR_BAD_PARTIAL_SYNTAX);
        return std::string(box->Checked() ? "true" : "false");
    }
    RaiseError(QNERR_BAD_CONTROL_TYPE);
}

void QnSNMPRequest2Edits::CollectControls(int position)
{
    for (int v = 0; v < Variables.Count(); ++v) {
        if (position != -1 && v != position)
            continue;
        if (!Variables.IsWriteSelected(v))
            continue;
        QnSNMPVar& var = Variables.Get(v);
        std::string packed;
        if (var.Syntax != SYN_DISPLAYSTR) {
            std::string current = var.Value;
            if (var.Options)
                current = var.Options->NameToValue(current);
            packed = TextToPacked(current, var.Syntax);
        }
        bool bound = false;
        for (const auto& bp : bindings_) {
            const QnControlBinding& b = *bp;
            if (b.Position != v || b.Controls.empty())
                continue;
            bound = true;
            std::string slice;
            if (b.IsBitmap()) {
                for (size_t i = 0; i < b.Controls.size(); ++i) {
                    if (!b.Guards[i])
                        continue;
                    SetBit(slice, b.BitPositions[i], static_cast<TCheckBox*>(b.Controls[i])->Checked());
                }
            } else {
                if (!b.Guards[0])
                    continue;
                const QnOptionList* list = OptionsOf(b);
                const std::optional<std::string> text = ControlText(b.Controls[0], list, var.Syntax);
                if (!text)
                    continue;
                slice = TextToPacked(list ? list->NameToValue(*text) : *text, var.Syntax);
            }
            if (packed.size() < slice.size())
                packed.resize(slice.size(), '\0');
            packed.replace(0, slice.size(), slice);
        }
        if (!bound)
            continue;
        std::string value = PackedToText(packed, var.Syntax);
        if (var.Options)
            value = var.Options->ValueToName(value);
        var.Value = value;
    }
}

// --- list view -------------------------------------------------------------

void QnSNMPRequest2Edits::LayoutColumns()
{
    if (!listView_)
        return;
    const int needed = Variables.CountShown() + Variables.CountHidden();
    if (listView_->Columns()->Count() >= needed) {
        if (columnVars_.empty()) {
            // Columns made before the binding knew them: the variables in
            // list order, as the program's tables lay them out.
            for (int i = 0; i < Variables.Count() && int(columnVars_.size()) < listView_->Columns()->Count();
                 ++i)
                columnVars_.push_back(i);
        }
        return;
    }
    listView_->Columns()->Clear();
    columnVars_.clear();
    for (int i = 0; i < Variables.Count(); ++i)
        if (Variables.IsHidden(i))
            columnVars_.push_back(i);
    const size_t hidden = columnVars_.size();
    for (int i = 0; i < Variables.Count(); ++i)
        if (!Variables.IsHidden(i) && Variables.IsShown(i))
            columnVars_.push_back(i);
    const QFontMetrics fm(listView_->header()->font());
    for (size_t c = 0; c < columnVars_.size(); ++c) {
        TListColumn* col = listView_->Columns()->Add();
        const QString caption = QString::fromStdString(Variables.Get(columnVars_[c]).Label);
        col->SetCaption(caption);
        col->SetWidth(c < hidden ? 0 : fm.horizontalAdvance(caption) + 16);
    }
}

void QnSNMPRequest2Edits::BeforeGet()
{
    if (!listView_)
        return;
    LayoutColumns();
    listView_->Items()->Clear();
    lastDrawTick_ = GetTickCount();
    drawIntervalMs_ = kDrawIntervalMs;
}

void QnSNMPRequest2Edits::ValuesReceived()
{
    if (!listView_) {
        FillControls(-1);
        return;
    }
    if (columnVars_.empty())
        LayoutColumns();
    TListItem* item = listView_->Items()->Add();
    for (size_t c = 0; c < columnVars_.size(); ++c) {
        const QString text = QString::fromStdString(Variables.Get(columnVars_[c]).Value);
        if (c == 0)
            item->SetCaption(text);
        else
            item->SubItems()->Add(text);
    }
    // Let the toolkit draw the new rows, but not after every row: a repaint
    // of a long list costs more than a reply, so the next one waits at least
    // four times as long as this one took.
    const uint32_t now = GetTickCount();
    if (now - lastDrawTick_ >= drawIntervalMs_) {
        ProcessMessages();
        const uint32_t after = GetTickCount();
        drawIntervalMs_ = std::max<uint32_t>(kDrawIntervalMs, 4 * (after - now));
        lastDrawTick_ = after;
    }
}

void QnSNMPRequest2Edits::CopySelectedRow()
{
    if (!listView_)
        return;
    CopyRow(listView_->Selected());
}

void QnSNMPRequest2Edits::CopyRow(TListItem* item)
{
    if (!item)
        return;
    for (size_t c = 0; c < columnVars_.size(); ++c) {
        const int v = columnVars_[c];
        if (v < 0 || v >= Variables.Count())
            continue;
        QString text;
        if (c == 0)
            text = item->Caption();
        else if (int(c) - 1 < item->SubItems()->Count())
            text = item->SubItems()->Strings(int(c) - 1);
        Variables.Get(v).Value = text.toStdString();
    }
}

void QnSNMPRequest2Edits::CollectValues()
{
    for (int i = 0; i < Variables.Count(); ++i)
        Variables.Get(i).Value.clear();
    CopySelectedRow();
    CollectControls(-1);
}

void QnSNMPRequest2Edits::AfterGet()
{
    if (listView_ && EnableOnSelect && Variables.ListKind == MVT_FMV)
        EnableControls(false);
}

void QnSNMPRequest2Edits::ItemSelected(TObject* sender, TListItem* item, bool selected)
{
    savedSelect_(sender, item, selected);
    if (!selected || Dying())
        return;
    if (EnableOnSelect)
        EnableControls(true);
    TListItem* current = listView_ ? listView_->Selected() : nullptr;
    CopyRow(current ? current : item);
    FillControls(-1);
}
