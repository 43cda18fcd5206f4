#include "ui/toolkit/RadioButton.h"

#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/toolkit/Application.h"
#include "ui/toolkit/TextStyle.h"

namespace tk {

RadioButton::RadioButton(tk::Window& window, Control* parent)
    : Control(window, parent, new QRadioButton(Host(window, parent))) {
  QObject::connect(View(), &QRadioButton::clicked, View(), [this] {
    if (Enabled() && Action) RunHandler([this] { Action(*this); });
  });
}

QRadioButton* RadioButton::View() const { return static_cast<QRadioButton*>(Widget()); }

void RadioButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (auto* v = View()) v->setText(QString::fromStdString(caption));
}

bool RadioButton::Value() const { return View() && View()->isChecked(); }

void RadioButton::SetValue(bool v) {
  QRadioButton* b = View();
  if (!b) return;
  const QSignalBlocker quiet(b);
  if (v) {
    b->setChecked(true);
  } else {
    // A group never lets its selected button go by itself.
    b->setAutoExclusive(false);
    b->setChecked(false);
    b->setAutoExclusive(true);
  }
}

void RadioButton::Push() {
  if (!Visible()) return;
  if (auto* v = View()) v->click();
}

bool RadioButton::SetProperty(const std::string& name, const PropertyValue& value) {
  if (name == "Caption") {
    SetCaption(value.Text());
  } else if (name == "Value") {
    SetValue(value.Bool());
  } else if (ApplyTextProperty(Widget(), name, value)) {
  } else {
    return Control::SetProperty(name, value);
  }
  return true;
}

}  // namespace tk
