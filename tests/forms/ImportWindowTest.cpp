// The import window in the main window on the fake machine: what it lists, importing into the
// program list and out of Windows, restoring, and the run's own check on the Windows autostart.
#include <gtest/gtest.h>

#include "Form1Fixture.h"
#include "autostart/Shortcuts.h"

using namespace sequora;

namespace {

const std::string kRun = "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kStartup =
    "C:\\Users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup\\";

class ImportWindow : public test::Form1Test {
 protected:
  ImportWindow() {
    fakes.fileSystem.MakeDirs(kStartup);
    fakes.environment.variables = {{"UserProfile", "C:\\Users\\user"}, {"SystemRoot", "C:\\Windows"}};
    for (const char* program : {"C:\\Tools\\tool.exe", "C:\\Tools\\chat.exe", "C:\\Tools\\sync.exe"})
      fakes.fileSystem.PutFile(program, "MZ");
  }

  forms::ImportForm& Open(forms::Form1& f) {
    f.Command14.RaiseClick();
    return f.importForm;
  }
  void Shortcut(const std::string& name, const std::string& target, const std::string& args = "") {
    ASSERT_TRUE(autostart::CreateShortcut(fakes.shellLinks, target, kStartup + name, args, "", "", "", 0));
  }
  // Windows' own startup switch for an item: an odd first byte is "off".
  void SwitchedOff(const std::string& subKey, const std::string& name) {
    fakes.registry.PutValue(
        "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\" +
            subKey,
        name, {platform::reg::kTypeBinary, {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}});
  }
  bool InRun(const std::string& name) const { return fakes.registry.GetValue(kRun, name).has_value(); }
  bool IniHas(const std::string& line) {
    return ("\r\n" + FileText(test::kIni) + "\r\n").find("\r\n" + line + "\r\n") != std::string::npos;
  }
  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (const auto& shown : fakes.dialogs.shown) titles.push_back(shown.title);
    return titles;
  }
};

}  // namespace

TEST_F(ImportWindow, ImportsARunValueAtItsPositionAndRestoresIt) {
  Settings({"InitialStartupTime=30"}, {Entry(1, "one.exe", 2)});
  fakes.registry.PutString(kRun, "Tool", "\"C:\\Tools\\tool.exe\" -q");
  forms::Form1& f = Load();
  forms::ImportForm& w = Open(f);
  EXPECT_TRUE(w.Visible());
  EXPECT_TRUE(w.List2.HasFocus());   // the keyboard starts in the list
  EXPECT_FALSE(f.Timer1.Enabled());  // the countdown waits
  EXPECT_EQ(w.List1.Items(), std::vector<std::string>{kRun + "\\Tool"});
  EXPECT_EQ(w.List2.Items(), std::vector<std::string>{"\"C:\\Tools\\tool.exe\" -q"});
  EXPECT_EQ(w.List3.Items(), std::vector<std::string>{"Nothing found!"});
  EXPECT_FALSE(w.List3.Enabled());
  EXPECT_FALSE(w.AddAutostartBtn.Enabled());
  EXPECT_FALSE(w.AddThisRegBtn.Enabled());

  // A row chosen in either list is chosen in both, and its command line shows below them.
  w.List1.RaiseSelect(0);
  EXPECT_EQ(w.List2.ListIndex(), 0);
  EXPECT_EQ(w.Label1.Caption(), "\"C:\\Tools\\tool.exe\" -q");
  ASSERT_TRUE(w.AddThisRegBtn.Enabled());
  w.StartPosReg.RaiseTextChanged("5");
  w.AddThisRegBtn.RaiseClick();

  EXPECT_TRUE(fakes.dialogs.shown.empty());
  EXPECT_TRUE(IniHas("Program5=tool.exe"));
  EXPECT_TRUE(IniHas("Program5Dir=C:\\Tools\\"));
  EXPECT_TRUE(IniHas("Program5Param=-q"));
  EXPECT_FALSE(InRun("Tool"));
  EXPECT_EQ(w.List1.Items(), std::vector<std::string>{"Nothing found!"});
  EXPECT_FALSE(w.AddBtn.Enabled());

  // Restore mode lists the record; restoring it puts the value back and the entry goes.
  w.RestoreBtn.RaiseClick();
  EXPECT_TRUE(w.RestoreMode());
  EXPECT_TRUE(w.RestoreUeberschrift.Visible());
  EXPECT_FALSE(w.AddThisRegBtn.Visible());
  EXPECT_EQ(w.List1.Items(), std::vector<std::string>{kRun + "\\Tool"});
  w.List2.RaiseSelect(0);
  w.RestoreThisRegBtn.RaiseClick();
  EXPECT_TRUE(InRun("Tool"));
  EXPECT_FALSE(IniHas("Program5=tool.exe"));
  EXPECT_EQ(w.List1.Items(), std::vector<std::string>{"Nothing found!"});
  EXPECT_TRUE(fakes.dialogs.shown.empty());

  w.CancelBtn.RaiseClick();
  EXPECT_FALSE(w.Loaded());
  EXPECT_TRUE(f.Timer1.Enabled());
}

