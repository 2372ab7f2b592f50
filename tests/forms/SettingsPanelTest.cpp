// The settings panel Frame1 in the main window, on the fake machine: what it shows, what a save
// writes, and Sequora's own shortcut in the Startup folder.
#include <gtest/gtest.h>

#include "Form1Fixture.h"
#include "autostart/Shortcuts.h"

using namespace sequora;
using platform::FakeFileSystem;

namespace {

constexpr char kStartup[] = "C:\\Users\\Ann\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";
constexpr char kOwnShortcut[] =
    "C:\\Users\\Ann\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup\\Sequora.lnk";

class SettingsPanelTest : public test::Form1Test {
 protected:
  SettingsPanelTest() {
    fakes.shellFolders.startup = kStartup;
    fakes.fileSystem.MakeDirs(kStartup);
  }
  forms::Frame1& Panel() { return form->settingsPanel; }
  // The user types into a field and leaves it.
  void Type(ui::TextBox& field, const std::string& text) {
    field.RaiseTextChanged(text);
    if (field.LostFocus) field.LostFocus();
  }
  void Save() { Panel().Command5.RaiseClick(); }
  bool FileHas(const std::string& line) { return FileText(test::kIni).find(line + "\r\n") != std::string::npos; }
  std::vector<std::string> Warnings() {
    std::vector<std::string> texts;
    for (const auto& box : fakes.dialogs.shown)
      if (box.title == "Warning!" && box.style == platform::msgbox::kInformation) texts.push_back(box.text);
    return texts;
  }
};

}  // namespace

TEST_F(SettingsPanelTest, TheLoadFillsThePanelAndEveryChangeShowsTheSaveButton) {
  PutSettings({"InitialStartupTime=45", "ProgramDelayDefault=7", "SystemTray=1", "SkipWindowsAutoRunPrograms=1",
               "AutoRemoveDoublesFromWindowsAutostart=1", "CheckRunningProgramTasks=1"});
  forms::Form1& f = Load();
  forms::Frame1& p = Panel();
  EXPECT_EQ(p.Text2.Text(), "45");
  EXPECT_EQ(p.Text3.Text(), "7");
  EXPECT_EQ(p.SystemTrayCheck.Value(), 1);
  EXPECT_FALSE(p.Check1.Visible());  // "Start minimized" means nothing with the icon
  EXPECT_TRUE(p.Command13.Enabled());
  EXPECT_TRUE(p.AutoRemoveCheck.Visible());
  EXPECT_EQ(p.AutoRemoveCheck.Value(), 1);
  EXPECT_EQ(p.AutoStartMeChk.Value(), 0);
  EXPECT_FALSE(p.Changed());
  EXPECT_TRUE(Warnings().empty());  // filling the boxes warns about nothing
  EXPECT_TRUE(f.Command11.Visible());

  using Change = std::function<void(forms::Frame1&)>;
  const Change changes[] = {
      [](forms::Frame1& q) { q.Text2.RaiseTextChanged("44"); },
      [](forms::Frame1& q) { q.Text3.RaiseTextChanged("8"); },
      [](forms::Frame1& q) { q.Check1.RaiseClick(); },
      [](forms::Frame1& q) { q.SystemTrayCheck.RaiseClick(); },
      [](forms::Frame1& q) { q.RunningPrgr.RaiseClick(); },
      [](forms::Frame1& q) { q.SkipRegistry.RaiseClick(); },
      [](forms::Frame1& q) { q.AutoRemoveCheck.RaiseClick(); },
      [](forms::Frame1& q) { q.AutoStartMeChk.RaiseClick(); }};
  for (const Change& change : changes) {
    Load();
    ASSERT_FALSE(Panel().Changed());
    change(Panel());
    EXPECT_TRUE(Panel().Changed());
  }
}

TEST_F(SettingsPanelTest, NumberFieldsTakeNumbersAndFallBackTo20And5) {
  PutSettings({});
  Load();
  forms::Frame1& p = Panel();
  const std::pair<const char*, const char*> countdown[] = {
      {"45", "45"}, {" 12 ", "12"}, {"2.5", "2"}, {"&H10", "16"}, {"abc", "20"}, {"", "20"}, {"40000", "20"}};
  for (const auto& [typed, shown] : countdown) {
    Type(p.Text2, typed);
    EXPECT_EQ(p.Text2.Text(), shown) << typed;
  }
  Type(p.Text3, "later");
  EXPECT_EQ(p.Text3.Text(), "5");
  Type(p.Text3, "-3");
  EXPECT_EQ(p.Text3.Text(), "-3");
}

