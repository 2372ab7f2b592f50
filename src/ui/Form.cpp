#include "ui/Form.h"

#include <algorithm>

#include "ui/Control.h"
#include "ui/Timer.h"

namespace sequora::ui {

namespace {
std::function<void(Form&)>& ViewMaker() {
  static std::function<void(Form&)> maker;
  return maker;
}
}  // namespace

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() {
  if (view_) view_->FormDestroyed(*this);
}

void Form::SetViewMaker(std::function<void(Form&)> maker) { ViewMaker() = std::move(maker); }

void Form::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify(FormProperty::Caption);
}

void Form::Load() {
  if (loaded_) return;
  if (!view_ && ViewMaker()) ViewMaker()(*this);
  loaded_ = true;
  Notify(FormProperty::Loaded);
  if (OnLoad) OnLoad();
}

bool Form::Unload(UnloadMode mode) {
  if (!loaded_) return true;
  bool cancel = false;
  if (OnQueryUnload) OnQueryUnload(cancel, mode);
  if (cancel) return false;
  if (OnUnload) OnUnload();
  loaded_ = false;
  visible_ = false;
  modal_ = false;
  focused_ = nullptr;
  Notify(FormProperty::Loaded);
  return true;
}

void Form::Show() {
  Load();
  if (!loaded_ || visible_) return;  // the load handler may have unloaded it again
  visible_ = true;
  Notify(FormProperty::Visible);
}

void Form::ShowModal() {
  if (modal_ && loaded_) return;
  modal_ = true;
  Show();
  if (!loaded_) {
    modal_ = false;
    return;
  }
  if (view_) view_->RunModal(*this);
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  Notify(FormProperty::Visible);
}

void Form::SetState(WindowState s) {
  if (s == state_) return;
  state_ = s;
  Notify(FormProperty::State);
}

void Form::RaiseStateChanged(WindowState s) {
  if (s == state_) return;
  state_ = s;
  if (OnResize) OnResize();
}

void Form::RaiseMoved(int left, int top, int width, int height) {
  bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (resized && OnResize) OnResize();
}

void Form::Move(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Notify(FormProperty::Geometry);
}

void Form::SetBorder(BorderStyle b) {
  if (b == border_) return;
  border_ = b;
  Notify(FormProperty::Style);
}

void Form::SetIcon(Picture icon) {
  if (icon == icon_) return;
  icon_ = std::move(icon);
  Notify(FormProperty::Icon);
}

void Form::SetTopmost(bool topmost) {
  if (topmost == topmost_) return;
  topmost_ = topmost;
  Notify(FormProperty::Topmost);
}

void Form::RaiseDpiChanged(int dpi) {
  if (dpi <= 0 || dpi == dpi_) return;
  dpi_ = dpi;
  if (OnDpiChanged) OnDpiChanged();
}

void Form::Activate() {
  if (view_) view_->ActivateRequested(*this);
}

void Form::BeginDrag() {
  if (view_) view_->DragRequested(*this);
}

void Form::SetBackColor(Colour c) {
  if (c == backColor_) return;
  backColor_ = c;
  Notify(FormProperty::BackColor);
}

Control* Form::Find(const std::string& controlName) const {
  for (Control* c : controls_)
    if (c->Name() == controlName) return c;
  return nullptr;
}

void Form::Register(Control* c) {
  controls_.push_back(c);
  if (view_) view_->ControlAdded(*c);
}

void Form::Unregister(Control* c) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
  if (focused_ == c) focused_ = nullptr;
  if (view_) view_->ControlRemoved(*c);
}

void Form::Unregister(Timer* t) { timers_.erase(std::remove(timers_.begin(), timers_.end(), t), timers_.end()); }

void Form::RequestFocus(Control& control) {
  if (view_) view_->FocusRequested(control);  // the renderer reports back through FocusMoved
  if (focused_ != &control) FocusMoved(&control);
}

void Form::FocusMoved(Control* control) {
  if (control == focused_) return;
  Control* previous = focused_;
  focused_ = control;
  if (previous && previous->LostFocus) previous->LostFocus();
  if (control && focused_ == control && control->GotFocus) control->GotFocus();
}

}  // namespace sequora::ui
