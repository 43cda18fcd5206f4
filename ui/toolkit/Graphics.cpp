#include "ui/toolkit/Graphics.h"

#include <QPagedPaintDevice>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstring>

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

// Draws a w x h source (rows `sourceStride` pixels apart) over a target of
// targetW x targetH at (left, top), clipped to the target. Both are
// premultiplied ARGB, so "over" is s + d * (1 - alpha of s); an opaque
// source is copied.
void BlendOver(quint32* target, qsizetype targetStride, int targetW, int targetH, const quint32* source,
               qsizetype sourceStride, int w, int h, bool opaque, int left, int top) {
  const int x0 = std::max(0, left), y0 = std::max(0, top);
  const int x1 = std::min(targetW, left + w);
  const int y1 = std::min(targetH, top + h);
  if (x0 >= x1 || y0 >= y1) return;
  quint32* out = target + y0 * targetStride + x0;
  const quint32* in = source + (y0 - top) * sourceStride + (x0 - left);
  const int n = x1 - x0;
  if (opaque) {
    for (int y = y0; y < y1; ++y, out += targetStride, in += sourceStride) {
      // Wall cells of a large maze are a few pixels wide: a plain loop beats
      // a library call there.
      if (n <= 16) {
        for (int x = 0; x < n; ++x) out[x] = in[x];
      } else {
        std::memcpy(out, in, std::size_t(n) * 4);
      }
    }
    return;
  }
  for (int y = y0; y < y1; ++y, out += targetStride, in += sourceStride) {
    for (int x = 0; x < n; ++x) {
      const quint32 s = in[x];
      const quint32 a = s >> 24;
      if (a == 255) {
        out[x] = s;
      } else if (a != 0) {
        out[x] = s + ByteMul(out[x], 255 - a);
      }
    }
  }
}

bool AllOpaque(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((line[x] >> 24) != 255) return false;
  }
  return true;
}

// A whole number of a size that fits the pixel loops.
bool Integral(double v) { return v > -(1 << 28) && v < (1 << 28) && v == double(int(v)); }
}  // namespace

Graphics::Graphics(QImage* image)
    : image_(image), device_(image), width_(image->width()), height_(image->height()) {}

Graphics::Graphics(QPaintDevice* device, int width, int height)
    : device_(device), width_(width), height_(height) {}

Graphics::~Graphics() { End(); }

QPainter& Graphics::Painter() {
  // Whoever borrows the painter may clip or transform it.
  painterLent_ = true;
  return Begin();
}

QPainter& Graphics::Begin() {
  if (!painter_.isActive() && device_ != nullptr && width_ > 0 && height_ > 0) {
    painter_.begin(device_);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
  }
  return painter_;
}

void Graphics::End() {
  if (painter_.isActive()) painter_.end();
  painterLent_ = false;
}

void Graphics::FillRect(double x, double y, double w, double h) {
  if (w <= 0 || h <= 0) return;
  QPainter& p = Begin();
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
  QPainter& p = Begin();
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
    scaled_ = source.width() == w && source.height() == h
                  ? source
                  : source.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (scaled_.format() != QImage::Format_ARGB32_Premultiplied)
      scaled_ = scaled_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    scaledOpaque_ = AllOpaque(scaled_);
    scaledBits_ = reinterpret_cast<const quint32*>(scaled_.constBits());
    scaledStride_ = scaled_.bytesPerLine() >> 2;
    scaledKey_ = key;
  }
  return scaled_;
}

bool Graphics::DirectTarget() {
  if (image_ == nullptr || image_->format() != QImage::Format_ARGB32_Premultiplied) return false;
  // The raster painter writes straight into the image, so a direct copy in
  // between its calls is seen by both, as long as it neither clips nor
  // transforms.
  return !painterLent_ || !painter_.isActive() ||
         (!painter_.hasClipping() && painter_.worldTransform().isIdentity());
}

void Graphics::DrawPicture(const std::shared_ptr<Picture>& pic, double x, double y, double w, double h,
                           double sx, double sy, double sw, double sh) {
  if (!pic || w <= 0 || h <= 0 || sw <= 0 || sh <= 0 || width_ <= 0 || height_ <= 0) return;
  const QImage& source = pic->Image();
  if (source.isNull()) return;
  const bool whole = sx == 0 && sy == 0 && sw == source.width() && sh == source.height();
  if (whole && Integral(x) && Integral(y) && Integral(w) && Integral(h)) {
    // A maze paints one wall tile thousands of times at one size: it is
    // scaled once and then copied, without a painter call per cell when the
    // target is an image.
    const QImage& scaled = Scaled(source, int(w), int(h));
    if (DirectTarget()) {
      // bits() also detaches the image should it share its pixels.
      BlendOver(reinterpret_cast<quint32*>(image_->bits()), image_->bytesPerLine() >> 2, width_, height_,
                scaledBits_, scaledStride_, int(w), int(h), scaledOpaque_, int(x), int(y));
      return;
    }
    QPainter& p = Begin();
    if (p.isActive()) p.drawImage(QPoint(int(x), int(y)), scaled);
    return;
  }
  QPainter& p = Begin();
  if (!p.isActive()) return;
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
