#pragma once
// Which program a command line starts, and whether two texts name the same program file although
// written differently (8.3 short form, an environment variable, other letter case).
#include <string>
#include <string_view>

#include "platform/Environment.h"
#include "platform/FileSystem.h"

namespace sequora::autostart {

// %NAME% replaced by the variable's value where the variable is set; an unset one stays as
// written, percent signs included (as Windows expands a REG_EXPAND_SZ value).
std::string ExpandEnvironmentText(platform::Environment& environment, std::string_view text);

// The program file a command line starts, variables expanded: the quoted part of a quoted
// command; otherwise the shortest blank-separated prefix that names an existing file (with or
// without ".exe", as Windows tries them); otherwise the folder and file that SplitPath finds.
std::string ProgramOfCommand(platform::FileSystem& fs, platform::Environment& environment,
                             std::string_view commandLine);

// A key that is equal for two spellings of the same file: variables expanded, quotes off, "/"
// as "\", the long form of an existing file, lower case. A file that does not exist keeps its
// written form (lower-cased).
// Only a path with a "~" in it (where an 8.3 alias can be) is looked up on the disk.
std::string ProgramKey(platform::FileSystem& fs, platform::Environment& environment,
                       std::string_view programPath);

}  // namespace sequora::autostart
