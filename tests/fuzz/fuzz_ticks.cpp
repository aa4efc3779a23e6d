// Ticks text.
#include "FuzzCheck.h"
#include "mib/QnValueText.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = Text(data, size);
    const uint32_t ticks = TextToTicks(text);
    const std::string shown = TicksToText(ticks);
    FUZZ_CHECK(TextToTicks(shown) == ticks);
    if (size >= 4) {
        uint32_t raw;
        std::memcpy(&raw, data, 4);
        FUZZ_CHECK(TextToTicks(TicksToText(raw)) == raw);
    }
    return 0;
}
