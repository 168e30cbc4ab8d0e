#include "app/DesignTexts.h"
#include "app/TFormPrincipal.h"
#include "output/UnitFindAWindow.h"
#include "speech/VoceliaDesign.h"
#include "speech/VoceliaSuite.h"
#include "speech/VoceliaText.h"

using namespace speech;

bool TFormPrincipal::BuscarVocelia() {
    // The caption shows the receiving window's title, which is the bridge's own once the
    // bridge has been in front: the keyboard, always topmost, must not take itself for it.
    const platform::HWND propia = desktop.HandleOf(this);
    TFindWindowStruct cerca{design::kVoceliaTitle, "", 0};
    desktop.EnumWindows([&](platform::HWND window) {
        return window == propia || FindWindowEnumProc(desktop, window, &cerca);
    });
    programa.FinestraVocelia = cerca.FoundWindow;
    return programa.FinestraVocelia != 0;
}

void TFormPrincipal::ArrencarVocelia() {
    // A bridge started a moment ago may not have shown its window yet: a second one would
    // only speak over it.
    if (programa.vocelies.EnMarxa()) return;
    EscriureVocelia(kClauOrvaletObert, kValorCert);
    programa.vocelies.Arrencar(kOrdreVocelia);
    EscriureVocelia(kClauProgramaExecutantSe, kValorCert);
}

void TFormPrincipal::EnviarAVocelia(const std::string& text) {
    if (!BuscarVocelia()) {
        // The text of a request that has to start the bridge first is not spoken.
        ArrencarVocelia();
        return;
    }
    const std::string llegir = TextPerAVocelia(text);
    if (llegir.empty()) return;
    EscriureVocelia(kClauLlegir, llegir);
    desktop.SendMessageA(programa.FinestraVocelia, kMissatgeLlegir, 0, 0);
}

void TFormPrincipal::ObrirVocelia() {
    if (!BuscarVocelia()) {
        ArrencarVocelia();
        return;
    }
    EscriureVocelia(kClauOrvaletObert, kValorCert);
    desktop.SendMessageA(programa.FinestraVocelia, kMissatgeMostrar, 0, 0);
    desktop.SetForegroundWindow(programa.FinestraVocelia);
}
