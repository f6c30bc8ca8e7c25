#pragma once
// Une réponse en fréquence lue en gain et en phase, comme les diagrammes les graduent.
#include "numerique/Arrondis.h"
#include "numerique/Complexes.h"

struct TEchantillonFrequentiel {
    Reel X = 0;  // logarithme décimal de la fréquence
    Reel Frequence = 0;
    TComplexe Reponse;
};

// Gain en dB : -inf pour un module nul, +inf sur un pôle (réponse non finie) ; fini pour toute
// autre réponse, si grande soit-elle.
Reel GainDecibels(TComplexe h);
// Phase en degrés, ramenée dans [-360, 0] sauf en plage symétrique ; NaN quand elle n'a
// pas de sens (module nul ou réponse non finie).
Reel PhaseDegres(TComplexe h, bool symetrique);

// [-180, 180] en plage symétrique, [-360, 0] sinon.
TBornes PlagePhases(bool symetrique);
