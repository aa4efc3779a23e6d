// LEDs that follow one status variable of the device. The request reads the
// variable on a poll timer, cuts the value into bytes and turns each LED's byte
// (or byte pair) into a colour through a value-to-colour map. LEDs whose
// activity bit is set flash for a few ticks after every reply.
#pragma once

#include "gui/QnSNMPRequest2Controls.h"
#include "ui/TShape.h"
#include "ui/TTimer.h"

#include <QPointer>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TPanel;
class TTimer;

// One entry of a static colour table; a colour of -1 ends the table.
struct QnLedColorEntry
{
    uint8_t Value;
    TColor Color;
};

class QnSNMPLedColorMapList
{
public:
    uint8_t ValueMask;
    uint8_t BlinkMask;
    TColor OffColor;
    // Colour of an LED whose byte is missing; -1 makes missing data an error.
    TColor NoDataColor;

    QnSNMPLedColorMapList(const QnLedColorEntry* table, uint8_t valueMask, uint8_t blinkMask, TColor offColor,
                          TColor noDataColor);
    void Append(const QnLedColorEntry* table);
    // The colour of the first entry with this value, black when there is none.
    TColor Lookup(uint8_t maskedValue) const;
    int Count() const { return int(entries_.size()); }

private:
    std::vector<QnLedColorEntry> entries_;
};

// The colours of the front panel's LEDs (Power, Console and the ports).
extern const QnLedColorEntry FrontPanelLedColors[];

struct QnLedBinding
{
    int Variable = 0;
    int ByteOffset = 0;
    const QnSNMPLedColorMapList* Map = nullptr;
    QPointer<TShape> Shape;
    bool Flashing = false;
    TColor Color = 0;
};

class QnSNMPRequest2Leds : public QnSNMPRequest2Controls
{
public:
    // Ticks after a reply during which flashing LEDs alternate.
    int FlashLimit = 6;
    int FlashCounter = 0;

    explicit QnSNMPRequest2Leds(QWidget* host);
    ~QnSNMPRequest2Leds() override;

    void AddLed(int variable, int byteOffset, const QnSNMPLedColorMapList* map, TShape* shape);
    // One LED per offset of the comma-separated list, each a new shape on the
    // host panel at left + i * (gap + width), top 1.
    void AddLedRow(int variable, const std::string& offsets, const QnSNMPLedColorMapList* map, TPanel* host,
                   int left, int gap, TShapeType kind, int width, int height);
    void SetDecodeMode(int mode, int plainCount);
    int DecodeMode() const { return decodeMode_; }
    int PlainCount() const { return plainCount_; }

    // Poll every interval * 10 ms, with a first read at once.
    void StartPolling(int interval);
    void StopPolling();

    int LedCount() const { return int(bindings_.size()); }
    const QnLedBinding& Led(int i) const { return *bindings_[size_t(i)]; }
    TTimer* PollTimer() const { return pollTimer_; }
    TTimer* FlashTimer() const { return flashTimer_; }

    // Paints every LED in its map's off colour.
    void PaintOff();
    // Shows every binding's colour, alternating the flashing ones.
    void Paint();
    void FlashTick();
    void PollTick();

    void ValuesReceived() override;              // 2
    void GetFailed(QnSNMPError* error) override; // 4
    virtual void DecodeLed(QnLedBinding& led);   // 8

private:
    std::vector<std::unique_ptr<QnLedBinding>> bindings_;
    QPointer<TTimer> pollTimer_;
    QPointer<TTimer> flashTimer_;
    int decodeMode_ = 1;
    int plainCount_ = 4;
};
