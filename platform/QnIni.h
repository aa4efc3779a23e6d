// Read-only access to INI files as the host suite's tools write them:
// "[section]" headers, "key=value" lines, section and key names compared
// without regard to case.
#pragma once

#include <optional>
#include <string>

// The raw value of a key: the text after the first '=' of the first matching
// key line in the first matching section, with the blanks around it removed as
// the INI format does. std::nullopt when the file, the section or the key is
// missing. No length limit; callers apply their own.
std::optional<std::string> IniLookup(const std::string& path, const std::string& section,
                                     const std::string& key);

// Whether the file holds a section of that name.
bool IniHasSection(const std::string& path, const std::string& section);

// A reader of one INI file. Every read goes to the file afresh; it never writes.
class QnIni
{
public:
    // A value is read into a buffer of this many bytes, so at most
    // MaxValueLength characters arrive; the rest of a longer value is cut.
    static constexpr size_t BufferSize = 4096;
    static constexpr size_t MaxValueLength = BufferSize - 1;

    explicit QnIni(std::string path) : path_(std::move(path)) {}

    const std::string& FileName() const { return path_; }

    // The value of the key, cut to MaxValueLength characters. When that yields
    // no characters (key missing or value empty) the default is returned as it
    // is; otherwise the value with its leading and trailing blanks and control
    // characters removed.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

private:
    std::string path_;
};

// Removes leading and trailing characters up to and including the blank
// (blanks and control characters).
std::string TrimBlanksAndControls(const std::string& text);
