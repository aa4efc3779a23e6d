#include "QnSNMPRequest2Leds.h"

#include "mib/QnErrorCatalogue.h"
#include "mib/QnException.h"
#include "mib/QnOptionList.h"
#include "mib/QnValueText.h"
#include "ui/TPanel.h"
#include "ui/TTimer.h"

#include <sstream>

namespace {
constexpr TColor RGBColor(int r, int g, int b)
{
    return TColor(r | (g << 8) | (b << 16));
}
} // namespace

const QnLedColorEntry FrontPanelLedColors[] = {
    {0, RGBColor(255, 255, 255)},
    {1, RGBColor(255, 255, 255)},
    {2, RGBColor(0, 255, 0)},
    {3, RGBColor(0, 255, 0)},
    {4, RGBColor(0, 0, 255)},
    {5, RGBColor(255, 0, 0)},
    {0, -1},
};

// --- colour map ---------------------------------------------------------------

QnSNMPLedColorMapList::QnSNMPLedColorMapList(const QnLedColorEntry* table, uint8_t valueMask,
                                             uint8_t blinkMask, TColor offColor, TColor noDataColor)
    : ValueMask(valueMask), BlinkMask(blinkMask), OffColor(offColor), NoDataColor(noDataColor)
{
    Append(table);
}

void QnSNMPLedColorMapList::Append(const QnLedColorEntry* table)
{
    for (; table && table->Color != -1; ++table)
        entries_.push_back(*table);
}

TColor QnSNMPLedColorMapList::Lookup(uint8_t maskedValue) const
{
    for (const auto& e : entries_)
        if (e.Value == maskedValue)
            return e.Color;
    return 0;
}

// --- request --------------------------------------------------------------------

QnSNMPRequest2Leds::QnSNMPRequest2Leds(QWidget* host) : QnSNMPRequest2Controls(host)
{
    Mode = REQ_MODE_ASYNC;
    pollTimer_ = new TTimer(host);
    pollTimer_->SetEnabled(false);
    pollTimer_->OnTimer = [this](TObject*) { PollTick(); };
    flashTimer_ = new TTimer(host);
    flashTimer_->SetInterval(60);
    flashTimer_->OnTimer = [this](TObject*) { FlashTick(); };
    flashTimer_->SetEnabled(true);
}

QnSNMPRequest2Leds::~QnSNMPRequest2Leds()
{
    BeginDestruction();
    StopPolling();
    // The timers belong to the host; make sure they never call back into a
    // request that is gone.
    if (pollTimer_)
        pollTimer_->OnTimer = nullptr;
    if (flashTimer_)
        flashTimer_->OnTimer = nullptr;
    bindings_.clear();
}

static void PaintShape(TShape* shape, TColor c)
{
    if (!shape)
        return;
    if (shape->Brush()->Color() != c)
        shape->Brush()->SetColor(c);
    if (shape->Pen()->Color() != c)
        shape->Pen()->SetColor(c);
}

void QnSNMPRequest2Leds::AddLed(int variable, int byteOffset, const QnSNMPLedColorMapList* map, TShape* shape)
{
    auto b = std::make_unique<QnLedBinding>();
    b->Variable = variable;
    b->ByteOffset = byteOffset;
    b->Map = map;
    b->Shape = shape;
    b->Color = map->OffColor;
    PaintShape(shape, map->OffColor);
    if (shape)
        shape->Show();
    bindings_.push_back(std::move(b));
}

void QnSNMPRequest2Leds::AddLedRow(int variable, const std::string& offsets, const QnSNMPLedColorMapList* map,
                                   TPanel* host, int left, int gap, TShapeType kind, int width, int height)
{
    std::istringstream in(offsets);
    std::string item;
    int i = 0;
    while (std::getline(in, item, ',')) {
        size_t used = 0;
        int offset = 0;
        try {
            offset = std::stoi(item, &used);
        } catch (const std::exception&) {
            RaiseError(QNERR_PARTIAL_RANGE);
        }
        auto* shape = new TShape(host);
        shape->SetShape(kind);
        shape->SetBounds(left + i * (gap + width), 1, width, height);
        shape->Show();
        AddLed(variable, offset, map, shape);
        ++i;
    }
    host->SetBevelInner(bvNone);
    host->SetBevelOuter(bvNone);
}

