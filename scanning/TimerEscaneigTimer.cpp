#include "scanning/KeyTreeView.h"
#include "scanning/Scanning.h"

namespace scanning {

void Scanning::TimerEscaneigTimer() {
    // The tracking stays off while the step has the keyboard's own window in front.
    hooks_.Seguiment(false);
    CarryOut(EstatEscaneig.Step(KeyTreeView(*parts_.Tree), Options()));
}

// One step, as the timer makes it; the pause before the highlight moves by itself starts
// again from this press.
void Scanning::MoveSwitchPressed() {
    hooks_.Seguiment(false);
    CarryOut(EstatEscaneig.MovePressed(KeyTreeView(*parts_.Tree), Options()));
}

}  // namespace scanning
