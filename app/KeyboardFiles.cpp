#include "app/KeyboardFiles.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <cmath>

#include "app/KeyboardTexts.h"
#include "keys/KeyboardFile.h"
#include "keys/SpecialKeys.h"
#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "ui/DesignTexts.h"
#include "ui/KeyTree.h"

namespace app {
namespace {

// To the nearest integer, halves to the even one.
int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

KeyboardFiles::KeyboardFiles(platform::Windows& windows, platform::Pointer& pointer, KeyTree& tree,
                             QAction& popupCatala, KeyboardHooks hooks)
    : OpenFileDialog([this] { return TriarFitxerDeTeclat(); }),
      windows_(windows),
      pointer_(pointer),
      tree_(tree),
      popupCatala_(popupCatala),
      hooks_(std::move(hooks)) {}

void KeyboardFiles::BuildKeyboard(const std::string& fitxerLiniaOrdres) {
    if (!fitxerLiniaOrdres.empty()) {
        CarregarTeclatDeLiniaOrdres(fitxerLiniaOrdres);
    } else if (!popupCatala_.isChecked()) {
        for (int i = 0; i < keys::kSpecialTopLevelNodes; ++i) delete tree_.takeTopLevelItem(0);
        AfegirTeclesEspecials();
    }
}

void KeyboardFiles::AfegirTeclesEspecials() {
    keys::KeyForest special;
    keys::AfegirTeclesEspecials(special, popupCatala_.isChecked() ? keys::KeyLanguage::Catalan
                                                                  : keys::KeyLanguage::Castilian);
    tree_.InsertAtTop(special);
    hooks_.RefrescarPrediccions();
}

bool KeyboardFiles::CarregarTeclat(const std::string& fileName) {
    // Read whole before anything changes, so a file that fails keeps the keyboard shown.
    std::optional<keys::KeyForest> keyboard = keys::ReadKeyboardFile(fileName);
    if (!keyboard) return false;
    hooks_.ForgetGroup();
    tree_.SetKeyboard(*keyboard);
    keys::ClearKeyForest(*keyboard);
    hooks_.SeguirFitxerDeTeclat(fileName);
    return true;
}

void KeyboardFiles::CarregarTeclatDeLiniaOrdres(const std::string& fileName) {
    if (!CarregarTeclat(fileName)) {
        windows_.MessageBoxA(nullptr, design::kTeclatPerDefecte, design::kCaption,
                             platform::MB_ICONINFORMATION);
        return;
    }
    pointer_.SetCursorPos(
        windows_.GetSystemMetrics(platform::SM_CXSCREEN) / 2 - design::kPunterLiniaOrdresX,
        windows_.GetSystemMetrics(platform::SM_CYSCREEN) / 2 + design::kPunterLiniaOrdresY);
    if (TeclesDeControl) AfegirTeclesEspecials();
}

void KeyboardFiles::MenuObrirClick() {
    hooks_.Seguiment(false);
    if (std::optional<std::string> fileName = OpenFileDialog()) ObrirTeclat(*fileName);
    hooks_.Seguiment(true);
}

void KeyboardFiles::ObrirTeclat(const std::string& fileName) {
    if (!CarregarTeclat(fileName)) {
        windows_.MessageBoxA(nullptr, design::kTeclatAnterior, design::kCaption,
                             platform::MB_ICONINFORMATION);
        return;
    }
    PortarPunterALaPregunta();
    const char* question =
        popupCatala_.isChecked() ? design::kPreguntaTeclesCatala : design::kPreguntaTeclesCastella;
    TeclesDeControl =
        windows_.MessageBoxA(nullptr, question, design::kCaption,
                             platform::MB_ICONQUESTION | platform::MB_YESNO) == platform::IDYES;
    if (TeclesDeControl) AfegirTeclesEspecials();
}

void KeyboardFiles::PortarPunterALaPregunta() {
    const int width = windows_.GetSystemMetrics(platform::SM_CXMAXIMIZED);
    const int height = windows_.GetSystemMetrics(platform::SM_CYMAXIMIZED);
    pointer_.SetCursorPos(width / 2 - RoundHalfEven(width * design::kPunterPreguntaX),
                          height / 2 + RoundHalfEven(height * design::kPunterPreguntaY));
}

std::optional<std::string> KeyboardFiles::TriarFitxerDeTeclat() {
    QFileDialog dialog(tree_.window(), platform::ToQString(design::kTitolObrir));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A name that does not exist is accepted: loading it reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    const QString allFiles = platform::ToQString(design::kFiltreTot);
    dialog.setNameFilters({platform::ToQString(design::kFiltreTeclat), allFiles});
    // "*.*" means every file where the design comes from; here it would hide the names
    // without a dot, so the filter that says so lists every file.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        if (filter != allFiles) return;
        if (auto* files = dialog.findChild<QFileSystemModel*>()) files->setNameFilters({"*"});
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

}  // namespace app
