#include "mib/QnSNMPVarList.h"

#include "mib/QnOptionList.h"

namespace {

std::optional<std::string> OptionalText(const char* text)
{
    if (!text)
        return std::nullopt;
    return std::string(text);
}

std::optional<std::string> OptionalText(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    return text;
}

const QnIntOption kListKindNames[] = {
    {SVT_SV, "SVT_SV"}, {MVT_SV, "MVT_SV"}, {MVT_FMV, "MVT_FMV"}, {MVT_UMV, "MVT_UMV"}, {0, nullptr},
};

const QnIntOption kSyntaxNames[] = {
    {SYN_INTEGER, "integer"},
    {SYN_BITSTR, "bitstr"},
    {SYN_OCTETSTR, "octetstr"},
    {SYN_NULL, "null"},
    {SYN_OBJECTID, "objectid"},
    {SYN_IPADDRESS, "ipaddress"},
    {SYN_COUNTER, "counter"},
    {SYN_GAUGE, "guage"},
    {SYN_TIMETICKS, "timeticks"},
    {SYN_OPAQUE, "opaque"},
    {SYN_COUNTER64, "counter64"},
    {SYN_BOOLEAN, "boolean"},
    {SYN_NSAPADDR, "nsapaddr"},
    {SYN_UINTEGER, "uinteger"},
    {SYN_DOUBLE, "double"},
    {SYN_MACADDRESS, "macaddress"},
    {SYN_DATETIME, "datetime"},
    {SYN_BCDATETIME, "bcdatetime"},
    {SYN_DISPLAYSTR, "displaystr"},
    {SYN_BOOL8, "bool8"},
    {SYN_INT8, "int8"},
    {SYN_UINT8, "uint8"},
    {SYN_BOOL16, "bool16"},
    {SYN_INT16, "int16"},
    {SYN_UINT16, "uint16"},
    {SYN_IPV6ADDRESS, "ipv6address"},
    {0, nullptr},
};

const QnIntOption kAccessNames[] = {
    {ACC_NOTACCESS, "notaccess"}, {ACC_READONLY, "readonly"},
    {ACC_WRITEONLY, "writeonly"}, {ACC_READWRITE, "readwrite"},
    {ACC_DERIVED, "derived"},     {ACC_HIDDEN, "hidden"},
    {ACC_INVALID, "invalid"},     {0, nullptr},
};

} // namespace

QnSNMPVarList::QnSNMPVarList() = default;

QnSNMPVarList::QnSNMPVarList(const QnSNMPVarDesc* table, uint8_t listKind, int32_t indexCount)
    : IndexCount(indexCount), ListKind(listKind)
{
    Append(table);
}

QnSNMPVarList::QnSNMPVarList(const QnSNMPVarList& other)
{
    Assign(other);
}

QnSNMPVarList& QnSNMPVarList::operator=(const QnSNMPVarList& other)
{
    Assign(other);
    return *this;
}

QnSNMPVarList::~QnSNMPVarList()
{
    Clear();
}

void QnSNMPVarList::Append(const QnSNMPVarDesc* table)
{
    if (!table)
        return;
    size_t n = 0;
    while (table[n].Oid)
        ++n;
    vars_.reserve(vars_.size() + n);
    for (size_t i = 0; i < n; ++i) {
        const QnSNMPVarDesc& d = table[i];
        auto v = std::make_unique<QnSNMPVar>();
        v->Oid = d.Oid;
        v->Label = d.Label ? d.Label : "";
        v->Syntax = d.Syntax;
        v->Access = d.Access;
        v->Options = d.Options;
        v->ReadFormula = OptionalText(d.ReadFormula);
        v->WriteFormula = OptionalText(d.WriteFormula);
        v->Note = OptionalText(d.Note);
        v->Value = d.InitValue ? d.InitValue : "";
        v->LastOid = d.InitLastOid ? d.InitLastOid : "";
        vars_.push_back(std::move(v));
    }
}

void QnSNMPVarList::AddVariable(const std::string& oid, const std::string& label, uint32_t syntax,
                                uint32_t access, const QnOptionList* options, const std::string& readFormula,
                                const std::string& writeFormula, const std::string& note)
{
    auto v = std::make_unique<QnSNMPVar>();
    v->Oid = oid;
    v->Label = label;
    v->Syntax = syntax;
    v->Access = access;
    v->Options = options;
    v->ReadFormula = OptionalText(readFormula);
    v->WriteFormula = OptionalText(writeFormula);
    v->Note = OptionalText(note);
    vars_.push_back(std::move(v));
}

void QnSNMPVarList::AppendInstance(const std::string& text)
{
    for (auto& v : vars_)
        v->Oid += "." + text;
}

void QnSNMPVarList::Assign(const QnSNMPVarList& other)
{
    if (&other == this)
        return;
    Clear();
    ListKind = other.ListKind;
    IndexCount = other.IndexCount;
    Title = other.Title;
    vars_.reserve(other.vars_.size());
    for (const auto& v : other.vars_)
        vars_.push_back(std::make_unique<QnSNMPVar>(*v));
}

void QnSNMPVarList::Clear()
{
    vars_.clear();
}

bool QnSNMPVarList::IsImplied(int position) const
{
    return (Get(position).Access & ACC_IMPLIED) != 0;
}

bool QnSNMPVarList::IsReadSelected(int position) const
{
    const uint32_t a = Get(position).Access;
    return (a & ACC_READONLY) && !(a & ACC_INVALID);
}

bool QnSNMPVarList::IsWriteSelected(int position) const
{
    const uint32_t a = Get(position).Access;
    if (a & ACC_INVALID)
        return false;
    if (a & ACC_WRITEONLY)
        return true;
    return (ListKind == MVT_FMV || ListKind == MVT_UMV) && position < IndexCount;
}

bool QnSNMPVarList::IsShown(int position) const
{
    const uint32_t a = Get(position).Access;
    if (a & (ACC_INVALID | ACC_HIDDEN))
        return false;
    return (a & (ACC_NOTACCESS | ACC_DERIVED | ACC_READONLY)) != 0;
}

bool QnSNMPVarList::IsHidden(int position) const
{
    const uint32_t a = Get(position).Access;
    return a == ACC_WRITEONLY || (a & ACC_INVALID) || (a & ACC_HIDDEN);
}

int QnSNMPVarList::CountShown() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsShown(i) ? 1 : 0;
    return n;
}

int QnSNMPVarList::CountHidden() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsHidden(i) ? 1 : 0;
    return n;
}

void QnSNMPVarList::AdoptOptionList(std::unique_ptr<QnOptionList> list)
{
    if (list)
        ownedOptions_.push_back(std::move(list));
}

const QnOptionList& QnSNMPVarList::ListKindNames()
{
    static const QnOptionList list(kListKindNames, QnOptionList::Integer, false);
    return list;
}

const QnOptionList& QnSNMPVarList::SyntaxNames()
{
    static const QnOptionList list(kSyntaxNames, QnOptionList::Integer, false);
    return list;
}

const QnOptionList& QnSNMPVarList::AccessNames()
{
    static const QnOptionList list(kAccessNames, QnOptionList::Integer, false);
    return list;
}
