// Shared pieces of the control binding tests: one snmpd for the test program,
// a fixture that starts the SNMP library and points the default records at
// it, a request that records every virtual operation it runs, and helpers
// that pump the event loop.
#pragma once

#include "gui/QnSNMPRequest2Controls.h"
#include "mib/QnErrorCatalogue.h"
#include "mib/QnException.h"
#include "mib/QnSNMPVarList.h"
#include "snmp/QnSNMPSession.h"
#include "support/Snmpd.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace guibind {

// OIDs used by the tests.
inline const std::string kSysDescr = "1.3.6.1.2.1.1.1";
inline const std::string kSysContact = "1.3.6.1.2.1.1.4";
inline const std::string kSysOREntry = "1.3.6.1.2.1.1.9.1";
// vacmSecurityToGroupEntry: snmpd lets a manager create and destroy rows.
inline const std::string kVacmSecToGroupEntry = "1.3.6.1.6.3.16.1.2.1";
// Nothing lives under this subtree of the agent.
inline const std::string kEmptyEntry = "1.3.6.1.4.1.98762.77.1";

// The snmpd of this test program, started on first use and kept to the end.
inline vntest::Snmpd& Agent()
{
    static vntest::Snmpd agent;
    return agent;
}

inline bool PumpUntil(const std::function<bool()>& done, int ms)
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

// Code of the QnException a callable raises; 0 when it raises none.
inline int CodeOf(const std::function<void()>& f, std::string* text = nullptr)
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

// Starts the library before each test, with the default records pointing
// at the test agent (SNMPv2c, communities public/private).
class LibraryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetCatalogues();
        ASSERT_TRUE(folder_.isValid());
        QnSNMPStartup(folder_.path().toStdString());
        vntest::Snmpd& agent = Agent();
        ASSERT_TRUE(agent.ok()) << agent.error();
        DefaultDevice.Address = agent.address();
        DefaultDevice.Port = agent.port();
        DefaultSecurity.Version = 1;
        DefaultSecurity.ReadCommunity = vntest::Snmpd::ReadCommunity;
        DefaultSecurity.WriteCommunity = vntest::Snmpd::WriteCommunity;
        DefaultTimeout = 100;
    }
    void TearDown() override { QnSNMPShutdown(); }

    // Points the default records at a port where nothing answers, with a
    // short time-out.
    static void UseDeadAgent()
    {
        DefaultDevice.Port = vntest::Snmpd::freeUdpPort();
        DefaultTimeout = 10;
    }

    QTemporaryDir folder_;
};

// A control binding that records the virtual operations it runs.
class RecordingRequest : public QnSNMPRequest2Controls
{
public:
    explicit RecordingRequest(QWidget* owner = nullptr) : QnSNMPRequest2Controls(owner) {}
    ~RecordingRequest() override { BeginDestruction(); }

    std::vector<std::string> Trace;
    // The values of every accepted row or scalar reply.
    std::vector<std::vector<std::string>> Rows;
    // Called after each accepted row.
    std::function<void(RecordingRequest&)> OnRow;
    // Read-done and write-done records.
    std::vector<QnSNMPError> ReadDone, WriteDone;

    void WatchNotifications()
    {
        OnReadDone = QnRequestNotify(
            [this](QnSNMPRequest2Controls*, QnSNMPError* e) { ReadDone.push_back(*e); }, this);
        OnWriteDone = QnRequestNotify(
            [this](QnSNMPRequest2Controls*, QnSNMPError* e) { WriteDone.push_back(*e); }, this);
    }

    void BeforeGet() override { Trace.push_back("BeforeGet"); }
    void BeforeSet() override { Trace.push_back("BeforeSet"); }
    void ValuesReceived() override
    {
        Trace.push_back("ValuesReceived");
        std::vector<std::string> row;
        for (int i = 0; i < Variables.Count(); ++i)
            row.push_back(Variables.Get(i).Value);
        Rows.push_back(row);
        if (OnRow)
            OnRow(*this);
    }
    void CollectValues() override { Trace.push_back("CollectValues"); }
    void GetFailed(QnSNMPError* e) override
    {
        Trace.push_back("GetFailed");
        QnSNMPRequest2Controls::GetFailed(e);
    }
    void SetFailed(QnSNMPError* e) override
    {
        Trace.push_back("SetFailed");
        QnSNMPRequest2Controls::SetFailed(e);
    }
    void AfterGet() override { Trace.push_back("AfterGet"); }
    void AfterSet() override { Trace.push_back("AfterSet"); }

    int CountOf(const std::string& step) const
    {
        int n = 0;
        for (const auto& s : Trace)
            n += s == step;
        return n;
    }
};

// The vacmSecurityToGroupTable as a list of kind 3 with two keys:
// securityModel, securityName, then groupName and the row status.
inline void MakeSecToGroupList(QnSNMPVarList& list, const QnOptionList* statusOptions = nullptr)
{
    list.Clear();
    list.ListKind = MVT_UMV;
    list.IndexCount = 2;
    list.AddVariable(kVacmSecToGroupEntry + ".1", "Security Model", SYN_INTEGER, ACC_NOTACCESS);
    list.AddVariable(kVacmSecToGroupEntry + ".2", "Security Name", SYN_DISPLAYSTR, ACC_NOTACCESS);
    list.AddVariable(kVacmSecToGroupEntry + ".3", "Group Name", SYN_DISPLAYSTR, ACC_READWRITE);
    list.AddVariable(kVacmSecToGroupEntry + ".5", "Status", SYN_INTEGER, ACC_READWRITE, statusOptions);
}

} // namespace guibind
