// Table walks: a table of 1,000 and one of 10,000 rows with five columns,
// walked one GET-NEXT per row through Fetch (synchronous), through FetchAsync
// with the event pump, and by net-snmp's `snmptable -v2c -CB` on the same
// agent in the same run. Prints the medians and the ratios
//   BENCH walk_sync_vs_snmptable <sync / snmptable> x      (10,000 rows)
//   BENCH walk_async_vs_sync <async / sync> x              (10,000 rows)
// The agent is the simulated switch (vn2400-sim) serving a generated data
// file; without it, snmpd serving the same tables from its configuration.
#include "mib/QnException.h"
#include "mib/QnSNMPVarDesc.h"
#include "mib/QnSNMPVarList.h"
#include "snmp/QnSNMPRequest.h"
#include "snmp/QnSNMPSession.h"
#include "snmp/SnmpEventProcessor.h"

#include "BenchAgent.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

using bench::CellText;
using bench::FreeUdpPort;
using bench::IsTextColumn;
using bench::Median;
using bench::Spawn;
using bench::StopProcess;

const char* const kEnterprise = "1.3.6.1.4.1.98762.250";
constexpr int kColumns = 5;

struct Table
{
    int Number; // the table is kEnterprise.Number, its entry .1
    int Rows;
    std::string Name() const { return "benchTable" + std::to_string(Number); }
    std::string Entry() const { return std::string(kEnterprise) + "." + std::to_string(Number) + ".1"; }
};

// A self-contained MIB module (no imports) describing the tables, so that
// snmptable can name their columns.
std::string MibText(const std::vector<Table>& tables)
{
    std::ostringstream m;
    m << "VN-BENCH-MIB DEFINITIONS ::= BEGIN\n\n"
      << "vnBench OBJECT IDENTIFIER ::= { iso org(3) dod(6) internet(1) private(4) enterprises(1) 98762 250 "
         "}\n\n";
    const char* names[kColumns] = {"Index", "Name", "Count", "Level", "Text"};
    const char* types[kColumns] = {"INTEGER", "OCTET STRING", "INTEGER", "INTEGER", "OCTET STRING"};
    for (const Table& t : tables) {
        const std::string n = std::to_string(t.Number);
        m << "benchTable" << n << " OBJECT-TYPE\n  SYNTAX SEQUENCE OF Bench" << n
          << "Entry\n  MAX-ACCESS not-accessible\n  STATUS current\n  DESCRIPTION \"rows\"\n  ::= { vnBench "
          << n << " }\n\n"
          << "bench" << n << "Entry OBJECT-TYPE\n  SYNTAX Bench" << n
          << "Entry\n  MAX-ACCESS not-accessible\n  STATUS current\n  DESCRIPTION \"row\"\n  INDEX { bench"
          << n << "Index }\n  ::= { benchTable" << n << " 1 }\n\n"
          << "Bench" << n << "Entry ::= SEQUENCE {\n";
        for (int c = 0; c < kColumns; ++c)
            m << "  bench" << n << names[c] << " " << types[c] << (c + 1 < kColumns ? ",\n" : "\n");
        m << "}\n\n";
        for (int c = 0; c < kColumns; ++c)
            m << "bench" << n << names[c] << " OBJECT-TYPE\n  SYNTAX " << types[c]
              << "\n  MAX-ACCESS read-only\n  STATUS current\n  DESCRIPTION \"column\"\n  ::= { bench" << n
              << "Entry " << c + 1 << " }\n\n";
    }
    m << "END\n";
    return m.str();
}

// The simulator's data file: one object a line, sorted.
std::string SimData(const std::vector<Table>& tables)
{
    std::ostringstream d;
    for (const Table& t : tables)
        for (int c = 1; c <= kColumns; ++c)
            for (int r = 1; r <= t.Rows; ++r)
                d << t.Entry() << "." << c << "." << r << (IsTextColumn(c) ? " STRING ro " : " INTEGER ro ")
                  << CellText(c, r) << "\n";
    return d.str();
}

