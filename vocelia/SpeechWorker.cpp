#include "vocelia/SpeechWorker.h"

#include <QVoice>

#include "vocelia/VoceliaTexts.h"

namespace {

// The desktop's own speech service.
constexpr auto kEngine = "speechd";

}  // namespace

void SpeechWorker::Start() {
    if (QTextToSpeech::availableEngines().contains(QLatin1String(kEngine))) {
        speech_ = std::make_unique<QTextToSpeech>(QLatin1String(kEngine));
        connect(speech_.get(), &QTextToSpeech::stateChanged, this,
                [this](QTextToSpeech::State state) { OnStateChanged(state); });
    }
    const QString problem = Problem();
    if (!problem.isEmpty()) {
        emit Started(problem, {}, QLocale());
        return;
    }
    emit Started({}, speech_->availableLocales(), speech_->locale());
    ReportVoices();
}

void SpeechWorker::Say(const QString& text) {
    if (speech_) speech_->say(text);
}

void SpeechWorker::Stop() {
    if (speech_) speech_->stop();
}

void SpeechWorker::SetLocale(const QLocale& locale) {
    if (!speech_) return;
    speech_->setLocale(locale);
    ReportVoices();
}

void SpeechWorker::SetVoice(const QString& name) {
    if (!speech_) return;
    for (const QVoice& voice : speech_->availableVoices()) {
        if (voice.name() == name) speech_->setVoice(voice);
    }
}

void SpeechWorker::OnStateChanged(QTextToSpeech::State state) {
    // Ready, paused by another program or failed: in every case nothing is being said.
    if (state == QTextToSpeech::Speaking) {
        emit Speaking();
    } else {
        emit Silent(Problem());
    }
}

QString SpeechWorker::Problem() const {
    if (!speech_) return QString::fromUtf8(texts::kSenseServei);
    if (speech_->state() != QTextToSpeech::Error) return {};
    return QString::fromUtf8(texts::kServeiEnError) + u' ' + speech_->errorString();
}

void SpeechWorker::ReportVoices() {
    QStringList names;
    for (const QVoice& voice : speech_->availableVoices()) names << voice.name();
    emit Voices(speech_->locale(), names, speech_->voice().name());
}
