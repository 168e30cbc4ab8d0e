#include <QString>
#include <filesystem>
#include <optional>

#include "keys/KeyboardFile.h"
#include "keys/SpecialKeys.h"
#include "platform/Cp1252.h"
#include "platform/Types.h"
#include "tests/e2e/TypingFixture.h"

// The keyboards built for scanning that come with the program, loaded from the command line:
// the keys of their first groups, clicked in lower case, type their own text.
namespace e2e {
namespace {

// The first groups hold the most used keys; later ones only repeat the same check.
constexpr size_t kGroupsTried = 2;

std::string PathOf(const char* file) {
    return (std::filesystem::path(ORVALET_KEYBOARDS_DIR) / file).string();
}

class ScanKeyboards : public TypingFixture, public ::testing::WithParamInterface<const char*> {
  protected:
    ScanKeyboards() : TypingFixture({QString::fromStdString(PathOf(GetParam()))}) {}

    void SetUp() override {
        TypingFixture::SetUp();
        platform::Rect frame;
        ASSERT_TRUE(TheDesktop().GetWindowRect(keyboard.window(), &frame));
        visibleRows = (frame.bottom - origin.y) / rowHeight - 1;
        ClickCapsLock();  // from caps lock to lower case
    }

    // Clicks the rows that reach a key and checks that its text arrives, in small letters.
    void Type(std::initializer_list<int> rows, const std::string& key) {
        for (int row : rows) {
            if (row >= visibleRows) return;  // below the window: the next groups check the same
        }
        SCOPED_TRACE(key);
        for (int row : rows) ClickRow(row);
        text += platform::ToQString(key).toLower();
        Expect(text);
        text = receiver.Text();  // a wrong key does not spoil the next ones
    }

    int visibleRows = 0;
    QString text;
};

TEST_P(ScanKeyboards, TheKeysOfTheFirstGroupsTypeTheirOwnText) {
    const std::optional<keys::KeyForest> keyboard = keys::ReadKeyboardFile(PathOf(GetParam()));
    ASSERT_TRUE(keyboard.has_value());
    size_t groups = 0;
    for (size_t top = 0; top < keyboard->size() && groups < kGroupsTried; ++top) {
        const keys::KeyNode& node = (*keyboard)[top];
        const int row = keys::kSpecialTopLevelNodes + static_cast<int>(top);
        if (node.children.empty()) {
            Type({row}, node.text);
            continue;
        }
        ++groups;
        // Its own keys, then the keys of its first group when it holds groups.
        int child = row + 1;
        for (const keys::KeyNode& key : node.children) {
            if (!key.children.empty()) {
                for (size_t inner = 0; inner < key.children.size(); ++inner) {
                    Type({row, child, child + 1 + static_cast<int>(inner)},
                         key.children[inner].text);
                }
                break;
            }
            Type({row, child++}, key.text);
        }
    }
    EXPECT_GT(text.size(), 20) << "keys were typed";
}

INSTANTIATE_TEST_SUITE_P(Shipped, ScanKeyboards,
                         ::testing::Values("catala-escaneig.QuarnelTeclat",
                                           "castellano-escaneo.QuarnelTeclat"),
                         [](const auto& info) {
                             return info.index == 0 ? "Catalan" : "Castilian";
                         });

}  // namespace
}  // namespace e2e