TEST_F(ImportWindow, AddAllShortcutsAsksFirstAndKeepsWindowsSwitchedOffItemsOff) {
  PutSettings({});
  Shortcut("Chat.lnk", "C:\\Tools\\chat.exe", "/tray");
  Shortcut("Sync.lnk", "C:\\Tools\\sync.exe");
  SwitchedOff("StartupFolder", "Sync.lnk");
  forms::Form1& f = Load();
  forms::ImportForm& w = Open(f);
  EXPECT_EQ(w.List4.Items(), (std::vector<std::string>{"C:\\Tools\\chat.exe /tray",
                                                       "(disabled in Windows) C:\\Tools\\sync.exe"}));

  // Cancel changes nothing.
  fakes.dialogs.answers = {platform::msgbox::kAnswerCancel};
  w.AddAutostartBtn.RaiseClick();
  EXPECT_EQ(Titles(), std::vector<std::string>{"Import all AutoRun Shortcuts?"});
  EXPECT_TRUE(fakes.fileSystem.FileExists(kStartup + "Chat.lnk"));
  EXPECT_FALSE(IniHas("Program1=chat.exe"));

  fakes.dialogs.shown.clear();
  w.AddAutostartBtn.RaiseClick();
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Import all AutoRun Shortcuts?", "Succsessfully added"}));
  EXPECT_TRUE(IniHas("Program1=chat.exe"));
  EXPECT_TRUE(IniHas("Program1Param=/tray"));
  EXPECT_TRUE(IniHas("Program1Disabled=0"));
  EXPECT_TRUE(IniHas("Program2=sync.exe"));
  EXPECT_TRUE(IniHas("Program2Disabled=1"));  // off in Windows, off in the list
  EXPECT_FALSE(fakes.fileSystem.FileExists(kStartup + "Chat.lnk"));
  EXPECT_TRUE(fakes.fileSystem.FileExists("C:\\Sequora\\Backup\\Chat.lnk"));
  EXPECT_EQ(w.List3.Items(), std::vector<std::string>{"Nothing found!"});

  // Restore all: both shortcuts back where they were, both entries gone.
  w.RestoreBtn.RaiseClick();
  EXPECT_EQ(w.List4.Items(), (std::vector<std::string>{"Chat.lnk", "Sync.lnk"}));
  fakes.dialogs.shown.clear();
  w.AutoRunRestoreBtn.RaiseClick();
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Restore AutoStart Shortcuts?", "Finished!"}));
  EXPECT_TRUE(fakes.fileSystem.FileExists(kStartup + "Chat.lnk"));
  EXPECT_TRUE(fakes.fileSystem.FileExists(kStartup + "Sync.lnk"));
  EXPECT_FALSE(IniHas("Program1=chat.exe"));
  EXPECT_FALSE(IniHas("Program2=sync.exe"));
}

