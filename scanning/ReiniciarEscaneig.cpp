#include "scanning/KeyTreeView.h"
#include "scanning/Scanning.h"

namespace scanning {

void Scanning::ReiniciarEscaneig() {
    CarryOut(EstatEscaneig.Restart(KeyTreeView(*parts_.Tree), Options()));
}

void Scanning::PressStarted() { CarryOut(EstatEscaneig.Pressed(Options())); }

void Scanning::Chosen(QTreeWidgetItem* node) {
    CarryOut(EstatEscaneig.Chosen(KeyTreeView(*parts_.Tree), KeyTreeView::NodeOf(node), Options()));
}

void Scanning::PressEnded() { CarryOut(EstatEscaneig.PressEnded(Options())); }

}  // namespace scanning
