#include "GrappeEchantillonnee.h"

#include <array>
#include <cmath>

namespace {

// Tout se lit en temps rapporté au rayon, u = rayon.t, et c = centre / rayon.
// La dérivée de la part, e^(c.u).P(u) avec P(u) = somme des Poids[b].u^b/b!, a pour coefficients de
// Taylor en s = u - ancre les g_n = somme des c^(n-k)/(n-k)! . q_k, q_k = P^(k)(ancre)/k!. Sur une
// portée où (|c| + 1).s <= 2, la somme des modules des termes reste sous e^2 fois la taille de
// la dérivée sur la portée : moins d'un chiffre perdu aux arrondis, deux fois moins d'ancres qu'à 1.
constexpr Reel PorteeReduite = 2;
// Reste négligé : sous 2^-72 du majorant de la somme des termes, bien sous ses arrondis.
const Reel Negligeable = std::ldexp(Reel(1), -72);
constexpr std::size_t OrdreMax = std::size_t(TermesGrappe) + 24;

TComplexe Echelle(TComplexe z, Reel x) { return {z.Re * x, z.Im * x}; }

// 1/n! pour n < OrdreMax : les boucles qui suivent n'ont plus de division.
constexpr std::array<Reel, OrdreMax> InversesFactorielles()
{
    std::array<Reel, OrdreMax> f{};
    f[0] = 1;
    for (std::size_t n = 1; n < f.size(); ++n)
        f[n] = f[n - 1] / Reel(n);
    return f;
}
constexpr std::array<Reel, OrdreMax> InverseFactorielle = InversesFactorielles();

// t^i / i!, i < TermesGrappe.
std::array<Reel, TermesGrappe> PuissancesReduites(Reel t)
{
    std::array<Reel, TermesGrappe> p{};
    Reel puissance = 1;
    for (std::size_t i = 0; i < p.size(); ++i) {
        p[i] = puissance * InverseFactorielle[i];
        puissance *= t;
    }
    return p;
}

// q_k = P^(k)(t) / k! = somme des Poids[k+i].t^i/i! / k!.
TComplexe CoefficientDeP(const TGrappePoles& g, const std::array<Reel, TermesGrappe>& ti, std::size_t k)
{
    TComplexe q{};
    for (std::size_t i = 0; k + i < ti.size(); ++i)
        q = Somme(q, Echelle(g.Poids[k + i], ti[i]));
    return Echelle(q, InverseFactorielle[k]);
}

}  // namespace

TGrappeEchantillonnee::TGrappeEchantillonnee(const TGrappePoles& grappe, Reel pas)
    : grappe_(&grappe), centre_(Quotient(grappe.Centre, ComplexeReel(grappe.Rayon))),
      portee_(PorteeReduite / (Module(centre_) + 1))
{
    ordre_ = portee_ > grappe.Rayon * pas ? OrdreSuffisant() : 0;
    if (ordre_ == 0)
        portee_ = 0;
}

// Majorant de |q_k|.portee^k pour toute ancre où la grappe sert (u <= LimiteGrappe) :
// U_k = portee^k/k! . somme des |Poids[k+i]|.T^i/i!. Le reste des termes d'ordre >= N est sous
// somme des U_k.(k >= N ? 1 : x^(N-k)/(N-k)!), x = |c|.portee, et la somme de tous sous celle des U_k,
// à un facteur |e^(c.ancre)|.portee.e^x près commun. Rend le plus petit N qui rend ce reste
// négligeable, 0 s'il n'y en a pas.
int TGrappeEchantillonnee::OrdreSuffisant() const
{
    const std::array<Reel, TermesGrappe> ti = PuissancesReduites(LimiteGrappe);
    std::array<Reel, TermesGrappe> poids{};
    for (std::size_t b = 0; b < poids.size(); ++b)
        poids[b] = Module(grappe_->Poids[b]);
    std::array<Reel, TermesGrappe> u{};
    Reel porteeK = 1;  // portee^k
    for (std::size_t k = 0; k < u.size(); ++k) {
        Reel somme = 0;
        for (std::size_t i = 0; k + i < u.size(); ++i)
            somme += poids[k + i] * ti[i];
        u[k] = porteeK * InverseFactorielle[k] * somme;
        porteeK *= portee_;
    }
    const Reel x = Module(centre_) * portee_;
    std::array<Reel, OrdreMax + 1> xj{};  // x^j / j!
    Reel puissance = 1;
    for (std::size_t j = 0; j < OrdreMax; ++j) {
        xj[j] = puissance * InverseFactorielle[j];
        puissance *= x;
    }
    auto reste = [&](int n) {
        Reel r = 0;
        for (int k = 0; k < TermesGrappe; ++k)
            r += u[std::size_t(k)] * (k >= n ? 1 : xj[std::size_t(n - k)]);
        return r;
    };
    const Reel total = reste(0);
    if (!std::isfinite(total) || total == 0)
        return 0;
    for (int n = 1; n < int(OrdreMax); ++n)
        if (reste(n) <= Negligeable * total)
            return n;
    return 0;
}

// Part(ancre + s) = Part(ancre) + e^(c.ancre) . somme des g_n.s^(n+1)/(n+1), n < ordre.
void TGrappeEchantillonnee::Ancre(Reel t)
{
    ancree_ = true;
    ancre_ = grappe_->Rayon * t;
    valeur_ = PartDeLaGrappe(*grappe_, t).Re;
    coefficients_.assign(std::size_t(ordre_), 0);
    const TComplexe e = Exponentielle(Produit(centre_, ComplexeReel(ancre_)));
    const std::array<Reel, TermesGrappe> ti = PuissancesReduites(ancre_);
    std::array<TComplexe, OrdreMax> q;
    std::array<TComplexe, OrdreMax> puissancesC;  // c^j / j!
    for (std::size_t n = 0; n < std::size_t(ordre_); ++n) {
        q[n] = n < ti.size() ? CoefficientDeP(*grappe_, ti, n) : TComplexe{};
        puissancesC[n] = n == 0 ? TComplexe{1, 0} : Echelle(Produit(puissancesC[n - 1], centre_), Reel(1) / Reel(n));
        TComplexe g{};
        for (std::size_t k = 0; k <= n; ++k)
            g = Somme(g, Produit(puissancesC[n - k], q[k]));
        coefficients_[n] = Echelle(Produit(e, g), Reel(1) / Reel(n + 1)).Re;
    }
}

Reel TGrappeEchantillonnee::Part(Reel t)
{
    if (ordre_ == 0)
        return PartDeLaGrappe(*grappe_, t).Re;
    if (!ancree_ || grappe_->Rayon * t - ancre_ > portee_)
        Ancre(t);
    const Reel s = grappe_->Rayon * t - ancre_;
    Reel somme = 0;
    for (auto c = coefficients_.rbegin(); c != coefficients_.rend(); ++c)
        somme = (somme + *c) * s;
    return valeur_ + somme;
}
