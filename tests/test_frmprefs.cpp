// The Preferences window: it opens modally from the main windows' menus,
// shows the settings of this run, enables the print-limit controls only for
// the simple window, saves both keys on "Save and Close" and nothing on the
// close box, and what it saves is what the next start uses.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "FakeDialogs.h"
#include "TestPaths.h"
#include "UiTestSupport.h"
#include "ui/App.h"
#include "ui/Module1.h"
#include "ui/frmBasic.h"
#include "ui/frmPrefs.h"
#include "ui/frmPro.h"
#include "ui/toolkit/FolderItem.h"
#include "ui/toolkit/Runtime.h"

namespace {

// Makes every write of one file fail, as a full disk or a read-only folder
// would (tests may run as root, where permissions do not stop writes).
class FailWritesTo : public tk::FileSeam {
 public:
  explicit FailWritesTo(std::string path) : path_(std::move(path)) {}
  bool Fails(tk::FileOp op, const std::string& nativePath) override {
    return nativePath == path_ && op != tk::FileOp::Read;
  }

 private:
  std::string path_;
};

// The preference file byte for byte, CRs and all.
std::string IniText() { return testpaths::ReadBytes(uitest::PrefsFile()); }

class PrefsWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    dialogs = FakeDialogs::Install();
    std::filesystem::remove(uitest::PrefsFile());
  }
  void TearDown() override {
    tk::SetFileSeam(nullptr);
    tk::CloseAllWindows();
    tk::ProcessEvents();
    std::filesystem::remove(uitest::PrefsFile());
  }
  // A fresh start-up on the preference folder as it is: the run settings
  // back at their initial values, then the program's own start-up.
  void StartUp() {
    tk::CloseAllWindows();
    tk::ProcessEvents();
    Module1::myINI = nullptr;
    Module1::PrintLimit = 0;
    App::App_()->BasicPro = 0;
    Module1::Initialize();
  }
  // Opens Preferences from the open main window's menu; drive runs while it
  // is shown.
  void OpenPrefsFromMenu(tk::Window& main, std::function<void(frmPrefs::frmPrefs&)> drive) {
    dialogs->modalHandlers.push_back([drive](tk::Window& w) {
      auto* prefs = dynamic_cast<frmPrefs::frmPrefs*>(&w);
      ASSERT_NE(prefs, nullptr);
      drive(*prefs);
    });
    EXPECT_TRUE(main.DoMenuCommand("mnuPrefs"));
    EXPECT_EQ(dialogs->modalWindows.back(), "frmPrefs.frmPrefs");
    EXPECT_EQ(tk::FindImplicitWindow("frmPrefs.frmPrefs"), nullptr);
  }
  static bool PrintLimitControlsEnabled(frmPrefs::frmPrefs& w, bool enabled) {
    return w.Slider1()->Enabled() == enabled && w.Label1()->Enabled() == enabled &&
           w.Label2()->Enabled() == enabled;
  }
  std::shared_ptr<FakeDialogs> dialogs;
};

TEST_F(PrefsWindow, SimpleRunShowsBasicAndTheDefaultLimitAndLooksFinished) {
  StartUp();
  auto basic = frmBasic::frmBasic_();
  OpenPrefsFromMenu(*basic, [](frmPrefs::frmPrefs& w) {
    EXPECT_TRUE(w.IsShown());
    EXPECT_TRUE(w.RadioButton1()->Value());
    EXPECT_FALSE(w.RadioButton2()->Value());
    EXPECT_EQ(w.Slider1()->Value(), 3);
    EXPECT_EQ(w.Label1()->Text(), "3");
    EXPECT_TRUE(PrintLimitControlsEnabled(w, true));
    // Every control lies inside the window, the group's inside the group.
    for (const auto& c : w.Controls_()) {
      EXPECT_GE(c->Left(), 0) << c->Name();
      EXPECT_LE(c->Left() + c->Width(), w.Width()) << c->Name();
      EXPECT_LE(c->Top() + c->Height(), w.Height()) << c->Name();
    }
    const QImage shot = w.Grab();
    EXPECT_FALSE(shot.isNull());
    shot.save(QString::fromStdString((testpaths::Screenshots() / "frmPrefs.png").string()));
  });
  // Opening the window wrote nothing.
  EXPECT_FALSE(std::filesystem::exists(uitest::PrefsFile()));
}

