// A request that belongs to a window. It runs the window's reads and writes,
// synchronously or asynchronously, reports each result as a status line (in a
// memo, a status bar's simple text or a status panel, or in a message box
// when the window has none) and calls a fixed set of virtual operations at
// each step, so that a derived class can move value texts between the
// variable list and the window's controls.
//
// The class is abstract: it has no operation for a received row
// (ValuesReceived). QnSNMPRequest2Edits binds edits, combo boxes, check boxes,
// labels and a list view.
//
// Closing a window while a request is busy: clear Enabled (a walk in progress
// stops at its next reply and nothing new is chained), process pending events
// until Busy is clear, then destroy the request.
#pragma once

#include "snmp/QnSNMPRequest.h"
#include "ui/TEvent.h"

#include <QPointer>
#include <cstdint>
#include <string>

class QWidget;
class TMemo;
class TStatusBar;
class TStatusPanel;
class QnSNMPRequest2Controls;

// Read-done and write-done notification: a callable with its bound object,
// called with this request and the completion record.
using QnRequestNotify = TEvent<QnSNMPRequest2Controls*, QnSNMPError*>;

// Operation modes.
enum : uint8_t { REQ_MODE_SYNC = 0, REQ_MODE_ASYNC = 1 };

// Status kinds: selects the status template.
enum : int32_t { STATUS_KIND_GET = 0, STATUS_KIND_SET = 1 };

class QnSNMPRequest2Controls : public QnSNMPRequest
{
public:
    // Called after every finished asynchronous read (success or failure).
    QnRequestNotify OnReadDone;
    // Called after every finished asynchronous write.
    QnRequestNotify OnWriteDone;
    // REQ_MODE_ASYNC (the default) or REQ_MODE_SYNC.
    uint8_t Mode = REQ_MODE_ASYNC;
    // Set while a read or write of this object is under way.
    uint8_t Busy = 0;
    // The window that owns message boxes.
    QPointer<QWidget> Owner;
    // Rows (or scalar replies) accepted by the last read.
    int32_t RowCount = 0;
    // STATUS_KIND_GET after a read was started or failed, STATUS_KIND_SET
    // after a write.
    int32_t StatusKind = STATUS_KIND_GET;
    // After a successful write of a table list, read the table again.
    uint8_t RefreshAfterWrite = 1;

    explicit QnSNMPRequest2Controls(QWidget* owner);
    ~QnSNMPRequest2Controls() override;

    // One status target for all three kinds; the last one set wins.
    void SetStatusTarget(TMemo* memo);
    void SetStatusTarget(TStatusBar* bar);
    void SetStatusTarget(TStatusPanel* panel);
    void SetStatusTarget(std::nullptr_t);
    bool HasStatusTarget() const;
    TMemo* StatusMemo() const;
    TStatusBar* StatusBar() const;
    TStatusPanel* StatusPanel() const;

    // Writes the template of the current status kind with [ERROR] replaced by
    // the text, [VARLIST] by the list's Title (the request part is left out
    // when the Title is empty) and [TIME] by the time ("10:15:02 AM").
    // Does nothing without a status target.
    void ShowStatus(const std::string& text);
    // The line ShowStatus would write at the given time of day (tests).
    std::string FormatStatus(const std::string& text, int hour, int minute, int second) const;

    // Reads the list (a table is walked row by row). Synchronous errors and
    // errors raised while an asynchronous read is started reach the caller
    // with Busy cleared.
    void Get();
    // Writes the list. refresh is stored in RefreshAfterWrite; collect calls
    // CollectValues first; selection and source go to Store/StoreAsync.
    void Set(bool refresh = true, bool collect = true, const std::string& selection = std::string(),
             const ValueSource* source = nullptr);

    // The success text (entry 0 of the binding library's catalogue).
    static std::string SuccessText();

    // Reply handlers given to FetchAsync and StoreAsync (context: the request).
    static void ReadReply(void* context, QnSNMPError* error, QnSNMPVarList* variables);
    static void WriteReply(void* context, QnSNMPError* error, QnSNMPVarList* variables);

    // Virtual operations, in slot order.
    virtual void BeforeGet();                   // 0
    virtual void BeforeSet();                   // 1
    virtual void ValuesReceived() = 0;          // 2
    virtual void CollectValues();               // 3
    virtual void GetFailed(QnSNMPError* error); // 4
    virtual void SetFailed(QnSNMPError* error); // 5
    virtual void AfterGet();                    // 6
    virtual void AfterSet();                    // 7

protected:
    // Called first by every destructor in the chain: no send starts and
    // replies that still arrive are dropped without calling virtual
    // operations of parts already destroyed.
    void BeginDestruction();
    bool Dying() const { return dying_; }
    bool IsTable() const;

private:
    enum class TargetKind { None, Memo, Bar, Panel };
    // Accepts the current row or scalar reply (row condition) and counts it.
    void AcceptRow();
    void FinishRead(QnSNMPError* error);
    void ShowFailure(QnSNMPError* error);
    void ReadFailedAsync(QnSNMPError* error, int code, const std::string& text);

    TargetKind targetKind_ = TargetKind::None;
    QPointer<TMemo> memo_;
    QPointer<TStatusBar> bar_;
    TStatusPanel* panel_ = nullptr;
    bool dying_ = false;
};
