#include "QnProcess.h"

#include "QnPath.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

std::vector<std::string> SplitCommandLine(const std::string& commandLine)
{
    std::vector<std::string> args;
    std::string current;
    bool inArg = false;
    for (char c : commandLine) {
        if (c == ' ' || c == '\t') {
            if (inArg)
                args.push_back(std::move(current));
            current.clear();
            inArg = false;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (inArg)
        args.push_back(std::move(current));
    return args;
}

namespace {

bool IsExecutableFile(const QString& path)
{
    QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

std::string FindProgram(const std::string& program)
{
    if (program.empty())
        return std::string();
    const QString name = QString::fromStdString(program);
    if (program.find('/') != std::string::npos)
        return IsExecutableFile(name) ? QFileInfo(name).absoluteFilePath().toStdString() : std::string();
    const QString own = QString::fromStdString(ModuleFolder()) + QLatin1Char('/') + name;
    if (IsExecutableFile(own))
        return own.toStdString();
    return QStandardPaths::findExecutable(name).toStdString();
}

bool StartProcess(const std::string& program, const std::vector<std::string>& arguments)
{
    try {
        const std::string path = FindProgram(program);
        if (path.empty())
            return false;
        QStringList args;
        args.reserve(qsizetype(arguments.size()));
        for (const std::string& a : arguments)
            args << QString::fromStdString(a);
        QProcess process;
        process.setProgram(QString::fromStdString(path));
        process.setArguments(args);
        // The child must not share the module's terminal output or input.
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        return process.startDetached();
    } catch (...) {
        return false;
    }
}

bool StartProcess(const std::string& commandLine)
{
    std::vector<std::string> parts = SplitCommandLine(commandLine);
    if (parts.empty())
        return false;
    std::string program = std::move(parts.front());
    parts.erase(parts.begin());
    return StartProcess(program, parts);
}
