#include "speech/VoceliesArrencades.h"

#include <algorithm>
#include <cstdint>

#include "platform/Constants.h"

namespace speech {

void VoceliesArrencades::Arrencar(const char* ordre) {
    const platform::HANDLE proces = desktop_.CreateProcessA(ordre, platform::SW_SHOWNORMAL);
    if (proces != 0) processos_.push_back(proces);
}

bool VoceliesArrencades::EnMarxa() {
    std::erase_if(processos_,
                  [&](platform::HANDLE proces) { return desktop_.WaitForSingleObject(proces, 0); });
    return !processos_.empty();
}

void VoceliesArrencades::Acabar(int esperaMs) {
    const uint32_t inici = desktop_.GetTickCount();
    for (const platform::HANDLE proces : processos_) {
        const auto passat = static_cast<int>(desktop_.GetTickCount() - inici);
        if (!desktop_.WaitForSingleObject(proces, std::max(esperaMs - passat, 0))) {
            desktop_.TerminateProcess(proces);
        }
    }
    processos_.clear();
}

}  // namespace speech
