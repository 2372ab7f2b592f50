// The renderer against Wine's real windows: a demo form shown under Xvfb.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "UiTestSupport.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/UserControls.h"

using namespace sequora::ui;
using sequora::Picture;
using namespace sequora::ui::win32;
using sequora::test::ClassOf;
using sequora::test::Pump;
using sequora::test::PumpUntil;
using sequora::test::RectInParent;
using sequora::test::TextOf;

namespace {

struct DemoForm : Form {
  DemoForm() : Form("DemoForm") {
    SetCaption("Demo");
    Move(-1, -1, 9000, 6000);
    Label1.SetCaption("Countdown");
    Label1.Move(120, 120, 2400, 300);
    Text1.Move(120, 480, 3000, 315);
    Check1.SetCaption("&Minimized");
    Check1.Move(120, 900, 2400, 300);
    Command1.SetCaption("E&xit");
    Command1.Move(120, 1320, 1200, 375);
    Command2.SetPicture(Picture::Named("pause"));
    Command2.SetToolTipText("Pause");
    Command2.Move(1440, 1320, 495, 495);
    List1.Move(120, 1920, 3000, 1500);
    Combo1.Move(120, 3600, 3000, 315);
    Picture1.SetPicture(Picture::Named("play"));
    Picture1.Move(3300, 1320, 480, 480);
    Frame1.SetCaption("Options");
    Frame1.Move(4200, 120, 4200, 2400);
    Check2.SetContainer(&Frame1);
    Check2.SetCaption("Detect running Instance");
    Check2.Move(240, 360, 3600, 300);
    Label2.SetVisible(false);
    Label2.Move(120, 4200, 1200, 300);
    VScroll1.Move(8400, 2700, 255, 2400);
    VScroll1.SetRange(0, 10);
  }
  Label Label1{*this, "Label1"};
  TextBox Text1{*this, "Text1"};
  CheckBox Check1{*this, "Check1"};
  Button Command1{*this, "Command1"};
  Button Command2{*this, "Command2"};
  ListBox List1{*this, "List1"};
  ComboBox Combo1{*this, "Combo1"};
  PictureBox Picture1{*this, "Picture1"};
  Frame Frame1{*this, "Frame1"};
  CheckBox Check2{*this, "Check2"};
  Label Label2{*this, "Label2"};
  ScrollBar VScroll1{*this, "VScroll1"};
  Timer Timer1{*this, "Timer1", 50, false};
};

class Renderer : public ::testing::Test {
 protected:
  void SetUp() override {
    sequora::test::StartUi();
    window = std::make_unique<FormWindow>(form);
    form.Show();
    Pump();
  }
  void TearDown() override {
    window.reset();
    Pump();
  }
  HWND H(const Control& c) const { return window->HandleOf(c); }
  // Pixels at 96 DPI: 15 twips each.
  static RECT Px(int left, int top, int width, int height) {
    return RECT{left / 15, top / 15, (left + width) / 15, (top + height) / 15};
  }

