#pragma once
// Zéro d'une fonction continue entre deux bornes où elle change de signe, à la précision étendue.
#include <cmath>
#include <limits>

#include "Complexes.h"

// Regula falsi « Illinois », qui garde l'encadrement ; une dichotomie quand l'intervalle ne se
// réduit pas de moitié en trois pas. S'arrête quand l'intervalle ou le dernier pas tombe à
// quelques arrondis de l'abscisse (la convergence d'un seul côté laisse l'autre borne loin).
template <typename F>
Reel RacineEncadree(F f, Reel a, Reel b, Reel fa, Reel fb)
{
    constexpr Reel u = std::numeric_limits<Reel>::epsilon();
    int cote = 0;
    Reel largeurAvant = b - a;
    Reel precedent = a;
    for (int pas = 0; pas < 200 && b - a > 4 * u * std::max(std::fabs(a), std::fabs(b)); ++pas) {
        Reel c = (fa * b - fb * a) / (fa - fb);
        const bool lent = pas % 3 == 2 && b - a > largeurAvant / 2;
        if (pas % 3 == 2)
            largeurAvant = b - a;
        if (lent || !(c > a && c < b))
            c = a + (b - a) / 2;
        const Reel fc = f(c);
        if (fc == 0 || std::fabs(c - precedent) <= 4 * u * std::fabs(c))
            return c;
        precedent = c;
        if ((fc > 0) == (fb > 0)) {
            b = c;
            fb = fc;
            if (cote == -1)
                fa /= 2;
            cote = -1;
        } else {
            a = c;
            fa = fc;
            if (cote == 1)
                fb /= 2;
            cote = 1;
        }
    }
    return std::fabs(fa) < std::fabs(fb) ? a : b;
}
