// The advanced window driven as the user drives it, offscreen, with its real
// event loop and timer.
#include <gtest/gtest.h>

#include <QImage>
#include <QSlider>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "FakeDialogs.h"
#include "TestPaths.h"
#include "UiTestSupport.h"
#include "maze/Module1.h"
#include "render/Module1.h"
#include "render/Pictures.h"
#include "solver/PathFind.h"
#include "ui/App.h"
#include "ui/Module1.h"
#include "ui/frmPro.h"
#include "ui/toolkit/Runtime.h"

namespace {

class ProWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::ResetRun();
    dialogs = FakeDialogs::Install();
    Module1::SetupINIandPrefs();
    Module1::SetupMyPicts(0x000000);
    for (const auto& design : Module1::myPicts) design->SetTransparent(1);
    App::App_()->BasicPro = 1;
  }
  void TearDown() override { uitest::ResetRun(); }

  std::shared_ptr<frmPro::frmPro> Open() {
    auto w = frmPro::frmPro_();
    w->Show();
    tk::ProcessEvents();
    return w;
  }

  // Runs the event loop until the running search ends.
  static bool RunSearch(int timeoutMs = 60000) {
    return uitest::RunEventsUntil([] { return !PathFind::FindingSolution; }, timeoutMs);
  }

  // The open state of the exit door cells: right edge, bottom left, bottom right.
  static std::tuple<bool, bool, bool> ExitCells() {
    return {Module1::blnMaze(Module1::MAZE_X, 2), Module1::blnMaze(2, Module1::MAZE_Y),
            Module1::blnMaze(Module1::MAZE_X - 1, Module1::MAZE_Y)};
  }

  // The grid strictly inside the border: rooms and passages.
  static std::vector<bool> Inside() {
    std::vector<bool> cells;
    for (std::int64_t y = 2; y < Module1::MAZE_Y; ++y)
      for (std::int64_t x = 2; x < Module1::MAZE_X; ++x) cells.push_back(Module1::blnMaze(x, y));
    return cells;
  }

  std::shared_ptr<FakeDialogs> dialogs;
};

TEST_F(ProWindow, IsBuiltWithItsControlsWhereTheyBelongAndTheirPictures) {
  auto w = Open();
  EXPECT_EQ(w->Title(), "Tarnwick Lanes");
  EXPECT_EQ(w->Width(), 769);
  EXPECT_EQ(w->Height(), 803);
  struct Place {
    std::string name;
    int left, top, width, height;
  };
  const std::vector<Place> places = {
      {"Slider1", 0, 760, 576, 23},       {"Slider2", 580, 0, 29, 756},       {"Canvas1", 0, 0, 576, 756},
      {"BevelButton1", 619, 14, 132, 128}, {"BevelButton2", 635, 571, 100, 100}, {"BevelButton3", 635, 459, 100, 100},
      {"BevelButton4", 635, 683, 100, 100}, {"BevelButton5", 619, 154, 60, 80}, {"BevelButton6", 691, 154, 60, 80},
      {"Slider3", 656, 250, 55, 23},      {"Canvas2", 619, 245, 32, 33},      {"Canvas3", 716, 245, 35, 33},
      {"Label1", 619, 290, 100, 20},      {"Rectangle1", 619, 314, 132, 14},  {"btnFindSolution", 635, 347, 100, 100},
  };
  ASSERT_EQ(w->Controls_().size(), places.size() + 1);  // and the timer
  for (const auto& p : places) {
    auto c = w->ControlByName_(p.name);
    ASSERT_NE(c, nullptr) << p.name;
    EXPECT_EQ(std::make_tuple(c->Left(), c->Top(), c->Width(), c->Height()),
              std::make_tuple(p.left, p.top, p.width, p.height))
        << p.name;
    EXPECT_EQ(c->Widget()->geometry(), QRect(p.left, p.top, p.width, p.height)) << p.name;
  }
  EXPECT_EQ(w->Slider1(), w->Slider1()) << "a control is the same object at every lookup";
  EXPECT_EQ(frmPro::frmPro_(), w);

  EXPECT_EQ(std::make_tuple(w->Slider1()->Minimum(), w->Slider1()->Maximum(), w->Slider1()->Value()),
            std::make_tuple(17, 150, 25));
  EXPECT_EQ(std::make_tuple(w->Slider2()->Minimum(), w->Slider2()->Maximum(), w->Slider2()->Value()),
            std::make_tuple(17, 150, 17));
  EXPECT_EQ(std::make_tuple(w->Slider3()->Minimum(), w->Slider3()->Maximum(), w->Slider3()->Value()),
            std::make_tuple(0, 25, 0));
  // The height slider runs up and down beside the maze view, the width
  // slider along under it.
  EXPECT_EQ(qobject_cast<QSlider*>(w->Slider2()->Widget())->orientation(), Qt::Vertical);
  EXPECT_EQ(qobject_cast<QSlider*>(w->Slider1()->Widget())->orientation(), Qt::Horizontal);
  EXPECT_EQ(w->PathTimer()->Mode(), tk::Timer::ModeOff);
  EXPECT_EQ(w->PathTimer()->Period(), 1);

  EXPECT_EQ(w->BevelButton1()->Caption(), "Border Design");
  EXPECT_EQ(w->BevelButton2()->Caption(), "Print");
  EXPECT_EQ(w->BevelButton3()->Caption(), "Save");
  EXPECT_EQ(w->BevelButton4()->Caption(), "&Quit");
  EXPECT_EQ(w->BevelButton5()->Caption(), "Redraw");
  EXPECT_EQ(w->BevelButton6()->Caption(), "Door");
  EXPECT_EQ(w->btnFindSolution()->Caption(), "Solve");
  EXPECT_EQ(w->Label1()->Text(), "Color:");
  EXPECT_EQ(w->BevelButton2()->Icon(), Pictures::print64());
  EXPECT_EQ(w->BevelButton3()->Icon(), Pictures::save64());
  EXPECT_EQ(w->BevelButton4()->Icon(), Pictures::close64());
  EXPECT_EQ(w->BevelButton5()->Icon(), Pictures::refresh48());
  EXPECT_EQ(w->BevelButton6()->Icon(), Pictures::move48());
  EXPECT_EQ(w->btnFindSolution()->Icon(), Pictures::search64());
  EXPECT_EQ(w->Canvas2()->Backdrop(), Pictures::ShortLine());
  EXPECT_EQ(w->Canvas3()->Backdrop(), Pictures::LongLine());
  EXPECT_NE(w->btnFindSolution()->Icon(), nullptr);
  // Once open, Border Design shows the design in use instead of the sunflower.
  EXPECT_EQ(w->BevelButton1()->Icon(), Module1::myPicts[0]);
  EXPECT_EQ(w->Rectangle1()->FillColor(), 0x000000u);
}

