#pragma once

#include <functional>

class QAction;

// The option items of the main menu that the settings file keeps, each under the item's
// own name, in the order the file holds them.
namespace settings {

// What a stored value does to its item when the settings are loaded.
enum class EfecteDeMenu {
    DesmarcaAmbNo,     // the item starts ticked; "NO" unticks it
    MarcaSiEsSi,       // the item is ticked exactly when the value is "SI"
    ClicaAmbSi,        // "SI" runs the item's click handler
    LlegitEnArrencar,  // read near the end of start-up, not with the others
};

struct OpcioDeMenu {
    const char* clau;
    QAction* item;
    const char* perDefecte;
    EfecteDeMenu efecte;
    // The item's click handler, for ClicaAmbSi and LlegitEnArrencar.
    std::function<void()> handler;
};

}  // namespace settings
