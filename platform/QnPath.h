// Paths. The host suite names its files with backslashes ("errmsg\common.err",
// "..\Conf\MBF\"); NativePath is the one place that turns such a fragment
// into this platform's form.
#pragma once

#include <string>

// The path with every backslash replaced by the platform's separator.
std::string NativePath(const std::string& path);

// The folder that holds the running executable, without a trailing separator.
std::string ModuleFolder();

// Whether a regular file exists at the path.
bool FileExists(const std::string& path);
