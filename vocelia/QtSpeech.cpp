#include "vocelia/QtSpeech.h"

#include "vocelia/SpeechWorker.h"
#include "vocelia/VoceliaTexts.h"

namespace {

// How long the end of the program waits for the speech thread to let go.
constexpr int kStopLimitMs = 2000;

}  // namespace

QtSpeech::QtSpeech()
    : thread_(new QThread),
      worker_(new SpeechWorker),
      problem_(QString::fromUtf8(texts::kConnectant)) {
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &SpeechWorker::Started, this, &QtSpeech::OnStarted);
    connect(worker_, &SpeechWorker::Voices, this, &QtSpeech::Voices);
    connect(worker_, &SpeechWorker::Speaking, this, [this] {
        if (onSpeaking) onSpeaking();
    });
    connect(worker_, &SpeechWorker::Silent, this, [this](const QString& problem) {
        problem_ = problem;
        if (onSilent) onSilent();
    });
    thread_->start();
    QMetaObject::invokeMethod(worker_, &SpeechWorker::Start, Qt::QueuedConnection);
}

QtSpeech::~QtSpeech() {
    disconnect(worker_, nullptr, this, nullptr);
    thread_->quit();
    // A thread still caught in a service that never answers is left to the end of the
    // process rather than waited for.
    if (thread_->wait(kStopLimitMs)) delete thread_;
}

bool QtSpeech::Connecting() const { return connecting_; }

QString QtSpeech::Problem() const { return problem_; }

void QtSpeech::Say(const QString& text) {
    QMetaObject::invokeMethod(
        worker_, [worker = worker_, text] { worker->Say(text); }, Qt::QueuedConnection);
}

void QtSpeech::Stop() {
    QMetaObject::invokeMethod(worker_, &SpeechWorker::Stop, Qt::QueuedConnection);
}

void QtSpeech::SetLocale(const QLocale& locale) {
    QMetaObject::invokeMethod(
        worker_, [worker = worker_, locale] { worker->SetLocale(locale); }, Qt::QueuedConnection);
}

void QtSpeech::SetVoice(const QString& name) {
    QMetaObject::invokeMethod(
        worker_, [worker = worker_, name] { worker->SetVoice(name); }, Qt::QueuedConnection);
}

void QtSpeech::OnStarted(const QString& problem, const QList<QLocale>& locales,
                         const QLocale& current) {
    problem_ = problem;
    connecting_ = false;
    emit ProblemChanged(problem_);
    if (problem_.isEmpty()) emit Languages(locales, current);
    if (onConnected) onConnected();
}
