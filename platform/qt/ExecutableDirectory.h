#pragma once

#include <QString>

namespace platform::qt {

// The folder holding the running program, where its companion programs and libraries sit.
QString ExecutableDirectory();

}  // namespace platform::qt
