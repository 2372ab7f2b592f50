#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include "platform/win32/UniqueHandle.h"

namespace sequora::platform::win32 {

namespace {

DWORD Attributes(const std::string& path) { return ::GetFileAttributesA(path.c_str()); }

bool WriteAll(HANDLE file, std::string_view data) {
  while (!data.empty()) {
    DWORD chunk = data.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(data.size());
    DWORD written = 0;
    if (!::WriteFile(file, data.data(), chunk, &written, nullptr) || written == 0) return false;
    data.remove_prefix(written);
  }
  return true;
}

std::string Shorten(const std::string& path, bool toShort) {
  std::string buffer(MAX_PATH, '\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    DWORD n = toShort ? ::GetShortPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()))
                      : ::GetLongPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return "";
    if (n < buffer.size()) {
      buffer.resize(n);
      return buffer;
    }
    buffer.assign(n, '\0');  // too small: n is the size needed, terminator included
  }
  return "";
}

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) {
  DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::DirectoryExists(const std::string& path) {
  DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::MakeDirectory(const std::string& path) {
  return ::CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool Win32FileSystem::MovePath(const std::string& from, const std::string& to) {
  return ::MoveFileA(from.c_str(), to.c_str()) != FALSE;
}

bool Win32FileSystem::RemoveFile(const std::string& path) { return ::DeleteFileA(path.c_str()) != FALSE; }

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path) {
  UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
  std::string data(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < data.size()) {
    DWORD got = 0;
    if (!::ReadFile(file.Get(), data.data() + done, static_cast<DWORD>(data.size() - done), &got, nullptr))
      return std::nullopt;
    if (got == 0) break;
    done += got;
  }
  data.resize(done);
  return data;
}

bool Win32FileSystem::WriteFile(const std::string& path, std::string_view data) {
  UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  return WriteAll(file.Get(), data) && ::FlushFileBuffers(file.Get());
}

bool Win32FileSystem::AppendFile(const std::string& path, std::string_view data) {
  UniqueFile file(::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  return WriteAll(file.Get(), data);
}

bool Win32FileSystem::RenameOver(const std::string& from, const std::string& to) {
  return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

std::optional<std::vector<DirEntry>> Win32FileSystem::ListDirectory(const std::string& pattern) {
  WIN32_FIND_DATAA found{};
  UniqueFind find(::FindFirstFileA(pattern.c_str(), &found));
  if (!find) return std::nullopt;
  std::vector<DirEntry> entries;
  do {
    entries.push_back({std::string(found.cFileName), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                       (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
  } while (::FindNextFileA(find.Get(), &found));
  return entries;
}

std::string Win32FileSystem::CurrentDirectory() {
  DWORD n = ::GetCurrentDirectoryA(0, nullptr);
  if (n == 0) return "";
  std::string dir(n, '\0');
  n = ::GetCurrentDirectoryA(n, dir.data());
  dir.resize(n);
  return dir;
}

bool Win32FileSystem::ChangeDirectory(const std::string& path) {
  if (!::SetCurrentDirectoryA(path.c_str())) return false;
  // Remember it as the drive's own current folder ("=X:"), as the C runtime's chdir does, so a
  // later change of drive finds its way back.
  std::string now = CurrentDirectory();
  if (now.size() >= 2 && now[1] == ':') {
    char name[4] = {'=', static_cast<char>(now[0] & ~0x20), ':', '\0'};
    ::SetEnvironmentVariableA(name, now.c_str());
  }
  return true;
}

bool Win32FileSystem::ChangeDrive(char drive) {
  std::string now = CurrentDirectory();
  if (now.size() >= 2 && now[1] == ':' && (now[0] | 0x20) == (drive | 0x20)) return true;  // already there
  // The drive's own current folder lives in the hidden variable "=X:"; without one, its root.
  char name[4] = {'=', static_cast<char>(drive & ~0x20), ':', '\0'};
  char folder[MAX_PATH + 1];
  DWORD n = ::GetEnvironmentVariableA(name, folder, sizeof folder);
  std::string target = (n > 0 && n < sizeof folder) ? std::string(folder, n) : std::string{drive, ':', '\\'};
  return ::SetCurrentDirectoryA(target.c_str()) != FALSE;
}

std::string Win32FileSystem::ShortPathName(const std::string& path) { return Shorten(path, true); }
std::string Win32FileSystem::LongPathName(const std::string& path) { return Shorten(path, false); }

}  // namespace sequora::platform::win32
