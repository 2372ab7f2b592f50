#pragma once
// A fake machine for the tests of the run and the main window: the fake platform, Sequora in
// C:\Sequora, and helpers that write its settings file. Programs of Entry(...) lines live in
// C:\P\ and exist unless a test removes them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"

namespace sequora::test {

inline constexpr char kAppDir[] = "C:\\Sequora\\";
inline constexpr char kIni[] = "C:\\Sequora\\Sequora.ini";
inline constexpr char kLog[] = "C:\\Sequora\\Sequora_LogFile.log";

class FakeMachine : public ::testing::Test {
 protected:
  platform::FakePlatform fakes;

  FakeMachine() { fakes.fileSystem.MakeDirs("C:\\Sequora"); }  // the fake environment's AppPath

  void PutIni(const std::string& text) { fakes.fileSystem.PutFile(kIni, text); }
  // A settings file with the given MainSettings lines and ProgramList lines (CR LF added).
  void PutSettings(std::initializer_list<std::string> main, std::initializer_list<std::string> list = {}) {
    std::string text = "[MainSettings]\r\n";
    for (const auto& line : main) text += line + "\r\n";
    text += "[ProgramList]\r\n";
    for (const auto& line : list) text += line + "\r\n";
    PutIni(text);
  }
  // The keys of entry n: program `file` in C:\P\, delay, then any further "Key=value" (without
  // the "Program<n>" prefix, e.g. "Disabled=1").
  static std::vector<std::string> Entry(int n, const std::string& file, int delay,
                                        std::initializer_list<std::string> more = {}) {
    const std::string k = "Program" + std::to_string(n);
    std::vector<std::string> lines{k + "=" + file, k + "Dir=C:\\P\\", k + "StartupDelay=" + std::to_string(delay)};
    for (const auto& m : more) lines.push_back(k + m);
    return lines;
  }
  // A settings file of MainSettings lines and entries; every "Program<n>=file" gets its file in C:\P\.
  void Settings(std::initializer_list<std::string> main, std::initializer_list<std::vector<std::string>> entries) {
    std::string text = "[MainSettings]\r\n";
    for (const auto& line : main) text += line + "\r\n";
    text += "[ProgramList]\r\n";
    for (const auto& entry : entries)
      for (const auto& line : entry) {
        text += line + "\r\n";
        const auto eq = line.find('=');
        const std::string key = line.substr(0, eq);
        if (key.find_first_not_of("Program0123456789") == std::string::npos && eq + 1 < line.size())
          fakes.fileSystem.PutFile("C:\\P\\" + line.substr(eq + 1), "MZ");
      }
    PutIni(text);
  }
  std::string FileText(const std::string& path) { return fakes.fileSystem.Contents(path).value_or("<none>"); }

  // Command lines started so far.
  std::vector<std::string> Started() const {
    std::vector<std::string> lines;
    for (const auto& s : fakes.launcher.started) lines.push_back(s.commandLine);
    return lines;
  }
  static std::string P(const std::string& file) { return "C:\\P\\" + file; }
};

}  // namespace sequora::test
