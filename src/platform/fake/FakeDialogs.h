#pragma once
// Dialogs for the tests: records every box shown and answers from a queue (OK / Yes by default,
// the default text for input boxes).
#include <deque>
#include <functional>
#include <vector>

#include "platform/Dialogs.h"

namespace sequora::platform {

class FakeDialogs : public Dialogs {
 public:
  struct Shown {
    std::string text;
    std::string title;
    int style = 0;
    bool isInputBox = false;
  };
  std::vector<Shown> shown;
  std::deque<int> answers;             // next message-box answers
  std::deque<std::string> inputs;      // next input-box answers
  // Runs while a message box is open (what the program looks like meanwhile).
  std::function<void(const Shown&)> whileShown;

  int MsgBox(const std::string& text, const std::string& title, int style) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
};

}  // namespace sequora::platform