TEST_F(ImportWindow, ListsFollowTheUserWithoutTouchingWindows) {
  PutSettings({});
  fakes.registry.PutString(kRun, "Tool", "C:\\Tools\\tool.exe");
  fakes.registry.PutString(kRun, "Chat", "C:\\Tools\\chat.exe");
  fakes.registry.PutString("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Sync",
                           "C:\\Tools\\sync.exe");
  forms::Form1& f = Load();
  forms::ImportForm& w = Open(f);
  ASSERT_EQ(w.List1.ListCount(), 2);

  // The list the user is in is the wide one.
  w.List1.SetFocus();
  EXPECT_GT(w.List1.Width(), w.List2.Width());
  EXPECT_GT(w.List1.Left(), w.List2.Left() + w.List2.Width());
  w.List2.SetFocus();
  EXPECT_GT(w.List2.Width(), w.List1.Width());

  // A double click, or Delete, takes a row off the lists only; Reload brings it back.
  w.List2.RaiseSelect(0);
  w.List2.RaiseDblClick();
  EXPECT_EQ(w.List1.Items(), std::vector<std::string>{kRun + "\\Chat"});
  w.List1.SetFocus();
  w.List1.RaiseSelect(0);
  bool handled = false;
  w.RaiseKeyDown(46, handled);
  EXPECT_TRUE(handled);
  EXPECT_EQ(w.List1.Items(), std::vector<std::string>{"Nothing found!"});
  EXPECT_FALSE(w.AddBtn.Enabled());
  EXPECT_TRUE(InRun("Tool"));
  EXPECT_TRUE(InRun("Chat"));
  w.ReloadBtn.RaiseClick();
  EXPECT_EQ(w.List1.ListCount(), 2);

  // "All Users" warns, then lists the machine's values too; with neither box nothing is found.
  w.AllUsrCheck.RaiseClick();
  EXPECT_EQ(Titles(), std::vector<std::string>{"Warning!"});
  EXPECT_EQ(w.List1.ListCount(), 3);
  w.AllUsrCheck.RaiseClick();
  w.CurUserCheck.RaiseClick();
  EXPECT_EQ(w.List2.Items(), std::vector<std::string>{"Nothing found!"});
  EXPECT_FALSE(w.List2.Enabled());

  // Buttons without a choice say so.
  w.CurUserCheck.RaiseClick();
  w.AddSingleRegistryProgram(-1);
  EXPECT_EQ(fakes.dialogs.shown.back().text, "Nothing selected");

  // Opened again, the window starts over: import mode, "Current User" only.
  w.RestoreBtn.RaiseClick();
  w.CancelBtn.RaiseClick();
  Open(f);
  EXPECT_FALSE(w.RestoreMode());
  EXPECT_EQ(w.AllUsrCheck.Value(), 0);
  EXPECT_EQ(w.List1.ListCount(), 2);
}

TEST_F(ImportWindow, ChangesTypedInTheEditorAreOfferedBeforeTheWindowOpens) {
  Settings({}, {Entry(4, "four.exe", 3)});
  fakes.registry.PutString(kRun, "Tool", "C:\\Tools\\tool.exe");
  forms::Form1& f = Load();
  f.E_ListBox_Text1_GotFocus(3, "");
  f.editor.Text6.RaiseTextChanged("changed.exe");
  fakes.dialogs.answers = {platform::msgbox::kAnswerYes};
  forms::ImportForm& w = Open(f);
  EXPECT_EQ(Titles(), std::vector<std::string>{"Save Changes?"});
  EXPECT_TRUE(IniHas("Program4=changed.exe"));
  ASSERT_TRUE(w.Visible());
  w.List1.RaiseSelect(0);
  w.AddThisRegBtn.RaiseClick();
  EXPECT_EQ(Titles().size(), 1u);  // nothing more about the editor
  EXPECT_TRUE(IniHas("Program1=tool.exe"));
}

TEST_F(ImportWindow, WhatTheListDoesNotTakeStaysInWindows) {
  // Slots 1 to 100 taken: nothing more fits.
  std::string text = "[MainSettings]\r\n[ProgramList]\r\n";
  for (int n = 1; n <= 100; ++n)
    text += "Program" + std::to_string(n) + "=p" + std::to_string(n) + ".exe\r\n" + "Program" +
            std::to_string(n) + "Dir=C:\\P\\\r\n";
  PutIni(text);
  fakes.registry.PutString(kRun, "Tool", "C:\\Tools\\tool.exe");
  fakes.registry.PutString(kRun, "Chat", "C:\\Tools\\chat.exe");
  forms::Form1& f = Load();
  forms::ImportForm& w = Open(f);
  w.AddBtn.RaiseClick();
  EXPECT_TRUE(InRun("Tool"));
  EXPECT_TRUE(InRun("Chat"));
  ASSERT_EQ(Titles(), (std::vector<std::string>{"Import and remove from Registry?", "Not imported"}));
  const std::string& said = fakes.dialogs.shown[1].text;
  EXPECT_NE(said.find("full"), std::string::npos);
  EXPECT_NE(said.find("C:\\Tools\\tool.exe"), std::string::npos);
  EXPECT_NE(said.find("C:\\Tools\\chat.exe"), std::string::npos);
  EXPECT_EQ(w.List1.ListCount(), 2);  // still there to import later
}

