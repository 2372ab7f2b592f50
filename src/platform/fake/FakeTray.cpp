#include "platform/fake/FakeTray.h"

namespace sequora::platform {

bool FakeTray::NotifyIcon(TrayMessage message, const TrayIconData& data) {
  bool result = false;
  if (shellRunning) {
    auto found = icons.find(data.id);
    switch (message) {
      case TrayMessage::Add:
        result = found == icons.end();
        if (result) icons[data.id] = data;
        if (result && !(data.flags & TrayIconData::kInfoValid)) icons[data.id].info.clear();
        break;
      case TrayMessage::Modify:
        result = found != icons.end();
        if (result) {
          if (data.flags & TrayIconData::kIconValid) found->second.icon = data.icon;
          if (data.flags & TrayIconData::kTipValid) found->second.tip = data.tip;
          if (data.flags & TrayIconData::kMessageValid) found->second.callbackMessage = data.callbackMessage;
          if (data.flags & TrayIconData::kInfoValid) {
            found->second.info = data.info;
            found->second.infoTitle = data.infoTitle;
            found->second.infoFlags = data.infoFlags;
          }
        }
        break;
      case TrayMessage::Delete:
        result = found != icons.end();
        if (result) icons.erase(found);
        break;
    }
  }
  calls.push_back({message, data, result});
  return result;
}

int FakeTray::Count(TrayMessage message) const {
  int n = 0;
  for (const Call& call : calls) n += call.message == message ? 1 : 0;
  return n;
}

void FakeTray::SendMouseMessage(int mouseMessage) {
  if (listener_ && !icons.empty()) listener_->TrayMouseMessage(icons.begin()->first, mouseMessage);
}

void FakeTray::RestartShell() {
  icons.clear();
  shellRunning = true;
  if (listener_) listener_->TaskbarCreated();
}

void FakeTray::CloseBalloon(bool clicked) {
  for (auto& [id, icon] : icons) {
    if (icon.info.empty()) continue;
    icon.info.clear();
    if (listener_) listener_->TrayBalloonClosed(id, clicked);
    return;
  }
}

std::string FakeTray::Balloon() const {
  for (const auto& [id, icon] : icons)
    if (!icon.info.empty()) return icon.info;
  return {};
}

}  // namespace sequora::platform
