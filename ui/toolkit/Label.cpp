#include "ui/toolkit/Label.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>

#include "ui/toolkit/TextStyle.h"

namespace tk {

Label::Label(tk::Window& window, Control* parent)
    : Control(window, parent, new QLabel(Host(window, parent))) {
  View()->setTextFormat(Qt::PlainText);
  designPixels_ = QFontInfo(View()->font()).pixelSize();
  SetTextAlign(0);
}

QLabel* Label::View() const { return static_cast<QLabel*>(Widget()); }

void Label::SetText(const std::string& text) {
  text_ = text;
  if (auto* v = View()) v->setText(QString::fromStdString(text));
  Fit();
}

void Label::Fit() {
  QLabel* v = View();
  if (!v || v->wordWrap()) return;
  QFont font = v->font();
  font.setPixelSize(designPixels_);
  const QString text = v->text();
  while (font.pixelSize() > 6 &&
         (QFontMetrics(font).horizontalAdvance(text) > Width() || QFontMetrics(font).height() > Height()))
    font.setPixelSize(font.pixelSize() - 1);
  v->setFont(font);
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
  } else if (name == "Selectable") {
    if (auto* v = View())
      v->setTextInteractionFlags(value.Bool() ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
  } else if (ApplyTextProperty(Widget(), name, value)) {
    if (name == "TextSize" || name == "TextUnit") {
      const QFont font = View()->font();
      designPixels_ = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    }
    Fit();
  } else if (Control::SetProperty(name, value)) {
    if (name == "Width" || name == "Height") Fit();
  } else {
    return false;
  }
  return true;
}

}  // namespace tk
