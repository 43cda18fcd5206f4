#include "ui/toolkit/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QEventLoop>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <cstdint>
#include <exception>

#include "ui/toolkit/Application.h"
#include "ui/toolkit/Control.h"
#include "ui/toolkit/Dialogs.h"

namespace tk {

// The top-level widget of a window: a main window, so that a menu bar sits
// above the content area.
class WindowWidget : public QMainWindow {
 public:
  explicit WindowWidget(Window* owner) : owner_(owner) {}
  Window* owner_;

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->accept();
    if (owner_) RunHandler([this] { owner_->CloseBox_(); });
  }
  void changeEvent(QEvent* event) override {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && owner_)
      RunHandler([this] { owner_->Activated_(); });
  }
};

namespace {

std::vector<std::shared_ptr<Window>>& Registry() {
  static auto* windows = new std::vector<std::shared_ptr<Window>>();
  return *windows;
}

void Unregister(Window* w) {
  auto& r = Registry();
  r.erase(std::remove_if(r.begin(), r.end(), [w](const std::shared_ptr<Window>& p) { return p.get() == w; }),
          r.end());
}

// Holds what a closed window leaves behind until control is back in the
// event loop: the window may be closed from inside one of its own handlers,
// which must not lose its objects while it is still running.
class Leftovers : public QObject {
 public:
  std::shared_ptr<Window> window;
  std::vector<std::shared_ptr<Control>> controls;
};

}  // namespace

std::vector<std::shared_ptr<Window>> OpenWindows() { return Registry(); }

std::shared_ptr<Window> FindImplicitWindow(const std::string& className) {
  for (const auto& w : Registry())
    if (w->ClassName_() == className && w->IsOpen()) return w;
  return nullptr;
}

void CloseAllWindows() {
  // Windows opened by a Close handler are closed as well.
  for (int guard = 0; guard < 1000 && !Registry().empty(); ++guard) Registry().front()->Close();
}

Window::Window() : widget_(new WindowWidget(this)) {
  content_ = new QWidget(widget_);
  widget_->setCentralWidget(content_);
  widget_->setAttribute(Qt::WA_DeleteOnClose, false);
}

Window::~Window() {
  menuView_.reset();
  controls_.clear();
  if (widget_) {
    widget_->owner_ = nullptr;
    widget_->hide();
    widget_->deleteLater();
  }
}

QWidget* Window::Widget() const { return widget_; }

void Window::Construct_() {
  if (state_ != State::New) return;
  state_ = State::Building;
  auto self = shared_from_this();
  Registry().insert(Registry().begin(), self);
  try {
    Layout();
    CreateControls();
    AddMenuHandlers(*this);
    for (std::size_t i = 0; i < controls_.size() && IsOpen(); ++i) controls_[i]->Open_();
    if (IsOpen()) Event_Open();
  } catch (...) {
    if (IsOpen()) Teardown();
    throw;
  }
  if (state_ == State::Building) state_ = State::Open;
  if (IsOpen() && menuView_) RefreshMenus();
}

void Window::Apply(const PropertyList& properties) {
  for (const auto& [name, value] : properties) {
    design_.insert_or_assign(name, value);
    if (SetProperty(name, value)) applied_.insert(name);
  }
}

bool Window::SetProperty(const std::string& name, const PropertyValue& value) {
  if (name == "Title") {
    SetTitle(value.Text());
  } else if (name == "Width") {
    SetWidth(int(value.Int()));
  } else if (name == "Height") {
    SetHeight(int(value.Int()));
  } else if (name == "Resizeable") {
    resizeable_ = value.Bool();
    if (widget_ && widget_->layout())
      widget_->layout()->setSizeConstraint(resizeable_ ? QLayout::SetDefaultConstraint
                                                       : QLayout::SetFixedSize);
    SetWidth(width_);
  } else if (name == "MinWidth" || name == "MinHeight" || name == "MaxWidth" || name == "MaxHeight") {
    int& limit = name == "MinWidth"    ? minWidth_
                 : name == "MinHeight" ? minHeight_
                 : name == "MaxWidth"  ? maxWidth_
                                       : maxHeight_;
    limit = int(std::clamp<std::int64_t>(value.Int(), 0, kNoLimit));
    SetWidth(width_);
  } else if (name == "HasBackColor") {
    hasBackColor_ = value.Bool();
    ShowBackColor();
  } else if (name == "BackColor") {
    backColor_ = Color(value.Int()) & 0xFFFFFF;
    ShowBackColor();
  } else if (name == "MenuBarVisible") {
    menuBarVisible_ = value.Bool();
    ShowMenuBar();
  } else if (name == "CloseButton" || name == "MinimizeButton" || name == "MaximizeButton" ||
             name == "FullScreen" || name == "Frame" || name == "Placement") {
    // Read when the window is first shown.
  } else {
    return false;
  }
  return true;
}

