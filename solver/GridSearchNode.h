#pragma once
#include <cstdint>
#include <memory>

// A search node: one cell reached by the search, with a link back to the
// node it was reached from.
class GridSearchNode {
 public:
  GridSearchNode(std::int64_t column, std::int64_t row) : mRow(row), mCol(column) {}
  GridSearchNode(std::int64_t column, std::int64_t row, std::shared_ptr<GridSearchNode> parent)
      : mRow(row), mCol(column), mParent(std::move(parent)), mCost(mParent->mCost + 1.0) {}

  std::int64_t mRow = 0;
  std::int64_t mCol = 0;
  // Straight-line distance to the exit door cell; the frontier's sort key.
  double mHeuristicValue = 0.0;
  std::shared_ptr<GridSearchNode> mParent;
  // Steps from the start cell.
  double mCost = 0.0;
  double mEstCost = 0.0;
};
