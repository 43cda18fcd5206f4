#include "solver/PathPaint.h"

#include <cmath>

#include "maze/Module1.h"
#include "render/Module1.h"
#include "ui/toolkit/Color.h"

namespace PathFind {

namespace {

struct CellSize {
  std::int64_t w, h;
};

// The cell geometry of the maze picture, worked out afresh at every call.
CellSize CellsOf(tk::Graphics& g) {
  return {std::int64_t(std::trunc(double(g.Width()) / double(Module1::MAZE_X))),
          std::int64_t(std::trunc(double(g.Height()) / double(Module1::MAZE_Y)))};
}

}  // namespace

void PaintCell(std::int64_t x, std::int64_t y) {
  if (!Module1::myDrawing || Module1::MAZE_X <= 0 || Module1::MAZE_Y <= 0) return;
  auto g = Module1::myDrawing->Graphics();
  const CellSize c = CellsOf(*g);
  g->SetForeColor(0xFFA8A8);
  g->FillRect(double((x - 1) * c.w + 1), double((y - 1) * c.h + 1), double(c.w - 1), double(c.h - 1));
}

void DrawPath(const std::shared_ptr<GridSearchNode>& node) {
  if (!Module1::myDrawing || !node || Module1::MAZE_X <= 0 || Module1::MAZE_Y <= 0) return;
  auto g = Module1::myDrawing->Graphics();
  const CellSize c = CellsOf(*g);
  g->SetForeColor(tk::RGB(0, 175, 0));
  g->SetPenWidth(3);
  g->SetPenHeight(3);
  auto cx = [&](const GridSearchNode& n) { return double((n.mCol - 1) * c.w + c.w / 2 - 1); };
  auto cy = [&](const GridSearchNode& n) { return double((n.mRow - 1) * c.h + c.h / 2 - 1); };
  for (const GridSearchNode* cur = node.get(); cur->mParent; cur = cur->mParent.get()) {
    g->DrawLine(cx(*cur->mParent), cy(*cur->mParent), cx(*cur), cy(*cur));
  }
}

}  // namespace PathFind
