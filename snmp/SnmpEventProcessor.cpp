#include "snmp/SnmpEventProcessor.h"

#include "snmp/QnSNMPSession.h"
#include "snmplib/Snmp.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <exception>

SnmpEventProcessor::SnmpEventProcessor()
{
    timer_ = new QTimer(this);
    timer_->stop();
    timer_->setInterval(IntervalMs);
    connect(timer_, &QTimer::timeout, this, &SnmpEventProcessor::Tick);
}

SnmpEventProcessor::~SnmpEventProcessor()
{
    Stop();
    DetachSession();
    delete timer_;
    timer_ = nullptr;
}

void SnmpEventProcessor::Start()
{
    running_ = true;
    AttachSession();
    if (!processing_) {
        timer_->start();
        SetNotifiersEnabled(true);
    }
}

void SnmpEventProcessor::Stop()
{
    running_ = false;
    if (timer_)
        timer_->stop();
    SetNotifiersEnabled(false);
}

void SnmpEventProcessor::Tick()
{
    Process(false);
}

void SnmpEventProcessor::Process(bool fromNotifier)
{
    if (!running_ || processing_)
        return;
    processing_ = true;
    timer_->stop();
    SetNotifiersEnabled(false);
    if (GlobalSession) {
        if (attached_ != GlobalSession)
            AttachSession();
        ++(fromNotifier ? notifierCount_ : tickCount_);
        try {
            int ran = SNMPProcessPendingEvents();
            // A reply to a completion's follow-up request (the next row of a
            // walk) usually comes back within a fraction of a millisecond:
            // take it in the same call rather than through another round of
            // the event loop, for at most BatchMs in all.
            if (fromNotifier) {
                QElapsedTimer clock;
                clock.start();
                while (ran > 0 && running_ && GlobalSession && GlobalSession->outstanding() > 0 &&
                       clock.elapsed() < BatchMs)
                    ran = GlobalSession->wait_for_events(ReplyWaitMs);
            }
        } catch (const std::exception& e) {
            // A completion must not end the program from inside a timer event.
            qWarning("SNMP event processing: %s", e.what());
        }
    }
    processing_ = false;
    if (running_) {
        timer_->start();
        SetNotifiersEnabled(true);
    }
}

void SnmpEventProcessor::AttachSession()
{
    if (attached_ == GlobalSession)
        return;
    DetachSession();
    if (!GlobalSession)
        return;
    attached_ = GlobalSession;
    // The watcher reports the sockets that exist now and every later change.
    attached_->set_socket_watcher([this](int fd, bool added) { SocketChanged(fd, added); });
}

void SnmpEventProcessor::DetachSession()
{
    if (attached_ && attached_ == GlobalSession)
        attached_->set_socket_watcher(nullptr);
    attached_ = nullptr;
    for (auto& [fd, notifier] : notifiers_) {
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
    notifiers_.clear();
}

void SnmpEventProcessor::SocketChanged(int fd, bool added)
{
    auto it = notifiers_.find(fd);
    if (it != notifiers_.end()) {
        // The socket may be closed from inside the notifier's own signal:
        // disable at once, delete later.
        it->second->setEnabled(false);
        it->second->deleteLater();
        notifiers_.erase(it);
    }
    if (!added)
        return;
    auto* notifier = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    notifier->setEnabled(running_ && !processing_);
    connect(notifier, &QSocketNotifier::activated, this, [this] { Process(true); });
    notifiers_[fd] = notifier;
}

void SnmpEventProcessor::SetNotifiersEnabled(bool on)
{
    for (auto& [fd, notifier] : notifiers_)
        notifier->setEnabled(on);
}

SnmpEventProcessor& GlobalEventProcessor()
{
    static SnmpEventProcessor processor;
    return processor;
}
