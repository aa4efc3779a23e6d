// Runs vn2400-cli as a separate process in a folder of its own: a registry
// file (named by VN2400_REGISTRY) whose MibFile key points at a folder of
// device configuration files and whose HelpPath key points at a help folder
// for the message catalogues; the program's working folder (where its engine
// boot-counter file goes) is another folder of the same tree.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace clitest {

inline const char* CliPath()
{
    return VN_BUILD_DIR "/cli/vn2400-cli";
}

struct CliResult
{
    int status = -1; // exit status; -1 when killed or not started
    std::string out;
    std::string err;
};

class CliEnv
{
public:
    CliEnv()
    {
        std::string t = (std::filesystem::temp_directory_path() / "vn2400-clitest.XXXXXX").string();
        std::vector<char> buf(t.begin(), t.end());
        buf.push_back(0);
        if (mkdtemp(buf.data()))
            dir_ = buf.data();
        std::filesystem::create_directories(dir_ + "/work");
        std::filesystem::create_directories(dir_ + "/mbf");
        std::filesystem::create_directories(dir_ + "/help/errmsg");
        // HelpPath names the help file; its last 12 characters are cut off.
        Write("registry.ini", "[\\SOFTWARE\\Corvane\\Modules\\HelpPath]\n"
                              "1.3.6.1.4.1.98762.10.63.6=" +
                                  dir_ +
                                  "/help/Devices1.hlp\n"
                                  "[\\SOFTWARE\\Corvane\\Ostrand5.1\\MibFile]\n"
                                  "Path=" +
                                  dir_ + "/mbf/\n");
    }
    ~CliEnv()
    {
        std::error_code ec;
        if (!dir_.empty())
            std::filesystem::remove_all(dir_, ec);
    }
    CliEnv(const CliEnv&) = delete;
    CliEnv& operator=(const CliEnv&) = delete;

    const std::string& Dir() const { return dir_; }
    std::string Registry() const { return dir_ + "/registry.ini"; }

    // A file below the folder.
    void Write(const std::string& relative, const std::string& text) const
    {
        std::ofstream(dir_ + "/" + relative, std::ios::binary | std::ios::trunc) << text;
    }

    // The device configuration file of an address.
    void DeviceFile(const std::string& address, const std::string& keys) const
    {
        Write("mbf/" + address + ".cfg", "[Program Information]\n" + keys);
    }

    // A plain SNMPv1/v2c device file: the port comes from here, since "/t"
    // counts only with version 3.
    void CommunityDevice(const std::string& address, int port, int version) const
    {
        DeviceFile(address, "AgentPort=" + std::to_string(port) + "\nVersion=" + std::to_string(version) +
                                "\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
    }

    // Runs the program with the arguments; gives up after the time limit.
    CliResult Run(const std::vector<std::string>& args, int limitSeconds = 60) const
    {
        CliResult r;
        std::vector<std::string> envText;
        for (char** e = environ; *e; ++e)
            if (std::string(*e).rfind("VN2400_REGISTRY=", 0) != 0)
                envText.emplace_back(*e);
        envText.push_back("VN2400_REGISTRY=" + Registry());
        std::vector<char*> envp;
        for (auto& e : envText)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::vector<std::string> argText = {CliPath()};
        argText.insert(argText.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : argText)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const std::string work = dir_ + "/work";

        int out[2], err[2];
        if (pipe(out) != 0 || pipe(err) != 0)
            return r;
        const pid_t pid = fork();
        if (pid == 0) {
            if (chdir(work.c_str()) != 0)
                _exit(126);
            dup2(out[1], 1);
            dup2(err[1], 2);
            close(out[0]);
            close(out[1]);
            close(err[0]);
            close(err[1]);
            execve(argv[0], argv.data(), envp.data());
            _exit(127);
        }
        close(out[1]);
        close(err[1]);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limitSeconds);
        pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
        std::string* sinks[2] = {&r.out, &r.err};
        int open = 2;
        bool killed = false;
        while (open > 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid, SIGKILL);
                killed = true;
                break;
            }
            if (poll(fds, 2, 200) <= 0)
                continue;
            for (int i = 0; i < 2; ++i) {
                if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                    continue;
                char buf[4096];
                const ssize_t n = read(fds[i].fd, buf, sizeof buf);
                if (n > 0) {
                    sinks[i]->append(buf, size_t(n));
                } else {
                    close(fds[i].fd);
                    fds[i].fd = -1;
                    --open;
                }
            }
        }
        for (auto& f : fds)
            if (f.fd >= 0)
                close(f.fd);
        int st = 0;
        waitpid(pid, &st, 0);
        r.status = !killed && WIFEXITED(st) ? WEXITSTATUS(st) : -1;
        return r;
    }

private:
    std::string dir_;
};

inline std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator && separator != '\n')
        parts.push_back("");
    return parts;
}

inline std::vector<std::string> Lines(const std::string& text)
{
    return Split(text, '\n');
}

inline std::vector<std::string> Fields(const std::string& line)
{
    return Split(line, '\t');
}

// The instance sub-identifiers of a text index with its length first.
inline std::string TextInstance(const std::string& text)
{
    std::string out = std::to_string(text.size());
    for (unsigned char c : text)
        out += "." + std::to_string(c);
    return out;
}

} // namespace clitest
