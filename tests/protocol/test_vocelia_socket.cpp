#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "speech/protocol/VoceliaSocket.h"

namespace {

using speech::VoceliaMessage;

TEST(VoceliaSocket, AMessageLineIsThreeDecimalNumbersOrNothing) {
    struct Case {
        const char* rule;
        std::string line;
        std::optional<VoceliaMessage> message;
    };
    const Case cases[] = {
        {"the read message", "1024 0 0", VoceliaMessage{1024, 0, 0}},
        {"the close message", "16 0 0", VoceliaMessage{16, 0, 0}},
        {"parameters carried as given", "1026 7 -3", VoceliaMessage{1026, 7, -3}},
        {"an empty line", "", std::nullopt},
        {"words", "llegir ara", std::nullopt},
        {"a missing parameter", "1024 0", std::nullopt},
        {"a parameter too many", "1024 0 0 0", std::nullopt},
        {"a negative message number", "-1 0 0", std::nullopt},
        {"a negative wParam", "1024 -1 0", std::nullopt},
        {"two spaces between fields", "1024  0 0", std::nullopt},
        {"a leading space", " 1024 0 0", std::nullopt},
        {"a trailing space", "1024 0 0 ", std::nullopt},
        {"a carriage return before the line feed", "1024 0 0\r", std::nullopt},
        {"a message number past 32 bits", "4294967296 0 0", std::nullopt},
        {"a letter in a number", "1024 0 1x", std::nullopt},
        {"a plus sign", "+1024 0 0", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<VoceliaMessage> parsed = speech::ParseMessageLine(c.line);
        ASSERT_EQ(parsed.has_value(), c.message.has_value()) << c.rule;
        if (!parsed) continue;
        EXPECT_EQ(parsed->message, c.message->message) << c.rule;
        EXPECT_EQ(parsed->wParam, c.message->wParam) << c.rule;
        EXPECT_EQ(parsed->lParam, c.message->lParam) << c.rule;
    }
}

TEST(VoceliaSocket, LinesAreWrittenAsTheyAreRead) {
    EXPECT_EQ(speech::MessageLine({1024, 0, 0}), "1024 0 0\n");
    EXPECT_EQ(speech::MessageLine({1026, 7, -3}), "1026 7 -3\n");
    EXPECT_EQ(speech::ResultLine(0), "0\n");
    EXPECT_EQ(speech::ResultLine(-12), "-12\n");
}

TEST(VoceliaSocket, AResultLineIsOneNumberOrNothing) {
    struct Case {
        const char* rule;
        std::string line;
        std::optional<long> result;
    };
    const Case cases[] = {
        {"zero", "0", 0},
        {"a negative result", "-12", -12},
        {"an empty line", "", std::nullopt},
        {"two numbers", "0 0", std::nullopt},
        {"a word", "fet", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(speech::ParseResultLine(c.line), c.result) << c.rule;
}

TEST(VoceliaSocket, EachWaylandDisplayHasASocketOfItsOwn) {
    struct Case {
        const char* rule;
        std::string display;
        std::string path;
    };
    const Case cases[] = {
        {"a display in the runtime folder", "wayland-1", "/run/user/1000/vocelia-wayland-1.socket"},
        {"a display given as a path: its name", "/tmp/sway/wayland-2",
         "/run/user/1000/vocelia-wayland-2.socket"},
        {"no display named: the default one", "", "/run/user/1000/vocelia-wayland-0.socket"},
        {"a path ending in a slash: the default one", "/tmp/sway/",
         "/run/user/1000/vocelia-wayland-0.socket"},
        {"bytes unsafe in a file name become _", "way land*",
         "/run/user/1000/vocelia-way_land_.socket"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(speech::VoceliaSocketPath("/run/user/1000", c.display), c.path) << c.rule;
    }
}

TEST(VoceliaSocket, WindowMessagesOnX11AndTheSocketOnWayland) {
    struct Case {
        const char* rule;
        const char* platform;
        bool windowMessages;
    };
    const Case cases[] = {
        {"X11", "xcb", true},
        {"Wayland", "wayland", false},
        {"Wayland with EGL named", "wayland-egl", false},
        {"offscreen, as the tests run, keeps the design's messages", "offscreen", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(speech::WindowMessagesUnder(c.platform), c.windowMessages) << c.rule;
    }
}

}  // namespace
