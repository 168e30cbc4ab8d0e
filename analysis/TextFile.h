#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

#include "analysis/DecodedText.h"

namespace analysis {

// The content of a text file: UTF-8 when it is valid UTF-8 (a byte-order mark is dropped),
// Windows-1252 otherwise, as a keyboard file is. CR LF, CR and LF all end a line.
DecodedText DecodeText(const QByteArray& bytes);

// The decoded content of the named file, or what is wrong with it: it cannot be read, it is
// empty, or it is no text in UTF-8 or Windows-1252 (UTF-16, or binary with zero bytes).
struct TextFileRead {
    std::optional<DecodedText> text;
    std::string problem;  // empty when the text was read
};
TextFileRead ReadTextFile(const QString& fileName);

}  // namespace analysis
