#pragma once

#include <cstdint>

class TFormPrincipal;

// The pieces of a scanning step and of a restart, over the main window's scanning state.
namespace scan {

// Puts the program's own window in front with the tree holding the focus, sends it one press
// and release of a navigation key (vk, seen by the tree as qtKey) and processes pending
// messages until the tree has received the key, so that it has moved before it is read.
// Synthesised keys come back through the window system a moment later; the wait is bounded
// for a key that went elsewhere.
void EnviarTeclaDeNavegacio(TFormPrincipal& form, uint8_t vk, int qtKey);

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
