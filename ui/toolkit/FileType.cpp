#include "ui/toolkit/FileType.h"

#include <sstream>

namespace tk {

std::string FileType::Filter() const {
  std::ostringstream patterns;
  std::istringstream parts(Extensions);
  std::string ext;
  bool any = false;
  while (std::getline(parts, ext, ';')) {
    const auto first = ext.find_first_not_of(" .");
    const auto last = ext.find_last_not_of(' ');
    if (first == std::string::npos || last < first) continue;
    patterns << (any ? " *." : "*.") << ext.substr(first, last - first + 1);
    any = true;
  }
  return Name + " (" + (any ? patterns.str() : std::string("*")) + ")";
}

}  // namespace tk
