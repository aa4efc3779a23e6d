#include "QnRegistry.h"

#include "QnIni.h"

#include <QDir>

#include <cstdlib>

std::string RegistryFilePath()
{
    if (const char* env = std::getenv("VN2400_REGISTRY"); env && *env)
        return env;
    return (QDir::homePath() + QStringLiteral("/.config/vn2400/registry.ini")).toStdString();
}

bool QnRegistryKey::OpenKey(const std::string& keyPath)
{
    file_ = RegistryFilePath();
    key_ = keyPath;
    open_ = IniHasSection(file_, keyPath);
    return open_;
}

std::string QnRegistryKey::ReadString(const std::string& valueName) const
{
    if (!open_)
        return std::string();
    return IniLookup(file_, key_, valueName).value_or(std::string());
}

std::string ReadRegistryString(const std::string& keyPath, const std::string& valueName)
{
    QnRegistryKey key;
    if (!key.OpenKey(keyPath))
        return std::string();
    return key.ReadString(valueName);
}
