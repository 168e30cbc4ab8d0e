#pragma once

#include <string>

#include "platform/Desktop.h"
#include "speech/UpcTV.h"
#include "speech/VoceliesArrencades.h"

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
    // The bridge program's window, as last looked up.
    platform::HWND FinestraVocelia = 0;
    // The bridge programs this keyboard started.
    speech::VoceliesArrencades vocelies{desktop};
    // A reading is in progress.
    bool LecturaEnCurs = false;
};
