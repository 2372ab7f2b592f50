#include "forms/tray/SystemTray.h"

#include "base/StringOps.h"

namespace sequora::forms {

namespace {
// One icon per program: the record keeps this id through every change of the icon.
constexpr std::uint32_t kIconId = 1;
constexpr std::uint32_t kAllFields = platform::TrayIconData::kMessageValid |
                                     platform::TrayIconData::kIconValid | platform::TrayIconData::kTipValid;
}  // namespace

SystemTray::SystemTray(platform::Tray& tray, platform::PopupMenus& menus)
    : ui::Form("SystemTray"), DynamicPopupMenu1(menus), tray_(tray) {
  SetBorder(ui::BorderStyle::None);
  OnQueryUnload = [this](bool& cancel, ui::UnloadMode mode) { Form_QueryUnload(cancel, mode); };
  tray_.SetListener(this);
}

SystemTray::~SystemTray() {
  RemoveTrayIcon();
  tray_.RemoveListener(this);
}

std::string SystemTray::TipField(const std::string& text) {
  return text.size() > platform::TrayIconData::kTipChars ? text.substr(0, platform::TrayIconData::kTipChars) : text;
}

void SystemTray::AddTrayIcon(const ui::Form& RefIcon_Form, const std::string& c_ToolTipText,
                             bool c_OpenMenueOnRightClick, ui::Form* c_ShowFormOnClick,
                             const std::string& M_PopupMenuString) {
  Load();
  if (!M_PopupMenuString.empty()) MenuString = M_PopupMenuString;
  MenuOnRightClick = c_OpenMenueOnRightClick;
  TargetForm = c_ShowFormOnClick;
  TipText = c_ToolTipText;
  SetIcon(RefIcon_Form.Icon());

  IconData.id = kIconId;
  IconData.flags = kAllFields;
  IconData.callbackMessage = traymouse::kMove;
  IconData.icon = Icon();
  IconData.tip = TipField(TipText);
  tray_.NotifyIcon(platform::TrayMessage::Add, IconData);
  iconShown_ = true;  // also when the shell is not up yet: it is added when the shell starts
}

void SystemTray::ChangeToolTipText(const std::string& c_ToolTipText) {
  IconData.tip = TipField(TrimLeft(c_ToolTipText));
  if (iconShown_) tray_.NotifyIcon(platform::TrayMessage::Modify, IconData);
}

void SystemTray::ChangeIcon(const ui::Form& RefIcon_Form) { ChangeIcon_Picture(RefIcon_Form.Icon()); }

void SystemTray::ChangeIcon_Picture(const Picture& RefIcon) {
  SetIcon(RefIcon);
  IconData.icon = RefIcon;
  if (iconShown_) tray_.NotifyIcon(platform::TrayMessage::Modify, IconData);
}

void SystemTray::RemoveTrayIcon() {
  if (!iconShown_) return;
  iconShown_ = false;
  tray_.NotifyIcon(platform::TrayMessage::Delete, IconData);
}

bool SystemTray::ShowBalloon(const std::string& title, const std::string& text) {
  if (!iconShown_) return false;
  platform::TrayIconData balloon = IconData;
  balloon.flags = platform::TrayIconData::kInfoValid;
  balloon.infoTitle = title.substr(0, platform::TrayIconData::kInfoTitleChars);
  balloon.info = text.substr(0, platform::TrayIconData::kInfoChars);
  balloon.infoFlags = platform::TrayIconData::kInfoIcon;
  return tray_.NotifyIcon(platform::TrayMessage::Modify, balloon);
}

void SystemTray::Form_QueryUnload(bool& /*cancel*/, ui::UnloadMode /*mode*/) { RemoveTrayIcon(); }

void SystemTray::Form_MouseMove(int mouseMessage) {
  // Menus open when the right button comes up again (517), as context menus do.
  const bool rightUp = mouseMessage == traymouse::kRightUp;
  const bool leftUp = mouseMessage == traymouse::kLeftUp;
  const bool doubleClick =
      mouseMessage == traymouse::kLeftDoubleClick || mouseMessage == traymouse::kKeySelect;

  if (rightUp || (MenuOnRightClick && leftUp)) OpenMenu();
  if ((leftUp && !MenuOnRightClick) || doubleClick) RestoreTarget();
}

// An empty menu string shows no menu.
void SystemTray::OpenMenu() {
  if (MenuOpening) MenuOpening();
  const std::string caption = DynamicPopupMenu1.Popup(MenuString);
  if (!caption.empty() && OnTrayMenu) OnTrayMenu(caption);
}

void SystemTray::RestoreTarget() {
  if (TargetForm) {
    ui::Form& target = *TargetForm;
    target.Show();
    target.SetState(ui::WindowState::Normal);
    target.Activate();
  }
  Unload();  // removes the icon
}

void SystemTray::TrayMouseMessage(std::uint32_t id, int mouseMessage) {
  if (id == IconData.id && iconShown_) Form_MouseMove(mouseMessage);
}

void SystemTray::TrayBalloonClosed(std::uint32_t id, bool clicked) {
  if (id == IconData.id && iconShown_ && OnBalloonClosed) OnBalloonClosed(clicked);
}

void SystemTray::TaskbarCreated() {
  if (iconShown_) tray_.NotifyIcon(platform::TrayMessage::Add, IconData);
}

}  // namespace sequora::forms
