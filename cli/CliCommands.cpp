#include "CliCommands.h"

#include "CliSupport.h"

#include "mib/QnErrorCatalogue.h"
#include "mib/QnException.h"
#include "mib/QnOptionList.h"
#include "mib/QnValueText.h"
#include "snmp/QnSNMPRequest.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <map>
#include <span>

namespace vncli {

namespace {

// The front-panel LED status variable, read as one instance (".0").
constexpr const char* LedStatusOid = "1.3.6.1.4.1.98762.11.63.6.2.1.1.5";
constexpr const char* LedStatusLabel = "swL2DevInfoFrontPanelLedStatus";
constexpr const char* LedStatusTitle = " Led Status";

// What the module's scalar panel says when a checked row is empty.
constexpr const char* EmptyItemsText = "Some items are empty!";

constexpr size_t SuggestionCount = 3;

[[noreturn]] void Usage(const std::string& message)
{
    throw CliError(EXIT_USAGE, message);
}

[[noreturn]] void Failure(const std::string& message)
{
    throw CliError(EXIT_FAILURE_SNMP, message);
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string Trim(const std::string& text)
{
    const size_t a = text.find_first_not_of(" \t");
    if (a == std::string::npos)
        return std::string();
    const size_t b = text.find_last_not_of(" \t");
    return text.substr(a, b - a + 1);
}

// Captions joined by " > ", blanks around each caption dropped.
std::string NormalizePath(const std::string& path)
{
    std::string out;
    size_t start = 0;
    while (true) {
        const size_t gt = path.find('>', start);
        if (!out.empty() || start > 0)
            out += " > ";
        out += Trim(path.substr(start, gt == std::string::npos ? std::string::npos : gt - start));
        if (gt == std::string::npos)
            break;
        start = gt + 1;
    }
    return out;
}

std::string LastCaption(const CatalogueEntry& entry)
{
    const std::vector<std::string> captions = MenuCaptions(entry);
    return captions.empty() ? std::string() : captions.back();
}

// The entries whose path is the text or ends with " > " and the text.
std::vector<const CatalogueEntry*> MatchTail(const std::string& text, bool ignoreCase)
{
    const std::string wanted = ignoreCase ? Lower(text) : text;
    std::vector<const CatalogueEntry*> found;
    for (const CatalogueEntry& e : CatalogueEntries()) {
        const std::string path = ignoreCase ? Lower(e.MenuPath) : std::string(e.MenuPath);
        const std::string tail = " > " + wanted;
        if (path == wanted ||
            (path.size() > tail.size() && path.compare(path.size() - tail.size(), tail.size(), tail) == 0))
            found.push_back(&e);
    }
    return found;
}

std::string PathList(const std::vector<const CatalogueEntry*>& entries)
{
    std::string out;
    for (const CatalogueEntry* e : entries)
        out += "\n  " + std::string(e->MenuPath);
    return out;
}

// Texts ranked by closeness to the wanted one: containing it first, then by
// edit distance.
template <typename T, typename KeysOf>
std::vector<T> Closest(const std::vector<T>& candidates, const std::string& wanted, KeysOf keysOf)
{
    const std::string lowered = Lower(wanted);
    std::vector<std::pair<size_t, size_t>> ranked; // score, candidate position
    for (size_t i = 0; i < candidates.size(); ++i) {
        size_t score = std::numeric_limits<size_t>::max();
        for (const std::string& key : keysOf(candidates[i])) {
            if (!lowered.empty() && Lower(key).find(lowered) != std::string::npos)
                score = 0;
            else
                score = std::min(score, 1 + EditDistance(wanted, key));
        }
        ranked.emplace_back(score, i);
    }
    std::stable_sort(ranked.begin(), ranked.end());
    std::vector<T> out;
    for (size_t i = 0; i < ranked.size() && i < SuggestionCount; ++i)
        out.push_back(candidates[ranked[i].second]);
    return out;
}

bool IsTable(const CatalogueEntry& entry)
{
    return entry.ListKind == MVT_FMV || entry.ListKind == MVT_UMV;
}

// The variable list the entry's window builds.
void LoadVariables(QnSNMPRequest& request, const CatalogueEntry& entry)
{
    request.Variables = QnSNMPVarList(entry.Vars, entry.ListKind, entry.IndexCount);
}

// Variables in the order the window shows them: a table's list view puts
// the hidden columns first and then the shown ones, each in list order; a
// scalar panel has one row per variable, leaving out the hidden-flagged.
std::vector<int> DisplayOrder(const QnSNMPVarList& list, bool table)
{
    std::vector<int> order;
    if (table) {
        for (int i = 0; i < list.Count(); ++i)
            if (list.IsHidden(i))
                order.push_back(i);
        for (int i = 0; i < list.Count(); ++i)
            if (list.IsShown(i))
                order.push_back(i);
    } else {
        for (int i = 0; i < list.Count(); ++i)
            if (!(list.Get(i).Access & ACC_HIDDEN))
                order.push_back(i);
    }
    return order;
}

std::string FillText(std::string text, const std::string& marker, const std::string& value)
{
    const size_t at = text.find(marker);
    if (at != std::string::npos)
        text.replace(at, marker.size(), value);
    return text;
}

[[noreturn]] void ValueFailure(const QnSNMPVar& var, const std::string& text)
{
    Failure(Quoted(var.Label) + ": " + text);
}

[[noreturn]] void NumberRangeFailure(const QnSNMPVar& var, const std::string& min, const std::string& max)
{
    ValueFailure(var, FillText(FillText(ErrorText(QNERR_NUMBER_RANGE), "[MIN]", min), "[MAX]", max));
}

bool AllOf(const std::string& text, const char* allowed)
{
    return text.find_first_not_of(allowed) == std::string::npos;
}

// A decimal integer text: an optional sign (when allowed) and digits only.
bool ReadInteger(const std::string& text, bool allowSign, long double& value)
{
    size_t i = 0;
    if (allowSign && !text.empty() && (text[0] == '-' || text[0] == '+'))
        i = 1;
    if (i >= text.size() || !AllOf(text.substr(i), "0123456789"))
        return false;
    value = std::strtold(text.c_str(), nullptr);
    return true;
}

// Digits only, at most 2^64 - 1.
bool FitsUnsigned64(const std::string& text)
{
    if (text.empty() || !AllOf(text, "0123456789"))
        return false;
    uint64_t value = 0;
    for (const char c : text) {
        const uint64_t digit = uint64_t(c - '0');
        if (value > (std::numeric_limits<uint64_t>::max() - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    return true;
}

bool IsDottedIpv4(const std::string& text)
{
    int parts = 0;
    size_t start = 0;
    while (true) {
        const size_t dot = text.find('.', start);
        const std::string part =
            text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (part.empty() || part.size() > 3 || !AllOf(part, "0123456789") || std::atoi(part.c_str()) > 255)
            return false;
        ++parts;
        if (dot == std::string::npos)
            break;
        start = dot + 1;
    }
    return parts == 4;
}

bool IsDottedOid(const std::string& text)
{
    const std::string t = !text.empty() && text[0] == '.' ? text.substr(1) : text;
    return !t.empty() && AllOf(t, "0123456789.") && t.front() != '.' && t.back() != '.' &&
           t.find("..") == std::string::npos;
}

// The checks a value text must pass by the variable's syntax; the windows'
// conversions would quietly turn such texts into zeros.
void CheckSyntax(const QnSNMPVar& var, const std::string& text)
{
    long double n = 0;
    switch (var.Syntax) {
    case SYN_INTEGER:
        if (!ReadInteger(text, true, n) || n < std::numeric_limits<int32_t>::min() ||
            n > std::numeric_limits<int32_t>::max())
            NumberRangeFailure(var, "-2147483648", "2147483647");
        break;
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        if (!ReadInteger(text, false, n) || n > std::numeric_limits<uint32_t>::max())
            NumberRangeFailure(var, "0", "4294967295");
        break;
    case SYN_COUNTER64:
        if (!FitsUnsigned64(text))
            NumberRangeFailure(var, "0", "18446744073709551615");
        break;
    case SYN_BOOLEAN:
        if (text != "true" && text != "false")
            ValueFailure(var, ErrorText(QNERR_BAD_PARTIAL_VALUE));
        break;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS:
    case SYN_IPV6ADDRESS:
        if (!AllOf(text, "0123456789abcdefABCDEF "))
            ValueFailure(var, ErrorText(QNERR_BAD_PARTIAL_VALUE));
        break;
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        if (!IsDottedIpv4(text))
            ValueFailure(var, ErrorText(QNERR_BAD_PARTIAL_VALUE));
        break;
    case SYN_OBJECTID:
        if (!IsDottedOid(text))
            ValueFailure(var, ErrorText(QNERR_BAD_PARTIAL_VALUE));
        break;
    default:
        break;
    }
}

// The catalogue's edit constraint of a variable ("%i{n1x65535l5}",
// "%s{l32}"), checked as the edit checks it when the user leaves the field.
void CheckConstraint(const QnSNMPVar& var, const char* format, const std::string& text)
{
    const std::string f = format;
    if (f.size() < 2 || f[0] != '%')
        return;
    const char type = f[1];
    bool hasMin = false, hasMax = false, fixed = false;
    double min = 0, max = 0;
    long maxLength = 0;
    const size_t open = f.find('{');
    const size_t close = f.find('}', open == std::string::npos ? 0 : open);
    if (open != std::string::npos && close != std::string::npos) {
        const std::string items = f.substr(open + 1, close - open - 1);
        for (size_t i = 0; i < items.size();) {
            const char item = items[i++];
            char* end = nullptr;
            const char* from = items.c_str() + i;
            if (item == 'n' || item == 'x') {
                const double v = std::strtod(from, &end);
                (item == 'n' ? min : max) = v;
                (item == 'n' ? hasMin : hasMax) = true;
            } else if (item == 'l' || item == 'w') {
                const long v = std::strtol(from, &end, 10);
                if (item == 'l')
                    maxLength = v;
                while (*end == 'a' || *end == 'f' || *end == 'n') {
                    fixed = fixed || (item == 'l' && *end == 'f');
                    ++end;
                }
            } else {
                end = const_cast<char*>(from) + (item == 'e' && *from ? 1 : 0);
            }
            i = size_t(end - items.c_str());
        }
    }
    switch (type) {
    case 'i':
    case 'u':
    case 'f': {
        const double v = double(ReadNumber(text));
        if ((hasMin && v < min) || (hasMax && v > max) || (maxLength > 0 && long(text.size()) > maxLength))
            NumberRangeFailure(var, FormatGeneral(min), FormatGeneral(max));
        break;
    }
    case 's':
    case 'h': {
        if (maxLength <= 0)
            break;
        const bool hex = type == 'h';
        if (fixed && long(text.size()) != maxLength)
            ValueFailure(var, FillText(ErrorText(hex ? QNERR_HEX_LENGTH : QNERR_STRING_LENGTH), "[LEN]",
                                       std::to_string(maxLength)));
        if (!fixed && long(text.size()) > maxLength)
            ValueFailure(var, FillText(ErrorText(hex ? QNERR_HEX_TOO_LONG : QNERR_STRING_TOO_LONG),
                                       "[MAXLEN]", std::to_string(maxLength)));
        break;
    }
    default:
        break;
    }
}

const char* ConstraintOf(const CatalogueEntry& entry, int position)
{
    for (const CatalogueFormat* f = entry.Formats; f->Format; ++f)
        if (f->Position == position)
            return f->Format;
    return nullptr;
}

std::string OptionNames(const QnOptionList& options)
{
    std::string out;
    for (int i = 0; i < options.Count(); ++i)
        out += (i ? ", " : "") + options.Get(i).Name;
    return out;
}

// The value text a window would send for what the user typed or chose:
// an option name for enumerations, otherwise the text normalised through the
// variable's packed value. Throws CliError.
std::string NormalizeValue(const CatalogueEntry& entry, const QnSNMPVar& var, int position,
                           const std::string& text)
{
    if (text.empty())
        Usage(Quoted(var.Label) + ": " + EmptyItemsText);
    if (var.Options) {
        const int i = var.Options->FindByName(text);
        if (i < 0)
            Usage(Quoted(text) + " is not an option of " + Quoted(var.Label) +
                  "; the options are: " + OptionNames(*var.Options));
        return var.Options->Get(i).Name;
    }
    CheckSyntax(var, text);
    if (const char* format = ConstraintOf(entry, position))
        CheckConstraint(var, format, text);
    try {
        std::string value = PackedToText(TextToPacked(text, var.Syntax), var.Syntax);
        if (value == kNullText)
            ValueFailure(var, ErrorText(QNERR_BAD_PARTIAL_VALUE));
        return value;
    } catch (const QnException& e) {
        ValueFailure(var, e.Text());
    }
}

std::vector<std::string> Labels(const QnSNMPVarList& list)
{
    std::vector<std::string> labels;
    for (int i = 0; i < list.Count(); ++i)
        labels.push_back(list.Get(i).Label);
    return labels;
}

// The position of the variable with the label (exactly, else ignoring case).
int FindLabel(const CatalogueEntry& entry, const QnSNMPVarList& list, const std::string& label)
{
    for (const bool ignoreCase : {false, true}) {
        std::vector<int> found;
        for (int i = 0; i < list.Count(); ++i)
            if (ignoreCase ? Lower(list.Get(i).Label) == Lower(label) : list.Get(i).Label == label)
                found.push_back(i);
        if (found.size() == 1)
            return found[0];
        if (found.size() > 1)
            Usage("the label " + Quoted(label) + " names " + std::to_string(found.size()) + " variables of " +
                  Quoted(entry.MenuPath));
    }
    std::string message =
        "no variable " + Quoted(label) + " in " + Quoted(entry.MenuPath) + "; the closest labels are:";
    for (const std::string& l :
         Closest(Labels(list), label, [](const std::string& l) { return std::vector<std::string>{l}; }))
        message += "\n  " + l;
    Usage(message);
}

struct Assignment
{
    int Position;
    std::string Text;
};

// LABEL=VALUE arguments. A label may itself hold "=": the first split whose
// left part is a label of the entry wins.
std::vector<Assignment> ParseAssignments(const CatalogueEntry& entry, const QnSNMPVarList& list,
                                         const std::vector<std::string>& arguments)
{
    std::vector<Assignment> out;
    for (const std::string& arg : arguments) {
        const size_t first = arg.find('=');
        if (first == std::string::npos)
            Usage("expected LABEL=VALUE, not " + Quoted(arg));
        size_t split = first;
        for (size_t at = first; at != std::string::npos; at = arg.find('=', at + 1)) {
            const std::string label = arg.substr(0, at);
            bool known = false;
            for (int i = 0; i < list.Count() && !known; ++i)
                known = list.Get(i).Label == label;
            if (known) {
                split = at;
                break;
            }
        }
        const int position = FindLabel(entry, list, arg.substr(0, split));
        for (const Assignment& a : out)
            if (a.Position == position)
                Usage(Quoted(list.Get(position).Label) + " is given twice");
        out.push_back({position, arg.substr(split + 1)});
    }
    return out;
}

bool IsKey(const QnSNMPVarList& list, int position)
{
    return (list.ListKind == MVT_FMV || list.ListKind == MVT_UMV) && position < list.IndexCount;
}

// The instance text of a table row, decoded into the key variables as the
// engine decodes a row it reads; it must come back unchanged when the engine
// composes it again.
void SelectRow(QnSNMPRequest& request, const std::string& row)
{
    const std::string instance = !row.empty() && row[0] == '.' ? row.substr(1) : row;
    try {
        request.DistributeIndex(instance);
    } catch (const QnException& e) {
        Failure("row " + Quoted(row) + ": " + e.Text());
    }
    if (request.ComposeIndex() != instance)
        Failure("row " + Quoted(row) + ": " + ErrorText(QNERR_BAD_KEY_COUNT));
}

class ListSource : public ValueSource
{
public:
    explicit ListSource(std::vector<std::string> values) : values_(std::move(values)) {}
    std::string ValueText(int k) const override { return values_.at(size_t(k)); }

private:
    std::vector<std::string> values_;
};

// One SET of exactly the given variables (positions with their value
// texts); every other variable is left out for this write.
void Write(QnSNMPRequest& request, const std::map<int, std::string>& values)
{
    std::string selection;
    std::vector<std::string> texts;
    for (const auto& [position, text] : values) {
        selection += (selection.empty() ? "" : ",") + std::to_string(position);
        texts.push_back(text);
    }
    const ListSource source(std::move(texts));
    try {
        request.Store(false, selection, &source);
    } catch (const QnException& e) {
        Failure(e.Text());
    }
}

void RequireRowStatus(const CatalogueEntry& entry)
{
    if (entry.RowStatus < 0 || !IsTable(entry))
        Usage(Quoted(entry.MenuPath) + " has no RowStatus column: its rows cannot be added or deleted");
}

void RequireRow(const CatalogueEntry& entry, const std::string& row)
{
    if (row.empty())
        Usage(Quoted(entry.MenuPath) + " is a table: give the row with --row INSTANCE");
}

template <typename F>
auto Talk(F&& f)
{
    try {
        return f();
    } catch (const QnException& e) {
        Failure(e.Text());
    }
}

} // namespace

const char* UsageText()
{
    return "Usage: vn2400-cli [module switches] COMMAND [arguments]\n"
           "\n"
           "Reads and writes the variables of the module's generated windows on a VN-2400\n"
           "switch, with the module's start-up, session records and request engine.\n"
           "\n"
           "Module switches, one argument each, as the module takes them (the switches\n"
           "from /t on count only with SNMP version 3):\n"
           "  /I address  /R read community  /W write community  /v version (0 SNMPv1,\n"
           "  1 SNMPv2c, 3 SNMPv3)  /t port  /c context name  /d context engine ID\n"
           "  /m security model  /l security level  /n security name  /A authentication\n"
           "  pass phrase  /P privacy pass phrase  /a authentication protocol  /p privacy\n"
           "  protocol\n"
           "The device configuration file and the registry file are read as the module\n"
           "reads them.\n"
           "\n"
           "Commands:\n"
           "  list                       one line per generated window: menu path, caption\n"
           "                             title, list kind, index count, number of variables\n"
           "  show PATH [--csv]          read the window's variables (a table to its end):\n"
           "                             a line of labels, then one line per row\n"
           "  set PATH [--row INSTANCE] LABEL=VALUE...\n"
           "                             write the named variables in one SET\n"
           "  add PATH INDEX... LABEL=VALUE...\n"
           "                             create a table row (createAndGo) with the values of\n"
           "                             its index variables, in order\n"
           "  delete PATH --row INSTANCE delete a table row (destroy)\n"
           "  leds                       the front panel's LEDs: colour, flashing or steady\n"
           "  session [--show-secrets]   the session settings start-up produced; nothing is\n"
           "                             sent to the device\n"
           "  --help                     this text\n"
           "\n"
           "PATH: the full menu path (\"Bridge > 802.1d > Information\") or its last caption\n"
           "when that is unique. VALUE: the value text as the windows show it (option names\n"
           "for enumerations, hex pairs for octet strings). INSTANCE: the row's instance as\n"
           "it follows a column's OID (\"3\", \"1.2\", \"4.116.101.115.116\").\n"
           "Tab-separated output shows tabs and line breaks inside values as blanks; --csv\n"
           "writes RFC 4180 CSV.\n"
           "\n"
           "Exit status: 0 success; 2 usage error or unknown menu path; 3 SNMP or conversion\n"
           "failure (the message text on standard error).\n";
}

const CatalogueEntry& FindEntry(const std::string& path)
{
    const std::string wanted = NormalizePath(path);
    for (const bool ignoreCase : {false, true}) {
        const std::vector<const CatalogueEntry*> found = MatchTail(wanted, ignoreCase);
        if (found.size() == 1)
            return *found[0];
        if (found.size() > 1)
            Usage("the menu path " + Quoted(path) + " is not unique; give one of:" + PathList(found));
    }
    std::vector<const CatalogueEntry*> all;
    for (const CatalogueEntry& e : CatalogueEntries())
        all.push_back(&e);
    const auto keys = [](const CatalogueEntry* e) {
        return std::vector<std::string>{e->MenuPath, LastCaption(*e)};
    };
    Usage("unknown menu path " + Quoted(path) +
          "; the closest menu paths are:" + PathList(Closest(all, wanted, keys)));
}

std::string ListCommand()
{
    std::string out;
    for (const CatalogueEntry& e : CatalogueEntries())
        out += JoinRecord({e.MenuPath, e.Title, std::to_string(e.ListKind), std::to_string(e.IndexCount),
                           std::to_string(VariableCount(e))},
                          false);
    return out;
}

std::string ShowCommand(const CatalogueEntry& entry, bool csv)
{
    QnSNMPRequest request;
    LoadVariables(request, entry);
    const QnSNMPVarList& list = request.Variables;
    const std::vector<int> order = DisplayOrder(list, entry.Setup == PanelSetup::Table);

    std::vector<std::string> fields;
    for (int i : order)
        fields.push_back(list.Get(i).Label);
    std::string out = JoinRecord(fields, csv);
    const auto addRow = [&] {
        fields.clear();
        for (int i : order)
            fields.push_back(list.Get(i).Value);
        out += JoinRecord(fields, csv);
    };
    Talk([&] {
        if (IsTable(entry)) {
            for (bool first = true; request.Fetch(first); first = false)
                addRow();
        } else {
            request.Fetch(true);
            addRow();
        }
    });
    return out;
}

void SetCommand(const CatalogueEntry& entry, const std::string& row,
                const std::vector<std::string>& assignments)
{
    QnSNMPRequest request;
    LoadVariables(request, entry);
    QnSNMPVarList& list = request.Variables;
    if (IsTable(entry))
        RequireRow(entry, row);
    else if (!row.empty())
        Usage(Quoted(entry.MenuPath) + " is a group of scalars: --row is for tables");
    if (assignments.empty())
        Usage("nothing to set: give LABEL=VALUE");

    const std::vector<Assignment> parsed = ParseAssignments(entry, list, assignments);
    for (const Assignment& a : parsed) {
        const QnSNMPVar& var = list.Get(a.Position);
        if (IsKey(list, a.Position))
            Usage(Quoted(var.Label) + " is part of the row index; the row is given by --row");
        if (!list.IsWriteSelected(a.Position))
            Usage(Quoted(var.Label) + " is read-only");
    }
    std::map<int, std::string> values;
    for (const Assignment& a : parsed) {
        const std::string value = NormalizeValue(entry, list.Get(a.Position), a.Position, a.Text);
        if (a.Position == entry.RowStatus && (value == RowCreateValue || value == RowDeleteValue))
            Usage(Quoted(value) + " creates or deletes the row: use add or delete");
        values[a.Position] = value;
    }
    if (IsTable(entry))
        SelectRow(request, row);
    Write(request, values);
}

void AddCommand(const CatalogueEntry& entry, const std::vector<std::string>& indexValues,
                const std::vector<std::string>& assignments)
{
    RequireRowStatus(entry);
    QnSNMPRequest request;
    LoadVariables(request, entry);
    QnSNMPVarList& list = request.Variables;
    // An index value that reads as LABEL=VALUE of one of the other variables
    // means that index values are missing.
    const auto looksLikeAssignment = [&](const std::string& text) {
        for (size_t at = text.find('='); at != std::string::npos; at = text.find('=', at + 1))
            for (int i = list.IndexCount; i < list.Count(); ++i)
                if (Lower(list.Get(i).Label) == Lower(text.substr(0, at)))
                    return true;
        return false;
    };
    if (int(indexValues.size()) != list.IndexCount ||
        std::any_of(indexValues.begin(), indexValues.end(), looksLikeAssignment)) {
        std::string names;
        for (int i = 0; i < list.IndexCount; ++i)
            names += (i ? ", " : "") + Quoted(list.Get(i).Label);
        Usage(Quoted(entry.MenuPath) + " needs " + std::to_string(list.IndexCount) +
              " index value(s) before the LABEL=VALUE arguments: " + names);
    }
    const std::vector<Assignment> parsed = ParseAssignments(entry, list, assignments);
    for (const Assignment& a : parsed) {
        const QnSNMPVar& var = list.Get(a.Position);
        if (IsKey(list, a.Position))
            Usage(Quoted(var.Label) + " is part of the row index: give it before the LABEL=VALUE arguments");
        if (a.Position == entry.RowStatus)
            Usage(Quoted(var.Label) + " is written by add itself (" + RowCreateValue + ")");
        if (!list.IsWriteSelected(a.Position))
            Usage(Quoted(var.Label) + " is read-only");
    }

    std::map<int, std::string> values;
    for (int i = 0; i < list.IndexCount; ++i) {
        const std::string value = NormalizeValue(entry, list.Get(i), i, indexValues[size_t(i)]);
        list.Get(i).Value = value;
        values[i] = value;
    }
    for (const Assignment& a : parsed)
        values[a.Position] = NormalizeValue(entry, list.Get(a.Position), a.Position, a.Text);
    values[entry.RowStatus] = RowCreateValue;
    Write(request, values);
}

void DeleteCommand(const CatalogueEntry& entry, const std::string& row)
{
    RequireRowStatus(entry);
    RequireRow(entry, row);
    QnSNMPRequest request;
    LoadVariables(request, entry);
    SelectRow(request, row);
    std::map<int, std::string> values;
    for (int i = 0; i < request.Variables.IndexCount; ++i)
        values[i] = request.Variables.Get(i).Value;
    values[entry.RowStatus] = RowDeleteValue;
    Write(request, values);
}

std::string LedsCommand()
{
    QnSNMPRequest request;
    QnSNMPVarList& list = request.Variables;
    list.AddVariable(LedStatusOid, LedStatusLabel, SYN_DISPLAYSTR, ACC_READONLY);
    list.ListKind = MVT_SV;
    list.IndexCount = 0;
    list.InstanceText = "0";
    list.Title = LedStatusTitle;
    Talk([&] { request.Fetch(true); });
    const std::string bytes = Talk([&] { return TextToPacked(list.Get(0).Value, SYN_DISPLAYSTR); });
    std::string out;
    for (const LedState& led : DecodeFrontPanel(bytes))
        out += led.Name + "\t" + led.Colour + "\t" + (led.Flashing ? "flashing" : "steady") + "\n";
    return out;
}

std::string SessionCommand(const StartupResult& startup, bool showSecrets)
{
    const auto secret = [&](const std::string& text) {
        return showSecrets ? text : std::string(text.empty() ? "(empty)" : "(set)");
    };
    const SessionTexts& t = startup.Texts;
    const std::vector<std::pair<std::string, std::string>> lines = {
        {"Address", DefaultDevice.Address},
        {"Port", std::to_string(DefaultDevice.Port)},
        {"Version", std::to_string(DefaultSecurity.Version)},
        {"ReadCommunity", DefaultSecurity.ReadCommunity},
        {"WriteCommunity", DefaultSecurity.WriteCommunity},
        {"SecurityModel", std::to_string(DefaultSecurity.SecurityModel)},
        {"SecurityLevel", std::to_string(DefaultSecurity.SecurityLevel)},
        {"SecurityName", DefaultSecurity.SecurityName},
        {"AuthPassword", secret(DefaultSecurity.AuthPassword)},
        {"PrivPassword", secret(DefaultSecurity.PrivPassword)},
        {"AuthProtocol", std::to_string(DefaultSecurity.AuthProtocol)},
        {"PrivProtocol", std::to_string(DefaultSecurity.PrivProtocol)},
        {"ContextName", DefaultScope.ContextName},
        {"ContextEngineID", DefaultScope.ContextEngineID},
        {"SessionTexts.IPAddress", t.IPAddress},
        {"SessionTexts.ReadCommunity", t.ReadCommunity},
        {"SessionTexts.WriteCommunity", t.WriteCommunity},
        {"SessionTexts.AgentPort", t.AgentPort},
        {"SessionTexts.Version", t.Version},
        {"SessionTexts.SecurityName", t.SecurityName},
        {"SessionTexts.AuthPassword", secret(t.AuthPassword)},
        {"SessionTexts.PrivPassword", secret(t.PrivPassword)},
        {"SessionTexts.AuthProtocol", t.AuthProtocol},
        {"SessionTexts.PrivProtocol", t.PrivProtocol},
        {"SessionTexts.ContextEngineID", t.ContextEngineID},
        {"SessionTexts.SecurityLevel", t.SecurityLevel},
        {"SessionTexts.ContextName", t.ContextName},
        {"SessionTexts.SecurityModel", t.SecurityModel},
        {"SNMPv3Menu", startup.SnmpV3MenuEnabled ? "enabled" : "disabled"},
    };
    std::string out;
    for (const auto& [name, value] : lines)
        out += JoinRecord({name, value}, false);
    return out;
}

} // namespace vncli
