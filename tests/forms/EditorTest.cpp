// The entry editor in the main window, on the fake machine: showing, changing and saving an entry,
// leaving it with changes, the paste box, adding and removing programs, moves, groups and icons.
#include <gtest/gtest.h>

#include "Form1Fixture.h"
#include "base/BmpFile.h"
#include "platform/fake/FakeIcons.h"

using namespace sequora;

namespace {

constexpr int kYes = platform::msgbox::kAnswerYes;
constexpr int kNo = platform::msgbox::kAnswerNo;
constexpr int kCancel = platform::msgbox::kAnswerCancel;
constexpr char kIcons[] = "C:\\Sequora\\Icons\\";

class EditorTest : public test::Form1Test {
 protected:
  forms::Frame2& Ed() { return form->editor; }
  // A click on the texts of entry n's row, as the user selects an entry.
  void ClickRow(int n) { form->E_ListBox_Text1_GotFocus(n - 1, ""); }
  bool FileHas(const std::string& line) { return FileText(test::kIni).find(line + "\r\n") != std::string::npos; }
  static std::string IconFile(int n) { return std::string(kIcons) + "Icon" + std::to_string(n) + ".bmp"; }
  std::vector<std::string> Titles() {
    std::vector<std::string> titles;
    for (const auto& shown : fakes.dialogs.shown) titles.push_back(shown.title);
    return titles;
  }
  // Entries 1..3 in C:\P\ with delays 4, 5, 6; the default delay is 2.
  forms::Form1& LoadThree(std::initializer_list<std::string> main = {"ProgramDelayDefault=2"}) {
    Settings(main, {Entry(1, "one.exe", 4), Entry(2, "two.exe", 5), Entry(3, "three.exe", 6)});
    return Load();
  }
};

TEST_F(EditorTest, ARowClickShowsItsEntryAndASaveStoresEveryFieldTheRowAndTheTableFollow) {
  forms::Form1& f = LoadThree();
  ClickRow(2);
  ASSERT_TRUE(Ed().Visible());
  EXPECT_EQ(Ed().Text4.Text(), "2");
  EXPECT_EQ(Ed().Text6.Text(), "two.exe");
  EXPECT_EQ(Ed().WaitTimeTXT.Text(), "5");
  EXPECT_FALSE(Ed().Command9.Enabled());

  Ed().Text6.RaiseTextChanged("two b.exe");
  Ed().Text8.RaiseTextChanged("-x\r\n-y");  // a line break pasted into the field
  Ed().WaitTimeTXT.RaiseTextChanged("2");   // the default delay
  Ed().Check2.RaiseClick();
  Ed().ProgrEnabledCheck.RaiseClick();
  ASSERT_TRUE(Ed().Command9.Enabled());
  Ed().Command9.RaiseClick();

  EXPECT_TRUE(FileHas("Program2=two b.exe"));
  EXPECT_TRUE(FileHas("Program2Param=-x -y"));
  EXPECT_TRUE(FileHas("Program2StartupDelay="));  // the default is not stored: it follows the setting
  EXPECT_TRUE(FileHas("Program2Minimized=1"));
  EXPECT_TRUE(FileHas("Program2Disabled=1"));
  EXPECT_TRUE(FileHas("Program2ConfirmMessageBoxNr=-1"));
  EXPECT_EQ(Ed().Text8.Text(), "-x -y");  // the field shows what was stored
  EXPECT_EQ(f.ListBoxExtended1.GetText1(1), "C:\\P\\ two b.exe");
  EXPECT_EQ(f.ListBoxExtended1.GetIndex(), 1);  // its row stays selected
}

TEST_F(EditorTest, TheDelayFieldTakesNumbersOnlyAndAnEmptyOneMeansTheDefault) {
  LoadThree();
  ClickRow(1);
  forms::Frame2& ed = Ed();
  ed.WaitTimeTXT.RaiseTextChanged("abc");
  ed.WaitTimeTXT.LostFocus();
  EXPECT_EQ(ed.WaitTimeTXT.Text(), "2");
  ed.WaitTimeTXT.RaiseTextChanged(" 7 ");
  ed.WaitTimeTXT.LostFocus();
  EXPECT_EQ(ed.WaitTimeTXT.Text(), "7");
  // Enter saves while the field still has the focus: the rule applies all the same.
  ed.WaitTimeTXT.RaiseTextChanged("99999");
  ed.Command9.RaiseClick();
  EXPECT_TRUE(FileHas("Program1StartupDelay="));
  ed.WaitTimeTXT.RaiseTextChanged("");
  ed.WaitTimeTXT.LostFocus();
  EXPECT_EQ(ed.WaitTimeTXT.Text(), "");

  // A free slot shows no delay, and tabbing through its fields changes nothing.
  ClickRow(10);
  ed.WaitTimeTXT.GotFocus();
  ed.WaitTimeTXT.LostFocus();
  EXPECT_FALSE(ed.Command9.Enabled());
}

TEST_F(EditorTest, LeavingAChangedEntryAsksNoDiscardsYesSavesAndAFailedSaveKeepsTheEntry) {
  Settings({}, {Entry(4, "four.exe", 3), Entry(9, "nine.exe", 3)});
  forms::Form1& f = Load();
  const std::string before = FileText(test::kIni);
  ClickRow(4);
  Ed().Text6.RaiseTextChanged("changed.exe");
  fakes.dialogs.answers = {kNo};
  ClickRow(9);
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].title, "Save Changes?");
  EXPECT_EQ(fakes.dialogs.shown[0].text, "Save changes in Nr.4?\r\n\r\nC:\\P\\changed.exe");
  EXPECT_EQ(Ed().Text4.Text(), "9");
  EXPECT_EQ(FileText(test::kIni), before);

  Ed().Text6.RaiseTextChanged("nine b.exe");
  fakes.dialogs.answers = {kYes};
  ClickRow(4);
  EXPECT_TRUE(FileHas("Program9=nine b.exe"));

  // The save fails at each step of the file replacement in turn: one message, the typed text and
  // the entry stay, and the file is as it was.
  Ed().Text6.RaiseTextChanged("kept.exe");
  const std::string stored = FileText(test::kIni);
  int failures = 0;
  for (int step = 1; step < 20; ++step) {
    fakes.dialogs.shown.clear();
    fakes.dialogs.answers = {kYes};
    fakes.fileSystem.FailMutation(step);
    const int mutations = fakes.fileSystem.MutationCount();
    ClickRow(9);
    fakes.fileSystem.FailMutation(0);
    if (FileText(test::kIni) != stored) {
      EXPECT_LT(fakes.fileSystem.MutationCount() - mutations, step);  // no step was left to fail
      break;
    }
    ++failures;
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Save Changes?", "Sequora"})) << "step " << step;
    EXPECT_EQ(Ed().Text6.Text(), "kept.exe");
    EXPECT_EQ(f.ListBoxExtended1.GetIndex(), 3);
  }
  EXPECT_GE(failures, 1);
  EXPECT_TRUE(FileHas("Program4=kept.exe"));
}

