#pragma once

#include <array>
#include <functional>
#include <vector>

#include "app/SettingsMenu.h"
#include "lang/CaptionTable.h"
#include "platform/Time.h"

class KeyTree;
class QAction;
struct Programa;
namespace app {
class FormPlace;
class KeyFont;
class KeyboardFiles;
}  // namespace app
namespace lang {
class Languages;
}
namespace scanning {
class Scanning;
}
namespace speech {
class Speech;
}

namespace settings {

// The parts of the window whose state the settings file keeps, besides the subsystems'.
struct ConfigParts {
    // The option items, in the order the file holds them.
    std::vector<OpcioDeMenu> opcions;
    // The languages' check items, in the order of lang::Llengua.
    std::array<QAction*, lang::kLlengues> llengues;
    QAction* PopupDona;
    KeyTree* Tree;
};

// The subsystems whose state the settings file keeps.
struct ConfigSubsystems {
    lang::Languages& languages;
    speech::Speech& speech;
    scanning::Scanning& scanning;
    app::KeyFont& font;
    app::FormPlace& place;
    app::KeyboardFiles& keyboards;
};

// The settings file orvalet.ini: read at start, written whole when the window closes.
class Configuracio {
  public:
    Configuracio(Programa& programa, platform::Time& time, ConfigParts parts,
                 ConfigSubsystems subsystems, std::function<bool()> tancada);

    // Applies the saved settings; no "Llengua" (a first run) applies nothing else.
    void CarregarConfiguracio();
    void DesarConfiguracio();
    bool EscaneigAutomaticDesat();
    // Start-up: scanning, after a short wait, when it was on at the last close.
    void RestaurarEscaneigAutomatic();
    // From the window's creation until RestaurarEscaneigAutomatic, scanning that was on at the
    // last close counts as on.
    void EsperarEscaneigPerRestaurar() { escaneigPerRestaurar_ = EscaneigAutomaticDesat(); }

  private:
    void AplicarVeuDesada();
    void AplicarFontDesada();
    void AplicarMenuDesat();
    void AplicarPosicioDesada();
    void AplicarTeclesDeControlDesades();
    void ApplyStoredSwitches();
    void SaveSwitches();
    void DesarLlenguaIVeu();
    void DesarFont();
    bool MarcaADesar(const OpcioDeMenu& opcio) const;

    Programa& programa_;
    platform::Time& time_;
    ConfigParts parts_;
    ConfigSubsystems subsystems_;
    std::function<bool()> tancada_;
    // Scanning was on at the last close and start-up has not switched it on yet.
    bool escaneigPerRestaurar_ = false;
};

}  // namespace settings
