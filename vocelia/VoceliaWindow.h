#pragma once

#include <QList>
#include <QLocale>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "vocelia/VoiceChoice.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QtSpeech;

// The bridge's window: the language and voice to speak with, what speech is doing, and the
// last text the keyboard gave. Closing it ends the bridge.
class VoceliaWindow : public QWidget {
    Q_OBJECT
  public:
    explicit VoceliaWindow(QtSpeech& speech);

    void ShowNotice(const QString& text);
    void ShowText(const QString& text);
    // Brings the window up in front of the others.
    void Present();

    // Runs while the window closes, before it leaves the screen.
    std::function<void()> onClose;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void FillLanguages(const QList<QLocale>& locales, const QLocale& current);
    void FillVoices(const QLocale& locale, const QStringList& names, const QString& current);
    void OnLanguageChosen(int index);
    void OnVoiceChosen(int index);
    void SaveChoice();

    QtSpeech& speech_;
    QComboBox* languages_;
    QComboBox* voices_;
    QLabel* notice_;
    QLineEdit* text_;
    // The choice of the last run, until the service's lists have been filled with it.
    VoiceChoice saved_;
    bool restoring_ = true;
    // The user chose a language; the choice is saved once its voices are known.
    bool languageChosen_ = false;
};
