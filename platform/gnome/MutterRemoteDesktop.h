#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>

#include "platform/gnome/RemoteDesktop.h"

namespace platform::gnome {

// mutter's own remote desktop (org.gnome.Mutter.RemoteDesktop) on the session bus. Its
// session lives as long as this program's connection to the bus, and takes keys on the
// seat's keyboard and relative pointer motion without a screen cast.
class MutterRemoteDesktop final : public QObject, public RemoteDesktop {
    Q_OBJECT

  public:
    explicit MutterRemoteDesktop(QDBusConnection bus = QDBusConnection::sessionBus());
    ~MutterRemoteDesktop() override;
    MutterRemoteDesktop(const MutterRemoteDesktop&) = delete;
    MutterRemoteDesktop& operator=(const MutterRemoteDesktop&) = delete;

    bool Start() override;
    void KeyboardKeycode(uint32_t code, bool down) override;
    void PointerMotion(double dx, double dy) override;
    void PointerButton(uint32_t button, bool down) override;
    void OnEnded(std::function<void()> ended) override { ended_ = std::move(ended); }
    void OnServiceBack(std::function<void()> back) override { back_ = std::move(back); }

    // Whether mutter starts a session for this program: asked with a session of its own,
    // stopped at once, on a connection of its own, before the toolkit's application exists.
    static bool LetsIn();

  private slots:
    void SessionClosed();
    void ServiceGone();
    void ServiceRegistered();

  private:
    void Send(const QString& method, const QList<QVariant>& arguments);
    void Forget();

    QDBusConnection bus_;
    QDBusServiceWatcher watcher_;
    QString session_;
    std::function<void()> ended_;
    std::function<void()> back_;
};

}  // namespace platform::gnome
