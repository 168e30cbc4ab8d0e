#include "keys/SpecialKeys.h"

#include <array>

namespace keys {
namespace {

struct SpecialKeySet {
    const char* group;
    std::array<const char*, 10> groupKeys;
    const char* enter;
    const char* backspace;
    const char* space;
};

constexpr SpecialKeySet kCatalan = {"TECLES ESPECIALS",
                                    {"TABULADOR", "SUPRIMIR", "ESQUERRA", "DRETA", "PUJA", "BAIXA",
                                     "INICI", "FI", "RECULA P\xC0GINA",
                                     "AVAN\xC7"
                                     "A P\xC0GINA"},
                                    "RETURN",
                                    "ESBORRAR ANTERIOR",
                                    "ESPAI"};

constexpr SpecialKeySet kCastilian = {
    "TECLAS ESPECIALES",
    {"TABULADOR", "SUPRIMIR", "IZQUIERDA", "DERECHA", "SUBE", "BAJA", "INICIO", "FIN",
     "RETROCEDE P\xC1GINA", "AVANZA P\xC1GINA"},
    "RETURN",
    "BORRAR ANTERIOR",
    "ESPACIO"};

}  // namespace

void AfegirTeclesEspecials(KeyForest& keyboard, KeyLanguage language) {
    const SpecialKeySet& set = language == KeyLanguage::Catalan ? kCatalan : kCastilian;
    KeyNode group{set.group, {}};
    for (const char* key : set.groupKeys) group.children.push_back({key, {}});
    KeyForest top;
    top.push_back(std::move(group));
    top.push_back({set.enter, {}});
    top.push_back({set.backspace, {}});
    top.push_back({set.space, {}});
    keyboard.insert(keyboard.begin(), std::make_move_iterator(top.begin()),
                    std::make_move_iterator(top.end()));
}

}  // namespace keys
