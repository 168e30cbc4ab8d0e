#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/gnome/RemoteDesktop.h"

namespace gnome_tests {

// A remote desktop session that writes down what it is asked, one line a call, and that the
// test ends and brings back as the compositor would.
class RecordingRemoteDesktop final : public platform::gnome::RemoteDesktop {
  public:
    bool Start() override {
        calls.push_back(gives ? "start" : "start refused");
        return gives;
    }
    void KeyboardKeycode(uint32_t code, bool down) override {
        calls.push_back("key " + std::to_string(code) + (down ? " down" : " up"));
    }
    void PointerMotion(double dx, double dy) override {
        calls.push_back("motion " + std::to_string(static_cast<long>(dx)) + " " +
                        std::to_string(static_cast<long>(dy)));
    }
    void PointerButton(uint32_t button, bool down) override {
        calls.push_back("button " + std::to_string(button) + (down ? " down" : " up"));
    }
    void OnEnded(std::function<void()> ended) override { ended_ = std::move(ended); }
    void OnServiceBack(std::function<void()> back) override { back_ = std::move(back); }

    void End() { ended_(); }
    void ComeBack() { back_(); }

    bool gives = true;
    std::vector<std::string> calls;

  private:
    std::function<void()> ended_;
    std::function<void()> back_;
};

}  // namespace gnome_tests