TEST_F(PrefsWindow, AdvancedRunShowsProAndItsLimitAndALimitOfOneKeepsTheDesignText) {
  uitest::WritePrefs("[Startup]\rBasicPro=1\r[All]\rPrintLimit=12\r");
  StartUp();
  ASSERT_EQ(App::App_()->BasicPro, 1);
  auto pro = frmPro::frmPro_();
  OpenPrefsFromMenu(*pro, [](frmPrefs::frmPrefs& w) {
    EXPECT_FALSE(w.RadioButton1()->Value());
    EXPECT_TRUE(w.RadioButton2()->Value());
    EXPECT_EQ(w.Slider1()->Value(), 12);
    EXPECT_EQ(w.Label1()->Text(), "12");
    const QImage shot = w.Grab();
    shot.save(QString::fromStdString((testpaths::Screenshots() / "frmPrefs-pro.png").string()));
  });

  // With a limit of 1 the slider keeps its design value and the label its
  // design text.
  Module1::PrintLimit = 1;
  OpenPrefsFromMenu(*pro, [](frmPrefs::frmPrefs& w) {
    EXPECT_TRUE(w.RadioButton2()->Value());
    EXPECT_EQ(w.Slider1()->Value(), 1);
    EXPECT_EQ(w.Label1()->Text(), "1");
  });
}

// The rule holds from the moment the window shows, in a run of either main
// window: the print-limit controls are enabled exactly while "Basic" is
// selected.
TEST_F(PrefsWindow, PrintLimitControlsFollowTheSelectionAsTheWindowOpensInEitherKindOfRun) {
  StartUp();
  OpenPrefsFromMenu(*frmBasic::frmBasic_(), [](frmPrefs::frmPrefs& w) {
    EXPECT_TRUE(w.RadioButton1()->Value());
    EXPECT_TRUE(PrintLimitControlsEnabled(w, true));
  });

  uitest::WritePrefs("[Startup]\rBasicPro=1\r");
  StartUp();
  ASSERT_EQ(App::App_()->BasicPro, 1);
  OpenPrefsFromMenu(*frmPro::frmPro_(), [](frmPrefs::frmPrefs& w) {
    EXPECT_TRUE(w.RadioButton2()->Value());
    EXPECT_TRUE(PrintLimitControlsEnabled(w, false));
  });
}

TEST_F(PrefsWindow, PrintLimitControlsFollowTheClickedRadioButtonAndTheSliderItsLabel) {
  StartUp();
  auto w = frmPrefs::frmPrefs_();
  w->Show();
  w->RadioButton2()->Push();
  EXPECT_TRUE(w->RadioButton2()->Value());
  EXPECT_TRUE(PrintLimitControlsEnabled(*w, false));
  w->RadioButton1()->Push();
  EXPECT_TRUE(PrintLimitControlsEnabled(*w, true));
  // Clicking the button already selected keeps the rule.
  w->RadioButton1()->Push();
  EXPECT_TRUE(PrintLimitControlsEnabled(*w, true));

  w->Slider1()->SetValue(25);
  EXPECT_EQ(w->Label1()->Text(), "25");
  w->Slider1()->SetValue(40);
  EXPECT_EQ(w->Slider1()->Value(), 25);
  w->Slider1()->SetValue(1);
  EXPECT_EQ(w->Label1()->Text(), "1");
  w->Close();
}

TEST_F(PrefsWindow, SaveOnANewFileWritesStartupBeforeAllAndChangesNothingInMemory) {
  StartUp();
  auto basic = frmBasic::frmBasic_();
  const auto printsLeft = basic->PrintsLeft;
  OpenPrefsFromMenu(*basic, [](frmPrefs::frmPrefs& w) {
    w.PushButton1()->Push();
    EXPECT_FALSE(w.IsOpen());
  });
  EXPECT_EQ(IniText(), "[Startup]\rBasicPro=0\r[All]\rPrintLimit=3\r");
  EXPECT_EQ(App::App_()->BasicPro, 0);
  EXPECT_EQ(Module1::PrintLimit, 3);
  EXPECT_EQ(frmBasic::frmBasic_(), basic);
  EXPECT_EQ(basic->PrintsLeft, printsLeft);

  // "Pro" with 7: both keys set in place, the limit also while its slider
  // is disabled; the run keeps its settings and its window.
  OpenPrefsFromMenu(*basic, [](frmPrefs::frmPrefs& w) {
    w.Slider1()->SetValue(7);
    w.RadioButton2()->Push();
    ASSERT_FALSE(w.Slider1()->Enabled());
    w.PushButton1()->Push();
  });
  EXPECT_EQ(IniText(), "[Startup]\rBasicPro=1\r[All]\rPrintLimit=7\r");
  EXPECT_EQ(App::App_()->BasicPro, 0);
  EXPECT_EQ(Module1::PrintLimit, 3);
  EXPECT_EQ(basic->PrintsLeft, printsLeft);
  EXPECT_TRUE(basic->IsOpen());

  // Reopened in the same run, the window shows the run's settings, not the
  // saved ones.
  OpenPrefsFromMenu(*basic, [](frmPrefs::frmPrefs& w) {
    EXPECT_TRUE(w.RadioButton1()->Value());
    EXPECT_EQ(w.Slider1()->Value(), 3);
    EXPECT_TRUE(PrintLimitControlsEnabled(w, true));
  });
}

