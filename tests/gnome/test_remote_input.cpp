#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "RecordingRemoteDesktop.h"
#include "platform/Constants.h"
#include "platform/gnome/KeyGate.h"
#include "platform/gnome/RemoteInput.h"
#include "platform/wayland/LayoutKeys.h"
#include "platform/wayland/XkbLayout.h"

namespace {

using gnome_tests::RecordingRemoteDesktop;
using platform::Rect;
using platform::gnome::RemoteInput;
using Calls = std::vector<std::string>;

constexpr Rect kScreen{0, 0, 1280, 800};

class FixedLayout final : public platform::wayland::LayoutSource {
  public:
    explicit FixedLayout(const char* name)
        : layout_(platform::wayland::XkbLayout::FromNames(name, "")) {}
    const platform::wayland::XkbLayout* Layout() const override { return layout_.get(); }

  private:
    std::unique_ptr<platform::wayland::XkbLayout> layout_;
};

// The keyboard of the GNOME desktop: the user's layout, the gate, the remote desktop.
struct Keyboard {
    explicit Keyboard(const char* layoutName) : layout(layoutName) {}
    RecordingRemoteDesktop session;
    RemoteInput input{session, [] { return kScreen; }};
    bool receiverKnown = true;
    platform::gnome::KeyGate gate{input, [this] { return receiverKnown; }};
    FixedLayout layout;
    platform::wayland::LayoutKeys keys{layout, gate};
    // What was sent after the session started.
    Calls Sent() const { return Calls(session.calls.begin() + 1, session.calls.end()); }
};

TEST(GnomeKeys, ACharacterGoesOutAsTheKeycodesOfTheUsersLayout) {
    struct Case {
        const char* name;
        const char* layout;
        char character;
        Calls expected;
    };
    // Linux input codes: 42 left Shift, 100 right Alt (AltGr on Spanish), 3 the key of 2,
    // 26 the key right of P (dead grave on Spanish), 30 A, 39 the key right of L (Ñ).
    const Case cases[] = {
        {"a plain letter", "es", 'b', {"key 48 down", "key 48 up"}},
        {"a capital holds Shift",
         "es",
         'B',
         {"key 42 down", "key 48 down", "key 48 up", "key 42 up"}},
        {"a grave vowel is its dead key, then the vowel",
         "es",
         '\xC0',
         {"key 26 down", "key 26 up", "key 42 down", "key 30 down", "key 30 up", "key 42 up"}},
        {"at sign is AltGr + 2 on Spanish",
         "es",
         '@',
         {"key 100 down", "key 3 down", "key 3 up", "key 100 up"}},
        {"capital n tilde is Shift on its own key",
         "es",
         '\xD1',
         {"key 42 down", "key 39 down", "key 39 up", "key 42 up"}},
        {"at sign is Shift + 2 on US",
         "us",
         '@',
         {"key 42 down", "key 3 down", "key 3 up", "key 42 up"}},
    };
    for (const Case& c : cases) {
        Keyboard keyboard(c.layout);
        EXPECT_TRUE(keyboard.keys.TypeCharacter(c.character)) << c.name;
        EXPECT_EQ(keyboard.Sent(), c.expected) << c.name;
    }
}

TEST(GnomeKeys, CtrlAltWithACharacterKeyIsAltGrAsOnX11) {
    Keyboard keyboard("es");
    for (auto [vk, flags] : {std::pair{platform::VK_CONTROL, 0u},
                             {platform::VK_MENU, 0u},
                             {'2', 0u},
                             {'2', platform::KEYEVENTF_KEYUP},
                             {platform::VK_MENU, platform::KEYEVENTF_KEYUP},
                             {platform::VK_CONTROL, platform::KEYEVENTF_KEYUP}}) {
        keyboard.keys.keybd_event(static_cast<uint8_t>(vk), flags);
    }
    EXPECT_EQ(keyboard.Sent(), (Calls{"key 29 down", "key 56 down", "key 29 up", "key 56 up",
                                      "key 100 down", "key 3 down", "key 3 up", "key 100 up"}));
}

TEST(GnomeKeys, NoKeyGoesOutWhileNoReceivingWindowIsKnown) {
    Keyboard keyboard("es");
    keyboard.receiverKnown = false;
    EXPECT_TRUE(keyboard.keys.TypeCharacter('b'));
    EXPECT_TRUE(keyboard.Sent().empty());
}

TEST(GnomeKeys, AKeyDownWhenTheReceiverIsLostStillComesUp) {
    Keyboard keyboard("es");
    keyboard.keys.keybd_event(platform::VK_SHIFT, 0);
    keyboard.receiverKnown = false;
    keyboard.keys.keybd_event('B', 0);
    keyboard.keys.keybd_event('B', platform::KEYEVENTF_KEYUP);
    keyboard.keys.keybd_event(platform::VK_SHIFT, platform::KEYEVENTF_KEYUP);
    EXPECT_EQ(keyboard.Sent(), (Calls{"key 42 down", "key 42 up"}));
}

TEST(GnomePointer, APlaceIsReachedFromTheBottomRightCorner) {
    struct Case {
        const char* name;
        platform::Point point;
        bool moved;
        Calls expected;
    };
    const Case cases[] = {
        {"a point of the screen", {20, 30}, true, {"motion 100000 100000", "motion -1259 -769"}},
        {"the corner itself", {1279, 799}, true, {"motion 100000 100000", "motion 0 0"}},
        {"right of the screen", {1280, 30}, false, {}},
        {"above the screen", {20, -1}, false, {}},
    };
    for (const Case& c : cases) {
        RecordingRemoteDesktop session;
        RemoteInput input(session, [] { return kScreen; });
        EXPECT_EQ(input.MoveTo(c.point), c.moved) << c.name;
        EXPECT_EQ(Calls(session.calls.begin() + 1, session.calls.end()), c.expected) << c.name;
    }
}

TEST(GnomeSession, NoSessionGivenIsAnErrorAtTheStart) {
    RecordingRemoteDesktop session;
    session.gives = false;
    EXPECT_THROW(RemoteInput(session, [] { return kScreen; }), std::runtime_error);
}

TEST(GnomeSession, AClosedSessionStopsTheKeysUntilTheCompositorIsBack) {
    struct Case {
        const char* name;
        bool givesWhenBack;
        Calls expected;
        std::vector<bool> told;
    };
    const Case cases[] = {
        {"the compositor comes back",
         true,
         {"start", "key 30 down", "start", "key 30 up", "motion 3 4", "button 272 down"},
         {false, true}},
        {"the compositor comes back but gives no session",
         false,
         {"start", "key 30 down", "start refused"},
         {false}},
    };
    for (const Case& c : cases) {
        RecordingRemoteDesktop session;
        RemoteInput input(session, [] { return kScreen; });
        std::vector<bool> told;
        input.WatchDelivery([&](bool delivering) { told.push_back(delivering); });
        input.Key(30, true);
        session.End();
        session.End();  // the bus name vanishing after the Closed signal
        input.Key(30, false);
        input.MoveBy(1, 1);
        EXPECT_FALSE(input.MoveTo({10, 10}));
        session.gives = c.givesWhenBack;
        session.ComeBack();
        input.Key(30, false);
        input.MoveBy(3, 4);
        input.Button(0x110, true);
        EXPECT_EQ(session.calls, c.expected) << c.name;
        EXPECT_EQ(told, c.told) << c.name;
        EXPECT_EQ(input.Delivering(), c.givesWhenBack) << c.name;
    }
}

}  // namespace
