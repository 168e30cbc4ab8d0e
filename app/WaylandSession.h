#pragma once

#include <optional>
#include <string>
#include <vector>

class TFormPrincipal;

// Under a Wayland session the keyboard runs on the compositor itself when it offers what an
// on-screen keyboard needs (the wlroots protocols), and otherwise on XWayland, where its keys
// reach only the applications that run on X11 too.
namespace wayland {

// What start-up must do about the session's display server.
enum class Sessio {
    X11,          // an X11 session: nothing to do
    AmbXWayland,  // Wayland with XWayland: the X11 platform is forced and the user told
    SenseX11,     // no X display at all: the keyboard cannot run
    Wayland,      // a compositor with the wlroots protocols: the Wayland platform is used
};

// Decides from the environment variables that name the session and its displays (each may be
// null).
Sessio SessioDe(const char* waylandDisplay, const char* sessionType, const char* x11Display);

// The same, knowing whether the Wayland compositor offers every protocol the keyboard needs:
// then, in a session that is not an X11 one, the keyboard runs on Wayland itself.
Sessio ChooseSession(const char* waylandDisplay, const char* sessionType, const char* x11Display,
                     bool protocolsOffered);

// Looks at the environment and at what the compositor lacks (nullopt: no compositor answers),
// makes the toolkit use the platform it must and says on the error output why when the
// keyboard cannot run or runs on XWayland; call before the application object exists.
Sessio TriarPlataforma(const std::optional<std::vector<std::string>>& missingProtocols);

// Tells the user, in the interface language and without holding anything up, that the keys
// reach only X11 applications.
void AvisarDeXWayland(TFormPrincipal& form);

}  // namespace wayland
