#pragma once

#include <QString>

#include "analysis/ScannedKeyboard.h"

namespace analysis {

// Draws the keyboard as automatic scanning offers it, one row per top-level node with the
// children of its group beside it, and below, the same for the first group that holds groups,
// where the most used keys of a built keyboard lie: each node coloured by the scan actions
// that choosing it takes, from green (few) to red (many). Writes the picture as a PNG; false
// when the file cannot be written. Needs a QGuiApplication.
bool DrawCostPicture(const QString& fileName, const QString& title,
                     const ScannedKeyboard& keyboard);

}  // namespace analysis
