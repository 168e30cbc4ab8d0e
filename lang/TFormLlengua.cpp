#include "lang/TFormLlengua.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "lang/Languages.h"
#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "platform/Windows.h"

using platform::ToQString;

namespace {

constexpr const char* kCaption = "Llengua/Lengua";
constexpr const char* kCatala = "Catal\xE0";
constexpr const char* kCastellano = "Castellano";
constexpr const char* kAcord = "D'&acord";
constexpr const char* kCancel = "Cancel";

}  // namespace

namespace {
constexpr int kMinimumWidth = 260;
}  // namespace

TFormLlengua::TFormLlengua(lang::Languages& languages, platform::Windows& windows, QWidget* parent)
    : QDialog(parent), languages_(languages), windows_(windows) {
    setWindowTitle(ToQString(kCaption));
    RadioButton1 = new QRadioButton(ToQString(kCatala), this);
    RadioButton1->setChecked(true);
    RadioButtonCastellano = new QRadioButton(ToQString(kCastellano), this);
    BitBtn1 = new QPushButton(ToQString(kAcord), this);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(ToQString(kCancel), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioButton1);
    layout->addWidget(RadioButtonCastellano);
    layout->addLayout(buttons);
    // Wide enough for the window manager to show the whole caption.
    setMinimumWidth(kMinimumWidth);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    // Cancel, Escape and the window frame all leave the language as it is.
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormLlengua::BitBtn1Click() {
    if (RadioButtonCastellano->isChecked()) languages_.PopupCastellanoClick();
    accept();
}

void TFormLlengua::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentrarALaPantalla();
}

void TFormLlengua::CentrarALaPantalla() {
    const int screenWidth = windows_.GetSystemMetrics(platform::SM_CXSCREEN);
    const int screenHeight = windows_.GetSystemMetrics(platform::SM_CYSCREEN);
    const QRect outer = frameGeometry();
    move((screenWidth - outer.width()) / 2, (screenHeight - outer.height()) / 2);
}
