#include "platform/x11/Utf8Text.h"

#include "platform/Cp1252.h"

namespace platform::x11 {

std::string Cp1252FromUtf8(const std::string& utf8) {
    return FromQString(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string Cp1252FromLatin1(const std::string& latin1) {
    return FromQString(QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size())));
}

}  // namespace platform::x11
