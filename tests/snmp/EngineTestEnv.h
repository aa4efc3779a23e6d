// Shared pieces of the request engine tests: a fixture that starts the SNMP
// library for each test (boot-counter file in a temporary folder), one snmpd
// per test program with a few extra objects, and small helpers.
#pragma once

#include "mib/QnException.h"
#include "mib/QnSNMPVarList.h"
#include "snmp/QnSNMPRequest.h"
#include "snmp/QnSNMPSession.h"
#include "snmp/SnmpEventProcessor.h"
#include "support/Snmpd.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace enginetest {

// OIDs the tests use.
inline const std::string kSysDescr = "1.3.6.1.2.1.1.1";
inline const std::string kSysObjectID = "1.3.6.1.2.1.1.2";
inline const std::string kSysUpTime = "1.3.6.1.2.1.1.3";
inline const std::string kSysContact = "1.3.6.1.2.1.1.4";
inline const std::string kSysName = "1.3.6.1.2.1.1.5";
inline const std::string kSysLocation = "1.3.6.1.2.1.1.6";
inline const std::string kIfEntry = "1.3.6.1.2.1.2.2.1";
inline const std::string kSysOREntry = "1.3.6.1.2.1.1.9.1";
// Served by a script (see Agent): column .1 holds rows 1 and 2 and is
// followed by column .10 (row 5); column .20 answers 5, then 3, then 5 ...
inline const std::string kPassBase = "1.3.6.1.4.1.98762.99";

// A community that sees only the system group, so that an SNMPv1 walk of its
// last table runs past the end of the agent's MIB view.
inline const char* kSystemOnlyCommunity = "sysonly";

// The snmpd of this test program, started on first use and kept to the end.
vntest::Snmpd& Agent();

// Output of a shell command (net-snmp's command-line tools as an oracle).
std::string Run(const std::string& command);
// The values of an snmpwalk -v2c -On -Oqv of a subtree, one per line.
std::vector<std::string> WalkValues(const std::string& oid);

// Starts the library before each test and stops it after.
class LibraryTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Points the default records at the test agent with the given version
    // (communities public/private for 0 and 1, user md5user for 3).
    void UseAgent(int version);

    QTemporaryDir folder_;
};

// Runs the toolkit's event loop until the predicate holds or ms pass.
bool PumpUntil(const std::function<bool()>& done, int ms);
// Runs the toolkit's event loop for ms.
void PumpFor(int ms);

// Code of the QnException a callable raises; 0 when it raises none.
int CodeOf(const std::function<void()>& f, std::string* text = nullptr);

// Records every completion it is given.
struct Completions
{
    struct Entry
    {
        QnSNMPError Error;
        std::vector<std::string> Values;
    };
    std::vector<Entry> Entries;
    std::function<void(Completions&, QnSNMPError*, QnSNMPVarList*)> Then;

    static void Handler(void* context, QnSNMPError* error, QnSNMPVarList* vars);
};

} // namespace enginetest
