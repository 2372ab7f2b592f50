#include "ui/win32/FormWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <unordered_map>

#include "ui/Control.h"
#include "ui/Controls.h"
#include "ui/win32/ControlPart.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/MessageLoop.h"
#include "platform/win32/PictureDrawing.h"

namespace sequora::ui::win32 {

namespace {
// Posted to create the parts of controls added at run time, once they are fully constructed.
constexpr UINT kCreatePendingParts = WM_APP + 1;
// Makes the waiting parts once the shown window has been painted: timer messages come after
// paint messages. The form's own timers have their addresses as identifiers, never 1.
constexpr UINT_PTR kWaitingPartsTimer = 1;

// Whether a control would be seen, its frames allowing, when the window is.
bool ShownWithContainers(const Control& control) {
  if (!control.Visible()) return false;
  for (const Frame* frame = control.Container(); frame && frame != &control; frame = frame->Container())
    if (!frame->Visible()) return false;
  return true;
}

bool Intersect(const RECT& a, const RECT& b) {
  RECT r;
  return ::IntersectRect(&r, &a, &b) != FALSE;
}

// Is one of this thread's form windows pinned on top (and shown), other than `except`?
bool PinnedWindowShown(HWND except) {
  struct Search {
    HWND except;
    bool found = false;
  } search{except};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        if (hwnd != s.except && ::IsWindowVisible(hwnd) && (::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) &&
            dynamic_cast<FormWindow*>(Window::FromHandle(hwnd)))
          s.found = true;
        return s.found ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}
}  // namespace

FormWindow::FormWindow(Form& form) : form_(form), dpi_(SystemDpi()) {
  form_.AttachView(this);
  for (Timer* timer : form_.Timers()) timer->AttachView(this);
  if (form_.Loaded()) {
    CreateNow();
    ApplyVisibility();
  }
}

FormWindow::~FormWindow() {
  if (formGone_) return;
  DestroyNow();
  if (form_.View() == this) form_.AttachView(nullptr);
  for (Timer* timer : form_.Timers())
    if (timer->View() == this) timer->AttachView(nullptr);
}

DWORD FormWindow::Style() const {
  DWORD style = WS_CLIPCHILDREN;
  switch (form_.Border()) {
    case BorderStyle::None: return style | WS_POPUP;
    case BorderStyle::FixedSingle: return style | WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    case BorderStyle::Sizable: return style | WS_OVERLAPPEDWINDOW;
    case BorderStyle::FixedDialog:
    case BorderStyle::FixedToolWindow: return style | WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  }
  return style | WS_OVERLAPPEDWINDOW;
}

DWORD FormWindow::ExStyle() const {
  DWORD ex = WS_EX_CONTROLPARENT;
  if (form_.Border() == BorderStyle::FixedDialog) ex |= WS_EX_DLGMODALFRAME;
  if (form_.Border() == BorderStyle::FixedToolWindow) ex |= WS_EX_TOOLWINDOW;
  return ex;
}

// --- creation and destruction ---

void FormWindow::CreateNow() {
  if (Handle()) return;
  dpi_ = LayoutDpi(SystemDpi());
  if (!CreateHandle("SequoraForm", ExStyle(), form_.Caption().c_str(), Style(), CW_USEDEFAULT,
                    CW_USEDEFAULT, TwipsToPixels(form_.Width(), dpi_),
                    TwipsToPixels(form_.Height(), dpi_), owner_, nullptr))
    return;
  dpi_ = LayoutDpi(DpiOfWindow(Handle()));
  form_.RaiseDpiChanged(dpi_);
  ApplyGeometry();
  for (Control* control : form_.Controls()) {
    if (ShownWithContainers(*control)) {
      EnsurePart(*control);
    } else {
      waiting_.push_back(control);
      control->AttachView(&waitingView_);
    }
  }
  StackOverlaps();
  for (Timer* timer : form_.Timers()) ApplyTimer(*timer);
  ApplyIcon();
  if (form_.Topmost()) ApplyTopmost();
}

void FormWindow::DestroyNow() {
  pending_.clear();
  for (Control* control : waiting_)
    if (control->View() == &waitingView_) control->AttachView(nullptr);
  waiting_.clear();
  if (!Handle()) {
    parts_.clear();
    return;
  }
  for (Timer* timer : form_.Timers()) ::KillTimer(Handle(), reinterpret_cast<UINT_PTR>(timer));
  // Children before their containers: parts were created containers first.
  for (auto it = parts_.rbegin(); it != parts_.rend(); ++it) (*it)->Destroy();
  parts_.clear();
  tools_.clear();
  toolTip_.Reset();
  // Give the activation back to the owner before the window goes, or Windows activates another
  // program's window.
  if (owner_ && form_.IsModal()) ::EnableWindow(owner_, TRUE);
  DestroyHandle();
  bigIcon_.Reset();
  smallIcon_.Reset();
}

void FormWindow::OnDestroyed() {
  // The window went (by DestroyNow, or with its owner); the parts' windows went with it, the
  // tool tip (not owned by it) goes now.
  for (Control* control : waiting_)
    if (control->View() == &waitingView_) control->AttachView(nullptr);
  waiting_.clear();
  for (auto& part : parts_) part->Destroy();
  parts_.clear();
  tools_.clear();
  if (toolTip_ && ::IsWindow(toolTip_.Get())) {
    toolTip_.Reset();
  } else {
    toolTip_.Release();
  }
  if (endsProgram_) ::PostQuitMessage(0);
}

ControlPart* FormWindow::EnsurePart(Control& control) {
  if (ControlPart* existing = PartOf(control)) return existing;
  if (Waiting(control)) {
    CreateWaitingParts();
    return PartOf(control);
  }
  HWND parent = ParentFor(control);
  if (!parent) return nullptr;
  std::shared_ptr<ControlPart> part = MakePart(*this, control);
  if (!part) return nullptr;
  parts_.push_back(part);
  if (!part->Create(parent, NextId())) {
    parts_.erase(std::find(parts_.begin(), parts_.end(), part));
    return nullptr;
  }
  return part.get();
}

HWND FormWindow::ParentFor(const Control& control) {
  if (!Handle()) return nullptr;
  Frame* container = control.Container();
  if (!container || container == &control) return Handle();
  ControlPart* containerPart = EnsurePart(*container);
  HWND inner = containerPart ? containerPart->ChildParent() : nullptr;
  return inner ? inner : Handle();
}

void FormWindow::CreatePendingParts() {
  std::vector<Control*> pending;
  pending.swap(pending_);
  for (Control* control : pending) EnsurePart(*control);
}

bool FormWindow::Waiting(const Control& control) const {
  return std::find(waiting_.begin(), waiting_.end(), &control) != waiting_.end();
}

void FormWindow::CreateWaitingParts() {
  if (waiting_.empty()) return;
  std::vector<Control*> waiting;
  waiting.swap(waiting_);
  for (Control* control : waiting)
    if (control->View() == &waitingView_) control->AttachView(nullptr);
  if (!Handle()) return;
  ::KillTimer(Handle(), kWaitingPartsTimer);
  const size_t made = parts_.size();
  for (Control* control : waiting) EnsurePart(*control);
  std::set<const ControlPart*> fresh;
  for (size_t i = made; i < parts_.size(); ++i) fresh.insert(parts_[i].get());

  // Back in declaration order, each new window right below the sibling declared before it: the
  // stacking and the Tab order are those of a window whose controls were all made at once.
  std::unordered_map<const Control*, size_t> order;
  for (size_t i = 0; i < form_.Controls().size(); ++i) order[form_.Controls()[i]] = i;
  auto rank = [&](const std::shared_ptr<ControlPart>& part) {
    auto found = order.find(&part->Model());
    return found == order.end() ? order.size() : found->second;
  };
  std::stable_sort(parts_.begin(), parts_.end(), [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
  for (size_t i = 0; i < parts_.size(); ++i) {
    if (!fresh.count(parts_[i].get())) continue;
    HWND parent = ::GetParent(parts_[i]->Handle());
    HWND after = HWND_TOP;
    for (size_t j = i; j-- > 0;) {
      if (::GetParent(parts_[j]->Handle()) != parent) continue;
      after = parts_[j]->Handle();
      break;
    }
    ::SetWindowPos(parts_[i]->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  StackOverlaps();
}

void FormWindow::WaitingView::Changed(Control& control, Property what) {
  // Shown while the window is: its window is needed now. Before the window shows, ApplyVisibility
  // looks again.
  if ((what == Property::Visible || what == Property::Container) && ShownWithContainers(control) &&
      window_.Handle() && ::IsWindowVisible(window_.Handle()))
    window_.CreateWaitingParts();
}

void FormWindow::WaitingView::FocusRequested(Control& control) {
  window_.CreateWaitingParts();
  if (ControlPart* part = window_.PartOf(control)) part->FocusRequested(control);
}

namespace {
// Whether sibling `a` lies somewhere above sibling `b`.
bool IsAbove(HWND a, HWND b) {
  for (HWND w = ::GetWindow(b, GW_HWNDPREV); w; w = ::GetWindow(w, GW_HWNDPREV))
    if (w == a) return true;
  return false;
}
}  // namespace

// Where two controls of one container overlap, the one declared later lies above (as in the
// window designs), also over a frame declared before it (the side panels' close button);
// otherwise the stacking (and the Tab order) follows the declaration order.
void FormWindow::StackOverlaps() {
  for (size_t i = 0; i < parts_.size(); ++i) {
    ControlPart& upper = *parts_[i];
    if (upper.Model().GetKind() == Kind::Frame) continue;
    for (size_t j = 0; j < i; ++j) {
      ControlPart& lower = *parts_[j];
      if (::GetParent(lower.Handle()) != ::GetParent(upper.Handle())) continue;
      if (!Intersect(upper.PixelRect(), lower.PixelRect()) || IsAbove(upper.Handle(), lower.Handle())) continue;
      HWND above = ::GetWindow(lower.Handle(), GW_HWNDPREV);
      ::SetWindowPos(upper.Handle(), above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

// --- lookups ---

ControlPart* FormWindow::PartOf(const Control& control) const {
  auto* part = dynamic_cast<ControlPart*>(control.View());
  return part && &part->Form() == this ? part : nullptr;
}

ControlPart* FormWindow::PartOf(HWND hwnd) const {
  ControlPart* part = ControlPart::FromHandle(hwnd);
  return part && &part->Form() == this ? part : nullptr;
}

HWND FormWindow::HandleOf(const Control& control) const {
  // Asked for by a caller that is about to use it: a waiting window is made (the model stays
  // as it is; only its picture on the screen comes sooner).
  if (Waiting(control)) const_cast<FormWindow*>(this)->CreateWaitingParts();
  ControlPart* part = PartOf(control);
  return part ? part->Handle() : nullptr;
}

FormWindow* FormWindow::FromDescendant(HWND hwnd) {
  HWND root = ::GetAncestor(hwnd, GA_ROOT);
  return dynamic_cast<FormWindow*>(Window::FromHandle(root ? root : hwnd));
}

HWND WindowHandleOf(const Form& form) {
  auto* window = dynamic_cast<FormWindow*>(form.View());
  return window ? window->Handle() : nullptr;
}

// --- applying the model ---

RECT FormWindow::WorkArea() const {
  // The owner's monitor, or the window's, or the primary one before the window exists.
  HMONITOR monitor = ::MonitorFromWindow(owner_ ? owner_ : Handle(), MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  return ::GetMonitorInfoA(monitor, &info) ? info.rcWork : RECT{0, 0, 1024, 768};
}

// A high scale on a small screen (200 % on 1280 x 800) would make the window larger than the
// screen, and the system would cut it: the window is then laid out at the largest DPI at which it
// fits, a little smaller but whole.
int FormWindow::LayoutDpi(int monitorDpi) const {
  const RECT work = WorkArea();
  const long width = form_.Width(), height = form_.Height();
  if (width <= 0 || height <= 0) return monitorDpi;
  const long fit = std::min((work.right - work.left) * 1440L / width, (work.bottom - work.top) * 1440L / height);
  return static_cast<int>(std::clamp<long>(fit, kDefaultDpi / 2, monitorDpi));
}

void FormWindow::ApplyGeometry() {
  if (!Handle()) return;
  int width = TwipsToPixels(form_.Width(), dpi_);
  int height = TwipsToPixels(form_.Height(), dpi_);
  int x = TwipsToPixels(form_.Left(), dpi_);
  int y = TwipsToPixels(form_.Top(), dpi_);
  if (form_.Left() < 0 || form_.Top() < 0) {
    // Centred on the work area.
    const RECT work = WorkArea();
    if (form_.Left() < 0) x = work.left + std::max(0L, (work.right - work.left - width) / 2);
    if (form_.Top() < 0) y = work.top + std::max(0L, (work.bottom - work.top - height) / 2);
  }
  applyingGeometry_ = true;
  ::SetWindowPos(Handle(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  applyingGeometry_ = false;
}

void FormWindow::ApplyVisibility() {
  if (!Handle()) return;
  applyingGeometry_ = true;
  if (!form_.Visible()) {
    ::ShowWindow(Handle(), SW_HIDE);
  } else {
    if (std::any_of(waiting_.begin(), waiting_.end(), [](const Control* c) { return ShownWithContainers(*c); }))
      CreateWaitingParts();
    if (!waiting_.empty()) ::SetTimer(Handle(), kWaitingPartsTimer, USER_TIMER_MINIMUM, nullptr);
    // A window shown while one of ours is pinned on top leaves it the activation: the pinned
    // window asks something (the group confirmation) and keeps the keyboard. It also stays on
    // top under Wine, whose X11 driver raises the window that gets the focus over pinned ones.
    const bool leaveActivation = !form_.Topmost() && PinnedWindowShown(Handle());
    switch (form_.State()) {
      case WindowState::Minimized: ::ShowWindow(Handle(), ::IsWindowVisible(Handle()) ? SW_MINIMIZE : SW_SHOWMINIMIZED); break;
      case WindowState::Maximized: ::ShowWindow(Handle(), SW_SHOWMAXIMIZED); break;
      case WindowState::Normal:
        if (leaveActivation)
          ::ShowWindow(Handle(), SW_SHOWNOACTIVATE);
        else
          ::ShowWindow(Handle(), ::IsIconic(Handle()) || ::IsZoomed(Handle()) ? SW_RESTORE : SW_SHOW);
        break;
    }
  }
  applyingGeometry_ = false;
}

void FormWindow::ApplyIcon() {
  if (!Handle()) return;
  bigIcon_.Reset(platform::win32::CreateIconFromPicture(form_.Icon(), SystemMetricForDpi(SM_CXICON, dpi_)));
  smallIcon_.Reset(platform::win32::CreateIconFromPicture(form_.Icon(), SystemMetricForDpi(SM_CXSMICON, dpi_)));
  ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
  ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
}

void FormWindow::ApplyStyle() {
  if (!Handle()) return;
  DWORD visible = ::GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_VISIBLE;
  ::SetWindowLongPtrA(Handle(), GWL_STYLE, Style() | visible);
  ::SetWindowLongPtrA(Handle(), GWL_EXSTYLE, ExStyle());
  ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void FormWindow::ApplyTopmost() {
  if (!Handle()) return;
  ::SetWindowPos(Handle(), form_.Topmost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormWindow::ApplyTimer(Timer& timer) {
  if (!Handle()) return;
  auto id = reinterpret_cast<UINT_PTR>(&timer);
  if (timer.Enabled() && timer.Interval() > 0) {
    ::SetTimer(Handle(), id, static_cast<UINT>(timer.Interval()), nullptr);
  } else {
    ::KillTimer(Handle(), id);
  }
}

void FormWindow::Relayout() {
  gdi_.ClearFonts();
  for (auto& part : std::vector<std::shared_ptr<ControlPart>>(parts_)) part->DpiChanged();
  ApplyIcon();
  ::RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void FormWindow::SetToolTip(HWND control, const std::string& text) {
  if (!control || !Handle()) return;
  if (!toolTip_) {
    if (text.empty()) return;
    // Not owned by the window: Wine keeps a window that owns a topmost popup out of the topmost
    // band when it is pinned (SetWindowPos HWND_TOPMOST). The tip is destroyed with the window.
    toolTip_.Reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                     WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                     ModuleInstance(), nullptr));
    if (!toolTip_) return;
    ::SendMessageA(toolTip_.Get(), TTM_SETMAXTIPWIDTH, 0, ScalePixels(400, dpi_));
  }
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text.c_str());
  if (text.empty()) {
    if (tools_.erase(control)) ::SendMessageA(toolTip_.Get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  } else if (tools_.count(control)) {
    ::SendMessageA(toolTip_.Get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  } else if (::SendMessageA(toolTip_.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool))) {
    tools_.insert(control);
  }
}

// --- views ---

void FormWindow::FormChanged(Form&, FormProperty what) {
  switch (what) {
    case FormProperty::Loaded:
      if (form_.Loaded()) {
        CreateNow();
      } else {
        DestroyNow();
      }
      break;
    case FormProperty::Visible:
    case FormProperty::State:
      ApplyVisibility();
      break;
    case FormProperty::Caption:
      if (Handle()) ::SetWindowTextA(Handle(), form_.Caption().c_str());
      break;
    case FormProperty::Geometry:
      ApplyGeometry();
      break;
    case FormProperty::Icon:
      ApplyIcon();
      break;
    case FormProperty::BackColor:
      if (Handle()) ::RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
      break;
    case FormProperty::Style:
      ApplyStyle();
      break;
    case FormProperty::Topmost:
      ApplyTopmost();
      break;
  }
}

void FormWindow::ActivateRequested(Form&) {
  if (Handle()) ::SetForegroundWindow(Handle());
}

void FormWindow::DragRequested(Form&) {
  if (!Handle()) return;
  // The button-down gave the mouse capture to the window or control: release it, then let the
  // system run its move loop as for a press on the title bar.
  ::ReleaseCapture();
  ::SendMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void FormWindow::FocusRequested(Control& control) {
  if (HWND hwnd = HandleOf(control)) ::SetFocus(hwnd);
}

void FormWindow::ControlFocused(Control& control) { form_.FocusMoved(&control); }

void FormWindow::ControlAdded(Control& control) {
  if (!Handle()) return;
  if (pending_.empty()) ::PostMessageA(Handle(), kCreatePendingParts, 0, 0);
  pending_.push_back(&control);
}

void FormWindow::ControlRemoved(Control& control) {
  pending_.erase(std::remove(pending_.begin(), pending_.end(), &control), pending_.end());
  waiting_.erase(std::remove(waiting_.begin(), waiting_.end(), &control), waiting_.end());
  auto found = std::find_if(parts_.begin(), parts_.end(), [&](const auto& p) { return &p->Model() == &control; });
  if (found == parts_.end()) return;
  std::shared_ptr<ControlPart> part = *found;
  parts_.erase(found);
  part->ModelGone();
  part->Destroy();
}

void FormWindow::RunModal(Form&) {
  if (!Handle()) return;
  HWND owner = owner_;
  if (!owner) {
    HWND active = ::GetActiveWindow();
    owner = active != Handle() ? active : nullptr;
  }
  owner_ = owner;
  bool disabledOwner = false;
  if (owner) {
    ::SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    disabledOwner = ::IsWindowEnabled(owner) && !::EnableWindow(owner, FALSE);
  }
  ::SetForegroundWindow(Handle());
  RunModalLoop([this] { return !form_.Loaded(); });
  if (disabledOwner && ::IsWindow(owner)) {
    ::EnableWindow(owner, TRUE);
    ::SetActiveWindow(owner);
  }
}

void FormWindow::TimerChanged(Timer& timer) { ApplyTimer(timer); }

namespace {
// The FormWindows made by ShowEveryForm, each owned until its form goes.
std::map<const Form*, std::unique_ptr<FormWindow>>& MadeWindows() {
  static std::map<const Form*, std::unique_ptr<FormWindow>> windows;
  return windows;
}
}  // namespace

void FormWindow::FormDestroyed(Form& form) {
  DestroyNow();
  form_.AttachView(nullptr);
  for (Timer* timer : form_.Timers())
    if (timer->View() == this) timer->AttachView(nullptr);
  formGone_ = true;
  auto made = MadeWindows().find(&form);
  if (made != MadeWindows().end()) {
    std::unique_ptr<FormWindow> self = std::move(made->second);
    MadeWindows().erase(made);
  }  // `this` is gone when it was one of ours
}

void ShowEveryForm() {
  Form::SetViewMaker([](Form& form) { MadeWindows()[&form] = std::make_unique<FormWindow>(form); });
}

// --- keyboard and messages ---

bool FormWindow::PreTranslate(MSG& msg) {
  if (!Handle()) return false;
  if (msg.message == WM_KEYDOWN && form_.OnKeyDown) {
    bool handled = false;
    form_.RaiseKeyDown(static_cast<int>(msg.wParam), handled);
    if (handled || !Handle()) return true;
  }
  return ::IsDialogMessageA(Handle(), &msg) != FALSE;
}

void FormWindow::PressButtonWithRole(bool cancel) {
  for (auto& part : std::vector<std::shared_ptr<ControlPart>>(parts_)) {
    if (!(cancel ? part->IsCancelButton() : part->IsDefaultButton())) continue;
    // Side panels that share a place each have their own: the one that is shown answers.
    HWND hwnd = part->Handle();
    if (!hwnd || !::IsWindowVisible(hwnd)) continue;
    if (::IsWindowEnabled(hwnd)) part->Press();
    return;
  }
}

bool FormWindow::RouteChildMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND: {
      result = 0;
      auto from = reinterpret_cast<HWND>(lParam);
      ControlPart* part = PartOf(from);
      if (!part) {
        // Enter and Esc (IsDialogMessage), or the default button inside a frame.
        int id = LOWORD(wParam);
        if (id == IDOK || id == IDCANCEL) {
          PressButtonWithRole(id == IDCANCEL);
          return true;
        }
        for (auto& p : parts_)
          if (p->Id() == id && p->Model().GetKind() == Kind::Button) part = p.get();
        if (!part) return false;
      }
      std::shared_ptr<ControlPart> keep = part->shared_from_this();
      part->OnCommand(HIWORD(wParam));
      return true;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      ControlPart* part = header ? PartOf(header->hwndFrom) : nullptr;
      if (!part) return false;
      std::shared_ptr<ControlPart> keep = part->shared_from_this();
      return part->OnNotify(*header, result);
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: {
      auto from = reinterpret_cast<HWND>(lParam);
      ControlPart* part = PartOf(from);
      if (!part) return false;
      HBRUSH brush = part->OnCtlColor(reinterpret_cast<HDC>(wParam), from);
      if (!brush) return false;
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      ControlPart* part = item ? PartOf(item->hwndItem) : nullptr;
      if (!part) return false;
      result = TRUE;
      return part->OnDrawItem(*item);
    }
    case WM_VSCROLL:
    case WM_HSCROLL: {
      ControlPart* part = lParam ? PartOf(reinterpret_cast<HWND>(lParam)) : nullptr;
      if (!part) return false;
      std::shared_ptr<ControlPart> keep = part->shared_from_this();
      part->OnScroll(LOWORD(wParam));
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

LRESULT FormWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (RouteChildMessage(msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT: {
      RECT client;
      ::GetClientRect(Handle(), &client);
      ::FillRect(reinterpret_cast<HDC>(wParam), &client, Brush(form_.BackColor()));
      return 1;
    }
    case WM_TIMER: {
      if (wParam == kWaitingPartsTimer) {
        CreateWaitingParts();
        return 0;
      }
      for (Timer* timer : form_.Timers()) {
        if (reinterpret_cast<UINT_PTR>(timer) == wParam) {
          timer->RaiseTick();
          break;
        }
      }
      return 0;
    }
    case WM_CLOSE:
      form_.Unload(UnloadMode::ControlMenu);
      return 0;
    case WM_ENDSESSION:
      if (wParam) form_.Unload(UnloadMode::WindowsSession);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      form_.RaiseMouseDown(msg == WM_LBUTTONDOWN ? 1 : 2);
      return 0;
    case WM_SETFOCUS: {
      // Back to the control that had the focus, or the first one Tab reaches.
      Control* focused = form_.Focused();
      ControlPart* focusedPart = focused ? PartOf(*focused) : nullptr;
      HWND target = focusedPart ? focusedPart->Handle() : nullptr;
      if (!target || !::IsWindowVisible(target) || !::IsWindowEnabled(target))
        target = ::GetNextDlgTabItem(Handle(), nullptr, FALSE);
      if (target && target != Handle()) ::SetFocus(target);
      return 0;
    }
    case WM_SIZE: {
      if (wParam == SIZE_MINIMIZED) {
        form_.RaiseStateChanged(WindowState::Minimized);
      } else if (::IsWindowVisible(Handle()) && !applyingGeometry_) {
        form_.RaiseStateChanged(wParam == SIZE_MAXIMIZED ? WindowState::Maximized : WindowState::Normal);
      }
      [[fallthrough]];
    }
    case WM_MOVE: {
      if (applyingGeometry_ || ::IsIconic(Handle()) || ::IsZoomed(Handle())) break;
      RECT r;
      ::GetWindowRect(Handle(), &r);
      form_.RaiseMoved(PixelsToTwips(r.left, dpi_), PixelsToTwips(r.top, dpi_),
                       PixelsToTwips(r.right - r.left, dpi_), PixelsToTwips(r.bottom - r.top, dpi_));
      break;
    }
    case WM_DPICHANGED: {
      const int monitorDpi = HIWORD(wParam);
      dpi_ = LayoutDpi(monitorDpi);
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      int width = suggested->right - suggested->left, height = suggested->bottom - suggested->top;
      if (dpi_ != monitorDpi) {
        width = TwipsToPixels(form_.Width(), dpi_);
        height = TwipsToPixels(form_.Height(), dpi_);
      }
      applyingGeometry_ = true;
      ::SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
      applyingGeometry_ = false;
      Relayout();
      form_.RaiseDpiChanged(dpi_);
      return 0;
    }
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETNONCLIENTMETRICS) Relayout();
      break;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
      ::RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
      break;
    case WM_NEXTDLGCTL: {
      // What a dialog's own procedure does: IsDialogMessage sends it for the Alt key of a label
      // (focus to the label, then on to the field after it) and expects the window to move the
      // focus. An edit reached so gets its text selected, as in a dialog.
      HWND target = lParam ? reinterpret_cast<HWND>(wParam) : ::GetNextDlgTabItem(Handle(), ::GetFocus(), wParam != 0);
      if (!target) return 0;
      ::SetFocus(target);
      if (::SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) ::SendMessageA(target, EM_SETSEL, 0, -1);
      return 0;
    }
    case DM_GETDEFID:
      for (auto& part : parts_)
        if (part->IsDefaultButton() && part->Handle() && ::IsWindowVisible(part->Handle()))
          return MAKELRESULT(part->Id(), DC_HASDEFID);
      return 0;
    case kCreatePendingParts:
      CreatePendingParts();
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(msg, wParam, lParam);
}

}  // namespace sequora::ui::win32
