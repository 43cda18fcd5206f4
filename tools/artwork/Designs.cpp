// The ten border designs. Each is 128 x 128 on exact white; motifs fill most
// of the square so that walls still read when a cell is only a few pixels.
#include <QtMath>
#include <cstdio>

#include "Catalogue.h"
#include "Style.h"

namespace art {
namespace {

constexpr int kSize = 128;
constexpr double kLine = 4.5;  // outline width in the 128-unit design space

QColor Hex(unsigned rgb) { return QColor::fromRgb(QRgb(rgb)); }

QPointF OnCircle(QPointF c, double r, double degrees) {
  const double a = qDegreesToRadians(degrees);
  return {c.x() + r * std::cos(a), c.y() - r * std::sin(a)};
}

// A pointed petal or leaf blade from base to tip, widest in the middle.
QPainterPath Blade(QPointF base, QPointF tip, double halfWidth) {
  const QPointF d = tip - base;
  const double len = std::hypot(d.x(), d.y());
  const QPointF n(-d.y() / len * halfWidth, d.x() / len * halfWidth);
  QPainterPath path(base);
  path.cubicTo(base + d * 0.25 + n * 1.3, base + d * 0.75 + n * 0.9, tip);
  path.cubicTo(base + d * 0.75 - n * 0.9, base + d * 0.25 - n * 1.3, base);
  path.closeSubpath();
  return path;
}

QPainterPath Heart(double cx, double top, double w, double h) {
  QPainterPath path(QPointF(cx, top + h * 0.28));
  path.cubicTo(cx, top - h * 0.05, cx - w * 0.55, top - h * 0.05, cx - w * 0.5, top + h * 0.35);
  path.cubicTo(cx - w * 0.45, top + h * 0.65, cx - w * 0.1, top + h * 0.8, cx, top + h);
  path.cubicTo(cx + w * 0.1, top + h * 0.8, cx + w * 0.45, top + h * 0.65, cx + w * 0.5,
               top + h * 0.35);
  path.cubicTo(cx + w * 0.55, top - h * 0.05, cx, top - h * 0.05, cx, top + h * 0.28);
  path.closeSubpath();
  return path;
}

void Dot(QPainter& p, double x, double y, double r, const QColor& c) {
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawEllipse(QPointF(x, y), r, r);
}

// Finishes a design: no stray see-through holes inside the motif.
QImage Finish(QPainter& p, QImage& img) {
  p.end();
  if (const int sealed = SealWhiteHoles(img); sealed > 0)
    std::fprintf(stderr, "note: %d enclosed white pixels made off-white\n", sealed);
  return img;
}

}  // namespace

QImage BeachBall() {
  QImage img = WhiteCanvas(kSize, kSize);
  QPainter p;
  Begin(p, img, kSize, kSize);
  const QPointF c(64, 64);
  const double r = 59;
  const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
  const QPointF pole(50, 44);
  const QColor line = Hex(0x23304A);
  const QColor colours[6] = {Hex(0xE53935), kOffWhite,      Hex(0x1E88E5),
                             Hex(0xFDD835), Hex(0xF4F4EC), Hex(0x43A047)};
  auto seamControl = [&](double degrees) {
    const QPointF end = OnCircle(c, r, degrees);
    const QPointF d = end - pole;
    return pole + d * 0.5 + QPointF(d.y(), -d.x()) * 0.22;
  };
  for (int k = 0; k < 6; ++k) {
    const double a0 = 95 + 60 * k, a1 = a0 + 60;
    QPainterPath seg(pole);
    seg.quadTo(seamControl(a0), OnCircle(c, r, a0));
    seg.arcTo(box, a0, 60);
    seg.quadTo(seamControl(a1), pole);
    seg.closeSubpath();
    Shape(p, seg, colours[k], line, kLine * 0.7);
  }
  // Soft shine on the upper left, then the outer rim and the valve cap.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 244, 120));
  p.drawPath(Ellipse(34, 36, 9, 4.5, -50));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(line, kLine));
  p.drawEllipse(box);
  Shape(p, Circle(pole.x(), pole.y(), 8), Hex(0xF4F4EC), line, kLine * 0.7);
  return Finish(p, img);
}

