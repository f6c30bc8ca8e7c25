#include "VersBoucleOuverte.h"

#include <cmath>

#include "Arrondis.h"

TGainPhase VersBoucleOuverte(Reel gainFerme, Reel phaseFermee, bool phaseSymetrique)
{
    return VersBoucleOuverte(DePolaire({Puiss10(gainFerme / 20), phaseFermee * Pi / 180}), phaseSymetrique);
}

TGainPhase VersBoucleOuverte(TComplexe f, bool phaseSymetrique)
{
    const TComplexe unMoinsF = Difference(ComplexeReel(1), f);
    if (Egaux(unMoinsF, ComplexeReel(0)))
        return {100, -90};
    const TComplexe t = Quotient(f, unMoinsF);
    TGainPhase ouverte{20 * Log10(Module(t)), Argument(t) * 180 / Pi};
    if (!phaseSymetrique && ouverte.Phase > 0)
        ouverte.Phase -= 360;
    return ouverte;
}

TComplexe BoucleFermee(TComplexe t)
{
    return Quotient(t, Somme(ComplexeReel(1), t));
}
