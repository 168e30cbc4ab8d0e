#include <gtest/gtest.h>

#include <QCursor>
#include <QFile>

#include "platform/Constants.h"
#include "tests/e2e/OptionsMenu.h"
#include "tests/support/OrvaletProcess.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

QByteArray Settings(const OrvaletProcess& orvalet) {
    QFile file(orvalet.configFolder() + "/orvalet.ini");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void CloseThroughTheWindowManager(OrvaletProcess& orvalet) {
    TheDesktop().SendMessageA(orvalet.window(), platform::WM_CLOSE, 0, 0);
    ASSERT_TRUE(orvalet.process().waitForFinished(5000));
    EXPECT_EQ(orvalet.process().exitCode(), 0);
}

TEST(Settings, OptionsChangedThroughTheMenuAreBackAfterARestart) {
    QByteArray saved;
    {
        OrvaletProcess orvalet;
        ASSERT_TRUE(orvalet.WaitForMainWindow());
        // Obrir, Canviar la font, Ajustar, then "Enviar les tecles a l'aplicació activa".
        ChooseOption(orvalet.window(), 3);
        // ... and one further down, "Activar l'escaneig automàtic".
        ChooseOption(orvalet.window(), 4);
        CloseThroughTheWindowManager(orvalet);
        saved = Settings(orvalet);
    }
    ASSERT_TRUE(saved.contains("MenuEnviarLesTeclesALAplicacioActiva=NO\r\n")) << saved.data();
    ASSERT_TRUE(saved.contains("MenuActivarLEscaneigAutomatic=SI\r\n")) << saved.data();

    // The second run must load both options to write them back unchanged.
    OrvaletProcess again({}, saved);
    ASSERT_TRUE(again.WaitForMainWindow());
    TheDesktop().WaitForMessages(800);  // scanning starts half a second after the window shows
    CloseThroughTheWindowManager(again);
    const QByteArray resaved = Settings(again);
    EXPECT_TRUE(resaved.contains("MenuEnviarLesTeclesALAplicacioActiva=NO\r\n")) << resaved.data();
    EXPECT_TRUE(resaved.contains("MenuActivarLEscaneigAutomatic=SI\r\n")) << resaved.data();
}

TEST(Settings, APathWithABlankGivenAsTwoArgumentsLoads) {
    QTemporaryDir folder;
    QFile keyboard(folder.filePath("teclat nou.QuarnelTeclat"));
    ASSERT_TRUE(keyboard.open(QIODevice::WriteOnly));
    keyboard.write("HOLA\r\n\tHO\r\n");
    keyboard.close();
    TheDesktop().SetCursorPos(3, 3);
    OrvaletProcess orvalet({folder.filePath("teclat"), "nou.QuarnelTeclat"});
    // Only a keyboard that loaded moves the pointer to just below the screen's centre.
    const QPoint expected(TheDesktop().GetSystemMetrics(platform::SM_CXSCREEN) / 2 - 43,
                          TheDesktop().GetSystemMetrics(platform::SM_CYSCREEN) / 2 + 52);
    EXPECT_TRUE(WaitFor([&] { return QCursor::pos() == expected; })) << QCursor::pos().x();
    ASSERT_TRUE(orvalet.WaitForMainWindow());
    CloseThroughTheWindowManager(orvalet);
}

TEST(Settings, EveryWordOfTheCommandLineIsPartOfTheFileName) {
    for (const QStringList& words : {QStringList{"my", "-reverse", "file"},
                                     QStringList{"-style", "fusion"}, QStringList{"-platform"}}) {
        QTemporaryDir folder;
        QStringList arguments = words;
        arguments.front() = folder.filePath(words.front());
        QFile keyboard(arguments.join(' '));
        ASSERT_TRUE(keyboard.open(QIODevice::WriteOnly));
        keyboard.write("HOLA\r\n\tHO\r\n");
        keyboard.close();
        TheDesktop().SetCursorPos(3, 3);
        OrvaletProcess orvalet(arguments);
        // Only a keyboard that loaded moves the pointer to just below the screen's centre.
        const QPoint expected(TheDesktop().GetSystemMetrics(platform::SM_CXSCREEN) / 2 - 43,
                              TheDesktop().GetSystemMetrics(platform::SM_CYSCREEN) / 2 + 52);
        EXPECT_TRUE(WaitFor([&] { return QCursor::pos() == expected; }))
            << words.join(' ').toStdString();
        ASSERT_TRUE(orvalet.WaitForMainWindow()) << words.join(' ').toStdString();
        CloseThroughTheWindowManager(orvalet);
    }
}

}  // namespace
}  // namespace e2e
