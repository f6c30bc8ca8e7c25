#include "PhasesAffichees.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int PasMax = 10;
}

TPhasesAffichees::TPhasesAffichees(const TSysteme& s, bool symetrique, bool continue_)
    : Deroulee(s), Symetrique_(symetrique && !continue_), Continue_(continue_)
{
}

Reel TPhasesAffichees::Degres(const TEchantillonFrequentiel& e) const
{
    return Continue_ ? Deroulee.EnDegres(DeuxPi * e.Frequence, e.Reponse) : PhaseDegres(e.Reponse, Symetrique_);
}

TAxePhases AxePhases(const TPhasesAffichees& mode, const std::vector<Reel>& phases)
{
    if (!mode.Continue())
        return {PlagePhases(mode.Symetrique()), 45};
    Reel min = std::numeric_limits<Reel>::infinity();
    Reel max = -min;
    for (const Reel p : phases)
        if (std::isfinite(p)) {
            min = std::min(min, p);
            max = std::max(max, p);
        }
    if (!(min <= max) || !std::isfinite(max - min))
        return {PlagePhases(false), 45};
    Reel pas = 45;
    while ((max - min) / pas > PasMax)
        pas *= 2;
    TBornes b{pas * std::floor(min / pas), pas * std::ceil(max / pas)};
    if (b.Max - b.Min < pas) {
        b.Min -= pas;
        b.Max += pas;
    }
    return {b, pas};
}
