#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Constants.h"
#include "platform/wayland/LayoutKeys.h"
#include "platform/wayland/XkbLayout.h"

namespace {

using platform::KEYEVENTF_KEYUP;
using platform::wayland::LayoutKeys;
using platform::wayland::XkbLayout;

// Linux input event codes of the keys the rows name.
constexpr uint32_t kEnter = 28;
constexpr uint32_t kLeftCtrl = 29;
constexpr uint32_t kLeftShift = 42;
constexpr uint32_t kLeftAlt = 56;
constexpr uint32_t kRightAlt = 100;
constexpr uint32_t kKey2 = 3;
constexpr uint32_t kKeyA = 30;
constexpr uint32_t kKeyLeftBrace = 26;  // the first key right of P: dead grave on Spanish
constexpr uint32_t kKeySemicolon = 39;  // the first key right of L: ñ on Spanish

struct Event {
    uint32_t code;
    bool down;
    bool operator==(const Event&) const = default;
};
void PrintTo(const Event& event, std::ostream* out) {
    *out << event.code << (event.down ? " down" : " up");
}
Event Down(uint32_t code) { return {code, true}; }
Event Up(uint32_t code) { return {code, false}; }

std::string Describe(const std::vector<Event>& events) {
    std::string text;
    for (const Event& event : events) {
        text += std::to_string(event.code) + (event.down ? "v " : "^ ");
    }
    return text;
}

class RecordingSink final : public platform::wayland::KeySink {
  public:
    void Key(uint32_t code, bool down) override { events.push_back({code, down}); }
    std::vector<Event> events;
};

class FixedLayout final : public platform::wayland::LayoutSource {
  public:
    explicit FixedLayout(std::unique_ptr<XkbLayout> layout) : layout_(std::move(layout)) {}
    const XkbLayout* Layout() const override { return layout_.get(); }

