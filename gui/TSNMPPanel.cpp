#include "gui/TSNMPPanel.h"

#include "gui/QnSNMPRequest2Edits.h"
#include "mib/QnErrorCatalogue.h"
#include "mib/QnException.h"
#include "mib/QnOptionList.h"
#include "ui/TApplication.h"
#include "ui/TPageControl.h"

#include <QElapsedTimer>
#include <QThread>
#include <QToolTip>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
[[noreturn]] void Raise(const std::string& text)
{
    throw QnException(QNERR_UNKNOWN, text);
}

void ShowError(QnSNMPRequest2Edits* request, const QnException& e)
{
    if (request)
        request->ShowStatus(e.Text());
}
} // namespace

// --- TSNMPPanel ------------------------------------------------------------

TSNMPPanel::TSNMPPanel(QWidget* owner, TMsgPanel* messagePanel, QnSNMPRequest2Edits* request)
    : TPanel(owner), request_(request), msgPanel_(messagePanel)
{
    SetBevelOuter(bvNone);
    CtrlBtnPanel = new TCtrlBtnPanel(this);
    CtrlBtnPanel->btnRefresh->OnClick = TNotifyEvent(this, &TSNMPPanel::RefreshClick);
    CtrlBtnPanel->btnClose->OnClick = TNotifyEvent(this, &TSNMPPanel::CloseClick);
    RightSplitter = new TSplitter(this);
    RightSplitter->SetBounds(0, 0, 3, 100);
    RightSplitter->SetAlign(alRight);
    InnerPanel = new TPanel(this);
    InnerPanel->SetBevelOuter(bvNone);
    InnerPanel->SetAlign(alClient);
    if (messagePanel) {
        OwnMsgPanel = nullptr;
    } else {
        OwnMsgPanel = new TMsgPanel(InnerPanel);
        OwnMsgPanel->SetTop(1 << 20);
        OwnMsgPanel->SetAlign(alBottom);
        msgPanel_ = OwnMsgPanel;
    }
    if (request_)
        request_->SetStatusTarget(msgPanel_->Memo);
    BottomSplitter = new TSplitter(InnerPanel);
    BottomSplitter->SetBounds(0, 0, 100, 3);
    BottomSplitter->SetAlign(alBottom);
    BottomSplitter->setCursor(Qt::SplitVCursor);
    SetBounds(0, 0, 0, 0);
}

void TSNMPPanel::SetContent(TControl* control)
{
    if (content_ && content_ != control) {
        content_->Hide();
        content_->SetAlign(alNone);
    }
    const int w = control->Width();
    const int h = control->Height();
    control->SetAlign(alNone);
    control->SetParent(InnerPanel);
    control->Show();
    preferredWidth_ = w + CtrlBtnPanel->Width() + RightSplitter->Width() + 3;
    preferredHeight_ = std::max(h + (OwnMsgPanel ? OwnMsgPanel->Height() : 0) + BottomSplitter->Height(),
                                CtrlBtnPanel->NeededHeight());
    SetBounds(Left(), Top(), preferredWidth_, preferredHeight_);
    content_ = control;
    control->SetAlign(alClient);
}

void TSNMPPanel::FitForm(TForm* window)
{
    fitWindow_ = window;
    if (!window)
        return;
    window->SetPosition(poMainFormCenter);
    int cw = std::max(window->ClientWidth(), preferredWidth_);
    int ch = std::max(window->ClientHeight(), preferredHeight_);
    ch = std::min(ch, MaxClientHeight);
    cw = std::min(cw, MaxClientWidth);
    window->SetClientWidth(cw);
    window->SetClientHeight(ch);
    SetAlign(alClient);
}

void TSNMPPanel::DetachRequest()
{
    request_ = nullptr;
}

void TSNMPPanel::RefreshClick(TObject*)
{
    if (!request_)
        return;
    try {
        request_->Get();
    } catch (const QnException& e) {
        ShowError(request_, e);
    }
}

void TSNMPPanel::CloseClick(TObject*)
{
    if (fitWindow_)
        fitWindow_->Close();
    else
        MessageBox(window(), QStringLiteral("Please initial close form"), ProgramName(), MB_OK);
}

