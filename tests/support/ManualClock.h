#pragma once
// The clock of the tests: makes the timers of watched windows tick as SetTimer would, but only
// when the test advances time. Advance(ms) fires every due tick in time order; a timer that is
// (re)enabled or gets a new interval starts a fresh interval from the current time.
#include <cstdint>
#include <utility>
#include <vector>

#include "ui/Timer.h"

namespace sequora::test {

class ManualClock : public ui::TimerView {
 public:
  ManualClock() = default;
  ~ManualClock() override;
  // Takes over the ticking of the form's timers.
  void Watch(ui::Form& form);
  void Watch(ui::Timer& timer);
  void Advance(std::int64_t ms);
  std::int64_t Now() const { return now_; }

  void TimerChanged(ui::Timer& timer) override;

 private:
  struct State {
    std::int64_t due = 0;
  };
  State& StateOf(ui::Timer& t);
  std::vector<std::pair<ui::Timer*, State>> timers_;  // in watch order: ties go to the first watched
  std::int64_t now_ = 0;
};

}  // namespace sequora::test
