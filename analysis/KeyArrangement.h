#pragma once

#include <string>
#include <vector>

#include "analysis/LayoutShape.h"
#include "keys/KeyNode.h"

namespace analysis {

// The chosen keys (in small letters, most used first) in the cheapest places of the shape,
// written in capitals as keyboards show them, followed by the trailing groups. Each group is
// named by the first keys its first children lead to, the most used, and a sign that more
// follow; no key holds that sign, so no group can be taken for a key beside it.
keys::KeyForest ArrangeKeys(const LayoutShape& shape, const std::vector<std::string>& keysByUse,
                            keys::KeyForest trailingGroups);

}  // namespace analysis
