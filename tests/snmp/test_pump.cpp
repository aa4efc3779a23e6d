// The event pump and the lifetime of asynchronous operations: where
// completions may run, what a modal completion holds back, Stop, and a
// request destroyed while its operations are outstanding.
#include "EngineTestEnv.h"

#include "mib/QnSNMPVarDesc.h"
#include "snmplib/Snmp.h"

#include <QEventLoop>
#include <QTimer>

using namespace enginetest;

namespace {

class Pump : public LibraryTest
{
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        ASSERT_TRUE(Agent().ok()) << Agent().error();
        UseAgent(1);
    }

    static void AddDescr(QnSNMPRequest& r) { r.Variables.AddVariable(kSysDescr, "Descr", SYN_DISPLAYSTR, 2); }
};

} // namespace

TEST(PumpWithoutSession, TickBeforeTheSessionExistsDoesNothing)
{
    ASSERT_EQ(GlobalSession, nullptr);
    SnmpEventProcessor& pump = GlobalEventProcessor();
    const long ticks = pump.TickCount();
    pump.Start();
    EXPECT_TRUE(pump.IsRunning());
    PumpFor(100);
    pump.Tick();
    EXPECT_EQ(pump.TickCount(), ticks);
    pump.Stop();
    EXPECT_FALSE(pump.IsRunning());
}

TEST_F(Pump, CompletionsRunNeitherInsideASynchronousCallNorAfterStop)
{
    SnmpEventProcessor& pump = GlobalEventProcessor();
    QnSNMPRequest a;
    AddDescr(a);
    Completions done;
    a.FetchAsync(&Completions::Handler, &done, true);
    // The reply arrives while nothing processes events.
    QThread::msleep(200);

    QnSNMPRequest b;
    AddDescr(b);
    pump.Stop();
    EXPECT_FALSE(b.Fetch(true));
    EXPECT_TRUE(done.Entries.empty()) << "a completion ran inside a synchronous call";

    // Stopped: the waiting reply is not delivered.
    PumpFor(150);
    pump.Tick();
    EXPECT_TRUE(done.Entries.empty()) << "a completion ran after Stop";
    EXPECT_EQ(a.Outstanding, 1);

    pump.Start();
    ASSERT_TRUE(PumpUntil([&] { return !done.Entries.empty(); }, 2000));
    EXPECT_EQ(done.Entries[0].Error.Code, 0);
    EXPECT_EQ(done.Entries[0].Values.at(0), b.Variables.Get(0).Value);
    EXPECT_EQ(a.Outstanding, 0);
}

TEST_F(Pump, CompletionWithAModalLoopHoldsBackTheOthers)
{
    SnmpEventProcessor& pump = GlobalEventProcessor();
    pump.Stop();
    QnSNMPRequest a, b;
    AddDescr(a);
    AddDescr(b);
    Completions done;
    size_t seenAfterModal = 0;
    bool processingDuringModal = false;
    done.Then = [&](Completions& self, QnSNMPError*, QnSNMPVarList*) {
        if (self.Entries.size() != 1)
            return;
        // The first completion runs a nested event loop, as a message box
        // does; the other reply has arrived and must wait.
        QEventLoop loop;
        QTimer::singleShot(300, &loop, &QEventLoop::quit);
        loop.exec();
        processingDuringModal = pump.IsProcessing();
        seenAfterModal = self.Entries.size();
    };
    a.FetchAsync(&Completions::Handler, &done, true);
    b.FetchAsync(&Completions::Handler, &done, true);
    QThread::msleep(200); // both replies are waiting
    pump.Start();
    ASSERT_TRUE(PumpUntil([&] { return done.Entries.size() == 2; }, 3000));
    EXPECT_EQ(seenAfterModal, 1u);
    EXPECT_TRUE(processingDuringModal);
    EXPECT_EQ(a.Outstanding + b.Outstanding, 0);
}

