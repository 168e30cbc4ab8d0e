#include "vocelia/VoceliaWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "platform/Cp1252.h"
#include "speech/protocol/VoceliaDesign.h"
#include "vocelia/QtSpeech.h"
#include "vocelia/VoceliaTexts.h"

VoceliaWindow::VoceliaWindow(QtSpeech& speech)
    : speech_(speech),
      languages_(new QComboBox(this)),
      voices_(new QComboBox(this)),
      notice_(new QLabel(this)),
      text_(new QLineEdit(this)),
      saved_(LlegirEleccio()) {
    setWindowTitle(platform::ToQString(speech::kVoceliaTitle));
    text_->setReadOnly(true);
    notice_->setWordWrap(true);
    auto* layout = new QFormLayout(this);
    layout->addRow(QString::fromUtf8(texts::kIdioma), languages_);
    layout->addRow(QString::fromUtf8(texts::kVeu), voices_);
    layout->addRow(QString::fromUtf8(texts::kDarrerText), text_);
    layout->addRow(notice_);
    ShowNotice(speech_.Problem());
    connect(&speech_, &QtSpeech::ProblemChanged, this, [this](const QString& problem) {
        ShowNotice(problem.isEmpty() ? QString::fromUtf8(texts::kPreparat) : problem);
    });
    connect(&speech_, &QtSpeech::Languages, this, &VoceliaWindow::FillLanguages);
    connect(&speech_, &QtSpeech::Voices, this, &VoceliaWindow::FillVoices);
    connect(languages_, &QComboBox::currentIndexChanged, this,
            [this](int index) { OnLanguageChosen(index); });
    connect(voices_, &QComboBox::currentIndexChanged, this,
            [this](int index) { OnVoiceChosen(index); });
}

void VoceliaWindow::ShowNotice(const QString& text) { notice_->setText(text); }

void VoceliaWindow::ShowText(const QString& text) { text_->setText(text); }

void VoceliaWindow::Present() {
    showNormal();
    raise();
    activateWindow();
}

void VoceliaWindow::closeEvent(QCloseEvent* event) {
    if (onClose) onClose();
    event->accept();
}

void VoceliaWindow::FillLanguages(const QList<QLocale>& locales, const QLocale& current) {
    const QSignalBlocker quiet(languages_);
    languages_->clear();
    for (const QLocale& locale : locales) {
        languages_->addItem(
            locale.nativeLanguageName() + QStringLiteral(" (") + locale.name() + u')', locale);
    }
    const int chosen = TriarIdioma(locales, saved_.idioma, current);
    if (chosen < 0) return;
    languages_->setCurrentIndex(chosen);
    if (locales[chosen] != current) speech_.SetLocale(locales[chosen]);
}

void VoceliaWindow::FillVoices(const QLocale& locale, const QStringList& names,
                               const QString& current) {
    // The voices of a language left meanwhile are of no use.
    if (locale != languages_->currentData().toLocale()) return;
    {
        const QSignalBlocker quiet(voices_);
        voices_->clear();
        voices_->addItems(names);
        const int chosen = TriarVeu(names, restoring_ ? saved_.veu : current);
        if (chosen >= 0) {
            voices_->setCurrentIndex(chosen);
            if (names[chosen] != current) speech_.SetVoice(names[chosen]);
        }
    }
    restoring_ = false;
    if (languageChosen_) SaveChoice();
    languageChosen_ = false;
}

void VoceliaWindow::OnLanguageChosen(int index) {
    if (index < 0) return;
    restoring_ = false;
    languageChosen_ = true;
    speech_.SetLocale(languages_->itemData(index).toLocale());
}

void VoceliaWindow::OnVoiceChosen(int index) {
    if (index < 0) return;
    speech_.SetVoice(voices_->itemText(index));
    SaveChoice();
}

void VoceliaWindow::SaveChoice() {
    DesarEleccio({languages_->currentData().toLocale().name(), voices_->currentText()});
}
