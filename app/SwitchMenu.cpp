#include <QAction>
#include <QMenu>

#include "app/TFormPrincipal.h"
#include "lang/CaptionTable.h"
#include "platform/Cp1252.h"
#include "scan/Switches.h"

using lang::SwitchText;

namespace {

QAction* AddCheckItem(QMenu* menu, bool ticked) {
    QAction* item = menu->addAction(QString());
    item->setCheckable(true);
    item->setChecked(ticked);
    return item;
}

QString Caption(SwitchText text, lang::Llengua llengua) {
    return platform::ToQString(lang::Text(text, llengua));
}

}  // namespace

// The switch items sit under the scanning toggle; the left mouse button and automatic
// scanning are ticked, as the design has them.
void TFormPrincipal::BuildSwitchMenu() {
    MenuSwitch = MenuOpcions->addMenu(QString());
    MenuSwitchMouse = AddCheckItem(MenuSwitch, true);
    MenuSwitchKey = AddCheckItem(MenuSwitch, false);
    MenuSwitchButton = AddCheckItem(MenuSwitch, false);
    MenuSwitch->addSeparator();
    MenuTwoSwitches = AddCheckItem(MenuSwitch, false);
    MenuAutoAdvance = MenuSwitch->addMenu(QString());
    MenuAutoAdvanceItems.push_back(AddCheckItem(MenuAutoAdvance, true));
    MenuAutoAdvanceItems.back()->setData(0);
    for (int seconds : scan::kAutoAdvanceChoices) {
        MenuAutoAdvanceItems.push_back(AddCheckItem(MenuAutoAdvance, false));
        MenuAutoAdvanceItems.back()->setData(seconds);
    }
    MenuSwitch->addSeparator();
    MenuSwitchRules = MenuSwitch->addAction(QString());
    SwitchCaptions(lang::Llengua::Catala);
}

void TFormPrincipal::SwitchCaptions(lang::Llengua llengua) {
    MenuSwitch->setTitle(Caption(SwitchText::SwitchMenu, llengua));
    MenuSwitchMouse->setText(Caption(SwitchText::SwitchMouse, llengua));
    MenuSwitchKey->setText(Caption(SwitchText::SwitchKey, llengua));
    MenuSwitchButton->setText(Caption(SwitchText::SwitchButton, llengua));
    MenuTwoSwitches->setText(Caption(SwitchText::TwoSwitches, llengua));
    MenuAutoAdvance->setTitle(Caption(SwitchText::AutoAdvance, llengua));
    MenuAutoAdvanceItems.front()->setText(Caption(SwitchText::AutoAdvanceNever, llengua));
    MenuSwitchRules->setText(Caption(SwitchText::RulesMenu, llengua));
    for (size_t i = 0; i < scan::kAutoAdvanceChoices.size(); ++i) {
        MenuAutoAdvanceItems[i + 1]->setText(
            Caption(SwitchText::AutoAdvanceAfter, llengua).arg(scan::kAutoAdvanceChoices[i]));
    }
}
