#include <QAction>
#include <string>
#include <vector>

#include "FormFixture.h"

namespace {

// A desktop whose compositor places every window itself, as Wayland compositors do.
class CompositorDesktop : public platform::FakeDesktop {
  public:
    bool CanPlaceWindows() override { return false; }
};

struct NoticeRow {
    const char* rule;
    QAction* TFormPrincipal::*language;
    std::string notice;
};

void PrintTo(const NoticeRow& row, std::ostream* out) { *out << row.rule; }

class FittingOnACompositor : public FormFixtureOn<CompositorDesktop>,
                             public ::testing::WithParamInterface<NoticeRow> {};

TEST_P(FittingOnACompositor, SaysTheDesktopPlacesWindowsAndMovesNone) {
    (form.*GetParam().language)->trigger();
    const platform::HWND editor = desktop.AddWindow("Document - Editor");
    desktop.SetForeground(editor);
    form.tracking->TimerCercaHandleFinestra.SetEnabled(true);
    desktop.Advance(100);
    ASSERT_EQ(form.tracking->FinestraReceptora, editor);
    desktop.ClearLog();
    form.MenuAjustarlagrandriadelafinestrareceptora->trigger();
    EXPECT_EQ(
        desktop.CallsNamed("MessageBoxA"),
        (std::vector<platform::FakeCall>{{"MessageBoxA", {GetParam().notice, "Orvalet", "64"}}}));
    EXPECT_TRUE(desktop.CallsNamed("SetWindowPos").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Languages, FittingOnACompositor,
    ::testing::Values(
        NoticeRow{"Catalan", &TFormPrincipal::PopupCatala,
                  "L'escriptori (el compositor de Wayland) col\xB7loca ell mateix les finestres: "
                  "Orvalet no pot ajustar la grand\xE0ria de la finestra receptora."},
        NoticeRow{"Castilian", &TFormPrincipal::PopupCastellano,
                  "El escritorio (el compositor de Wayland) coloca \xE9l mismo las ventanas: "
                  "Orvalet no puede ajustar el tama\xF1o de la ventana receptora."},
        NoticeRow{"Basque", &TFormPrincipal::PopupEuskera,
                  "Idazmahaiak (Wayland konposatzaileak) berak kokatzen ditu leihoak: Orvaletek "
                  "ezin du leiho hartzailearen neurria egokitu."},
        NoticeRow{"Galician", &TFormPrincipal::PopupGalego,
                  "O escritorio (o compositor de Wayland) coloca \xE9l mesmo as fiestras: Orvalet "
                  "non pode axustar o tama\xF1o da fiestra receptora."},
        NoticeRow{"Portuguese", &TFormPrincipal::MenuPortugues,
                  "O ambiente de trabalho (o compositor Wayland) posiciona ele pr\xF3prio as "
                  "janelas: o Orvalet n\xE3o pode ajustar o tamanho da janela recetora."}),
    [](const auto& info) { return std::string(info.param.rule); });

}  // namespace
