#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "ui/toolkit/Graphics.h"
#include "ui/toolkit/Picture.h"

namespace {

using PicturePtr = std::shared_ptr<tk::Picture>;

quint32 Raw(const PicturePtr& p, int x, int y) {
  return reinterpret_cast<const quint32*>(p->Image().constScanLine(y))[x];
}

// A 4 x 4 source: opaque red, fully transparent, half-transparent blue, and
// opaque green, in four 2 x 2 quarters.
PicturePtr Quarters() {
  auto p = std::make_shared<tk::Picture>(4, 4);
  QImage& image = p->MutableImage();
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      quint32 v = 0;
      if (x < 2 && y < 2) v = 0xFFFF0000u;
      if (x < 2 && y >= 2) v = 0x80000080u;  // premultiplied: blue 255 at alpha 128
      if (x >= 2 && y >= 2) v = 0xFF00FF00u;
      reinterpret_cast<quint32*>(image.scanLine(y))[x] = v;
    }
  return p;
}

// The same drawing through Qt's own painter, for comparison.
QImage Reference(const QImage& target, const QImage& source, QPoint at) {
  QImage out = target.copy();
  QPainter p(&out);
  p.drawImage(at, source);
  return out;
}

TEST(Picture, NewPicturesAndPixelAccess) {
  auto opaque = std::make_shared<tk::Picture>(3, 2, 32);
  auto clear = std::make_shared<tk::Picture>(3, 2);
  EXPECT_EQ(Raw(opaque, 2, 1), 0xFFFFFFFFu);
  EXPECT_EQ(Raw(clear, 2, 1), 0u);

  auto s = opaque->RGBSurface();
  s.SetPixel(1, 1, 0x123456);
  EXPECT_EQ(s.Pixel(1, 1), 0x123456u);
  EXPECT_EQ(Raw(opaque, 1, 1), 0xFF123456u) << "written pixels are opaque";
  // Outside the picture: reads give black, writes change nothing.
  s.SetPixel(3, 0, 0x000000);
  s.SetPixel(-1, 0, 0x000000);
  s.SetPixel(0, 2, 0x000000);
  EXPECT_EQ(s.Pixel(5, 5), 0u);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      if (x == 1 && y == 1) continue;
      EXPECT_EQ(Raw(opaque, x, y), 0xFFFFFFFFu) << x << "," << y;
    }
  }

  // A half-transparent pixel reads as its own colour, not the darker
  // premultiplied one.
  auto q = Quarters();
  EXPECT_EQ(q->RGBSurface().Pixel(0, 3), 0x0000FFu);

  // Marked transparent, only pure white is dropped where it is shown.
  opaque->RGBSurface().SetPixel(2, 0, 0xFEFFFF);
  opaque->SetTransparent(1);
  const QImage shown = opaque->DisplayImage();
  EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
  EXPECT_EQ(shown.pixel(2, 0), 0xFFFEFFFFu);
  EXPECT_EQ(Raw(opaque, 0, 0), 0xFFFFFFFFu) << "the picture itself keeps its white";

  EXPECT_EQ(tk::Picture::Open("no such picture.png"), nullptr);
  auto empty = std::make_shared<tk::Picture>(0, 0, 32);
  EXPECT_EQ(empty->Width(), 0);
  empty->Graphics()->FillRect(0, 0, 10, 10);
  empty->Graphics()->DrawPicture(q, 0, 0);
}

TEST(Picture, ItsGraphicsKeepsItAlive) {
  std::shared_ptr<tk::Graphics> g;
  std::weak_ptr<tk::Picture> gone;
  {
    auto p = std::make_shared<tk::Picture>(4, 3, 32);
    gone = p;
    g = p->Graphics();
    EXPECT_EQ(g.get(), p->Graphics().get()) << "one surface for the picture's life";
  }
  ASSERT_FALSE(gone.expired()) << "the picture went while its graphics was still in use";
  g->SetForeColor(0x000000);
  g->FillRect(0, 0, 2, 2);
  EXPECT_EQ(gone.lock()->RGBSurface().Pixel(1, 1), 0x000000u);
  g.reset();
  EXPECT_TRUE(gone.expired());
}

