#include "Complexes.h"

#include <algorithm>
#include <cmath>
#include <limits>

TComplexe Puissance(TComplexe z, int n)
{
    TComplexe resultat{1, 0};
    for (int i = 0; i < n; ++i)
        resultat = Produit(resultat, z);
    return resultat;
}

TComplexe DePolaire(TComplexe z) { return {z.Re * std::cos(z.Im), z.Re * std::sin(z.Im)}; }

TComplexe Exponentielle(TComplexe z) { return DePolaire({std::exp(z.Re), z.Im}); }

Reel Distance(TComplexe a, TComplexe b)
{
    const Reel dx = a.Re - b.Re;
    const Reel dy = a.Im - b.Im;
    return std::sqrt(dx * dx + dy * dy);
}

bool Voisins(TComplexe a, TComplexe b) { return Distance(a, b) < 1e-5L; }
