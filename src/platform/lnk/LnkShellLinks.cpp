#include "platform/lnk/LnkShellLinks.h"

namespace sequora::platform::lnk {

namespace {

std::optional<std::string> Cut(const std::string& text, int capacity) {
  if (capacity <= 0) return std::nullopt;
  return text.substr(0, static_cast<size_t>(capacity) - 1);
}

// Texts handed to the shell end at their first zero, as a C string does.
std::string AsCString(const std::string& text) { return text.substr(0, text.find('\0')); }

class LnkShellLink : public platform::ShellLink {
 public:
  LnkShellLink(platform::FileSystem& fs, const platform::CodePage& cp, platform::Environment* env)
      : fs_(fs), cp_(cp), env_(env) {}

  bool Load(const std::string& file) override {
    auto bytes = fs_.ReadFile(file);
    if (!bytes) return false;
    auto link = DecodeLnk(*bytes, cp_);
    if (!link) return false;
    auto getVariable = [this](const std::string& name) { return env_ ? env_->GetVariable(name) : std::string(); };
    content_ = LnkContent{};
    content_.target = LnkTargetPath(*link, getVariable);
    content_.arguments = link->arguments;
    content_.description = link->description;
    content_.workingDirectory = link->workingDirectory;
    content_.iconLocation = link->iconLocation;
    content_.iconIndex = link->iconIndex;
    return true;
  }
  bool Save(const std::string& file) override { return fs_.WriteFile(file, EncodeLnk(content_, cp_)); }

  std::optional<std::string> GetPath(int capacity) override { return Cut(content_.target, capacity); }
  std::optional<std::string> GetWorkingDirectory(int capacity) override {
    return Cut(content_.workingDirectory, capacity);
  }
  std::optional<std::string> GetArguments(int capacity) override { return Cut(content_.arguments, capacity); }

  bool SetPath(const std::string& path) override {
    content_.target = AsCString(path);
    return true;
  }
  bool SetArguments(const std::string& arguments) override {
    content_.arguments = AsCString(arguments);
    return true;
  }
  bool SetDescription(const std::string& description) override {
    content_.description = AsCString(description);
    return true;
  }
  bool SetWorkingDirectory(const std::string& folder) override {
    content_.workingDirectory = AsCString(folder);
    return true;
  }
  bool SetIconLocation(const std::string& file, int index) override {
    content_.iconLocation = AsCString(file);
    content_.iconIndex = index;
    return true;
  }

 private:
  platform::FileSystem& fs_;
  const platform::CodePage& cp_;
  platform::Environment* env_;
  LnkContent content_;
};

}  // namespace

std::unique_ptr<platform::ShellLink> LnkShellLinks::CreateLink() {
  return std::make_unique<LnkShellLink>(fs_, codePage_, environment_);
}

}  // namespace sequora::platform::lnk
