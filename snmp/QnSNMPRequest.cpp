#include "snmp/QnSNMPRequest.h"

#include "mib/QnDateTime.h"
#include "mib/QnErrorCatalogue.h"
#include "mib/QnEvaluate.h"
#include "mib/QnException.h"
#include "mib/QnNumList.h"
#include "mib/QnOptionList.h"
#include "mib/QnValueText.h"
#include "snmplib/Snmp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>

namespace {

enum : int { OP_GET = 0, OP_GETNEXT = 1, OP_SET = 2 };

[[noreturn]] void Raise(const QnStatus& st)
{
    throw QnException(st.Code, st.Text);
}

// The integer part of a formula result, wrapped to 64 bits without undefined
// behaviour for results outside the range.
int64_t IntegerPart(long double v)
{
    if (!std::isfinite(v))
        return 0;
    const long double t = std::trunc(v);
    if (t >= 9.2233720368547758e18L || t <= -9.2233720368547758e18L)
        return 0;
    return int64_t(t);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

// One asynchronous send: handed to the library as the callback's data and
// freed by the callback. Request is cleared when the request is destroyed
// first, so that a late completion never reaches it.
struct QnSNMPRequest::Block
{
    QnSNMPRequest* Request = nullptr;
    CompletionHandler Handler = nullptr;
    void* Context = nullptr;
    bool ProcessReply = false;
    unsigned long RequestId = 0;
    bool Running = false; // the completion is being delivered
};

QnSNMPRequest::QnSNMPRequest()
    : Timeout(DefaultTimeout), Device(DefaultDevice), Scope(DefaultScope), Security(DefaultSecurity)
{
}

QnSNMPRequest::~QnSNMPRequest()
{
    Enabled = false;
    // Let the pump deliver what is still outstanding. A completion of this
    // request whose handler is running now (the handler destroys its own
    // request) cannot finish before this returns: it is not waited for.
    QElapsedTimer clock;
    clock.start();
    while (Outstanding - running_ > 0 && clock.elapsed() < DestroyWaitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (Outstanding - running_ > 0)
            QThread::msleep(1);
    }
    // Whatever is left must never reach the freed request: cancel it in the
    // library (its callback is then never called) and detach the block in
    // case it cannot be cancelled.
    for (Block* block : blocks_) {
        block->Request = nullptr;
        if (!block->Running && GlobalSession && GlobalSession->cancel(block->RequestId) == SNMP_CLASS_SUCCESS)
            delete block;
    }
    blocks_.clear();
}

bool QnSNMPRequest::IsTableList() const
{
    return Variables.ListKind == MVT_FMV || Variables.ListKind == MVT_UMV;
}

std::string QnSNMPRequest::BaseOid(int position) const
{
    const QnSNMPVar& var = Variables.Get(position);
    if (Variables.InstanceText.empty())
        return var.Oid;
    return var.Oid + "." + Variables.InstanceText;
}

std::unique_ptr<SnmpTarget> QnSNMPRequest::BuildTarget()
{
    return ::BuildTarget(Device, Security, Timeout, Retries);
}

void QnSNMPRequest::BuildPdu(int kind, Pdu& pdu)
{
    pdu.set_security_level(Security.SecurityLevel);
    pdu.set_context_name(OctetStr(Scope.ContextName));
    pdu.set_context_engine_id(OctetStr(Scope.ContextEngineID));

    const uint8_t listKind = Variables.ListKind;
    const bool table = IsTableList();
    for (int i = 0; i < Variables.Count(); ++i) {
        QnSNMPVar& var = Variables.Get(i);
        Vb vb;
        if (kind == PDU_FIRST_READ) {
            if (!Variables.IsReadSelected(i))
                continue;
            var.LastOid.clear();
            vb.set_oid(Oid(listKind == SVT_SV ? BaseOid(i) + ".0" : BaseOid(i)));
        } else if (kind == PDU_NEXT_READ) {
            if (!Variables.IsReadSelected(i))
                continue;
            if (listKind == SVT_SV || listKind == MVT_SV)
                RaiseError(QNERR_GETNEXT_SINGLE);
            vb.set_oid(Oid(var.LastOid));
        } else {
            if (table && i < Variables.IndexCount)
                continue;
            if (!Variables.IsWriteSelected(i))
                continue;
            std::string oid;
            if (listKind == SVT_SV)
                oid = BaseOid(i) + ".0";
            else if (listKind == MVT_SV)
                oid = BaseOid(i);
            else if (table)
                oid = BaseOid(i) + "." + ComposeIndex();
            else
                RaiseError(QNERR_BAD_LIST_KIND);
            vb.set_oid(Oid(oid));
            vb.set_syntax(uint8_t(var.Syntax));
            TextToSnmpValue(i, vb);
        }
        pdu += vb;
    }
}

int QnSNMPRequest::ReadOperation() const
{
    switch (Variables.ListKind) {
    case SVT_SV:
        return OP_GET;
    case MVT_SV:
        return UseGetNext ? OP_GETNEXT : OP_GET;
    case MVT_FMV:
    case MVT_UMV:
        return OP_GETNEXT;
    default:
        RaiseError(QNERR_BAD_LIST_KIND);
    }
}

int QnSNMPRequest::Send(int op, Pdu& pdu, const SnmpTarget& target, bool async, Block* block)
{
    if (!GlobalSession)
        RaiseError(QNERR_SESSION_CREATE);
    int status;
    if (async) {
        switch (op) {
        case OP_GET:
            status = GlobalSession->get(pdu, target, &QnSNMPRequest::Callback, block);
            break;
        case OP_GETNEXT:
            status = GlobalSession->get_next(pdu, target, &QnSNMPRequest::Callback, block);
            break;
        default:
            status = GlobalSession->set(pdu, target, &QnSNMPRequest::Callback, block);
            break;
        }
    } else {
        switch (op) {
        case OP_GET:
            status = GlobalSession->get(pdu, target);
            break;
        case OP_GETNEXT:
            status = GlobalSession->get_next(pdu, target);
            break;
        default:
            status = GlobalSession->set(pdu, target);
            break;
        }
    }
    // Synchronous: the caller maps and judges the status (a walk accepts
    // noSuchName). Asynchronous: any failure to send is raised here.
    if (async) {
        const QnStatus st = MapStatus(status);
        if (st.Code != 0)
            Raise(st);
    }
    return status;
}

QnSNMPRequest::ReplyResult QnSNMPRequest::ProcessReply(const Pdu& reply, int code)
{
    const bool table = IsTableList();
    std::string rowIndex;
    int selected = 0;
    int outside = 0;
    int k = 0;
    for (int i = 0; i < Variables.Count(); ++i) {
        if (!Variables.IsReadSelected(i))
            continue;
        ++selected;
        Vb vb;
        const bool have = reply.get_vb(vb, k++);
        const std::string returned = have ? vb.get_printable_oid() : std::string();
        QnSNMPVar& var = Variables.Get(i);

        if (code == -102 && table) {
            // An SNMPv1 agent ends a walk with noSuchName on the OIDs it was
            // sent: the walk is over when they are the ones it got last time.
            return var.LastOid == returned ? ReplyResult::WalkEnded : ReplyResult::NoSuchName;
        }

        const std::string base = BaseOid(i);
        if (IsOutsideColumn(base, var.LastOid, returned)) {
            ++outside;
            var.Value = kNotDoneText;
            // The key variables still hold the previous row. A list without
            // keys keeps the OID it got, which lies beyond the column too.
            const std::string index = ComposeIndex();
            if (!index.empty())
                var.LastOid = base + "." + index;
            else if (!returned.empty())
                var.LastOid = returned;
            else
                var.LastOid = base;
            continue;
        }
        SnmpValueToText(i, vb);
        var.LastOid = returned;
        // The row index comes from a variable still inside its own column:
        // the OID of a column that has run out belongs to another column.
        if (rowIndex.empty() && returned.size() > base.size())
            rowIndex = returned.substr(base.size() + 1);
    }
    if (outside == selected)
        return ReplyResult::Nothing;
    if (table)
        DistributeIndex(rowIndex);
    for (int i = 0; i < Variables.Count(); ++i)
        ApplyFormula(i, true);
    return table ? ReplyResult::Row : ReplyResult::Done;
}

bool QnSNMPRequest::Fetch(bool first)
{
    if (!Enabled)
        return false;
    std::unique_ptr<SnmpTarget> target = BuildTarget();
    Pdu pdu;
    BuildPdu(first ? PDU_FIRST_READ : PDU_NEXT_READ, pdu);
    const int op = ReadOperation();
    const QnStatus st = MapStatus(Send(op, pdu, *target, false, nullptr));
    if (st.Code != 0 && !(st.Code == -102 && IsTableList()))
        Raise(st);
    switch (ProcessReply(pdu, st.Code)) {
    case ReplyResult::Row:
        return true;
    case ReplyResult::NoSuchName:
        Raise(st);
    default:
        return false;
    }
}

void QnSNMPRequest::StartAsync(int op, Pdu& pdu, const SnmpTarget& target, CompletionHandler handler,
                               void* context, bool processReply)
{
    auto* block = new Block;
    block->Request = this;
    block->Handler = handler;
    block->Context = context;
    block->ProcessReply = processReply;
    try {
        Send(op, pdu, target, true, block);
    } catch (...) {
        delete block; // nothing was sent: the callback will not come
        throw;
    }
    block->RequestId = pdu.get_request_id();
    blocks_.push_back(block);
    ++Outstanding;
}

void QnSNMPRequest::FetchAsync(CompletionHandler handler, void* context, bool first)
{
    if (!Enabled)
        return;
    std::unique_ptr<SnmpTarget> target = BuildTarget();
    Pdu pdu;
    BuildPdu(first ? PDU_FIRST_READ : PDU_NEXT_READ, pdu);
    StartAsync(ReadOperation(), pdu, *target, handler, context, true);
}

void QnSNMPRequest::ApplySelection(const std::string& selection, const ValueSource* source)
{
    if (selection.empty())
        return;
    QnNumList<int32_t> positions;
    positions.Separator = ',';
    positions.Parse(selection);
    for (int i = 0; i < Variables.Count(); ++i) {
        QnSNMPVar& var = Variables.Get(i);
        const int k = positions.Find(i);
        if (k < 0) {
            var.Access |= ACC_INVALID;
        } else {
            var.Access &= ~uint32_t(ACC_INVALID);
            if (source)
                var.Value = source->ValueText(k);
        }
    }
}

bool QnSNMPRequest::Store(bool wantReply, const std::string& selection, const ValueSource* source)
{
    if (!Enabled)
        return false;
    const QnSNMPVarList saved(Variables);
    Pdu pdu;
    int status;
    try {
        ApplySelection(selection, source);
        for (int i = 0; i < Variables.Count(); ++i)
            ApplyFormula(i, false);
        std::unique_ptr<SnmpTarget> target = BuildTarget();
        BuildPdu(PDU_WRITE, pdu);
        status = Send(OP_SET, pdu, *target, false, nullptr);
    } catch (...) {
        Variables.Assign(saved);
        throw;
    }
    // The left-out marks and the values put in for the SET do not remain.
    Variables.Assign(saved);
    const QnStatus st = MapStatus(status);
    if (st.Code != 0)
        Raise(st);
    if (!wantReply)
        return false;
    return ProcessReply(pdu, 0) == ReplyResult::Row;
}

void QnSNMPRequest::StoreAsync(CompletionHandler handler, void* context, bool processReply,
                               const std::string& selection, const ValueSource* source)
{
    if (!Enabled)
        return;
    const QnSNMPVarList saved(Variables);
    Pdu pdu;
    std::unique_ptr<SnmpTarget> target;
    try {
        ApplySelection(selection, source);
        for (int i = 0; i < Variables.Count(); ++i)
            ApplyFormula(i, false);
        target = BuildTarget();
        BuildPdu(PDU_WRITE, pdu);
    } catch (...) {
        Variables.Assign(saved);
        throw;
    }
    Variables.Assign(saved);
    StartAsync(OP_SET, pdu, *target, handler, context, processReply);
}

void QnSNMPRequest::Callback(int reason, Snmp* /*session*/, Pdu& pdu, SnmpTarget& target, void* data)
{
    auto* block = static_cast<Block*>(data);
    if (block->Request) {
        try {
            block->Request->Complete(block, reason, pdu, target);
        } catch (const std::exception& e) {
            // Nothing may unwind through the library.
            qWarning("SNMP completion handler: %s", e.what());
        } catch (...) {
            qWarning("SNMP completion handler: unknown exception");
        }
        // The handler may have destroyed the request: it is touched again
        // only when the block is still attached.
        if (QnSNMPRequest* request = block->Request) {
            if (block->Running)
                --request->running_;
            block->Running = false;
            auto& blocks = request->blocks_;
            blocks.erase(std::remove(blocks.begin(), blocks.end(), block), blocks.end());
            --request->Outstanding;
        }
    }
    delete block;
}

void QnSNMPRequest::Complete(Block* block, int reason, Pdu& pdu, SnmpTarget& target)
{
    if (reason == SNMP_CLASS_SESSION_DESTROYED)
        return; // the handler is not called

    int status;
    if (reason == SNMP_CLASS_TIMEOUT)
        status = SNMP_CLASS_TIMEOUT;
    else if (reason == SNMP_CLASS_ASYNC_RESPONSE)
        status = pdu.get_error_status();
    else
        status = reason;

    QnSNMPError error;
    const QnStatus st = MapStatus(status);
    error.Code = st.Code;
    error.Text = st.Text;
    error.ErrorIndex = pdu.get_error_index();
    const std::string printed = target.get_address().get_printable();
    const size_t slash = printed.find('/');
    error.AgentAddress = printed.substr(0, slash);
    if (slash != std::string::npos)
        error.AgentPort = uint16_t(std::strtoul(printed.c_str() + slash + 1, nullptr, 10));

    if ((error.Code == 0 && block->ProcessReply) || (error.Code == -102 && IsTableList())) {
        try {
            switch (ProcessReply(pdu, error.Code)) {
            case ReplyResult::Row:
                error.Finished = false;
                break;
            case ReplyResult::WalkEnded: {
                const QnStatus ok = MapStatus(0);
                error.Code = ok.Code;
                error.Text = ok.Text;
                error.Finished = true;
                break;
            }
            default:
                error.Finished = true;
                break;
            }
        } catch (const QnException& e) {
            error.Code = e.Code();
            error.Text = e.Text();
            error.Finished = true;
        }
    } else {
        error.Finished = true;
    }

    block->Running = true;
    ++running_;
    if (block->Handler)
        block->Handler(block->Context, &error, &Variables);
}

std::string QnSNMPRequest::ComposeIndex()
{
    std::string index;
    for (int i = 0; i < Variables.IndexCount; ++i) {
        if (i >= Variables.Count())
            RaiseError(QNERR_BAD_KEY_COUNT);
        if (i > 0)
            index += ".";
        index += EncodeInstance(i);
    }
    return index;
}

void QnSNMPRequest::DistributeIndex(const std::string& index)
{
    std::string rest = index;
    for (int i = 0; i < Variables.IndexCount; ++i) {
        if (rest.empty() || i >= Variables.Count())
            RaiseError(QNERR_BAD_KEY_COUNT);
        if (!Variables.IsReadSelected(i))
            Variables.Get(i).LastOid = BaseOid(i) + "." + index;
        rest = DecodeInstance(i, rest);
    }
}

bool QnSNMPRequest::TestRowCondition()
{
    return TestCondition(RowCondition);
}

std::string QnSNMPRequest::Substitute(const std::string& text, const std::string& marker, bool quoteTexts)
{
    if (marker.empty())
        return text;
    std::string out = text;
    size_t from = 0;
    size_t at;
    while ((at = out.find(marker, from)) != std::string::npos) {
        size_t end = at + marker.size();
        while (end < out.size() && IsDigit(out[end]))
            ++end;
        if (end == at + marker.size()) {
            // A marker without a position is plain text.
            from = end;
            continue;
        }
        const std::string digits = out.substr(at + marker.size(), end - at - marker.size());
        if (digits.size() > 9 || std::stol(digits) >= Variables.Count())
            RaiseError(QNERR_INDEX_RANGE);
        const QnSNMPVar& var = Variables.Get(int(std::stol(digits)));
        const std::string value = var.Options ? var.Options->NameToValue(var.Value) : var.Value;
        if (value == kNullText)
            RaiseError(QNERR_NULL_IN_EXPRESSION);

        std::string replacement;
        switch (var.Syntax) {
        case SYN_BOOLEAN:
        case SYN_BOOL8:
        case SYN_BOOL16:
            replacement = value == "true" ? "1" : "0";
            break;
        case SYN_INTEGER:
        case SYN_COUNTER:
        case SYN_GAUGE:
        case SYN_COUNTER64:
        case SYN_UINTEGER:
        case SYN_DOUBLE:
        case SYN_INT8:
        case SYN_UINT8:
        case SYN_INT16:
        case SYN_UINT16:
            replacement = value;
            break;
        case SYN_TIMETICKS:
            replacement = std::to_string(TextToTicks(value));
            break;
        case SYN_BCDATETIME: {
            double number = 0;
            if (!ParseDateTimeNumber(value, number))
                number = double(ReadNumber(value));
            replacement = FormatGeneral(number);
            break;
        }
        default:
            if (!quoteTexts)
                RaiseError(QNERR_BAD_SYNTAX_IN_EXPRESSION);
            replacement = "\"" + value + "\"";
            break;
        }
        out.replace(at, end - at, replacement);
        // The inserted value is not searched again: a value holding the
        // marker followed by digits would otherwise be expanded without end.
        from = at + replacement.size();
    }
    return out;
}

std::string QnSNMPRequest::DecodeInstance(int position, const std::string& instance)
{
    return ::DecodeInstance(Variables, position, instance);
}

std::string QnSNMPRequest::EncodeInstance(int position)
{
    return ::EncodeInstance(Variables, position);
}

void QnSNMPRequest::SnmpValueToText(int position, const Vb& vb)
{
    ::SnmpValueToText(Variables.Get(position), vb);
}

void QnSNMPRequest::TextToSnmpValue(int position, Vb& vb)
{
    ::TextToSnmpValue(Variables.Get(position), vb);
}

void QnSNMPRequest::ApplyFormula(int position, bool reading)
{
    QnSNMPVar& var = Variables.Get(position);
    const std::optional<std::string>& formula = reading ? var.ReadFormula : var.WriteFormula;
    if (!formula || formula->empty())
        return;
    const long double result = EvaluateArithmetic(Substitute(*formula, "$", false));
    switch (var.Syntax) {
    case SYN_BOOLEAN:
        var.Value = result != 0 ? "true" : "false";
        break;
    case SYN_INTEGER:
        var.Value = std::to_string(int32_t(uint32_t(uint64_t(IntegerPart(result)))));
        break;
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        var.Value = std::to_string(uint32_t(uint64_t(IntegerPart(result))));
        break;
    case SYN_TIMETICKS:
        var.Value = TicksToText(uint32_t(uint64_t(IntegerPart(result))));
        break;
    case SYN_COUNTER64:
        var.Value = std::to_string(uint64_t(IntegerPart(result)));
        break;
    case SYN_DOUBLE:
        var.Value = FormatGeneral(result);
        break;
    case SYN_BCDATETIME:
        var.Value = FormatDateTimeNumber(double(result));
        break;
    default:
        RaiseError(QNERR_BAD_SYNTAX_IN_EXPRESSION);
    }
    if (var.Options)
        var.Value = var.Options->ValueToName(var.Value);
}

bool QnSNMPRequest::TestCondition(const std::string& text)
{
    if (text.empty())
        return true;
    return EvaluateCondition(Substitute(text, "$", true));
}

bool QnSNMPRequest::IsOutsideColumn(const std::string& base, const std::string& last,
                                    const std::string& returned)
{
    if (!IsTableList())
        return false;
    // Inside the column means: the base OID followed by "." and more
    // sub-identifiers. Comparing characters alone would let the column
    // ...1.1 take ...1.10.5, which belongs to another column.
    auto inside = [&base](const std::string& oid) {
        return oid.size() > base.size() + 1 && oid.compare(0, base.size(), base) == 0 &&
               oid[base.size()] == '.';
    };
    if (!inside(returned))
        return true;
    // An agent that answers with the same OID again has ended the column.
    if (returned == last)
        return true;
    // So has one whose answer does not increase within the column: a broken
    // agent looping on a column would otherwise keep the walk going forever.
    if (inside(last)) {
        const Oid now(returned);
        const Oid before(last);
        if (now.valid() && before.valid() && !(before < now))
            return true;
    }
    return false;
}
