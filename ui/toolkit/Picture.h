#pragma once
#include <QImage>
#include <memory>
#include <string>

#include "ui/toolkit/Color.h"

namespace tk {

class Graphics;
class Picture;

// Per-pixel access to a picture.
class RGBSurface {
 public:
  explicit RGBSurface(Picture& picture) : picture_(&picture) {}
  // The colour of pixel (x, y), alpha ignored.
  Color Pixel(int x, int y) const;
  // Sets pixel (x, y) to an opaque colour.
  void SetPixel(int x, int y, Color c);

 private:
  Picture* picture_;
};

// An off-screen picture. Pixels are kept premultiplied ARGB, the format that
// the raster engine draws fastest. Pictures are always held by shared_ptr.
class Picture : public std::enable_shared_from_this<Picture> {
 public:
  // A picture of depth 32: opaque white.
  Picture(int width, int height, int depth);
  // A picture with an alpha channel: fully transparent.
  Picture(int width, int height);
  explicit Picture(QImage image);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }

  // 1: wherever the toolkit shows the picture itself (button icons,
  // backdrops), its pure white pixels are transparent.
  int Transparent() const { return transparent_; }
  void SetTransparent(int value) { transparent_ = value; }

  // The picture's drawing surface; the same object for the picture's life.
  // Whoever holds it keeps the picture alive, so it never draws into pixels
  // that are gone.
  std::shared_ptr<tk::Graphics> Graphics();
  tk::RGBSurface RGBSurface() { return tk::RGBSurface(*this); }

  // The pixels, with any drawing in progress finished first.
  const QImage& Image();
  // For code that writes the pixels directly (scanline loops).
  QImage& MutableImage();

  // The picture as the toolkit shows it: with Transparent = 1 its pure
  // white pixels are transparent.
  QImage DisplayImage();

  // Opens a picture of the application's resources by its resource name;
  // nullptr when there is none or it cannot be decoded.
  static std::shared_ptr<Picture> Open(const std::string& resourceName);

 private:
  void FinishDrawing();

  QImage image_;
  int transparent_ = 0;
  std::unique_ptr<tk::Graphics> graphics_;
};

}  // namespace tk
