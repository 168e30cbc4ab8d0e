#include <QLineEdit>
#include <QSpinBox>

#include "app/TFormPrincipal.h"

void TFormPrincipal::WireFieldFocus() {
    fieldFocus_ = std::make_unique<FieldFocus>(
        std::vector<QWidget*>{EditVelocitat, SpinEditTempsTimer,
                              SpinEditTempsTimer->findChild<QLineEdit*>()},
        [this] { PrendreElFocusPerEscriure(); }, [this] { TornarElFocus(); });
    connect(EditVelocitat, &QLineEdit::returnPressed, this, [this] { TornarElFocus(); });
    connect(SpinEditTempsTimer, &QSpinBox::editingFinished, this, [this] { TornarElFocus(); });
}

void TFormPrincipal::PrendreElFocusPerEscriure() {
    if (focusPerEscriure_) return;
    focusPerEscriure_ = true;
    const platform::HWND own = desktop.HandleOf(this);
    desktop.SetWindowNoActivate(own, false);
    desktop.BringWindowToTop(own);
}

void TFormPrincipal::TornarElFocus() {
    if (!focusPerEscriure_) return;
    focusPerEscriure_ = false;
    const platform::HWND own = desktop.HandleOf(this);
    desktop.SetWindowNoActivate(own, true);
    // The user goes back to the application being typed into.
    if (desktop.GetForegroundWindow() == own) tracking->TornarALaFinestraReceptora();
}
