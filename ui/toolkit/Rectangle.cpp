#include "ui/toolkit/Rectangle.h"

#include <QPainter>
#include <algorithm>

#include "ui/toolkit/Application.h"
#include "ui/toolkit/MouseWidget.h"

namespace tk {

Rectangle::Rectangle(tk::Window& window, Control* parent)
    : Control(window, parent, new MouseWidget(Host(window, parent))) {
  MouseWidget* v = View();
  v->onPaint = [this](QPaintEvent*) {
    QWidget* w = View();
    QPainter p(w);
    const int bw = std::clamp(borderWidth_, 0, std::min(w->width(), w->height()) / 2);
    p.fillRect(w->rect(), ToQColor(fill_));
    if (bw > 0) {
      const int wd = w->width();
      const int ht = w->height();
      p.fillRect(0, 0, wd, bw, ToQColor(topLeft_));
      p.fillRect(0, 0, bw, ht, ToQColor(topLeft_));
      p.fillRect(0, ht - bw, wd, bw, ToQColor(bottomRight_));
      p.fillRect(wd - bw, 0, bw, ht, ToQColor(bottomRight_));
    }
  };
  v->onPress = [this](int x, int y) {
    bool accepted = false;
    if (Enabled() && MouseDown) RunHandler([&] { accepted = MouseDown(*this, x, y); });
    return accepted;
  };
  v->onRelease = [this](int x, int y) {
    if (MouseUp) RunHandler([&] { MouseUp(*this, x, y); });
  };
}

MouseWidget* Rectangle::View() const { return static_cast<MouseWidget*>(Widget()); }

void Rectangle::SetFillColor(Color c) {
  fill_ = c & 0xFFFFFF;
  if (View()) View()->update();
}
void Rectangle::SetBorderWidth(int w) {
  borderWidth_ = w;
  if (View()) View()->update();
}
void Rectangle::SetTopLeftColor(Color c) {
  topLeft_ = c & 0xFFFFFF;
  if (View()) View()->update();
}
void Rectangle::SetBottomRightColor(Color c) {
  bottomRight_ = c & 0xFFFFFF;
  if (View()) View()->update();
}

bool Rectangle::SetProperty(const std::string& name, const PropertyValue& value) {
  if (name == "FillColor") {
    SetFillColor(Color(value.Int()));
  } else if (name == "BorderWidth") {
    SetBorderWidth(int(value.Int()));
  } else if (name == "TopLeftColor") {
    SetTopLeftColor(Color(value.Int()));
  } else if (name == "BottomRightColor") {
    SetBottomRightColor(Color(value.Int()));
  } else {
    return Control::SetProperty(name, value);
  }
  return true;
}

}  // namespace tk
