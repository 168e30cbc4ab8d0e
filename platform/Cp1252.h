#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform {

// The one conversion pair between the keyboard's Windows-1252 bytes and Qt's text.
QString ToQString(std::string_view cp1252);
// Characters that Windows-1252 cannot hold become '?'.
std::string FromQString(const QString& text);
// Copies a UTF-8 text in Windows-1252 into a buffer as GetWindowTextA does (at most size - 1
// bytes, zero-terminated); returns its length.
int CopyUtf8ToBuffer(const std::string& utf8, char* buffer, int size);

}  // namespace platform
