#pragma once
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <memory>

#include "ui/toolkit/Color.h"

class QPaintDevice;
class QPagedPaintDevice;

namespace tk {

class Picture;

// A drawing surface: a picture, a canvas being painted, or a printer page.
// ForeColor, PenWidth and PenHeight apply to what is drawn after them.
class Graphics {
 public:
  // Drawing on an image (a picture's surface).
  explicit Graphics(QImage* image);
  // Drawing on another device (a widget being painted, a printer), whose
  // size in pixels is width x height.
  Graphics(QPaintDevice* device, int width, int height);
  ~Graphics();
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }

  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color c) { foreColor_ = c; }
  int PenWidth() const { return penWidth_; }
  void SetPenWidth(int w) { penWidth_ = w; }
  int PenHeight() const { return penHeight_; }
  void SetPenHeight(int h) { penHeight_ = h; }

  // Fills the rectangle with ForeColor, clipped to the surface.
  void FillRect(double x, double y, double w, double h);
  // The outline of the rectangle, inside it, PenWidth / PenHeight thick.
  void DrawRect(double x, double y, double w, double h);
  void DrawLine(double x1, double y1, double x2, double y2);
  // The source rectangle of p scaled into the destination rectangle;
  // transparent pixels leave the surface unchanged.
  void DrawPicture(const std::shared_ptr<Picture>& p, double x, double y, double w, double h, double sx,
                   double sy, double sw, double sh);
  // The whole of p at its own size.
  void DrawPicture(const std::shared_ptr<Picture>& p, double x, double y);

  // Device pixels per unit of the surface: 2 for a canvas painted on a
  // screen scaled by 2, 1 for pictures and printers.
  double PixelRatio();

  // Whether pictures drawn at another size are smoothed (the default) or
  // taken pixel by pixel, which keeps the hard edges of blocks of colour.
  bool SmoothScaling() const { return smooth_; }
  void SetSmoothScaling(bool smooth);

  // Printer pages: the number of copies asked for, and the start of a new
  // page. A surface that is no printer has one copy and no pages. A page
  // that the printer refuses raises PrintError.
  int Copies() const { return copies_; }
  void SetCopies(int n) { copies_ = n; }
  void SetPagedDevice(QPagedPaintDevice* device) { paged_ = device; }
  QPagedPaintDevice* PagedDevice() const { return paged_; }
  void NextPage();

  // The painter, begun on first use, for drawing the calls above do not
  // offer. On a printer that cannot start the job it raises PrintError.
  QPainter& Painter();
  // Ends drawing; the next drawing call begins again. On a printer this
  // finishes the job, and a job that cannot be finished raises PrintError.
  void End();

  // For pictures (ScreenScale): a surface `ratio` times as fine that every
  // drawing call made here draws on as well, at its own pixels; nullptr
  // stops that. Drawing through Painter() stops it too, since the painter's
  // drawing would not reach that surface.
  void SetScreenCopy_(std::shared_ptr<Graphics> copy, double ratio);
  bool HasScreenCopy_() const { return screenCopy_ != nullptr; }

 private:
  const QImage& Scaled(const QImage& source, int w, int h);
  // A line of the given width from a to b in ForeColor.
  void Line(QPointF a, QPointF b, double width);
  // Draws p's screen copy at the device's own pixels when this surface is
  // finer than its units (a canvas on a scaled screen) and p has a copy at
  // that ratio; False when it does not apply.
  bool DrawScreenCopy(const std::shared_ptr<Picture>& p, double x, double y, double w, double h, double sx,
                      double sy, double sw, double sh);
  QPainter& Begin();
  // Ends the painter; False when the device could not finish.
  bool EndPainter();
  // True when pictures may be copied straight into the target image.
  bool DirectTarget();
  // Printer pages are drawn by the painter at the printer's resolution.
  bool IsPrinter() const;

  QImage* image_ = nullptr;
  QPaintDevice* device_ = nullptr;
  QPagedPaintDevice* paged_ = nullptr;
  QPainter painter_;
  int width_ = 0;
  int height_ = 0;
  Color foreColor_ = 0x000000;
  int penWidth_ = 1;
  int penHeight_ = 1;
  int copies_ = 1;
  bool smooth_ = true;
  // Painter() handed the painter out since it was last ended.
  bool painterLent_ = false;

  // The last scaled picture: a maze paints one wall tile thousands of times
  // at one size, so it is scaled once and then copied.
  std::int64_t scaledKey_ = 0;
  QImage scaled_;
  bool scaledOpaque_ = false;
  bool scaledSmooth_ = true;
  const quint32* scaledBits_ = nullptr;
  qsizetype scaledStride_ = 0;
  // The last enlarged picture region, kept for its memory, and the same at a
  // scaled screen's pixels.
  QImage stretched_;
  QImage screenStretched_;

  std::shared_ptr<Graphics> screenCopy_;
  double screenRatio_ = 1;
};

// While one lives, each picture of depth 32 that is made carries a copy of
// itself at `ratio` times its pixels, which every drawing on the picture's
// Graphics draws as well (Picture::ScreenCopy_). A canvas painting on a
// scaled screen sets one up, so that the pictures its painting makes are
// shown at the screen's own pixels, while the pictures themselves keep their
// size and pixels. Ratios of 1 or less, or above 4, make no copies.
class ScreenScale {
 public:
  explicit ScreenScale(double ratio);
  ~ScreenScale();
  ScreenScale(const ScreenScale&) = delete;
  ScreenScale& operator=(const ScreenScale&) = delete;
  // The ratio of the innermost ScreenScale alive; 1 when there is none.
  static double Current();

 private:
  double previous_;
};

}  // namespace tk
