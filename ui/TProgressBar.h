// TProgressBar: Min, Max, Position and steps.
#pragma once

#include "TControl.h"

#include <QProgressBar>

class TProgressBar : public QProgressBar, public TControl
{
    Q_OBJECT
public:
    explicit TProgressBar(QWidget* parent = nullptr);

    int Min() const { return minimum(); }
    void SetMin(int m) { setMinimum(m); }
    int Max() const { return maximum(); }
    void SetMax(int m) { setMaximum(m); }
    int Position() const { return value(); }
    void SetPosition(int p);
    int Step() const { return step_; }
    void SetStep(int s) { step_ = s; }
    // Advances by Step; past Max it starts again at Min.
    void StepIt();
    void StepBy(int delta);

private:
    int step_ = 10;
};