// snmpd's configuration: the same tables as data sets.
std::string SnmpdConfig(const std::vector<Table>& tables)
{
    std::ostringstream d;
    d << "rocommunity public 127.0.0.1\ndontLogTCPWrappersConnects yes\n";
    for (const Table& t : tables) {
        d << "table " << t.Name() << "\n";
        for (int r = 1; r <= t.Rows; ++r) {
            d << "add_row " << t.Name() << " " << r;
            for (int c = 1; c <= kColumns; ++c)
                d << " " << CellText(c, r);
            d << "\n";
        }
    }
    return d.str();
}

void MakeRequest(QnSNMPRequest& r, const Table& t)
{
    r.Variables.ListKind = MVT_FMV;
    r.Variables.IndexCount = 1;
    for (int c = 1; c <= kColumns; ++c)
        r.Variables.AddVariable(t.Entry() + "." + std::to_string(c), "c",
                                IsTextColumn(c) ? SYN_DISPLAYSTR : SYN_INTEGER, ACC_READONLY);
}

int WalkSync(const Table& t)
{
    QnSNMPRequest r;
    MakeRequest(r, t);
    int rows = 0;
    for (bool more = r.Fetch(true); more; more = r.Fetch(false))
        ++rows;
    return rows;
}

struct AsyncWalk
{
    QnSNMPRequest* Request = nullptr;
    int Rows = 0;
    bool Done = false;
    int Code = 0;
    static void Handler(void* context, QnSNMPError* error, QnSNMPVarList*)
    {
        auto* self = static_cast<AsyncWalk*>(context);
        if (error->Code != 0 || error->Finished) {
            self->Code = error->Code;
            self->Done = true;
            return;
        }
        ++self->Rows;
        self->Request->FetchAsync(&AsyncWalk::Handler, self, false);
    }
};

