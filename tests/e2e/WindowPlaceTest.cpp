#include <gtest/gtest.h>

#include <QFile>
#include <string>

#include "platform/Constants.h"
#include "tests/e2e/OptionsMenu.h"
#include "tests/e2e/Receiver.h"
#include "tests/support/OrvaletProcess.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

const QByteArray kCatala = "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n";

bool SameRect(const platform::Rect& a, const platform::Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Text(const platform::Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

QByteArray SavedSettings(const OrvaletProcess& orvalet) {
    QFile file(orvalet.configFolder() + "/orvalet.ini");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Close(OrvaletProcess& orvalet) {
    TheDesktop().SendMessageA(orvalet.window(), platform::WM_CLOSE, 0, 0);
    ASSERT_TRUE(orvalet.process().waitForFinished(5000));
}

// Waits until the window stands still where the window manager put it.
platform::Rect SettledRect(platform::HWND window) {
    platform::Rect before, now;
    TheDesktop().GetWindowRect(window, &before);
    WaitFor([&] {
        TheDesktop().WaitForMessages(300);
        TheDesktop().GetWindowRect(window, &now);
        const bool still = SameRect(before, now);
        before = now;
        return still;
    });
    return now;
}

TEST(WindowPlace, WhereTheUserLeftTheWindowItComesBackAtTheNextStart) {
    struct Case {
        const char* name;
        platform::Rect moved;  // outer sides, in screen pixels
    };
    const Case cases[] = {
        {"down the right edge", {821, 200, 1024, 700}},
        {"at the left, wider", {0, 100, 260, 600}},
        {"at the top-right place, lower", {821, 40, 1024, 675}},
    };
    for (const Case& c : cases) {
        QByteArray saved;
        platform::Rect left;
        {
            OrvaletProcess orvalet({}, kCatala);
            ASSERT_TRUE(orvalet.WaitForMainWindow()) << c.name;
            SettledRect(orvalet.window());
            // As the user drags and sizes it, through the window manager.
            TheDesktop().SetWindowPos(orvalet.window(), platform::HWND_TOP, c.moved.left,
                                      c.moved.top, c.moved.right - c.moved.left,
                                      c.moved.bottom - c.moved.top, platform::SWP_NOZORDER);
            left = SettledRect(orvalet.window());
            EXPECT_EQ(Text(left), Text(c.moved)) << c.name;
            Close(orvalet);
            saved = SavedSettings(orvalet);
        }
        OrvaletProcess again({}, saved);
        ASSERT_TRUE(again.WaitForMainWindow()) << c.name;
        EXPECT_EQ(Text(SettledRect(again.window())), Text(left)) << c.name << "\n" << saved.data();
        Close(again);
        EXPECT_EQ(SavedSettings(again).toStdString(), saved.toStdString())
            << c.name << ": the next close saves the same";
    }
}

TEST(WindowPlace, FittingTheReceiverLeavesTheScaledKeyboardUncovered) {
    for (const char* scale : {"1", "1.5", "2"}) {
        Receiver receiver(QStringLiteral("fitted receiver"));
        OrvaletProcess keyboard({}, kCatala, {QStringLiteral("QT_SCALE_FACTOR=") + scale});
        ASSERT_TRUE(keyboard.WaitForMainWindow()) << scale;
        ASSERT_TRUE(WaitFor([&] {
            TheDesktop().BringWindowToTop(receiver.window());
            return TitleOf(keyboard.window()) == "fitted receiver";
        })) << scale;
        const platform::Rect keyboardRect = SettledRect(keyboard.window());
        // The third item of Opcions, "Ajustar la grandària de la finestra receptora".
        ChooseOption(keyboard.window(), 2, std::stod(scale));
        const int maximizedWidth = TheDesktop().GetSystemMetrics(platform::SM_CXMAXIMIZED);
        platform::Rect fitted;
        EXPECT_TRUE(WaitFor([&] {
            TheDesktop().GetWindowRect(receiver.window(), &fitted);
            return fitted.left == 0 && fitted.right > maximizedWidth / 2;
        })) << scale
            << ": " << Text(fitted);
        EXPECT_LE(fitted.right, keyboardRect.left) << scale << ": the receiver covers the keys";
        EXPECT_GE(fitted.right, keyboardRect.left - 2) << scale << ": a strip is wasted";
        Close(keyboard);
    }
}

}  // namespace
}  // namespace e2e
