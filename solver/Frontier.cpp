#include <cmath>

#include "solver/PathFind.h"

namespace PathFind {

void EnqueueNode(std::shared_ptr<GridSearchNode> node) {
  const std::int64_t dx = node->mCol - mEndCol;
  const std::int64_t dy = node->mRow - mEndRow;
  node->mHeuristicValue = std::sqrt(double(dx * dx + dy * dy));
  // Scan from the high end: a node farther than every queued one is appended
  // after one comparison. Equal keys put the newest node first.
  std::ptrdiff_t i = std::ptrdiff_t(mFrontierList.size()) - 1;
  while (i >= 0 && !(node->mHeuristicValue > mFrontierList[std::size_t(i)]->mHeuristicValue)) --i;
  mFrontierList.insert(mFrontierList.begin() + (i + 1), std::move(node));
}

}  // namespace PathFind
