#include "platform/x11/X11Desktop.h"

#include <QSocketNotifier>
#include <QWidget>

#include "platform/qt/QtDesktop.h"
#include "platform/x11/KeyboardLayout.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/X11Keyboard.h"
#include "platform/x11/X11Messages.h"
#include "platform/x11/X11SwitchKeys.h"
#include "platform/x11/X11Windows.h"

namespace platform {
namespace {

// Each operation goes to the part of the backend that owns its concern.
class X11Desktop final : public qt::QtDesktop {
  public:
    X11Desktop()
        : windows_(connection_),
          layout_(connection_),
          keyboard_(connection_, layout_, *this),
          messages_(connection_),
          switchKeys_(connection_),
          notifier_(ConnectionNumber(connection_.display()), QSocketNotifier::Read) {
        // Events the server sends while nothing waits for them are handled as they come.
        QObject::connect(&notifier_, &QSocketNotifier::activated,
                         [this] { connection_.DispatchPending(); });
        // A switch key's grab must let the keys typed here pass.
        keyboard_.SetGuard(&switchKeys_);
    }
    ~X11Desktop() override { keyboard_.SetGuard(nullptr); }

    HWND GetForegroundWindow() override { return windows_.GetForegroundWindow(); }
    bool BringWindowToTop(HWND window) override { return windows_.BringWindowToTop(window); }
    bool IsWindow(HWND window) override { return windows_.IsWindow(window); }
    bool SetWindowNoActivate(HWND window, bool noActivate) override {
        return windows_.SetWindowNoActivate(window, noActivate);
    }
    bool MessageBeep(unsigned /*type: the bell has one sound*/) override {
        XBell(connection_.display(), 0);
        XFlush(connection_.display());
        return true;
    }
    bool SetForegroundWindow(HWND window) override { return windows_.BringWindowToTop(window); }
    void EnumWindows(const std::function<bool(HWND)>& callback) override {
        windows_.EnumWindows(callback);
    }
    int GetWindowTextA(HWND window, char* buffer, int size) override {
        return windows_.GetWindowTextA(window, buffer, size);
    }
    int GetClassNameA(HWND window, char* buffer, int size) override {
        return windows_.GetClassNameA(window, buffer, size);
    }
    bool GetWindowRect(HWND window, Rect* rect) override {
        return windows_.GetWindowRect(window, rect);
    }
    bool SetWindowPos(HWND window, HWND /*insertAfter: always the top*/, int x, int y, int cx,
                      int cy, unsigned flags) override {
        return windows_.SetWindowPos(window, x, y, cx, cy, flags);
    }
    int GetSystemMetrics(int index) override { return windows_.GetSystemMetrics(index); }
    void WatchForeground(std::function<void()> changed) override {
        windows_.WatchForeground(std::move(changed));
    }
    long SendMessageA(HWND window, unsigned message, uintptr_t wParam, intptr_t lParam) override {
        return messages_.SendMessageA(window, message, wParam, lParam);
    }
    HWND HandleOf(QWidget* topLevel) override {
        return topLevel != nullptr ? topLevel->window()->winId() : 0;
    }

    void keybd_event(uint8_t vk, uint8_t /*scan*/, unsigned flags,
                     uintptr_t /*extraInfo*/) override {
        keyboard_.keybd_event(vk, flags);
    }
    int16_t VkKeyScanA(char character) override { return layout_.VkKeyScan(character); }
    bool SpanishLayoutActive() override { return layout_.IsSpanish(); }
    bool TypeCharacter(char character) override { return keyboard_.TypeCharacter(character); }

    bool SetCursorPos(int x, int y) override {
        XWarpPointer(connection_.display(), None, connection_.root(), 0, 0, 0, 0, x, y);
        XFlush(connection_.display());
        return true;
    }

    bool HasSwitchKey(const std::string& name) override { return switchKeys_.HasSwitchKey(name); }
    bool GrabSwitchKeys(const std::vector<std::string>& names,
                        std::function<void(const SwitchKeyEvent&)> onEvent) override {
        return switchKeys_.Grab(names, std::move(onEvent));
    }
    void UngrabSwitchKeys() override { switchKeys_.Ungrab(); }
    bool CatchNextKey(std::function<void(const std::string&)> onKey) override {
        return switchKeys_.CatchNextKey(std::move(onKey));
    }
    void StopCatchingKey() override { switchKeys_.StopCatchingKey(); }

  private:
    x11::X11Connection connection_;
    x11::X11Windows windows_;
    x11::KeyboardLayout layout_;
    x11::X11Keyboard keyboard_;
    x11::X11Messages messages_;
    x11::X11SwitchKeys switchKeys_;
    QSocketNotifier notifier_;
};

}  // namespace

std::unique_ptr<Desktop> CreateX11Desktop() { return std::make_unique<X11Desktop>(); }

}  // namespace platform
