#include "scan/StepTime.h"

#include <algorithm>

#include "scan/ScanDesign.h"
#include "text/StrToInt.h"

namespace scan {

int TempsDelPas(std::string_view spinText) {
    const int tenths = text::TryStrToInt(spinText).value_or(kScanStepMin);
    return std::clamp(tenths, kScanStepMin, kScanStepMax) * kScanStepUnitMs;
}

}  // namespace scan
