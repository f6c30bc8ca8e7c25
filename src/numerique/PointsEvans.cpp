#include "PointsEvans.h"

#include <algorithm>
#include <cmath>

#include "BoucleFermee.h"
#include "Laguerre.h"
#include "Stabilite.h"
#include "Tolerances.h"

namespace {

Reel Dominant(const TPolynome& p) { return p.Coef[p.Degre].Re; }

// Somme des racines tirée des coefficients : exacte même pour une racine multiple.
Reel SommeRacines(const TPolynome& p)
{
    return p.Degre < 1 ? 0 : -p.Coef[p.Degre - 1].Re / Dominant(p);
}

// Taille des termes de p en z : ce à quoi comparer |p(z)| pour le dire nul.
Reel TailleTermes(const TPolynome& p, TComplexe z)
{
    const Reel r = Module(z);
    Reel taille = 0;
    for (int k = p.Degre; k >= 0; --k)
        taille = taille * r + Module(p.Coef[k]);
    return taille;
}

// K = -D(s)/N(s) s'il est réel et strictement positif.
std::optional<Reel> GainEn(const TPolynome& n, const TPolynome& d, TComplexe s)
{
    const TComplexe vn = ValeurEn(n, s);
    const TComplexe vd = ValeurEn(d, s);
    if (Module(vn) <= ToleranceZeroEvans * TailleTermes(n, s) || Module(vd) <= TolerancePoleEvans * TailleTermes(d, s))
        return std::nullopt;
    const TComplexe k = Oppose(Quotient(vd, vn));
    if (!(k.Re > 0) || std::fabs(k.Im) > ToleranceGainReel * k.Re)
        return std::nullopt;
    return k.Re;
}

// Newton sur un polynôme réel : quelques pas suffisent depuis une racine déjà juste à l'arrondi près.
TComplexe Affine(const TPolynome& p, TComplexe z)
{
    const TPolynome dp = Derivee(p);
    for (int i = 0; i < 4; ++i) {
        const TComplexe v = ValeurEn(p, z);
        const TComplexe dv = ValeurEn(dp, z);
        if (Module(dv) == 0)
            break;
        const TComplexe pas = Quotient(v, dv);
        if (!EstFini(pas) || Module(pas) > PasAffinageMax * std::max(Module(z), Reel(1e-300L)))
            break;
        z = Difference(z, pas);
    }
    return z;
}

// Racines distinctes d'un polynôme réel, une par grappe.
std::vector<TComplexe> RacinesDistinctes(TPolynome p)
{
    std::vector<TComplexe> distinctes;
    if (p.Degre < 1 || CalculeRacines(p) != LaguerreReussi)
        return distinctes;
    for (int i = 1; i <= p.Degre; ++i) {
        const TComplexe r = p.Racines[i];
        if (std::none_of(distinctes.begin(), distinctes.end(),
                         [&](TComplexe v) { return ProchesRelatifs(v, r, ToleranceDistinctes); }))
            distinctes.push_back(r);
    }
    return distinctes;
}

// Partie réelle (paire) ou imaginaire (impaire) de p(jω), polynôme réel en ω.
TPolynome PartieSurAxe(const TPolynome& p, bool imaginaire)
{
    std::array<Reel, DegreMax + 1> c{};
    for (int k = imaginaire ? 1 : 0; k <= p.Degre; k += 2)
        c[std::size_t(k)] = ((k / 2) % 2 == 0 ? 1 : -1) * p.Coef[k].Re;
    return PolynomeReel(std::span<const Reel>(c.data(), std::size_t(p.Degre) + 1));
}

TPolynome DifferencePolynomes(const TPolynome& a, const TPolynome& b)
{
    TPolynome oppose = b;
    OpposePolynome(oppose);
    return SommePolynomes(a, oppose);
}

}

bool LieuCalculable(const TPolynome& n, const TPolynome& d)
{
    return n.RacinesValides && d.RacinesValides && CoefficientsReels(n) && CoefficientsReels(d)
           && std::max(n.Degre, d.Degre) <= DegreEvansMax && n.Degre + d.Degre > 0 && !EstPolynomeNul(n)
           && !EstPolynomeNul(d);
}

TAsymptotes AsymptotesEvans(const TPolynome& n, const TPolynome& d)
{
    TAsymptotes a;
    const int ecart = d.Degre - n.Degre;
    a.Nombre = std::abs(ecart);
    if (ecart == 0)
        return a;
    a.Centre = (SommeRacines(d) - SommeRacines(n)) / ecart;
    // Coefficients dominants de signes contraires : K > 0 donne le lieu complémentaire.
    const bool complementaire = Dominant(n) * Dominant(d) < 0;
    for (int k = 0; k < a.Nombre; ++k)
        a.AnglesDeg.push_back(complementaire ? Reel(360 * k) / a.Nombre : Reel(180 * (2 * k + 1)) / a.Nombre);
    return a;
}

