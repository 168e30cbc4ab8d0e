#include "analysis/KeyArrangement.h"

#include <utility>

#include "text/Case.h"

namespace analysis {
namespace {

constexpr size_t kKeysInLabel = 3;
constexpr const char* kMoreFollow = "\x85";  // "…" in Windows-1252

// The text of the first key a node leads to: its own for a key.
const std::string& FirstKey(const keys::KeyNode& node) {
    const keys::KeyNode* first = &node;
    while (!first->children.empty()) first = &first->children.front();
    return first->text;
}

keys::KeyNode Group(std::vector<keys::KeyNode> children) {
    std::string label;
    for (size_t i = 0; i < children.size() && i < kKeysInLabel; ++i) {
        std::string text = FirstKey(children[i]);
        while (text.ends_with(' ')) text.pop_back();
        label += (label.empty() ? "" : " ") + text;
    }
    return {label + kMoreFollow, std::move(children)};
}

// Puts a key at a place of a list, which grows to hold it.
void PutAt(std::vector<keys::KeyNode>& list, int index, std::string text) {
    if (list.size() <= static_cast<size_t>(index)) list.resize(static_cast<size_t>(index) + 1);
    list[static_cast<size_t>(index)].text = std::move(text);
}

}  // namespace

keys::KeyForest ArrangeKeys(const LayoutShape& shape, const std::vector<std::string>& keysByUse,
                            keys::KeyForest trailingGroups) {
    const std::vector<Place> places = CheapestPlaces(shape, keysByUse.size());
    keys::KeyForest singles;
    // Each top-level group's keys: its own, and those of its groups when it is nested.
    const auto groups = static_cast<size_t>(GroupsUsed(places));
    std::vector<std::vector<keys::KeyNode>> direct(groups);
    std::vector<std::vector<std::vector<keys::KeyNode>>> nested(groups);
    for (size_t i = 0; i < places.size(); ++i) {
        const Place& place = places[i];
        std::string text = text::ToCapital(keysByUse[i]);
        if (place.group == Place::kTopLevel) {
            PutAt(singles, place.index, std::move(text));
        } else if (place.subgroup == Place::kDirect) {
            PutAt(direct[static_cast<size_t>(place.group)], place.index, std::move(text));
        } else {
            auto& subgroups = nested[static_cast<size_t>(place.group)];
            if (subgroups.size() <= static_cast<size_t>(place.subgroup)) {
                subgroups.resize(static_cast<size_t>(place.subgroup) + 1);
            }
            PutAt(subgroups[static_cast<size_t>(place.subgroup)], place.index, std::move(text));
        }
    }
    keys::KeyForest keyboard = std::move(singles);
    for (size_t group = 0; group < groups; ++group) {
        std::vector<keys::KeyNode> children = std::move(direct[group]);
        for (auto& keys : nested[group]) children.push_back(Group(std::move(keys)));
        keyboard.push_back(Group(std::move(children)));
    }
    for (keys::KeyNode& group : trailingGroups) keyboard.push_back(std::move(group));
    return keyboard;
}

}  // namespace analysis
