// The foot of the main window: the About box and the online update, on the fake machine.
#include <gtest/gtest.h>

#include "Form1Fixture.h"

using namespace sequora;

namespace {

constexpr char kUpdater[] = "C:\\Sequora\\Update.exe";
constexpr char kProgramUrl[] = "https://update.sequora.invalid/Sequora.exe";
constexpr char kUpdaterUrl[] = "https://update.sequora.invalid/Update.exe";

class AboutUpdateTest : public test::Form1Test {
 protected:
  void Update() { form->wwwLink.RaiseClick(); }
  const platform::FakeLauncher::Attempt* Started() const {
    return fakes.launcher.attempts.empty() ? nullptr : &fakes.launcher.attempts.back();
  }
  std::string LastBox() const { return fakes.dialogs.shown.empty() ? "" : fakes.dialogs.shown.back().text; }
};

}  // namespace

TEST_F(AboutUpdateTest, TheAboutBoxHoldsTheRunsTimersAndPutsThemBackAsTheyWere) {
  PutSettings({"InitialStartupTime=20"});
  forms::Form1& f = Load();
  std::vector<bool> whileOpen;
  fakes.dialogs.whileShown = [&](const platform::FakeDialogs::Shown&) {
    whileOpen = {f.Timer1.Enabled(), f.Timer2.Enabled()};
  };
  f.AboutBox.RaiseClick();
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].text.rfind("Tessarin  -  Vers.: 1.3 Beta\r", 0), 0u);
  EXPECT_EQ(whileOpen, (std::vector<bool>{false, false}));
  EXPECT_TRUE(f.Timer1.Enabled());
  EXPECT_FALSE(f.Timer2.Enabled());
  Advance(1000);
  EXPECT_EQ(f.Label1.Caption(), "19");

  f.PAUSE_SWITCH();
  bool handled = false;
  f.RaiseKeyDown(0x70, handled);  // F1
  EXPECT_TRUE(handled);
  EXPECT_EQ(fakes.dialogs.shown.size(), 2u);
  EXPECT_FALSE(f.Timer1.Enabled());  // paused stays paused
}

TEST_F(AboutUpdateTest, AnUpdaterBesideSequoraStartsAtOnceWithTheExactCommandLineAndSequoraEnds) {
  PutSettings({});
  fakes.fileSystem.PutFile(kUpdater, "MZ");
  Load();
  Update();
  EXPECT_TRUE(fakes.download.requests.empty());
  ASSERT_NE(Started(), nullptr);
  EXPECT_EQ(Started()->program, kUpdater);
  EXPECT_EQ(Started()->parameters, std::string("[URL]") + kProgramUrl + " [PATH]Sequora.exe");
  EXPECT_TRUE(fakes.windows.Ended());
}

TEST_F(AboutUpdateTest, AMissingUpdaterIsFetchedCompleteBeforeItGetsItsName) {
  PutSettings({});
  fakes.download.served[kUpdaterUrl] = "MZ updater";
  Load();
  Update();
  EXPECT_EQ(fakes.download.requests, std::vector<std::string>{kUpdaterUrl});
  EXPECT_NE(fakes.download.files[0], kUpdater);  // into a file beside it first
  EXPECT_EQ(FileText(kUpdater), "MZ updater");
  EXPECT_FALSE(fakes.fileSystem.FileExists(fakes.download.files[0]));
  ASSERT_NE(Started(), nullptr);
  EXPECT_EQ(Started()->program, kUpdater);
  EXPECT_TRUE(fakes.windows.Ended());
}

TEST_F(AboutUpdateTest, AFailedDownloadSaysDownloadFailedLeavesNothingAndSequoraRunsOn) {
  PutSettings({"InitialStartupTime=20"});
  forms::Form1& f = Load();
  Update();  // nothing served
  EXPECT_EQ(LastBox(), "Update.exe\r\rDownload Failed! ");

  fakes.download.served[kUpdaterUrl] = "MZ updater";
  fakes.download.broken.insert(kUpdaterUrl);  // the connection drops halfway
  Update();
  EXPECT_EQ(LastBox(), "Update.exe\r\rDownload Failed! ");
  EXPECT_FALSE(fakes.fileSystem.FileExists(kUpdater));
  EXPECT_FALSE(fakes.fileSystem.FileExists(fakes.download.files.back()));
  EXPECT_EQ(Started(), nullptr);
  EXPECT_FALSE(fakes.windows.Ended());
  Advance(1000);
  EXPECT_EQ(f.Label1.Caption(), "19");
}

TEST_F(AboutUpdateTest, TheSettingsFileMayNameOtherAddressesButOnlySafeOnesAreUsed) {
  PutSettings({"UpdateUrl=http://127.0.0.1:8080/Sequora.exe", "UpdaterUrl=http://127.0.0.1:8080/Update.exe"});
  fakes.download.served["http://127.0.0.1:8080/Update.exe"] = "MZ";
  Load();
  Update();
  ASSERT_NE(Started(), nullptr);
  EXPECT_EQ(Started()->parameters, "[URL]http://127.0.0.1:8080/Sequora.exe [PATH]Sequora.exe");

  // Which addresses are safe is the download rule's table; here one that is not.
  fakes.fileSystem.RemoveFile(kUpdater);
  fakes.launcher.attempts.clear();
  fakes.download.requests.clear();
  PutSettings({"UpdaterUrl=http://updates.example.com/Update.exe"});
  Load();
  Update();
  EXPECT_TRUE(fakes.download.requests.empty());
  EXPECT_NE(LastBox().find("is not allowed"), std::string::npos);
  EXPECT_EQ(Started(), nullptr);
}

TEST_F(AboutUpdateTest, AnUpdaterThatCannotStartIsReportedAndSequoraRunsOn) {
  PutSettings({});
  fakes.fileSystem.PutFile(kUpdater, "MZ");
  fakes.launcher.FailWith(platform::StartWay::Direct, platform::error::kFileNotFound);
  fakes.launcher.FailWith(platform::StartWay::Shell, platform::error::kFileNotFound);
  Load();
  Update();
  EXPECT_NE(LastBox().find("could not be started"), std::string::npos);
  EXPECT_FALSE(fakes.windows.Ended());
}
