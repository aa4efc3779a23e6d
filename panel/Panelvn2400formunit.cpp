#include "Panelvn2400formunit.h"

#include "gui/Guiconfigform.h"
#include "gui/QnSNMPRequest2Edits.h"
#include "ui/TApplication.h"
#include "ui/TStatusBar.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QThread>

namespace {
const QnSNMPVarDesc LedStatusDesc[] = {
    {"1.3.6.1.4.1.98762.11.63.6.2.1.1.5", "swL2DevInfoFrontPanelLedStatus", SYN_DISPLAYSTR, ACC_READONLY,
     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

// The form resource's geometry of the buttons of ports 1 to 24.
const QRect CopperResource[24] = {
    {338, 25, 25, 23}, {337, 49, 24, 24}, {363, 25, 25, 23}, {363, 49, 26, 24}, {388, 25, 25, 23},
    {390, 49, 23, 24}, {412, 25, 23, 23}, {413, 49, 22, 24}, {436, 25, 27, 23}, {436, 49, 25, 24},
    {462, 24, 25, 24}, {463, 49, 25, 24}, {499, 25, 25, 23}, {500, 49, 23, 24}, {523, 25, 25, 23},
    {524, 49, 25, 24}, {546, 25, 25, 23}, {550, 49, 23, 24}, {573, 25, 25, 23}, {574, 49, 23, 24},
    {596, 25, 25, 23}, {597, 49, 24, 24}, {622, 25, 25, 23}, {622, 49, 24, 24},
};

const QRect ComboGeometry[6] = {
    {660, 30, 21, 15}, {660, 54, 21, 15}, {692, 27, 22, 23},
    {692, 49, 22, 23}, {720, 27, 22, 23}, {720, 49, 22, 23},
};
const char* const ComboHints[6] = {"25.101", "26.101", "25.100", "26.100", "27.100", "28.100"};

const int LedColumnLeft[7] = {109, 124, 139, 153, 167, 182, 211};
const int LedRowTop[4] = {26, 43, 60, 76};

const QnSNMPVarDesc* portInformationTable = nullptr;
const QnSNMPVarDesc* portControlTable = nullptr;

// The geometry every port button ends with after creation.
QRect PortButtonGeometry(int n)
{
    if (n > 24)
        return ComboGeometry[n - 25];
    QRect r = CopperResource[n - 1];
    r.moveTop(n % 2 ? 25 : 49);
    if (n < 13)
        r.moveLeft(n % 2 ? 337 + 25 * (n - 1) / 2 : 337 + 25 * (n - 2) / 2);
    return r;
}

QRect PortLedGeometry(int p)
{
    const int column = (p - 1) / 4, row = (p - 1) % 4;
    int top = LedRowTop[row];
    if (p == 1 || p == 25)
        top = 25;
    if (p == 28)
        top = 77;
    return QRect(LedColumnLeft[column], top, 7, 7);
}

void DrawRj45(QPainter& p, const QRect& r, bool flipped)
{
    p.setPen(QColor(20, 20, 20));
    p.setBrush(QColor(150, 152, 156));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRect hole = r.adjusted(3, 3, -4, -4);
    p.setBrush(QColor(18, 18, 20));
    p.drawRect(hole);
    // latch slot
    const int w = hole.width() / 2;
    const int x = hole.center().x() - w / 2 + 1;
    const QRect latch = flipped ? QRect(x, hole.bottom() - 3, w, 4) : QRect(x, hole.top(), w, 4);
    p.setBrush(QColor(150, 152, 156));
    p.setPen(Qt::NoPen);
    p.drawRect(latch);
    // contacts
    p.setPen(QColor(200, 170, 60));
    const int cy = flipped ? hole.top() + 2 : hole.bottom() - 2;
    for (int i = 0; i < 6; ++i) {
        const int cx = hole.left() + 3 + i * (hole.width() - 5) / 6;
        p.drawLine(cx, cy, cx, cy);
    }
}
} // namespace

void TPanelVN2400Form::SetPortPageTables(const QnSNMPVarDesc* information, const QnSNMPVarDesc* control)
{
    portInformationTable = information;
    portControlTable = control;
}

QPixmap TPanelVN2400Form::DrawFrontPlate()
{
    QPixmap pix(PlateWidth, PlateHeight);
    pix.fill(QColor(44, 46, 52));
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing, false);

    // Chassis with mounting ears.
    QLinearGradient g(0, 0, 0, PlateHeight);
    g.setColorAt(0, QColor(88, 92, 100));
    g.setColorAt(1, QColor(52, 55, 62));
    p.fillRect(QRect(0, 0, PlateWidth, PlateHeight), g);
    p.setPen(QColor(25, 26, 30));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, PlateWidth - 1, PlateHeight - 1);
    p.setPen(QColor(120, 124, 132));
    p.drawLine(1, 1, PlateWidth - 2, 1);
    for (int x : {6, PlateWidth - 14}) {
        p.setPen(QColor(25, 26, 30));
        p.setBrush(QColor(30, 31, 35));
        p.drawEllipse(QRect(x, 20, 8, 8));
        p.drawEllipse(QRect(x, 68, 8, 8));
    }