TEST_F(SettingsPanelTest, Typing45AndSavingWritesItAndTheNextStartCountsFrom45) {
  PutSettings({"InitialStartupTime=20"}, {"Program1=a.exe", "Program1Dir=C:\\A\\"});
  Load();
  forms::Frame1& p = Panel();
  p.Text2.RaiseTextChanged("45");  // saved straight away, the focus still in the field
  p.Text3.RaiseTextChanged("x");
  Save();
  EXPECT_TRUE(FileHas("InitialStartupTime=45"));
  EXPECT_TRUE(FileHas("ProgramDelayDefault=5"));
  EXPECT_EQ(form->Label1.Caption(), "Saved");
  EXPECT_FALSE(Panel().Changed());
  EXPECT_TRUE(Panel().Command5.Enabled());
  EXPECT_EQ(form->MainSettings().ProgramDelayDefault, 5);  // new entries take it at once

  forms::Form1& next = Load();
  EXPECT_EQ(next.sequencer.Countdown(), 45);
  Advance(1000);
  EXPECT_EQ(next.Label1.Caption(), "44");
}

TEST_F(SettingsPanelTest, AutoRemoveWarnsEachTimeItGoesOnUnsavedAndUntickingSmartAutorunDetectClearsIt) {
  PutSettings({"SkipWindowsAutoRunPrograms=1", "AutoRemoveDoublesFromWindowsAutostart=0"});
  Load();
  forms::Frame1& p = Panel();
  for (int i = 0; i < 3; ++i) p.AutoRemoveCheck.RaiseClick();  // on, off, on
  ASSERT_EQ(Warnings().size(), 2u);
  EXPECT_EQ(Warnings()[0],
            "This option will remove the Programs from the Registry (Run) and the Autostart directory, if they are in "
            "the Program list");
  Save();
  EXPECT_TRUE(FileHas("AutoRemoveDoublesFromWindowsAutostart=1"));
  p.AutoRemoveCheck.RaiseClick();
  p.AutoRemoveCheck.RaiseClick();
  EXPECT_EQ(Warnings().size(), 2u);  // the file holds it on now

  p.SkipRegistry.RaiseClick();
  EXPECT_EQ(Warnings().back(), "Warning: Programs may start twice when you disable this option");
  EXPECT_EQ(Warnings().size(), 3u);
  EXPECT_FALSE(p.AutoRemoveCheck.Visible());
  Save();
  EXPECT_TRUE(FileHas("SkipWindowsAutoRunPrograms=0"));
  EXPECT_TRUE(FileHas("AutoRemoveDoublesFromWindowsAutostart=0"));
  p.SkipRegistry.RaiseClick();  // ticked again: Auto-Remove is offered again, unticked
  EXPECT_TRUE(p.AutoRemoveCheck.Visible());
  EXPECT_EQ(p.AutoRemoveCheck.Value(), 0);
}

TEST_F(SettingsPanelTest, ASaveReplacesTheFileOnceAndAFailedOneIsReportedWithNothingLost) {
  PutSettings({"InitialStartupTime=20", "GenerateLogFile=1"}, {"Program1=a.exe"});
  Load();
  forms::Frame1& p = Panel();
  p.Check1.RaiseClick();
  Type(p.Text2, "33");
  p.RunningPrgr.RaiseClick();

  const std::string before = FileText(test::kIni);
  fakes.fileSystem.FailNext(FakeFileSystem::Op::RenameOver);
  Save();
  EXPECT_EQ(FileText(test::kIni), before);
  ASSERT_FALSE(fakes.dialogs.shown.empty());
  EXPECT_NE(fakes.dialogs.shown.back().text.find("could not be saved"), std::string::npos);
  EXPECT_NE(form->Label1.Caption(), "Saved");
  EXPECT_TRUE(p.Changed());
  EXPECT_TRUE(p.Command5.Enabled());
  EXPECT_FALSE(form->MainSettings().StartMinimized);

  fakes.fileSystem.ResetCalls();
  Save();
  EXPECT_EQ(fakes.fileSystem.Calls(FakeFileSystem::Op::RenameOver), 1);
  for (const char* line : {"StartMinimized=1", "InitialStartupTime=33", "ProgramDelayDefault=2", "SystemTray=0",
                           "SkipWindowsAutoRunPrograms=1", "AutoRemoveDoublesFromWindowsAutostart=0",
                           "CheckRunningProgramTasks=1", "GenerateLogFile=1", "Program1=a.exe"})
    EXPECT_TRUE(FileHas(line)) << line;
  EXPECT_EQ(FileText(test::kIni).find("UpdateUrl"), std::string::npos);
  EXPECT_TRUE(form->MainSettings().StartMinimized);
}

TEST_F(SettingsPanelTest, SystemTrayBoxTheTrayButtonAndASaveWithTheIcon) {
  PutSettings({"SystemTray=0"});
  forms::Form1& f = Load();
  forms::Frame1& p = Panel();
  EXPECT_FALSE(p.Command13.Enabled());
  p.SystemTrayCheck.RaiseClick();
  EXPECT_FALSE(p.Check1.Visible());
  ASSERT_TRUE(p.Command13.Enabled());

  p.Command13.RaiseClick();  // before saving: the window goes behind an icon all the same
  EXPECT_FALSE(f.Visible());
  EXPECT_NE(fakes.tray.Shown(), nullptr);
  fakes.tray.SendMouseMessage(514);
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(fakes.tray.Shown(), nullptr);

  Save();  // saved on: the icon comes, the window stays
  EXPECT_TRUE(FileHas("SystemTray=1"));
  EXPECT_NE(fakes.tray.Shown(), nullptr);
  EXPECT_TRUE(f.Visible());
  p.SystemTrayCheck.RaiseClick();
  EXPECT_TRUE(p.Check1.Visible());
  EXPECT_FALSE(p.Command13.Enabled());

  p.Command3.RaiseClick();
  EXPECT_EQ(fakes.launcher.notepadFiles, std::vector<std::string>{test::kIni});
}

