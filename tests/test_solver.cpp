// The step-wise search: which cells it reaches in which order, how it ends,
// and how it is stopped, on hand-made grids and on generated mazes, driven
// step by step and by the advanced window's own timer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "FakeDialogs.h"
#include "MazeAscii.h"
#include "UiTestSupport.h"
#include "maze/Module1.h"
#include "render/Module1.h"
#include "solver/Module1.h"
#include "solver/PathFind.h"
#include "ui/App.h"
#include "ui/Module1.h"
#include "ui/frmPro.h"
#include "ui/toolkit/Runtime.h"
#include "ui/toolkit/Window.h"

namespace {

using Cell = std::pair<std::int64_t, std::int64_t>;
using Cells = std::vector<Cell>;

class Solver : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::ResetRun();
    dialogs = FakeDialogs::Install();
    Module1::SetupINIandPrefs();
    Module1::SetupMyPicts(0x000000);
    App::App_()->BasicPro = 1;
    window = frmPro::frmPro_();
    window->Show();
    tk::ProcessEvents();
  }
  void TearDown() override {
    window = nullptr;
    uitest::ResetRun();
  }

  // A hand-made grid with its entrance and exit; any cell can be the exit.
  static void LoadGrid(const std::string& art, Cell start, Cell exit) {
    mazeascii::Load(art);
    PathFind::mStartCol = start.first;
    PathFind::mStartRow = start.second;
    PathFind::mEndCol = exit.first;
    PathFind::mEndRow = exit.second;
  }

  // Starts a search as the Solve button does, then steps it by hand,
  // noting the cell of each node taken from the frontier.
  static Cells StepUntilFound(int limit = 100000) {
    PathFind::hasSolution = false;
    PathFind::FindingSolution = true;
    PathFind::Reset();
    Cells taken;
    while (PathFind::FindingSolution && int(taken.size()) < limit) {
      if (!PathFind::mFrontierList.empty())
        taken.emplace_back(PathFind::mFrontierList.front()->mCol, PathFind::mFrontierList.front()->mRow);
      PathFind::DoOneSearchStep();
    }
    return taken;
  }

  static Cells Frontier() {
    Cells cells;
    for (const auto& n : PathFind::mFrontierList) cells.emplace_back(n->mCol, n->mRow);
    return cells;
  }

  // The found path from the entrance to the exit.
  static Cells Path() {
    Cells cells;
    for (auto n = PathFind::finalnode; n; n = n->mParent) cells.emplace(cells.begin(), n->mCol, n->mRow);
    return cells;
  }

  static std::vector<Cell> Marked() {
    std::vector<Cell> cells;
    for (std::int64_t x = 0; x <= Module1::MAZE_X; ++x)
      for (std::int64_t y = 0; y <= Module1::MAZE_Y; ++y)
        if (PathFind::mCellState(x, y)) cells.emplace_back(x, y);
    return cells;
  }

  // Runs the real event loop, the window's timer included, until the
  // search has ended.
  static bool RunSearch(int timeoutMs = 120000) {
    return uitest::RunEventsUntil([] { return !PathFind::FindingSolution; }, timeoutMs);
  }

  std::shared_ptr<FakeDialogs> dialogs;
  std::shared_ptr<frmPro::frmPro> window;
};

TEST_F(Solver, ResetMarksAndQueuesOnlyTheEntrance) {
  Module1::CreateMaze(41, 41, false);
  for (std::int64_t x = 0; x <= 151; ++x) PathFind::mCellState(x, 7) = true;  // left from an earlier search
  PathFind::Reset();
  EXPECT_EQ(Marked(), (Cells{{PathFind::mStartCol, PathFind::mStartRow}}));
  ASSERT_EQ(PathFind::mFrontierList.size(), 1u);
  const auto& start = PathFind::mFrontierList[0];
  EXPECT_EQ(Cell(start->mCol, start->mRow), Cell(2, 1));
  EXPECT_EQ(start->mParent, nullptr);
  EXPECT_EQ(start->mCost, 0.0);
}

