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

// Points du lieu d'Evans. N(s) ou D(s) nul devant la somme des modules de ses termes : s est un
// zéro ou un pôle, où K = -D(s)/N(s) n'a pas de sens.
inline constexpr Reel ToleranceZeroEvans = 1e-14L;
inline constexpr Reel TolerancePoleEvans = 1e-12L;
// K pris pour réel quand sa partie imaginaire reste sous cette part de sa partie réelle.
inline constexpr Reel ToleranceGainReel = 1e-7L;
// Un pas de Newton plus long, rapporté au module de la racine, ne l'affine plus : il en saute.
inline constexpr Reel PasAffinageMax = 1e-6L;
// Racines calculées tenues pour une seule.
inline constexpr Reel ToleranceDistinctes = 1e-9L;

// tolerance.max(|a|, |b|) : l'écart admis entre a et b.
Reel EcartAdmis(TComplexe a, TComplexe b, Reel tolerance);
// Deux racines égales, nulles comprises, sont toujours proches.
bool ProchesRelatifs(TComplexe a, TComplexe b, Reel tolerance);
