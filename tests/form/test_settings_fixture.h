#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "app/Startup.h"
#include "app/TFormPrincipal.h"
#include "lang/TFormLlengua.h"
#include "platform/fake/FakeDesktop.h"
#include "platform/fake/FakeSwitchButtons.h"

namespace settingstest {

// The test process's own "orvalet.ini".
inline std::filesystem::path SettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() +
           "/orvalet.ini";
}

// Lines joined with CR LF, the way the settings file is written.
inline std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) (text += line) += "\r\n";
    return text;
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::optional<std::string> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Answers the first-run language dialog with its preselected Catalan while it shows.
class LanguageDialogAnswer {
  public:
    LanguageDialogAnswer() {
        QObject::connect(&poll_, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<TFormLlengua*>(QApplication::activeModalWidget()))
                dialog->BitBtn1Click();
        });
        poll_.start(1);
    }

  private:
    QTimer poll_;
};

// One run of the program on a fake 1024 x 768 desktop, settings file and all.
class ProgramRun {
  public:
    // The joysticks are the test's, so that no real device is ever read.
    explicit ProgramRun(std::vector<std::string> parameters = {})
        : startup(desktop, std::move(parameters)) {
        auto fake = std::make_unique<platform::FakeSwitchButtons>();
        buttons = fake.get();
        startup.switchButtons = std::move(fake);
    }
    void Start() {
        LanguageDialogAnswer answer;
        startup.Start();
    }
    TFormPrincipal& form() { return *startup.FormPrincipal; }
    void Close() {
        form().close();
        startup.Finish();
    }

    platform::FakeDesktop desktop;
    Startup startup;
    platform::FakeSwitchButtons* buttons;
};

// Every test starts without a settings file and leaves none behind.
class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::remove(SettingsPath()); }
    void TearDown() override { std::filesystem::remove(SettingsPath()); }
};

}  // namespace settingstest
