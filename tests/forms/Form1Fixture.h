#pragma once
// A main window on the fake machine: the test writes the settings file (or leaves it out), loads
// the window and drives it with a manual clock.
#include <memory>
#include <string>

#include "forms/main/Form1.h"
#include "support/FakeMachine.h"
#include "support/ManualClock.h"

namespace sequora::test {

class Form1Test : public FakeMachine {
 protected:
  std::unique_ptr<forms::Form1> form;
  std::unique_ptr<test::ManualClock> clock;  // declared after the form: detaches before it dies

  // Builds a fresh main window (dropping any earlier one) and loads it.
  forms::Form1& Load() {
    clock.reset();
    form = std::make_unique<forms::Form1>(fakes.platform);
    clock = std::make_unique<test::ManualClock>();
    clock->Watch(*form);
    form->Load();
    return *form;
  }
  void Advance(int ms) { clock->Advance(ms); }
  storage::ProgramEntry& E(int n) { return *form->startupList.At(n); }
};

}  // namespace sequora::test