TEST_F(EditorTest, ClosingThePanelOrTheProgramAsksAboutChangesButTheSameRowDoesNot) {
  forms::Form1& f = LoadThree();
  ClickRow(2);
  Ed().Text8.RaiseTextChanged("-new");
  ClickRow(2);  // the entry being edited, chosen again
  EXPECT_TRUE(fakes.dialogs.shown.empty());
  fakes.dialogs.answers = {kNo};
  f.CloseFrameBtn.RaiseClick();
  EXPECT_EQ(Ed().Text8.Text(), "");  // dropped, as answered
  EXPECT_EQ(Titles(), std::vector<std::string>{"Save Changes?"});

  ClickRow(2);
  Ed().Text8.RaiseTextChanged("-new");
  fakes.dialogs.answers = {kYes};
  f.CloseFrameBtn.RaiseClick();
  EXPECT_TRUE(FileHas("Program2Param=-new"));

  // "Exit" with changes: Yes and a save that fails keeps the program open with them; No ends it.
  ClickRow(3);
  Ed().Text8.RaiseTextChanged("-typed");
  fakes.dialogs.answers = {kYes};
  fakes.fileSystem.FailMutation(1, true);
  f.Command1.RaiseClick();
  fakes.fileSystem.FailMutation(0);
  EXPECT_FALSE(fakes.windows.exitCode.has_value());
  EXPECT_EQ(Ed().Text8.Text(), "-typed");
  fakes.dialogs.answers = {kNo};
  f.Command1.RaiseClick();
  EXPECT_TRUE(fakes.windows.exitCode.has_value());
  EXPECT_FALSE(FileHas("Program3Param=-typed"));
}

