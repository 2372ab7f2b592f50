#pragma once
// In-memory file system with Windows semantics, for the tests: drive letters, "\" (and "/") as
// separators, case-insensitive names that keep their letter case, optional 8.3 short names,
// a current folder per drive, FindFirstFile-style listings in NTFS order. It counts every call and
// can fail chosen calls, so tests can check "one read per reload" and "a crash at any step of a
// write leaves the old or the new file".
#include <array>
#include <map>
#include <memory>

#include "platform/FileSystem.h"

namespace sequora::platform {

class FakeFileSystem : public FileSystem {
 public:
  enum class Op {
    FileExists, DirectoryExists, MakeDirectory, MovePath, RemoveFile, ReadFile, WriteFile,
    AppendFile, RenameOver, ListDirectory, CurrentDirectory, ChangeDirectory,
    ChangeDrive, ShortPathName, LongPathName, kCount
  };

  FakeFileSystem();  // drive C: with an empty root, current folder C:\ .
  ~FakeFileSystem() override;

  // --- set-up and inspection (not counted, never failed) ---
  void AddDrive(char drive);
  bool MakeDirs(const std::string& path);  // every missing level
  bool PutFile(const std::string& path, std::string data);  // makes the folders too
  std::optional<std::string> Contents(const std::string& path) const;
  // Gives the existing file or folder at `path` the 8.3 alias `shortName` (its last component).
  bool SetShortName(const std::string& path, const std::string& shortName);
  // Writes, moves, deletes and folder creation in a read-only folder (or on a read-only file) fail.
  bool SetReadOnly(const std::string& path, bool readOnly);
  // The existing folder or file at `path` is listed as a reparse point (a junction or link).
  bool SetReparsePoint(const std::string& path, bool reparsePoint);
  // Every file below `folder` (recursive), full paths in listing order.
  std::vector<std::string> FilesBelow(const std::string& folder) const;

  // --- call counting and failure injection ---
  int Calls(Op op) const { return calls_[static_cast<size_t>(op)]; }
  void ResetCalls() { calls_.fill(0); }
  // Mutating calls are MakeDirectory, MovePath, RemoveFile, WriteFile, AppendFile, RenameOver.
  int MutationCount() const { return mutations_; }
  // The n-th mutating call from now (1 = the next) fails; with `andAllLater` every later one too,
  // as if the machine stopped there. A failing WriteFile/AppendFile leaves half of its data
  // written. 0 switches failing off.
  void FailMutation(int n, bool andAllLater = false);
  // The next `count` calls of `op` fail.
  void FailNext(Op op, int count = 1);
  // Calls failed by FailMutation or FailNext so far.
  int InjectedFailures() const { return injectedFailures_; }

  // --- FileSystem ---
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  bool MakeDirectory(const std::string& path) override;
  bool MovePath(const std::string& from, const std::string& to) override;
  bool RemoveFile(const std::string& path) override;
  std::optional<std::string> ReadFile(const std::string& path) override;
  bool WriteFile(const std::string& path, std::string_view data) override;
  bool AppendFile(const std::string& path, std::string_view data) override;
  bool RenameOver(const std::string& from, const std::string& to) override;
  std::optional<std::vector<DirEntry>> ListDirectory(const std::string& pattern) override;
  std::string CurrentDirectory() override;
  bool ChangeDirectory(const std::string& path) override;
  bool ChangeDrive(char drive) override;
  std::string ShortPathName(const std::string& path) override;
  std::string LongPathName(const std::string& path) override;

 private:
  struct Node;
  struct Resolved;
  std::optional<Resolved> Resolve(const std::string& path) const;
  Node* Find(const Resolved& r) const;
  Node* FindParent(const Resolved& r) const;
  bool Count(Op op);          // counts the call; false when it must fail
  bool CountMutation(Op op);  // the same for mutating calls
  static bool Writable(const Node* folder, const Node* file);
  // The file at `path`, created empty when missing; null when it cannot be written.
  Node* FileForWriting(const std::string& path);
  std::string Rebuild(const std::string& path, bool shortForm) const;

  std::map<char, std::unique_ptr<Node>> drives_;
  std::map<char, std::string> currentFolder_;  // per drive, "\\Dir\\Sub" form without drive
  char currentDrive_ = 'C';
  std::array<int, static_cast<size_t>(Op::kCount)> calls_{};
  std::array<int, static_cast<size_t>(Op::kCount)> failNext_{};
  int mutations_ = 0;
  int failAtMutation_ = 0;  // absolute mutation number that fails, 0 = none
  bool failLater_ = false;
  int injectedFailures_ = 0;
};

}  // namespace sequora::platform
