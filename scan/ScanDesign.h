#pragma once

namespace scan {

// The scan column at the top level, in the tree's client pixels.
inline constexpr int kColumnaInicial = 20;
// The extra pause on a group's node after one pass over its children.
inline constexpr int kPausaRetornGrupMs = 300;
// How often the end of a reading is looked for while the scan holds on a key.
inline constexpr int kEsperaLecturaMs = 100;

// The step time, set in the toolbar's spin box in tenths of a second.
inline constexpr int kScanStepUnitMs = 100;
inline constexpr int kScanStepDefault = 12;
inline constexpr int kScanStepMin = 1;
inline constexpr int kScanStepMax = 64;
// The step timer's interval as the window is designed, before the spin box sets it.
inline constexpr int kScanDesignIntervalMs = 800;
inline constexpr int kPasPerDefecteMs = kScanStepDefault * kScanStepUnitMs;

}  // namespace scan
