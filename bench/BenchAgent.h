// What the agent benchmarks share: the cell values of the generated test
// tables, a free loopback port, starting and stopping an agent process, and
// the median of repeated runs.
#pragma once

#include <QThread>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

extern char** environ;

namespace bench {

inline std::string CellText(int column, int row)
{
    switch (column) {
    case 1:
        return std::to_string(row);
    case 2:
        return "\"port-" + std::to_string(row) + "\"";
    case 3:
        return std::to_string(row * 3);
    case 4:
        return std::to_string(row % 1000);
    default:
        return "\"description of row " + std::to_string(row) + "\"";
    }
}

inline bool IsTextColumn(int column)
{
    return column == 2 || column == 5;
}

inline unsigned short FreeUdpPort()
{
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

inline pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv,
                   const std::string& log)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    std::vector<std::string> a = args;
    std::vector<char*> argv, envp;
    for (auto& s : a)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    for (auto& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&fa, 1, 2);
    pid_t pid = -1;
    if (posix_spawn(&pid, a[0].c_str(), &fa, nullptr, argv.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&fa);
    return pid;
}

inline void StopProcess(pid_t pid)
{
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        QThread::msleep(100);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace bench
