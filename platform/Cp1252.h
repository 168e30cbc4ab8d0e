#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform {

// The one conversion pair between the keyboard's Windows-1252 bytes and Qt's text.
QString ToQString(std::string_view cp1252);
// Characters that Windows-1252 cannot hold become '?'.
std::string FromQString(const QString& text);

}  // namespace platform
