#include "QnHelp.h"

#include "QnPath.h"
#include "QnProcess.h"

#include <QStandardPaths>

bool OpenHelpFile(const std::string& path)
{
    if (!FileExists(path))
        return false;
    // The handler is looked up on the search path only: a program of that
    // name beside the module is not the desktop's.
    const std::string handler = QStandardPaths::findExecutable(QStringLiteral("xdg-open")).toStdString();
    if (handler.empty())
        return false;
    return StartProcess(handler, {path});
}
