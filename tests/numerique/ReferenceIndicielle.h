#pragma once
// Réponse indicielle de référence en précision quadruple, par les résidus aux pôles simples
// (y = H(0) + somme des N(pi).e^(pi.t) / (pi.D'(pi))) ou par une forme close écrite à la main, et
// ses caractéristiques lues par balayage dense et dichotomie : rien du noyau n'y sert.
#include <functional>
#include <vector>

#include "ReferenceQuad.h"
#include "numerique/Complexes.h"

struct TReferenceIndicielle {
    std::function<Quad(Quad)> Y;  // réponse sans retard, t >= 0
    std::function<Quad(Quad)> H;  // sa dérivée
    Quad Finale = 0;
    Quad Horizon = 0;  // la réponse y reste à moins de 1e-4 près de sa valeur finale
};

inline QC ExpQ(QC z) { return {expq(z.Re) * cosq(z.Im), expq(z.Re) * sinq(z.Im)}; }

inline QC Produit(const std::vector<TComplexe>& racines, QC z, int saute = -1)
{
    QC p{1, 0};
    for (int j = 0; j < int(racines.size()); ++j)
        if (j != saute)
            p = p * (z - QC{racines[std::size_t(j)].Re, racines[std::size_t(j)].Im});
    return p;
}

// k.prod(p - zj) / prod(p - pi), pôles simples non nuls.
inline TReferenceIndicielle ParResidus(Reel k, const std::vector<TComplexe>& zeros, const std::vector<TComplexe>& poles,
                                       Quad horizon)
{
    std::vector<QC> r;
    std::vector<QC> p;
    for (int i = 0; i < int(poles.size()); ++i) {
        const QC pi{poles[std::size_t(i)].Re, poles[std::size_t(i)].Im};
        p.push_back(pi);
        r.push_back(QC{Quad(k), 0} * Produit(zeros, pi) / Produit(poles, pi, i));
    }
    const QC h0 = QC{Quad(k), 0} * Produit(zeros, {0, 0}) / Produit(poles, {0, 0});
    TReferenceIndicielle ref;
    ref.Finale = h0.Re;
    ref.Horizon = horizon;
    ref.Y = [=](Quad t) {
        QC y = h0;
        for (std::size_t i = 0; i < p.size(); ++i)
            y = y + r[i] / p[i] * ExpQ(p[i] * QC{t, 0});
        return y.Re;
    };
    ref.H = [=](Quad t) {
        QC y{0, 0};
        for (std::size_t i = 0; i < p.size(); ++i)
            y = y + r[i] * ExpQ(p[i] * QC{t, 0});
        return y.Re;
    };
    return ref;
}

struct TCaracteristiquesRef {
    Quad Depassement = 0, Pic = 0, Montee = 0, Reponse5 = 0, Reponse2 = 0, SousValeur = 0, SousInstant = 0;
};

template <typename F>
Quad Dichotomie(F f, Quad a, Quad b)
{
    const bool positifEnA = f(a) > 0;
    for (int k = 0; k < 130; ++k) {
        const Quad c = (a + b) / 2;
        if ((f(c) > 0) == positifEnA)
            a = c;
        else
            b = c;
    }
    return (a + b) / 2;
}

inline TCaracteristiquesRef CaracteristiquesReference(const TReferenceIndicielle& r, int n = 6000)
{
    std::vector<Quad> t(std::size_t(n) + 1), u(std::size_t(n) + 1);
    for (int k = 0; k <= n; ++k) {
        t[std::size_t(k)] = r.Horizon * k / n;
        u[std::size_t(k)] = r.Y(t[std::size_t(k)]) / r.Finale;
    }
    const auto uDe = [&](Quad x) { return r.Y(x) / r.Finale; };
    const auto gDe = [&](Quad x) { return r.H(x) / r.Finale; };
    TCaracteristiquesRef c;
    const auto extreme = [&](int sens, Quad& valeur, Quad& instant) {
        std::size_t m = 0;
        for (std::size_t k = 1; k < u.size(); ++k)
            if (sens * u[k] > sens * u[m])
                m = k;
        instant = t[m];
        if (m > 0 && m + 1 < u.size())
            instant = Dichotomie(gDe, t[m - 1], t[m + 1]);
        valeur = uDe(instant);
    };
    Quad haut = 0;
    extreme(1, haut, c.Pic);
    c.Depassement = haut > 1 ? 100 * (haut - 1) : 0;
    extreme(-1, c.SousValeur, c.SousInstant);
    const auto premier = [&](Quad niveau) {
        if (u[0] >= niveau)
            return Quad(0);
        std::size_t k = 1;
        while (u[k] < niveau)
            ++k;
        return Dichotomie([&](Quad x) { return uDe(x) - niveau; }, t[k - 1], t[k]);
    };
    c.Montee = premier(Quad(9) / 10) - premier(Quad(1) / 10);
    const auto sortie = [&](Quad bande) {
        std::size_t k = u.size() - 1;
        while (k > 0 && fabsq(u[k] - 1) <= bande)
            --k;
        if (k == 0 && fabsq(u[0] - 1) <= bande)
            return Quad(0);
        return Dichotomie([&](Quad x) { return fabsq(uDe(x) - 1) - bande; }, t[k], t[k + 1]);
    };
    c.Reponse5 = sortie(Quad(5) / 100);
    c.Reponse2 = sortie(Quad(2) / 100);
    return c;
}