TEST_F(EditorTest, NextAndPreviousStopAtTheEndsOfTheList) {
  LoadThree();
  ClickRow(1);
  Ed().Command8.RaiseClick();
  EXPECT_FALSE(Ed().UpButton.Enabled());
  Ed().Text4.RaiseKeyDown(40);  // Down in the number field
  EXPECT_EQ(Ed().Text4.Text(), "2");
  form->SortierList.SetListIndex(100);
  EXPECT_EQ(Ed().Text4.Text(), "101");
  EXPECT_FALSE(Ed().DwnButton.Enabled());
  Ed().Command7.RaiseClick();
  Ed().DwnButton.RaiseClick();
  EXPECT_EQ(Ed().Text4.Text(), "101");
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(EditorTest, ThePasteBoxSplitsACommandLineAndEnterSavesIt) {
  fakes.fileSystem.PutFile("C:\\Program Files\\My App\\my app.exe", "MZ");
  LoadThree();
  ClickRow(3);
  forms::Frame2& ed = Ed();
  // Passing through the box without pasting leaves the fields as they are.
  ed.Text7.GotFocus();
  ed.Text7.LostFocus();
  EXPECT_EQ(ed.Text7.Text(), forms::kPastePrompt);

  ed.Text7.GotFocus();
  ed.Text7.RaiseTextChanged("C:\\Program Files\\My App\\my app.exe /min \"C:\\a b\\c.txt\"");
  ed.Command9.RaiseClick();  // Enter, with the focus still in the box
  EXPECT_TRUE(FileHas("Program3=my app.exe"));
  EXPECT_TRUE(FileHas("Program3Dir=C:\\Program Files\\My App\\"));
  EXPECT_TRUE(FileHas("Program3Param=/min \"C:\\a b\\c.txt\""));
  EXPECT_TRUE(FileHas("Program3StartupDelay=6"));  // the slot keeps its delay
  EXPECT_EQ(form->ListBoxExtended1.GetText1(2), "C:\\Program Files\\My App\\ my app.exe");

  // Clear and save: the entry is a free slot again and keeps no icon file.
  fakes.fileSystem.PutFile(IconFile(3), EncodeBmp(platform::FakeIcons::Image(0x123456, 32)));
  ed.Command6.RaiseClick();
  ed.Command9.RaiseClick();
  EXPECT_TRUE(FileHas("Program3=") && FileHas("Program3Dir=") && FileHas("Program3Param="));
  EXPECT_FALSE(fakes.fileSystem.FileExists(IconFile(3)));
  EXPECT_EQ(form->ListBoxExtended1.GetText1(2), "-Empty-");
}

TEST_F(EditorTest, AddingFindsAFreeSlotAsksAboutDuplicatesAndSaysWhenTheListIsFull) {
  Settings({}, {Entry(3, "app.exe", 2), Entry(11, "x.exe", 2)});
  fakes.fileSystem.PutFile("C:\\Q\\new.exe", "MZ");
  Load();
  const std::string before = FileText(test::kIni);

  // Already listed: No writes nothing, and the program counts as in the list.
  fakes.dialogs.answers = {kNo};
  storage::AddOutcome outcome = Ed().AddNewProgram("\"C:\\P\\app.exe\" -a", "Run value", 1);
  EXPECT_EQ(outcome.result, storage::AddResult::AlreadyListed);
  EXPECT_EQ(FileText(test::kIni), before);
  ASSERT_EQ(Titles(), std::vector<std::string>{"Program already in list!"});

  // Yes adds it a second time, from MinStartNr on; the editor shows the new entry.
  fakes.dialogs.answers = {kYes};
  outcome = Ed().AddNewAutostartProgram("C:\\P\\app.exe -a", "app.lnk", 10);
  EXPECT_EQ(outcome.result, storage::AddResult::Added);
  EXPECT_TRUE(FileHas("Program10=app.exe"));
  EXPECT_TRUE(FileHas("Program10Param=-a"));
  Advance(100);  // the rows follow when the window gets its turn
  EXPECT_EQ(form->ListBoxExtended1.GetText1(9), "C:\\P\\ app.exe");

  outcome = Ed().AddNewProgram("C:\\Q\\new.exe", "", 10);
  EXPECT_EQ(outcome.entry, 12);  // 11 is taken

  // Every slot up to 100 taken: the user is told, nothing is written.
  std::string full = "[ProgramList]\r\n";
  for (int n = 1; n <= 100; ++n) full += "Program" + std::to_string(n) + "=p" + std::to_string(n) + ".exe\r\n";
  PutIni(full);
  form->FillText1Text();
  fakes.dialogs.shown.clear();
  outcome = Ed().AddNewProgram("C:\\Q\\new.exe", "", 1);
  EXPECT_EQ(outcome.result, storage::AddResult::ListFull);
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].text, storage::kListFullText);
  EXPECT_EQ(FileText(test::kIni), full);
}

