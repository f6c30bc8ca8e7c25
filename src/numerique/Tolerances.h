#pragma once
// Tolérances relatives au module des racines comparées : elles disent la même chose quelle
// que soit l'unité de temps choisie pour la fonction de transfert.
#include "Complexes.h"

// Racines saisies réunies en une racine multiple, et tri sur les parties réelles.
inline constexpr Reel ToleranceGroupes = 1e-4L;
// Racine du numérateur et racine du dénominateur tenues pour communes.
inline constexpr Reel ToleranceCommunes = 1e-5L;

// tolerance.max(|a|, |b|) : l'écart admis entre a et b.
Reel EcartAdmis(TComplexe a, TComplexe b, Reel tolerance);
// Deux racines égales, nulles comprises, sont toujours proches.
bool ProchesRelatifs(TComplexe a, TComplexe b, Reel tolerance);