void QnSNMPRequest2Leds::SetDecodeMode(int mode, int plainCount)
{
    decodeMode_ = mode <= 0 ? 1 : mode;
    plainCount_ = plainCount <= 0 ? 4 : plainCount;
}

void QnSNMPRequest2Leds::StartPolling(int interval)
{
    pollTimer_->SetInterval(interval * 10);
    pollTimer_->SetEnabled(true);
    PollTick();
}

void QnSNMPRequest2Leds::StopPolling()
{
    if (pollTimer_)
        pollTimer_->SetEnabled(false);
    if (flashTimer_)
        flashTimer_->SetEnabled(false);
    PaintOff();
}

void QnSNMPRequest2Leds::PaintOff()
{
    for (auto& b : bindings_)
        PaintShape(b->Shape, b->Map->OffColor);
}

void QnSNMPRequest2Leds::PollTick()
{
    try {
        Get();
    } catch (const QnException& e) {
        PaintOff();
        ShowStatus(e.Text());
    } catch (const std::exception& e) {
        PaintOff();
        ShowStatus(e.what());
    }
}

void QnSNMPRequest2Leds::FlashTick()
{
    Paint();
}

void QnSNMPRequest2Leds::Paint()
{
    bool anyFlashing = false;
    for (auto& b : bindings_) {
        TShape* shape = b->Shape;
        if (!b->Flashing) {
            PaintShape(shape, b->Color);
        } else {
            anyFlashing = true;
            const bool dark = shape && shape->Brush()->Color() == b->Map->OffColor;
            PaintShape(shape, (dark || FlashCounter > FlashLimit) ? b->Color : b->Map->OffColor);
        }
        if (shape)
            shape->Show();
    }
    if (anyFlashing)
        ++FlashCounter;
}

void QnSNMPRequest2Leds::ValuesReceived()
{
    FlashCounter = 0;
    for (auto& b : bindings_)
        DecodeLed(*b);
    Paint();
}

void QnSNMPRequest2Leds::GetFailed(QnSNMPError* error)
{
    StatusKind = STATUS_KIND_GET;
    PaintOff();
    for (auto& b : bindings_) {
        b->Flashing = false;
        b->Color = b->Map->OffColor;
    }
    ShowStatus(error ? error->Text : std::string());
}

void QnSNMPRequest2Leds::DecodeLed(QnLedBinding& led)
{
    const QnSNMPVar& var = Variables.Get(led.Variable);
    std::string text = var.Value;
    if (var.Options)
        text = var.Options->NameToValue(text);
    std::string bytes = TextToPacked(text, var.Syntax);
    if (var.Syntax == SYN_DISPLAYSTR) {
        // A display string ends at its first zero byte.
        const size_t zero = bytes.find('\0');
        if (zero != std::string::npos)
            bytes.resize(zero);
    }
    const int n = int(bytes.size());
    const QnSNMPLedColorMapList& map = *led.Map;
    if (led.ByteOffset < 0 || led.ByteOffset >= n) {
        if (map.NoDataColor == -1)
            RaiseError(QNERR_PARTIAL_RANGE);
        led.Color = map.NoDataColor;
        led.Flashing = false;
        return;
    }
    const uint8_t b = uint8_t(bytes[size_t(led.ByteOffset)]);
    if (decodeMode_ == 1 || led.ByteOffset < plainCount_) {
        led.Color = map.Lookup(uint8_t(b & map.ValueMask));
        led.Flashing = (b & map.BlinkMask) != 0;
        return;
    }
    if (b == 1) {
        led.Flashing = false;
        led.Color = map.NoDataColor;
        return;
    }
    led.Flashing = (b & map.BlinkMask) != 0;
    if (led.ByteOffset + 1 < n)
        led.Color = map.Lookup(uint8_t(uint8_t(bytes[size_t(led.ByteOffset) + 1]) & map.ValueMask));
    else
        led.Color = map.NoDataColor;
}
