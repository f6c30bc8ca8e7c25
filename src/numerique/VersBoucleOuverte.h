#pragma once
// Passages entre boucle ouverte T et boucle fermée à retour unitaire F = T/(1 + T) : l'abaque
// de Nichols trace en boucle ouverte les lieux de gain et de phase constants en boucle fermée.
#include "Complexes.h"

struct TGainPhase {
    Reel Gain = 0;   // dB
    Reel Phase = 0;  // degrés
};

// Point en boucle ouverte d'un gain (dB) et d'une phase (degrés) en boucle fermée. F = 1
// exactement n'a pas d'image : 100 dB et -90° en tiennent lieu. Hors plage symétrique, une
// phase positive est ramenée dans [-360, 0].
TGainPhase VersBoucleOuverte(Reel gainFerme, Reel phaseFermee, bool phaseSymetrique);
// La même, depuis la réponse en boucle fermée F : l'abaque en calcule module et direction une
// fois pour tous les points qui les partagent.
TGainPhase VersBoucleOuverte(TComplexe fermee, bool phaseSymetrique);

// Réponse en boucle fermée à retour unitaire.
TComplexe BoucleFermee(TComplexe t);
