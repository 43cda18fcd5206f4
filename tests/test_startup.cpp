// Start-up: the preference folder and store, the border designs, the print
// limit, the choice of main window, the file types, and a whole run from
// Main_ to the Quit item.
#include <gtest/gtest.h>

#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "FakeDialogs.h"
#include "TestPaths.h"
#include "UiTestSupport.h"
#include "render/Module1.h"
#include "ui/App.h"
#include "ui/FileTypes1.h"
#include "ui/MenuBar1.h"
#include "ui/Module1.h"
#include "ui/Startup.h"
#include "ui/frmBasic.h"
#include "ui/toolkit/Application.h"
#include "ui/toolkit/Picture.h"
#include "ui/toolkit/Runtime.h"
#include "ui/toolkit/Window.h"

namespace {

class Startup : public ::testing::Test {
 protected:
  void SetUp() override { uitest::ResetRun(); }
  void TearDown() override { uitest::ResetRun(); }
};

}  // namespace

TEST_F(Startup, FirstStartOpensTheSimpleWindowWithDefaultsAndWritesNothing) {
  Module1::Initialize();
  EXPECT_EQ(Module1::PrintLimit, 3);
  EXPECT_EQ(App::App_()->BasicPro, 0);
  auto w = tk::FindImplicitWindow("frmBasic.frmBasic");
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->IsShown());
  EXPECT_EQ(tk::OpenWindows().size(), 1u);

  EXPECT_TRUE(std::filesystem::is_directory(uitest::PrefsFolder()));
  EXPECT_FALSE(std::filesystem::exists(uitest::PrefsFile()));
  ASSERT_NE(Module1::myINI, nullptr);
  EXPECT_EQ(Module1::myINI->iniFileName->NativePath(), uitest::PrefsFile().string());

  ASSERT_EQ(Module1::myPicts.size(), 12u);
  for (const auto& design : Module1::myPicts) {
    ASSERT_NE(design, nullptr);
    EXPECT_EQ(design->Transparent(), 1);
  }
}

TEST_F(Startup, PrintLimitIsTheTruncatedStoredNumberOrThree) {
  const std::pair<const char*, std::int64_t> cases[] = {{"7", 7},    {"7.9", 7}, {"-2", -2},
                                                        {"many", 0}, {"", 3},    {"1e30", INT64_MAX}};
  for (const auto& [stored, expected] : cases) {
    uitest::ResetRun();
    uitest::WritePrefs(std::string("[All]\nPrintLimit=") + stored + "\n");
    Module1::Initialize();
    EXPECT_EQ(Module1::PrintLimit, expected) << '"' << stored << '"';
  }
}

TEST_F(Startup, OnlyABasicProOfExactlyOneChoosesTheAdvancedWindow) {
  const std::pair<const char*, std::int64_t> cases[] = {{"1", 1}, {"1.0", 1}, {"0", 0},
                                                        {"2", 0}, {"0.5", 0}, {"", 0}};
  for (const auto& [stored, expected] : cases) {
    uitest::ResetRun();
    uitest::WritePrefs(std::string("[Startup]\nBasicPro=") + stored + "\n");
    Module1::Initialize();
    EXPECT_EQ(App::App_()->BasicPro, expected) << '"' << stored << '"';
    ASSERT_EQ(tk::OpenWindows().size(), 1u);
    EXPECT_EQ(tk::OpenWindows()[0]->ClassName_(), expected == 1 ? "frmPro.frmPro" : "frmBasic.frmBasic");
    EXPECT_TRUE(tk::OpenWindows()[0]->IsShown());
  }
  uitest::ResetRun();
  uitest::WritePrefs("[All]\nPrintLimit=4\n");
  Module1::Initialize();
  EXPECT_EQ(App::App_()->BasicPro, 0);
}

TEST_F(Startup, AnExistingPreferenceFolderIsLeftAsItIsAndAMissingOneIsMadeAgain) {
  uitest::WritePrefs("[Basic]\nDifficulty=40\n");
  const auto other = uitest::PrefsFolder() / "notes.txt";
  std::ofstream(other) << "kept";
  Module1::SetupINIandPrefs();
  EXPECT_EQ(uitest::ReadPrefs(), "[Basic]\nDifficulty=40\n");
  EXPECT_TRUE(std::filesystem::exists(other));

  std::filesystem::remove_all(uitest::PrefsFolder());
  Module1::SetupINIandPrefs();
  EXPECT_TRUE(std::filesystem::is_directory(uitest::PrefsFolder()));
  EXPECT_FALSE(std::filesystem::exists(uitest::PrefsFile()));
}

