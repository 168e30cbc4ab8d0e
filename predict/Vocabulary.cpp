#include "predict/Vocabulary.h"

#include <algorithm>

namespace predict {

std::optional<WordId> Vocabulary::Find(std::string_view word) const {
    auto found = ids_.find(word);
    if (found == ids_.end()) return std::nullopt;
    return found->second;
}

WordId Vocabulary::Append(std::string_view word) {
    auto id = static_cast<WordId>(texts_.size());
    ids_.emplace(texts_.emplace_back(word), id);
    return id;
}

WordId Vocabulary::Add(std::string_view word) {
    if (auto known = Find(word)) return *known;
    WordId id = Append(word);
    auto before = [this](WordId a, WordId b) { return Before(a, b); };
    sorted_.insert(std::ranges::upper_bound(sorted_, id, before), id);
    return id;
}

void Vocabulary::AddAll(const std::vector<std::string_view>& words) {
    auto known = static_cast<std::ptrdiff_t>(sorted_.size());
    for (std::string_view word : words) {
        if (!Find(word)) sorted_.push_back(Append(word));
    }
    auto before = [this](WordId a, WordId b) { return Before(a, b); };
    std::sort(sorted_.begin() + known, sorted_.end(), before);
    std::inplace_merge(sorted_.begin(), sorted_.begin() + known, sorted_.end(), before);
}

std::span<const WordId> Vocabulary::StartingWith(std::string_view prefix) const {
    auto head = [this, &prefix](WordId id) {
        return std::string_view(texts_[id]).substr(0, prefix.size());
    };
    const auto first = std::ranges::lower_bound(sorted_, prefix, {}, head);
    const auto last = std::ranges::upper_bound(first, sorted_.end(), prefix, {}, head);
    return {first, last};
}

}  // namespace predict
