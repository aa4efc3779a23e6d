#include "mib/QnValueText.h"

#include "mib/QnDateTime.h"
#include "mib/QnErrorCatalogue.h"
#include "mib/QnOptionList.h"
#include "mib/QnSNMPVar.h"
#include "mib/QnSNMPVarDesc.h"
#include "mib/QnSNMPVarList.h"
#include "snmplib/SnmpValues.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

unsigned HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return unsigned(c - '0');
    if (c >= 'A' && c <= 'F')
        return unsigned(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return unsigned(c - 'a' + 10);
    return 0;
}

void AppendUnsigned(std::string& out, uint64_t v)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

std::string UnsignedText(uint64_t v)
{
    std::string s;
    AppendUnsigned(s, v);
    return s;
}

std::string SignedText(int32_t v)
{
    char buf[16];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

void PutLE32(std::string& out, uint32_t v)
{
    const char b[4] = {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char(v >> 24)};
    out.append(b, 4);
}

void PutLE64(std::string& out, uint64_t v)
{
    PutLE32(out, uint32_t(v));
    PutLE32(out, uint32_t(v >> 32));
}

void PutBE16(std::string& out, uint32_t v)
{
    const char b[2] = {char((v >> 8) & 0xFF), char(v & 0xFF)};
    out.append(b, 2);
}

uint32_t GetLE32(const unsigned char* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

uint64_t GetLE64(const unsigned char* p)
{
    return uint64_t(GetLE32(p)) | (uint64_t(GetLE32(p + 4)) << 32);
}

const unsigned char* Bytes(const std::string& s)
{
    return reinterpret_cast<const unsigned char*>(s.data());
}

// The characters of a display string: the bytes up to the first zero byte.
std::string DisplayText(const char* data, size_t len)
{
    const void* zero = std::memchr(data, 0, len);
    return std::string(data, zero ? size_t(static_cast<const char*>(zero) - data) : len);
}

std::string DottedText(const uint32_t* ids, size_t n)
{
    std::string s;
    s.reserve(n * 4);
    for (size_t i = 0; i < n; ++i) {
        if (i)
            s.push_back('.');
        AppendUnsigned(s, ids[i]);
    }
    return s;
}

// Sub-identifiers of a dotted text; text that is no valid OID gives none.
std::vector<uint32_t> SubIds(const std::string& text)
{
    Oid oid(text);
    return oid.ids();
}

void RequireKnown(uint32_t syntax)
{
    if (!IsKnownSyntax(syntax))
        RaiseError(QNERR_BAD_SYNTAX);
}

// Codes that travel in SNMP values and instances (not the slice-only ones).
void RequireVariableSyntax(uint32_t syntax)
{
    if (!IsKnownSyntax(syntax) || syntax >= SYN_BOOL8)
        RaiseError(QNERR_BAD_SYNTAX);
}

double DoubleFromBits(uint64_t bits)
{
    return std::bit_cast<double>(bits);
}

uint64_t BitsOfDouble(double v)
{
    return std::bit_cast<uint64_t>(v);
}

// A number read as extended precision, as a double. A number just above the
// largest double (the 15-digit text of that double) is that double; beyond it
// is infinity.
double ToDouble(long double v)
{
    constexpr long double max = std::numeric_limits<double>::max();
    if (v > max)
        return v < max * (1 + 1e-14L) ? double(max) : std::numeric_limits<double>::infinity();
    if (v < -max)
        return v > -max * (1 + 1e-14L) ? -double(max) : -std::numeric_limits<double>::infinity();
    return double(v);
}

double DateTimeNumberOrRaise(const std::string& text)
{
    double value = 0;
    if (!ParseDateTimeNumber(text, value))
        RaiseError(QNERR_BAD_PARTIAL_VALUE);
    return value;
}

// The minimum length PackedToText needs, 0 for none.
size_t MinimumPackedLength(uint32_t syntax)
{
    const int w = PackedWidth(syntax);
    return w > 0 ? size_t(w) : 0;
}

} // namespace

// --- Text rules ---------------------------------------------------------------

std::string BytesToHexText(std::string_view bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string s(bytes.size() * 2, '0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        s[2 * i] = digits[b >> 4];
        s[2 * i + 1] = digits[b & 0x0F];
    }
    return s;
}

std::string HexTextToBytes(std::string_view text)
{
    size_t n = 0;
    for (char c : text)
        if (!IsBlank(c))
            ++n;
    std::string out;
    out.reserve((n + 1) / 2);
    bool high = n % 2 == 0; // an odd count makes the first digit a byte of its own
    unsigned acc = 0;
    for (char c : text) {
        if (IsBlank(c))
            continue;
        if (high) {
            acc = HexDigit(c);
            high = false;
        } else {
            out.push_back(char((acc << 4) | HexDigit(c)));
            acc = 0;
            high = true;
        }
    }
    return out;
}

uint32_t DecimalInput(std::string_view text)
{
    return uint32_t(Decimal64Input(text));
}

uint64_t Decimal64Input(std::string_view text)
{
    size_t p = 0;
    while (p < text.size() && IsBlank(text[p]))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    uint64_t v = 0;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9')
        v = v * 10u + uint64_t(text[p++] - '0');
    return negative ? 0u - v : v;
}

std::string TicksToText(uint32_t ticks)
{
    const unsigned long c = ticks % 100;
    const unsigned long s = ticks / 100 % 60;
    const unsigned long m = ticks / 6000 % 60;
    const unsigned long h = ticks / 360000 % 24;
    const unsigned long d = ticks / 8640000;
    char buf[64];
    int n;
    if (d == 0)
        n = std::snprintf(buf, sizeof buf, "%lu:%02lu:%02lu.%02lu", h, m, s, c);
    else if (d == 1)
        n = std::snprintf(buf, sizeof buf, "1 day %lu:%02lu:%02lu.%02lu", h, m, s, c);
    else
        n = std::snprintf(buf, sizeof buf, "%lu days, %lu:%02lu:%02lu.%02lu", d, h, m, s, c);
    return std::string(buf, size_t(n));
}

uint32_t TextToTicks(std::string_view text)
{
    uint32_t d = 0, h = 0, m = 0, s = 0, c = 0;
    std::string_view rest = text;
    size_t word = text.find("days");
    size_t wordLen = 4;
    if (word == std::string_view::npos) {
        word = text.find("day");
        wordLen = 3;
    }
    if (word != std::string_view::npos) {
        d = DecimalInput(text.substr(0, word));
        rest = text.substr(word + wordLen);
        size_t p = 0;
        while (p < rest.size() && IsBlank(rest[p]))
            ++p;
        if (p < rest.size() && rest[p] == ',')
            rest = rest.substr(p + 1);
    }
    size_t colon = rest.find(':');
    if (colon != std::string_view::npos) {
        h = DecimalInput(rest.substr(0, colon));
        rest = rest.substr(colon + 1);
        colon = rest.find(':');
        if (colon != std::string_view::npos) {
            m = DecimalInput(rest.substr(0, colon));
            rest = rest.substr(colon + 1);
        }
    }
    const size_t dot = rest.find('.');
    if (dot != std::string_view::npos) {
        s = DecimalInput(rest.substr(0, dot));
        c = DecimalInput(rest.substr(dot + 1));
    } else if (colon != std::string_view::npos) {
        // "h:mm:ss" without hundredths: the seconds stand alone.
        s = DecimalInput(rest);
    }
    return ((d * 24u + h) * 60u + m) * 6000u + s * 100u + c;
}

std::string FormatGeneral(long double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string s(buf, r.ptr);
    const size_t e = s.find('e');
    if (e == std::string::npos)
        return s;
    // "1.5e-07" -> "1.5E-7", "1e+20" -> "1E20".
    std::string out = s.substr(0, e);
    out.push_back('E');
    size_t p = e + 1;
    if (s[p] == '-')
        out.push_back('-');
    if (s[p] == '-' || s[p] == '+')
        ++p;
    while (p + 1 < s.size() && s[p] == '0')
        ++p;
    out.append(s, p, std::string::npos);
    return out;
}

long double ReadNumber(std::string_view text)
{
    size_t p = 0;
    while (p < text.size() && IsBlank(text[p]))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    const size_t start = p;
    size_t digits = 0;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9')
        ++p, ++digits;
    if (p < text.size() && text[p] == '.') {
        ++p;
        while (p < text.size() && text[p] >= '0' && text[p] <= '9')
            ++p, ++digits;
    }
    if (digits == 0)
        return 0;
    bool negativeExponent = false;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        size_t q = p + 1;
        if (q < text.size() && (text[q] == '+' || text[q] == '-')) {
            negativeExponent = text[q] == '-';
            ++q;
        }
        if (q < text.size() && text[q] >= '0' && text[q] <= '9') {
            while (q < text.size() && text[q] >= '0' && text[q] <= '9')
                ++q;
            p = q;
        }
    }
    long double v = 0;
    const auto r = std::from_chars(text.data() + start, text.data() + p, v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range)
        v = negativeExponent ? 0.0L : HUGE_VALL;
    return negative ? -v : v;
}

