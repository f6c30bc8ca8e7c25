#pragma once
// Tolérances relatives au module des racines comparées : elles disent la même chose quelle
// que soit l'unité de temps choisie pour la fonction de transfert.
#include "Complexes.h"

// Tri sur les parties réelles, et paires conjuguées de racines calculées : au-delà, ce n'est
// pas la conjuguée.
inline constexpr Reel ToleranceGroupes = 1e-4L;
// Racines réunies en une racine multiple : égales à quelques
// unités du dernier chiffre de la précision étendue. Une racine saisie est une donnée exacte,
// et les racines multiples calculées sont déjà rendues égales (Grappes.h).
inline constexpr Reel ToleranceEgales = 0x1p-61L;
// Racine du numérateur et racine du dénominateur tenues pour communes.
inline constexpr Reel ToleranceCommunes = 1e-5L;

// tolerance.max(|a|, |b|) : l'écart admis entre a et b.
Reel EcartAdmis(TComplexe a, TComplexe b, Reel tolerance);
// Deux racines égales, nulles comprises, sont toujours proches.
bool ProchesRelatifs(TComplexe a, TComplexe b, Reel tolerance);
