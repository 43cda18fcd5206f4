// The simple window, driven as a user drives it: its opening from the stored
// settings, Harder and Easier with their bounds, Refresh, Border Design,
// printing within the limit, closing, and what it looks like.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "FakeDialogs.h"
#include "PrintSeam.h"
#include "TestPaths.h"
#include "UiTestSupport.h"
#include "maze/Module1.h"
#include "render/Module1.h"
#include "render/Print.h"
#include "ui/App.h"
#include "ui/Module1.h"
#include "ui/frmBasic.h"
#include "ui/toolkit/Application.h"
#include "ui/toolkit/Picture.h"
#include "ui/toolkit/Runtime.h"

namespace {

class SimpleWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::ResetRun();
    dialogs = FakeDialogs::Install();
  }
  void TearDown() override { uitest::ResetRun(); }

  // Starts the program with this preference file and returns its window.
  std::shared_ptr<frmBasic::frmBasic> Start(const std::string& prefs = "") {
    if (!prefs.empty()) uitest::WritePrefs(prefs);
    App::App_()->Event_Open();
    auto w = frmBasic::frmBasic_();
    tk::ProcessEvents();
    return w;
  }

  // Press a button the way the user does.
  static void Click(const std::shared_ptr<tk::BevelButton>& b) {
    b->ClickAt_(b->Width() / 2, b->Height() / 2);
  }

  std::string PdfPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("tarnwick-basic-" + name + ".pdf")).string();
  }

  std::shared_ptr<FakeDialogs> dialogs;
};

std::vector<bool> Grid() {
  std::vector<bool> cells;
  for (std::int64_t x = 0; x <= Module1::MAZE_X; ++x)
    for (std::int64_t y = 0; y <= Module1::MAZE_Y; ++y) cells.push_back(Module1::blnMaze(x, y));
  return cells;
}

}  // namespace

TEST_F(SimpleWindow, FirstStartShowsDefaultsAndStoresThemAtClose) {
  Module1::RANDOMISATION = 7;  // left alone: no difficulty change runs at open
  auto w = Start();
  EXPECT_EQ(w->Title(), "Tarnwick Lanes");
  EXPECT_EQ(w->Slider1()->Value(), 18);
  EXPECT_FALSE(w->Slider1()->Visible());
  EXPECT_EQ(Module1::MAZE_X, 19);
  EXPECT_EQ(Module1::MAZE_Y, 19);
  EXPECT_EQ(Module1::RANDOMISATION, 7);
  EXPECT_EQ(Module1::LastDoorUsed, 3);
  EXPECT_TRUE(Module1::blnMaze(Module1::MAZE_X - 1, Module1::MAZE_Y));  // exit bottom right
  EXPECT_EQ(Module1::myImageIndex, 0);
  EXPECT_EQ(w->BevelButton1()->Icon(), Module1::myPicts[0]);
  EXPECT_EQ(w->Label1()->Text(), "3");
  EXPECT_EQ(w->PrintsLeft, 3);
  EXPECT_TRUE(w->BevelButton7()->Enabled());
  EXPECT_TRUE(w->BevelButton8()->Enabled());
  EXPECT_TRUE(w->BevelButton2()->Enabled());
  EXPECT_FALSE(std::filesystem::exists(uitest::PrefsFile()));

  w->Close();
  EXPECT_EQ(uitest::ReadPrefs(), "[Basic]\nDifficulty=18\nIcon=0\n");
}

TEST_F(SimpleWindow, StoredDifficultyIsTakenWithinItsRange) {
  struct Case {
    const char* stored;
    std::int64_t value, side, line;
    bool easier, harder;
  };
  const Case cases[] = {{"40", 40, 41, 0, true, true},   {"17", 17, 17, 25, false, true},
                        {"95", 90, 91, 0, true, false},  {"22.9", 22, 23, 12, true, true},
                        {"-5", 17, 17, 25, false, true}, {"hard", 17, 17, 25, false, true}};
  for (const auto& c : cases) {
    uitest::ResetRun();
    auto w = Start(std::string("[Basic]\nDifficulty=") + c.stored + "\n");
    SCOPED_TRACE(c.stored);
    EXPECT_EQ(w->Slider1()->Value(), c.value);
    EXPECT_EQ(Module1::MAZE_X, c.side);
    EXPECT_EQ(Module1::MAZE_Y, c.side);
    EXPECT_EQ(Module1::RANDOMISATION, c.line);
    EXPECT_EQ(w->BevelButton8()->Enabled(), c.easier);
    EXPECT_EQ(w->BevelButton7()->Enabled(), c.harder);
  }
}

