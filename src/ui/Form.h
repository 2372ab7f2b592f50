#pragma once
// Base of Sequora's windows. A window class derives from Form, owns its controls and timers as
// members (they register themselves here when constructed) and implements its handlers as member
// functions. The renderer (ui/win32/FormWindow) shows a Form; tests use it without any view.
//
// Lifecycle: constructed = not loaded. Load() marks it loaded and runs OnLoad (the window's load
// handler); Show()/Hide() change visibility; Unload() asks QueryUnload (which may cancel), runs
// OnUnload and marks it not loaded. A renderer creates its window when the form is loaded (so that
// timers run during the load handler) and destroys it when the form is unloaded.
// ShowModal() shows the form and, with a renderer attached, returns only when the form has been
// unloaded (the owner is disabled meanwhile); without a renderer (tests) it returns at once.
#include <functional>
#include <string>
#include <vector>

#include "ui/Colour.h"
#include "base/Picture.h"

namespace sequora::ui {

class Control;
class Timer;
class Form;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
enum class BorderStyle { None, FixedSingle, Sizable, FixedDialog, FixedToolWindow };
// Why a window is being unloaded (the query-unload handler's second argument).
enum class UnloadMode { ControlMenu = 0, Code = 1, WindowsSession = 2 };

enum class FormProperty { Caption, Visible, State, Geometry, Icon, BackColor, Style, Loaded, Topmost };

class FormView {
 public:
  virtual ~FormView() = default;
  virtual void FormChanged(Form& form, FormProperty what) = 0;
  virtual void FocusRequested(Control& control) = 0;
  // A control was constructed or destroyed while the view was attached (rows of a list made at
  // run time). ControlAdded comes from the control's base constructor and ControlRemoved from its
  // base destructor: the view may keep the pointer but must not use the control before it returns
  // to the message loop.
  virtual void ControlAdded(Control&) {}
  virtual void ControlRemoved(Control&) {}
  // Runs the form modally: returns when it is unloaded.
  virtual void RunModal(Form&) {}
  // The form is being destroyed (from its base destructor: its controls are gone already).
  virtual void FormDestroyed(Form&) {}
  // Make the window the active (foreground) window.
  virtual void ActivateRequested(Form&) {}
  // A mouse button is down on the window: let the user move it as by its title bar.
  virtual void DragRequested(Form&) {}
};

class Form {
 public:
  explicit Form(std::string name);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  bool Loaded() const { return loaded_; }
  void Load();  // no-op when loaded already
  // Unload with the given reason; false when QueryUnload cancelled it.
  bool Unload(UnloadMode mode = UnloadMode::Code);
  bool Visible() const { return visible_; }
  void Show();  // loads first when needed
  // Shows the form modally: with a renderer, returns after the form has been unloaded.
  void ShowModal();
  bool IsModal() const { return modal_; }
  void Hide();
  void SetVisible(bool v) { v ? Show() : Hide(); }
  WindowState State() const { return state_; }
  void SetState(WindowState s);

  // Outer size and position in twips; Left/Top -1 = centred on the screen.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Move(int left, int top, int width, int height);
  BorderStyle Border() const { return border_; }
  void SetBorder(BorderStyle b);
  const Picture& Icon() const { return icon_; }
  void SetIcon(Picture icon);
  Colour BackColor() const { return backColor_; }
  void SetBackColor(Colour c);
  // In the topmost band, above all normal windows (kept through hiding and showing).
  bool Topmost() const { return topmost_; }
  void SetTopmost(bool topmost);
  // Asks the view to make the window the active one / to let the user drag it with the mouse
  // button that is down (returns when the drag is over). Nothing happens without a view.
  void Activate();
  void BeginDrag();

  const std::vector<Control*>& Controls() const { return controls_; }
  const std::vector<Timer*>& Timers() const { return timers_; }
  Control* Find(const std::string& controlName) const;

  // Focus: the control that has it (nullptr when none).
  Control* Focused() const { return focused_; }
  void RequestFocus(Control& control);  // from Control::SetFocus
  // From the renderer: the user moved the focus; raises LostFocus and GotFocus.
  void FocusMoved(Control* control);

  // Events of the window itself.
  std::function<void()> OnLoad;
  std::function<void(bool& cancel, UnloadMode mode)> OnQueryUnload;
  std::function<void()> OnUnload;
  std::function<void(int keyCode, bool& handled)> OnKeyDown;  // before the focused control
  std::function<void(int button)> OnMouseDown;                 // on the window's background
  void RaiseKeyDown(int keyCode, bool& handled) {
    if (OnKeyDown) OnKeyDown(keyCode, handled);
  }
  void RaiseMouseDown(int button) {
    if (OnMouseDown) OnMouseDown(button);
  }
  // Pixels per inch of the window (96 without a renderer). The renderer sets it when it makes the
  // window, before the load handler runs, and when the window moves to a monitor of another DPI;
  // a form that draws bitmaps (program icons) asks for them at this size. OnDpiChanged follows a
  // change.
  int Dpi() const { return dpi_; }
  std::function<void()> OnDpiChanged;
  void RaiseDpiChanged(int dpi);
  // Raised after the user (or the system) minimised, restored, maximised or resized the window.
  std::function<void()> OnResize;
  // From the renderer: the user changed the window state or moved/resized the window (twips).
  // The model follows without echoing the change back to the view.
  void RaiseStateChanged(WindowState s);
  void RaiseMoved(int left, int top, int width, int height);

  void AttachView(FormView* view) { view_ = view; }
  FormView* View() const { return view_; }
  // Set once by the application: gives a view to every form that is loaded without one (the
  // renderer's windows for the import, confirmation and tray windows). Tests leave it unset.
  static void SetViewMaker(std::function<void(Form&)> maker);

  // Called by Control and Timer constructors/destructors.
  void Register(Control* c);
  void Unregister(Control* c);
  void Register(Timer* t) { timers_.push_back(t); }
  void Unregister(Timer* t);

 private:
  void Notify(FormProperty what) {
    if (view_) view_->FormChanged(*this, what);
  }
  std::string name_;
  std::string caption_;
  bool loaded_ = false;
  bool visible_ = false;
  bool modal_ = false;
  WindowState state_ = WindowState::Normal;
  int left_ = -1, top_ = -1, width_ = 6000, height_ = 4500;
  BorderStyle border_ = BorderStyle::Sizable;
  bool topmost_ = false;
  int dpi_ = 96;
  Picture icon_;
  Colour backColor_ = kButtonFace;
  std::vector<Control*> controls_;
  std::vector<Timer*> timers_;
  Control* focused_ = nullptr;
  FormView* view_ = nullptr;
};

}  // namespace sequora::ui