TEST_F(EditorTest, AddingThroughTheButtonAndRemovingTheFirstCopy) {
  Settings({}, {Entry(4, "dup.exe", 2), Entry(9, "dup.exe", 2, {"ConfirmMessageBoxNr=3"})});
  Load();
  ClickRow(4);
  fakes.dialogs.inputs = {"C:\\P\\dup.exe"};
  fakes.dialogs.answers = {kNo};
  const std::string before = FileText(test::kIni);
  Ed().AddButton.RaiseClick();
  EXPECT_EQ(FileText(test::kIni), before);

  storage::RemoveOutcome removed = Ed().RemoveProgramFromList("C:\\P\\dup.exe /param");
  EXPECT_EQ(removed.entry, 4);
  EXPECT_TRUE(FileHas("Program4= ") && FileHas("Program4ConfirmMessageBoxNr=0"));
  Advance(100);
  EXPECT_EQ(form->ListBoxExtended1.GetText1(3), "-Empty-");
  EXPECT_EQ(Ed().RemoveProgramFromList("C:\\P\\dup.exe").entry, 9);  // the next copy
  EXPECT_EQ(Ed().RemoveProgramFromList("C:\\P\\dup.exe").entry, 0);
}

TEST_F(EditorTest, MovesExchangeTheEntriesTheirIconFilesAndRowsAndAskAboutChangesFirst) {
  Settings({}, {Entry(5, "five.exe", 7, {"Disabled=1", "ConfirmMessageBoxNr=2"}), Entry(6, "six.exe", 3)});
  fakes.fileSystem.MakeDirs("C:\\Sequora\\Icons");
  fakes.fileSystem.PutFile(IconFile(5), EncodeBmp(platform::FakeIcons::Image(0x123456, 32)));
  forms::Form1& f = Load();
  ClickRow(5);
  Ed().Text8.RaiseTextChanged("-unsaved");
  fakes.dialogs.answers = {kNo};
  Ed().DwnButton.RaiseClick();
  EXPECT_EQ(Titles(), std::vector<std::string>{"Save Changes?"});
  EXPECT_TRUE(FileHas("Program6=five.exe"));
  EXPECT_TRUE(FileHas("Program6ConfirmMessageBoxNr=2"));
  EXPECT_TRUE(FileHas("Program6Param="));  // the answer No: the stored value moved
  EXPECT_TRUE(FileHas("Program5=six.exe"));
  EXPECT_FALSE(fakes.fileSystem.FileExists(IconFile(5)));
  EXPECT_TRUE(fakes.fileSystem.FileExists(IconFile(6)));
  EXPECT_EQ(f.ListBoxExtended1.GetText1(5), "C:\\P\\ five.exe");
  const Bitmap* moved = f.ListBoxExtended1.Row(f.ListRowOfEntry(5)).Picture1.Picture().Image();
  ASSERT_NE(moved, nullptr);  // the bitmap's picture moved with its entry
  EXPECT_EQ(moved->pixels[moved->pixels.size() / 2] & 0xFFFFFF, 0x123456u);

  Ed().UpButton.RaiseClick();
  Ed().UpButton.RaiseClick();
  EXPECT_TRUE(FileHas("Program4=five.exe"));
  EXPECT_TRUE(fakes.fileSystem.FileExists(IconFile(4)));
  EXPECT_TRUE(FileHas("Program5="));  // the free slot went down

  // At the top: nothing moves.
  ClickRow(1);
  const std::string before = FileText(test::kIni);
  Ed().UpButton.RaiseClick();
  EXPECT_EQ(FileText(test::kIni), before);
}

