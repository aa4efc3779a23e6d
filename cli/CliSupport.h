// Small text helpers of vn2400-cli that need nothing but the standard library:
// the front-panel LED decoding, the closeness of two texts for suggestions,
// and the fields of tab-separated and CSV output.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vncli {

// --- Front-panel LEDs --------------------------------------------------------
//
// swL2DevInfoFrontPanelLedStatus: byte 0 Power, byte 1 Console, then one byte
// pair per port (link byte, colour byte), port p at 2 + 2 x (p - 1). The
// string ends at its first zero byte. A byte's low three bits give the colour,
// bit 7 makes the LED flash; an LED whose byte is missing is white and steady,
// and so is a port whose link byte is 1.

inline constexpr int LedPortCount = 28;
inline constexpr uint8_t LedValueMask = 0x07;
inline constexpr uint8_t LedBlinkMask = 0x80;

struct LedState
{
    std::string Name;   // "Power", "Console", "Port 1" ... "Port 28"
    std::string Colour; // "white", "green", "blue", "red" or "black"
    bool Flashing = false;
};

// The colour of a masked status value; values without an entry are black.
inline const char* LedColourName(uint8_t masked)
{
    switch (masked) {
    case 0:
    case 1:
        return "white";
    case 2:
    case 3:
        return "green";
    case 4:
        return "blue";
    case 5:
        return "red";
    default:
        return "black";
    }
}

inline std::vector<LedState> DecodeFrontPanel(std::string_view status)
{
    const std::string_view bytes = status.substr(0, std::min(status.find('\0'), status.size()));
    auto at = [&](size_t i) { return static_cast<uint8_t>(bytes[i]); };
    auto single = [&](const char* name, size_t offset) {
        if (offset >= bytes.size())
            return LedState{name, "white", false};
        const uint8_t b = at(offset);
        return LedState{name, LedColourName(b & LedValueMask), (b & LedBlinkMask) != 0};
    };

    std::vector<LedState> leds{single("Power", 0), single("Console", 1)};
    for (int p = 1; p <= LedPortCount; ++p) {
        const std::string name = "Port " + std::to_string(p);
        const size_t offset = 2 + 2 * size_t(p - 1);
        if (offset >= bytes.size() || at(offset) == 1) {
            leds.push_back({name, "white", false});
            continue;
        }
        const bool flashing = (at(offset) & LedBlinkMask) != 0;
        const char* colour =
            offset + 1 < bytes.size() ? LedColourName(at(offset + 1) & LedValueMask) : "white";
        leds.push_back({name, colour, flashing});
    }
    return leds;
}

// --- Suggestions -------------------------------------------------------------

inline std::string Lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Edit distance (insertions, deletions, substitutions), ignoring case.
inline size_t EditDistance(std::string_view a, std::string_view b)
{
    const std::string x = Lower(a), y = Lower(b);
    std::vector<size_t> row(y.size() + 1);
    for (size_t j = 0; j <= y.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= x.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= y.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[y.size()];
}

// --- Output fields -----------------------------------------------------------

// A tab-separated field: tabs and line breaks inside the value become blanks
// so that every row stays one line of fixed width.
inline std::string TsvField(std::string_view value)
{
    std::string out(value);
    for (char& c : out)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return out;
}

// An RFC 4180 field: quoted when it holds a comma, a double quote or a line
// break, with double quotes doubled.
inline std::string CsvField(std::string_view value)
{
    if (value.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(value);
    std::string out = "\"";
    for (char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

// One output line of fields: tab-separated ending in "\n", or CSV ending in
// "\r\n".
inline std::string JoinRecord(const std::vector<std::string>& fields, bool csv)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i)
            line += csv ? ',' : '\t';
        line += csv ? CsvField(fields[i]) : TsvField(fields[i]);
    }
    line += csv ? "\r\n" : "\n";
    return line;
}

} // namespace vncli
