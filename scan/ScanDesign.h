#pragma once

namespace scan {

// The scan column at the top level, in the tree's client pixels.
inline constexpr int kColumnaInicial = 20;
// The extra pause on a group's node after one pass over its children.
inline constexpr int kPausaRetornGrupMs = 300;
// How often the end of a reading is looked for while the scan holds on a key.
inline constexpr int kEsperaLecturaMs = 100;

}  // namespace scan
