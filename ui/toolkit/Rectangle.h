#pragma once
// A filled rectangle with a border, which can take mouse presses.
#include <functional>

#include "ui/toolkit/Color.h"
#include "ui/toolkit/Control.h"

namespace tk {

class MouseWidget;

class Rectangle : public Control {
 public:
  explicit Rectangle(tk::Window& window, Control* parent = nullptr);

  Color FillColor() const { return fill_; }
  void SetFillColor(Color c);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int w);
  // The border's top and left edges, and its bottom and right edges.
  Color TopLeftColor() const { return topLeft_; }
  void SetTopLeftColor(Color c);
  Color BottomRightColor() const { return bottomRight_; }
  void SetBottomRightColor(Color c);

  // A press at (x, y); answering True brings the MouseUp of its release.
  std::function<bool(Rectangle& sender, int x, int y)> MouseDown;
  std::function<void(Rectangle& sender, int x, int y)> MouseUp;

 protected:
  bool SetProperty(const std::string& name, const PropertyValue& value) override;

 private:
  MouseWidget* View() const;

  Color fill_ = 0x000000;
  Color topLeft_ = 0x000000;
  Color bottomRight_ = 0x000000;
  int borderWidth_ = 1;
};

}  // namespace tk
