// The picture of the switch's front: the front plate, one selectable button per
// port connector and 30 LED squares (Power, Console and 28 ports) that follow
// the device every five seconds. Double-clicking a port button opens that
// port's configuration window.
#pragma once

#include "QnSNMPRequest2Leds.h"
#include "mib/QnSNMPVarDesc.h"
#include "ui/TButton.h"
#include "ui/TForm.h"
#include "ui/TImage.h"
#include "ui/TPanel.h"

#include <QPixmap>
#include <memory>

class TScrollBox;
class TStatusBar;
class TStatusPanel;

class TPanelVN2400Form : public TForm
{
    Q_OBJECT
public:
    static constexpr int PlateWidth = 764;
    static constexpr int PlateHeight = 96;

    // statusPanel: where LED read errors go (the main window's status bar
    // panel 0); may be null.
    explicit TPanelVN2400Form(QWidget* owner = nullptr, TStatusPanel* statusPanel = nullptr);
    ~TPanelVN2400Form() override;

    TImage* Image1;
    TSpeedButton* SpeedButtons[30]; // SpeedButton1 .. SpeedButton30
    TPanel* PowerLedPanel;
    TPanel* ConsoleLedPanel;
    TPanel* PortLedPanels[28]; // Port1LedPanel .. Port28LedPanel

    TSpeedButton* SpeedButton(int n) const { return SpeedButtons[n - 1]; }
    TPanel* PortLedPanel(int p) const { return PortLedPanels[p - 1]; }
    TSpeedButton* SelectedButton() const { return selected_; }
    QnSNMPRequest2Leds* LedRequest() const { return leds_.get(); }

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void SpeedButton1Click(TObject* sender);
    void SpeedButton1DblClick(TObject* sender);
    void Image1Click(TObject* sender);

    // Stops polling, waits for a read in flight and destroys the LED request.
    void ReleaseLeds();

    // Descriptor tables of the two pages of the port configuration window
    // ("Port Information" and "Port Control"); the application registers the
    // catalogue's tables. Without them a double-click opens nothing.
    static void SetPortPageTables(const QnSNMPVarDesc* information, const QnSNMPVarDesc* control);

    // The front plate of a 24+4-port switch, drawn at 764 by 96.
    static QPixmap DrawFrontPlate();

private:
    std::unique_ptr<QnSNMPLedColorMapList> systemMap_;
    std::unique_ptr<QnSNMPLedColorMapList> portMap_;
    std::unique_ptr<QnSNMPRequest2Leds> leds_;
    TSpeedButton* selected_ = nullptr;
    TStatusPanel* statusPanel_ = nullptr;
};

// Creates the front panel owned by the main window, places it at the top left
// of the scroll box, sizes the main window's client area to the panel (plus the
// status bar) and shows it. LED errors go to the status bar's panel 0.
TPanelVN2400Form* HostFrontPanel(TForm* mainWindow, TScrollBox* scrollBox, TStatusBar* statusBar);