  DemoForm form;
  std::unique_ptr<FormWindow> window;
};

void ExpectRect(HWND hwnd, RECT expected) {
  RECT r = RectInParent(hwnd);
  EXPECT_EQ(r.left, expected.left);
  EXPECT_EQ(r.top, expected.top);
  EXPECT_EQ(r.right, expected.right);
  EXPECT_EQ(r.bottom, expected.bottom);
}

int CountChildren(HWND parent) {
  int count = 0;
  ::EnumChildWindows(parent, [](HWND, LPARAM p) { ++*reinterpret_cast<int*>(p); return TRUE; },
                     reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace

TEST(Dpi, ControlsThatTouchInTwipsTouchInPixels) {
  // Edges are converted, so controls that touch in twips touch in pixels at any DPI.
  for (int dpi : {96, 120, 144, 192}) {
    RECT a = TwipsRectToPixels(100, 0, 1105, 10, dpi), b = TwipsRectToPixels(1205, 0, 500, 10, dpi);
    EXPECT_EQ(a.right, b.left) << dpi;
  }
}

TEST_F(Renderer, CreatesOneWindowPerControlWithClassTextAndPixelGeometry) {
  HWND top = window->Handle();
  ASSERT_TRUE(top);
  EXPECT_TRUE(::IsWindowVisible(top));
  EXPECT_EQ(TextOf(top), "Demo");
  EXPECT_EQ(TextOf(H(form.Command1)), "E&xit");
  // A frame's children live in the frame's window, placed relative to it.
  EXPECT_EQ(::GetParent(H(form.Check2)), H(form.Frame1));
  ExpectRect(H(form.Check2), Px(240, 360, 3600, 300));

  EXPECT_FALSE(::IsWindowVisible(H(form.Label2)));
}

TEST_F(Renderer, ADpiChangeLaysEverythingOutAgain) {
  HWND top = window->Handle();
  RECT suggested;
  ::GetWindowRect(top, &suggested);
  suggested.right = suggested.left + TwipsToPixels(form.Width(), 144);
  suggested.bottom = suggested.top + TwipsToPixels(form.Height(), 144);
  LOGFONTA before{};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(H(form.Label1), WM_GETFONT, 0, 0)), sizeof(before), &before);
  int told = 0;
  form.OnDpiChanged = [&] { ++told; };
  ::SendMessageA(top, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(window->Dpi(), 144);
  EXPECT_EQ(form.Dpi(), 144);  // the form draws its bitmaps at this size
  EXPECT_EQ(told, 1);
  ExpectRect(H(form.Command1), TwipsRectToPixels(120, 1320, 1200, 375, 144));
  ExpectRect(H(form.Check2), TwipsRectToPixels(240, 360, 3600, 300, 144));  // inside the frame
  LOGFONTA after{};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(H(form.Label1), WM_GETFONT, 0, 0)), sizeof(after), &after);
  EXPECT_EQ(after.lfHeight, ::MulDiv(before.lfHeight, 144, 96));
  EXPECT_LE(window->GdiObjectCount(), 4u);  // the 96 DPI fonts are gone
}

TEST_F(Renderer, ModelChangesReachTheWindows) {
  form.Label1.SetCaption("12");
  EXPECT_EQ(TextOf(H(form.Label1)), "12");
  form.Label1.Move(300, 300, 1500, 450);
  form.Label1.SetVisible(false);
  EXPECT_FALSE(::IsWindowVisible(H(form.Label1)));
  form.Command1.SetEnabled(false);
  EXPECT_FALSE(::IsWindowEnabled(H(form.Command1)));
  form.Text1.SetText("C:\\Tools");
  EXPECT_EQ(TextOf(H(form.Text1)), "C:\\Tools");
  for (int i = 1; i <= 99; ++i) form.Combo1.AddItem(std::to_string(i));
  form.Combo1.SetListIndex(4);
  EXPECT_EQ(::SendMessageA(H(form.Combo1), CB_GETCURSEL, 0, 0), 4);
  // A text box style fixed at creation makes a new window with the same text.
  form.Text1.SetMultiLine(true);
  EXPECT_TRUE(::GetWindowLongA(H(form.Text1), GWL_STYLE) & ES_MULTILINE);
  EXPECT_EQ(TextOf(H(form.Text1)), "C:\\Tools");
  // Moving a control into a frame moves its window there.
  form.Label1.SetVisible(true);
  form.Label1.SetContainer(&form.Frame1);
  EXPECT_EQ(::GetParent(H(form.Label1)), H(form.Frame1));
  ExpectRect(H(form.Label1), Px(300, 300, 1500, 450));  // placed in the frame as the model says
}

