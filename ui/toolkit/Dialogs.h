#pragma once
#include <memory>
#include <string>

#include "ui/toolkit/Color.h"

namespace tk {

class FolderItem;
class Graphics;
class PrinterSetup;
class Window;

// Every modal dialog of the program goes through one seam. The program uses
// the real dialogs; tests install their own seam that answers each dialog
// (cancel, a colour, a file, a printer that writes a PDF file) without ever
// waiting on a real modal.
class DialogSeam {
 public:
  virtual ~DialogSeam() = default;

  // A modal message box with one text and an OK button.
  virtual void MsgBox(const std::string& text) = 0;
  // The colour picker: True and the chosen colour in c when confirmed.
  virtual bool SelectColor(Color& c, const std::string& prompt) = 0;
  // The save-file dialog with a file-type filter ("PNG (*.png)") and a
  // proposed file name; nullptr when cancelled.
  virtual std::shared_ptr<FolderItem> GetSaveFolderItem(const std::string& filter,
                                                        const std::string& defaultName) = 0;
  // The page-setup dialog editing setup; False when cancelled.
  virtual bool PageSetupDialog(PrinterSetup& setup) = 0;
  // The print dialog for setup: the printer's drawing surface for the job,
  // or nullptr when cancelled. The job ends when the Graphics is released.
  virtual std::shared_ptr<Graphics> OpenPrinterDialog(PrinterSetup& setup) = 0;
  // A window shown modally: returns once the window has closed.
  virtual void RunModal(Window& window) = 0;
};

// The seam in use; the real dialogs unless a test installed its own.
DialogSeam& Dialogs();
// Installs a seam (nullptr restores the real dialogs).
void SetDialogSeam(std::shared_ptr<DialogSeam> seam);

// The calls the program makes.
void MsgBox(const std::string& text);
bool SelectColor(Color& c, const std::string& prompt);
std::shared_ptr<FolderItem> GetSaveFolderItem(const std::string& filter, const std::string& defaultName);
std::shared_ptr<Graphics> OpenPrinterDialog(PrinterSetup& setup);

}  // namespace tk
