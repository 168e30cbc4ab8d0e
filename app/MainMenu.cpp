#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/TFormPrincipal.h"
#include "platform/Cp1252.h"

using platform::ToQString;

namespace {

enum Check { Plain, Unticked, Ticked };

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
    MenuOpcions = menuBar()->addMenu(ToQString("&Opcions"));
    MenuObrir = AddItem(MenuOpcions, "&Obrir...");
    MenuCanviarLaFont = AddItem(MenuOpcions, "Canviar la &font...");
    MenuAjustarlagrandriadelafinestrareceptora =
        AddItem(MenuOpcions, "Ajustar la grand\xE0ria de la finestra receptora");
    MenuOpcions->addSeparator();  // N7
    MenuEnviarLesTeclesALAplicacioActiva =
        AddItem(MenuOpcions, "Enviar les tecles a l'aplicaci\xF3 activa", Ticked);
    MenuOpcions->addSeparator();  // N8
    MenuActivarLEscaneigAutomatic =
        AddItem(MenuOpcions, "Activar l'escaneig autom\xE0tic", Unticked);
    MenuPassarDuesVegades = AddItem(MenuOpcions, "Passar dues vegades", Ticked);
    MenuPassarDuesVegades->setVisible(false);
    MenuOpcions->addSeparator();  // N1
    MenuLlegirlateclaEnEscaneigAutomatic =
        AddItem(MenuOpcions, "Llegir la tecla en escaneig autom\xE0tic", Unticked);
    MenuLlegirElQueSEscriu = AddItem(MenuOpcions, "Llegir el que s'&escriu", Unticked);
    MenuOpcions->addSeparator();  // N3
    MenuLlegeixLoDeLaCarpetaSensePosarHiRes = AddItem(
        MenuOpcions, "Llegeix el que hi ha a la car&peta sense posar-hi res", Unticked, "Ctrl+P");
    MenuLlegeixLoSeleccionat = AddItem(MenuOpcions, "Llegeix lo &seleccionat", Unticked, "Ctrl+S");
    MenuOpcions->addSeparator();  // N6
    MenuSeleccionaTotTeclesEstandar =
        AddItem(MenuOpcions, "Selecciona &tot amb les tecles est\xE0ndard", Ticked, "Ctrl+T");
    MenuSeleccionaAmbCtrlA =
        AddItem(MenuOpcions, "Selecciona tot amb Ctrl+&A (Outlook Catal\xE0)", Unticked, "Ctrl+A");
    MenuSeleccionaAmbCtrlE = AddItem(
        MenuOpcions, "Selecciona tot amb Ctrl+&E (Word, Outlook Castell\xE0)", Unticked, "Ctrl+E");
    MenuOpcions->addSeparator();  // N5
    PopupLlenguatge = MenuOpcions->addMenu(ToQString("Llengua"));
    PopupCatala = AddItem(PopupLlenguatge, "Catal\xE0", Ticked);
    PopupCastellano = AddItem(PopupLlenguatge, "Castellano", Unticked);
    PopupEuskera = AddItem(PopupLlenguatge, "&Euskara", Unticked);
    PopupGalego = AddItem(PopupLlenguatge, "Galego", Unticked);
    MenuPortugues = AddItem(PopupLlenguatge, "Portugu\xEAs", Unticked);
    MenuSintetitzador = MenuOpcions->addMenu(ToQString("Sintetitzador"));
    MenuUPCTV = AddItem(MenuSintetitzador, "UPCTV", Ticked);
    PopupVeuDe = MenuSintetitzador->addMenu(ToQString("Veu de"));
    PopupDona = AddItem(PopupVeuDe, "Dona", Unticked);
    PopupHome = AddItem(PopupVeuDe, "Home", Ticked);
    MenuSintetitzador->addSeparator();  // N9
    MenuSapi51 = AddItem(MenuSintetitzador, "Sapi 5.1", Unticked);
    MenuIdiomaSapi51 = AddItem(MenuSintetitzador, "Idioma Sapi 5.1");
    MenuIdiomaSapi51->setEnabled(false);
    MenuOpcions->addSeparator();  // N4
    MenuParlantDe = AddItem(MenuOpcions, "&Parlant de...");
    MenuOpcions->addSeparator();  // N2
    MenuSortir = AddItem(MenuOpcions, "&Sortir");
}

void TFormPrincipal::OnClick(QAction* item, void (TFormPrincipal::*handler)()) {
    connect(item, &QAction::triggered, this, [this, item, handler] {
        // The handlers own the check marks: undo the toolkit's own toggling first.
        if (item->isCheckable()) item->setChecked(!item->isChecked());
        (this->*handler)();
    });
}
