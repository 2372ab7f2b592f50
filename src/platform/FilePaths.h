#pragma once
// Path operations that ask the file system: the folder part of a path (an existing folder is
// its own folder part), 8.3 short and long forms, and splitting a typed command line. The pure
// text operations are in base/Paths.h.
#include <string>

#include "base/Paths.h"
#include "platform/FileSystem.h"

namespace sequora::platform {

// The buffer GetShortPathNameA and GetLongPathNameA were always given; a longer answer does not
// fit and counts as no answer.
inline constexpr std::size_t kPathBuffer = 164;

// The path itself when it names an existing folder; otherwise everything up to and including the
// last separator, trimmed of blanks ("" when there is none). In a path with any "/" the last "/"
// decides, even when a "\" comes after it.
std::string GetDirectoryPart(FileSystem& fs, const std::string& path);

// The 8.3 form of an existing path, without enclosing quotes; for a missing path (or one whose
// short form is too long for the buffer) the input without enclosing quotes.
std::string GetShortPath(FileSystem& fs, const std::string& path);

// The long form of an existing path, trimmed; otherwise the input unchanged.
std::string GetLongPath(FileSystem& fs, const std::string& path);

struct PathParts {
  std::string directory;   // ends in its separator
  std::string file;
  std::string parameters;
};

// Splits a complete command line as typed or pasted: "C:\Tools\app.exe /min" gives "C:\Tools\",
// "app.exe" and "/min". Parameters begin at the first blank after the first "." of the file name,
// so blanks in a name's base part stay in it ("my app.exe").
PathParts SplitPath(FileSystem& fs, const std::string& complete);

}  // namespace sequora::platform
