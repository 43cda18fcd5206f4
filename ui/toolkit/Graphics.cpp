#include "ui/toolkit/Graphics.h"

#include <QPagedPaintDevice>
#include <QPen>
#include <cmath>

#include "ui/toolkit/Picture.h"

namespace tk {

namespace {
QColor ToQColor(Color c) { return QColor(Red(c), Green(c), Blue(c)); }
}  // namespace

Graphics::Graphics(QImage* image)
    : image_(image), device_(image), width_(image->width()), height_(image->height()) {}

Graphics::Graphics(QPaintDevice* device, int width, int height)
    : device_(device), width_(width), height_(height) {}

Graphics::~Graphics() { End(); }

QPainter& Graphics::Painter() {
  if (!painter_.isActive() && device_ != nullptr && width_ > 0 && height_ > 0) {
    painter_.begin(device_);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
  }
  return painter_;
}

void Graphics::End() {
  if (painter_.isActive()) painter_.end();
}

void Graphics::FillRect(double x, double y, double w, double h) {
  if (w <= 0 || h <= 0) return;
  QPainter& p = Painter();
  if (!p.isActive()) return;
  p.fillRect(QRectF(x, y, w, h), ToQColor(foreColor_));
}

void Graphics::DrawRect(double x, double y, double w, double h) {
  if (w <= 0 || h <= 0) return;
  const double pw = std::min<double>(penWidth_, w);
  const double ph = std::min<double>(penHeight_, h);
  FillRect(x, y, w, ph);
  FillRect(x, y + h - ph, w, ph);
  FillRect(x, y, pw, h);
  FillRect(x + w - pw, y, pw, h);
}

void Graphics::DrawLine(double x1, double y1, double x2, double y2) {
  QPainter& p = Painter();
  if (!p.isActive()) return;
  QPen pen(ToQColor(foreColor_));
  pen.setWidthF(std::max(1, std::max(penWidth_, penHeight_)));
  pen.setCapStyle(Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  p.setPen(pen);
  p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

const QImage& Graphics::Scaled(const QImage& source, int w, int h) {
  const std::int64_t key = source.cacheKey();
  if (key != scaledKey_ || scaled_.width() != w || scaled_.height() != h) {
    scaled_ = source.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaledKey_ = key;
  }
  return scaled_;
}

void Graphics::DrawPicture(const std::shared_ptr<Picture>& pic, double x, double y, double w, double h,
                           double sx, double sy, double sw, double sh) {
  if (!pic || w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
  const QImage& source = pic->Image();
  if (source.isNull()) return;
  QPainter& p = Painter();
  if (!p.isActive()) return;
  const bool whole = sx == 0 && sy == 0 && sw == source.width() && sh == source.height();
  const bool integral = x == std::floor(x) && y == std::floor(y) && w == std::floor(w) && h == std::floor(h);
  if (whole && integral) {
    p.drawImage(QPoint(int(x), int(y)), Scaled(source, int(w), int(h)));
    return;
  }
  p.drawImage(QRectF(x, y, w, h), source, QRectF(sx, sy, sw, sh));
}

void Graphics::DrawPicture(const std::shared_ptr<Picture>& pic, double x, double y) {
  if (!pic) return;
  DrawPicture(pic, x, y, pic->Width(), pic->Height(), 0, 0, pic->Width(), pic->Height());
}

void Graphics::NextPage() {
  if (paged_ != nullptr) paged_->newPage();
}

}  // namespace tk