// --- TSNMPEditorPanel ------------------------------------------------------

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* owner, QnSNMPRequest2Edits* request)
    : TSNMPPanel(owner, nullptr, request)
{
    EditsPanel = new TEditsPanel(InnerPanel, request);
    CtrlBtnPanel->btnSetChecked->OnClick = TNotifyEvent(this, &TSNMPEditorPanel::WriteChecked);
    CtrlBtnPanel->btnSetChecked->SetEnabled(false);
    CtrlBtnPanel->btnCheckAll->OnClick = TNotifyEvent(this, &TSNMPEditorPanel::CheckAllClick);
    CtrlBtnPanel->btnClearChecks->OnClick = TNotifyEvent(this, &TSNMPEditorPanel::ClearChecksClick);
    EditsPanel->ArrangeCtrlBtn(CtrlBtnPanel);
    SetContent(EditsPanel);
}

void TSNMPEditorPanel::DetachRequest()
{
    TSNMPPanel::DetachRequest();
    EditsPanel->DetachRequest();
}

void TSNMPEditorPanel::SetFormat(int row, const std::string& constraint)
{
    if (!request_ || row < 0 || row >= EditsPanel->RowCount())
        RaiseError(QNERR_INDEX_RANGE);
    request_->Unbind(row);
    TEditRow& r = EditsPanel->Rows[size_t(row)];
    if (r.Kind == ROW_READONLY_EDIT || r.Kind == ROW_EDIT) {
        r.Constraint = constraint;
        request_->BindEdit(row, constraint, r.Edit());
    } else if (r.Kind == ROW_COMBO) {
        Raise("Can not set Var format to a ComboBox!");
    } else {
        Raise("Unknow UI Control type!");
    }
}

void TSNMPEditorPanel::SetEditWidth(int width)
{
    EditsPanel->ControlWidth = width;
    EditsPanel->LayoutRows();
    SetContent(EditsPanel);
    FitForm(FitWindow());
}

void TSNMPEditorPanel::WriteChecked(TObject* sender)
{
    QnSNMPRequest2Edits* req = request_;
    if (!req)
        return;
    const uint8_t mode = req->Mode;
    req->Mode = REQ_MODE_SYNC;
    std::vector<int> excluded;
    bool refused = false;
    try {
        req->CollectValues();
        const int rows = EditsPanel->RowCount();
        for (int i = 0; i < rows; ++i) {
            QnSNMPVar& var = req->Variables.Get(i);
            if (!EditsPanel->Rows[size_t(i)].CheckBox->Checked() && !(var.Access & ACC_INVALID)) {
                var.Access |= ACC_INVALID;
                excluded.push_back(i);
            }
        }
        for (int i = 0; i < rows && !refused; ++i)
            refused = !(req->Variables.Get(i).Access & ACC_INVALID) && EditsPanel->IsRowTextEmpty(i);
        if (refused)
            MessageBox(window(), QStringLiteral("Some items are empty!"), QStringLiteral("Warning"),
                       MB_OK | MB_ICONWARNING);
        else
            req->Set(false, false, std::string(), nullptr);
    } catch (const QnException& e) {
        ShowError(req, e);
    }
    for (int i : excluded)
        req->Variables.Get(i).Access &= ~uint32_t(ACC_INVALID);
    req->Mode = mode;
    auto* button = dynamic_cast<TControl*>(sender);
    if (!refused && button && button->Tag() == 1)
        if (TForm* f = button->ParentForm())
            f->Close();
}

void TSNMPEditorPanel::CheckAllClick(TObject*)
{
    for (int i = 0; i < EditsPanel->RowCount(); ++i) {
        TCheckBox* b = EditsPanel->Rows[size_t(i)].CheckBox;
        if (b->Enabled())
            b->SetChecked(true);
    }
    if (EditsPanel->CountCheckedBoxes() > 0 && EditsPanel->Buttons())
        EditsPanel->Buttons()->btnSetChecked->SetEnabled(true);
}

void TSNMPEditorPanel::ClearChecksClick(TObject*)
{
    for (int i = 0; i < EditsPanel->RowCount(); ++i) {
        TCheckBox* b = EditsPanel->Rows[size_t(i)].CheckBox;
        if (b->Enabled())
            b->SetChecked(false);
    }
    if (EditsPanel->CountCheckedBoxes() == 0 && EditsPanel->Buttons())
        EditsPanel->Buttons()->btnSetChecked->SetEnabled(false);
}

