#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <vector>

#include "MazeAscii.h"
#include "maze/Module1.h"
#include "solver/Module1.h"
#include "solver/PathFind.h"
#include "ui/App.h"
#include "ui/toolkit/Random.h"

namespace {

struct CellCounts {
  std::int64_t rooms = 0;
  std::int64_t openRooms = 0;
  std::int64_t openPassages = 0;
  std::int64_t openElsewhere = 0;  // pillars, border, row 0, column 0
};

CellCounts Count() {
  CellCounts c;
  const auto X = Module1::MAZE_X, Y = Module1::MAZE_Y;
  for (std::int64_t y = 0; y <= Y; ++y) {
    for (std::int64_t x = 0; x <= X; ++x) {
      const bool open = Module1::blnMaze(x, y);
      const bool inside = x > 1 && x < X && y > 1 && y < Y;
      const bool room = inside && x % 2 == 0 && y % 2 == 0;
      const bool passage = inside && (x % 2) != (y % 2);
      if (room) {
        ++c.rooms;
        c.openRooms += open;
      } else if (passage) {
        c.openPassages += open;
      } else {
        c.openElsewhere += open;
      }
    }
  }
  return c;
}

// Open cells reachable from (sx, sy) by orthogonal steps, walked here rather
// than trusting the generator's own count.
std::int64_t Reachable(std::int64_t sx, std::int64_t sy) {
  const auto X = Module1::MAZE_X, Y = Module1::MAZE_Y;
  std::vector<char> seen(std::size_t((X + 1) * (Y + 1)), 0);
  std::deque<std::pair<std::int64_t, std::int64_t>> todo{{sx, sy}};
  seen[std::size_t(sy * (X + 1) + sx)] = 1;
  std::int64_t count = 0;
  while (!todo.empty()) {
    auto [x, y] = todo.front();
    todo.pop_front();
    ++count;
    const std::int64_t steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (auto& s : steps) {
      const auto nx = x + s[0], ny = y + s[1];
      if (nx < 0 || ny < 0 || nx > X || ny > Y) continue;
      if (!Module1::blnMaze(nx, ny) || seen[std::size_t(ny * (X + 1) + nx)]) continue;
      seen[std::size_t(ny * (X + 1) + nx)] = 1;
      todo.push_back({nx, ny});
    }
  }
  return count;
}

void ExpectPerfectMaze() {
  const CellCounts c = Count();
  ASSERT_EQ(c.rooms, (Module1::MAZE_X - 1) * (Module1::MAZE_Y - 1) / 4);
  EXPECT_EQ(c.openRooms, c.rooms) << "every room is part of the maze";
  EXPECT_EQ(c.openPassages, c.rooms - 1) << "a spanning tree has rooms - 1 passages";
  EXPECT_EQ(c.openElsewhere, 0) << "pillars, border, row 0 and column 0 stay walls";
  // rooms + (rooms - 1) open cells that are all connected form a tree.
  EXPECT_EQ(Reachable(2, 2), c.openRooms + c.openPassages) << "the open cells are connected";
}

class MazeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tk::Random::SeedForTesting(20261208);
    Module1::RANDOMISATION = 0;
    Module1::LastDoorUsed = 3;
    App::App_()->BasicPro = 0;
  }
};

TEST_F(MazeTest, EveryGenerationIsAPerfectMaze) {
  const std::int64_t sizes[][2] = {{3, 3}, {3, 17}, {17, 3}, {17, 17}, {25, 17}, {19, 19},
                                   {151, 17}, {17, 151}, {91, 91}, {151, 151}};
  for (const std::int64_t lineLength : {0, 5, 12, 25}) {
    for (const auto& size : sizes) {
      for (int round = 0; round < 3; ++round) {
        Module1::RANDOMISATION = lineLength;
        Module1::MAZE_X = size[0];
        Module1::MAZE_Y = size[1];
        Module1::GenerateMaze();
        SCOPED_TRACE(testing::Message() << size[0] << " x " << size[1] << " line length " << lineLength);
        ExpectPerfectMaze();
      }
    }
  }
}

