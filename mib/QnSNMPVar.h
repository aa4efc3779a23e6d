// The run-time copy of one descriptor, owned by a variable list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class QnOptionList;

struct QnSNMPVar
{
    std::string Oid;   // own copy of the descriptor's OID (plus any appended instance)
    std::string Label; // own copy of the label
    uint32_t Syntax = 0;
    uint32_t Access = 0;                   // changed at run time by the flag 0x20
    const QnOptionList* Options = nullptr; // shared, not owned
    std::optional<std::string> ReadFormula;
    std::optional<std::string> WriteFormula;
    std::optional<std::string> Note;
    std::string Value;   // the value text
    std::string LastOid; // the OID of the last reply for this variable
};