    QFont small("Sans");
    small.setPixelSize(8);
    QFont title("Sans");
    title.setPixelSize(13);
    title.setBold(true);

    // Model name.
    p.setFont(title);
    p.setPen(QColor(230, 232, 236));
    p.drawText(QRect(20, 4, 120, 16), Qt::AlignLeft | Qt::AlignVCenter, "VN-2400");
    p.setFont(small);
    p.setPen(QColor(180, 184, 190));
    p.drawText(QRect(240, 6, 300, 12), Qt::AlignLeft | Qt::AlignVCenter,
               "24-Port 10/100 + 4 Gigabit Managed Switch");

    // Power and Console labels next to their LEDs.
    p.setPen(QColor(210, 212, 216));
    p.drawText(QRect(33, 51, 50, 11), Qt::AlignLeft | Qt::AlignVCenter, "Power");
    p.drawText(QRect(33, 73, 50, 11), Qt::AlignLeft | Qt::AlignVCenter, "Console");

    // LED block: a recessed field with the port numbers beside each LED.
    p.setPen(QColor(28, 29, 33));
    p.setBrush(QColor(36, 38, 43));
    p.drawRect(QRect(100, 20, 128, 68));
    p.setPen(QColor(170, 174, 180));
    for (int port = 1; port <= 28; ++port) {
        const QRect led = PortLedGeometry(port);
        p.drawText(QRect(led.right() + 1, led.top() - 2, 12, 10), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(port));
    }

    // Copper ports 1-24: two rows, in groups of twelve.
    p.setPen(QColor(28, 29, 33));
    p.setBrush(QColor(36, 38, 43));
    p.drawRect(QRect(332, 19, 158, 58));
    p.drawRect(QRect(494, 19, 158, 58));
    for (int n = 1; n <= 24; ++n)
        DrawRj45(p, PortButtonGeometry(n), n % 2 == 0);
    p.setPen(QColor(190, 194, 200));
    for (int n = 1; n <= 24; ++n) {
        const QRect r = PortButtonGeometry(n);
        const QRect label = n % 2 ? QRect(r.left(), 13, r.width(), 11) : QRect(r.left(), 73, r.width(), 11);
        p.drawText(label, Qt::AlignCenter, QString::number(n));
    }

    // Fibre slots 25 and 26 and the combination copper ports 25-28.
    p.setPen(QColor(28, 29, 33));
    p.setBrush(QColor(36, 38, 43));
    p.drawRect(QRect(655, 19, 93, 58));
    for (int i = 0; i < 2; ++i) {
        const QRect r = ComboGeometry[i];
        p.setPen(QColor(20, 20, 20));
        p.setBrush(QColor(165, 168, 172));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setBrush(QColor(15, 15, 18));
        p.drawRect(r.adjusted(3, 4, -4, -5));
    }
    for (int i = 2; i < 6; ++i)
        DrawRj45(p, ComboGeometry[i], ComboGeometry[i].top() > 40);
    p.setPen(QColor(190, 194, 200));
    p.drawText(QRect(655, 72, 30, 12), Qt::AlignCenter, "SFP");
    p.drawText(QRect(686, 13, 62, 12), Qt::AlignCenter, "25   27");
    p.drawText(QRect(686, 73, 62, 12), Qt::AlignCenter, "26   28");
    return pix;
}

