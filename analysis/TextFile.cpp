#include "analysis/TextFile.h"

#include <QFile>
#include <QStringDecoder>

#include "platform/Cp1252.h"

namespace analysis {
namespace {

const QByteArray kUtf16Little("\xFF\xFE", 2);
const QByteArray kUtf16Big("\xFE\xFF", 2);

QString AsUnicode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) return platform::ToQString(std::string_view(bytes.data(), bytes.size()));
    if (text.startsWith(QChar::ByteOrderMark)) text.remove(0, 1);
    return text;
}

}  // namespace

DecodedText DecodeText(const QByteArray& bytes) {
    QString text = AsUnicode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
    DecodedText decoded;
    // Windows-1252 holds every character that comes back as something other than '?'; the
    // others, a pair of UTF-16 units for those beyond the first plane, come back as one '?'.
    const std::string converted = platform::FromQString(text);
    decoded.cp1252.reserve(converted.size());
    qsizetype unit = 0;
    for (char byte : converted) {
        const qsizetype width = text.at(unit).isHighSurrogate() && unit + 1 < text.size() &&
                                        text.at(unit + 1).isLowSurrogate()
                                    ? 2
                                    : 1;
        if (byte == '?' && text.at(unit) != QChar('?')) {
            decoded.foreign.push_back({decoded.cp1252.size(), text.mid(unit, width).toStdString()});
        } else {
            decoded.cp1252.push_back(byte);
        }
        unit += width;
    }
    return decoded;
}

TextFileRead ReadTextFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, "cannot be read"};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return {std::nullopt, "cannot be read"};
    if (bytes.isEmpty()) return {std::nullopt, "is empty"};
    if (bytes.startsWith(kUtf16Little) || bytes.startsWith(kUtf16Big)) {
        return {std::nullopt, "is in UTF-16, not in UTF-8 or Windows-1252"};
    }
    // No text in either holds a zero byte; UTF-16 without its mark and binary files do.
    if (bytes.contains('\0')) return {std::nullopt, "is not text: it holds zero bytes"};
    return {DecodeText(bytes), {}};
}

}  // namespace analysis