TEST_F(ProWindow, FirstOpeningUsesTheDesignValuesAndClosingStoresTheSettings) {
  auto w = Open();
  EXPECT_EQ(Module1::MAZE_X, 25);
  EXPECT_EQ(Module1::MAZE_Y, 17);
  EXPECT_EQ(Module1::RANDOMISATION, 0);
  EXPECT_EQ(Module1::myImageIndex, 0);
  EXPECT_TRUE(w->Label1()->Visible());
  EXPECT_TRUE(w->Rectangle1()->Visible());
  EXPECT_GE(Module1::LastDoorUsed, 1);
  EXPECT_LE(Module1::LastDoorUsed, 3);
  const auto door = Module1::LastDoorUsed;
  w->BevelButton4()->Push();  // Quit
  EXPECT_FALSE(w->IsOpen());
  EXPECT_EQ(uitest::ReadPrefs(), "[Pro]\nWidth=25\nHeight=17\nLineLength=0\nIcon=0\nDoor=" + std::to_string(door) + "\n");
}

TEST_F(ProWindow, OpeningTakesTheStoredSettingsWithinTheSliderRanges) {
  uitest::WritePrefs("[Pro]\nWidth=40\nHeight=60\nLineLength=5\nIcon=4\n");
  auto w = Open();
  EXPECT_EQ(Module1::MAZE_X, 41);
  EXPECT_EQ(Module1::MAZE_Y, 61);
  EXPECT_EQ(Module1::RANDOMISATION, 5);
  EXPECT_EQ(Module1::myImageIndex, 4);
  EXPECT_EQ(w->BevelButton1()->Icon(), Module1::myPicts[4]);
  EXPECT_FALSE(w->Label1()->Visible());
  EXPECT_FALSE(w->Rectangle1()->Visible());
  w->Close();

  uitest::WritePrefs("[Pro]\nWidth=300\nHeight=abc\nLineLength=40.9\nIcon=57\n");
  w = Open();
  EXPECT_EQ(w->Slider1()->Value(), 150);
  EXPECT_EQ(Module1::MAZE_X, 151);
  EXPECT_EQ(w->Slider2()->Value(), 17) << "no number reads as 0, held at the minimum";
  EXPECT_EQ(w->Slider3()->Value(), 25);
  EXPECT_EQ(Module1::RANDOMISATION, 25);
  EXPECT_EQ(Module1::myImageIndex, 0) << "a design that does not exist falls back to the first";
  w->Close();

  uitest::WritePrefs("[Pro]\nWidth=40.9\nHeight=\n");
  w = Open();
  EXPECT_EQ(w->Slider1()->Value(), 40);
  EXPECT_EQ(w->Slider2()->Value(), 17);
}

