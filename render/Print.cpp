#include "render/Print.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>

#include "ui/toolkit/Dialogs.h"
#include "ui/toolkit/Graphics.h"
#include "ui/toolkit/Picture.h"
#include "ui/toolkit/Printer.h"

namespace Module1 {

namespace {
// The resolution at which a picture prints unchanged.
constexpr int kPictureResolution = 72;
}  // namespace

FitRect FitToPage(int pw, int ph, int gw, int gh, bool fit) {
  if (!fit) {
    if (pw < gw && ph < gh) return {(gw - pw) / 2.0, (gh - ph) / 2.0, double(pw), double(ph)};
    return {0.0, 0.0, double(pw), double(ph)};
  }
  // Without area on either side the steps below would never end: a size of
  // 0 does not grow, and nothing positive shrinks to fit a page of 0.
  if (pw <= 0 || ph <= 0 || gw <= 0 || gh <= 0) return {0.0, 0.0, 0.0, 0.0};
  double w = pw;
  double h = ph;
  if (pw < gw && ph < gh) {
    while (w <= gw && h <= gh) {
      w = w * 1.02;
      h = h * 1.02;
    }
    w = w / 1.02;
    h = h / 1.02;
  } else {
    while (w > gw || h > gh) {
      w = w * 0.98;
      h = h * 0.98;
    }
  }
  return {(gw - w) / 2.0, (gh - h) / 2.0, w, h};
}

bool PrintImage(std::shared_ptr<tk::Picture> p, bool fit) {
  if (!p) return false;
  if (!myPrinterSetup) {
    auto edited = std::make_shared<tk::PrinterSetup>();
    if (!edited->PageSetupDialog()) return false;
    auto kept = std::make_shared<tk::PrinterSetup>();
    kept->SetSetupString(edited->SetupString());
    myPrinterSetup = kept;
  }

  std::shared_ptr<tk::Graphics> g = tk::OpenPrinterDialog(*myPrinterSetup);
  if (!g) return false;

  const int r = myPrinterSetup->HorizontalResolution();
  if (r != kPictureResolution) p = modPrint96::ConvertToDPI(p, r);

  // The maze is blocks of solid colour: smoothing them while fitting the
  // page would only blur the wall edges.
  g->SetSmoothScaling(false);
  for (int copy = 1; copy <= g->Copies(); ++copy) {
    const FitRect at = FitToPage(p->Width(), p->Height(), g->Width(), g->Height(), fit);
    g->DrawPicture(p, at.x, at.y, at.w, at.h, 0, 0, p->Width(), p->Height());
    if (copy < g->Copies()) g->NextPage();
  }
  // The job is finished here, so that a job that the printer or the print
  // system refuses at the end is not taken for one that printed.
  tk::EndPrintJob(*g);
  return true;
}

}  // namespace Module1

namespace modPrint96 {

namespace {
int TruncatedSide(int side, double factor) {
  const double v = std::trunc(side * factor);
  if (!(v > 0)) return 0;  // also NaN
  return v >= double(INT_MAX) ? INT_MAX : int(v);
}
}  // namespace

std::shared_ptr<tk::Picture> ConvertToDPI(std::shared_ptr<tk::Picture> p, double dpi) {
  const double f = dpi / 72.0;
  const int w = TruncatedSide(p->Width(), f);
  const int h = TruncatedSide(p->Height(), f);
  auto out = std::make_shared<tk::Picture>(w, h, 32);
  const QImage& source = p->Image();
  if (out->Width() == 0 || out->Height() == 0 || source.isNull()) return out;
  // Nearest neighbour: every pixel of a wall stays the wall's colour, so the
  // walls keep hard edges at the printer's resolution.
  const QImage scaled = source.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  QPainter painter(&out->MutableImage());
  painter.drawImage(QPoint(0, 0), scaled);
  return out;
}

}  // namespace modPrint96
