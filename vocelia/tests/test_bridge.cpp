#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <string>
#include <vector>

#include "platform/profile/ProfileFiles.h"
#include "vocelia/Bridge.h"
#include "vocelia/Speech.h"

namespace {

// A speech service that notes what it is asked and is told by the test what it does.
class ScriptedSpeech : public Speech {
  public:
    bool Connecting() const override { return connecting; }
    QString Problem() const override { return problem; }
    void Say(const QString& text) override { said.push_back(text.toStdString()); }
    void Stop() override { ++stops; }

    // The service answers at last: able to speak, or not and why.
    void Connect(const QString& why = {}) {
        connecting = false;
        problem = why;
        if (onConnected) onConnected();
    }

    bool connecting = false;
    QString problem;
    std::vector<std::string> said;
    int stops = 0;
};

std::string Status() {
    char value[8] = {};
    platform::GetPrivateProfileStringA("VOCELIA", "STATUS", "(missing)", value, sizeof value,
                                       "projectebrunvol.ini");
    return value;
}

void Leave(const char* text) {
    platform::WritePrivateProfileStringA("VOCELIA", "LLEGIR", text, "projectebrunvol.ini");
}

constexpr unsigned kRead = 1024;

// Handles events for longer than a connection limit of kShortLimitMs.
constexpr int kShortLimitMs = 10;
void OutwaitTheLimit() {
    QEventLoop loop;
    QTimer::singleShot(10 * kShortLimitMs, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(Bridge, StatusFollowsWhatTheServiceDoes) {
    struct Step {
        const char* rule;
        const char* event;  // "read", "speaking", "silent" or "close"
        std::string status;
    };
    const Step steps[] = {
        {"a new bridge reports silence", "", "0"},
        {"speaking is reported before the service begins", "read", "1"},
        {"the service begins", "speaking", "1"},
        {"the end of speech is silence", "silent", "0"},
        {"a second text", "read", "1"},
        {"the end of a text cut short by a new one is not silence", "read", "1"},
        {"the cut text ends", "silent", "1"},
        {"the new text begins", "speaking", "1"},
        {"the new text ends", "silent", "0"},
        {"a text is given", "read", "1"},
        {"closing silences it", "close", "0"},
    };
    ScriptedSpeech speech;
    platform::WritePrivateProfileStringA("VOCELIA", "STATUS", "1", "projectebrunvol.ini");
    Leave("bon dia");
    Bridge bridge(speech);
    for (const Step& step : steps) {
        const std::string event = step.event;
        if (event == "read") {
            EXPECT_EQ(bridge.Handle(kRead), 0) << step.rule;
        }
        if (event == "speaking") speech.onSpeaking();
        if (event == "silent") speech.onSilent();
        if (event == "close") bridge.Close();
        EXPECT_EQ(Status(), step.status) << step.rule;
    }
    EXPECT_EQ(speech.said.size(), 4u);
    EXPECT_EQ(speech.said.front(), "bon dia");
}

TEST(Bridge, NothingToSayKeepsSilence) {
    struct Case {
        const char* rule;
        const char* text;  // nullptr: no "LLEGIR" at all
        QString problem;
        bool said;
    };
    const Case cases[] = {
        {"a service that cannot speak is not asked", "bon dia", "no service", false},
        {"a missing text is not said", nullptr, "", false},
        {"an empty text is not said", "", "", false},
        {"accented text in Windows-1252 is said as such", "a\xE0", "", true},
    };
    for (const Case& c : cases) {
        ScriptedSpeech speech;
        speech.problem = c.problem;
        Leave(c.text);
        Bridge bridge(speech);
        bridge.Handle(kRead);
        EXPECT_EQ(Status(), c.said ? "1" : "0") << c.rule;
        EXPECT_EQ(!speech.said.empty(), c.said) << c.rule;
        if (c.said) {
            EXPECT_EQ(speech.said[0], "a\xC3\xA0") << c.rule;
        }
    }
}

TEST(Bridge, ATextGivenWhileTheServiceConnectsIsSaidOnceItCan) {
    struct Case {
        const char* rule;
        // "read <text>", "connected", "cannot speak", "limit", "speaking", "silent", "close"
        std::vector<std::string> events;
        std::string status;
        std::vector<std::string> said;
    };
    const Case cases[] = {
        {"kept while connecting: speaking is reported, nothing is said yet",
         {"read bon dia"},
         "1",
         {}},
        {"said once the service has answered", {"read bon dia", "connected"}, "1", {"bon dia"}},
        {"only the latest text is kept", {"read u", "read dos", "connected"}, "1", {"dos"}},
        {"silence once the kept text has been said",
         {"read bon dia", "connected", "speaking", "silent"},
         "0",
         {"bon dia"}},
        {"a service that answers it cannot speak drops the text",
         {"read bon dia", "cannot speak"},
         "0",
         {}},
        {"a service that never answers is given up", {"read bon dia", "limit"}, "0", {}},
        {"a text given up is not said when the service answers late",
         {"read bon dia", "limit", "connected"},
         "0",
         {}},
        {"once the service is given up, a read is not kept", {"limit", "read bon dia"}, "0", {}},
        {"closing drops the kept text", {"read bon dia", "close", "connected"}, "0", {}},
    };
    for (const Case& c : cases) {
        ScriptedSpeech speech;
        speech.connecting = true;
        speech.problem = "connecting";
        Bridge bridge(speech, kShortLimitMs);
        for (const std::string& event : c.events) {
            if (event.starts_with("read ")) {
                Leave(event.substr(5).c_str());
                bridge.Handle(kRead);
            }
            if (event == "connected") speech.Connect();
            if (event == "cannot speak") speech.Connect("no voices");
            if (event == "limit") OutwaitTheLimit();
            if (event == "speaking") speech.onSpeaking();
            if (event == "silent") speech.onSilent();
            if (event == "close") bridge.Close();
        }
        EXPECT_EQ(Status(), c.status) << c.rule;
        EXPECT_EQ(speech.said, c.said) << c.rule;
    }
}

TEST(Bridge, StartUpAndShowMessagesAskForTheWindowAndTheCloseMessageForTheEnd) {
    struct Case {
        const char* rule;
        unsigned message;
        bool shown;
        bool closeAsked;
    };
    const Case cases[] = {
        {"the start-up message", 1025, true, false},
        {"the show message", 1026, true, false},
        {"the close message, as the socket carries it", 16, false, true},
        {"an unknown message", 1027, false, false},
    };
    for (const Case& c : cases) {
        ScriptedSpeech speech;
        Bridge bridge(speech);
        bool shown = false;
        bool closeAsked = false;
        bridge.onShow = [&] { shown = true; };
        bridge.onCloseAsked = [&] { closeAsked = true; };
        EXPECT_EQ(bridge.Handle(c.message), 0) << c.rule;
        EXPECT_EQ(shown, c.shown) << c.rule;
        EXPECT_EQ(closeAsked, c.closeAsked) << c.rule;
        EXPECT_TRUE(speech.said.empty()) << c.rule;
    }
}

}  // namespace
