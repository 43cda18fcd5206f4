#pragma once
// Menus: a tree of items under a menu bar. The tree holds what the items
// say and whether they can be chosen; each main window shows the tree in its
// own menu bar and routes the commands to its handlers by item name.
#include <QMetaObject>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace tk {

class Window;

// The special kinds: About, Preferences and Quit.
enum class MenuKind { Item, Application, Prefs, Quit };

class MenuItem {
 public:
  MenuItem() = default;
  virtual ~MenuItem() = default;
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  std::string Name;
  // The text, with "&" before the letter of its access key.
  std::string Text;
  // "Cmd+Q" style; Cmd is the platform's command key (Ctrl here).
  std::string KeyboardShortcut;
  // Enabled at every menu refresh while the window in front handles the item.
  bool AutoEnable = true;
  bool Visible = true;
  bool Enabled = true;

  virtual MenuKind Kind() const { return MenuKind::Item; }

  void Append(std::shared_ptr<MenuItem> item);
  int Count() const { return int(children_.size()); }
  // The item at index (0-based), nullptr outside the range.
  std::shared_ptr<MenuItem> Item(int index) const;
  // The direct child called name, or nullptr.
  std::shared_ptr<MenuItem> Child(const std::string& name) const;
  // The item called name anywhere below this one, or nullptr.
  std::shared_ptr<MenuItem> Lookup_(const std::string& name) const;
  MenuItem* Parent() const { return parent_; }

 private:
  std::vector<std::shared_ptr<MenuItem>> children_;
  MenuItem* parent_ = nullptr;
};

class ApplicationMenuItem : public MenuItem {
 public:
  MenuKind Kind() const override { return MenuKind::Application; }
};
class PrefsMenuItem : public MenuItem {
 public:
  MenuKind Kind() const override { return MenuKind::Prefs; }
};
class QuitMenuItem : public MenuItem {
 public:
  MenuKind Kind() const override { return MenuKind::Quit; }
};

// The root of a menu tree; its children are the menus.
class MenuBar : public MenuItem {};

// A shortcut as this platform writes it: "Cmd+Q" becomes "Ctrl+Q".
std::string PlatformShortcut(const std::string& shortcut);

// A window's menu bar widget showing a menu tree. Built once; Sync brings
// texts, shortcuts, enabling and visibility up to date with the tree.
class MenuBarView {
 public:
  MenuBarView(Window& window, std::shared_ptr<MenuBar> bar, QWidget* parent);
  ~MenuBarView();
  MenuBarView(const MenuBarView&) = delete;
  MenuBarView& operator=(const MenuBarView&) = delete;

  QMenuBar* Widget() const { return widget_; }
  void Sync();
  // The widget action showing the item called name (tests), or nullptr.
  QAction* ActionFor(const std::string& name) const;

 private:
  struct Entry {
    std::shared_ptr<MenuItem> item;
    QAction* action;  // a menu's own action for a menu
  };
  void Build(const std::shared_ptr<MenuItem>& item, QMenu* into);

  Window* window_;
  std::shared_ptr<MenuBar> bar_;
  QMenuBar* widget_;
  std::vector<Entry> entries_;
  std::vector<QMetaObject::Connection> connections_;
};

}  // namespace tk
