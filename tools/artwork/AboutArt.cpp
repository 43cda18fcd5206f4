// The About box pictures: the maker's wordmark and the program's maze icon.
#include <array>
#include <deque>
#include <map>

#include "Catalogue.h"
#include "Style.h"

namespace art {
namespace {

QColor Hex(unsigned rgb) { return QColor::fromRgb(QRgb(rgb)); }

// A small hand-laid maze: '#' wall, '.' open; the entrance is in the top row,
// the exit in the bottom row, as in the program's own mazes.
constexpr int kCells = 11;
constexpr std::array<const char*, kCells> kMaze = {
    "#.#########",  //
    "#...#.....#",  //
    "###.#.###.#",  //
    "#...#.#...#",  //
    "#.###.#.###",  //
    "#.#...#...#",  //
    "#.#.#####.#",  //
    "#.....#.#.#",  //
    "#####.#.#.#",  //
    "#.......#.#",  //
    "#########.#",  //
};

bool Open(int x, int y) {
  return x >= 0 && y >= 0 && x < kCells && y < kCells && kMaze[size_t(y)][x] == '.';
}

// The way from the entrance to the exit, cell by cell.
std::vector<QPoint> Solution() {
  const QPoint start(1, 0), goal(kCells - 2, kCells - 1);
  std::map<std::pair<int, int>, QPoint> from;
  std::deque<QPoint> queue{start};
  from[{start.x(), start.y()}] = start;
  while (!queue.empty()) {
    const QPoint c = queue.front();
    queue.pop_front();
    if (c == goal) break;
    for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
      const QPoint n = c + d;
      if (Open(n.x(), n.y()) && !from.count({n.x(), n.y()})) {
        from[{n.x(), n.y()}] = c;
        queue.push_back(n);
      }
    }
  }
  std::vector<QPoint> path;
  if (!from.count({goal.x(), goal.y()})) return path;
  for (QPoint c = goal; c != start; c = from[{c.x(), c.y()}]) path.insert(path.begin(), c);
  path.insert(path.begin(), start);
  return path;
}

}  // namespace

QImage OxlLogo() {
  QImage img = WhiteCanvas(214, 54);
  QPainter p;
  Begin(p, img, 214, 54);
  const double left = 35;
  // The mark: a rounded tile holding a ring and a dot.
  Shape(p, RoundRect(left, 5, 44, 44, 11), Hex(0x00897B), Hex(0x00564D), 2.5);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Hex(0xF4FBFA), 5.5));
  p.drawEllipse(QPointF(left + 22, 27), 11.5, 11.5);
  p.setPen(Qt::NoPen);
  p.setBrush(Hex(0xFFA000));
  p.drawEllipse(QPointF(left + 22, 27), 4.5, 4.5);
  // The wordmark, built from plain strokes so it needs no font.
  const QColor ink = Hex(0x263238);
  const double x0 = left + 56;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink, 8.5));
  p.drawEllipse(QPointF(x0 + 19, 28), 15.5, 16.5);
  p.setPen(QPen(ink, 8, Qt::SolidLine, Qt::RoundCap));
  const double xl = x0 + 48;
  p.drawLine(QPointF(xl + 4, 19), QPointF(xl + 24, 45));
  p.drawLine(QPointF(xl + 24, 19), QPointF(xl + 4, 45));
  p.drawLine(QPointF(xl + 38, 7), QPointF(xl + 38, 45));
  // A thin teal rule under the name ties it to the mark.
  p.setPen(Qt::NoPen);
  p.setBrush(Hex(0x00897B));
  p.drawRoundedRect(QRectF(x0, 50.5, xl + 42 - x0, 2.5), 1.25, 1.25);
  p.end();
  return img;
}

QImage MazeIcon128() {
  QImage img = WhiteCanvas(128, 128);
  QPainter p;
  Begin(p, img, 128, 128);
  p.fillRect(QRectF(0, 0, 128, 128), Hex(0xDCEBF7));
  const double cell = 10, ox = 9, oy = 9;
  Shape(p, RoundRect(4, 4, 120, 120, 9), Hex(0xFFFDF6), Hex(0x37474F), 2.5);
  // Walls as thick strokes joining neighbouring wall cells, so the corridors
  // read wider than the walls, as on a printed maze.
  QPainterPath walls;
  auto centre = [&](int x, int y) { return QPointF(ox + (x + 0.5) * cell, oy + (y + 0.5) * cell); };
  for (int y = 0; y < kCells; ++y)
    for (int x = 0; x < kCells; ++x) {
      if (Open(x, y)) continue;
      bool joined = false;
      if (x + 1 < kCells && !Open(x + 1, y)) {
        walls.moveTo(centre(x, y));
        walls.lineTo(centre(x + 1, y));
        joined = true;
      }
      if (y + 1 < kCells && !Open(x, y + 1)) {
        walls.moveTo(centre(x, y));
        walls.lineTo(centre(x, y + 1));
        joined = true;
      }
      if (!joined) walls.addEllipse(centre(x, y), 0.1, 0.1);
    }
  Stroke(p, walls, 5.5, Hex(0x00897B), Hex(0x00564D), 1.5, Qt::SquareCap);
  // The found way, drawn as in the program after a solve.
  const std::vector<QPoint> way = Solution();
  QPainterPath line;
  for (size_t i = 0; i < way.size(); ++i) {
    const QPointF pt(ox + (way[i].x() + 0.5) * cell, oy + (way[i].y() + 0.5) * cell);
    if (i == 0)
      line.moveTo(pt);
    else
      line.lineTo(pt);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Hex(0xE53935), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(line);
  // Door arrows on the entrance and the exit.
  const QImage arrow = ArrowDown();
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawImage(QRectF(ox + 1 * cell - 1, oy - 5, cell + 2, cell + 2), arrow);
  p.drawImage(QRectF(ox + (kCells - 2) * cell - 1, oy + (kCells - 1) * cell, cell + 2, cell + 2),
              arrow);
  p.end();
  return img;
}

}  // namespace art
