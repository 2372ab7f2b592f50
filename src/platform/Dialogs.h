#pragma once
// Message box and input box. Styles and answers are the standard Windows values:
// 16 critical, 32 question, 48 exclamation, 64 information, plus 1 OK/Cancel, 4 Yes/No;
// answers 1 OK, 2 Cancel, 6 Yes, 7 No.
#include <string>

namespace sequora::platform {

namespace msgbox {
inline constexpr int kOk = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kYesNo = 4;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;

inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
}  // namespace msgbox

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Modal message box over the active window; returns the answer.
  virtual int MsgBox(const std::string& text, const std::string& title, int style) = 0;
  // Modal input box; returns the typed text, "" when cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) = 0;
};

}  // namespace sequora::platform