TEST(Picture, DrawingAPictureMatchesThePainterAndLeavesTransparentPixels) {
  const auto q = Quarters();
  // Unscaled at several places, including partly outside on every side.
  for (QPoint at : {QPoint(3, 2), QPoint(-2, -1), QPoint(8, 5), QPoint(-3, 6), QPoint(20, 20)}) {
    auto target = std::make_shared<tk::Picture>(10, 8, 32);
    target->Graphics()->SetForeColor(0x808080);
    target->Graphics()->FillRect(0, 0, 5, 8);
    const QImage before = target->Image().copy();
    target->Graphics()->DrawPicture(q, at.x(), at.y());
    const QImage expected = Reference(before, q->Image(), at);
    ASSERT_EQ(target->Image(), expected) << at.x() << "," << at.y();
  }
  // The transparent quarter leaves the target as it was.
  auto target = std::make_shared<tk::Picture>(10, 8, 32);
  target->Graphics()->DrawPicture(q, 1, 1);
  EXPECT_EQ(Raw(target, 3, 1), 0xFFFFFFFFu);
  EXPECT_EQ(Raw(target, 1, 1), 0xFFFF0000u);
  EXPECT_EQ(Raw(target, 4, 4), 0xFF00FF00u);
}

TEST(Picture, ScaledDrawingFollowsChangesToTheSourcePicture) {
  auto tile = std::make_shared<tk::Picture>(6, 6, 32);
  tile->Graphics()->SetForeColor(0x0000FF);
  tile->Graphics()->FillRect(0, 0, 6, 6);
  auto target = std::make_shared<tk::Picture>(20, 20, 32);
  auto g = target->Graphics();
  g->DrawPicture(tile, 0, 0, 3, 3, 0, 0, 6, 6);
  EXPECT_EQ(Raw(target, 1, 1), 0xFF0000FFu);
  // Same picture, same size, new pixels: the scaled copy must not be stale.
  tile->Graphics()->SetForeColor(0xFF0000);
  tile->Graphics()->FillRect(0, 0, 6, 6);
  g->DrawPicture(tile, 10, 10, 3, 3, 0, 0, 6, 6);
  EXPECT_EQ(Raw(target, 11, 11), 0xFFFF0000u);
  EXPECT_EQ(Raw(target, 3, 3), 0xFFFFFFFFu) << "nothing outside the destination";
  // A picture of another object at the same size is not mistaken for it.
  auto other = std::make_shared<tk::Picture>(6, 6, 32);
  g->DrawPicture(other, 0, 0, 3, 3, 0, 0, 6, 6);
  EXPECT_EQ(Raw(target, 1, 1), 0xFFFFFFFFu);
}

// A picture laid on a ground is the ground filled, then the picture drawn,
// however its laid copies are kept: at several sizes in turn, on a surface
// in units finer than them, and after the picture changes.
TEST(Picture, LayingAPictureOnAGroundIsFillingThenDrawing) {
  for (const double scale : {1.0, 2.5}) {
    SCOPED_TRACE(scale);
    const auto tile = Quarters();
    auto laid = std::make_shared<tk::Picture>(int(40 * scale), int(30 * scale), 32);
    auto drawn = std::make_shared<tk::Picture>(int(40 * scale), int(30 * scale), 32);
    for (const auto& p : {laid, drawn}) p->Graphics()->SetUnits(40, 30, scale, scale);
    auto lay = [&](double x, double y, double w, double h) {
      laid->Graphics()->DrawPictureOn(0x336699, tile, x, y, w, h, 0, 0, 4, 4);
      auto g = drawn->Graphics();
      g->SetForeColor(0x336699);
      g->FillRect(x, y, w, h);
      g->DrawPicture(tile, x, y, w, h, 0, 0, 4, 4);
    };
    for (int i = 0; i < 6; ++i) lay(i * 5, i % 2 * 5, 3 + i % 3, 5 - i % 2);
    tile->RGBSurface().SetPixel(3, 0, 0x00FF00);
    lay(0, 20, 5, 4);  // a size laid just before
    EXPECT_TRUE(laid->Image() == drawn->Image());
  }
}

