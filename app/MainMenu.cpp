#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/TFormPrincipal.h"
#include "lang/CaptionTable.h"
#include "platform/Cp1252.h"

using platform::ToQString;

namespace {

using lang::Element;

enum Check { Plain, Unticked, Ticked };

// The captions that follow the interface language are designed in Catalan.
const char* Design(Element element) { return lang::Text(element, lang::Llengua::Catala); }

QAction* AddItem(QMenu* menu, const char* caption, Check check = Plain,
                 const char* shortcut = nullptr) {
    QAction* item = menu->addAction(ToQString(caption));
    item->setCheckable(check != Plain);
    item->setChecked(check == Ticked);
    if (shortcut) item->setShortcut(QKeySequence(shortcut));
    return item;
}

}  // namespace

void TFormPrincipal::BuildMenu() {
    MenuOpcions = menuBar()->addMenu(ToQString(Design(Element::MenuOpcions)));
    MenuObrir = AddItem(MenuOpcions, Design(Element::MenuObrir));
    MenuCanviarLaFont = AddItem(MenuOpcions, Design(Element::MenuCanviarLaFont));
    MenuAjustarlagrandriadelafinestrareceptora =
        AddItem(MenuOpcions, Design(Element::MenuAjustarlagrandriadelafinestrareceptora));
    MenuOpcions->addSeparator();  // N7
    MenuEnviarLesTeclesALAplicacioActiva =
        AddItem(MenuOpcions, Design(Element::MenuEnviarLesTeclesALAplicacioActiva), Ticked);
    MenuOpcions->addSeparator();  // N8
    MenuActivarLEscaneigAutomatic =
        AddItem(MenuOpcions, Design(Element::MenuActivarLEscaneigAutomatic), Unticked);
    MenuPassarDuesVegades = AddItem(MenuOpcions, "Passar dues vegades", Ticked);
    MenuPassarDuesVegades->setVisible(false);
    BuildSwitchMenu();
    MenuOpcions->addSeparator();  // N1
    MenuLlegirlateclaEnEscaneigAutomatic =
        AddItem(MenuOpcions, Design(Element::MenuLlegirlateclaEnEscaneigAutomatic), Unticked);
    MenuLlegirElQueSEscriu =
        AddItem(MenuOpcions, Design(Element::MenuLlegirElQueSEscriu), Unticked);
    MenuPrediccioDeParaules =
        AddItem(MenuOpcions, Design(Element::MenuPrediccioDeParaules), Unticked);
    MenuEsborrarLesParaulesApreses =
        AddItem(MenuOpcions, Design(Element::MenuEsborrarLesParaulesApreses));
    MenuEsborrarLesParaulesApreses->setEnabled(false);
    MenuOpcions->addSeparator();  // N3
    MenuLlegeixLoDeLaCarpetaSensePosarHiRes = AddItem(
        MenuOpcions, Design(Element::MenuLlegeixLoDeLaCarpetaSensePosarHiRes), Unticked, "Ctrl+P");
    MenuLlegeixLoSeleccionat =
        AddItem(MenuOpcions, Design(Element::MenuLlegeixLoSeleccionat), Unticked, "Ctrl+S");
    MenuOpcions->addSeparator();  // N6
    MenuSeleccionaTotTeclesEstandar =
        AddItem(MenuOpcions, Design(Element::MenuSeleccionaTotTeclesEstandar), Ticked, "Ctrl+T");
    MenuSeleccionaAmbCtrlA =
        AddItem(MenuOpcions, Design(Element::MenuSeleccionaAmbCtrlA), Unticked, "Ctrl+A");
    MenuSeleccionaAmbCtrlE =
        AddItem(MenuOpcions, Design(Element::MenuSeleccionaAmbCtrlE), Unticked, "Ctrl+E");
    MenuOpcions->addSeparator();  // N5
    PopupLlenguatge = MenuOpcions->addMenu(ToQString(Design(Element::PopupLlenguatge)));
    PopupCatala = AddItem(PopupLlenguatge, "Catal\xE0", Ticked);
    PopupCastellano = AddItem(PopupLlenguatge, "Castellano", Unticked);
    PopupEuskera = AddItem(PopupLlenguatge, "&Euskara", Unticked);
    PopupGalego = AddItem(PopupLlenguatge, "Galego", Unticked);
    MenuPortugues = AddItem(PopupLlenguatge, "Portugu\xEAs", Unticked);
    MenuSintetitzador = MenuOpcions->addMenu(ToQString("Sintetitzador"));
    MenuUPCTV = AddItem(MenuSintetitzador, "UPCTV", Ticked);
    PopupVeuDe = MenuSintetitzador->addMenu(ToQString(Design(Element::PopupVeuDe)));
    PopupDona = AddItem(PopupVeuDe, Design(Element::PopupDona), Unticked);
    PopupHome = AddItem(PopupVeuDe, Design(Element::PopupHome), Ticked);
    MenuSintetitzador->addSeparator();  // N9
    MenuSapi51 = AddItem(MenuSintetitzador, "Sapi 5.1", Unticked);
    MenuIdiomaSapi51 = AddItem(MenuSintetitzador, "Idioma Sapi 5.1");
    MenuIdiomaSapi51->setEnabled(false);
    MenuVeuNatural = AddItem(
        MenuOpcions, lang::Text(lang::SpeechText::VeuNatural, lang::Llengua::Catala), Unticked);
    MenuOpcions->addSeparator();  // N4
    MenuParlantDe = AddItem(MenuOpcions, Design(Element::MenuParlantDe));
    MenuOpcions->addSeparator();  // N2
    MenuSortir = AddItem(MenuOpcions, Design(Element::MenuSortir));
}

void TFormPrincipal::SpeechCaptions(lang::Llengua llengua) {
    MenuVeuNatural->setText(ToQString(lang::Text(lang::SpeechText::VeuNatural, llengua)));
}

void TFormPrincipal::OnClick(QAction* item, std::function<void()> handler) {
    connect(item, &QAction::triggered, this, [item, handler = std::move(handler)] {
        // The handlers own the check marks: undo the toolkit's own toggling first.
        if (item->isCheckable()) item->setChecked(!item->isChecked());
        handler();
    });
}
