#pragma once

// The speech library's C interface: every argument is a 32-bit value and every
// call returns at once; speech goes on in the library's own thread. Once loaded, the
// library stays in memory until the process ends: unloading it returns at once and leaves
// its state as it was (a reading goes on until upcTVStop), and loading it again finds it so.

#ifdef __cplusplus
extern "C" {
#endif

#define UPCTV_EXPORT __attribute__((visibility("default")))

// Static text naming the library, its version and the synthesiser under it.
UPCTV_EXPORT const char* upcTVAbout(void);
// Speaks a zero-terminated Windows-1252 text, replacing whatever is being said.
UPCTV_EXPORT void upcTVRead(const char* text1252);
// Speaks a Windows-1252 text file; 0 when it is being read, -1 when it is missing,
// not a regular file, unreadable or larger than 16 MiB.
UPCTV_EXPORT int upcTVReadFile(const char* path);
// Ends the speech at once.
UPCTV_EXPORT void upcTVStop(void);
// Holds the speech where it is; it still counts as speaking.
UPCTV_EXPORT void upcTVPause(void);
// Goes on with held speech from where it stopped.
UPCTV_EXPORT void upcTVResume(void);
// 99 Catalan, 101 Castilian; other codes are ignored.
UPCTV_EXPORT void upcTVSetLanguage(int language);
// 1 to 255, 100 being a natural rate; values outside are brought into range.
UPCTV_EXPORT void upcTVSetSpeed(int speed);
// 0 to 2; which are male and which female depends on the language.
UPCTV_EXPORT void upcTVSetSpeaker(int speaker);
// 1 asks for the natural Catalan voice (Festival's Ona) for the Catalan female speaker,
// and gets it ready at once; 0, the default, keeps eSpeak NG for every voice. Without
// Festival or the voice, eSpeak NG speaks, and the standard error says so once.
UPCTV_EXPORT void upcTVSetNaturalVoice(int on);
// 0 while silent, 1 while speaking or paused; the argument is unused.
UPCTV_EXPORT int upcTVStatus(int unused);

#ifdef __cplusplus
}
#endif
