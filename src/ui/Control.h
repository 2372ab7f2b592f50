#pragma once
// Portable control models. A window of Sequora (Form1, MsgBoxForm, ...) owns its controls as
// members named as in its design (Label1, Command4, ...); tests drive them directly, and the Win32
// renderer (ui/win32) shows them as real windows.
//
// Conventions that every control follows:
//  - Geometry is in twips (1440 per inch), relative to the container (a Frame, or the form's
//    client area). The renderer converts to pixels at the window's DPI.
//  - Setters change the model, then tell the attached view (if any) what changed. Events are
//    plain std::function members named after the event (Click, Change, GotFocus, ...).
//  - Changing a value from code raises the same event as the user would, where the windows'
//    logic relies on it: TextBox::SetText raises Change, CheckBox::SetValue raises Click,
//    ListBox/ComboBox::SetListIndex raise Click, ScrollBar::SetValue raises Change.
//  - Raise*() methods are what the renderer (or a test, standing in for the user) calls when the
//    user acts: they raise the event without echoing the change back to the view.
#include <functional>
#include <string>

#include "ui/Colour.h"

namespace sequora::ui {

class Form;
class Frame;
class Control;

enum class Kind { Label, TextBox, CheckBox, Button, ListBox, ComboBox, PictureBox, Frame, ScrollBar, UserControl };

enum class Property {
  Geometry, Visible, Enabled, ForeColor, BackColor, ToolTip, Font, Text, Value, Picture, Items,
  Selection, Range, Style, Container
};

// Implemented by a renderer: told about every change of a control it shows.
class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual void Changed(Control& control, Property what) = 0;
  virtual void FocusRequested(Control& control) = 0;
};

class Control {
 public:
  Control(Form& form, std::string name, Kind kind);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  const std::string& Name() const { return name_; }
  Kind GetKind() const { return kind_; }
  Form& Owner() const { return form_; }
  Frame* Container() const { return container_; }
  void SetContainer(Frame* frame);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { Move(v, top_, width_, height_); }
  void SetTop(int v) { Move(left_, v, width_, height_); }
  void SetWidth(int v) { Move(left_, top_, v, height_); }
  void SetHeight(int v) { Move(left_, top_, width_, v); }
  void Move(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  Colour ForeColor() const { return foreColor_; }
  void SetForeColor(Colour c);
  Colour BackColor() const { return backColor_; }
  void SetBackColor(Colour c);
  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(std::string text);
  // Font: size in points (0 = the window's standard font) and weight.
  int FontSize() const { return fontSize_; }
  bool FontBold() const { return fontBold_; }
  void SetFont(int points, bool bold);

  // Focus. SetFocus asks for the focus (the form raises LostFocus/GotFocus); the renderer reports
  // focus the user moved with Form::FocusMoved.
  void SetFocus();
  bool HasFocus() const;
  std::function<void()> GotFocus;
  std::function<void()> LostFocus;
  // Mouse button pressed on the control (button 1 left, 2 right), for window dragging.
  std::function<void(int button)> MouseDown;
  void RaiseMouseDown(int button) {
    if (MouseDown) MouseDown(button);
  }

  void AttachView(ControlView* view) { view_ = view; }
  ControlView* View() const { return view_; }

 protected:
  void Notify(Property what) {
    if (view_) view_->Changed(*this, what);
  }

 private:
  Form& form_;
  std::string name_;
  Kind kind_;
  Frame* container_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 1200, height_ = 375;
  bool visible_ = true;
  bool enabled_ = true;
  Colour foreColor_ = kWindowText;
  Colour backColor_ = kButtonFace;
  std::string toolTip_;
  int fontSize_ = 0;
  bool fontBold_ = false;
  ControlView* view_ = nullptr;
};

}  // namespace sequora::ui
