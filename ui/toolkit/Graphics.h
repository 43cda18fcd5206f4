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
  // The destination filled with `ground`, then DrawPicture over it: a tile
  // laid on a plain ground. A picture laid many times at a few sizes (a
  // maze's wall tile) is laid on its ground once per size, then copied.
  void DrawPictureOn(Color ground, const std::shared_ptr<Picture>& p, double x, double y, double w, double h,
                     double sx, double sy, double sw, double sh);

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

  // Drawing in units of its own on a picture finer than them (a maze view's
  // picture at a scaled screen's pixels): from now on the surface is width x
  // height units, unit (x, y) lies at pixel (x * scaleX, y * scaleY), and
  // every rectangle drawn lands with its edges on whole pixels, so that
  // rectangles that meet still meet. The painter draws in pixels.
  void SetUnits(int width, int height, double scaleX, double scaleY);

 private:
  const QImage& Scaled(const QImage& source, int w, int h);
  // A line of the given width from a to b in ForeColor.
  void Line(QPointF a, QPointF b, double width);
  // A rectangle in units as the pixels it covers.
  QRectF ToPixels(double x, double y, double w, double h) const;
  // Copies p's source rectangle pixel for pixel when it is as large as the
  // destination at the device's own pixels (a picture made at a scaled
  // screen's pixels, shown on it); False when it is not.
  bool DrawAtDevicePixels(const QImage& source, double x, double y, double w, double h, double sx, double sy,
                          double sw, double sh);
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

  // The last scaled picture, kept while the same picture is drawn at the
  // same size again.
  std::int64_t scaledKey_ = 0;
  QImage scaled_;
  bool scaledOpaque_ = false;
  bool scaledSmooth_ = true;
  const quint32* scaledBits_ = nullptr;
  qsizetype scaledStride_ = 0;
  // The last enlarged picture region, kept for its memory.
  QImage stretched_;

  // Tiles laid on their ground, by picture, size and ground (DrawPictureOn).
  struct Laid {
    std::int64_t key = 0;
    int w = 0, h = 0;
    double sx = 0, sy = 0, sw = 0, sh = 0;
    bool smooth = true;
    Color ground = 0;
    QImage image;
    const quint32* bits = nullptr;
    qsizetype stride = 0;
  };
  static constexpr int kLaidSizes = 4;
  Laid laid_[kLaidSizes];
  int nextLaid_ = 0;

  // Units to pixels (SetUnits).
  double scaleX_ = 1;
  double scaleY_ = 1;
  bool inUnits_ = false;
};

}  // namespace tk
