#include "ui/toolkit/Picture.h"

#include <QString>

#include "ui/toolkit/Graphics.h"

namespace tk {

namespace {
constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;
}

Color RGBSurface::Pixel(int x, int y) const {
  const QImage& image = picture_->Image();
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return 0;
  const QRgb p = reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
  const int a = qAlpha(p);
  if (a == 255 || a == 0) return Color(p & 0xFFFFFF);
  // Undo the premultiplication for a partly transparent pixel.
  return RGB(qRed(p) * 255 / a, qGreen(p) * 255 / a, qBlue(p) * 255 / a);
}

void RGBSurface::SetPixel(int x, int y, Color c) {
  QImage& image = picture_->MutableImage();
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
  reinterpret_cast<QRgb*>(image.scanLine(y))[x] = 0xFF000000u | (c & 0xFFFFFF);
}

Picture::Picture(int width, int height, int /*depth*/)
    : image_(width > 0 ? width : 0, height > 0 ? height : 0, kFormat) {
  image_.fill(0xFFFFFFFFu);
}

Picture::Picture(int width, int height) : image_(width > 0 ? width : 0, height > 0 ? height : 0, kFormat) {
  image_.fill(0u);
}

Picture::Picture(QImage image)
    : image_(image.format() == kFormat ? std::move(image) : image.convertToFormat(kFormat)) {}

Picture::~Picture() { FinishDrawing(); }

std::shared_ptr<Graphics> Picture::Graphics() {
  if (!graphics_) graphics_ = std::make_unique<tk::Graphics>(&image_);
  // The surface shares the picture's ownership. A picture that no shared_ptr
  // owns (none does in the program) lends it for its own lifetime only.
  if (std::shared_ptr<Picture> self = weak_from_this().lock()) return {std::move(self), graphics_.get()};
  return {std::shared_ptr<tk::Graphics>(), graphics_.get()};
}

void Picture::FinishDrawing() {
  if (graphics_) graphics_->End();
}

const QImage& Picture::Image() {
  FinishDrawing();
  return image_;
}

QImage& Picture::MutableImage() {
  FinishDrawing();
  return image_;
}

QImage Picture::DisplayImage() {
  const QImage& image = Image();
  if (transparent_ != 1) return image;
  QImage shown = image.copy();
  for (int y = 0; y < shown.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
    for (int x = 0; x < shown.width(); ++x) {
      if (line[x] == 0xFFFFFFFFu) line[x] = 0;
    }
  }
  return shown;
}

std::shared_ptr<Picture> Picture::Open(const std::string& resourceName) {
  QImage image(QStringLiteral(":/") + QString::fromStdString(resourceName));
  if (image.isNull()) return nullptr;
  return std::make_shared<Picture>(std::move(image));
}

}  // namespace tk
