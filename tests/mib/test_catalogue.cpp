#include "mib/QnErrorCatalogue.h"
#include "mib/QnException.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

class Catalogue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetCatalogues();
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override { ResetCatalogues(); }

    // Writes a file of raw bytes and returns its path.
    std::string Write(const std::string& name, const std::string& bytes)
    {
        const std::string path = dir_.path().toStdString() + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    QTemporaryDir dir_;
};

TEST_F(Catalogue, BuiltInCounts)
{
    const int counts[CAT_COUNT] = {19, 18, 17, 14, 23, 29, 2};
    for (int slot = 0; slot < CAT_COUNT; ++slot) {
        EXPECT_EQ(CatalogueBuiltInCount(QnCatalogue(slot)), counts[slot]) << slot;
        EXPECT_EQ(CatalogueCount(QnCatalogue(slot)), counts[slot]) << slot;
    }
}

// Every text of a catalogue carries its catalogue's mark, so a text that
// slipped into the wrong list or position shows up here.
TEST_F(Catalogue, BuiltInTextsCarryTheirCatalogueMark)
{
    const struct
    {
        QnCatalogue slot;
        const char* mark;
    } marks[] = {{CAT_AGENT, "(SNMP) "},
                 {CAT_SNMPV3, "(SNMPv3) "},
                 {CAT_USM, "(SNMPv3USM) "},
                 {CAT_CLASS, "(SNMP"},
                 {CAT_QNSNMP, "(DoDUDE++) "}};
    for (const auto& m : marks)
        for (int pos = 0; pos < CatalogueBuiltInCount(m.slot); ++pos)
            EXPECT_EQ(CatalogueText(m.slot, pos).rfind(m.mark, 0), 0u) << m.slot << "/" << pos;
}