TEST_F(EditorTest, AMoveThatCannotBeWrittenSaysSoAndChangesNothing) {
  Settings({}, {Entry(1, "one.exe", 2), Entry(2, "two.exe", 2)});
  forms::Form1& f = Load();
  ClickRow(1);
  const std::string before = FileText(test::kIni);
  fakes.fileSystem.FailMutation(1, true);
  Ed().DwnButton.RaiseClick();
  fakes.fileSystem.FailMutation(0);
  EXPECT_EQ(FileText(test::kIni), before);
  EXPECT_EQ(Titles(), std::vector<std::string>{"Sequora"});
  EXPECT_EQ(f.ListBoxExtended1.GetText1(0), "C:\\P\\ one.exe");
}

TEST_F(EditorTest, AMoveWhoseIconFilesCannotBeExchangedSaysSoAndTheRowsShowTheFiles) {
  Settings({}, {Entry(1, "one.exe", 2), Entry(2, "two.exe", 2)});
  fakes.fileSystem.MakeDirs("C:\\Sequora\\Icons");
  fakes.fileSystem.PutFile(IconFile(1), EncodeBmp(platform::FakeIcons::Image(0x111111, 32)));
  fakes.fileSystem.PutFile(IconFile(2), EncodeBmp(platform::FakeIcons::Image(0x222222, 32)));
  const std::string one = FileText(IconFile(1)), two = FileText(IconFile(2));
  forms::Form1& f = Load();
  ClickRow(1);
  // The settings file is replaced by a write and a rename; the first rename of the icons fails.
  fakes.fileSystem.FailMutation(3);
  Ed().DwnButton.RaiseClick();
  fakes.fileSystem.FailMutation(0);
  EXPECT_TRUE(FileHas("Program2=one.exe") && FileHas("Program1=two.exe"));
  EXPECT_EQ(Titles(), std::vector<std::string>{"Sequora"});
  EXPECT_EQ(FileText(IconFile(1)), one);  // both files stayed
  EXPECT_EQ(FileText(IconFile(2)), two);
  const Picture row = f.ListBoxExtended1.GetPicture1(1);  // entry 2: what its file holds
  ASSERT_NE(row.Image(), nullptr);
  EXPECT_EQ(row.Image()->pixels[row.Image()->pixels.size() / 2 + 8] & 0xFFFFFF, 0x222222u);
}

TEST_F(EditorTest, GroupsAreChosenNamedAndTried) {
  Settings({}, {Entry(1, "one.exe", 2), Entry(2, "two.exe", 2, {"ConfirmMessageBoxNr=3"})});
  forms::Form1& f = Load();
  ClickRow(1);
  forms::Frame2& ed = Ed();
  ed.QuestionCeck.RaiseClick();
  // Ticked without a group: the name button asks for one first, and a save stores no group.
  ed.Command16.RaiseClick();
  EXPECT_EQ(Titles(), std::vector<std::string>{"Group-Name"});
  ed.Command9.RaiseClick();
  EXPECT_TRUE(FileHas("Program1ConfirmMessageBoxNr=0"));

  // Group 3 (entry 2's) is named "Tools"; the test opens the confirmation window with its entries.
  ed.QuestionCombo.RaiseSelect(2);
  fakes.dialogs.shown.clear();
  fakes.dialogs.inputs = {"  Tools "};
  fakes.dialogs.answers = {platform::msgbox::kAnswerOk};
  ed.Command16.RaiseClick();
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Group-Name", "Run test?"}));
  EXPECT_TRUE(FileText(test::kIni).find("ConfirmGroup3Name=Tools") != std::string::npos);
  ASSERT_TRUE(f.msgBoxForm.Visible());
  EXPECT_EQ(f.msgBoxForm.List1.Items(), std::vector<std::string>{"Prg.2  two (+2 sec)"});

  ed.Command9.RaiseClick();
  EXPECT_TRUE(FileHas("Program1ConfirmMessageBoxNr=3"));

  // Cancelled, or the same name again: nothing is written and no test is offered twice.
  const std::string before = FileText(test::kIni);
  fakes.dialogs.shown.clear();
  fakes.dialogs.inputs = {""};
  fakes.dialogs.answers = {kCancel};
  ed.Command16.RaiseClick();
  EXPECT_EQ(FileText(test::kIni), before);
}

