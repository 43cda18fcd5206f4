#include "maze/Module1.h"
#include "solver/Module1.h"
#include "solver/PathFind.h"
#include "ui/frmPro.h"
#include "ui/toolkit/Dialogs.h"

namespace PathFind {

namespace {

// The maze view of the advanced window, which shows the search.
void RefreshMazeView() { frmPro::frmPro_()->Canvas1()->Refresh(true); }

}  // namespace

void Reset() {
  for (std::int64_t x = 0; x <= Module1::MAZE_X; ++x)
    for (std::int64_t y = 0; y <= Module1::MAZE_Y; ++y)
      if (mCellState.Contains(x, y)) mCellState(x, y) = false;
  mCellState(mStartCol, mStartRow) = true;
  mFrontierList.clear();
  mFrontierList.push_back(std::make_shared<GridSearchNode>(mStartCol, mStartRow));
  RefreshMazeView();
}

void DoOneSearchStep() {
  if (mFrontierList.empty()) {
    Module1::TurnOffSolutionFinding();
    tk::MsgBox("Unable to find solution!");
    return;
  }
  const std::shared_ptr<GridSearchNode> node = std::move(mFrontierList.front());
  mFrontierList.erase(mFrontierList.begin());
  // Up, down, left, right: this order, with the frontier's tie-break, decides
  // which way the search goes first among equally near cells.
  Consider(node->mCol, node->mRow - 1, node);
  Consider(node->mCol, node->mRow + 1, node);
  Consider(node->mCol - 1, node->mRow, node);
  Consider(node->mCol + 1, node->mRow, node);
}

void Consider(std::int64_t column, std::int64_t row, const std::shared_ptr<GridSearchNode>& parent) {
  if (column < 0 || column > Module1::MAZE_X || row < 0 || row > Module1::MAZE_Y) return;
  // A cell outside the grid as it was made counts as a wall.
  if (!Module1::blnMaze.Contains(column, row) || !Module1::blnMaze(column, row)) return;
  if (!mCellState.Contains(column, row) || mCellState(column, row)) return;
  if (column == mEndCol && row == mEndRow) {
    // The exit is recognised here and never queued or marked.
    FoundSolution(std::make_shared<GridSearchNode>(column, row, parent));
    return;
  }
  EnqueueNode(std::make_shared<GridSearchNode>(column, row, parent));
  mCellState(column, row) = true;
  RefreshMazeView();
}

void FoundSolution(std::shared_ptr<GridSearchNode> node) {
  auto window = frmPro::frmPro_();
  window->PathTimer()->SetMode(tk::Timer::ModeOff);
  hasSolution = true;
  FindingSolution = false;
  window->btnFindSolution()->SetEnabled(true);
  finalnode = std::move(node);
  window->Canvas1()->Refresh(true);
}

}  // namespace PathFind
