#pragma once
// What the two main windows share: the six menu-item accessors of the shared
// menu bar and the About and Preferences commands.
#include <memory>

#include "ui/toolkit/Controls.h"

class MainWindow : public tk::Window {
 public:
  // Menu items, looked up by name in the window's menu bar.
  std::shared_ptr<tk::MenuItem> EditMenu() const;
  std::shared_ptr<tk::MenuItem> mnuClearSolution() const;
  std::shared_ptr<tk::MenuItem> FileMenu() const;
  std::shared_ptr<tk::QuitMenuItem> FileQuit() const;
  std::shared_ptr<tk::PrefsMenuItem> mnuPrefs() const;
  std::shared_ptr<tk::ApplicationMenuItem> FileAbout() const;

  // Menu commands: the About and Preferences windows, shown modally; True
  // once they have closed.
  bool FileAbout_Action_();
  bool mnuPrefs_Action_();
};
