#pragma once

class TFormPrincipal;

// Under a Wayland session the keyboard runs on XWayland, where its keys reach only the
// applications that run on X11 too.
namespace wayland {

// What start-up must do about the session's display server.
enum class Sessio {
    X11,          // an X11 session: nothing to do
    AmbXWayland,  // Wayland with XWayland: the X11 platform is forced and the user told
    SenseX11,     // no X display at all: the keyboard cannot run
};

// Decides from the environment variables that name the session and its displays (each may be
// null).
Sessio SessioDe(const char* waylandDisplay, const char* sessionType, const char* x11Display);

// Looks at the environment, makes the toolkit use X11 where it must and says on the error
// output why when the keyboard cannot run; call before the application object exists.
Sessio TriarPlataforma();

// Tells the user, in the interface language and without holding anything up, that the keys
// reach only X11 applications.
void AvisarDeXWayland(TFormPrincipal& form);

}  // namespace wayland
