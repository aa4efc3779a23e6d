// The simulated switch for the main-window tests: one simulator for the whole
// program, the SNMP library started before each test with the default
// records pointing at it (SNMPv2c, communities public/private).
#pragma once

#include "../sim/SimHarness.h"

#include "snmp/QnSNMPRequest.h"
#include "snmp/QnSNMPSession.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace mainwintest {

inline simtest::Sim& SharedSim()
{
    static simtest::Sim* sim = [] {
        auto* s = new simtest::Sim;
        s->Start();
        return s;
    }();
    return *sim;
}

class SimTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        simtest::Sim& sim = SharedSim();
        ASSERT_GT(sim.Port(), 0) << sim.Output();
        QnSNMPStartup(folder_.path().toStdString());
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = uint16_t(sim.Port());
        DefaultSecurity.Version = 1;
        DefaultSecurity.ReadCommunity = "public";
        DefaultSecurity.WriteCommunity = "private";
        DefaultTimeout = 100;
    }
    void TearDown() override { QnSNMPShutdown(); }

    // Reads or writes one INTEGER scalar of the simulator.
    static std::string Read(const std::string& oid)
    {
        QnSNMPRequest r;
        r.Variables.AddVariable(oid, "", SYN_INTEGER, ACC_READWRITE);
        r.Fetch(true);
        return r.Variables.Get(0).Value;
    }
    static void Write(const std::string& oid, const std::string& value)
    {
        QnSNMPRequest r;
        r.Variables.AddVariable(oid, "", SYN_INTEGER, ACC_READWRITE);
        r.Variables.Get(0).Value = value;
        r.Store(false);
    }

private:
    QTemporaryDir folder_;
};

} // namespace mainwintest