TEST_F(Pump, RepliesAreHandledAsTheyArriveNotOnTheNextTick)
{
    SnmpEventProcessor& pump = GlobalEventProcessor();
    const long notifierCalls = pump.NotifierCount();
    QnSNMPRequest r;
    AddDescr(r);
    constexpr int kSteps = 100;
    Completions done;
    done.Then = [&](Completions& self, QnSNMPError* error, QnSNMPVarList*) {
        if (error->Code == 0 && int(self.Entries.size()) < kSteps)
            r.FetchAsync(&Completions::Handler, &self, true);
    };
    QElapsedTimer clock;
    clock.start();
    r.FetchAsync(&Completions::Handler, &done, true);
    ASSERT_TRUE(PumpUntil([&] { return int(done.Entries.size()) == kSteps; }, 10000));
    const qint64 ms = clock.elapsed();
    // On the timer alone each reply would wait for a tick: at least 2 s.
    EXPECT_LT(ms, 1000) << "socket notifier did not deliver the replies";
    EXPECT_GT(pump.NotifierCount(), notifierCalls);
    EXPECT_GT(pump.WatchedSockets(), 0);
    for (const auto& e : done.Entries)
        EXPECT_EQ(e.Error.Code, 0);
}

TEST_F(Pump, DestructionWaitsForTheOutstandingCompletion)
{
    Completions done;
    auto* r = new QnSNMPRequest;
    AddDescr(*r);
    r->FetchAsync(&Completions::Handler, &done, true);
    QElapsedTimer clock;
    clock.start();
    delete r;
    EXPECT_EQ(done.Entries.size(), 1u) << "the destructor did not wait for its completion";
    EXPECT_LT(clock.elapsed(), 3000);
}

TEST_F(Pump, DestructionGivesUpAfterSixSecondsAndTheCompletionNeverArrives)
{
    DefaultDevice.Port = vntest::Snmpd::freeUdpPort();
    Completions done;
    auto* r = new QnSNMPRequest;
    r->Timeout = 100; // 1 s per try, 8 tries: the library gives up after 8 s
    r->Retries = 7;
    AddDescr(*r);
    r->FetchAsync(&Completions::Handler, &done, true);
    QElapsedTimer clock;
    clock.start();
    delete r;
    const qint64 ms = clock.elapsed();
    EXPECT_GE(ms, 5900);
    EXPECT_LT(ms, 7500);
    EXPECT_TRUE(done.Entries.empty());
    // Past the library's own time-out: nothing reaches the freed request.
    PumpFor(2500);
    EXPECT_TRUE(done.Entries.empty());
    EXPECT_EQ(GlobalSession->outstanding(), 0);
}

TEST_F(Pump, HandlerThatDestroysItsOwnRequest)
{
    struct Owner
    {
        QnSNMPRequest* Request = nullptr;
        int Calls = 0;
        qint64 DeleteMs = -1;
    } owner;
    owner.Request = new QnSNMPRequest;
    AddDescr(*owner.Request);
    owner.Request->FetchAsync(
        [](void* context, QnSNMPError*, QnSNMPVarList*) {
            auto* o = static_cast<Owner*>(context);
            ++o->Calls;
            QElapsedTimer clock;
            clock.start();
            delete o->Request;
            o->Request = nullptr;
            o->DeleteMs = clock.elapsed();
        },
        &owner, true);
    ASSERT_TRUE(PumpUntil([&] { return owner.Calls == 1; }, 3000));
    // The running completion is not waited for: it cannot end before the
    // destructor returns.
    EXPECT_LT(owner.DeleteMs, 1000);
    PumpFor(100);
    EXPECT_EQ(owner.Calls, 1);
}

TEST_F(Pump, ClosingTheSessionEndsOutstandingOperationsWithoutTheirHandlers)
{
    DefaultDevice.Port = vntest::Snmpd::freeUdpPort();
    QnSNMPRequest r;
    r.Timeout = 500;
    AddDescr(r);
    Completions done;
    r.FetchAsync(&Completions::Handler, &done, true);
    r.FetchAsync(&Completions::Handler, &done, true);
    EXPECT_EQ(r.Outstanding, 2);
    QnSNMPShutdown();
    EXPECT_EQ(r.Outstanding, 0);
    EXPECT_TRUE(done.Entries.empty());
}
