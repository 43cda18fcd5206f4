#pragma once
// A framed group with a caption; controls made with it as their parent lie
// inside it.
#include <string>

#include "ui/toolkit/Control.h"

class QGroupBox;

namespace tk {

class GroupBox : public Control {
 public:
  explicit GroupBox(tk::Window& window, Control* parent = nullptr);

  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

 protected:
  bool SetProperty(const std::string& name, const PropertyValue& value) override;

 private:
  QGroupBox* View() const;
  std::string caption_;
};

}  // namespace tk
