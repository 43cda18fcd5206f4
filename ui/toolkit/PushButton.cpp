#include "ui/toolkit/PushButton.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/toolkit/Application.h"
#include "ui/toolkit/TextStyle.h"
#include "ui/toolkit/Window.h"

namespace tk {

namespace {

// A push button whose caption shows whole: one too wide for the button is
// drawn in a smaller size. With the focus it answers Return and Enter as it
// answers Space, before any key of the window (the Default button's) does.
class PushWidget : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  static bool IsReturn(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  }
  bool event(QEvent* e) override {
    if (e->type() == QEvent::ShortcutOverride && IsReturn(static_cast<QKeyEvent*>(e))) {
      e->accept();
      return true;
    }
    return QPushButton::event(e);
  }
  void keyPressEvent(QKeyEvent* e) override {
    if (!IsReturn(e)) {
      QPushButton::keyPressEvent(e);
      return;
    }
    e->accept();
    if (!e->isAutoRepeat()) click();
  }

  void paintEvent(QPaintEvent*) override {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QFont fitted = FitToWidth(font(), text(), room.width() - 2);
    p.setFont(fitted);
    option.fontMetrics = QFontMetrics(fitted);
    p.drawControl(QStyle::CE_PushButton, option);
  }
};

}  // namespace

PushButton::PushButton(tk::Window& window, Control* parent)
    : Control(window, parent, new PushWidget(Host(window, parent))) {
  View()->setAutoDefault(false);
  QObject::connect(View(), &QPushButton::clicked, View(), [this] {
    if (Enabled() && Action) RunHandler([this] { Action(*this); });
  });
}

QPushButton* PushButton::View() const { return static_cast<QPushButton*>(Widget()); }

void PushButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (auto* v = View()) v->setText(QString::fromStdString(caption));
}

namespace {
// A key of the whole window that presses button.
QShortcut* WindowKey(QPushButton* button, QWidget* window, Qt::Key key) {
  auto* shortcut = new QShortcut(QKeySequence(key), window);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, button, [button] {
    if (button->isVisible() && button->isEnabled()) button->click();
  });
  return shortcut;
}
}  // namespace

void PushButton::SetDefault(bool v) {
  default_ = v;
  QPushButton* b = View();
  if (!b) return;
  b->setDefault(v);
  delete returnKey_;
  delete enterKey_;
  returnKey_ = enterKey_ = nullptr;
  if (v) {
    returnKey_ = WindowKey(b, ParentWindow().Content(), Qt::Key_Return);
    enterKey_ = WindowKey(b, ParentWindow().Content(), Qt::Key_Enter);
  }
}

void PushButton::SetCancel(bool v) {
  cancel_ = v;
  QPushButton* b = View();
  if (!b) return;
  delete escapeKey_;
  escapeKey_ = nullptr;
  if (v) escapeKey_ = WindowKey(b, ParentWindow().Content(), Qt::Key_Escape);
}

void PushButton::Push() {
  if (!Visible()) return;
  if (auto* v = View()) v->click();
}

bool PushButton::SetProperty(const std::string& name, const PropertyValue& value) {
  if (name == "Caption") {
    SetCaption(value.Text());
  } else if (name == "Default") {
    SetDefault(value.Bool());
  } else if (name == "Cancel") {
    SetCancel(value.Bool());
  } else if (ApplyTextProperty(Widget(), name, value)) {
  } else {
    return Control::SetProperty(name, value);
  }
  return true;
}

}  // namespace tk
