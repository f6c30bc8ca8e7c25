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

// Le relevé d'un tracé qui a abouti dans cette cible : sa zone, son cadre et ses décades ;
// chaque diagramme y ajoute ses autres échelles et ses points.
TTraceFrequentiel TraceDecades(const QRect& cible, const TDecades& decades);
// Bode et Black : bornes des gains et des phases tracées.
void ReleveGainsPhases(TEchellesFrequentielles& echelles, TBornes gains, TBornes phases);

// Les points du relevé d'un tracé, indices `premier` à n : fréquence et grandeurs que le
// diagramme range, pixels posés par `place`. Trop nombreux pour le relevé, aucun n'est gardé.
using TPlacePoint = std::function<void(TPointFrequentiel& point, const TEchantillonDiagramme& e)>;
void RelevePoints(TTraceFrequentiel& trace, TTypeDiagramme type, const std::vector<TEchantillonDiagramme>& ech,
                  int premier, const TPlacePoint& place);
// Nyquist et Black : le pixel du point de leur courbe, abscisse et ordonnée rangées en premier.
void ReleveCourbe(TTraceFrequentiel& trace, TTypeDiagramme type, const TRepere& r,
                  const std::vector<TEchantillonDiagramme>& ech);
