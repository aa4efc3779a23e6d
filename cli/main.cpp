// vn2400-cli: the module's command-line companion. It starts up as the module
// does (switches, device configuration file, registry, catalogues), reaches
// the device through the same session records and request engine, and shows
// values as the generated windows show them. It has no window: what the
// module would put in a message box goes to standard error.
#include "CliCommands.h"
#include "CliSupport.h"

#include "app/Startup.h"
#include "mib/QnException.h"
#include "snmp/QnSNMPSession.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

using namespace vncli;

namespace {

const char* const Program = "vn2400-cli";
const std::vector<std::string> Commands = {"list", "show", "set", "add", "delete", "leds", "session"};

bool IsHelp(const std::string& arg)
{
    return arg == "--help" || arg == "-h";
}

bool IsCommand(const std::string& arg)
{
    for (const std::string& c : Commands)
        if (arg == c)
            return true;
    return false;
}

[[noreturn]] void Usage(const std::string& message)
{
    throw CliError(EXIT_USAGE, message + " (see " + Program + " --help)");
}

// What follows the command word.
struct CommandLine
{
    std::string Command;
    std::vector<std::string> Switches; // module switches before the command
    std::vector<std::string> Positional;
    bool Csv = false;
    bool ShowSecrets = false;
    bool HasRow = false;
    std::string Row;
    bool Help = false;
};

CommandLine Parse(const std::vector<std::string>& args)
{
    CommandLine cl;
    size_t at = 0;
    for (; at < args.size(); ++at) {
        if (IsHelp(args[at])) {
            cl.Help = true;
            return cl;
        }
        if (IsCommand(args[at]))
            break;
        if (args[at].rfind("--", 0) == 0)
            Usage("unknown option " + args[at] + " before the command");
    }
    if (at == args.size()) {
        std::string message = "no command given";
        if (!args.empty() && args.back().find('/') == std::string::npos) {
            std::string closest;
            size_t best = std::string::npos;
            for (const std::string& c : Commands)
                if (const size_t d = EditDistance(args.back(), c); d < best) {
                    best = d;
                    closest = c;
                }
            message += "; did you mean \"" + closest + "\"?";
        }
        Usage(message);
    }
    cl.Switches.assign(args.begin(), args.begin() + long(at));
    cl.Command = args[at];

    bool optionsEnded = false;
    for (size_t i = at + 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a.rfind("--", 0) != 0) {
            cl.Positional.push_back(a);
        } else if (a == "--") {
            optionsEnded = true;
        } else if (IsHelp(a)) {
            cl.Help = true;
        } else if (a == "--csv" && cl.Command == "show") {
            cl.Csv = true;
        } else if (a == "--show-secrets" && cl.Command == "session") {
            cl.ShowSecrets = true;
        } else if ((a == "--row" || a.rfind("--row=", 0) == 0) &&
                   (cl.Command == "set" || cl.Command == "delete")) {
            if (cl.HasRow)
                Usage("--row is given twice");
            if (a == "--row") {
                if (i + 1 >= args.size())
                    Usage("--row needs an instance");
                cl.Row = args[++i];
            } else {
                cl.Row = a.substr(6);
            }
            if (cl.Row.empty())
                Usage("--row needs an instance");
            cl.HasRow = true;
        } else {
            Usage("unknown option " + a + " for \"" + cl.Command + "\"");
        }
    }
    return cl;
}

void ExpectPositional(const CommandLine& cl, size_t count, const char* what)
{
    if (cl.Positional.size() != count)
        Usage("\"" + cl.Command + "\" takes " + what);
}

// Start-up as the module runs it, on the default session records. Without
// any switch the module says "No parameter input" and ends; so does this.
StartupResult StartUp(const std::vector<std::string>& switches)
{
    if (switches.empty())
        throw CliError(EXIT_USAGE, NO_PARAMETER_TEXT);
    try {
        return RunStartup(switches);
    } catch (const InvalidIntegerError& e) {
        throw CliError(EXIT_USAGE, e.what());
    } catch (const QnException& e) {
        throw CliError(EXIT_FAILURE_SNMP, e.Text());
    }
}

// Stops the event pump and closes the session once the commands are done.
struct SessionGuard
{
    ~SessionGuard() { QnSNMPShutdown(); }
};

void Print(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

int Run(const std::vector<std::string>& args)
{
    const CommandLine cl = Parse(args);
    if (cl.Help) {
        Print(UsageText());
        return 0;
    }
    if (cl.Command == "list") {
        ExpectPositional(cl, 0, "no arguments");
        Print(ListCommand());
        return 0;
    }

    // Everything that can be checked without the device, before start-up.
    const CatalogueEntry* entry = nullptr;
    if (cl.Command == "leds" || cl.Command == "session") {
        ExpectPositional(cl, 0, "no arguments");
    } else {
        if (cl.Positional.empty())
            Usage("\"" + cl.Command + "\" needs a menu path");
        entry = &FindEntry(cl.Positional[0]);
        if (cl.Command == "show" || cl.Command == "delete")
            ExpectPositional(cl, 1, "one menu path");
        if (cl.Command == "delete" && !cl.HasRow)
            Usage("\"delete\" needs --row INSTANCE");
    }

    const StartupResult startup = StartUp(cl.Switches);
    SessionGuard guard;
    const std::vector<std::string> rest(
        cl.Positional.size() > 1 ? cl.Positional.begin() + 1 : cl.Positional.end(), cl.Positional.end());
    if (cl.Command == "session") {
        Print(SessionCommand(startup, cl.ShowSecrets));
    } else if (cl.Command == "leds") {
        Print(LedsCommand());
    } else if (cl.Command == "show") {
        Print(ShowCommand(*entry, cl.Csv));
    } else if (cl.Command == "set") {
        SetCommand(*entry, cl.Row, rest);
    } else if (cl.Command == "add") {
        const size_t keys = std::min(rest.size(), size_t(std::max(entry->IndexCount, 0)));
        AddCommand(*entry, std::vector<std::string>(rest.begin(), rest.begin() + long(keys)),
                   std::vector<std::string>(rest.begin() + long(keys), rest.end()));
    } else if (cl.Command == "delete") {
        DeleteCommand(*entry, cl.Row);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The arguments byte for byte, before the toolkit sees them.
    const std::vector<std::string> args = ArgumentsOf(argc, argv);
    QCoreApplication app(argc, argv);
    try {
        return Run(args);
    } catch (const CliError& e) {
        std::fprintf(stderr, "%s: %s\n", Program, e.what());
        return e.Status();
    } catch (const QnException& e) {
        std::fprintf(stderr, "%s: %s\n", Program, e.Text().c_str());
        return EXIT_FAILURE_SNMP;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", Program, e.what());
        return EXIT_FAILURE_SNMP;
    }
}
