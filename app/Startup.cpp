#include "app/Startup.h"

#include <QPushButton>
#include <exception>

#include "about/TAboutBox.h"
#include "app/CommandLine.h"
#include "app/TFormPrincipal.h"
#include "lang/TFormLlengua.h"
#include "platform/Constants.h"
#include "platform/evdev/EvdevButtons.h"
#include "speech/EngineBinding.h"
#include "ui/DesignTexts.h"

Startup::Startup(platform::Desktop& desktop, std::vector<std::string> parameters)
    : programa(desktop),
      switchButtons(std::make_unique<platform::evdev::EvdevButtons>()),
      parameters_(std::move(parameters)) {}

Startup::~Startup() = default;

bool Startup::Start() {
    speech::CarregarUpcTV(programa);
    programa.FitxerLiniaOrdres = JoinParameters(parameters_);
    CreateWindows();
    AboutBox->OKButton->hide();
    if (!programa.upctv.Loaded()) FormPrincipal->speech->DesactivarControlsDeLectura();
    ShowSplash();
    if (!programa.LlenguaTriada) FormLlengua->exec();
    FormPrincipal->show();
    // The window is on screen from here on, and each wait below may see it closed: what is
    // left of start-up must then not switch anything on for a window that is gone.
    FormPrincipal->speech->RestaurarSintetitzador();
    if (FormPrincipal->Tancada()) return false;
    FormPrincipal->settings->RestaurarEscaneigAutomatic();
    if (FormPrincipal->Tancada()) return false;
    FormPrincipal->tracking->TimerCercaHandleFinestra.SetEnabled(true);
    return true;
}

void Startup::CreateWindows() {
    FormPrincipal = std::make_unique<TFormPrincipal>(programa);
    FormPrincipal->scanning->UseSwitchButtons(*switchButtons);
    try {
        FormPrincipal->FormCreate();
    } catch (const std::exception& failure) {
        // Like the toolkit's general error box: the rest of creation is skipped.
        programa.desktop.MessageBoxA(nullptr, failure.what(), design::kCaption,
                                     platform::MB_ICONERROR);
    }
    AboutBox = std::make_unique<TAboutBox>(programa.desktop);
    FormPrincipal->AboutBox = AboutBox.get();
    FormLlengua = std::make_unique<TFormLlengua>(*FormPrincipal->languages, programa.desktop);
}

void Startup::ShowSplash() {
    AboutBox->ShowAsSplash();
    FormPrincipal->Espera(design::kSplashMs);
    AboutBox->EndSplash();
}

void Startup::Finish() {
    if (programa.upctv.Loaded()) programa.upctv.Free();
}
