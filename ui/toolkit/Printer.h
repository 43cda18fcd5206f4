#pragma once
#include <QPageLayout>
#include <functional>
#include <memory>
#include <string>

class QPrintDialog;
class QPrinter;

#include "ui/toolkit/Application.h"

namespace tk {

class Graphics;

// A print job that the printer or its file refused. Nothing in the program
// catches it, so the user is told that the maze was not printed.
class PrintError : public UserFailure {
 public:
  explicit PrintError(const std::string& reason) : UserFailure("The maze could not be printed: " + reason + ".") {}
};

// The page settings of a print: printer, paper, orientation, margins and the
// resolution the printer is driven at. They travel between setups as one
// line of text (SetupString).
class PrinterSetup {
 public:
  // The resolution every print runs at unless a setup says otherwise. Much
  // higher resolutions make the picture rescaled for the printer enormous
  // (a maze page at 1200 dpi is close to 500 MB) for no visible gain.
  static constexpr int kDefaultResolution = 300;
  static constexpr int kMinResolution = 72;
  static constexpr int kMaxResolution = 600;

  PrinterSetup();

  // Shows the page-setup dialog (through the dialog seam) editing this
  // setup; False when the user cancelled it.
  bool PageSetupDialog();

  // The settings as text; an empty text means the printer's defaults.
  std::string SetupString() const;
  // Takes the settings from a text made by SetupString. Settings that are
  // missing or cannot be read keep the printer's defaults.
  void SetSetupString(const std::string& text);

  // Dots per inch, the same in both directions.
  int HorizontalResolution() const { return resolution_; }
  // Clamped to kMinResolution..kMaxResolution.
  void SetResolution(int dpi);

  // The paper, orientation and margins; invalid while the printer's defaults
  // are in use.
  const QPageLayout& PageLayout() const { return layout_; }
  void SetPageLayout(const QPageLayout& layout) { layout_ = layout; }
  // The printer chosen; empty for the default printer.
  const std::string& PrinterName() const { return printerName_; }
  void SetPrinterName(const std::string& name) { printerName_ = name; }

  // Puts these settings on a printer (resolution included).
  void ApplyTo(QPrinter& printer) const;
  // Takes the printer's choice of printer and page layout.
  void TakeFrom(const QPrinter& printer);

 private:
  QPageLayout layout_;
  std::string printerName_;
  int resolution_ = kDefaultResolution;
};

// The drawing surface of a print job on printer: the page's paintable area
// in device pixels at the printer's resolution, with the number of copies
// the printer was asked for. The program prints each copy itself, so the
// printer's own copy count is set to 1. The job carries the program's name
// as its title. The Graphics owns the printer; the job is finished by
// EndPrintJob, or when the Graphics is released. A job that never drew
// anything prints nothing.
std::shared_ptr<Graphics> PrinterGraphics(std::unique_ptr<QPrinter> printer);

// Finishes the print job drawn on g (a Graphics of PrinterGraphics) and makes
// sure it went out: a job that the printer, its file or the print system
// refused or lost raises PrintError with the reason given. Any other Graphics
// is just ended.
void EndPrintJob(Graphics& g);

// A print job that writes a PDF file at path with the page settings of setup
// and copies as the number of copies asked for.
std::shared_ptr<Graphics> PdfPrinterGraphics(const PrinterSetup& setup, const std::string& path, int copies);

// The real dialogs, shown modally with no parent window.
// The page-setup dialog editing setup; False when cancelled.
bool RealPageSetupDialog(PrinterSetup& setup);
// The print dialog for setup; nullptr when cancelled. A confirmed dialog
// keeps the printer chosen in setup; the paper, orientation and margins of
// setup stay unless the user confirmed others in the dialog's own page
// settings.
std::shared_ptr<Graphics> RealPrinterDialog(PrinterSetup& setup);
// The same dialog, run by run, which answers whether the user confirmed it
// (RealPrinterDialog runs it modally).
std::shared_ptr<Graphics> RunPrinterDialog(PrinterSetup& setup, const std::function<bool(QPrintDialog&)>& run);

}  // namespace tk
