#include <QAction>

#include "app/TFormPrincipal.h"
#include "output/SelectedNode.h"
#include "scan/ScanActions.h"

void TFormPrincipal::ReiniciarEscaneig() {
    if (!MenuActivarLEscaneigAutomatic->isChecked()) return;
    Tree->CollapseAll();
    EstatEscaneig.Restart(output::SelectedNode(*Tree), MenuPassarDuesVegades->isChecked());
    scan::MoureRessaltat(*this, Qt::Key_Home);
    scan::PosarPunterAlPrincipi(*this);
    scan::RessaltarFilaActual(*this);
    // The person goes on working in the receiving application while the scan runs.
    scan::TornarALaFinestraReceptora(*this);
    if (MenuLlegirlateclaEnEscaneigAutomatic->isChecked()) scan::LlegirTeclaRessaltada(*this);
}
