#include "Reponses.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

// Coefficient de p^i nul : les plus bas coefficients d'un polynôme saisi sont tapés, et ceux
// d'un polynôme tiré de ses racines sont des produits, nuls seulement pour une racine nulle.
// Un coefficient non nul, si petit soit-il, n'est donc jamais négligé.
int PremierCoefNonNul(const TPolynome& p)
{
    int i = 0;
    while (i <= p.Degre && Module(p.Coef[i]) == 0)
        ++i;
    return i;
}

// Au-delà, la forme close perd au plus quelques chiffres ; en deçà, la série en z = pole.t
// évite la différence 1 - e^z.(...) de deux nombres presque égaux.
constexpr Reel LimiteSerie = 1;
// 1/26! < 1e-26 : la série est complète en précision étendue pour |z| <= 1.
constexpr int TermesSerie = 26;

// S_l = intégrale de 0 à 1 de u^(l-1).e^(z.u) = somme des z^k / (k! (k + l)), série pour le
// plus grand l seulement ; les autres par S_l = (e^z - z.S_(l+1)) / l, récurrence descendante
// stable pour |z| <= 1. Puis F_l = t^l / (l-1)! . S_l.
void IntegralesParSerie(TComplexe z, Reel t, int m, TComplexe* f)
{
    TComplexe terme{1, 0};
    TComplexe somme{1 / Reel(m), 0};
    for (int k = 1; k < TermesSerie; ++k) {
        terme = Produit(terme, {z.Re / k, z.Im / k});
        somme = Somme(somme, {terme.Re / (k + m), terme.Im / (k + m)});
    }
    const TComplexe ez = Exponentielle(z);
    f[m] = somme;
    for (int l = m - 1; l >= 1; --l) {
        const TComplexe suivant = Difference(ez, Produit(z, f[l + 1]));
        f[l] = {suivant.Re / l, suivant.Im / l};
    }
    Reel facteur = t;  // t^l / (l-1)!
    for (int l = 1; l <= m; ++l) {
        f[l] = {f[l].Re * facteur, f[l].Im * facteur};
        facteur = facteur * t / l;
    }
}

// F_l = (constante - e^z . somme des (-z)^k / k!, k < l) / (-pole)^l : constante 1 pour F_l, 0
// pour sa seule part exponentielle.
void IntegralesFormeClose(TComplexe pole, TComplexe z, int m, Reel constante, TComplexe* f)
{
    const TComplexe ez = Exponentielle(z);
    const TComplexe inverse = Quotient({1, 0}, Oppose(pole));
    TComplexe puissance = inverse;
    TComplexe terme{1, 0};
    TComplexe partielle{1, 0};
    for (int l = 1; l <= m; ++l) {
        f[l] = Produit(puissance, Difference(ComplexeReel(constante), Produit(ez, partielle)));
        terme = Produit(terme, {-z.Re / l, -z.Im / l});
        partielle = Somme(partielle, terme);
        puissance = Produit(puissance, inverse);
    }
}

}  // namespace

void IntegralesDuPole(TComplexe pole, Reel t, int m, TComplexe* f)
{
    const TComplexe z = Produit(pole, ComplexeReel(t));
    if (Module(z) <= LimiteSerie)
        IntegralesParSerie(z, t, m, f);
    else
        IntegralesFormeClose(pole, z, m, 1, f);
}

void ExponentiellesDuPole(TComplexe pole, Reel t, int m, TComplexe* e)
{
    IntegralesFormeClose(pole, Produit(pole, ComplexeReel(t)), m, 0, e);
}

TComplexe ReponseFrequentielle(const TSysteme& s, TComplexe p)
{
    const TComplexe retard = Exponentielle(Produit(ComplexeReel(-s.TempsMort), p));
    const TComplexe h = Produit(retard, Quotient(ValeurEn(s.Numerateur, p), ValeurEn(s.Denominateur, p)));
    return EstFini(h) ? h : ComplexeReel(std::numeric_limits<Reel>::infinity());
}

TGainStatique GainStatique(const TPolynome& n, const TPolynome& d)
{
    const int i = PremierCoefNonNul(n);
    const int j = PremierCoefNonNul(d);
    TGainStatique g;
    if (i > n.Degre)
        return g;
    if (i < j || j > d.Degre)
        g.Infini = true;
    else if (i == j)
        g.Valeur = Quotient(n.Coef[i], d.Coef[i]);
    return g;
}

Reel ReponseIndicielleUnitaire(const TPolynome& d, const TPolynome& e, const TDecomposition& a, Reel t)
{
    if (e.Degre != 0 || t < 0)
        return 0;
    TComplexe y = e.Coef[0];
    TComplexe f[DegreMax + 1];
    const TPlanGrappes plan = PlanDesGrappes(a.Proches, t);
    for (std::size_t k = 0; k < a.Proches.Grappes.size(); ++k) {
        const TGrappePoles& g = a.Proches.Grappes[k];
        if (plan.Roles[k] == Serie)
            y = Somme(y, PartDeLaGrappe(g, t));
        if (plan.Roles[k] == SerieSansConstante)
            y = Somme(y, PartExponentielleDeLaGrappe(g, t));
        if (plan.Roles[k] == ConstanteSeule)
            y = Somme(y, g.Constante);
    }
    // Rang du premier exemplaire de chaque pôle tenu à jour : RangRacine le recompterait.
    for (int i = 1, rang = 1; i <= d.Multiplicites[0]; rang += d.Multiplicites[i++]) {
        const EtatPole etat = plan.Etats[std::size_t(i)];
        if (etat == PoleCouvert)
            continue;
        const int m = d.Multiplicites[i];
        if (etat == PoleExponentiel)
            ExponentiellesDuPole(d.Racines[rang], t, m, f);
        else
            IntegralesDuPole(d.Racines[rang], t, m, f);
        for (int l = 1; l <= m; ++l)
            y = Somme(y, Produit(a(i, l), f[l]));
    }
    return y.Re;
}

Reel RampeParIntegrale(const TPolynome& d, const TPolynome& e, const TDecomposition& a, Reel t)
{
    if (e.Degre != 0 || t < 0)
        return 0;
    TComplexe y = Produit(e.Coef[0], ComplexeReel(t));
    TComplexe f[DegreMax + 2];
    for (int i = 1, rang = 1; i <= d.Multiplicites[0]; rang += d.Multiplicites[i++]) {
        const int m = d.Multiplicites[i];
        IntegralesDuPole(d.Racines[rang], t, m + 1, f);
        for (int l = 1; l <= m; ++l)
            y = Somme(y, Produit(a(i, l), Difference(Produit(f[l], ComplexeReel(t)), Produit(f[l + 1], ComplexeReel(l)))));
    }
    return y.Re;
}

Reel ReponseEchelon(const TSysteme& s, Reel t, Reel T, Reel u0, Reel u1, Reel y0)
{
    if (T > t)
        return y0;
    return y0 + (u1 - u0) * ReponseIndicielleUnitaire(s.Denominateur, s.PartieEntiere, s.Decomposition, t - T);
}

Reel ReponseRampe(const TSysteme& s, Reel t, Reel T, Reel a, Reel y0)
{
    if (T > t)
        return y0;
    if (s.RampeParIntegrale)
        return y0 + a * RampeParIntegrale(s.Denominateur, s.PartieEntiere, s.Decomposition, t - T);
    return y0 + a * ReponseIndicielleUnitaire(s.DRampe, s.EntiereRampe, s.DecompositionRampe, t - T);
}
