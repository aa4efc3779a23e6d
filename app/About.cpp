#include "app/About.h"

#include "ui/TButton.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

TAboutForm::TAboutForm(QWidget* owner) : TForm(owner)
{
    SetName("AboutForm");
    SetBorderStyle(bsDialog);
    SetPosition(poOwnerFormCenter);
    SetClientWidth(323);
    SetClientHeight(105);
    auto makeImage = [this](const char* name) {
        auto* image = new TImage(this);
        image->SetName(name);
        image->SetBounds(16, 16, 32, 32);
        return image;
    };
    Image2400 = makeImage("Image2400");
    Image2400P = makeImage("Image2400P");
    Image4800 = makeImage("Image4800");
    Image4800P = makeImage("Image4800P");
    AboutLabel = new TLabel(this);
    AboutLabel->SetName("AboutLabel");
    AboutLabel->SetBounds(64, 16, 250, 16);
    VersionLabel = new TLabel(this);
    VersionLabel->SetName("VersionLabel");
    VersionLabel->SetBounds(64, 40, 250, 16);
    VersionLabel->SetCaption(ABOUT_VERSION_TEXT);
    BT_Ok = new TButton(this);
    BT_Ok->SetName("BT_Ok");
    BT_Ok->SetCaption("OK");
    BT_Ok->SetBounds(124, 72, 75, 25);
    BT_Ok->SetModalResult(mrOk);
    BT_Ok->SetDefault(true);
    BT_Ok->OnKeyDown = [this](TObject* s, WORD& k, TShiftState sh) { BT_OkKeyDown(s, k, sh); };
    OnActivate = [this](TObject* s) { FormActivate(s); };
    DoCreate();
}

void TAboutForm::FormActivate(TObject*)
{
    Image2400->SetVisible(true);
    Image2400P->SetVisible(false);
    Image4800->SetVisible(false);
    Image4800P->SetVisible(false);
    AboutLabel->SetCaption("VN-2400 Management Module");
    SetCaption("About VN-2400 Module");
}

void TAboutForm::BT_OkKeyDown(TObject*, WORD& key, TShiftState shift)
{
    if (key == VK_F3 && (shift & ssShift) && (shift & ssAlt))
        VersionLabel->SetCaption(ABOUT_BUILD_TEXT);
}
