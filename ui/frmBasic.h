#pragma once
// The simple main window: one square maze, made harder or easier, restyled
// with the border designs and printed within the print limit.
#include <cstdint>
#include <memory>
#include <vector>

#include "ui/MainWindow.h"
#include "ui/toolkit/Controls.h"

namespace tk {
class Graphics;
}

namespace frmBasic {

class frmBasic : public MainWindow {
 public:
  // Prints still allowed while the window is open.
  std::int64_t PrintsLeft = 0;

  void Layout() override;
  void CreateControls() override;
  void CreateControls0_();

  std::shared_ptr<tk::Canvas> Canvas1() const;
  std::shared_ptr<tk::BevelButton> BevelButton1() const;
  std::shared_ptr<tk::BevelButton> BevelButton2() const;
  std::shared_ptr<tk::BevelButton> BevelButton4() const;
  std::shared_ptr<tk::BevelButton> BevelButton7() const;
  std::shared_ptr<tk::BevelButton> BevelButton8() const;
  std::shared_ptr<tk::Slider> Slider1() const;
  std::shared_ptr<tk::BevelButton> BevelButton9() const;
  std::shared_ptr<tk::Label> Label1() const;

  void Canvas1_Paint(tk::Canvas& sender, tk::Graphics& g, const std::vector<tk::Rect>& areas);
  void BevelButton1_Action(tk::BevelButton& sender);
  void BevelButton2_Action(tk::BevelButton& sender);
  void BevelButton4_Action(tk::BevelButton& sender);
  void BevelButton7_Action(tk::BevelButton& sender);
  void BevelButton8_Action(tk::BevelButton& sender);
  void Slider1_ValueChanged(tk::Slider& sender);
  void BevelButton9_Action(tk::BevelButton& sender);


  void AddMenuHandlers(tk::Window& w) override;
  void Event_Open() override;
  void Event_Close() override;
  void UpdatePrintLimit();
};

// The window's single instance, made on first use.
std::shared_ptr<frmBasic> frmBasic_();

}  // namespace frmBasic
