#include "scan/ScanActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>

#include "app/TFormPrincipal.h"
#include "keys/KeyKind.h"
#include "output/SelectedNode.h"
#include "platform/ScreenPixels.h"
#include "scan/RowProbe.h"
#include "scan/ScanDesign.h"

namespace scan {
namespace {

void MourePunter(TFormPrincipal& form, int x, int y) {
    const platform::Point screen = platform::ToScreenPixels(form.Tree->viewport(), QPoint(x, y));
    form.desktop.SetCursorPos(screen.x, screen.y);
}

}  // namespace

void MoureRessaltat(TFormPrincipal& form, int qtKey) {
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier);
    QCoreApplication::sendEvent(form.Tree, &press);
    QCoreApplication::sendEvent(form.Tree, &release);
    form.desktop.ProcessMessages();
}

void RessaltarFilaActual(TFormPrincipal& form) {
    QTreeWidgetItem* current = form.Tree->currentItem();
    if (current && !current->isSelected()) current->setSelected(true);
}

void PosarPunterALaFila(TFormPrincipal& form) {
    const QTreeWidgetItem* highlighted = output::NodeSeleccionat(*form.Tree);
    if (!highlighted) return;
    const int points = PuntsDeLaFont(form.Tree->font());
    for (int y : AlcadesDeSondeig(points, form.Tree->viewport()->height())) {
        // A hit test by row: the column does not matter.
        if (form.Tree->itemAt(0, y) == highlighted) {
            MourePunter(form, form.XEscaneig, y);
            return;
        }
    }
}

void PosarPunterAlPrincipi(TFormPrincipal& form) {
    MourePunter(form, kColumnaInicial, PuntsDeLaFont(form.Tree->font()) / 2);
}

bool RetornarAlGrup(TFormPrincipal& form) {
    if (!form.MenuPassarDuesVegades->isChecked() || form.FillsGrup <= 0) return false;
    if (++form.SaltsGrup != form.FillsGrup) return false;
    if (output::EsDelArbre(*form.Tree, form.GrupDuesVegades)) {
        form.Tree->setCurrentItem(form.GrupDuesVegades);
        KeyTree::CollapseWithDescendants(form.GrupDuesVegades);
    }
    form.TimerEscaneig.SetEnabled(false);
    form.XEscaneig -= form.Tree->indentation();
    form.FillsGrup = form.SaltsGrup = 0;
    form.TextEscaneigAnterior.clear();
    return true;
}

bool LlegirTeclaRessaltada(TFormPrincipal& form) {
    if (!output::NodeSeleccionat(*form.Tree)) return false;
    if (!form.LlegirTecla(keys::LowerAscii(output::TextSeleccionat(*form.Tree)))) return false;
    form.TextEscaneigAnterior = output::TextSeleccionat(*form.Tree);
    form.TimerCercaHandleFinestra.SetEnabled(true);
    TornarALaFinestraReceptora(form);
    // The key stays highlighted while it is spoken; clicks and commands are handled meanwhile.
    form.TimerEscaneig.SetEnabled(false);
    while (form.TimerStatusUpcTV.Enabled()) form.Espera(kEsperaLecturaMs);
    if (form.MenuActivarLEscaneigAutomatic->isChecked()) form.TimerEscaneig.SetEnabled(true);
    return true;
}

void TornarALaFinestraReceptora(TFormPrincipal& form) {
    if (form.FinestraReceptora != 0) form.desktop.BringWindowToTop(form.FinestraReceptora);
}

}  // namespace scan
