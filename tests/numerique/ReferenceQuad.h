#pragma once
// Calcul de référence indépendant, en précision quadruple (__float128) : racines par
// Durand-Kerner puis Newton, sans rien du noyau. Sert à juger croisements et séparations.
#include <quadmath.h>

#include <algorithm>
#include <vector>

using Quad = __float128;

struct QC {
    Quad Re = 0;
    Quad Im = 0;
};

inline QC operator+(QC a, QC b) { return {a.Re + b.Re, a.Im + b.Im}; }
inline QC operator-(QC a, QC b) { return {a.Re - b.Re, a.Im - b.Im}; }
inline QC operator*(QC a, QC b) { return {a.Re * b.Re - a.Im * b.Im, a.Re * b.Im + a.Im * b.Re}; }
inline QC operator/(QC a, QC b)
{
    const Quad m = b.Re * b.Re + b.Im * b.Im;
    return {(a.Re * b.Re + a.Im * b.Im) / m, (a.Im * b.Re - a.Re * b.Im) / m};
}
inline Quad Abs(QC a) { return sqrtq(a.Re * a.Re + a.Im * a.Im); }

// Polynôme réel, coefficients par puissances croissantes.
using PQ = std::vector<Quad>;

inline PQ Rogne(PQ p)
{
    while (p.size() > 1 && p.back() == 0)
        p.pop_back();
    return p;
}
inline PQ Mul(const PQ& a, const PQ& b)
{
    PQ r(a.size() + b.size() - 1, 0);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            r[i + j] += a[i] * b[j];
    return Rogne(r);
}
inline PQ Sub(const PQ& a, const PQ& b)
{
    PQ r(std::max(a.size(), b.size()), 0);
    for (std::size_t i = 0; i < a.size(); ++i)
        r[i] += a[i];
    for (std::size_t i = 0; i < b.size(); ++i)
        r[i] -= b[i];
    return Rogne(r);
}
inline PQ Der(const PQ& a)
{
    PQ r(a.size() > 1 ? a.size() - 1 : 1, 0);
    for (std::size_t i = 1; i < a.size(); ++i)
        r[i - 1] = Quad(i) * a[i];
    return Rogne(r);
}
inline QC Val(const PQ& p, QC z)
{
    QC v{p.back(), 0};
    for (std::size_t k = p.size() - 1; k-- > 0;)
        v = v * z + QC{p[k], 0};
    return v;
}

// Durand-Kerner : toutes les racines ensemble, puis Newton sur chacune.
inline std::vector<QC> RacinesQuad(const PQ& p)
{
    const std::size_t n = p.size() - 1;
    std::vector<QC> z(n);
    Quad rayon = 0;
    for (std::size_t k = 0; k < n; ++k)
        rayon = std::max(rayon, powq(fabsq(p[k] / p[n]), Quad(1) / Quad(n - k)));
    rayon = 2 * rayon + 1;
    for (std::size_t i = 0; i < n; ++i) {
        const Quad a = 2 * acosq(Quad(-1)) * Quad(i) / Quad(n) + Quad(0.4);
        z[i] = {rayon * cosq(a), rayon * sinq(a)};
    }
    for (int it = 0; it < 600; ++it) {
        Quad plus = 0;
        for (std::size_t i = 0; i < n; ++i) {
            QC den{p[n], 0};
            for (std::size_t j = 0; j < n; ++j)
                if (j != i)
                    den = den * (z[i] - z[j]);
            if (Abs(den) == 0)
                continue;
            const QC w = Val(p, z[i]) / den;
            z[i] = z[i] - w;
            plus = std::max(plus, Abs(w) / (Abs(z[i]) + Quad(1e-30)));
        }
        if (plus < Quad(1e-32))
            break;
    }
    const PQ d = Der(p);
    for (QC& r : z)
        for (int it = 0; it < 8; ++it) {
            const QC dv = Val(d, r);
            if (Abs(dv) == 0)
                break;
            r = r - Val(p, r) / dv;
        }
    return z;
}

// K = -D/N, s'il est réel et positif.
inline bool GainQuad(const PQ& n, const PQ& d, QC s, Quad& k)
{
    const QC vn = Val(n, s);
    if (Abs(vn) == 0)
        return false;
    const QC q = Val(d, s) / vn;
    k = -q.Re;
    return k > Quad(1e-25) * (1 + fabsq(q.Im)) && fabsq(q.Im) <= Quad(1e-12) * k;
}

struct SeparationQuad {
    QC P;
    Quad K;
};

inline std::vector<SeparationQuad> SeparationsQuad(const PQ& n, const PQ& d)
{
    std::vector<SeparationQuad> s;
    const PQ p = Sub(Mul(n, Der(d)), Mul(Der(n), d));
    if (p.size() < 2)
        return s;
    for (const QC r : RacinesQuad(p)) {
        Quad k = 0;
        // Un pôle multiple annule N.D' - N'.D sans être un point de séparation (K = 0).
        if (!GainQuad(n, d, r, k) || Abs(Val(d, r)) <= Quad(1e-20) * (1 + Abs(r)))
            continue;
        const bool deja = std::any_of(s.begin(), s.end(), [&](const SeparationQuad& v) { return Abs(v.P - r) < Quad(1e-12) * (1 + Abs(r)); });
        if (!deja)
            s.push_back({r, k});
    }
    return s;
}

struct CroisementQuad {
    Quad Omega;
    Quad K;
};

// D(jω) = Dr + j.Di ; croisements où Di.Nr - Dr.Ni = 0, cherchés sur ω directement.
inline std::vector<CroisementQuad> CroisementsQuad(const PQ& n, const PQ& d)
{
    const auto partie = [](const PQ& p, int imag) {
        PQ r(p.size(), 0);
        for (std::size_t k = std::size_t(imag); k < p.size(); k += 2)
            r[k] = ((k / 2) % 2 == 0 ? 1 : -1) * p[k];
        return Rogne(r);
    };
    const PQ f = Sub(Mul(partie(d, 1), partie(n, 0)), Mul(partie(d, 0), partie(n, 1)));
    std::vector<CroisementQuad> c;
    Quad k0 = 0;
    if (GainQuad(n, d, {0, 0}, k0))
        c.push_back({0, k0});
    if (f.size() < 2)
        return c;
    for (const QC r : RacinesQuad(f)) {
        Quad k = 0;
        if (fabsq(r.Im) > Quad(1e-20) * (1 + fabsq(r.Re)) || !(r.Re > Quad(1e-20)) || !GainQuad(n, d, {0, r.Re}, k))
            continue;
        const bool deja = std::any_of(c.begin(), c.end(), [&](const CroisementQuad& v) { return fabsq(v.Omega - r.Re) < Quad(1e-12) * r.Re; });
        if (!deja)
            c.push_back({r.Re, k});
    }
    return c;
}
