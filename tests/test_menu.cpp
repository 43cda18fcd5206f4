// The shared menu bar: its items, texts, order, kinds and shortcuts, and how
// the simple window handles them.
#include <gtest/gtest.h>

#include <QAction>
#include <QKeySequence>

#include "FakeDialogs.h"
#include "UiTestSupport.h"
#include "ui/MenuBar1.h"
#include "ui/Module1.h"
#include "ui/frmBasic.h"
#include "ui/toolkit/Application.h"
#include "ui/toolkit/Runtime.h"

namespace {

class Menus : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::ResetRun();
    dialogs = FakeDialogs::Install();
  }
  void TearDown() override { uitest::ResetRun(); }
  std::shared_ptr<FakeDialogs> dialogs;
};

}  // namespace

TEST_F(Menus, TreeHasTheItemsInOrderWithTheirTextsKindsAndShortcuts) {
  auto bar = MenuBar1::MenuBar1_();
  EXPECT_EQ(bar, MenuBar1::MenuBar1_());
  ASSERT_EQ(bar->Count(), 2);
  auto file = bar->Item(0);
  auto edit = bar->Item(1);
  EXPECT_EQ(file->Name, "FileMenu");
  EXPECT_EQ(file->Text, "&File");
  EXPECT_EQ(edit->Name, "EditMenu");
  EXPECT_EQ(edit->Text, "&Edit");

  ASSERT_EQ(file->Count(), 3);
  EXPECT_EQ(file->Item(0)->Name, "FileAbout");
  EXPECT_EQ(file->Item(0)->Text, "About...");
  EXPECT_EQ(file->Item(0)->Kind(), tk::MenuKind::Application);
  EXPECT_EQ(file->Item(1)->Name, "mnuPrefs");
  EXPECT_EQ(file->Item(1)->Text, "Preferences...");
  EXPECT_EQ(file->Item(1)->Kind(), tk::MenuKind::Prefs);
  EXPECT_EQ(file->Item(2)->Name, "FileQuit");
  EXPECT_EQ(file->Item(2)->Text, "&Quit");
  EXPECT_EQ(file->Item(2)->KeyboardShortcut, "Cmd+Q");
  EXPECT_EQ(file->Item(2)->Kind(), tk::MenuKind::Quit);
  ASSERT_EQ(edit->Count(), 1);
  EXPECT_EQ(edit->Item(0)->Name, "mnuClearSolution");
  EXPECT_EQ(edit->Item(0)->Text, "Clear Solution");
  for (const char* name : {"FileMenu", "FileAbout", "mnuPrefs", "FileQuit", "EditMenu", "mnuClearSolution"}) {
    auto item = bar->Lookup_(name);
    ASSERT_NE(item, nullptr) << name;
    EXPECT_TRUE(item->AutoEnable) << name;
    EXPECT_TRUE(item->Visible) << name;
    if (std::string(name) != "FileQuit") {
      EXPECT_EQ(item->KeyboardShortcut, "") << name;
    }
  }
}

TEST_F(Menus, SimpleWindowShowsTheBarWithQuitOnCtrlQAndClearSolutionDisabled) {
  Module1::Initialize();
  auto w = frmBasic::frmBasic_();
  ASSERT_NE(w->MenuView_(), nullptr);
  EXPECT_EQ(w->MenuView_()->ActionFor("FileQuit")->shortcut(), QKeySequence("Ctrl+Q"));
  EXPECT_EQ(w->MenuView_()->ActionFor("FileQuit")->text(), "&Quit");
  EXPECT_EQ(w->mnuClearSolution()->Name, "mnuClearSolution");
  EXPECT_EQ(w->FileQuit()->Kind(), tk::MenuKind::Quit);

  w->RefreshMenus();
  EXPECT_FALSE(w->mnuClearSolution()->Enabled);
  EXPECT_FALSE(w->MenuView_()->ActionFor("mnuClearSolution")->isEnabled());
  EXPECT_TRUE(w->FileAbout()->Enabled);
  EXPECT_TRUE(w->mnuPrefs()->Enabled);
  EXPECT_TRUE(w->FileQuit()->Enabled);
  // Choosing it does nothing.
  EXPECT_FALSE(w->DoMenuCommand("mnuClearSolution"));
  EXPECT_TRUE(w->IsOpen());
  EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(Menus, AboutAndPreferencesOpenTheirWindowsModally) {
  Module1::Initialize();
  auto w = frmBasic::frmBasic_();
  EXPECT_TRUE(w->DoMenuCommand("FileAbout"));
  EXPECT_TRUE(w->DoMenuCommand("mnuPrefs"));
  EXPECT_EQ(dialogs->modalWindows, (std::vector<std::string>{"frmAbout.frmAbout", "frmPrefs.frmPrefs"}));
  EXPECT_TRUE(w->IsOpen());
}

TEST_F(Menus, QuitItemClosesTheWindowSoItStoresItsSettingsAndQuits) {
  Module1::Initialize();
  auto w = frmBasic::frmBasic_();
  w->Slider1()->SetValue(33);
  const int quits = tk::QuitRequests();
  w->MenuView_()->ActionFor("FileQuit")->trigger();
  EXPECT_FALSE(w->IsOpen());
  EXPECT_GT(tk::QuitRequests(), quits);
  EXPECT_EQ(uitest::ReadPrefs(), "[Basic]\nDifficulty=33\nIcon=0\n");
}
