#pragma once
// The Preferences window: which main window the next start opens ("Basic"
// or "Pro") and the prints allowed per opening of the simple window. It shows
// the settings of the running program and saves the choice for the next
// start; nothing in memory changes. A save that cannot be written says so,
// naming the file, and the window stays open.
#include <memory>

#include "ui/toolkit/Controls.h"

namespace frmPrefs {

class frmPrefs : public tk::Window {
 public:
  void Layout() override;
  void CreateControls() override;
  void CreateControls0_();

  std::shared_ptr<tk::GroupBox> GroupBox1() const;
  std::shared_ptr<tk::RadioButton> RadioButton2() const;
  std::shared_ptr<tk::Label> Label1() const;
  std::shared_ptr<tk::Slider> Slider1() const;
  std::shared_ptr<tk::Label> Label2() const;
  std::shared_ptr<tk::RadioButton> RadioButton1() const;
  std::shared_ptr<tk::PushButton> PushButton1() const;

  void RadioButton2_Action(tk::RadioButton& sender);
  void Slider1_ValueChanged(tk::Slider& sender);
  void RadioButton1_Action(tk::RadioButton& sender);
  void PushButton1_Action(tk::PushButton& sender);

  void Event_Open() override;
};

// The open Preferences window, or a new one.
std::shared_ptr<frmPrefs> frmPrefs_();

}  // namespace frmPrefs
