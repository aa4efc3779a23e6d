// TProgressForm: a small window with a prompt and a moving bar shown while a
// long device operation runs; it closes itself after 30 ticks of its timer
// unless the caller closes it first.
#pragma once

#include "ui/TForm.h"

class TLabel;
class TProgressBar;
class TTimer;

class TProgressForm : public TForm
{
public:
    static constexpr int Limit = 30;

    // parent: the window the progress window belongs to.
    explicit TProgressForm(QWidget* parent);

    TLabel* LB_Prompt;
    TProgressBar* ProgressBar;
    TTimer* ProgressTimer;

    void ProgressTimerTimer(TObject* sender);

protected:
    // The position at which the window closes itself.
    virtual int CloseLimit() const { return Limit; }
    void FormClose(TObject* sender, TCloseAction& action);
};

// Builds the controls shared by both progress windows.
void BuildProgressForm(TForm& form, TLabel*& prompt, TProgressBar*& bar, TTimer*& timer);
// One tick: close at the limit, else advance (wrapping at the maximum).
void ProgressTick(TForm& form, TProgressBar& bar, int limit);
