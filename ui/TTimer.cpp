#include "TTimer.h"

#include <QTimer>

TTimer::TTimer(QObject* owner) : QObject(owner), timer_(new QTimer(this))
{
    connect(timer_, &QTimer::timeout, this, [this] { Fire(); });
    Update();
}

TTimer::~TTimer() = default;

void TTimer::SetInterval(int ms)
{
    interval_ = ms < 0 ? 0 : ms;
    Update();
}

void TTimer::SetEnabled(bool e)
{
    enabled_ = e;
    Update();
}

void TTimer::Update()
{
    if (enabled_ && interval_ > 0)
        timer_->start(interval_);
    else
        timer_->stop();
}

void TTimer::Fire()
{
    OnTimer(this);
}
