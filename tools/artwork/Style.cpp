#include "Style.h"

#include <QPainterPathStroker>
#include <QTransform>
#include <vector>

namespace art {

QImage WhiteCanvas(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(kKeyWhite);
  return img;
}

QImage ClearCanvas(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

void Begin(QPainter& p, QImage& img, double designW, double designH) {
  p.begin(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.scale(img.width() / designW, img.height() / designH);
}

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& line,
           double width) {
  p.setBrush(fill);
  if (width > 0)
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  else
    p.setPen(Qt::NoPen);
  p.drawPath(path);
}

void Stroke(QPainter& p, const QPainterPath& centre, double width, const QColor& fill,
            const QColor& line, double lineWidth, Qt::PenCapStyle cap) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(cap);
  stroker.setJoinStyle(Qt::RoundJoin);
  Shape(p, stroker.createStroke(centre).simplified(), fill, line, lineWidth);
}

QPainterPath Circle(double cx, double cy, double r) { return Ellipse(cx, cy, r, r); }

QPainterPath Ellipse(double cx, double cy, double rx, double ry, double degrees) {
  QPainterPath path;
  path.addEllipse(QPointF(0, 0), rx, ry);
  QTransform t;
  t.translate(cx, cy);
  t.rotate(degrees);
  return t.map(path);
}

QPainterPath RoundRect(double x, double y, double w, double h, double r) {
  QPainterPath path;
  path.addRoundedRect(QRectF(x, y, w, h), r, r);
  return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& pt : points) {
    if (first)
      path.moveTo(pt);
    else
      path.lineTo(pt);
    first = false;
  }
  path.closeSubpath();
  return path;
}

QPainterPath Turned(const QPainterPath& path, double degrees, QPointF centre) {
  QTransform t;
  t.translate(centre.x(), centre.y());
  t.rotate(degrees);
  t.translate(-centre.x(), -centre.y());
  return t.map(path);
}

int SealWhiteHoles(QImage& img) {
  const int w = img.width(), h = img.height();
  const QRgb key = kKeyWhite.rgb();
  auto isKey = [&](int x, int y) { return (img.pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF); };
  std::vector<char> outside(size_t(w) * h, 0);
  std::vector<std::pair<int, int>> todo;
  auto visit = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    char& seen = outside[size_t(y) * w + x];
    if (seen || !isKey(x, y)) return;
    seen = 1;
    todo.emplace_back(x, y);
  };
  for (int x = 0; x < w; ++x) visit(x, 0), visit(x, h - 1);
  for (int y = 0; y < h; ++y) visit(0, y), visit(w - 1, y);
  while (!todo.empty()) {
    auto [x, y] = todo.back();
    todo.pop_back();
    visit(x + 1, y), visit(x - 1, y), visit(x, y + 1), visit(x, y - 1);
  }
  int sealed = 0;
  const QRgb fill = QColor(0xFE, 0xFE, 0xFE).rgb();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (!outside[size_t(y) * w + x] && isKey(x, y)) {
        img.setPixel(x, y, fill);
        ++sealed;
      }
  return sealed;
}

QImage KeyedCopy(const QImage& img) {
  QImage out = img.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((line[x] & 0xFFFFFF) == 0xFFFFFF) line[x] = 0;
  }
  return out;
}

}  // namespace art
