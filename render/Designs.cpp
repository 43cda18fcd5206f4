#include <cstring>

#include "render/Module1.h"
#include "render/Pictures.h"

namespace Module1 {

void SetupMyPicts(tk::Color c) {
  auto checker = std::make_shared<tk::Picture>(60, 60, 32);
  {
    auto g = checker->Graphics();
    g->SetForeColor(c);
    for (int x : {0, 20, 40})
      for (int y : {0, 20, 40}) g->FillRect(x, y, 10, 10);
    for (int x : {10, 30, 50})
      for (int y : {10, 30, 50}) g->FillRect(x, y, 10, 10);
  }
  auto solid = std::make_shared<tk::Picture>(60, 60, 32);
  {
    auto g = solid->Graphics();
    g->SetForeColor(c);
    g->FillRect(0, 0, 60, 60);
  }
  myPicts.clear();
  myPicts.push_back(checker);
  myPicts.push_back(solid);
  myPicts.push_back(Pictures::BeachBall());
  myPicts.push_back(Pictures::IceCreamCone());
  myPicts.push_back(Pictures::BigPumpkin());
  myPicts.push_back(Pictures::Leaf());
  myPicts.push_back(Pictures::Mitten());
  myPicts.push_back(Pictures::Snowman());
  myPicts.push_back(Pictures::PurplePetunia());
  myPicts.push_back(Pictures::Sunflower());
  myPicts.push_back(Pictures::Tulip());
  myPicts.push_back(Pictures::Violet());
}

std::shared_ptr<tk::Picture> Transparent(const std::shared_ptr<tk::Picture>& p) {
  if (!p) return nullptr;
  const QImage& source = p->Image();
  auto result = std::make_shared<tk::Picture>(p->Width(), p->Height());
  QImage& target = result->MutableImage();
  const int w = source.width(), h = source.height();
  // Scanline copy: both pictures are premultiplied ARGB, so an opaque pixel
  // is its colour with alpha 255 and is copied as it is unless it is pure
  // white. A partly transparent pixel is made opaque in its own colour; a
  // fully transparent one has no colour and stays transparent.
  for (int y = 0; y < h; ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const QRgb v = in[x];
      const unsigned a = qAlpha(v);
      if (a == 255) {
        if (v != 0xFFFFFFFFu) out[x] = v;
      } else if (a != 0) {
        const QRgb opaque = qRgb(int(qRed(v) * 255 / a), int(qGreen(v) * 255 / a), int(qBlue(v) * 255 / a));
        if ((opaque & 0xFFFFFF) != 0xFFFFFF) out[x] = opaque;
      }
    }
  }
  return result;
}

}  // namespace Module1
