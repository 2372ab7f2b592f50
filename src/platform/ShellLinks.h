#pragma once
// Shell links (.lnk files), as the shell's link object (IShellLinkA + IPersistFile) offers them:
// make a link object, load or fill it, then read it or save it. Win32:
// platform/win32/Win32ShellLinks (the shell object); portable: platform/lnk/LnkShellLinks (the file
// format read and written directly, over a FileSystem). Nothing throws.
#include <memory>
#include <optional>
#include <string>

namespace sequora::platform {

class ShellLink {
 public:
  virtual ~ShellLink() = default;

  // IPersistFile::Load in read mode / Save with remember-flag 0 (overwrites an existing file).
  virtual bool Load(const std::string& file) = 0;
  virtual bool Save(const std::string& file) = 0;

  // The getters copy the text into a buffer of `capacity` characters, as the shell does: at most
  // capacity - 1 characters come back. nullopt when the call fails.
  // GetPath reports the target in long form (flags 0); "" when the link has no file-system target.
  virtual std::optional<std::string> GetPath(int capacity) = 0;
  virtual std::optional<std::string> GetWorkingDirectory(int capacity) = 0;
  virtual std::optional<std::string> GetArguments(int capacity) = 0;

  virtual bool SetPath(const std::string& path) = 0;
  virtual bool SetArguments(const std::string& arguments) = 0;
  virtual bool SetDescription(const std::string& description) = 0;
  virtual bool SetWorkingDirectory(const std::string& folder) = 0;
  virtual bool SetIconLocation(const std::string& file, int index) = 0;
};

class ShellLinks {
 public:
  virtual ~ShellLinks() = default;
  // A new, empty link object; nullptr when none can be made.
  virtual std::unique_ptr<ShellLink> CreateLink() = 0;
};

}  // namespace sequora::platform
