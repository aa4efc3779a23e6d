#include "QnIni.h"

#include <fstream>

namespace {

bool IsBlank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string TrimBlanks(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && IsBlank(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// Cuts a UTF-8 text to at most max bytes without splitting a character.
std::string CutUtf8(const std::string& s, size_t max)
{
    if (s.size() <= max)
        return s;
    size_t n = max;
    // Step back over continuation bytes of a character the cut would split.
    size_t start = n;
    while (start > 0 && (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80)
        --start;
    if (start < n)
        n = start;
    return s.substr(0, n);
}

} // namespace

std::string TrimBlanksAndControls(const std::string& text)
{
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ')
        --e;
    return text.substr(b, e - b);
}

namespace {

// Walks the file's lines. For a section header calls onSection(name) and for
// any other non-blank line onLine(trimmed line); either returns false to stop.
// Returns false when the file cannot be opened.
template <typename OnSection, typename OnLine>
bool WalkIni(const std::string& path, OnSection onSection, OnLine onLine)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (first && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3); // byte order mark of a UTF-8 file
        first = false;
        std::string t = TrimBlanks(line);
        if (t.empty())
            continue;
        if (t[0] == '[') {
            size_t close = t.rfind(']');
            if (close == std::string::npos || close == 0)
                continue; // not a section header
            if (!onSection(TrimBlanks(t.substr(1, close - 1))))
                break;
            continue;
        }
        if (!onLine(t))
            break;
    }
    return true;
}

} // namespace

bool IniHasSection(const std::string& path, const std::string& section)
{
    const std::string want = TrimBlanks(section);
    bool found = false;
    WalkIni(
        path,
        [&](const std::string& name) {
            found = EqualNoCase(name, want);
            return !found;
        },
        [](const std::string&) { return true; });
    return found;
}

std::optional<std::string> IniLookup(const std::string& path, const std::string& section,
                                     const std::string& key)
{
    const std::string wantSection = TrimBlanks(section);
    const std::string wantKey = TrimBlanks(key);
    bool inSection = false;
    bool sectionSeen = false;
    std::optional<std::string> result;
    WalkIni(
        path,
        [&](const std::string& name) {
            // Only the first section of a name counts.
            if (sectionSeen)
                return false;
            inSection = sectionSeen = EqualNoCase(name, wantSection);
            return true;
        },
        [&](const std::string& t) {
            if (!inSection || t[0] == ';')
                return true;
            size_t eq = t.find('=');
            if (!EqualNoCase(TrimBlanks(eq == std::string::npos ? t : t.substr(0, eq)), wantKey))
                return true;
            result = eq == std::string::npos ? std::string() : TrimBlanks(t.substr(eq + 1));
            return false;
        });
    return result;
}

std::string QnIni::ReadString(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const
{
    std::optional<std::string> raw = IniLookup(path_, section, key);
    if (!raw)
        return defaultValue;
    std::string value = CutUtf8(*raw, MaxValueLength);
    if (value.empty())
        return defaultValue;
    return TrimBlanksAndControls(value);
}