TEST_F(SettingsPanelTest, Command11OpensThePanelInTheEditorsPlaceAndCloseFrameBtnClosesIt) {
  PutSettings({});
  forms::Form1& f = Load();
  const int wide = f.ListFrame.Width();
  f.Command11.RaiseClick();
  forms::Frame1& p = Panel();
  EXPECT_TRUE(p.Visible());
  EXPECT_FALSE(f.editor.Visible());
  EXPECT_EQ(std::vector<int>({p.Left(), p.Top(), p.Width(), p.Height()}),
            std::vector<int>({f.editor.Left(), f.editor.Top(), f.editor.Width(), f.editor.Height()}));
  EXPECT_LT(f.ListFrame.Left() + f.ListFrame.Width(), p.Left());
  EXPECT_FALSE(f.Command11.Enabled());
  EXPECT_TRUE(f.CloseFrameBtn.Visible());
  EXPECT_EQ(f.Focused(), &p.Text2);

  f.CloseFrameBtn.RaiseClick();
  EXPECT_FALSE(p.Visible());
  EXPECT_TRUE(f.Command11.Enabled());
  EXPECT_EQ(f.ListFrame.Width(), wide);
}

// ---- Sequora's own shortcut -------------------------------------------------------------------

TEST_F(SettingsPanelTest, AutorunOnStartupPutsTheShortcutIntoTheShellsStartupFolderAndTakesItOut) {
  PutSettings({});
  fakes.environment.arguments = "/tray now";
  Load();
  Panel().AutoStartMeChk.RaiseClick();
  Save();
  ASSERT_TRUE(fakes.fileSystem.FileExists(kOwnShortcut));
  const autostart::ShortcutInfo link = autostart::ReadShortcut(fakes.shellLinks, kOwnShortcut);
  EXPECT_EQ(link.TargetPath, "C:\\Sequora\\Sequora.exe");
  EXPECT_EQ(link.Arguments, "/tray now");
  EXPECT_EQ(link.WorkingDirectory, "C:\\Sequora");

  EXPECT_EQ(Load().settingsPanel.AutoStartMeChk.Value(), 1);
  Panel().AutoStartMeChk.RaiseClick();
  Save();
  EXPECT_FALSE(fakes.fileSystem.FileExists(kOwnShortcut));
  EXPECT_EQ(Load().settingsPanel.AutoStartMeChk.Value(), 0);
  Save();  // nothing there to remove: no message
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

// The default profile's template names a folder that is not the user's (redirected folders,
// roaming profiles): a shortcut there does not start Sequora and must not tick the box.
TEST_F(SettingsPanelTest, TheShortcutIsLookedForWhereTheShellSaysAndInTheTemplateOnlyWhenTheShellFails) {
  PutSettings({});
  fakes.registry.PutString("HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                           "Startup", "%USERPROFILE%\\Start Menu\\Programs\\StartUp", platform::reg::kTypeExpandString);
  fakes.environment.variables["UserProfile"] = "C:\\Users\\Default";
  fakes.fileSystem.PutFile("C:\\Users\\Default\\Start Menu\\Programs\\StartUp\\Sequora.lnk", "");
  EXPECT_EQ(Load().settingsPanel.AutoStartMeChk.Value(), 0);

  fakes.shellFolders.startup.reset();
  EXPECT_EQ(Load().settingsPanel.AutoStartMeChk.Value(), 1);
}

TEST_F(SettingsPanelTest, AShortcutThatCannotBeMadeIsReportedAndTheOtherSettingsAreSaved) {
  PutSettings({"InitialStartupTime=20"});
  Load();
  fakes.fileSystem.SetReadOnly(kStartup, true);
  forms::Frame1& p = Panel();
  p.AutoStartMeChk.RaiseClick();
  Type(p.Text2, "25");
  Save();
  EXPECT_TRUE(FileHas("InitialStartupTime=25"));
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_NE(fakes.dialogs.shown[0].text.find("could not be added to the Windows autostart"), std::string::npos);
  EXPECT_EQ(p.AutoStartMeChk.Value(), 0);  // what Windows will do at the next logon
  EXPECT_FALSE(p.Changed());

  fakes.shellFolders.startup.reset();  // and no template either: no folder at all
  p.AutoStartMeChk.RaiseClick();
  Save();
  ASSERT_EQ(fakes.dialogs.shown.size(), 2u);
  EXPECT_NE(fakes.dialogs.shown[1].text.find("Startup folder"), std::string::npos);
}
