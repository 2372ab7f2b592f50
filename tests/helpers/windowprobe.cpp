// Looks at the windows of the desktop it runs in, for the end-to-end tests and the screenshot
// script (run it in the same Wine desktop as sequora.exe). Writes its findings to a file, because
// a program started in a Wine desktop has no console to print to; the file appears complete (it is
// written beside and renamed), so a caller can wait for it.
//
//   helper_windowprobe.exe OUT wait TITLE TIMEOUT_MS   first visible top-level window whose title
//                                                     starts with TITLE: "left top right bottom
//                                                     |title" (exit 1 when none came in time)
//   helper_windowprobe.exe OUT children TITLE          one line per child window (text: WM_GETTEXT):
//                                                     "class|text|left top right bottom|visible"
//                                                     (screen coordinates)
//   helper_windowprobe.exe OUT gone TITLE TIMEOUT_MS   "gone" once no visible top-level window's
//                                                     title starts with TITLE (exit 1 when one stays)
//   helper_windowprobe.exe OUT processes EXE           number of running processes named EXE
//   helper_windowprobe.exe OUT class CLASS             the first top-level window of class CLASS:
//                                                     "visible|visible children" (1 or 0, then a
//                                                     count); empty when there is none
//   helper_windowprobe.exe OUT tops CLASS              one line per visible top-level window of
//                                                     class CLASS: "text|left top right bottom",
//                                                     the text asked for as Unicode (a tool tip
//                                                     or balloon answers only that way), its line
//                                                     breaks as blanks
//   helper_windowprobe.exe OUT classrect CLASS         that window as "wait" describes it
//   helper_windowprobe.exe OUT title TEXT              the title of the first top-level window,
//                                                     shown or hidden, whose title holds TEXT
#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
  std::string prefix;
  HWND found = nullptr;
};

BOOL CALLBACK FindTop(HWND hwnd, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  if (!::IsWindowVisible(hwnd)) return TRUE;
  char title[512] = {};
  ::GetWindowTextA(hwnd, title, sizeof(title));
  if (std::string(title).rfind(search.prefix, 0) != 0) return TRUE;
  search.found = hwnd;
  return FALSE;
}

HWND FindTopWindow(const std::string& prefix) {
  Search search{prefix};
  ::EnumWindows(FindTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string Describe(HWND hwnd) {
  char title[512] = {};
  ::GetWindowTextA(hwnd, title, sizeof(title));
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  char line[700];
  std::snprintf(line, sizeof(line), "%ld %ld %ld %ld|%s", r.left, r.top, r.right, r.bottom, title);
  return line;
}

struct Lines {
  std::string text;
};

BOOL CALLBACK ListChild(HWND hwnd, LPARAM param) {
  auto& lines = *reinterpret_cast<Lines*>(param);
  char cls[128] = {}, text[512] = {};
  ::GetClassNameA(hwnd, cls, sizeof(cls));
  // WM_GETTEXT, not GetWindowText: across processes only the message gives an edit's contents.
  DWORD_PTR got = 0;
  ::SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &got);
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  char line[800];
  std::snprintf(line, sizeof(line), "%s|%s|%ld %ld %ld %ld|%d\n", cls, text, r.left, r.top, r.right, r.bottom,
                ::IsWindowVisible(hwnd) ? 1 : 0);
  lines.text += line;
  return TRUE;
}

struct TitleSearch {
  std::string part;
  std::string found;
};

BOOL CALLBACK FindTitle(HWND hwnd, LPARAM param) {
  auto& search = *reinterpret_cast<TitleSearch*>(param);
  char title[512] = {};
  ::GetWindowTextA(hwnd, title, sizeof(title));
  if (std::string(title).find(search.part) == std::string::npos) return TRUE;
  search.found = title;
  return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  const std::string out = argv[1], command = argv[2], title = argv[3];
  std::string result;
  int code = 0;
  if (command == "tops") {
    struct Tops {
      std::string cls, text;
    } tops{title, ""};
    ::EnumWindows(
        [](HWND hwnd, LPARAM p) {
          auto& t = *reinterpret_cast<Tops*>(p);
          char cls[128] = {};
          ::GetClassNameA(hwnd, cls, sizeof(cls));
          if (!::IsWindowVisible(hwnd) || ::lstrcmpiA(cls, t.cls.c_str()) != 0) return TRUE;
          wchar_t wide[512] = {};
          ::SendMessageW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(wide));
          char text[1024] = {};
          ::WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
          for (char& c : text)
            if (c == '\r' || c == '\n') c = ' ';  // one line per window
          RECT r{};
          ::GetWindowRect(hwnd, &r);
          char line[1200];
          std::snprintf(line, sizeof(line), "%s|%ld %ld %ld %ld\n", text, r.left, r.top, r.right, r.bottom);
          t.text += line;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&tops));
    result = tops.text;
  } else if (command == "processes") {
    int count = 0;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    if (snapshot != INVALID_HANDLE_VALUE) {
      for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry))
        count += ::lstrcmpiA(entry.szExeFile, title.c_str()) == 0;
      ::CloseHandle(snapshot);
    }
    result = std::to_string(count) + "\n";
  } else if (command == "gone") {
    DWORD timeout = argc > 4 ? static_cast<DWORD>(std::stoul(argv[4])) : 10000;
    DWORD start = ::GetTickCount();
    while (FindTopWindow(title) && ::GetTickCount() - start < timeout) ::Sleep(100);
    if (FindTopWindow(title)) {
      code = 1;
    } else {
      result = "gone\n";
    }
  } else if (command == "class") {
    if (HWND hwnd = ::FindWindowA(title.c_str(), nullptr)) {
      int shown = 0;
      ::EnumChildWindows(
          hwnd, [](HWND child, LPARAM p) { *reinterpret_cast<int*>(p) += ::IsWindowVisible(child) ? 1 : 0; return TRUE; },
          reinterpret_cast<LPARAM>(&shown));
      result = std::string(::IsWindowVisible(hwnd) ? "1" : "0") + "|" + std::to_string(shown) + "\n";
    }
  } else if (command == "classrect") {
    if (HWND hwnd = ::FindWindowA(title.c_str(), nullptr)) result = Describe(hwnd) + "\n";
  } else if (command == "title") {
    TitleSearch search{title, {}};
    ::EnumWindows(FindTitle, reinterpret_cast<LPARAM>(&search));
    if (search.found.empty()) {
      code = 1;
    } else {
      result = search.found + "\n";
    }
  } else if (command == "wait") {
    DWORD timeout = argc > 4 ? static_cast<DWORD>(std::stoul(argv[4])) : 10000;
    DWORD start = ::GetTickCount();
    HWND hwnd = nullptr;
    while (!(hwnd = FindTopWindow(title)) && ::GetTickCount() - start < timeout) ::Sleep(100);
    if (hwnd) {
      result = Describe(hwnd) + "\n";
    } else {
      code = 1;
    }
  } else if (HWND hwnd = command == "children" ? FindTopWindow(title) : nullptr) {
    Lines lines;
    ::EnumChildWindows(hwnd, ListChild, reinterpret_cast<LPARAM>(&lines));
    result = lines.text;
  } else {
    code = 1;
  }
  const std::string temporary = out + ".part";
  if (FILE* f = std::fopen(temporary.c_str(), "wb")) {
    std::fwrite(result.data(), 1, result.size(), f);
    std::fclose(f);
    ::MoveFileExA(temporary.c_str(), out.c_str(), MOVEFILE_REPLACE_EXISTING);
  }
  return code;
}
