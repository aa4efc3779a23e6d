#include "SimStore.h"

#include <arpa/inet.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace vnsim {

Oid ParseOid(const std::string& text)
{
    Oid o;
    std::string t = text;
    if (!t.empty() && t[0] == '.')
        t.erase(0, 1);
    if (t.empty())
        throw std::invalid_argument("empty OID");
    size_t pos = 0;
    while (pos <= t.size()) {
        size_t dot = t.find('.', pos);
        std::string part = t.substr(pos, dot == std::string::npos ? std::string::npos : dot - pos);
        if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos || part.size() > 10)
            throw std::invalid_argument("bad OID \"" + text + "\"");
        unsigned long long v = std::strtoull(part.c_str(), nullptr, 10);
        if (v > 0xFFFFFFFFull)
            throw std::invalid_argument("OID sub-identifier too large in \"" + text + "\"");
        o.push_back(static_cast<oid>(v));
        if (dot == std::string::npos)
            break;
        pos = dot + 1;
    }
    if (o.size() > MAX_OID_LEN)
        throw std::invalid_argument("OID too long");
    return o;
}

std::string OidText(const Oid& o)
{
    std::string s;
    for (size_t i = 0; i < o.size(); ++i) {
        if (i)
            s += '.';
        s += std::to_string(o[i]);
    }
    return s;
}

bool IsPrefix(const Oid& prefix, const Oid& o)
{
    return prefix.size() <= o.size() && std::equal(prefix.begin(), prefix.end(), o.begin());
}

namespace {

const std::pair<const char*, u_char> kTypes[] = {
    {"INTEGER", ASN_INTEGER},     {"STRING", ASN_OCTET_STR},    {"OID", ASN_OBJECT_ID},
    {"IPADDRESS", ASN_IPADDRESS}, {"COUNTER", ASN_COUNTER},     {"GAUGE", ASN_GAUGE},
    {"TIMETICKS", ASN_TIMETICKS}, {"COUNTER64", ASN_COUNTER64},
};

long ParseLong(const std::string& s, long lo, long hi)
{
    if (s.empty())
        throw std::invalid_argument("missing number");
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(s.c_str(), &end, 10);
    if (*end || errno || v < lo || v > hi)
        throw std::invalid_argument("bad number \"" + s + "\"");
    return static_cast<long>(v);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string ParseOctets(const std::string& text)
{
    if (text.size() >= 2 && text[0] == '"' && text.back() == '"') {
        std::string out;
        for (size_t i = 1; i + 1 < text.size(); ++i) {
            char c = text[i];
            if (c != '\\') {
                if (c == '"')
                    throw std::invalid_argument("unescaped quote in string");
                out += c;
                continue;
            }
            if (++i + 1 > text.size() - 1)
                throw std::invalid_argument("backslash at end of string");
            char e = text[i];
            if (e == '\\' || e == '"')
                out += e;
            else if (e == 'x' && i + 2 < text.size() - 1 && HexDigit(text[i + 1]) >= 0 &&
                     HexDigit(text[i + 2]) >= 0) {
                out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
                i += 2;
            } else
                throw std::invalid_argument("bad escape in string");
        }
        return out;
    }
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::string hex = text.substr(2);
        if (hex.size() % 2)
            throw std::invalid_argument("odd number of hex digits");
        std::string out;
        for (size_t i = 0; i < hex.size(); i += 2) {
            int hi = HexDigit(hex[i]), lo = HexDigit(hex[i + 1]);
            if (hi < 0 || lo < 0)
                throw std::invalid_argument("bad hex digit");
            out += static_cast<char>(hi * 16 + lo);
        }
        return out;
    }
    throw std::invalid_argument("a string is \"text\" or 0xHEX");
}

std::pair<long, long> ParseRange(const std::string& s)
{
    size_t dots = s.find("..");
    if (dots == std::string::npos)
        throw std::invalid_argument("a range is LOW..HIGH");
    return {ParseLong(s.substr(0, dots), LONG_MIN, LONG_MAX),
            ParseLong(s.substr(dots + 2), LONG_MIN, LONG_MAX)};
}

} // namespace

const char* TypeName(u_char type)
{
    for (auto& t : kTypes)
        if (t.second == type)
            return t.first;
    return "?";
}

std::optional<u_char> TypeFromName(const std::string& name)
{
    for (auto& t : kTypes)
        if (name == t.first)
            return t.second;
    return std::nullopt;
}

