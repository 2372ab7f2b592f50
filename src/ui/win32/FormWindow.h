#pragma once
// The renderer of one ui::Form: a top-level window whose child windows show the form's controls.
//
// How a model reaches the screen:
//  - FormWindow attaches itself as the view of the form and of its timers; when the form is loaded
//    it creates the window (hidden) and one ControlPart per control, each of which attaches itself
//    as the view of its control. Unloading the form destroys them all; loading it again recreates.
//  - Model changes arrive through the view interfaces and are applied at once.
//  - Messages from the child windows (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM, scrolling)
//    arrive at the form or at a frame's window; both hand them to RouteChildMessage, which finds
//    the part by its HWND. Parts raise the model's events (Raise*) and must not touch themselves
//    afterwards: a handler may unload the form.
//  - Controls that are hidden, or in a hidden frame, when the window is created wait for their
//    windows: they are made, all at once and stacked as if made with the rest, when one of them is
//    shown or focused, when HandleOf asks for one, or just after the window's first paint. A start
//    does not wait for the side panels and their fields.
//  - Geometry is twips in the model and pixels at the window's DPI here (Dpi.h); a DPI change
//    re-lays out every control and recreates the fonts. A window that would be larger than the
//    work area of its monitor is laid out at the largest DPI at which it fits (LayoutDpi).
//
// Lifetime: a FormWindow made by the application lives as long as it likes; when its form is
// destroyed first, it lets go of it. ShowEveryForm() makes a FormWindow for every form loaded
// without one, which goes with its form. Several FormWindows may exist at once.
#include <windows.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/win32/UniqueHandle.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/Window.h"

namespace sequora::ui::win32 {

class ControlPart;

class FormWindow : public Window, public FormView, public TimerView {
 public:
  explicit FormWindow(Form& form);
  ~FormWindow() override;

  Form& Model() const { return form_; }
  int Dpi() const { return dpi_; }
  // Ends the message loop (PostQuitMessage) when this form's window goes away.
  void SetEndsProgramOnUnload(bool ends) { endsProgram_ = ends; }
  // The window that owns this one while it is shown (modal owner, or set before it is loaded).
  void SetOwner(HWND owner) { owner_ = owner; }

  // The part that shows a control, by model or by any of its windows (nullptr when none).
  ControlPart* PartOf(const Control& control) const;
  ControlPart* PartOf(HWND hwnd) const;
  // The window of a control (nullptr while the form is not loaded); made now if it was waiting.
  HWND HandleOf(const Control& control) const;

  // Shared by the parts.
  HFONT Font(int points, bool bold) { return gdi_.Font(points, bold, dpi_); }
  HBRUSH Brush(Colour colour) { return gdi_.Brush(colour); }
  void SetToolTip(HWND control, const std::string& text);
  void ControlFocused(Control& control);
  // The window of the container of a control (a frame's window, or the form's).
  HWND ParentFor(const Control& control);
  size_t GdiObjectCount() const { return gdi_.ObjectCount(); }

  // Keyboard handling before dispatch (called by the message loop for messages to this window or
  // its children): Form::OnKeyDown first, then the dialog keys (Tab, Enter, Esc, mnemonics).
  bool PreTranslate(MSG& msg);
  // Messages that child windows send to their parent; true when handled (result set).
  bool RouteChildMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // FormView
  void FormChanged(Form& form, FormProperty what) override;
  void FocusRequested(Control& control) override;
  void ControlAdded(Control& control) override;
  void ControlRemoved(Control& control) override;
  void RunModal(Form& form) override;
  void FormDestroyed(Form& form) override;
  void ActivateRequested(Form& form) override;
  void DragRequested(Form& form) override;
  // TimerView
  void TimerChanged(Timer& timer) override;

  // The FormWindow whose window is `hwnd` or an ancestor of it.
  static FormWindow* FromDescendant(HWND hwnd);

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnDestroyed() override;

 private:
  void CreateNow();
  void DestroyNow();
  ControlPart* EnsurePart(Control& control);
  void CreatePendingParts();
  void CreateWaitingParts();
  bool Waiting(const Control& control) const;
  void StackOverlaps();
  RECT WorkArea() const;
  int LayoutDpi(int monitorDpi) const;
  void ApplyGeometry();
  void ApplyVisibility();
  void ApplyIcon();
  void ApplyTimer(Timer& timer);
  void ApplyStyle();
  void ApplyTopmost();
  void Relayout();
  void PressButtonWithRole(bool cancel);
  int NextId() { return nextId_++; }
  DWORD Style() const;
  DWORD ExStyle() const;

  Form& form_;
  int dpi_;
  GdiCache gdi_;
  std::vector<std::shared_ptr<ControlPart>> parts_;
  std::vector<Control*> pending_;  // added at run time, created on the next message
  // The view of the controls whose windows wait: it only watches for the moment they are needed.
  class WaitingView : public ControlView {
   public:
    explicit WaitingView(FormWindow& window) : window_(window) {}
    void Changed(Control& control, Property what) override;
    void FocusRequested(Control& control) override;

   private:
    FormWindow& window_;
  } waitingView_{*this};
  std::vector<Control*> waiting_;
  platform::win32::UniqueWindow toolTip_;
  std::set<HWND> tools_;
  platform::win32::UniqueIcon bigIcon_, smallIcon_;
  HWND owner_ = nullptr;
  bool endsProgram_ = false;
  bool applyingGeometry_ = false;
  bool formGone_ = false;
  int nextId_ = 100;
};

// The window of a form shown by a FormWindow (nullptr when none).
HWND WindowHandleOf(const Form& form);

// From now on every form loaded without a view gets a FormWindow of its own (Form::SetViewMaker).
void ShowEveryForm();

}  // namespace sequora::ui::win32
