// A stand-in for the speech library that speaks nothing: it notes every call, in order, for
// the form tests to read. Like a library it "speaks" from a read until a stop, and the test
// can end the speech or make it busy at will. Built twice: whole, and without some entry
// points (RECORDING_UPCTV_PARTIAL).
#include <string>
#include <vector>

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

int status = 0;

void Note(const std::string& call) { Log().push_back(call); }
void Note(const char* name, int argument) {
    Note(std::string(name) + "(" + std::to_string(argument) + ")");
}

}  // namespace

EXPORT void upcTVAbout() { Note("About()"); }
EXPORT void upcTVRead(const char* text) {
    Note(std::string("Read(") + text + ")");
    status = 1;
}
EXPORT void upcTVReadFile(const char* file) { Note(std::string("ReadFile(") + file + ")"); }
EXPORT void upcTVStop() {
    Note("Stop()");
    status = 0;
}
EXPORT void upcTVPause() { Note("Pause()"); }
EXPORT void upcTVSetLanguage(int language) { Note("SetLanguage", language); }
EXPORT void upcTVSetSpeed(int speed) { Note("SetSpeed", speed); }
#ifndef RECORDING_UPCTV_PARTIAL
EXPORT void upcTVResume() { Note("Resume()"); }
EXPORT void upcTVSetSpeaker(int speaker) { Note("SetSpeaker", speaker); }
EXPORT void upcTVSetNaturalVoice(int on) { Note("SetNaturalVoice", on); }
EXPORT int upcTVStatus(int argument) {
    Note("Status", argument);
    return status;
}
#endif

// --- for the tests -------------------------------------------------------------------
EXPORT int RecordingCount() { return static_cast<int>(Log().size()); }
EXPORT const char* RecordingCall(int index) { return Log().at(static_cast<size_t>(index)).c_str(); }
EXPORT void RecordingClear() { Log().clear(); }
EXPORT void RecordingSetStatus(int value) { status = value; }
