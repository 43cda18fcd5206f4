#include "ui/toolkit/Graphics.h"

#include <QPagedPaintDevice>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "ui/toolkit/Picture.h"

namespace tk {

namespace {
QColor ToQColor(Color c) { return QColor(Red(c), Green(c), Blue(c)); }

// x * a / 255 on the four premultiplied channels at once.
inline quint32 ByteMul(quint32 x, quint32 a) {
  quint32 t = (x & 0xff00ffu) * a;
  t = (t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8;
  t &= 0xff00ffu;
  x = ((x >> 8) & 0xff00ffu) * a;
  x = x + ((x >> 8) & 0xff00ffu) + 0x800080u;
  x &= 0xff00ff00u;
  return x | t;
}

// Draws source over target at (left, top), clipped to the target: both are
// premultiplied ARGB, so "over" is s + d * (1 - alpha of s).
void BlendOver(QImage& target, const QImage& source, int left, int top) {
  const int x0 = std::max(0, left), y0 = std::max(0, top);
  const int x1 = std::min(target.width(), left + source.width());
  const int y1 = std::min(target.height(), top + source.height());
  if (x0 >= x1 || y0 >= y1) return;
  const qsizetype targetStride = target.bytesPerLine() / 4;
  const qsizetype sourceStride = source.bytesPerLine() / 4;
  auto* out = reinterpret_cast<quint32*>(target.bits()) + y0 * targetStride;
  const auto* in = reinterpret_cast<const quint32*>(source.constBits()) + (y0 - top) * sourceStride;
  for (int y = y0; y < y1; ++y, out += targetStride, in += sourceStride) {
    for (int x = x0; x < x1; ++x) {
      const quint32 s = in[x - left];
      const quint32 a = s >> 24;
      if (a == 255) {
        out[x] = s;
      } else if (a != 0) {
        out[x] = s + ByteMul(out[x], 255 - a);
      }
    }
  }
}
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
    if (scaled_.format() != QImage::Format_ARGB32_Premultiplied)
      scaled_ = scaled_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
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
    const QImage& scaled = Scaled(source, int(w), int(h));
    if (image_ != nullptr && scaled.format() == QImage::Format_ARGB32_Premultiplied &&
        image_->format() == QImage::Format_ARGB32_Premultiplied && p.transform().isIdentity() &&
        !p.hasClipping()) {
      // The raster painter writes straight into the image, so a direct copy
      // in between its calls is seen by both; it is many times faster than a
      // painter call per maze cell.
      BlendOver(*image_, scaled, int(x), int(y));
    } else {
      p.drawImage(QPoint(int(x), int(y)), scaled);
    }
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
