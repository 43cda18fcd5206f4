#pragma once
// Printing the maze picture fitted and centred on the page.
#include <memory>

namespace tk {
class Picture;
class PrinterSetup;
}  // namespace tk

namespace Module1 {

// The page settings of this run: set when the user first confirms the page
// setup of a print, kept until the program ends, never stored.
inline std::shared_ptr<tk::PrinterSetup> myPrinterSetup;

// Prints p, one page per copy, fitted to the page and centred when fit is
// True, else at its natural size. Shows the page-setup dialog while no page
// setup was confirmed in this run, then the print dialog. True when the job
// ran (also with 0 copies), False when the user cancelled a dialog; a job
// that the printer, its file or the print system refused raises
// tk::PrintError. p is not changed.
bool PrintImage(std::shared_ptr<tk::Picture> p, bool fit);

// Where a picture of pw x ph lands on a page of gw x gh: with fit, grown or
// shrunk in steps of 2 % to the largest size that fits, and centred; without,
// at its natural size, centred when it is smaller than the page in both
// directions, else at the top left. A page or a picture without area gets an
// empty rectangle with fit.
struct FitRect {
  double x, y, w, h;
};
FitRect FitToPage(int pw, int ph, int gw, int gh, bool fit);

}  // namespace Module1

namespace modPrint96 {

// A new opaque picture of p rescaled from 72 dpi to dpi: trunc(width x dpi /
// 72) by trunc(height x dpi / 72), scaled without smoothing so walls stay
// sharp.
std::shared_ptr<tk::Picture> ConvertToDPI(std::shared_ptr<tk::Picture> p, double dpi);

}  // namespace modPrint96
