#include "predict/DataFolder.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

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

// $XDG_DATA_HOME, then each folder of $XDG_DATA_DIRS (by default /usr/local/share and
// /usr/share), as the base directory rules order them.
std::vector<std::filesystem::path> DataFolders() {
    std::vector<std::filesystem::path> folders;
    if (std::filesystem::path home = DataHome(); !home.empty()) folders.push_back(home);
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    std::istringstream list(dirs != nullptr && *dirs != '\0' ? dirs
                                                             : "/usr/local/share:/usr/share");
    for (std::string folder; std::getline(list, folder, ':');) {
        if (std::filesystem::path(folder).is_absolute()) folders.emplace_back(folder);
    }
    return folders;
}

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::filesystem::path InstalledLexicon(std::string_view language,
                                       const std::filesystem::path& programFolder) {
    const std::filesystem::path name =
        std::filesystem::path("lexicons") / (std::string(language) + ".txt");
    std::vector<std::filesystem::path> candidates = {programFolder / name,
                                                     programFolder / "../../share/orvalet" / name,
                                                     programFolder / "../share/orvalet" / name};
    for (const std::filesystem::path& folder : DataFolders()) {
        candidates.push_back(folder / "orvalet" / name);
    }
    for (const std::filesystem::path& candidate : candidates) {
        if (IsFile(candidate)) return candidate.lexically_normal();
    }
    return {};
}

std::filesystem::path LearnedWordsFile(std::string_view language) {
    std::filesystem::path data = DataHome();
    if (data.empty()) return {};
    return data / "orvalet" / ("words." + std::string(language) + ".txt");
}

}  // namespace predict
