// The commands of vn2400-cli. Each reaches the device the way the module's
// windows do: a QnSNMPRequest made after start-up copies the default session
// records, its variable list comes from the catalogue entry's descriptor
// table, and values are the engine's value texts.
#pragma once

#include "app/Startup.h"
#include "features/Catalogue.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace vncli {

// Exit statuses.
inline constexpr int EXIT_USAGE = 2;        // usage error, unknown menu path, bad start-up input
inline constexpr int EXIT_FAILURE_SNMP = 3; // SNMP or conversion failure

// A failure that ends the program with a status; the message goes to
// standard error (it may span several lines).
class CliError : public std::runtime_error
{
public:
    CliError(int status, const std::string& message) : std::runtime_error(message), status_(status) {}
    int Status() const { return status_; }

private:
    int status_;
};

// The usage text of --help.
const char* UsageText();

// The catalogue entry named by a full menu path (captions joined by ">",
// blanks around them ignored) or by its last caption when that is unique.
// Throws CliError(EXIT_USAGE) naming the closest paths.
const CatalogueEntry& FindEntry(const std::string& path);

// "list": one line per entry.
std::string ListCommand();

// "show": a header line of labels, then one line per row of value texts.
std::string ShowCommand(const CatalogueEntry& entry, bool csv);

// "set": one SET of the named variables; `row` is the instance text of a
// table row (empty for a scalar group).
void SetCommand(const CatalogueEntry& entry, const std::string& row,
                const std::vector<std::string>& assignments);

// "add": createAndGo with the index values and the named variables.
void AddCommand(const CatalogueEntry& entry, const std::vector<std::string>& indexValues,
                const std::vector<std::string>& assignments);

// "delete": destroy on the row's RowStatus column.
void DeleteCommand(const CatalogueEntry& entry, const std::string& row);

// "leds": Power, Console and ports 1 to 28 with colour and flashing.
std::string LedsCommand();

// "session": the records and texts start-up produced.
std::string SessionCommand(const StartupResult& startup, bool showSecrets);

} // namespace vncli
