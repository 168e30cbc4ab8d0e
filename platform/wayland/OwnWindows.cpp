#include "platform/wayland/OwnWindows.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <string>

#include "platform/ScreenPixels.h"
#include "platform/wayland/SwayTree.h"

namespace platform::wayland {
namespace {

// The application id the toolkit gives the program's windows: the name of its desktop entry
// when it has one, else the program file's name after the organization's reversed domain.
std::string ApplicationId() {
    QString id = QGuiApplication::desktopFileName();
    if (!id.isEmpty()) {
        if (id.endsWith(QLatin1String(".desktop"))) id.chop(static_cast<int>(qstrlen(".desktop")));
        return id.toStdString();
    }
    for (const QString& part :
         QCoreApplication::organizationDomain().split(QLatin1Char('.'), Qt::SkipEmptyParts)) {
        id.prepend(QLatin1Char('.')).prepend(part);
    }
    return (id + QFileInfo(QCoreApplication::applicationFilePath()).baseName()).toStdString();
}

}  // namespace

OwnWindows::OwnWindows(const ToplevelList& toplevels) : toplevels_(toplevels) {}

HWND OwnWindows::HandleOf(const QWidget* topLevel) const {
    if (topLevel == nullptr || !topLevel->window()->isVisible()) return 0;
    const QWidget* window = topLevel->window();
    const std::string title = window->windowTitle().toStdString();
    const std::string applicationId = ApplicationId();
    HWND titled = 0;
    HWND active = 0;
    HWND any = 0;
    int count = 0;
    toplevels_.Each([&](HWND handle, const Toplevel& toplevel) {
        if (toplevel.appId != applicationId) return true;
        ++count;
        any = handle;
        if (titled == 0 && toplevel.title == title) titled = handle;
        if (toplevel.activated) active = handle;
        return true;
    });
    if (titled != 0) return titled;
    // The compositor hears of a new title a moment after the toolkit sets it.
    if (window->isActiveWindow() && active != 0) return active;
    return count == 1 ? any : 0;
}

Point OwnWindows::ContentOrigin(Rect frame, int width, int height) {
    const int side = std::max(0, ((frame.right - frame.left) - width) / 2);
    return Point{frame.left + side, std::max(frame.top, frame.bottom - side - height)};
}

std::optional<Point> OwnWindows::ContentOriginOf(const QWidget* window) const {
    const qint64 pid = getpid();
    std::optional<SwayTree::Place> place =
        SwayTree::Find(SwayTree::OfProcess(pid, window->windowTitle()));
    if (!place) {
        place = SwayTree::Find(
            [pid](const QJsonObject& node) { return node["pid"].toInteger() == pid; });
    }
    if (place) return Point{place->content.left, place->content.top};
    const std::optional<Rect> frame = toplevels_.Bounds(HandleOf(window));
    if (!frame) return std::nullopt;
    return ContentOrigin(*frame, window->width(), window->height());
}

Point OwnWindows::ClientToScreen(const QWidget* widget, Point client,
                                 const Outputs& outputs) const {
    const QPoint local(client.x, client.y);
    const QWidget* window = widget->window();
    const std::optional<Point> origin = ContentOriginOf(window);
    if (!origin) return ToScreenPixels(widget, local);
    const QPoint inWindow = widget->mapTo(window, local);
    // The toolkit's own scale (QT_SCALE_FACTOR) on top of the output's.
    const double factor = window->devicePixelRatioF() / outputs.ScaleAt(*origin);
    return Point{origin->x + static_cast<int>(std::lround(inWindow.x() * factor)),
                 origin->y + static_cast<int>(std::lround(inWindow.y() * factor))};
}

}  // namespace platform::wayland
