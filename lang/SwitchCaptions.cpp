#include <array>

#include "lang/CaptionTable.h"

namespace lang {
namespace {

// One row per caption in the order of SwitchText; columns in the order of Llengua.
constexpr std::array<std::array<const char*, kLlengues>, kSwitchTexts> kSwitchTable = {{
    {"Commutador", "Conmutador", "Etengailua", "Conmutador", "Acionador"},
    {"Bot\xF3 esquerre del ratol\xED", "Bot\xF3n izquierdo del rat\xF3n",
     "Saguaren ezkerreko botoia", "Bot\xF3n esquerdo do rato", "Bot\xE3o esquerdo do rato"},
    {"Una tecla...", "Una tecla...", "Tekla bat...", "Unha tecla...", "Uma tecla..."},
    {"Dos commutadors: un avan\xE7"
     "a i l'altre tria...",
     "Dos conmutadores: uno avanza y el otro elige...",
     "Bi etengailu: batek aurrera egiten du eta besteak aukeratu...",
     "Dous conmutadores: un avanza e o outro escolle...",
     "Dois acionadores: um avan\xE7"
     "a e o outro escolhe..."},
    {"Avan\xE7"
     "ar sol",
     "Avanzar solo", "Berez aurrera egin", "Avanzar s\xF3",
     "Avan\xE7"
     "ar sozinho"},
    {"Mai", "Nunca", "Inoiz ez", "Nunca", "Nunca"},
    {"Despr\xE9s de %1 s", "Despu\xE9s de %1 s", "%1 s igaro ondoren", "Despois de %1 s",
     "Depois de %1 s"},
    {"Premeu ara el commutador", "Pulse ahora el conmutador", "Sakatu orain etengailua",
     "Prema agora o conmutador", "Prima agora o acionador"},
    {"Premeu ara el commutador que avan\xE7"
     "a",
     "Pulse ahora el conmutador que avanza", "Sakatu orain aurrera egiten duen etengailua",
     "Prema agora o conmutador que avanza",
     "Prima agora o acionador que avan\xE7"
     "a"},
    {"Cancel\xB7la", "Cancelar", "Utzi", "Cancelar", "Cancelar"},
    {"No es pot fer servir la tecla del commutador (%1): el commutador torna a ser el bot\xF3 "
     "esquerre del ratol\xED.",
     "No se puede usar la tecla del conmutador (%1): el conmutador vuelve a ser el bot\xF3n "
     "izquierdo del rat\xF3n.",
     "Ezin da etengailuaren tekla (%1) erabili: saguaren ezkerreko botoia da berriro etengailua.",
     "Non se pode usar a tecla do conmutador (%1): o conmutador volve ser o bot\xF3n esquerdo do "
     "rato.",
     "N\xE3o \xE9 poss\xEDvel usar a tecla do acionador (%1): o acionador volta a ser o bot\xE3o "
     "esquerdo do rato."},
    {"No es pot fer servir la tecla del commutador que avan\xE7"
     "a (%1): l'escaneig torna a ser autom\xE0tic.",
     "No se puede usar la tecla del conmutador que avanza (%1): el escaneo vuelve a ser "
     "autom\xE1tico.",
     "Ezin da aurrera egiten duen etengailuaren tekla (%1) erabili: eskaneatzea automatikoa da "
     "berriro.",
     "Non se pode usar a tecla do conmutador que avanza (%1): o escaneo volve ser autom\xE1tico.",
     "N\xE3o \xE9 poss\xEDvel usar a tecla do acionador que avan\xE7"
     "a (%1): o escaneo volta a ser autom\xE1tico."},
    {"Filtres i ritme...", "Filtros y ritmo...", "Iragazkiak eta erritmoa...", "Filtros e ritmo...",
     "Filtros e ritmo..."},
    {"Temps d'acceptaci\xF3", "Tiempo de aceptaci\xF3n", "Onartze-denbora",
     "Tempo de aceptaci\xF3n", "Tempo de aceita\xE7\xE3o"},
    {"Ignorar les pulsacions repetides", "Ignorar las pulsaciones repetidas",
     "Ez ikusi errepikatutako sakatzeak", "Ignorar as pulsaci\xF3ns repetidas",
     "Ignorar as press\xF5"
     "es repetidas"},
    {"Primera tecla d'un grup", "Primera tecla de un grupo", "Talde baten lehen tekla",
     "Primeira tecla dun grupo", "Primeira tecla de um grupo"},
    {"Rep\xF2s despr\xE9s de passades sense pr\xE9mer", "Reposo tras pasadas sin pulsar",
     "Atsedena sakatu gabeko pasaldien ondoren", "Repouso tras pasadas sen premer",
     "Repouso ap\xF3s passagens sem premir"},
    {"No", "No", "Ez", "Non", "N\xE3o"},
    {"%1 passades", "%1 pasadas", "%1 pasaldi", "%1 pasadas", "%1 passagens"},
    {"D'acord", "Aceptar", "Ados", "Aceptar", "OK"},
    {"Llegir la tecla en escaneig: m\xE9s de pressa", "Leer la tecla en escaneo: m\xE1s r\xE1pido",
     "Tekla irakurri eskaneatzean: azkarrago", "Le-la tecla en escaneo: m\xE1is r\xE1pido",
     "Ler a tecla en escaneo: mais r\xE1pido"},
    {"Llegir la tecla en escaneig amb l'altra veu (home o dona)",
     "Leer la tecla en escaneo con la otra voz (hombre o mujer)",
     "Tekla irakurri eskaneatzean beste ahotsarekin (gizona edo emakumea)",
     "Le-la tecla en escaneo coa outra voz (home ou muller)",
     "Ler a tecla en escaneo com a outra voz (homem ou mulher)"},
    {"Un bot\xF3 de joystick...", "Un bot\xF3n de joystick...", "Joystick-aren botoi bat...",
     "Un bot\xF3n de joystick...", "Um bot\xE3o de joystick..."},
    {"No es troba el joystick (%1): el commutador torna a ser el bot\xF3 esquerre del ratol\xED.",
     "No se encuentra el joystick (%1): el conmutador vuelve a ser el bot\xF3n izquierdo del "
     "rat\xF3n.",
     "Ez da joystick-a (%1) aurkitzen: saguaren ezkerreko botoia da berriro etengailua.",
     "Non se atopa o joystick (%1): o conmutador volve ser o bot\xF3n esquerdo do rato.",
     "N\xE3o se encontra o joystick (%1): o acionador volta a ser o bot\xE3o esquerdo do rato."},
    {"S'ha desconnectat el joystick (%1): el commutador torna a ser el bot\xF3 esquerre del "
     "ratol\xED.",
     "Se ha desconectado el joystick (%1): el conmutador vuelve a ser el bot\xF3n izquierdo del "
     "rat\xF3n.",
     "Joystick-a (%1) deskonektatu da: saguaren ezkerreko botoia da berriro etengailua.",
     "Desconectouse o joystick (%1): o conmutador volve ser o bot\xF3n esquerdo do rato.",
     "O joystick (%1) foi desligado: o acionador volta a ser o bot\xE3o esquerdo do rato."},
    {"No es pot llegir el joystick (%1): el commutador torna a ser el bot\xF3 esquerre del "
     "ratol\xED. Per fer-lo servir, l'usuari ha de ser del grup input o cal una regla d'udev que "
     "li doni acc\xE9s.",
     "No se puede leer el joystick (%1): el conmutador vuelve a ser el bot\xF3n izquierdo del "
     "rat\xF3n. Para usarlo, el usuario debe pertenecer al grupo input o hace falta una regla de "
     "udev que le d\xE9 acceso.",
     "Ezin da joystick-a (%1) irakurri: saguaren ezkerreko botoia da berriro etengailua. "
     "Erabiltzeko, erabiltzaileak input taldekoa izan behar du edo sarbidea ematen dion udev "
     "arau bat behar da.",
     "Non se pode ler o joystick (%1): o conmutador volve ser o bot\xF3n esquerdo do rato. Para "
     "usalo, o usuario debe pertencer ao grupo input ou cumpre unha regra de udev que lle d\xE9 "
     "acceso.",
     "N\xE3o \xE9 poss\xEDvel ler o joystick (%1): o acionador volta a ser o bot\xE3o esquerdo "
     "do rato. Para o usar, o utilizador tem de pertencer ao grupo input ou \xE9 precisa uma "
     "regra de udev que lhe d\xEA acesso."},
    {"No es pot llegir cap joystick (%1): l'usuari ha de ser del grup input o cal una regla "
     "d'udev que li doni acc\xE9s.",
     "No se puede leer ning\xFAn joystick (%1): el usuario debe pertenecer al grupo input o hace "
     "falta una regla de udev que le d\xE9 acceso.",
     "Ezin da joystick-ik (%1) irakurri: erabiltzaileak input taldekoa izan behar du edo "
     "sarbidea ematen dion udev arau bat behar da.",
     "Non se pode ler ning\xFAn joystick (%1): o usuario debe pertencer ao grupo input ou cumpre "
     "unha regra de udev que lle d\xE9 acceso.",
     "N\xE3o \xE9 poss\xEDvel ler nenhum joystick (%1): o utilizador tem de pertencer ao grupo "
     "input ou \xE9 precisa uma regra de udev que lhe d\xEA acesso."},
    {"No es troba cap joystick ni comandament de joc.",
     "No se encuentra ning\xFAn joystick ni mando de juego.",
     "Ez da joystick-ik ez joko-kontrolik aurkitzen.",
     "Non se atopa ning\xFAn joystick nin mando de xogo.",
     "N\xE3o se encontra nenhum joystick nem comando de jogo."},
}};

}  // namespace

const char* Text(SwitchText text, Llengua llengua) {
    return kSwitchTable[static_cast<size_t>(text)][static_cast<size_t>(llengua)];
}

}  // namespace lang
