#pragma once

#include "ScanningFixture.h"

// The keyboard ready to scan, on a desktop whose keyboard has the keys a switch interface
// sends.
class SwitchesFixture : public ScanningFixture {
  protected:
    void SetUp() override {
        ScanningFixture::SetUp();
        desktop.switchKeys.SetKeyboard({"space", "Return", "F5"});
    }
    void UseSwitches(const std::string& chooseKey, scan::ScanMode mode = scan::ScanMode::Automatic,
                     const std::string& moveKey = {}, int autoAdvanceSeconds = 0) {
        form.scanning->SetSwitches({chooseKey, mode, moveKey, autoAdvanceSeconds});
    }
    // The moving switch pressed n times; the highlight after each press.
    std::vector<std::string> Moves(int n, const std::string& moveKey = "Return") {
        std::vector<std::string> seen;
        for (int i = 0; i < n; ++i) {
            desktop.switchKeys.Press(moveKey);
            seen.push_back(Highlighted());
        }
        return seen;
    }
};
