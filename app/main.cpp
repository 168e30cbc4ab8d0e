#include <QApplication>

#include "app/CommandLine.h"
#include "app/Startup.h"
#include "app/WaylandSession.h"
#include "platform/session/SessionDesktop.h"

int main(int argc, char** argv) {
    const platform::Backend backend =
        wayland::TriarPlataforma(platform::ReadSessionFacts()).backend;
    if (backend == platform::Backend::None) return 1;
    // Every word of the command line names the keyboard file: the toolkit sees none of them,
    // so that words such as -reverse or -style stay part of the name.
    int toolkitArgc = 1;
    QApplication application(toolkitArgc, argv);
    application.setApplicationName("Orvalet");
    const bool onX11 = backend == platform::Backend::X11 || backend == platform::Backend::XWayland;
    // A Wayland compositor knows a program by its desktop entry's name, and so do its rules.
    if (!onX11) application.setDesktopFileName("org.orvalet.Orvalet");
    std::unique_ptr<platform::Desktop> desktop = platform::CreateDesktop(backend);
    Startup startup(*desktop, ParametersOf(argc, argv));
    if (!startup.Start()) {
        startup.Finish();
        return 0;
    }
    if (backend == platform::Backend::XWayland) wayland::AvisarDeXWayland(*startup.FormPrincipal);
    desktop->WatchKeyDelivery(
        [&startup](bool escriu) { wayland::AvisarDeLaSessio(*startup.FormPrincipal, escriu); });
    const int status = application.exec();
    startup.Finish();
    return status;
}
