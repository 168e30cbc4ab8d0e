#include "scan/StepTime.h"

#include <algorithm>

#include "app/DesignTexts.h"
#include "app/StrToInt.h"

namespace scan {

int TempsDelPas(std::string_view spinText) {
    const int tenths = app::TryStrToInt(spinText).value_or(design::kScanStepMin);
    return std::clamp(tenths, design::kScanStepMin, design::kScanStepMax) * design::kScanStepUnitMs;
}

}  // namespace scan
