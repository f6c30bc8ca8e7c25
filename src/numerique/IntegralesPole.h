#pragma once
// Réponse indicielle des éléments simples d'un pôle, de la série à la forme close.
#include "Complexes.h"

// F_l(t) = intégrale de 0 à t de u^(l-1).e^(pole.u) / (l-1)!, pour l = 1..m, dans f[1..m] :
// la réponse indicielle de 1/(p - pole)^l, exacte pour un pôle nul comme pour un pôle minuscule.
void IntegralesDuPole(TComplexe pole, Reel t, int m, TComplexe* f);

// E_l(t) = F_l(t) - 1/(-pole)^l, l = 1..m, dans e[1..m] : ce qui s'éteint avec e^(pole.t), pour
// un pôle non nul ; sans la constante, une somme de grands éléments simples ne perd rien.
void ExponentiellesDuPole(TComplexe pole, Reel t, int m, TComplexe* e);
