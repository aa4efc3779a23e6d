// The simulated switch's object store: every variable it serves, the column
// declarations that say how rows are created and what a write may carry, and
// the text form in which both are loaded from and saved to a data file.
#pragma once

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace vnsim {

using Oid = std::vector<oid>;

Oid ParseOid(const std::string& text); // throws std::invalid_argument
std::string OidText(const Oid& o);
bool IsPrefix(const Oid& prefix, const Oid& o);

// One value as it travels on the wire.
struct Value
{
    u_char type = ASN_INTEGER;
    long integer = 0;       // INTEGER, Counter32, Gauge32, TimeTicks
    uint64_t counter64 = 0; // Counter64
    std::string bytes;      // OCTET STRING, IpAddress (4 bytes)
    Oid objid;              // OBJECT IDENTIFIER
    bool operator==(const Value& o) const
    {
        return type == o.type && integer == o.integer && counter64 == o.counter64 && bytes == o.bytes &&
               objid == o.objid;
    }
};

struct Object
{
    Value value;
    bool writable = false;
};

// What the data file's "%column" line says about one column (or scalar).
struct Column
{
    Oid oid; // the column (entry OID + column number)
    u_char type = ASN_INTEGER;
    bool writable = false;
    std::optional<Value> def;         // value of the cell in a row made by createAndGo
    int defaultIndex = 0;             // >0: the default is that sub-identifier of the instance
    bool rowStatus = false;           // RowStatus column of its table
    bool create = false;              // writing it to a missing row creates the row
    std::optional<long> destroyValue; // writing this value removes the row
    std::vector<long> enums;          // allowed values (integers)
    std::optional<std::pair<long, long>> range;
    std::optional<std::pair<long, long>> size;
    std::string text; // the declaration as written (for saving)
};

struct DataError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// Type names of the data file.
const char* TypeName(u_char type);
std::optional<u_char> TypeFromName(const std::string& name);
Value ParseValue(u_char type, const std::string& text); // throws std::invalid_argument
std::string ValueText(const Value& v);

class Store
{
public:
    // Loads a data file's text; throws DataError("FILE:LINE: reason").
    void Load(const std::string& text, const std::string& fileName);
    std::string Save() const;

    std::map<Oid, Object>& Objects() { return objects_; }
    const std::map<Oid, Object>& Objects() const { return objects_; }
    const Column* FindColumn(const Oid& o) const;
    const Column* StatusColumn(const Oid& entry) const; // rowStatus or create column of a table
    std::vector<const Column*> ColumnsOf(const Oid& entry) const;

    const Object* Find(const Oid& o) const;
    void Put(const Oid& o, const Value& v, bool writable) { objects_[o] = Object{v, writable}; }
    bool RowExists(const Oid& entry, const Oid& instance) const;
    std::vector<Oid> RowCells(const Oid& entry, const Oid& instance) const;

private:
    void AddColumn(const std::vector<std::string>& words, const std::string& line);
    std::map<Oid, Object> objects_;
    std::map<Oid, Column> columns_;
    std::vector<std::string> header_;
};

// Splits a data-file line into words; a quoted word keeps its quotes.
std::vector<std::string> SplitWords(const std::string& line);

} // namespace vnsim
