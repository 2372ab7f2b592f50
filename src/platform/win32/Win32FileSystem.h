#pragma once
#include "platform/FileSystem.h"

namespace sequora::platform::win32 {

// FileSystem on the A-variant file calls of Windows.
class Win32FileSystem : public FileSystem {
 public:
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  bool MakeDirectory(const std::string& path) override;
  bool MovePath(const std::string& from, const std::string& to) override;
  bool RemoveFile(const std::string& path) override;
  std::optional<std::string> ReadFile(const std::string& path) override;
  bool WriteFile(const std::string& path, std::string_view data) override;
  FileCreation CreateNewFile(const std::string& path, std::string_view data) override;
  bool AppendFile(const std::string& path, std::string_view data) override;
  bool RenameOver(const std::string& from, const std::string& to) override;
  std::optional<std::vector<DirEntry>> ListDirectory(const std::string& pattern) override;
  std::string CurrentDirectory() override;
  bool ChangeDirectory(const std::string& path) override;
  bool ChangeDrive(char drive) override;
  std::string ShortPathName(const std::string& path) override;
  std::string LongPathName(const std::string& path) override;
};

}  // namespace sequora::platform::win32
