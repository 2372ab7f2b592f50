#include "platform/win32/Win32ShellLinks.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "platform/win32/ComPtr.h"

namespace sequora::platform::win32 {

namespace {

std::wstring Wide(const std::string& text) {
  int n = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (n <= 0) return {};
  std::wstring out(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, out.data(), n);
  out.resize(static_cast<size_t>(n) - 1);
  return out;
}

// Runs one getter into a zeroed buffer of `capacity` characters; the text before the first zero,
// at most capacity - 1 characters. Windows cuts a long text there and ends it with a zero; Wine
// fills all `capacity` characters and leaves the zero out, so the buffer has one spare zero and
// the text is cut as Windows cuts it.
template <typename Call>
std::optional<std::string> Fetch(int capacity, Call call) {
  if (capacity <= 0) return std::nullopt;
  std::vector<char> buffer(static_cast<size_t>(capacity) + 1, '\0');
  if (FAILED(call(buffer.data(), capacity))) return std::nullopt;
  std::string text(buffer.data());
  if (text.size() >= static_cast<size_t>(capacity)) text.resize(static_cast<size_t>(capacity) - 1);
  return text;
}

class ShellObjectLink : public ShellLink {
 public:
  ShellObjectLink(ComPtr<IShellLinkA> link, ComPtr<IPersistFile> file, ShellLinks* fallback,
                  Win32ShellLinks::ReadOrder order)
      : link_(std::move(link)), file_(std::move(file)), fallback_(fallback), order_(order) {}

  bool Load(const std::string& path) override {
    loadedByFallback_.reset();
    if (order_ == Win32ShellLinks::ReadOrder::FallbackFirst && fallback_) {
      auto other = fallback_->CreateLink();
      if (other && other->Load(path)) {
        const auto target = other->GetPath(MAX_PATH);
        if (target && !target->empty()) {
          loadedByFallback_ = std::move(other);
          return true;
        }
      }
    }
    if (SUCCEEDED(file_->Load(Wide(path).c_str(), STGM_READ))) return true;
    if (!fallback_) return false;
    auto other = fallback_->CreateLink();
    if (!other || !other->Load(path)) return false;
    loadedByFallback_ = std::move(other);
    return true;
  }
  bool Save(const std::string& path) override {
    return SUCCEEDED(file_->Save(Wide(path).c_str(), FALSE));
  }

  std::optional<std::string> GetPath(int capacity) override {
    if (loadedByFallback_) return loadedByFallback_->GetPath(capacity);
    WIN32_FIND_DATAA found{};
    return Fetch(capacity, [&](char* b, int n) { return link_->GetPath(b, n, &found, 0); });
  }
  std::optional<std::string> GetWorkingDirectory(int capacity) override {
    if (loadedByFallback_) return loadedByFallback_->GetWorkingDirectory(capacity);
    return Fetch(capacity, [&](char* b, int n) { return link_->GetWorkingDirectory(b, n); });
  }
  std::optional<std::string> GetArguments(int capacity) override {
    if (loadedByFallback_) return loadedByFallback_->GetArguments(capacity);
    return Fetch(capacity, [&](char* b, int n) { return link_->GetArguments(b, n); });
  }

  bool SetPath(const std::string& path) override { return SUCCEEDED(link_->SetPath(path.c_str())); }
  bool SetArguments(const std::string& arguments) override {
    return SUCCEEDED(link_->SetArguments(arguments.c_str()));
  }
  bool SetDescription(const std::string& description) override {
    return SUCCEEDED(link_->SetDescription(description.c_str()));
  }
  bool SetWorkingDirectory(const std::string& folder) override {
    return SUCCEEDED(link_->SetWorkingDirectory(folder.c_str()));
  }
  bool SetIconLocation(const std::string& file, int index) override {
    return SUCCEEDED(link_->SetIconLocation(file.c_str(), index));
  }

 private:
  ComPtr<IShellLinkA> link_;
  ComPtr<IPersistFile> file_;
  ShellLinks* fallback_;
  Win32ShellLinks::ReadOrder order_;
  std::unique_ptr<ShellLink> loadedByFallback_;
};

}  // namespace

Win32ShellLinks::Win32ShellLinks(ShellLinks* fallback, ReadOrder order) : fallback_(fallback), order_(order) {}

Win32ShellLinks::~Win32ShellLinks() {
  if (comInitialized_) ::CoUninitialize();
}

std::unique_ptr<ShellLink> Win32ShellLinks::CreateLink() {
  // COM on this thread from the first shortcut on (not at start: it loads the COM runtime).
  if (!comTried_) {
    comTried_ = true;
    comInitialized_ = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));  // S_FALSE too: balanced
  }
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
  if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   link.PutVoid())) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.PutVoid()))) {
    return std::make_unique<ShellObjectLink>(std::move(link), std::move(file), fallback_, order_);
  }
  return fallback_ ? fallback_->CreateLink() : nullptr;
}

}  // namespace sequora::platform::win32
