#include "Startup.h"

#include "platform/QnIni.h"
#include "platform/QnPath.h"
#include "platform/QnRegistry.h"
#include "ui/TApplication.h"

#include <QString>

#include <exception>
#include <limits>

InvalidIntegerError::InvalidIntegerError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid integer value"), text_(text)
{
}

int32_t StrToInt(const std::string& text)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        throw InvalidIntegerError(text);
    int64_t value = 0;
    const int64_t limit = negative ? -int64_t(std::numeric_limits<int32_t>::min())
                                   : int64_t(std::numeric_limits<int32_t>::max());
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            throw InvalidIntegerError(text);
        value = value * 10 + (c - '0');
        if (value > limit)
            throw InvalidIntegerError(text);
    }
    return static_cast<int32_t>(negative ? -value : value);
}

namespace {

// n + 1 for the zero-based codes of the file, wrapping like the 32-bit
// arithmetic the codes are kept in.
int32_t OneBased(int32_t n)
{
    return static_cast<int32_t>(static_cast<uint32_t>(n) + 1u);
}

// The value of the first switch of the list the argument contains: the rest
// of the argument after the switch's first occurrence.
struct SwitchMatch
{
    char Letter = 0;
    std::string Value;
};

SwitchMatch FindSwitch(const std::string& argument, const char* letters)
{
    for (const char* l = letters; *l; ++l) {
        const char sw[3] = {'/', *l, '\0'};
        const size_t at = argument.find(sw);
        if (at != std::string::npos)
            return {*l, argument.substr(at + 2)};
    }
    return {};
}

void ApplyCommunitySwitch(const SwitchMatch& m, StartupSession& s)
{
    switch (m.Letter) {
    case 'R':
        s.Security.ReadCommunity = m.Value;
        s.Texts.ReadCommunity = m.Value;
        break;
    case 'W':
        s.Security.WriteCommunity = m.Value;
        s.Texts.WriteCommunity = m.Value;
        break;
    case 'v':
        s.Security.Version = static_cast<uint8_t>(StrToInt(m.Value));
        break;
    default:
        break;
    }
}

void ApplyVersion3Switch(const SwitchMatch& m, StartupSession& s)
{
    switch (m.Letter) {
    case 't':
        s.Device.Port = static_cast<uint16_t>(StrToInt(m.Value));
        s.Texts.AgentPort = std::to_string(s.Device.Port);
        break;
    case 'c':
        s.Scope.ContextName = m.Value;
        if (!m.Value.empty())
            s.Texts.ContextName = m.Value;
        break;
    case 'd':
        s.Scope.ContextEngineID = m.Value;
        s.Texts.ContextEngineID = m.Value;
        break;
    case 'm':
        s.Security.SecurityModel = StrToInt(m.Value);
        s.Texts.SecurityModel = std::to_string(s.Security.SecurityModel);
        break;
    case 'l':
        s.Security.SecurityLevel = StrToInt(m.Value);
        if (s.Security.SecurityLevel != 0)
            s.Texts.SecurityLevel = std::to_string(s.Security.SecurityLevel);
        break;
    case 'n':
        s.Security.SecurityName = m.Value;
        s.Texts.SecurityName = m.Value;
        break;
    case 'A':
        s.Security.AuthPassword = m.Value;
        if (!m.Value.empty())
            s.Texts.AuthPassword = m.Value;
        break;
    case 'P':
        s.Security.PrivPassword = m.Value;
        if (!m.Value.empty())
            s.Texts.PrivPassword = m.Value;
        break;
    case 'a':
        s.Security.AuthProtocol = StrToInt(m.Value);
        if (s.Security.AuthProtocol != 0)
            s.Texts.AuthProtocol = std::to_string(s.Security.AuthProtocol);
        break;
    case 'p':
        s.Security.PrivProtocol = StrToInt(m.Value);
        if (s.Security.PrivProtocol != 0)
            s.Texts.PrivProtocol = std::to_string(s.Security.PrivProtocol);
        break;
    default:
        break;
    }
}

} // namespace

