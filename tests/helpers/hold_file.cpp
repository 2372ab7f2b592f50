// helper_hold_file.exe FILE MS [READY]: opens FILE without any sharing (as a program that locks
// the settings file for a moment would), holds it MS milliseconds, then closes it. READY, when
// given, is written once the file is held, so the test knows when the hold began.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  HANDLE file = CreateFileA(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  if (argc > 3) {
    if (FILE* ready = std::fopen(argv[3], "wb")) std::fclose(ready);
  }
  Sleep(static_cast<DWORD>(std::atoi(argv[2])));
  CloseHandle(file);
  return 0;
}
