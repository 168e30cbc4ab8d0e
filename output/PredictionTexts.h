#pragma once

#include <array>

#include "lang/CaptionTable.h"

// What word prediction shows and says, in the order of lang::Llengua (Windows-1252 bytes).
namespace output {

using TextsByLanguage = std::array<const char*, lang::kLlengues>;

// The label of the group of predictions at the top of the tree.
inline constexpr TextsByLanguage kGrupDePrediccions = {"PREDICCIONS", "PREDICCIONES", "IRAGARPENAK",
                                                       "PREDICI\xD3NS",
                                                       "PREVIS\xD5"
                                                       "ES"};

inline constexpr TextsByLanguage kParaulesMalmeses = {
    "Les paraules apreses estaven malmeses i s'han deixat de banda: la predicci\xF3 continua "
    "nom\xE9s amb el l\xE8xic.",
    "Las palabras aprendidas estaban da\xF1"
    "adas y se han dejado aparte: la predicci\xF3n "
    "sigue solo con el l\xE9xico.",
    "Ikasitako hitzak hondatuta zeuden eta alde batera utzi dira: iragarpenak lexikoarekin "
    "bakarrik jarraitzen du.",
    "As palabras aprendidas estaban danadas e deix\xE1ronse \xE1 parte: a predici\xF3n segue "
    "s\xF3 co l\xE9xico.",
    "As palavras aprendidas estavam danificadas e foram postas de parte: a previs\xE3o "
    "continua s\xF3 com o l\xE9xico.",
};

inline constexpr TextsByLanguage kSenseLexic = {
    "No es troba el l\xE8xic de la predicci\xF3: nom\xE9s s'oferiran les paraules apreses.",
    "No se encuentra el l\xE9xico de la predicci\xF3n: solo se ofrecer\xE1n las palabras "
    "aprendidas.",
    "Ez da iragarpenaren lexikoa aurkitu: ikasitako hitzak bakarrik eskainiko dira.",
    "Non se atopa o l\xE9xico da predici\xF3n: s\xF3 se ofrecer\xE1n as palabras aprendidas.",
    "N\xE3o se encontra o l\xE9xico da previs\xE3o: s\xF3 ser\xE3o oferecidas as palavras "
    "aprendidas.",
};

inline constexpr TextsByLanguage kPreguntaEsborrar = {
    "Voleu esborrar totes les paraules que la predicci\xF3 ha apr\xE8s?",
    "\xBFQuiere borrar todas las palabras que la predicci\xF3n ha aprendido?",
    "Iragarpenak ikasitako hitz guztiak ezabatu nahi dituzu?",
    "Quere borrar todas as palabras que a predici\xF3n aprendeu?",
    "Quer apagar todas as palavras que a previs\xE3o aprendeu?",
};

inline const char* TextIn(const TextsByLanguage& texts, lang::Llengua llengua) {
    return texts[static_cast<size_t>(llengua)];
}

}  // namespace output