TPanelVN2400Form::TPanelVN2400Form(QWidget* owner, TStatusPanel* statusPanel)
    : TForm(owner), statusPanel_(statusPanel)
{
    SetName("PanelVN2400Form");
    SetBorderStyle(bsNone);
    SetClientWidth(PlateWidth);
    SetClientHeight(PlateHeight);

    Image1 = new TImage(this);
    Image1->SetName("Image1");
    Image1->SetStretch(true);
    Image1->SetBounds(0, 0, PlateWidth, PlateHeight);
    Image1->SetAlign(alClient);
    Image1->SetPicture(DrawFrontPlate());
    Image1->OnClick = TNotifyEvent(this, &TPanelVN2400Form::Image1Click);

    for (int n = 1; n <= 30; ++n) {
        auto* b = new TSpeedButton(this);
        b->SetName(QString("SpeedButton%1").arg(n));
        const QRect r = n <= 24 ? CopperResource[n - 1] : ComboGeometry[n - 25];
        b->SetBounds(r.x(), r.y(), r.width(), r.height());
        b->SetGroupIndex(1);
        b->SetAllowAllUp(true);
        b->SetShowHint(true);
        b->OnClick = TNotifyEvent(this, &TPanelVN2400Form::SpeedButton1Click);
        b->OnDblClick = TNotifyEvent(this, &TPanelVN2400Form::SpeedButton1DblClick);
        b->setStyleSheet("QToolButton { background: transparent; border: none; }"
                         "QToolButton:checked { background: rgba(255, 220, 40, 90);"
                         " border: 2px solid rgb(255, 200, 0); }"
                         "QToolButton:hover:!checked { border: 1px solid rgba(255, 255, 255, 160); }");
        SpeedButtons[n - 1] = b;
    }

    PowerLedPanel = new TPanel(this);
    PowerLedPanel->SetName("PowerLedPanel");
    ConsoleLedPanel = new TPanel(this);
    ConsoleLedPanel->SetName("ConsoleLedPanel");
    for (int p = 1; p <= 28; ++p) {
        auto* panel = new TPanel(this);
        panel->SetName(QString("Port%1LedPanel").arg(p));
        const QRect r = PortLedGeometry(p);
        panel->SetBounds(r.x(), r.y(), r.width(), r.height());
        PortLedPanels[p - 1] = panel;
    }
    for (TPanel* panel : PortLedPanels)
        panel->SetColor(clBlack);

    OnCreate = TNotifyEvent(this, &TPanelVN2400Form::FormCreate);
    OnClose = TCloseEvent(this, &TPanelVN2400Form::FormClose);
    DoCreate();
}

TPanelVN2400Form::~TPanelVN2400Form()
{
    ReleaseLeds();
    DoDestroy();
}

