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
