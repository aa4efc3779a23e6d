// Packed values to text and slices: the first byte picks the syntax, the
// second the slice offset, the rest is the packed value.
#include "FuzzCheck.h"
#include "mib/QnValueText.h"

#include <string>

namespace {

const uint32_t kSyntaxes[] = {1,  2,  3,  4,  5,  6,  64, 65,  66,  67,  68,  69,  70,
                              71, 72, 73, 74, 75, 76, 77, 193, 194, 195, 196, 197, 198};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const uint32_t syntax = kSyntaxes[data[0] % (sizeof kSyntaxes / sizeof kSyntaxes[0])];
    const uint32_t offset = data[1];
    const std::string packed = Text(data + 2, size - 2);
    const int width = PackedWidth(syntax);

    std::string slice;
    bool sliced = true;
    try {
        slice = ExtractPartial(packed, offset, syntax);
    } catch (const QnException& e) {
        ExpectCode(e, {-519});
        FUZZ_CHECK(width > 0 && packed.size() < size_t(offset) + size_t(width));
        sliced = false;
    }
    if (sliced && width > 0 && !packed.empty())
        FUZZ_CHECK(slice.size() == size_t(width));

    std::string text;
    try {
        text = PackedToText(packed, syntax);
    } catch (const QnException& e) {
        ExpectCode(e, {-518});
        FUZZ_CHECK(!packed.empty() && width > 0 && packed.size() < size_t(width));
        return 0;
    }
    // The text packs to bytes that show the same text again.
    std::string repacked;
    try {
        repacked = TextToPacked(text, syntax);
    } catch (const QnException& e) {
        ExpectCode(e, {-518});
        FUZZ_CHECK(syntax == 75);
        return 0;
    }
    bool exact = true;
    if (syntax == 72 && (text == "NAN" || text == "INF" || text == "-INF"))
        exact = false;
    if (syntax == 6 && text.empty())
        exact = false;
    // A display string spelling "(NULL)" reads as no value.
    if (syntax == 76 && text == "(NULL)")
        exact = false;
    if (exact)
        FUZZ_CHECK(PackedToText(repacked, syntax) == text);
    // Values of exactly their width come back byte for byte.
    const bool canonical = syntax == 2 || (syntax >= 65 && syntax <= 67) || syntax == 70 || syntax == 71 ||
                           syntax == 73 || syntax == 77 || (syntax >= 194 && syntax <= 198 && syntax != 196);
    if (canonical && packed.size() == size_t(width))
        FUZZ_CHECK(repacked == packed);
    if ((syntax == 3 || syntax == 4 || syntax == 68) || (syntax == 6 && packed.size() % 4 == 0))
        FUZZ_CHECK(repacked == packed);
    return 0;
}
