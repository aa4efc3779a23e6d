#include "mib/QnErrorCatalogue.h"

#include "mib/QnException.h"

#include <array>
#include <cstdio>
#include <vector>

namespace {

// Built-in texts; the catalogue files hold the same messages, one a line.
const char* const kGeneral[] = {
    "Ok!",
    "Bad logic operand!",
    "Bad format specifier of edit's constraint!",
    "Empty value is not allowed!",
    "Please enter a string whose length is less than [MAXLEN]!",
    "Please enter a string whose length is [LEN]!",
    "Please enter a hex string whose length is less than [MAXLEN]!",
    "Please enter a hex string whose length is [LEN]!",
    "Please enter a number between [MIN] and [MAX]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is "
    "less than [MAXCOUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is "
    "equal to [COUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] "
    "and [MAX]!",
    "Out of range at index of array or list!",
    "Destination buffer is undersize!",
    "The source to dncrypt is not encrypted!",
    "Fail to read data from file([FILENAME])!",
    "Fail to write data to file([FILENAME])!",
    "Fail to write value in ini file([FILENAME])!",
    "Fail to read option data from file([FILENAME])!",
};
const char* const kAgent[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};
const char* const kSnmpV3[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};
const char* const kUsm[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};
const char* const kClass[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};
const char* const kQnSnmp[] = {
    "(DoDUDE++) Ok!",
    "(DoDUDE++) Fail to read SNMP variables from file([FILENAME])!",
    "(DoDUDE++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(DoDUDE++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(DoDUDE++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(DoDUDE++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(DoDUDE++) Cannot create the global DoDUDE++ session!",
    "(DoDUDE++) Error when loading SNMP engine boots counter!",
    "(DoDUDE++) Error when saving SNMP engine boots counter!",
    "(DoDUDE++) Invalid IP Address or DNS name!",
    "(DoDUDE++) Can't send get-next command for a SNMP variable list with single value!",
    "(DoDUDE++) Bad SNMP syntax!",
    "(DoDUDE++) Null value in the expression!",
    "(DoDUDE++) Bad SNMP syntax in the expression!",
    "(DoDUDE++) Bad key count of SNMP variable list!",
    "(DoDUDE++) Bad item type of SNMP variable list!",
    "(DoDUDE++) Bad item type of associated SNMP variable list!",
    "(DoDUDE++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(DoDUDE++) Bad value of the associated SNMP variable's (partial) data!",
    "(DoDUDE++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(DoDUDE++) No reference option list for a SNMP variable's (partial) data associating with a optional "
    "visual control!",
    "(DoDUDE++) Bad type of the associated visual control!",
    "(DoDUDE++) Count of the associated visual controls is not enough!",
    "(DoDUDE++) No system start time for the time whose data source is the SNMP variable's (partial) data "
    "with syntax timeticks!",
    "(DoDUDE++) Count of the value items for the chart's history data is not enough!",
    "(DoDUDE++) Log database is not connected!",
    "(DoDUDE++) Log database field not found!",
    "(DoDUDE++) Bad syntax for the history chart of log!",
    "(DoDUDE++) Unknown error code!",
};
const char* const kStatus[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

struct BuiltIn
{
    const char* const* texts;
    int count;
    const char* fileName;
};

template <size_t N>
constexpr BuiltIn Make(const char* const (&a)[N], const char* file)
{
    return BuiltIn{a, int(N), file};
}

const std::array<BuiltIn, CAT_COUNT> kBuiltIn = {
    Make(kGeneral, "common.err"), Make(kAgent, "snmp.err"),      Make(kSnmpV3, "snmpv3.err"),
    Make(kUsm, "snmpusm.err"),    Make(kClass, "snmpclass.err"), Make(kQnSnmp, "qnsnmp.err"),
    Make(kStatus, "snmp.msg"),
};

// Texts loaded from files; an empty slot uses its built-in texts.
std::array<std::vector<std::string>, CAT_COUNT> gLoaded;

bool ValidSlot(int slot)
{
    return slot >= 0 && slot < CAT_COUNT;
}

// A blank in the catalogue sense: spaces and control characters.
bool IsBlank(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7F;
}

// Splits the file's bytes the way a text-mode reader with a 1024-byte line
// buffer sees them: CR LF counts as one line end, and a line of more than
// 1023 characters arrives as several pieces. A zero byte ends a piece's text.
std::vector<std::string> ReadPieces(const std::string& bytes)
{
    constexpr size_t kPiece = 1023;
    std::vector<std::string> pieces;
    std::string cur;
    bool open = false;
    auto flush = [&] {
        const size_t nul = cur.find('\0');
        if (nul != std::string::npos)
            cur.resize(nul);
        pieces.push_back(cur);
        cur.clear();
        open = false;
    };
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
            c = '\n';
        }
        open = true;
        if (c == '\n') {
            flush(); // the line end itself is dropped
            continue;
        }
        cur.push_back(c);
        if (cur.size() == kPiece)
            flush();
    }
    if (open)
        flush();
    return pieces;
}

