#pragma once
// Ce que partagent Nyquist et Black, dont la fréquence n'est qu'un paramètre de la courbe :
// deux échantillons d'amorce sous fmin, les décades reconnues sur les échantillons, et le
// point gardé pour la lecture à la souris.
#include <functional>
#include <vector>

#include "Graphisme.h"
#include "coeur/Document.h"
#include "coeur/EchantillonsFrequentiels.h"

// Échantillons sous fmin qui amorcent le suivi des normales ; ils sont gardés, pas tracés.
inline constexpr int AmorceCourbe = 2;

// L'abscisse logarithmique tombe sur une décade.
bool EstDecade(Reel x);

// Pixel borné du point (x, y) et sa ligne opposée ; un point non fini n'a pas de pixel.
void PlacePoint(TPointFrequentiel& point, const TRepere& r, Reel x, Reel y);

// Les points gardés par le tracé à l'écran, indices `premier` à n : fréquence et grandeurs que
// le diagramme range, pixels posés par `place`.
using TPlacePoint = std::function<void(TPointFrequentiel& point, const TEchantillonDiagramme& e)>;
void MemorisePoints(TDocument& doc, TTypeDiagramme type, const std::vector<TEchantillonDiagramme>& ech, int premier,
                    const TPlacePoint& place);
// Nyquist et Black : le pixel du point de leur courbe, abscisse et ordonnée rangées en premier.
void MemoriseCourbe(TDocument& doc, TTypeDiagramme type, const TRepere& r, const std::vector<TEchantillonDiagramme>& ech);
