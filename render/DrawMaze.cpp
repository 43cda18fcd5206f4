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

  const bool marking = PathFind::FindingSolution;
  // The grid always holds MAZE_X x MAZE_Y; the bounds keep a mismatch from
  // reading past it.
  const std::int64_t lastX = std::min(MAZE_X, blnMaze.MaxX()), lastY = std::min(MAZE_Y, blnMaze.MaxY());
  for (std::int64_t x = 1; x <= lastX; ++x) {
    for (std::int64_t y = 1; y <= lastY; ++y) {
      if (!blnMaze(x, y)) {
        // The cell is still white when its tile goes down, so the tile is
        // laid on white: the same pixels, laid once per cell size and then
        // copied, which costs a fraction of blending it cell by cell.
        g.DrawPictureOn(0xFFFFFF, tile, double((x - 1) * cw), double((y - 1) * ch), double(cw), double(ch), 0,
                        0, tw, th);
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

namespace {

// The maze view's picture at a scaled screen's pixels, kept from one paint to
// the next for its memory.
std::shared_ptr<tk::Picture> screenDrawing;

// On a scaled screen the maze is drawn once more, straight at the screen's
// pixels of the view, with the cell area over the whole of it as the stretch
// shows it on an unscaled screen: the walls, the marks and the path then have
// hard edges at the screen's pixels and nothing is stretched. False where the
// screen is not scaled (or the view would need a picture too large to keep).
bool PaintAtScreenPixels(tk::Graphics& g) {
  const double ratio = g.PixelRatio();
  const long pw = std::lround(g.Width() * ratio), ph = std::lround(g.Height() * ratio);
  if (ratio == 1 || maxW <= 0 || maxH <= 0 || pw <= 0 || ph <= 0 || double(pw) * double(ph) > double(1 << 25))
    return false;
  if (!screenDrawing || screenDrawing->Width() != pw || screenDrawing->Height() != ph)
    screenDrawing = std::make_shared<tk::Picture>(int(pw), int(ph), 32);
  auto screen = screenDrawing->Graphics();
  screen->SetUnits(g.Width(), g.Height(), double(pw) / double(maxW), double(ph) / double(maxH));
  {
    // The search's marks and path are drawn into the maze picture being
    // drawn, so for this drawing that is the screen's.
    struct Restore {
      std::shared_ptr<tk::Picture> drawing;
      ~Restore() { myDrawing = std::move(drawing); }
    } restore{myDrawing};
    myDrawing = screenDrawing;
    DrawMaze(*screen);
  }
  g.DrawPicture(screenDrawing, 0, 0, g.Width(), g.Height(), 0, 0, double(pw), double(ph));
  return true;
}

}  // namespace

void PaintMazeCanvas(tk::Graphics& g) {
  myDrawing = std::make_shared<tk::Picture>(g.Width(), g.Height(), 32);
  DrawMaze(*myDrawing->Graphics());
  if (!PaintAtScreenPixels(g))
    g.DrawPicture(myDrawing, 0, 0, g.Width(), g.Height(), 0, 0, double(maxW), double(maxH));
  g.SetForeColor(0x000000);
  g.DrawRect(0, 0, g.Width(), g.Height());
}

}  // namespace Module1
