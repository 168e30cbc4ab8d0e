#include "platform/profile/ProfileFiles.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/profile/ProfileStorage.h"
#include "platform/profile/ProfileText.h"

namespace platform {

namespace {

std::string_view WithoutTrailingBlanks(const char* def) {
    std::string_view text = def == nullptr ? "" : def;
    std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// Copies what fits, stopping at a zero byte so that the count returned is
// the length of the string the caller sees.
int CopyToBuffer(std::string_view text, char* buffer, int size) {
    text = text.substr(0, text.find('\0'));
    std::size_t count = std::min(text.size(), static_cast<std::size_t>(size - 1));
    text.copy(buffer, count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

std::optional<std::string> StoredValue(const char* section, const char* key, const char* file) {
    std::optional<std::string> text = ReadProfileFile(ProfileFilePath(file));
    if (!text) return std::nullopt;
    return FindProfileValue(*text, section, key);
}

}  // namespace

int GetPrivateProfileStringA(const char* section, const char* key, const char* def, char* buffer,
                             int size, const char* file) {
    if (buffer == nullptr || size <= 0) return 0;
    if (section == nullptr || key == nullptr || file == nullptr)
        return CopyToBuffer({}, buffer, size);
    std::optional<std::string> value = StoredValue(section, key, file);
    return CopyToBuffer(value ? std::string_view(*value) : WithoutTrailingBlanks(def), buffer,
                        size);
}

bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const char* file) {
    if (section == nullptr || file == nullptr) return false;
    std::filesystem::path path = ProfileFilePath(file);
    if (!EnsureProfileFolder(path)) return false;
    std::optional<std::string> text = ReadProfileFile(path);
    if (!text) return false;
    return ReplaceProfileFile(path, WithProfileValue(*text, section, key, value));
}

}  // namespace platform
