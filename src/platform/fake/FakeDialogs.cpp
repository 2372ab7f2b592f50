#include "platform/fake/FakeDialogs.h"

namespace sequora::platform {

int FakeDialogs::MsgBox(const std::string& text, const std::string& title, int style) {
  shown.push_back({text, title, style, false});
  if (whileShown) whileShown(shown.back());
  if (!answers.empty()) {
    int a = answers.front();
    answers.pop_front();
    return a;
  }
  return (style & 0xF) == msgbox::kYesNo ? msgbox::kAnswerYes : msgbox::kAnswerOk;
}

std::string FakeDialogs::InputBox(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText) {
  shown.push_back({prompt, title, 0, true});
  if (!inputs.empty()) {
    std::string a = inputs.front();
    inputs.pop_front();
    return a;
  }
  return defaultText;
}

}  // namespace sequora::platform
