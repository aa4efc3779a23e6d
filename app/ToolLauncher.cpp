#include "ToolLauncher.h"

#include "platform/QnProcess.h"

std::string ToolProgramName(const std::string& toolArgument)
{
    const size_t underscore = toolArgument.find('_');
    if (underscore == std::string::npos || underscore <= 2)
        return std::string();
    return toolArgument.substr(2, underscore - 2);
}

std::string BuildToolCommandLine(const SessionTexts& t, const std::string& toolArgument,
                                 const std::string& extraArgument)
{
    std::string line = ToolProgramName(toolArgument) + " /I" + t.IPAddress;
    if (t.Version == "3") {
        line += " /t" + t.AgentPort;
        line += " /v" + t.Version;
        line += " /d" + t.ContextEngineID;
        line += " /m" + t.SecurityModel;
        line += " /n" + t.SecurityName;
        line += " /l" + t.SecurityLevel;
        line += " /a" + t.AuthProtocol;
        line += " /p" + t.PrivProtocol;
        line += " /A" + t.AuthPassword;
        line += " /P" + t.PrivPassword;
        line += " /c" + t.ContextName;
    } else {
        line += " /R" + t.ReadCommunity;
        line += " /W" + t.WriteCommunity;
    }
    line += " " + toolArgument + " " + extraArgument;
    return line;
}

void LaunchTool(const SessionTexts& texts, const std::string& toolArgument, const std::string& extraArgument)
{
    try {
        // Without a program name the line would begin with the address switch,
        // which the starter must not take for a program; a sibling tool is
        // always a bare name.
        const std::string program = ToolProgramName(toolArgument);
        if (program.empty() || program.find('/') != std::string::npos)
            return;
        StartProcess(BuildToolCommandLine(texts, toolArgument, extraArgument));
    } catch (...) {
        // The module goes on whatever happened to the tool.
    }
}
