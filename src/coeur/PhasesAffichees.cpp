#include "PhasesAffichees.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Doublé jusqu'au tour, puis tours multipliés par 1, 2, 5, 10, 20… : des étiquettes rondes.
Reel PasSuivant(Reel pas)
{
    if (pas < 360)
        return 2 * pas;
    const Reel tours = pas / 360;
    const Reel chiffre = tours / std::pow(Reel(10), std::floor(std::log10(tours)));
    return chiffre > 1.5L && chiffre < 3 ? pas * 2.5L : pas * 2;
}
}

TPhasesAffichees::TPhasesAffichees(const TSysteme& s, bool symetrique, bool continue_)
    : Deroulee(s), Symetrique_(symetrique && !continue_), Continue_(continue_)
{
}

Reel TPhasesAffichees::Degres(const TEchantillonFrequentiel& e) const
{
    return Continue_ ? Deroulee.EnDegres(DeuxPi * e.Frequence, e.Reponse) : PhaseDegres(e.Reponse, Symetrique_);
}

TAxePhases AxePhases(const TPhasesAffichees& mode, const std::vector<Reel>& phases, int pasMax)
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
    while ((max - min) / pas > std::max(pasMax, 1))
        pas = PasSuivant(pas);
    TBornes b{pas * std::floor(min / pas), pas * std::ceil(max / pas)};
    if (b.Max - b.Min < pas) {
        b.Min -= pas;
        b.Max += pas;
    }
    return {b, pas};
}
