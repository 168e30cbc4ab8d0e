#pragma once

#include <string>

#include "platform/Desktop.h"
#include "speech/Engines.h"

// The program-wide state that lives from start-up to exit: the speech engines and the
// reading's state, and what start-up learned.
struct Programa : speech::Engines {
    explicit Programa(platform::Desktop& desktop) : speech::Engines(desktop), desktop(desktop) {}

    platform::Desktop& desktop;
    // The keyboard file named on the command line; empty without parameters.
    std::string FitxerLiniaOrdres;
    // False on a first run: the settings file names no interface language.
    bool LlenguaTriada = false;
};
