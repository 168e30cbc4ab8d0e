#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <memory>

#include "test_speech_fixture.h"

// The main window as created at start-up, with the recording speech library bound and an
// editor as the receiving window.
class SpeakingForm : public speechtest::SpeechForm {
  protected:
    void SetUp() override {
        Start();
        form->FormCreate();
        form->show();
        QApplication::processEvents();
        editor = desktop.AddWindow("Document - Editor");
        form->tracking->FinestraReceptora = editor;
        desktop.ClearLog();
        library.Clear();
    }

    // The engine speaks from `from` ms to `until` ms after now.
    void SpeakBetween(int from, int until) {
        speaking = desktop.CreateTimer([this] {
            speaking->stop();
            library.SetStatus(1);
        });
        silent = desktop.CreateTimer([this] {
            silent->stop();
            library.SetStatus(0);
        });
        speaking->start(from);
        silent->start(until);
    }

    void ClickRow(QTreeWidgetItem* node) {
        QWidget* client = form->Tree->viewport();
        form->Tree->scrollToItem(node);
        const QPointF at = form->Tree->visualItemRect(node).center();
        const QPointF global = client->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(client, &press);
        QApplication::sendEvent(client, &release);
    }

    std::vector<std::string> Reads() {
        std::vector<std::string> reads;
        for (const std::string& command : library.Commands()) {
            if (command.rfind("Read(", 0) == 0) reads.push_back(command);
        }
        return reads;
    }

    platform::HWND editor = 0;
    std::unique_ptr<platform::TimerSource> speaking;
    std::unique_ptr<platform::TimerSource> silent;
};