TEST_F(SimpleWindow, LineLengthFollowsTheDifficulty) {
  auto w = Start();
  const std::pair<int, int> table[] = {{17, 25}, {19, 25}, {20, 12}, {24, 12},
                                       {25, 5},  {29, 5},  {30, 0},  {90, 0}};
  for (const auto& [difficulty, line] : table) {
    w->Slider1()->SetValue(difficulty);
    EXPECT_EQ(Module1::RANDOMISATION, line) << difficulty;
    EXPECT_EQ(Module1::MAZE_X, 2 * (difficulty / 2) + 1);
    EXPECT_EQ(Module1::LastDoorUsed, 3);
  }
}

TEST_F(SimpleWindow, HarderAndEasierStepByFiveAndStopAtTheBounds) {
  auto w = Start();
  auto harder = w->BevelButton7();
  auto easier = w->BevelButton8();
  Click(easier);
  EXPECT_EQ(w->Slider1()->Value(), 17);
  EXPECT_FALSE(easier->Enabled());
  Click(easier);  // disabled: nothing
  EXPECT_EQ(w->Slider1()->Value(), 17);

  w->Slider1()->SetValue(18);
  std::vector<std::int64_t> seen;
  while (harder->Enabled() && seen.size() < 50) {
    Click(harder);
    seen.push_back(w->Slider1()->Value());
  }
  std::vector<std::int64_t> expected;
  for (int v = 23; v <= 88; v += 5) expected.push_back(v);
  expected.push_back(90);
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(Module1::MAZE_X, 91);
  EXPECT_TRUE(easier->Enabled());

  seen.clear();
  while (easier->Enabled() && seen.size() < 50) {
    Click(easier);
    seen.push_back(w->Slider1()->Value());
  }
  expected.clear();
  for (int v = 85; v >= 20; v -= 5) expected.push_back(v);
  expected.push_back(17);
  EXPECT_EQ(seen, expected);
  EXPECT_TRUE(harder->Enabled());
}

TEST_F(SimpleWindow, RefreshMakesANewMazeOfTheSameSizeAndLineLength) {
  auto w = Start();
  Click(w->BevelButton7());  // 23
  const auto line = Module1::RANDOMISATION;
  const auto before = Grid();
  Click(w->BevelButton9());
  EXPECT_EQ(Module1::MAZE_X, 23);
  EXPECT_EQ(Module1::RANDOMISATION, line);
  EXPECT_EQ(Module1::LastDoorUsed, 3);
  EXPECT_NE(Grid(), before);
}

TEST_F(SimpleWindow, BorderDesignStepsThroughTheTwelveDesignsWithoutANewMaze) {
  auto w = Start("[Basic]\nIcon=10\n");
  EXPECT_EQ(w->BevelButton1()->Icon(), Module1::myPicts[10]);
  const auto maze = Grid();
  Click(w->BevelButton1());
  EXPECT_EQ(Module1::myImageIndex, 11);
  EXPECT_EQ(w->BevelButton1()->Icon(), Module1::myPicts[11]);
  Click(w->BevelButton1());
  EXPECT_EQ(Module1::myImageIndex, 0);
  EXPECT_EQ(w->BevelButton1()->Icon(), Module1::myPicts[0]);
  EXPECT_EQ(Grid(), maze);
  w->Close();
  EXPECT_EQ(uitest::ReadPrefs(), "[Basic]\nIcon=0\nDifficulty=18\n");
}

TEST_F(SimpleWindow, StoredDesignNamingNoDesignTakesTheFirst) {
  for (const char* stored : {"12", "-1", "99999999999999999999"}) {
    uitest::ResetRun();
    auto w = Start(std::string("[Basic]\nIcon=") + stored + "\n");
    EXPECT_EQ(Module1::myImageIndex, 0) << stored;
    EXPECT_EQ(w->BevelButton1()->Icon(), Module1::myPicts[0]) << stored;
  }
}

TEST_F(SimpleWindow, OnlyConfirmedPrintsCountAgainstTheLimit) {
  auto w = Start();
  w->Show();
  w->Canvas1()->RepaintNow();
  auto print = w->BevelButton2();

  // Page setup cancelled, then print dialog cancelled: nothing counts.
  Click(print);
  dialogs->pageSetups = {true};
  Click(print);
  EXPECT_EQ(w->Label1()->Text(), "3");
  EXPECT_EQ(dialogs->Count("PageSetup"), 2);
  EXPECT_EQ(dialogs->Count("Print"), 1);

  const std::string pdf = PdfPath("limit");
  for (int i = 0; i < 3; ++i) {
    dialogs->printers.push_back(pdf);
    Click(print);
  }
  EXPECT_EQ(dialogs->Count("PageSetup"), 2);  // asked once a run, once confirmed
  EXPECT_EQ(w->PrintsLeft, 0);
  EXPECT_EQ(w->Label1()->Text(), "0");
  EXPECT_FALSE(print->Enabled());
  EXPECT_EQ(PdfPageCount(pdf), 1);
  dialogs->printers.push_back(pdf);
  Click(print);
  EXPECT_EQ(dialogs->Count("Print"), 4);  // the disabled button printed nothing
  std::filesystem::remove(pdf);
}