Value ParseValue(u_char type, const std::string& text)
{
    Value v;
    v.type = type;
    switch (type) {
    case ASN_INTEGER:
        v.integer = ParseLong(text, INT32_MIN, INT32_MAX);
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        v.integer = ParseLong(text, 0, UINT32_MAX);
        break;
    case ASN_COUNTER64: {
        if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 20)
            throw std::invalid_argument("bad Counter64 \"" + text + "\"");
        errno = 0;
        v.counter64 = std::strtoull(text.c_str(), nullptr, 10);
        if (errno)
            throw std::invalid_argument("Counter64 out of range");
        break;
    }
    case ASN_OCTET_STR:
        v.bytes = ParseOctets(text);
        break;
    case ASN_IPADDRESS: {
        in_addr a{};
        if (inet_pton(AF_INET, text.c_str(), &a) != 1)
            throw std::invalid_argument("bad IP address \"" + text + "\"");
        v.bytes.assign(reinterpret_cast<const char*>(&a), 4);
        break;
    }
    case ASN_OBJECT_ID:
        v.objid = ParseOid(text);
        break;
    default:
        throw std::invalid_argument("unknown type");
    }
    return v;
}

std::string ValueText(const Value& v)
{
    switch (v.type) {
    case ASN_OCTET_STR: {
        bool printable = true;
        for (unsigned char c : v.bytes)
            if (c < 0x20 || c > 0x7e)
                printable = false;
        if (printable) {
            std::string out = "\"";
            for (char c : v.bytes) {
                if (c == '"' || c == '\\')
                    out += '\\';
                out += c;
            }
            return out + "\"";
        }
        std::string out = "0x";
        char buf[3];
        for (unsigned char c : v.bytes) {
            std::snprintf(buf, sizeof buf, "%02X", c);
            out += buf;
        }
        return out;
    }
    case ASN_IPADDRESS: {
        char buf[INET_ADDRSTRLEN] = {};
        in_addr a{};
        if (v.bytes.size() == 4)
            std::memcpy(&a, v.bytes.data(), 4);
        inet_ntop(AF_INET, &a, buf, sizeof buf);
        return buf;
    }
    case ASN_OBJECT_ID:
        return OidText(v.objid);
    case ASN_COUNTER64:
        return std::to_string(v.counter64);
    default:
        return std::to_string(v.integer);
    }
}

std::vector<std::string> SplitWords(const std::string& line)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size())
            break;
        size_t start = i;
        if (line[i] == '"') {
            ++i;
            while (i < line.size() && line[i] != '"') {
                if (line[i] == '\\')
                    ++i;
                ++i;
            }
            if (i >= line.size())
                throw std::invalid_argument("unterminated string");
            ++i;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                ++i;
        }
        words.push_back(line.substr(start, i - start));
    }
    return words;
}

void Store::AddColumn(const std::vector<std::string>& w, const std::string& line)
{
    // %column OID TYPE ACCESS DEFAULT [flags...]
    if (w.size() < 5)
        throw std::invalid_argument("%column needs OID TYPE ACCESS DEFAULT");
    Column c;
    c.oid = ParseOid(w[1]);
    auto type = TypeFromName(w[2]);
    if (!type)
        throw std::invalid_argument("unknown type " + w[2]);
    c.type = *type;
    if (w[3] != "ro" && w[3] != "rw")
        throw std::invalid_argument("access is ro or rw, not " + w[3]);
    c.writable = w[3] == "rw";
    if (w[4] == "-") {
    } else if (w[4].size() > 1 && w[4][0] == '$') {
        c.defaultIndex = static_cast<int>(ParseLong(w[4].substr(1), 1, MAX_OID_LEN));
    } else {
        c.def = ParseValue(c.type, w[4]);
    }
    for (size_t i = 5; i < w.size(); ++i) {
        const std::string& f = w[i];
        if (f == "rowstatus")
            c.rowStatus = true;
        else if (f == "create")
            c.create = true;
        else if (f.rfind("destroy=", 0) == 0)
            c.destroyValue = ParseLong(f.substr(8), LONG_MIN, LONG_MAX);
        else if (f.rfind("range=", 0) == 0)
            c.range = ParseRange(f.substr(6));
        else if (f.rfind("size=", 0) == 0)
            c.size = ParseRange(f.substr(5));
        else if (f.rfind("enum=", 0) == 0) {
            std::stringstream ss(f.substr(5));
            std::string item;
            while (std::getline(ss, item, ','))
                c.enums.push_back(ParseLong(item, LONG_MIN, LONG_MAX));
        } else
            throw std::invalid_argument("unknown column flag " + f);
    }
    if (c.rowStatus && c.type != ASN_INTEGER)
        throw std::invalid_argument("a RowStatus column is an INTEGER");
    c.text = line;
    if (columns_.count(c.oid))
        throw std::invalid_argument("column declared twice");
    columns_[c.oid] = c;
}

