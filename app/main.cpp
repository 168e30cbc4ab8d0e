#include <QApplication>

#include "app/CommandLine.h"
#include "app/Startup.h"
#include "app/WaylandSession.h"
#include "platform/wayland/WaylandDesktop.h"
#include "platform/x11/X11Desktop.h"

int main(int argc, char** argv) {
    const wayland::Sessio sessio = wayland::TriarPlataforma(platform::MissingWaylandProtocols());
    if (sessio == wayland::Sessio::SenseX11) return 1;
    // Every word of the command line names the keyboard file: the toolkit sees none of them,
    // so that words such as -reverse or -style stay part of the name.
    int toolkitArgc = 1;
    QApplication application(toolkitArgc, argv);
    application.setApplicationName("Orvalet");
    // A Wayland compositor knows a program by its desktop entry's name, and so do its rules.
    if (sessio == wayland::Sessio::Wayland) application.setDesktopFileName("org.orvalet.Orvalet");
    std::unique_ptr<platform::Desktop> desktop = sessio == wayland::Sessio::Wayland
                                                     ? platform::CreateWaylandDesktop()
                                                     : platform::CreateX11Desktop();
    Startup startup(*desktop, ParametersOf(argc, argv));
    if (!startup.Start()) {
        startup.Finish();
        return 0;
    }
    if (sessio == wayland::Sessio::AmbXWayland) wayland::AvisarDeXWayland(*startup.FormPrincipal);
    const int status = application.exec();
    startup.Finish();
    return status;
}
