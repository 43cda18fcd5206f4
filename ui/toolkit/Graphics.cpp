#include "ui/toolkit/Graphics.h"

#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "ui/toolkit/Picture.h"
#include "ui/toolkit/Printer.h"

namespace tk {

namespace {
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
[[gnu::always_inline]] inline void BlendOver(quint32* target, qsizetype targetStride, int targetW,
                                             int targetH, const quint32* source, qsizetype sourceStride,
                                             int w, int h, bool opaque, int left, int top) {
  const int x0 = std::max(0, left), y0 = std::max(0, top);
  const int x1 = std::min(targetW, left + w);
  const int y1 = std::min(targetH, top + h);
  if (x0 >= x1 || y0 >= y1) return;
  quint32* out = target + y0 * targetStride + x0;
  const quint32* in = source + (y0 - top) * sourceStride + (x0 - left);
  const int n = x1 - x0;
  if (opaque) {
    for (int y = y0; y < y1; ++y, out += targetStride, in += sourceStride) {
#if defined(__SSE2__)
      // Wall cells of a large maze are a few pixels wide: four pixels at a
      // time, the last four overlapping the ones before where n is no
      // multiple of four, beats a loop or a library call there.
      if (n >= 4 && n <= 16) {
        auto copy4 = [&](int x) {
          _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x),
                           _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x)));
        };
        copy4(0);
        if (n > 8) {
          copy4(4);
          if (n > 12) copy4(8);
        }
        copy4(n - 4);
        continue;
      }
#endif
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

#if defined(__SSE2__)
// Bilinear stretch of the rectangle (sx, sy, sw, sh) of source into out,
// which is w x h with w >= sw and h >= sh (an enlargement), pixel centres
// mapped onto pixel centres. Each output row blends two source rows that
// were first stretched across; a row stays at hand while the next output
// row needs it too. The w x h result goes to rows `stride` pixels apart.
void StretchUp(const QImage& source, int sx, int sy, int sw, int sh, quint32* out, qsizetype stride, int w,
               int h) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i half = _mm_set1_epi16(128);

  // Across: output column x takes source columns first[x] and first[x] + 1
  // with weights (256 - f, f), f in 0..256.
  struct alignas(16) Weights {
    short v[8];
  };
  std::vector<int> first(static_cast<std::size_t>(w));
  std::vector<Weights> weights(static_cast<std::size_t>(w));
  for (int x = 0; x < w; ++x) {
    double at = (x + 0.5) * sw / w - 0.5;
    if (at < 0) at = 0;
    int i = int(at);
    int f = int((at - i) * 256 + 0.5);
    if (sw == 1) {
      i = 0;
      f = 0;
    } else if (i >= sw - 1) {
      i = sw - 2;
      f = 256;
    }
    first[std::size_t(x)] = sx + i;
    const short a = short(256 - f), b = short(f);
    weights[std::size_t(x)] = Weights{{a, a, a, a, b, b, b, b}};
  }