// --- Syntax codes ---------------------------------------------------------------

bool IsKnownSyntax(uint32_t syntax)
{
    return (syntax >= SYN_BOOLEAN && syntax <= SYN_OBJECTID) ||
           (syntax >= SYN_IPADDRESS && syntax <= SYN_IPV6ADDRESS) ||
           (syntax >= SYN_BOOL8 && syntax <= SYN_UINT16);
}

int PackedWidth(uint32_t syntax)
{
    switch (syntax) {
    case SYN_BOOLEAN:
    case SYN_INTEGER:
    case SYN_IPADDRESS:
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_TIMETICKS:
    case SYN_NSAPADDR:
    case SYN_UINTEGER:
        return 4;
    case SYN_COUNTER64:
    case SYN_DOUBLE:
    case SYN_BCDATETIME:
        return 8;
    case SYN_MACADDRESS:
        return 6;
    case SYN_DATETIME:
        return 11;
    case SYN_IPV6ADDRESS:
        return 16;
    case SYN_BOOL8:
    case SYN_INT8:
    case SYN_UINT8:
        return 1;
    case SYN_BOOL16:
    case SYN_INT16:
    case SYN_UINT16:
        return 2;
    case SYN_NULL:
        return 0;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OBJECTID:
    case SYN_OPAQUE:
    case SYN_DISPLAYSTR:
        return -1;
    default:
        return -2;
    }
}

