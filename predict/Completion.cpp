#include "predict/Completion.h"

#include <algorithm>

namespace predict {

std::string Completion(std::string_view typed, std::string_view word, char middleDot) {
    if (word.size() <= typed.size() || !word.starts_with(typed)) return {};
    std::string rest(word.substr(typed.size()));
    std::ranges::replace(rest, kMiddleDot, middleDot);
    if (!rest.ends_with(kApostrophe)) rest.push_back(kBlank);
    return rest;
}

}  // namespace predict
