#pragma once
// The About window: product name, version, rights notice, the maze icon and
// the maker's logo, and a Close button. It reads and stores nothing.
#include <memory>

#include "ui/toolkit/Controls.h"

namespace frmAbout {

class frmAbout : public tk::Window {
 public:
  void Layout() override;
  void CreateControls() override;
  void CreateControls0_();

  std::shared_ptr<tk::Label> Label1() const;
  std::shared_ptr<tk::Label> lblVersion() const;
  std::shared_ptr<tk::Label> lblCopyright() const;
  std::shared_ptr<tk::PushButton> PushButton1() const;
  std::shared_ptr<tk::Canvas> Canvas1() const;
  std::shared_ptr<tk::Canvas> Canvas2() const;

  void PushButton1_Action(tk::PushButton& sender);

  void Event_Open() override;
};

// The open About window, or a new one.
std::shared_ptr<frmAbout> frmAbout_();

}  // namespace frmAbout
