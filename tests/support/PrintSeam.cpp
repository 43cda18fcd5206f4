#include "PrintSeam.h"

#include <cctype>
#include <fstream>
#include <iterator>

#include "ui/toolkit/Graphics.h"
#include "ui/toolkit/Picture.h"
#include "ui/toolkit/Printer.h"

void PrintSeam::MsgBox(const std::string& text) {
  shown.push_back("MsgBox");
  messages.push_back(text);
}

bool PrintSeam::SelectColor(tk::Color&, const std::string&) { return false; }

std::shared_ptr<tk::FolderItem> PrintSeam::GetSaveFolderItem(const std::string&, const std::string&) {
  return nullptr;
}

bool PrintSeam::PageSetupDialog(tk::PrinterSetup& setup) {
  shown.push_back("PageSetup");
  setups.push_back(&setup);
  if (!confirmPageSetup) return false;
  if (onPageSetup) onPageSetup(setup);
  return true;
}

std::shared_ptr<tk::Graphics> PrintSeam::OpenPrinterDialog(tk::PrinterSetup& setup) {
  shown.push_back("Print");
  setups.push_back(&setup);
  if (!confirmPrint) return nullptr;
  if (onPrint) return onPrint(setup);
  if (!pdfPath.empty()) return tk::PdfPrinterGraphics(setup, pdfPath, copies);
  if (!page) return nullptr;
  auto g = page->Graphics();
  g->SetCopies(copies);
  return g;
}

void PrintSeam::RunModal(tk::Window&) {}

int PdfPageCount(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return 0;
  const std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // Every page is an object of type /Page; the page tree's own objects are
  // of type /Pages. Writers differ in the space between the two names.
  const std::string key = "/Type";
  const std::string page = "/Page";
  int pages = 0;
  for (auto at = pdf.find(key); at != std::string::npos; at = pdf.find(key, at + key.size())) {
    auto next = at + key.size();
    while (next < pdf.size() && std::isspace(static_cast<unsigned char>(pdf[next]))) ++next;
    if (pdf.compare(next, page.size(), page) != 0) continue;
    next += page.size();
    if (next >= pdf.size() || !std::isalnum(static_cast<unsigned char>(pdf[next]))) ++pages;
  }
  return pages;
}
