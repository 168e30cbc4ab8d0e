#pragma once

#include <ostream>
#include <string>

#include "analysis/CostTally.h"
#include "analysis/ScannedKeyboard.h"

namespace analysis {

// How many keys the report lists, costliest first.
inline constexpr size_t kCostliestKeys = 20;

// Writes, in UTF-8, what writing the texts with the keyboard took: the scan actions per
// character, the seconds per character at the step time, the characters no key types and
// the costliest keys by total cost.
void WriteReport(std::ostream& out, const std::string& keyboardName,
                 const ScannedKeyboard& keyboard, const CostSummary& summary, int stepTenths);

// A node as the user reaches it, in UTF-8: the texts of its path, quoted, so that a blank
// at the end of a word key shows: "PARAULES" > "DE ".
std::string KeyPath(const FlatKeyboard& keyboard, int node);

}  // namespace analysis
