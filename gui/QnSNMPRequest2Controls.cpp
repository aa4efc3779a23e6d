#include "gui/QnSNMPRequest2Controls.h"

#include "mib/QnErrorCatalogue.h"
#include "mib/QnException.h"
#include "ui/TApplication.h"
#include "ui/TEdit.h"
#include "ui/TStatusBar.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTime>

#include <cstdio>

namespace {

// Fills the template's markers in one pass, so that text put in for one
// marker is never taken for another marker.
std::string FillTemplate(const std::string& tpl, const std::string& error, const std::string& varlist,
                         const std::string& time)
{
    static const struct
    {
        const char* marker;
        int which;
    } kMarkers[] = {{"[ERROR]", 0}, {"[VARLIST]", 1}, {"[TIME]", 2}};
    std::string out;
    size_t i = 0;
    while (i < tpl.size()) {
        bool replaced = false;
        for (const auto& m : kMarkers) {
            const size_t len = std::char_traits<char>::length(m.marker);
            if (tpl.compare(i, len, m.marker) == 0) {
                out += m.which == 0 ? error : m.which == 1 ? varlist : time;
                i += len;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out += tpl[i++];
    }
    return out;
}

} // namespace

QnSNMPRequest2Controls::QnSNMPRequest2Controls(QWidget* owner) : Owner(owner) {}

QnSNMPRequest2Controls::~QnSNMPRequest2Controls()
{
    BeginDestruction();
    // Wait here, while this part still exists, for what is outstanding; the
    // replies are dropped (Dying). The engine's own wait then has nothing left.
    QElapsedTimer clock;
    clock.start();
    while (Outstanding > 0 && clock.elapsed() < DestroyWaitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (Outstanding > 0)
            QThread::msleep(1);
    }
}

void QnSNMPRequest2Controls::BeginDestruction()
{
    dying_ = true;
    Enabled = false;
}

bool QnSNMPRequest2Controls::IsTable() const
{
    return Variables.ListKind == MVT_FMV || Variables.ListKind == MVT_UMV;
}

// --- status target -----------------------------------------------------------

void QnSNMPRequest2Controls::SetStatusTarget(TMemo* memo)
{
    SetStatusTarget(nullptr);
    if (memo) {
        memo_ = memo;
        targetKind_ = TargetKind::Memo;
    }
}

void QnSNMPRequest2Controls::SetStatusTarget(TStatusBar* bar)
{
    SetStatusTarget(nullptr);
    if (bar) {
        bar_ = bar;
        targetKind_ = TargetKind::Bar;
    }
}

void QnSNMPRequest2Controls::SetStatusTarget(TStatusPanel* panel)
{
    SetStatusTarget(nullptr);
    if (panel) {
        panel_ = panel;
        targetKind_ = TargetKind::Panel;
    }
}

void QnSNMPRequest2Controls::SetStatusTarget(std::nullptr_t)
{
    targetKind_ = TargetKind::None;
    memo_.clear();
    bar_.clear();
    panel_ = nullptr;
}

bool QnSNMPRequest2Controls::HasStatusTarget() const
{
    switch (targetKind_) {
    case TargetKind::Memo:
        return !memo_.isNull();
    case TargetKind::Bar:
        return !bar_.isNull();
    case TargetKind::Panel:
        return panel_ != nullptr;
    case TargetKind::None:
        break;
    }
    return false;
}

TMemo* QnSNMPRequest2Controls::StatusMemo() const
{
    return targetKind_ == TargetKind::Memo ? memo_.data() : nullptr;
}

TStatusBar* QnSNMPRequest2Controls::StatusBar() const
{
    return targetKind_ == TargetKind::Bar ? bar_.data() : nullptr;
}

TStatusPanel* QnSNMPRequest2Controls::StatusPanel() const
{
    return targetKind_ == TargetKind::Panel ? panel_ : nullptr;
}

std::string QnSNMPRequest2Controls::SuccessText()
{
    return ErrorText(0);
}

std::string QnSNMPRequest2Controls::FormatStatus(const std::string& text, int hour, int minute,
                                                 int second) const
{
    std::string tpl =
        CatalogueText(CAT_STATUS, StatusKind == STATUS_KIND_SET ? STATUS_TEMPLATE_SET : STATUS_TEMPLATE_GET);
    if (Variables.Title.empty()) {
        // Without a title the request part goes: from just after [ERROR] up to
        // and including [VARLIST].
        const size_t e = tpl.find("[ERROR]");
        if (e != std::string::npos) {
            const size_t from = e + 7;
            const size_t v = tpl.find("[VARLIST]", from);
            if (v != std::string::npos)
                tpl.erase(from, v + 9 - from);
        }
    }
    const int h12 = hour % 12 == 0 ? 12 : hour % 12;
    char time[32];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d %s", h12, minute, second, hour < 12 ? "AM" : "PM");
    return FillTemplate(tpl, text, Variables.Title, time);
}

void QnSNMPRequest2Controls::ShowStatus(const std::string& text)
{
    if (!HasStatusTarget())
        return;
    const QTime now = QTime::currentTime();
    const QString line = QString::fromStdString(FormatStatus(text, now.hour(), now.minute(), now.second()));
    switch (targetKind_) {
    case TargetKind::Memo:
        memo_->Lines()->Add(line);
        break;
    case TargetKind::Bar:
        bar_->SetSimpleText(line);
        break;
    case TargetKind::Panel:
        panel_->SetText(line);
        break;
    case TargetKind::None:
        break;
    }
}

// --- virtual operations (defaults) ----------------------------------------

void QnSNMPRequest2Controls::BeforeGet() {}
void QnSNMPRequest2Controls::BeforeSet() {}
void QnSNMPRequest2Controls::CollectValues() {}
void QnSNMPRequest2Controls::AfterGet() {}
void QnSNMPRequest2Controls::AfterSet() {}

void QnSNMPRequest2Controls::ShowFailure(QnSNMPError* error)
{
    const std::string text = error ? error->Text : std::string();
    if (HasStatusTarget())
        ShowStatus(text);
    else
        MessageBox(Owner.data(), QString::fromStdString(text), ProgramName(), MB_OK);
}

void QnSNMPRequest2Controls::GetFailed(QnSNMPError* error)
{
    StatusKind = STATUS_KIND_GET;
    ShowFailure(error);
}

void QnSNMPRequest2Controls::SetFailed(QnSNMPError* error)
{
    StatusKind = STATUS_KIND_SET;
    ShowFailure(error);
}

// --- reads -------------------------------------------------------------------

void QnSNMPRequest2Controls::AcceptRow()
{
    // The binding's own filter text is always empty: TestCondition("") holds.
    if (TestCondition(std::string()) && TestRowCondition()) {
        ValuesReceived();
        ++RowCount;
    }
}

void QnSNMPRequest2Controls::Get()
{
    StatusKind = STATUS_KIND_GET;
    BeforeGet();
    RowCount = 0;
    Busy = 1;
    if (Mode == REQ_MODE_SYNC) {
        try {
            if (IsTable()) {
                bool first = true;
                while (Fetch(first)) {
                    first = false;
                    AcceptRow();
                }
            } else if (Enabled) {
                Fetch(true);
                AcceptRow();
            }
            AfterGet();
        } catch (...) {
            Busy = 0;
            throw;
        }
        Busy = 0;
        if (HasStatusTarget()) {
            StatusKind = STATUS_KIND_GET;
            ShowStatus(SuccessText());
        }
        return;
    }
    if (!Enabled) {
        Busy = 0;
        return;
    }
    try {
        FetchAsync(&QnSNMPRequest2Controls::ReadReply, this, true);
    } catch (...) {
        Busy = 0;
        throw;
    }
}

void QnSNMPRequest2Controls::FinishRead(QnSNMPError* error)
{
    AfterGet();
    Busy = 0;
    if (HasStatusTarget()) {
        StatusKind = STATUS_KIND_GET;
        ShowStatus(SuccessText());
    }
    OnReadDone(this, error);
}

void QnSNMPRequest2Controls::ReadFailedAsync(QnSNMPError* error, int code, const std::string& text)
{
    // An error raised inside a reply (a binding that cannot show a value, a
    // next step that cannot be sent) ends the read like an error reply; it
    // must never unwind into the SNMP library.
    error->Code = code;
    error->Text = text;
    error->Finished = true;
    Busy = 0;
    GetFailed(error);
    OnReadDone(this, error);
}

void QnSNMPRequest2Controls::ReadReply(void* context, QnSNMPError* error, QnSNMPVarList* /*variables*/)
{
    auto* self = static_cast<QnSNMPRequest2Controls*>(context);
    if (self->dying_) {
        self->Busy = 0;
        return;
    }
    try {
        if (error->Code != 0) {
            self->Busy = 0;
            self->GetFailed(error);
            self->OnReadDone(self, error);
            return;
        }
        if (!self->IsTable()) {
            self->AcceptRow();
            self->FinishRead(error);
            return;
        }
        if (error->Finished) {
            self->FinishRead(error);
            return;
        }
        self->AcceptRow();
        if (self->Enabled)
            self->FetchAsync(&QnSNMPRequest2Controls::ReadReply, self, false);
        else
            self->FinishRead(error);
    } catch (const QnException& e) {
        self->ReadFailedAsync(error, e.Code(), e.Text());
    } catch (const std::exception& e) {
        self->ReadFailedAsync(error, QNERR_UNKNOWN, e.what());
    }
}

// --- writes ------------------------------------------------------------------

void QnSNMPRequest2Controls::Set(bool refresh, bool collect, const std::string& selection,
                                 const ValueSource* source)
{
    StatusKind = STATUS_KIND_SET;
    RefreshAfterWrite = refresh ? 1 : 0;
    BeforeSet();
    if (collect)
        CollectValues();
    Busy = 1;
    if (!Enabled) {
        Busy = 0;
        return;
    }
    if (Mode == REQ_MODE_SYNC) {
        try {
            Store(false, selection, source);
            AfterSet();
        } catch (...) {
            Busy = 0;
            throw;
        }
        Busy = 0;
        if (HasStatusTarget()) {
            StatusKind = STATUS_KIND_SET;
            ShowStatus(SuccessText());
        }
        if (IsTable() && RefreshAfterWrite)
            Get();
        return;
    }
    try {
        StoreAsync(&QnSNMPRequest2Controls::WriteReply, this, false, selection, source);
    } catch (...) {
        Busy = 0;
        throw;
    }
}

void QnSNMPRequest2Controls::WriteReply(void* context, QnSNMPError* error, QnSNMPVarList* /*variables*/)
{
    auto* self = static_cast<QnSNMPRequest2Controls*>(context);
    if (self->dying_) {
        self->Busy = 0;
        return;
    }
    try {
        if (error->Code != 0) {
            self->Busy = 0;
            self->SetFailed(error);
            self->OnWriteDone(self, error);
            return;
        }
        self->AfterSet();
        self->Busy = 0;
        self->StatusKind = STATUS_KIND_SET;
        if (self->HasStatusTarget())
            self->ShowStatus(SuccessText());
        self->OnWriteDone(self, error);
        if (self->IsTable() && self->RefreshAfterWrite && !self->dying_)
            self->Get();
    } catch (const QnException& e) {
        QnSNMPError failed = *error;
        failed.Code = e.Code();
        failed.Text = e.Text();
        failed.Finished = true;
        self->Busy = 0;
        // The write itself went through; what failed is the read after it
        // (or a handler), which is reported as a read failure.
        self->GetFailed(&failed);
    } catch (const std::exception& e) {
        QnSNMPError failed = *error;
        failed.Code = QNERR_UNKNOWN;
        failed.Text = e.what();
        failed.Finished = true;
        self->Busy = 0;
        self->GetFailed(&failed);
    }
}