TEST_F(PrefsWindow, SaveKeepsTheRestOfAnExistingFile) {
  uitest::WritePrefs("[Basic]\rDifficulty=30\rIcon=4\r[All]\rPrintLimit=5\r");
  StartUp();
  OpenPrefsFromMenu(*frmBasic::frmBasic_(), [](frmPrefs::frmPrefs& w) {
    EXPECT_EQ(w.Slider1()->Value(), 5);
    w.PushButton1()->Push();
  });
  EXPECT_EQ(IniText(), "[Basic]\rDifficulty=30\rIcon=4\r[All]\rPrintLimit=5\r[Startup]\rBasicPro=0\r");
}

TEST_F(PrefsWindow, SaveThatCannotBeStoredSaysSoAndKeepsTheWindowOpen) {
  const std::string before = "[Startup]\rBasicPro=0\r[All]\rPrintLimit=3\r";
  uitest::WritePrefs(before);
  StartUp();
  auto basic = frmBasic::frmBasic_();
  tk::SetFileSeam(std::make_shared<FailWritesTo>(uitest::PrefsFile().string()));

  // Values already stored need no write: that is no failure.
  OpenPrefsFromMenu(*basic, [](frmPrefs::frmPrefs& w) {
    w.PushButton1()->Push();
    EXPECT_FALSE(w.IsOpen());
  });
  EXPECT_TRUE(dialogs->messages.empty());

  // A change that cannot be written is reported, naming the file; the window
  // stays open with the choice on show, and the old file is whole.
  const std::string failed = "The settings could not be saved to " + uitest::PrefsFile().string() + ".";
  for (const bool pro : {true, false}) {
    dialogs->messages.clear();
    OpenPrefsFromMenu(*basic, [&](frmPrefs::frmPrefs& w) {
      if (pro) w.RadioButton2()->Push();
      w.Slider1()->SetValue(9);
      w.PushButton1()->Push();
      ASSERT_TRUE(w.IsOpen());
      EXPECT_EQ(dialogs->messages, std::vector<std::string>{failed}) << pro;
      EXPECT_EQ(w.Slider1()->Value(), 9);
      EXPECT_EQ(IniText(), before);
      // Once the file can be written, the same press saves and closes.
      tk::SetFileSeam(nullptr);
      dialogs->messages.clear();
      w.PushButton1()->Push();
      EXPECT_FALSE(w.IsOpen());
      EXPECT_TRUE(dialogs->messages.empty());
    });
    EXPECT_EQ(IniText(), std::string("[Startup]\rBasicPro=") + (pro ? "1" : "0") + "\r[All]\rPrintLimit=9\r");
    uitest::WritePrefs(before);
    tk::SetFileSeam(std::make_shared<FailWritesTo>(uitest::PrefsFile().string()));
  }
}

TEST_F(PrefsWindow, CloseBoxWritesNothing) {
  const std::string before = "[All]\rPrintLimit=4\r";
  uitest::WritePrefs(before);
  StartUp();
  OpenPrefsFromMenu(*frmBasic::frmBasic_(), [](frmPrefs::frmPrefs& w) {
    w.RadioButton2()->Push();
    w.Slider1()->SetValue(20);
    w.CloseBox_();
  });
  EXPECT_EQ(IniText(), before);

  // The same with no file at all: none is made.
  std::filesystem::remove(uitest::PrefsFile());
  OpenPrefsFromMenu(*frmBasic::frmBasic_(), [](frmPrefs::frmPrefs& w) { w.CloseBox_(); });
  EXPECT_FALSE(std::filesystem::exists(uitest::PrefsFile()));
}

TEST_F(PrefsWindow, SavedChoiceIsWhatTheNextStartUses) {
  StartUp();
  ASSERT_EQ(App::App_()->BasicPro, 0);
  OpenPrefsFromMenu(*frmBasic::frmBasic_(), [](frmPrefs::frmPrefs& w) {
    w.RadioButton2()->Push();
    w.Slider1()->SetValue(7);
    w.PushButton1()->Push();
  });

  StartUp();
  EXPECT_EQ(App::App_()->BasicPro, 1);
  EXPECT_EQ(Module1::PrintLimit, 7);
  EXPECT_NE(tk::FindImplicitWindow("frmPro.frmPro"), nullptr);
  EXPECT_EQ(tk::FindImplicitWindow("frmBasic.frmBasic"), nullptr);

  // And back: "Basic" with 25 opens the simple window with that limit.
  OpenPrefsFromMenu(*frmPro::frmPro_(), [](frmPrefs::frmPrefs& w) {
    EXPECT_TRUE(w.RadioButton2()->Value());
    EXPECT_EQ(w.Slider1()->Value(), 7);
    w.RadioButton1()->Push();
    w.Slider1()->SetValue(25);
    w.PushButton1()->Push();
  });
  StartUp();
  EXPECT_EQ(App::App_()->BasicPro, 0);
  EXPECT_EQ(Module1::PrintLimit, 25);
  auto basic = std::dynamic_pointer_cast<frmBasic::frmBasic>(tk::FindImplicitWindow("frmBasic.frmBasic"));
  ASSERT_NE(basic, nullptr);
  EXPECT_EQ(basic->PrintsLeft, 25);
}

}  // namespace
