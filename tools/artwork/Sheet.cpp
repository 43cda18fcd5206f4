// A contact sheet for judging the pictures: every one at its own size, and the
// designs and arrows at the cell sizes the maze uses (33 x 44 down to 3 x 5),
// scaled smoothly with white keyed out, as the program draws its walls.
#include <QFont>

#include "Catalogue.h"
#include "Style.h"

namespace art {
namespace {

QImage Cell(const QImage& picture, int w, int h, bool keyed) {
  const QImage source = keyed ? KeyedCopy(picture) : picture;
  return source.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A patch of maze walls built from one design: border, pillars and a few passages.
void WallPatch(QPainter& p, const QImage& design, QPointF at, int cols, int rows, int cw, int ch) {
  const QImage tile = Cell(design, cw, ch, true);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < cols; ++x) {
      const bool edge = x == 0 || y == 0 || x == cols - 1 || y == rows - 1;
      const bool pillar = x % 2 == 0 && y % 2 == 0;
      const bool passage = (x + y) % 2 == 1 && (x * 7 + y * 13) % 3 == 0;
      if ((edge && !(y == 0 && x == 1)) || pillar || passage)
        p.drawImage(QPointF(at.x() + x * cw, at.y() + y * ch), tile);
    }
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(at.x() - 0.5, at.y() - 0.5, cols * cw + 1, rows * ch + 1));
}

}  // namespace

QImage ContactSheet(const std::vector<QImage>& pictures) {
  const auto& all = Catalogue();
  const int column = 150;
  QImage sheet(10 * column + 20, 900, QImage::Format_RGB32);
  sheet.fill(QColor(0xF0, 0xF0, 0xF0));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::Antialiasing, true);
  QFont font("DejaVu Sans");
  font.setPixelSize(11);
  p.setFont(font);
  auto label = [&](double x, double y, const QString& text) {
    p.setPen(Qt::black);
    p.drawText(QPointF(x, y), text);
  };

  // Row 1: the designs at 1x on white, their cell sizes, and two wall patches.
  int designs = 0, others = 0;
  double ox = 10;
  for (size_t i = 0; i < all.size(); ++i) {
    if (all[i].kind != Kind::Design) continue;
    const QImage& img = pictures[i];
    const double x = 10 + designs * column;
    p.fillRect(QRectF(x, 10, img.width(), img.height()), Qt::white);
    p.drawImage(QPointF(x, 10), img);
    label(x, 152, all[i].resourceName);
    p.fillRect(QRectF(x, 160, 140, 50), Qt::white);
    p.drawImage(QPointF(x + 2, 163), Cell(img, 33, 44, true));
    p.drawImage(QPointF(x + 42, 163), Cell(img, 30, 39, true));
    p.drawImage(QPointF(x + 80, 170), Cell(img, 16, 21, true));
    p.drawImage(QPointF(x + 102, 175), Cell(img, 8, 10, true));
    p.drawImage(QPointF(x + 118, 178), Cell(img, 3, 5, true));
    p.fillRect(QRectF(x, 218, 140, 330), Qt::white);
    WallPatch(p, img, QPointF(x + 4, 222), 7, 5, 18, 24);
    WallPatch(p, img, QPointF(x + 4, 352), 15, 11, 8, 10);
    WallPatch(p, img, QPointF(x + 4, 470), 31, 15, 4, 5);
    ++designs;
  }

  // Row 2: arrows and icons at 1x on grey (their alpha shows), arrows in cells.
  ox = 10;
  for (size_t i = 0; i < all.size(); ++i) {
    if (all[i].kind != Kind::Arrow && all[i].kind != Kind::Icon) continue;
    const QImage& img = pictures[i];
    p.fillRect(QRectF(ox, 570, img.width(), img.height()), QColor(0xD8, 0xD8, 0xD8));
    p.drawImage(QPointF(ox, 570), img);
    label(ox, 650, all[i].resourceName.left(10));
    if (all[i].kind == Kind::Arrow) {
      p.fillRect(QRectF(ox, 660, 70, 50), Qt::white);
      p.drawImage(QPointF(ox + 2, 663), Cell(img, 33, 44, false));
      p.drawImage(QPointF(ox + 40, 670), Cell(img, 16, 21, false));
      p.drawImage(QPointF(ox + 58, 672), Cell(img, 8, 10, false));
      p.drawImage(QPointF(ox + 40, 695), Cell(img, 3, 5, false));
    }
    ox += std::max(img.width(), 66) + 14;
    ++others;
  }

  // Row 3: the About pictures, the logo both as stored and with white keyed out.
  ox = 10;
  for (size_t i = 0; i < all.size(); ++i) {
    if (all[i].kind != Kind::About) continue;
    const QImage& img = pictures[i];
    p.drawImage(QPointF(ox, 730), img);
    if (img.width() != img.height()) {
      p.fillRect(QRectF(ox, 800, img.width(), img.height()), QColor(0xD8, 0xD8, 0xD8));
      p.drawImage(QPointF(ox, 800), KeyedCopy(img));
    }
    label(ox, 895, all[i].resourceName);
    ox += img.width() + 20;
  }
  p.end();
  return sheet;
}

}  // namespace art
