#pragma once
// The part of Module1 that belongs to the solver.

namespace Module1 {

// Stops a running search and withdraws the shown path (only in a run that
// uses the advanced window).
void TurnOffSolutionFinding();

}  // namespace Module1
