#pragma once
// Shared by the Windows tests that open windows: the application manifest (Common Controls 6,
// as sequora.exe has it) and a message loop that waits for a condition with a time limit.
#include <windows.h>

#include <functional>
#include <string>

#include "ui/win32/MessageLoop.h"

namespace sequora::test {

// Activates src/app/sequora.manifest for this thread and initialises the UI once.
inline void StartUi() {
  static bool started = [] {
    std::string manifest = std::string(SEQUORA_TESTDATA) + "/../../src/app/sequora.manifest";
    ACTCTXA context{};
    context.cbSize = sizeof(context);
    context.lpSource = manifest.c_str();
    HANDLE handle = ::CreateActCtxA(&context);
    ULONG_PTR cookie = 0;
    if (handle != INVALID_HANDLE_VALUE) ::ActivateActCtx(handle, &cookie);
    ui::win32::InitializeUi();
    return true;
  }();
  (void)started;
}

// Runs messages until done() or until `timeoutMs` passed; returns done(). Sleeps in GetMessage.
inline bool PumpUntil(const std::function<bool()>& done, UINT timeoutMs = 5000) {
  static bool timedOut;
  timedOut = false;
  UINT_PTR timer = ::SetTimer(nullptr, 0, timeoutMs, [](HWND, UINT, UINT_PTR, DWORD) { timedOut = true; });
  ui::win32::RunModalLoop([&] { return done() || timedOut; });
  ::KillTimer(nullptr, timer);
  return done();
}

// Lets the messages already queued run.
inline void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ui::win32::DispatchUiMessage(msg);
}

inline std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  ::GetClassNameA(hwnd, name, sizeof(name));
  return name;
}

inline std::string TextOf(HWND hwnd) {
  char text[256] = {};
  ::GetWindowTextA(hwnd, text, sizeof(text));
  return text;
}

// A child's rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND hwnd) {
  RECT r;
  ::GetWindowRect(hwnd, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// A window and all its descendants.
inline int CountWindows(HWND top) {
  int count = 1;
  ::EnumChildWindows(top, [](HWND, LPARAM p) { ++*reinterpret_cast<int*>(p); return TRUE; },
                     reinterpret_cast<LPARAM>(&count));
  return count;
}

// Every window this thread owns, children included.
inline int WindowsOfThread() {
  int count = 0;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND top, LPARAM p) {
        *reinterpret_cast<int*>(p) += CountWindows(top);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace sequora::test
