#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <map>
#include <set>

#include "platform/gnome/AccessibleWindows.h"

namespace platform::gnome {

// The accessibility bus (AT-SPI) heard for the windows of other programs: their activations,
// names and ends go to the window list. Toolkits join the bus only once it is enabled, which
// this asks for; Qt programs ask at their start.
class AtspiListener final : public QObject {
    Q_OBJECT

  public:
    // Throws std::runtime_error when the session has no accessibility bus.
    explicit AtspiListener(AccessibleWindows& windows);
    ~AtspiListener() override;
    AtspiListener(const AtspiListener&) = delete;
    AtspiListener& operator=(const AtspiListener&) = delete;

    // Reads the window's name anew and tells it to the windows as a rename when it comes.
    void RefreshName(const AccessibleRef& window);

  private slots:
    void WindowEvent(const QDBusMessage& message);
    void ObjectEvent(const QDBusMessage& message);
    void NameOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

  private:
    // Tells the windows of the window in front when the keyboard starts.
    void FindActiveWindow();
    QString Name(const QString& bus, const QString& path);
    bool IsOwnProcess(const QString& bus);

    AccessibleWindows& windows_;
    QDBusConnection bus_;
    std::map<QString, bool> ownByBus_;
    // The windows whose names are being read, so that a slow application is asked once.
    std::set<AccessibleRef> refreshing_;
};

}  // namespace platform::gnome
