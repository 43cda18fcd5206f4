#pragma once
// A radio button; the radio buttons that lie on the same window or group
// box form one group, where selecting one clears the others.
#include <functional>
#include <string>

#include "ui/toolkit/Control.h"

class QRadioButton;

namespace tk {

class RadioButton : public Control {
 public:
  explicit RadioButton(tk::Window& window, Control* parent = nullptr);

  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // Selected. Selecting from code clears the others of the group and, when
  // the button was not selected yet, runs its Action as a click does, so
  // that what hangs on the selection follows it from the start. Nothing runs
  // while Action is unbound (design values), while the button is disabled,
  // or when code clears a button.
  bool Value() const;
  void SetValue(bool v);

  // The user selected the button.
  std::function<void(RadioButton& sender)> Action;
  // Selects the button as a click does (runs Action).
  void Push();

 protected:
  bool SetProperty(const std::string& name, const PropertyValue& value) override;

 private:
  QRadioButton* View() const;
  std::string caption_;
};

}  // namespace tk
