// The settings panel's handlers: change tracking, the number fields, the two warnings, the
// notification-area button, "Show Ini" and the save.
#include "forms/settings/Frame1.h"

#include <string>

#include "autostart/OwnAutostart.h"
#include "base/StringOps.h"
#include "storage/Ini.h"
#include "storage/SettingsFile.h"

namespace sequora::forms {

Frame1::Frame1(ui::Form& form, SettingsHost& host, platform::Platform platform, const storage::AppPaths& paths,
               storage::MainSettings& settings)
    : ui::Frame(form, "Frame1"), host_(host), platform_(platform), paths_(paths), settings_(settings) {
  Layout();
  Text2.Change = [this] { MarkChanged(); };
  Text3.Change = [this] { MarkChanged(); };
  Text2.LostFocus = [this] { Text2_LostFocus(); };
  Text3.LostFocus = [this] { Text3_LostFocus(); };
  Check1.Click = [this] { MarkChanged(); };
  RunningPrgr.Click = [this] { MarkChanged(); };
  AutoStartMeChk.Click = [this] { MarkChanged(); };
  SystemTrayCheck.Click = [this] { SystemTrayCheck_Click(); };
  SkipRegistry.Click = [this] { SkipRegistry_Click(); };
  AutoRemoveCheck.Click = [this] { AutoRemoveCheck_Click(); };
  Command13.Click = [this] { Command13_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command5.Click = [this] { SaveMainSettings(); };
}

void Frame1::ShowSettings(const storage::MainSettings& settings, int countdown, int defaultDelay) {
  if (settings.CheckRunningProgramTasks) RunningPrgr.SetValue(1);
  SystemTrayCheck.SetValue(settings.SystemTray ? 1 : 0);
  if (settings.SkipWindowsAutoRunPrograms) {
    SkipRegistry.SetValue(1);
    if (settings.AutoRemoveDoubles) AutoRemoveCheck.SetValue(1);
  }
  Text2.SetText(std::to_string(countdown));
  Text3.SetText(std::to_string(defaultDelay));
}

bool Frame1::OwnAutostartExists() const { return autostart::OwnShortcutExists(platform_); }

void Frame1::NormalizeNumber(ui::TextBox& field, int fallback) {
  field.SetText(std::to_string(ToInt16(field.Text()).value_or(static_cast<std::int16_t>(fallback))));
}

void Frame1::Text2_LostFocus() { NormalizeNumber(Text2, kCountdownFallback); }
void Frame1::Text3_LostFocus() { NormalizeNumber(Text3, kDelayFallback); }

void Frame1::Warn(const std::string& text) { platform_.dialogs.MsgBox(text, "Warning!", platform::msgbox::kInformation); }

void Frame1::SkipRegistry_Click() {
  MarkChanged();
  if (SkipRegistry.Value() == 0) {
    Warn("Warning: Programs may start twice when you disable this option");
    AutoRemoveCheck.SetVisible(false);
    AutoRemoveCheck.SetValue(0);
  } else {
    AutoRemoveCheck.SetVisible(true);
  }
}

// Warns each time the option goes on while the file does not hold it on yet.
void Frame1::AutoRemoveCheck_Click() {
  MarkChanged();
  if (AutoRemoveCheck.Value() != 1) return;
  const std::string stored = storage::Ini(platform_.fileSystem)
                                 .ReadIni(storage::section::kMainSettings,
                                          storage::key::kAutoRemoveDoublesFromWindowsAutostart, paths_.IniPath, "0",
                                          false);
  if (stored == "0")
    Warn("This option will remove the Programs from the Registry (Run) and the Autostart directory, if they are in "
         "the Program list");
}

void Frame1::SystemTrayCheck_Click() {
  MarkChanged();
  const bool tray = SystemTrayCheck.Value() == 1;
  Check1.SetVisible(!tray);
  Command13.SetEnabled(tray);
}

void Frame1::Command13_Click() {
  Command13.SetEnabled(false);
  host_.GoToTray();
  Command13.SetEnabled(true);
}

void Frame1::Command3_Click() {
  Command3.SetEnabled(false);
  platform_.launcher.StartNotepad(paths_.IniPath);
  Command3.SetEnabled(true);
}

void Frame1::SaveMainSettings() {
  Command5.SetEnabled(false);
  // A number typed and saved without leaving its field still follows the field's rule.
  NormalizeNumber(Text2, kCountdownFallback);
  NormalizeNumber(Text3, kDelayFallback);

  storage::MainSettings saved = settings_;
  saved.StartMinimized = Check1.Value() == 1;
  saved.InitialStartupTime = ToInt16(Text2.Text()).value_or(kCountdownFallback);
  saved.ProgramDelayDefault = ToInt16(Text3.Text()).value_or(kDelayFallback);
  saved.SystemTray = SystemTrayCheck.Value() == 1;
  saved.SkipWindowsAutoRunPrograms = SkipRegistry.Value() == 1;
  saved.AutoRemoveDoubles = saved.SkipWindowsAutoRunPrograms && AutoRemoveCheck.Value() == 1;
  saved.CheckRunningProgramTasks = RunningPrgr.Value() == 1;
  if (!storage::WriteMainSettings(platform_.fileSystem, paths_.IniPath, saved)) {
    // Nothing was written: the changes stay in the panel, and the save button with them.
    platform_.dialogs.MsgBox("The settings could not be saved in " + paths_.IniPath +
                                 ".\r\rThe file may be read-only or in use; your changes are still in the panel.",
                             "Sequora", platform::msgbox::kExclamation);
    Command5.SetEnabled(true);
    return;
  }
  settings_ = saved;
  if (saved.SystemTray) host_.SetTrayMode(false);

  const bool autorun = AutoStartMeChk.Value() == 1;
  const autostart::OwnAutostartResult own = autostart::SetOwnAutostart(platform_, autorun);
  if (!own.ok) {
    platform_.dialogs.MsgBox(std::string(autorun ? "Sequora could not be added to the Windows autostart."
                                                 : "Sequora could not be removed from the Windows autostart.") +
                                 "\r\r" + own.error + "\r\rThe other settings were saved.",
                             "Sequora", platform::msgbox::kExclamation);
    AutoStartMeChk.SetValue(OwnAutostartExists() ? 1 : 0);  // what Windows will really do
  }

  host_.SettingsSaved();
  Command5.SetVisible(false);
  Command5.SetEnabled(true);
}

}  // namespace sequora::forms
