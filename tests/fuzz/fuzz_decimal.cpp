// Decimal input, and the number syntaxes through packed values and instances.
#include "FuzzCheck.h"
#include "mib/QnValueText.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = Text(data, size);
    const uint32_t v = DecimalInput(text);
    const uint64_t v64 = Decimal64Input(text);
    FUZZ_CHECK(uint32_t(v64) == v);
    const std::string asSigned = std::to_string(int32_t(v));
    const std::string asUnsigned = std::to_string(v);
    FUZZ_CHECK(PackedToText(TextToPacked(text, 2), 2) == (text == "(NULL)" ? "(NULL)" : asSigned));
    if (text != "(NULL)") {
        for (uint32_t syntax : {65u, 66u, 71u})
            FUZZ_CHECK(PackedToText(TextToPacked(text, syntax), syntax) == asUnsigned);
        FUZZ_CHECK(PackedToText(TextToPacked(text, 70), 70) == std::to_string(v64));
        FUZZ_CHECK(PackedToText(TextToPacked(text, 195), 195) == std::to_string(v & 0xFF));
        FUZZ_CHECK(PackedToText(TextToPacked(text, 194), 194) == std::to_string(int8_t(v & 0xFF)));
        FUZZ_CHECK(PackedToText(TextToPacked(text, 198), 198) == std::to_string(v & 0xFFFF));
    }
    std::string value;
    FUZZ_CHECK(DecodeInstanceValue(2, false, EncodeInstanceValue(2, false, text), value).empty());
    FUZZ_CHECK(value == asSigned);
    FUZZ_CHECK(DecodeInstanceValue(70, false, EncodeInstanceValue(70, false, text), value).empty());
    FUZZ_CHECK(value == std::to_string(v64));
    return 0;
}