TEST_F(Solver, EqualLeftAndRightNeighboursGoRightFirstAndTheStepThatFindsTheExitGoesOn) {
  // From (3, 2) the cells left and right lie equally far from the exit
  // (3, 5); the right one is queued last, so it is expanded first.
  LoadGrid("##.##\n"
           "#...#\n"
           "#.#.#\n"
           "#...#\n"
           "##.##\n",
           {3, 1}, {3, 5});
  PathFind::hasSolution = false;
  PathFind::FindingSolution = true;
  PathFind::Reset();
  PathFind::DoOneSearchStep();
  PathFind::DoOneSearchStep();
  EXPECT_EQ(Frontier(), (Cells{{4, 2}, {2, 2}}));

  const Cells taken = StepUntilFound();
  EXPECT_EQ(taken, (Cells{{3, 1}, {3, 2}, {4, 2}, {4, 3}, {4, 4}, {3, 4}}));
  EXPECT_EQ(Path(), (Cells{{3, 1}, {3, 2}, {4, 2}, {4, 3}, {4, 4}, {3, 4}, {3, 5}}));
  // (3, 4) found the exit below it and still queued its left neighbour.
  EXPECT_EQ(Frontier(), (Cells{{2, 4}, {2, 2}}));
  EXPECT_TRUE(PathFind::mCellState(2, 4));
}

TEST_F(Solver, NeighboursAreTriedUpDownLeftRightAndTheExitIsNeverQueuedOrMarked) {
  LoadGrid("#.#####\n"
           "#.#.#.#\n"
           "#.....#\n"
           "#.#.#.#\n"
           "#######\n",
           {2, 1}, {6, 3});
  const Cells taken = StepUntilFound();
  // (4, 2) and (4, 4) are equally far from the exit: the lower one, queued
  // after the upper one, stands ahead of it; (5, 3) is nearer than both.
  EXPECT_EQ(taken, (Cells{{2, 1}, {2, 2}, {2, 3}, {3, 3}, {4, 3}, {5, 3}}));
  EXPECT_EQ(Frontier(), (Cells{{4, 4}, {4, 2}, {2, 4}}));
  EXPECT_EQ(Path(), (Cells{{2, 1}, {2, 2}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}}));
  EXPECT_EQ(PathFind::finalnode->mCost, 6.0);
  EXPECT_FALSE(PathFind::mCellState(6, 3)) << "the exit is never marked";
  for (const auto& n : PathFind::mFrontierList) EXPECT_NE(Cell(n->mCol, n->mRow), Cell(6, 3));
}

TEST_F(Solver, AnExitThatIsAWallEndsInTheMessageWithTheSearchStopped) {
  LoadGrid("#.###\n"
           "#...#\n"
           "#.#.#\n"
           "#...#\n"
           "#####\n",
           {2, 1}, {4, 5});
  window->btnFindSolution()->Push();
  ASSERT_TRUE(RunSearch());
  EXPECT_EQ(dialogs->messages, (std::vector<std::string>{"Unable to find solution!"}));
  EXPECT_FALSE(PathFind::hasSolution);
  EXPECT_EQ(window->PathTimer()->Mode(), tk::Timer::ModeOff);
  EXPECT_TRUE(window->btnFindSolution()->Enabled());
  EXPECT_TRUE(PathFind::mFrontierList.empty());
  // Every open cell was reached once: nine steps, and one that found the
  // frontier empty. The marks stay.
  EXPECT_EQ(Marked().size(), 9u);
  EXPECT_EQ(window->PathTimer()->Ticks_(), 10);
}

