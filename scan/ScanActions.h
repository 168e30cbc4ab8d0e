#pragma once

class TFormPrincipal;

// The pieces of a scanning step and of a restart, over the main window's scanning state.
namespace scan {

// Moves the highlight as one press and release of a navigation key (Qt's key code) would move
// it in the tree, then processes pending messages. The key goes to the tree itself, never
// through the window system: there it could reach the application being typed into when the
// keyboard cannot be brought in front, or come back too late to be seen.
void MoureRessaltat(TFormPrincipal& form, int qtKey);

// Makes sure the current row is also the highlighted one: the tree makes its first row
// current, without selecting it, when it first gets the focus, and then Home moves nothing.
void RessaltarFilaActual(TFormPrincipal& form);

// Moves the pointer onto the highlighted row, at the scan column; leaves it where it is
// when no probe finds that row.
void PosarPunterALaFila(TFormPrincipal& form);

// Moves the pointer onto the first row, at the top-level scan column.
void PosarPunterAlPrincipi(TFormPrincipal& form);

// Pass-twice: counts the step and, after one pass over the group's children, brings the
// highlight back to the group's node and closes the group. True when it did.
bool RetornarAlGrup(TFormPrincipal& form);

// Reads the highlighted key aloud and holds the scan until the reading has ended. False when
// the engine was still busy and nothing was read.
bool LlegirTeclaRessaltada(TFormPrincipal& form);

// Gives the foreground back to the receiving window, when one is known.
void TornarALaFinestraReceptora(TFormPrincipal& form);

}  // namespace scan
