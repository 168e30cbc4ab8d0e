#pragma once

#include <string>

#include "platform/Desktop.h"
#include "speech/BridgeEngine.h"
#include "speech/LibraryEngine.h"
#include "speech/StartedBridges.h"
#include "speech/UpcTV.h"

// The program-wide state that lives from start-up to exit.
struct Programa {
    explicit Programa(platform::Desktop& desktop) : desktop(desktop), upctv(desktop) {}

    platform::Desktop& desktop;
    // The speech library and its entry points.
    speech::UpcTV upctv;
    // The keyboard file named on the command line; empty without parameters.
    std::string FitxerLiniaOrdres;
    // False on a first run: the settings file names no interface language.
    bool LlenguaTriada = false;
    // The bridge programs this keyboard started.
    speech::StartedBridges startedBridges{desktop};

    // The two speech engines and the one that speaks: the library unless the bridge is
    // chosen.
    speech::LibraryEngine motorUpcTV{upctv};
    speech::BridgeEngine vocelia{desktop, startedBridges, motorUpcTV};
    speech::SpeechEngine* motor = &motorUpcTV;
    // A reading is in progress.
    bool LecturaEnCurs = false;
    // The reading was paused with the pause button; a Stop leaves it set, so that the read
    // button resumes.
    bool LecturaPausada = false;
};
