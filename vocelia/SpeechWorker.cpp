#include "vocelia/SpeechWorker.h"

#include "vocelia/VoceliaTexts.h"
#include "vocelia/VoiceChoice.h"

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
    locale_ = speech_->locale();
    NoteUnlistedVoices();
    const QList<QLocale> locales = IdiomesOferts(speech_->availableLocales(), NamesOf(unlisted_));
    // The window would restore the last run's choice only once it has the lists, after a
    // text given meanwhile has been said; it finds the choice already made.
    RestoreChoice(locales, LlegirEleccio());
    emit Started({}, locales, locale_);
    ReportVoices();
}

void SpeechWorker::RestoreChoice(const QList<QLocale>& locales, const VoiceChoice& saved) {
    const int language = TriarIdioma(locales, saved.idioma, locale_);
    if (language < 0) return;
    if (locales[language] != locale_) {
        locale_ = locales[language];
        speech_->setLocale(locale_);
    }
    const QStringList voices = OfferedVoices();
    const int voice = TriarVeu(voices, saved.veu);
    if (voice >= 0 && voices[voice] != speech_->voice().name()) SetVoice(voices[voice]);
}

void SpeechWorker::NoteUnlistedVoices() {
    // The toolkit lists the voices of one language at a time, and puts those the service
    // gives no language under the "C" locale.
    if (!speech_->availableLocales().contains(QLocale::c())) return;
    const QVoice current = speech_->voice();
    speech_->setLocale(QLocale::c());
    unlisted_ = speech_->availableVoices();
    speech_->setLocale(locale_);
    speech_->setVoice(current);
}

QList<QVoice> SpeechWorker::VoicesOfTheLanguage() {
    if (speech_->locale() == locale_) return speech_->availableVoices();
    // Speaking with a voice listed under no language, or choosing a language only such a
    // voice gives: the service's voices are looked up without changing the voice.
    const QVoice current = speech_->voice();
    speech_->setLocale(locale_);
    const QList<QVoice> voices =
        speech_->locale() == locale_ ? speech_->availableVoices() : QList<QVoice>{};
    speech_->setVoice(current);
    return voices;
}

void SpeechWorker::Say(const QString& text) {
    if (speech_) speech_->say(text);
}

void SpeechWorker::Stop() {
    if (speech_) speech_->stop();
}

void SpeechWorker::SetLocale(const QLocale& locale) {
    if (!speech_) return;
    locale_ = locale;
    speech_->setLocale(locale);
    ReportVoices();
}

void SpeechWorker::SetVoice(const QString& name) {
    if (!speech_) return;
    for (const QList<QVoice>& voices : {VoicesOfTheLanguage(), unlisted_}) {
        for (const QVoice& voice : voices) {
            if (voice.name() == name) {
                speech_->setVoice(voice);
                return;
            }
        }
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

QStringList SpeechWorker::NamesOf(const QList<QVoice>& voices) {
    QStringList names;
    for (const QVoice& voice : voices) names << voice.name();
    return names;
}

QStringList SpeechWorker::OfferedVoices() {
    return VeusOfertes(NamesOf(VoicesOfTheLanguage()), NamesOf(unlisted_), locale_.language());
}

void SpeechWorker::ReportVoices() {
    emit Voices(locale_, OfferedVoices(), speech_->voice().name());
}
