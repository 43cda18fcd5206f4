#include "solver/Module1.h"
#include "solver/PathFind.h"
#include "ui/App.h"

namespace Module1 {

void TurnOffSolutionFinding() {
  if (App::App_()->BasicPro != 1) return;
  PathFind::hasSolution = false;
  PathFind::FindingSolution = false;
  // The advanced window's timer and Solve button are reset here once that
  // window exists.
}

}  // namespace Module1
