#pragma once
// A slider holding an integer within Minimum..Maximum.
#include <cstdint>
#include <functional>

#include "ui/toolkit/Control.h"

class QSlider;

namespace tk {

class Slider : public Control {
 public:
  explicit Slider(tk::Window& window, Control* parent = nullptr);

  std::int64_t Value() const { return value_; }
  // Clamped to Minimum..Maximum; a change runs ValueChanged before this
  // returns. Setting the value the slider holds runs nothing.
  void SetValue(std::int64_t v);
  std::int64_t Minimum() const { return minimum_; }
  std::int64_t Maximum() const { return maximum_; }
  // A new bound moves the value inside the range (running ValueChanged).
  void SetMinimum(std::int64_t v);
  void SetMaximum(std::int64_t v);
  int LineStep() const { return lineStep_; }
  void SetLineStep(int v);
  int PageStep() const { return pageStep_; }
  void SetPageStep(int v);
  // True: ValueChanged follows the thumb while it is dragged; False: only
  // when it is let go.
  bool LiveScroll() const { return liveScroll_; }
  void SetLiveScroll(bool v);
  // Horizontal unless made vertical; a vertical slider has its Minimum at
  // the bottom.
  bool Vertical() const { return vertical_; }
  void SetVertical(bool v);
  // Tick marks: 0 none, 1 above (left of) the groove, 2 below (right of) it,
  // 3 on both sides.
  int TickStyle() const { return tickStyle_; }
  void SetTickStyle(int v);

  // The value changed, by the user or by code.
  std::function<void(Slider& sender)> ValueChanged;
  // The slider has been made (runs once, before the window's Open event).
  std::function<void(Slider& sender)> Open;

  void Open_() override;

 protected:
  bool SetProperty(const std::string& name, const PropertyValue& value) override;

 private:
  QSlider* View() const;
  void Sync();
  void UserMoved(int position);

  std::int64_t value_ = 0;
  std::int64_t minimum_ = 0;
  std::int64_t maximum_ = 100;
  int lineStep_ = 1;
  int pageStep_ = 20;
  bool liveScroll_ = true;
  bool vertical_ = false;
  int tickStyle_ = 0;
};

}  // namespace tk
