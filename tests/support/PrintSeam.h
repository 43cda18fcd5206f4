#pragma once
// A dialog seam for printing tests: answers the page-setup and print dialogs
// as told and records what was asked. The printer is either a PDF file, a
// picture standing for one page, or whatever onPrint hands back.
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
  // printing through onPrint when it is set, else into pdfPath when that is
  // set, else onto page.
  bool confirmPrint = true;
  int copies = 1;
  std::function<std::shared_ptr<tk::Graphics>(tk::PrinterSetup&)> onPrint;
  std::string pdfPath;
  std::shared_ptr<tk::Picture> page;

  // The dialogs shown, in order: "PageSetup", "Print" and "MsgBox".
  std::vector<std::string> shown;
  // The texts of the message boxes.
  std::vector<std::string> messages;
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
