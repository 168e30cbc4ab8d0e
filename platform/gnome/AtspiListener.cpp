#include "platform/gnome/AtspiListener.h"

#include <unistd.h>

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDBusVariant>
#include <stdexcept>
#include <utility>
#include <vector>

namespace platform::gnome {
namespace {

const QString kBusService = QStringLiteral("org.a11y.Bus");
const QString kBusPath = QStringLiteral("/org/a11y/bus");
const QString kRegistry = QStringLiteral("org.a11y.atspi.Registry");
const QString kRegistryPath = QStringLiteral("/org/a11y/atspi/registry");
const QString kRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kWindowEvents = QStringLiteral("org.a11y.atspi.Event.Window");
const QString kObjectEvents = QStringLiteral("org.a11y.atspi.Event.Object");
const QString kConnectionName = QStringLiteral("orvalet-accessibility");
// The events the applications must send: toolkits send only those someone listens to.
const char* const kEvents[] = {"window:activate", "window:deactivate", "window:destroy",
                               "object:property-change:accessible-name"};
// The state bit of the window in front.
constexpr uint32_t kStateActive = 1u << 1;
// An application that does not answer must not hold up the keyboard long.
constexpr int kCallLimitMs = 250;

QString AccessibilityBusAddress() {
    QDBusConnection session = QDBusConnection::sessionBus();
    QDBusMessage get =
        QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService, "GetAddress");
    const QDBusReply<QString> address = session.call(get, QDBus::Block, kCallLimitMs * 8);
    if (!address.isValid() || address.value().isEmpty()) {
        throw std::runtime_error("the session has no accessibility bus (org.a11y.Bus)");
    }
    // Toolkits started from now on join the bus.
    QDBusMessage enable = QDBusMessage::createMethodCall(kBusService, kBusPath, kProperties, "Get");
    enable.setArguments({QStringLiteral("org.a11y.Status"), QStringLiteral("IsEnabled")});
    const QDBusReply<QDBusVariant> enabled = session.call(enable, QDBus::Block, kCallLimitMs * 8);
    if (!enabled.isValid() || !enabled.value().variant().toBool()) {
        QDBusMessage set =
            QDBusMessage::createMethodCall(kBusService, kBusPath, kProperties, "Set");
        set.setArguments({QStringLiteral("org.a11y.Status"), QStringLiteral("IsEnabled"),
                          QVariant::fromValue(QDBusVariant(true))});
        session.call(set, QDBus::Block, kCallLimitMs * 8);
    }
    return address.value();
}

std::vector<std::pair<QString, QString>> References(const QDBusMessage& reply) {
    std::vector<std::pair<QString, QString>> references;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return references;
    }
    const QDBusArgument list = reply.arguments().first().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QString bus;
        QDBusObjectPath path;
        list.beginStructure();
        list >> bus >> path;
        list.endStructure();
        references.emplace_back(bus, path.path());
    }
    list.endArray();
    return references;
}

uint32_t FirstStateWord(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return 0;
    const QDBusArgument words = reply.arguments().first().value<QDBusArgument>();
    uint32_t first = 0;
    words.beginArray();
    if (!words.atEnd()) words >> first;
    while (!words.atEnd()) {
        uint32_t other = 0;
        words >> other;
    }
    words.endArray();
    return first;
}

AccessibleRef RefOf(const QDBusMessage& message) {
    return {message.service().toStdString(), message.path().toStdString()};
}

}  // namespace

AtspiListener::AtspiListener(AccessibleWindows& windows)
    : windows_(windows),
      bus_(QDBusConnection::connectToBus(AccessibilityBusAddress(), kConnectionName)) {
    if (!bus_.isConnected()) {
        throw std::runtime_error("the accessibility bus does not answer");
    }
    for (const char* event : kEvents) {
        QDBusMessage subscribe = QDBusMessage::createMethodCall(
            kRegistry, kRegistryPath, QStringLiteral("org.a11y.atspi.Registry"), "RegisterEvent");
        subscribe.setArguments({QString::fromLatin1(event)});
        bus_.call(subscribe, QDBus::Block, kCallLimitMs * 8);
    }
    for (const char* member : {"Activate", "Deactivate", "Destroy"}) {
        bus_.connect(QString(), QString(), kWindowEvents, QString::fromLatin1(member), this,
                     SLOT(WindowEvent(QDBusMessage)));
    }
    bus_.connect(QString(), QString(), kObjectEvents, QStringLiteral("PropertyChange"), this,
                 SLOT(ObjectEvent(QDBusMessage)));
    bus_.connect(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                 QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameOwnerChanged"), this,
                 SLOT(NameOwnerChanged(QString, QString, QString)));
    FindActiveWindow();
}