std::string HelpFolderFromPath(const std::string& helpFilePath)
{
    QString path = QString::fromStdString(helpFilePath);
    if (path.size() < 12)
        return std::string();
    path.chop(12);
    return path.toStdString();
}

std::vector<CatalogueFile> CatalogueFiles(const std::string& helpFolder)
{
    return {
        {CAT_GENERAL, helpFolder + NativePath("errmsg\\common.err")},
        {CAT_AGENT, helpFolder + NativePath("errmsg\\snmp.err")},
        {CAT_SNMPV3, helpFolder + NativePath("errmsg\\snmpv3.err")},
        {CAT_USM, helpFolder + NativePath("errmsg\\snmpusm.err")},
        {CAT_CLASS, helpFolder + NativePath("errmsg\\snmpclass.err")},
        {CAT_QNSNMP, helpFolder + NativePath("errmsg\\qnsnmp.err")},
        {CAT_STATUS, helpFolder + NativePath("errmsg\\snmp.msg")},
    };
}

std::string MibConfigFolder()
{
    std::string folder;
    QnRegistryKey exePath;
    if (exePath.OpenKey(REG_EXE_PATH_KEY))
        folder = exePath.ReadString(REG_PATH_VALUE) + NativePath("..\\Conf\\MBF\\");
    QnRegistryKey mibFile;
    if (mibFile.OpenKey(REG_MIB_FILE_KEY))
        folder = mibFile.ReadString(REG_PATH_VALUE);
    return folder;
}

std::string DeviceConfigPath(const std::string& folder, const std::string& address)
{
    return folder + address + ".cfg";
}

DeviceConfig ReadDeviceConfig(const std::string& path)
{
    const QnIni ini(path);
    auto read = [&](const char* key) { return ini.ReadString(CFG_SECTION, key, ""); };
    DeviceConfig c;
    c.AgentPort = read("AgentPort");
    c.Version = read("Version");
    c.ContextName = read("ContextName");
    c.ContextEngineID = read("ContextEngineID");
    c.SecurityModel = read("SecurityModel");
    c.SecurityLevel = read("SecurityLevel");
    c.SecurityName = read("SecurityName");
    c.AuthProtocol = read("AuthProtocol");
    c.PrivProtocol = read("PrivProtocol");
    c.AuthPassword = read("AuthPassword");
    c.PrivPassword = read("PrivPassword");
    return c;
}

void ApplyDeviceConfig(const DeviceConfig& c, StartupSession& s)
{
    s.Device.Port = static_cast<uint16_t>(StrToInt(c.AgentPort));
    s.Texts.AgentPort = std::to_string(s.Device.Port);

    s.Security.Version = static_cast<uint8_t>(StrToInt(c.Version));
    s.Texts.Version = c.Version;

    if (!c.ContextName.empty()) {
        s.Scope.ContextName = c.ContextName;
        s.Texts.ContextName = c.ContextName;
    }

    s.Scope.ContextEngineID = c.ContextEngineID;
    s.Texts.ContextEngineID = c.ContextEngineID;

    s.Security.SecurityModel = StrToInt(c.SecurityModel);
    s.Texts.SecurityModel = std::to_string(s.Security.SecurityModel);

    if (c.SecurityLevel != "0") {
        s.Security.SecurityLevel = OneBased(StrToInt(c.SecurityLevel));
        s.Texts.SecurityLevel = std::to_string(s.Security.SecurityLevel);
    }

    s.Security.SecurityName = c.SecurityName;
    s.Texts.SecurityName = c.SecurityName;

    if (c.AuthProtocol != "0") {
        s.Security.AuthProtocol = OneBased(StrToInt(c.AuthProtocol));
        s.Texts.AuthProtocol = std::to_string(s.Security.AuthProtocol);
    }
    if (c.PrivProtocol != "0") {
        s.Security.PrivProtocol = OneBased(StrToInt(c.PrivProtocol));
        s.Texts.PrivProtocol = std::to_string(s.Security.PrivProtocol);
    }

    if (!c.AuthPassword.empty()) {
        s.Security.AuthPassword = c.AuthPassword;
        s.Texts.AuthPassword = c.AuthPassword;
    }
    if (!c.PrivPassword.empty()) {
        s.Security.PrivPassword = c.PrivPassword;
        s.Texts.PrivPassword = c.PrivPassword;
    }
}

