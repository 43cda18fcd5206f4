#pragma once
// The advanced main window: the maze view with its width and height sliders,
// and a column of controls for the border design, a new maze, the exit door,
// the line length, the colour of the two colour designs, the animated solver,
// saving and printing.
#include <memory>
#include <vector>

#include "ui/MainWindow.h"
#include "ui/toolkit/Controls.h"

namespace frmPro {

class frmPro : public MainWindow {
 public:
  void Layout() override;
  void CreateControls() override;
  void CreateControls0_();

  // Controls, looked up by name at every call.
  std::shared_ptr<tk::Slider> Slider1() const;
  std::shared_ptr<tk::Slider> Slider2() const;
  std::shared_ptr<tk::Canvas> Canvas1() const;
  std::shared_ptr<tk::BevelButton> BevelButton1() const;
  std::shared_ptr<tk::BevelButton> BevelButton2() const;
  std::shared_ptr<tk::BevelButton> BevelButton3() const;
  std::shared_ptr<tk::BevelButton> BevelButton4() const;
  std::shared_ptr<tk::BevelButton> BevelButton5() const;
  std::shared_ptr<tk::BevelButton> BevelButton6() const;
  std::shared_ptr<tk::Slider> Slider3() const;
  std::shared_ptr<tk::Canvas> Canvas2() const;
  std::shared_ptr<tk::Canvas> Canvas3() const;
  std::shared_ptr<tk::Label> Label1() const;
  std::shared_ptr<tk::Rectangle> Rectangle1() const;
  std::shared_ptr<tk::Timer> PathTimer() const;
  std::shared_ptr<tk::BevelButton> btnFindSolution() const;

  // Control events.
  void Slider1_ValueChanged(tk::Slider& sender);
  void Slider2_ValueChanged(tk::Slider& sender);
  void Slider2_Open(tk::Slider& sender);
  void Canvas1_Paint(tk::Canvas& sender, tk::Graphics& g, const std::vector<tk::Rect>& areas);
  void BevelButton1_Action(tk::BevelButton& sender);
  void BevelButton2_Action(tk::BevelButton& sender);
  void BevelButton3_Action(tk::BevelButton& sender);
  void BevelButton4_Action(tk::BevelButton& sender);
  void BevelButton5_Action(tk::BevelButton& sender);
  void BevelButton6_Action(tk::BevelButton& sender);
  void Slider3_ValueChanged(tk::Slider& sender);
  bool Canvas2_MouseDown(tk::Canvas& sender, int x, int y);
  void Canvas2_MouseUp(tk::Canvas& sender, int x, int y);
  bool Canvas3_MouseDown(tk::Canvas& sender, int x, int y);
  void Canvas3_MouseUp(tk::Canvas& sender, int x, int y);
  bool Rectangle1_MouseDown(tk::Rectangle& sender, int x, int y);
  void Rectangle1_MouseUp(tk::Rectangle& sender, int x, int y);
  void PathTimer_Action(tk::Timer& sender);
  void btnFindSolution_Action(tk::BevelButton& sender);


  void AddMenuHandlers(tk::Window& w) override;

  void Event_Open() override;
  void Event_Close() override;
  void Event_EnableMenuItems() override;

  // Menu commands; True when handled.
  bool mnuClearSolution_Action_();

  // Shows the colour swatch and its label for the two colour designs only.
  void EnableColorPicker();
};

// The window's single instance: the open one, or a new one built there and
// then (already found while its Open event runs).
std::shared_ptr<frmPro> frmPro_();

}  // namespace frmPro
