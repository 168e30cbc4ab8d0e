#include "predict/DataFolder.h"

#include <cstdlib>
#include <string>

namespace predict {

namespace {

std::filesystem::path AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return {};
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path();
}

// $XDG_DATA_HOME when it is an absolute path, as the base directory rules
// ask; else ~/.local/share.
std::filesystem::path DataHome() {
    std::filesystem::path data = AbsoluteFromEnvironment("XDG_DATA_HOME");
    if (!data.empty()) return data;
    std::filesystem::path home = AbsoluteFromEnvironment("HOME");
    if (home.empty()) return {};
    return home / ".local" / "share";
}

}  // namespace

std::filesystem::path LearnedWordsFile(std::string_view language) {
    std::filesystem::path data = DataHome();
    if (data.empty()) return {};
    return data / "orvalet" / ("words." + std::string(language) + ".txt");
}

}  // namespace predict
