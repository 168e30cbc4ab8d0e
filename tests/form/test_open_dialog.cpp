#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include "FormFixture.h"

namespace {

class OpenDialog : public FormFixture {};

// The names the dialog lists in its folder, once the model has read it.
QStringList ListedNames(QFileDialog& dialog, const QString& folder) {
    QStringList names;
    auto* files = dialog.findChild<QFileSystemModel*>();
    if (!files) return names;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        const QModelIndex parent = files->index(folder);
        if (files->canFetchMore(parent)) files->fetchMore(parent);
        names.clear();
        for (int row = 0; row < files->rowCount(parent); ++row)
            names << files->fileName(files->index(row, 0, parent));
        if (names.contains("a.QuarnelTeclat")) break;
    }
    names.sort();
    return names;
}

TEST_F(OpenDialog, AllFilesListsNamesWithoutADotToo) {
    QTemporaryDir folder;
    for (const char* name : {"a.QuarnelTeclat", "teclat", "notes.txt"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QStringList keyboardsOnly, allFiles;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(folder.path());
        keyboardsOnly = ListedNames(*dialog, folder.path());
        // The user picks the second filter in the list, as with the keyboard.
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(types, &down);
        EXPECT_EQ(platform::FromQString(types->currentText()), "Tot tipus de fitxers (*.*)");
        allFiles = ListedNames(*dialog, folder.path());
        dialog->reject();
    });
    EXPECT_EQ(form.keyboards->OpenFileDialog(), std::nullopt);
    EXPECT_EQ(keyboardsOnly, QStringList{"a.QuarnelTeclat"});
    EXPECT_EQ(allFiles, (QStringList{"a.QuarnelTeclat", "notes.txt", "teclat"}));
}

}  // namespace
