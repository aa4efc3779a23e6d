// TProgressForm2: the progress window whose closing limit is a field (30 at
// creation).
#pragma once

#include "app/Progress.h"

class TProgressForm2 : public TForm
{
public:
    explicit TProgressForm2(QWidget* parent);

    TLabel* LB_Prompt;
    TProgressBar* ProgressBar;
    TTimer* ProgressTimer;
    int Limit = 30;

    void ProgressTimerTimer(TObject* sender);
};
