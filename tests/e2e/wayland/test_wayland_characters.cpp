#include <gtest/gtest.h>

#include <QString>

#include "tests/e2e/Receiver.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

// What each printable character of Windows-1252 is in Unicode: the Latin-1 bytes are their
// own code points, and the code page's table gives the rest.
QString CodePageText(unsigned char from, unsigned char to) {
    QString text;
    for (unsigned byte = from; byte <= to; ++byte) text += QChar(byte);
    return text;
}
const QString kCodePageExtras = QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
const char kExtraBytes[] =
    "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98\x99"
    "\x9A\x9B\x9C\x9E\x9F";

TEST(WaylandCharacters, EveryPrintableCharacterArrivesAsItselfInANativeWaylandApplication) {
    Receiver receiver(QStringLiteral("characters receiver"));
    ASSERT_NE(receiver.window(), 0u);
    struct Row {
        const char* rule;
        std::string bytes;
        QString arrives;
    };
    std::string ascii, latin1;
    for (unsigned byte = 0x20; byte <= 0x7E; ++byte) ascii += static_cast<char>(byte);
    for (unsigned byte = 0xA1; byte <= 0xFF; ++byte) latin1 += static_cast<char>(byte);
    const Row rows[] = {
        {"ASCII signs, digits and letters", ascii, CodePageText(0x20, 0x7E)},
        {"the no-break space, which the editor gives back as a blank", "\xA0", " "},
        {"the rest of the Latin-1 half, accents and Ñ included", latin1, CodePageText(0xA1, 0xFF)},
        {"the code page's own characters", kExtraBytes, kCodePageExtras},
    };
    QString text;
    for (const Row& row : rows) {
        ASSERT_TRUE(TheDesktop().BringWindowToTop(receiver.window()));
        for (char character : row.bytes) {
            EXPECT_TRUE(TheDesktop().TypeCharacter(character)) << row.rule << ": " << +character;
        }
        text += row.arrives;
        EXPECT_TRUE(receiver.WaitForText(text))
            << row.rule << ": got " << receiver.Text().toStdString();
    }
}

}  // namespace
}  // namespace e2e
