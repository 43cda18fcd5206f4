#include "ui/toolkit/Control.h"

#include <cxxabi.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <typeinfo>
#include <vector>

#include "ui/toolkit/Window.h"

namespace tk {

namespace {

// Repaint requests wait here until the next display frame. A search step
// every millisecond asks for a repaint each time; painting each of them would
// spend the time on painting rather than searching.
constexpr int kFrameMs = 16;

// A window that was just shown appears on the screen (and can paint) once
// the event loop has handled its exposure.
void EnsureExposed(QWidget* w) {
  if (w && w->isVisible() && !w->window()->testAttribute(Qt::WA_Mapped))
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

using WidgetList = std::vector<QPointer<QWidget>>;

void AddOnce(WidgetList& list, QWidget* w) {
  if (std::find(list.begin(), list.end(), w) == list.end()) list.emplace_back(w);
}

class RefreshQueue {
 public:
  void Add(QWidget* w) {
    AddOnce(pending_, w);
    if (!timer_) {
      timer_ = new QTimer();
      timer_->setSingleShot(true);
      timer_->setTimerType(Qt::PreciseTimer);
      QObject::connect(timer_, &QTimer::timeout, [this] { Deliver(false); });
      sinceDelivery_.start();
    }
    if (!timer_->isActive()) {
      const qint64 waited = sinceDelivery_.elapsed();
      timer_->start(int(std::max<qint64>(0, kFrameMs - waited)));
    }
  }

  void Remove(QWidget* w) {
    for (auto* list : {&pending_, &handedOn_})
      list->erase(std::remove_if(list->begin(), list->end(),
                                 [w](const QPointer<QWidget>& p) { return p.isNull() || p == w; }),
                  list->end());
  }

  // now: paint before returning; otherwise leave the painting to Qt's next
  // update, which merges with any other update of the same widget. Until
  // that update has run, a widget handed on to Qt is still owed a paint, so
  // painting now covers those as well.
  void Deliver(bool now) {
    if (timer_) timer_->stop();
    sinceDelivery_.start();
    WidgetList due;
    due.swap(pending_);
    if (now) {
      for (const auto& w : handedOn_) AddOnce(due, w);
      handedOn_.clear();
    }
    for (const auto& w : due) {
      if (w.isNull()) continue;
      if (now) {
        EnsureExposed(w);
        if (w) w->repaint();
      } else {
        w->update();
        AddOnce(handedOn_, w);
      }
    }
  }

  int Count() const {
    return int(std::count_if(pending_.begin(), pending_.end(),
                             [](const QPointer<QWidget>& p) { return !p.isNull(); }));
  }

 private:
  WidgetList pending_;
  WidgetList handedOn_;      // update() called since the last flush
  QTimer* timer_ = nullptr;  // lives as long as the process
  QElapsedTimer sinceDelivery_;
};

RefreshQueue& Queue() {
  static RefreshQueue* queue = new RefreshQueue();
  return *queue;
}

}  // namespace

void FlushRefreshes() { Queue().Deliver(true); }
int PendingRefreshes() { return Queue().Count(); }

Control::Control(tk::Window& window, Control* parent, QWidget* widget)
    : window_(&window), parent_(parent), widget_(widget) {
  Place();
}

Control::~Control() {
  if (widget_) {
    Queue().Remove(widget_);
    widget_->hide();
    widget_->deleteLater();
  }
}

QWidget* Control::Widget() const { return widget_.data(); }

QWidget* Control::Host(tk::Window& window, Control* parent) {
  if (parent && parent->Widget()) return parent->Widget();
  return window.Content();
}

void Control::Place() {
  if (!widget_) return;
  int x = left_;
  int y = top_;
  // Positions are given in window coordinates; a control inside another is
  // placed relative to it.
  for (Control* p = parent_; p; p = p->parent_) {
    if (p->widget_ && widget_->parentWidget() == p->widget_) {
      x -= p->left_;
      y -= p->top_;
      break;
    }
  }
  widget_->setGeometry(x, y, std::max(0, width_), std::max(0, height_));
}

void Control::SetLeft(int v) {
  left_ = v;
  Place();
}
void Control::SetTop(int v) {
  top_ = v;
  Place();
}
void Control::SetWidth(int v) {
  width_ = v;
  Place();
}
void Control::SetHeight(int v) {
  height_ = v;
  Place();
}

void Control::SetEnabled(bool v) {
  enabled_ = v;
  if (widget_) widget_->setEnabled(v);
}

void Control::SetVisible(bool v) {
  visible_ = v;
  if (widget_) widget_->setVisible(v);
}

void Control::Refresh(bool eraseBackground) {
  (void)eraseBackground;  // every repaint draws the whole control
  if (widget_) Queue().Add(widget_);
}

void Control::RepaintNow() {
  if (!widget_) return;
  Queue().Remove(widget_);
  EnsureExposed(widget_);
  if (widget_) widget_->repaint();
}

void Control::ClickAt_(int x, int y) {
  if (!widget_) return;
  const QPointF local(x, y);
  const QPointF global = widget_->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget_, &press);
  if (!widget_) return;
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget_, &release);
}

void Control::Shutdown_() {
  if (widget_) {
    Queue().Remove(widget_);
    widget_->setEnabled(false);
  }
}

void Control::Apply(const PropertyList& properties) {
  for (const auto& [name, value] : properties) {
    design_.insert_or_assign(name, value);
    if (SetProperty(name, value)) applied_.insert(name);
  }
}

std::string Control::Kind() const {
  int status = 0;
  char* demangled = abi::__cxa_demangle(typeid(*this).name(), nullptr, nullptr, &status);
  std::string kind = status == 0 && demangled ? demangled : typeid(*this).name();
  std::free(demangled);
  const auto colons = kind.rfind("::");
  return colons == std::string::npos ? kind : kind.substr(colons + 2);
}

const PropertyValue* Control::DesignValue(const std::string& name) const {
  auto it = design_.find(name);
  return it == design_.end() ? nullptr : &it->second;
}

bool Control::SetProperty(const std::string& name, const PropertyValue& value) {
  if (name == "Left") {
    SetLeft(int(value.Int()));
  } else if (name == "Top") {
    SetTop(int(value.Int()));
  } else if (name == "Width") {
    SetWidth(int(value.Int()));
  } else if (name == "Height") {
    SetHeight(int(value.Int()));
  } else if (name == "Enabled") {
    SetEnabled(value.Bool());
  } else if (name == "Visible") {
    SetVisible(value.Bool());
  } else if (name == "HelpTag") {
    if (widget_) widget_->setToolTip(QString::fromStdString(value.Text()));
  } else if (name == "TabIndex") {
    tabIndex_ = value.Int();
  } else if (name == "TabStop") {
    tabStop_ = value.Bool();
    if (widget_ && widget_->focusPolicy() != Qt::NoFocus)
      widget_->setFocusPolicy(tabStop_ ? Qt::FocusPolicy(widget_->focusPolicy() | Qt::TabFocus)
                                       : Qt::FocusPolicy(widget_->focusPolicy() & ~Qt::TabFocus));
  } else if (name == "AcceptFocus") {
    if (widget_)
      widget_->setFocusPolicy(!value.Bool() ? Qt::NoFocus : tabStop_ ? Qt::StrongFocus : Qt::ClickFocus);
  } else {
    return false;
  }
  return true;
}

}  // namespace tk
