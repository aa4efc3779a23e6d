// Value texts of every syntax code: hex, decimal and ticks input, packed
// values and slices, instance sub-identifiers, SNMP values, the date-and-time
// record and the byte string holder.
#include "mib/QnBinaryString.h"
#include "mib/QnDateTime.h"
#include "mib/QnErrorCatalogue.h"
#include "mib/QnException.h"
#include "mib/QnOptionList.h"
#include "mib/QnSNMPVarDesc.h"
#include "mib/QnSNMPVarList.h"
#include "mib/QnValueText.h"
#include "snmplib/SnmpValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

// Bytes from hex pairs, for readable expectations.
std::string B(const char* hex)
{
    std::string out;
    for (const char* p = hex; p[0] && p[1]; p += 2) {
        auto v = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
        out.push_back(char(v(p[0]) * 16 + v(p[1])));
    }
    return out;
}

// The code of the QnException `f` raises, or 0 when it raises none.
int CodeOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const QnException& e) {
        return e.Code();
    }
    return 0;
}

const uint32_t kAllSyntaxes[] = {1,  2,  3,  4,  5,  6,  64, 65,  66,  67,  68,  69,  70,
                                 71, 72, 73, 74, 75, 76, 77, 193, 194, 195, 196, 197, 198};
const uint32_t kVariableSyntaxes[] = {1,  2,  3,  4,  5,  6,  64, 65, 66, 67,
                                      68, 69, 70, 71, 72, 73, 74, 75, 76, 77};

} // namespace

