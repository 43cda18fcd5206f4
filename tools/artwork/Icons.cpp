// Door arrows, button icons and the two line-length pictures, all PNG with
// alpha. Icons are drawn in a 64-unit square whatever their pixel size.
#include <QtMath>

#include "Catalogue.h"
#include "Style.h"

namespace art {
namespace {

constexpr double kUnits = 64;
constexpr double kLine = 3;

QColor Hex(unsigned rgb) { return QColor::fromRgb(QRgb(rgb)); }

QImage IconCanvas(QPainter& p, QImage& img, int size) {
  img = ClearCanvas(size, size);
  Begin(p, img, kUnits, kUnits);
  return img;
}

// A bold arrow pointing down, filling the square.
QPainterPath DownArrow() {
  return Polygon({{20, 3}, {44, 3}, {44, 29}, {61, 29}, {32, 61}, {3, 29}, {20, 29}});
}

QImage Arrow(double degrees) {
  QImage img;
  QPainter p;
  IconCanvas(p, img, 64);
  Shape(p, Turned(DownArrow(), degrees, QPointF(32, 32)), Hex(0x2E9E48), Hex(0x12502A), 3.5);
  p.end();
  return img;
}

// Arrow head for the end of a circular stroke: a triangle at pt pointing along dir.
QPainterPath Head(QPointF pt, double dirDegrees, double size) {
  const double a = qDegreesToRadians(dirDegrees);
  const QPointF d(std::cos(a), -std::sin(a)), n(-d.y(), d.x());
  return Polygon({pt + d * size, pt - n * size, pt + n * size});
}

// A rounded bar from x0 to x1, centred on row 14 rather than on the middle
// row: beside the 48-pixel add icon of the simple window this picture is
// placed 10 pixels lower (IconDY 15 against 5), and on row 14 its bar lines
// up with the middle of the plus. Its edges stay on whole pixels.
QImage LinePicture(int w, int h, double x0, double x1) {
  QImage img = ClearCanvas(w, h);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  const double mid = 14.5;
  Shape(p, RoundRect(x0, mid - 3.5, x1 - x0, 7, 3.5), Hex(0x455A64), Hex(0x1C262B), 1.5);
  p.end();
  return img;
}

}  // namespace

QImage ArrowDown() { return Arrow(0); }
QImage ArrowRight() { return Arrow(-90); }

QImage Close64() {
  QImage img;
  QPainter p;
  IconCanvas(p, img, 64);
  Shape(p, Circle(32, 32, 28), Hex(0xE53935), Hex(0x8A1C1C), kLine);
  p.setPen(QPen(Hex(0xFFFFFF), 8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(21, 21), QPointF(43, 43));
  p.drawLine(QPointF(43, 21), QPointF(21, 43));
  p.end();
  return img;
}

QImage Print64() {
  QImage img;
  QPainter p;
  IconCanvas(p, img, 64);
  const QColor line = Hex(0x37474F), paper = Hex(0xFAFAFA);
  // Sheet going in at the back.
  Shape(p, RoundRect(16, 4, 32, 24, 1.5), paper, line, kLine * 0.8);
  // Printer body with its paper slot and a green light.
  Shape(p, RoundRect(4, 22, 56, 26, 6), Hex(0x90A4AE), line, kLine);
  Shape(p, RoundRect(12, 38, 40, 4, 2), Hex(0x37474F), line, 0);
  p.setPen(Qt::NoPen);
  p.setBrush(Hex(0x66BB6A));
  p.drawEllipse(QPointF(51, 30), 2.8, 2.8);
  // Printed page coming out at the front.
  Shape(p, RoundRect(15, 40, 34, 21, 1.5), paper, line, kLine * 0.8);
  p.setPen(QPen(Hex(0x78909C), 2, Qt::SolidLine, Qt::RoundCap));
  for (double y : {47.0, 52.0, 57.0}) p.drawLine(QPointF(21, y), QPointF(y > 55 ? 35 : 43, y));
  p.end();
  return img;
}

QImage Save64() {
  QImage img;
  QPainter p;
  IconCanvas(p, img, 64);
  const QPainterPath disk = Polygon({{6, 9}, {9, 6}, {48, 6}, {58, 16}, {58, 55}, {55, 58},
                                     {9, 58}, {6, 55}});
  Shape(p, disk, Hex(0x1E88E5), Hex(0x0D3C78), kLine);
  Shape(p, RoundRect(17, 6, 28, 19, 1.5), Hex(0xCFD8DC), Hex(0x37474F), kLine * 0.8);
  Shape(p, RoundRect(35, 9.5, 6, 12, 1), Hex(0x455A64), Hex(0x455A64), 0);
  Shape(p, RoundRect(14, 33, 36, 22, 2), Hex(0xFAFAFA), Hex(0x0D3C78), kLine * 0.8);
  p.setPen(QPen(Hex(0x90CAF9), 2.2, Qt::SolidLine, Qt::RoundCap));
  for (double y : {40.0, 45.5, 51.0}) p.drawLine(QPointF(19, y), QPointF(45, y));
  p.end();
  return img;
}

QImage Search64() {
  QImage img;
  QPainter p;
  IconCanvas(p, img, 64);
  QPainterPath handle(QPointF(40, 40));
  handle.lineTo(57, 57);
  Stroke(p, handle, 11, Hex(0x6D4C41), Hex(0x2B1D18), kLine);
  Shape(p, Circle(26, 26, 19), Hex(0x546E7A), Hex(0x1C262B), kLine);
  Shape(p, Circle(26, 26, 13.5), Hex(0xBBDEFB), Hex(0x1C262B), kLine * 0.7);
  p.setPen(QPen(Hex(0xF5FBFF), 3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(17, 17, 18, 18), 100 * 16, 70 * 16);
  p.end();
  return img;
}

QImage Refresh48() {
  QImage img;
  QPainter p;
  IconCanvas(p, img, 48);
  const QPointF c(32, 32);
  const double r = 19;
  const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
  for (double start : {20.0, 200.0}) {
    // An arc of 130 degrees running counter-clockwise, with its head at the far end.
    QPainterPath arc;
    arc.arcMoveTo(box, start);
    arc.arcTo(box, start, 125);
    const double end = qDegreesToRadians(start + 125);
    QPainterPath shape;
    QPainterPathStroker stroker;
    stroker.setWidth(9);
    stroker.setCapStyle(Qt::FlatCap);
    shape = stroker.createStroke(arc);
    const QPointF tip(c.x() + r * std::cos(end), c.y() - r * std::sin(end));
    shape = shape.united(Head(tip, start + 125 + 90, 10)).simplified();
    Shape(p, shape, Hex(0x1E88E5), Hex(0x0D3C78), kLine);
  }
  p.end();
  return img;
}

QImage Move48() {
  QImage img;
  QPainter p;
  IconCanvas(p, img, 48);
  // A door in its frame, and an arrow carrying it along.
  Shape(p, RoundRect(4, 6, 30, 54, 2), Hex(0x5D4037), Hex(0x2B1D18), kLine);
  Shape(p, RoundRect(9, 11, 20, 49, 1), Hex(0xA1887F), Hex(0x2B1D18), kLine * 0.8);
  p.setPen(Qt::NoPen);
  p.setBrush(Hex(0xFDD835));
  p.drawEllipse(QPointF(24, 37), 2.6, 2.6);
  const QPainterPath arrow =
      Polygon({{26, 28}, {44, 28}, {44, 17}, {61, 35}, {44, 53}, {44, 42}, {26, 42}});
  Shape(p, arrow, Hex(0x2E9E48), Hex(0x12502A), kLine);
  p.end();
  return img;
}

QImage Add48() {
  QImage img;
  QPainter p;
  IconCanvas(p, img, 48);
  Shape(p, Circle(32, 32, 28), Hex(0x43A047), Hex(0x1B5E20), kLine);
  const QPainterPath plus =
      RoundRect(27, 14, 10, 36, 3).united(RoundRect(14, 27, 36, 10, 3)).simplified();
  Shape(p, plus, Hex(0xFFFFFF), Hex(0x1B5E20), 0);
  p.end();
  return img;
}

QImage LongLine() { return LinePicture(35, 33, 3, 32); }
QImage ShortLine() { return LinePicture(32, 33, 10, 22); }

}  // namespace art