AtspiListener::~AtspiListener() { QDBusConnection::disconnectFromBus(kConnectionName); }

QString AtspiListener::Name(const QString& bus, const QString& path) {
    QDBusMessage get = QDBusMessage::createMethodCall(bus, path, kProperties, "Get");
    get.setArguments({kAccessible, QStringLiteral("Name")});
    const QDBusReply<QDBusVariant> name = bus_.call(get, QDBus::Block, kCallLimitMs);
    return name.isValid() ? name.value().variant().toString() : QString();
}

void AtspiListener::RefreshName(const AccessibleRef& window) {
    if (!refreshing_.insert(window).second) return;
    QDBusMessage get =
        QDBusMessage::createMethodCall(QString::fromStdString(window.bus),
                                       QString::fromStdString(window.path), kProperties, "Get");
    get.setArguments({kAccessible, QStringLiteral("Name")});
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(get, kCallLimitMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, window](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                refreshing_.erase(window);
                const QDBusPendingReply<QDBusVariant> name = *call;
                if (name.isValid()) {
                    windows_.Renamed(window, name.value().variant().toString().toStdString());
                }
            });
}

bool AtspiListener::IsOwnProcess(const QString& bus) {
    if (const auto known = ownByBus_.find(bus); known != ownByBus_.end()) return known->second;
    const QDBusReply<uint> pid = bus_.interface()->servicePid(bus);
    const bool own = pid.isValid() && pid.value() == static_cast<uint>(getpid());
    ownByBus_[bus] = own;
    return own;
}

void AtspiListener::WindowEvent(const QDBusMessage& message) {
    if (IsOwnProcess(message.service())) return;
    const QString member = message.member();
    if (member == QLatin1String("Activate")) {
        windows_.Activated(RefOf(message), Name(message.service(), message.path()).toStdString(),
                           Name(message.service(), kRootPath).toStdString());
    } else if (member == QLatin1String("Deactivate")) {
        windows_.Deactivated(RefOf(message));
    } else {
        windows_.Destroyed(RefOf(message));
    }
}

void AtspiListener::ObjectEvent(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 4 || arguments[0].toString() != QLatin1String("accessible-name")) {
        return;
    }
    QVariant value = arguments[3];
    if (value.canConvert<QDBusVariant>()) value = value.value<QDBusVariant>().variant();
    windows_.Renamed(RefOf(message), value.toString().toStdString());
}

void AtspiListener::NameOwnerChanged(const QString& name, const QString& /*oldOwner*/,
                                     const QString& newOwner) {
    if (!newOwner.isEmpty() || !name.startsWith(QLatin1Char(':'))) return;
    ownByBus_.erase(name);
    windows_.ApplicationGone(name.toStdString());
}

void AtspiListener::FindActiveWindow() {
    const QDBusMessage applications =
        bus_.call(QDBusMessage::createMethodCall(kRegistry, kRootPath, kAccessible, "GetChildren"),
                  QDBus::Block, kCallLimitMs * 8);
    for (const auto& [bus, root] : References(applications)) {
        if (IsOwnProcess(bus)) continue;
        const QDBusMessage frames =
            bus_.call(QDBusMessage::createMethodCall(bus, root, kAccessible, "GetChildren"),
                      QDBus::Block, kCallLimitMs);
        for (const auto& [frameBus, frame] : References(frames)) {
            const QDBusMessage state =
                bus_.call(QDBusMessage::createMethodCall(frameBus, frame, kAccessible, "GetState"),
                          QDBus::Block, kCallLimitMs);
            if ((FirstStateWord(state) & kStateActive) == 0) continue;
            windows_.Activated({frameBus.toStdString(), frame.toStdString()},
                               Name(frameBus, frame).toStdString(), Name(bus, root).toStdString());
            return;
        }
    }
}

}  // namespace platform::gnome