TEST_F(SimpleWindow, APrintThatCannotStartIsReportedAndNotCounted) {
  auto w = Start();
  w->Show();
  w->Canvas1()->RepaintNow();
  // A PDF file in a folder that is not there: the job cannot start.
  const auto missing = std::filesystem::temp_directory_path() / "tarnwick-no-such-folder" / "maze.pdf";
  std::filesystem::remove_all(missing.parent_path());
  dialogs->pageSetups = {true};
  dialogs->printers.push_back(missing.string());
  Click(w->BevelButton2());
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_NE(dialogs->messages[0].find("could not be printed"), std::string::npos) << dialogs->messages[0];
  EXPECT_EQ(w->PrintsLeft, 3);
  EXPECT_EQ(w->Label1()->Text(), "3");
  EXPECT_TRUE(w->BevelButton2()->Enabled());
  EXPECT_FALSE(std::filesystem::exists(missing));
  // Straight from the routine: a failure, never True.
  dialogs->printers.push_back(missing.string());
  EXPECT_ANY_THROW(Module1::PrintImage(Module1::myDrawing, true));
}

TEST_F(SimpleWindow, NoPrintAllowedWithALimitOfZeroOrBelow) {
  for (const char* limit : {"0", "-2", "none"}) {
    uitest::ResetRun();
    auto w = Start(std::string("[All]\nPrintLimit=") + limit + "\n");
    EXPECT_EQ(w->Label1()->Text(), "0") << limit;
    EXPECT_FALSE(w->BevelButton2()->Enabled()) << limit;
  }
}

TEST_F(SimpleWindow, QuitButtonAndCloseBoxBothStoreTheSettingsAndEndTheRun) {
  for (bool closeBox : {false, true}) {
    uitest::ResetRun();
    auto w = Start("[Basic]\nDifficulty=50\nIcon=3\n");
    w->Show();
    const int quits = tk::QuitRequests();
    Click(w->BevelButton7());
    if (closeBox)
      w->Widget()->close();
    else
      Click(w->BevelButton4());
    EXPECT_FALSE(w->IsOpen());
    EXPECT_GT(tk::QuitRequests(), quits);
    EXPECT_EQ(uitest::ReadPrefs(), "[Basic]\nDifficulty=55\nIcon=3\n");
  }
}

TEST_F(SimpleWindow, LooksFinishedWithNothingClipped) {
  auto w = Start();
  w->Show();
  tk::ProcessEvents();
  const QImage shot = w->Grab();
  shot.save(QString::fromStdString((testpaths::Screenshots() / "frmBasic.png").string()));
  EXPECT_EQ(w->Content()->width(), 745);
  EXPECT_EQ(w->Content()->height(), 776);

  // Every caption and the prints-left number fit their controls.
  for (const auto& b : {w->BevelButton1(), w->BevelButton2(), w->BevelButton4(), w->BevelButton7(),
                        w->BevelButton8(), w->BevelButton9()}) {
    const QFontMetrics fm(b->Widget()->font());
    EXPECT_LE(fm.horizontalAdvance(QString::fromStdString(b->Caption()).remove('&')), b->Width() - 4)
        << b->Caption();
  }
  for (const char* count : {"3", "25", "88"}) {
    w->Label1()->SetText(count);
    const QFontMetrics big(w->Label1()->Widget()->font());
    EXPECT_LE(big.horizontalAdvance(count), w->Label1()->Width()) << count;
    EXPECT_LE(big.height(), w->Label1()->Height()) << count;
    EXPECT_GE(big.height(), 40) << count;  // still the big number
  }
  w->Label1()->SetText("3");

  // The maze view: black frame, walls drawn, white passages.
  const int top = shot.height() - 776;
  EXPECT_EQ(shot.pixelColor(0, top + 300), QColor(0, 0, 0));
  EXPECT_EQ(shot.pixelColor(575, top + 300), QColor(0, 0, 0));
  int white = 0, dark = 0;
  for (int y = top + 10; y < top + 746; y += 7)
    for (int x = 10; x < 566; x += 7) {
      const QColor c = shot.pixelColor(x, y);
      if (c == QColor(255, 255, 255)) ++white;
      if (c.lightness() < 60) ++dark;
    }
  EXPECT_GT(white, 1000);
  EXPECT_GT(dark, 1000);
}

TEST_F(SimpleWindow, BorderDesignRestylesThePaintedMaze) {
  auto w = Start();
  w->Show();
  w->Canvas1()->RepaintNow();
  const QImage before = w->Canvas1()->Widget()->grab().toImage();
  Click(w->BevelButton1());
  Click(w->BevelButton1());  // design 2, a picture
  tk::FlushRefreshes();
  const QImage after = w->Canvas1()->Widget()->grab().toImage();
  EXPECT_NE(before, after);
  EXPECT_EQ(after.size(), QSize(576, 756));
}
