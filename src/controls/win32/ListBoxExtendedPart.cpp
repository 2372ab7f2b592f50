#include "controls/win32/ListBoxExtendedPart.h"

#include <windowsx.h>

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/Dpi.h"
#include "ui/win32/FormWindow.h"

namespace sequora::controls::win32 {

using ui::win32::FormWindow;

void RegisterListBoxExtendedPart() {
  ui::win32::RegisterUserControl(
      ListBoxExtended::kTypeName,
      [](ui::UserControl& model, FormWindow& form) -> std::unique_ptr<ui::win32::UserControlPart> {
        auto* list = dynamic_cast<ListBoxExtended*>(&model);
        if (!list) return nullptr;
        return std::make_unique<ListBoxExtendedPart>(*list, form);
      });
}

ListBoxExtendedPart::ListBoxExtendedPart(ListBoxExtended& list, FormWindow& form)
    : SurfaceWindow(form, [this](HDC dc, const RECT& client) { Paint(dc, client); }),
      list_(list),
      formWindow_(form),
      painter_(form) {}

ListBoxExtendedPart::~ListBoxExtendedPart() = default;

int ListBoxExtendedPart::Dpi() const { return formWindow_.Dpi(); }

HWND ListBoxExtendedPart::Create(HWND parent, const RECT& rect, int id) {
  HWND hwnd = SurfaceWindow::Create(kClassName, parent, rect, id, WS_VSCROLL | WS_TABSTOP, 0);
  if (!hwnd) return nullptr;
  painter_.OpenTheme(hwnd, Dpi());

  // One tool for the whole list; its text is asked for whenever the tip is about to show, and is
  // the tool tip of the element under the mouse.
  toolTip_.Reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr,
                                   ui::win32::ModuleInstance(), nullptr));
  if (toolTip_) {
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    ::SendMessageA(toolTip_.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SyncScrollBarWidth();
  list_.Resize();
  SyncScrollBar();
  return hwnd;
}

void ListBoxExtendedPart::Update(ui::Property) {
  if (!Handle()) return;
  // Applied with the next paint: a scroll bar redraw is slow on some systems, and a list fill
  // changes the range a hundred times.
  scrollPending_ = true;
  Invalidate();
}

void ListBoxExtendedPart::DpiChanged(int) {
  if (!Handle()) return;
  painter_.OpenTheme(Handle(), Dpi());
  SyncScrollBarWidth();
  list_.Resize();
  Invalidate();
}

// Many model changes arrive per user action (a whole list fill): one pending repaint covers them.
void ListBoxExtendedPart::Invalidate() {
  if (paintPending_ || !Handle()) return;
  paintPending_ = true;
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

// The model's VScroll1 range 0..Max is shown with a page of LargeChange rows, so the thumb is as
// long as that page is against the whole list.
void ListBoxExtendedPart::SyncScrollBar() {
  scrollPending_ = false;
  if (!Handle()) return;
  const ui::ScrollBar& bar = list_.VScroll1;
  const int page = std::max(1, bar.LargeChange());
  const ScrollState wanted{bar.Min(), bar.Max() + page - 1, page, bar.Value()};
  if (wanted == shownScroll_) return;
  shownScroll_ = wanted;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  info.nMin = wanted.min;
  info.nMax = wanted.max;
  info.nPage = static_cast<UINT>(wanted.page);
  info.nPos = wanted.pos;
  ::SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

// The model lays the rows out beside VScroll1; give it the width the system's scroll bar has.
void ListBoxExtendedPart::SyncScrollBarWidth() {
  const int dpi = Dpi();
  list_.VScroll1.SetWidth(ui::win32::PixelsToTwips(ui::win32::SystemMetricForDpi(SM_CXVSCROLL, dpi), dpi));
}

void ListBoxExtendedPart::OnVScroll(int code) {
  const ui::ScrollBar& bar = list_.VScroll1;
  switch (code) {
    case SB_LINEUP: list_.ScrollTo(bar.Value() - bar.SmallChange()); break;
    case SB_LINEDOWN: list_.ScrollTo(bar.Value() + bar.SmallChange()); break;
    case SB_PAGEUP: list_.ScrollTo(bar.Value() - bar.LargeChange()); break;
    case SB_PAGEDOWN: list_.ScrollTo(bar.Value() + bar.LargeChange()); break;
    case SB_TOP: list_.ScrollTo(bar.Min()); break;
    case SB_BOTTOM: list_.ScrollTo(bar.Max()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      if (::GetScrollInfo(Handle(), SB_VERT, &info)) list_.ScrollTo(info.nTrackPos);
      break;
    }
    default: break;
  }
  SyncScrollBar();
}

void ListBoxExtendedPart::OnWheel(int delta) {
  UINT lines = 3;
  ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int rowsPerNotch =
      lines == WHEEL_PAGESCROLL ? std::max(1, list_.VScroll1.LargeChange()) : static_cast<int>(std::max(1u, lines));
  wheelRest_ += delta;
  const int rows = wheelRest_ * rowsPerNotch / WHEEL_DELTA;
  if (rows == 0) return;
  wheelRest_ -= rows * WHEEL_DELTA / rowsPerNotch;
  list_.ScrollTo(list_.VScroll1.Value() - rows);
  SyncScrollBar();
}

bool ListBoxExtendedPart::OnKey(WPARAM key) {
  switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
      list_.UserKeyDown(static_cast<int>(key));
      if (Handle()) SyncScrollBar();  // the user sees the thumb move with the selection
      return true;
    case VK_RETURN:
    case VK_SPACE:
      list_.UserKeyDown(static_cast<int>(key));  // asks the host: nothing after it
      return true;
    default:
      return false;
  }
}

void ListBoxExtendedPart::OnButtonDown(POINT point) {
  HWND hwnd = Handle();
  if (::GetFocus() != hwnd) ::SetFocus(hwnd);
  if (!Handle()) return;
  const std::optional<ElementAt> hit = HitTest(list_, point, Dpi());
  if (!hit) return;
  if (hit->kind == RowElement::Text1 || hit->kind == RowElement::Text2) {
    Invalidate();
    list_.UserFocus(hit->row, hit->kind);  // may call the host: nothing after it
    return;
  }
  pressed_ = hit;
  hot_ = hit;
  ::SetCapture(hwnd);
  Invalidate();
}

void ListBoxExtendedPart::OnButtonUp(POINT point) {
  if (!pressed_) return;
  const ElementAt target = *pressed_;
  pressed_.reset();
  if (::GetCapture() == Handle()) ::ReleaseCapture();
  Invalidate();
  if (HitTest(list_, point, Dpi()) == target) list_.UserClick(target.row, target.kind);  // the host may refill
}

void ListBoxExtendedPart::OnMouseMove(POINT point) {
  const std::optional<ElementAt> hit = HitTest(list_, point, Dpi());
  TrackMouseLeave();
  if (hit == hot_) return;
  hot_ = hit;
  if (toolTip_) ::SendMessageA(toolTip_.Get(), TTM_POP, 0, 0);  // the next tip is for the new element
  Invalidate();
}

void ListBoxExtendedPart::OnKillFocus(HWND next) {
  Invalidate();
  // Only a move to another control of the same window takes the focus from a row text; a message
  // box or another program does not (the text has it again when the window comes back).
  HWND hwnd = Handle();
  if (!next || next == hwnd || ::GetAncestor(next, GA_ROOT) != ::GetAncestor(hwnd, GA_ROOT)) return;
  list_.UserFocusLeft();  // may call the host: nothing after it
}

bool ListBoxExtendedPart::OnToolTipText(NMHDR& header) {
  if (!toolTip_ || header.hwndFrom != toolTip_.Get()) return false;
  tipText_.clear();
  if (hot_ && hot_->row < list_.InstanceCount()) tipText_ = list_.Row(hot_->row).Element(hot_->kind).ToolTipText();
  if (header.code == TTN_GETDISPINFOA) {
    auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
    info.lpszText = tipText_.data();
    info.hinst = nullptr;
    return true;
  }
  if (header.code == TTN_GETDISPINFOW) {
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    const int length = ::MultiByteToWideChar(CP_ACP, 0, tipText_.c_str(), -1, nullptr, 0);
    tipTextWide_.assign(static_cast<size_t>(std::max(length, 1)), L'\0');
    if (length > 0) ::MultiByteToWideChar(CP_ACP, 0, tipText_.c_str(), -1, tipTextWide_.data(), length);
    info.lpszText = tipTextWide_.data();
    info.hinst = nullptr;
    return true;
  }
  return false;
}

void ListBoxExtendedPart::Paint(HDC dc, const RECT& client) {
  // The selected row's text is the window's text: what a screen reader names the list by (and
  // what the end-to-end tests read).
  const int selected = list_.SelectedRow();
  std::string name = selected >= 0 && selected < list_.GetListCount() ? list_.Row(selected).Text1.Text() : "";
  if (name != windowText_) {
    windowText_ = std::move(name);
    ::SetWindowTextA(Handle(), windowText_.c_str());
  }
  PaintState state;
  state.hot = hot_;
  state.pressed = pressed_;
  const LRESULT uiState = ::SendMessageA(Handle(), WM_QUERYUISTATE, 0, 0);
  state.showFocus = ::GetFocus() == Handle() && !(uiState & UISF_HIDEFOCUS);
  painter_.Paint(dc, client, client, list_, state, Dpi());
}

LRESULT ListBoxExtendedPart::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (msg) {
    case WM_PAINT:
      paintPending_ = false;
      if (scrollPending_) SyncScrollBar();
      break;  // SurfaceWindow paints through Paint, double-buffered
    case WM_SIZE:
      list_.Resize();
      Invalidate();
      return 0;
    case WM_VSCROLL:
      OnVScroll(LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_KEYDOWN:
      if (OnKey(wParam)) return 0;
      break;
    case WM_GETDLGCODE: {
      // The arrows and Enter are the list's own (Enter runs the selected row), not the dialog's.
      const auto* message = reinterpret_cast<const MSG*>(lParam);
      const bool enter = message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
      return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown(point);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(point);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(point);
      return 0;
    case WM_MOUSELEAVE:
      MouseLeft();
      if (hot_ && !pressed_) {
        hot_.reset();
        Invalidate();
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (pressed_ && reinterpret_cast<HWND>(lParam) != Handle()) {
        pressed_.reset();
        Invalidate();
      }
      return 0;
    case WM_SETFOCUS:
      Invalidate();
      return 0;
    case WM_KILLFOCUS:
      OnKillFocus(reinterpret_cast<HWND>(wParam));
      return 0;
    case WM_UPDATEUISTATE: {
      LRESULT result = SurfaceWindow::HandleMessage(msg, wParam, lParam);
      Invalidate();
      return result;
    }
    case WM_NOTIFY:
      if (OnToolTipText(*reinterpret_cast<NMHDR*>(lParam))) return 0;
      break;
    case WM_THEMECHANGED:
      painter_.OpenTheme(Handle(), Dpi());
      Invalidate();
      return 0;
    case WM_SYSCOLORCHANGE:
      painter_.ForgetDrawings();
      Invalidate();
      break;
    case WM_DESTROY:
      // The tip belongs to the top-level window, which may have destroyed it first.
      if (toolTip_ && ::IsWindow(toolTip_.Get())) {
        toolTip_.Reset();
      } else {
        toolTip_.Release();
      }
      painter_.CloseTheme();
      break;
    default:
      break;
  }
  return SurfaceWindow::HandleMessage(msg, wParam, lParam);
}

}  // namespace sequora::controls::win32
