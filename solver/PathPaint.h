#pragma once
// Painting the search into the maze picture.
#include <cstdint>
#include <memory>

#include "solver/GridSearchNode.h"

namespace PathFind {

// Marks cell (x, y) of the maze picture as reached by the search.
void PaintCell(std::int64_t x, std::int64_t y);
// Draws the found path from node back along its parents to the start.
void DrawPath(const std::shared_ptr<GridSearchNode>& node);

}  // namespace PathFind
