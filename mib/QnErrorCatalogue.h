// The message catalogues: every failure the program reports carries a
// negative code and a text taken from one of seven catalogues. Each catalogue
// starts with its built-in texts and may be replaced once at start-up by a
// text file of the host's installation (one message per line).
#pragma once

#include <string>

// The seven catalogue slots, in the order start-up loads them.
enum QnCatalogue : int {
    CAT_GENERAL = 0, // general messages ("common.err"), position n is code -n
    CAT_AGENT = 1,   // agent error status s at position s - 1 ("snmp.err")
    CAT_SNMPV3 = 2,  // message processing status -1402 - n at position n ("snmpv3.err")
    CAT_USM = 3,     // user-based security status 1401 + n at position n ("snmpusm.err")
    CAT_CLASS = 4,   // library class status -1 - n at position n ("snmpclass.err")
    CAT_QNSNMP = 5,  // binding library code -500 - n at position n ("qnsnmp.err")
    CAT_STATUS = 6,  // status line templates: 0 read, 1 write ("snmp.msg")
    CAT_COUNT = 7
};

// Codes of the general messages (position = -code).
enum : int {
    QNERR_OK = 0,
    QNERR_BAD_LOGIC_OPERAND = -1,
    QNERR_BAD_CONSTRAINT_FORMAT = -2,
    QNERR_EMPTY_VALUE = -3,
    QNERR_STRING_TOO_LONG = -4,
    QNERR_STRING_LENGTH = -5,
    QNERR_HEX_TOO_LONG = -6,
    QNERR_HEX_LENGTH = -7,
    QNERR_NUMBER_RANGE = -8,
    QNERR_NUMLIST_MAXCOUNT = -9,
    QNERR_NUMLIST_COUNT = -10,
    QNERR_NUMLIST_RANGE = -11,
    QNERR_INDEX_RANGE = -12,
    QNERR_BUFFER_UNDERSIZE = -13,
    QNERR_NOT_ENCRYPTED = -14,
    QNERR_FILE_READ = -15,
    QNERR_FILE_WRITE = -16,
    QNERR_INI_WRITE = -17,
    QNERR_OPTION_FILE_READ = -18,
};

// Codes of the binding library (position = -code - 500).
enum : int {
    QNERR_SNMP_OK = -500, // never raised; code 0 shows this position's text
    QNERR_VARFILE_READ = -501,
    QNERR_VARFILE_FORMAT = -502,
    QNERR_VARFILE_ITEMTYPE = -503,
    QNERR_VARFILE_SYNTAX = -504,
    QNERR_VARFILE_ACCESS = -505,
    QNERR_SESSION_CREATE = -506,
    QNERR_BOOTS_LOAD = -507,
    QNERR_BOOTS_SAVE = -508,
    QNERR_BAD_ADDRESS = -509,
    QNERR_GETNEXT_SINGLE = -510,
    QNERR_BAD_SYNTAX = -511,
    QNERR_NULL_IN_EXPRESSION = -512,
    QNERR_BAD_SYNTAX_IN_EXPRESSION = -513,
    QNERR_BAD_KEY_COUNT = -514,
    QNERR_BAD_LIST_KIND = -515,
    QNERR_BAD_ASSOC_LIST_KIND = -516,
    QNERR_BAD_PARTIAL_SYNTAX = -517,
    QNERR_BAD_PARTIAL_VALUE = -518,
    QNERR_PARTIAL_RANGE = -519,
    QNERR_NO_OPTION_LIST = -520,
    QNERR_BAD_CONTROL_TYPE = -521,
    QNERR_CONTROLS_NOT_ENOUGH = -522,
    QNERR_NO_START_TIME = -523,
    QNERR_CHART_ITEMS = -524,
    QNERR_LOGDB_NOT_CONNECTED = -525,
    QNERR_LOGDB_FIELD = -526,
    QNERR_LOG_CHART_SYNTAX = -527,
    QNERR_UNKNOWN = -528,
};

// Positions of the status line templates.
enum : int { STATUS_TEMPLATE_GET = 0, STATUS_TEMPLATE_SET = 1 };

// The file name of a slot's catalogue, without folder ("common.err", ...).
const char* CatalogueFileName(QnCatalogue slot);

// Replaces the slot's texts by the file's lines when the file has at least one
// non-blank line; otherwise leaves the slot as it is. Never fails. Returns
// whether the slot was replaced.
bool LoadCatalogue(QnCatalogue slot, const std::string& path);

// Loads every slot, in slot order, from the files of the given folder.
void LoadCatalogues(const std::string& folder);

// Puts every slot back to its built-in texts (tests).
void ResetCatalogues();

// Number of texts the slot holds now, and its number of built-in texts.
int CatalogueCount(QnCatalogue slot);
int CatalogueBuiltInCount(QnCatalogue slot);

// The text at a position. A position a loaded file does not reach gives the
// built-in text of that position; a position beyond both gives "".
std::string CatalogueText(QnCatalogue slot, int position);

// The text of a code (0, -1..-18, -101..-118, -201..-217, -301..-314,
// -401..-423, -500..-528). Any other code gives the text of -528.
std::string ErrorText(int code);

// A code and its text.
struct QnStatus
{
    int Code;
    std::string Text;
};

// Maps an SNMP library status (SNMP++ numbering) to a code and its text.
QnStatus MapStatus(int libraryStatus);

// Throws QnException with the code and its text.
[[noreturn]] void RaiseError(int code);
