#include <algorithm>
#include <cmath>

#include "maze/Module1.h"
#include "render/Module1.h"
#include "render/Pictures.h"
#include "solver/PathFind.h"
#include "solver/PathPaint.h"

namespace Module1 {

void DrawMaze(tk::Graphics& g) {
  maxH = 0;
  maxW = 0;
  g.SetForeColor(0xFFFFFF);
  g.FillRect(0, 0, g.Width(), g.Height());
  // Before the first maze there are no cells to draw.
  if (MAZE_X <= 0 || MAZE_Y <= 0) return;
  const std::int64_t cw = std::int64_t(std::trunc(double(g.Width()) / double(MAZE_X)));
  const std::int64_t ch = std::int64_t(std::trunc(double(g.Height()) / double(MAZE_Y)));

  // The wall tile: the current design with its pure white made transparent.
  std::shared_ptr<tk::Picture> design;
  if (myImageIndex >= 0 && std::size_t(myImageIndex) < myPicts.size())
    design = myPicts[std::size_t(myImageIndex)];
  const auto tile = Transparent(design);
  const double tw = tile ? tile->Width() : 0;
  const double th = tile ? tile->Height() : 0;

  // Every wall cell is still white when its tile goes down, so the tile is
  // laid over white once, at the cell's size, and then copied into each wall
  // cell: the same pixels as blending the scaled tile cell by cell, at a
  // fraction of the cost on a large maze.
  std::shared_ptr<tk::Picture> cellTile;
  if (tile && cw > 0 && ch > 0) {
    cellTile = std::make_shared<tk::Picture>(int(cw), int(ch), 32);
    cellTile->Graphics()->DrawPicture(tile, 0, 0, double(cw), double(ch), 0, 0, tw, th);
  }

  const bool marking = PathFind::FindingSolution;
  // The grid always holds MAZE_X x MAZE_Y; the bounds keep a mismatch from
  // reading past it.
  const std::int64_t lastX = std::min(MAZE_X, blnMaze.MaxX()), lastY = std::min(MAZE_Y, blnMaze.MaxY());
  for (std::int64_t x = 1; x <= lastX; ++x) {
    for (std::int64_t y = 1; y <= lastY; ++y) {
      if (!blnMaze(x, y)) {
        g.DrawPicture(cellTile, double((x - 1) * cw), double((y - 1) * ch), double(cw), double(ch), 0, 0,
                      double(cw), double(ch));
        if (x * cw > maxW) maxW = x * cw;
        if (y * ch > maxH) maxH = y * ch;
      } else if (marking && x <= PathFind::mCellState.MaxX() && y <= PathFind::mCellState.MaxY() &&
                 PathFind::mCellState(x, y)) {
        PathFind::PaintCell(x, y);
      }
    }
  }

  auto arrow = [&](const std::shared_ptr<tk::Picture>& p, std::int64_t left, std::int64_t top) {
    if (!p) return;
    g.DrawPicture(p, double(left), double(top), double(cw), double(ch), 0, 0, p->Width(), p->Height());
  };
  arrow(Pictures::ArrowDown(), cw, 0);
  switch (LastDoorUsed) {
    case 1:
      arrow(Pictures::ArrowRight(), (MAZE_X - 1) * cw, ch);
      break;
    case 2:
      arrow(Pictures::ArrowDown(), cw, (MAZE_Y - 1) * ch);
      break;
    case 3:
      arrow(Pictures::ArrowDown(), (MAZE_X - 2) * cw, (MAZE_Y - 1) * ch);
      break;
    default:
      break;
  }

  if (PathFind::hasSolution && PathFind::finalnode) PathFind::DrawPath(PathFind::finalnode);
}

void PaintMazeCanvas(tk::Graphics& g) {
  myDrawing = std::make_shared<tk::Picture>(g.Width(), g.Height(), 32);
  DrawMaze(*myDrawing->Graphics());
  g.DrawPicture(myDrawing, 0, 0, g.Width(), g.Height(), 0, 0, double(maxW), double(maxH));
  g.SetForeColor(0x000000);
  g.DrawRect(0, 0, g.Width(), g.Height());
}

}  // namespace Module1
