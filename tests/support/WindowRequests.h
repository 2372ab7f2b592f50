#pragma once
// A form view that records what a form asked of its window (activation, a drag with the mouse),
// for tests that run without the renderer.
#include <string>
#include <vector>

#include "ui/Form.h"

namespace sequora::test {

class WindowRequests : public ui::FormView {
 public:
  std::vector<std::string> activated;  // form names, in order
  std::vector<std::string> drags;

  void FormChanged(ui::Form&, ui::FormProperty) override {}
  void FocusRequested(ui::Control&) override {}
  void ActivateRequested(ui::Form& form) override { activated.push_back(form.Name()); }
  void DragRequested(ui::Form& form) override { drags.push_back(form.Name()); }
};

}  // namespace sequora::test