TEST(Picture, DirectDrawingKeepsCopiesAndThePaintersRules) {
  const auto q = Quarters();
  // A copy taken of the pixels keeps them while the picture is drawn on.
  auto target = std::make_shared<tk::Picture>(8, 8, 32);
  const QImage copy = target->Image();
  target->Graphics()->DrawPicture(q, 0, 0);
  EXPECT_EQ(copy.pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(Raw(target, 0, 0), 0xFFFF0000u);

  // Painter drawing and direct copies in between land in order.
  auto mixed = std::make_shared<tk::Picture>(8, 8, 32);
  auto g = mixed->Graphics();
  g->SetForeColor(0x000000);
  g->FillRect(0, 0, 8, 8);
  g->DrawPicture(q, 0, 0);
  g->SetForeColor(0x00FFFF);
  g->FillRect(0, 0, 1, 1);
  EXPECT_EQ(Raw(mixed, 0, 0), 0xFF00FFFFu);
  EXPECT_EQ(Raw(mixed, 1, 1), 0xFFFF0000u);
  EXPECT_EQ(Raw(mixed, 2, 0), 0xFF000000u);

  // Someone who borrowed the painter and clipped it is obeyed.
  auto clipped = std::make_shared<tk::Picture>(8, 8, 32);
  auto cg = clipped->Graphics();
  cg->Painter().setClipRect(0, 0, 1, 8);
  cg->DrawPicture(q, 0, 0);
  EXPECT_EQ(Raw(clipped, 0, 0), 0xFFFF0000u);
  EXPECT_EQ(Raw(clipped, 1, 0), 0xFFFFFFFFu);
  // ... and so is a translation.
  auto moved = std::make_shared<tk::Picture>(8, 8, 32);
  auto mg = moved->Graphics();
  mg->Painter().translate(4, 4);
  mg->DrawPicture(q, 0, 0);
  EXPECT_EQ(Raw(moved, 0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(Raw(moved, 4, 4), 0xFFFF0000u);
}

// Largest difference in any channel between two pictures of one size.
int MaxDifference(const QImage& a, const QImage& b) {
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
    }
  return worst;
}

TEST(Picture, EnlargingARegionIsSmoothAndStaysInItsPlace) {
  // A picture with hard edges, some of it half transparent.
  auto source = std::make_shared<tk::Picture>(60, 56);
  QImage& pixels = source->MutableImage();
  for (int y = 0; y < 56; ++y)
    for (int x = 0; x < 60; ++x) {
      const quint32 v = (x / 3 + y / 5) % 3 == 0 ? 0xFF000000u
                        : (x * 7 + y) % 5 == 0   ? 0x80402000u
                                                 : 0xFFFFFFFFu;
      reinterpret_cast<quint32*>(pixels.scanLine(y))[x] = v;
    }
  struct Case {
    int x, y, w, h, sx, sy, sw, sh;
  };
  for (const Case& c : {Case{0, 0, 70, 64, 5, 4, 45, 48}, Case{0, 0, 45, 48, 5, 4, 45, 48},
                        Case{-7, 10, 80, 50, 0, 0, 60, 50}, Case{3, -2, 61, 99, 59, 0, 1, 50}}) {
    auto target = std::make_shared<tk::Picture>(64, 60, 32);
    target->Graphics()->SetForeColor(0x3060C0);
    target->Graphics()->FillRect(0, 30, 64, 30);
    QImage expected = target->Image().copy();
    {
      QPainter p(&expected);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(QRectF(c.x, c.y, c.w, c.h), source->Image(), QRectF(c.sx, c.sy, c.sw, c.sh));
    }
    target->Graphics()->DrawPicture(source, c.x, c.y, c.w, c.h, c.sx, c.sy, c.sw, c.sh);
    EXPECT_LE(MaxDifference(target->Image(), expected), 4) << c.w << "x" << c.h;
  }
  // At its own size a region is copied exactly.
  auto copy = std::make_shared<tk::Picture>(45, 48, 32);
  copy->Graphics()->DrawPicture(source, 0, 0, 45, 48, 5, 4, 45, 48);
  auto onWhite = std::make_shared<tk::Picture>(45, 48, 32);
  QImage region = source->Image().copy(5, 4, 45, 48);
  QPainter(&onWhite->MutableImage()).drawImage(0, 0, region);
  EXPECT_EQ(copy->Image(), onWhite->Image());
}

}  // namespace
