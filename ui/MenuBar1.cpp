#include "ui/MenuBar1.h"

#include <string>

namespace MenuBar1 {

namespace {

template <class Kind>
std::shared_ptr<Kind> NewItem(const std::string& name, const std::string& text, const std::string& shortcut) {
  auto item = std::make_shared<Kind>();
  item->Name = name;
  item->AutoEnable = true;
  item->Text = text;
  item->Visible = true;
  item->KeyboardShortcut = shortcut;
  return item;
}

}  // namespace

void MenuBar1::Constructor() {
  Untitled0();
  Untitled1();
}

void MenuBar1::Untitled0() {
  Append(NewItem<tk::MenuItem>("FileMenu", "&File", ""));
  Child("FileMenu")->Append(NewItem<tk::ApplicationMenuItem>("FileAbout", "About...", ""));
  Child("FileMenu")->Append(NewItem<tk::PrefsMenuItem>("mnuPrefs", "Preferences...", ""));
  Child("FileMenu")->Append(NewItem<tk::QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
}

void MenuBar1::Untitled1() {
  Append(NewItem<tk::MenuItem>("EditMenu", "&Edit", ""));
  Child("EditMenu")->Append(NewItem<tk::MenuItem>("mnuClearSolution", "Clear Solution", ""));
}

std::shared_ptr<MenuBar1> MenuBar1_() {
  if (!implicitInstance_) {
    auto bar = std::make_shared<MenuBar1>();
    bar->Constructor();
    implicitInstance_ = bar;
  }
  return implicitInstance_;
}

}  // namespace MenuBar1