void TPanelVN2400Form::FormCreate(TObject*)
{
    for (int n = 1; n <= 24; ++n)
        SpeedButton(n)->SetHint(QString("%1.100").arg(n));
    for (int i = 0; i < 6; ++i)
        SpeedButton(25 + i)->SetHint(ComboHints[i]);

    PowerLedPanel->SetBounds(23, 53, 7, 7);
    ConsoleLedPanel->SetBounds(23, 75, 7, 7);

    for (int n = 1; n <= 24; ++n) {
        const QRect r = PortButtonGeometry(n);
        SpeedButton(n)->SetBounds(r.x(), r.y(), r.width(), r.height());
    }
    for (int n = 25; n <= 30; ++n) {
        const QRect r = PortButtonGeometry(n);
        SpeedButton(n)->SetBounds(r.x(), r.y(), r.width(), r.height());
    }
    PortLedPanel(1)->SetBounds(109, 25, 7, 7);

    try {
        systemMap_ = std::make_unique<QnSNMPLedColorMapList>(FrontPanelLedColors, 7, 128, clBlack, clWhite);
        portMap_ = std::make_unique<QnSNMPLedColorMapList>(FrontPanelLedColors, 7, 128, clBlack, clWhite);
        leds_ = std::make_unique<QnSNMPRequest2Leds>(this);
        leds_->Variables = QnSNMPVarList(LedStatusDesc, MVT_SV, 0);
        leds_->Variables.InstanceText = "0";
        leds_->SetDecodeMode(2, 2);
        leds_->AddLedRow(0, "0", systemMap_.get(), PowerLedPanel, 1, 10, stRectangle, 5, 5);
        leds_->AddLedRow(0, "1", systemMap_.get(), ConsoleLedPanel, 1, 10, stRectangle, 5, 5);
        for (int p = 1; p <= 28; ++p)
            leds_->AddLedRow(0, std::to_string(2 * p), portMap_.get(), PortLedPanel(p), 1, 6, stRectangle, 5,
                             5);
        if (statusPanel_)
            leds_->SetStatusTarget(statusPanel_);
        leds_->Variables.Title = " Led Status";
        leds_->StartPolling(500);
    } catch (const std::exception&) {
        // The panel still shows the picture and the buttons.
    }
}

void TPanelVN2400Form::ReleaseLeds()
{
    if (!leds_)
        return;
    leds_->StopPolling();
    leds_->Enabled = false;
    while (leds_->Busy || leds_->Outstanding > 0) {
        ProcessMessages();
        QThread::msleep(5);
    }
    leds_.reset();
}

void TPanelVN2400Form::FormClose(TObject*, TCloseAction& action)
{
    ReleaseLeds();
    action = caFree;
}

void TPanelVN2400Form::SpeedButton1Click(TObject* sender)
{
    auto* button = dynamic_cast<TSpeedButton*>(sender);
    if (!button)
        return;
    if (selected_ && selected_ != button)
        selected_->SetDown(false);
    selected_ = button;
    button->SetDown(true);
}

void TPanelVN2400Form::Image1Click(TObject*)
{
    if (selected_)
        selected_->SetDown(false);
}

void TPanelVN2400Form::SpeedButton1DblClick(TObject* sender)
{
    auto* button = dynamic_cast<TSpeedButton*>(sender);
    if (!button || !portInformationTable || !portControlTable)
        return;
    const std::string instance = button->Hint().toStdString();
    auto form = std::make_unique<TConfigForm>(nullptr);
    form->SetupPages();
    auto makePage = [&](const QnSNMPVarDesc* table, int indexCount) {
        auto* request = new QnSNMPRequest2Edits(form.get());
        request->Variables = QnSNMPVarList(table, MVT_SV, indexCount);
        if (request->Variables.Count() > 0)
            request->Variables.Get(0).Access = ACC_READONLY;
        request->Variables.InstanceText = instance;
        return request;
    };
    form->AddPage("Port Information", makePage(portInformationTable, 1));
    form->AddPage("Port Control", makePage(portControlTable, 2));
    form->SetCaption("Port Configuration");
    form->ShowModal();
}

TPanelVN2400Form* HostFrontPanel(TForm* mainWindow, TScrollBox* scrollBox, TStatusBar* statusBar)
{
    TStatusPanel* status = nullptr;
    if (statusBar && statusBar->Panels()->Count() > 0)
        status = statusBar->Panels()->Items(0);
    auto* panel = new TPanelVN2400Form(mainWindow, status);
    const int w = panel->ClientWidth();
    const int h = panel->ClientHeight();
    scrollBox->SetAlign(alNone);
    panel->SetParent(scrollBox);
    panel->SetLeft(0);
    panel->SetTop(0);
    const int barHeight = statusBar ? statusBar->Height() : 0;
    mainWindow->SetClientWidth(w + 3);
    mainWindow->SetClientHeight(h + barHeight + 3);
    scrollBox->SetAlign(alClient);
    panel->Show();
    if (mainWindow->Width() < panel->Width())
        mainWindow->SetWidth(panel->Width() + 4);
    return panel;
}
