#include "ui/toolkit/Label.h"

#include <QLabel>

#include "ui/toolkit/TextStyle.h"

namespace tk {

Label::Label(tk::Window& window, Control* parent) : Control(window, parent, new QLabel(Host(window, parent))) {
  View()->setTextFormat(Qt::PlainText);
  SetTextAlign(0);
}

QLabel* Label::View() const { return static_cast<QLabel*>(Widget()); }

void Label::SetText(const std::string& text) {
  text_ = text;
  if (auto* v = View()) v->setText(QString::fromStdString(text));
}

void Label::SetTextAlign(int align) {
  align_ = align;
  Qt::Alignment h = align == 1 ? Qt::AlignHCenter : align == 2 ? Qt::AlignRight : Qt::AlignLeft;
  if (auto* v = View()) v->setAlignment(h | Qt::AlignVCenter);
}

bool Label::SetProperty(const std::string& name, const PropertyValue& value) {
  if (name == "Text") {
    SetText(value.Text());
  } else if (name == "TextAlign") {
    SetTextAlign(int(value.Int()));
  } else if (name == "Multiline") {
    if (auto* v = View()) v->setWordWrap(value.Bool());
  } else if (name == "Transparent") {
    // An opaque label fills its area with the window's background.
    if (auto* v = View()) v->setAutoFillBackground(!value.Bool());
  } else if (ApplyTextProperty(Widget(), name, value)) {
  } else {
    return Control::SetProperty(name, value);
  }
  return true;
}

}  // namespace tk
