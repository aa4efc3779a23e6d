#include "SnmpValues.h"

#include <cstdio>

Oid::Oid(const char* dotted)
{
    if (!dotted)
        return;
    const char* p = dotted;
    if (*p == '.')
        ++p;
    if (!*p)
        return;
    std::vector<uint32_t> ids;
    while (*p) {
        if (*p < '0' || *p > '9') {
            ids_.clear();
            return;
        }
        uint64_t v = 0;
        while (*p >= '0' && *p <= '9') {
            v = v * 10 + uint64_t(*p - '0');
            if (v > 0xFFFFFFFFull) {
                ids_.clear();
                return;
            }
            ++p;
        }
        ids.push_back(uint32_t(v));
        if (*p == '.') {
            ++p;
            if (!*p) {
                ids_.clear();
                return;
            }
        } else if (*p) {
            ids_.clear();
            return;
        }
    }
    ids_ = std::move(ids);
}

std::string Oid::get_printable() const
{
    std::string s;
    s.reserve(ids_.size() * 4);
    char buf[16];
    for (size_t i = 0; i < ids_.size(); ++i) {
        int n = std::snprintf(buf, sizeof buf, i ? ".%u" : "%u", ids_[i]);
        s.append(buf, size_t(n));
    }
    return s;
}

bool Oid::startsWith(const Oid& prefix) const
{
    if (prefix.ids_.size() > ids_.size())
        return false;
    for (size_t i = 0; i < prefix.ids_.size(); ++i)
        if (ids_[i] != prefix.ids_[i])
            return false;
    return true;
}

IpAddress::IpAddress(const char* dotted)
{
    unsigned v[4];
    char tail;
    if (!dotted || std::sscanf(dotted, "%u.%u.%u.%u%c", &v[0], &v[1], &v[2], &v[3], &tail) != 4) {
        valid_ = false;
        return;
    }
    for (int i = 0; i < 4; ++i) {
        if (v[i] > 255) {
            valid_ = false;
            return;
        }
        bytes_[i] = uint8_t(v[i]);
    }
}

std::string IpAddress::get_printable() const
{
    char buf[20];
    std::snprintf(buf, sizeof buf, "%u.%u.%u.%u", bytes_[0], bytes_[1], bytes_[2], bytes_[3]);
    return buf;
}

void Vb::set_null()
{
    syntax_ = sNMP_SYNTAX_NULL;
    num_ = 0;
    octets_ = OctetStr();
    oidValue_ = Oid();
}

void Vb::set_value(int32_t v)
{
    set_null();
    syntax_ = sNMP_SYNTAX_INT32;
    num_ = uint32_t(v);
}

void Vb::set_value(const OctetStr& v)
{
    set_null();
    syntax_ = sNMP_SYNTAX_OCTETS;
    octets_ = v;
}

void Vb::set_value(const Oid& v)
{
    set_null();
    syntax_ = sNMP_SYNTAX_OID;
    oidValue_ = v;
}

void Vb::set_value(const IpAddress& v)
{
    set_null();
    syntax_ = sNMP_SYNTAX_IPADDR;
    octets_ = OctetStr(v.bytes(), 4);
}

void Vb::set_value(const TimeTicks& v)
{
    set_null();
    syntax_ = sNMP_SYNTAX_TIMETICKS;
    num_ = uint32_t(v);
}

void Vb::set_value(const Counter64& v)
{
    set_null();
    syntax_ = sNMP_SYNTAX_CNTR64;
    num_ = uint64_t(v);
}

void Vb::set_unsigned(uint8_t syntax, uint32_t v)
{
    set_null();
    syntax_ = syntax;
    num_ = v;
}

void Vb::set_opaque(const OctetStr& v)
{
    set_null();
    syntax_ = sNMP_SYNTAX_OPAQUE;
    octets_ = v;
}
