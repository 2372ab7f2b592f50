// UserControl: hosts the Win32 part registered for the control's TypeName (UserControls.h), or an
// empty panel when none is registered.
#include <map>

#include "ui/win32/FormWindow.h"
#include "ui/win32/Parts.h"
#include "ui/win32/SurfaceWindow.h"
#include "ui/win32/UserControls.h"

namespace sequora::ui::win32 {

namespace {

std::map<std::string, UserControlFactory>& Registry() {
  static std::map<std::string, UserControlFactory> registry;
  return registry;
}

class UserControlHostPart : public ControlPart {
 public:
  UserControlHostPart(FormWindow& form, UserControl& control) : ControlPart(form, control), control_(control) {}
  ~UserControlHostPart() override {
    Destroy();  // the window goes before the part that owns it
  }
  void DpiChanged() override {
    if (part_) part_->DpiChanged(Dpi());
    ControlPart::DpiChanged();
  }

 protected:
  HWND CreateWindowIn(HWND parent, const RECT& rect, int id) override {
    part_.reset();
    panel_.reset();
    if (const UserControlFactory* factory = FindUserControl(control_.TypeName())) {
      part_ = (*factory)(control_, Form());
      if (part_) {
        if (HWND hwnd = part_->Create(parent, rect, id)) return hwnd;
        part_.reset();
      }
    }
    panel_ = std::make_unique<SurfaceWindow>(Form(), [this](HDC dc, const RECT& client) {
      ::FillRect(dc, &client, Form().Brush(control_.BackColor()));
    });
    return panel_->Create("SequoraPanel", parent, rect, id, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
  }
  void Update(Property what) override {
    if (part_) {
      part_->Update(what);
    } else {
      ::InvalidateRect(Handle(), nullptr, TRUE);
    }
  }

 private:
  UserControl& control_;
  std::unique_ptr<UserControlPart> part_;
  std::unique_ptr<SurfaceWindow> panel_;
};

}  // namespace

void RegisterUserControl(const std::string& typeName, UserControlFactory factory) {
  Registry()[typeName] = std::move(factory);
}

const UserControlFactory* FindUserControl(const std::string& typeName) {
  auto found = Registry().find(typeName);
  return found == Registry().end() ? nullptr : &found->second;
}

std::shared_ptr<ControlPart> MakeUserControlPart(FormWindow& form, UserControl& control) {
  return std::make_shared<UserControlHostPart>(form, control);
}

}  // namespace sequora::ui::win32
