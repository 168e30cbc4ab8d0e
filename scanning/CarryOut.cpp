#include <QTreeWidgetItem>

#include "scan/ScanDesign.h"
#include "scanning/KeyTreeView.h"
#include "scanning/RowProbe.h"
#include "scanning/Scanning.h"
#include "ui/KeyTree.h"
#include "ui/SelectedNode.h"

namespace scanning {

void Scanning::CarryOut(const scan::Reaction& reaction) {
    for (const scan::Action& action : reaction.actions) CarryOut(action);
}

void Scanning::CarryOut(const scan::Action& action) {
    using Kind = scan::Action::Kind;
    KeyTree& tree = *parts_.Tree;
    switch (action.kind) {
        case Kind::Highlight:
            // The tree's own cursor: the highlight is the selection, scrolled into view.
            tree.setCurrentItem(KeyTreeView::ItemOf(action.node));
            break;
        case Kind::OpenGroup:
            KeyTreeView::ItemOf(action.node)->setExpanded(true);
            break;
        case Kind::CloseGroup:
            KeyTree::CollapseWithDescendants(KeyTreeView::ItemOf(action.node));
            break;
        case Kind::CloseAll:
            tree.CollapseAll();
            break;
        case Kind::PointerToRow:
            PosarPunterALaFila(action.column);
            break;
        case Kind::PointerToStart:
            PosarPunterAlPrincipi(action.column);
            break;
        case Kind::Read:
            CarryOut(EstatEscaneig.ReadingStarted(
                KeyTreeView(tree), hooks_.LlegirTecla(action.text, SwitchRules.cueVoice),
                Options()));
            break;
        case Kind::WaitForReadingEnd:
            readingWatch_->start(scan::kEsperaLecturaMs);
            break;
        case Kind::ResumeTracking:
            hooks_.Seguiment(true);
            break;
        case Kind::ReceiverToTop:
            hooks_.TornarALaFinestraReceptora();
            break;
        case Kind::StepTimerOn:
            TimerEscaneig.SetEnabled(true);
            break;
        case Kind::StepTimerOff:
            TimerEscaneig.SetEnabled(false);
            break;
        case Kind::Pause:
            pause_->start(action.ms);
            break;
    }
}

void Scanning::CheckReadingEnd() {
    if (hooks_.LecturaEnCurs()) return;
    readingWatch_->stop();
    CarryOut(EstatEscaneig.ReadingEnded(KeyTreeView(*parts_.Tree), Options()));
}

void Scanning::PauseOver() {
    pause_->stop();
    CarryOut(EstatEscaneig.PauseOver(Options()));
}

void Scanning::MourePunter(int x, int y) {
    const platform::Point screen = pointer_.ClientToScreen(parts_.Tree->viewport(), {x, y});
    pointer_.SetCursorPos(screen.x, screen.y);
}

void Scanning::PosarPunterALaFila(int column) {
    const QTreeWidgetItem* highlighted = ui::SelectedNode(*parts_.Tree);
    if (!highlighted) return;
    const int points = PuntsDeLaFont(parts_.Tree->font());
    for (int y : AlcadesDeSondeig(points, parts_.Tree->viewport()->height())) {
        // A hit test by row: the column does not matter.
        if (parts_.Tree->itemAt(0, y) == highlighted) {
            MourePunter(column, y);
            return;
        }
    }
}

void Scanning::PosarPunterAlPrincipi(int column) {
    MourePunter(column, PuntsDeLaFont(parts_.Tree->font()) / 2);
}

}  // namespace scanning
