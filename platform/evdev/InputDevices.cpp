#include "platform/evdev/InputDevices.h"

#include <linux/input-event-codes.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

namespace platform::evdev {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kEventPrefix = "event";

// The button codes of joysticks (trigger, thumb, top …) and gamepads (south, east …, the
// thumb sticks), and the extra buttons of either.
struct CodeRange {
    int first;
    int last;
};
constexpr CodeRange kJoystickButtons[] = {
    {BTN_JOYSTICK, BTN_THUMBR},
    {BTN_TRIGGER_HAPPY1, BTN_TRIGGER_HAPPY40},
};

std::string FirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// The number of an "eventN" folder; -1 for any other name.
int EventNumber(const std::string& folder) {
    if (folder.rfind(kEventPrefix, 0) != 0) return -1;
    const char* digits = folder.data() + kEventPrefix.size();
    const char* end = folder.data() + folder.size();
    int number = -1;
    const auto [at, error] = std::from_chars(digits, end, number);
    return error == std::errc() && at == end && digits != end ? number : -1;
}

bool BitSet(const std::vector<unsigned long long>& words, int bit, int wordBits) {
    const size_t fromLowest = static_cast<size_t>(bit / wordBits);
    if (fromLowest >= words.size()) return false;
    return (words[words.size() - 1 - fromLowest] >> (bit % wordBits)) & 1ULL;
}

}  // namespace

bool HasJoystickButtons(std::string_view keyBitmap, int wordBits) {
    std::vector<unsigned long long> words;
    std::istringstream in{std::string(keyBitmap)};
    std::string word;
    while (in >> word) {
        unsigned long long value = 0;
        const auto [at, error] = std::from_chars(word.data(), word.data() + word.size(), value, 16);
        if (error != std::errc() || at != word.data() + word.size()) return false;
        words.push_back(value);
    }
    for (const CodeRange& range : kJoystickButtons) {
        for (int code = range.first; code <= range.last; ++code) {
            if (BitSet(words, code, wordBits)) return true;
        }
    }
    return false;
}

std::vector<InputDevice> ListInputDevices(const fs::path& classFolder, const fs::path& nodeFolder) {
    std::vector<std::pair<int, InputDevice>> numbered;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(classFolder, error)) {
        const std::string folder = entry.path().filename().string();
        const int number = EventNumber(folder);
        if (number < 0) continue;
        const fs::path device = entry.path() / "device";
        numbered.emplace_back(
            number, InputDevice{FirstLine(device / "name"), nodeFolder / folder,
                                HasJoystickButtons(FirstLine(device / "capabilities" / "key"))});
    }
    std::sort(numbered.begin(), numbered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<InputDevice> devices;
    for (auto& [number, device] : numbered) devices.push_back(std::move(device));
    return devices;
}

}  // namespace platform::evdev
