#include "keys/DefaultKeyboard.h"

#include <initializer_list>
#include <sstream>

#include "keys/SpecialKeys.h"

namespace keys {
namespace {

// Each row: a top-level key and its children, blank-separated (Windows-1252 bytes).
struct Row {
    const char* text;
    const char* children;
};

// The signs of the NÚMEROS group, one key each; "\"" is a key of its own.
const std::initializer_list<const char*> kNumberKeys = {
    "0", "1", "2", "3",    "4", "5", "6",  "7",    "8", "9", ".", "+",    "-",    "*", "/",
    "=", "'", "?", "\xBF", "(", ")", "\"", "\xA1", "!", "%", "$", "\xAA", "\xBA", "@"};

constexpr Row kLetters[] = {
    {"A", "A \xC1 \xC0"},
    {"E", "E \xC9 \xC8"},
    {"I", "I \xCD"},
    {"O", "O \xD3 \xD2"},
    {"U", "U \xDA"},
    {"B", "B BA BE BI BO BU BLA BLE BLI BLO BLU BRA BRE BRI BRO"},
    {"C", "C CA CE CI CO CU CLA CLE CLI CLO CLU CRA CRE CRI CRO CRU"},
    {"D", "D DA DE DI DO DU DRA DRE DRI DRO DRU"},
    {"F", "F FA FE FI FO FU FLA FLE FLI FLO FLU FRA FRE FRI FRO FRU"},
    {"G", "G GA GE GI GO GU GUE GUI GLA GLE GLI GLO GLU GRA GRE GRI GRO GRU"},
    {"H", "H HA HE HI HO HU"},
    {"J", "J JA JE JI JO JU"},
    {"K", "K KA KE KI KO KU"},
    {"L", "L LA LE LI LO LU"},
    {"LL", "LL LLA LLE LLI LLO LLU"},
    {"M", "M MA ME MI MO MU"},
    {"N", "N NA NE NI NO NU"},
    {"\xD1",
     "\xD1 \xD1"
     "A \xD1"
     "E \xD1"
     "I \xD1"
     "O \xD1"
     "U"},
    {"P", "P PA PE PI PO PU PLA PLE PLI PLO PLU PRA PRE PRI PRO PRU"},
    {"Q", "Q QA QE QI QO QU QUE QUI"},
    {"R", "R RA RE RI RO RU"},
    {"RR", "RR RRA RRE RRI RRO RRU"},
    {"S", "S SA SE SI SO SU"},
    {"T", "T TA TE TI TO TU TRA TRE TRI TRO TRU"},
    {"V", "V VA VE VI VO VU"},
    {"W", "W WA WE WI WO WU"},
    {"X", "X XA XE XI XO XU"},
    {"Y", ""},
    {"Z", "Z ZA ZE ZI ZO ZU"},
};

KeyNode Group(const char* text, const char* children) {
    KeyNode node{text, {}};
    std::istringstream words(children);
    for (std::string word; words >> word;) node.children.push_back({word, {}});
    return node;
}

}  // namespace

KeyForest DefaultKeyboard() {
    KeyForest keyboard;
    AfegirTeclesEspecials(keyboard, KeyLanguage::Catalan);
    KeyNode numbers{"N\xDAMEROS", {}};
    for (const char* sign : kNumberKeys) numbers.children.push_back({sign, {}});
    keyboard.push_back(std::move(numbers));
    for (const Row& row : kLetters) keyboard.push_back(Group(row.text, row.children));
    return keyboard;
}

}  // namespace keys
