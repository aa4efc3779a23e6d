// Starts vn2400-sim on a free loopback port and runs net-snmp's command-line
// tools against it.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace simtest {

inline const char* SimPath()
{
    return VN_BUILD_DIR "/sim/vn2400-sim";
}

struct RunResult
{
    int status = -1; // exit code of the command
    std::string output;
};

// Runs a shell command and collects its standard output and error.
inline RunResult Shell(const std::string& command)
{
    RunResult r;
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (!p)
        return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        r.output.append(buf, n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

inline std::string TempDir()
{
    std::string t = (std::filesystem::temp_directory_path() / "vn2400-simtest.XXXXXX").string();
    std::vector<char> buf(t.begin(), t.end());
    buf.push_back(0);
    return mkdtemp(buf.data()) ? std::string(buf.data()) : std::string();
}

class Sim
{
public:
    Sim() = default;
    Sim(const Sim&) = delete;
    Sim& operator=(const Sim&) = delete;
    ~Sim()
    {
        Stop();
        if (ownState_ && !state_.empty())
            std::filesystem::remove_all(state_);
    }

    // Starts the simulator with extra options; false (with the reason in Error()) when it
    // ends or prints nothing usable within ten seconds.
    bool Start(const std::vector<std::string>& extra = {}, const std::string& stateDir = "")
    {
        state_ = stateDir.empty() ? TempDir() : stateDir;
        ownState_ = stateDir.empty();
        std::vector<std::string> args = {SimPath(), "--listen", "127.0.0.1:0", "--state-dir", state_};
        args.insert(args.end(), extra.begin(), extra.end());
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(fds[1], 1);
            dup2(fds[1], 2);
            close(fds[0]);
            close(fds[1]);
            std::vector<char*> argv;
            for (auto& a : args)
                argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(fds[1]);
        out_ = fds[0];
        fcntl(out_, F_SETFL, O_NONBLOCK);
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            ReadOutput(100);
            size_t at = output_.find("listening on 127.0.0.1:");
            if (at != std::string::npos && output_.find('\n', at) != std::string::npos) {
                port_ = std::atoi(output_.c_str() + at + 23);
                return port_ > 0;
            }
            int st;
            if (waitpid(pid_, &st, WNOHANG) == pid_) {
                pid_ = -1;
                ReadOutput(0);
                return false;
            }
        }
        return false;
    }

    // Sends a signal and waits for the exit; returns the exit code, or -1.
    int Stop(int sig = SIGTERM)
    {
        if (pid_ <= 0)
            return -1;
        kill(pid_, sig);
        int st = 0;
        for (int i = 0; i < 100; ++i) {
            if (waitpid(pid_, &st, WNOHANG) == pid_) {
                pid_ = -1;
                ReadOutput(0);
                close(out_);
                return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        kill(pid_, SIGKILL);
        waitpid(pid_, &st, 0);
        pid_ = -1;
        close(out_);
        return -1;
    }

    // Everything the simulator printed so far.
    const std::string& Output()
    {
        if (pid_ > 0)
            ReadOutput(50);
        return output_;
    }

    int Port() const { return port_; }
    // The simulator's resident memory in kB, from /proc; -1 when unknown.
    long ResidentKb() const
    {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("VmRSS:", 0) == 0)
                return std::atol(line.c_str() + 6);
        return -1;
    }
    const std::string& StateDir() const { return state_; }
    std::string Target() const { return "127.0.0.1:" + std::to_string(port_); }

    // A command line of one of net-snmp's tools against this simulator: numeric OIDs,
    // no MIB files, a one-second time-out and one retry unless the options say otherwise.
    std::string Tool(const std::string& tool, const std::string& auth, const std::string& rest,
                     const std::string& timing = "-t 1 -r 1") const
    {
        return tool + " " + auth + " -m '' -On " + timing + " " + Target() + " " + rest;
    }

private:
    void ReadOutput(int timeoutMs)
    {
        pollfd p{out_, POLLIN, 0};
        if (poll(&p, 1, timeoutMs) <= 0)
            return;
        char buf[4096];
        ssize_t n;
        while ((n = read(out_, buf, sizeof buf)) > 0)
            output_.append(buf, static_cast<size_t>(n));
    }

    pid_t pid_ = -1;
    int out_ = -1;
    int port_ = 0;
    std::string output_;
    std::string state_;
    bool ownState_ = true;
};

inline const char* const V1 = "-v1 -c public";
inline const char* const V2 = "-v2c -c public";
inline const char* const V2W = "-v2c -c private";
inline const char* const V1W = "-v1 -c private";

} // namespace simtest