bool IsBlankLine(const std::string& s)
{
    for (char c : s)
        if (!IsBlank(c))
            return false;
    return true;
}

} // namespace

const char* CatalogueFileName(QnCatalogue slot)
{
    return ValidSlot(slot) ? kBuiltIn[size_t(slot)].fileName : "";
}

bool LoadCatalogue(QnCatalogue slot, const std::string& path)
{
    if (!ValidSlot(slot))
        return false;
    // C streams: a read error (a folder, a vanished file) is a plain result
    // here, never an exception.
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    std::string bytes;
    char buf[4096];
    size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, f)) > 0)
        bytes.append(buf, got);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        return false;
    // The file is read once, so the count and the texts always agree even if
    // the file changes while it is being loaded.
    std::vector<std::string> texts;
    for (std::string& piece : ReadPieces(bytes))
        if (!IsBlankLine(piece))
            texts.push_back(std::move(piece));
    if (texts.empty())
        return false;
    gLoaded[size_t(slot)] = std::move(texts);
    return true;
}

void LoadCatalogues(const std::string& folder)
{
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '/')
        prefix += '/';
    for (int slot = 0; slot < CAT_COUNT; ++slot)
        LoadCatalogue(QnCatalogue(slot), prefix + kBuiltIn[size_t(slot)].fileName);
}

void ResetCatalogues()
{
    for (auto& texts : gLoaded)
        texts.clear();
}

int CatalogueCount(QnCatalogue slot)
{
    if (!ValidSlot(slot))
        return 0;
    const auto& loaded = gLoaded[size_t(slot)];
    return loaded.empty() ? kBuiltIn[size_t(slot)].count : int(loaded.size());
}

int CatalogueBuiltInCount(QnCatalogue slot)
{
    return ValidSlot(slot) ? kBuiltIn[size_t(slot)].count : 0;
}

std::string CatalogueText(QnCatalogue slot, int position)
{
    if (!ValidSlot(slot) || position < 0)
        return std::string();
    const auto& loaded = gLoaded[size_t(slot)];
    if (size_t(position) < loaded.size())
        return loaded[size_t(position)];
    // A loaded file shorter than the program's list: the built-in text.
    const BuiltIn& b = kBuiltIn[size_t(slot)];
    if (position < b.count)
        return b.texts[position];
    return std::string();
}

std::string ErrorText(int code)
{
    if (code == 0)
        return CatalogueText(CAT_QNSNMP, 0);
    if (code >= -18 && code <= -1)
        return CatalogueText(CAT_GENERAL, -code);
    if (code >= -118 && code <= -101)
        return CatalogueText(CAT_AGENT, -code - 101);
    if (code >= -217 && code <= -201)
        return CatalogueText(CAT_SNMPV3, -code - 201);
    if (code >= -314 && code <= -301)
        return CatalogueText(CAT_USM, -code - 301);
    if (code >= -423 && code <= -401)
        return CatalogueText(CAT_CLASS, -code - 401);
    if (code >= -528 && code <= -500)
        return CatalogueText(CAT_QNSNMP, -code - 500);
    return CatalogueText(CAT_QNSNMP, -QNERR_UNKNOWN - 500);
}

QnStatus MapStatus(int s)
{
    int code;
    if (s == 0 || s == 1400 || s == -1401)
        code = 0;
    else if (s >= 1 && s <= 18)
        code = -100 - s;
    else if (s >= 1401 && s <= 1414)
        code = 1100 - s;
    else if (s >= -1418 && s <= -1402)
        code = s + 1201;
    else if (s >= -23 && s <= -1)
        code = s - 400;
    else
        code = QNERR_UNKNOWN;
    return QnStatus{code, ErrorText(code)};
}

void RaiseError(int code)
{
    throw QnException(code, ErrorText(code));
}
