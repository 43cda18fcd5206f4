#pragma once
// A dialog seam for printing tests: answers the page-setup and print dialogs
// as told and records what was asked. The printer is either a PDF file or a
// picture standing for one page.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit/Dialogs.h"

namespace tk {
class Picture;
}

class PrintSeam : public tk::DialogSeam {
 public:
  // Page setup: confirmed unless told otherwise; onPageSetup edits the setup
  // as the user would before confirming.
  bool confirmPageSetup = true;
  std::function<void(tk::PrinterSetup&)> onPageSetup;

  // Print dialog: confirmed unless told otherwise, with this many copies,
  // printing into pdfPath when it is set, else onto page.
  bool confirmPrint = true;
  int copies = 1;
  std::string pdfPath;
  std::shared_ptr<tk::Picture> page;

  // The dialogs shown, in order: "PageSetup" and "Print".
  std::vector<std::string> shown;
  // The setups the dialogs were shown for.
  std::vector<const tk::PrinterSetup*> setups;

  void MsgBox(const std::string& text) override;
  bool SelectColor(tk::Color& c, const std::string& prompt) override;
  std::shared_ptr<tk::FolderItem> GetSaveFolderItem(const std::string& filter,
                                                    const std::string& defaultName) override;
  bool PageSetupDialog(tk::PrinterSetup& setup) override;
  std::shared_ptr<tk::Graphics> OpenPrinterDialog(tk::PrinterSetup& setup) override;
  void RunModal(tk::Window& window) override;
};

// The number of pages of the PDF file at path (0 when it is missing).
int PdfPageCount(const std::string& path);
