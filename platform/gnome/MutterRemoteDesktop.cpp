#include "platform/gnome/MutterRemoteDesktop.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QVariantMap>

namespace platform::gnome {
namespace {

const QString kService = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
const QString kPath = QStringLiteral("/org/gnome/Mutter/RemoteDesktop");
const QString kSessionInterface = QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session");
// mutter answers at once; a compositor that does not must not hold up the keyboard long.
constexpr int kCallLimitMs = 2000;
// The left Shift key: pressed and released alone, it types nothing.
constexpr uint32_t kUnpressedKey = 42;

// A started session's object path, or empty.
QString CreateAndStart(QDBusConnection& bus) {
    QDBusMessage create =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("CreateSession"));
    const QDBusReply<QDBusObjectPath> session = bus.call(create, QDBus::Block, kCallLimitMs);
    if (!session.isValid()) return {};
    const QString path = session.value().path();
    const QDBusMessage start = bus.call(
        QDBusMessage::createMethodCall(kService, path, kSessionInterface, QStringLiteral("Start")),
        QDBus::Block, kCallLimitMs);
    if (start.type() != QDBusMessage::ReplyMessage) return {};
    return path;
}

void StopSession(QDBusConnection& bus, const QString& path) {
    bus.call(
        QDBusMessage::createMethodCall(kService, path, kSessionInterface, QStringLiteral("Stop")),
        QDBus::Block, kCallLimitMs);
}

}  // namespace

MutterRemoteDesktop::MutterRemoteDesktop(QDBusConnection bus)
    : bus_(std::move(bus)),
      watcher_(
          kService, bus_,
          QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration) {
    connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, this,
            &MutterRemoteDesktop::ServiceGone);
    connect(&watcher_, &QDBusServiceWatcher::serviceRegistered, this,
            &MutterRemoteDesktop::ServiceRegistered);
}

MutterRemoteDesktop::~MutterRemoteDesktop() {
    if (!session_.isEmpty()) StopSession(bus_, session_);
}

bool MutterRemoteDesktop::LetsIn() {
    const QString name = QStringLiteral("orvalet-remote-desktop-probe");
    bool letsIn = false;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
        if (bus.isConnected()) {
            const QString session = CreateAndStart(bus);
            letsIn = !session.isEmpty();
            if (letsIn) StopSession(bus, session);
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return letsIn;
}

bool MutterRemoteDesktop::Start() {
    Forget();
    session_ = CreateAndStart(bus_);
    if (session_.isEmpty()) return false;
    bus_.connect(kService, session_, kSessionInterface, QStringLiteral("Closed"), this,
                 SLOT(SessionClosed()));
    // mutter makes a session's keyboard and pointer at their first events, and a seat with no
    // other devices (a headless one) offers its clients a keyboard and a pointer only from
    // then on: the keymap comes with the keyboard. Events that type nothing make them now.
    KeyboardKeycode(kUnpressedKey, true);
    KeyboardKeycode(kUnpressedKey, false);
    PointerMotion(0, 0);
    return true;
}

void MutterRemoteDesktop::KeyboardKeycode(uint32_t code, bool down) {
    Send(QStringLiteral("NotifyKeyboardKeycode"), {QVariant::fromValue(code), down});
}

void MutterRemoteDesktop::PointerMotion(double dx, double dy) {
    Send(QStringLiteral("NotifyPointerMotionRelative"), {dx, dy});
}

void MutterRemoteDesktop::PointerButton(uint32_t button, bool down) {
    Send(QStringLiteral("NotifyPointerButton"), {static_cast<int>(button), down});
}

void MutterRemoteDesktop::Send(const QString& method, const QList<QVariant>& arguments) {
    if (session_.isEmpty()) return;
    QDBusMessage message =
        QDBusMessage::createMethodCall(kService, session_, kSessionInterface, method);
    message.setArguments(arguments);
    // In order on the one connection; an answer would only say the session has gone, which
    // its Closed signal says too.
    message.setAutoStartService(false);
    bus_.send(message);
}

void MutterRemoteDesktop::Forget() {
    if (session_.isEmpty()) return;
    bus_.disconnect(kService, session_, kSessionInterface, QStringLiteral("Closed"), this,
                    SLOT(SessionClosed()));
    session_.clear();
}

void MutterRemoteDesktop::SessionClosed() {
    Forget();
    if (ended_) ended_();
}

void MutterRemoteDesktop::ServiceGone() {
    if (session_.isEmpty()) return;
    SessionClosed();
}

void MutterRemoteDesktop::ServiceRegistered() {
    if (back_) back_();
}

}  // namespace platform::gnome