TEST_F(Startup, FileTypesAreBmpThenPng) {
  FileTypes1::Initialize_();
  FileTypes1::Initialize_();  // never listed twice
  ASSERT_EQ(FileTypes1::pAllFileTypes.size(), 2u);
  EXPECT_EQ(FileTypes1::pAllFileTypes[0], FileTypes1::BMP());
  EXPECT_EQ(FileTypes1::pAllFileTypes[1], FileTypes1::PNG());
  EXPECT_EQ(FileTypes1::BMP()->Name, "BMP");
  EXPECT_EQ(FileTypes1::BMP()->Extensions, ".bmp");
  EXPECT_EQ(FileTypes1::PNG()->Name, "PNG");
  EXPECT_EQ(FileTypes1::PNG()->Extensions, ".png");
  EXPECT_TRUE(FileTypes1::PNG()->Imported);
  EXPECT_EQ(FileTypes1::PNG()->MimeType, "");
  EXPECT_EQ(FileTypes1::PNG()->Filter(), "PNG (*.png)");
}

TEST_F(Startup, ApplicationObjectGetsTheSharedMenuBar) {
  NewAppInstance_();
  auto app = App::App_();
  EXPECT_EQ(app, tk::TheApplication());
  EXPECT_EQ(app->MenuBar, MenuBar1::MenuBar1_());
  EXPECT_EQ(app->BasicPro, 0);
  EXPECT_FALSE(app->AutoQuit);
  app->Event_Open();
  EXPECT_TRUE(app->AutoQuit);
  auto w = frmBasic::frmBasic_();
  EXPECT_EQ(w->MenuBar(), app->MenuBar);
}

// The whole run: start-up, the simple window, the Quit item, the end of
// the event loop, with the settings stored by the window's Close event.
TEST_F(Startup, MainRunsUntilTheQuitItemAndTheWindowStoresItsSettings) {
  uitest::WritePrefs("[Basic]\nDifficulty=40\nIcon=5\n");
  bool windowSeen = false;
  QTimer::singleShot(100, [&] {
    auto w = frmBasic::frmBasic_();
    windowSeen = w->IsShown();
    w->DoMenuCommand("FileQuit");
  });
  const int code = Main_();
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(windowSeen);
  EXPECT_TRUE(tk::OpenWindows().empty());
  EXPECT_EQ(uitest::ReadPrefs(), "[Basic]\nDifficulty=40\nIcon=5\n");
  EXPECT_EQ(Module1::myImageIndex, 5);
}

TEST_F(Startup, AFailedStartIsToldAndEndsTheRunInsteadOfHangingWithoutAWindow) {
  // A file where the preference folder belongs: the folder cannot be made,
  // the run goes on with the defaults.
  std::filesystem::create_directories(uitest::PrefsFolder().parent_path());
  std::ofstream(uitest::PrefsFolder()) << "in the way";
  auto dialogs = FakeDialogs::Install();
  QTimer::singleShot(100, [] { tk::QuitApplication(); });
  EXPECT_EQ(Main_(), 0);
  std::filesystem::remove(uitest::PrefsFolder());

  // An exception out of the Open event leaves no window: the user is told
  // and the loop ends by itself.
  class Broken : public App::App {
    void Event_Open() override {
      AutoQuit = true;
      throw std::runtime_error("no designs");
    }
  };
  tk::SetApplication(std::make_shared<Broken>());
  EXPECT_EQ(tk::TheApplication()->Run(), 0);
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_NE(dialogs->messages[0].find("no designs"), std::string::npos);
}

TEST_F(Startup, TestsStopRatherThanRunInTheUsersOwnSettingsFolder) {
  // A test program whose private settings folder cannot be made (no folder
  // can be made in /proc) must not fall back to the user's ~/.config.
  const auto work = uitest::PrefsFolder().parent_path() / "no-private-folder";
  const auto home = work / "home";
  std::filesystem::create_directories(home);
  const auto self = std::filesystem::read_symlink("/proc/self/exe");
  const std::string command = "env -u XDG_CONFIG_HOME TMPDIR=/proc HOME='" + home.string() + "' '" +
                              self.string() +
                              "' --gtest_filter=Startup.MainRunsUntilTheQuitItemAndTheWindowStoresItsSettings >'" +
                              (work / "log").string() + "' 2>&1";
  const int status = std::system(command.c_str());
  const std::string log = testpaths::ReadBytes(work / "log");
  EXPECT_FALSE(std::filesystem::exists(home / ".config" / "OxlTarnwickLanes")) << log;
  EXPECT_NE(status, 0) << log;
  EXPECT_NE(log.find("temporary settings folder"), std::string::npos) << log;
  std::filesystem::remove_all(work);
}
