#pragma once

#include <QString>

namespace platform::x11 {

// The folder holding the running program, where its companion programs and libraries sit.
QString ExecutableDirectory();

}  // namespace platform::x11
