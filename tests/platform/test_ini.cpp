// The INI reader: lookups by section, key and default, trimming, and the
// 4095-character limit of a value.
#include "platform/QnIni.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

class IniFile
{
public:
    explicit IniFile(const std::string& content)
    {
        path_ = (dir_.path() + QStringLiteral("/device.cfg")).toStdString();
        std::ofstream(path_, std::ios::binary) << content;
    }
    const std::string& Path() const { return path_; }

private:
    QTemporaryDir dir_;
    std::string path_;
};

struct IniCase
{
    const char* name;
    std::string content;
    const char* section;
    const char* key;
    const char* defaultValue;
    std::string expected;
};

} // namespace

TEST(QnIni, ReadStringSemantics)
{
    const std::string pi = "[Program Information]\n";
    const IniCase cases[] = {
        {"plain value", pi + "AgentPort=161\n", "Program Information", "AgentPort", "", "161"},
        {"section and key case-insensitive", pi + "agentPORT=162\n", "PROGRAM information", "AgentPort", "",
         "162"},
        {"missing section", "[Other]\nAgentPort=1\n", "Program Information", "AgentPort", "dflt", "dflt"},
        {"missing key", pi + "Version=3\n", "Program Information", "AgentPort", "dflt", "dflt"},
        {"empty value gives default", pi + "AgentPort=\n", "Program Information", "AgentPort", "dflt",
         "dflt"},
        {"blank value gives default", pi + "AgentPort=   \t \n", "Program Information", "AgentPort", "dflt",
         "dflt"},
        {"key without '=' gives default", pi + "AgentPort\n", "Program Information", "AgentPort", "dflt",
         "dflt"},
        {"default returned untrimmed", pi, "Program Information", "AgentPort", "  d  ", "  d  "},
        {"blanks around key and value", pi + "  ContextName  =   ctx one  \n", "Program Information",
         "ContextName", "", "ctx one"},
        {"control characters trimmed", pi + "SecurityName=\x01\x02user\x7f\x03\n", "Program Information",
         "SecurityName", "", "user\x7f"},
        {"only control characters read as empty, not default", pi + "SecurityName=\x01\x02\n",
         "Program Information", "SecurityName", "dflt", ""},
        {"CRLF line ends", "[Program Information]\r\nVersion=3\r\nAgentPort=161\r\n", "Program Information",
         "Version", "", "3"},
        {"value keeps '=' and quotes", pi + "AuthPassword=\"a=b;$(x)\"\n", "Program Information",
         "AuthPassword", "", "\"a=b;$(x)\""},
        {"first key of a name wins", pi + "Version=1\nVersion=3\n", "Program Information", "Version", "",
         "1"},
        {"key of another section not seen", "[A]\nVersion=1\n[Program Information]\nAgentPort=2\n",
         "Program Information", "Version", "dflt", "dflt"},
        {"blanks inside the brackets", "[  Program Information ]\nVersion=2\n", "Program Information",
         "Version", "", "2"},
        {"comment line is no key", pi + ";Version=1\n", "Program Information", ";Version", "dflt", "dflt"},
        {"byte order mark before the first section", "\xEF\xBB\xBF" + pi + "Version=1\n",
         "Program Information", "Version", "", "1"},
        {"no line end at end of file", pi + "Version=3", "Program Information", "Version", "", "3"},
    };
    for (const IniCase& c : cases) {
        IniFile file(c.content);
        EXPECT_EQ(QnIni(file.Path()).ReadString(c.section, c.key, c.defaultValue), c.expected) << c.name;
    }
}

TEST(QnIni, MissingFileGivesDefault)
{
    QTemporaryDir dir;
    QnIni ini((dir.path() + QStringLiteral("/absent.cfg")).toStdString());
    EXPECT_EQ(ini.ReadString("Program Information", "AgentPort", "x"), "x");
    EXPECT_EQ(ini.ReadString("Program Information", "AgentPort", ""), "");
}

TEST(QnIni, OverlongValuesAreCutAt4095Characters)
{
    const std::string pi = "[Program Information]\n";
    struct
    {
        const char* name;
        std::string value;
        std::string expected;
    } cases[] = {
        {"exactly 4095", std::string(4095, 'a'), std::string(4095, 'a')},
        {"4096 cut", std::string(4095, 'a') + "b", std::string(4095, 'a')},
        {"very long", std::string(4095, 'a') + std::string(200000, 'z'), std::string(4095, 'a')},
        {"blank at the cut trimmed", std::string(4094, 'a') + " zzz", std::string(4094, 'a')},
        {"multibyte character not split", std::string(4094, 'a') + "\xC3\xA9" + "z", std::string(4094, 'a')},
    };
    for (const auto& c : cases) {
        IniFile file(pi + "ContextName=" + c.value + "\nVersion=3\n");
        QnIni ini(file.Path());
        std::string got = ini.ReadString("Program Information", "ContextName", "");
        EXPECT_LE(got.size(), QnIni::MaxValueLength) << c.name;
        EXPECT_EQ(got, c.expected) << c.name;
        // Lines after a long one are read as usual.
        EXPECT_EQ(ini.ReadString("Program Information", "Version", ""), "3") << c.name;
    }
}

TEST(QnIni, OverlongKeyLineOfAnotherKeyDoesNotDisturb)
{
    IniFile file("[Program Information]\n" + std::string(100000, 'k') + "=v\nAgentPort=161\n");
    EXPECT_EQ(QnIni(file.Path()).ReadString("Program Information", "AgentPort", ""), "161");
}

TEST(QnIni, TrimBlanksAndControls)
{
    EXPECT_EQ(TrimBlanksAndControls(" \t\x1f a b \r\n\x01"), "a b");
    EXPECT_EQ(TrimBlanksAndControls("\x01\x02"), "");
    EXPECT_EQ(TrimBlanksAndControls(""), "");
}
