#include "app/Progress.h"

#include "ui/TLabel.h"
#include "ui/TProgressBar.h"
#include "ui/TTimer.h"

void BuildProgressForm(TForm& form, TLabel*& prompt, TProgressBar*& bar, TTimer*& timer)
{
    form.SetBorderStyle(bsDialog);
    form.SetBorderIcons(TBorderIcons());
    form.SetPosition(poOwnerFormCenter);
    form.SetCaption("Progress");
    form.SetClientWidth(358);
    form.SetClientHeight(66);
    prompt = new TLabel(&form);
    prompt->SetName("LB_Prompt");
    prompt->SetBounds(8, 8, 342, 16);
    prompt->Font()->SetStyle(fsBold);
    bar = new TProgressBar(&form);
    bar->SetName("ProgressBar");
    bar->SetBounds(8, 34, 342, 20);
    bar->SetMin(0);
    bar->SetMax(76);
    timer = new TTimer(&form);
    timer->SetInterval(1000);
    timer->SetEnabled(true);
}

void ProgressTick(TForm& form, TProgressBar& bar, int limit)
{
    if (bar.Position() >= limit) {
        form.Close();
        return;
    }
    bar.SetPosition(bar.Position() + 1);
    if (bar.Position() == bar.Max())
        bar.SetPosition(bar.Min());
}

TProgressForm::TProgressForm(QWidget* parent) : TForm(parent)
{
    SetName("ProgressForm");
    BuildProgressForm(*this, LB_Prompt, ProgressBar, ProgressTimer);
    ProgressTimer->OnTimer = [this](TObject* s) { ProgressTimerTimer(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    DoCreate();
}

void TProgressForm::ProgressTimerTimer(TObject*)
{
    ProgressTick(*this, *ProgressBar, CloseLimit());
}

void TProgressForm::FormClose(TObject*, TCloseAction&)
{
    ProgressTimer->SetEnabled(false);
}
