#pragma once

#include <QStringList>
#include <string>

// All parameters joined with single blanks, trailing blanks and control characters cut,
// so that a path with blanks needs no quotes. The bytes are the file system's.
std::string JoinParameters(const QStringList& parameters);
