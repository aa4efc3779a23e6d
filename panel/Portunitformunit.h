// The port selection panel: one page per switch unit, on it one check box per
// port, numbered from 1. A host window places it in a group box and binds the
// check boxes, in order, to the bits of a port-list variable.
#pragma once

#include "ui/TCheckBox.h"
#include "ui/TForm.h"
#include "ui/TPageControl.h"

#include <QString>
#include <vector>

class TPortUitForm : public TForm
{
    Q_OBJECT
public:
    static constexpr int BoxesPerUnit = 64;

    explicit TPortUitForm(QWidget* owner = nullptr);
    ~TPortUitForm() override;

    TPageControl* UnitPageControl;

    // Adds a unit page with portCount check boxes (hidden), perRow to a row;
    // with a "DeviceInfo.ini" in the working folder, 10 to a row.
    void AddUnit(const QString& caption, int firstPort, int portCount, int perRow);
    // Shows the unit's page and its first visiblePorts check boxes. Errors
    // (a unit without a page) are swallowed.
    void ShowUnit(const QString& unitText, const QString& modelName, int unit, int visiblePorts, int perRow);
    void ClearChecks();

    const std::vector<TCheckBox*>& PortCheckBoxes() const { return checkBoxes_; }
    const std::vector<TTabSheet*>& UnitPages() const { return pages_; }

    // Ports of a model: 28 for "VN-2400"/"VN-2400P", 52 for "VN-4800"/"VN-4800P", else 0.
    static int ModelPortCount(const QString& modelName);

private:
    std::vector<TTabSheet*> pages_;
    std::vector<TCheckBox*> checkBoxes_;
};
