#include "scan/ScanActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>

#include "app/TFormPrincipal.h"
#include "keys/KeyKind.h"
#include "output/SelectedNode.h"
#include "scan/RowProbe.h"
#include "scan/ScanDesign.h"
#include "text/Case.h"

namespace scan {
namespace {

void MourePunter(TFormPrincipal& form, int x, int y) {
    const platform::Point screen = form.desktop.ClientToScreen(form.Tree->viewport(), {x, y});
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
    const QTreeWidgetItem* highlighted = output::SelectedNode(*form.Tree);
    if (!highlighted) return;
    const int points = PuntsDeLaFont(form.Tree->font());
    for (int y : AlcadesDeSondeig(points, form.Tree->viewport()->height())) {
        // A hit test by row: the column does not matter.
        if (form.Tree->itemAt(0, y) == highlighted) {
            MourePunter(form, form.EstatEscaneig.Column(), y);
            return;
        }
    }
}

void PosarPunterAlPrincipi(TFormPrincipal& form) {
    MourePunter(form, kColumnaInicial, PuntsDeLaFont(form.Tree->font()) / 2);
}

bool RetornarAlGrup(TFormPrincipal& form) {
    if (!form.EstatEscaneig.CountStep(form.MenuPassarDuesVegades->isChecked(),
                                      form.Tree->indentation())) {
        return false;
    }
    QTreeWidgetItem* group = form.EstatEscaneig.CountedGroup();
    if (output::IsInTree(*form.Tree, group)) {
        form.Tree->setCurrentItem(group);
        KeyTree::CollapseWithDescendants(group);
    }
    form.TimerEscaneig.SetEnabled(false);
    return true;
}

bool LlegirTeclaRessaltada(TFormPrincipal& form) {
    if (!output::SelectedNode(*form.Tree)) return false;
    if (!form.LlegirTecla(text::LowerAscii(output::SelectedText(*form.Tree)))) return false;
    form.EstatEscaneig.Remember(output::SelectedText(*form.Tree));
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
