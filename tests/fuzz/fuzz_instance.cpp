// Instance decoding: the first byte picks the syntax, the second whether the
// index is the implied last one, the rest is the instance text.
#include "FuzzCheck.h"
#include "mib/QnValueText.h"

#include <string>

namespace {

const uint32_t kSyntaxes[] = {1, 2, 3, 4, 5, 6, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const uint32_t syntax = kSyntaxes[data[0] % (sizeof kSyntaxes / sizeof kSyntaxes[0])];
    const bool implied = data[1] & 1;
    const std::string instance = Text(data + 2, size - 2);
    std::string value;
    const std::string rest = DecodeInstanceValue(syntax, implied, instance, value);
    FUZZ_CHECK(rest.size() <= instance.size());
    std::string encoded;
    try {
        encoded = EncodeInstanceValue(syntax, implied, value);
    } catch (const QnException& e) {
        // A date-time number with no calendar date is shown as a number.
        ExpectCode(e, {-518});
        FUZZ_CHECK(syntax == 75);
        return 0;
    }
    // Decoded values encode to sub-identifiers that decode to the same value.
    bool exact = true;
    if (syntax == 72 && (value == "NAN" || value == "INF" || value == "-INF"))
        exact = false;
    if (syntax == 73 && value.size() != 12)
        exact = false;
    if (syntax == 77 && value.size() != 32)
        exact = false;
    if (syntax == 74 && value.find(',') == std::string::npos)
        exact = false;
    // A display string spelling "(NULL)" reads as no value.
    if (syntax == 76 && value == "(NULL)")
        exact = false;
    if (exact) {
        std::string back;
        FUZZ_CHECK(DecodeInstanceValue(syntax, implied, encoded, back).empty());
        FUZZ_CHECK(back == value);
    }
    return 0;
}