// --- TSNMPListViewPanel ----------------------------------------------------

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* owner, QnSNMPRequest2Edits* request)
    : TSNMPEditorPanel(owner, request)
{
    EditsPanel->Hide();
    ListPanel = new TListViewPanel(InnerPanel, request);
    TListView* lv = ListPanel->ListView;
    lv->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::ListClick);
    lv->OnDblClick = TNotifyEvent(this, &TSNMPListViewPanel::ListDblClick);
    lv->OnChange = TLVChangeEvent(this, &TSNMPListViewPanel::ListChange);
    lv->OnMouseMove = TMouseMoveEvent(this, &TSNMPListViewPanel::ListMouseMove);
    lv->setMouseTracking(true);
    lv->viewport()->setMouseTracking(true);
    CtrlBtnPanel->btnRefresh->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::ListRefreshClick);
    CtrlBtnPanel->btnEdit->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::EditClick);
    CtrlBtnPanel->btnAdd->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::AddClick);
    CtrlBtnPanel->btnDelete->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::DeleteClick);
    ListPanel->ArrangeCtrlBtn(CtrlBtnPanel);
    if (EditsPanel->AllRowsReadOnlyOrKey()) {
        CtrlBtnPanel->btnEdit->Hide();
        CtrlBtnPanel->LayoutButtons();
    }
    SetContent(ListPanel);
    BeforeAdd = [this] { EditsPanel->ClearRows(); };
}

void TSNMPListViewPanel::DetachRequest()
{
    TSNMPEditorPanel::DetachRequest();
    ListPanel->DetachRequest();
}

static void SetStatusRow(TSNMPListViewPanel* panel, int row, const std::string& value, bool add)
{
    TComboBox* combo = nullptr;
    if (row >= 0 && row < panel->EditsPanel->RowCount())
        combo = panel->EditsPanel->Rows[size_t(row)].Combo();
    if (!combo || combo->Items()->IndexOf(QString::fromStdString(value)) < 0)
        Raise(add ? "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:" + value
                  : "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:" + value);
    TCtrlBtnPanel* buttons = panel->CtrlBtnPanel;
    if (add) {
        panel->ListPanel->AddRow = row;
        panel->ListPanel->AddValue = value;
        buttons->btnAdd->Show();
    } else {
        panel->ListPanel->DeleteRow = row;
        panel->ListPanel->DeleteValue = value;
        buttons->btnDelete->Show();
    }
    buttons->LayoutButtons();
    panel->SetContent(panel->ListPanel);
}

void TSNMPListViewPanel::SetAddStatus(int row, const std::string& value)
{
    SetStatusRow(this, row, value, true);
}

void TSNMPListViewPanel::SetDeleteStatus(int row, const std::string& value)
{
    SetStatusRow(this, row, value, false);
}

void TSNMPListViewPanel::ListClick(TObject*)
{
    const bool selected = ListPanel->ListView->Selected() != nullptr;
    CtrlBtnPanel->btnEdit->SetEnabled(selected);
    CtrlBtnPanel->btnDelete->SetEnabled(selected);
    if (!selected)
        EditsPanel->ClearRows();
}

void TSNMPListViewPanel::ListDblClick(TObject*)
{
    if (ListPanel->ListView->Selected())
        EditClick(CtrlBtnPanel->btnEdit);
}

void TSNMPListViewPanel::ListChange(TObject*, TListItem*, TItemChange)
{
    CtrlBtnPanel->SetCount(ListPanel->ListView->Items()->Count());
}

QString TSNMPListViewPanel::RowHint(TListItem* item) const
{
    if (!item)
        return QString();
    TListColumns* cols = ListPanel->ListView->Columns();
    int longest = 0;
    for (int c = 0; c < cols->Count(); ++c)
        longest = std::max(longest, int(cols->Items(c)->Caption().size()));
    QString hint;
    for (int c = 0; c < cols->Count(); ++c) {
        const QString caption = cols->Items(c)->Caption();
        QString text;
        if (c == 0)
            text = item->Caption();
        else if (c - 1 < item->SubItems()->Count())
            text = item->SubItems()->Strings(c - 1);
        hint += caption + QString(longest - int(caption.size()), QLatin1Char('\t')) + QStringLiteral("  ") +
                text + QLatin1Char('\n');
    }
    return hint;
}

void TSNMPListViewPanel::ListMouseMove(TObject*, TShiftState, int x, int y)
{
    TListView* lv = ListPanel->ListView;
    TListItem* item = lv->GetItemAt(x, y);
    if (!item) {
        lv->SetHint(QString());
        lv->SetShowHint(false);
        QToolTip::hideText();
        return;
    }
    const QString hint = RowHint(item);
    lv->SetHint(hint);
    lv->SetShowHint(true);
    QToolTip::showText(lv->viewport()->mapToGlobal(QPoint(x, y)), hint, lv);
}

