#include "analysis/KeyboardWriter.h"

#include <utility>
#include <vector>

namespace analysis {

std::string KeyboardFileText(const keys::KeyForest& keyboard) {
    std::string text;
    // Depth first without recursion; each entry is a node still to write and its level.
    std::vector<std::pair<const keys::KeyNode*, size_t>> pending;
    for (auto node = keyboard.rbegin(); node != keyboard.rend(); ++node)
        pending.emplace_back(&*node, 0);
    while (!pending.empty()) {
        const auto [node, level] = pending.back();
        pending.pop_back();
        text.append(level, '\t').append(node->text).push_back('\n');
        for (auto child = node->children.rbegin(); child != node->children.rend(); ++child) {
            pending.emplace_back(&*child, level + 1);
        }
    }
    return text;
}

}  // namespace analysis
