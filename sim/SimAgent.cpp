#include "SimAgent.h"

#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <list>
#include <memory>
#include <random>

extern "C" {
extern netsnmp_session* main_session;
}

namespace vnsim {

namespace {

Store* gStore = nullptr;
const Faults* gFaults = nullptr;
bool gVerbose = false;

const char* const kTxnName = "vn2400-sim-transaction";

const Oid kSysUpTime = {1, 3, 6, 1, 2, 1, 1, 3, 0};
const Oid kIfAdmin = {1, 3, 6, 1, 2, 1, 2, 2, 1, 7};
const Oid kIfOper = {1, 3, 6, 1, 2, 1, 2, 2, 1, 8};
const Oid kIfHighSpeed = {1, 3, 6, 1, 2, 1, 31, 1, 1, 1, 15};
const Oid kPortCtrlAdmin = {1, 3, 6, 1, 4, 1, 98762, 11, 63, 6, 2, 2, 2, 1, 3};
const Oid kCurrentTime = {1, 3, 6, 1, 4, 1, 98762, 12, 10, 10, 1, 0};
const Oid kUpTimeText = {1, 3, 6, 1, 4, 1, 98762, 12, 10, 10, 2, 0};
const Oid kCurrentClock = {1, 3, 6, 1, 4, 1, 98762, 12, 10, 2, 0};

const Oid kVlanStatic = {1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 3, 1};
const Oid kVlanCurrent = {1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 2, 1};
const Oid kNumVlans = {1, 3, 6, 1, 2, 1, 17, 7, 1, 1, 4, 0};
const Oid kVlanDeletes = {1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 1, 0};

const int kPorts = 28;

long IntAt(const Store& s, Oid o, long fallback)
{
    const Object* obj = s.Find(o);
    return obj ? obj->value.integer : fallback;
}

Oid With(Oid o, std::initializer_list<oid> tail)
{
    o.insert(o.end(), tail);
    return o;
}

long UptimeSeconds()
{
    return static_cast<long>(netsnmp_get_agent_uptime() / 100);
}

std::string TicksText(unsigned long ticks)
{
    unsigned long c = ticks % 100, s = ticks / 100 % 60, m = ticks / 6000 % 60, h = ticks / 360000 % 24,
                  d = ticks / 8640000;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%lu days, %lu:%02lu:%02lu.%02lu", d, h, m, s, c);
    return buf;
}

// Values that follow the clock instead of the store.
bool DynamicValue(const Oid& o, Value& v)
{
    if (o == kSysUpTime) {
        v.type = ASN_TIMETICKS;
        v.integer = static_cast<long>(netsnmp_get_agent_uptime() & 0xFFFFFFFF);
        return true;
    }
    if (o == LedStatusOid()) {
        v.type = ASN_OCTET_STR;
        v.bytes = LedStatus(*gStore, UptimeSeconds());
        return true;
    }
    if (o == kCurrentTime) {
        time_t now = time(nullptr);
        char buf[64];
        std::strftime(buf, sizeof buf, "%Y/%m/%d %H:%M:%S", std::localtime(&now));
        v.type = ASN_OCTET_STR;
        v.bytes = buf;
        return true;
    }
    if (o == kUpTimeText) {
        v.type = ASN_OCTET_STR;
        v.bytes = TicksText(netsnmp_get_agent_uptime());
        return true;
    }
    if (o == kCurrentClock) {
        // DateAndTime: year (big-endian), month, day, hour, minutes, seconds, deciseconds, '+', 0, 0.
        time_t now = time(nullptr);
        struct tm t
        {
        };
        gmtime_r(&now, &t);
        int year = t.tm_year + 1900;
        char b[11] = {static_cast<char>(year >> 8),
                      static_cast<char>(year & 0xFF),
                      static_cast<char>(t.tm_mon + 1),
                      static_cast<char>(t.tm_mday),
                      static_cast<char>(t.tm_hour),
                      static_cast<char>(t.tm_min),
                      static_cast<char>(t.tm_sec),
                      0,
                      '+',
                      0,
                      0};
        v.type = ASN_OCTET_STR;
        v.bytes.assign(b, sizeof b);
        return true;
    }
    return false;
}

Value FromVarbind(const netsnmp_variable_list* vb)
{
    Value v;
    v.type = vb->type;
    switch (vb->type) {
    case ASN_INTEGER:
        v.integer = vb->val.integer ? *vb->val.integer : 0;
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        v.integer = vb->val.integer ? static_cast<long>(*vb->val.integer & 0xFFFFFFFFul) : 0;
        break;
    case ASN_COUNTER64:
        if (vb->val.counter64)
            v.counter64 = (static_cast<uint64_t>(vb->val.counter64->high) << 32) | vb->val.counter64->low;
        break;
    case ASN_OCTET_STR:
    case ASN_IPADDRESS:
    case ASN_OPAQUE:
        if (vb->val.string)
            v.bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        break;
    case ASN_OBJECT_ID:
        if (vb->val.objid)
            v.objid.assign(vb->val.objid, vb->val.objid + vb->val_len / sizeof(oid));
        break;
    default:
        break;
    }
    return v;
}

void ToVarbind(netsnmp_variable_list* vb, const Value& v)
{
    switch (v.type) {
    case ASN_INTEGER: {
        long i = v.integer;
        snmp_set_var_typed_value(vb, v.type, &i, sizeof i);
        break;
    }
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS: {
        u_long u = static_cast<u_long>(v.integer);
        snmp_set_var_typed_value(vb, v.type, &u, sizeof u);
        break;
    }
    case ASN_COUNTER64: {
        counter64 c{};
        c.high = static_cast<u_long>(v.counter64 >> 32);
        c.low = static_cast<u_long>(v.counter64 & 0xFFFFFFFF);
        snmp_set_var_typed_value(vb, v.type, &c, sizeof c);
        break;
    }
    case ASN_OBJECT_ID:
        snmp_set_var_typed_value(vb, v.type, v.objid.data(), v.objid.size() * sizeof(oid));
        break;
    default:
        snmp_set_var_typed_value(vb, v.type, v.bytes.data(), v.bytes.size());
        break;
    }
}

Oid RequestOid(const netsnmp_request_info* r)
{
    return Oid(r->requestvb->name, r->requestvb->name + r->requestvb->name_length);
}

int InjectedError(const Oid& o)
{
    for (auto& [prefix, status] : gFaults->errors)
        if (IsPrefix(prefix, o))
            return status;
    return 0;
}

// Traffic counters of the interface and pause tables grow while their port has a link:
// the stored value is where the count stood when the agent started.
const Oid kTrafficColumns[] = {
    {1, 3, 6, 1, 2, 1, 2, 2, 1},      // ifTable: octets and packets
    {1, 3, 6, 1, 2, 1, 31, 1, 1, 1},  // ifXTable: multicast, broadcast, high-capacity
    {1, 3, 6, 1, 2, 1, 10, 7, 10, 1}, // dot3PauseTable: pause frames
};

bool GrowCounter(const Oid& o, Value& v)
{
    if (v.type != ASN_COUNTER && v.type != ASN_COUNTER64)
        return false;
    for (const Oid& table : kTrafficColumns) {
        if (o.size() != table.size() + 2 || !IsPrefix(table, o))
            continue;
        const oid port = o.back();
        if (port < 1 || port > kPorts || IntAt(*gStore, With(kIfOper, {port}), 2) != 1 ||
            IntAt(*gStore, With(kIfAdmin, {port}), 1) != 1)
            return false;
        const oid column = o[table.size()];
        if (table.size() == 9 && (column == 13 || column == 14 || column == 15 || column >= 19))
            return false; // discards, errors and unknown protocols stay put
        const bool octets = (table.size() == 9 && (column == 10 || column == 16)) ||
                            (table.size() == 10 && (column == 6 || column == 10));
        const uint64_t rate = 1 + (port * 7919u + column * 104729u) % 3000; // per second
        const uint64_t grown = rate * static_cast<uint64_t>(UptimeSeconds()) * (octets ? 64 : 1);
        if (v.type == ASN_COUNTER)
            v.integer = static_cast<long>((static_cast<uint64_t>(v.integer) + grown) & 0xFFFFFFFFu);
        else
            v.counter64 += grown;
        return true;
    }
    return false;
}

void Answer(netsnmp_request_info* r, const Oid& o, const Object& obj)
{
    Value dyn;
    if (DynamicValue(o, dyn)) {
        ToVarbind(r->requestvb, dyn);
        return;
    }
    dyn = obj.value;
    if (GrowCounter(o, dyn)) {
        ToVarbind(r->requestvb, dyn);
        return;
    }
    ToVarbind(r->requestvb, obj.value);
}

// --- reading ---------------------------------------------------------------

void HandleGet(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* r)
{
    Oid o = RequestOid(r);
    if (int e = InjectedError(o)) {
        netsnmp_set_request_error(reqinfo, r, e);
        return;
    }
    auto& objects = gStore->Objects();
    auto it = objects.find(o);
    if (it != objects.end()) {
        Answer(r, o, it->second);
        return;
    }
    // noSuchInstance when the object type exists (a neighbour shares all but the instance).
    bool typeKnown = gStore->FindColumn(o) != nullptr;
    if (!typeKnown && o.size() > 1) {
        Oid parent(o.begin(), o.end() - 1);
        auto lb = objects.lower_bound(parent);
        typeKnown = lb != objects.end() && IsPrefix(parent, lb->first);
    }
    netsnmp_set_request_error(reqinfo, r, typeKnown ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
}

void HandleGetNext(netsnmp_handler_registration* reg, netsnmp_agent_request_info* reqinfo,
                   netsnmp_request_info* r)
{
    Oid o = RequestOid(r);
    Oid root(reg->rootoid, reg->rootoid + reg->rootoid_len);
    auto& objects = gStore->Objects();
    std::map<Oid, Object>::iterator it;
    // A column with the loop fault answers its first row again for every row after it.
    for (auto& col : gFaults->loopColumns) {
        if (IsPrefix(col, o) && o.size() > col.size()) {
            it = objects.lower_bound(col);
            if (it != objects.end() && IsPrefix(col, it->first)) {
                snmp_set_var_objid(r->requestvb, it->first.data(), it->first.size());
                Answer(r, it->first, it->second);
                return;
            }
        }
    }
    it = o < root ? objects.lower_bound(root) : objects.upper_bound(o);
    if (it == objects.end() || !IsPrefix(root, it->first))
        return; // nothing more here: the agent moves on to the next subtree
    snmp_set_var_objid(r->requestvb, it->first.data(), it->first.size());
    if (int e = InjectedError(it->first)) {
        netsnmp_set_request_error(reqinfo, r, e);
        return;
    }
    Answer(r, it->first, it->second);
}

// --- writing ---------------------------------------------------------------

struct Transaction
{
    std::vector<std::pair<Oid, std::optional<Object>>> undo;
    void Remember(const Oid& o)
    {
        for (auto& u : undo)
            if (u.first == o)
                return;
        const Object* obj = gStore->Find(o);
        undo.emplace_back(o, obj ? std::optional<Object>(*obj) : std::nullopt);
    }
    void Restore()
    {
        auto& objects = gStore->Objects();
        for (auto it = undo.rbegin(); it != undo.rend(); ++it) {
            if (it->second)
                objects[it->first] = *it->second;
            else
                objects.erase(it->first);
        }
        undo.clear();
    }
};

void FreeTransaction(void* p)
{
    delete static_cast<Transaction*>(p);
}

Transaction* GetTransaction(netsnmp_agent_request_info* reqinfo)
{
    auto* t = static_cast<Transaction*>(netsnmp_agent_get_list_data(reqinfo, kTxnName));
    if (!t) {
        t = new Transaction;
        netsnmp_agent_add_list_data(reqinfo, netsnmp_create_data_list(kTxnName, t, FreeTransaction));
    }
    return t;
}

struct RowRef
{
    Oid entry;
    Oid instance;
    bool operator<(const RowRef& o) const
    {
        return std::tie(entry, instance) < std::tie(o.entry, o.instance);
    }
};

RowRef RowOf(const Column& c, const Oid& o)
{
    return RowRef{Oid(c.oid.begin(), c.oid.end() - 1),
                  Oid(o.begin() + static_cast<long>(c.oid.size()), o.end())};
}

// Rows that this request creates, with the status they take (1 active, 2 notInService, 0 from the varbind).
std::map<RowRef, long> RowsCreated(netsnmp_request_info* requests)
{
    std::map<RowRef, long> rows;
    for (auto* r = requests; r; r = r->next) {
        Oid o = RequestOid(r);
        const Column* c = gStore->FindColumn(o);
        if (!c || !c->writable || o.size() == c->oid.size() || r->requestvb->type != ASN_INTEGER ||
            !r->requestvb->val.integer)
            continue;
        long v = *r->requestvb->val.integer;
        RowRef row = RowOf(*c, o);
        if (c->rowStatus && (v == 4 || v == 5) && !gStore->RowExists(row.entry, row.instance))
            rows[row] = v == 4 ? 1 : 2;
        else if (c->create && !c->rowStatus && (!c->destroyValue || v != *c->destroyValue) &&
                 !gStore->RowExists(row.entry, row.instance))
            rows[row] = 0;
    }
    return rows;
}

int CheckValue(const Column* c, const netsnmp_variable_list* vb)
{
    if (vb->type == ASN_IPADDRESS && vb->val_len != 4)
        return SNMP_ERR_WRONGLENGTH;
    if (!c)
        return SNMP_ERR_NOERROR;
    if (vb->type == ASN_OCTET_STR && c->size &&
        (static_cast<long>(vb->val_len) < c->size->first || static_cast<long>(vb->val_len) > c->size->second))
        return SNMP_ERR_WRONGLENGTH;
    if (vb->type == ASN_INTEGER) {
        long v = *vb->val.integer;
        if (c->rowStatus && (v < 1 || v > 6 || v == 3))
            return SNMP_ERR_WRONGVALUE;
        if (!c->enums.empty() && std::find(c->enums.begin(), c->enums.end(), v) == c->enums.end() &&
            !(c->destroyValue && v == *c->destroyValue))
            return SNMP_ERR_WRONGVALUE;
        if (c->range && (v < c->range->first || v > c->range->second))
            return SNMP_ERR_WRONGVALUE;
    }
    return SNMP_ERR_NOERROR;
}

int CheckSet(const Oid& o, const netsnmp_variable_list* vb, const std::map<RowRef, long>& created)
{
    if (int e = InjectedError(o))
        return e;
    const Column* c = gStore->FindColumn(o);
    const Object* obj = gStore->Find(o);
    if (obj) {
        if (!obj->writable)
            return SNMP_ERR_NOTWRITABLE;
        if (vb->type != obj->value.type)
            return SNMP_ERR_WRONGTYPE;
        if (int e = CheckValue(c, vb))
            return e;
        if (c && c->rowStatus) {
            long v = *vb->val.integer;
            if (v == 4 || v == 5)
                return SNMP_ERR_INCONSISTENTVALUE; // the row exists already
        }
        return SNMP_ERR_NOERROR;
    }
    if (!c || o.size() == c->oid.size()) {
        // An unknown object, or another instance of a scalar.
        return SNMP_ERR_NOCREATION;
    }
    if (!c->writable)
        return SNMP_ERR_NOTWRITABLE;
    if (vb->type != c->type)
        return SNMP_ERR_WRONGTYPE;
    if (int e = CheckValue(c, vb))
        return e;
    RowRef row = RowOf(*c, o);
    if (gStore->RowExists(row.entry, row.instance))
        return SNMP_ERR_NOERROR; // a cell the row lacked so far
    if (created.count(row))
        return SNMP_ERR_NOERROR;
    long v = vb->type == ASN_INTEGER ? *vb->val.integer : 0;
    if (c->rowStatus) {
        if (v == 6)
            return SNMP_ERR_NOERROR;       // destroying a missing row changes nothing
        return SNMP_ERR_INCONSISTENTVALUE; // active or notInService for a row that does not exist
    }
    if (c->destroyValue && v == *c->destroyValue)
        return SNMP_ERR_NOERROR;
    return SNMP_ERR_NOCREATION;
}

// Writes a value as part of the transaction, when it differs from the stored one.
void Change(Transaction* t, const Oid& o, const Value& v, bool writable)
{
    const Object* old = gStore->Find(o);
    if (old && old->value == v)
        return;
    t->Remember(o);
    gStore->Put(o, v, writable);
}

// The current VLAN table, the VLAN count and the deletion counter follow the static VLANs.
void UpdateCurrentVlans(Transaction* t, long deleted)
{
    auto& objects = gStore->Objects();
    std::map<oid, std::pair<std::string, std::string>> active; // VLAN ID: egress and untagged ports
    const Oid status = With(kVlanStatic, {5});
    for (auto it = objects.lower_bound(status); it != objects.end() && IsPrefix(status, it->first); ++it) {
        if (it->first.size() != status.size() + 1 || it->second.value.integer != 1)
            continue;
        oid vid = it->first.back();
        const Object* egress = gStore->Find(With(kVlanStatic, {2, vid}));
        const Object* untagged = gStore->Find(With(kVlanStatic, {4, vid}));
        active[vid] = {egress ? egress->value.bytes : std::string(8, '\0'),
                       untagged ? untagged->value.bytes : std::string(8, '\0')};
    }
    // Rows of VLANs that are gone or not active go; the others are written afresh.
    std::vector<Oid> stale;
    for (auto it = objects.lower_bound(kVlanCurrent);
         it != objects.end() && IsPrefix(kVlanCurrent, it->first); ++it)
        if (it->first.size() == kVlanCurrent.size() + 3 && !active.count(it->first.back()))
            stale.push_back(it->first);
    for (auto& o : stale) {
        t->Remember(o);
        objects.erase(o);
    }
    for (auto& [vid, ports] : active) {
        Value v;
        v.type = ASN_GAUGE;
        v.integer = static_cast<long>(vid);
        Change(t, With(kVlanCurrent, {3, 0, vid}), v, false);
        Value egress;
        egress.type = ASN_OCTET_STR;
        egress.bytes = ports.first;
        Change(t, With(kVlanCurrent, {4, 0, vid}), egress, false);
        Value untagged = egress;
        untagged.bytes = ports.second;
        Change(t, With(kVlanCurrent, {5, 0, vid}), untagged, false);
        Value permanent;
        permanent.integer = 2;
        Change(t, With(kVlanCurrent, {6, 0, vid}), permanent, false);
        if (!gStore->Find(With(kVlanCurrent, {7, 0, vid}))) {
            Value created;
            created.type = ASN_TIMETICKS;
            created.integer = static_cast<long>(netsnmp_get_agent_uptime() & 0xFFFFFFFF);
            Change(t, With(kVlanCurrent, {7, 0, vid}), created, false);
        }
    }
    Value count;
    count.type = ASN_GAUGE;
    count.integer = static_cast<long>(active.size());
    if (gStore->Find(kNumVlans))
        Change(t, kNumVlans, count, false);
    if (const Object* deletes = gStore->Find(kVlanDeletes); deletes && deleted > 0) {
        Value v = deletes->value;
        v.integer = (v.integer + deleted) & 0xFFFFFFFF;
        Change(t, kVlanDeletes, v, false);
    }
}

void ApplySet(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    Transaction* t = GetTransaction(reqinfo);
    auto& objects = gStore->Objects();
    auto created = RowsCreated(requests);
    for (auto& [row, status] : created) {
        for (const Column* c : gStore->ColumnsOf(row.entry)) {
            Oid cell = c->oid;
            cell.insert(cell.end(), row.instance.begin(), row.instance.end());
            Value v;
            if (c->defaultIndex > 0 && c->defaultIndex <= static_cast<int>(row.instance.size())) {
                v.type = c->type;
                v.integer = static_cast<long>(row.instance[c->defaultIndex - 1]);
            } else if (c->def) {
                v = *c->def;
            } else if (!c->rowStatus) {
                continue;
            }
            if (c->rowStatus) {
                v.type = ASN_INTEGER;
                v.integer = status;
            }
            t->Remember(cell);
            objects[cell] = Object{v, c->writable};
        }
    }
    std::vector<RowRef> destroyed;
    for (auto* r = requests; r; r = r->next) {
        Oid o = RequestOid(r);
        const Column* c = gStore->FindColumn(o);
        Value v = FromVarbind(r->requestvb);
        if (c && o.size() > c->oid.size() && v.type == ASN_INTEGER) {
            RowRef row = RowOf(*c, o);
            if ((c->rowStatus && v.integer == 6) || (c->destroyValue && v.integer == *c->destroyValue)) {
                destroyed.push_back(row);
                continue;
            }
            if (c->rowStatus) {
                if (v.integer == 4 || v.integer == 5)
                    continue; // set above
            }
        }
        t->Remember(o);
        const Object* old = gStore->Find(o);
        objects[o] = Object{v, old ? old->writable : true};
    }
    long vlansDeleted = 0;
    bool vlansTouched = false;
    for (auto& row : destroyed) {
        auto cells = gStore->RowCells(row.entry, row.instance);
        if (row.entry == kVlanStatic && !cells.empty())
            ++vlansDeleted;
        for (const Oid& cell : cells) {
            t->Remember(cell);
            objects.erase(cell);
        }
    }
    for (auto* r = requests; r; r = r->next)
        vlansTouched = vlansTouched || IsPrefix(kVlanStatic, RequestOid(r));
    if (vlansTouched)
        UpdateCurrentVlans(t, vlansDeleted);
}

int Handler(netsnmp_mib_handler*, netsnmp_handler_registration* reg, netsnmp_agent_request_info* reqinfo,
            netsnmp_request_info* requests)
{
    switch (reqinfo->mode) {
    case MODE_GET:
        for (auto* r = requests; r; r = r->next)
            if (!r->processed)
                HandleGet(reqinfo, r);
        break;
    case MODE_GETNEXT:
        for (auto* r = requests; r; r = r->next)
            if (!r->processed)
                HandleGetNext(reg, reqinfo, r);
        break;
    case MODE_SET_RESERVE1: {
        auto created = RowsCreated(requests);
        for (auto* r = requests; r; r = r->next) {
            if (int e = CheckSet(RequestOid(r), r->requestvb, created)) {
                netsnmp_set_request_error(reqinfo, r, e);
                return SNMP_ERR_NOERROR;
            }
        }
        break;
    }
    case MODE_SET_RESERVE2:
        break;
    case MODE_SET_ACTION:
        ApplySet(reqinfo, requests);
        break;
    case MODE_SET_UNDO:
        GetTransaction(reqinfo)->Restore();
        break;
    case MODE_SET_COMMIT:
        GetTransaction(reqinfo)->undo.clear();
        break;
    case MODE_SET_FREE:
        break;
    default:
        break;
    }
    return SNMP_ERR_NOERROR;
}

// --- packet hook -----------------------------------------------------------

netsnmp_callback gOriginal = nullptr;
std::mt19937 gRandom{std::random_device{}()};

struct Delayed
{
    netsnmp_session* session;
    netsnmp_pdu* pdu;
    void* magic;
    unsigned int alarm;
};
std::list<std::unique_ptr<Delayed>> gDelayed;

const char* CommandName(int command)
{
    switch (command) {
    case SNMP_MSG_GET:
        return "GET";
    case SNMP_MSG_GETNEXT:
        return "GETNEXT";
    case SNMP_MSG_GETBULK:
        return "GETBULK";
    case SNMP_MSG_SET:
        return "SET";
    default:
        return "PDU";
    }
}

void LogRequest(netsnmp_session* session, netsnmp_pdu* pdu, const char* what)
{
    std::string who;
    if (pdu->version == SNMP_VERSION_3)
        who = std::string("v3 user ") +
              (pdu->securityName ? std::string(pdu->securityName, pdu->securityNameLen) : "");
    else
        who =
            std::string(pdu->version == SNMP_VERSION_1 ? "v1" : "v2c") + " community " +
            (pdu->community ? std::string(reinterpret_cast<char*>(pdu->community), pdu->community_len) : "");
    std::string from;
    netsnmp_transport* t = snmp_sess_transport(snmp_sess_pointer(session));
    if (t && t->f_fmtaddr) {
        char* a = t->f_fmtaddr(t, pdu->transport_data, pdu->transport_data_length);
        if (a) {
            from = a;
            free(a);
        }
    }
    int n = 0;
    std::string first;
    for (auto* vb = pdu->variables; vb; vb = vb->next_variable, ++n)
        if (!n)
            first = OidText(Oid(vb->name, vb->name + vb->name_length));
    std::printf("%s %s %s from %s: %d varbind%s%s%s\n", what, CommandName(pdu->command), who.c_str(),
                from.c_str(), n, n == 1 ? "" : "s", n ? ", first " : "", first.c_str());
    std::fflush(stdout);
}

void DelayedAnswer(unsigned int, void* arg)
{
    auto* d = static_cast<Delayed*>(arg);
    gOriginal(NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE, d->session, d->pdu->reqid, d->pdu, d->magic);
    snmp_free_pdu(d->pdu);
    gDelayed.remove_if([d](const std::unique_ptr<Delayed>& p) { return p.get() == d; });
}

int PacketHook(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic)
{
    if (op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || !pdu)
        return gOriginal(op, session, reqid, pdu, magic);
    if (gFaults->dropPercent > 0 &&
        std::uniform_real_distribution<double>(0, 100)(gRandom) < gFaults->dropPercent) {
        if (gVerbose)
            LogRequest(session, pdu, "dropped");
        return 1;
    }
    if (gVerbose)
        LogRequest(session, pdu, "request");
    if (gFaults->delayMs > 0) {
        auto d = std::make_unique<Delayed>();
        d->session = session;
        d->pdu = snmp_clone_pdu(pdu);
        d->magic = magic;
        if (d->pdu) {
            struct timeval tv
            {
                gFaults->delayMs / 1000, (gFaults->delayMs % 1000) * 1000
            };
            d->alarm = snmp_alarm_register_hr(tv, 0, DelayedAnswer, d.get());
            gDelayed.push_back(std::move(d));
            return 1;
        }
    }
    return gOriginal(op, session, reqid, pdu, magic);
}

} // namespace

const std::vector<Oid>& ServedSubtrees()
{
    static const std::vector<Oid> roots = {
        {1, 0, 8802},              // IEEE 802.1X port access
        {1, 3, 6, 1, 2, 1},        // MIB-II and the standard MIBs the windows use
        {1, 3, 6, 1, 4, 1, 98762}, // the switch's enterprise MIB
        {1, 3, 6, 1, 6, 3, 18},    // SNMP community MIB
    };
    return roots;
}

const Oid& LedStatusOid()
{
    static const Oid o = {1, 3, 6, 1, 4, 1, 98762, 11, 63, 6, 2, 1, 1, 5, 0};
    return o;
}

std::string LedStatus(const Store& s, long seconds)
{
    // Power and Console, then per port a link byte (1 no link, 2 link, bit 7 activity) and a
    // colour byte (2 green: 1 Gbit/s, 4 blue: 100 Mbit/s, 3: 10 Mbit/s). No byte is ever zero:
    // a manager reads the string up to its first zero byte.
    std::string led(2 + 2 * kPorts, '\x01');
    led[0] = 0x02;
    led[1] = 0x02;
    const long period = seconds / 2; // activity changes every two seconds
    for (int p = 1; p <= kPorts; ++p) {
        bool adminUp = IntAt(s, With(kIfAdmin, {oid(p)}), 1) == 1 &&
                       IntAt(s, With(kPortCtrlAdmin, {oid(p), 100}), 3) != 2 &&
                       IntAt(s, With(kPortCtrlAdmin, {oid(p), 101}), 3) != 2;
        bool linkUp = adminUp && IntAt(s, With(kIfOper, {oid(p)}), 2) == 1;
        if (!linkUp)
            continue;
        long speed = IntAt(s, With(kIfHighSpeed, {oid(p)}), 1000);
        unsigned hash = static_cast<unsigned>(p) * 2654435761u ^ static_cast<unsigned>(period) * 40503u;
        hash ^= hash >> 13;
        hash *= 0x5bd1e995u;
        hash ^= hash >> 15;
        int share = p > 24 ? 70 : 35; // the uplinks are busier
        bool busy = static_cast<int>(hash % 100) < share;
        led[2 + 2 * (p - 1)] = static_cast<char>(0x02 | (busy ? 0x80 : 0));
        led[3 + 2 * (p - 1)] = speed >= 1000 ? 0x02 : speed >= 100 ? 0x04 : 0x03;
    }
    return led;
}

void SetCommunities(Store& store, const std::vector<std::string>& communities, const std::string& engineId)
{
    const Oid entry = {1, 3, 6, 1, 6, 3, 18, 1, 1, 1};
    auto& objects = store.Objects();
    objects.erase(objects.lower_bound(entry), objects.lower_bound(With(entry, {0xFFFFFFFF})));
    for (const std::string& c : communities) {
        Oid index;
        for (unsigned char ch : c)
            index.push_back(ch);
        auto cell = [&](oid column) {
            Oid o = With(entry, {column});
            o.insert(o.end(), index.begin(), index.end());
            return o;
        };
        Value text;
        text.type = ASN_OCTET_STR;
        text.bytes = c;
        store.Put(cell(2), text, true);
        store.Put(cell(3), text, true);
        text.bytes = engineId;
        store.Put(cell(4), text, true);
        text.bytes.clear();
        store.Put(cell(5), text, true);
        store.Put(cell(6), text, true);
        Value number;
        number.integer = 3; // nonVolatile
        store.Put(cell(7), number, true);
        number.integer = 1; // active
        store.Put(cell(8), number, true);
    }
}

void RegisterStore(Store* store, const Faults* faults)
{
    gStore = store;
    gFaults = faults;
    for (auto& root : ServedSubtrees()) {
        netsnmp_handler_registration* reg = netsnmp_create_handler_registration(
            "vn2400-sim", Handler, root.data(), root.size(), HANDLER_CAN_RWRITE);
        netsnmp_register_handler(reg);
    }
}

void InstallPacketHook(bool verbose, const Faults* faults)
{
    gVerbose = verbose;
    gFaults = faults;
    if (main_session && main_session->callback != PacketHook) {
        gOriginal = main_session->callback;
        main_session->callback = PacketHook;
    }
}

void DropDelayedRequests()
{
    for (auto& d : gDelayed) {
        snmp_alarm_unregister(d->alarm);
        snmp_free_pdu(d->pdu);
    }
    gDelayed.clear();
}

int ErrorStatusFromText(const std::string& text)
{
    static const char* const names[] = {"noError",
                                        "tooBig",
                                        "noSuchName",
                                        "badValue",
                                        "readOnly",
                                        "genErr",
                                        "noAccess",
                                        "wrongType",
                                        "wrongLength",
                                        "wrongEncoding",
                                        "wrongValue",
                                        "noCreation",
                                        "inconsistentValue",
                                        "resourceUnavailable",
                                        "commitFailed",
                                        "undoFailed",
                                        "authorizationError",
                                        "notWritable",
                                        "inconsistentName"};
    if (!text.empty() &&
        std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); })) {
        long v = std::strtol(text.c_str(), nullptr, 10);
        return v >= 1 && v <= 18 ? static_cast<int>(v) : -1;
    }
    for (int i = 1; i < 19; ++i)
        if (strcasecmp(text.c_str(), names[i]) == 0)
            return i;
    return -1;
}

} // namespace vnsim
