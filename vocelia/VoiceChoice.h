#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// The language and voice the user chose in the bridge's window, kept in the suite settings
// file so that the next start speaks the same way.
struct VoiceChoice {
    QString idioma;  // a locale name such as "ca_ES"
    QString veu;     // a voice name as the service gives it
};

VoiceChoice LlegirEleccio();
void DesarEleccio(const VoiceChoice& choice);

// Where to start among the languages offered: the chosen one, else the first Catalan one,
// else the service's own; -1 when none is offered.
int TriarIdioma(const QList<QLocale>& offered, const QString& chosen, const QLocale& current);

// Where to start among the voices offered: the chosen one, else the first; -1 when none.
int TriarVeu(const QStringList& offered, const QString& chosen);

// The language a voice's name gives by Festival's convention, institution, language code,
// speaker and method ("upc_ca_ona_hts" is Catalan); AnyLanguage when the name gives none.
// Speech-dispatcher lists Festival's voices under no language, and the toolkit with them.
QLocale::Language LlenguaDelNom(const QString& voiceName);

// The languages to offer: the service's own, then any that only the names of the voices it
// lists under no language give.
QList<QLocale> IdiomesOferts(const QList<QLocale>& offered, const QStringList& unlisted);

// The voices to offer for a language: the service's own for it, then those it lists under no
// language whose names give that language.
QStringList VeusOfertes(const QStringList& ofTheLanguage, const QStringList& unlisted,
                        QLocale::Language language);
