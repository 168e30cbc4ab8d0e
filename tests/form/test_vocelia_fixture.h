#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/Programa.h"
#include "app/TFormPrincipal.h"
#include "platform/fake/FakeDesktop.h"
#include "platform/profile/ProfileFiles.h"

namespace voceliatest {

inline std::filesystem::path ConfigPath(const char* file) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() +
           "/" + file;
}

inline std::string FileText(const char* file) {
    std::ifstream in(ConfigPath(file), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A value of the suite file, "(missing)" when the key is not there.
inline std::string Suite(const char* section, const char* key) {
    char value[256] = {};
    platform::GetPrivateProfileStringA(section, key, "(missing)", value, sizeof value,
                                       "projectebrunvol.ini");
    return value;
}

// Notes, at every message and program start, the fake clock and what the suite file and the
// settings file held, so that tests can tell what was written before and what after.
class SuiteDesktop : public platform::FakeDesktop {
  public:
    struct Moment {
        std::string call;  // "CreateProcessA", "TerminateProcess" or "SendMessageA <message>"
        uint32_t tick;
        std::string suite;
        bool settingsSaved;
    };

    long SendMessageA(platform::HWND window, unsigned message, uintptr_t wParam,
                      intptr_t lParam) override {
        Note("SendMessageA " + std::to_string(message));
        return FakeDesktop::SendMessageA(window, message, wParam, lParam);
    }
    platform::HANDLE CreateProcessA(const char* commandLine, int show) override {
        Note("CreateProcessA");
        return FakeDesktop::CreateProcessA(commandLine, show);
    }
    void TerminateProcess(platform::HANDLE process) override {
        Note("TerminateProcess");
        FakeDesktop::TerminateProcess(process);
    }

    std::vector<Moment> moments;

  private:
    void Note(std::string call) {
        moments.push_back({std::move(call), GetTickCount(), FileText("projectebrunvol.ini"),
                           std::filesystem::exists(ConfigPath("orvalet.ini"))});
    }
};

// The calls that reach the bridge, start it or end it, as "Name(arguments)".
inline std::vector<std::string> BridgeCalls(const platform::FakeDesktop& desktop) {
    std::vector<std::string> calls;
    for (const platform::FakeCall& call : desktop.Calls()) {
        if (call.name != "SendMessageA" && call.name != "CreateProcessA" &&
            call.name != "TerminateProcess" && call.name != "SetForegroundWindow") {
            continue;
        }
        std::string text = call.name + "(";
        for (std::size_t i = 0; i < call.args.size(); ++i) {
            text += (i ? ", " : "") + call.args[i];
        }
        calls.push_back(text + ")");
    }
    return calls;
}

// The bridges the keyboard started have ended, as a bridge that failed or crashed does.
inline void EndStartedBridges(platform::FakeDesktop& desktop) {
    for (auto& [handle, process] : desktop.Processes()) process.running = false;
}

// The bridge the keyboard started last shows its window, which the keyboard can now find.
inline platform::HWND ShowStartedBridge(platform::FakeDesktop& desktop) {
    const platform::HWND window = desktop.AddWindow("Vocelia - Projecte Brunvol 2005");
    desktop.Processes().rbegin()->second.window = window;
    return window;
}

inline void RemoveSuiteFile() { std::filesystem::remove(ConfigPath("projectebrunvol.ini")); }

// Every test starts and ends without a suite file.
class SuiteFileTest {
  protected:
    SuiteFileTest() { RemoveSuiteFile(); }
    ~SuiteFileTest() { RemoveSuiteFile(); }
};

// A main window of its own over a desktop of its own, for one row of a table.
struct Keyboard {
    SuiteDesktop desktop;
    Programa programa{desktop};
    TFormPrincipal form{programa};
};

}  // namespace voceliatest
