#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <cmath>

#include "app/KeyboardTexts.h"
#include "app/TFormPrincipal.h"
#include "keys/KeyboardFile.h"
#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "ui/DesignTexts.h"

namespace {

// To the nearest integer, halves to the even one.
int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

bool TFormPrincipal::CarregarTeclat(const std::string& fileName) {
    // Read whole before anything changes, so a file that fails keeps the keyboard shown.
    std::optional<keys::KeyForest> keyboard = keys::ReadKeyboardFile(fileName);
    if (!keyboard) return false;
    scanning->ForgetGroup();
    Tree->SetKeyboard(*keyboard);
    keys::ClearKeyForest(*keyboard);
    prediction->RefrescarPrediccions();
    return true;
}

void TFormPrincipal::CarregarTeclatDeLiniaOrdres() {
    if (!CarregarTeclat(programa.FitxerLiniaOrdres)) {
        desktop.MessageBoxA(nullptr, design::kTeclatPerDefecte, design::kCaption,
                            platform::MB_ICONINFORMATION);
        return;
    }
    desktop.SetCursorPos(
        desktop.GetSystemMetrics(platform::SM_CXSCREEN) / 2 - design::kPunterLiniaOrdresX,
        desktop.GetSystemMetrics(platform::SM_CYSCREEN) / 2 + design::kPunterLiniaOrdresY);
    if (TeclesDeControl) AfegirTeclesEspecials();
}

void TFormPrincipal::MenuObrirClick() {
    tracking->TimerCercaHandleFinestra.SetEnabled(false);
    if (std::optional<std::string> fileName = OpenFileDialog()) ObrirTeclat(*fileName);
    tracking->TimerCercaHandleFinestra.SetEnabled(true);
}

void TFormPrincipal::ObrirTeclat(const std::string& fileName) {
    if (!CarregarTeclat(fileName)) {
        desktop.MessageBoxA(nullptr, design::kTeclatAnterior, design::kCaption,
                            platform::MB_ICONINFORMATION);
        return;
    }
    PortarPunterALaPregunta();
    const char* question =
        PopupCatala->isChecked() ? design::kPreguntaTeclesCatala : design::kPreguntaTeclesCastella;
    TeclesDeControl =
        desktop.MessageBoxA(nullptr, question, design::kCaption,
                            platform::MB_ICONQUESTION | platform::MB_YESNO) == platform::IDYES;
    if (TeclesDeControl) AfegirTeclesEspecials();
}

void TFormPrincipal::PortarPunterALaPregunta() {
    const int width = desktop.GetSystemMetrics(platform::SM_CXMAXIMIZED);
    const int height = desktop.GetSystemMetrics(platform::SM_CYMAXIMIZED);
    desktop.SetCursorPos(width / 2 - RoundHalfEven(width * design::kPunterPreguntaX),
                         height / 2 + RoundHalfEven(height * design::kPunterPreguntaY));
}

std::optional<std::string> TFormPrincipal::TriarFitxerDeTeclat() {
    QFileDialog dialog(this, platform::ToQString(design::kTitolObrir));
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
