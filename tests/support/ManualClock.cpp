#include "support/ManualClock.h"

#include "ui/Form.h"

namespace sequora::test {

ManualClock::~ManualClock() {
  for (auto& entry : timers_) entry.first->AttachView(nullptr);
}

ManualClock::State& ManualClock::StateOf(ui::Timer& t) {
  for (auto& entry : timers_)
    if (entry.first == &t) return entry.second;
  timers_.push_back({&t, State{}});
  return timers_.back().second;
}

void ManualClock::Watch(ui::Form& form) {
  for (ui::Timer* t : form.Timers()) Watch(*t);
}

void ManualClock::Watch(ui::Timer& timer) {
  timer.AttachView(this);
  StateOf(timer).due = now_ + timer.Interval();
}

void ManualClock::TimerChanged(ui::Timer& timer) { StateOf(timer).due = now_ + timer.Interval(); }

void ManualClock::Advance(std::int64_t ms) {
  const std::int64_t end = now_ + ms;
  for (;;) {
    // The earliest due enabled timer; on a tie the one watched first.
    size_t next = timers_.size();
    std::int64_t due = end + 1;
    for (size_t i = 0; i < timers_.size(); ++i) {
      ui::Timer* timer = timers_[i].first;
      if (!timer->Enabled() || timer->Interval() <= 0) continue;
      if (timers_[i].second.due < due) {
        due = timers_[i].second.due;
        next = i;
      }
    }
    if (next == timers_.size()) break;
    now_ = due;
    ui::Timer* timer = timers_[next].first;
    timers_[next].second.due = now_ + timer->Interval();
    timer->RaiseTick();  // may enable/disable timers or even add new ones
  }
  now_ = end;
}

}  // namespace sequora::test
