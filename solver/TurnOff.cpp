#include "solver/Module1.h"
#include "solver/PathFind.h"
#include "ui/App.h"
#include "ui/frmPro.h"

namespace Module1 {

void TurnOffSolutionFinding() {
  // In a run with the simple window the advanced window must never come
  // into being, so nothing here may reach for it.
  if (App::App_()->BasicPro != 1) return;
  PathFind::hasSolution = false;
  PathFind::FindingSolution = false;
  auto window = frmPro::frmPro_();
  window->PathTimer()->SetMode(tk::Timer::ModeOff);
  window->btnFindSolution()->SetEnabled(true);
}

}  // namespace Module1
