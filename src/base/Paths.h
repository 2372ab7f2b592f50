#pragma once
// Path text: joining, splitting and quoting Windows paths without asking the file system. A
// separator is "\" or, where a path uses it, "/". (The operations that look at the disk are in
// platform/FilePaths.h.)
#include <string>

namespace sequora {

// Appends "\" (or "/" in a path that has only forward slashes) unless the path ends in one; a
// closing quote stays last. A path with no separator at all stays unchanged.
std::string AddPathSeparator(const std::string& path);

// What follows the last separator ("/" when the path has any, else "\"); the whole path when
// there is none.
std::string GetFileNamePart(const std::string& path);

// Trims blanks and removes one pair of enclosing double quotes.
std::string StripQuotes(const std::string& text);

// Trims blanks and encloses the path in double quotes when it holds a blank and no quote.
std::string QuoteIfSpaces(const std::string& path);

// The folder and a file (or a path below the folder) as one path, with a separator between them
// unless the folder ends in one: "C:\Tools" and "x.exe" give C:\Tools\x.exe. A folder's closing
// quote stays last (it is stray and goes later). An empty folder gives the file alone.
std::string JoinPath(const std::string& folder, const std::string& file);

// A path that does not depend on the current folder: it begins with a drive ("C:") or a
// separator (a root-relative or UNC path).
bool IsAbsolutePath(const std::string& path);

// The last separator of a path by the rule above ("/" when the path has any), npos when none.
std::size_t LastSeparator(const std::string& path);

}  // namespace sequora
