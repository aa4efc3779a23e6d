#include "QnPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

std::string NativePath(const std::string& path)
{
    std::string out = path;
    const char sep = QDir::separator().toLatin1();
    for (char& c : out)
        if (c == '\\')
            c = sep;
    return out;
}

std::string ModuleFolder()
{
    // The kernel's link names the executable even before (or without) a
    // QCoreApplication.
    QFileInfo self(QStringLiteral("/proc/self/exe"));
    QString target = self.symLinkTarget();
    if (!target.isEmpty())
        return QFileInfo(target).absolutePath().toStdString();
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath().toStdString();
    return QDir::currentPath().toStdString();
}

bool FileExists(const std::string& path)
{
    if (path.empty())
        return false;
    QFileInfo info(QString::fromStdString(path));
    return info.exists() && info.isFile();
}
