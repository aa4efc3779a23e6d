// The registry file: keys open when their section exists, values read
// unchanged, anything missing reads as empty.
#include "platform/QnPath.h"
#include "platform/QnRegistry.h"
#include "support/StandInEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

namespace {

const char* const kExePath = "\\SOFTWARE\\Corvane\\Ostrand5.1\\ExePath";
const char* const kMibFile = "\\SOFTWARE\\Corvane\\Ostrand5.1\\MibFile";
const char* const kHelpPath = "\\SOFTWARE\\Corvane\\Modules\\HelpPath";

} // namespace

TEST(QnRegistry, MissingFileKeysAndValuesReadEmpty)
{
    QTemporaryDir dir;
    const std::string file = (dir.path() + QStringLiteral("/registry.ini")).toStdString();
    ScopedEnv env("VN2400_REGISTRY", file);
    EXPECT_EQ(RegistryFilePath(), file);

    // No file at all.
    QnRegistryKey key;
    EXPECT_FALSE(key.OpenKey(kExePath));
    EXPECT_EQ(key.ReadString("Path"), "");
    EXPECT_EQ(ReadRegistryString(kHelpPath, "1.3.6.1.4.1.98762.10.63.6"), "");

    std::ofstream(file) << "[\\SOFTWARE\\Corvane\\Ostrand5.1\\ExePath]\n"
                           "Path=/opt/suite/bin/\n"
                           "[\\SOFTWARE\\Corvane\\Ostrand5.1\\MibFile]\n"
                           "Other=x\n"
                           "[\\SOFTWARE\\Corvane\\Modules\\HelpPath]\n"
                           "1.3.6.1.4.1.98762.10.63.6=/opt/suite/help/Devices1.hlp\n";

    EXPECT_TRUE(key.OpenKey(kExePath));
    EXPECT_EQ(key.ReadString("Path"), "/opt/suite/bin/");
    EXPECT_EQ(key.ReadString("path"), "/opt/suite/bin/") << "value names ignore case";
    EXPECT_EQ(key.ReadString("Missing"), "");

    // A key whose section exists opens even without the value.
    QnRegistryKey mib;
    EXPECT_TRUE(mib.OpenKey(kMibFile));
    EXPECT_EQ(mib.ReadString("Path"), "");

    EXPECT_EQ(ReadRegistryString(kHelpPath, "1.3.6.1.4.1.98762.10.63.6"), "/opt/suite/help/Devices1.hlp");

    // The section name must be the key path: a near miss does not open.
    QnRegistryKey near;
    EXPECT_FALSE(near.OpenKey("\\SOFTWARE\\Corvane\\Ostrand5.1"));
    EXPECT_FALSE(near.OpenKey("SOFTWARE\\Corvane\\Ostrand5.1\\ExePath"));
    EXPECT_TRUE(near.OpenKey("\\software\\corvane\\ostrand5.1\\exepath")) << "key paths ignore case";
}

TEST(QnRegistry, DefaultFileIsInTheHomeConfigFolder)
{
    QTemporaryDir home;
    ScopedEnv envHome("HOME", home.path().toStdString());
    ScopedEnv env("VN2400_REGISTRY", std::nullopt);
    const std::string expected = (home.path() + QStringLiteral("/.config/vn2400/registry.ini")).toStdString();
    EXPECT_EQ(RegistryFilePath(), expected);

    ASSERT_TRUE(QDir().mkpath(home.path() + QStringLiteral("/.config/vn2400")));
    std::ofstream(expected) << "[\\SOFTWARE\\Corvane\\Ostrand5.1\\MibFile]\nPath=/srv/mbf/\n";
    EXPECT_EQ(ReadRegistryString(kMibFile, "Path"), "/srv/mbf/");
}

TEST(QnPath, NativePathTurnsBackslashes)
{
    EXPECT_EQ(NativePath("errmsg\\common.err"), "errmsg/common.err");
    EXPECT_EQ(NativePath("..\\Conf\\MBF\\"), "../Conf/MBF/");
    EXPECT_EQ(NativePath("/opt/suite/bin/"), "/opt/suite/bin/");
    EXPECT_EQ(NativePath(""), "");
}

TEST(QnPath, ModuleFolderIsTheExecutablesFolder)
{
    EXPECT_EQ(ModuleFolder(), QCoreApplication::applicationDirPath().toStdString());
    EXPECT_TRUE(FileExists(QCoreApplication::applicationFilePath().toStdString()));
    EXPECT_FALSE(FileExists(ModuleFolder())) << "a folder is not a file";
    EXPECT_FALSE(FileExists(""));
}
