#pragma once
// One owner for every Win32 handle: UniqueHandle<Traits> closes what it holds exactly once. The
// traits name the handle type, the values that hold nothing and how a handle is closed:
//   NullIsEmpty<T, Closer>   handles that are null when there is none (most of them)
//   InvalidIsEmpty<Closer>   handles that are INVALID_HANDLE_VALUE (or null) when there is none
//                            (CreateFile, CreateToolhelp32Snapshot, FindFirstFile)
//   UniqueFile file(::CreateFileA(...)); if (!file) return false; ... ::ReadFile(file.Get(), ...)
// The scoped GDI state (a selection, a paint, a screen DC) is in ScopedGdi.h.
#include <windows.h>
#include <uxtheme.h>

#include <utility>

namespace sequora::platform::win32 {

template <typename T, typename Closer>
struct NullIsEmpty {
  using Type = T;
  static constexpr T Empty() { return nullptr; }
  static bool Holds(T h) { return h != nullptr; }
  static void Close(T h) { Closer{}(h); }
};

template <typename Closer>
struct InvalidIsEmpty {
  using Type = HANDLE;
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
  static bool Holds(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(HANDLE h) { Closer{}(h); }
};

template <typename Traits>
class UniqueHandle {
 public:
  using Type = typename Traits::Type;

  UniqueHandle() = default;
  explicit UniqueHandle(Type h) : h_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Traits::Empty())) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) Reset(std::exchange(o.h_, Traits::Empty()));
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  Type Get() const { return h_; }
  explicit operator bool() const { return Traits::Holds(h_); }
  // For out-parameters of creating calls: closes what was held, hands out the slot.
  Type* Put() {
    Reset();
    return &h_;
  }
  Type Release() { return std::exchange(h_, Traits::Empty()); }
  void Reset(Type h = Traits::Empty()) {
    if (Traits::Holds(h_)) Traits::Close(h_);
    h_ = h;
  }

 private:
  Type h_ = Traits::Empty();
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
struct ThemeCloser {
  void operator()(HTHEME h) const { ::CloseThemeData(h); }
};

using UniqueHandleObj = UniqueHandle<NullIsEmpty<HANDLE, HandleCloser>>;  // events, processes, mutexes
using UniqueKey = UniqueHandle<NullIsEmpty<HKEY, KeyCloser>>;
using UniqueIcon = UniqueHandle<NullIsEmpty<HICON, IconDestroyer>>;
using UniqueMenu = UniqueHandle<NullIsEmpty<HMENU, MenuDestroyer>>;
using UniqueGdi = UniqueHandle<NullIsEmpty<HGDIOBJ, GdiDeleter>>;
using UniqueWindow = UniqueHandle<NullIsEmpty<HWND, WindowDestroyer>>;
using UniqueMemoryDc = UniqueHandle<NullIsEmpty<HDC, DcDeleter>>;
using UniqueTheme = UniqueHandle<NullIsEmpty<HTHEME, ThemeCloser>>;
using UniqueFile = UniqueHandle<InvalidIsEmpty<HandleCloser>>;  // CreateFile, CreateToolhelp32Snapshot
using UniqueFind = UniqueHandle<InvalidIsEmpty<FindCloser>>;    // FindFirstFile

}  // namespace sequora::platform::win32
