#pragma once
// A line of text.
#include <string>

#include "ui/toolkit/Control.h"

class QLabel;

namespace tk {

// A text too wide for the label is shown in a smaller size rather than cut.
class Label : public Control {
 public:
  explicit Label(tk::Window& window, Control* parent = nullptr);

  std::string Text() const { return text_; }
  void SetText(const std::string& text);
  // 0 left, 1 centred, 2 right.
  int TextAlign() const { return align_; }
  void SetTextAlign(int align);

 protected:
  // Also Multiline, Selectable (the text can be selected with the mouse)
  // and the text design values (TextStyle.h). A label never paints a
  // background of its own, so it sits cleanly on a group box.
  bool SetProperty(const std::string& name, const PropertyValue& value) override;

 private:
  QLabel* View() const;
  void Fit();

  std::string text_;
  int align_ = 0;
  int designPixels_ = 0;  // the size asked for, in pixels
};

}  // namespace tk
