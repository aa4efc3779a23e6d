// A table window filling its list view: a table of 10,000 rows with five
// columns read by a TConfigForm's table panel (one GET-NEXT per row, one
// list-view row per reply, the count display following), against the bare
// asynchronous walk of the engine over the same table, side by side in the
// same run. Prints the medians and
//   BENCH listview_fill_vs_walk <fill / walk> x
// The agent is the simulated switch (vn2400-sim) serving a generated data
// file; without it, snmpd serving the same table from its configuration.
#include "gui/Guiconfigform.h"
#include "gui/QnSNMPRequest2Edits.h"
#include "mib/QnException.h"
#include "mib/QnSNMPVarList.h"
#include "snmp/QnSNMPRequest.h"
#include "snmp/QnSNMPSession.h"
#include "ui/TestHooks.h"

#include "BenchAgent.h"

#include <QApplication>
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

const char* const kEntry = "1.3.6.1.4.1.98762.251.1.1";
constexpr int kColumns = 5;
constexpr int kRows = 10000;
constexpr int kRuns = 5;

std::string SimData()
{
    std::ostringstream d;
    for (int c = 1; c <= kColumns; ++c)
        for (int r = 1; r <= kRows; ++r)
            d << kEntry << "." << c << "." << r << (IsTextColumn(c) ? " STRING ro " : " INTEGER ro ")
              << CellText(c, r) << "\n";
    return d.str();
}

// snmpd needs a MIB naming the table to serve it as a data set.
std::string MibText()
{
    std::ostringstream m;
    const char* names[kColumns] = {"Index", "Name", "Count", "Level", "Text"};
    const char* types[kColumns] = {"INTEGER", "OCTET STRING", "INTEGER", "INTEGER", "OCTET STRING"};
    m << "VN-LVBENCH-MIB DEFINITIONS ::= BEGIN\n\n"
      << "lvBench OBJECT IDENTIFIER ::= { iso org(3) dod(6) internet(1) private(4) enterprises(1) 98762 251 "
         "}\n\n"
      << "lvTable OBJECT-TYPE\n  SYNTAX SEQUENCE OF LvEntry\n  MAX-ACCESS not-accessible\n  STATUS current\n"
      << "  DESCRIPTION \"rows\"\n  ::= { lvBench 1 }\n\n"
      << "lvEntry OBJECT-TYPE\n  SYNTAX LvEntry\n  MAX-ACCESS not-accessible\n  STATUS current\n"
      << "  DESCRIPTION \"row\"\n  INDEX { lvIndex }\n  ::= { lvTable 1 }\n\n"
      << "LvEntry ::= SEQUENCE {\n";
    for (int c = 0; c < kColumns; ++c)
        m << "  lv" << names[c] << " " << types[c] << (c + 1 < kColumns ? ",\n" : "\n");
    m << "}\n\n";
    for (int c = 0; c < kColumns; ++c)
        m << "lv" << names[c] << " OBJECT-TYPE\n  SYNTAX " << types[c]
          << "\n  MAX-ACCESS read-only\n  STATUS current\n  DESCRIPTION \"column\"\n  ::= { lvEntry " << c + 1
          << " }\n\n";
    m << "END\n";
    return m.str();
}

std::string SnmpdConfig()
{
    std::ostringstream d;
    d << "rocommunity public 127.0.0.1\ndontLogTCPWrappersConnects yes\ntable lvTable\n";
    for (int r = 1; r <= kRows; ++r) {
        d << "add_row lvTable " << r;
        for (int c = 1; c <= kColumns; ++c)
            d << " " << CellText(c, r);
        d << "\n";
    }
    return d.str();
}

