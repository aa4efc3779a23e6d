// Shared pieces of the panel and configuration window tests: one snmpd for
// the test program, a fixture that starts the SNMP library and points the
// default records at it, a request that records what it reads and writes,
// and helpers over the agent's own SNMP counters.
#pragma once

#include "gui/QnSNMPRequest2Edits.h"
#include "mib/QnErrorCatalogue.h"
#include "mib/QnException.h"
#include "mib/QnOptionList.h"
#include "mib/QnSNMPVarList.h"
#include "snmp/QnSNMPSession.h"
#include "snmplib/SnmpValues.h"
#include "support/Snmpd.h"
#include "ui/TForm.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace guipanels {

inline const std::string kSysDescr = "1.3.6.1.2.1.1.1";
inline const std::string kSysContact = "1.3.6.1.2.1.1.4";
inline const std::string kSysName = "1.3.6.1.2.1.1.5";
inline const std::string kSysLocation = "1.3.6.1.2.1.1.6";
inline const std::string kSysOREntry = "1.3.6.1.2.1.1.9.1";
// vacmSecurityToGroupEntry: snmpd lets a manager create and destroy rows.
inline const std::string kSecToGroupEntry = "1.3.6.1.6.3.16.1.2.1";
// snmpInGetRequests, snmpInGetNexts, snmpInSetRequests of the agent.
inline const std::string kInGets = "1.3.6.1.2.1.11.15";
inline const std::string kInGetNexts = "1.3.6.1.2.1.11.16";
inline const std::string kInSets = "1.3.6.1.2.1.11.17";

inline const QnIntOption kRowStatusSource[] = {{1, "active"},      {2, "notInService"},  {3, "notReady"},
                                               {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
                                               {0, nullptr}};
inline const QnOptionList& RowStatusOptions()
{
    static const QnOptionList list(kRowStatusSource);
    return list;
}
inline const QnIntOption kYesNoSource[] = {{1, "yes"}, {2, "no"}, {0, nullptr}};
inline const QnOptionList& YesNoOptions()
{
    static const QnOptionList list(kYesNoSource);
    return list;
}

inline vntest::Snmpd& Agent()
{
    static vntest::Snmpd agent;
    return agent;
}

inline bool PumpUntil(const std::function<bool()>& done, int ms = 5000)
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

// Text of the QnException a callable raises; "" when it raises none.
inline std::string ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const QnException& e) {
        return e.Text();
    }
    return std::string();
}

// A request that records its reads and the variables of its writes.
class RecordingEdits : public QnSNMPRequest2Edits
{
public:
    explicit RecordingEdits(QWidget* owner, bool* destroyed = nullptr)
        : QnSNMPRequest2Edits(owner), destroyed_(destroyed)
    {
    }
    ~RecordingEdits() override
    {
        BeginDestruction();
        if (destroyed_)
            *destroyed_ = true;
    }

    int Reads = 0;
    // Whether the owner window was visible when each read began.
    std::vector<bool> ShownAtRead;
    int RowsReceived = 0;
    // OID of every variable put into a SET.
    std::vector<std::string> WrittenOids;
    std::function<void(RecordingEdits&)> OnRow;

    void BeforeGet() override
    {
        ++Reads;
        ShownAtRead.push_back(Owner && Owner->isVisible());
        QnSNMPRequest2Edits::BeforeGet();
    }
    void ValuesReceived() override
    {
        QnSNMPRequest2Edits::ValuesReceived();
        ++RowsReceived;
        if (OnRow)
            OnRow(*this);
    }
    void TextToSnmpValue(int position, Vb& vb) override
    {
        WrittenOids.push_back(vb.get_printable_oid());
        QnSNMPRequest2Edits::TextToSnmpValue(position, vb);
    }

private:
    bool* destroyed_;
};

// Starts the library before each test, the default records pointing at the
// test agent (SNMPv2c, communities public/private).
class AgentTest : public ::testing::Test
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

    // The default records point at a port where nothing answers; each try
    // waits 100 ms.
    static void UseDeadAgent()
    {
        DefaultDevice.Port = vntest::Snmpd::freeUdpPort();
        DefaultTimeout = 10;
    }

    // One scalar of the agent, read synchronously.
    static std::string ReadScalar(const std::string& oid, uint32_t syntax = SYN_DISPLAYSTR)
    {
        QnSNMPRequest r;
        r.Variables.ListKind = SVT_SV;
        r.Variables.AddVariable(oid, "v", syntax, ACC_READONLY);
        r.Fetch(true);
        return r.Variables.Get(0).Value;
    }
    static long Counter(const std::string& oid) { return std::stol(ReadScalar(oid, SYN_COUNTER)); }
    static void WriteScalar(const std::string& oid, const std::string& value)
    {
        QnSNMPRequest r;
        r.Variables.ListKind = SVT_SV;
        r.Variables.AddVariable(oid, "v", SYN_DISPLAYSTR, ACC_READWRITE);
        r.Variables.Get(0).Value = value;
        r.Store(false);
    }

    QTemporaryDir folder_;
};

// sysDescr (read-only), sysContact and sysLocation (writable).
inline void MakeSystemList(QnSNMPVarList& list)
{
    list.Clear();
    list.ListKind = SVT_SV;
    list.Title = "System";
    list.AddVariable(kSysDescr, "Description", SYN_DISPLAYSTR, ACC_READONLY);
    list.AddVariable(kSysContact, "Contact", SYN_DISPLAYSTR, ACC_READWRITE);
    list.AddVariable(kSysLocation, "Location", SYN_DISPLAYSTR, ACC_READWRITE);
}

// The vacmSecurityToGroupTable: securityModel and securityName (keys),
// groupName and the row status.
inline void MakeSecToGroupList(QnSNMPVarList& list)
{
    list.Clear();
    list.ListKind = MVT_UMV;
    list.IndexCount = 2;
    list.Title = "Groups";
    list.AddVariable(kSecToGroupEntry + ".1", "Model", SYN_INTEGER, ACC_NOTACCESS);
    list.AddVariable(kSecToGroupEntry + ".2", "Security Name", SYN_DISPLAYSTR, ACC_NOTACCESS);
    list.AddVariable(kSecToGroupEntry + ".3", "Group Name", SYN_DISPLAYSTR, ACC_READWRITE);
    list.AddVariable(kSecToGroupEntry + ".5", "Status", SYN_INTEGER, ACC_READWRITE, &RowStatusOptions());
}

} // namespace guipanels
