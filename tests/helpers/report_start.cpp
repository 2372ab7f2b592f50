// helper_report_start.exe FILE: writes how it was started to FILE, two lines: its current
// directory, and the show state it was given (wShowWindow, or -1 without STARTF_USESHOWWINDOW).
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
  // Written beside, then renamed, so the test never reads half a file.
  std::string temp = std::string(argv[1]) + ".part";
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return 1;
  std::fprintf(f, "%s\n%d\n", folder, show);
  std::fclose(f);
  return MoveFileA(temp.c_str(), argv[1]) ? 0 : 1;
}
