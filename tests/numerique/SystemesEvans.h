#pragma once
// Systèmes d'essai du lieu d'Evans, donnés par leurs racines : ordres 1 à 10, pôles multiples,
// zéros complexes, zéros à partie réelle positive, n - m de 0 à 10.
#include <string>
#include <vector>

#include "numerique/Polynomes.h"

struct TRacinesEssai {
    Reel Gain = 1;
    std::vector<Reel> Reelles;
    std::vector<TComplexe> Paires;  // chacune avec sa conjuguée
};

struct TSystemeEvans {
    std::string Nom;
    TRacinesEssai Zeros;
    TRacinesEssai Poles;
};

// Coefficients réels développés en précision étendue, par puissances croissantes.
inline std::vector<Reel> CoefficientsEssai(const TRacinesEssai& r)
{
    std::vector<Reel> c{r.Gain};
    const auto facteur = [&c](std::vector<Reel> f) {
        std::vector<Reel> p(c.size() + f.size() - 1, 0);
        for (std::size_t i = 0; i < c.size(); ++i)
            for (std::size_t j = 0; j < f.size(); ++j)
                p[i + j] += c[i] * f[j];
        c = p;
    };
    for (const Reel x : r.Reelles)
        facteur({-x, 1});
    for (const TComplexe z : r.Paires)
        facteur({z.Re * z.Re + z.Im * z.Im, -2 * z.Re, 1});
    return c;
}

inline const std::vector<TSystemeEvans>& SystemesEvans()
{
    static const std::vector<TSystemeEvans> s = {
        {"1/(p+1)", {}, {1, {-1}, {}}},
        {"1/(p(p+1))", {}, {1, {0, -1}, {}}},
        {"1/(p(p+1)(p+2))", {}, {1, {0, -1, -2}, {}}},
        {"(p+2)/(p²+2p+2)", {1, {-2}, {}}, {1, {}, {{-1, 1}}}},
        {"1/(p+1)^3", {}, {1, {-1, -1, -1}, {}}},
        {"1/(p(p+3)(p²+2p+2))", {}, {1, {0, -3}, {{-1, 1}}}},
        {"(p+1)/(p²(p+9))", {1, {-1}, {}}, {1, {0, 0, -9}, {}}},
        {"(1-p)/((p+1)(p+2))", {-1, {1}, {}}, {1, {-1, -2}, {}}},
        {"(p²+2p+5)/(p(p+1)(p+4)(p+6))", {1, {}, {{-1, 2}}}, {1, {0, -1, -4, -6}, {}}},
        {"(p+3)/(p(p+1)(p+2)(p+5)(p+7))", {1, {-3}, {}}, {1, {0, -1, -2, -5, -7}, {}}},
        {"1/((p+1)²(p+4)²)", {}, {1, {-1, -1, -4, -4}, {}}},
        {"1/(p(p+1)(p+2)(p+3)(p+4)(p+5))", {}, {1, {0, -1, -2, -3, -4, -5}, {}}},
        {"(p+0.5)(p+6)/(p(p+1)(p+2)(p+3)(p+8)(p+10)(p+12))", {1, {-0.5L, -6}, {}}, {1, {0, -1, -2, -3, -8, -10, -12}, {}}},
        {"1/((p+1)^8)", {}, {1, {-1, -1, -1, -1, -1, -1, -1, -1}, {}}},
        {"ordre 9", {}, {1, {-1, -2, -3}, {{-0.5L, 2}, {-1, 4}, {-2, 1}}}},
        {"ordre 10", {}, {1, {-0.5L, -1.5L}, {{-1, 1}, {-0.3L, 2}, {-2, 3}, {-4, 0.5L}}}},
        {"ordre 10, zéros complexes", {1, {-2}, {{-1, 3}}}, {1, {0, -1, -3, -5}, {{-0.2L, 1}, {-1, 5}, {-6, 2}}}},
        {"n - m = 0", {1, {-3, -4}, {}}, {1, {-1, -2}, {}}},
        {"n - m = 0, zéros complexes", {1, {}, {{-2, 2}}}, {1, {-1, -5}, {}}},
        {"n - m = 0, ordre 10", {1, {-1.5L, -2.5L}, {{-1, 1}, {-2, 2}, {-3, 0.5L}, {-0.5L, 3}}},
         {1, {-1, -2, -3, -4}, {{-0.5L, 1}, {-1, 2}, {-2, 3}}}},
        {"zéro instable", {1, {2}, {}}, {1, {0, -1, -3}, {}}},
        {"zéros instables complexes", {1, {}, {{1, 2}}}, {1, {-1, -2, -3, -4}, {}}},
        {"pôle instable", {1, {-1}, {}}, {1, {1, -4, -6}, {}}},
        {"double intégrateur avec avance", {1, {-1}, {}}, {1, {0, 0, -10}, {}}},
        {"pôles complexes peu amortis", {1, {-0.5L}, {}}, {1, {0}, {{-0.1L, 3}, {-0.2L, 6}}}},
        {"gain négatif en tête", {-1, {-1}, {}}, {1, {-2, -3, -4}, {}}},
        {"n - m = 10", {}, {2, {-1, -2, -3, -4, -5, -6, -7, -8, -9, -10}, {}}},
        {"échelle 1000", {1, {-2000}, {}}, {1, {0, -1000, -5000, -9000}, {}}},
        {"échelle 0,001", {1, {-0.002L}, {}}, {1, {0, -0.001L, -0.005L}, {{-0.001L, 0.003L}}}},
        {"triple pôle et zéro", {1, {-0.5L}, {}}, {1, {-2, -2, -2, -7}, {}}},
        {"ordre 7, zéros complexes doubles", {1, {}, {{-1, 1}, {-1, 1}}}, {1, {0, -2, -3, -4, -6, -8, -9}, {}}},
        {"ordre 6 avec zéro à droite et pôle double", {1, {0.5L, -3}, {}}, {3, {-1, -2}, {{-1, 2}, {-4, 0}}}},
    };
    return s;
}
