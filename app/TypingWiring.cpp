#include <QAction>
#include <QToolButton>

#include "about/TAboutBox.h"
#include "app/TFormPrincipal.h"

void TFormPrincipal::BuildTyping() {
    tracking = std::make_unique<output::Tracking>(
        desktop, desktop,
        output::TrackingHooks{
            .FormPrincipal = this,
            .AboutBox = [this]() -> QWidget* { return AboutBox; },
            .SeguirAltraFinestra = [this] { prediction->SeguirAltraFinestra(); },
            .LlocActual = [this] { return place->LlocActual(); },
            .Llengua = [this] { return languages->LlenguaDeLaInterficie; },
        });
    prediction = std::make_unique<output::WordPrediction>(
        desktop,
        output::WordPredictionParts{this, Tree, MenuPrediccioDeParaules,
                                    MenuEsborrarLesParaulesApreses},
        output::WordPredictionHooks{
            .Llengua = [this] { return languages->LlenguaDeLaInterficie; },
            .ReiniciarEscaneig = [this] { scanning->ReiniciarEscaneig(); },
        });
    typing = std::make_unique<output::Typing>(
        desktop, desktop, desktop, *tracking, *prediction,
        output::TypingParts{Tree, ButtonShift, ButtonBloqMajuscules,
                            MenuEnviarLesTeclesALAplicacioActiva, MenuLlegirElQueSEscriu},
        output::TypingHooks{
            .LlegirTecla = [this](const std::string& text) { return speech->LlegirTecla(text); },
            .TornarElFocus = [this] { TornarElFocus(); },
            .PressStarted = [this] { scanning->PressStarted(); },
            .Chosen = [this](QTreeWidgetItem* node) { scanning->Chosen(node); },
            .ReiniciarEscaneig = [this] { scanning->ReiniciarEscaneig(); },
            .PressEnded = [this] { scanning->PressEnded(); },
            .Llengua = [this] { return languages->LlenguaDeLaInterficie; },
        });
}

void TFormPrincipal::WireDispatch() {
    output::Typing& dispatch = *typing;
    connect(Tree, &KeyTree::clicked, this, [this, &dispatch] {
        if (scanning->TakesClick(Tree->LeftPressedAt(), Tree->LeftReleasedAt())) {
            dispatch.TreeClick();
        }
    });
    // "clicked" comes after the button has changed state, and never from setChecked.
    connect(ButtonShift, &QToolButton::clicked, this, [&dispatch] { dispatch.ButtonShiftClick(); });
    connect(ButtonBloqMajuscules, &QToolButton::clicked, this,
            [&dispatch] { dispatch.ButtonBloqMajusculesClick(); });
    OnClick(MenuEnviarLesTeclesALAplicacioActiva,
            [&dispatch] { dispatch.MenuEnviarLesTeclesALAplicacioActivaClick(); });
    output::Tracking& receiver = *tracking;
    OnClick(MenuAjustarlagrandriadelafinestrareceptora,
            [&receiver] { receiver.MenuAjustarlagrandriadelafinestrareceptoraClick(); });
}

void TFormPrincipal::WirePrediction() {
    output::WordPrediction& words = *prediction;
    OnClick(MenuPrediccioDeParaules, [&words] { words.MenuPrediccioDeParaulesClick(); });
    OnClick(MenuEsborrarLesParaulesApreses,
            [&words] { words.MenuEsborrarLesParaulesApresesClick(); });
}
