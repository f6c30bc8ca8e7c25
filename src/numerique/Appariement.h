#pragma once
// Appariement de deux ensembles de points de même taille qui minimise le déplacement total :
// c'est lui qui garde chaque racine sur sa branche d'un gain au suivant.
#include <array>

#include "Complexes.h"

inline constexpr int AppariementMax = 10;

// Rend, pour chaque ancien point i (0 à n-1), l'indice du nouveau point qui le suit.
std::array<int, AppariementMax> Appariement(const TComplexe* anciens, const TComplexe* nouveaux, int n);
