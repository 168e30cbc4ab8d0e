#include "platform/wayland/SwayTree.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace platform::wayland {
namespace {

// sway's IPC: a magic string, the payload's length and the message type, both 32-bit in the
// machine's byte order, then the payload.
constexpr char kMagic[] = "i3-ipc";
constexpr qsizetype kMagicSize = sizeof kMagic - 1;
constexpr qsizetype kHeaderSize = kMagicSize + 8;
constexpr quint32 kGetTree = 4;
constexpr int kAnswerLimitMs = 1000;

const char* SocketPath() { return std::getenv("SWAYSOCK"); }

QByteArray Request(quint32 type) {
    QByteArray message(kMagic, kMagicSize);
    const quint32 header[2] = {0, type};
    message.append(reinterpret_cast<const char*>(header), sizeof header);
    return message;
}

// A connection to sway's socket, by the system's calls: the keyboard does without the toolkit's
// network library, which would add its own libraries to every start.
class IpcConnection {
  public:
    explicit IpcConnection(const std::string& path)
        : fd_(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const bool fits = !path.empty() && path.size() < sizeof address.sun_path;
        if (fits) std::memcpy(address.sun_path, path.data(), path.size());
        if (fd_ >= 0 && (!fits || connect(fd_, reinterpret_cast<const sockaddr*>(&address),
                                          sizeof address) != 0)) {
            Close();
        }
    }
    ~IpcConnection() { Close(); }
    IpcConnection(const IpcConnection&) = delete;
    IpcConnection& operator=(const IpcConnection&) = delete;

    bool Open() const { return fd_ >= 0; }

    bool Send(const QByteArray& message) {
        for (qsizetype sent = 0; sent < message.size();) {
            const ssize_t now = send(fd_, message.constData() + sent,
                                     static_cast<size_t>(message.size() - sent), MSG_NOSIGNAL);
            if (now <= 0) return false;
            sent += now;
        }
        return true;
    }

    bool ReadExactly(QByteArray& into, qsizetype size) {
        while (into.size() < size) {
            pollfd readable{fd_, POLLIN, 0};
            if (poll(&readable, 1, kAnswerLimitMs) <= 0) return false;
            char chunk[4096];
            const auto wanted =
                static_cast<size_t>(std::min<qsizetype>(size - into.size(), sizeof chunk));
            const ssize_t got = read(fd_, chunk, wanted);
            if (got <= 0) return false;
            into.append(chunk, got);
        }
        return true;
    }

  private:
    void Close() {
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
    }

    int fd_;
};

std::optional<QJsonObject> Tree() {
    const char* path = SocketPath();
    if (path == nullptr) return std::nullopt;
    IpcConnection socket(path);
    if (!socket.Open() || !socket.Send(Request(kGetTree))) return std::nullopt;
    QByteArray header;
    if (!socket.ReadExactly(header, kHeaderSize) || !header.startsWith(kMagic)) {
        return std::nullopt;
    }
    const quint32 length = qFromUnaligned<quint32>(header.constData() + kMagicSize);
    QByteArray payload;
    if (!socket.ReadExactly(payload, length)) return std::nullopt;
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

bool SwayTree::Available() {
    const char* path = SocketPath();
    return path != nullptr && *path != '\0';
}

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
