#pragma once
// One owner for every Win32 handle: unique_handle<T, Closer> closes what it holds exactly once.
//   using UniqueKey = UniqueHandle<HKEY, RegCloser>;   UniqueKey key; RegOpenKeyA(..., key.Put());
#include <windows.h>

#include <utility>

namespace sequora::platform::win32 {

template <typename T, typename Closer, T Invalid = T{}>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(T h) : h_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Invalid)) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) Reset(std::exchange(o.h_, Invalid));
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  T Get() const { return h_; }
  explicit operator bool() const { return h_ != Invalid; }
  // For out-parameters of creating calls: closes what was held, hands out the slot.
  T* Put() {
    Reset();
    return &h_;
  }
  T Release() { return std::exchange(h_, Invalid); }
  void Reset(T h = Invalid) {
    if (h_ != Invalid) Closer{}(h_);
    h_ = h;
  }

 private:
  T h_ = Invalid;
};

struct HandleCloser {
  void operator()(HANDLE h) const { ::CloseHandle(h); }
};
struct FindCloser {
  void operator()(HANDLE h) const { ::FindClose(h); }
};
struct KeyCloser {
  void operator()(HKEY h) const { ::RegCloseKey(h); }
};
struct IconDestroyer {
  void operator()(HICON h) const { ::DestroyIcon(h); }
};
struct MenuDestroyer {
  void operator()(HMENU h) const { ::DestroyMenu(h); }
};
struct GdiDeleter {
  void operator()(HGDIOBJ h) const { ::DeleteObject(h); }
};
struct WindowDestroyer {
  void operator()(HWND h) const { ::DestroyWindow(h); }
};
struct DcDeleter {  // memory DCs from CreateCompatibleDC
  void operator()(HDC h) const { ::DeleteDC(h); }
};

using UniqueHandleObj = UniqueHandle<HANDLE, HandleCloser>;  // events, processes, mutexes
using UniqueKey = UniqueHandle<HKEY, KeyCloser>;
using UniqueIcon = UniqueHandle<HICON, IconDestroyer>;
using UniqueMenu = UniqueHandle<HMENU, MenuDestroyer>;
using UniqueGdi = UniqueHandle<HGDIOBJ, GdiDeleter>;
using UniqueWindow = UniqueHandle<HWND, WindowDestroyer>;
using UniqueMemoryDc = UniqueHandle<HDC, DcDeleter>;

// For INVALID_HANDLE_VALUE-style handles: a tiny owner with its own invalid value.
template <typename Closer>
class UniqueFileHandle {
 public:
  UniqueFileHandle() = default;
  explicit UniqueFileHandle(HANDLE h) : h_(h) {}
  UniqueFileHandle(const UniqueFileHandle&) = delete;
  UniqueFileHandle& operator=(const UniqueFileHandle&) = delete;
  UniqueFileHandle(UniqueFileHandle&& o) noexcept : h_(std::exchange(o.h_, INVALID_HANDLE_VALUE)) {}
  ~UniqueFileHandle() {
    if (h_ != INVALID_HANDLE_VALUE && h_ != nullptr) Closer{}(h_);
  }
  HANDLE Get() const { return h_; }
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }

 private:
  HANDLE h_ = INVALID_HANDLE_VALUE;
};

using UniqueFile = UniqueFileHandle<HandleCloser>;      // CreateFile, CreateToolhelp32Snapshot
using UniqueFind = UniqueFileHandle<FindCloser>;        // FindFirstFile

}  // namespace sequora::platform::win32