QImage IceCreamCone() {
  QImage img = WhiteCanvas(kSize, kSize);
  QPainter p;
  Begin(p, img, kSize, kSize);
  // Waffle cone with a criss-cross pattern.
  QPainterPath cone(QPointF(28, 62));
  cone.lineTo(100, 62);
  cone.lineTo(67, 122);
  cone.quadTo(64, 127, 61, 122);
  cone.closeSubpath();
  Shape(p, cone, Hex(0xE9A94F), Hex(0x8F5514), kLine);
  p.save();
  p.setClipPath(cone);
  p.setPen(QPen(Hex(0xB9762B), 3));
  for (int i = -80; i < 140; i += 13) {
    p.drawLine(QPointF(i, 60), QPointF(i + 70, 130));
    p.drawLine(QPointF(i + 70, 60), QPointF(i, 130));
  }
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Hex(0x8F5514), kLine, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(cone);
  // Strawberry scoop with a dripping rim.
  QPainterPath scoop = Circle(64, 44, 35);
  scoop = scoop.united(RoundRect(25, 42, 78, 22, 10));
  const double drips[][3] = {{32, 63, 8}, {48, 68, 9}, {65, 65, 8}, {81, 70, 9}, {96, 62, 7}};
  for (const auto& d : drips) scoop = scoop.united(Circle(d[0], d[1], d[2]));
  Shape(p, scoop.simplified(), Hex(0xF78FB3), Hex(0xB0406B), kLine);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 236, 244, 170));
  p.drawPath(Ellipse(48, 30, 11, 6, -30));
  // Sprinkles.
  const double sprinkles[][3] = {{60, 28, 30}, {78, 36, -40}, {52, 48, 70}, {74, 54, 10},
                                 {88, 48, 60}, {40, 56, -20}, {64, 40, -70}};
  const QColor sprinkleColours[] = {Hex(0x1E88E5), Hex(0xFDD835), Hex(0x43A047),
                                    Hex(0x8E24AA), Hex(0xFB8C00)};
  int n = 0;
  for (const auto& s : sprinkles) {
    p.setPen(QPen(sprinkleColours[n++ % 5], 3.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF d = OnCircle(QPointF(0, 0), 3.5, s[2]);
    p.drawLine(QPointF(s[0], s[1]) - d, QPointF(s[0], s[1]) + d);
  }
  // Cherry on top.
  p.setPen(QPen(Hex(0x4E6B1F), 3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath stem(QPointF(66, 8));
  stem.quadTo(70, 2, 80, 1.5);
  p.drawPath(stem);
  Shape(p, Circle(64, 12, 8.5), Hex(0xD81B3C), Hex(0x7F0F22), kLine * 0.8);
  Dot(p, 61, 9, 2.2, Hex(0xF7A1B1));
  return Finish(p, img);
}

QImage BigPumpkin() {
  QImage img = WhiteCanvas(kSize, kSize);
  QPainter p;
  Begin(p, img, kSize, kSize);
  const QColor line = Hex(0x9A3D00);
  // Stem and a curl of vine behind the body.
  QPainterPath stem(QPointF(56, 34));
  stem.cubicTo(56, 22, 58, 12, 66, 5);
  stem.lineTo(74, 9);
  stem.cubicTo(68, 16, 68, 24, 70, 34);
  stem.closeSubpath();
  Shape(p, stem, Hex(0x6F8E2E), Hex(0x3B5412), kLine);
  Shape(p, Blade(QPointF(72, 24), QPointF(110, 8), 9), Hex(0x7CB342), Hex(0x33691E), kLine * 0.8);
  // Ribs: the outer ones first so the middle ones overlap them.
  Shape(p, Ellipse(36, 79, 27, 42), Hex(0xEF6C00), line, kLine);
  Shape(p, Ellipse(92, 79, 27, 42), Hex(0xEF6C00), line, kLine);
  Shape(p, Ellipse(50, 78, 24, 46), Hex(0xF57C00), line, kLine);
  Shape(p, Ellipse(78, 78, 24, 46), Hex(0xF57C00), line, kLine);
  Shape(p, Ellipse(64, 78, 19, 47), Hex(0xFB8C00), line, kLine);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 214, 150, 120));
  p.drawPath(Ellipse(58, 56, 5, 15, 8));
  return Finish(p, img);
}

QImage Leaf() {
  QImage img = WhiteCanvas(kSize, kSize);
  QPainter p;
  Begin(p, img, kSize, kSize);
  const QPointF centre(64, 64);
  const QColor dark = Hex(0x2E6317);
  // The leaf is built lying along the x axis and then turned onto the diagonal.
  QPainterPath blade(QPointF(-56, 0));
  blade.cubicTo(-34, -50, 34, -46, 66, 0);
  blade.cubicTo(34, 46, -34, 50, -56, 0);
  blade.closeSubpath();
  QTransform onDiagonal;
  onDiagonal.translate(centre.x() + 4, centre.y() - 4);
  onDiagonal.rotate(-45);
  const QPainterPath leaf = onDiagonal.map(blade);
  QPainterPath stem(QPointF(-56, 0));
  stem.quadTo(-66, 2, -72, 8);
  p.setPen(QPen(dark, 6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(onDiagonal.map(stem));
  Shape(p, leaf, Hex(0x7CB342), dark, 0);
  // Lighter upper half for a folded look.
  p.save();
  p.setClipPath(leaf);
  QPainterPath upper;
  upper.addRect(QRectF(-80, -60, 160, 60));
  p.setPen(Qt::NoPen);
  p.setBrush(Hex(0x9CCC65));
  p.drawPath(onDiagonal.map(upper));
  p.restore();
  // Midrib and veins.
  p.setPen(QPen(dark, 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(onDiagonal.map(QPointF(-56, 0)), onDiagonal.map(QPointF(54, 0)));
  p.setPen(QPen(dark, 2.5, Qt::SolidLine, Qt::RoundCap));
  const double veins[][2] = {{-32, 24}, {-8, 28}, {16, 24}, {38, 14}};
  for (const auto& v : veins) {
    p.drawLine(onDiagonal.map(QPointF(v[0], 0)), onDiagonal.map(QPointF(v[0] + 18, -v[1])));
    p.drawLine(onDiagonal.map(QPointF(v[0], 0)), onDiagonal.map(QPointF(v[0] + 18, v[1])));
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(dark, kLine, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(leaf);
  return Finish(p, img);
}

QImage Mitten() {
  QImage img = WhiteCanvas(kSize, kSize);
  QPainter p;
  Begin(p, img, kSize, kSize);
  const QColor red = Hex(0xE53935), line = Hex(0x8A1C1C);
  QPainterPath hand = RoundRect(38, 4, 60, 100, 30);
  hand = hand.united(Ellipse(30, 60, 14, 25, -38));
  hand = hand.united(Polygon({{28, 70}, {44, 50}, {50, 96}, {38, 96}}));
  hand = hand.simplified();
  Shape(p, hand, red, line, kLine);
  // Knitted band across the hand.
  p.save();
  p.setClipPath(hand);
  p.setPen(Qt::NoPen);
  p.setBrush(kOffWhite);
  p.drawRect(QRectF(0, 66, 128, 7));
  for (int x = 40; x < 100; x += 12)
    p.drawPath(Polygon({{double(x), 80}, {x + 6.0, 75}, {x + 12.0, 80}, {x + 6.0, 85}}));
  p.restore();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 170, 160, 140));
  p.drawPath(Ellipse(56, 26, 7, 14, 15));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(line, kLine, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(hand);
  // Ribbed cuff.
  const QPainterPath cuff = RoundRect(30, 94, 76, 30, 8);
  Shape(p, cuff, Hex(0xF3EFE6), Hex(0x6E5F52), kLine);
  p.save();
  p.setClipPath(cuff);
  p.setPen(QPen(Hex(0xC8BDAE), 2.5));
  for (int x = 38; x < 106; x += 8) p.drawLine(QPointF(x, 96), QPointF(x, 122));
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Hex(0x6E5F52), kLine, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(cuff);
  return Finish(p, img);
}

QImage Snowman() {
  QImage img = WhiteCanvas(kSize, kSize);
  QPainter p;
  Begin(p, img, kSize, kSize);
  const QColor snow(0xFB, 0xFC, 0xFE), shade = Hex(0xC4D8EC), line = Hex(0x3B5C7E);
  const QColor coal = Hex(0x263238), twig = Hex(0x6D4C2F);
  // Stick arms behind the body.
  p.setPen(QPen(twig, 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(40, 84), QPointF(8, 60));
  p.drawLine(QPointF(18, 67), QPointF(10, 52));
  p.drawLine(QPointF(88, 84), QPointF(120, 60));
  p.drawLine(QPointF(110, 67), QPointF(118, 52));
  // Body and head, each with a cool shadow on the lower right.
  auto ball = [&](double cx, double cy, double r) {
    const QPainterPath round = Circle(cx, cy, r);
    Shape(p, round, shade, line, 0);
    p.save();
    p.setClipPath(round);
    Shape(p, Circle(cx - r * 0.2, cy - r * 0.2, r * 0.92), snow, line, 0);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, kLine * 1.2));
    p.drawPath(round);
  };
  ball(64, 94, 31);
  ball(64, 47, 21);
  // Scarf with a hanging end.
  const QColor scarf = Hex(0xE53935), scarfLine = Hex(0x8A1C1C);
  Shape(p, RoundRect(76, 64, 12, 26, 4), scarf, scarfLine, kLine * 0.8);
  Shape(p, RoundRect(42, 62, 44, 10, 5), scarf, scarfLine, kLine * 0.8);
  // Top hat.
  Shape(p, RoundRect(47, 3, 34, 26, 3), coal, Hex(0x10171A), kLine * 0.6);
  Shape(p, RoundRect(47, 20, 34, 6, 0), Hex(0x1E88E5), Hex(0x10171A), 0);
  Shape(p, RoundRect(37, 26, 54, 7, 3.5), coal, Hex(0x10171A), kLine * 0.6);
  // Face and buttons.
  Dot(p, 56.5, 43, 3.2, coal);
  Dot(p, 71.5, 43, 3.2, coal);
  Shape(p, Polygon({{64, 48}, {86, 53}, {64, 55}}), Hex(0xFB8C00), Hex(0xB35400), 2);
  for (double x : {55.0, 60.0, 66.0, 71.0}) Dot(p, x, 59 + (x < 58 || x > 70 ? -1.2 : 0), 1.6, coal);
  for (double y : {84.0, 96.0, 108.0}) Dot(p, 64, y, 3.4, coal);
  return Finish(p, img);
}

QImage PurplePetunia() {
  QImage img = WhiteCanvas(kSize, kSize);
  QPainter p;
  Begin(p, img, kSize, kSize);
  const QColor leaf = Hex(0x7CB342), leafLine = Hex(0x33691E);
  Shape(p, Blade(QPointF(50, 100), QPointF(8, 122), 11), leaf, leafLine, kLine * 0.8);
  Shape(p, Blade(QPointF(78, 100), QPointF(120, 122), 11), leaf, leafLine, kLine * 0.8);
  // Five round lobes merged into one trumpet seen from the front.
  const QPointF c(64, 58);
  QPainterPath flower = Circle(c.x(), c.y(), 34);
  for (int k = 0; k < 5; ++k) {
    const QPointF lobe = OnCircle(c, 28, 90 + 72 * k);
    flower = flower.united(Circle(lobe.x(), lobe.y(), 29));
  }
  flower = flower.simplified();
  Shape(p, flower, Hex(0xAB47BC), Hex(0x4A126B), kLine);
  // Darker star of veins towards the throat.
  QPainterPath star;
  for (int k = 0; k < 10; ++k) {
    const QPointF pt = OnCircle(c, k % 2 == 0 ? 40 : 13, 90 + 36 * k);
    if (k == 0)
      star.moveTo(pt);
    else
      star.lineTo(pt);
  }
  star.closeSubpath();
  Shape(p, star, Hex(0x7B1FA2), Hex(0x7B1FA2), 0);
  p.setPen(QPen(Hex(0x4A126B), 2.2, Qt::SolidLine, Qt::RoundCap));
  for (int k = 0; k < 5; ++k) p.drawLine(OnCircle(c, 8, 90 + 72 * k), OnCircle(c, 46, 90 + 72 * k));
  Shape(p, Circle(c.x(), c.y(), 8), Hex(0xDCE775), Hex(0x4A126B), 2.5);
  Dot(p, c.x(), c.y(), 3, Hex(0x9E9D24));
  return Finish(p, img);
}

QImage Sunflower() {
  QImage img = WhiteCanvas(kSize, kSize);
  QPainter p;
  Begin(p, img, kSize, kSize);
  const QPointF c(64, 64);
  const QColor petalLine = Hex(0xB26A00);
  for (int layer = 0; layer < 2; ++layer) {
    const QColor fill = layer == 0 ? Hex(0xF9A825) : Hex(0xFFD54F);
    const double offset = layer == 0 ? 11.25 : 0;
    for (int k = 0; k < 16; ++k) {
      const double a = offset + 22.5 * k;
      Shape(p, Blade(OnCircle(c, 20, a), OnCircle(c, layer == 0 ? 62 : 58, a), 8.5), fill,
            petalLine, kLine * 0.7);
    }
  }
  Shape(p, Circle(c.x(), c.y(), 27), Hex(0x7B5236), Hex(0x3E2414), kLine);
  // Seeds on a golden-angle spiral.
  for (int i = 1; i < 70; ++i) {
    const QPointF s = OnCircle(c, 2.9 * std::sqrt(double(i)), 137.508 * i);
    Dot(p, s.x(), s.y(), 1.5, i % 3 == 0 ? Hex(0xA1785A) : Hex(0x3E2414));
  }
  return Finish(p, img);
}

QImage Tulip() {
  QImage img = WhiteCanvas(kSize, kSize);
  QPainter p;
  Begin(p, img, kSize, kSize);
  const QColor leaf = Hex(0x7CB342), leafLine = Hex(0x33691E);
  // Stem, then two long leaves sweeping up from the ground.
  Shape(p, RoundRect(60, 64, 8, 62, 4), Hex(0x689F38), leafLine, kLine * 0.8);
  QPainterPath left(QPointF(60, 126));
  left.cubicTo(40, 118, 22, 96, 16, 58);
  left.cubicTo(34, 80, 52, 96, 64, 118);
  left.closeSubpath();
  Shape(p, left, leaf, leafLine, kLine);
  QPainterPath right(QPointF(66, 126));
  right.cubicTo(86, 118, 104, 100, 112, 70);
  right.cubicTo(94, 88, 76, 100, 62, 118);
  right.closeSubpath();
  Shape(p, right, leaf, leafLine, kLine);
  // Cup of three petals.
  const QColor line = Hex(0x8A1C1C);
  QPainterPath cup(QPointF(30, 12));
  cup.cubicTo(24, 46, 38, 72, 64, 73);
  cup.cubicTo(90, 72, 104, 46, 98, 12);
  cup.quadTo(90, 24, 80, 30);
  cup.quadTo(72, 12, 64, 4);
  cup.quadTo(56, 12, 48, 30);
  cup.quadTo(38, 24, 30, 12);
  cup.closeSubpath();
  Shape(p, cup, Hex(0xD32F2F), line, kLine);
  QPainterPath front(QPointF(64, 72));
  front.cubicTo(42, 68, 38, 36, 64, 14);
  front.cubicTo(90, 36, 86, 68, 64, 72);
  front.closeSubpath();
  Shape(p, front, Hex(0xEF5350), line, kLine * 0.8);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 200, 196, 140));
  p.drawPath(Ellipse(56, 40, 4, 12, 10));
  return Finish(p, img);
}

QImage Violet() {
  QImage img = WhiteCanvas(kSize, kSize);
  QPainter p;
  Begin(p, img, kSize, kSize);
  const QColor leaf = Hex(0x689F38), leafLine = Hex(0x33691E);
  // Heart-shaped leaves and a short stem below the flower.
  Shape(p, Turned(Heart(30, 76, 48, 48), -20, QPointF(30, 100)), leaf, leafLine, kLine);
  Shape(p, Turned(Heart(98, 76, 48, 48), 20, QPointF(98, 100)), leaf, leafLine, kLine);
  Shape(p, RoundRect(60, 80, 8, 46, 4), Hex(0x558B2F), leafLine, kLine * 0.8);
  const QColor line = Hex(0x2A1463);
  // Two dark upper petals, two side petals, one broad lower petal.
  Shape(p, Ellipse(47, 26, 19, 25, -28), Hex(0x4527A0), line, kLine);
  Shape(p, Ellipse(81, 26, 19, 25, 28), Hex(0x4527A0), line, kLine);
  Shape(p, Ellipse(33, 54, 22, 16, 12), Hex(0x7E57C2), line, kLine);
  Shape(p, Ellipse(95, 54, 22, 16, -12), Hex(0x7E57C2), line, kLine);
  Shape(p, Ellipse(64, 72, 25, 21), Hex(0x7E57C2), line, kLine);
  // Pale eye with dark whiskers and a yellow centre.
  Shape(p, Ellipse(64, 64, 11, 9), Hex(0xEDE7F6), Hex(0xEDE7F6), 0);
  p.setPen(QPen(line, 2, Qt::SolidLine, Qt::RoundCap));
  for (double dx : {-6.0, 0.0, 6.0}) p.drawLine(QPointF(64 + dx * 0.4, 62), QPointF(64 + dx, 76));
  Shape(p, Circle(64, 58, 6), Hex(0xFDD835), Hex(0xB28704), 2);
  return Finish(p, img);
}

}  // namespace art
