#include "platform/win32/Win32Launcher.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "platform/CommandLine.h"
#include "platform/win32/UniqueHandle.h"

namespace sequora::platform::win32 {

namespace {

// GetLastError after a failed call; a call that failed without saying why still failed.
DWORD LastErrorOr(DWORD fallback) {
  DWORD error = ::GetLastError();
  return error != 0 ? error : fallback;
}

// The SE_ERR_ code a failed ShellExecuteExA leaves in hInstApp, as a Win32 error code.
DWORD ShellErrorCode(HINSTANCE instApp) {
  switch (static_cast<int>(reinterpret_cast<INT_PTR>(instApp))) {
    case SE_ERR_FNF: return ERROR_FILE_NOT_FOUND;
    case SE_ERR_PNF: return ERROR_PATH_NOT_FOUND;
    case SE_ERR_ACCESSDENIED: return ERROR_ACCESS_DENIED;
    case SE_ERR_OOM: return ERROR_NOT_ENOUGH_MEMORY;
    case SE_ERR_SHARE: return ERROR_SHARING_VIOLATION;
    case SE_ERR_DLLNOTFOUND: return ERROR_DLL_NOT_FOUND;
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC: return ERROR_NO_ASSOCIATION;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY: return ERROR_DDE_FAIL;
    default: return ERROR_GEN_FAILURE;
  }
}

// The shell may load extensions that need COM on this thread (apartment-threaded, without OLE1
// DDE, as the shell asks); a thread already in COM keeps its mode.
class ComForShell {
 public:
  ComForShell()
      : initialized_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComForShell() {
    if (initialized_) ::CoUninitialize();
  }
  ComForShell(const ComForShell&) = delete;
  ComForShell& operator=(const ComForShell&) = delete;

 private:
  bool initialized_;
};

}  // namespace

std::string SystemFolder() {
  char buffer[MAX_PATH];
  const UINT n = ::GetSystemDirectoryA(buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string();
}

std::string Win32Launcher::ErrorText(std::uint32_t error) {
  char buffer[1024];
  // The width mask drops the message's own line breaks; the rest is tidied below.
  DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                             nullptr, error, 0, buffer, sizeof buffer, nullptr);
  std::string text;
  for (DWORD i = 0; i < n; ++i) {
    char c = buffer[i] == '\r' || buffer[i] == '\n' || buffer[i] == '\t' ? ' ' : buffer[i];
    if (c == ' ' && (text.empty() || text.back() == ' ')) continue;
    text += c;
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '.')) text.pop_back();
  return text.empty() ? "error " + std::to_string(error) : text;
}

bool Win32Launcher::StartNotepad(const std::string& file) {
  const std::string system = SystemFolder();
  if (system.empty()) return false;
  // Quoted, so that a folder with blanks reaches Notepad as one file name.
  return Start({system + "\\notepad.exe", '"' + RemoveQuotes(file) + '"', "", show::kNormal}).started;
}

std::uint32_t Win32Launcher::StartDirect(const StartRequest& request) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(request.showState);
  PROCESS_INFORMATION started{};
  std::string commandLine = BuildCommandLine(request.program, request.parameters);  // written into
  if (!::CreateProcessA(request.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        request.folder.empty() ? nullptr : request.folder.c_str(), &startup, &started))
    return LastErrorOr(ERROR_GEN_FAILURE);
  UniqueHandleObj process(started.hProcess);
  UniqueHandleObj thread(started.hThread);
  return 0;
}

std::uint32_t Win32Launcher::StartThroughShell(const StartRequest& request) {
  ComForShell com;
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  // No error boxes: the failure goes to the log. NOASYNC: the run may end right after its last
  // start, and the shell must have handed the file over by then. Nothing waits for the program,
  // so no process handle is asked for.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.lpVerb = "open";
  info.lpFile = request.program.c_str();
  info.lpParameters = request.parameters.empty() ? nullptr : request.parameters.c_str();
  info.lpDirectory = request.folder.empty() ? nullptr : request.folder.c_str();
  info.nShow = request.showState;
  ::SetLastError(0);
  if (!::ShellExecuteExA(&info)) {
    DWORD error = ::GetLastError();
    return error != 0 ? error : ShellErrorCode(info.hInstApp);
  }
  return 0;
}

}  // namespace sequora::platform::win32
