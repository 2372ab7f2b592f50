#pragma once
// Module RunFile: the path operations the whole program uses to split, join, quote and normalise
// Windows paths. A separator is "\" or, where a path uses it, "/". (LaunchProgram, the other half
// of the module, lives in its own file.)
#include <string>

#include "platform/FileSystem.h"

namespace sequora::run {

// The buffer GetShortPathNameA and GetLongPathNameA were always given; a longer answer does not
// fit and counts as no answer.
inline constexpr std::size_t kPathBuffer = 164;

// Appends "\" (or "/" in a path that has only forward slashes) unless the path ends in one; a
// closing quote stays last. A path with no separator at all stays unchanged.
std::string AddPathSeparator(const std::string& path);

// The path itself when it names an existing folder; otherwise everything up to and including the
// last separator, trimmed of blanks ("" when there is none). In a path with any "/" the last "/"
// decides, even when a "\" comes after it.
std::string GetDirectoryPart(platform::FileSystem& fs, const std::string& path);

// What follows the last separator ("/" when the path has any, else "\"); the whole path when
// there is none.
std::string GetFileNamePart(const std::string& path);

// The 8.3 form of an existing path, without enclosing quotes; for a missing path (or one whose
// short form is too long for the buffer) the input without enclosing quotes.
std::string GetShortPath(platform::FileSystem& fs, const std::string& path);

// The long form of an existing path, trimmed; otherwise the input unchanged.
std::string GetLongPath(platform::FileSystem& fs, const std::string& path);

// Trims blanks and removes one pair of enclosing double quotes.
std::string StripQuotes(const std::string& text);

// Trims blanks and encloses the path in double quotes when it holds a blank and no quote.
std::string QuoteIfSpaces(const std::string& path);

struct PathParts {
  std::string directory;   // ends in its separator
  std::string file;
  std::string parameters;
};

// Splits a complete command line as typed or pasted: "C:\Tools\app.exe /min" gives "C:\Tools\",
// "app.exe" and "/min". Parameters begin at the first blank after the first "." of the file name,
// so blanks in a name's base part stay in it ("my app.exe").
PathParts SplitPath(platform::FileSystem& fs, const std::string& complete);

}  // namespace sequora::run
