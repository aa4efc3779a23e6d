// A private net-snmp agent (/usr/sbin/snmpd) for integration tests.
//
// The constructor writes a configuration into a fresh temporary folder,
// starts snmpd in the foreground on 127.0.0.1 at a free high UDP port and
// waits until it answers an SNMPv2c GET; ok() says whether it did (error()
// says why not). The destructor stops it by its process id and removes the
// folder. stop()/start() restart it on the same port with the same persistent
// folder (its engine boots then go up by one).
//
// What the agent knows (see the constants below):
//   communities  public (read-only), private (read-write),
//                wombat (read-only), kestrel (read-write); from 127.0.0.1 only
//   SNMPv3 users md5user  HMAC-MD5 "md5authpass", no privacy
//                shauser  HMAC-SHA "shaauthpass", no privacy
//                md5des   HMAC-MD5 "md5authpass", DES "md5despriv"
//                shades   HMAC-SHA "shaauthpass", DES "shadespriv"
//                each with read-write access at its own level
//   sysContact.0 and sysLocation.0 are writable (not set in the
//   configuration); no smux, no configuration files besides its own.
#pragma once

#include <string>
#include <sys/types.h>

namespace vntest {

class Snmpd
{
public:
    static constexpr const char* ReadCommunity = "public";
    static constexpr const char* WriteCommunity = "private";
    static constexpr const char* ReadCommunity2 = "wombat";
    static constexpr const char* WriteCommunity2 = "kestrel";
    static constexpr const char* Md5User = "md5user";
    static constexpr const char* ShaUser = "shauser";
    static constexpr const char* Md5DesUser = "md5des";
    static constexpr const char* ShaDesUser = "shades";
    static constexpr const char* Md5AuthPass = "md5authpass";
    static constexpr const char* ShaAuthPass = "shaauthpass";
    static constexpr const char* Md5DesPrivPass = "md5despriv";
    static constexpr const char* ShaDesPrivPass = "shadespriv";

    // extraConfig: more snmpd.conf lines appended to the generated ones.
    explicit Snmpd(const std::string& extraConfig = std::string());
    ~Snmpd();
    Snmpd(const Snmpd&) = delete;
    Snmpd& operator=(const Snmpd&) = delete;

    bool ok() const { return pid_ > 0 && error_.empty(); }
    const std::string& error() const { return error_; }
    unsigned short port() const { return port_; }
    std::string address() const { return "127.0.0.1"; }
    // "127.0.0.1:port", as net-snmp's command-line tools take it.
    std::string peer() const;
    pid_t pid() const { return pid_; }
    const std::string& folder() const { return folder_; }
    // What snmpd wrote to its standard output and error so far.
    std::string log() const;

    // Stops the agent (SIGTERM, then SIGKILL after 5 s) and waits for it.
    void stop();
    // Starts it again on the same port; true once it answers.
    bool start();

    // A free UDP port on 127.0.0.1 where nothing listens (bound and released).
    static unsigned short freeUdpPort();

private:
    bool launch();
    bool waitUntilAnswering(int maxMs);

    std::string folder_;
    std::string error_;
    unsigned short port_ = 0;
    pid_t pid_ = -1;
};

} // namespace vntest