TEST_F(Renderer, UserActionsRaiseTheModelsEvents) {
  int clicks = 0, checkClicks = 0, changes = 0, listClicks = 0, scrolls = 0, labelClicks = 0, mouseDowns = 0;
  std::vector<int> keys;
  form.Command1.Click = [&] { ++clicks; };
  form.Check1.Click = [&] { ++checkClicks; };
  form.Text1.Change = [&] { ++changes; };
  form.Text1.KeyDown = [&](int key) { keys.push_back(key); };
  form.List1.Click = [&] { ++listClicks; };
  form.VScroll1.Change = [&] { ++scrolls; };
  form.Label1.Click = [&] { ++labelClicks; };
  form.Label1.MouseDown = [&](int button) { mouseDowns += button; };

  ::SendMessageA(H(form.Command1), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);

  ::SendMessageA(H(form.Check1), BM_CLICK, 0, 0);
  EXPECT_EQ(form.Check1.Value(), 1);
  EXPECT_EQ(checkClicks, 1);

  HWND edit = H(form.Text1);
  for (char c : std::string("abc")) ::SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
  EXPECT_EQ(form.Text1.Text(), "abc");
  EXPECT_EQ(changes, 3);
  ::SendMessageA(edit, WM_KEYDOWN, VK_DOWN, 0);
  ::SendMessageA(edit, WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(keys, (std::vector<int>{VK_DOWN, VK_UP}));

  form.List1.AddItem("one");
  form.List1.AddItem("two");
  ::SendMessageA(H(form.List1), LB_SETCURSEL, 1, 0);
  ::SendMessageA(window->Handle(), WM_COMMAND, MAKEWPARAM(window->PartOf(form.List1) ? 0 : 0, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(H(form.List1)));
  EXPECT_EQ(form.List1.ListIndex(), 1);
  EXPECT_EQ(listClicks, 1);

  ::SendMessageA(window->Handle(), WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(H(form.VScroll1)));
  ::SendMessageA(window->Handle(), WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(H(form.VScroll1)));
  EXPECT_EQ(form.VScroll1.Value(), 2);
  EXPECT_EQ(scrolls, 2);

  ::SendMessageA(H(form.Label1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  ::SendMessageA(H(form.Label1), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(mouseDowns, 1);
  EXPECT_EQ(labelClicks, 1);
}

TEST_F(Renderer, FocusMovesRaiseGotAndLostFocus) {
  std::string events;
  ::SetFocus(H(form.Command1));
  form.Text1.GotFocus = [&] { events += "+Text1 "; };
  form.Text1.LostFocus = [&] { events += "-Text1 "; };
  form.Check1.GotFocus = [&] { events += "+Check1 "; };
  ::SetFocus(H(form.Text1));
  ::SetFocus(H(form.Check1));
  EXPECT_EQ(events, "+Text1 -Text1 +Check1 ");
  form.Text1.SetFocus();
  EXPECT_EQ(::GetFocus(), H(form.Text1));
}

TEST_F(Renderer, KeysGoToTheFormFirstThenToDialogNavigation) {
  int cancels = 0, exits = 0;
  std::vector<int> formKeys;
  form.Command2.SetCancel(true);
  form.Command2.Click = [&] { ++cancels; };
  form.Command1.Click = [&] { ++exits; };
  form.Text1.SetFocus();
  auto send = [&](UINT message, WPARAM key) {
    MSG msg{H(form.Text1), message, key, 1, 0, {0, 0}};
    DispatchUiMessage(msg);
  };
  send(WM_KEYDOWN, VK_ESCAPE);  // no form handler: Esc presses the cancel button
  EXPECT_EQ(cancels, 1);
  form.OnKeyDown = [&](int key, bool& handled) {
    formKeys.push_back(key);
    handled = key == VK_ESCAPE;
  };
  send(WM_KEYDOWN, VK_ESCAPE);  // the form took it
  EXPECT_EQ(cancels, 1);
  EXPECT_EQ(formKeys, std::vector<int>{VK_ESCAPE});
  send(WM_SYSCHAR, 'x');  // Alt+X: the "E&xit" mnemonic
  EXPECT_EQ(exits, 1);
  form.Text1.SetFocus();
  send(WM_KEYDOWN, VK_TAB);  // Tab moves on from the text box
  EXPECT_EQ(::GetFocus(), H(form.Check1));

  // The Alt key of a label that names a field puts the focus into that field.
  form.Label1.SetCaption("&Countdown");
  form.Label1.SetUseMnemonic(true);
  send(WM_SYSCHAR, 'c');
  EXPECT_EQ(::GetFocus(), H(form.Text1));

  // Of two default buttons (panels sharing a place) the one shown takes Enter.
  int hiddenDefault = 0;
  form.Command1.SetDefault(true);
  form.Command1.SetVisible(false);
  form.Command2.SetDefault(true);
  form.Command1.Click = [&] { ++hiddenDefault; };
  form.Text1.SetFocus();
  send(WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(hiddenDefault, 0);
  EXPECT_EQ(cancels, 2);  // Command2's click
}

TEST_F(Renderer, TimersTickThroughSetTimer) {
  int ticks = 0;
  form.Timer1.Tick = [&] {
    if (++ticks == 3) form.Timer1.SetEnabled(false);
  };
  form.Timer1.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  EXPECT_FALSE(form.Timer1.Enabled());
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(ticks, 3);  // a disabled timer is killed
}

TEST_F(Renderer, UnloadDestroysEverythingAndLoadingAgainMakesTheSameWindows) {
  HWND top = window->Handle();
  const int children = CountChildren(top);
  EXPECT_EQ(children, static_cast<int>(form.Controls().size()));  // one window per control
  const DWORD userBefore = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
  const DWORD gdiBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  for (int round = 0; round < 3; ++round) {
    form.Command1.SetToolTipText("Exit " + std::to_string(round));
    ASSERT_TRUE(form.Unload());
    EXPECT_FALSE(::IsWindow(top));
    EXPECT_EQ(window->Handle(), nullptr);
    form.Show();
    Pump();
    top = window->Handle();
    ASSERT_TRUE(top);
    EXPECT_EQ(CountChildren(top), children);
  }
  EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS), userBefore);
  EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore + 4);
  // Brushes and fonts are shared: one font and a few colours for the whole window.
  EXPECT_LE(window->GdiObjectCount(), 4u);

  bool cancel = true;
  form.OnQueryUnload = [&](bool& c, UnloadMode mode) {
    c = cancel;
    EXPECT_EQ(mode, UnloadMode::ControlMenu);
  };
  ::SendMessageA(top, WM_CLOSE, 0, 0);  // the close box, refused
  EXPECT_TRUE(::IsWindow(top));
  cancel = false;
  ::SendMessageA(top, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(top));
  EXPECT_FALSE(form.Loaded());
}

TEST_F(Renderer, ControlsMadeAtRunTimeGetWindowsAndLoseThemWhenDestroyed) {
  auto row = std::make_unique<Label>(form, "Row1");
  row->SetCaption("row one");
  row->SetContainer(&form.Frame1);
  row->Move(240, 900, 1500, 300);
  EXPECT_EQ(H(*row), nullptr);  // made when the message loop runs next
  Pump();
  HWND hwnd = H(*row);
  ASSERT_TRUE(hwnd);
  EXPECT_EQ(TextOf(hwnd), "row one");
  EXPECT_EQ(::GetParent(hwnd), H(form.Frame1));
  row.reset();
  EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(Renderer, AModalFormDisablesItsOwnerUntilItIsUnloaded) {
  struct Dialog : Form {
    Dialog() : Form("Dialog") { Move(-1, -1, 3000, 2000); }
    Timer Timer1{*this, "Timer1", 30, true};
  } dialog;
  FormWindow dialogWindow(dialog);
  dialogWindow.SetOwner(window->Handle());
  bool ownerEnabledMeanwhile = true;
  dialog.Timer1.Tick = [&] {
    ownerEnabledMeanwhile = ::IsWindowEnabled(window->Handle()) != FALSE;
    dialog.Unload();
  };
  dialog.ShowModal();  // returns once the timer has unloaded it
  EXPECT_FALSE(dialog.Loaded());
  EXPECT_FALSE(ownerEnabledMeanwhile);
  EXPECT_TRUE(::IsWindowEnabled(window->Handle()));
}

namespace {
struct ProbePart : UserControlPart {
  explicit ProbePart(int& updates) : updates(updates) {}
  HWND Create(HWND parent, const RECT& r, int id) override {
    return ::CreateWindowExA(0, "STATIC", "probe", WS_CHILD, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  void Update(Property what) override {
    if (what == Property::Items) ++updates;
  }
  int& updates;
};
}  // namespace

TEST_F(Renderer, UserControlsShowThePartRegisteredForTheirType) {
  int updates = 0;
  RegisterUserControl("ProbeControl", [&](UserControl&, FormWindow&) { return std::make_unique<ProbePart>(updates); });
  UserControl probe(form, "ListBoxExtended1", "ProbeControl");
  UserControl unknown(form, "Other1", "NobodyRegisteredThis");
  probe.Move(600, 4500, 3000, 900);
  Pump();
  ASSERT_TRUE(H(probe));
  EXPECT_EQ(TextOf(H(probe)), "probe");
  probe.Invalidate();
  EXPECT_EQ(updates, 1);
  EXPECT_EQ(ClassOf(H(unknown)), "SequoraPanel");
}

TEST(FormWindows, FormsLoadedWithoutAWindowGetOneThatGoesWithTheForm) {
  sequora::test::StartUi();
  ShowEveryForm();
  HWND hwnd = nullptr;
  {
    Form confirm("MsgBoxForm");
    confirm.SetCaption("Confirm Startup");
    Label label(confirm, "Label1");
    label.SetCaption("Office");
    confirm.Show();
    hwnd = WindowHandleOf(confirm);
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(TextOf(hwnd), "Confirm Startup");
    EXPECT_TRUE(::IsWindowVisible(hwnd));
  }
  EXPECT_FALSE(::IsWindow(hwnd));
  Form::SetViewMaker(nullptr);

  // A window made by the application may outlive its form.
  auto form = std::make_unique<Form>("ImportForm");
  FormWindow window(*form);
  form->Show();
  hwnd = window.Handle();
  form.reset();
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(window.Handle(), nullptr);
}

// Controls hidden when the window is made (a side panel and its fields) get their windows only when
// needed, so a start does not wait for them; made later, they take their declared place.
TEST(WaitingParts, HiddenControlsAreMadeWhenShownAndKeepTheirPlaceInTheTabOrder) {
  sequora::test::StartUi();
  struct PanelForm : Form {
    PanelForm() : Form("PanelForm") {
      Move(-1, -1, 6000, 4500);
      First.SetCaption("&First");
      First.Move(120, 120, 1200, 375);
      Panel.SetVisible(false);
      Panel.Move(120, 600, 3000, 1500);
      Inner.SetContainer(&Panel);
      Inner.SetCaption("&Inner");
      Inner.Move(120, 360, 1200, 375);
      Last.SetCaption("&Last");
      Last.Move(120, 2400, 1200, 375);
      Cover.SetVisible(false);  // declared last, over Last: it must lie above it once made
      Cover.SetCaption("&Cover");
      Cover.Move(120, 2400, 2400, 375);
      Never.SetVisible(false);
      Never.Move(3300, 120, 1200, 300);
    }
    Button First{*this, "First"};
    Frame Panel{*this, "Panel"};
    Button Inner{*this, "Inner"};
    Button Last{*this, "Last"};
    Button Cover{*this, "Cover"};
    Label Never{*this, "Never"};
  };

  PanelForm form;
  {
    FormWindow window(form);
    form.Show();
    ASSERT_NE(window.PartOf(form.First), nullptr);
    EXPECT_EQ(window.PartOf(form.Panel), nullptr);
    EXPECT_EQ(window.PartOf(form.Inner), nullptr);

    form.Panel.SetVisible(true);  // opening the panel makes what waited
    ASSERT_NE(window.PartOf(form.Inner), nullptr);
    ASSERT_NE(window.PartOf(form.Cover), nullptr);
    HWND top = window.Handle();
    auto h = [&](const Control& c) { return window.HandleOf(c); };
    EXPECT_EQ(::GetParent(h(form.Inner)), h(form.Panel));
    EXPECT_EQ(::GetNextDlgTabItem(top, h(form.First), FALSE), h(form.Inner));
    EXPECT_EQ(::GetNextDlgTabItem(top, h(form.Inner), FALSE), h(form.Last));
    form.Cover.SetVisible(true);
    POINT inBoth{TwipsToPixels(600, window.Dpi()), TwipsToPixels(2500, window.Dpi())};
    EXPECT_EQ(::ChildWindowFromPointEx(top, inBoth, CWP_SKIPINVISIBLE), h(form.Cover));
    form.Unload();
  }

  // Nothing shown or asked for: the rest is made once the window has been painted.
  FormWindow window(form);
  form.Show();
  EXPECT_EQ(window.PartOf(form.Never), nullptr);
  EXPECT_TRUE(PumpUntil([&] { return window.PartOf(form.Never) != nullptr; }));
  EXPECT_FALSE(::IsWindowVisible(window.HandleOf(form.Never)));
  form.Unload();
}