  std::vector<quint32> rows[2] = {std::vector<quint32>(std::size_t(w) + 4),
                                  std::vector<quint32>(std::size_t(w) + 4)};
  int rowOf[2] = {-1, -1};
  auto across = [&](int sourceRow) -> const quint32* {
    for (int k = 0; k < 2; ++k)
      if (rowOf[k] == sourceRow) return rows[k].data();
    // Replace the row that is not the other one in use.
    const int k = rowOf[0] == sourceRow - 1 ? 1 : 0;
    const auto* in = reinterpret_cast<const quint32*>(source.constScanLine(sourceRow));
    quint32* o = rows[k].data();
    if (sw == 1) {
      std::fill(o, o + w, in[sx]);
    } else {
      auto weight = [&](int x) {
        return _mm_load_si128(reinterpret_cast<const __m128i*>(weights[std::size_t(x)].v));
      };
      auto pairAt = [&](int x) {
        return _mm_unpacklo_epi8(
            _mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + first[std::size_t(x)])), zero);
      };
      int x = 0;
      // Two output pixels at a time: the left-hand terms of both in one
      // register, the right-hand terms in another.
      for (; x + 2 <= w; x += 2) {
        const __m128i m0 = _mm_mullo_epi16(pairAt(x), weight(x));
        const __m128i m1 = _mm_mullo_epi16(pairAt(x + 1), weight(x + 1));
        const __m128i sum = _mm_srli_epi16(
            _mm_add_epi16(_mm_add_epi16(_mm_unpacklo_epi64(m0, m1), _mm_unpackhi_epi64(m0, m1)), half), 8);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(o + x), _mm_packus_epi16(sum, sum));
      }
      for (; x < w; ++x) {
        const __m128i m = _mm_mullo_epi16(pairAt(x), weight(x));
        const __m128i sum = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(m, _mm_srli_si128(m, 8)), half), 8);
        o[x] = quint32(_mm_cvtsi128_si32(_mm_packus_epi16(sum, sum)));
      }
    }
    rowOf[k] = sourceRow;
    return o;
  };

  for (int y = 0; y < h; ++y) {
    double at = (y + 0.5) * sh / h - 0.5;
    if (at < 0) at = 0;
    int i = int(at);
    int f = int((at - i) * 256 + 0.5);
    if (i >= sh - 1) {
      i = sh - 1;
      f = 0;
    }
    quint32* o = out + y * stride;
    const quint32* a = across(sy + i);
    if (f == 0) {
      std::memcpy(o, a, std::size_t(w) * 4);
    } else if (f == 256) {
      std::memcpy(o, across(sy + i + 1), std::size_t(w) * 4);
    } else {
      const quint32* b = across(sy + i + 1);
      a = across(sy + i);  // still at hand: the two rows are different ones
      const __m128i wa = _mm_set1_epi16(short(256 - f)), wb = _mm_set1_epi16(short(f));
      int x = 0;
      for (; x + 4 <= w; x += 4) {
        const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + x));
        const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + x));
        const __m128i lo =
            _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(va, zero), wa),
                                                       _mm_mullo_epi16(_mm_unpacklo_epi8(vb, zero), wb)),
                                         half),
                           8);
        const __m128i hi =
            _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(va, zero), wa),
                                                       _mm_mullo_epi16(_mm_unpackhi_epi8(vb, zero), wb)),
                                         half),
                           8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + x), _mm_packus_epi16(lo, hi));
      }
      for (; x < w; ++x) {
        const __m128i va = _mm_unpacklo_epi8(_mm_cvtsi32_si128(int(a[x])), zero);
        const __m128i vb = _mm_unpacklo_epi8(_mm_cvtsi32_si128(int(b[x])), zero);
        const __m128i sum = _mm_srli_epi16(
            _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(va, wa), _mm_mullo_epi16(vb, wb)), half), 8);
        o[x] = quint32(_mm_cvtsi128_si32(_mm_packus_epi16(sum, sum)));
      }
    }
  }
}

// Stretches the region (sx, sy, sw, sh) of source to w x h pixels into
// buffer, which is made anew when its size or format differ and else kept
// for its memory.
void StretchInto(QImage& buffer, QImage::Format format, const QImage& source, int sx, int sy, int sw, int sh,
                 int w, int h) {
  if (buffer.width() != w || buffer.height() != h || buffer.format() != format) buffer = QImage(w, h, format);
  StretchUp(source, sx, sy, sw, sh, reinterpret_cast<quint32*>(buffer.bits()), buffer.bytesPerLine() >> 2, w,
            h);
}
#endif

// Whether the rectangle of image is opaque throughout.
bool RegionOpaque(const QImage& image, int sx, int sy, int sw, int sh) {
  for (int y = sy; y < sy + sh; ++y) {
    const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y)) + sx;
    quint32 all = 0xFFFFFFFFu;
    int x = 0;
#if defined(__SSE2__)
    __m128i lanes = _mm_set1_epi32(-1);
    for (; x + 4 <= sw; x += 4)
      lanes = _mm_and_si128(lanes, _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + x)));
    lanes = _mm_and_si128(lanes, _mm_srli_si128(lanes, 8));
    lanes = _mm_and_si128(lanes, _mm_srli_si128(lanes, 4));
    all = quint32(_mm_cvtsi128_si32(lanes));
#endif
    for (; x < sw; ++x) all &= line[x];
    if ((all >> 24) != 255) return false;
  }
  return true;
}

bool AllOpaque(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((line[x] >> 24) != 255) return false;
  }
  return true;
}

// The most pixels a fill writes straight into an image; the painter fills
// larger areas faster.
constexpr double kSmallFill = 1 << 14;

