#include "lang/CaptionTable.h"

#include <array>

namespace lang {
namespace {

using Textos = std::array<const char*, kLlengues>;

// One row per item in the order of Element; columns in the order of Llengua.
constexpr std::array<Textos, kElementsTraduits> kTaula = {{
    {"&Opcions", "&Opciones", "A&ukerak", "&Opci\xF3ns",
     "&Op\xE7\xF5"
     "es "},
    {"&Obrir...", "&Abrir...", "I&rten...", "&Abrir...", "&Abrir..."},
    {"Canviar la &font...", "Cambiar la &fuente...", "&Iturria aldatu...", "Cambia-la &fonte...",
     "Trocar o &estilo de letra..."},
    {"Ajustar la grand\xE0ria de la finestra receptora",
     "Ajustar el tama\xF1o de la ventana receptora", "Leiho hartzailearen neurria egokitu",
     "Axusta-lo tama\xF1o da fiestra receptora", "Ajustar o tamanho da janela receptora"},
    {"Enviar les tecles a l'aplicaci\xF3 activa", "Enviar las teclas a la aplicaci\xF3n activa",
     "Teklak aplikazio aktibora bidali", "Envia-las teclas \xE1 aplicaci\xF3n activa",
     "Enviar as teclas \xE1 aplicaci\xF3n activa"},
    {"Activar l'escaneig autom\xE0tic", "Activar el escaneo autom\xE1tico",
     "Eskaneatze automatikoa aktibatu", "Activa-lo escaneo autom\xE1tico",
     "Activar o escaneo autom\xE1tico"},
    {"Llegir la tecla en escaneig autom\xE0tic", "Leer la tecla en escaneo autom\xE1tico",
     "Tekla irakurri eskaneatze automatikoan", "Le-la tecla en escaneo autom\xE1tico",
     "Ler a tecla en escaneo autom\xE1tico"},
    {"Llegir el que s'&escriu", "Leer lo que se est\xE1 escribiendo", "Idazten ari dena irakurri",
     "Ler o que se est\xE1 a escribir", "Ler o que se est\xE1 a escrever"},
    {"Predicci\xF3 de paraules", "Predicci\xF3n de palabras", "Hitzen iragarpena",
     "Predici\xF3n de palabras", "Previs\xE3o de palavras"},
    {"Esborrar les paraules apreses", "Borrar las palabras aprendidas", "Ikasitako hitzak ezabatu",
     "Borra-las palabras aprendidas", "Apagar as palavras aprendidas"},
    {"Llegeix el que hi ha a la car&peta sense posar-hi res",
     "Leer el contenido del portapeles (sin cambiar el contenido)",
     "Arbel-ikustailearen edukia irakurri (edukia aldatu gabe)",
     "Le-lo contido do cartafol (sen cambia-lo contido)",
     "Ler o conte\xFA"
     "do da \xE1rea de transfer\xEAncia sem lhe acrescentar nada"},
    {"Llegeix lo &seleccionat", "Leer lo seleccionado", "Aukeratua irakurri", "Ler o seleccionado",
     "Ler o selecionado"},
    {"Selecciona &tot amb les tecles est\xE0ndard", "Selecciona &todo con las teclas est\xE1ndard",
     "&Dena aukeratu estandar teklen bidez", "Selecciona &todo coas teclas est\xE1ndar",
     "Seleciona &tudo coas teclas est\xE1ndar"},
    {"Selecciona tot amb Ctrl+&A (Outlook Catal\xE0)",
     "Selecciona todo con Ctrl+&A (Outlook Catal\xE1n)",
     "Dena aukeratu Ctrl+&A (Outlook Catal\xE1n)",
     "Selecciona todo con Ctrl+&A (Outlook Catal\xE1n)",
     "Seleciona tudo con Ctrl+&A (Outlook Catal\xE1n)"},
    {"Selecciona tot amb Ctrl+&E (Word, Outlook Castell\xE0)",
     "Selecciona todo con Ctrl+&E (Word, Outlook Castellano)",
     "Dena aukeratu Ctrl+&E (Word,Outlook Castellano) teklen bidez",
     "Selecciona todo con Ctrl+&E (Word, Outlook Castellano)",
     "Seleciona tudo con Ctrl+&E (Word, Outlook Portugu\xEAs)"},
    {"Llengua", "Lenguaje", "Hizkuntza", "Linguaxe", "Linguagem"},
    {"Veu de", "Voz de", "Noren abotsa", "Voz de", "Voz de"},
    {"Dona", "Mujer", "Emakumenzkoa", "Muller", "Mulher"},
    {"Home", "Hombre", "Gizonezkoa", "Home", "Homem"},
    {"&Parlant de...", "&Acerca de...", "&Zeri buruz...", "&Acerca de...", "&Cerca de..."},
    {"&Sortir", "&Salir", "I&rten", "&Sa\xEDr", "&Sair"},
}};

// The stored values, spelled as the settings file has always held them.
constexpr Textos kValorsDesats = {"Catal\xE0", "Castell\xE0", "Euskera", "Galego", "Portugues"};

}  // namespace

const char* Text(Element element, Llengua llengua) {
    return kTaula[static_cast<size_t>(element)][static_cast<size_t>(llengua)];
}

const char* ValorDesat(Llengua llengua) { return kValorsDesats[static_cast<size_t>(llengua)]; }

std::optional<Llengua> LlenguaDesada(const std::string& valor) {
    for (int i = 0; i < kLlengues; ++i) {
        if (valor == kValorsDesats[static_cast<size_t>(i)]) return static_cast<Llengua>(i);
    }
    return std::nullopt;
}

}  // namespace lang