// --- Packed values ----------------------------------------------------------------

std::string TextToPacked(const std::string& text, uint32_t syntax)
{
    RequireKnown(syntax);
    std::string out;
    if (text == kNullText)
        return out;
    switch (syntax) {
    case SYN_BOOLEAN:
        PutLE32(out, text == "true" ? 1u : 0u);
        break;
    case SYN_INTEGER:
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        PutLE32(out, DecimalInput(text));
        break;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS:
    case SYN_IPV6ADDRESS:
        out = HexTextToBytes(text);
        break;
    case SYN_NULL:
        break;
    case SYN_OBJECTID: {
        const Oid oid(text);
        out.reserve(oid.len() * 4);
        for (uint32_t id : oid.ids())
            PutLE32(out, id);
        break;
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: {
        const Oid oid(text);
        for (uint32_t id : oid.ids())
            out.push_back(char(id & 0xFF));
        break;
    }
    case SYN_TIMETICKS:
        PutLE32(out, TextToTicks(text));
        break;
    case SYN_COUNTER64:
        PutLE64(out, Decimal64Input(text));
        break;
    case SYN_DOUBLE:
        PutLE64(out, BitsOfDouble(ToDouble(ReadNumber(text))));
        break;
    case SYN_DATETIME:
        out = QnDateTime(text).ToWire();
        break;
    case SYN_BCDATETIME:
        PutLE64(out, BitsOfDouble(DateTimeNumberOrRaise(text)));
        break;
    case SYN_DISPLAYSTR:
        out = text;
        break;
    case SYN_BOOL8:
        out.push_back(char(text == "true" ? 1 : 0));
        break;
    case SYN_INT8:
    case SYN_UINT8:
        out.push_back(char(DecimalInput(text) & 0xFF));
        break;
    case SYN_BOOL16:
        PutBE16(out, text == "true" ? 1u : 0u);
        break;
    case SYN_INT16:
    case SYN_UINT16:
        PutBE16(out, DecimalInput(text) & 0xFFFF);
        break;
    }
    return out;
}

std::string PackedToText(const std::string& packed, uint32_t syntax)
{
    RequireKnown(syntax);
    if (syntax == SYN_NULL)
        return kNullText;
    if (packed.empty())
        return syntax == SYN_DISPLAYSTR ? std::string() : std::string(kNullText);
    if (packed.size() < MinimumPackedLength(syntax))
        RaiseError(QNERR_BAD_PARTIAL_VALUE);
    const unsigned char* b = Bytes(packed);
    switch (syntax) {
    case SYN_BOOLEAN:
        return GetLE32(b) != 0 ? "true" : "false";
    case SYN_INTEGER:
        return SignedText(int32_t(GetLE32(b)));
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS:
    case SYN_IPV6ADDRESS:
        return BytesToHexText(packed);
    case SYN_OBJECTID: {
        // Whole 4-byte groups only; a tail shorter than a group is ignored.
        std::string s;
        s.reserve(packed.size());
        for (size_t i = 0; i + 4 <= packed.size(); i += 4) {
            if (i)
                s.push_back('.');
            AppendUnsigned(s, GetLE32(b + i));
        }
        return s;
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: {
        std::string s;
        for (int i = 0; i < 4; ++i) {
            if (i)
                s.push_back('.');
            AppendUnsigned(s, b[i]);
        }
        return s;
    }
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        return UnsignedText(GetLE32(b));
    case SYN_TIMETICKS:
        return TicksToText(GetLE32(b));
    case SYN_COUNTER64:
        return UnsignedText(GetLE64(b));
    case SYN_DOUBLE:
        return FormatGeneral(DoubleFromBits(GetLE64(b)));
    case SYN_DATETIME: {
        QnDateTime record(0, 0, 0, 0, 0, 0);
        record.CopyFrom(b);
        return record.ToText();
    }
    case SYN_BCDATETIME:
        return FormatDateTimeNumber(DoubleFromBits(GetLE64(b)));
    case SYN_DISPLAYSTR:
        return DisplayText(packed.data(), packed.size());
    case SYN_BOOL8:
        return b[0] != 0 ? "true" : "false";
    case SYN_INT8:
        return SignedText(int8_t(b[0]));
    case SYN_UINT8:
        return UnsignedText(b[0]);
    case SYN_BOOL16:
        return (b[0] | b[1]) != 0 ? "true" : "false";
    case SYN_INT16:
    case SYN_UINT16:
        return UnsignedText((uint32_t(b[0]) << 8) | b[1]);
    }
    return kNullText;
}

std::string ExtractPartial(const std::string& packed, uint32_t offset, uint32_t syntax)
{
    RequireKnown(syntax);
    if (packed.empty())
        return std::string();
    const int w = PackedWidth(syntax);
    if (w == 0)
        return std::string();
    if (w < 0)
        return offset >= packed.size() ? std::string() : packed.substr(offset);
    if (packed.size() < uint64_t(offset) + uint64_t(w))
        RaiseError(QNERR_PARTIAL_RANGE);
    return packed.substr(offset, size_t(w));
}

// --- Instance sub-identifiers ------------------------------------------------------

std::string DecodeInstanceValue(uint32_t syntax, bool impliedLast, const std::string& instance,
                                std::string& value)
{
    RequireVariableSyntax(syntax);
    const std::vector<uint32_t> ids = SubIds(instance);
    size_t at = 0;
    auto left = [&] { return ids.size() - at; };
    auto next = [&]() -> uint32_t { return at < ids.size() ? ids[at++] : 0u; };
    // Up to n sub-identifiers as bytes (low 8 bits each).
    auto bytes = [&](size_t n) {
        if (n > left())
            n = left();
        std::string b;
        b.reserve(n);
        for (size_t i = 0; i < n; ++i)
            b.push_back(char(ids[at++] & 0xFF));
        return b;
    };
    // A length prefix, or every remaining sub-identifier for an implied index.
    auto length = [&]() -> size_t {
        if (impliedLast)
            return left();
        const size_t n = next();
        return std::min(n, left());
    };

    std::string text;
    switch (syntax) {
    case SYN_BOOLEAN:
        text = next() != 0 ? "true" : "false";
        break;
    case SYN_INTEGER:
        text = SignedText(int32_t(next()));
        break;
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        text = UnsignedText(next());
        break;
    case SYN_TIMETICKS:
        text = TicksToText(next());
        break;
    case SYN_NULL:
        text = kNullText;
        break;
    case SYN_COUNTER64: {
        const uint64_t high = next();
        const uint64_t low = next();
        text = UnsignedText((high << 32) | low);
        break;
    }
    case SYN_DOUBLE:
    case SYN_BCDATETIME: {
        const uint64_t low = next();
        const uint64_t high = next();
        const double v = DoubleFromBits((high << 32) | low);
        text = syntax == SYN_DOUBLE ? FormatGeneral(v) : FormatDateTimeNumber(v);
        break;
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: {
        const size_t n = std::min<size_t>(4, left());
        text = DottedText(ids.data() + at, n);
        at += n;
        break;
    }
    case SYN_MACADDRESS:
        text = BytesToHexText(bytes(6));
        break;
    case SYN_DATETIME: {
        const std::string b = bytes(QnDateTime::WireSize);
        text = DateAndTimeBytesToText(Bytes(b), b.size());
        break;
    }
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
        text = BytesToHexText(bytes(length()));
        break;
    case SYN_DISPLAYSTR: {
        const std::string b = bytes(length());
        text = DisplayText(b.data(), b.size());
        break;
    }
    case SYN_OBJECTID: {
        const size_t n = length();
        text = DottedText(ids.data() + at, n);
        at += n;
        break;
    }
    case SYN_IPV6ADDRESS:
        text = BytesToHexText(bytes(impliedLast ? left() : 16));
        break;
    }
    value = std::move(text);
    return DottedText(ids.data() + at, ids.size() - at);
}

std::string EncodeInstanceValue(uint32_t syntax, bool impliedLast, const std::string& value)
{
    RequireVariableSyntax(syntax);
    const bool absent = value == kNullText;
    std::string out;
    auto add = [&](uint64_t id) {
        if (!out.empty())
            out.push_back('.');
        AppendUnsigned(out, id);
    };
    auto addBytes = [&](const std::string& b, bool withLength) {
        out.reserve(b.size() * 4 + 4);
        if (withLength)
            add(b.size());
        for (char c : b)
            add(static_cast<unsigned char>(c));
    };
    switch (syntax) {
    case SYN_BOOLEAN:
        add(value == "true" ? 1 : 0);
        break;
    case SYN_INTEGER:
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        add(DecimalInput(value));
        break;
    case SYN_TIMETICKS:
        add(TextToTicks(value));
        break;
    case SYN_COUNTER64: {
        const uint64_t v = Decimal64Input(value);
        add(v >> 32);
        add(v & 0xFFFFFFFFu);
        break;
    }
    case SYN_DOUBLE:
    case SYN_BCDATETIME: {
        if (absent && syntax == SYN_BCDATETIME)
            break;
        const double v = syntax == SYN_DOUBLE ? ToDouble(ReadNumber(value)) : DateTimeNumberOrRaise(value);
        const uint64_t bits = BitsOfDouble(v);
        add(bits & 0xFFFFFFFFu);
        add(bits >> 32);
        break;
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        for (uint32_t id : SubIds(value))
            add(id);
        break;
    case SYN_OBJECTID: {
        const std::vector<uint32_t> ids = absent ? std::vector<uint32_t>() : SubIds(value);
        if (!impliedLast)
            add(ids.size());
        for (uint32_t id : ids)
            add(id);
        break;
    }
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
        addBytes(absent ? std::string() : HexTextToBytes(value), !impliedLast);
        break;
    case SYN_DISPLAYSTR:
        addBytes(absent ? std::string() : value, !impliedLast);
        break;
    case SYN_MACADDRESS:
    case SYN_IPV6ADDRESS: {
        const size_t n = syntax == SYN_MACADDRESS ? 6 : 16;
        const std::string b = HexTextToBytes(value);
        if (!absent && b.size() >= n)
            addBytes(b.substr(0, n), false);
        break;
    }
    case SYN_DATETIME:
        if (!absent)
            addBytes(QnDateTime(value).ToWire(), false);
        break;
    case SYN_NULL:
        break;
    }
    return out;
}

std::string DecodeInstance(QnSNMPVarList& list, int position, const std::string& instance)
{
    QnSNMPVar& var = list.Get(position);
    const bool impliedLast = position == list.IndexCount - 1 && list.IsImplied(position);
    std::string value;
    std::string rest = DecodeInstanceValue(var.Syntax, impliedLast, instance, value);
    if (var.Options)
        value = var.Options->ValueToName(value);
    var.Value = std::move(value);
    return rest;
}

std::string EncodeInstance(const QnSNMPVarList& list, int position)
{
    const QnSNMPVar& var = list.Get(position);
    const bool impliedLast = position == list.IndexCount - 1 && list.IsImplied(position);
    return EncodeInstanceValue(var.Syntax, impliedLast,
                               var.Options ? var.Options->NameToValue(var.Value) : var.Value);
}

// --- SNMP values ---------------------------------------------------------------------

std::string VbToValueText(uint32_t syntax, const Vb& vb)
{
    RequireVariableSyntax(syntax);
    const OctetStr& octets = vb.get_octets();
    const std::string& raw = octets.bytes();
    std::string text;
    switch (syntax) {
    case SYN_BOOLEAN:
        text = vb.get_int32() != 0 ? "true" : "false";
        break;
    case SYN_INTEGER:
        text = SignedText(vb.get_int32());
        break;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS:
    case SYN_IPV6ADDRESS:
        // Hex text of whatever arrived, even nothing.
        return BytesToHexText(raw);
    case SYN_NULL:
        text = kNullText;
        break;
    case SYN_OBJECTID:
        text = vb.get_oid_value().get_printable();
        break;
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        if (raw.size() >= 4) {
            const uint32_t ids[4] = {octets[0], octets[1], octets[2], octets[3]};
            text = DottedText(ids, 4);
        }
        break;
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        text = UnsignedText(vb.get_uint32());
        break;
    case SYN_TIMETICKS:
        text = TicksToText(vb.get_uint32());
        break;
    case SYN_COUNTER64:
        text = UnsignedText(vb.get_uint64());
        break;
    case SYN_DOUBLE:
    case SYN_BCDATETIME:
        // Fewer than 8 bytes hold no number: show them as they are.
        if (raw.size() >= 8) {
            const double v = DoubleFromBits(GetLE64(octets.data()));
            text = syntax == SYN_DOUBLE ? FormatGeneral(v) : FormatDateTimeNumber(v);
        } else {
            text = BytesToHexText(raw);
        }
        break;
    case SYN_DATETIME:
        text = DateAndTimeBytesToText(octets.data(), raw.size());
        break;
    case SYN_DISPLAYSTR:
        text = DisplayText(raw.data(), raw.size());
        break;
    }
    const bool noValue = vb.get_syntax() == sNMP_SYNTAX_NULL || vb.is_exception();
    if (noValue || (text.empty() && syntax != SYN_DISPLAYSTR))
        return syntax == SYN_DISPLAYSTR ? std::string() : std::string(kNullText);
    return text;
}

void ValueTextToVb(uint32_t syntax, const std::string& text, Vb& vb)
{
    RequireVariableSyntax(syntax);
    if (text == kNullText) {
        vb.set_null();
        return;
    }
    switch (syntax) {
    case SYN_BOOLEAN:
        vb.set_value(int32_t(text == "true" ? 1 : 0));
        break;
    case SYN_INTEGER:
        vb.set_value(int32_t(DecimalInput(text)));
        break;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS:
    case SYN_IPV6ADDRESS:
        vb.set_value(OctetStr(HexTextToBytes(text)));
        break;
    case SYN_NULL:
        vb.set_null();
        break;
    case SYN_OBJECTID: {
        const Oid oid(text);
        if (oid.valid())
            vb.set_value(oid);
        else
            vb.set_null();
        break;
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: {
        const IpAddress address(text.c_str());
        if (address.valid())
            vb.set_value(address);
        else
            vb.set_null();
        break;
    }
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        vb.set_unsigned(sNMP_SYNTAX_GAUGE32, DecimalInput(text));
        break;
    case SYN_TIMETICKS:
        vb.set_value(TimeTicks(TextToTicks(text)));
        break;
    case SYN_COUNTER64:
        vb.set_value(Counter64(Decimal64Input(text)));
        break;
    case SYN_DOUBLE:
    case SYN_DATETIME:
    case SYN_BCDATETIME:
        vb.set_value(OctetStr(TextToPacked(text, syntax)));
        break;
    case SYN_DISPLAYSTR:
        vb.set_value(OctetStr(text));
        break;
    }
}

void SnmpValueToText(QnSNMPVar& var, const Vb& vb)
{
    std::string text = VbToValueText(var.Syntax, vb);
    if (var.Options)
        text = var.Options->ValueToName(text);
    var.Value = std::move(text);
}

void TextToSnmpValue(const QnSNMPVar& var, Vb& vb)
{
    ValueTextToVb(var.Syntax, var.Options ? var.Options->NameToValue(var.Value) : var.Value, vb);
}
