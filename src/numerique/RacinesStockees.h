#pragma once
// Racines conservées avec les coefficients : un fichier peut les donner fausses.
#include "Polynomes.h"

// Écart relatif admis entre les coefficients et ceux que redonnent les racines : des racines
// gardées à 1e-10 près par d'autres versions passent, des racines d'un autre polynôme non.
inline constexpr Reel ToleranceRacinesStockees = 1e-7L;

// Vrai si les racines de chaque racine multiple sont proches (à la tolérance des groupes) et si
// Racines[0].produit(p - r_i) redonne Coef[0..Degre], chaque coefficient à la tolérance près de
// ce que l'arrondi des racines peut y changer.
bool RacinesConformes(const TPolynome& p, Reel tolerance);
