#pragma once
// A named file type with its extensions, as the file dialogs filter by it.
#include <string>

namespace tk {

class FileType {
 public:
  std::string Name;
  // One or more extensions separated by ";" (".png").
  std::string Extensions;
  std::string MacType;
  std::string MacCreator;
  std::string MimeType;
  bool Imported = false;
  std::string ConformsTo;

  // The text a file dialog filters with: "PNG (*.png)".
  std::string Filter() const;
};

}  // namespace tk
