#pragma once
// Critère de Nyquist pour la boucle fermée à retour unitaire de N(p)/D(p).e^(-Tp) : tours de
// 1 + H autour de 0 le long de l'axe imaginaire, fermés par le demi-cercle de droite.
#include "Marges.h"

// Les racines de D servent à compter les pôles instables ; recalculées si elles ne sont pas valides.
TVerdictNyquist CritereNyquist(const TPolynome& n, const TPolynome& d, Reel T);