// std::round, halves away from zero, without a library call, for the sizes
// a surface has.
inline double Round(double v) {
  const double a = std::abs(v);
  return std::copysign(a < double(1LL << 52) ? double(std::int64_t(a + 0.5)) : a, v);
}

// A whole number of a size that fits the pixel loops.
bool Integral(double v) { return v > -(1 << 28) && v < (1 << 28) && v == double(int(v)); }

}  // namespace

Graphics::Graphics(QImage* image)
    : image_(image), device_(image), width_(image->width()), height_(image->height()) {}

Graphics::Graphics(QPaintDevice* device, int width, int height)
    : device_(device), width_(width), height_(height) {}

Graphics::~Graphics() { EndPainter(); }

QPainter& Graphics::Painter() {
  // Whoever borrows the painter may clip or transform it.
  painterLent_ = true;
  return Begin();
}

void Graphics::SetUnits(int width, int height, double scaleX, double scaleY) {
  width_ = width;
  height_ = height;
  scaleX_ = scaleX;
  scaleY_ = scaleY;
  inUnits_ = scaleX != 1 || scaleY != 1;
}

inline QRectF Graphics::ToPixels(double x, double y, double w, double h) const {
  const double left = Round(x * scaleX_), top = Round(y * scaleY_);
  return QRectF(left, top, Round((x + w) * scaleX_) - left, Round((y + h) * scaleY_) - top);
}

double Graphics::PixelRatio() {
  if (image_ != nullptr || device_ == nullptr || IsPrinter()) return 1;
  // A widget may be painted into another device (a grab at another scale):
  // what counts is the device the painter draws on.
  QPainter& p = Begin();
  const QPaintDevice* target = p.isActive() && p.paintEngine() ? p.paintEngine()->paintDevice() : device_;
  return target ? target->devicePixelRatioF() : 1;
}

QPainter& Graphics::Begin() {
  if (!painter_.isActive() && device_ != nullptr && width_ > 0 && height_ > 0) {
    // A printer that cannot start the job (a file that cannot be written, a
    // printer that is gone) must not pass for one that printed.
    if (!painter_.begin(device_) && IsPrinter()) throw PrintError("the print job could not be started");
    if (painter_.isActive()) painter_.setRenderHint(QPainter::SmoothPixmapTransform, smooth_);
  }
  return painter_;
}

bool Graphics::EndPainter() {
  painterLent_ = false;
  return !painter_.isActive() || painter_.end();
}

void Graphics::End() {
  if (!EndPainter() && IsPrinter()) throw PrintError("the print job could not be finished");
}

void Graphics::SetSmoothScaling(bool smooth) {
  smooth_ = smooth;
  if (painter_.isActive()) painter_.setRenderHint(QPainter::SmoothPixmapTransform, smooth_);
}

void Graphics::FillRect(double x, double y, double w, double h) {
  if (w <= 0 || h <= 0) return;
  const QRectF area = inUnits_ ? ToPixels(x, y, w, h) : QRectF(x, y, w, h);
  if (area.isEmpty()) return;
  if (area.width() * area.height() <= kSmallFill && Integral(area.x()) && Integral(area.y()) &&
      Integral(area.width()) && Integral(area.height()) && DirectTarget()) {
    // A small rectangle of an image's whole pixels (a searched cell) costs
    // less to fill here than a painter call does.
    const QRect r = area.toRect().intersected(image_->rect());
    if (r.isEmpty()) return;
    const quint32 c = 0xFF000000u | (foreColor_ & 0xFFFFFFu);
    const qsizetype stride = image_->bytesPerLine() >> 2;
    quint32* row = reinterpret_cast<quint32*>(image_->bits()) + r.y() * stride + r.x();
    for (int k = 0; k < r.height(); ++k, row += stride) std::fill_n(row, r.width(), c);
    return;
  }
  QPainter& p = Begin();
  if (!p.isActive()) return;
  p.fillRect(area, ToQColor(foreColor_));
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
  const double width = std::max(1, std::max(penWidth_, penHeight_));
  Line(QPointF(x1, y1), QPointF(x2, y2), width);
}

