// The host suite's registry keys, kept in an INI-style registry file: one
// section per key, named by the key path ("[\SOFTWARE\Corvane\Ostrand5.1\ExePath]"),
// one "name=value" line per value name. The file is the one named by the
// environment variable VN2400_REGISTRY, or ~/.config/vn2400/registry.ini.
// Key and value names are compared without regard to case. Nothing here
// ever writes the file.
#pragma once

#include <string>

// The registry file in use now (the environment is read on every call).
std::string RegistryFilePath();

// One key of the local-machine root, opened read-only.
class QnRegistryKey
{
public:
    QnRegistryKey() = default;

    // Opens the key; true when its section exists in the registry file. A key
    // "opened with creation allowed" is not created here: the module keeps no
    // settings of its own, so a missing key simply reads as empty.
    bool OpenKey(const std::string& keyPath);

    bool IsOpen() const { return open_; }

    // The value's text, unchanged; empty when the key is not open or the
    // value is missing.
    std::string ReadString(const std::string& valueName) const;

private:
    std::string file_;
    std::string key_;
    bool open_ = false;
};

// Reads one value without opening the key separately; empty when the file,
// the key or the value is missing.
std::string ReadRegistryString(const std::string& keyPath, const std::string& valueName);
