#pragma once
// For the Windows tests: a scratch folder with a blank in its name, removed with its contents, and
// the report a started helper_report_start.exe writes (it sets an event, so nothing polls).
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/UniqueHandle.h"

namespace sequora::test {

inline std::string HelperExe() {
  char path[MAX_PATH];
  DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path, n);
  std::string relative = s.substr(0, s.find_last_of('\\') + 1) + "..\\helpers\\helper_report_start.exe";
  char full[MAX_PATH];
  n = ::GetFullPathNameA(relative.c_str(), MAX_PATH, full, nullptr);
  return std::string(full, n);
}

// A scratch folder whose name holds blanks, removed with its contents at the end.
class Scratch {
 public:
  explicit Scratch(const std::string& name) {
    char tmp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, tmp);
    path_ = std::string(tmp) + name + " " + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }
  // A copy of the report helper in this folder under `name`; its full path.
  std::string Helper(const std::string& name) const {
    std::string copy = path_ + "\\" + name;
    EXPECT_TRUE(::CopyFileA(HelperExe().c_str(), copy.c_str(), FALSE)) << copy;
    return copy;
  }

 private:
  std::string path_;
};

struct Report {
  std::string self, folder;
  int show = 0;
  std::string commandLine;
  std::vector<std::string> args;  // argv[1..]
};

// The report the next started helper writes: set up before the start, waited for after it.
class ExpectedReport {
 public:
  explicit ExpectedReport(const Scratch& scratch) {
    static int count = 0;
    std::string id = std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++count);
    file_ = scratch.Path() + "\\report " + id + ".txt";
    std::string name = "SequoraLaunchReport-" + id;
    done_.Reset(::CreateEventA(nullptr, TRUE, FALSE, name.c_str()));
    ::SetEnvironmentVariableA("SEQUORA_REPORT_FILE", file_.c_str());
    ::SetEnvironmentVariableA("SEQUORA_REPORT_EVENT", name.c_str());
  }
  // The report once the helper signalled; nullopt when it never did (a minute guards against a
  // hang, it measures nothing).
  std::optional<Report> Wait() {
    if (::WaitForSingleObject(done_.Get(), 60000) != WAIT_OBJECT_0) return std::nullopt;
    std::ifstream in(file_, std::ios::binary);
    Report r;
    std::string show, argc;
    if (!std::getline(in, r.self) || !std::getline(in, r.folder) || !std::getline(in, show) ||
        !std::getline(in, r.commandLine) || !std::getline(in, argc))
      return std::nullopt;
    r.show = std::stoi(show);
    for (std::string arg; std::getline(in, arg);) r.args.push_back(arg);
    return r;
  }

 private:
  std::string file_;
  platform::win32::UniqueHandleObj done_;
};

}  // namespace sequora::test
