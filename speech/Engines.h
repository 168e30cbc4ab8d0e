#pragma once

#include "platform/Desktop.h"
#include "speech/BridgeEngine.h"
#include "speech/LibraryEngine.h"
#include "speech/StartedBridges.h"
#include "speech/UpcTV.h"

namespace speech {

// The two speech engines, the one that speaks and the reading's state, from start-up to exit.
struct Engines {
    explicit Engines(platform::Desktop& desktop)
        : upctv(desktop), startedBridges{desktop}, vocelia{desktop, startedBridges, motorUpcTV} {}

    // The speech library and its entry points.
    UpcTV upctv;
    // The bridge programs this keyboard started.
    StartedBridges startedBridges;
    // The library unless the bridge is chosen.
    LibraryEngine motorUpcTV{upctv};
    BridgeEngine vocelia;
    SpeechEngine* motor = &motorUpcTV;
    // A reading is in progress.
    bool LecturaEnCurs = false;
    // The reading was paused with the pause button; a Stop leaves it set, so that the read
    // button resumes.
    bool LecturaPausada = false;
};

}  // namespace speech
