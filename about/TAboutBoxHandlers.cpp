#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

#include "about/AboutTexts.h"
#include "about/TAboutBox.h"
#include "platform/Constants.h"

void TAboutBox::FormCreate() { Memo1->setReadOnly(true); }

void TAboutBox::FormShow() { SetTimersEnabled(true); }

void TAboutBox::FormClose() { SetTimersEnabled(false); }

void TAboutBox::Timer1Timer() {
    if (!Image1->isHidden()) {
        ShowInstead(ImageInteligencia, Image1);
    } else if (!ImageInteligencia->isHidden()) {
        ShowInstead(ImageDedicatoria, ImageInteligencia);
    } else if (!ImageDedicatoria->isHidden()) {
        ShowInstead(Image2, ImageDedicatoria);
        Comments->setText(about::kCredits);
    } else if (!Image2->isHidden()) {
        ShowInstead(Image1, Image2);
    }
}

void TAboutBox::Timer2Timer() {
    if (!ImageOrdinador->isHidden()) {
        ShowInstead(ImageOrella, ImageOrdinador);
    } else {
        ShowInstead(ImageOrdinador, ImageOrella);
    }
}

void TAboutBox::Image2Click() { ShowInstead(Image1, Image2); }

void TAboutBox::Image1Click() { ShowInstead(ImageInteligencia, Image1); }

void TAboutBox::ImageInteligenciaClick() { ShowInstead(ImageDedicatoria, ImageInteligencia); }

void TAboutBox::ImageDedicatoriaClick() { ShowInstead(Image2, ImageDedicatoria); }

void TAboutBox::FormClick() { Memo1->setVisible(Memo1->isHidden()); }

void TAboutBox::Panel2Click() { Memo1->setVisible(Memo1->isHidden()); }

void TAboutBox::Panel1Click() { ShowLargePicture(); }

void TAboutBox::Image4Click() { ShowLargePicture(); }

void TAboutBox::VersionClick() { ShowLargePicture(); }

void TAboutBox::Image3Click() {
    Image3->hide();
    Panel1->show();
    Panel2->show();
}

void TAboutBox::CommentsClick() { Comments->setText(about::kCredits); }

void TAboutBox::LabelWebClick() {
    desktop_.ShellExecuteA("open", about::kMakerPage, "", "", platform::SW_SHOWNORMAL);
}

void TAboutBox::ShowLargePicture() {
    Panel1->hide();
    Panel2->hide();
    Image3->show();
}

void TAboutBox::ShowInstead(QWidget* shown, QWidget* hidden) {
    hidden->hide();
    shown->show();
}
