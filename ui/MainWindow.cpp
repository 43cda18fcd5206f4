#include "ui/MainWindow.h"

#include "ui/frmAbout.h"
#include "ui/frmPrefs.h"

std::shared_ptr<tk::MenuItem> MainWindow::EditMenu() const { return MenuItemAs_<tk::MenuItem>("EditMenu"); }
std::shared_ptr<tk::MenuItem> MainWindow::mnuClearSolution() const {
  return MenuItemAs_<tk::MenuItem>("mnuClearSolution");
}
std::shared_ptr<tk::MenuItem> MainWindow::FileMenu() const { return MenuItemAs_<tk::MenuItem>("FileMenu"); }
std::shared_ptr<tk::QuitMenuItem> MainWindow::FileQuit() const {
  return MenuItemAs_<tk::QuitMenuItem>("FileQuit");
}
std::shared_ptr<tk::PrefsMenuItem> MainWindow::mnuPrefs() const {
  return MenuItemAs_<tk::PrefsMenuItem>("mnuPrefs");
}
std::shared_ptr<tk::ApplicationMenuItem> MainWindow::FileAbout() const {
  return MenuItemAs_<tk::ApplicationMenuItem>("FileAbout");
}

bool MainWindow::FileAbout_Action_() {
  frmAbout::frmAbout_()->ShowModal();
  return true;
}

bool MainWindow::mnuPrefs_Action_() {
  frmPrefs::frmPrefs_()->ShowModal();
  return true;
}
