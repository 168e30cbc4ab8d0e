#include "output/UnitFindAWindow.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr int kTextBuffer = 255;

// The text a platform read returned, cut to what the buffer can hold.
std::string_view Read(const std::array<char, kTextBuffer>& buffer, int length) {
    return {buffer.data(), static_cast<size_t>(std::clamp(length, 0, kTextBuffer - 1))};
}

bool Contains(std::string_view text, const std::string& part) {
    return text.find(part) != std::string_view::npos;
}

}  // namespace

platform::HWND FindWindowByTitle(platform::Windows& windows, const std::string& title) {
    TFindWindowStruct param{title, "", 0};
    windows.EnumWindows(
        [&](platform::HWND window) { return FindWindowEnumProc(windows, window, &param); });
    return param.FoundWindow;
}

bool FindWindowEnumProc(platform::Windows& windows, platform::HWND window,
                        TFindWindowStruct* param) {
    std::array<char, kTextBuffer> buffer{};
    const int titleLength = windows.GetWindowTextA(window, buffer.data(), kTextBuffer);
    const bool titleMatches = !param->TitlePart.empty() && titleLength > 0 &&
                              Contains(Read(buffer, titleLength), param->TitlePart);
    bool classMatches = param->ClassPart.empty();
    if (!classMatches) {
        const int classLength = windows.GetClassNameA(window, buffer.data(), kTextBuffer);
        classMatches = classLength > 0 && Contains(Read(buffer, classLength), param->ClassPart);
    }
    if (!(titleMatches && classMatches)) return true;
    param->FoundWindow = window;
    return false;
}