const PropertyValue* Window::DesignValue(const std::string& name) const {
  auto it = design_.find(name);
  return it == design_.end() ? nullptr : &it->second;
}

std::string Window::Title() const { return widget_ ? widget_->windowTitle().toStdString() : std::string(); }

void Window::SetTitle(const std::string& title) {
  if (widget_) widget_->setWindowTitle(QString::fromStdString(title));
}

void Window::ShowBackColor() {
  content_->setAutoFillBackground(hasBackColor_);
  if (!hasBackColor_) return;
  QPalette palette = content_->palette();
  palette.setColor(QPalette::Window, ToQColor(backColor_));
  content_->setPalette(palette);
}

void Window::ShowMenuBar() {
  if (menuView_ && menuView_->Widget()) menuView_->Widget()->setVisible(menuBarVisible_);
}

void Window::SetWidth(int w) {
  width_ = std::max(0, w);
  if (resizeable_) {
    content_->setMinimumSize(minWidth_, minHeight_);
    content_->setMaximumSize(maxWidth_, maxHeight_);
    content_->resize(width_, height_);
  } else {
    content_->setFixedSize(width_, height_);
  }
}

void Window::SetHeight(int h) {
  height_ = std::max(0, h);
  SetWidth(width_);
}

void Window::SetMenuBar(std::shared_ptr<tk::MenuBar> bar) {
  menuBar_ = std::move(bar);
  menuView_.reset();
  if (!widget_) return;
  if (!menuBar_) {
    widget_->setMenuBar(nullptr);
    return;
  }
  menuView_ = std::make_unique<MenuBarView>(*this, menuBar_, widget_);
  widget_->setMenuBar(menuView_->Widget());
  if (!menuBarVisible_) ShowMenuBar();
}

bool Window::IsShown() const { return widget_ && widget_->isVisible(); }

void Window::PrepareFirstShow() {
  if (shownOnce_ || !widget_) return;
  shownOnce_ = true;
  auto flag = [this](const char* name, bool fallback) {
    const PropertyValue* v = DesignValue(name);
    return v ? v->Bool() : fallback;
  };
  const PropertyValue* frame = DesignValue("Frame");
  const bool dialog = frame && frame->Int() != 0;

  // A dialog belongs to the window in front, so it stays above it.
  QWidget* owner = nullptr;
  if (dialog) {
    for (const auto& w : Registry())
      if (w.get() != this && w->IsShown()) {
        owner = w->Widget();
        break;
      }
  }
  Qt::WindowFlags flags = (dialog ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (flag("CloseButton", true)) flags |= Qt::WindowCloseButtonHint;
  if (!dialog) flags |= Qt::WindowSystemMenuHint;
  if (flag("MinimizeButton", !dialog)) flags |= Qt::WindowMinimizeButtonHint;
  if (flag("MaximizeButton", false) && resizeable_) flags |= Qt::WindowMaximizeButtonHint;
  if (owner)
    widget_->setParent(owner, flags);
  else
    widget_->setWindowFlags(flags);

  ApplyTabOrder();

  if (widget_->layout() && !resizeable_) widget_->layout()->setSizeConstraint(QLayout::SetFixedSize);
  widget_->adjustSize();

  const PropertyValue* placement = DesignValue("Placement");
  const int where = placement ? int(placement->Int()) : 0;
  QRect area;
  if (where == 1 && owner) {
    area = owner->frameGeometry();
  } else if (where == 1 || where == 2) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) area = screen->availableGeometry();
  }
  if (area.isValid()) {
    const QSize size = widget_->size();
    widget_->move(area.left() + std::max(0, (area.width() - size.width()) / 2),
                  area.top() + std::max(0, (area.height() - size.height()) / 2));
  }
  if (flag("FullScreen", false)) widget_->setWindowState(widget_->windowState() | Qt::WindowFullScreen);
}

void Window::ApplyTabOrder() {
  // The tab order: the controls of one parent by their TabIndex (those
  // without one after them, in the order they were made), the controls
  // inside a group box at the group box's place.
  std::vector<QWidget*> order;
  auto addChildren = [this, &order](const Control* parent, auto& self) -> void {
    std::vector<Control*> siblings;
    for (const auto& c : controls_)
      if (c->ParentControl() == parent && c.get() != parent) siblings.push_back(c.get());
    std::stable_sort(siblings.begin(), siblings.end(), [](const Control* a, const Control* b) {
      const auto ia = a->TabIndex(), ib = b->TabIndex();
      return ia && (!ib || *ia < *ib);
    });
    for (Control* c : siblings) {
      if (c->Widget()) order.push_back(c->Widget());
      self(c, self);
    }
  };
  addChildren(nullptr, addChildren);

  QWidget* previous = nullptr;
  QWidget* first = nullptr;
  for (QWidget* w : order) {
    if (w->focusPolicy() == Qt::NoFocus) continue;
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
    if (!first && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(widget_)) first = w;
  }
  // Taken over by the window's focus when it becomes active.
  if (first) first->setFocus(Qt::TabFocusReason);
}

