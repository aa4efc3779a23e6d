// Date-time text of the DateAndTime record and the date-time number.
#include "FuzzCheck.h"
#include "mib/QnDateTime.h"
#include "mib/QnValueText.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = Text(data, size);
    QnDateTime record(2000, 1, 1, 0, 0, 0);
    record.FromText(text);
    const std::string shown = record.ToText();
    QnDateTime again(1, 2, 3, 4, 5, 6, 7, '-', 8, 9);
    FUZZ_CHECK(again.FromText(shown) >= 7);
    FUZZ_CHECK(again.ToText() == shown);
    FUZZ_CHECK(PackedToText(TextToPacked(shown, 74), 74) == shown);

    // Raw record bytes.
    FUZZ_CHECK(!DateAndTimeBytesToText(data, size).empty() || size == 0);
    QnDateTime wire(0, 0, 0, 0, 0, 0);
    if (wire.FromWire(data, size)) {
        QnDateTime copy(0, 0, 0, 0, 0, 0);
        copy.FromText(wire.ToText());
        FUZZ_CHECK(copy.ToText() == wire.ToText());
    }

    // Date-time numbers: text and raw doubles.
    double v = 0;
    if (ParseDateTimeNumber(text, v)) {
        const std::string formatted = FormatDateTimeNumber(v);
        double w = 0;
        FUZZ_CHECK(ParseDateTimeNumber(formatted, w));
        FUZZ_CHECK(FormatDateTimeNumber(w) == formatted);
    }
    if (size >= 8) {
        double raw;
        std::memcpy(&raw, data, 8);
        const std::string formatted = FormatDateTimeNumber(raw);
        double w = 0;
        if (ParseDateTimeNumber(formatted, w))
            FUZZ_CHECK(FormatDateTimeNumber(w) == formatted);
        else
            FUZZ_CHECK(!std::isfinite(raw) || raw < -693593.0 || raw >= 2958466.0);
    }
    return 0;
}
