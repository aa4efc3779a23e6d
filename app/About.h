// TAboutForm: the About box of the module.
#pragma once

#include "ui/TForm.h"

class TButton;
class TImage;
class TLabel;

inline constexpr const char* ABOUT_VERSION_TEXT = "Release Version 1.00";
inline constexpr const char* ABOUT_BUILD_TEXT = "Release Version 1.00Z08(Build 2007/2/8)";

class TAboutForm : public TForm
{
public:
    explicit TAboutForm(QWidget* owner = nullptr);

    TImage* Image2400;
    TImage* Image2400P;
    TImage* Image4800;
    TImage* Image4800P;
    TLabel* AboutLabel;
    TLabel* VersionLabel;
    TButton* BT_Ok;

    void FormActivate(TObject* sender);
    // Shift+Alt+F3 on the OK button shows the build.
    void BT_OkKeyDown(TObject* sender, WORD& key, TShiftState shift);
};
