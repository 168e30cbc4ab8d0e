#pragma once

#include "platform/BackendChoice.h"

class TFormPrincipal;

// Under a Wayland session the keyboard runs on the compositor itself when it offers what an
// on-screen keyboard needs, and otherwise on XWayland, where its keys reach only the
// applications that run on X11 too.
namespace wayland {

// Chooses the backend the session offers, writes the choice and its reason in one line on the
// error output and makes the toolkit use the platform the backend needs; call before the
// application object exists.
platform::BackendChoice TriarPlataforma(const platform::SessionFacts& facts);

// Tells the user, in the interface language and without holding anything up, that the keys
// reach only X11 applications.
void AvisarDeXWayland(TFormPrincipal& form);

// Tells the user, the same way, that the compositor has closed the session that carries the
// keys (escriu false), so nothing is typed, or that it has come back (escriu true).
void AvisarDeLaSessio(TFormPrincipal& form, bool escriu);

}  // namespace wayland
