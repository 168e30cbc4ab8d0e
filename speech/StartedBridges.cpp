#include "speech/StartedBridges.h"

#include <algorithm>
#include <cstdint>

#include "platform/Constants.h"

namespace speech {

void StartedBridges::Start(const char* command) {
    const platform::HANDLE process = desktop_.CreateProcessA(command, platform::SW_SHOWNORMAL);
    if (process != 0) processes_.push_back(process);
}

bool StartedBridges::Running() {
    std::erase_if(processes_, [&](platform::HANDLE process) {
        return desktop_.WaitForSingleObject(process, 0);
    });
    return !processes_.empty();
}

void StartedBridges::End(int waitMs) {
    const uint32_t start = desktop_.GetTickCount();
    for (const platform::HANDLE process : processes_) {
        const auto waited = static_cast<int>(desktop_.GetTickCount() - start);
        if (!desktop_.WaitForSingleObject(process, std::max(waitMs - waited, 0))) {
            desktop_.TerminateProcess(process);
        }
    }
    processes_.clear();
}

}  // namespace speech