void TSNMPListViewPanel::ListRefreshClick(TObject*)
{
    if (!request_)
        return;
    if (request_->Mode == REQ_MODE_ASYNC && request_->Busy)
        return;
    CtrlBtnPanel->btnEdit->SetEnabled(false);
    CtrlBtnPanel->btnDelete->SetEnabled(false);
    try {
        request_->Get();
    } catch (const QnException& e) {
        ShowError(request_, e);
    }
}

void TSNMPListViewPanel::AddClick(TObject*)
{
    if (!request_ || dialog_)
        return;
    if (BeforeAdd)
        BeforeAdd();
    RunAddDialog();
    if (AfterAdd)
        AfterAdd();
}

void TSNMPListViewPanel::EditClick(TObject*)
{
    if (!request_ || dialog_)
        return;
    if (BeforeEdit)
        BeforeEdit();
    RunEditDialog();
    if (AfterEdit)
        AfterEdit();
}

TForm* TSNMPListViewPanel::ConfigWindow() const
{
    if (FitWindow())
        return FitWindow();
    return ParentForm();
}

QString TSNMPListViewPanel::HolderCaption() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* page = dynamic_cast<TTabSheet*>(w))
            return page->Caption();
        if (auto* form = dynamic_cast<TForm*>(w))
            return form->Caption();
    }
    return FitWindow() ? FitWindow()->Caption() : QString();
}

TSNMPPanel* TSNMPListViewPanel::MakeDialog(TForm* dialog)
{
    request_->SetConstraintOwner(dialog);
    auto* panel = new TSNMPPanel(dialog, MessagePanel(), request_);
    TBitBtn* set = panel->CtrlBtnPanel->btnSetChecked;
    set->SetTag(1);
    set->OnClick = TNotifyEvent(this, &TSNMPEditorPanel::WriteChecked);
    panel->CtrlBtnPanel->btnCheckAll->OnClick = TNotifyEvent(this, &TSNMPEditorPanel::CheckAllClick);
    panel->CtrlBtnPanel->btnClearChecks->OnClick = TNotifyEvent(this, &TSNMPEditorPanel::ClearChecksClick);
    return panel;
}

void TSNMPListViewPanel::EndDialog()
{
    EditsPanel->Hide();
    EditsPanel->SetAlign(alNone);
    EditsPanel->SetParent(InnerPanel);
    delete dialog_.data();
    if (request_) {
        request_->SetConstraintOwner(ConfigWindow());
        request_->SetStatusTarget(MessagePanel()->Memo);
    }
    ListRefreshClick(CtrlBtnPanel->btnRefresh);
}

void TSNMPListViewPanel::RunAddDialog()
{
    TForm* config = ConfigWindow();
    auto* dialog = new TForm(config);
    dialog_ = dialog;
    dialog->SetCaption(HolderCaption() + QStringLiteral(" (Add)"));
    TSNMPPanel* panel = MakeDialog(dialog);

    for (int i = 0; i < request_->Variables.IndexCount && i < EditsPanel->RowCount(); ++i) {
        EditsPanel->MakeRowWritable(i);
        TCheckBox* box = EditsPanel->Rows[size_t(i)].CheckBox;
        box->SetChecked(true);
        box->Show();
        box->SetEnabled(false);
    }
    const int addRow = ListPanel->AddRow;
    if (addRow >= 0 && addRow < EditsPanel->RowCount()) {
        TEditRow& r = EditsPanel->Rows[size_t(addRow)];
        r.Control->SetEnabled(false);
        r.CheckBox->SetEnabled(false);
        r.CheckBox->SetChecked(true);
        if (TComboBox* combo = r.Combo())
            combo->SetItemIndex(combo->Items()->IndexOf(QString::fromStdString(ListPanel->AddValue)));
    }
    EditsPanel->ArrangeCtrlBtn(panel->CtrlBtnPanel);
    panel->CtrlBtnPanel->btnRefresh->Hide();
    panel->CtrlBtnPanel->LayoutButtons();
    EditsPanel->LayoutRows();
    panel->SetContent(EditsPanel);
    panel->FitForm(dialog);

    ListPanel->ListView->SetSelected(nullptr);
    CtrlBtnPanel->btnEdit->SetEnabled(false);
    CtrlBtnPanel->btnDelete->SetEnabled(false);

    dialog->ShowModal();
    EndDialog();
}

