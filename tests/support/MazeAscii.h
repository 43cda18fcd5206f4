#pragma once
#include <cstdint>
#include <string>

#include "maze/Module1.h"

namespace mazeascii {

// The drawn part of the grid (columns 1..MAZE_X, rows 1..MAZE_Y) as text:
// '#' a wall, '.' an open cell, one line per row.
inline std::string Render() {
  std::string out;
  for (std::int64_t y = 1; y <= Module1::MAZE_Y; ++y) {
    for (std::int64_t x = 1; x <= Module1::MAZE_X; ++x) out += Module1::blnMaze(x, y) ? '.' : '#';
    out += '\n';
  }
  return out;
}

// Loads a grid drawn the same way; row 0 and column 0 stay walls.
inline void Load(const std::string& art) {
  std::int64_t width = 0, height = 0, current = 0;
  for (char c : art) {
    if (c == '\n') {
      if (current > 0) ++height;
      width = std::max(width, current);
      current = 0;
    } else {
      ++current;
    }
  }
  if (current > 0) ++height, width = std::max(width, current);
  Module1::MAZE_X = width;
  Module1::MAZE_Y = height;
  Module1::blnMaze.Resize(width, height);
  std::int64_t x = 1, y = 1;
  for (char c : art) {
    if (c == '\n') {
      if (x > 1) ++y;
      x = 1;
      continue;
    }
    Module1::blnMaze(x, y) = c == '.' ? 1 : 0;
    ++x;
  }
}

}  // namespace mazeascii
