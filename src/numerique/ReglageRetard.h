#pragma once
// Retard de phase K(1 + τp)/(1 + bτp) qui donne une erreur statique visée sans changer la marge
// de phase : K = b multiplie le gain statique, le zéro 1/τ se place une décade sous la coupure.
#include "Reglage.h"

// Erreur statique visée (> 0) pour l'entrée qui en donne une finie et non nulle : l'échelon sans
// intégrateur, la rampe avec un, la parabole avec deux. Atteint quand l'erreur l'est et que la
// marge de phase reste à 5° de celle de G.
TReglage RetardPourErreurStatique(const TFonctionG& g, Reel erreurVisee);