TEST_F(Solver, SolvingTwiceVisitsTheSameCellsInTheSameOrderAndFindsTheOnePath) {
  window->Slider1()->SetValue(61);
  window->Slider2()->SetValue(45);
  Cells taken;
  auto step = window->PathTimer()->Action;
  window->PathTimer()->Action = [&](tk::Timer& t) {
    if (!PathFind::mFrontierList.empty())
      taken.emplace_back(PathFind::mFrontierList.front()->mCol, PathFind::mFrontierList.front()->mRow);
    step(t);
  };

  window->btnFindSolution()->Push();
  ASSERT_TRUE(RunSearch());
  ASSERT_TRUE(PathFind::hasSolution);
  const Cells first = taken;
  const Cells firstPath = Path();
  const auto firstMarks = Marked();

  taken.clear();
  window->btnFindSolution()->Push();
  EXPECT_FALSE(PathFind::hasSolution) << "Solve withdraws the shown path";
  ASSERT_TRUE(RunSearch());
  EXPECT_EQ(taken, first);
  EXPECT_EQ(Path(), firstPath);
  EXPECT_EQ(Marked(), firstMarks);
  EXPECT_TRUE(dialogs->messages.empty());

  // The path runs from the entrance to the exit in orthogonal steps over
  // open cells, each cell once.
  ASSERT_GE(firstPath.size(), 2u);
  EXPECT_EQ(firstPath.front(), Cell(2, 1));
  EXPECT_EQ(firstPath.back(), Cell(PathFind::mEndCol, PathFind::mEndRow));
  for (std::size_t i = 0; i < firstPath.size(); ++i) {
    EXPECT_TRUE(Module1::blnMaze(firstPath[i].first, firstPath[i].second));
    if (i > 0) {
      EXPECT_EQ(std::abs(firstPath[i].first - firstPath[i - 1].first) +
                    std::abs(firstPath[i].second - firstPath[i - 1].second),
                1);
    }
  }
}

TEST_F(Solver, EveryGeneratedMazeIsSolvedOnEveryExit) {
  for (std::int64_t door = 1; door <= 3; ++door) {
    for (int size : {17, 40, 150}) {
      Module1::LastDoorUsed = door;
      Module1::CreateMaze(size, size + 3, false);
      StepUntilFound();
      EXPECT_TRUE(PathFind::hasSolution) << "door " << door << " size " << size;
      EXPECT_EQ(Path().back(), Cell(PathFind::mEndCol, PathFind::mEndRow));
    }
  }
  EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(Solver, ANewMazeStopsARunningSearchAndTheNextSolveStartsAfresh) {
  window->Slider1()->SetValue(150);
  window->Slider2()->SetValue(150);
  window->btnFindSolution()->Push();
  tk::ProcessEventsFor(30);
  ASSERT_TRUE(PathFind::FindingSolution);
  window->BevelButton5()->Push();  // Redraw
  EXPECT_FALSE(PathFind::FindingSolution);
  EXPECT_FALSE(PathFind::hasSolution);
  EXPECT_EQ(window->PathTimer()->Mode(), tk::Timer::ModeOff);
  EXPECT_TRUE(window->btnFindSolution()->Enabled());
  const long ticks = window->PathTimer()->Ticks_();
  tk::ProcessEventsFor(20);
  EXPECT_EQ(window->PathTimer()->Ticks_(), ticks) << "the timer no longer ticks";

  window->btnFindSolution()->Push();
  EXPECT_EQ(Marked(), (Cells{{2, 1}}));
  EXPECT_TRUE(uitest::RunEventsUntil([&] { return window->PathTimer()->Ticks_() > ticks; }));
  EXPECT_TRUE(PathFind::FindingSolution);
}

TEST_F(Solver, StoppingWithTheSimpleWindowInUseTouchesNothing) {
  window->Close();
  window = nullptr;
  tk::ProcessEvents();
  App::App_()->BasicPro = 0;
  PathFind::hasSolution = true;
  Module1::TurnOffSolutionFinding();
  Module1::CreateMaze(19, 19, false);
  EXPECT_TRUE(PathFind::hasSolution);
  EXPECT_EQ(tk::FindImplicitWindow("frmPro.frmPro"), nullptr) << "the advanced window was made";
}

}  // namespace
