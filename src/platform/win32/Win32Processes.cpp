#include "platform/win32/Win32Processes.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstring>
#include <new>

#include "base/StringOps.h"
#include "platform/win32/UniqueHandle.h"

namespace sequora::platform::win32 {

namespace {

// The full path of the process's executable, "" where it cannot be read. The id comes from a
// snapshot and may have been given to a new process since: a path whose file name is not the
// snapshot's name belongs to that other process and is not taken.
std::string ImagePath(DWORD processId, const std::string& exeName) {
  if (processId == 0) return "";  // the idle process has no image
  UniqueHandleObj process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return "";
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD size = static_cast<DWORD>(path.size());
    if (::QueryFullProcessImageNameA(process.Get(), 0, path.data(), &size)) {
      path.resize(size);
      break;
    }
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || path.size() >= 32768) return "";
    path.resize(32768);
  }
  size_t cut = path.find_last_of('\\');
  std::string_view file = cut == std::string::npos ? std::string_view(path) : std::string_view(path).substr(cut + 1);
  return EqualsNoCase(file, exeName) ? path : "";
}

}  // namespace

std::optional<std::vector<ProcessInfo>> Win32Processes::ProcessSnapshot() {
  UniqueFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return std::nullopt;
  std::vector<ProcessInfo> out;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32First(snapshot.Get(), &entry); more;
       more = ::Process32Next(snapshot.Get(), &entry)) {
    // The name ends at its first NUL; strnlen keeps a name that fills the field in bounds.
    std::string name(entry.szExeFile, ::strnlen(entry.szExeFile, sizeof entry.szExeFile));
    std::string image = ImagePath(entry.th32ProcessID, name);
    out.push_back({std::move(name), entry.th32ProcessID, std::move(image)});
  }
  return out;
}

namespace {

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
  auto& out = *reinterpret_cast<std::vector<WindowInfo>*>(param);
  WindowInfo info;
  info.handle = reinterpret_cast<std::intptr_t>(hwnd);
  int length = ::GetWindowTextLengthA(hwnd);
  if (length > 0) {
    std::string title(static_cast<size_t>(length) + 1, '\0');
    int got = ::GetWindowTextA(hwnd, title.data(), length + 1);
    title.resize(got > 0 ? static_cast<size_t>(got) : 0);
    info.title = std::move(title);
  }
  DWORD processId = 0;
  ::GetWindowThreadProcessId(hwnd, &processId);
  info.processId = processId;
  info.visible = ::IsWindowVisible(hwnd) != FALSE;
  try {
    out.push_back(std::move(info));
  } catch (const std::bad_alloc&) {
    return FALSE;  // nothing may leave a system callback; keep what was collected
  }
  return TRUE;
}

}  // namespace

// EnumWindows walks the top-level windows in Z order like GetWindow(GW_HWNDNEXT) would, but
// cannot loop forever or reach a destroyed window when windows come and go during the walk.
std::vector<WindowInfo> Win32Processes::TopLevelWindows() {
  std::vector<WindowInfo> out;
  ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&out));
  return out;
}

}  // namespace sequora::platform::win32
