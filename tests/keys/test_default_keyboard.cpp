#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "keys/DefaultKeyboard.h"
#include "keys/SpecialKeys.h"

namespace {

using keys::KeyForest;
using keys::KeyNode;

int CountNodes(const KeyForest& forest) {
    int count = 0;
    for (const KeyNode& node : forest) count += 1 + CountNodes(node.children);
    return count;
}

// One line per top-level node: its text, then its children after a colon.
std::vector<std::string> Outline(const KeyForest& forest) {
    std::vector<std::string> lines;
    for (const KeyNode& node : forest) {
        std::string line = node.text;
        if (!node.children.empty()) {
            line += ":";
            for (const KeyNode& child : node.children) line += " " + child.text;
        }
        lines.push_back(line);
    }
    return lines;
}

const std::vector<std::string> kCatalanTop = {
    "TECLES ESPECIALS: TABULADOR SUPRIMIR ESQUERRA DRETA PUJA BAIXA INICI FI RECULA P\xC0GINA "
    "AVAN\xC7"
    "A P\xC0GINA",
    "RETURN", "ESBORRAR ANTERIOR", "ESPAI"};

const std::vector<std::string> kCastilianTop = {
    "TECLAS ESPECIALES: TABULADOR SUPRIMIR IZQUIERDA DERECHA SUBE BAJA INICIO FIN RETROCEDE "
    "P\xC1GINA AVANZA P\xC1GINA",
    "RETURN", "BORRAR ANTERIOR", "ESPACIO"};

const std::vector<std::string> kRest = {
    "N\xDAMEROS: 0 1 2 3 4 5 6 7 8 9 . + - * / = ' ? \xBF ( ) \" \xA1 ! % $ \xAA \xBA @",
    "A: A \xC1 \xC0",
    "E: E \xC9 \xC8",
    "I: I \xCD",
    "O: O \xD3 \xD2",
    "U: U \xDA",
    "B: B BA BE BI BO BU BLA BLE BLI BLO BLU BRA BRE BRI BRO",
    "C: C CA CE CI CO CU CLA CLE CLI CLO CLU CRA CRE CRI CRO CRU",
    "D: D DA DE DI DO DU DRA DRE DRI DRO DRU",
    "F: F FA FE FI FO FU FLA FLE FLI FLO FLU FRA FRE FRI FRO FRU",
    "G: G GA GE GI GO GU GUE GUI GLA GLE GLI GLO GLU GRA GRE GRI GRO GRU",
    "H: H HA HE HI HO HU",
    "J: J JA JE JI JO JU",
    "K: K KA KE KI KO KU",
    "L: L LA LE LI LO LU",
    "LL: LL LLA LLE LLI LLO LLU",
    "M: M MA ME MI MO MU",
    "N: N NA NE NI NO NU",
    "\xD1: \xD1 \xD1"
    "A \xD1"
    "E \xD1"
    "I \xD1"
    "O \xD1"
    "U",
    "P: P PA PE PI PO PU PLA PLE PLI PLO PLU PRA PRE PRI PRO PRU",
    "Q: Q QA QE QI QO QU QUE QUI",
    "R: R RA RE RI RO RU",
    "RR: RR RRA RRE RRI RRO RRU",
    "S: S SA SE SI SO SU",
    "T: T TA TE TI TO TU TRA TRE TRI TRO TRU",
    "V: V VA VE VI VO VU",
    "W: W WA WE WI WO WU",
    "X: X XA XE XI XO XU",
    "Y",
    "Z: Z ZA ZE ZI ZO ZU"};

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(DefaultKeyboard, HoldsThe287NodesInTheirOrder) {
    const KeyForest keyboard = keys::DefaultKeyboard();
    EXPECT_EQ(keyboard.size(), 34u);
    EXPECT_EQ(CountNodes(keyboard), 287);
    EXPECT_EQ(Outline(keyboard), Joined(kCatalanTop, kRest));
}

TEST(DefaultKeyboard, KeysNestNoDeeperThanTwoLevels) {
    for (const KeyNode& group : keys::DefaultKeyboard()) {
        for (const KeyNode& key : group.children) EXPECT_TRUE(key.children.empty()) << key.text;
    }
}

TEST(AfegirTeclesEspecials, CastilianSetReplacesTheCatalanOne) {
    KeyForest keyboard = keys::DefaultKeyboard();
    keyboard.erase(keyboard.begin(), keyboard.begin() + keys::kSpecialTopLevelNodes);
    keys::AfegirTeclesEspecials(keyboard, keys::KeyLanguage::Castilian);
    EXPECT_EQ(CountNodes(keyboard), 287);
    EXPECT_EQ(Outline(keyboard), Joined(kCastilianTop, kRest));
}

TEST(AfegirTeclesEspecials, OnAnEmptyTreeGivesFourTopNodesAndTenChildren) {
    struct Case {
        const char* name;
        keys::KeyLanguage language;
        const std::vector<std::string>& expected;
    };
    for (const Case& c : {Case{"catalan", keys::KeyLanguage::Catalan, kCatalanTop},
                          Case{"castilian", keys::KeyLanguage::Castilian, kCastilianTop}}) {
        KeyForest keyboard;
        keys::AfegirTeclesEspecials(keyboard, c.language);
        EXPECT_EQ(Outline(keyboard), c.expected) << c.name;
        EXPECT_EQ(CountNodes(keyboard), 14) << c.name;
    }
}

TEST(AfegirTeclesEspecials, TwiceAddsASecondSetOnTop) {
    KeyForest keyboard;
    keys::AfegirTeclesEspecials(keyboard, keys::KeyLanguage::Catalan);
    keys::AfegirTeclesEspecials(keyboard, keys::KeyLanguage::Castilian);
    EXPECT_EQ(Outline(keyboard), Joined(kCastilianTop, kCatalanTop));
}

}  // namespace
