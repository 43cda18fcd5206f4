#include <algorithm>
#include <cmath>

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
  COORDS next;
  tk::Random random;
  random.RandomizeSeed();

  blnMaze.Resize(MAZE_X, MAZE_Y);
  std::int64_t added = 0;
  const double rooms = double((MAZE_X - 1) * (MAZE_Y - 1)) / 4.0;

  for (;;) {
    cell.X = random.InRange(2, MAZE_X - 1);
    cell.Y = random.InRange(2, MAZE_Y - 1);
    cell.X = (cell.X / 2) * 2;
    cell.Y = (cell.Y / 2) * 2;
    if (added == 0) blnMaze(cell.X, cell.Y) = 1;

    if (blnMaze(cell.X, cell.Y)) {
      RandomDirections();
      for (;;) {
        if (random.InRange(0, RANDOMISATION) == 0) RandomDirections();
        bool moved = false;
        for (int i = 0; i < 4; ++i) {
          const std::int64_t dX = cDir[i].X;
          const std::int64_t dY = cDir[i].Y;
          next.X = cell.X + 2 * dX;
          next.Y = cell.Y + 2 * dY;
          if (IsFree(next)) {
            blnMaze(next.X, next.Y) = 1;
            blnMaze(cell.X + dX, cell.Y + dY) = 1;
            cell = next;
            ++added;
            moved = true;
            break;
          }
        }
        if (!moved) break;
      }
    }
    if (rooms <= double(added + 1)) break;
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
