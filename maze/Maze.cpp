#include <algorithm>
#include <cmath>
#include <vector>

#include "maze/Module1.h"
#include "solver/Module1.h"
#include "solver/PathFind.h"
#include "ui/toolkit/Random.h"

namespace Module1 {

namespace {

// The four direction orders, as (X, Y) unit steps; a row is drawn at random.
constexpr std::int64_t kOrders[4][4][2] = {
    {{-1, 0}, {1, 0}, {0, -1}, {0, 1}},   // left, right, up, down
    {{0, 1}, {0, -1}, {1, 0}, {-1, 0}},   // down, up, right, left
    {{0, -1}, {0, 1}, {-1, 0}, {1, 0}},   // up, down, left, right
    {{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};  // right, left, down, up

std::int64_t GridSide(std::int64_t request) {
  const std::int64_t side = std::int64_t(std::trunc(double(request) / 2.0)) * 2 + 1;
  return std::clamp(side, kMinSide, kMaxSide);
}

}  // namespace

void CreateMaze(std::int64_t width, std::int64_t height, bool newDoor) {
  TurnOffSolutionFinding();
  // Sides outside 3..151 would leave the room range empty or overrun the
  // solver's marks, so requests are kept inside it.
  MAZE_X = GridSide(width);
  MAZE_Y = GridSide(height);
  GenerateMaze();
  CreateDoors(newDoor);
}

void GenerateMaze() {
  COORDS cell;
  tk::Random random;
  random.RandomizeSeed();

  blnMaze.Resize(MAZE_X, MAZE_Y);
  const std::int64_t maxX = MAZE_X, maxY = MAZE_Y, lineLength = RANDOMISATION;
  const double rooms = double((maxX - 1) * (maxY - 1)) / 4.0;

  // A maze is made at every step of a dragged size slider, so the walk runs
  // on a private view of the rooms: room (x, y) sits at (x / 2, y / 2) of a
  // table framed by a ring of cells marked taken. "Is the room two steps
  // away free?" is then one load, and it answers exactly as IsFree does for
  // every position a walk can reach (inside the room area: an unopened room;
  // outside it: no).
  const std::int64_t roomCols = (maxX - 1) / 2, roomRows = (maxY - 1) / 2;
  const std::int64_t rstride = roomCols + 2;
  static thread_local std::vector<std::uint8_t> taken;
  taken.assign(std::size_t(rstride * (roomRows + 2)), 1);
  for (std::int64_t ry = 1; ry <= roomRows; ++ry)
    std::fill_n(taken.begin() + ry * rstride + 1, roomCols, std::uint8_t(0));

  const std::int64_t gstride = blnMaze.Stride();
  bool* const grid = blnMaze.Data();
  std::uint8_t* const room = taken.data();
  // Per direction order, the step of each entry in room and in grid indexes.
  std::int64_t roomStep[4][4], gridStep[4][4];
  for (int o = 0; o < 4; ++o) {
    for (int i = 0; i < 4; ++i) {
      roomStep[o][i] = kOrders[o][i][0] + kOrders[o][i][1] * rstride;
      gridStep[o][i] = kOrders[o][i][0] + kOrders[o][i][1] * gstride;
    }
  }

  std::int64_t order = 0;
  bool drewOrder = false;
  std::int64_t added = 0;
  {
    tk::Random::Burst draw;
    for (;;) {
      cell.X = draw.InRange(2, maxX - 1);
      cell.Y = draw.InRange(2, maxY - 1);
      cell.X = (cell.X / 2) * 2;
      cell.Y = (cell.Y / 2) * 2;
      std::int64_t r = (cell.Y / 2) * rstride + cell.X / 2;
      std::int64_t g = cell.Y * gstride + cell.X;
      if (added == 0) {
        // The seed room.
        grid[g] = true;
        room[r] = 1;
      }
      // A walk from a room with no free neighbour ends before its first step
      // whatever order it draws, and the draws are never seen, so such a walk
      // is skipped; so is the order drawn at the start of a walk when the
      // first step draws a new one anyway (line length 0). The mazes come out
      // with the same chances either way.
      const bool walk = grid[g] && !(room[r - 1] && room[r + 1] && room[r - rstride] && room[r + rstride]);
      if (walk) {
        // Every walk starts with a new direction order.
        if (lineLength != 0) order = draw.InRange(0, 3);
        drewOrder = true;
        for (;;) {
          // A draw from 0..0 is always 0, so line length 0 needs no draw.
          if (lineLength == 0 || draw.InRange(0, lineLength) == 0) order = draw.InRange(0, 3);
          int i = 0;
          while (i < 4 && room[r + roomStep[order][i]]) ++i;
          if (i == 4) break;
          room[r += roomStep[order][i]] = 1;
          grid[g + gridStep[order][i]] = true;
          grid[g += 2 * gridStep[order][i]] = true;
          ++added;
        }
      }
      if (rooms <= double(added + 1)) break;
    }
  }
  if (drewOrder) {
    for (int i = 0; i < 4; ++i) {
      cDir[i] = COORDS{};
      cDir[i].X = kOrders[order][i][0];
      cDir[i].Y = kOrders[order][i][1];
    }
  }
}

void RandomDirections() {
  tk::Random random;
  random.RandomizeSeed();
  const std::int64_t d = random.InRange(0, 3);
  for (int i = 0; i < 4; ++i) {
    cDir[i] = COORDS{};
    cDir[i].X = kOrders[d][i][0];
    cDir[i].Y = kOrders[d][i][1];
  }
}

bool IsFree(const COORDS& p) {
  if (!(p.X < MAZE_X)) return false;
  if (!(1 < p.X)) return false;
  if (!(p.Y < MAZE_Y)) return false;
  if (!(1 < p.Y)) return false;
  return !blnMaze(p.X, p.Y);
}

void CreateDoors(bool newDoor) {
  tk::Random random;
  blnMaze(2, 1) = 1;
  PathFind::mStartCol = 2;
  PathFind::mStartRow = 1;
  if (newDoor) LastDoorUsed = random.InRange(1, 3);
  switch (LastDoorUsed) {
    case 1:
      blnMaze(MAZE_X, 2) = 1;
      PathFind::mEndCol = MAZE_X;
      PathFind::mEndRow = 2;
      break;
    case 2:
      blnMaze(2, MAZE_Y) = 1;
      PathFind::mEndCol = 2;
      PathFind::mEndRow = MAZE_Y;
      break;
    case 3:
      blnMaze(MAZE_X - 1, MAZE_Y) = 1;
      PathFind::mEndCol = MAZE_X - 1;
      PathFind::mEndRow = MAZE_Y;
      break;
    default:
      break;
  }
}

}  // namespace Module1
