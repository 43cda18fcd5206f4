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

// Sets the node's key (its straight-line distance to the exit door cell) and
// inserts it into the frontier after every node with a smaller key and before
// every node with an equal or larger one.
void EnqueueNode(std::shared_ptr<GridSearchNode> node);
// Prepares a search on the current grid: only the entrance marked and queued.
void Reset();
// One expansion: the node at the head of the frontier and its four neighbours.
void DoOneSearchStep();
// Examines one neighbour cell of the node being expanded.
void Consider(std::int64_t column, std::int64_t row, const std::shared_ptr<GridSearchNode>& parent);
// Ends a successful search with the exit node.
void FoundSolution(std::shared_ptr<GridSearchNode> node);

}  // namespace PathFind
