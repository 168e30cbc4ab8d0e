#include "speech/UpcTV.h"

namespace speech {

template <typename F>
F UpcTV::Entry(const char* name) {
    return reinterpret_cast<F>(modules_.GetProcAddress(handle_, name));
}

bool UpcTV::Load() {
    handle_ = modules_.LoadLibraryA(kLibraryName);
    if (!Loaded()) {
        handle_ = 0;
        return false;
    }
    Bind();
    return true;
}

void UpcTV::Bind() {
    about_ = Entry<void*>("upcTVAbout");
    read_ = Entry<TextArgument>("upcTVRead");
    readFile_ = Entry<void*>("upcTVReadFile");
    stop_ = Entry<NoArgument>("upcTVStop");
    pause_ = Entry<NoArgument>("upcTVPause");
    resume_ = Entry<NoArgument>("upcTVResume");
    setLanguage_ = Entry<IntArgument>("upcTVSetLanguage");
    setSpeed_ = Entry<IntArgument>("upcTVSetSpeed");
    setSpeaker_ = Entry<IntArgument>("upcTVSetSpeaker");
    setNaturalVoice_ = Entry<IntArgument>("upcTVSetNaturalVoice");
    status_ = Entry<StatusQuery>("upcTVStatus");
}

void UpcTV::Free() {
    about_ = readFile_ = nullptr;
    read_ = nullptr;
    stop_ = pause_ = resume_ = nullptr;
    setLanguage_ = setSpeed_ = setSpeaker_ = setNaturalVoice_ = nullptr;
    status_ = nullptr;
    if (Loaded()) modules_.FreeLibrary(handle_);
    handle_ = 0;
}

void UpcTV::Read(const std::string& text1252) {
    if (read_) read_(text1252.c_str());
}

void UpcTV::Stop() {
    if (stop_) stop_();
}

void UpcTV::Pause() {
    if (pause_) pause_();
}

void UpcTV::Resume() {
    if (resume_) resume_();
}

void UpcTV::SetLanguage(int language) {
    if (setLanguage_) setLanguage_(language);
}

void UpcTV::SetSpeed(int speed) {
    if (setSpeed_) setSpeed_(speed);
}

void UpcTV::SetSpeaker(int speaker) {
    if (setSpeaker_) setSpeaker_(speaker);
}

void UpcTV::SetNaturalVoice(bool on) {
    if (setNaturalVoice_) setNaturalVoice_(on ? 1 : 0);
}

int UpcTV::Status() { return status_ ? status_(0) : 0; }

}  // namespace speech
