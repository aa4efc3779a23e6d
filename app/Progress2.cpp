#include "app/Progress2.h"

#include "ui/TTimer.h"

TProgressForm2::TProgressForm2(QWidget* parent) : TForm(parent)
{
    SetName("ProgressForm2");
    BuildProgressForm(*this, LB_Prompt, ProgressBar, ProgressTimer);
    ProgressTimer->OnTimer = [this](TObject* s) { ProgressTimerTimer(s); };
    OnClose = [this](TObject*, TCloseAction&) { ProgressTimer->SetEnabled(false); };
    DoCreate();
}

void TProgressForm2::ProgressTimerTimer(TObject*)
{
    ProgressTick(*this, *ProgressBar, Limit);
}