void Graphics::Line(QPointF a, QPointF b, double width) {
  QPainter& p = Begin();
  if (!p.isActive()) return;
  QPen pen(ToQColor(foreColor_));
  pen.setWidthF(width);
  pen.setCapStyle(Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  p.setPen(pen);
  if (!inUnits_) {
    p.drawLine(a, b);
    return;
  }
  // The pen is scaled with the line, as much across as down.
  p.save();
  p.scale(scaleX_, scaleY_);
  p.drawLine(a, b);
  p.restore();
}

const QImage& Graphics::Scaled(const QImage& source, int w, int h) {
  const std::int64_t key = source.cacheKey();
  if (key != scaledKey_ || scaled_.width() != w || scaled_.height() != h || scaledSmooth_ != smooth_) {
    scaled_ = source.width() == w && source.height() == h
                  ? source
                  : source.scaled(w, h, Qt::IgnoreAspectRatio,
                                  smooth_ ? Qt::SmoothTransformation : Qt::FastTransformation);
    scaledSmooth_ = smooth_;
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
  if (inUnits_) {
    const QRectF to = ToPixels(x, y, w, h);
    if (to.isEmpty()) return;
    x = to.x();
    y = to.y();
    w = to.width();
    h = to.height();
  }
  const QImage& source = pic->Image();
  if (source.isNull()) return;
  if (image_ == nullptr && DrawAtDevicePixels(source, x, y, w, h, sx, sy, sw, sh)) return;
  // Pictures land straight in the target image's own pixels.
  const int targetW = image_ ? image_->width() : 0, targetH = image_ ? image_->height() : 0;
  const bool whole = sx == 0 && sy == 0 && sw == source.width() && sh == source.height();
  if (whole && Integral(x) && Integral(y) && Integral(w) && Integral(h)) {
    // A picture drawn again at the same size is scaled once, and copied
    // without a painter call when the target is an image.
    const QImage& scaled = Scaled(source, int(w), int(h));
    if (DirectTarget()) {
      // bits() also detaches the image should it share its pixels.
      BlendOver(reinterpret_cast<quint32*>(image_->bits()), image_->bytesPerLine() >> 2, targetW, targetH,
                scaledBits_, scaledStride_, int(w), int(h), scaledOpaque_, int(x), int(y));
      return;
    }
    QPainter& p = Begin();
    if (p.isActive()) p.drawImage(QPoint(int(x), int(y)), scaled);
    return;
  }
#if defined(__SSE2__)
  // A maze view shows the drawn part of its picture enlarged to the whole
  // view at every paint: stretched here on one thread, then copied.
  if (smooth_ && Integral(x) && Integral(y) && Integral(w) && Integral(h) && Integral(sx) && Integral(sy) &&
      Integral(sw) && Integral(sh) && sx >= 0 && sy >= 0 && sx + sw <= source.width() &&
      sy + sh <= source.height() && w >= sw && h >= sh && w * h <= double(1 << 23) && !IsPrinter() &&
      source.format() == QImage::Format_ARGB32_Premultiplied) {
    const int left = int(x), top = int(y), iw = int(w), ih = int(h);
    // Opaque pixels stretch to opaque ones, which simply replace the target's.
    const bool opaque = RegionOpaque(source, int(sx), int(sy), int(sw), int(sh));
    const bool direct = DirectTarget();
    if (direct && opaque && left >= 0 && top >= 0 && left + iw <= targetW && top + ih <= targetH) {
      const qsizetype stride = image_->bytesPerLine() >> 2;
      StretchUp(source, int(sx), int(sy), int(sw), int(sh),
                reinterpret_cast<quint32*>(image_->bits()) + top * stride + left, stride, iw, ih);
      return;
    }
    StretchInto(stretched_, QImage::Format_ARGB32_Premultiplied, source, int(sx), int(sy), int(sw), int(sh),
                iw, ih);
    if (direct) {
      BlendOver(reinterpret_cast<quint32*>(image_->bits()), image_->bytesPerLine() >> 2, targetW, targetH,
                reinterpret_cast<const quint32*>(stretched_.constBits()), stretched_.bytesPerLine() >> 2, iw,
                ih, opaque, left, top);
      return;
    }
    QPainter& p = Begin();
    if (p.isActive()) p.drawImage(QPoint(left, top), stretched_);
    return;
  }
#endif
  QPainter& p = Begin();
  if (!p.isActive()) return;
  p.drawImage(QRectF(x, y, w, h), source, QRectF(sx, sy, sw, sh));
}

void Graphics::DrawPictureOn(Color ground, const std::shared_ptr<Picture>& pic, double x, double y, double w,
                             double h, double sx, double sy, double sw, double sh) {
  if (!pic || w <= 0 || h <= 0 || sw <= 0 || sh <= 0 || width_ <= 0 || height_ <= 0) return;
  const QRectF to = inUnits_ ? ToPixels(x, y, w, h) : QRectF(x, y, w, h);
  if (to.isEmpty()) return;
  const QImage& source = pic->Image();
  if (Integral(to.x()) && Integral(to.y()) && Integral(to.width()) && Integral(to.height()) &&
      DirectTarget()) {
    const int tw = int(to.width()), th = int(to.height());
    const std::int64_t key = source.cacheKey();
    const Laid* tile = nullptr;
    for (const Laid& l : laid_)
      if (l.key == key && l.w == tw && l.h == th && l.sx == sx && l.sy == sy && l.sw == sw && l.sh == sh &&
          l.ground == ground && l.smooth == smooth_) {
        tile = &l;
        break;
      }
    if (!tile && !source.isNull() && sx == 0 && sy == 0 && sw == source.width() && sh == source.height()) {
      Laid& l = laid_[nextLaid_];
      nextLaid_ = (nextLaid_ + 1) % kLaidSizes;
      QImage image(tw, th, QImage::Format_ARGB32_Premultiplied);
      image.fill(0xFF000000u | (ground & 0xFFFFFFu));
      Scaled(source, tw, th);
      BlendOver(reinterpret_cast<quint32*>(image.bits()), image.bytesPerLine() >> 2, tw, th, scaledBits_,
                scaledStride_, tw, th, scaledOpaque_, 0, 0);
      l = Laid{key, tw, th, sx, sy, sw, sh, smooth_, ground, std::move(image), nullptr, 0};
      l.bits = reinterpret_cast<const quint32*>(l.image.constBits());
      l.stride = l.image.bytesPerLine() >> 2;
      tile = &l;
    }
    if (tile) {
      BlendOver(reinterpret_cast<quint32*>(image_->bits()), image_->bytesPerLine() >> 2, image_->width(),
                image_->height(), tile->bits, tile->stride, tw, th, true, int(to.x()), int(to.y()));
      return;
    }
  }
  const Color fore = foreColor_;
  foreColor_ = ground;
  FillRect(x, y, w, h);
  foreColor_ = fore;
  DrawPicture(pic, x, y, w, h, sx, sy, sw, sh);
}

bool Graphics::DrawAtDevicePixels(const QImage& source, double x, double y, double w, double h, double sx,
                                  double sy, double sw, double sh) {
  if (IsPrinter() || !Integral(sx) || !Integral(sy) || !Integral(sw) || !Integral(sh) || sx < 0 || sy < 0 ||
      sx + sw > source.width() || sy + sh > source.height() ||
      source.format() != QImage::Format_ARGB32_Premultiplied)
    return false;
  const double r = PixelRatio();
  if (r == 1 || std::lround(w * r) != std::lround(sw) || std::lround(h * r) != std::lround(sh)) return false;
  QPainter& p = Begin();
  if (!p.isActive()) return true;
  const int left = int(sx), top = int(sy), iw = int(sw), ih = int(sh);
  // The source region as an image of its own, without copying it.
  const qsizetype stride = source.bytesPerLine();
  QImage region(const_cast<uchar*>(source.constBits()) + top * stride + left * 4, iw, ih, stride,
                QImage::Format_ARGB32_Premultiplied);
  region.setDevicePixelRatio(r);
  p.drawImage(QPointF(x, y), region);
  return true;
}

bool Graphics::IsPrinter() const {
  return paged_ != nullptr || (device_ != nullptr && device_->devType() == QInternal::Printer);
}

void Graphics::DrawPicture(const std::shared_ptr<Picture>& pic, double x, double y) {
  if (!pic) return;
  DrawPicture(pic, x, y, pic->Width(), pic->Height(), 0, 0, pic->Width(), pic->Height());
}

void Graphics::NextPage() {
  if (paged_ != nullptr && !paged_->newPage()) throw PrintError("the printer did not start a new page");
}

}  // namespace tk
