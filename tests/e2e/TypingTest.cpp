#include <gtest/gtest.h>

#include <vector>

#include "platform/Constants.h"
#include "tests/e2e/Receiver.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

using platform::KEYEVENTF_KEYUP;

struct KeyEvent {
    uint8_t vk;
    bool up;
};

constexpr KeyEvent Down(uint8_t vk) { return {vk, false}; }
constexpr KeyEvent Up(uint8_t vk) { return {vk, true}; }

// Virtual keys of the Spanish layout used below.
constexpr uint8_t kA = 0x41;
constexpr uint8_t kB = 0x42;
constexpr uint8_t k2 = 0x32;
constexpr uint8_t k7 = 0x37;
constexpr uint8_t kDeadGrave = 0xBA;
constexpr uint8_t kDeadAcute = 0xDE;
constexpr uint8_t kNTilde = 0xC0;
constexpr uint8_t kApostrophe = 0xDB;
constexpr uint8_t kPeriod = 0xBE;
constexpr uint8_t kOrdinal = 0xDC;
constexpr uint8_t kInvertedExclamation = 0xDD;
constexpr uint8_t kPlus = 0xBB;
constexpr uint8_t kMinus = 0xBD;
constexpr uint8_t kNoKey = 0xFF;
using platform::VK_BACK;
using platform::VK_CONTROL;
using platform::VK_MENU;
using platform::VK_RETURN;
using platform::VK_SHIFT;

struct TypingCase {
    const char* rule;
    std::vector<KeyEvent> events;
    QString arrives;
};

const TypingCase kTyping[] = {
    {"Shift held over B and A types BA",
     {Down(VK_SHIFT), Down(kB), Up(kB), Down(kA), Up(kA), Up(VK_SHIFT)},
     QStringLiteral("BA")},
    {"B and A without Shift type ba", {Down(kB), Up(kB), Down(kA), Up(kA)}, QStringLiteral("ba")},
    {"dead grave, then Shift with A, types a capital A with grave",
     {Down(kDeadGrave), Up(kDeadGrave), Down(VK_SHIFT), Down(kA), Up(kA), Up(VK_SHIFT)},
     QStringLiteral("À")},
    {"dead acute, then A, types a with acute",
     {Down(kDeadAcute), Up(kDeadAcute), Down(kA), Up(kA)},
     QStringLiteral("á")},
    {"the key right of L types n with tilde", {Down(kNTilde), Up(kNTilde)}, QStringLiteral("ñ")},
    {"Alt and Ctrl held round the 2 key type the at sign, as AltGr does",
     {Down(VK_MENU), Down(VK_CONTROL), Down(k2), Up(k2), Up(VK_CONTROL), Up(VK_MENU)},
     QStringLiteral("@")},
    {"Alt and Ctrl do not stay down after the at sign",
     {Down(VK_MENU), Down(VK_CONTROL), Down(k2), Up(k2), Up(VK_CONTROL), Up(VK_MENU), Down(kA),
      Up(kA)},
     QStringLiteral("@a")},
    {"Shift with the apostrophe key types the question mark",
     {Down(VK_SHIFT), Down(kApostrophe), Up(kApostrophe), Up(VK_SHIFT)},
     QStringLiteral("?")},
    {"signs and digits on their own keys",
     {Down(k7), Up(k7), Down(kPeriod), Up(kPeriod), Down(kApostrophe), Up(kApostrophe),
      Down(kOrdinal), Up(kOrdinal), Down(kInvertedExclamation), Up(kInvertedExclamation),
      Down(kPlus), Up(kPlus), Down(kMinus), Up(kMinus)},
     QStringLiteral("7.'º¡+-")},
    {"Return breaks the line",
     {Down(kA), Up(kA), Down(VK_RETURN), Up(VK_RETURN), Down(kB), Up(kB)},
     QStringLiteral("a\nb")},
    {"Backspace erases the character before",
     {Down(kA), Up(kA), Down(kB), Up(kB), Down(VK_BACK), Up(VK_BACK)},
     QStringLiteral("a")},
    {"a virtual key the layout lacks types nothing",
     {Down(kNoKey), Up(kNoKey), Down(kB), Up(kB)},
     QStringLiteral("b")},
};

void Send(const std::vector<KeyEvent>& events) {
    for (const KeyEvent& event : events) {
        TheDesktop().keybd_event(event.vk, 0, event.up ? KEYEVENTF_KEYUP : 0, 0);
    }
}

void Clear(const Receiver& receiver) {
    Send({Down(VK_CONTROL), Down(kA), Up(kA), Up(VK_CONTROL), Down(VK_BACK), Up(VK_BACK)});
    receiver.WaitForText(QString());
}

TEST(keybd_event, TypesIntoTheFocusedWindowAsOnTheSpanishLayout) {
    Receiver receiver(QStringLiteral("typing receiver"));
    ASSERT_NE(receiver.window(), 0u);
    ASSERT_TRUE(TheDesktop().BringWindowToTop(receiver.window()));
    for (const TypingCase& row : kTyping) {
        SCOPED_TRACE(row.rule);
        Clear(receiver);
        ASSERT_EQ(receiver.Text(), QString());
        Send(row.events);
        receiver.WaitForText(row.arrives);
        EXPECT_EQ(receiver.Text(), row.arrives);
    }
}

}  // namespace
}  // namespace e2e
