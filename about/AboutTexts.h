#pragma once

#include <QString>

// The about box keeps these texts in every interface language.
namespace about {

inline const QString kCaption = QStringLiteral("Parlant de...");
inline const QString kVersion = QStringLiteral("Versió 68 - 20/06/2016");
inline const QString kQuotation = QStringLiteral(
    "Las alegrías no vienen sólo de los éxitos conseguidos, sinó, y sobretodo, de las "
    "dificultades superadas");
inline const QString kOkCaption = QStringLiteral("D'acord");

// The maker's page, opened in the user's browser from the maker's line.
inline constexpr const char* kMakerPage = "https://orvalet.org/";
inline const QString kMakerLine = QStringLiteral("Un programa del projecte Orvalet");

inline const QString kCredits = QStringLiteral(
    "Projecte Orvalet, amb l'escola que el va veure créixer i els alumnes, mestres i famílies "
    "que l'han provat");

inline const QString kLargePictureHint =
    QStringLiteral("Orvalet: un teclat a la pantalla que escriu síl·laba a síl·laba");

inline const QString kMemoText = QStringLiteral(
    "«Caminante, no hay camino, se hace camino al andar.»\n"
    "Antonio Machado\n\n"
    "«No és que no gosem perquè les coses siguin difícils; són difícils perquè no gosem.»\n"
    "Sèneca\n\n"
    "«La paciència és amarga, però el seu fruit és dolç.»\n"
    "Jean-Jacques Rousseau\n\n"
    "Els programes del projecte Orvalet volen que tothom pugui escriure, llegir i parlar amb "
    "l'ordinador, també qui només pot moure un dit, el cap o prémer un sol commutador. Són "
    "programes lliures i gratuïts, fets al costat de les persones que els fan servir cada dia.");

}  // namespace about
