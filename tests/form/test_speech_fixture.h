#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "app/Programa.h"
#include "app/TFormPrincipal.h"
#include "platform/Cp1252.h"
#include "platform/fake/FakeDesktop.h"
#include "speech/EngineBinding.h"

namespace speechtest {

// The recording stand-in for the speech library, opened by the test itself so that its log
// outlives the keyboard's unloading and reloading of it.
class RecordingLibrary {
  public:
    explicit RecordingLibrary(const char* path) : handle_(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {
        if (!handle_) throw std::runtime_error(dlerror());
        count_ = Entry<int (*)()>("RecordingCount");
        call_ = Entry<const char* (*)(int)>("RecordingCall");
        clear_ = Entry<void (*)()>("RecordingClear");
        setStatus_ = Entry<void (*)(int)>("RecordingSetStatus");
        clear_();
        setStatus_(0);
    }
    ~RecordingLibrary() { dlclose(handle_); }
    RecordingLibrary(const RecordingLibrary&) = delete;
    RecordingLibrary& operator=(const RecordingLibrary&) = delete;

    // Every call the keyboard made, in order, as "Name(argument)".
    std::vector<std::string> Calls() const {
        std::vector<std::string> calls;
        for (int i = 0; i < count_(); ++i) calls.emplace_back(call_(i));
        return calls;
    }
    // The calls without the status polls.
    std::vector<std::string> Commands() const {
        std::vector<std::string> commands;
        for (const std::string& call : Calls()) {
            if (call.rfind("Status(", 0) != 0) commands.push_back(call);
        }
        return commands;
    }
    void Clear() { clear_(); }
    // The status upcTVStatus answers: non-zero while "speaking".
    void SetStatus(int status) { setStatus_(status); }

  private:
    template <typename F>
    F Entry(const char* name) {
        void* address = dlsym(handle_, name);
        if (!address) throw std::runtime_error(name);
        return reinterpret_cast<F>(address);
    }

    void* handle_;
    int (*count_)();
    const char* (*call_)(int);
    void (*clear_)();
    void (*setStatus_)(int);
};

// Notes the fake clock and the tracking timer at each synthesised key.
class TimedDesktop : public platform::FakeDesktop {
  public:
    struct Stamp {
        platform::FakeKeyEvent key;
        uint32_t tick;
        bool trackingOn;
    };
    void keybd_event(uint8_t vk, uint8_t scan, unsigned flags, uintptr_t extraInfo) override {
        stamps.push_back({{vk, (flags & 2) != 0},
                          GetTickCount(),
                          form && form->tracking->TimerCercaHandleFinestra.Enabled()});
        FakeDesktop::keybd_event(vk, scan, flags, extraInfo);
    }
    TFormPrincipal* form = nullptr;
    std::vector<Stamp> stamps;
};

// The main window over the fake desktop, with the recording library installed as
// "upctv.dll" (or none) and bound as start-up binds it.
class SpeechForm : public ::testing::Test {
  protected:
    explicit SpeechForm(const char* libraryPath = RECORDING_UPCTV) : library(libraryPath) {
        desktop.SetLibrary("upctv.dll", std::string(libraryPath));
    }
    ~SpeechForm() override {
        form.reset();
        programa.upctv.Free();
    }

    // Binds the library and creates the window; without the library, as start-up does.
    void Start(bool withLibrary = true) {
        if (!withLibrary) desktop.SetLibrary("upctv.dll", std::nullopt);
        CarregarUpcTV(programa);
        form = std::make_unique<TFormPrincipal>(programa);
        if (!programa.upctv.Loaded()) form->speech->DesactivarControlsDeLectura();
        desktop.form = form.get();
        library.Clear();
        desktop.ClearLog();
        desktop.stamps.clear();
    }

    // A user's click: only on a button that is there and enabled.
    static void Click(QToolButton* button) {
        ASSERT_FALSE(button->isHidden());
        ASSERT_TRUE(button->isEnabled());
        button->click();
    }

    bool Reading() const {
        return programa.LecturaEnCurs && form->speech->TimerStatusUpcTV.Enabled() &&
               form->ButtonLectura->isHidden() && !form->ButtonParar->isHidden() &&
               form->ButtonPausa->isEnabled();
    }
    bool Idle() const {
        return !programa.LecturaEnCurs && !form->speech->TimerStatusUpcTV.Enabled() &&
               !form->ButtonLectura->isHidden() && form->ButtonParar->isHidden() &&
               !form->ButtonPausa->isEnabled();
    }
    std::string ReadHint() const { return platform::FromQString(form->ButtonLectura->toolTip()); }

    TimedDesktop desktop;
    RecordingLibrary library;
    Programa programa{desktop};
    std::unique_ptr<TFormPrincipal> form;
};

}  // namespace speechtest
