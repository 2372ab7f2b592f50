#include "platform/win32/Win32Windows.h"

#include <windows.h>


namespace sequora::platform::win32 {

namespace {

std::string InstanceName(const std::string& appName) { return "Local\\" + appName + ".Instance"; }

struct MainWindowSearch {
  DWORD processId = 0;
  HWND found = nullptr;
};

BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM param) {
  auto& search = *reinterpret_cast<MainWindowSearch*>(param);
  DWORD processId = 0;
  ::GetWindowThreadProcessId(hwnd, &processId);
  if (processId != search.processId || ::GetWindow(hwnd, GW_OWNER) != nullptr) return TRUE;
  LONG style = ::GetWindowLongA(hwnd, GWL_STYLE);
  if ((style & WS_CAPTION) != WS_CAPTION) return TRUE;
  // The group confirmation is an unowned dialog that stays on top of the main window.
  if (::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) return TRUE;
  search.found = hwnd;
  return FALSE;
}

}  // namespace

bool Win32Windows::ClaimSingleInstance(const std::string& appName) {
  HANDLE block = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(DWORD),
                                      InstanceName(appName).c_str());
  DWORD error = ::GetLastError();
  if (!block) return error != ERROR_ACCESS_DENIED;  // denied: held by an instance of another user
  UniqueHandleObj owner(block);
  if (error == ERROR_ALREADY_EXISTS) return false;
  if (void* view = ::MapViewOfFile(block, FILE_MAP_WRITE, 0, 0, sizeof(DWORD))) {
    *static_cast<volatile DWORD*>(view) = ::GetCurrentProcessId();
    ::UnmapViewOfFile(view);
  }
  instance_ = std::move(owner);
  return true;
}

bool Win32Windows::ActivateFirstInstance(const std::string& appName) {
  UniqueHandleObj block(::OpenFileMappingA(FILE_MAP_READ, FALSE, InstanceName(appName).c_str()));
  if (!block) return false;
  MainWindowSearch search;
  if (void* view = ::MapViewOfFile(block.Get(), FILE_MAP_READ, 0, 0, sizeof(DWORD))) {
    search.processId = *static_cast<volatile DWORD*>(view);
    ::UnmapViewOfFile(view);
  }
  if (search.processId == 0) return false;  // the first instance has not written its id yet
  ::EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
  HWND window = search.found;
  if (!window) return false;
  ::ShowWindowAsync(window, SW_RESTORE);
  ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::SetForegroundWindow(window);
  ::SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  return true;
}

void Win32Windows::EndProgram(int exitCode) { ::ExitProcess(static_cast<UINT>(exitCode)); }

}  // namespace sequora::platform::win32
