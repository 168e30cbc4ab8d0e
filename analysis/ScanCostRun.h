#pragma once

#include <ostream>

#include "analysis/ScanCostOptions.h"

namespace analysis {

// Does what the options ask: measures each keyboard on the texts and reports, builds a
// keyboard, draws a picture. Returns the exit status: 0, or 1 when a file could not be read
// or written (what could be done is done all the same).
int RunScanCost(const ScanCostOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace analysis
