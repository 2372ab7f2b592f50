// helper_stamp.exe NAME FILE: appends one line "NAME MS" to FILE, MS being the wall-clock time in
// milliseconds since 1970 (comparable with `date +%s%3N` on the host), and exits. The startup-run
// test reads the order and the times at which Sequora started its programs.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER t{};
  t.LowPart = now.dwLowDateTime;
  t.HighPart = now.dwHighDateTime;
  const unsigned long long ms = (t.QuadPart - 116444736000000000ULL) / 10000ULL;
  std::string line = std::string(argv[1]) + " " + std::to_string(ms) + "\r\n";
  // One write of the whole line in append mode, so lines of helpers that start close together
  // never mix.
  FILE* f = std::fopen(argv[2], "ab");
  if (!f) return 1;
  const bool ok = std::fwrite(line.data(), 1, line.size(), f) == line.size();
  return std::fclose(f) == 0 && ok ? 0 : 1;
}
