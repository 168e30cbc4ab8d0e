#include <QCoreApplication>
#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <optional>
#include <vector>

#include "keys/KeyTyping.h"
#include "keys/KeyboardFile.h"
#include "keys/SpecialKeys.h"
#include "platform/Cp1252.h"
#include "platform/Types.h"
#include "predict/DataFolder.h"
#include "predict/PredictionLayout.h"
#include "predict/TypedText.h"
#include "predict/WordModel.h"
#include "tests/e2e/TypingFixture.h"

// The keyboards built for scanning that come with the program, loaded from the command line:
// the keys of their first groups, clicked in lower case, type their own text, with word
// prediction off and on (its group then stands where the layout file beside the keyboard
// says).
namespace e2e {
namespace {

// The first group holds the most used keys, and its first group of keys the most used of
// all; later ones only repeat the same check.
constexpr size_t kGroupsTried = 1;

std::string PathOf(const char* file) {
    return (std::filesystem::path(ORVALET_KEYBOARDS_DIR) / file).string();
}

struct Shipped {
    const char* file;
    bool prediction;
};

const QByteArray kPredictionOff = "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n";
const QByteArray kPredictionOn =
    "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n[Menu]\r\nMenuPrediccioDeParaules=SI\r\n";

class ScanKeyboards : public TypingFixture, public ::testing::WithParamInterface<Shipped> {
  protected:
    ScanKeyboards()
        : TypingFixture(GetParam().prediction ? kPredictionOn : kPredictionOff,
                        {"XDG_DATA_HOME=" + DataFolder().path()},
                        {QString::fromStdString(PathOf(GetParam().file))}) {}

    // What the predictions learn stays out of the user's folder; made before the keyboard
    // starts, which the fixture's members are not.
    static QTemporaryDir& DataFolder() {
        static QTemporaryDir folder;
        return folder;
    }

    void SetUp() override {
        TypingFixture::SetUp();
        platform::Rect frame;
        ASSERT_TRUE(TheDesktop().GetWindowRect(keyboard.window(), &frame));
        // The last whole row too is left alone: a click there may scroll the tree.
        visibleRows = (frame.bottom - origin.y) / rowHeight - 2;
        ClickCapsLock();  // from caps lock to lower case
        if (GetParam().prediction) {
            layout = predict::LayoutBeside(PathOf(GetParam().file));
            model.emplace();
            model->LoadLexicon(predict::InstalledLexicon(
                "ca", QCoreApplication::applicationDirPath().toStdString()));
        }
    }

    // The group of predictions shows at its place only while it has some to offer: next keys
    // always, words when the lexicon has some for the word being typed. The test follows the
    // same words the keyboard does, to know where the keys are below a top-level row.
    int PredictionRows(int topLevelRow) {
        if (!model || static_cast<size_t>(topLevelRow) < layout.place) return 0;
        if (layout.keys > 0) return 1;
        const std::optional<predict::Word>& typing = typed.Typing();
        return typing && layout.words > 0 &&
                       !model->Predict(typing->previous, typing->text, layout.words).empty()
                   ? 1
                   : 0;
    }

    // Clicks the rows that reach a key and checks that its text arrives, in small letters.
    void Type(std::initializer_list<int> keyboardRows, const std::string& key) {
        const int shift = PredictionRows(*keyboardRows.begin());
        std::vector<int> rows;
        for (int row : keyboardRows) rows.push_back(row + shift);
        for (int row : rows) {
            if (row >= visibleRows) return;  // below the window: the next groups check the same
        }
        SCOPED_TRACE(key);
        for (int row : rows) ClickRow(row);
        text += platform::ToQString(key).toLower();
        Expect(text);
        text = receiver.Text();  // a wrong key does not spoil the next ones
        // A sign such as "." leaves its groups open, as digits do, when scanning is off: a
        // click on the top group closes them all again.
        const keys::KeyTyping typing = keys::WhatAKeyTypes(key);
        if (model) {
            for (const predict::WordChange& change : typed.Type(typing.characters))
                model->Learn(change);
        }
        if (!typing.closesGroups && rows.size() > 1) {
            ClickRow(*keyboardRows.begin() + PredictionRows(*keyboardRows.begin()));
        }
    }

    int visibleRows = 0;
    QString text;
    std::optional<predict::WordModel> model;
    predict::PredictionLayout layout;
    predict::TypedText typed;
};

TEST_P(ScanKeyboards, TheKeysOfTheFirstGroupsTypeTheirOwnText) {
    const std::optional<keys::KeyForest> keyboard = keys::ReadKeyboardFile(PathOf(GetParam().file));
    ASSERT_TRUE(keyboard.has_value());
    const int first = keys::kSpecialTopLevelNodes;
    size_t groups = 0;
    for (size_t top = 0; top < keyboard->size() && groups < kGroupsTried; ++top) {
        const keys::KeyNode& node = (*keyboard)[top];
        const int row = first + static_cast<int>(top);
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
                         ::testing::Values(Shipped{"catala-escaneig.QuarnelTeclat", false},
                                           Shipped{"castellano-escaneo.QuarnelTeclat", false},
                                           Shipped{"catala-escaneig.QuarnelTeclat", true},
                                           Shipped{"castellano-escaneo.QuarnelTeclat", true}),
                         [](const auto& info) {
                             return std::string(info.index % 2 == 0 ? "Catalan" : "Castilian") +
                                    (info.param.prediction ? "WithPrediction" : "");
                         });

}  // namespace
}  // namespace e2e
