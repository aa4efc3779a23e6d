// Test helper around the stand-in sibling program VnStandIn (built in the
// test programs' own folder): points it at a fresh record file and waits for
// the argument list it records.
#pragma once

#include <QTemporaryDir>

#include <optional>
#include <string>
#include <vector>

class StandInRecord
{
public:
    // Sets VN_STANDIN_OUT for programs started from now on; restores the
    // previous value when destroyed.
    StandInRecord();
    ~StandInRecord();
    StandInRecord(const StandInRecord&) = delete;
    StandInRecord& operator=(const StandInRecord&) = delete;

    // The argument list (argv[0] first) once the stand-in has written it, or
    // nothing after the time limit.
    std::optional<std::vector<std::string>> Wait(int timeoutMs = 10000) const;

    // True when no record appears within the time (for "nothing started").
    bool StaysAbsent(int ms = 700) const;

    const std::string& File() const { return file_; }

    // The stand-in's name and its full path in the test programs' folder.
    static std::string ProgramName() { return "VnStandIn"; }
    static std::string ProgramPath();

private:
    QTemporaryDir dir_;
    std::string file_;
    std::optional<std::string> previous_;
};
