#pragma once
// Calcul indépendant des marges en quadruple précision (libquadmath), pour les tests seuls :
// encadrement sur une grille très fine en double, puis dichotomie en __float128 jusqu'à 1e-30.
#include <quadmath.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <optional>
#include <vector>

namespace quad {

using Q = __float128;

struct C {
    Q re = 0;
    Q im = 0;
};
inline C Mul(C a, C b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
inline Q Abs(C a) { return sqrtq(a.re * a.re + a.im * a.im); }
inline C Div(C a, C b)
{
    const Q n = b.re * b.re + b.im * b.im;
    return {(a.re * b.re + a.im * b.im) / n, (a.im * b.re - a.re * b.im) / n};
}

struct TSystemeQ {
    std::vector<Q> N;  // coefficients par puissances croissantes
    std::vector<Q> D;
    Q T = 0;
};

inline C Horner(const std::vector<Q>& c, Q w)
{
    C v{c.back(), 0};
    for (std::size_t k = c.size() - 1; k-- > 0;) {
        v = Mul(v, C{0, w});
        v.re += c[k];
    }
    return v;
}

inline C Rationnel(const TSystemeQ& s, Q w) { return Div(Horner(s.N, w), Horner(s.D, w)); }
inline C Reponse(const TSystemeQ& s, Q w)
{
    const C r = Rationnel(s, w);
    return Mul(r, C{cosq(w * s.T), -sinq(w * s.T)});
}

// Mêmes fonctions en double, pour la grille seulement.
inline std::complex<double> RationnelDouble(const TSystemeQ& s, double w)
{
    std::complex<double> n = double(s.N.back()), d = double(s.D.back());
    const std::complex<double> jw(0, w);
    for (std::size_t k = s.N.size() - 1; k-- > 0;)
        n = n * jw + double(s.N[k]);
    for (std::size_t k = s.D.size() - 1; k-- > 0;)
        d = d * jw + double(s.D[k]);
    return n / d;
}

inline int SigneGain(const TSystemeQ& s, Q w)
{
    const Q g = Abs(Rationnel(s, w)) - 1;
    return g > 0 ? 1 : g < 0 ? -1 : 0;
}
inline int SignePhase(const TSystemeQ& s, Q w)
{
    const Q i = Reponse(s, w).im;
    return i > 0 ? 1 : i < 0 ? -1 : 0;
}

template <typename F>
Q Bissection(Q a, Q b, F signe)
{
    const int sa = signe(a);
    for (int k = 0; k < 200 && (b - a) > 1e-31 * b; ++k) {
        const Q m = (a + b) / 2;
        (signe(m) == sa ? a : b) = m;
    }
    return (a + b) / 2;
}

struct TMargesQ {
    std::vector<Q> Gain;
    std::vector<Q> Phase;
    std::optional<Q> MargeGainDb, PulsationMG, MargePhaseDeg, PulsationMP, MargeRetard;
};

// Grille de [wMin, wMax] : pas logarithmique de rapport 1 + 1/4000, et pas de phase du retard
// d'au plus 0,05 rad.
inline TMargesQ Calcule(const TSystemeQ& s, double wMin, double wMax)
{
    TMargesQ m;
    const double T = double(s.T);
    double a = wMin;
    std::complex<double> ra = RationnelDouble(s, a);
    std::complex<double> ha = ra * std::polar(1.0, -a * T);
    while (a < wMax && m.Phase.size() < 100) {
        double b = a * (1 + 1.0 / 4000);
        if (T > 0)
            b = std::min(b, a + 0.05 / T);
        const std::complex<double> rb = RationnelDouble(s, b);
        const std::complex<double> hb = rb * std::polar(1.0, -b * T);
        const double ga = std::abs(ra) - 1, gb = std::abs(rb) - 1;
        if ((ga < 0) != (gb < 0) && SigneGain(s, a) != SigneGain(s, b) && m.Gain.size() < 100)
            m.Gain.push_back(Bissection(Q(a), Q(b), [&](Q w) { return SigneGain(s, w); }));
        if ((ha.imag() < 0) != (hb.imag() < 0) && ha.real() < 0 && hb.real() < 0 && SignePhase(s, a) != SignePhase(s, b)) {
            const Q w = Bissection(Q(a), Q(b), [&](Q x) { return SignePhase(s, x); });
            if (Reponse(s, w).re < 0)
                m.Phase.push_back(w);
        }
        a = b;
        ra = rb;
        ha = hb;
    }
    for (const Q w : m.Phase) {
        const Q mg = -20 * log10q(Abs(Rationnel(s, w)));
        if (!m.MargeGainDb || fabsq(mg) < fabsq(*m.MargeGainDb)) {
            m.MargeGainDb = mg;
            m.PulsationMG = w;
        }
    }
    for (const Q w : m.Gain) {
        const C h = Reponse(s, w);
        // 180° + arg H ramené dans (-180°, 180°].
        const Q mp = atan2q(-h.im, -h.re);
        if (!m.MargePhaseDeg || fabsq(mp * 180 / acosq(Q(-1))) < fabsq(*m.MargePhaseDeg)) {
            m.MargePhaseDeg = mp * 180 / acosq(Q(-1));
            m.PulsationMP = w;
        }
        // Retard qui amène -1 sur le lieu à ce croisement : la marge ramenée dans (0, 360°].
        const Q retard = (mp > 0 ? mp : mp + 2 * acosq(Q(-1))) / w;
        if (!m.MargeRetard || retard < *m.MargeRetard)
            m.MargeRetard = retard;
    }
    return m;
}

// Nombre de racines à partie réelle positive d'un polynôme réel, par le tableau de Routh ;
// rien quand un pivot s'annule.
inline std::optional<int> RacinesInstablesRouth(std::vector<Q> c)
{
    while (c.size() > 1 && c.back() == 0)
        c.pop_back();
    const std::size_t n = c.size() - 1;
    std::vector<std::vector<Q>> lignes(2);
    for (std::size_t k = 0; k <= n; ++k)
        lignes[k % 2].push_back(c[n - k]);
    lignes[1].resize(lignes[0].size(), 0);
    int changements = 0;
    for (std::size_t r = 0; r < n; ++r) {
        const std::vector<Q>& h = lignes[lignes.size() - 2];
        const std::vector<Q>& b = lignes.back();
        if (b[0] == 0)
            return std::nullopt;
        if ((h[0] > 0) != (b[0] > 0))
            ++changements;
        std::vector<Q> suivante(h.size(), 0);
        for (std::size_t k = 0; k + 1 < h.size(); ++k)
            suivante[k] = (b[0] * h[k + 1] - h[0] * b[k + 1]) / b[0];
        lignes.push_back(suivante);
    }
    return changements;
}

}  // namespace quad
