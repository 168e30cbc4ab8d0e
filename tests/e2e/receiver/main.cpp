// A plain text window for the end-to-end tests: its title comes from the command line, every
// change of its text is saved to a file the tests read back (the file first appears when the
// window has the focus and takes keys), and on X11 it answers window messages with the sum of
// the message number and both parameters, logging each one in its text. Each time it loses the
// keyboard focus it adds one to the count kept in OUTPUT-FILE.focus-lost. With --log-keys it
// adds a line to OUTPUT-FILE.keys for every key event it gets, "press F12" or "release F12",
// repeats included, so that a key that types nothing is seen too.
//
// Usage: e2e_receiver TITLE OUTPUT-FILE [--above] [--log-keys]

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QWindow>
#include <optional>

#include "platform/x11/MessageReceiver.h"

namespace {

void Save(const QString& text, const QString& file) {
    QSaveFile output(file);
    if (!output.open(QIODevice::WriteOnly)) return;
    output.write(text.toUtf8());
    output.commit();
}

// Appends each key event the editor gets to the log.
class KeyLog : public QObject {
  public:
    explicit KeyLog(const QString& file) : file_(file) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool press = event->type() == QEvent::KeyPress;
        if (press || event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            QFile log(file_);
            if (log.open(QIODevice::Append)) {
                const QString line =
                    (press ? QStringLiteral("press ") : QStringLiteral("release ")) +
                    QKeySequence(key->key()).toString() + QLatin1Char('\n');
                log.write(line.toUtf8());
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QString file_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        qCritical("usage: e2e_receiver TITLE OUTPUT-FILE [--above] [--log-keys]");
        return 2;
    }
    const QString output = arguments.at(2);
    QPlainTextEdit editor;
    editor.setWindowTitle(arguments.at(1));
    if (arguments.contains(QStringLiteral("--above"))) {
        editor.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    editor.resize(400, 200);
    KeyLog keyLog(output + QStringLiteral(".keys"));
    if (arguments.contains(QStringLiteral("--log-keys"))) editor.installEventFilter(&keyLog);
    QObject::connect(&editor, &QPlainTextEdit::textChanged,
                     [&] { Save(editor.toPlainText(), output); });
    int focusLost = 0;
    bool focused = false;
    QObject::connect(&app, &QGuiApplication::focusWindowChanged, [&](QWindow* window) {
        if (window != nullptr && !QFile::exists(output)) Save(editor.toPlainText(), output);
        if (focused && window == nullptr)
            Save(QString::number(++focusLost), output + QStringLiteral(".focus-lost"));
        focused = window != nullptr;
    });
    editor.show();
    // Window messages are X11 client messages; a native Wayland receiver takes none.
    std::optional<platform::MessageReceiver> receiver;
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        receiver.emplace(&editor, [&](unsigned message, uintptr_t wParam, intptr_t lParam) {
            editor.appendPlainText(
                QStringLiteral("message %1 %2 %3").arg(message).arg(wParam).arg(lParam));
            return static_cast<long>(message + wParam + lParam);
        });
    }
    return QApplication::exec();
}
