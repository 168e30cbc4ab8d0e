#include "platform/wayland/WaylandDesktop.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "platform/qt/QtDesktop.h"
#include "platform/wayland/Outputs.h"
#include "platform/wayland/OwnWindows.h"
#include "platform/wayland/SwayTree.h"
#include "platform/wayland/Toplevels.h"
#include "platform/wayland/VirtualKeyboard.h"
#include "platform/wayland/VirtualPointer.h"
#include "platform/wayland/WaylandConnection.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

// How long a compositor may take to activate a window; sway takes a few milliseconds.
constexpr auto kActivationLimit = 500ms;

int CopyToBuffer(const std::string& utf8, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    const std::string text = FromQString(QString::fromStdString(utf8));
    const int length = std::min(static_cast<int>(text.size()), size - 1);
    std::copy_n(text.data(), length, buffer);
    buffer[length] = '\0';
    return length;
}

std::unique_ptr<wayland::WaylandConnection> Connect() {
    std::unique_ptr<wayland::WaylandConnection> connection = wayland::WaylandConnection::Open();
    if (!connection) throw std::runtime_error("no Wayland compositor answers on WAYLAND_DISPLAY");
    if (!connection->MissingProtocols().empty()) {
        throw std::runtime_error("the Wayland compositor lacks " +
                                 connection->MissingProtocols().front());
    }
    connection->BindGlobals();
    return connection;
}

// Each operation goes to the part of the backend that owns its concern.
class WaylandDesktop final : public qt::QtDesktop {
  public:
    WaylandDesktop()
        : connection_(Connect()),
          outputs_(*connection_),
          toplevels_(*connection_),
          keyboard_(*connection_),
          pointer_(*connection_, outputs_),
          ownWindows_(toplevels_),
          notifier_(connection_->fd(), QSocketNotifier::Read) {
        // The outputs' places and the windows already open, before any operation asks.
        connection_->Roundtrip();
        connection_->Roundtrip();
        QObject::connect(&notifier_, &QSocketNotifier::activated,
                         [this] { connection_->Dispatch(); });
    }

    HWND GetForegroundWindow() override { return toplevels_.Active(); }
    bool BringWindowToTop(HWND window) override {
        // A click on the keyboard may have taken the activation a moment ago, and the toolkit
        // may have heard of the click before this connection heard of the activation.
        connection_->Roundtrip();
        if (toplevels_.Find(window) == nullptr) return false;
        if (toplevels_.Active() == window) return true;
        toplevels_.Activate(window);
        // Keys sent before the compositor has moved the focus would go to the old window.
        return connection_->WaitUntil([&] { return toplevels_.Active() == window; },
                                      kActivationLimit);
    }
    bool IsWindow(HWND window) override { return toplevels_.Find(window) != nullptr; }
    // A Wayland client cannot keep a click from activating its window; the keyboard gives the
    // focus back to the receiving window before it types instead.
    bool SetWindowNoActivate(HWND /*window*/, bool /*noActivate*/) override { return false; }
    bool MessageBeep(unsigned /*type: one sound for all*/) override {
        QApplication::beep();
        return true;
    }
    bool SetForegroundWindow(HWND window) override { return BringWindowToTop(window); }
    void EnumWindows(const std::function<bool(HWND)>& callback) override {
        toplevels_.Each([&](HWND window, const wayland::Toplevel&) { return callback(window); });
    }
    int GetWindowTextA(HWND window, char* buffer, int size) override {
        const wayland::Toplevel* toplevel = toplevels_.Find(window);
        return CopyToBuffer(toplevel != nullptr ? toplevel->title : std::string(), buffer, size);
    }
    int GetClassNameA(HWND window, char* buffer, int size) override {
        const wayland::Toplevel* toplevel = toplevels_.Find(window);
        return CopyToBuffer(toplevel != nullptr ? toplevel->appId : std::string(), buffer, size);
    }
    bool GetWindowRect(HWND window, Rect* rect) override {
        const wayland::Toplevel* toplevel = toplevels_.Find(window);
        if (toplevel == nullptr || rect == nullptr) return false;
        const auto place = wayland::SwayTree::Find(wayland::SwayTree::OfApplication(
            QString::fromStdString(toplevel->appId), QString::fromStdString(toplevel->title)));
        if (!place) return false;
        *rect = place->outer;
        return true;
    }
    // The compositor places and sizes windows itself.
    bool SetWindowPos(HWND, HWND, int, int, int, int, unsigned) override { return false; }
    bool CanPlaceWindows() override { return false; }
    int GetSystemMetrics(int index) override {
        const Rect screen = outputs_.First();
        switch (index) {
            case SM_CXSCREEN:
            case SM_CXMAXIMIZED:
                return screen.right - screen.left;
            case SM_CYSCREEN:
            case SM_CYMAXIMIZED:
                return screen.bottom - screen.top;
            default:
                return 0;
        }
    }
    void WatchForeground(std::function<void()> changed) override {
        toplevels_.OnActiveChange(std::move(changed));
    }
    // Window messages are an X11 matter; no Wayland window takes them.
    long SendMessageA(HWND, unsigned, uintptr_t, intptr_t) override { return 0; }
    HWND HandleOf(QWidget* topLevel) override { return ownWindows_.HandleOf(topLevel); }

    void keybd_event(uint8_t vk, uint8_t /*scan*/, unsigned flags,
                     uintptr_t /*extraInfo*/) override {
        keyboard_.keybd_event(vk, flags);
    }
    int16_t VkKeyScanA(char character) override { return keyboard_.keymap().VkKeyScan(character); }
    // The keys carry the keyboard's own keymap, not the Spanish one.
    bool SpanishLayoutActive() override { return false; }
    bool TypeCharacter(char character) override { return keyboard_.TypeCharacter(character); }

    bool SetCursorPos(int x, int y) override { return pointer_.MoveTo(Point{x, y}); }
    Point ClientToScreen(const QWidget* widget, Point client) override {
        return ownWindows_.ClientToScreen(widget, client, outputs_);
    }

  private:
    std::unique_ptr<wayland::WaylandConnection> connection_;
    wayland::Outputs outputs_;
    wayland::Toplevels toplevels_;
    wayland::VirtualKeyboard keyboard_;
    wayland::VirtualPointer pointer_;
    wayland::OwnWindows ownWindows_;
    QSocketNotifier notifier_;
};

}  // namespace

std::optional<std::vector<std::string>> MissingWaylandProtocols() {
    const char* display = std::getenv("WAYLAND_DISPLAY");
    // Without the variable the library would try a default display of its own.
    if (display == nullptr || *display == '\0') return std::nullopt;
    const std::unique_ptr<wayland::WaylandConnection> connection =
        wayland::WaylandConnection::Open();
    if (!connection) return std::nullopt;
    return connection->MissingProtocols();
}

std::unique_ptr<Desktop> CreateWaylandDesktop() { return std::make_unique<WaylandDesktop>(); }

}  // namespace platform