void TSNMPListViewPanel::RunEditDialog()
{
    if (request_->Mode == REQ_MODE_ASYNC) {
        // A walk in progress stops first.
        request_->Enabled = false;
        QElapsedTimer clock;
        clock.start();
        while (request_->Busy && clock.elapsed() < 1000) {
            ProcessMessages();
            if (request_->Busy)
                QThread::msleep(1);
        }
        request_->Enabled = true;
    }
    TForm* config = ConfigWindow();
    auto* dialog = new TForm(config);
    dialog_ = dialog;
    dialog->SetCaption(config ? config->Caption() : QString());
    TSNMPPanel* panel = MakeDialog(dialog);
    panel->CtrlBtnPanel->btnSetChecked->SetEnabled(false);

    EditsPanel->ApplyRowLook(false);
    EditsPanel->ArrangeCtrlBtn(panel->CtrlBtnPanel);
    EditsPanel->LayoutRows();
    panel->CtrlBtnPanel->btnRefresh->Hide();
    panel->CtrlBtnPanel->LayoutButtons();
    EditsPanel->ControlWidth = 200;
    EditsPanel->LayoutRows();

    // The edit dialog neither creates nor deletes: those values leave their
    // combo boxes while it is open.
    struct Removed
    {
        TComboBox* Combo;
        int Index;
        QString Text;
    };
    std::vector<Removed> removed;
    std::vector<int> hidden;
    auto removeValue = [&](int row, const std::string& value) {
        if (row < 0 || row >= EditsPanel->RowCount())
            return;
        TComboBox* combo = EditsPanel->Rows[size_t(row)].Combo();
        if (!combo)
            return;
        const QString text = QString::fromStdString(value);
        const int at = combo->Items()->IndexOf(text);
        if (at < 0)
            return;
        combo->Items()->Delete(at);
        removed.push_back({combo, at, text});
    };
    removeValue(ListPanel->AddRow, ListPanel->AddValue);
    removeValue(ListPanel->DeleteRow, ListPanel->DeleteValue);
    for (int row : {ListPanel->AddRow, ListPanel->DeleteRow}) {
        if (row < 0 || row >= EditsPanel->RowCount() ||
            std::find(hidden.begin(), hidden.end(), row) != hidden.end())
            continue;
        TComboBox* combo = EditsPanel->Rows[size_t(row)].Combo();
        if (combo && combo->Items()->Count() == 0) {
            EditsPanel->HideRow(row);
            hidden.push_back(row);
        }
    }
    if (!hidden.empty())
        EditsPanel->LayoutRows();
    panel->SetContent(EditsPanel);
    panel->FitForm(dialog);

    dialog->ShowModal();

    for (int row : hidden)
        EditsPanel->ShowRow(row);
    // Back where each value came from, the last removed first, so that the
    // options come back in their order.
    for (auto it = removed.rbegin(); it != removed.rend(); ++it)
        it->Combo->Items()->Insert(it->Index, it->Text);
    EndDialog();
}

void TSNMPListViewPanel::DeleteClick(TObject*)
{
    if (!request_ || ListPanel->DeleteRow < 0)
        return;
    if (MessageBox(window(), QStringLiteral("Are you sure to delete ?"), QStringLiteral("Delete"),
                   MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    QnSNMPRequest2Edits* req = request_;
    const uint8_t mode = req->Mode;
    req->Mode = REQ_MODE_SYNC;
    const int deleteRow = ListPanel->DeleteRow;
    std::vector<int> excluded;
    for (int i = 0; i < req->Variables.Count(); ++i) {
        QnSNMPVar& var = req->Variables.Get(i);
        if (i < req->Variables.IndexCount || i == deleteRow || (var.Access & ACC_INVALID))
            continue;
        var.Access |= ACC_INVALID;
        excluded.push_back(i);
    }
    try {
        req->CollectValues();
        if (deleteRow < req->Variables.Count())
            req->Variables.Get(deleteRow).Value = ListPanel->DeleteValue;
        req->Set(false, false, std::string(), nullptr);
    } catch (const QnException& e) {
        ShowError(req, e);
    }
    for (int i : excluded)
        req->Variables.Get(i).Access &= ~uint32_t(ACC_INVALID);
    ListRefreshClick(CtrlBtnPanel->btnRefresh);
    req->Mode = mode;
}
