// The static record that describes one MIB variable. Windows hold ordered
// tables of these, ended by a record whose Oid is null.
#pragma once

#include <cstdint>

class QnOptionList;

// Syntax codes of descriptors and of slices of a value.
enum : uint32_t {
    SYN_BOOLEAN = 1,
    SYN_INTEGER = 2,
    SYN_BITSTR = 3,
    SYN_OCTETSTR = 4,
    SYN_NULL = 5,
    SYN_OBJECTID = 6,
    SYN_IPADDRESS = 64,
    SYN_COUNTER = 65,
    SYN_GAUGE = 66,
    SYN_TIMETICKS = 67,
    SYN_OPAQUE = 68,
    SYN_NSAPADDR = 69,
    SYN_COUNTER64 = 70,
    SYN_UINTEGER = 71,
    SYN_DOUBLE = 72,
    SYN_MACADDRESS = 73,
    SYN_DATETIME = 74,
    SYN_BCDATETIME = 75,
    SYN_DISPLAYSTR = 76,
    SYN_IPV6ADDRESS = 77,
    SYN_BOOL8 = 193,
    SYN_INT8 = 194,
    SYN_UINT8 = 195,
    SYN_BOOL16 = 196,
    SYN_INT16 = 197,
    SYN_UINT16 = 198,
};

// Access flags.
enum : uint32_t {
    ACC_NOTACCESS = 0x01, // part of the row index
    ACC_READONLY = 0x02,  // sent in reads
    ACC_WRITEONLY = 0x04, // sent in writes
    ACC_READWRITE = 0x06,
    ACC_DERIVED = 0x08,
    ACC_HIDDEN = 0x10,
    ACC_INVALID = 0x20, // left out of one request, set and cleared at run time
    ACC_IMPLIED = 0x40, // last index encoded without a length prefix
};

struct QnSNMPVarDesc
{
    const char* Oid;             // dotted OID without instance; null ends a table
    const char* Label;           // row caption or column title
    uint32_t Syntax;             // syntax code
    uint32_t Access;             // access flags
    const QnOptionList* Options; // enumeration, or null
    const char* ReadFormula;     // applied after every read, or null
    const char* WriteFormula;    // applied before every write, or null
    const char* Note;            // kept with the variable, never interpreted
    const char* InitValue;       // value text the variable starts with, or null
    const char* InitLastOid;     // last OID the variable starts with, or null
};
