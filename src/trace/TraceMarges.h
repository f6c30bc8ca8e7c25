#pragma once
// Marques des marges de stabilité sur les diagrammes fréquentiels, posées par-dessus le dessin.
#include <vector>

#include "Traceur.h"
#include "numerique/Marges.h"

// Bode : chaque croisement en pointillé sur les deux cadres (gain en tirets, phase en
// tirets-points), « MG = … » et « MP = … » dans le coin du cadre des gains que la courbe laisse libre.
void MarquesMargesBode(TTraceur& t, const TRepere& gain, const TRepere& phase, const TMarges& m,
                       const std::vector<TPointCourbe>& courbeGain, int chiffres);
// Nyquist : le cercle unité en tirets et le point -1 marqué. L'étiquette du point critique se
// met du côté que la courbe laisse libre.
void MarquesMargesNyquist(TTraceur& t, const TRepere& r, int rayon, const std::vector<TPointCourbe>& courbe);
// Black : le point (-180°, 0 dB) marqué.
void MarquesMargesBlack(TTraceur& t, const TRepere& r, int rayon, const std::vector<TPointCourbe>& courbe);
