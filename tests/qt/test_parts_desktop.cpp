#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Constants.h"
#include "platform/qt/PartsDesktop.h"

namespace {

using platform::HWND;
using platform::Point;
using platform::Rect;

// Parts that write down each call they get and give fixed answers.
struct Log {
    std::vector<std::string> calls;
    void Add(std::string call) { calls.push_back(std::move(call)); }
};

class RecordingWindows final : public platform::WindowSystem {
  public:
    explicit RecordingWindows(Log& log) : log_(log) {}
    HWND GetForegroundWindow() override { return log_.Add("foreground"), 7; }
    bool BringWindowToTop(HWND w) override { return log_.Add("top " + std::to_string(w)), true; }
    bool IsWindow(HWND w) override { return log_.Add("is " + std::to_string(w)), true; }
    bool SetWindowNoActivate(HWND w, bool no) override {
        return log_.Add("no-activate " + std::to_string(w) + (no ? " on" : " off")), true;
    }
    void EnumWindows(const std::function<bool(HWND)>& callback) override {
        log_.Add("enum");
        callback(3);
    }
    int GetWindowTextA(HWND w, char*, int size) override {
        return log_.Add("title " + std::to_string(w) + " " + std::to_string(size)), 5;
    }
    int GetClassNameA(HWND w, char*, int size) override {
        return log_.Add("class " + std::to_string(w) + " " + std::to_string(size)), 6;
    }
    bool GetWindowRect(HWND w, Rect*) override {
        return log_.Add("rect " + std::to_string(w)), true;
    }
    bool SetWindowPos(HWND w, int x, int y, int cx, int cy, unsigned flags) override {
        log_.Add("place " + std::to_string(w) + " " + std::to_string(x) + "," + std::to_string(y) +
                 " " + std::to_string(cx) + "x" + std::to_string(cy) + " " + std::to_string(flags));
        return true;
    }
    bool CanPlaceWindows() override { return log_.Add("can place"), false; }
    int GetSystemMetrics(int index) override {
        return log_.Add("metric " + std::to_string(index)), 1024;
    }
    void WatchForeground(std::function<void()>) override { log_.Add("watch"); }
    HWND HandleOf(QWidget*) override { return log_.Add("handle"), 9; }

  private:
    Log& log_;
};

class RecordingKeys final : public platform::KeySender {
  public:
    explicit RecordingKeys(Log& log) : log_(log) {}
    void keybd_event(uint8_t vk, unsigned flags) override {
        log_.Add("key " + std::to_string(vk) + " " + std::to_string(flags));
    }
    int16_t VkKeyScanA(char c) override { return log_.Add(std::string("scan ") + c), 0x141; }
    bool SpanishLayoutActive() override { return log_.Add("spanish"), true; }
    bool TypeCharacter(char c) override { return log_.Add(std::string("type ") + c), true; }

  private:
    Log& log_;
};

class RecordingPointer final : public platform::Pointer {
  public:
    explicit RecordingPointer(Log& log) : log_(log) {}
    bool SetCursorPos(int x, int y) override {
        return log_.Add("pointer " + std::to_string(x) + "," + std::to_string(y)), true;
    }
    Point ClientToScreen(const QWidget*, Point client) override {
        log_.Add("to screen " + std::to_string(client.x) + "," + std::to_string(client.y));
        return Point{client.x + 100, client.y + 200};
    }

  private:
    Log& log_;
};

class RecordingMessages final : public platform::WindowMessages {
  public:
    explicit RecordingMessages(Log& log) : log_(log) {}
    long SendMessageA(HWND w, unsigned message, uintptr_t wParam, intptr_t lParam) override {
        log_.Add("message " + std::to_string(w) + " " + std::to_string(message) + " " +
                 std::to_string(wParam) + " " + std::to_string(lParam));
        return 42;
    }

  private:
    Log& log_;
};

// A backend with the three parts every window system has, and window messages or not.
class PartsBackend final : public platform::qt::PartsDesktop {
  public:
    explicit PartsBackend(bool withMessages) : withMessages_(withMessages) {}
    Log log;

  protected:
    platform::WindowSystem& windowSystem() override { return windows_; }
    platform::KeySender& keySender() override { return keys_; }
    platform::Pointer& pointer() override { return pointer_; }
    platform::WindowMessages* windowMessages() override {
        return withMessages_ ? &messages_ : nullptr;
    }