TEST(ValueTextRules, HexInput)
{
    const struct
    {
        const char* text;
        std::string bytes;
    } cases[] = {
        {"A 1b 2", B("A1B2")},
        {"ABC", B("0ABC")},
        {"zz", B("00")},
        {"", ""},
        {"   ", ""},
        {"F", B("0F")},
        {"0a1bff", B("0A1BFF")},
        {"G1", B("01")},
        {"\t12\n34 ", B("1234")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HexTextToBytes(c.text), c.bytes) << c.text;
    EXPECT_EQ(BytesToHexText(B("0A1BFF")), "0A1BFF");
    EXPECT_EQ(BytesToHexText(std::string("\0\x7f\x80", 3)), "007F80");
    EXPECT_EQ(BytesToHexText(""), "");
}

TEST(ValueTextRules, DecimalInputIsModulo32Bits)
{
    const struct
    {
        const char* text;
        uint32_t value;
    } cases[] = {
        {"4294967295", 4294967295u},
        {"4294967296", 0},
        {"4294967297", 1},
        {"12ab", 12},
        {"", 0},
        {"abc", 0},
        {"  -1", 0xFFFFFFFFu},
        {"+7", 7},
        {"- 5", 0},
        {"\t 42 7", 42},
        {"-2147483648", 0x80000000u},
        {"99999999999", uint32_t(99999999999ull)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecimalInput(c.text), c.value) << c.text;
    EXPECT_EQ(Decimal64Input("18446744073709551615"), 18446744073709551615ull);
    EXPECT_EQ(Decimal64Input("18446744073709551616"), 0u);
    EXPECT_EQ(Decimal64Input("-1"), 18446744073709551615ull);
}

TEST(ValueTextRules, TicksTextBothWays)
{
    const struct
    {
        uint32_t ticks;
        const char* text;
    } cases[] = {
        {0, "0:00:00.00"},
        {500, "0:00:05.00"},
        {360000, "1:00:00.00"},
        {8640000, "1 day 0:00:00.00"},
        {2 * 8640000 + 5, "2 days, 0:00:00.05"},
        {3 * 8640000 + 4 * 360000 + 5 * 6000 + 6 * 100 + 7, "3 days, 4:05:06.07"},
        {8640000 - 1, "23:59:59.99"},
        {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TicksToText(c.ticks), c.text);
        EXPECT_EQ(TextToTicks(c.text), c.ticks) << c.text;
    }
    // Missing parts count 0; seconds without hundredths still count.
    EXPECT_EQ(TextToTicks(""), 0u);
    EXPECT_EQ(TextToTicks("junk"), 0u);
    EXPECT_EQ(TextToTicks("1 day"), 8640000u);
    EXPECT_EQ(TextToTicks("1:00:05"), 360500u);
    EXPECT_EQ(TextToTicks("0:01:00.5"), 6005u);
}

TEST(ValueTextRules, GeneralNumberFormat)
{
    const struct
    {
        long double value;
        const char* text;
    } cases[] = {
        {1.5L, "1.5"},
        {14, "14"},
        {-2, "-2"},
        {0, "0"},
        {-0.0L, "0"},
        {1e20L, "1E20"},
        {1.5e-7L, "1.5E-7"},
        {1e-5L, "1E-5"},
        {0.0001L, "0.0001"},
        {1.0L / 3, "0.333333333333333"},
        {123456789012345678.0L, "1.23456789012346E17"},
        {999999999999999.0L, "999999999999999"},
        {INFINITY, "INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatGeneral(c.value), c.text);
    const struct
    {
        const char* text;
        long double value;
    } reads[] = {{"  7", 7}, {"-2.5x", -2.5L}, {"abc", 0}, {"", 0},         {"1e3", 1000},
                 {"1e", 1},  {".5", 0.5L},     {"-", 0},   {"1E-2", 0.01L}, {"+3", 3}};
    for (const auto& r : reads)
        EXPECT_NEAR(double(ReadNumber(r.text)), double(r.value), 1e-12) << r.text;
    EXPECT_TRUE(std::isinf(ReadNumber("1e99999")));
    EXPECT_EQ(ReadNumber("1e-99999"), 0);
}

// Every syntax through packed bytes and back.
TEST(PackedValue, RoundTripOfEverySyntax)
{
    const struct
    {
        uint32_t syntax;
        const char* text;
        std::string packed;
        const char* back;
    } cases[] = {
        {1, "true", B("01000000"), "true"},
        {1, "True", B("00000000"), "false"},
        {2, "-2", B("FEFFFFFF"), "-2"},
        {2, "12ab", B("0C000000"), "12"},
        {2, "4294967295", B("FFFFFFFF"), "-1"},
        {3, "0a1bff", B("0A1BFF"), "0A1BFF"},
        {4, "ABC", B("0ABC"), "0ABC"},
        {5, "anything", "", "(NULL)"},
        {6, "1.3.6.1.4", B("0100000003000000060000000100000004000000"), "1.3.6.1.4"},
        {6, "not an oid", "", "(NULL)"},
        {64, "10.90.90.90", B("0A5A5A5A"), "10.90.90.90"},
        {64, "300.1.1.1", B("2C010101"), "44.1.1.1"},
        {69, "192.168.0.1", B("C0A80001"), "192.168.0.1"},
        {65, "4294967295", B("FFFFFFFF"), "4294967295"},
        {66, "1000", B("E8030000"), "1000"},
        {67, "3 days, 4:05:06.07", B("8FF2A101"), "3 days, 4:05:06.07"},
        {68, "DEAD", B("DEAD"), "DEAD"},
        {70, "18446744073709551615", B("FFFFFFFFFFFFFFFF"), "18446744073709551615"},
        {70, "4294967296", B("0000000001000000"), "4294967296"},
        {71, "7", B("07000000"), "7"},
        {72, "1.5", B("000000000000F83F"), "1.5"},
        {72, "-0.1", B("9A9999999999B9BF"), "-0.1"},
        {73, "001122aabbcc", B("001122AABBCC"), "001122AABBCC"},
        {74, "2007-3-1,8:0:0.0,+8:0", B("07D70301080000002B0800"), "2007-3-1,8:0:0.0,+8:0"},
        {74, "1992-5-26,13:30:15.0", B("07C8051A0D1E0F002B0000"), "1992-5-26,13:30:15.0"},
        {74, "2010-12-31,23:59:59.9,-5:30", B("07DA0C1F173B3B092D051E"), "2010-12-31,23:59:59.9,-5:30"},
        {75, "2007/03/01 08:00:00 am", B("ABAAAAAACA1CE340"), "2007/03/01 08:00:00 am"},
        {75, "1899/12/30 06:00:00 pm", B("000000000000E83F"), "1899/12/30 06:00:00 pm"},
        {76, "abc", "abc", "abc"},
        {76, "", "", ""},
        {77, "FE800000000000000000000000000001", B("FE800000000000000000000000000001"),
         "FE800000000000000000000000000001"},
        {193, "true", B("01"), "true"},
        {193, "yes", B("00"), "false"},
        {194, "-1", B("FF"), "-1"},
        {194, "300", B("2C"), "44"},
        {195, "255", B("FF"), "255"},
        {196, "true", B("0001"), "true"},
        {197, "65535", B("FFFF"), "65535"},
        {198, "258", B("0102"), "258"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "syntax " << c.syntax << " text " << c.text);
        const std::string packed = TextToPacked(c.text, c.syntax);
        EXPECT_EQ(BytesToHexText(packed), BytesToHexText(c.packed));
        EXPECT_EQ(PackedToText(packed, c.syntax), c.back);
    }
}

TEST(PackedValue, NullTextAndEmptyValue)
{
    for (uint32_t syntax : kAllSyntaxes) {
        SCOPED_TRACE(syntax);
        EXPECT_EQ(TextToPacked("(NULL)", syntax), "");
        EXPECT_EQ(PackedToText("", syntax), syntax == 76 ? "" : "(NULL)");
    }
    EXPECT_EQ(PackedToText("x", 5), "(NULL)");
    // A display string ends at its first zero byte.
    EXPECT_EQ(PackedToText(std::string("ab\0cd", 5), 76), "ab");
}

TEST(PackedValue, ShortValueRaises518)
{
    const struct
    {
        uint32_t syntax;
        size_t needs;
    } cases[] = {{1, 4},  {2, 4},  {64, 4}, {65, 4},  {66, 4},  {67, 4},  {69, 4},  {71, 4}, {70, 8},
                 {72, 8}, {75, 8}, {73, 6}, {74, 11}, {77, 16}, {196, 2}, {197, 2}, {198, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.syntax);
        EXPECT_EQ(CodeOf([&] { PackedToText(std::string(c.needs - 1, '\1'), c.syntax); }),
                  QNERR_BAD_PARTIAL_VALUE);
        EXPECT_EQ(CodeOf([&] { PackedToText(std::string(c.needs, '\1'), c.syntax); }), 0);
    }
    // An IpAddress edit holding 10.1.1 packs to three bytes, too short to show.
    try {
        PackedToText(TextToPacked("10.1.1", 64), 64);
        ADD_FAILURE() << "no error";
    } catch (const QnException& e) {
        EXPECT_EQ(e.Code(), -518);
        EXPECT_EQ(e.Text(), "(DoDUDE++) Bad value of the associated SNMP variable's (partial) data!");
    }
}

TEST(PackedValue, ObjectIdentifierIgnoresPartialGroup)
{
    EXPECT_EQ(PackedToText(B("0100000003000000060000"), 6), "1.3");
    EXPECT_EQ(PackedToText(B("010203"), 6), "");
    EXPECT_EQ(PackedToText(B("FFFFFFFF"), 6), "4294967295");
}

TEST(PackedValue, UnknownSyntaxRaises511)
{
    for (uint32_t syntax : {0u, 7u, 63u, 78u, 192u, 199u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(syntax);
        EXPECT_EQ(CodeOf([&] { TextToPacked("1", syntax); }), QNERR_BAD_SYNTAX);
        EXPECT_EQ(CodeOf([&] { TextToPacked("(NULL)", syntax); }), QNERR_BAD_SYNTAX);
        EXPECT_EQ(CodeOf([&] { PackedToText("1234", syntax); }), QNERR_BAD_SYNTAX);
        EXPECT_EQ(CodeOf([&] { ExtractPartial("1234", 0, syntax); }), QNERR_BAD_SYNTAX);
        std::string value;
        EXPECT_EQ(CodeOf([&] { DecodeInstanceValue(syntax, false, "1", value); }), QNERR_BAD_SYNTAX);
        EXPECT_EQ(CodeOf([&] { EncodeInstanceValue(syntax, false, "1"); }), QNERR_BAD_SYNTAX);
        Vb vb;
        EXPECT_EQ(CodeOf([&] { VbToValueText(syntax, vb); }), QNERR_BAD_SYNTAX);
        EXPECT_EQ(CodeOf([&] { ValueTextToVb(syntax, "1", vb); }), QNERR_BAD_SYNTAX);
    }
    try {
        TextToPacked("1", 99);
    } catch (const QnException& e) {
        EXPECT_EQ(e.Text(), "(DoDUDE++) Bad SNMP syntax!");
    }
    // Slice codes never stand in a descriptor: no SNMP value or instance.
    Vb vb;
    std::string value;
    EXPECT_EQ(CodeOf([&] { VbToValueText(195, vb); }), QNERR_BAD_SYNTAX);
    EXPECT_EQ(CodeOf([&] { EncodeInstanceValue(197, false, "1"); }), QNERR_BAD_SYNTAX);
    EXPECT_EQ(CodeOf([&] { DecodeInstanceValue(193, false, "1", value); }), QNERR_BAD_SYNTAX);
}

TEST(PackedValue, ExtractPartial)
{
    const std::string packed = B("01020304");
    const struct
    {
        uint32_t offset;
        uint32_t syntax;
        std::string slice; // "!" for -519
    } cases[] = {
        {3, 195, B("04")},     {4, 195, "!"},           {2, 197, B("0304")},
        {3, 197, "!"},         {0, 2, B("01020304")},   {1, 2, "!"},
        {0, 70, "!"},          {1, 4, B("020304")},     {4, 4, ""},
        {9, 76, ""},           {2, 6, B("0304")},       {0, 5, ""},
        {0xFFFFFFFFu, 2, "!"}, {0xFFFFFFFEu, 196, "!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset << " syntax " << c.syntax);
        if (c.slice == "!")
            EXPECT_EQ(CodeOf([&] { ExtractPartial(packed, c.offset, c.syntax); }), QNERR_PARTIAL_RANGE);
        else
            EXPECT_EQ(ExtractPartial(packed, c.offset, c.syntax), c.slice);
    }
    EXPECT_EQ(ExtractPartial("", 5, 2), "");
}

// Slices cut from a packed value read back as the value's parts.
TEST(PackedValue, SlicesOfAPackedValue)
{
    const std::string packed = TextToPacked("0001FF8000020000", 4);
    EXPECT_EQ(PackedToText(ExtractPartial(packed, 1, 193), 193), "true");
    EXPECT_EQ(PackedToText(ExtractPartial(packed, 2, 194), 194), "-1");
    EXPECT_EQ(PackedToText(ExtractPartial(packed, 2, 195), 195), "255");
    EXPECT_EQ(PackedToText(ExtractPartial(packed, 3, 197), 197), "32768");
    EXPECT_EQ(PackedToText(ExtractPartial(packed, 4, 196), 196), "true");
    EXPECT_EQ(PackedToText(ExtractPartial(packed, 6, 196), 196), "false");
    EXPECT_EQ(PackedToText(ExtractPartial(packed, 4, 2), 2), "512");
    EXPECT_EQ(PackedToText(ExtractPartial(packed, 4, 64), 64), "0.2.0.0");
}

// One index value through instance sub-identifiers and back.
TEST(InstanceText, RoundTripOfEverySyntax)
{
    const struct
    {
        uint32_t syntax;
        bool implied;
        const char* value;
        const char* instance;
    } cases[] = {
        {1, false, "true", "1"},
        {1, false, "false", "0"},
        {2, false, "-1", "4294967295"},
        {2, false, "17", "17"},
        {3, false, "0A1B", "2.10.27"},
        {3, true, "0A1B", "10.27"},
        {4, false, "", "0"},
        {4, false, "FF00", "2.255.0"},
        {5, false, "(NULL)", ""},
        {6, false, "1.3.6", "3.1.3.6"},
        {6, true, "1.3.6", "1.3.6"},
        {64, false, "10.1.2.3", "10.1.2.3"},
        {65, false, "4294967295", "4294967295"},
        {66, false, "0", "0"},
        {67, false, "0:00:05.00", "500"},
        {68, false, "01", "1.1"},
        {69, false, "1.2.3.4", "1.2.3.4"},
        {70, false, "4294967297", "1.1"},
        {70, false, "18446744073709551615", "4294967295.4294967295"},
        {71, false, "5", "5"},
        {72, false, "1.5", "0.1073217536"},
        {73, false, "001122AABBCC", "0.17.34.170.187.204"},
        {74, false, "2007-3-1,8:0:0.0,+8:0", "7.215.3.1.8.0.0.0.43.8.0"},
        {75, false, "1899/12/30 06:00:00 pm", "0.1072168960"},
        {76, false, "ab", "2.97.98"},
        {76, true, "ab", "97.98"},
        {77, false, "FE800000000000000000000000000001", "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
        {77, true, "FE800000000000000000000000000001", "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "syntax " << c.syntax << " value " << c.value);
        const std::string instance = EncodeInstanceValue(c.syntax, c.implied, c.value);
        EXPECT_EQ(instance, c.instance);
        std::string value;
        if (c.implied) {
            // An implied last index takes everything.
            EXPECT_EQ(DecodeInstanceValue(c.syntax, true, instance, value), "");
        } else {
            // The rest of the instance belongs to the next index.
            const std::string withNext = instance.empty() ? "9.8" : instance + ".9.8";
            EXPECT_EQ(DecodeInstanceValue(c.syntax, false, withNext, value), "9.8");
        }
        EXPECT_EQ(value, c.value);
    }
}

TEST(InstanceText, EdgeCasesOfDecodeAndEncode)
{
    std::string value;
    // A length beyond the end takes what is there.
    EXPECT_EQ(DecodeInstanceValue(6, false, "5.1.2", value), "");
    EXPECT_EQ(value, "1.2");
    EXPECT_EQ(DecodeInstanceValue(4, false, "300.1", value), "");
    EXPECT_EQ(value, "01");
    // Sub-identifiers above 255 give their low byte.
    EXPECT_EQ(DecodeInstanceValue(73, false, "256.1.2.3.4.5.6", value), "6");
    EXPECT_EQ(value, "000102030405");
    // An IPv6 address as the implied last index takes all that remains.
    EXPECT_EQ(DecodeInstanceValue(77, true, "1.2.3", value), "");
    EXPECT_EQ(value, "010203");
    // A DateAndTime of 8 sub-identifiers has no offset; fewer show hex.
    EXPECT_EQ(DecodeInstanceValue(74, false, "7.215.3.1.8.0.0.0", value), "");
    EXPECT_EQ(value, "2007-3-1,8:0:0.0");
    EXPECT_EQ(DecodeInstanceValue(74, false, "7.215.3", value), "");
    EXPECT_EQ(value, "07D703");
    // A display string index stops at a zero byte.
    EXPECT_EQ(DecodeInstanceValue(76, false, "3.97.0.98.4", value), "4");
    EXPECT_EQ(value, "a");
    // Nothing left: numbers read 0.
    EXPECT_EQ(DecodeInstanceValue(2, false, "", value), "");
    EXPECT_EQ(value, "0");
    EXPECT_EQ(DecodeInstanceValue(70, false, "1", value), "");
    EXPECT_EQ(value, "4294967296");
    // Too short MAC and IPv6 values encode nothing; longer ones are cut.
    EXPECT_EQ(EncodeInstanceValue(73, false, "0011223344"), "");
    EXPECT_EQ(EncodeInstanceValue(73, false, "00112233445566"), "0.17.34.51.68.85");
    EXPECT_EQ(EncodeInstanceValue(77, false, "00"), "");
    // A missing value encodes as an empty value.
    EXPECT_EQ(EncodeInstanceValue(76, false, "(NULL)"), "0");
    EXPECT_EQ(EncodeInstanceValue(76, true, "(NULL)"), "");
    EXPECT_EQ(EncodeInstanceValue(6, false, "(NULL)"), "0");
    EXPECT_EQ(EncodeInstanceValue(74, false, "(NULL)"), "");
    EXPECT_EQ(EncodeInstanceValue(73, false, "(NULL)"), "");
    // An address text's own sub-identifiers go as they stand.
    EXPECT_EQ(EncodeInstanceValue(64, false, "10.1.1"), "10.1.1");
    // Hex input rules apply to byte indexes.
    EXPECT_EQ(EncodeInstanceValue(4, false, "A 1b 2"), "2.161.178");
    // Ticks text and decimal input rules apply to number indexes.
    EXPECT_EQ(EncodeInstanceValue(67, false, "1 day 0:00:00.00"), "8640000");
    EXPECT_EQ(EncodeInstanceValue(2, false, "12ab"), "12");
}

namespace {

const QnIntOption kStates[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const QnOptionList kStateList(kStates, QnOptionList::Integer, false);

} // namespace

TEST(InstanceText, ListIndexesAndTheImpliedRule)
{
    // An implied display string counts as implied only as the last index.
    const QnSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.98762.1.1", "Name", SYN_DISPLAYSTR, ACC_NOTACCESS | ACC_IMPLIED, nullptr, nullptr,
         nullptr, nullptr, nullptr, nullptr},
        {"1.3.6.1.4.1.98762.1.2", "State", SYN_INTEGER, ACC_NOTACCESS, &kStateList, nullptr, nullptr, nullptr,
         nullptr, nullptr},
        {"1.3.6.1.4.1.98762.1.3", "Key", SYN_OCTETSTR, ACC_NOTACCESS | ACC_IMPLIED, nullptr, nullptr, nullptr,
         nullptr, nullptr, nullptr},
        {"1.3.6.1.4.1.98762.1.4", "Value", SYN_INTEGER, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr,
         nullptr, nullptr},
        {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    QnSNMPVarList list(table, MVT_UMV, 3);
    std::string rest = DecodeInstance(list, 0, "2.97.98.2.1.2.3");
    EXPECT_EQ(list.Get(0).Value, "ab");
    EXPECT_EQ(rest, "2.1.2.3");
    rest = DecodeInstance(list, 1, rest);
    EXPECT_EQ(list.Get(1).Value, "disabled");
    EXPECT_EQ(rest, "1.2.3");
    rest = DecodeInstance(list, 2, rest);
    EXPECT_EQ(list.Get(2).Value, "010203");
    EXPECT_EQ(rest, "");

    EXPECT_EQ(EncodeInstance(list, 0), "2.97.98");
    EXPECT_EQ(EncodeInstance(list, 1), "2");
    EXPECT_EQ(EncodeInstance(list, 2), "1.2.3");
    list.Get(1).Value = "ENABLED";
    EXPECT_EQ(EncodeInstance(list, 1), "1");
    // A value that matches no option stays as its text.
    list.Get(1).Value = "7";
    EXPECT_EQ(EncodeInstance(list, 1), "7");
    rest = DecodeInstance(list, 1, "9");
    EXPECT_EQ(list.Get(1).Value, "9");

    // With one index fewer, the implied key is no longer the last one.
    list.IndexCount = 2;
    list.Get(2).Value = "0102";
    EXPECT_EQ(EncodeInstance(list, 2), "2.1.2");
    rest = DecodeInstance(list, 2, "1.5.6");
    EXPECT_EQ(list.Get(2).Value, "05");
    EXPECT_EQ(rest, "6");

    // Bad syntax leaves the variable unchanged.
    list.Get(3).Syntax = 99;
    list.Get(3).Value = "keep";
    EXPECT_EQ(CodeOf([&] { DecodeInstance(list, 3, "1"); }), QNERR_BAD_SYNTAX);
    EXPECT_EQ(list.Get(3).Value, "keep");
}

// Every variable syntax through a binding and back.
TEST(SnmpValue, RoundTripThroughBinding)
{
    const struct
    {
        uint32_t syntax;
        const char* text;
        uint8_t vbSyntax;
    } cases[] = {
        {1, "true", sNMP_SYNTAX_INT32},
        {1, "false", sNMP_SYNTAX_INT32},
        {2, "-5", sNMP_SYNTAX_INT32},
        {3, "0A1B", sNMP_SYNTAX_OCTETS},
        {4, "", sNMP_SYNTAX_OCTETS},
        {5, "(NULL)", sNMP_SYNTAX_NULL},
        {6, "1.3.6.1.6.3.10.1.1.2", sNMP_SYNTAX_OID},
        {64, "10.90.90.90", sNMP_SYNTAX_IPADDR},
        {65, "4294967295", sNMP_SYNTAX_GAUGE32},
        {66, "12", sNMP_SYNTAX_GAUGE32},
        {67, "2 days, 0:00:00.05", sNMP_SYNTAX_TIMETICKS},
        {68, "00FF", sNMP_SYNTAX_OCTETS},
        {69, "1.2.3.4", sNMP_SYNTAX_IPADDR},
        {70, "18446744073709551615", sNMP_SYNTAX_CNTR64},
        {71, "3", sNMP_SYNTAX_GAUGE32},
        {72, "2.25", sNMP_SYNTAX_OCTETS},
        {73, "001122334455", sNMP_SYNTAX_OCTETS},
        {74, "2007-3-1,8:0:0.0,+8:0", sNMP_SYNTAX_OCTETS},
        {75, "2007/03/01 08:00:00 pm", sNMP_SYNTAX_OCTETS},
        {76, "Switch 1", sNMP_SYNTAX_OCTETS},
        {77, "00000000000000000000FFFF0A000001", sNMP_SYNTAX_OCTETS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "syntax " << c.syntax << " text " << c.text);
        Vb vb(Oid("1.3.6.1.4.1.98762.1"));
        ValueTextToVb(c.syntax, c.text, vb);
        EXPECT_EQ(vb.get_syntax(), c.vbSyntax);
        EXPECT_EQ(VbToValueText(c.syntax, vb), c.text);
    }
    // The wire forms of the octet-string codes.
    Vb vb;
    ValueTextToVb(74, "2007-3-1,8:0:0.0,+8:0", vb);
    EXPECT_EQ(vb.get_octets().bytes(), B("07D70301080000002B0800"));
    ValueTextToVb(72, "1.5", vb);
    EXPECT_EQ(vb.get_octets().bytes(), B("000000000000F83F"));
    ValueTextToVb(76, "ab", vb);
    EXPECT_EQ(vb.get_octets().bytes(), "ab");
}

TEST(SnmpValue, TextToBinding)
{
    Vb vb;
    // Only the exact text "true" is true.
    ValueTextToVb(1, "True", vb);
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_INT32);
    EXPECT_EQ(vb.get_int32(), 0);
    ValueTextToVb(2, "12ab", vb);
    EXPECT_EQ(vb.get_int32(), 12);
    ValueTextToVb(2, "", vb);
    EXPECT_EQ(vb.get_int32(), 0);
    ValueTextToVb(65, "-1", vb);
    EXPECT_EQ(vb.get_uint32(), 0xFFFFFFFFu);
    ValueTextToVb(4, "A 1b 2", vb);
    EXPECT_EQ(vb.get_octets().bytes(), B("A1B2"));
    // "(NULL)" is no value, whatever the syntax.
    for (uint32_t syntax : kVariableSyntaxes) {
        ValueTextToVb(2, "5", vb);
        ValueTextToVb(syntax, "(NULL)", vb);
        EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_NULL) << syntax;
    }
    // Address and identifier texts that cannot be read are sent as no value.
    for (const char* text : {"10.1.1", "10.1.1.256", "host", ""}) {
        ValueTextToVb(64, text, vb);
        EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_NULL) << text;
    }
    ValueTextToVb(6, "1.3..6", vb);
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_NULL);
    // A date-time number text that is no date is refused.
    EXPECT_EQ(CodeOf([&] { ValueTextToVb(75, "tomorrow", vb); }), QNERR_BAD_PARTIAL_VALUE);
}

TEST(SnmpValue, ReplyToText)
{
    const Vb none;
    Vb exception;
    exception.set_syntax(sNMP_SYNTAX_NOSUCHINSTANCE);
    // A reply without a value: "(NULL)", the empty text for display strings,
    // and the hex text of nothing for byte strings.
    for (uint32_t syntax : kVariableSyntaxes) {
        SCOPED_TRACE(syntax);
        const bool hex = syntax == 3 || syntax == 4 || syntax == 68 || syntax == 73 || syntax == 77;
        const char* expected = hex ? "" : syntax == 76 ? "" : "(NULL)";
        EXPECT_EQ(VbToValueText(syntax, none), expected);
        EXPECT_EQ(VbToValueText(syntax, exception), expected);
    }
    Vb vb;
    vb.set_value(int32_t(-7));
    EXPECT_EQ(VbToValueText(1, vb), "true");
    EXPECT_EQ(VbToValueText(2, vb), "-7");
    vb.set_unsigned(sNMP_SYNTAX_CNTR32, 4000000000u);
    EXPECT_EQ(VbToValueText(65, vb), "4000000000");
    vb.set_value(TimeTicks(360000));
    EXPECT_EQ(VbToValueText(67, vb), "1:00:00.00");
    vb.set_value(Counter64(1, 2));
    EXPECT_EQ(VbToValueText(70, vb), "4294967298");
    vb.set_value(IpAddress(10, 90, 90, 90));
    EXPECT_EQ(VbToValueText(64, vb), "10.90.90.90");
    // Octet strings of any length show as hex; display strings stop at zero.
    vb.set_value(OctetStr(B("0011")));
    EXPECT_EQ(VbToValueText(73, vb), "0011");
    vb.set_value(OctetStr(std::string("ok\0junk", 7)));
    EXPECT_EQ(VbToValueText(76, vb), "ok");
    vb.set_value(OctetStr(""));
    EXPECT_EQ(VbToValueText(76, vb), "");
    EXPECT_EQ(VbToValueText(6, vb), "(NULL)");
    EXPECT_EQ(VbToValueText(64, vb), "(NULL)");
}

TEST(SnmpValue, DateAndTimeReplies)
{
    const struct
    {
        std::string bytes;
        const char* text;
    } cases[] = {
        {B("07D70301080000002B0800"), "2007-3-1,8:0:0.0,+8:0"},
        {B("07D7030108000000000000"), "2007-3-1,8:0:0.0"},
        {B("07D70301080000002B00000000"), "2007-3-1,8:0:0.0"}, // longer: first 11 bytes
        {B("07D7030108000000"), "2007-3-1,8:0:0.0"},           // RFC form without offset
        {B("07D70301080000002D05"), "2007-3-1,8:0:0.0"},       // partial offset ignored
        {B("07D7030108"), "07D7030108"},                       // too short for a date
        {B("07D70301080000003F0800"), "2007-3-1,8:0:0.0"},     // no direction, no offset shown
        {B("07D70301080000002D0000"), "2007-3-1,8:0:0.0"},
        {B("07D70301080000002D001E"), "2007-3-1,8:0:0.0,-0:30"},
    };
    for (const auto& c : cases) {
        Vb vb;
        vb.set_value(OctetStr(c.bytes));
        EXPECT_EQ(VbToValueText(74, vb), c.text) << BytesToHexText(c.bytes);
    }
    // Doubles and date-time numbers too short to read show their bytes.
    Vb vb;
    vb.set_value(OctetStr(B("0102")));
    EXPECT_EQ(VbToValueText(72, vb), "0102");
    EXPECT_EQ(VbToValueText(75, vb), "0102");
}

TEST(SnmpValue, OptionListsOnVariables)
{
    const QnTextOption auth[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
                                 {"1.3.6.1.6.3.10.1.1.2", "MD5"},
                                 {"1.3.6.1.6.3.10.1.1.3", "SHA"},
                                 {nullptr, nullptr}};
    const QnOptionList authList(auth, QnOptionList::Text, false);
    QnSNMPVar var;
    var.Syntax = SYN_OBJECTID;
    var.Options = &authList;
    Vb reply;
    reply.set_value(Oid("1.3.6.1.6.3.10.1.1.2"));
    SnmpValueToText(var, reply);
    EXPECT_EQ(var.Value, "MD5");
    Vb out;
    var.Value = "SHA";
    TextToSnmpValue(var, out);
    EXPECT_EQ(out.get_syntax(), sNMP_SYNTAX_OID);
    EXPECT_EQ(out.get_oid_value().get_printable(), "1.3.6.1.6.3.10.1.1.3");

    QnSNMPVar state;
    state.Syntax = SYN_INTEGER;
    state.Options = &kStateList;
    reply.set_value(int32_t(2));
    SnmpValueToText(state, reply);
    EXPECT_EQ(state.Value, "disabled");
    reply.set_value(int32_t(7));
    SnmpValueToText(state, reply);
    EXPECT_EQ(state.Value, "7");
    state.Value = "ENABLED";
    TextToSnmpValue(state, out);
    EXPECT_EQ(out.get_int32(), 1);
}

TEST(DateTimeRecord, TextForms)
{
    const struct
    {
        const char* text;
        int fields;
        QnDateTime record;
        const char* back;
    } cases[] = {
        {"2007-3-1,8:0:0.0,+8:0", 9, QnDateTime(2007, 3, 1, 8, 0, 0, 0, '+', 8, 0), "2007-3-1,8:0:0.0,+8:0"},
        {"2007-3-1,8:0:0.0,-5:30", 9, QnDateTime(2007, 3, 1, 8, 0, 0, 0, '-', 5, 30),
         "2007-3-1,8:0:0.0,-5:30"},
        {"1992-5-26,13:30:15.0", 7, QnDateTime(1992, 5, 26, 13, 30, 15, 0, '+', 0, 0),
         "1992-5-26,13:30:15.0"},
        {"1992-05-26,13:30:15.9,+0:0", 9, QnDateTime(1992, 5, 26, 13, 30, 15, 9, '+', 0, 0),
         "1992-5-26,13:30:15.9"},
        // An offset with one number is not the long form: no offset kept.
        {"2007-3-1,8:0:0.0,+8", 7, QnDateTime(2007, 3, 1, 8, 0, 0, 0, '+', 0, 0), "2007-3-1,8:0:0.0"},
        // Numbers keep their low bits, as the wire form has no room for more.
        {"65536-300-1,8:0:0.0", 7, QnDateTime(0, 44, 1, 8, 0, 0, 0, '+', 0, 0), "0-44-1,8:0:0.0"},
    };
    for (const auto& c : cases) {
        QnDateTime record(1, 1, 1, 1, 1, 1, 1, '-', 1, 1);
        EXPECT_EQ(record.FromText(c.text), c.fields) << c.text;
        EXPECT_EQ(record, c.record) << c.text;
        EXPECT_EQ(record.ToText(), c.back);
    }
    // A partial text sets only the leading fields it reaches.
    QnDateTime partial(2000, 2, 3, 4, 5, 6, 7, '-', 1, 1);
    EXPECT_EQ(partial.FromText("2011-9"), 2);
    EXPECT_EQ(partial, QnDateTime(2011, 9, 3, 4, 5, 6, 7, '+', 0, 0));
}

TEST(DateTimeRecord, ClockWireAndYearSwap)
{
    const QnDateTime now;
    EXPECT_GE(now.Year, 2024);
    EXPECT_GE(now.Month, 1);
    EXPECT_LE(now.Month, 12);
    EXPECT_EQ(now.Deciseconds, 0);
    EXPECT_EQ(now.Direction, '+');
    EXPECT_EQ(now.HoursFromUTC, 0);
    EXPECT_EQ(now.MinutesFromUTC, 0);

    QnDateTime record(2007, 3, 1, 8, 0, 0, 0, '+', 8, 0);
    EXPECT_EQ(record.ToWire(), B("07D70301080000002B0800"));
    QnDateTime back(0, 0, 0, 0, 0, 0);
    ASSERT_TRUE(back.FromWire(reinterpret_cast<const unsigned char*>(record.ToWire().data()), 11));
    EXPECT_EQ(back, record);
    EXPECT_FALSE(back.FromWire(reinterpret_cast<const unsigned char*>("\x07\xD7"), 2));
    EXPECT_EQ(back, record);
    record.SwapYear();
    EXPECT_EQ(record.Year, 0xD707);
    record.SwapYear();
    EXPECT_EQ(record.Year, 2007);
}

TEST(DateTimeNumber, FormatAndParse)
{
    const struct
    {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "1899/12/30 12:00:00 am"},       {2.75, "1900/01/01 06:00:00 pm"},
        {-1.25, "1899/12/29 06:00:00 am"},     {39142.5, "2007/03/01 12:00:00 pm"},
        {2958465.5, "9999/12/31 12:00:00 pm"}, {-693593.0, "0001/01/01 12:00:00 am"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDateTimeNumber(c.value), c.text);
        double v = -99;
        ASSERT_TRUE(ParseDateTimeNumber(c.text, v)) << c.text;
        EXPECT_NEAR(v, c.value, 1e-9) << c.text;
    }
    // Numbers with no calendar date are written as numbers.
    EXPECT_EQ(FormatDateTimeNumber(NAN), "NAN");
    EXPECT_EQ(FormatDateTimeNumber(1e300), "1E300");
    EXPECT_EQ(FormatDateTimeNumber(-693594.0), "-693594");
    double v = 0;
    EXPECT_TRUE(ParseDateTimeNumber("2007-3-1", v));
    EXPECT_DOUBLE_EQ(v, 39142.0);
    EXPECT_TRUE(ParseDateTimeNumber(" 2007/03/01 13:05 ", v));
    EXPECT_NEAR(v, 39142.0 + (13 * 60 + 5) / 1440.0, 1e-9);
    for (const char* bad : {"", "2007/13/01", "2007/02/30", "2007/03/01 13:00 pm", "2007/03/01 x", "tomorrow",
                            "0/1/1", "2007/03/01 24:00"})
        EXPECT_FALSE(ParseDateTimeNumber(bad, v)) << bad;
    EXPECT_NEAR(DateTimeNow(),
                EncodeDateTimeNumber(QnDateTime().Year, QnDateTime().Month, QnDateTime().Day, 12, 0, 0),
                0.5 + 1e-6);
}

TEST(BinaryString, HoldsAndCopiesBytes)
{
    QnBinaryString empty;
    EXPECT_EQ(empty.Length(), 0);
    EXPECT_EQ(empty.Data(), nullptr);
    EXPECT_EQ(empty.ToString(), "");

    QnBinaryString s(B("0102FF"));
    EXPECT_EQ(s.Length(), 3);
    EXPECT_EQ(s[2], 0xFF);
    QnBinaryString copy(s);
    copy[0] = 9;
    EXPECT_EQ(s[0], 1);
    EXPECT_FALSE(copy == s);
    copy = s;
    EXPECT_TRUE(copy == s);
    copy.SetLength(5);
    EXPECT_EQ(copy.ToString(), B("0102FF0000"));
    copy.SetLength(1);
    EXPECT_EQ(copy.ToString(), B("01"));
    QnBinaryString moved(std::move(copy));
    EXPECT_EQ(moved.Length(), 1);
    EXPECT_EQ(copy.Length(), 0);
    moved.Assign("ab", -1);
    EXPECT_EQ(moved.Length(), 0);
    EXPECT_EQ(moved.Data(), nullptr);
}
