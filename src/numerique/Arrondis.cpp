#include "Arrondis.h"

#include <cmath>

namespace {
const Reel Ln10 = std::log(Reel(10));
}

Reel Log10(Reel x)
{
    return std::log(x) / Ln10;
}

Reel Puiss10(Reel x)
{
    return std::exp(x * Ln10);
}

Reel Ent(Reel x)
{
    return x >= 0 ? std::trunc(x) : std::trunc(x) - 1;
}

int Signe(Reel x)
{
    return x > 0 ? 1 : -1;
}