  private:
    bool withMessages_;
    RecordingWindows windows_{log};
    RecordingKeys keys_{log};
    RecordingPointer pointer_{log};
    RecordingMessages messages_{log};
};

TEST(PartsDesktop, EachOperationReachesThePartThatOwnsIt) {
    struct Case {
        const char* name;
        std::function<long(platform::Desktop&)> call;
        long answer;
        const char* reached;
    };
    char buffer[40];
    Rect rect;
    const Case cases[] = {
        {"the foreground window", [](auto& d) { return d.GetForegroundWindow(); }, 7, "foreground"},
        {"bringing a window to the top", [](auto& d) { return d.BringWindowToTop(4); }, 1, "top 4"},
        {"asking for the foreground is bringing to the top",
         [](auto& d) { return d.SetForegroundWindow(5); }, 1, "top 5"},
        {"whether a window exists", [](auto& d) { return d.IsWindow(6); }, 1, "is 6"},
        {"a window that does not take the focus",
         [](auto& d) { return d.SetWindowNoActivate(8, true); }, 1, "no-activate 8 on"},
        {"a title", [&](auto& d) { return d.GetWindowTextA(2, buffer, 40); }, 5, "title 2 40"},
        {"a class name", [&](auto& d) { return d.GetClassNameA(2, buffer, 40); }, 6, "class 2 40"},
        {"a window's bounds", [&](auto& d) { return d.GetWindowRect(3, &rect); }, 1, "rect 3"},
        {"placing a window, always on top",
         [](auto& d) { return d.SetWindowPos(3, 99, 10, 20, 300, 400, 0x40); }, 1,
         "place 3 10,20 300x400 64"},
        {"whether windows can be placed", [](auto& d) { return d.CanPlaceWindows(); }, 0,
         "can place"},
        {"a metric", [](auto& d) { return d.GetSystemMetrics(platform::SM_CXSCREEN); }, 1024,
         "metric 0"},
        {"watching the foreground", [](auto& d) { return d.WatchForeground([] {}), 0; }, 0,
         "watch"},
        {"the program's own window", [](auto& d) { return d.HandleOf(nullptr); }, 9, "handle"},
        {"a key, without Windows' scan code and extra information",
         [](auto& d) {
             return d.keybd_event(platform::VK_SHIFT, 0x2A, platform::KEYEVENTF_KEYUP, 77), 0;
         },
         0, "key 16 2"},
        {"a character's key", [](auto& d) { return d.VkKeyScanA('A'); }, 0x141, "scan A"},
        {"the layout", [](auto& d) { return d.SpanishLayoutActive(); }, 1, "spanish"},
        {"a character typed as written", [](auto& d) { return d.TypeCharacter('n'); }, 1, "type n"},
        {"the pointer", [](auto& d) { return d.SetCursorPos(12, 34); }, 1, "pointer 12,34"},
        {"a point of a widget",
         [](auto& d) {
             return d.ClientToScreen(nullptr, Point{1, 2}).y;
         },
         202, "to screen 1,2"},
        {"a window message", [](auto& d) { return d.SendMessageA(4, platform::WM_CLOSE, 1, 2); },
         42, "message 4 16 1 2"},
    };
    for (const Case& c : cases) {
        PartsBackend desktop(true);
        EXPECT_EQ(c.call(desktop), c.answer) << c.name;
        EXPECT_EQ(desktop.log.calls, std::vector<std::string>{c.reached}) << c.name;
    }
}

TEST(PartsDesktop, WithoutAMessagePartAMessageReachesNoOneAndIsAnsweredZero) {
    PartsBackend desktop(false);
    EXPECT_EQ(desktop.SendMessageA(4, platform::WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(desktop.log.calls.empty());
}

TEST(PartsDesktop, WithoutSwitchKeysTheSwitchStaysTheMouseButton) {
    PartsBackend desktop(true);
    EXPECT_FALSE(desktop.HasSwitchKey("space"));
    EXPECT_FALSE(desktop.GrabSwitchKeys({"space"}, [](const platform::SwitchKeyEvent&) {}));
    EXPECT_FALSE(desktop.CatchNextKey([](const std::string&) {}));
    EXPECT_TRUE(desktop.log.calls.empty());
}

}  // namespace
