#pragma once
// A main window on the fake platform: the program lives in C:\Sequora, the test writes the
// settings file (or leaves it out), loads the window and drives it with a manual clock.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/fake/FakePlatform.h"
#include "run/Form1.h"
#include "support/ManualClock.h"

namespace sequora::test {

inline constexpr char kAppDir[] = "C:\\Sequora\\";
inline constexpr char kIni[] = "C:\\Sequora\\Sequora.ini";
inline constexpr char kLog[] = "C:\\Sequora\\Sequora_LogFile.log";

class Form1Test : public ::testing::Test {
 protected:
  platform::FakePlatform fakes;
  std::unique_ptr<run::Form1> form;
  std::unique_ptr<test::ManualClock> clock;  // declared after the form: detaches before it dies

  Form1Test() {
    fakes.environment.appPath = "C:\\Sequora";
    fakes.environment.exeName = "Sequora";
    fakes.fileSystem.MakeDirs("C:\\Sequora");
  }

  void PutIni(const std::string& text) { fakes.fileSystem.PutFile(kIni, text); }
  // A settings file with the given MainSettings lines and ProgramList lines (CR LF added).
  void PutSettings(std::initializer_list<std::string> main, std::initializer_list<std::string> list = {}) {
    std::string text = "[MainSettings]\r\n";
    for (const auto& line : main) text += line + "\r\n";
    text += "[ProgramList]\r\n";
    for (const auto& line : list) text += line + "\r\n";
    PutIni(text);
  }
  std::string FileText(const std::string& path) { return fakes.fileSystem.Contents(path).value_or("<none>"); }

  // Builds a fresh main window (dropping any earlier one) and loads it.
  run::Form1& Load() {
    clock.reset();
    form = std::make_unique<run::Form1>(fakes.platform);
    clock = std::make_unique<test::ManualClock>();
    clock->Watch(*form);
    form->Load();
    return *form;
  }
  void Advance(int ms) { clock->Advance(ms); }
};

}  // namespace sequora::test
