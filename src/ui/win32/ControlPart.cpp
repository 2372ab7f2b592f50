#include "ui/win32/ControlPart.h"

#include <commctrl.h>

#include "ui/Controls.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/GdiCache.h"

namespace sequora::ui::win32 {

namespace {
constexpr UINT_PTR kSubclassId = 1;
// The part behind a window, for lookups by HWND (WM_COMMAND, WM_CTLCOLOR*, ...).
constexpr char kPartProperty[] = "Sequora.Part";
}  // namespace

ControlPart::ControlPart(FormWindow& form, Control& model) : form_(form), model_(model) {}

ControlPart::~ControlPart() { Destroy(); }

int ControlPart::Dpi() const { return form_.Dpi(); }

RECT ControlPart::PixelRect() const {
  return TwipsRectToPixels(model_.Left(), model_.Top(), model_.Width(), model_.Height(), Dpi());
}

bool ControlPart::Create(HWND parent, int id) {
  id_ = id;
  hwnd_ = CreateWindowIn(parent, WindowRect(), id);
  if (!hwnd_) return false;
  ::SetWindowSubclass(hwnd_, &ControlPart::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  ::SetPropA(hwnd_, kPartProperty, this);
  model_.AttachView(this);
  ApplyFont();
  ApplyAll();
  ::EnableWindow(hwnd_, model_.Enabled());
  if (!model_.ToolTipText().empty()) form_.SetToolTip(hwnd_, model_.ToolTipText());
  if (model_.Visible()) ::ShowWindow(hwnd_, SW_SHOWNA);
  return true;
}

void ControlPart::Destroy() {
  if (modelAlive_ && model_.View() == this) model_.AttachView(nullptr);
  if (!hwnd_) return;
  HWND hwnd = hwnd_;
  form_.SetToolTip(hwnd, "");
  if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);  // a frame's window may have taken it with it
  hwnd_ = nullptr;
}

HWND ControlPart::CreateChild(const char* className, DWORD style, DWORD exStyle,
                              const std::string& text, HWND parent, const RECT& rect, int id) {
  return ::CreateWindowExA(exStyle, className, text.c_str(), style | WS_CHILD | WS_CLIPSIBLINGS,
                           rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ModuleInstance(), nullptr);
}

void ControlPart::SetWindowTextFromModel(const std::string& text) {
  if (!hwnd_) return;
  updating_ = true;
  ::SetWindowTextA(hwnd_, text.c_str());
  updating_ = false;
}

void ControlPart::ApplyGeometry() {
  if (!hwnd_) return;
  RECT r = WindowRect();
  ::SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlPart::ApplyFont() {
  if (!hwnd_) return;
  HFONT font = form_.Font(model_.FontSize(), model_.FontBold());
  ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void ControlPart::Recreate() {
  if (!hwnd_) return;
  HWND parent = ::GetParent(hwnd_);
  HWND previous = ::GetWindow(hwnd_, GW_HWNDPREV);
  bool focused = ::GetFocus() == hwnd_;
  Destroy();
  if (!Create(parent, id_)) return;
  ::SetWindowPos(hwnd_, previous ? previous : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (focused) ::SetFocus(hwnd_);
}

void ControlPart::MoveFocusAway() {
  HWND focus = ::GetFocus();
  if (!hwnd_ || !(focus == hwnd_ || ::IsChild(hwnd_, focus))) return;
  HWND top = form_.Handle();
  HWND next = top ? ::GetNextDlgTabItem(top, hwnd_, FALSE) : nullptr;
  ::SetFocus(next && next != hwnd_ ? next : top);
}

void ControlPart::Changed(Control&, Property what) {
  if (!hwnd_) return;
  ApplyShared(what);
}

void ControlPart::ApplyShared(Property what) {
  switch (what) {
    case Property::Geometry:
      ApplyGeometry();
      break;
    case Property::Visible:
      ::ShowWindow(hwnd_, model_.Visible() ? SW_SHOWNA : SW_HIDE);
      if (!model_.Visible()) MoveFocusAway();
      break;
    case Property::Enabled:
      ::EnableWindow(hwnd_, model_.Enabled());
      if (!model_.Enabled()) MoveFocusAway();
      ::InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Property::ForeColor:
    case Property::BackColor:
      ::InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Property::ToolTip:
      form_.SetToolTip(hwnd_, model_.ToolTipText());
      break;
    case Property::Font:
      ApplyFont();
      break;
    case Property::Container:
      ::SetParent(hwnd_, form_.ParentFor(model_));
      ApplyGeometry();
      break;
    default:
      if (RecreateFor(what)) {
        Recreate();
      } else {
        Update(what);
      }
      break;
  }
}

void ControlPart::FocusRequested(Control&) {
  if (hwnd_) ::SetFocus(hwnd_);
}

HBRUSH ControlPart::OnCtlColor(HDC dc, HWND) {
  ::SetTextColor(dc, ToColorRef(model_.ForeColor()));
  ::SetBkColor(dc, ToColorRef(model_.BackColor()));
  return form_.Brush(model_.BackColor());
}

LRESULT CALLBACK ControlPart::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR self) {
  auto* part = reinterpret_cast<ControlPart*>(self);
  if (msg == WM_NCDESTROY) {
    ::RemoveWindowSubclass(hwnd, &ControlPart::SubclassProc, id);
    ::RemovePropA(hwnd, kPartProperty);
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  // Keep the part alive while its handlers run; a part being destroyed only passes messages on.
  std::shared_ptr<ControlPart> keep = part->weak_from_this().lock();
  if (!keep || !part->modelAlive_ || part->model_.View() != part)
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);

  LRESULT result = 0;
  if (part->OnMessage(msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_SETFOCUS: {
      LRESULT r = ::DefSubclassProc(hwnd, msg, wParam, lParam);
      part->form_.ControlFocused(part->model_);
      return r;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (part->IsSurface() && msg != WM_RBUTTONDOWN) part->pressed_ = true;
      part->model_.RaiseMouseDown(msg == WM_RBUTTONDOWN ? 2 : 1);
      // The handler may have started a window drag (which took the button release) or destroyed
      // the window.
      return ::IsWindow(hwnd) ? ::DefSubclassProc(hwnd, msg, wParam, lParam) : 0;
    }
    case WM_LBUTTONUP: {
      bool click = part->IsSurface() && part->pressed_;
      part->pressed_ = false;
      LRESULT r = ::DefSubclassProc(hwnd, msg, wParam, lParam);
      if (click) {
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        RECT client;
        ::GetClientRect(hwnd, &client);
        if (::PtInRect(&client, p)) part->RaiseClick();
      }
      return r;
    }
    default:
      break;
  }
  return ::DefSubclassProc(hwnd, msg, wParam, lParam);
}

ControlPart* ControlPart::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<ControlPart*>(::GetPropA(hwnd, kPartProperty)) : nullptr;
}

}  // namespace sequora::ui::win32
