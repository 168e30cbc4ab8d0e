#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "tests/e2e/Receiver.h"
#include "tests/support/OrvaletProcess.h"
#include "tests/support/TestDesktop.h"
#include "tests/support/WaylandInput.h"

namespace e2e {
namespace {

// Scanning on, passing a group once, no special keys added to a keyboard from a file.
constexpr char kSettings[] =
    "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n"
    "[Menu]\r\nMenuActivarLEscaneigAutomatic=SI\r\nMenuPassarDuesVegades=NO\r\n"
    "[Tecles de control]\r\nTecles de control=NO\r\n";
// The group B alone at the top, so that the highlight rests on it until the switch opens it;
// inside, keys that all type BA in capitals, two different texts in turn so that the scan
// walks through them (two equal neighbours would end the list): whichever the highlight is
// on when the switch is pressed, BA arrives.
constexpr int kKeysInTheGroup = 24;
// Several steps of 1.2 seconds, fewer than the group holds keys.
constexpr int kIntoTheGroupMs = 4000;

QString KeyboardFile(const QTemporaryDir& folder) {
    const QString path = folder.filePath(QStringLiteral("ba.QuarnelTeclat"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write("B\r\n");
    for (int i = 0; i < kKeysInTheGroup; ++i) file.write(i % 2 == 0 ? "\tBA\r\n" : "\tba\r\n");
    return path;
}

TEST(WaylandScanning, ASwitchWhereTheScanPutsThePointerOpensBAndTypesBA) {
    WaylandInput input;
    ASSERT_TRUE(input.Connected()) << "the compositor offers no virtual pointer";
    Receiver receiver(QStringLiteral("scanning receiver"));
    ASSERT_NE(receiver.window(), 0u);
    QTemporaryDir folder;
    OrvaletProcess keyboard({KeyboardFile(folder)}, kSettings);
    ASSERT_TRUE(keyboard.WaitForMainWindow());
    ASSERT_TRUE(WaitFor([&] {
        TheDesktop().BringWindowToTop(receiver.window());
        return TitleOf(keyboard.window()) == "scanning receiver";
    })) << "the caption shows the receiving window's title";
    // Scanning starts half a second after the window shows and puts the pointer on B.
    TheDesktop().WaitForMessages(kIntoTheGroupMs);

    input.Click();
    TheDesktop().WaitForMessages(kIntoTheGroupMs);
    EXPECT_EQ(receiver.Text(), QString()) << "the switch opened the group, typing nothing";
    input.Click();
    EXPECT_TRUE(receiver.WaitForText(QStringLiteral("BA")));
    EXPECT_TRUE(WaitFor([&] { return TheDesktop().GetForegroundWindow() == receiver.window(); }))
        << "the receiving window keeps the foreground while the scan runs";
}

}  // namespace
}  // namespace e2e
