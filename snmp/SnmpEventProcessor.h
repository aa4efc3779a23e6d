// The event pump. Asynchronous requests are sent through GlobalSession; their
// replies, retransmissions and time-outs are handled by the SNMP library only
// when it is asked to process its pending events. The pump asks it from a
// 20 ms toolkit timer and, so that a reply does not wait for the next tick,
// from a socket notifier on every socket of the session.
//
// Rules: processing is never re-entered; while the library runs completions
// the timer and the notifiers are disabled, so a completion that opens a
// modal window holds back every other completion until it returns; after Stop
// nothing is processed, even replies that have already arrived.
#pragma once

#include <QObject>

#include <map>

class QTimer;
class QSocketNotifier;
class Snmp;

class SnmpEventProcessor : public QObject
{
    Q_OBJECT

public:
    static constexpr int IntervalMs = 20;
    // A notifier call keeps taking the replies to requests that its own
    // completions sent, each within ReplyWaitMs, for at most BatchMs.
    static constexpr int ReplyWaitMs = 1;
    static constexpr int BatchMs = 10;

    // Creates the timer disabled, with a 20 ms interval.
    SnmpEventProcessor();
    // Stop, then release the timer and the notifiers.
    ~SnmpEventProcessor() override;

    // Enables the timer and the socket notifiers of GlobalSession.
    void Start();
    // Disables the timer and the notifiers.
    void Stop();
    bool IsRunning() const { return running_; }
    // True while the library runs completions for this pump.
    bool IsProcessing() const { return processing_; }

    // One tick: with the timer disabled, SNMPProcessPendingEvents once when
    // GlobalSession exists, then the timer enabled again (unless stopped
    // meanwhile). Does nothing while stopped or while already processing.
    void Tick();

    // Stops watching the session's sockets (before the session is destroyed).
    void DetachSession();

    // Number of library calls made so far by ticks and by notifiers (tests).
    long TickCount() const { return tickCount_; }
    long NotifierCount() const { return notifierCount_; }
    int WatchedSockets() const { return int(notifiers_.size()); }

private:
    void Process(bool fromNotifier);
    void AttachSession();
    void SocketChanged(int fd, bool added);
    void SetNotifiersEnabled(bool on);

    QTimer* timer_ = nullptr;
    std::map<int, QSocketNotifier*> notifiers_;
    Snmp* attached_ = nullptr;
    bool running_ = false;
    bool processing_ = false;
    long tickCount_ = 0;
    long notifierCount_ = 0;
};

// The process-wide pump, constructed before the main window (stopped).
SnmpEventProcessor& GlobalEventProcessor();
