#include <QAction>

#include "app/TFormPrincipal.h"
#include "output/SelectedNode.h"
#include "scan/ScanActions.h"
#include "scan/ScanDesign.h"

namespace {

// After a group return the group's node stays highlighted one step longer and a little more.
void PausaDeRetorn(TFormPrincipal& form) {
    if (form.CurrentSwitches.PausesAfterGroupReturn()) {
        form.Espera(form.TimerEscaneig.Interval() + scan::kPausaRetornGrupMs);
    }
    if (form.MenuActivarLEscaneigAutomatic->isChecked()) form.TimerEscaneig.SetEnabled(true);
}

}  // namespace

void TFormPrincipal::TimerEscaneigTimer() {
    TimerCercaHandleFinestra.SetEnabled(false);
    scan::MoureRessaltat(*this, Qt::Key_Down);
    const bool groupReturn = scan::RetornarAlGrup(*this);
    scan::PosarPunterALaFila(*this);
    if (groupReturn) {
        // Tracking stays off and the receiving window waits for the next ordinary step.
        PausaDeRetorn(*this);
        return;
    }
    // A highlight that did not move has reached the end of the list.
    if (EstatEscaneig.EndOfList(output::SelectedText(*Tree))) {
        ReiniciarEscaneig();
    } else if (MenuLlegirlateclaEnEscaneigAutomatic->isChecked() &&
               scan::LlegirTeclaRessaltada(*this)) {
        return;
    }
    EstatEscaneig.Remember(output::SelectedText(*Tree));
    TimerCercaHandleFinestra.SetEnabled(true);
    scan::TornarALaFinestraReceptora(*this);
}
