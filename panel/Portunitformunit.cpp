#include "Portunitformunit.h"

#include "ui/TPanel.h"

#include <QFileInfo>

TPortUitForm::TPortUitForm(QWidget* owner) : TForm(owner)
{
    SetBorderStyle(bsNone);
    SetClientWidth(543);
    SetClientHeight(252);
    UnitPageControl = new TPageControl(this);
    UnitPageControl->SetName("UnitPageControl");
    UnitPageControl->SetAlign(alClient);
    DoCreate();
}

TPortUitForm::~TPortUitForm()
{
    DoDestroy();
}

int TPortUitForm::ModelPortCount(const QString& modelName)
{
    if (modelName == "VN-2400" || modelName == "VN-2400P")
        return 28;
    if (modelName == "VN-4800" || modelName == "VN-4800P")
        return 52;
    return 0;
}

void TPortUitForm::AddUnit(const QString& caption, int /*firstPort*/, int portCount, int perRow)
{
    auto* page = new TTabSheet(UnitPageControl);
    pages_.push_back(page);
    page->SetPageControl(UnitPageControl);
    page->SetCaption(caption);

    auto* box = new TScrollBox(page);
    box->SetAlign(alClient);

    if (QFileInfo::exists("DeviceInfo.ini"))
        perRow = 10;
    if (perRow <= 0)
        perRow = 1;

    for (int k = 0; k < portCount; ++k) {
        auto* cb = new TCheckBox(box);
        cb->SetVisible(false);
        const QString text = QString::number(k + 1);
        cb->SetCaption(text);
        cb->Font()->SetSize(8); // the form's font
        const int f = cb->Font()->Size();
        const int column = k % perRow;
        const int row = k / perRow;
        cb->SetLeft(f * column * 5 + 20);
        cb->SetWidth(int(text.size()) * f + 3 * f);
        cb->SetTop(row * cb->Height() + 4);
        checkBoxes_.push_back(cb);
    }
    page->SetTabVisible(false);
}

void TPortUitForm::ShowUnit(const QString& unitText, const QString& /*modelName*/, int /*unit*/,
                            int visiblePorts, int /*perRow*/)
{
    bool ok = false;
    const int unit = unitText.toInt(&ok);
    if (!ok || unit < 1 || unit > int(pages_.size()))
        return;
    TTabSheet* page = pages_[size_t(unit - 1)];
    page->SetVisible(true);
    UnitPageControl->SetActivePage(page);
    const int first = BoxesPerUnit * (unit - 1);
    for (int i = first; i < first + visiblePorts && i < int(checkBoxes_.size()); ++i)
        checkBoxes_[size_t(i)]->SetVisible(true);
}

void TPortUitForm::ClearChecks()
{
    for (auto* cb : checkBoxes_)
        cb->SetChecked(false);
}
