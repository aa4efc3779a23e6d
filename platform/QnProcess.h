// Starting other programs. A command line is never handed to a shell: it is
// split into arguments at blanks, exactly as the module builds its command
// lines (a program name, then switches each written together with its value,
// separated by single blanks, nothing quoted or escaped), so quotes, '$',
// ';', '|', '&' and the like reach the program as plain text.
#pragma once

#include <string>
#include <vector>

// The arguments of a command line: the runs of characters between blanks
// (spaces and tabs). Runs of blanks separate like one, leading and trailing
// blanks give no argument. The first element is the program.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The file that runs for a program name. A name holding a '/' is taken as a
// path as it stands; a bare name is looked up first in the module's own
// folder (the folder of the running executable), then on the search path
// (PATH). Empty when no executable file of that name is found.
std::string FindProgram(const std::string& program);

// Runs the command line detached: the module neither waits for the program
// nor keeps any tie to it. Returns whether the program was started; a program
// that cannot be found or started is no error (nothing is shown or thrown).
bool StartProcess(const std::string& commandLine);

// The same with the program and its arguments already apart.
bool StartProcess(const std::string& program, const std::vector<std::string>& arguments);
