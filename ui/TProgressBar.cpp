#include "TProgressBar.h"

TProgressBar::TProgressBar(QWidget* parent) : QProgressBar(ClientOf(parent)), TControl(this)
{
    resize(150, 16);
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
    InitVisible();
}

void TProgressBar::SetPosition(int p)
{
    setValue(std::clamp(p, minimum(), maximum()));
}

void TProgressBar::StepIt()
{
    int p = value() + step_;
    // Past the end it starts over from the beginning.
    if (p > maximum() && maximum() > minimum())
        p = (p - minimum()) % (maximum() - minimum()) + minimum();
    SetPosition(p);
}

void TProgressBar::StepBy(int delta)
{
    SetPosition(value() + delta);
}
