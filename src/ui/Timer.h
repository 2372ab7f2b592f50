#pragma once
// A window's timer: Interval in milliseconds, Enabled, and the Tick event. Who makes it tick is
// the attached TimerView: the Win32 renderer (SetTimer) or, in tests, a manual clock.
// Enabling a timer, or changing its interval while enabled, starts a fresh interval.
#include <functional>
#include <string>

namespace sequora::ui {

class Form;
class Timer;

class TimerView {
 public:
  virtual ~TimerView() = default;
  virtual void TimerChanged(Timer& timer) = 0;  // enabled state or interval changed
};

class Timer {
 public:
  Timer(Form& form, std::string name, int intervalMs = 1000, bool enabled = false);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  const std::string& Name() const { return name_; }
  Form& Owner() const { return form_; }
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool e);

  std::function<void()> Tick;
  // Called by the clock when an interval has passed; does nothing while disabled.
  void RaiseTick() {
    if (enabled_ && interval_ > 0 && Tick) Tick();
  }

  void AttachView(TimerView* view) { view_ = view; }
  TimerView* View() const { return view_; }

 private:
  void Notify() {
    if (view_) view_->TimerChanged(*this);
  }
  Form& form_;
  std::string name_;
  int interval_;
  bool enabled_;
  TimerView* view_ = nullptr;
};

}  // namespace sequora::ui