TEST_F(Catalogue, BuiltInTextsAtTheEdgesAndOddSpellings)
{
    const struct
    {
        QnCatalogue slot;
        int pos;
        const char* text;
    } cases[] = {
        {CAT_GENERAL, 0, "Ok!"},
        {CAT_GENERAL, 1, "Bad logic operand!"},
        {CAT_GENERAL, 2, "Bad format specifier of edit's constraint!"},
        {CAT_GENERAL, 8, "Please enter a number between [MIN] and [MAX]!"},
        {CAT_GENERAL, 9,
         "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
         "Here,the count of the number is less than [MAXCOUNT]!"},
        {CAT_GENERAL, 10,
         "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
         "Here,the count of the number is equal to [COUNT]!"},
        {CAT_GENERAL, 11,
         "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
         "Here,each number is between [MIN] and [MAX]!"},
        {CAT_GENERAL, 14, "The source to dncrypt is not encrypted!"},
        {CAT_GENERAL, 18, "Fail to read option data from file([FILENAME])!"},
        {CAT_AGENT, 0, "(SNMP) Response PDU Too Big!"},
        {CAT_AGENT, 17, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {CAT_SNMPV3, 0, "(SNMPv3) Unsupported Security Model!"},
        {CAT_SNMPV3, 16, "(SNMPv3) Report sent!"},
        {CAT_USM, 0, "(SNMPv3USM) error!"},
        {CAT_USM, 13, "(SNMPv3USM) Address error!"},
        {CAT_CLASS, 0, "(SNMPClass) Operation failed!"},
        {CAT_CLASS, 8, "(SNMPClass)Unknown error code!"},
        {CAT_CLASS, 19, "(SNMP Class) Transport is not supported!"},
        {CAT_CLASS, 22, "(SNMPClass) Blocked Mode Shutdown!"},
        {CAT_QNSNMP, 0, "(DoDUDE++) Ok!"},
        {CAT_QNSNMP, 2, "(DoDUDE++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!"},
        {CAT_QNSNMP, 20,
         "(DoDUDE++) No reference option list for a SNMP variable's (partial) data associating with a "
         "optional "
         "visual control!"},
        {CAT_QNSNMP, 28, "(DoDUDE++) Unknown error code!"},
        {CAT_STATUS, 0, "Get: [ERROR] Request:[VARLIST]. Receive at [TIME]."},
        {CAT_STATUS, 1, "Set: [ERROR] Request:[VARLIST]. Receive at [TIME]."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CatalogueText(c.slot, c.pos), c.text) << c.slot << "/" << c.pos;
    // Outside the catalogue: nothing, never a neighbour's text.
    EXPECT_EQ(CatalogueText(CAT_STATUS, 2), "");
    EXPECT_EQ(CatalogueText(CAT_GENERAL, -1), "");
    EXPECT_EQ(CatalogueText(QnCatalogue(7), 0), "");
}

TEST_F(Catalogue, MapStatus)
{
    const struct
    {
        int status;
        int code;
        const char* text;
    } cases[] = {
        {0, 0, "(DoDUDE++) Ok!"},
        {1400, 0, "(DoDUDE++) Ok!"},
        {-1401, 0, "(DoDUDE++) Ok!"},
        {1, -101, "(SNMP) Response PDU Too Big!"},
        {2, -102, "(SNMP) Variable does not exist!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {1401, -301, "(SNMPv3USM) error!"},
        {1414, -314, "(SNMPv3USM) Address error!"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
        {-1418, -217, "(SNMPv3) Report sent!"},
        {-1, -401, "(SNMPClass) Operation failed!"},
        {-5, -405, "(SNMPClass) SNMP request timed out!"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
        // just outside every range
        {19, -528, "(DoDUDE++) Unknown error code!"},
        {999, -528, "(DoDUDE++) Unknown error code!"},
        {1399, -528, "(DoDUDE++) Unknown error code!"},
        {1415, -528, "(DoDUDE++) Unknown error code!"},
        {-24, -528, "(DoDUDE++) Unknown error code!"},
        {-1400, -528, "(DoDUDE++) Unknown error code!"},
        {-1419, -528, "(DoDUDE++) Unknown error code!"},
    };
    for (const auto& c : cases) {
        const QnStatus s = MapStatus(c.status);
        EXPECT_EQ(s.Code, c.code) << c.status;
        EXPECT_EQ(s.Text, c.text) << c.status;
    }
}

TEST_F(Catalogue, TextOfACode)
{
    const struct
    {
        int code;
        QnCatalogue slot;
        int pos;
    } cases[] = {
        {0, CAT_QNSNMP, 0},
        {-1, CAT_GENERAL, 1},
        {-18, CAT_GENERAL, 18},
        {-101, CAT_AGENT, 0},
        {-118, CAT_AGENT, 17},
        {-201, CAT_SNMPV3, 0},
        {-217, CAT_SNMPV3, 16},
        {-301, CAT_USM, 0},
        {-314, CAT_USM, 13},
        {-401, CAT_CLASS, 0},
        {-423, CAT_CLASS, 22},
        {-500, CAT_QNSNMP, 0},
        {-511, CAT_QNSNMP, 11},
        {-528, CAT_QNSNMP, 28},
        // codes that address no catalogue
        {-19, CAT_QNSNMP, 28},
        {-100, CAT_QNSNMP, 28},
        {-119, CAT_QNSNMP, 28},
        {-218, CAT_QNSNMP, 28},
        {-529, CAT_QNSNMP, 28},
        {5, CAT_QNSNMP, 28},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorText(c.code), CatalogueText(c.slot, c.pos)) << c.code;
    EXPECT_EQ(ErrorText(QNERR_BAD_SYNTAX), "(DoDUDE++) Bad SNMP syntax!");
    EXPECT_EQ(
        ErrorText(QNERR_PARTIAL_RANGE),
        "(DoDUDE++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!");
}

TEST_F(Catalogue, RaiseErrorThrowsCodeAndText)
{
    try {
        RaiseError(QNERR_BAD_PARTIAL_VALUE);
        FAIL() << "no exception";
    } catch (const QnException& e) {
        EXPECT_EQ(e.Code(), -518);
        EXPECT_STREQ(e.what(), "(DoDUDE++) Bad value of the associated SNMP variable's (partial) data!");
    }
    LoadCatalogue(CAT_GENERAL, Write("common.err", "zero\none\n"));
    try {
        RaiseError(QNERR_BAD_LOGIC_OPERAND);
        FAIL() << "no exception";
    } catch (const QnException& e) {
        EXPECT_EQ(e.Code(), -1);
        EXPECT_EQ(e.Text(), "one");
    }
}

TEST_F(Catalogue, FileReplacesTheTexts)
{
    std::string body;
    for (int i = 1; i <= 18; ++i)
        body += "agent text " + std::to_string(i) + "\n";
    EXPECT_TRUE(LoadCatalogue(CAT_AGENT, Write("snmp.err", body)));
    EXPECT_EQ(CatalogueCount(CAT_AGENT), 18);
    const QnStatus s = MapStatus(2);
    EXPECT_EQ(s.Code, -102);
    EXPECT_EQ(s.Text, "agent text 2");
    EXPECT_EQ(ErrorText(-118), "agent text 18");
    // other catalogues keep their texts
    EXPECT_EQ(ErrorText(-405), "(SNMPClass) SNMP request timed out!");
}

struct LoadCase
{
    const char* name;
    std::string bytes;
    std::vector<std::string> texts; // empty: the file is refused
};

class CatalogueFile : public Catalogue, public ::testing::WithParamInterface<LoadCase>
{
};

TEST_P(CatalogueFile, Lines)
{
    const LoadCase& c = GetParam();
    const bool loaded = LoadCatalogue(CAT_STATUS, Write("snmp.msg", c.bytes));
    EXPECT_EQ(loaded, !c.texts.empty());
    if (c.texts.empty()) {
        EXPECT_EQ(CatalogueCount(CAT_STATUS), 2);
        EXPECT_EQ(CatalogueText(CAT_STATUS, 0), "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].");
        return;
    }
    ASSERT_EQ(CatalogueCount(CAT_STATUS), int(c.texts.size()));
    for (size_t i = 0; i < c.texts.size(); ++i)
        EXPECT_EQ(CatalogueText(CAT_STATUS, int(i)), c.texts[i]) << i;
}

const std::string k1500(1500, 'x');
const std::string k1023(1023, 'y');

INSTANTIATE_TEST_SUITE_P(
    Formats, CatalogueFile,
    ::testing::Values(
        LoadCase{"BlankLinesDoNotShift", "first\n\n\nsecond\n\nthird\n", {"first", "second", "third"}},
        LoadCase{"BlanksKept", "  lead\ntrail  \n \t \n\tmid\n", {"  lead", "trail  ", "\tmid"}},
        LoadCase{"CrLf", "one\r\ntwo\r\n\r\nthree", {"one", "two", "three"}},
        LoadCase{"OnlyBlankLines", "\n   \n\t\r\n\n", {}}, LoadCase{"EmptyFile", "", {}},
        LoadCase{
            "LongLineInPieces", k1500 + "\nnext\n", {std::string(1023, 'x'), std::string(477, 'x'), "next"}},
        // 1023 characters fill one piece; the line end alone is a blank piece
        LoadCase{"LineOfPieceSize", k1023 + "\nnext\n", {k1023, "next"}},
        LoadCase{"PieceThenOneCharacter", k1023 + "z\n", {k1023, "z"}},
        LoadCase{"LongerThanBuiltIn", "a\nb\nc\n", {"a", "b", "c"}}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

TEST_F(Catalogue, MissingFileKeepsTheTexts)
{
    EXPECT_FALSE(LoadCatalogue(CAT_GENERAL, dir_.path().toStdString() + "/absent.err"));
    EXPECT_EQ(CatalogueText(CAT_GENERAL, 1), "Bad logic operand!");
    EXPECT_FALSE(LoadCatalogue(CAT_GENERAL, dir_.path().toStdString())); // a folder
    EXPECT_EQ(CatalogueCount(CAT_GENERAL), 19);
}

TEST_F(Catalogue, ShortFileFallsBackToBuiltInBeyondItsEnd)
{
    ASSERT_TRUE(LoadCatalogue(CAT_CLASS, Write("snmpclass.err", "\nfirst only\n")));
    EXPECT_EQ(CatalogueCount(CAT_CLASS), 1);
    EXPECT_EQ(MapStatus(-1).Text, "first only");
    EXPECT_EQ(MapStatus(-5).Text, "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(ErrorText(-423), "(SNMPClass) Blocked Mode Shutdown!");
    EXPECT_EQ(CatalogueText(CAT_CLASS, 23), "");
}

TEST_F(Catalogue, LaterLoadReplacesAndResetRestores)
{
    ASSERT_TRUE(LoadCatalogue(CAT_USM, Write("a.err", "one\ntwo\n")));
    ASSERT_TRUE(LoadCatalogue(CAT_USM, Write("b.err", "three\n")));
    EXPECT_EQ(CatalogueCount(CAT_USM), 1);
    EXPECT_EQ(ErrorText(-301), "three");
    EXPECT_EQ(ErrorText(-302), "(SNMPv3USM) Configfile write error!");
    // a blank file afterwards leaves the loaded texts
    EXPECT_FALSE(LoadCatalogue(CAT_USM, Write("c.err", "\n\n")));
    EXPECT_EQ(ErrorText(-301), "three");
    ResetCatalogues();
    EXPECT_EQ(ErrorText(-301), "(SNMPv3USM) error!");
}

TEST_F(Catalogue, LoadCataloguesReadsEveryFileOfTheFolder)
{
    const char* names[CAT_COUNT] = {"common.err",    "snmp.err",   "snmpv3.err", "snmpusm.err",
                                    "snmpclass.err", "qnsnmp.err", "snmp.msg"};
    for (int slot = 0; slot < CAT_COUNT; ++slot) {
        EXPECT_STREQ(CatalogueFileName(QnCatalogue(slot)), names[slot]);
        if (slot != CAT_SNMPV3) // one file missing
            Write(names[slot], "from file " + std::to_string(slot) + "\n");
    }
    LoadCatalogues(dir_.path().toStdString());
    for (int slot = 0; slot < CAT_COUNT; ++slot) {
        if (slot == CAT_SNMPV3)
            EXPECT_EQ(CatalogueText(QnCatalogue(slot), 0), "(SNMPv3) Unsupported Security Model!");
        else
            EXPECT_EQ(CatalogueText(QnCatalogue(slot), 0), "from file " + std::to_string(slot)) << slot;
    }
    EXPECT_EQ(ErrorText(0), "from file 5");
}

} // namespace
