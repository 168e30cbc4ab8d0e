#include "speech/TextCarpeta.h"

#include "platform/Constants.h"
#include "speech/SpeechText.h"

namespace speech {

std::string TextCarpeta(platform::Clipboard& clipboard) {
    if (!clipboard.OpenClipboard()) return {};
    const std::optional<std::string> data = clipboard.GetClipboardData(platform::CF_TEXT);
    clipboard.CloseClipboard();
    return data ? RetallarCarpeta(*data) : std::string();
}

}  // namespace speech
