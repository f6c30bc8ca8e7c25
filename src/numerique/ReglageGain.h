#pragma once
// Le gain K d'un correcteur dont les autres paramètres sont fixés, pour une marge de phase ou une
// marge de gain visée, vérifiée par le calcul exact des marges.
#include "Reglage.h"

// Phase visée en degrés (0 à 180 exclus) ; atteinte à 0,1° près.
TReglage GainPourMargePhase(const TFonctionG& g, const TCorrecteur& base, Reel cibleDeg);
// Gain visé en dB ; atteint à 0,01 dB près.
TReglage GainPourMargeGain(const TFonctionG& g, const TCorrecteur& base, Reel cibleDb);
