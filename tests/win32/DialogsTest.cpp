// Message box and input box under Wine: a timer plays the user.
#include <windows.h>

#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/win32/Win32Dialogs.h"

using sequora::ui::win32::Win32Dialogs;

namespace {

// The user, acting from a thread timer once the dialog titled `title` is there.
struct User {
  static inline const char* title = nullptr;
  static inline std::string typed;
  static inline bool pressOk = true;
  static inline bool answerNo = false;

  static void CALLBACK Act(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = ::FindWindowA(nullptr, title);
    if (!dialog) return;
    ::KillTimer(nullptr, timer);
    if (answerNo) {  // the message box's "No" button
      ::PostMessageA(dialog, WM_COMMAND, IDNO, 0);
      return;
    }
    HWND edit = ::FindWindowExA(dialog, nullptr, "Edit", nullptr);
    if (edit) {
      ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
      // Enter presses OK (the default button), Esc presses Cancel.
      ::PostMessageA(edit, WM_KEYDOWN, pressOk ? VK_RETURN : VK_ESCAPE, 1);
    }
  }
  static void Start(const char* t) {
    title = t;
    ::SetTimer(nullptr, 0, 50, &User::Act);
  }
};

}  // namespace

TEST(Win32Dialogs, InputBoxReturnsTheTypedTextOnOkAndNothingOnCancel) {
  sequora::test::StartUi();
  Win32Dialogs dialogs;
  User::typed = "Office tools";
  User::pressOk = true;
  User::Start("Group name");
  EXPECT_EQ(dialogs.InputBox("Name of group 3:", "Group name", "Group 3"), "Office tools");

  User::pressOk = false;
  User::Start("Group name");
  EXPECT_EQ(dialogs.InputBox("Name of group 3:", "Group name", "Group 3"), "");
  EXPECT_FALSE(::FindWindowA(nullptr, "Group name"));
}

TEST(Win32Dialogs, MsgBoxReturnsTheAnswer) {
  sequora::test::StartUi();
  Win32Dialogs dialogs;
  User::answerNo = true;
  User::Start("Save Changes?");
  EXPECT_EQ(dialogs.MsgBox("Save changes in Nr.4?", "Save Changes?", 4 + 32), 7);
  User::answerNo = false;
}
