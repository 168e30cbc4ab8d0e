#include <QAction>
#include <QToolButton>
#include <optional>

#include "platform/profile/ProfileFiles.h"
#include "test_speech_fixture.h"

namespace {

using speechtest::SpeechForm;

const char* const kSuite = "projectebrunvol.ini";
const char* const kBridgeTitle = "Vocelia - Projecte Brunvol 2005";

class ReadingThroughTheBridge : public SpeechForm {
  protected:
    void SetUp() override {
        Start();
        bridge = desktop.AddWindow(kBridgeTitle);
        form->speech->MenuSapi51Click();
        SetStatus("0");
        desktop.ClearLog();
        library.Clear();
    }
    void TearDown() override { SetStatus(std::nullopt); }
    static void SetStatus(std::optional<std::string> status) {
        platform::WritePrivateProfileStringA("VOCELIA", "STATUS",
                                             status ? status->c_str() : nullptr, kSuite);
    }

    platform::HWND bridge = 0;
};

TEST_F(ReadingThroughTheBridge, AKeyGoesToTheBridgeNotToTheLibrary) {
    ASSERT_TRUE(form->speech->LlegirTecla("M"));
    for (const std::string& call : library.Commands()) EXPECT_NE(call.rfind("Read(", 0), 0u);
    EXPECT_TRUE(library.Commands() == std::vector<std::string>{"Stop()"})
        << "only the stop of the status check";
    const auto messages = desktop.CallsNamed("SendMessageA");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].args[0], std::to_string(bridge));
    EXPECT_TRUE(Reading());
}

TEST_F(ReadingThroughTheBridge, TheCueVoiceChangesNothingInTheLibraryWhileTheBridgeReads) {
    ASSERT_TRUE(form->speech->LlegirTeclaEnEscaneig("M", {200, true}));
    EXPECT_TRUE(library.Commands() == std::vector<std::string>{"Stop()"})
        << "the library's voice is not the bridge's";
    EXPECT_EQ(desktop.CallsNamed("SendMessageA").size(), 1u) << "the key goes to the bridge";
}

TEST_F(ReadingThroughTheBridge, TheBridgeStatusDecidesWhenTheReadingEnds) {
    struct Case {
        const char* rule;
        std::optional<std::string> status;
        bool busy;
    };
    const Case cases[] = {
        {"1 is speaking", "1", true},
        {"only the first character counts: 10", "10", true},
        {"only the first character counts: 01", "01", false},
        {"0 is silent", "0", false},
        {"a missing status is silent", std::nullopt, false},
        {"an empty status is silent, so a reading cannot hang on it", "", false},
    };
    for (const Case& c : cases) {
        SetStatus("0");
        ASSERT_TRUE(form->speech->LlegirTecla("BA")) << c.rule;
        SetStatus(c.status);
        desktop.Advance(100);
        EXPECT_EQ(Reading(), c.busy) << c.rule;
        EXPECT_EQ(Idle(), !c.busy) << c.rule;
        form->speech->ButtonPararClick();
    }
}

TEST_F(ReadingThroughTheBridge, AKeyIsNotReadWhileTheBridgeSpeaks) {
    SetStatus("1");
    EXPECT_FALSE(form->speech->LlegirTecla("BA"));
    EXPECT_TRUE(desktop.CallsNamed("SendMessageA").empty());
    EXPECT_FALSE(programa.LecturaEnCurs);
}

TEST_F(ReadingThroughTheBridge, TheBridgeReadsEvenWithoutTheLibrary) {
    programa.upctv.Free();
    ASSERT_TRUE(form->speech->LlegirTecla("BA"));
    EXPECT_EQ(desktop.CallsNamed("SendMessageA").size(), 1u);
}

}  // namespace
