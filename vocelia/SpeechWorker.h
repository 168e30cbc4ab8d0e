#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTextToSpeech>
#include <QVoice>
#include <memory>

#include "vocelia/VoiceChoice.h"

// The speech service's own thread. Connecting to speech-dispatcher and listing its voices can
// take many seconds, or never end when the service hangs; none of that may hold the window
// or the answers to the keyboard. Every slot runs on the worker's thread.
class SpeechWorker : public QObject {
    Q_OBJECT
  public slots:
    void Start();
    void Say(const QString& text);
    void Stop();
    void SetLocale(const QLocale& locale);
    void SetVoice(const QString& name);

  signals:
    // The service is there (problem empty) or cannot be used (why not).
    void Started(const QString& problem, const QList<QLocale>& locales, const QLocale& current);
    // The language in use, its voices and the one speaking.
    void Voices(const QLocale& locale, const QStringList& names, const QString& current);
    void Speaking();
    void Silent(const QString& problem);

  private:
    void OnStateChanged(QTextToSpeech::State state);
    QString Problem() const;
    void ReportVoices();
    void NoteUnlistedVoices();
    void RestoreChoice(const QList<QLocale>& locales, const VoiceChoice& saved);
    static QStringList NamesOf(const QList<QVoice>& voices);
    // The voices offered for the language chosen.
    QStringList OfferedVoices();
    // The service's own voices for the language chosen.
    QList<QVoice> VoicesOfTheLanguage();

    std::unique_ptr<QTextToSpeech> speech_;
    // The language chosen: the service has no language of its own for a voice listed under
    // none, such as Festival's, once it speaks with one.
    QLocale locale_;
    // The voices the service lists under no language.
    QList<QVoice> unlisted_;
};
