#include "speech/VoceliaWindowLine.h"

#include "output/UnitFindAWindow.h"
#include "speech/protocol/VoceliaDesign.h"

namespace speech {

bool VoceliaWindowLine::Find() {
    const platform::HWND propia = keyboardWindow_ ? keyboardWindow_() : 0;
    TFindWindowStruct cerca{kVoceliaTitle, "", 0};
    windows_.EnumWindows([&](platform::HWND window) {
        return window == propia || FindWindowEnumProc(windows_, window, &cerca);
    });
    finestraVocelia_ = cerca.FoundWindow;
    return finestraVocelia_ != 0;
}

void VoceliaWindowLine::Send(unsigned message) {
    windows_.SendMessageA(finestraVocelia_, message, 0, 0);
}

void VoceliaWindowLine::BringToFront() { windows_.SetForegroundWindow(finestraVocelia_); }

}  // namespace speech