TEST_F(ProWindow, TheStoredDoorIsNotUsedAtOpening) {
  std::set<std::int64_t> doors;
  for (int i = 0; i < 15; ++i) {
    uitest::WritePrefs("[Pro]\nDoor=2\n");
    auto w = Open();
    doors.insert(Module1::LastDoorUsed);
    w->Close();
  }
  EXPECT_GT(doors.size(), 1u) << "fifteen openings all had exit 2";
  for (auto d : doors) EXPECT_TRUE(d >= 1 && d <= 3) << d;
}

TEST_F(ProWindow, DoorStepsTheExitAroundWithoutNewPassagesAndStopsTheSearch) {
  auto w = Open();
  w->Slider1()->SetValue(61);
  Module1::LastDoorUsed = 3;
  w->BevelButton5()->Push();
  const auto passages = Inside();
  ASSERT_EQ(ExitCells(), std::make_tuple(false, false, true));

  w->btnFindSolution()->Push();
  ASSERT_TRUE(RunSearch());
  ASSERT_TRUE(PathFind::hasSolution);
  w->BevelButton6()->Push();
  EXPECT_EQ(Module1::LastDoorUsed, 1);
  EXPECT_EQ(ExitCells(), std::make_tuple(true, false, false));
  EXPECT_FALSE(PathFind::hasSolution) << "the path to the old exit is withdrawn";
  EXPECT_EQ(std::make_pair(PathFind::mEndCol, PathFind::mEndRow), std::make_pair(Module1::MAZE_X, std::int64_t(2)));

  w->btnFindSolution()->Push();
  w->BevelButton6()->Push();
  EXPECT_FALSE(PathFind::FindingSolution) << "a running search stops";
  EXPECT_EQ(w->PathTimer()->Mode(), tk::Timer::ModeOff);
  EXPECT_TRUE(w->btnFindSolution()->Enabled());
  EXPECT_EQ(Module1::LastDoorUsed, 2);
  EXPECT_EQ(ExitCells(), std::make_tuple(false, true, false));

  w->BevelButton6()->Push();
  EXPECT_EQ(Module1::LastDoorUsed, 3);
  EXPECT_EQ(ExitCells(), std::make_tuple(false, false, true));
  EXPECT_TRUE(Module1::blnMaze(2, 1)) << "the entrance stays open";
  EXPECT_EQ(Inside(), passages);

  // The search finds the exit in its new place.
  w->btnFindSolution()->Push();
  ASSERT_TRUE(RunSearch());
  EXPECT_EQ(std::make_pair(PathFind::finalnode->mCol, PathFind::finalnode->mRow),
            std::make_pair(Module1::MAZE_X - 1, Module1::MAZE_Y));
}

TEST_F(ProWindow, LineLengthFollowsTheSliderAndItsIconsWithinItsRange) {
  auto w = Open();
  w->Canvas2()->ClickAt_(10, 10);  // short line at 0
  EXPECT_EQ(w->Slider3()->Value(), 0);
  const auto before = Inside();
  w->Canvas3()->ClickAt_(10, 10);
  EXPECT_EQ(w->Slider3()->Value(), 1);
  EXPECT_EQ(Module1::RANDOMISATION, 1);
  EXPECT_NE(Inside(), before) << "a new maze";
  w->Slider3()->SetValue(25);
  EXPECT_EQ(Module1::RANDOMISATION, 25);
  w->Canvas3()->ClickAt_(10, 10);
  EXPECT_EQ(w->Slider3()->Value(), 25);
  w->Canvas2()->ClickAt_(10, 10);
  EXPECT_EQ(Module1::RANDOMISATION, 24);
  // The size sliders make a new maze of their size with the exit kept.
  const auto door = Module1::LastDoorUsed;
  w->Slider2()->SetValue(99);
  EXPECT_EQ(std::make_pair(Module1::MAZE_X, Module1::MAZE_Y), std::make_pair(std::int64_t(25), std::int64_t(99)));
  w->Slider1()->SetValue(32);
  EXPECT_EQ(std::make_pair(Module1::MAZE_X, Module1::MAZE_Y), std::make_pair(std::int64_t(33), std::int64_t(99)));
  EXPECT_EQ(Module1::LastDoorUsed, door);
}

TEST_F(ProWindow, BorderDesignCyclesAndShowsTheColourSwatchOnlyForTheColourDesigns) {
  auto w = Open();
  w->btnFindSolution()->Push();
  const auto passages = Inside();
  for (int press = 1; press <= 12; ++press) {
    w->BevelButton1()->Push();
    const auto index = press % 12;
    EXPECT_EQ(Module1::myImageIndex, index);
    EXPECT_EQ(w->BevelButton1()->Icon(), Module1::myPicts[std::size_t(index)]);
    EXPECT_EQ(w->Label1()->Visible(), index <= 1) << index;
    EXPECT_EQ(w->Rectangle1()->Visible(), index <= 1) << index;
  }
  EXPECT_EQ(Inside(), passages);
  EXPECT_TRUE(PathFind::FindingSolution) << "the search runs on";
}

