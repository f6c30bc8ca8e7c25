#include "Complexes.h"

#include <algorithm>
#include <cmath>
#include <limits>

// Diviseur nul : les divisions IEEE donnent NaN, sans interruption ; un NaN ne passe
// aucun test (Voisins compris) au lieu de se faire passer pour une valeur.
// On divise par le rapport des parties du diviseur (Smith), pas par le carré de son module :
// ce carré sortirait de l'étendue pour un diviseur au-delà de 1E2466 ou en deçà de 1E-2466.
TComplexe Quotient(TComplexe a, TComplexe b)
{
    if (std::fabs(b.Re) >= std::fabs(b.Im)) {
        const Reel r = b.Im / b.Re;
        const Reel d = b.Re + b.Im * r;
        return {(a.Re + a.Im * r) / d, (a.Im - a.Re * r) / d};
    }
    const Reel r = b.Re / b.Im;
    const Reel d = b.Re * r + b.Im;
    return {(a.Re * r + a.Im) / d, (a.Im * r - a.Re) / d};
}

TComplexe Puissance(TComplexe z, int n)
{
    TComplexe resultat{1, 0};
    for (int i = 0; i < n; ++i)
        resultat = Produit(resultat, z);
    return resultat;
}

// Quand la somme des carrés sort de l'étendue (module au-delà de 1E2466 ou en deçà de
// 1E-2466), hypot calcule le module sans elle.
Reel Module(TComplexe z)
{
    const Reel carre = z.Re * z.Re + z.Im * z.Im;
    if (std::isfinite(carre) && carre >= std::numeric_limits<Reel>::min())
        return std::sqrt(carre);
    return std::hypot(z.Re, z.Im);
}

Reel Argument(TComplexe z)
{
    if (z.Re == 0) {
        if (z.Im == 0)
            return 0;
        return z.Im > 0 ? Pi / 2 : -Pi / 2;
    }
    const Reel a = std::atan(z.Im / z.Re);
    if (z.Re > 0)
        return a;
    if (z.Im == 0)
        return Pi;
    return z.Im > 0 ? a + Pi : a - Pi;
}

TComplexe DePolaire(TComplexe z) { return {z.Re * std::cos(z.Im), z.Re * std::sin(z.Im)}; }

TComplexe Exponentielle(TComplexe z) { return DePolaire({std::exp(z.Re), z.Im}); }

Reel Distance(TComplexe a, TComplexe b)
{
    const Reel dx = a.Re - b.Re;
    const Reel dy = a.Im - b.Im;
    return std::sqrt(dx * dx + dy * dy);
}

bool Egaux(TComplexe a, TComplexe b) { return a.Re == b.Re && a.Im == b.Im; }

bool Voisins(TComplexe a, TComplexe b) { return Distance(a, b) < 1e-5L; }

bool EstFini(TComplexe z) { return std::isfinite(z.Re) && std::isfinite(z.Im); }