TEST_F(EditorTest, IconsComeFromTheBitmapOrTheProgramAtTheWindowsDpi) {
  Settings({}, {Entry(1, "one.exe", 2), Entry(2, "two.exe", 2)});
  fakes.icons.SetIcon("C:\\P\\one.exe", 0xFF0000);
  fakes.icons.SetIcon("C:\\P\\two.exe", 0x00FF00);
  fakes.icons.SetIcon("C:\\P\\other.exe", 0x0000FF);
  fakes.fileSystem.PutFile("C:\\P\\other.exe", "MZ");
  fakes.fileSystem.MakeDirs("C:\\Sequora\\Icons");
  fakes.fileSystem.PutFile(IconFile(2), EncodeBmp(platform::FakeIcons::Image(0x123456, 32)));
  forms::Form1& f = Load();
  const auto centre = [](const Picture& p) {
    return p.Image() ? p.Image()->pixels[p.Image()->pixels.size() / 2 + 8] & 0xFFFFFF : 0xBADu;
  };
  EXPECT_EQ(centre(f.ListBoxExtended1.GetPicture1(0)), 0xFF0000u);
  EXPECT_EQ(centre(f.ListBoxExtended1.GetPicture1(1)), 0x123456u);  // the saved bitmap wins
  EXPECT_TRUE(f.IsIconAvailable(2).empty());
  EXPECT_EQ(f.IsIconAvailable(1), IconFile(1));

  ClickRow(2);
  ClickRow(1);
  EXPECT_TRUE(Ed().AddIcon_Btn.Visible());  // the program's icon, not kept as a bitmap yet
  // A new program name shows that program's icon when the field is left, before any save.
  Ed().Text6.RaiseTextChanged("other.exe");
  Ed().Text6.LostFocus();
  EXPECT_EQ(centre(Ed().ProgramIcon.Picture()), 0x0000FFu);
  Ed().Command9.RaiseClick();
  EXPECT_TRUE(fakes.fileSystem.FileExists(IconFile(1)));
  EXPECT_EQ(centre(f.ListBoxExtended1.GetPicture1(0)), 0x0000FFu);

  // At 144 DPI the rows get 48-pixel icons taken from the programs.
  f.RaiseDpiChanged(144);
  const Bitmap* big = f.ListBoxExtended1.GetPicture1(0).Image();
  ASSERT_NE(big, nullptr);
  EXPECT_EQ(big->width, 48);
  EXPECT_EQ(centre(f.ListBoxExtended1.GetPicture1(0)), 0x0000FFu);
}

TEST_F(EditorTest, AnIconChosenByTheUserIsKeptByItsButton) {
  Settings({}, {Entry(1, "one.exe", 2)});
  fakes.icons.SetIcon("C:\\P\\one.exe", 0xFF0000);
  fakes.icons.SetIcon("C:\\W\\shell.dll", 0x00FF00);
  fakes.fileSystem.PutFile("C:\\W\\shell.dll", "MZ");
  forms::Form1& f = Load();
  ClickRow(1);
  // The program's own path changes nothing; a dll gives its first icon.
  fakes.dialogs.inputs = {"C:\\P\\one.exe"};
  Ed().ProgramIcon.RaiseClick();
  fakes.dialogs.inputs = {"C:\\W\\shell.dll"};
  Ed().ProgramIcon.RaiseClick();
  EXPECT_TRUE(Ed().AddIcon_Btn.Visible());
  Ed().AddIcon_Btn.RaiseClick();
  EXPECT_TRUE(fakes.fileSystem.FileExists(IconFile(1)));
  // Passing through the program field does not take the chosen icon back.
  Ed().Text6.GotFocus();
  Ed().Text6.LostFocus();
  const Picture row = f.ListBoxExtended1.GetPicture1(0);
  ASSERT_NE(row.Image(), nullptr);
  EXPECT_EQ(row.Image()->pixels[row.Image()->pixels.size() / 2 + 8] & 0xFFFFFF, 0x00FF00u);
}


TEST_F(EditorTest, F2OpensTheEditorOnTheSelectedEntry) {
  forms::Form1& f = LoadThree();
  f.ListBoxExtended1.Set_ListIndex(2, true);
  bool handled = false;
  f.RaiseKeyDown(113, handled);
  ASSERT_TRUE(Ed().Visible());
  EXPECT_EQ(Ed().Text4.Text(), "3");
  EXPECT_EQ(f.Focused(), &Ed().Text6);
}

}  // namespace
