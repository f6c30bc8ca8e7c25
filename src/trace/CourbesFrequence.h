#pragma once
// Ce que partagent Nyquist et Black, dont la fréquence n'est qu'un paramètre de la courbe :
// deux échantillons d'amorce sous fmin, les décades reconnues sur les échantillons, et le
// point gardé pour la lecture à la souris.
#include "Graphisme.h"
#include "coeur/EchellesFrequentielles.h"

// Échantillons sous fmin qui amorcent le suivi des normales ; ils sont gardés, pas tracés.
inline constexpr int AmorceCourbe = 2;

// L'abscisse logarithmique tombe sur une décade.
bool EstDecade(Reel x);

// Pixel borné du point (x, y) et sa ligne opposée ; un point non fini n'a pas de pixel.
void PlacePoint(TPointFrequentiel& point, const TRepere& r, Reel x, Reel y);
