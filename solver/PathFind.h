#pragma once
// The solver's state: the step-wise search from the entrance to the exit.
#include <cstdint>
#include <memory>
#include <vector>

#include "maze/BoolGrid.h"
#include "solver/GridSearchNode.h"

namespace PathFind {

// Marks of the cells reached by the current search, indexes 0..151 both ways.
inline BoolGrid mCellState(151, 151);
// Nodes waiting to be expanded, in non-decreasing order of mHeuristicValue.
inline std::vector<std::shared_ptr<GridSearchNode>> mFrontierList;
// The entrance cell and the exit door cell (set by Module1::CreateDoors).
inline std::int64_t mStartCol = 0;
inline std::int64_t mStartRow = 0;
inline std::int64_t mEndCol = 0;
inline std::int64_t mEndRow = 0;
// A search is running: the maze drawing paints the reached cells.
inline bool FindingSolution = false;
// A found path is on show: the maze drawing draws it from finalnode.
inline bool hasSolution = false;
// The exit node of the last successful search.
inline std::shared_ptr<GridSearchNode> finalnode;

}  // namespace PathFind