TEST_F(MazeTest, RequestedSizesBecomeOddGridSidesWithinTheSolverBounds) {
  const std::pair<std::int64_t, std::int64_t> cases[] = {
      {17, 17}, {18, 19}, {150, 151}, {151, 151}, {2, 3}, {3, 3}, {90, 91},
      // Out-of-range requests are kept inside 3..151.
      {1, 3}, {0, 3}, {-7, 3}, {152, 151}, {1000, 151}};
  for (auto [request, side] : cases) {
    Module1::CreateMaze(request, request, false);
    EXPECT_EQ(Module1::MAZE_X, side) << "request " << request;
    EXPECT_EQ(Module1::MAZE_Y, side) << "request " << request;
    EXPECT_EQ(Module1::blnMaze.MaxX(), side);
    EXPECT_EQ(Module1::blnMaze.MaxY(), side);
  }
  Module1::CreateMaze(150, 17, false);
  EXPECT_EQ(Module1::MAZE_X, 151);
  EXPECT_EQ(Module1::MAZE_Y, 17);
  EXPECT_EQ(Count().rooms, 600);
}

TEST_F(MazeTest, TheSmallestMazeHasOneRoomAndItsDoors) {
  Module1::LastDoorUsed = 3;
  Module1::CreateMaze(3, 3, false);
  EXPECT_EQ(mazeascii::Render(),
            "#.#\n"
            "#.#\n"
            "#.#\n");
  Module1::LastDoorUsed = 1;
  Module1::CreateMaze(2, 2, false);
  EXPECT_EQ(mazeascii::Render(),
            "#.#\n"
            "#..\n"
            "###\n");
}

TEST_F(MazeTest, IsFreeRefusesEveryPositionOutsideTheRoomArea) {
  // A 5 x 5 grid sized exactly to its indexes: any read past them would be
  // caught by the sanitizer build.
  mazeascii::Load(
      "#####\n"
      "#...#\n"
      "#.#.#\n"
      "#...#\n"
      "#####\n");
  for (std::int64_t v = -1; v <= 6; ++v) {
    for (std::int64_t edge : {-1, 0, 1, 5, 6}) {
      EXPECT_FALSE(Module1::IsFree(COORDS{edge, v})) << edge << "," << v;
      EXPECT_FALSE(Module1::IsFree(COORDS{v, edge})) << v << "," << edge;
    }
  }
  EXPECT_FALSE(Module1::IsFree(COORDS{2, 2})) << "open room";
  EXPECT_TRUE(Module1::IsFree(COORDS{3, 3})) << "inside and a wall";
}

TEST_F(MazeTest, DirectionOrdersAreTheFourFixedOnes) {
  std::map<std::vector<std::int64_t>, int> seen;
  for (int i = 0; i < 400; ++i) {
    Module1::RandomDirections();
    std::vector<std::int64_t> order;
    for (const auto& d : Module1::cDir) {
      EXPECT_EQ(std::abs(d.X) + std::abs(d.Y), 1);
      order.push_back(d.X);
      order.push_back(d.Y);
    }
    ++seen[order];
  }
  const std::vector<std::vector<std::int64_t>> expected = {
      {-1, 0, 1, 0, 0, -1, 0, 1}, {0, 1, 0, -1, 1, 0, -1, 0},
      {0, -1, 0, 1, -1, 0, 1, 0}, {1, 0, -1, 0, 0, 1, 0, -1}};
  EXPECT_EQ(seen.size(), 4u);
  for (const auto& order : expected) EXPECT_GT(seen[order], 50);
}

class DoorTest : public MazeTest {
 protected:
  std::vector<std::pair<std::int64_t, std::int64_t>> OpenBorderCells() {
    std::vector<std::pair<std::int64_t, std::int64_t>> open;
    const auto X = Module1::MAZE_X, Y = Module1::MAZE_Y;
    for (std::int64_t y = 1; y <= Y; ++y)
      for (std::int64_t x = 1; x <= X; ++x)
        if ((x == 1 || y == 1 || x == X || y == Y) && Module1::blnMaze(x, y)) open.push_back({x, y});
    return open;
  }
};

TEST_F(DoorTest, EachExitPositionOpensItsDoorAndSetsTheGoal) {
  using Cells = std::vector<std::pair<std::int64_t, std::int64_t>>;
  const std::pair<std::int64_t, std::pair<std::int64_t, std::int64_t>> exits[] = {
      {1, {151, 2}}, {2, {2, 17}}, {3, {150, 17}}};
  for (auto [door, cell] : exits) {
    Module1::LastDoorUsed = door;
    Module1::CreateMaze(150, 17, false);
    Cells open = OpenBorderCells();
    Cells want = {{2, 1}, cell};
    std::sort(open.begin(), open.end());
    std::sort(want.begin(), want.end());
    EXPECT_EQ(open, want) << "exit " << door;
    EXPECT_EQ(PathFind::mStartCol, 2);
    EXPECT_EQ(PathFind::mStartRow, 1);
    EXPECT_EQ(PathFind::mEndCol, cell.first);
    EXPECT_EQ(PathFind::mEndRow, cell.second);
    EXPECT_EQ(Reachable(2, 1), Count().openRooms + Count().openPassages + 2)
        << "both doors join the maze";
  }
}

