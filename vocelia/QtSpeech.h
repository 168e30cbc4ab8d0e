#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QStringList>
#include <QThread>

#include "vocelia/Speech.h"

class SpeechWorker;

// The desktop's speech service (speech-dispatcher through Qt TextToSpeech), driven on a
// thread of its own; until it has answered, it counts as not able to speak.
class QtSpeech : public QObject, public Speech {
    Q_OBJECT
  public:
    QtSpeech();
    ~QtSpeech() override;

    bool Connecting() const override;
    QString Problem() const override;
    void Say(const QString& text) override;
    void Stop() override;

    void SetLocale(const QLocale& locale);
    void SetVoice(const QString& name);

  signals:
    // The languages the service offers and the one in use, once it has answered.
    void Languages(const QList<QLocale>& locales, const QLocale& current);
    void Voices(const QLocale& locale, const QStringList& names, const QString& current);
    void ProblemChanged(const QString& problem);

  private:
    void OnStarted(const QString& problem, const QList<QLocale>& locales, const QLocale& current);

    QThread* thread_;
    SpeechWorker* worker_;
    QString problem_;
    bool connecting_ = true;
};
