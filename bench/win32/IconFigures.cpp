// Figures for program icons and entry saves on the real file system, printed (run by hand under
// Wine): the list's 101 icons at 32 and 48 pixels,
// from the programs and from saved bitmaps, and one entry save with its bitmap.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Icons.h"
#include "storage/EntryEdit.h"
#include "storage/SettingsFile.h"

using namespace sequora;

namespace {

double Milliseconds(LARGE_INTEGER from) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t;
}

}  // namespace

int main() {
  platform::win32::Win32FileSystem fs;
  platform::win32::Win32Icons icons;
  char tmp[MAX_PATH], system[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string dir = std::string(tmp) + "sequora icon figures " + std::to_string(GetCurrentProcessId()) + "\\";
  if (!(fs.MakeDirectory(dir))) return 1;
  storage::IconStore store(fs, icons, dir + "Icons\\");
  storage::ProgramList list;
  const char* programs[] = {"notepad.exe", "taskmgr.exe", "winemine.exe", "cmd.exe", "write.exe"};
  for (int n = 1; n <= 101; ++n) {
    list.At(n)->Dir = std::string(system) + "\\";
    list.At(n)->Program = programs[n % 5];
  }

  storage::ProgramIconList pictures;
  for (int size : {32, 48}) {
    LARGE_INTEGER start = Now();
    pictures.Initialize(store, list, size);
    std::printf("icon list, 101 programs, no bitmaps, %d px: %.1f ms\n", size, Milliseconds(start));
  }
  for (int n = 1; n <= 101; ++n) store.Save_Picture(n, store.LoadProgrIcon(n, *list.At(n), "", 32));
  for (int size : {32, 48}) {
    LARGE_INTEGER start = Now();
    pictures.Initialize(store, list, size);
    std::printf("icon list, 101 saved bitmaps, %d px: %.1f ms\n", size, Milliseconds(start));
  }

  const std::string ini = dir + storage::kSettingsFileName;
  if (!(storage::WriteDefaultIni(fs, ini))) return 1;
  storage::ProgramListContext context{fs, ini, [] { return std::int16_t{2}; }, {}};
  storage::EntryFields fields;
  fields.dir = list.At(7)->Dir;
  LARGE_INTEGER start = Now();
  for (int i = 0; i < 20; ++i) {
    fields.program = programs[i % 5];
    storage::SaveEntry(context, list, 7, fields);
    store.Save_Picture(7, store.LoadProgrIcon(7, *list.At(7), fields.dir + fields.program, 32));
  }
  std::printf("entry save with its bitmap: %.2f ms\n", Milliseconds(start) / 20);

  for (int n = 1; n <= 101; ++n) fs.RemoveFile(store.IconPath(n));
  fs.RemoveFile(ini);
  RemoveDirectoryA((dir + "Icons").c_str());
  RemoveDirectoryA(dir.c_str());
  return 0;
}
