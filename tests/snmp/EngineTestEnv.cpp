#include "EngineTestEnv.h"

#include <fstream>
#include <memory>
#include <sstream>

namespace enginetest {

namespace {

// GET-NEXT answers of the script behind kPassBase (snmpd's "pass" protocol:
// "-g OID" or "-n OID" in, three lines OID, type, value out).
const char* const kPassScript = R"(#!/bin/sh
B=.1.3.6.1.4.1.98762.99
case "$1 $2" in
  "-g $B.1.1") echo $B.1.1; echo integer; echo 11;;
  "-g $B.1.2") echo $B.1.2; echo integer; echo 12;;
  "-g $B.10.5") echo $B.10.5; echo integer; echo 105;;
  "-n $B.20"|"-n $B.20.3") echo $B.20.5; echo integer; echo 205;;
  "-n $B.20.5") echo $B.20.3; echo integer; echo 203;;
  "-n $B"|"-n $B.1") echo $B.1.1; echo integer; echo 11;;
  "-n $B.1.1") echo $B.1.2; echo integer; echo 12;;
  "-n $B.1.2"|"-n $B.10") echo $B.10.5; echo integer; echo 105;;
esac
)";

struct AgentHolder
{
    QTemporaryDir scripts;
    std::unique_ptr<vntest::Snmpd> agent;
};

} // namespace

vntest::Snmpd& Agent()
{
    static AgentHolder holder;
    if (!holder.agent) {
        const std::string script = holder.scripts.path().toStdString() + "/pass.sh";
        std::ofstream(script) << kPassScript;
        std::string extra;
        extra += std::string("rocommunity ") + kSystemOnlyCommunity + " 127.0.0.1 .1.3.6.1.2.1.1\n";
        extra += "pass ." + kPassBase + " /bin/sh " + script + "\n";
        holder.agent = std::make_unique<vntest::Snmpd>(extra);
    }
    return *holder.agent;
}

std::string Run(const std::string& command)
{
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        ::pclose(p);
    }
    return out;
}

std::vector<std::string> WalkValues(const std::string& oid)
{
    const std::string out =
        Run("MIBS= snmpwalk -v2c -c public -Oqv -m '' " + Agent().peer() + " " + oid + " 2>/dev/null");
    std::vector<std::string> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        // Strings are printed in double quotes.
        if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
            line = line.substr(1, line.size() - 2);
        lines.push_back(line);
    }
    return lines;
}

void LibraryTest::SetUp()
{
    ASSERT_TRUE(folder_.isValid());
    QnSNMPStartup(folder_.path().toStdString());
}

void LibraryTest::TearDown()
{
    QnSNMPShutdown();
}

void LibraryTest::UseAgent(int version)
{
    vntest::Snmpd& agent = Agent();
    ASSERT_TRUE(agent.ok()) << agent.error();
    DefaultDevice.Address = agent.address();
    DefaultDevice.Port = agent.port();
    DefaultSecurity.Version = uint8_t(version);
    DefaultSecurity.ReadCommunity = vntest::Snmpd::ReadCommunity;
    DefaultSecurity.WriteCommunity = vntest::Snmpd::WriteCommunity;
    if (version == 3) {
        DefaultSecurity.SecurityModel = 3;
        DefaultSecurity.SecurityLevel = 2;
        DefaultSecurity.SecurityName = vntest::Snmpd::Md5User;
        DefaultSecurity.AuthProtocol = 2;
        DefaultSecurity.AuthPassword = vntest::Snmpd::Md5AuthPass;
        DefaultSecurity.PrivProtocol = 1;
    }
}

bool PumpUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

void PumpFor(int ms)
{
    PumpUntil([] { return false; }, ms);
}

int CodeOf(const std::function<void()>& f, std::string* text)
{
    try {
        f();
    } catch (const QnException& e) {
        if (text)
            *text = e.Text();
        return e.Code();
    }
    return 0;
}

void Completions::Handler(void* context, QnSNMPError* error, QnSNMPVarList* vars)
{
    auto* self = static_cast<Completions*>(context);
    Entry entry;
    entry.Error = *error;
    for (int i = 0; i < vars->Count(); ++i)
        entry.Values.push_back(vars->Get(i).Value);
    self->Entries.push_back(entry);
    if (self->Then)
        self->Then(*self, error, vars);
}

} // namespace enginetest
