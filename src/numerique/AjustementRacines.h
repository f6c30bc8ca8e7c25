#pragma once
// Factorisation de multiplicités imposées, ajustée aux coefficients d'un polynôme.
#include "TypePolynome.h"

// Déplace les centres[0..nombre-1], de multiplicités données (de somme p.Degre), pour que
// p.Racines[0].produit des (x - centre)^multiplicité redonne p.Coef[0..Degre-1] au plus près,
// l'écart du coefficient k étant rapporté à tolerance[k] (moindres carrés, Gauss-Newton). Les
// centres ne bougent que si l'écart diminue.
void AjusteFactorisation(const TPolynome& p, const Reel* tolerance, TComplexe* centres, const int* multiplicites,
                         int nombre);
