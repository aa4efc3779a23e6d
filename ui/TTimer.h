// TTimer: calls OnTimer every Interval milliseconds while Enabled (and a
// handler is set). Changing Interval or enabling it starts the period anew.
#pragma once

#include "VclTypes.h"

#include <QObject>

class QTimer;

class TTimer : public QObject, public TObject
{
    Q_OBJECT
public:
    explicit TTimer(QObject* owner = nullptr);
    ~TTimer() override;

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    int Tag() const { return tag_; }
    void SetTag(int t) { tag_ = t; }

    TNotifyEvent OnTimer;

private:
    void Update();
    void Fire();
    QTimer* timer_;
    int interval_ = 1000;
    bool enabled_ = true;
    int tag_ = 0;
};
