#include "vocelia/VoiceChoice.h"

#include "platform/Cp1252.h"
#include "speech/protocol/VoceliaSuite.h"

namespace {

// The bridge's own keys in section "VOCELIA".
constexpr const char* kClauIdioma = "Idioma";
constexpr const char* kClauVeu = "Veu";

}  // namespace

VoiceChoice LlegirEleccio() {
    return {platform::ToQString(speech::LlegirVocelia(kClauIdioma)),
            platform::ToQString(speech::LlegirVocelia(kClauVeu))};
}

void DesarEleccio(const VoiceChoice& choice) {
    speech::EscriureVocelia(kClauIdioma, platform::FromQString(choice.idioma));
    speech::EscriureVocelia(kClauVeu, platform::FromQString(choice.veu));
}

int TriarIdioma(const QList<QLocale>& offered, const QString& chosen, const QLocale& current) {
    if (offered.isEmpty()) return -1;
    for (int i = 0; i < offered.size(); ++i) {
        if (!chosen.isEmpty() && offered[i].name() == chosen) return i;
    }
    for (int i = 0; i < offered.size(); ++i) {
        if (offered[i].language() == QLocale::Catalan) return i;
    }
    const int own = offered.indexOf(current);
    return own >= 0 ? own : 0;
}

int TriarVeu(const QStringList& offered, const QString& chosen) {
    if (offered.isEmpty()) return -1;
    const int found = chosen.isEmpty() ? -1 : offered.indexOf(chosen);
    return found >= 0 ? found : 0;
}
