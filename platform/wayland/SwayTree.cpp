#include "platform/wayland/SwayTree.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QtEndian>
#include <cstdlib>

namespace platform::wayland {
namespace {

// sway's IPC: a magic string, the payload's length and the message type, both 32-bit in the
// machine's byte order, then the payload.
constexpr char kMagic[] = "i3-ipc";
constexpr qsizetype kMagicSize = sizeof kMagic - 1;
constexpr qsizetype kHeaderSize = kMagicSize + 8;
constexpr quint32 kGetTree = 4;
constexpr int kAnswerLimitMs = 1000;

QString SocketPath() { return QString::fromLocal8Bit(std::getenv("SWAYSOCK")); }

QByteArray Request(quint32 type) {
    QByteArray message(kMagic, kMagicSize);
    const quint32 header[2] = {0, type};
    message.append(reinterpret_cast<const char*>(header), sizeof header);
    return message;
}

bool ReadExactly(QLocalSocket& socket, QByteArray& into, qsizetype size) {
    while (into.size() < size) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(kAnswerLimitMs)) return false;
        into.append(socket.read(size - into.size()));
    }
    return true;
}

std::optional<QJsonObject> Tree() {
    const QString path = SocketPath();
    if (path.isEmpty()) return std::nullopt;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kAnswerLimitMs)) return std::nullopt;
    socket.write(Request(kGetTree));
    if (!socket.waitForBytesWritten(kAnswerLimitMs)) return std::nullopt;
    QByteArray header;
    if (!ReadExactly(socket, header, kHeaderSize) || !header.startsWith(kMagic)) {
        return std::nullopt;
    }
    const quint32 length = qFromUnaligned<quint32>(header.constData() + kMagicSize);
    QByteArray payload;
    if (!ReadExactly(socket, payload, length)) return std::nullopt;
    const QJsonDocument tree = QJsonDocument::fromJson(payload);
    if (!tree.isObject()) return std::nullopt;
    return tree.object();
}

Rect RectOf(const QJsonObject& box, int dx = 0, int dy = 0) {
    const int x = box["x"].toInt() + dx;
    const int y = box["y"].toInt() + dy;
    return Rect{x, y, x + box["width"].toInt(), y + box["height"].toInt()};
}

std::optional<QJsonObject> Search(const QJsonObject& node,
                                  const std::function<bool(const QJsonObject&)>& window) {
    if (window(node)) return node;
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue& child : node[children].toArray()) {
            if (std::optional<QJsonObject> found = Search(child.toObject(), window)) return found;
        }
    }
    return std::nullopt;
}

}  // namespace

bool SwayTree::Available() { return !SocketPath().isEmpty(); }

std::optional<SwayTree::Place> SwayTree::Find(
    const std::function<bool(const QJsonObject&)>& window) {
    const std::optional<QJsonObject> tree = Tree();
    if (!tree) return std::nullopt;
    const std::optional<QJsonObject> found = Search(*tree, window);
    if (!found) return std::nullopt;
    const Rect outer = RectOf((*found)["rect"].toObject());
    // The content box is given from the outer box's corner.
    return Place{outer, RectOf((*found)["window_rect"].toObject(), outer.left, outer.top)};
}

std::function<bool(const QJsonObject&)> SwayTree::OfProcess(qint64 pid, const QString& title) {
    return [pid, title](const QJsonObject& node) {
        return node["pid"].toInteger() == pid && node["name"].toString() == title;
    };
}

std::function<bool(const QJsonObject&)> SwayTree::OfApplication(const QString& appId,
                                                                const QString& title) {
    return [appId, title](const QJsonObject& node) {
        return node["app_id"].toString() == appId && node["name"].toString() == title;
    };
}

}  // namespace platform::wayland
