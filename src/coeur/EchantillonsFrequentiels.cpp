#include "EchantillonsFrequentiels.h"

#include <cmath>
#include <limits>

#include "numerique/Reponses.h"
#include "numerique/Arrondis.h"

namespace {
// Avec Ent, un logarithme entier négatif descend lui aussi d'une décade : 0,1 devient 0,01.
Reel DecadeInferieure(Reel f)
{
    const Reel l = Log10(f);
    return l != Ent(l) ? Puiss10(Ent(l)) : f;
}
}

Reel DecadeSuperieure(Reel f)
{
    const Reel l = Log10(f);
    return l != Ent(l) ? Puiss10(Ent(l) + 1) : f;
}

std::optional<TDecades> ArrondiDecades(Reel fmin, Reel fmax)
{
    if (!(fmin > 0) || !(fmin <= fmax) || !std::isfinite(fmax))
        return std::nullopt;
    TDecades d;
    d.FreqMin = DecadeInferieure(fmin);
    d.FreqMax = DecadeSuperieure(fmax);
    d.LogMin = Log10(d.FreqMin);
    d.LogMax = Log10(d.FreqMax);
    if (!std::isfinite(d.LogMin) || !std::isfinite(d.LogMax) || !std::isfinite(d.FreqMax))
        return std::nullopt;
    const Reel nombre = std::nearbyint(d.LogMax - d.LogMin);
    if (!(nombre >= 1))
        return std::nullopt;
    d.Nombre = int(nombre);
    return d;
}

void MemoriseDecades(TEchellesFrequentielles& echelles, const TDecades& d)
{
    echelles.FreqMin = d.FreqMin;
    echelles.FreqMax = d.FreqMax;
    echelles.LogFreqMin = d.LogMin;
    echelles.LogFreqMax = d.LogMax;
}

int NbPointsDecades(int points, const TDecades& d)
{
    return d.Nombre > 0 ? points / d.Nombre * d.Nombre : 0;
}

TEchantillonFrequentiel EchantillonFrequentiel(const TSysteme& s, const TDecades& d, int i, int n)
{
    TEchantillonFrequentiel e;
    e.X = i * (d.LogMax - d.LogMin) / n + d.LogMin;
    e.Frequence = Puiss10(e.X);
    e.Reponse = ReponseFrequentielle(s, TComplexe{0, DeuxPi * e.Frequence});
    return e;
}

Reel GainDecibels(TComplexe h)
{
    const Reel m = Module(h);
    return std::isfinite(m) ? 20 * Log10(m) : std::numeric_limits<Reel>::infinity();
}

Reel PhaseDegres(TComplexe h, bool symetrique)
{
    const Reel m = Module(h);
    if (!(m > 0) || !std::isfinite(m))
        return std::numeric_limits<Reel>::quiet_NaN();
    Reel phase = Argument(h) * 180 / Pi;
    if (!symetrique && phase > 0)
        phase -= 360;
    return phase;
}

TPlagePhases PlagePhases(bool symetrique)
{
    return symetrique ? TPlagePhases{-180, 180} : TPlagePhases{-360, 0};
}
