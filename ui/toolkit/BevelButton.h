#pragma once
// A flat button with an icon above its caption.
#include <functional>
#include <memory>
#include <string>

#include "ui/toolkit/Control.h"

namespace tk {

class Picture;
class BevelButtonWidget;

class BevelButton : public Control {
 public:
  explicit BevelButton(tk::Window& window, Control* parent = nullptr);
  ~BevelButton() override;

  // The caption, with "&" before the letter of its access key; one too wide
  // for the button is shown in a smaller size rather than cut.
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // The icon, centred across the button above the caption and always shown
  // at its own size; pure white is transparent when the picture is marked
  // Transparent. Where icon and caption do not both fit, the caption gives
  // way: less padding, or laid over the icon's lower edge on a light strip.
  std::shared_ptr<Picture> Icon() const { return icon_; }
  void SetIcon(std::shared_ptr<Picture> icon);
  // The icon's distance from the top edge; an icon too tall to fit below it
  // moves up until it ends on the bottom edge.
  int IconDY() const { return iconDY_; }
  void SetIconDY(int dy);

  // Runs when the button is pressed; never while it is disabled.
  std::function<void(BevelButton& sender)> Action;

  // Presses the button as a click does.
  void Push();

  // For the widget.
  void Clicked_();
  const std::shared_ptr<Picture>& IconPicture_() const { return icon_; }

 protected:
  bool SetProperty(const std::string& name, const PropertyValue& value) override;

 private:
  BevelButtonWidget* View() const;

  std::string caption_;
  std::shared_ptr<Picture> icon_;
  int iconDY_ = 0;
};

}  // namespace tk
