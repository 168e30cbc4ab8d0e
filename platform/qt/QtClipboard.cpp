#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>

#include "platform/Constants.h"
#include "platform/Cp1252.h"

namespace platform::qt {

bool QtClipboard::OpenClipboard() { return QGuiApplication::clipboard() != nullptr; }

std::optional<std::string> QtClipboard::GetClipboardData(unsigned format) {
    if (format != CF_TEXT) return std::nullopt;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (data == nullptr || !data->hasText()) return std::nullopt;
    QString text = data->text();
    // Text on a Windows clipboard breaks its lines with CR LF; X programs put a bare LF.
    static const QRegularExpression bareLineFeed(QStringLiteral("(?<!\\r)\\n"));
    text.replace(bareLineFeed, QStringLiteral("\r\n"));
    return FromQString(text);
}

bool QtClipboard::CloseClipboard() { return true; }

}  // namespace platform::qt
