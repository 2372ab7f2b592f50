// helper_report_start.exe [ARGS...]: writes how it was started to the file named by the
// environment variable SEQUORA_REPORT_FILE, then sets the event named by SEQUORA_REPORT_EVENT
// (when given), so a test can wait without polling. The arguments are free for the test to
// choose; the report has one item per line:
//   its own executable path
//   its current directory
//   its show state (wShowWindow, or -1 without STARTF_USESHOWWINDOW)
//   its command line as received (GetCommandLineA)
//   argc, then argv[1..] as the C runtime split them
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

std::string Variable(const char* name) {
  char value[32768];
  DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

}  // namespace

int main(int argc, char** argv) {
  std::string file = Variable("SEQUORA_REPORT_FILE");
  if (file.empty()) return 2;
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

  FILE* f = std::fopen(file.c_str(), "wb");
  if (!f) return 1;
  std::fprintf(f, "%s\n%s\n%d\n%s\n%d\n", self, folder, show, GetCommandLineA(), argc);
  for (int i = 1; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
  if (std::fclose(f) != 0) return 1;

  std::string event = Variable("SEQUORA_REPORT_EVENT");
  if (!event.empty()) {
    std::unique_ptr<void, decltype(&CloseHandle)> done(OpenEventA(EVENT_MODIFY_STATE, FALSE, event.c_str()),
                                                       &CloseHandle);
    if (!done || !SetEvent(done.get())) return 1;
  }
  return 0;
}
