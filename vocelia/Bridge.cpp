#include "vocelia/Bridge.h"

#include "platform/Cp1252.h"
#include "speech/VoceliaDesign.h"
#include "speech/VoceliaSuite.h"
#include "vocelia/Speech.h"
#include "vocelia/VoceliaTexts.h"

namespace {

// How long the service may take to begin a text before the bridge stops claiming to speak.
constexpr int kStartLimitMs = 10000;

}  // namespace

Bridge::Bridge(Speech& speech) : speech_(speech) {
    speech_.onSpeaking = [this] { OnSpeaking(); };
    speech_.onSilent = [this] { OnSilent(); };
    startLimit_.setSingleShot(true);
    startLimit_.setInterval(kStartLimitMs);
    connect(&startLimit_, &QTimer::timeout, this, [this] { OnNoStart(); });
    // A bridge that ended while speaking must not leave the keyboard waiting for it.
    SetStatus(false);
}

Bridge::~Bridge() {
    speech_.onSpeaking = nullptr;
    speech_.onSilent = nullptr;
}

long Bridge::Handle(unsigned message) {
    switch (message) {
        case speech::kMissatgeLlegir:
            Read();
            break;
        case speech::kMissatgeArrencada:
        case speech::kMissatgeMostrar:
            if (onShow) onShow();
            break;
        default:
            break;
    }
    return 0;
}

void Bridge::Close() {
    startLimit_.stop();
    awaitingStart_ = false;
    speech_.onSpeaking = nullptr;
    speech_.onSilent = nullptr;
    speech_.Stop();
    SetStatus(false);
}

void Bridge::Read() {
    const QString text = platform::ToQString(speech::LlegirVocelia(speech::kClauLlegir));
    if (onText) onText(text);
    if (text.trimmed().isEmpty()) return;
    const QString problem = speech_.Problem();
    if (!problem.isEmpty()) {
        // Nothing will be said, so the keyboard must not wait for it.
        Notice(problem);
        SetStatus(false);
        return;
    }
    SetStatus(true);
    awaitingStart_ = true;
    startLimit_.start();
    speech_.Say(text);
}

void Bridge::OnSpeaking() {
    awaitingStart_ = false;
    startLimit_.stop();
    SetStatus(true);
    Notice(QString::fromUtf8(texts::kParlant));
}

void Bridge::OnSilent() {
    // The end of a text cut short by a new one: the new one is still to begin.
    if (awaitingStart_) return;
    SetStatus(false);
    const QString problem = speech_.Problem();
    Notice(problem.isEmpty() ? QString::fromUtf8(texts::kPreparat) : problem);
}

void Bridge::OnNoStart() {
    awaitingStart_ = false;
    speech_.Stop();
    SetStatus(false);
    Notice(QString::fromUtf8(texts::kServeiNoRespon));
}

void Bridge::SetStatus(bool speaking) {
    speech::EscriureVocelia(speech::kClauStatus,
                            speaking ? speech::kStatusParlant : speech::kStatusCallat);
}

void Bridge::Notice(const QString& text) {
    if (onNotice) onNotice(text);
}
