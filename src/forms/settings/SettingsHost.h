#pragma once
// What the settings panel Frame1 asks of the window that hosts it (the main window).
namespace sequora::forms {

class SettingsHost {
 public:
  virtual ~SettingsHost() = default;
  // The notification icon as the saved options want it (an icon when SystemTray is on; with
  // `hide` the window goes behind it).
  virtual void SetTrayMode(bool hide) = 0;
  // Puts the window behind a notification icon now, whatever the saved options say.
  virtual void GoToTray() = 0;
  // The options were written: say so where the seconds stand, and rebuild the status view.
  virtual void SettingsSaved() = 0;

 protected:
  SettingsHost() = default;
  SettingsHost(const SettingsHost&) = default;
  SettingsHost& operator=(const SettingsHost&) = default;
};

}  // namespace sequora::forms
