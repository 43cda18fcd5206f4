#pragma once
// A dialog seam that answers every dialog from queues the test fills, and
// records what was asked. An empty queue cancels the dialog, so no test ever
// waits on a real one.
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/toolkit/Dialogs.h"

class FakeDialogs : public tk::DialogSeam {
 public:
  // A new seam, installed as the one in use.
  static std::shared_ptr<FakeDialogs> Install();

  // The dialogs shown, in order: "MsgBox", "SelectColor", "Save",
  // "PageSetup", "Print", "Modal".
  std::vector<std::string> shown;
  std::vector<std::string> messages;
  std::vector<std::pair<tk::Color, std::string>> colorRequests;   // start colour, prompt
  std::vector<std::pair<std::string, std::string>> saveRequests;  // filter, proposed name
  std::vector<std::string> modalWindows;                          // class names

  // Answers, one taken per dialog.
  std::deque<std::optional<tk::Color>> colors;  // nullopt cancels
  std::deque<std::string> savePaths;            // "" cancels
  std::deque<bool> pageSetups;                  // False cancels
  std::deque<std::string> printers;             // a PDF file to print into; "" cancels
  int copies = 1;
  // Drives a modal window while it is shown; the window is closed
  // afterwards unless the handler closed it.
  std::deque<std::function<void(tk::Window&)>> modalHandlers;

  int Count(const std::string& dialog) const;

  void MsgBox(const std::string& text) override;
  bool SelectColor(tk::Color& c, const std::string& prompt) override;
  std::shared_ptr<tk::FolderItem> GetSaveFolderItem(const std::string& filter,
                                                    const std::string& defaultName) override;
  bool PageSetupDialog(tk::PrinterSetup& setup) override;
  std::shared_ptr<tk::Graphics> OpenPrinterDialog(tk::PrinterSetup& setup) override;
  void RunModal(tk::Window& window) override;
};