std::vector<TSeparation> SeparationsEvans(const TPolynome& n, const TPolynome& d)
{
    const TPolynome p = DifferencePolynomes(ProduitPolynomes(n, Derivee(d)), ProduitPolynomes(Derivee(n), d));
    std::vector<TSeparation> separations;
    for (TComplexe s : RacinesDistinctes(p)) {
        s = Affine(p, s);
        if (const std::optional<Reel> k = GainEn(n, d, s))
            separations.push_back({s, *k});
    }
    std::sort(separations.begin(), separations.end(), [](const TSeparation& a, const TSeparation& b) {
        return a.K < b.K || (a.K == b.K && a.P.Im < b.P.Im);
    });
    return separations;
}

std::vector<TCroisement> CroisementsAxeImaginaire(const TPolynome& n, const TPolynome& d)
{
    std::vector<TCroisement> croisements;
    if (const std::optional<Reel> k0 = GainEn(n, d, {0, 0}))
        croisements.push_back({0, *k0});
    // Im(D(jω).conj(N(jω))) = Di.Nr - Dr.Ni, impaire en ω : ω.Q(ω²).
    const TPolynome impair = DifferencePolynomes(ProduitPolynomes(PartieSurAxe(d, true), PartieSurAxe(n, false)),
                                        ProduitPolynomes(PartieSurAxe(d, false), PartieSurAxe(n, true)));
    std::array<Reel, DegreMax + 1> q{};
    for (int j = 0; 2 * j + 1 <= impair.Degre; ++j)
        q[std::size_t(j)] = impair.Coef[2 * j + 1].Re;
    const TPolynome carres = PolynomeReel(std::span<const Reel>(q.data(), std::size_t(impair.Degre / 2) + 1));
    if (EstPolynomeNul(carres))
        return croisements;
    for (const TComplexe x : RacinesDistinctes(carres)) {
        if (x.Im != 0 || !(x.Re > 0))
            continue;
        const Reel omega = Affine(impair, {std::sqrt(x.Re), 0}).Re;
        if (const std::optional<Reel> k = GainEn(n, d, {0, omega}))
            croisements.push_back({omega, *k});
    }
    std::sort(croisements.begin(), croisements.end(),
              [](const TCroisement& a, const TCroisement& b) { return a.Omega < b.Omega; });
    return croisements;
}

bool StableAuxPetitsGains(const TPolynome& n, const TPolynome& d, Reel premiereFrontiere)
{
    TBoucleFermee f = FonctionBoucleFermee(n, d, premiereFrontiere / 2);
    return f.Existe && CalculeRacines(f.Denominateur) == LaguerreReussi && ToutesAGauche(f.Denominateur);
}

TPointsEvans PointsEvans(const TPolynome& n, const TPolynome& d)
{
    TPointsEvans points;
    points.Asymptotes = AsymptotesEvans(n, d);
    points.Separations = SeparationsEvans(n, d);
    points.Croisements = CroisementsAxeImaginaire(n, d);
    std::optional<Reel> premiere;
    for (const TCroisement& c : points.Croisements)
        premiere = std::min(c.K, premiere.value_or(c.K));
    // Degrés égaux, dominants de signes contraires : en K = -d_n/n_n une racine passe par l'infini
    // et revient de l'autre côté de l'axe.
    if (n.Degre == d.Degre && Dominant(n) * Dominant(d) < 0) {
        const Reel kInfini = -Dominant(d) / Dominant(n);
        premiere = std::min(kInfini, premiere.value_or(kInfini));
    }
    if (premiere && StableAuxPetitsGains(n, d, *premiere))
        points.GainCritique = premiere;
    return points;
}

TCadreLieu CadreAutoEvans(const TPolynome& n, const TPolynome& d, const TPointsEvans& points)
{
    std::vector<TComplexe> z;
    for (int i = 1; i <= d.Degre; ++i)
        z.push_back(d.Racines[i]);
    for (int i = 1; i <= n.Degre; ++i)
        z.push_back(n.Racines[i]);
    for (const TSeparation& s : points.Separations)
        z.push_back(s.P);
    for (const TCroisement& c : points.Croisements) {
        z.push_back({0, c.Omega});
        z.push_back({0, -c.Omega});
    }
    if (points.Asymptotes.Nombre > 0)
        z.push_back({points.Asymptotes.Centre, 0});
    // L'axe imaginaire, frontière de la stabilité, reste toujours dans le cadre.
    z.push_back({0, 0});
    TCadreLieu c{z[0].Re, z[0].Re, z[0].Im, z[0].Im};
    for (const TComplexe v : z) {
        c.XMin = std::min(c.XMin, v.Re);
        c.XMax = std::max(c.XMax, v.Re);
        c.YMin = std::min(c.YMin, v.Im);
        c.YMax = std::max(c.YMax, v.Im);
    }
    Reel etendue = std::max(c.XMax - c.XMin, c.YMax - c.YMin);
    if (!(etendue > 0))
        etendue = 2;
    // Au moins la moitié de l'étendue sur chaque axe : les branches s'écartent de l'axe réel.
    const auto ouvre = [etendue](Reel& bas, Reel& haut) {
        const Reel manque = etendue / 2 - (haut - bas);
        if (manque > 0) {
            bas -= manque / 2;
            haut += manque / 2;
        }
        bas -= 0.15L * etendue;
        haut += 0.15L * etendue;
    };
    ouvre(c.XMin, c.XMax);
    ouvre(c.YMin, c.YMax);
    return c;
}
