#include "support/StandInRecord.h"

#include "platform/QnPath.h"

#include <QThread>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>

StandInRecord::StandInRecord()
{
    file_ = (dir_.path() + QStringLiteral("/argv.bin")).toStdString();
    if (const char* old = std::getenv("VN_STANDIN_OUT"))
        previous_ = old;
    setenv("VN_STANDIN_OUT", file_.c_str(), 1);
}

StandInRecord::~StandInRecord()
{
    if (previous_)
        setenv("VN_STANDIN_OUT", previous_->c_str(), 1);
    else
        unsetenv("VN_STANDIN_OUT");
}

std::string StandInRecord::ProgramPath()
{
    return ModuleFolder() + "/" + ProgramName();
}

std::optional<std::vector<std::string>> StandInRecord::Wait(int timeoutMs) const
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!FileExists(file_)) {
        if (std::chrono::steady_clock::now() >= end)
            return std::nullopt;
        QThread::msleep(10);
    }
    std::ifstream in(file_, std::ios::binary);
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> args;
    size_t start = 0;
    for (size_t i = 0; i < data.size(); ++i) {
        if (data[i] == '\0') {
            args.push_back(data.substr(start, i - start));
            start = i + 1;
        }
    }
    return args;
}

bool StandInRecord::StaysAbsent(int ms) const
{
    QThread::msleep(static_cast<unsigned long>(ms));
    return !FileExists(file_);
}
