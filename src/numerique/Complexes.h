#pragma once
// Nombres complexes en précision étendue.
#include <cmath>
#include <limits>

using Reel = long double;

struct TComplexe {
    Reel Re = 0;
    Reel Im = 0;
};

inline constexpr Reel Pi = 3.14159265358979323846264338327950288L;
inline constexpr Reel DeuxPi = 6.28318530717958647692528676655900577L;

// Les opérations élémentaires sont dans l'en-tête : les réponses temporelles et le balayage
// fréquentiel en font des millions par analyse, un appel de fonction chacune serait le gros du coût.
inline TComplexe ComplexeReel(Reel x) { return {x, 0}; }
inline TComplexe Oppose(TComplexe z) { return {-z.Re, -z.Im}; }
inline TComplexe Somme(TComplexe a, TComplexe b) { return {a.Re + b.Re, a.Im + b.Im}; }
inline TComplexe Difference(TComplexe a, TComplexe b) { return {a.Re - b.Re, a.Im - b.Im}; }
inline TComplexe Produit(TComplexe a, TComplexe b) { return {a.Re * b.Re - a.Im * b.Im, a.Re * b.Im + a.Im * b.Re}; }

// Diviseur nul : les divisions IEEE donnent NaN, sans interruption ; un NaN ne passe
// aucun test (Voisins compris) au lieu de se faire passer pour une valeur.
// On divise par le rapport des parties du diviseur (Smith), pas par le carré de son module :
// ce carré sortirait de l'étendue pour un diviseur au-delà de 1E2466 ou en deçà de 1E-2466.
inline TComplexe Quotient(TComplexe a, TComplexe b)
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

// Quand la somme des carrés sort de l'étendue (module au-delà de 1E2466 ou en deçà de
// 1E-2466), hypot calcule le module sans elle.
inline Reel Module(TComplexe z)
{
    const Reel carre = z.Re * z.Re + z.Im * z.Im;
    if (std::isfinite(carre) && carre >= std::numeric_limits<Reel>::min())
        return std::sqrt(carre);
    return std::hypot(z.Re, z.Im);
}

inline Reel Argument(TComplexe z)
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

inline bool Egaux(TComplexe a, TComplexe b) { return a.Re == b.Re && a.Im == b.Im; }
// Les deux parties finies : ni infinie ni NaN.
inline bool EstFini(TComplexe z) { return std::isfinite(z.Re) && std::isfinite(z.Im); }

TComplexe Puissance(TComplexe z, int n);
TComplexe DePolaire(TComplexe z);
TComplexe Exponentielle(TComplexe z);
Reel Distance(TComplexe a, TComplexe b);
bool Voisins(TComplexe a, TComplexe b);