void Window::Show() {
  if (!IsOpen() || !widget_) return;
  PrepareFirstShow();
  widget_->show();
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) widget_->raise();
  widget_->activateWindow();
  Activated_();
}

void Window::ShowAsModal_() {
  if (!IsOpen() || !widget_) return;
  modal_ = true;
  widget_->setWindowModality(Qt::ApplicationModal);
  Show();
}

void Window::ShowModal() {
  if (!IsOpen()) return;
  auto self = shared_from_this();
  Dialogs().RunModal(*this);
}

void Window::Close() {
  if (!IsOpen() || state_ == State::Closing) return;
  auto self = shared_from_this();
  state_ = State::Closing;
  std::exception_ptr failure;
  try {
    Event_Close();
  } catch (...) {
    failure = std::current_exception();
  }
  Teardown();
  if (failure) ReportUnhandledException(failure);
  auto app = TheApplication();
  if (app && app->AutoQuit && Registry().empty()) Quit();
}

void Window::Teardown() {
  state_ = State::Closed;
  auto self = shared_from_this();
  if (modalLoop_) modalLoop_->quit();
  for (const auto& c : controls_) c->Shutdown_();
  Unregister(this);
  auto* rest = new Leftovers();
  rest->window = self;
  rest->controls = std::move(controls_);
  controls_.clear();
  rest->deleteLater();
  handlers_.clear();
  if (widget_) {
    widget_->hide();
    widget_->owner_ = nullptr;
    widget_->deleteLater();
  }
  menuView_.reset();
  // The window under a closed modal one takes the keyboard back.
  if (modal_ && !Registry().empty() && Registry().front()->widget_)
    Registry().front()->widget_->activateWindow();
}

void Window::CloseBox_() { Close(); }

void Window::Activated_() {
  if (!IsOpen()) return;
  auto& r = Registry();
  auto it =
      std::find_if(r.begin(), r.end(), [this](const std::shared_ptr<Window>& p) { return p.get() == this; });
  if (it != r.end() && it != r.begin()) std::rotate(r.begin(), it, it + 1);
  if (menuView_) RefreshMenus();
}

void Window::AddControl_(std::shared_ptr<Control> control, const std::string& name) {
  if (!control) return;
  control->SetName_(name);
  controls_.erase(std::remove_if(controls_.begin(), controls_.end(),
                                 [&name](const std::shared_ptr<Control>& c) { return c->Name() == name; }),
                  controls_.end());
  controls_.push_back(std::move(control));
}

std::shared_ptr<Control> Window::ControlByName_(const std::string& name) const {
  for (const auto& c : controls_)
    if (c->Name() == name) return c;
  return nullptr;
}

void Window::AddMenuHandler_(const std::string& itemName, std::function<bool()> handler) {
  handlers_[itemName] = std::move(handler);
}

bool Window::HasMenuHandler_(const std::string& itemName) const { return handlers_.count(itemName) != 0; }

namespace {
void ResetEnabling(const MenuItem& parent, const Window& w) {
  for (int i = 0; i < parent.Count(); ++i) {
    auto item = parent.Item(i);
    if (item->AutoEnable)
      item->Enabled = item->Count() > 0 || dynamic_cast<const MenuBar*>(item->Parent()) != nullptr ||
                      item->Kind() == MenuKind::Quit || w.HasMenuHandler_(item->Name);
    ResetEnabling(*item, w);
  }
}
}  // namespace

void Window::RefreshMenus() {
  if (!IsOpen()) return;
  if (menuBar_) ResetEnabling(*menuBar_, *this);
  Event_EnableMenuItems();
  if (menuView_) menuView_->Sync();
}

bool Window::DoMenuCommand(const std::string& itemName) {
  if (!IsOpen() || !menuBar_) return false;
  auto self = shared_from_this();
  auto item = menuBar_->Lookup_(itemName);
  if (!item) return false;
  RefreshMenus();
  if (!item->Enabled || !item->Visible) return false;
  auto handler = handlers_.find(itemName);
  if (handler != handlers_.end()) {
    auto run = handler->second;  // the handler may close the window
    if (run()) return true;
  }
  if (item->Kind() == MenuKind::Quit) {
    QuitApplication();
    return true;
  }
  return false;
}

QImage Window::Grab() {
  if (!widget_) return QImage();
  FlushRefreshes();
  return widget_->grab().toImage();
}

}  // namespace tk
