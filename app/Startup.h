// Start-up: the SNMP library, the host suite's registry keys, the message
// catalogues, and the session parameters from the command line and the
// device configuration file. Runs once, while the main window is built;
// everything here is usable without the main window.
#pragma once

#include "app/SessionTexts.h"
#include "mib/QnErrorCatalogue.h"
#include "snmp/QnSNMPSession.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// Registry keys (local-machine root) and value names of the host suite.
inline constexpr const char* REG_HELP_PATH_KEY = "\\SOFTWARE\\Corvane\\Modules\\HelpPath";
inline constexpr const char* REG_HELP_PATH_VALUE =
    "1.3.6.1.4.1.98762.10.63.6"; // the first model's sysObjectID
inline constexpr const char* REG_EXE_PATH_KEY = "\\SOFTWARE\\Corvane\\Ostrand5.1\\ExePath";
inline constexpr const char* REG_MIB_FILE_KEY = "\\SOFTWARE\\Corvane\\Ostrand5.1\\MibFile";
inline constexpr const char* REG_PATH_VALUE = "Path";

// The section of the device configuration file that holds every key.
inline constexpr const char* CFG_SECTION = "Program Information";

// The message shown when the program is started without any argument.
inline constexpr const char* NO_PARAMETER_TEXT = "No parameter input";

// A text that had to be an integer and is not. The message names the text:
// "'abc' is not a valid integer value".
class InvalidIntegerError : public std::runtime_error
{
public:
    explicit InvalidIntegerError(const std::string& text);
    const std::string& Offending() const { return text_; }

private:
    std::string text_;
};

// Strict conversion of a decimal integer text: an optional sign and at least
// one digit, nothing else (no blanks), within the signed 32-bit range.
// Anything else throws InvalidIntegerError.
int32_t StrToInt(const std::string& text);

// The values start-up fills in: the three session records and the texts.
struct StartupSession
{
    QnSNMPDevice Device;
    QnSNMPScope Scope;
    QnSNMPSecurity Security;
    SessionTexts Texts;
};

// The keys of the device configuration file as read (every read with the
// empty text as default, trimmed by the INI reader), in reading order.
struct DeviceConfig
{
    std::string AgentPort;
    std::string Version;
    std::string ContextName;
    std::string ContextEngineID;
    std::string SecurityModel;
    std::string SecurityLevel;
    std::string SecurityName;
    std::string AuthProtocol;
    std::string PrivProtocol;
    std::string AuthPassword;
    std::string PrivPassword;
};

// The help folder: the HelpPath value without its last 12 characters (the
// help file's name); empty for a shorter value.
std::string HelpFolderFromPath(const std::string& helpFilePath);

// The seven catalogue files under the help folder, in loading order, each
// with the slot it fills.
struct CatalogueFile
{
    QnCatalogue Slot;
    std::string Path;
};
std::vector<CatalogueFile> CatalogueFiles(const std::string& helpFolder);

// The MIB configuration folder from the registry: empty; the ExePath key's
// "Path" followed by "..\Conf\MBF\" when that key opens; the MibFile key's
// "Path" instead when that key opens.
std::string MibConfigFolder();

// "<folder><address>.cfg".
std::string DeviceConfigPath(const std::string& folder, const std::string& address);

// Reads every key of the file (a missing file reads as all empty).
DeviceConfig ReadDeviceConfig(const std::string& path);

// Applies the file's keys in order, with their conditions and the one-based
// conversion of level and protocols. Throws InvalidIntegerError.
void ApplyDeviceConfig(const DeviceConfig& config, StartupSession& session);

// Examines the arguments in order: "/I" sets the address; any other argument
// first re-reads the device configuration file (when it exists) and then
// applies its switch ("/R", "/W", "/v"; the others only with version 3).
// Throws InvalidIntegerError.
void ApplyArguments(const std::vector<std::string>& arguments, const std::string& mibFolder,
                    StartupSession& session);

// What start-up hands to the main window.
struct StartupResult
{
    SessionTexts Texts;
    std::string HelpFolder;
    std::string MibFolder;
    // There was no argument: "No parameter input" has been shown and the
    // program is to end.
    bool NoParameter = false;
    // Enabled state of the main-menu item VACM1 ("SNMP V3"): the version in
    // DefaultSecurity is 3.
    bool SnmpV3MenuEnabled = false;
};

// The steps of start-up that reach outside; tests replace them. Messages
// ("No parameter input", an error's text) always go through the toolkit's
// plain message box, which tests answer with its responder.
struct StartupHooks
{
    // Starts the SNMP library (QnSNMPStartup with the given folder).
    std::function<void(const std::string& folder)> SnmpStartup;
    // Loads one catalogue file (LoadCatalogue).
    std::function<void(QnCatalogue slot, const std::string& path)> LoadCatalogue;
};

// The program's arguments after its own name, byte for byte (no decoding,
// so credentials arrive exactly as given).
std::vector<std::string> ArgumentsOf(int argc, char** argv);

// The whole start-up sequence, in order, on DefaultDevice, DefaultScope and
// DefaultSecurity; `arguments` are the arguments after the program's name.
// Empty hooks take the real operations. Throws QnException
// (from the SNMP library's start) and InvalidIntegerError; nothing is caught.
StartupResult RunStartup(const std::vector<std::string>& arguments, const StartupHooks& hooks = {});

// Exit statuses for the entry point.
inline constexpr int STARTUP_EXIT_FAILED = 1;       // start-up raised an error
inline constexpr int STARTUP_EXIT_NO_PARAMETER = 2; // started without any argument

// Start-up as the entry point runs it: an error's text is shown in a message
// box (the toolkit's top-level handler) instead of escaping. Returns true when
// the program goes on with the result; false when it must end with exitStatus
// (after the error text or "No parameter input" was shown).
bool RunStartupOrReport(const std::vector<std::string>& arguments, StartupResult& result, int& exitStatus,
                        const StartupHooks& hooks = {});
