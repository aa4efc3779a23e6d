// Value classes of the SNMP adapter: object identifiers, octet strings and the
// variable binding that carries one value of any SNMP syntax. They hold plain
// data and never touch the network; net-snmp conversions live in the session.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// ASN.1 / SMI tags of the values a binding may hold.
enum : uint8_t {
    sNMP_SYNTAX_INT = 0x02,
    sNMP_SYNTAX_INT32 = 0x02,
    sNMP_SYNTAX_BITS = 0x03,
    sNMP_SYNTAX_OCTETS = 0x04,
    sNMP_SYNTAX_NULL = 0x05,
    sNMP_SYNTAX_OID = 0x06,
    sNMP_SYNTAX_IPADDR = 0x40,
    sNMP_SYNTAX_CNTR32 = 0x41,
    sNMP_SYNTAX_GAUGE32 = 0x42,
    sNMP_SYNTAX_TIMETICKS = 0x43,
    sNMP_SYNTAX_OPAQUE = 0x44,
    sNMP_SYNTAX_CNTR64 = 0x46,
    sNMP_SYNTAX_UINT32 = 0x47,
    sNMP_SYNTAX_NOSUCHOBJECT = 0x80,
    sNMP_SYNTAX_NOSUCHINSTANCE = 0x81,
    sNMP_SYNTAX_ENDOFMIBVIEW = 0x82,
};

// An object identifier: a sequence of unsigned 32-bit sub-identifiers.
class Oid
{
public:
    Oid() = default;
    // Parses dotted decimal text ("1.3.6.1.2.1", a leading "." allowed).
    // Text that is not a valid OID gives an invalid (empty) Oid.
    explicit Oid(const char* dotted);
    explicit Oid(const std::string& dotted) : Oid(dotted.c_str()) {}
    Oid(std::initializer_list<uint32_t> ids) : ids_(ids) {}
    explicit Oid(std::vector<uint32_t> ids) : ids_(std::move(ids)) {}

    bool valid() const { return !ids_.empty(); }
    size_t len() const { return ids_.size(); }
    uint32_t operator[](size_t i) const { return ids_[i]; }
    uint32_t& operator[](size_t i) { return ids_[i]; }
    const std::vector<uint32_t>& ids() const { return ids_; }
    void append(uint32_t id) { ids_.push_back(id); }
    void append(const Oid& other) { ids_.insert(ids_.end(), other.ids_.begin(), other.ids_.end()); }
    void trim(size_t n) { ids_.resize(n < ids_.size() ? ids_.size() - n : 0); }

    // Dotted decimal text without a leading ".".
    std::string get_printable() const;
    // True when this OID starts with every sub-identifier of `prefix`.
    bool startsWith(const Oid& prefix) const;

    friend bool operator==(const Oid& a, const Oid& b) { return a.ids_ == b.ids_; }
    friend bool operator!=(const Oid& a, const Oid& b) { return a.ids_ != b.ids_; }
    // Lexicographic order of sub-identifiers, as agents order their MIB.
    friend bool operator<(const Oid& a, const Oid& b) { return a.ids_ < b.ids_; }

private:
    std::vector<uint32_t> ids_;
};

// An octet string: arbitrary bytes, not necessarily printable.
class OctetStr
{
public:
    OctetStr() = default;
    explicit OctetStr(std::string bytes) : bytes_(std::move(bytes)) {}
    OctetStr(const unsigned char* data, size_t len) : bytes_(reinterpret_cast<const char*>(data), len) {}

    size_t len() const { return bytes_.size(); }
    const unsigned char* data() const { return reinterpret_cast<const unsigned char*>(bytes_.data()); }
    const std::string& bytes() const { return bytes_; }
    unsigned char operator[](size_t i) const { return static_cast<unsigned char>(bytes_[i]); }

    friend bool operator==(const OctetStr& a, const OctetStr& b) { return a.bytes_ == b.bytes_; }

private:
    std::string bytes_;
};

// An IPv4 address held as its four bytes in address order.
class IpAddress
{
public:
    IpAddress() = default;
    IpAddress(uint8_t a, uint8_t b, uint8_t c, uint8_t d) : bytes_{a, b, c, d} {}
    // Dotted text "a.b.c.d" with numbers 0..255; anything else is invalid.
    explicit IpAddress(const char* dotted);

    bool valid() const { return valid_; }
    const uint8_t* bytes() const { return bytes_; }
    std::string get_printable() const;

private:
    uint8_t bytes_[4] = {0, 0, 0, 0};
    bool valid_ = true;
};

// Hundredths of a second.
class TimeTicks
{
public:
    TimeTicks() = default;
    explicit TimeTicks(uint32_t v) : v_(v) {}
    operator uint32_t() const { return v_; }

private:
    uint32_t v_ = 0;
};

class Counter64
{
public:
    Counter64() = default;
    explicit Counter64(uint64_t v) : v_(v) {}
    Counter64(uint32_t high, uint32_t low) : v_((uint64_t(high) << 32) | low) {}
    uint32_t high() const { return uint32_t(v_ >> 32); }
    uint32_t low() const { return uint32_t(v_); }
    operator uint64_t() const { return v_; }

private:
    uint64_t v_ = 0;
};

// A variable binding: an OID and one value with its syntax tag. A new binding
// holds NULL.
class Vb
{
public:
    Vb() = default;
    explicit Vb(const Oid& oid) : oid_(oid) {}

    void set_oid(const Oid& oid) { oid_ = oid; }
    const Oid& get_oid() const { return oid_; }
    std::string get_printable_oid() const { return oid_.get_printable(); }

    // The syntax tag of the value (sNMP_SYNTAX_...). set_syntax changes only
    // the tag, so that an exception value (noSuchObject ...) can be marked.
    uint8_t get_syntax() const { return syntax_; }
    void set_syntax(uint8_t syntax) { syntax_ = syntax; }
    bool is_exception() const
    {
        return syntax_ >= sNMP_SYNTAX_NOSUCHOBJECT && syntax_ <= sNMP_SYNTAX_ENDOFMIBVIEW;
    }

    void set_null();
    void set_value(int32_t v);                     // INTEGER
    void set_value(const OctetStr& v);             // OCTET STRING
    void set_value(const Oid& v);                  // OBJECT IDENTIFIER
    void set_value(const IpAddress& v);            // IpAddress
    void set_value(const TimeTicks& v);            // TimeTicks
    void set_value(const Counter64& v);            // Counter64
    void set_unsigned(uint8_t syntax, uint32_t v); // Counter32, Gauge32, UInteger32
    void set_opaque(const OctetStr& v);            // Opaque

    // Readers; each returns the value when the syntax holds one of that
    // shape, a zero or empty value otherwise.
    int32_t get_int32() const { return int32_t(uint32_t(num_)); }
    uint32_t get_uint32() const { return uint32_t(num_); }
    uint64_t get_uint64() const { return num_; }
    const OctetStr& get_octets() const { return octets_; } // OCTET STRING, Opaque, IpAddress bytes
    const Oid& get_oid_value() const { return oidValue_; }

    friend bool operator==(const Vb& a, const Vb& b)
    {
        return a.oid_ == b.oid_ && a.syntax_ == b.syntax_ && a.num_ == b.num_ && a.octets_ == b.octets_ &&
               a.oidValue_ == b.oidValue_;
    }

private:
    Oid oid_;
    uint8_t syntax_ = sNMP_SYNTAX_NULL;
    uint64_t num_ = 0;
    OctetStr octets_;
    Oid oidValue_;
};
