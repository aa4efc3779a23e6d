// Value texts: every variable value is held, shown and edited as text. These
// are the conversions between value texts and SNMP values, instance
// sub-identifiers and packed values (a byte layout per syntax code that lets
// a value be cut into slices and spliced back), for every syntax code of
// QnSNMPVarDesc.h. A syntax code the conversion does not know raises -511.
//
// Conventions: "(NULL)" is the text of a missing value; booleans read "true"
// or "false" (only the exact text "true" is true on input); octet strings,
// bit strings, MAC and IPv6 addresses are upper-case hex pairs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class QnSNMPVarList;
struct QnSNMPVar;
class Vb;

// The value text of a missing value.
inline constexpr const char* kNullText = "(NULL)";
// The value text of a column that ran out during a walk.
inline constexpr const char* kNotDoneText = "(NOTDONE)";

// --- Text rules shared by the conversions -----------------------------------

// Two upper-case hex digits per byte, no separators.
std::string BytesToHexText(std::string_view bytes);
// Hex input: blanks removed; with an odd count the first digit alone makes
// the first byte; a character that is not a hex digit counts as 0.
std::string HexTextToBytes(std::string_view text);
// Decimal input: leading blanks, an optional sign, digits accumulated
// modulo 2^32 up to the first non-digit; no digits give 0.
uint32_t DecimalInput(std::string_view text);
// The same accumulated modulo 2^64 (Counter64 values).
uint64_t Decimal64Input(std::string_view text);
// "h:mm:ss.cc", "1 day h:mm:ss.cc" or "d days, h:mm:ss.cc".
std::string TicksToText(uint32_t ticks);
// Reads ticks text back; missing parts count 0.
uint32_t TextToTicks(std::string_view text);
// General number format: up to 15 significant digits, exponent form for very
// large or small numbers ("1E20", "1.5E-7"), "." as decimal separator.
std::string FormatGeneral(long double value);
// A floating-point number read from the start of the text (leading blanks
// skipped); text that does not start with a number reads as 0.
long double ReadNumber(std::string_view text);

// --- Syntax codes ------------------------------------------------------------

// True for the codes 1-6, 64-77 and 193-198.
bool IsKnownSyntax(uint32_t syntax);
// Width of a fixed-width packed value, 0 for NULL, -1 for the codes that take
// everything to the end (3, 4, 6, 68, 76), -2 for an unknown code.
int PackedWidth(uint32_t syntax);

// --- Packed values -----------------------------------------------------------

// A value text as packed bytes; "(NULL)" gives an empty packed value.
std::string TextToPacked(const std::string& text, uint32_t syntax);
// Packed bytes as a value text. Empty gives "(NULL)" (the empty text for 76);
// a non-empty value shorter than the code's width raises -518.
std::string PackedToText(const std::string& packed, uint32_t syntax);
// The slice of a packed value at a byte offset; a fixed-width slice beyond the
// end raises -519.
std::string ExtractPartial(const std::string& packed, uint32_t offset, uint32_t syntax);

// --- Instance sub-identifiers -----------------------------------------------

// Decodes one index value from the front of an instance text (dotted
// sub-identifiers) into `value` and returns the rest of the instance in dotted
// form. `impliedLast`: the index is the last of its list and marked implied,
// so variable-length values take every remaining sub-identifier.
std::string DecodeInstanceValue(uint32_t syntax, bool impliedLast, const std::string& instance,
                                std::string& value);
// The dotted sub-identifiers that encode one index value text.
std::string EncodeInstanceValue(uint32_t syntax, bool impliedLast, const std::string& value);

// The same on a variable list's index variable at `position`, through the
// variable's option list. DecodeInstance stores the variable's value text.
std::string DecodeInstance(QnSNMPVarList& list, int position, const std::string& instance);
std::string EncodeInstance(const QnSNMPVarList& list, int position);

// --- SNMP values -------------------------------------------------------------

// The value text of a reply value read by a syntax code (no option list).
// Codes 193 to 198 only name slices and raise -511 here.
std::string VbToValueText(uint32_t syntax, const Vb& vb);
// Fills a binding's value from a value text by a syntax code (no option
// list). "(NULL)" gives a NULL value; a dotted IpAddress or object identifier
// text that cannot be read gives a NULL value too (the agent refuses it).
void ValueTextToVb(uint32_t syntax, const std::string& text, Vb& vb);

// Stores the value text of a reply value in the variable (through its option
// list), or sets the binding's value from the variable's value text.
void SnmpValueToText(QnSNMPVar& var, const Vb& vb);
void TextToSnmpValue(const QnSNMPVar& var, Vb& vb);
