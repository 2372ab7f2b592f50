#pragma once
// File-system operations, as Sequora uses them on Windows: ANSI paths with drive letters and
// backslashes, case-insensitive names, 8.3 short names. No call throws; each reports failure in
// its result. The Win32 implementation is platform/win32/Win32FileSystem, the in-memory one used
// by the tests is platform/fake/FakeFileSystem.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sequora::platform {

struct DirEntry {
  std::string name;  // long name, no folder
  bool isDirectory = false;
  // A junction or symbolic link: a walk that follows it can meet the same folder again.
  bool isReparsePoint = false;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual bool FileExists(const std::string& path) = 0;       // a file, not a folder
  virtual bool DirectoryExists(const std::string& path) = 0;  // a folder
  bool Exists(const std::string& path) { return FileExists(path) || DirectoryExists(path); }

  // One level; false when it exists already or cannot be made.
  virtual bool MakeDirectory(const std::string& path) = 0;
  // Like MoveFileA: fails when `to` exists.
  virtual bool MovePath(const std::string& from, const std::string& to) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;

  // The whole file as bytes; nullopt when it cannot be opened.
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  // Creates or truncates, writes every byte and flushes to disk; false on any failure (the file
  // may then hold part of the data).
  virtual bool WriteFile(const std::string& path, std::string_view data) = 0;
  // Appends, creating the file when missing.
  virtual bool AppendFile(const std::string& path, std::string_view data) = 0;
  // Renames `from` over `to` in one step (MoveFileEx with replace-existing and write-through):
  // afterwards `to` is either its old content or the content of `from`, never a mix.
  virtual bool RenameOver(const std::string& from, const std::string& to) = 0;

  // FindFirstFileA/FindNextFileA over a pattern such as "C:\\Dir\\*.lnk"; the entries in listing
  // order, "." and ".." included where the platform lists them. nullopt when the listing cannot be
  // opened (missing folder, or no entry matches).
  virtual std::optional<std::vector<DirEntry>> ListDirectory(const std::string& pattern) = 0;

  virtual std::string CurrentDirectory() = 0;
  virtual bool ChangeDirectory(const std::string& path) = 0;
  // ChDrive: makes the drive's own current folder the current directory.
  virtual bool ChangeDrive(char drive) = 0;

  // GetShortPathNameA / GetLongPathNameA of an existing path; "" when the path does not exist.
  virtual std::string ShortPathName(const std::string& path) = 0;
  virtual std::string LongPathName(const std::string& path) = 0;
};

}  // namespace sequora::platform