void Store::Load(const std::string& text, const std::string& fileName)
{
    objects_.clear();
    columns_.clear();
    header_.clear();
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    const Oid* last = nullptr;
    Oid lastOid;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        try {
            size_t first = line.find_first_not_of(" \t");
            if (first == std::string::npos)
                continue;
            if (line[first] == '#') {
                if (objects_.empty() && lineNo == static_cast<int>(header_.size()) + 1)
                    header_.push_back(line);
                continue;
            }
            auto w = SplitWords(line);
            if (w[0] == "%column") {
                AddColumn(w, line);
                continue;
            }
            if (w.size() != 4)
                throw std::invalid_argument("expected OID TYPE ACCESS VALUE");
            Oid o = ParseOid(w[0]);
            auto type = TypeFromName(w[1]);
            if (!type)
                throw std::invalid_argument("unknown type " + w[1]);
            if (w[2] != "ro" && w[2] != "rw")
                throw std::invalid_argument("access is ro or rw, not " + w[2]);
            Value v = ParseValue(*type, w[3]);
            if (last && !(lastOid < o))
                throw std::invalid_argument("not sorted: " + w[0] + " does not follow " + OidText(lastOid));
            lastOid = o;
            last = &lastOid;
            objects_.emplace_hint(objects_.end(), std::move(o), Object{std::move(v), w[2] == "rw"});
        } catch (const std::invalid_argument& e) {
            throw DataError(fileName + ":" + std::to_string(lineNo) + ": " + e.what());
        }
    }
}

std::string Store::Save() const
{
    std::string out;
    for (auto& h : header_)
        out += h + "\n";
    if (!columns_.empty())
        out += "\n";
    for (auto& [o, c] : columns_)
        out += c.text + "\n";
    out += "\n";
    for (auto& [o, obj] : objects_) {
        out += OidText(o);
        out += ' ';
        out += TypeName(obj.value.type);
        out += obj.writable ? " rw " : " ro ";
        out += ValueText(obj.value);
        out += '\n';
    }
    return out;
}

const Column* Store::FindColumn(const Oid& o) const
{
    for (size_t len = o.size(); len-- > 1;) {
        auto it = columns_.find(Oid(o.begin(), o.begin() + static_cast<long>(len)));
        if (it != columns_.end())
            return &it->second;
    }
    return nullptr;
}

std::vector<const Column*> Store::ColumnsOf(const Oid& entry) const
{
    std::vector<const Column*> out;
    for (auto it = columns_.lower_bound(entry); it != columns_.end() && IsPrefix(entry, it->first); ++it)
        if (it->first.size() == entry.size() + 1)
            out.push_back(&it->second);
    return out;
}

const Column* Store::StatusColumn(const Oid& entry) const
{
    for (const Column* c : ColumnsOf(entry))
        if (c->rowStatus || c->create)
            return c;
    return nullptr;
}

const Object* Store::Find(const Oid& o) const
{
    auto it = objects_.find(o);
    return it == objects_.end() ? nullptr : &it->second;
}

std::vector<Oid> Store::RowCells(const Oid& entry, const Oid& instance) const
{
    std::vector<Oid> cells;
    for (auto it = objects_.lower_bound(entry); it != objects_.end() && IsPrefix(entry, it->first); ++it) {
        const Oid& o = it->first;
        if (o.size() == entry.size() + 1 + instance.size() &&
            std::equal(instance.begin(), instance.end(), o.begin() + static_cast<long>(entry.size()) + 1))
            cells.push_back(o);
    }
    return cells;
}

bool Store::RowExists(const Oid& entry, const Oid& instance) const
{
    for (const Column* c : ColumnsOf(entry)) {
        Oid cell = c->oid;
        cell.insert(cell.end(), instance.begin(), instance.end());
        if (objects_.count(cell))
            return true;
    }
    return false;
}

} // namespace vnsim
