#pragma once
// Avance de phase K(1 + aτp)/(1 + τp) pour une marge de phase visée, par la méthode de cours,
// puis par itération sur la pulsation de coupure quand la marge exacte s'écarte de la cible.
#include "Reglage.h"

// k0 : le gain statique du correcteur fixé d'avance (précision), 1 sinon ; la méthode travaille
// sur k0.G. Atteint quand la marge exacte est à 0,1° de la cible, la boucle fermée stable.
TReglage AvancePourMargePhase(const TFonctionG& g, Reel k0, Reel cibleDeg);
