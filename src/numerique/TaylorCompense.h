#pragma once
// Développement de Taylor en précision double de l'étendue : chaque somme et chaque produit
// gardent leur erreur d'arrondi, reportée sur le terme suivant.
#include "Complexes.h"

// Comme DeveloppementTaylor (Taylor.h), pour les ordres 0..n : le résultat est celui d'un calcul
// à deux fois la précision étendue, arrondi une fois. Près d'une grappe, les termes de P se
// compensent de plusieurs ordres de grandeur : le développement ordinaire y perdrait autant de chiffres.
void DeveloppementTaylorCompense(int n, const TComplexe* coefs, TComplexe z, TComplexe* t);
