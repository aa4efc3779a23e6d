#include "gui/Guiconfigform.h"

#include "gui/QnSNMPRequest2Edits.h"
#include "mib/QnErrorCatalogue.h"
#include "mib/QnException.h"
#include "snmp/SnmpEventProcessor.h"
#include "ui/TApplication.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace {
[[noreturn]] void Raise(const char* text)
{
    throw QnException(QNERR_UNKNOWN, text);
}
} // namespace

TConfigForm::TConfigForm(QWidget* owner) : TForm(owner)
{
    SetCaption(QStringLiteral("ConfigForm"));
    SetColor(clBtnFace);
    SetClientWidth(159);
    SetClientHeight(105);
    SetPosition(poMainFormCenter);
    OnClose = TCloseEvent(this, &TConfigForm::FormClose);
    PostMessage(this, WM_CONFIG_REFRESH);
}

TConfigForm::~TConfigForm()
{
    ReleaseRequests();
}

void TConfigForm::CheckNoSetup()
{
    if (formType_ != CFT_NONE)
        Raise("Can not change Type of a Config Form!");
}

void TConfigForm::RaiseClientTo(int width, int height)
{
    if (ClientWidth() < width)
        SetClientWidth(width);
    if (ClientHeight() < height)
        SetClientHeight(height);
}

TSNMPEditorPanel* TConfigForm::SetupScalars(QnSNMPRequest2Edits* request)
{
    CheckNoSetup();
    formType_ = CFT_SCALARS;
    requests_.push_back(request);
    auto* panel = new TSNMPEditorPanel(this, request);
    panels_.emplace_back(panel);
    panel->FitForm(this);
    RaiseClientTo(panel->Width(), panel->Height());
    return panel;
}

TSNMPListViewPanel* TConfigForm::SetupTable(QnSNMPRequest2Edits* request, int addRow,
                                            const std::string& addValue, int deleteRow,
                                            const std::string& deleteValue)
{
    CheckNoSetup();
    formType_ = CFT_TABLE;
    requests_.push_back(request);
    auto* panel = new TSNMPListViewPanel(this, request);
    panels_.emplace_back(panel);
    panel->FitForm(this);
    if (!addValue.empty())
        panel->SetAddStatus(addRow, addValue);
    if (!deleteValue.empty())
        panel->SetDeleteStatus(deleteRow, deleteValue);
    RaiseClientTo(panel->Width(), panel->Height());
    return panel;
}

void TConfigForm::SetupPages()
{
    CheckNoSetup();
    formType_ = CFT_PAGES;
    pageControl_ = new TPageControl(this);
    pageControl_->SetMultiLine(true);
    pageControl_->OnChange = TNotifyEvent(this, &TConfigForm::PageChange);
}

TSNMPEditorPanel* TConfigForm::AddPage(const QString& caption, QnSNMPRequest2Edits* request)
{
    if (formType_ != CFT_PAGES)
        Raise("Can not add editor page to a none-page pannel!");
    const int index = pageControl_->PageCount();
    auto* page = new TTabSheet(pageControl_);
    page->SetCaption(caption);
    page->SetTag(index);
    requests_.push_back(request);
    auto* panel = new TSNMPEditorPanel(page, request);
    panels_.emplace_back(panel);
    panel->FitForm(this);
    const int pw = std::max(page->Width(), panel->PreferredWidth());
    const int ph = std::max(page->Height(), panel->PreferredHeight());
    page->SetBounds(page->Left(), page->Top(), pw, ph);
    const int tabs = std::max(pageControl_->TabHeight(), pageControl_->TabRowHeight());
    pageControl_->SetBounds(pageControl_->Left(), pageControl_->Top(), std::max(pageControl_->Width(), pw),
                            std::max(pageControl_->Height(), tabs + ph));
    page->SetAlign(alClient);
    RaiseClientTo(pageControl_->Width(), pageControl_->Height());
    pageControl_->SetAlign(alClient);
    return panel;
}

void TConfigForm::RefreshCurrent()
{
    QnSNMPRequest2Edits* chosen = nullptr;
    switch (formType_) {
    case CFT_NONE:
        return;
    case CFT_SCALARS:
    case CFT_TABLE:
        chosen = requests_.empty() ? nullptr : requests_[0];
        break;
    case CFT_PAGES: {
        if (!pageControl_ || pageControl_->PageCount() == 0 || !pageControl_->ActivePage())
            return;
        const int tag = pageControl_->ActivePage()->Tag();
        if (tag >= 0 && tag < int(requests_.size()))
            chosen = requests_[size_t(tag)];
        break;
    }
    default:
        Raise("Refresh a Form with unknown Form Type!");
    }
    if (!chosen)
        return;
    if (current_)
        current_->Enabled = false;
    chosen->Enabled = true;
    current_ = chosen;
    try {
        chosen->Get();
    } catch (const QnException& e) {
        chosen->ShowStatus(e.Text());
    }
}

void TConfigForm::PageChange(TObject*)
{
    RefreshCurrent();
}

void TConfigForm::WndProc(TMessage& msg)
{
    if (msg.Msg == WM_CONFIG_REFRESH) {
        RefreshCurrent();
        return;
    }
    TForm::WndProc(msg);
}

void TConfigForm::FormClose(TObject*, TCloseAction& action)
{
    // Inside a completion (a row being shown processes pending events, and
    // the close arrives there) the replies cannot come while we wait: stop
    // every request now and close again once the completion has returned.
    bool busy = false;
    for (QnSNMPRequest2Edits* r : requests_) {
        r->Enabled = false;
        busy = busy || r->Busy;
    }
    if (busy && GlobalEventProcessor().IsProcessing()) {
        action = caNone;
        QTimer::singleShot(SnmpEventProcessor::IntervalMs, this, [this] { Close(); });
        return;
    }
    ReleaseRequests();
}

void TConfigForm::ReleaseRequests()
{
    if (requests_.empty())
        return;
    // The panels stay with the window; they stop using the requests.
    for (const QPointer<TSNMPPanel>& p : panels_)
        if (p)
            p->DetachRequest();
    std::vector<QnSNMPRequest2Edits*> requests;
    requests.swap(requests_);
    current_ = nullptr;
    for (QnSNMPRequest2Edits* r : requests) {
        r->Enabled = false;
        // A reply that never comes must not keep the window open for ever:
        // the request's own destruction waits out whatever is left.
        QElapsedTimer clock;
        clock.start();
        while (r->Busy && clock.elapsed() < QnSNMPRequest::DestroyWaitMs) {
            ProcessMessages();
            if (r->Busy)
                QThread::msleep(1);
        }
        delete r;
    }
}