  private:
    std::unique_ptr<XkbLayout> layout_;
};

struct Keyboard {
    explicit Keyboard(const std::string& layout, const std::string& variant = "")
        : source(XkbLayout::FromNames(layout, variant)), keys(source, sink) {}
    FixedLayout source;
    RecordingSink sink;
    LayoutKeys keys;
};

TEST(LayoutKeys, VirtualKeysPressTheKeysOfTheSpanishPositions) {
    struct Step {
        uint8_t vk;
        bool down;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<Event> expected;
    };
    const Case cases[] = {
        {"a letter key", {{'A', true}, {'A', false}}, {Down(kKeyA), Up(kKeyA)}},
        {"the key right of L",
         {{0xC0, true}, {0xC0, false}},
         {Down(kKeySemicolon), Up(kKeySemicolon)}},
        {"Shift and a letter",
         {{platform::VK_SHIFT, true}, {'A', true}, {'A', false}, {platform::VK_SHIFT, false}},
         {Down(kLeftShift), Down(kKeyA), Up(kKeyA), Up(kLeftShift)}},
        {"Ctrl + Alt with a character key is AltGr, as Windows reads it",
         {{platform::VK_CONTROL, true},
          {platform::VK_MENU, true},
          {'2', true},
          {'2', false},
          {platform::VK_CONTROL, false},
          {platform::VK_MENU, false}},
         {Down(kLeftCtrl), Down(kLeftAlt), Up(kLeftCtrl), Up(kLeftAlt), Down(kRightAlt),
          Down(kKey2), Up(kKey2), Up(kRightAlt)}},
        {"Ctrl + Alt with a named key stays Ctrl + Alt",
         {{platform::VK_CONTROL, true},
          {platform::VK_MENU, true},
          {platform::VK_RETURN, true},
          {platform::VK_RETURN, false},
          {platform::VK_MENU, false},
          {platform::VK_CONTROL, false}},
         {Down(kLeftCtrl), Down(kLeftAlt), Down(kEnter), Up(kEnter), Up(kLeftAlt), Up(kLeftCtrl)}},
        {"a code no key has", {{0x07, true}, {0x07, false}}, {}},
    };
    for (const Case& c : cases) {
        Keyboard keyboard("es");
        for (const Step& step : c.steps) {
            keyboard.keys.keybd_event(step.vk, step.down ? 0 : KEYEVENTF_KEYUP);
        }
        EXPECT_EQ(keyboard.sink.events, c.expected)
            << c.name << ": " << Describe(keyboard.sink.events);
    }
}

TEST(LayoutKeys, VkKeyScanFindsTheCharacterOnTheActiveLayout) {
    struct Case {
        const char* name;
        const char* layout;
        char character;
        int16_t expected;
    };
    const Case cases[] = {
        {"a small letter", "es", 'a', 0x41},
        {"a capital letter needs Shift", "es", 'A', 0x141},
        {"at sign is AltGr + 2 on Spanish", "es", '@', 0x632},
        {"n tilde has its own key on Spanish", "es", '\xF1', 0xC0},
        {"capital n tilde", "es", '\xD1', 0x1C0},
        {"a grave accent alone is its dead key", "es", '`', 0xBA},
        {"at sign is Shift + 2 on US", "us", '@', 0x132},
        {"return is its named key", "es", '\r', platform::VK_RETURN},
        {"a character no key gives", "us", '\xF1', -1},
    };
    for (const Case& c : cases) {
        Keyboard keyboard(c.layout);
        EXPECT_EQ(keyboard.keys.VkKeyScanA(c.character), c.expected) << c.name;
        EXPECT_TRUE(keyboard.sink.events.empty()) << c.name;
    }
}

TEST(LayoutKeys, ACharacterTypedAsItselfGoesOnItsKeyOrAfterItsDeadKey) {
    struct Case {
        const char* name;
        const char* layout;
        char character;
        bool typed;
        std::vector<Event> expected;
    };
    const Case cases[] = {
        {"at sign with AltGr on Spanish",
         "es",
         '@',
         true,
         {Down(kRightAlt), Down(kKey2), Up(kKey2), Up(kRightAlt)}},
        {"capital n tilde with Shift",
         "es",
         '\xD1',
         true,
         {Down(kLeftShift), Down(kKeySemicolon), Up(kKeySemicolon), Up(kLeftShift)}},
        {"A grave after the dead grave key",
         "es",
         '\xC0',
         true,
         {Down(kKeyLeftBrace), Up(kKeyLeftBrace), Down(kLeftShift), Down(kKeyA), Up(kKeyA),
          Up(kLeftShift)}},
        {"at sign with Shift on US",
         "us",
         '@',
         true,
         {Down(kLeftShift), Down(kKey2), Up(kKey2), Up(kLeftShift)}},
        {"return on its key", "us", '\r', true, {Down(kEnter), Up(kEnter)}},
        {"an accented letter with no dead key for it", "us", '\xC0', false, {}},
    };
    for (const Case& c : cases) {
        Keyboard keyboard(c.layout);
        EXPECT_EQ(keyboard.keys.TypeCharacter(c.character), c.typed) << c.name;
        EXPECT_EQ(keyboard.sink.events, c.expected)
            << c.name << ": " << Describe(keyboard.sink.events);
    }
}

TEST(LayoutKeys, TheSpanishKeystrokesAreUsedOnlyOnLayoutsWithTheSpanishKeys) {
    struct Case {
        const char* layout;
        const char* variant;
        bool spanish;
    };
    const Case cases[] = {
        {"es", "", true},        {"es", "cat", true},
        {"es", "winkeys", true}, {"es", "nodeadkeys", false},
        {"es", "dvorak", false}, {"us", "", false},
        {"fr", "", false},
    };
    for (const Case& c : cases) {
        Keyboard keyboard(c.layout, c.variant);
        EXPECT_EQ(keyboard.keys.SpanishLayoutActive(), c.spanish)
            << c.layout << "(" << c.variant << ")";
    }
}

TEST(LayoutKeys, BeforeTheCompositorTellsItsKeymapNothingIsTyped) {
    FixedLayout none(nullptr);
    RecordingSink sink;
    LayoutKeys keys(none, sink);
    keys.keybd_event('A', 0);
    EXPECT_FALSE(keys.TypeCharacter('a'));
    EXPECT_EQ(keys.VkKeyScanA('a'), -1);
    EXPECT_FALSE(keys.SpanishLayoutActive());
    EXPECT_TRUE(sink.events.empty());
}

TEST(LayoutKeys, AKeyStillHeldIsReleasedWhenTheKeyboardGoes) {
    RecordingSink sink;
    {
        FixedLayout source(XkbLayout::FromNames("es", ""));
        LayoutKeys keys(source, sink);
        keys.keybd_event(platform::VK_SHIFT, 0);
    }
    EXPECT_EQ(sink.events, (std::vector<Event>{Down(kLeftShift), Up(kLeftShift)}));
}

}  // namespace
