#include "platform/Cp1252.h"

#include <algorithm>

#include "text/Cp1252.h"

namespace platform {

QString ToQString(std::string_view cp1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char byte : cp1252) text.append(QChar(static_cast<char16_t>(text::ToUnicode(byte))));
    return text;
}

std::string FromQString(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;  // one character outside the code page, one '?'
            bytes.push_back('?');
            continue;
        }
        bytes.push_back(text::FromUnicode(unit.unicode()).value_or('?'));
    }
    return bytes;
}

int CopyUtf8ToBuffer(const std::string& utf8, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    const std::string text = FromQString(QString::fromStdString(utf8));
    const int length = std::min(static_cast<int>(text.size()), size - 1);
    std::copy_n(text.data(), length, buffer);
    buffer[length] = '\0';
    return length;
}

}  // namespace platform