int WalkAsync(const Table& t)
{
    QnSNMPRequest r;
    MakeRequest(r, t);
    AsyncWalk walk;
    walk.Request = &r;
    r.FetchAsync(&AsyncWalk::Handler, &walk, true);
    while (!walk.Done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return walk.Code == 0 ? walk.Rows : -1;
}

int WalkSnmptable(const Table& t, unsigned short port, const std::string& mibDir, const std::string& log)
{
    const std::string command = "snmptable -v2c -c public -CB -Cf '|' -CH -M '" + mibDir +
                                "' -m VN-BENCH-MIB 127.0.0.1:" + std::to_string(port) +
                                " VN-BENCH-MIB::" + t.Name() + " 2>>'" + log + "'";
    FILE* p = ::popen(command.c_str(), "r");
    if (!p)
        return -1;
    int rows = 0;
    char buf[4096];
    while (std::fgets(buf, sizeof buf, p))
        if (buf[0] >= '0' && buf[0] <= '9') // rows begin with the index; titles do not
            ++rows;
    return ::pclose(p) == 0 ? rows : -1;
}

bool WaitUntilAnswering(const Table& t, int maxMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < maxMs) {
        try {
            QnSNMPRequest r;
            r.Timeout = 20;
            r.Retries = 0;
            r.Variables.ListKind = MVT_SV;
            r.Variables.AddVariable(t.Entry() + ".1.1", "c", SYN_INTEGER, ACC_READONLY);
            r.Fetch(true);
            if (r.Variables.Get(0).Value == "1")
                return true;
        } catch (const QnException&) {
        }
        QThread::msleep(100);
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const std::string dir = folder.path().toStdString();
    const std::vector<Table> tables = {{1, 1000}, {2, 10000}};
    const std::string mibDir = dir + "/mibs";
    ::mkdir(mibDir.c_str(), 0755);
    std::ofstream(mibDir + "/VN-BENCH-MIB.txt") << MibText(tables);

    const unsigned short port = FreeUdpPort();
    const std::string listen = "127.0.0.1:" + std::to_string(port);
    const std::string sim = std::string(VN_BUILD_DIR) + "/sim/vn2400-sim";
    const std::string log = dir + "/agent.log";
    pid_t agent = -1;
    std::string agentName;
    if (::access(sim.c_str(), X_OK) == 0) {
        std::ofstream(dir + "/bench.data") << SimData(tables);
        ::mkdir((dir + "/state").c_str(), 0700);
        agent = Spawn({sim, "--listen", listen, "--data", dir + "/bench.data", "--state-dir", dir + "/state"},
                      {}, log);
        agentName = "vn2400-sim";
    } else {
        std::ofstream(dir + "/snmpd.conf") << SnmpdConfig(tables);
        agent = Spawn({"/usr/sbin/snmpd", "-f", "-Lo", "-C", "-c", dir + "/snmpd.conf", "-I", "-smux", "-M",
                       mibDir, "-m", "VN-BENCH-MIB", "udp:" + listen},
                      {"SNMP_PERSISTENT_DIR=" + dir + "/persist"}, log);
        agentName = "snmpd";
    }
    std::fprintf(stderr, "bench_walk: agent %s on %s\n", agentName.c_str(), listen.c_str());

    int status = 0;
    try {
        QnSNMPStartup(dir);
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = port;
        DefaultSecurity.Version = 1;
        DefaultSecurity.ReadCommunity = "public";
        DefaultTimeout = 500;
        if (agent <= 0 || !WaitUntilAnswering(tables[0], 30000)) {
            std::fprintf(stderr, "bench_walk: the agent did not answer (see %s)\n", log.c_str());
            StopProcess(agent);
            return 1;
        }

        for (const Table& t : tables) {
            const int runs = t.Rows >= 10000 ? 5 : 9;
            std::vector<double> sync, async, table;
            for (int i = 0; i < runs && status == 0; ++i) {
                // Side by side in each round, so that load on the machine
                // weighs on all three alike.
                QElapsedTimer clock;
                clock.start();
                const int a = WalkSync(t);
                sync.push_back(clock.nsecsElapsed() / 1e6);
                clock.restart();
                const int b = WalkAsync(t);
                async.push_back(clock.nsecsElapsed() / 1e6);
                clock.restart();
                const int c = WalkSnmptable(t, port, mibDir, dir + "/snmptable.log");
                table.push_back(clock.nsecsElapsed() / 1e6);
                if (a != t.Rows || b != t.Rows || c != t.Rows) {
                    std::fprintf(stderr,
                                 "bench_walk: %s rows: sync %d, async %d, snmptable %d, expected %d\n",
                                 t.Name().c_str(), a, b, c, t.Rows);
                    status = 1;
                }
            }
            if (status != 0)
                break;
            const double ms = Median(sync), ma = Median(async), mt = Median(table);
            const std::string n = std::to_string(t.Rows);
            std::printf("BENCH walk_sync_%s_rows %.1f ms\n", n.c_str(), ms);
            std::printf("BENCH walk_async_%s_rows %.1f ms\n", n.c_str(), ma);
            std::printf("BENCH walk_snmptable_%s_rows %.1f ms\n", n.c_str(), mt);
            std::printf("BENCH walk_sync_per_row_%s_rows %.1f us\n", n.c_str(), ms * 1000.0 / t.Rows);
            if (t.Rows == 10000) {
                std::printf("BENCH walk_sync_vs_snmptable %.2f x\n", ms / mt);
                std::printf("BENCH walk_async_vs_sync %.2f x\n", ma / ms);
            }
            std::fflush(stdout);
        }
    } catch (const QnException& e) {
        std::fprintf(stderr, "bench_walk: %d %s\n", e.Code(), e.Text().c_str());
        status = 1;
    }
    QnSNMPShutdown();
    StopProcess(agent);
    return status;
}