TEST_F(ImportWindow, AProgramSwitchedOffInTheListOrSequoraItselfStaysInWindows) {
  Settings({}, {Entry(3, "tool.exe", 2, {"Disabled=1"})});
  fakes.fileSystem.PutFile("C:\\P\\tool.exe", "MZ");
  fakes.fileSystem.PutFile("C:\\Sequora\\Sequora.exe", "MZ");
  fakes.registry.PutString(kRun, "Tool", "C:\\P\\tool.exe");
  fakes.registry.PutString(kRun, "Sequora", "C:\\Sequora\\Sequora.exe");
  forms::Form1& f = Load();
  forms::ImportForm& w = Open(f);
  for (int row : {0, 0}) {
    w.List1.RaiseSelect(row);
    w.AddThisRegBtn.RaiseClick();
  }
  EXPECT_TRUE(InRun("Tool"));
  EXPECT_TRUE(InRun("Sequora"));
  ASSERT_EQ(Titles(), (std::vector<std::string>{"Not imported", "Not imported"}));
  EXPECT_NE(fakes.dialogs.shown[0].text.find("switched off"), std::string::npos);  // says why
  EXPECT_TRUE(IniHas("Program3Disabled=1"));
  EXPECT_FALSE(IniHas("Program1=Sequora.exe"));
}

TEST_F(ImportWindow, ARestoreWhoseBackupFileIsGoneSaysSoAndKeepsTheRecord) {
  PutIni("[MainSettings]\r\n[ProgramList]\r\n[Backup]\r\nAutoStart1BackupDir=" + kStartup +
         "Gone.lnk\r\nAutoStart1BackupFilename=Gone.lnk\r\n");
  forms::Form1& f = Load();
  forms::ImportForm& w = Open(f);
  w.RestoreBtn.RaiseClick();
  ASSERT_EQ(w.List3.ListCount(), 1);
  w.List3.RaiseSelect(0);
  w.RestoreThisAutostartBtn.RaiseClick();
  ASSERT_EQ(Titles(), std::vector<std::string>{"Error 13!"});
  EXPECT_NE(fakes.dialogs.shown[0].text.find("C:\\Sequora\\Backup\\Gone.lnk"), std::string::npos);
  EXPECT_EQ(w.List4.Items(), std::vector<std::string>{"Gone.lnk"});
  EXPECT_TRUE(IniHas("AutoStart1BackupFilename=Gone.lnk"));
}

TEST_F(ImportWindow, TheRunSkipsWhatWindowsStartsAndTakesItOutOnlyForAnEntryThatStartsIt) {
  Settings({"InitialStartupTime=1", "SkipWindowsAutoRunPrograms=1", "AutoRemoveDoublesFromWindowsAutostart=1",
            "CheckRunningProgramTasks=0"},
           {Entry(1, "tool.exe", 0), Entry(2, "chat.exe", 0, {"Disabled=1"}), Entry(3, "sync.exe", 0)});
  // Windows holds the first in another letter case, the second as it is listed.
  fakes.registry.PutString(kRun, "Tool", "\"C:\\p\\TOOL.EXE\" -q");
  fakes.registry.PutString(kRun, "Chat", "C:\\P\\chat.exe");
  forms::Form1& f = Load();
  Advance(1000);
  Advance(5000);

  EXPECT_FALSE(InRun("Tool"));  // taken out: the list starts it from now on
  EXPECT_TRUE(IniHas("Registry1Backup=" + kRun + "\\Tool"));
  EXPECT_TRUE(InRun("Chat"));  // the entry is off: Windows keeps starting it
  EXPECT_EQ(Started(), std::vector<std::string>{P("sync.exe")});
  EXPECT_NE(f.log.LogText().find("Program is now removed from the Registry / Autostart"), std::string::npos);
  EXPECT_EQ(f.autostartCheck.Scans(), 2);  // once, and again after the take-out
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}
