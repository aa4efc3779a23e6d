// Opening a help file: the file is handed to the desktop's handler
// (xdg-open), detached. Where there is no handler nothing happens.
#pragma once

#include <string>

// Returns whether a handler was started for the file. Nothing happens, and
// false is returned, when the file does not exist or no handler is found.
bool OpenHelpFile(const std::string& path);
