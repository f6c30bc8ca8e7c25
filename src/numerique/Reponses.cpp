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

}  // namespace

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
