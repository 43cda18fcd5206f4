#pragma once
// A drawing area: a backdrop picture, the program's own painting over it,
// and mouse presses.
#include <QImage>
#include <functional>
#include <memory>
#include <vector>

#include "ui/toolkit/Control.h"

namespace tk {

class Graphics;
class MouseWidget;
class Picture;

class Canvas : public Control {
 public:
  explicit Canvas(tk::Window& window, Control* parent = nullptr);

  // Shown at the top left under the painting; pure white is transparent
  // when the picture is marked Transparent.
  std::shared_ptr<Picture> Backdrop() const { return backdrop_; }
  void SetBackdrop(std::shared_ptr<Picture> picture);

  // Paints the canvas: g covers the whole canvas (Width x Height); areas are
  // the parts that need it.
  std::function<void(Canvas& sender, Graphics& g, const std::vector<Rect>& areas)> Paint;
  // A press at (x, y); answering True brings the MouseUp of its release.
  std::function<bool(Canvas& sender, int x, int y)> MouseDown;
  std::function<void(Canvas& sender, int x, int y)> MouseUp;
  std::function<void(Canvas& sender)> Open;

  void Open_() override;

  // How many times the canvas has painted (tests).
  int PaintCount_() const { return paints_; }

 protected:
  // Also EraseBackground: True (the standard) clears the canvas to what lies
  // under it before each paint; False leaves it to the painting.
  bool SetProperty(const std::string& name, const PropertyValue& value) override;

 private:
  MouseWidget* View() const;
  void PaintNow(const std::vector<Rect>& areas);

  std::shared_ptr<Picture> backdrop_;
  QImage backdropImage_;
  int paints_ = 0;
};

}  // namespace tk
