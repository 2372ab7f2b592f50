#pragma once
// The Win32 side of one control: creates its window, applies every model change, and turns the
// messages of its window into the model's events. One class per control kind (Parts.h); this base
// does what all kinds share: geometry at the form's DPI, visibility, enabled state, colours, font,
// tool tip, focus, mouse-down and (for surfaces) click.
//
// Every part's window is subclassed (SetWindowSubclass) to see focus, keys and mouse; messages the
// window sends to its parent reach the part through FormWindow::RouteChildMessage. A handler of the
// model may destroy the part (by unloading the form): entry points hold a shared_ptr to the part
// while they run, and touch nothing after raising an event.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace sequora::ui::win32 {

class FormWindow;

class ControlPart : public ControlView, public std::enable_shared_from_this<ControlPart> {
 public:
  ControlPart(FormWindow& form, Control& model);
  ~ControlPart() override;
  ControlPart(const ControlPart&) = delete;
  ControlPart& operator=(const ControlPart&) = delete;

  Control& Model() const { return model_; }
  FormWindow& Form() const { return form_; }
  HWND Handle() const { return hwnd_; }
  int Id() const { return id_; }
  // The window that holds the children of a container (frames); nullptr for other kinds.
  virtual HWND ChildParent() const { return nullptr; }
  // The part whose window `hwnd` is; nullptr for other windows.
  static ControlPart* FromHandle(HWND hwnd);

  // Creates the window in `parent` and applies every property. False when the window could not
  // be made (the part then stays without a window).
  bool Create(HWND parent, int id);
  // Destroys the window and detaches from the model (the model may be gone already).
  void Destroy();
  void ModelGone() { modelAlive_ = false; }
  void ApplyGeometry();
  void ApplyFont();
  virtual void DpiChanged() {
    ApplyFont();
    ApplyGeometry();
  }
  // The rectangle in pixels within the parent window.
  RECT PixelRect() const;

  // ControlView
  void Changed(Control& control, Property what) override;
  void FocusRequested(Control& control) override;

  // Messages that the window sent to its parent.
  virtual void OnCommand(int /*code*/) {}
  virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual bool OnDrawItem(DRAWITEMSTRUCT& /*item*/) { return false; }
  virtual void OnScroll(int /*code*/) {}
  // WM_CTLCOLOR*: sets the colours into `dc` and returns the background brush (nullptr: default).
  virtual HBRUSH OnCtlColor(HDC dc, HWND from);
  // Default push button / cancel button (DM_GETDEFID, Esc); clicks it.
  virtual bool IsDefaultButton() const { return false; }
  virtual bool IsCancelButton() const { return false; }
  virtual void Press() {}

 protected:
  // Creates the kind's window; the base subclasses it and applies the shared properties.
  virtual HWND CreateWindowIn(HWND parent, const RECT& rect, int id) = 0;
  // Applies a kind-specific property (Text, Value, Picture, Items, Selection, Range, Style).
  virtual void Update(Property /*what*/) {}
  // Properties whose change needs a new window (styles fixed at creation).
  virtual bool RecreateFor(Property /*what*/) const { return false; }
  // Kinds that act like a surface (labels, pictures, frames): click on button release.
  virtual bool IsSurface() const { return false; }
  virtual void RaiseClick() {}
  // A message to the part's window before its own procedure; true = handled.
  virtual bool OnMessage(UINT /*msg*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }
  // The kind's properties applied after creation (all of Update's, typically).
  virtual void ApplyAll() {}
  // The pixel rectangle the window gets (combo boxes add their drop-down list).
  virtual RECT WindowRect() const { return PixelRect(); }

  // Helpers for kinds.
  HWND CreateChild(const char* className, DWORD style, DWORD exStyle, const std::string& text,
                   HWND parent, const RECT& rect, int id);
  void SetWindowTextFromModel(const std::string& text);
  void Recreate();
  int Dpi() const;
  bool updating_ = false;  // set while the model's value is written into the window

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  void ApplyShared(Property what);
  void MoveFocusAway();

  FormWindow& form_;
  Control& model_;
  bool modelAlive_ = true;
  HWND hwnd_ = nullptr;
  int id_ = 0;
  bool pressed_ = false;  // surfaces: left button went down here
};

// The part for a control of any kind (user controls through their registry, UserControls.h).
std::shared_ptr<ControlPart> MakePart(FormWindow& form, Control& control);

}  // namespace sequora::ui::win32
