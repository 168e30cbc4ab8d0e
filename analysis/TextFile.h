#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "analysis/DecodedText.h"

namespace analysis {

// The content of a text file: UTF-8 when it is valid UTF-8 (a byte-order mark is dropped),
// Windows-1252 otherwise, as a keyboard file is. CR LF, CR and LF all end a line.
DecodedText DecodeText(const QByteArray& bytes);

// The decoded content of the named file, or nothing when it cannot be read.
std::optional<DecodedText> ReadTextFile(const QString& fileName);

}  // namespace analysis