void ApplyArguments(const std::vector<std::string>& arguments, const std::string& mibFolder,
                    StartupSession& s)
{
    for (const std::string& arg : arguments) {
        if (const size_t at = arg.find("/I"); at != std::string::npos) {
            s.Device.Address = arg.substr(at + 2);
            s.Texts.IPAddress = s.Device.Address;
            continue;
        }
        // The file is read again for every such argument: what it holds
        // replaces what earlier arguments set.
        const std::string cfg = DeviceConfigPath(mibFolder, s.Texts.IPAddress);
        if (FileExists(cfg))
            ApplyDeviceConfig(ReadDeviceConfig(cfg), s);

        if (const SwitchMatch m = FindSwitch(arg, "RWv"); m.Letter) {
            ApplyCommunitySwitch(m, s);
            continue;
        }
        if (s.Texts.Version != "3" && s.Security.Version != 3)
            continue;
        if (const SwitchMatch m = FindSwitch(arg, "tcdmlnAPap"); m.Letter)
            ApplyVersion3Switch(m, s);
    }
}

namespace {

void ShowPlainMessage(const std::string& text)
{
    ShowMessage(QString::fromStdString(text));
}

} // namespace

std::vector<std::string> ArgumentsOf(int argc, char** argv)
{
    std::vector<std::string> args;
    for (int i = 1; i < argc && argv[i]; ++i)
        args.emplace_back(argv[i]);
    return args;
}

StartupResult RunStartup(const std::vector<std::string>& arguments, const StartupHooks& hooks)
{
    StartupResult result;

    // The SNMP library first: the session, the engine's boot counter, the
    // default records at their start values and the event pump.
    if (hooks.SnmpStartup)
        hooks.SnmpStartup(std::string());
    else
        QnSNMPStartup(std::string());
    DefaultSecurity.Version = 0;

    result.HelpFolder = HelpFolderFromPath(ReadRegistryString(REG_HELP_PATH_KEY, REG_HELP_PATH_VALUE));
    for (const CatalogueFile& f : CatalogueFiles(result.HelpFolder)) {
        if (hooks.LoadCatalogue)
            hooks.LoadCatalogue(f.Slot, f.Path);
        else
            LoadCatalogue(f.Slot, f.Path);
    }

    result.MibFolder = MibConfigFolder();

    StartupSession session{DefaultDevice, DefaultScope, DefaultSecurity, SessionTexts{}};
    if (arguments.empty()) {
        ShowPlainMessage(NO_PARAMETER_TEXT);
        result.NoParameter = true;
    } else {
        ApplyArguments(arguments, result.MibFolder, session);
    }
    DefaultDevice = session.Device;
    DefaultScope = session.Scope;
    DefaultSecurity = session.Security;
    result.Texts = session.Texts;
    result.SnmpV3MenuEnabled = DefaultSecurity.Version == 3;
    return result;
}

bool RunStartupOrReport(const std::vector<std::string>& arguments, StartupResult& result, int& exitStatus,
                        const StartupHooks& hooks)
{
    try {
        result = RunStartup(arguments, hooks);
    } catch (const std::exception& e) {
        ShowPlainMessage(e.what());
        exitStatus = STARTUP_EXIT_FAILED;
        return false;
    } catch (...) {
        ShowPlainMessage("Unknown error during start-up");
        exitStatus = STARTUP_EXIT_FAILED;
        return false;
    }
    if (result.NoParameter) {
        exitStatus = STARTUP_EXIT_NO_PARAMETER;
        return false;
    }
    exitStatus = 0;
    return true;
}
