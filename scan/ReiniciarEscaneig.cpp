#include <QAction>

#include "app/TFormPrincipal.h"
#include "output/SelectedNode.h"
#include "scan/ScanActions.h"
#include "scan/ScanDesign.h"

void TFormPrincipal::ReiniciarEscaneig() {
    if (!MenuActivarLEscaneigAutomatic->isChecked()) return;
    XEscaneig = scan::kColumnaInicial;
    Tree->CollapseAll();
    if (MenuPassarDuesVegades->isChecked()) {
        GrupDuesVegades = output::NodeSeleccionat(*Tree);
        FillsGrup = SaltsGrup = 0;
    }
    scan::MoureRessaltat(*this, Qt::Key_Home);
    scan::PosarPunterAlPrincipi(*this);
    scan::RessaltarFilaActual(*this);
    TextEscaneigAnterior.clear();
    // The person goes on working in the receiving application while the scan runs.
    scan::TornarALaFinestraReceptora(*this);
    if (MenuLlegirlateclaEnEscaneigAutomatic->isChecked()) scan::LlegirTeclaRessaltada(*this);
}
