#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "platform/Cp1252.h"
#include "tests/e2e/KeyboardLayouts.h"
#include "tests/e2e/TypingFixture.h"

namespace e2e {
namespace {

// A keyboard file of seven top-level keys, below the four special rows added at its top.
constexpr const char* kKeys[] = {"\xC0", "\xE9", "@", "\xD1", "\xBF", "7", "\xE7"};
enum Key { kAGrave = 4, kEAcute, kAt, kEnye, kInvertedQuestion, kSeven, kCedilla };

QString KeyboardFile() {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("layouts.QuarnelTeclat"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        for (const char* key : kKeys) file.write(QByteArray(key) + '\n');
    }
    return path;
}

enum class Toggle { None, Shift, CapsLock };

struct Row {
    const char* rule;
    Toggle clickedFirst;
    Key key;
    const char* arrives;  // Windows-1252
};

// From caps lock, as at start, back to caps lock.
const Row kRows[] = {
    {"caps lock: \xC0 arrives as \xC0", Toggle::None, kAGrave, "\xC0"},
    {"caps lock: \xD1 arrives as \xD1", Toggle::None, kEnye, "\xD1"},
    {"caps lock: \xE9 arrives as \xC9", Toggle::None, kEAcute, "\xC9"},
    {"caps lock: @ arrives as @", Toggle::None, kAt, "@"},
    {"lower case: \xE9 arrives as \xE9", Toggle::CapsLock, kEAcute, "\xE9"},
    {"lower case: \xE7 arrives as \xE7", Toggle::None, kCedilla, "\xE7"},
    {"lower case: \xBF arrives as \xBF", Toggle::None, kInvertedQuestion, "\xBF"},
    {"lower case: \xC0 arrives as \xE0", Toggle::None, kAGrave, "\xE0"},
    {"one-shot shift: 7 arrives as 7 and keeps the shift", Toggle::Shift, kSeven, "7"},
    {"one-shot shift: \xE7 arrives as \xC7", Toggle::None, kCedilla, "\xC7"},
    {"the shift is used up: \xD1 arrives as \xF1", Toggle::None, kEnye, "\xF1"},
    {"caps lock again: \xE7 arrives as \xC7", Toggle::CapsLock, kCedilla, "\xC7"},
};

class Layouts : public TypingFixture {
  protected:
    Layouts() : TypingFixture({KeyboardFile()}) {}

    void Click(Toggle toggle) {
        if (toggle == Toggle::Shift) ClickShift();
        if (toggle == Toggle::CapsLock) ClickCapsLock();
    }

    SpanishLayoutAfterwards restore;
};

TEST_F(Layouts, EveryKeyArrivesAsWrittenOnEachLayoutTheUserSwitchesTo) {
    QString text;
    for (const char* layout : {"es", "us", "fr", "de", "pt"}) {
        ASSERT_TRUE(SetLayout({layout}));
        for (const Row& row : kRows) {
            SCOPED_TRACE(std::string(layout) + ": " + row.rule);
            Click(row.clickedFirst);
            ClickRow(row.key);
            text += platform::ToQString(row.arrives);
            Expect(text);
            text = receiver.Text();  // a wrong row does not spoil the next ones
        }
    }
}

}  // namespace
}  // namespace e2e
