#pragma once
// The machine the status benchmarks run on: Sequora loaded from C:\Sequora with a full program
// list (101 entries, every seventh disabled; every 25th program is not installed) among 300
// processes with 200 top-level windows.
#include <memory>
#include <string>

#include "platform/fake/FakePlatform.h"
#include "forms/main/Form1.h"

namespace sequora::bench {

struct BusyMachine {
  platform::FakePlatform fakes;
  std::unique_ptr<forms::Form1> form;

  // `mainSettings`: lines of [MainSettings]; `fullEntries` adds parameters, delays and groups.
  BusyMachine(const std::string& mainSettings, bool fullEntries) {
    fakes.fileSystem.MakeDirs("C:\\Sequora");
    std::string ini = "[MainSettings]\r\n" + mainSettings + "[ProgramList]\r\n";
    for (int n = 1; n <= 101; ++n) {
      const std::string k = "Program" + std::to_string(n), number = std::to_string(n);
      ini += k + "=Program" + number + ".exe\r\n" + k + "Dir=C:\\Programs\\Vendor " + number + "\\\r\n";
      if (fullEntries)
        ini += k + "Param=/tray --profile " + number + "\r\n" + k + "StartupDelay=" + std::to_string(n % 5) +
               "\r\n" + k + "ConfirmMessageBoxNr=" + (n % 11 == 0 ? "3" : "-1") + "\r\n";
      ini += k + "Disabled=" + (n % 7 == 0 ? "1" : "0") + "\r\n";
      if (n % 25 != 0) fakes.fileSystem.PutFile("C:\\Programs\\Vendor " + number + "\\Program" + number + ".exe", "MZ");
    }
    fakes.fileSystem.PutFile("C:\\Sequora\\Sequora.ini", ini);
    // Every fifth entry's program is running. The windows are titled, untitled and hidden ones of
    // the first 150 processes, and the invisible IME windows every program has.
    for (int i = 0; i < 300; ++i) {
      const std::string name =
          i % 15 == 0 ? "program" + std::to_string(i / 3 + 1) + ".exe" : "service" + std::to_string(i) + ".exe";
      const std::uint32_t id = fakes.processes.AddProcess(name);
      if (i < 150)
        fakes.processes.AddWindow(id, i % 3 == 0 && i % 15 != 0 ? "" : "Window " + std::to_string(i), i % 5 != 4);
      if (i < 50) fakes.processes.AddWindow(id, "Default IME", false);
    }
    form = std::make_unique<forms::Form1>(fakes.platform);
    form->Load();
  }
};

}  // namespace sequora::bench
