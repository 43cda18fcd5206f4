#include "FakeDialogs.h"

#include <algorithm>

#include "ui/toolkit/FolderItem.h"
#include "ui/toolkit/Graphics.h"
#include "ui/toolkit/Printer.h"
#include "ui/toolkit/Window.h"

std::shared_ptr<FakeDialogs> FakeDialogs::Install() {
  auto seam = std::make_shared<FakeDialogs>();
  tk::SetDialogSeam(seam);
  return seam;
}

int FakeDialogs::Count(const std::string& dialog) const {
  return int(std::count(shown.begin(), shown.end(), dialog));
}

void FakeDialogs::MsgBox(const std::string& text) {
  shown.push_back("MsgBox");
  messages.push_back(text);
}

bool FakeDialogs::SelectColor(tk::Color& c, const std::string& prompt) {
  shown.push_back("SelectColor");
  colorRequests.emplace_back(c, prompt);
  if (colors.empty()) return false;
  auto answer = colors.front();
  colors.pop_front();
  if (!answer) return false;
  c = *answer;
  return true;
}

std::shared_ptr<tk::FolderItem> FakeDialogs::GetSaveFolderItem(const std::string& filter,
                                                               const std::string& defaultName) {
  shown.push_back("Save");
  saveRequests.emplace_back(filter, defaultName);
  if (savePaths.empty()) return nullptr;
  const std::string path = savePaths.front();
  savePaths.pop_front();
  if (path.empty()) return nullptr;
  return std::make_shared<tk::FolderItem>(path);
}

bool FakeDialogs::PageSetupDialog(tk::PrinterSetup&) {
  shown.push_back("PageSetup");
  if (pageSetups.empty()) return false;
  const bool ok = pageSetups.front();
  pageSetups.pop_front();
  return ok;
}

std::shared_ptr<tk::Graphics> FakeDialogs::OpenPrinterDialog(tk::PrinterSetup& setup) {
  shown.push_back("Print");
  if (printers.empty()) return nullptr;
  const std::string path = printers.front();
  printers.pop_front();
  if (path.empty()) return nullptr;
  return tk::PdfPrinterGraphics(setup, path, copies);
}

void FakeDialogs::RunModal(tk::Window& window) {
  shown.push_back("Modal");
  modalWindows.push_back(window.ClassName_());
  if (!window.IsOpen()) return;
  auto keep = window.shared_from_this();
  window.Show();
  if (!modalHandlers.empty()) {
    auto handler = std::move(modalHandlers.front());
    modalHandlers.pop_front();
    handler(window);
  }
  if (window.IsOpen()) window.Close();
}
