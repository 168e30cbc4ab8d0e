#include <QApplication>

#include "app/Startup.h"
#include "platform/x11/X11Desktop.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setApplicationName("Orvalet");
    std::unique_ptr<platform::Desktop> desktop = platform::CreateX11Desktop();
    Startup startup(*desktop, application.arguments().mid(1));
    startup.Start();
    const int status = application.exec();
    startup.Finish();
    return status;
}
