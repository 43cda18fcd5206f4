#pragma once
// The maze grid, its generator and its doors.
#include <array>
#include <cstdint>

#include "maze/BoolGrid.h"
#include "maze/Coords.h"

namespace Module1 {

// The grid, indexed (column, row); True is an open cell. After a generation
// its indexes run 0..MAZE_X and 0..MAZE_Y.
inline BoolGrid blnMaze;
// Highest column and row index; odd, 3..151, after CreateMaze.
inline std::int64_t MAZE_X = 0;
inline std::int64_t MAZE_Y = 0;
// The current direction order: the four unit steps in the order a walk step tries them.
inline std::array<COORDS, 4> cDir{};
// Line length: how seldom a walk draws a new direction order (0 or more).
inline std::int64_t RANDOMISATION = 0;
// Exit position 1, 2 or 3; any other value opens no exit door.
inline std::int64_t LastDoorUsed = 0;

// The smallest and largest grid side CreateMaze makes; the solver's cell
// marks end at index 151.
constexpr std::int64_t kMinSide = 3;
constexpr std::int64_t kMaxSide = 151;

// A new maze of about width x height cells with its doors; newDoor draws the
// exit position at random. Stops a running search first; does not repaint.
void CreateMaze(std::int64_t width, std::int64_t height, bool newDoor);
// Carves a perfect maze of MAZE_X x MAZE_Y into blnMaze.
void GenerateMaze();
// Refills cDir with one of the four direction orders, drawn at random.
void RandomDirections();
// True when p lies strictly inside the border and is a wall cell.
bool IsFree(const COORDS& p);
// Opens the entrance and the exit door of LastDoorUsed (drawn first when
// newDoor is True) and hands both cells to the solver.
void CreateDoors(bool newDoor);

}  // namespace Module1
