#include "support/Snmpd.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vntest {

namespace {

const char* const kSnmpd = "/usr/sbin/snmpd";

std::string configText(const std::string& extra)
{
    std::ostringstream o;
    o << "rocommunity " << Snmpd::ReadCommunity << " 127.0.0.1\n"
      << "rwcommunity " << Snmpd::WriteCommunity << " 127.0.0.1\n"
      << "rocommunity " << Snmpd::ReadCommunity2 << " 127.0.0.1\n"
      << "rwcommunity " << Snmpd::WriteCommunity2 << " 127.0.0.1\n"
      << "createUser " << Snmpd::Md5User << " MD5 \"" << Snmpd::Md5AuthPass << "\"\n"
      << "createUser " << Snmpd::ShaUser << " SHA \"" << Snmpd::ShaAuthPass << "\"\n"
      << "createUser " << Snmpd::Md5DesUser << " MD5 \"" << Snmpd::Md5AuthPass << "\" DES \""
      << Snmpd::Md5DesPrivPass << "\"\n"
      << "createUser " << Snmpd::ShaDesUser << " SHA \"" << Snmpd::ShaAuthPass << "\" DES \""
      << Snmpd::ShaDesPrivPass << "\"\n"
      << "rwuser " << Snmpd::Md5User << " auth\n"
      << "rwuser " << Snmpd::ShaUser << " auth\n"
      << "rwuser " << Snmpd::Md5DesUser << " priv\n"
      << "rwuser " << Snmpd::ShaDesUser << " priv\n"
      << "dontLogTCPWrappersConnects yes\n"
      << extra << "\n";
    return o.str();
}

// An SNMPv2c GET of sysUpTime.0 with the read community "public".
const unsigned char kProbe[] = {0x30, 0x29, 0x02, 0x01, 0x01, 0x04, 0x06, 'p',  'u',  'b',  'l',
                                'i',  'c',  0xa0, 0x1c, 0x02, 0x04, 0x12, 0x34, 0x56, 0x78, 0x02,
                                0x01, 0x00, 0x02, 0x01, 0x00, 0x30, 0x0e, 0x30, 0x0c, 0x06, 0x08,
                                0x2b, 0x06, 0x01, 0x02, 0x01, 0x01, 0x03, 0x00, 0x05, 0x00};

} // namespace

unsigned short Snmpd::freeUdpPort()
{
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    unsigned short port = 0;
    socklen_t len = sizeof a;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

Snmpd::Snmpd(const std::string& extraConfig)
{
    char tmpl[] = "/tmp/vn-snmpd-XXXXXX";
    if (!::mkdtemp(tmpl)) {
        error_ = std::string("cannot create a temporary folder: ") + std::strerror(errno);
        return;
    }
    folder_ = tmpl;
    std::filesystem::create_directories(folder_ + "/persist");
    {
        std::ofstream conf(folder_ + "/snmpd.conf");
        conf << configText(extraConfig);
        if (!conf) {
            error_ = "cannot write " + folder_ + "/snmpd.conf";
            return;
        }
    }
    // A port found free can be taken by someone else before snmpd binds it:
    // try a few.
    for (int attempt = 0; attempt < 5; ++attempt) {
        port_ = freeUdpPort();
        if (port_ != 0 && launch() && waitUntilAnswering(10000)) {
            error_.clear();
            return;
        }
        stop();
        if (error_.empty())
            error_ = "snmpd did not answer";
    }
}

Snmpd::~Snmpd()
{
    stop();
    if (!folder_.empty() && !std::getenv("VN_KEEP_SNMPD")) {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
}

std::string Snmpd::peer() const
{
    return address() + ":" + std::to_string(port_);
}

std::string Snmpd::log() const
{
    std::ifstream in(folder_ + "/snmpd.log");
    std::ostringstream o;
    o << in.rdbuf();
    return o.str();
}

bool Snmpd::launch()
{
    const std::string pidFile = folder_ + "/snmpd.pid";
    const std::string listen = "udp:127.0.0.1:" + std::to_string(port_);
    const std::string logFile = folder_ + "/snmpd.log";
    // The configuration comes from SNMPCONFPATH (our folder only), which
    // also makes snmpd read back its persistent state (engine id, boots).
    std::vector<std::string> args = {kSnmpd, "-f", "-Lo", "-I", "-smux", "-p", pidFile, listen};

    // The environment: a persistent folder of its own and no MIB files.
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "SNMP_PERSISTENT_DIR=", 20) != 0 && std::strncmp(*e, "MIBS=", 5) != 0 &&
            std::strncmp(*e, "SNMPCONFPATH=", 13) != 0)
            env.emplace_back(*e);
    }
    env.push_back("SNMP_PERSISTENT_DIR=" + folder_ + "/persist");
    env.push_back("SNMPCONFPATH=" + folder_ + ":" + folder_ + "/persist");
    env.push_back("MIBS=");

    std::vector<char*> argv, envp;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 1, logFile.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&fa, 1, 2);
    pid_t pid = -1;
    int rc = posix_spawn(&pid, kSnmpd, &fa, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&fa);
    if (rc != 0) {
        error_ = std::string("cannot start ") + kSnmpd + ": " + std::strerror(rc);
        pid_ = -1;
        return false;
    }
    pid_ = pid;
    return true;
}

bool Snmpd::waitUntilAnswering(int maxMs)
{
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) {
        error_ = "no socket";
        return false;
    }
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    to.sin_port = htons(port_);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(maxMs);
    bool answered = false;
    while (!answered && std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            error_ = "snmpd exited: " + log();
            break;
        }
        ::sendto(fd, kProbe, sizeof kProbe, 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) > 0) {
            unsigned char buf[1500];
            sockaddr_in from{};
            socklen_t len = sizeof from;
            ssize_t n = ::recvfrom(fd, buf, sizeof buf, 0, reinterpret_cast<sockaddr*>(&from), &len);
            answered = n > 0 && from.sin_port == to.sin_port;
        }
    }
    ::close(fd);
    if (!answered && error_.empty())
        error_ = "snmpd did not answer on port " + std::to_string(port_);
    return answered;
}

void Snmpd::stop()
{
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    pid_ = -1;
}

bool Snmpd::start()
{
    if (pid_ > 0)
        return true;
    error_.clear();
    if (!launch())
        return false;
    if (!waitUntilAnswering(10000)) {
        stop();
        return false;
    }
    return true;
}

} // namespace vntest
