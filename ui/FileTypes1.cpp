#include "ui/FileTypes1.h"

#include <string>

namespace FileTypes1 {

namespace {

std::shared_ptr<tk::FileType> NewType(const std::string& name, const std::string& extensions) {
  auto t = std::make_shared<tk::FileType>();
  t->Name = name;
  t->Extensions = extensions;
  t->MacType = "";
  t->MacCreator = "";
  t->MimeType = "";
  t->Imported = true;
  t->ConformsTo = "";
  return t;
}

}  // namespace

std::shared_ptr<tk::FileType> BMP() { return pBMP; }
std::shared_ptr<tk::FileType> PNG() { return pPNG; }

void Initialize_() {
  // Built again from scratch, so a second call cannot list a type twice.
  pAllFileTypes.clear();
  pBMP = NewType("BMP", ".bmp");
  pAllFileTypes.push_back(pBMP);
  pPNG = NewType("PNG", ".png");
  pAllFileTypes.push_back(pPNG);
}

}  // namespace FileTypes1
