// Hex input and hex text.
#include "FuzzCheck.h"
#include "mib/QnValueText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = Text(data, size);
    const std::string bytes = HexTextToBytes(text);
    size_t digits = 0;
    for (char c : text)
        if (!(c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'))
            ++digits;
    FUZZ_CHECK(bytes.size() == (digits + 1) / 2);
    // Hex text is upper-case pairs that read back to the same bytes.
    const std::string hex = BytesToHexText(text);
    FUZZ_CHECK(hex.size() == 2 * size);
    for (char c : hex)
        FUZZ_CHECK((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'));
    FUZZ_CHECK(HexTextToBytes(hex) == text);
    FUZZ_CHECK(BytesToHexText(bytes) == BytesToHexText(HexTextToBytes(BytesToHexText(bytes))));
    return 0;
}
