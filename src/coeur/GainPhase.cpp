#include "GainPhase.h"

#include <cmath>
#include <limits>

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

TBornes PlagePhases(bool symetrique)
{
    return symetrique ? TBornes{-180, 180} : TBornes{-360, 0};
}
