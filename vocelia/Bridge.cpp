#include "vocelia/Bridge.h"

#include <iostream>
#include <utility>

#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "speech/protocol/VoceliaDesign.h"
#include "speech/protocol/VoceliaSuite.h"
#include "vocelia/Speech.h"
#include "vocelia/VoceliaTexts.h"

namespace {

// How long the service may take to begin a text before the bridge stops claiming to speak.
constexpr int kStartLimitMs = 10000;

}  // namespace

Bridge::Bridge(Speech& speech, int connectLimitMs) : speech_(speech) {
    speech_.onConnected = [this] { OnConnected(); };
    speech_.onSpeaking = [this] { OnSpeaking(); };
    speech_.onSilent = [this] { OnSilent(); };
    connectLimit_.setSingleShot(true);
    connectLimit_.setInterval(connectLimitMs);
    connect(&connectLimit_, &QTimer::timeout, this, [this] { OnNoConnection(); });
    if (speech_.Connecting()) connectLimit_.start();
    startLimit_.setSingleShot(true);
    startLimit_.setInterval(kStartLimitMs);
    connect(&startLimit_, &QTimer::timeout, this, [this] { OnNoStart(); });
    // A bridge that ended while speaking must not leave the keyboard waiting for it.
    SetStatus(false);
}

Bridge::~Bridge() {
    speech_.onConnected = nullptr;
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
        case platform::WM_CLOSE:
            if (onCloseAsked) onCloseAsked();
            break;
        default:
            break;
    }
    return 0;
}

void Bridge::Close() {
    connectLimit_.stop();
    kept_.clear();
    startLimit_.stop();
    awaitingStart_ = false;
    speech_.onConnected = nullptr;
    speech_.onSpeaking = nullptr;
    speech_.onSilent = nullptr;
    speech_.Stop();
    SetStatus(false);
}

void Bridge::Read() {
    const QString text = platform::ToQString(speech::LlegirVocelia(speech::kClauLlegir));
    if (onText) onText(text);
    if (text.trimmed().isEmpty()) return;
    if (connectLimit_.isActive()) {
        Keep(text);
    } else {
        SayIfPossible(text);
    }
}

void Bridge::SayIfPossible(const QString& text) {
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

void Bridge::Keep(const QString& text) {
    // The keyboard waits while a text is still to be said, as it does while one is spoken.
    kept_ = text;
    SetStatus(true);
    Notice(QString::fromUtf8(texts::kEsperantServei));
}

void Bridge::OnConnected() {
    connectLimit_.stop();
    if (!kept_.isEmpty()) SayIfPossible(std::exchange(kept_, {}));
}

void Bridge::OnNoConnection() {
    kept_.clear();
    SetStatus(false);
    std::cerr << "vocelia: the desktop's speech service did not answer within "
              << connectLimit_.interval() / 1000 << " s; texts are not read until it does.\n";
    Notice(QString::fromUtf8(texts::kServeiNoConnecta));
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
