// The process starter and the help opener: no shell, the module's own folder
// before the search path, missing programs and handlers are silent.
#include "platform/QnHelp.h"
#include "platform/QnPath.h"
#include "platform/QnProcess.h"
#include "support/StandInEnv.h"
#include "support/StandInRecord.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

using Args = std::vector<std::string>;

namespace {

// A folder on the search path holding links to the stand-in under other names.
class PathFolder
{
public:
    PathFolder()
        : path_(std::getenv("PATH") ? std::getenv("PATH") : ""),
          env_("PATH", dir_.path().toStdString() + (path_.empty() ? "" : ":" + path_))
    {
    }
    // Makes `name` in this folder run the stand-in; returns its path.
    std::string Link(const std::string& name)
    {
        const QString link = dir_.path() + QLatin1Char('/') + QString::fromStdString(name);
        EXPECT_TRUE(QFile::link(QString::fromStdString(StandInRecord::ProgramPath()), link));
        return link.toStdString();
    }
    std::string Folder() const { return dir_.path().toStdString(); }

private:
    QTemporaryDir dir_;
    std::string path_;
    ScopedEnv env_;
};

} // namespace

TEST(QnProcess, SplitCommandLineAtBlanksOnly)
{
    const struct
    {
        const char* line;
        Args expected;
    } cases[] = {
        {"Rmon /I10.0.0.1 /Rpublic /Wprivate /TRmon_History ",
         {"Rmon", "/I10.0.0.1", "/Rpublic", "/Wprivate", "/TRmon_History"}},
        {"MIB /I10.0.0.1 /R /W /TMIB_Info ", {"MIB", "/I10.0.0.1", "/R", "/W", "/TMIB_Info"}},
        {"p /A$(id);|& /P`id`>x \"q r\" 'a'", {"p", "/A$(id);|&", "/P`id`>x", "\"q", "r\"", "'a'"}},
        {"  a  b\tc\t", {"a", "b", "c"}},
        {"p /c\\ x\\", {"p", "/c\\", "x\\"}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommandLine(c.line), c.expected) << c.line;
}

TEST(QnProcess, FindsOwnFolderFirstThenSearchPath)
{
    PathFolder onPath;
    // A program of the same name on the search path loses to the own folder.
    onPath.Link(StandInRecord::ProgramName());
    EXPECT_EQ(FindProgram(StandInRecord::ProgramName()), StandInRecord::ProgramPath());
    // A name only on the search path is found there.
    const std::string other = onPath.Link("VnStandInElsewhere");
    EXPECT_EQ(FindProgram("VnStandInElsewhere"), other);
    // Unknown names and names with a folder that does not exist give nothing.
    EXPECT_EQ(FindProgram("VnNoSuchProgram"), "");
    EXPECT_EQ(FindProgram(""), "");
    EXPECT_EQ(FindProgram(onPath.Folder() + "/absent"), "");
    EXPECT_EQ(FindProgram(other), other) << "a path is taken as it stands";
}

TEST(QnProcess, StartsFromOwnFolderWithShellTextUnchanged)
{
    QTemporaryDir scratch;
    const std::string pwned = (scratch.path() + QStringLiteral("/pwned")).toStdString();
    PathFolder onPath;
    onPath.Link(StandInRecord::ProgramName()); // must not be the one that runs

    StandInRecord record;
    const std::string line = "VnStandIn /I127.0.0.1 /A$(id);|& /P;touch${IFS}" + pwned + " /R`touch " +
                             pwned + "` /c /TVnStandIn_Table ";
    ASSERT_TRUE(StartProcess(line));
    auto argv = record.Wait();
    ASSERT_TRUE(argv.has_value()) << "the stand-in did not run";
    const Args expected = {StandInRecord::ProgramPath(),
                           "/I127.0.0.1",
                           "/A$(id);|&",
                           "/P;touch${IFS}" + pwned,
                           "/R`touch",
                           pwned + "`",
                           "/c",
                           "/TVnStandIn_Table"};
    EXPECT_EQ(*argv, expected);
    EXPECT_FALSE(FileExists(pwned)) << "a shell ran part of the command line";
}

TEST(QnProcess, MissingProgramIsSilent)
{
    StandInRecord record;
    EXPECT_FALSE(StartProcess("VnNoSuchProgram /I127.0.0.1 "));
    EXPECT_FALSE(StartProcess(""));
    EXPECT_FALSE(StartProcess("   "));
    EXPECT_FALSE(StartProcess("VnNoSuchProgram", {"a"}));
    EXPECT_TRUE(record.StaysAbsent(200));
}

TEST(QnHelp, HandsTheFileToTheDesktopHandler)
{
    QTemporaryDir dir;
    const std::string help =
        (dir.path() + QStringLiteral("/VN-2400 VN-2400P VN-4800 VN-4800P.hlp")).toStdString();
    std::ofstream(help) << "help";

    PathFolder onPath;
    const std::string handler = onPath.Link("xdg-open");
    StandInRecord record;
    ASSERT_TRUE(OpenHelpFile(help));
    auto argv = record.Wait();
    ASSERT_TRUE(argv.has_value());
    EXPECT_EQ(*argv, (Args{handler, help})) << "the file name with its blanks is one argument";
}

TEST(QnHelp, NothingHappensWithoutHandlerOrFile)
{
    QTemporaryDir dir;
    const std::string help = (dir.path() + QStringLiteral("/help.hlp")).toStdString();
    std::ofstream(help) << "help";
    StandInRecord record;
    {
        QTemporaryDir emptyFolder;
        ScopedEnv path("PATH", emptyFolder.path().toStdString());
        EXPECT_FALSE(OpenHelpFile(help));
    }
    {
        PathFolder onPath;
        onPath.Link("xdg-open");
        EXPECT_FALSE(OpenHelpFile(dir.path().toStdString() + "/absent.hlp"));
    }
    EXPECT_TRUE(record.StaysAbsent(300));
}
