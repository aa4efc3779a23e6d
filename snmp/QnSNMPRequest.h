// The request engine: the one object through which every window reads and
// writes the device. It holds a variable list and copies of the session
// records, and talks to the agent in four ways: a synchronous and an
// asynchronous read step (GET, or GET-NEXT on every column of a table at
// once, one row per step) and a synchronous and an asynchronous write (SET).
// All selected variables of the list travel in one PDU per operation. Values
// are held as text; conversions happen only here, by the value-text rules.
//
// Asynchronous operations complete only inside the event pump (a tick or a
// socket notifier) or inside the wait of a request's destructor.
#pragma once

#include "mib/QnSNMPVarList.h"
#include "snmp/QnSNMPSession.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Pdu;
class Vb;
class SnmpTarget;
class Snmp;

// The completion record given to asynchronous handlers.
struct QnSNMPError
{
    int32_t Code = 0;       // 0 for success, otherwise a catalogue code
    int32_t ErrorIndex = 0; // the error index of the reply PDU
    std::string Text;       // catalogue text of the code
    std::string AgentAddress;
    uint16_t AgentPort = 0;
    bool Finished = false; // no further step of this operation is to be sent
};

// Called once per asynchronous send with the caller's context, the completion
// record and the request's variable list.
using CompletionHandler = void (*)(void* context, QnSNMPError* error, QnSNMPVarList* variables);

// Gives the value text of the k-th position of a selection text (k from 0);
// the write operations take the values of the variables written from it.
class ValueSource
{
public:
    virtual ~ValueSource() = default;
    virtual std::string ValueText(int k) const = 0;
};

// Operation kinds of BuildPdu.
enum : int { PDU_FIRST_READ = 0, PDU_NEXT_READ = 1, PDU_WRITE = 2 };

class QnSNMPRequest
{
public:
    // How long a request being destroyed waits for its outstanding operations.
    static constexpr int DestroyWaitMs = 6000;

    bool UseGetNext = false; // read a list of kind 1 with GET-NEXT
    uint32_t Timeout;        // per try, hundredths of a second
    int32_t Retries = 1;     // after the first try
    QnSNMPDevice Device;     // copies of the default records taken at construction
    QnSNMPScope Scope;
    QnSNMPSecurity Security;
    QnSNMPVarList Variables;
    std::string RowCondition;
    bool Enabled = true;     // false once destruction begins: nothing is sent
    int32_t Outstanding = 0; // asynchronous operations sent and not completed

    QnSNMPRequest();
    // Clears Enabled, lets the toolkit process events while operations are
    // outstanding (up to DestroyWaitMs), then cancels whatever is left so that
    // no completion can reach the freed request.
    virtual ~QnSNMPRequest();
    QnSNMPRequest(const QnSNMPRequest&) = delete;
    QnSNMPRequest& operator=(const QnSNMPRequest&) = delete;

    // Synchronous read step. True when a table row was read and the walk may
    // go on. Raises the mapped error of a failure.
    bool Fetch(bool first);
    // Asynchronous read step; the handler is called once per send.
    void FetchAsync(CompletionHandler handler, void* context, bool first);
    // Synchronous write of the selected (or, with an empty selection, all
    // writable) variables; as Fetch when a reply is wanted, otherwise false.
    bool Store(bool wantReply, const std::string& selection = std::string(),
               const ValueSource* source = nullptr);
    // Asynchronous write; with processReply false the completion reports only
    // the code.
    void StoreAsync(CompletionHandler handler, void* context, bool processReply,
                    const std::string& selection = std::string(), const ValueSource* source = nullptr);

    // The target to send with, from this request's copies of the records.
    std::unique_ptr<SnmpTarget> BuildTarget();
    // Fills a PDU for a first read, a next read or a write.
    void BuildPdu(int kind, Pdu& pdu);
    // The instance text made of the key variables' values.
    std::string ComposeIndex();
    // Decodes an instance text into the key variables.
    void DistributeIndex(const std::string& index);
    // TestCondition of RowCondition.
    bool TestRowCondition();

    // The base OID of a variable: its Oid, with "." and the list's instance
    // text when that is not empty.
    std::string BaseOid(int position) const;

    virtual std::string Substitute(const std::string& text, const std::string& marker, bool quoteTexts);
    virtual std::string DecodeInstance(int position, const std::string& instance);
    virtual std::string EncodeInstance(int position);
    virtual void SnmpValueToText(int position, const Vb& vb);
    virtual void TextToSnmpValue(int position, Vb& vb);
    virtual void ApplyFormula(int position, bool reading);
    virtual bool TestCondition(const std::string& text);
    virtual bool IsOutsideColumn(const std::string& base, const std::string& last,
                                 const std::string& returned);

    // The completion block handed to the library as callback data.
    struct Block;

private:
    enum class ReplyResult { Row, Done, Nothing, WalkEnded, NoSuchName };

    bool IsTableList() const;
    // The reply processing shared by the synchronous and asynchronous paths.
    ReplyResult ProcessReply(const Pdu& reply, int code);
    int Send(int op, Pdu& pdu, const SnmpTarget& target, bool async, Block* block);
    int ReadOperation() const;
    void ApplySelection(const std::string& selection, const ValueSource* source);
    void StartAsync(int op, Pdu& pdu, const SnmpTarget& target, CompletionHandler handler, void* context,
                    bool processReply);
    static void Callback(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* data);
    void Complete(Block* block, int reason, Pdu& pdu, SnmpTarget& target);

    std::vector<Block*> blocks_; // outstanding asynchronous operations
    int running_ = 0;            // completions whose handler is running now
};