TEST_F(ProWindow, TheColourSwatchRebuildsTheColourDesignsWhenAColourIsChosen) {
  auto w = Open();
  const auto designs = Module1::myPicts;
  dialogs->colors.push_back(std::nullopt);
  w->Rectangle1()->ClickAt_(5, 5);
  ASSERT_EQ(dialogs->colorRequests.size(), 1u);
  EXPECT_EQ(dialogs->colorRequests[0], std::make_pair(tk::Color(0x000000), std::string("Select Color")));
  EXPECT_EQ(Module1::myPicts, designs) << "a cancelled dialog changes nothing";
  EXPECT_EQ(w->Rectangle1()->FillColor(), 0x000000u);

  w->BevelButton1()->Push();  // the solid tile
  dialogs->colors.push_back(tk::Color(0x2040C0));
  w->Rectangle1()->ClickAt_(5, 5);
  EXPECT_EQ(dialogs->colorRequests.back().first, 0x000000u);
  EXPECT_EQ(w->Rectangle1()->FillColor(), 0x2040C0u);
  EXPECT_EQ(Module1::myPicts[1]->RGBSurface().Pixel(30, 30), 0x2040C0u);
  EXPECT_EQ(w->BevelButton1()->Icon(), Module1::myPicts[1]);
  tk::FlushRefreshes();
  EXPECT_EQ(Module1::myDrawing->RGBSurface().Pixel(1, 1), 0x2040C0u) << "the view shows the new colour";

  // The colour stays while the user steps through the other designs.
  for (int i = 0; i < 11; ++i) w->BevelButton1()->Push();
  EXPECT_EQ(Module1::myImageIndex, 0);
  dialogs->colors.push_back(std::nullopt);
  w->Rectangle1()->ClickAt_(5, 5);
  EXPECT_EQ(dialogs->colorRequests.back().first, 0x2040C0u);
  EXPECT_EQ(w->Rectangle1()->FillColor(), 0x2040C0u);
}

TEST_F(ProWindow, ClearSolutionCanBeChosenExactlyWhileAPathIsShown) {
  auto w = Open();
  auto clearEnabled = [&] {
    w->RefreshMenus();
    return w->mnuClearSolution()->Enabled;
  };
  EXPECT_FALSE(clearEnabled());
  w->btnFindSolution()->Push();
  EXPECT_FALSE(clearEnabled());
  ASSERT_TRUE(RunSearch());
  EXPECT_TRUE(clearEnabled());
  EXPECT_TRUE(w->DoMenuCommand("mnuClearSolution"));
  EXPECT_FALSE(PathFind::hasSolution);
  EXPECT_FALSE(clearEnabled());
  EXPECT_FALSE(w->DoMenuCommand("mnuClearSolution")) << "a disabled item runs nothing";

  w->btnFindSolution()->Push();
  ASSERT_TRUE(RunSearch());
  EXPECT_TRUE(clearEnabled());
  w->BevelButton5()->Push();  // a new maze withdraws the path
  EXPECT_FALSE(clearEnabled());
}

TEST_F(ProWindow, AboutAndPreferencesOpenModally) {
  auto w = Open();
  EXPECT_TRUE(w->DoMenuCommand("FileAbout"));
  EXPECT_TRUE(w->DoMenuCommand("mnuPrefs"));
  EXPECT_EQ(dialogs->modalWindows, (std::vector<std::string>{"frmAbout.frmAbout", "frmPrefs.frmPrefs"}));
  EXPECT_TRUE(w->IsOpen());
}

TEST_F(ProWindow, SolveRunsTheSearchOnTheTimerUntilThePathIsShown) {
  auto w = Open();
  w->Slider1()->SetValue(80);
  w->Slider2()->SetValue(100);
  w->btnFindSolution()->Push();
  EXPECT_TRUE(PathFind::FindingSolution);
  EXPECT_FALSE(w->btnFindSolution()->Enabled());
  tk::ProcessEventsFor(150);
  tk::FlushRefreshes();
  w->Grab().save(QString::fromStdString((testpaths::Screenshots() / "frmPro-searching.png").string()));
  ASSERT_TRUE(RunSearch());
  EXPECT_TRUE(PathFind::hasSolution);
  EXPECT_TRUE(w->btnFindSolution()->Enabled());
  EXPECT_EQ(w->PathTimer()->Mode(), 0);
  tk::FlushRefreshes();
  w->Grab().save(QString::fromStdString((testpaths::Screenshots() / "frmPro-solved.png").string()));
}

}  // namespace
