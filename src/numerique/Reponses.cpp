#include "Reponses.h"

#include <cmath>
#include <limits>

namespace {

// Indice du premier coefficient qui n'est pas voisin de zéro ; Degre + 1 s'il n'y en a pas.
int PremierCoefNonNul(const TPolynome& p)
{
    int i = 0;
    while (i <= p.Degre && Voisins(p.Coef[i], {0, 0}))
        ++i;
    return i;
}

// Intégrale de 0 à t de la réponse impulsionnelle de a / (p - pole)^l ; exponentielle = e^(pole.t),
// calculée une fois par pôle.
TComplexe IntegraleElement(TComplexe a, TComplexe pole, TComplexe exponentielle, int l, Reel t)
{
    const TComplexe temps = ComplexeReel(t);
    if (Voisins(pole, {0, 0}))
        return Produit(a, ComplexeReel(Puissance(temps, l).Re / Factorielle(l)));
    const int n = l - 1;
    const Reel factN = Factorielle(n);
    TComplexe somme{};
    for (int k = 0; k <= n; ++k) {
        const Reel signe = k % 2 == 0 ? 1 : -1;
        const TComplexe terme = Quotient(Puissance(temps, n - k), Puissance(pole, k));
        somme = Somme(somme, Produit(ComplexeReel(signe * factN / Factorielle(n - k)), terme));
    }
    const Reel signeFinal = (n + 1) % 2 == 0 ? 1 : -1;
    const TComplexe constante = Quotient(ComplexeReel(signeFinal * factN), Puissance(pole, n));
    const TComplexe crochet = Somme(Produit(exponentielle, somme), constante);
    return Produit(Quotient(a, Produit(ComplexeReel(factN), pole)), crochet);
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
    for (int i = 1; i <= d.Multiplicites[0]; ++i) {
        const TComplexe pole = d.Racines[RangRacine(d, i)];
        const TComplexe exponentielle = Exponentielle(Produit(pole, ComplexeReel(t)));
        for (int l = 1; l <= d.Multiplicites[i]; ++l)
            y = Somme(y, IntegraleElement(a(i, l), pole, exponentielle, l, t));
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
    return y0 + a * ReponseIndicielleUnitaire(s.DRampe, s.EntiereRampe, s.DecompositionRampe, t - T);
}
