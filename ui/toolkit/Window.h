#pragma once
// Windows: built from their hooks (Layout, CreateControls, AddMenuHandlers),
// opened (Open event) before their first paint, shown normally or modally,
// and closed (Close event). Each window class has one implicit instance,
// reached through its accessor (ImplicitWindow).
#include <QImage>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/toolkit/Color.h"
#include "ui/toolkit/Menu.h"
#include "ui/toolkit/Properties.h"

class QEventLoop;
class QWidget;

namespace tk {

class Control;
class MenuBarView;
class WindowWidget;

// Raised when code reaches for an object that is not there: a control a
// window does not hold, a menu item its menu bar does not hold.
class NilObjectException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Window : public std::enable_shared_from_this<Window> {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Hooks run while the window is built, in this order.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers(Window& w) { (void)w; }
  // Events.
  virtual void Event_Open() {}
  virtual void Event_Close() {}
  virtual void Event_EnableMenuItems() {}

  // Builds the window: Layout, CreateControls, AddMenuHandlers, the Open
  // event of each control in the order they were made, then Event_Open. The
  // window counts as open from the start, so the accessor finds it while its
  // Open handler runs. An exception leaves the window closed and goes on to
  // the caller.
  void Construct_();

  // The name the implicit instance is registered under ("frmBasic.frmBasic").
  const std::string& ClassName_() const { return className_; }
  void SetClassName_(std::string name) { className_ = std::move(name); }

  // Window design values: Title, Width, Height (of the content, under the
  // menu bar), Resizeable, MinWidth, MinHeight, MaxWidth, MaxHeight (the
  // content's limits while resizeable), CloseButton, MinimizeButton,
  // MaximizeButton, FullScreen, Frame (0 document window, 1 modal dialog),
  // Placement (1 over the window in front, 2 centred on the screen),
  // HasBackColor and BackColor (the content's own background colour),
  // MenuBarVisible. Other values are kept and have no effect (those that
  // mean nothing here: WithoutMeaningHere).
  void Apply(const PropertyList& properties);
  const PropertyValue* DesignValue(const std::string& name) const;
  // Every design value applied, and whether the window interpreted the one
  // called name (tests).
  const std::map<std::string, PropertyValue>& DesignValues_() const { return design_; }
  bool DesignValueApplied_(const std::string& name) const { return applied_.count(name) != 0; }

  std::string Title() const;
  void SetTitle(const std::string& title);
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetWidth(int w);
  void SetHeight(int h);

  std::shared_ptr<tk::MenuBar> MenuBar() const { return menuBar_; }
  // Shows the menu tree in this window's menu bar, above the content.
  void SetMenuBar(std::shared_ptr<tk::MenuBar> bar);

  void Show();
  // Shows the window modally (through the dialog seam) and returns after it
  // has closed.
  void ShowModal();
  // Runs the Close event and ends the window. When it was the last window
  // and the application has AutoQuit, the application quits. A failure in
  // the Close event is reported and the window closes all the same.
  void Close();

  // Built (or being built) and not yet closed; still so while its Close
  // event runs.
  bool IsOpen() const {
    return state_ == State::Building || state_ == State::Open || state_ == State::Closing;
  }
  bool IsShown() const;
  bool IsModal() const { return modal_; }

  // Controls, registered under their names.
  void AddControl_(std::shared_ptr<Control> control, const std::string& name);
  // The control called name, or nullptr.
  std::shared_ptr<Control> ControlByName_(const std::string& name) const;
  // The control called name as kind T; NilObjectException when there is none.
  template <class T>
  std::shared_ptr<T> ControlAs_(const std::string& name) const {
    auto typed = std::dynamic_pointer_cast<T>(ControlByName_(name));
    if (!typed) throw NilObjectException("No control " + name + " in " + className_);
    return typed;
  }
  const std::vector<std::shared_ptr<Control>>& Controls_() const { return controls_; }

  // Menu commands: handler runs when the item called itemName is chosen and
  // returns True when it handled the command.
  void AddMenuHandler_(const std::string& itemName, std::function<bool()> handler);
  bool HasMenuHandler_(const std::string& itemName) const;
  // Chooses the item called itemName, as the user does: after a menu
  // refresh, an enabled item runs this window's handler; the Quit item,
  // unhandled, quits the application. True when the command was handled.
  bool DoMenuCommand(const std::string& itemName);
  // A menu refresh: items with AutoEnable are enabled exactly when this
  // window handles them (menus and the Quit item always), then
  // Event_EnableMenuItems runs, then the menu bar shows the result.
  void RefreshMenus();
  // The menu item called name as kind T; NilObjectException when missing.
  template <class T>
  std::shared_ptr<T> MenuItemAs_(const std::string& name) const {
    auto typed = menuBar_ ? std::dynamic_pointer_cast<T>(menuBar_->Lookup_(name)) : nullptr;
    if (!typed) throw NilObjectException("No menu item " + name + " in " + className_);
    return typed;
  }

  // The top-level widget and the content area that the controls lie on.
  QWidget* Widget() const;
  QWidget* Content() const { return content_; }
  MenuBarView* MenuView_() const { return menuView_.get(); }
  // The window as it looks, menu bar included (without the frame).
  QImage Grab();

  // For the dialog seam: shows the window as an application-modal window,
  // and the loop that a modal showing waits in (quit when the window closes).
  void ShowAsModal_();
  void SetModalLoop_(QEventLoop* loop) { modalLoop_ = loop; }

  // For the widget: the close box was clicked, the window came to the front.
  void CloseBox_();
  void Activated_();

 private:
  enum class State { New, Building, Open, Closing, Closed };
  static constexpr int kNoLimit = (1 << 24) - 1;  // Qt's largest widget size
  // Interprets one design value; False when the window does not know it.
  bool SetProperty(const std::string& name, const PropertyValue& value);
  void PrepareFirstShow();
  void ShowBackColor();
  void ShowMenuBar();
  // Puts the controls into the focus chain in tab order and gives the focus
  // to the first of them that takes it.
  void ApplyTabOrder();
  void Teardown();

  State state_ = State::New;
  std::string className_;
  QPointer<WindowWidget> widget_;
  QWidget* content_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  bool resizeable_ = true;
  int minWidth_ = 0;
  int minHeight_ = 0;
  int maxWidth_ = kNoLimit;
  int maxHeight_ = kNoLimit;
  bool hasBackColor_ = false;
  Color backColor_ = 0xFFFFFF;
  bool menuBarVisible_ = true;
  bool modal_ = false;
  bool shownOnce_ = false;
  QEventLoop* modalLoop_ = nullptr;
  std::map<std::string, PropertyValue> design_;
  std::set<std::string> applied_;
  std::shared_ptr<tk::MenuBar> menuBar_;
  std::unique_ptr<MenuBarView> menuView_;
  std::vector<std::shared_ptr<Control>> controls_;
  std::map<std::string, std::function<bool()>> handlers_;
};

// The open windows, the one in front first.
std::vector<std::shared_ptr<Window>> OpenWindows();
// The open window registered under className, or nullptr.
std::shared_ptr<Window> FindImplicitWindow(const std::string& className);
// Closes every open window, the one in front first; their Close events run.
void CloseAllWindows();

// The implicit instance of window class W: the open one, or a new one built
// there and then.
template <class W>
std::shared_ptr<W> ImplicitWindow(const std::string& className) {
  if (auto typed = std::dynamic_pointer_cast<W>(FindImplicitWindow(className))) return typed;
  auto w = std::make_shared<W>();
  w->SetClassName_(className);
  w->Construct_();
  return w;
}

}  // namespace tk
