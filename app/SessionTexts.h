// The main window's text copies of the session parameters. Each member starts
// empty and is written only by start-up, from the command line and the device
// configuration file; the tool launcher passes them on to sibling programs
// exactly as stored.
#pragma once

#include <string>

struct SessionTexts
{
    std::string IPAddress;       // device address from "/I"
    std::string ReadCommunity;   // from "/R"
    std::string WriteCommunity;  // from "/W"
    std::string AgentPort;       // UDP port, unsigned decimal
    std::string Version;         // the configuration file's Version text as read
    std::string SecurityName;    // SNMPv3 user name
    std::string AuthPassword;    // authentication password
    std::string PrivPassword;    // privacy password
    std::string AuthProtocol;    // authentication protocol code, one-based, decimal
    std::string PrivProtocol;    // privacy protocol code, one-based, decimal
    std::string ContextEngineID; // context engine identifier text
    std::string SecurityLevel;   // security level code, one-based, decimal
    std::string ContextName;     // context name
    std::string SecurityModel;   // security model code, decimal

    bool operator==(const SessionTexts&) const = default;
};
