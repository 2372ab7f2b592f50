#include "ui/Timer.h"

#include "ui/Form.h"

namespace sequora::ui {

Timer::Timer(Form& form, std::string name, int intervalMs, bool enabled)
    : form_(form), name_(std::move(name)), interval_(intervalMs), enabled_(enabled) {
  form_.Register(this);
}

Timer::~Timer() { form_.Unregister(this); }

void Timer::SetInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  Notify();
}

void Timer::SetEnabled(bool e) {
  if (e == enabled_) return;
  enabled_ = e;
  Notify();
}

}  // namespace sequora::ui
