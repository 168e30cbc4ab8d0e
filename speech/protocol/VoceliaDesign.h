#pragma once

#include "platform/Constants.h"

// The protocol between the keyboard and the bridge program: the suite settings file's
// sections, keys and values, the command that starts the bridge and the window messages it
// answers. Both sides include this one header.
namespace speech {

// The suite settings file, shared by the keyboard and the bridge.
inline constexpr const char* kFitxerSuite = "projectebrunvol.ini";

// Section "VOCELIA".
inline constexpr const char* kSeccioVocelia = "VOCELIA";
inline constexpr const char* kClauStatus = "STATUS";
inline constexpr const char* kClauOrvaletObert = "orvalet";
inline constexpr const char* kClauOrvaletTancat = "Orvalet";
inline constexpr const char* kClauProgramaExecutantSe = "Programa executant-se";
inline constexpr const char* kClauLlegir = "LLEGIR";
inline constexpr const char* kClauNombreSintetitzadors =
    "Nombre de sintetitzadors SAPI 5.1 disponibles";
inline constexpr const char* kValorCert = "1";
inline constexpr const char* kValorFals = "0";
inline constexpr const char* kCapSintetitzador = "0";
// "STATUS": "0" while the bridge is silent, anything else while it speaks.
inline constexpr const char* kStatusCallat = "0";
inline constexpr const char* kStatusParlant = "1";

// Section "SINTETITZADOR": the engine chosen at the last close.
inline constexpr const char* kSeccioSintetitzador = "SINTETITZADOR";
inline constexpr const char* kClauSintetitzador = "Sintetitzador";
inline constexpr const char* kMotorSapi51 = "Sapi5.1";
inline constexpr const char* kMotorUPCTV = "UPCTV";
inline constexpr int kMidaSintetitzador = 50;

// The bridge's window title, by which the keyboard finds it, and the command that starts it.
inline constexpr const char* kVoceliaTitle = "Vocelia - Projecte Brunvol 2005";
inline constexpr const char* kOrdreVocelia = "vocelia.exe BRUNVOL";

// Window messages the bridge answers, both parameters 0.
inline constexpr unsigned kMissatgeLlegir = platform::WM_USER;
inline constexpr unsigned kMissatgeArrencada = platform::WM_USER + 1;
inline constexpr unsigned kMissatgeMostrar = platform::WM_USER + 2;

}  // namespace speech
