#include "vocelia/VoiceChoice.h"

#include <QRegularExpression>
#include <algorithm>

#include "platform/Cp1252.h"
#include "speech/protocol/VoceliaSuite.h"

namespace {

// The bridge's own keys in section "VOCELIA".
constexpr const char* kClauIdioma = "Idioma";
constexpr const char* kClauVeu = "Veu";

// Festival's voice names: lower-case fields joined by "_", the second one the language's
// ISO 639 code, at least two more after it.
const QRegularExpression kNomDeFestival(QStringLiteral("^[a-z0-9]+_([a-z]{2,3})(_[a-z0-9]+){2,}$"));

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

QLocale::Language LlenguaDelNom(const QString& voiceName) {
    const QRegularExpressionMatch match = kNomDeFestival.match(voiceName);
    if (!match.hasMatch()) return QLocale::AnyLanguage;
    return QLocale::codeToLanguage(match.captured(1), QLocale::ISO639Part1 | QLocale::ISO639Part2);
}

QList<QLocale> IdiomesOferts(const QList<QLocale>& offered, const QStringList& unlisted) {
    QList<QLocale> idiomes = offered;
    for (const QString& name : unlisted) {
        const QLocale::Language language = LlenguaDelNom(name);
        if (language == QLocale::AnyLanguage) continue;
        const bool there = std::any_of(idiomes.cbegin(), idiomes.cend(),
                                       [&](const QLocale& l) { return l.language() == language; });
        if (!there) idiomes.append(QLocale(language));
    }
    return idiomes;
}

QStringList VeusOfertes(const QStringList& ofTheLanguage, const QStringList& unlisted,
                        QLocale::Language language) {
    QStringList veus = ofTheLanguage;
    for (const QString& name : unlisted) {
        if (language != QLocale::AnyLanguage && LlenguaDelNom(name) == language) veus.append(name);
    }
    return veus;
}
