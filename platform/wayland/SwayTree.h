#pragma once

#include <QJsonObject>
#include <QString>
#include <functional>
#include <optional>

#include "platform/Types.h"

namespace platform::wayland {

// Where sway has put a window: the wlroots protocols tell a client nothing of the places of
// windows, its own included, but sway answers on its IPC socket (named by SWAYSOCK).
class SwayTree {
  public:
    // Whether the session's compositor answers sway's IPC.
    static bool Available();

    // The outer box and the box of the content of the first window for which the test holds,
    // in layout pixels; nullopt when none does or sway does not answer.
    struct Place {
        Rect outer;
        Rect content;
    };
    static std::optional<Place> Find(const std::function<bool(const QJsonObject&)>& window);

    // Tests for the window of a process with a title, or of an application with a title.
    static std::function<bool(const QJsonObject&)> OfProcess(qint64 pid, const QString& title);
    static std::function<bool(const QJsonObject&)> OfApplication(const QString& appId,
                                                                 const QString& title);
};

}  // namespace platform::wayland
