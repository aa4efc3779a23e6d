// vn2400-sim: a simulated VN-2400 switch. An SNMP v1/v2c/v3 agent on net-snmp's
// agent library that serves a 28-port switch from a text data file.
#include "SimAgent.h"
#include "SimStore.h"

#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern "C" {
extern netsnmp_session* main_session;
void init_snmpEngine(void);
void init_snmpMPDStats(void);
void init_usmStats(void);
void init_usmUser(void);
void init_vacm_vars(void);
void init_vacm_context(void);
void init_snmpTargetAddrEntry(void);
void init_snmpTargetParamsEntry(void);
void init_target_counters(void);
void init_snmpNotifyTable(void);
void init_snmpNotifyFilterProfileTable(void);
void init_snmpNotifyFilterTable(void);
}

// The built-in data file, linked into the program (see sim/CMakeLists.txt).
extern "C" const char vn_sim_data_start[];
extern "C" const char vn_sim_data_end[];
asm(".section .rodata\n"
    ".global vn_sim_data_start\n"
    "vn_sim_data_start:\n"
    ".incbin \"" VN_SIM_DATA "\"\n"
    ".global vn_sim_data_end\n"
    "vn_sim_data_end:\n"
    ".byte 0\n"
    ".previous\n");

namespace {

const char* const kApp = "vn2400-sim";

volatile sig_atomic_t gStop = 0;
void OnSignal(int)
{
    gStop = 1;
}

struct User
{
    std::string name, auth, authPass, priv, privPass;
};

struct Options
{
    std::string listen = "127.0.0.1:16161";
    bool allowAny = false;
    std::vector<std::string> readCommunities, writeCommunities;
    std::vector<User> users;
    std::string dataFile, saveFile, stateDir;
    bool verbose = false;
    vnsim::Faults faults;
};

const char* const kHelp =
    "Usage: vn2400-sim [options]\n"
    "A simulated VN-2400 switch: an SNMP v1/v2c/v3 agent serving a 28-port switch.\n"
    "\n"
    "  --listen ADDRESS:PORT      UDP address to answer on (default 127.0.0.1:16161;\n"
    "                             port 0 picks a free port). Only 127.0.0.0/8 unless\n"
    "                             --allow-any-address is given.\n"
    "  --allow-any-address        allow --listen outside 127.0.0.0/8\n"
    "  --community-read TEXT      read-only community (repeatable; default public, wombat)\n"
    "  --community-write TEXT     read-write community (repeatable; default private, kestrel)\n"
    "  --user NAME:AUTH:AUTHPASS[:PRIV:PRIVPASS]\n"
    "                             SNMPv3 user, AUTH MD5 or SHA, PRIV DES (repeatable;\n"
    "                             pass phrases of at least 8 characters). Default users:\n"
    "                             md5user:MD5:md5password, shauser:SHA:shapassword,\n"
    "                             md5des:MD5:md5password:DES:despassword,\n"
    "                             shades:SHA:shapassword:DES:despassword\n"
    "  --data FILE                start from this data file instead of the built-in one\n"
    "  --save FILE                write the state to FILE on exit\n"
    "  --state-dir DIR            keep the SNMP engine's persistent files (engineBoots) in DIR\n"
    "  --config FILE              read options from FILE: one per line, without the dashes\n"
    "                             (\"listen 127.0.0.1:16161\"); # starts a comment\n"
    "  --drop PERCENT             drop this share of requests unanswered\n"
    "  --delay MS                 answer every request this many milliseconds late\n"
    "  --error OID=STATUS         answer OID (and everything under it) with an error\n"
    "                             status, by name (genErr) or number (repeatable)\n"
    "  --loop-column OID          GET-NEXT in this table column keeps answering its first\n"
    "                             row, a non-increasing OID (repeatable)\n"
    "  --verbose                  log each request on one line\n"
    "  --help                     show this text\n";

[[noreturn]] void Fail(const std::string& msg, int code = 2)
{
    std::fprintf(stderr, "vn2400-sim: %s\n", msg.c_str());
    std::exit(code);
}

std::vector<std::string> SplitColon(const std::string& s)
{
    std::vector<std::string> parts;
    std::stringstream ss(s);
    std::string p;
    while (std::getline(ss, p, ':'))
        parts.push_back(p);
    if (!s.empty() && s.back() == ':')
        parts.push_back("");
    return parts;
}

bool TakesValue(const std::string& name)
{
    return name != "allow-any-address" && name != "verbose" && name != "help";
}

bool KnownOption(const std::string& name)
{
    static const char* const names[] = {"listen",
                                        "allow-any-address",
                                        "community-read",
                                        "community-write",
                                        "user",
                                        "data",
                                        "save",
                                        "state-dir",
                                        "config",
                                        "drop",
                                        "delay",
                                        "error",
                                        "loop-column",
                                        "verbose",
                                        "help"};
    for (const char* n : names)
        if (name == n)
            return true;
    return false;
}

void ReadConfigFile(const std::string& file, Options& o);

// Applies one option; returns false when it is unknown.
bool Apply(const std::string& name, const std::string* value, Options& o)
{
    auto need = [&]() -> const std::string& {
        if (!value)
            Fail("--" + name + " needs a value");
        return *value;
    };
    if (name == "listen")
        o.listen = need();
    else if (name == "allow-any-address")
        o.allowAny = true;
    else if (name == "community-read")
        o.readCommunities.push_back(need());
    else if (name == "community-write")
        o.writeCommunities.push_back(need());
    else if (name == "user") {
        auto p = SplitColon(need());
        if (p.size() != 3 && p.size() != 5)
            Fail("--user wants NAME:AUTH:AUTHPASS[:PRIV:PRIVPASS], not \"" + *value + "\"");
        User u{p[0], p[1], p[2], p.size() == 5 ? p[3] : "", p.size() == 5 ? p[4] : ""};
        for (auto& c : u.auth)
            c = static_cast<char>(toupper(c));
        for (auto& c : u.priv)
            c = static_cast<char>(toupper(c));
        if (u.name.empty() || u.name.find_first_of(" \t\"") != std::string::npos)
            Fail("bad user name \"" + u.name + "\"");
        if (u.auth != "MD5" && u.auth != "SHA")
            Fail("authentication protocol must be MD5 or SHA, not \"" + p[1] + "\"");
        if (p.size() == 5 && u.priv != "DES")
            Fail("privacy protocol must be DES, not \"" + p[3] + "\"");
        if (u.authPass.size() < 8 || (p.size() == 5 && u.privPass.size() < 8))
            Fail("pass phrases need at least 8 characters");
        if (u.authPass.find('"') != std::string::npos || u.privPass.find('"') != std::string::npos)
            Fail("pass phrases may not contain a double quote");
        o.users.push_back(u);
    } else if (name == "data")
        o.dataFile = need();
    else if (name == "save")
        o.saveFile = need();
    else if (name == "state-dir")
        o.stateDir = need();
    else if (name == "config")
        ReadConfigFile(need(), o);
    else if (name == "drop") {
        char* end = nullptr;
        o.faults.dropPercent = std::strtod(need().c_str(), &end);
        if (*end || o.faults.dropPercent < 0 || o.faults.dropPercent > 100)
            Fail("--drop wants a percentage 0..100");
    } else if (name == "delay") {
        char* end = nullptr;
        long ms = std::strtol(need().c_str(), &end, 10);
        if (*end || ms < 0 || ms > 600000)
            Fail("--delay wants milliseconds 0..600000");
        o.faults.delayMs = static_cast<int>(ms);
    } else if (name == "error") {
        const std::string& v = need();
        size_t eq = v.find('=');
        if (eq == std::string::npos)
            Fail("--error wants OID=STATUS");
        int status = vnsim::ErrorStatusFromText(v.substr(eq + 1));
        if (status < 0)
            Fail("unknown error status \"" + v.substr(eq + 1) + "\"");
        try {
            o.faults.errors.emplace_back(vnsim::ParseOid(v.substr(0, eq)), status);
        } catch (const std::exception& e) {
            Fail(std::string("--error: ") + e.what());
        }
    } else if (name == "loop-column") {
        try {
            o.faults.loopColumns.push_back(vnsim::ParseOid(need()));
        } catch (const std::exception& e) {
            Fail(std::string("--loop-column: ") + e.what());
        }
    } else if (name == "verbose")
        o.verbose = true;
    else if (name == "help") {
        std::fputs(kHelp, stdout);
        std::exit(0);
    } else
        return false;
    return true;
}

void ReadConfigFile(const std::string& file, Options& o)
{
    std::ifstream in(file);
    if (!in)
        Fail("cannot read " + file);
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        size_t a = line.find_first_not_of(" \t");
        if (a == std::string::npos || line[a] == '#')
            continue;
        size_t b = line.find_first_of(" \t", a);
        std::string name = line.substr(a, b == std::string::npos ? std::string::npos : b - a);
        std::string value;
        if (b != std::string::npos) {
            size_t c = line.find_first_not_of(" \t", b);
            if (c != std::string::npos) {
                value = line.substr(c);
                while (!value.empty() &&
                       (value.back() == ' ' || value.back() == '\t' || value.back() == '\r'))
                    value.pop_back();
            }
        }
        if (!KnownOption(name))
            Fail(file + ":" + std::to_string(n) + ": unknown option " + name);
        if (TakesValue(name) && value.empty())
            Fail(file + ":" + std::to_string(n) + ": " + name + " needs a value");
        if (!Apply(name, TakesValue(name) ? &value : nullptr, o))
            Fail(file + ":" + std::to_string(n) + ": unknown option " + name);
    }
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Fail("cannot read " + path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

// Keeps only the engine's identity and boot counter from the previous run: users come
// from this run's options, and a stale copy would shadow a changed pass phrase.
void TrimPersistentFile(const std::string& dir)
{
    std::string path = dir + "/" + kApp + ".conf";
    std::ifstream in(path);
    if (!in)
        return;
    std::string kept, line;
    while (std::getline(in, line))
        if (line.rfind("engineBoots", 0) == 0 || line.rfind("oldEngineID", 0) == 0)
            kept += line + "\n";
    in.close();
    WriteFile(path, kept);
}

void RemoveTree(const std::string& dir)
{
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}

} // namespace

int main(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--", 0) != 0)
            Fail("unexpected argument \"" + arg + "\" (see --help)");
        std::string name = arg.substr(2), value;
        bool inlineValue = false;
        if (size_t eq = name.find('='); eq != std::string::npos && name.rfind("error", 0) != 0) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            inlineValue = true;
        }
        if (!KnownOption(name))
            Fail("unknown option --" + name + " (see --help)");
        if (TakesValue(name) && !inlineValue) {
            if (i + 1 >= argc)
                Fail("--" + name + " needs a value");
            value = argv[++i];
        }
        if (!Apply(name, TakesValue(name) ? &value : nullptr, o))
            Fail("unknown option --" + name + " (see --help)");
    }
    if (o.readCommunities.empty())
        o.readCommunities = {"public", "wombat"};
    if (o.writeCommunities.empty())
        o.writeCommunities = {"private", "kestrel"};
    if (o.users.empty())
        o.users = {{"md5user", "MD5", "md5password", "", ""},
                   {"shauser", "SHA", "shapassword", "", ""},
                   {"md5des", "MD5", "md5password", "DES", "despassword"},
                   {"shades", "SHA", "shapassword", "DES", "despassword"}};

    // The address: IPv4, and on loopback unless explicitly allowed otherwise.
    size_t colon = o.listen.rfind(':');
    if (colon == std::string::npos)
        Fail("--listen wants ADDRESS:PORT");
    std::string host = o.listen.substr(0, colon), portText = o.listen.substr(colon + 1);
    in_addr addr{};
    if (inet_pton(AF_INET, host.c_str(), &addr) != 1)
        Fail("--listen: \"" + host + "\" is not an IPv4 address");
    char* end = nullptr;
    long port = std::strtol(portText.c_str(), &end, 10);
    if (portText.empty() || *end || port < 0 || port > 65535)
        Fail("--listen: bad port \"" + portText + "\"");
    if ((ntohl(addr.s_addr) >> 24) != 127 && !o.allowAny)
        Fail("refusing to listen on " + host + ": only 127.0.0.0/8 without --allow-any-address");

    // The data, before anything is opened: a bad file stops the program here.
    vnsim::Store store;
    try {
        if (o.dataFile.empty())
            store.Load(std::string(vn_sim_data_start, vn_sim_data_end), "built-in data");
        else
            store.Load(ReadFile(o.dataFile), o.dataFile);
    } catch (const vnsim::DataError& e) {
        Fail(e.what(), 1);
    }
    for (auto& [oid, obj] : store.Objects()) {
        bool served = false;
        for (auto& root : vnsim::ServedSubtrees())
            served = served || vnsim::IsPrefix(root, oid);
        if (!served)
            Fail("data: " + vnsim::OidText(oid) + " lies outside the subtrees the simulator serves", 1);
    }

    // Communities, users and access, as agent configuration lines of our own.
    bool tempState = o.stateDir.empty();
    if (tempState) {
        char tmpl[] = "/tmp/vn2400-sim.XXXXXX";
        if (!mkdtemp(tmpl))
            Fail("cannot create a state folder");
        o.stateDir = tmpl;
    } else if (access(o.stateDir.c_str(), W_OK) != 0) {
        Fail("state folder " + o.stateDir + " is not writable");
    }
    TrimPersistentFile(o.stateDir);
    std::string source = o.allowAny ? "default" : "127.0.0.0/8";
    std::string conf;
    for (auto& c : o.readCommunities)
        conf += "rocommunity \"" + c + "\" " + source + "\n";
    for (auto& c : o.writeCommunities)
        conf += "rwcommunity \"" + c + "\" " + source + "\n";
    for (auto& u : o.users) {
        conf += "createUser " + u.name + " " + u.auth + " \"" + u.authPass + "\"";
        if (!u.priv.empty())
            conf += " " + u.priv + " \"" + u.privPass + "\"";
        conf += "\nrwuser " + u.name + (u.priv.empty() ? " auth" : " priv") + "\n";
    }
    // The configuration folder holds only this file; the state folder itself holds
    // net-snmp's persistent file (engine identity and engineBoots).
    std::string confDir = o.stateDir + "/config";
    mkdir(confDir.c_str(), 0700);
    mkdir((o.stateDir + "/cert_indexes").c_str(), 0700);
    std::string confPath = confDir + "/" + kApp + ".conf";
    if (!WriteFile(confPath, conf))
        Fail("cannot write " + confPath);

    std::string listenSpec = "udp:" + host + ":" + portText;
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_NO_ROOT_ACCESS, 1);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, listenSpec.c_str());
    unsetenv("SNMPCONFPATH");
    unsetenv("SNMP_PERSISTENT_DIR");
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, o.stateDir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, confDir.c_str());
    setenv("MIBS", "", 1);
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, o.verbose ? LOG_NOTICE : LOG_ERR);

    char noSmux[] = "-smux";
    add_to_init_list(noSmux);
    if (init_agent(kApp) != 0)
        Fail("cannot start the agent library", 1);
    init_snmpEngine();
    init_snmpMPDStats();
    init_usmStats();
    init_usmUser();
    init_vacm_vars();
    init_vacm_context();
    init_snmpTargetAddrEntry();
    init_snmpTargetParamsEntry();
    init_target_counters();
    init_snmpNotifyTable();
    init_snmpNotifyFilterProfileTable();
    init_snmpNotifyFilterTable();
    vnsim::RegisterStore(&store, &o.faults);
    init_snmp(kApp);
    {
        u_char engine[64];
        size_t len = snmpv3_get_engineID(engine, sizeof engine);
        std::vector<std::string> communities = o.readCommunities;
        communities.insert(communities.end(), o.writeCommunities.begin(), o.writeCommunities.end());
        std::sort(communities.begin(), communities.end());
        communities.erase(std::unique(communities.begin(), communities.end()), communities.end());
        vnsim::SetCommunities(store, communities, std::string(reinterpret_cast<char*>(engine), len));
    }
    if (init_master_agent() != 0 || !main_session)
        Fail("cannot listen on " + o.listen, 1);
    vnsim::InstallPacketHook(o.verbose, &o.faults);

    // The port actually bound (port 0 asks for a free one).
    netsnmp_transport* t = snmp_sess_transport(snmp_sess_pointer(main_session));
    if (t && t->sock >= 0) {
        sockaddr_in sa{};
        socklen_t len = sizeof sa;
        if (getsockname(t->sock, reinterpret_cast<sockaddr*>(&sa), &len) == 0)
            port = ntohs(sa.sin_port);
    }

    struct sigaction sa
    {
    };
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    signal(SIGPIPE, SIG_IGN);

    std::printf("listening on %s:%ld\n", host.c_str(), port);
    std::fflush(stdout);

    // A periodic alarm bounds the wait so that a signal between two waits is seen.
    snmp_alarm_register(
        1, SA_REPEAT, [](unsigned int, void*) {}, nullptr);
    while (!gStop)
        agent_check_and_process(1);

    vnsim::DropDelayedRequests();
    snmp_shutdown(kApp);
    shutdown_agent();
    int rc = 0;
    if (!o.saveFile.empty() && !WriteFile(o.saveFile, store.Save())) {
        std::fprintf(stderr, "vn2400-sim: cannot write %s\n", o.saveFile.c_str());
        rc = 1;
    }
    unlink(confPath.c_str());
    rmdir(confDir.c_str());
    if (tempState)
        RemoveTree(o.stateDir);
    return rc;
}
