#include "BornesModules.h"

#include <algorithm>
#include <cmath>

namespace {

int PlusBasNonNul(const TPolynome& p)
{
    int i = 0;
    while (i < p.Degre && Module(p.Coef[i]) == 0)
        ++i;
    return i;
}

// max sur k de |c(depart + sens.k) / c(depart)|^(1/k), k = 1..nombre.
Reel RapportMax(const TPolynome& p, int depart, int sens, int nombre)
{
    const Reel base = Module(p.Coef[depart]);
    Reel m = 0;
    for (int k = 1; k <= nombre; ++k) {
        const Reel c = Module(p.Coef[depart + sens * k]);
        if (c > 0)
            m = std::max(m, std::pow(c / base, 1 / Reel(k)));
    }
    return m;
}

}  // namespace

std::optional<TAnneauRacines> AnneauRacines(const TPolynome& p)
{
    const int bas = PlusBasNonNul(p);
    const int nombre = p.Degre - bas;
    if (nombre < 1 || Module(p.Coef[p.Degre]) == 0)
        return std::nullopt;
    const Reel haut = RapportMax(p, p.Degre, -1, nombre);
    const Reel inverse = RapportMax(p, bas, 1, nombre);
    return TAnneauRacines{1 / (2 * inverse), 2 * haut};
}

std::optional<Reel> CroisementAsymptote(const TPolynome& n, const TPolynome& d, bool hautes)
{
    const int i = hautes ? n.Degre : PlusBasNonNul(n);
    const int j = hautes ? d.Degre : PlusBasNonNul(d);
    const Reel c = Module(n.Coef[i]) / Module(d.Coef[j]);
    if (i == j || !(c > 0) || !std::isfinite(c))
        return std::nullopt;
    const Reel w = std::pow(c, -1 / Reel(i - j));
    if (!(w > 0) || !std::isfinite(w))
        return std::nullopt;
    return w;
}
