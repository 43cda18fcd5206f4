#include "ui/toolkit/Menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "ui/toolkit/Application.h"
#include "ui/toolkit/Window.h"

namespace tk {

void MenuItem::Append(std::shared_ptr<MenuItem> item) {
  if (!item) return;
  item->parent_ = this;
  children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return children_[std::size_t(index)];
}

std::shared_ptr<MenuItem> MenuItem::Child(const std::string& name) const {
  for (const auto& c : children_)
    if (c->Name == name) return c;
  return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup_(const std::string& name) const {
  for (const auto& c : children_) {
    if (c->Name == name) return c;
    if (auto found = c->Lookup_(name)) return found;
  }
  return nullptr;
}

std::string PlatformShortcut(const std::string& shortcut) {
  std::string out;
  std::size_t start = 0;
  while (start <= shortcut.size()) {
    std::size_t end = shortcut.find('+', start);
    if (end == std::string::npos) end = shortcut.size();
    std::string part = shortcut.substr(start, end - start);
    if (part == "Cmd" || part == "Command") part = "Ctrl";
    if (part == "Option" || part == "Opt") part = "Alt";
    if (!out.empty() || start > 0) out += "+";
    out += part;
    start = end + 1;
  }
  return out;
}

MenuBarView::MenuBarView(Window& window, std::shared_ptr<MenuBar> bar, QWidget* parent)
    : window_(&window), bar_(std::move(bar)), widget_(new QMenuBar(parent)) {
  widget_->setNativeMenuBar(false);
  for (int i = 0; i < bar_->Count(); ++i) Build(bar_->Item(i), nullptr);
  Sync();
}

MenuBarView::~MenuBarView() {
  for (auto& c : connections_) QObject::disconnect(c);
}

void MenuBarView::Build(const std::shared_ptr<MenuItem>& item, QMenu* into) {
  const QString text = QString::fromStdString(item->Text);
  if (item->Count() > 0 || into == nullptr) {
    QMenu* menu = into ? into->addMenu(text) : widget_->addMenu(text);
    entries_.push_back({item, menu->menuAction()});
    Window* w = window_;
    // Every opening of a menu is a menu refresh.
    connections_.push_back(
        QObject::connect(menu, &QMenu::aboutToShow, [w] { RunHandler([&] { w->RefreshMenus(); }); }));
    for (int i = 0; i < item->Count(); ++i) Build(item->Item(i), menu);
    return;
  }
  QAction* action = into->addAction(text);
  action->setMenuRole(QAction::NoRole);
  action->setShortcutContext(Qt::WindowShortcut);
  entries_.push_back({item, action});
  Window* w = window_;
  const std::string name = item->Name;
  connections_.push_back(QObject::connect(action, &QAction::triggered,
                                          [w, name] { RunHandler([&] { w->DoMenuCommand(name); }); }));
}

void MenuBarView::Sync() {
  for (const auto& e : entries_) {
    e.action->setText(QString::fromStdString(e.item->Text));
    e.action->setEnabled(e.item->Enabled);
    e.action->setVisible(e.item->Visible);
    if (!e.action->menu())
      e.action->setShortcut(QKeySequence(QString::fromStdString(PlatformShortcut(e.item->KeyboardShortcut))));
  }
}

QAction* MenuBarView::ActionFor(const std::string& name) const {
  for (const auto& e : entries_)
    if (e.item->Name == name) return e.action;
  return nullptr;
}

}  // namespace tk
