#pragma once
// A push button. The window's Default button answers Return and Enter, its
// Cancel button Escape; a push button with the focus answers them itself, as
// it answers Space. A caption too wide for the button is shown in a smaller
// size rather than cut.
#include <functional>
#include <string>

#include "ui/toolkit/Control.h"

class QPushButton;
class QShortcut;

namespace tk {

class PushButton : public Control {
 public:
  explicit PushButton(tk::Window& window, Control* parent = nullptr);

  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v);

  // Runs when the button is pressed; never while it is disabled.
  std::function<void(PushButton& sender)> Action;
  // Presses the button as a click does.
  void Push();

 protected:
  bool SetProperty(const std::string& name, const PropertyValue& value) override;

 private:
  QPushButton* View() const;

  std::string caption_;
  bool default_ = false;
  bool cancel_ = false;
  QShortcut* returnKey_ = nullptr;
  QShortcut* enterKey_ = nullptr;
  QShortcut* escapeKey_ = nullptr;
};

}  // namespace tk
