#include "ui/toolkit/GroupBox.h"

#include <QGroupBox>

#include "ui/toolkit/TextStyle.h"

namespace tk {

GroupBox::GroupBox(tk::Window& window, Control* parent)
    : Control(window, parent, new QGroupBox(Host(window, parent))) {}

QGroupBox* GroupBox::View() const { return static_cast<QGroupBox*>(Widget()); }

void GroupBox::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (auto* v = View()) v->setTitle(QString::fromStdString(caption));
}

bool GroupBox::SetProperty(const std::string& name, const PropertyValue& value) {
  if (name == "Caption") {
    SetCaption(value.Text());
  } else if (ApplyTextProperty(Widget(), name, value)) {
  } else {
    return Control::SetProperty(name, value);
  }
  return true;
}

}  // namespace tk