void MakeList(QnSNMPVarList& l)
{
    l.ListKind = MVT_FMV;
    l.IndexCount = 1;
    const char* labels[kColumns] = {"Index", "Name", "Count", "Level", "Text"};
    for (int c = 1; c <= kColumns; ++c)
        l.AddVariable(std::string(kEntry) + "." + std::to_string(c), labels[c - 1],
                      IsTextColumn(c) ? SYN_DISPLAYSTR : SYN_INTEGER, ACC_READONLY);
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

// The bare engine: an asynchronous walk of the table, nothing shown.
int WalkAsync()
{
    QnSNMPRequest r;
    MakeList(r.Variables);
    AsyncWalk walk;
    walk.Request = &r;
    r.FetchAsync(&AsyncWalk::Handler, &walk, true);
    while (!walk.Done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return walk.Code == 0 ? walk.Rows : -1;
}

// A table window: its first read fills the list view; timed from the
// refresh to the end of the walk.
int FillWindow(double& ms)
{
    TConfigForm form;
    form.SetCaption("Bench table");
    auto* req = new QnSNMPRequest2Edits(&form);
    MakeList(req->Variables);
    TSNMPListViewPanel* panel = form.SetupTable(req);
    form.Show();
    QCoreApplication::processEvents(); // the refresh posted at creation runs here
    while (req->Busy)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // Timed from here: a read of the whole table, as the "Refresh" button does.
    QElapsedTimer clock;
    clock.start();
    panel->ListRefreshClick(nullptr);
    while (req->Busy)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(); // the last rows drawn
    ms = clock.nsecsElapsed() / 1e6;
    const int rows = panel->ListPanel->ListView->Items()->Count();
    if (panel->CtrlBtnPanel->CountDisplay->Caption() != QString::number(rows))
        return -1;
    form.Close();
    return rows;
}

bool WaitUntilAnswering(int maxMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < maxMs) {
        try {
            QnSNMPRequest r;
            r.Timeout = 20;
            r.Retries = 0;
            r.Variables.ListKind = MVT_SV;
            r.Variables.AddVariable(std::string(kEntry) + ".1.1", "c", SYN_INTEGER, ACC_READONLY);
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
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const std::string dir = folder.path().toStdString();
    const unsigned short port = FreeUdpPort();
    const std::string listen = "127.0.0.1:" + std::to_string(port);
    const std::string sim = std::string(VN_BUILD_DIR) + "/sim/vn2400-sim";
    const std::string log = dir + "/agent.log";
    pid_t agent = -1;
    std::string agentName;
    if (::access(sim.c_str(), X_OK) == 0) {
        std::ofstream(dir + "/bench.data") << SimData();
        ::mkdir((dir + "/state").c_str(), 0700);
        agent = Spawn({sim, "--listen", listen, "--data", dir + "/bench.data", "--state-dir", dir + "/state"},
                      {}, log);
        agentName = "vn2400-sim";
    } else {
        const std::string mibDir = dir + "/mibs";
        ::mkdir(mibDir.c_str(), 0755);
        std::ofstream(mibDir + "/VN-LVBENCH-MIB.txt") << MibText();
        std::ofstream(dir + "/snmpd.conf") << SnmpdConfig();
        agent = Spawn({"/usr/sbin/snmpd", "-f", "-Lo", "-C", "-c", dir + "/snmpd.conf", "-I", "-smux", "-M",
                       mibDir, "-m", "VN-LVBENCH-MIB", "udp:" + listen},
                      {"SNMP_PERSISTENT_DIR=" + dir + "/persist"}, log);
        agentName = "snmpd";
    }
    std::fprintf(stderr, "bench_listview: agent %s on %s\n", agentName.c_str(), listen.c_str());

    int status = 0;
    try {
        QnSNMPStartup(dir);
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = port;
        DefaultSecurity.Version = 1;
        DefaultSecurity.ReadCommunity = "public";
        DefaultTimeout = 500;
        if (agent <= 0 || !WaitUntilAnswering(30000)) {
            std::fprintf(stderr, "bench_listview: the agent did not answer (see %s)\n", log.c_str());
            StopProcess(agent);
            return 1;
        }
        std::vector<double> walk, fill;
        for (int i = 0; i < kRuns && status == 0; ++i) {
            // Side by side in each round, so that load on the machine weighs
            // on both alike.
            QElapsedTimer clock;
            clock.start();
            const int a = WalkAsync();
            walk.push_back(clock.nsecsElapsed() / 1e6);
            double ms = 0;
            const int b = FillWindow(ms);
            fill.push_back(ms);
            if (a != kRows || b != kRows) {
                std::fprintf(stderr, "bench_listview: rows: walk %d, window %d, expected %d\n", a, b, kRows);
                status = 1;
            }
        }
        if (status == 0) {
            const double mw = Median(walk), mf = Median(fill);
            std::printf("BENCH listview_walk_10000_rows %.1f ms\n", mw);
            std::printf("BENCH listview_fill_10000_rows %.1f ms\n", mf);
            std::printf("BENCH listview_fill_vs_walk %.2f x\n", mf / mw);
            std::fflush(stdout);
        }
    } catch (const QnException& e) {
        std::fprintf(stderr, "bench_listview: %d %s\n", e.Code(), e.Text().c_str());
        status = 1;
    }
    QnSNMPShutdown();
    StopProcess(agent);
    return status;
}
