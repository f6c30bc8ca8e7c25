#include "Tolerances.h"

#include <algorithm>

Reel EcartAdmis(TComplexe a, TComplexe b, Reel tolerance) { return tolerance * std::max(Module(a), Module(b)); }

bool ProchesRelatifs(TComplexe a, TComplexe b, Reel tolerance)
{
    return Distance(a, b) <= EcartAdmis(a, b, tolerance);
}
