#pragma once
// The one menu bar of the application and of both main windows.
#include <memory>

#include "ui/toolkit/Menu.h"

namespace MenuBar1 {

class MenuBar1 : public tk::MenuBar {
 public:
  // Builds the File menu, then the Edit menu.
  void Constructor();
  // "&File": "About...", "Preferences...", "&Quit" (Cmd+Q).
  void Untitled0();
  // "&Edit": "Clear Solution".
  void Untitled1();
};

inline std::shared_ptr<MenuBar1> implicitInstance_;

// The shared menu bar, made on first use.
std::shared_ptr<MenuBar1> MenuBar1_();

}  // namespace MenuBar1
