#pragma once

#include <QToolButton>

#include "FormFixture.h"

// The letter-case states of the two toolbar toggles.
enum class Case { CapsLock, OneShotShift, LowerCase };

inline const char* NameOf(Case state) {
    switch (state) {
        case Case::CapsLock:
            return "caps lock";
        case Case::OneShotShift:
            return "one-shot shift";
        case Case::LowerCase:
            return "lower case";
    }
    return "?";
}

// The keyboard with an editor as the receiving window, recorded by the tracking tick, and the
// keyboard itself in front, as after the user has clicked it.
template <typename Desktop = platform::FakeDesktop>
class DispatchFixtureOn : public FormFixtureOn<Desktop> {
  protected:
    void SetUp() override {
        editor = this->desktop.AddWindow("Document - Editor");
        this->desktop.SetForeground(editor);
        this->form.tracking->TimerCercaHandleFinestra.SetEnabled(true);
        this->desktop.Advance(100);
        this->desktop.SetForeground(this->OwnWindow());
        this->desktop.ClearLog();
    }

    // Reaches a case state from the start (caps lock) by clicking the toggles as a user does.
    void SetCase(Case state) {
        TFormPrincipal& form = this->form;
        ASSERT_TRUE(form.ButtonShift->isChecked() && form.ButtonBloqMajuscules->isChecked());
        if (state == Case::CapsLock) return;
        form.ButtonBloqMajuscules->click();
        if (state == Case::OneShotShift) form.ButtonShift->click();
    }

    Case CaseNow() {
        const bool shift = this->form.ButtonShift->isChecked();
        const bool caps = this->form.ButtonBloqMajuscules->isChecked();
        if (shift && caps) return Case::CapsLock;
        if (shift) return Case::OneShotShift;
        EXPECT_FALSE(caps) << "caps lock without shift does not occur";
        return Case::LowerCase;
    }

    platform::HWND editor = 0;
};

using DispatchFixture = DispatchFixtureOn<>;