TEST_F(DoorTest, OtherPositionsOpenOnlyTheEntranceAndKeepTheGoal) {
  for (std::int64_t door : {0, 4, -1}) {
    PathFind::mEndCol = 77;
    PathFind::mEndRow = 88;
    Module1::LastDoorUsed = door;
    Module1::CreateMaze(25, 17, false);
    EXPECT_EQ(OpenBorderCells(), (std::vector<std::pair<std::int64_t, std::int64_t>>{{2, 1}}));
    EXPECT_EQ(PathFind::mEndCol, 77);
    EXPECT_EQ(PathFind::mEndRow, 88);
  }
}

TEST_F(DoorTest, CreateDoorsOnlyEverOpensCells) {
  Module1::LastDoorUsed = 1;
  Module1::CreateMaze(25, 17, false);
  Module1::LastDoorUsed = 2;
  Module1::CreateDoors(false);
  EXPECT_EQ(OpenBorderCells().size(), 3u);
  EXPECT_TRUE(Module1::blnMaze(25, 2));
  EXPECT_TRUE(Module1::blnMaze(2, 17));
}

TEST_F(DoorTest, ADrawnExitIsEachPositionAboutAThirdOfTheTime) {
  Module1::CreateMaze(17, 17, false);
  std::map<std::int64_t, int> count;
  const int draws = 6000;
  for (int i = 0; i < draws; ++i) {
    Module1::LastDoorUsed = 0;
    Module1::CreateDoors(true);
    ++count[Module1::LastDoorUsed];
  }
  EXPECT_EQ(count.size(), 3u);
  for (std::int64_t door = 1; door <= 3; ++door) {
    EXPECT_NEAR(count[door] / double(draws), 1.0 / 3.0, 0.04) << "exit " << door;
  }
}

// Mean length of the straight open runs along rows and columns.
double MeanStraightRun() {
  std::int64_t runs = 0, cells = 0;
  const auto X = Module1::MAZE_X, Y = Module1::MAZE_Y;
  auto scan = [&](bool horizontal) {
    const auto outer = horizontal ? Y : X, inner = horizontal ? X : Y;
    for (std::int64_t a = 2; a < outer; a += 2) {
      std::int64_t run = 0;
      for (std::int64_t b = 1; b <= inner; ++b) {
        const bool open = horizontal ? Module1::blnMaze(b, a) : Module1::blnMaze(a, b);
        if (open) {
          ++run;
        } else if (run > 0) {
          if (run > 1) ++runs, cells += run;
          run = 0;
        }
      }
      if (run > 1) ++runs, cells += run;
    }
  };
  scan(true);
  scan(false);
  return runs == 0 ? 0.0 : double(cells) / double(runs);
}

TEST_F(MazeTest, LongerLineLengthsGiveLongerStraightRuns) {
  auto meanFor = [](std::int64_t lineLength) {
    double total = 0;
    for (int i = 0; i < 8; ++i) {
      Module1::RANDOMISATION = lineLength;
      Module1::CreateMaze(101, 101, false);
      total += MeanStraightRun();
    }
    return total / 8;
  };
  const double none = meanFor(0), some = meanFor(5), most = meanFor(25);
  EXPECT_GT(some, none * 1.15) << none << " vs " << some;
  EXPECT_GT(most, some * 1.15) << some << " vs " << most;
}

TEST_F(MazeTest, ANewMazeInASimpleWindowRunLeavesTheSolverAlone) {
  App::App_()->BasicPro = 0;
  PathFind::hasSolution = true;
  PathFind::FindingSolution = true;
  Module1::CreateMaze(17, 17, false);
  EXPECT_TRUE(PathFind::hasSolution);
  EXPECT_TRUE(PathFind::FindingSolution);
  PathFind::hasSolution = false;
  PathFind::FindingSolution = false;
}

}  // namespace
