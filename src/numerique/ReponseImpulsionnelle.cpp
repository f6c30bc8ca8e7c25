#include "ReponseImpulsionnelle.h"

#include "Reponses.h"

namespace {

// p.R, R = N - E.D de degré inférieur à celui de D : tient dans un polynôme même au degré maximal.
TPolynome NumerateurDerive(const TSysteme& s, TComplexe e)
{
    const TPolynome& n = s.Numerateur;
    const TPolynome& d = s.Denominateur;
    TPolynome r = InitPolynome();
    r.Degre = d.Degre;
    for (int k = 0; k < d.Degre; ++k)
        r.Coef[k + 1] = Difference(CoefOuZero(n, k), Produit(e, d.Coef[k]));
    r.CoefsValides = true;
    return r;
}

}  // namespace

TImpulsionnelle PrepareImpulsionnelle(const TSysteme& s)
{
    TImpulsionnelle h;
    const TPolynome& d = s.Denominateur;
    if (s.PartieEntiere.Degre != 0 || d.Degre < 0 || s.Numerateur.Degre > d.Degre)
        return h;
    const TComplexe e = s.PartieEntiere.Coef[0];
    h.Faite = true;
    h.PoidsDirac = d.Degre > 0 ? e.Re : 0;
    if (d.Degre == 0) {
        // Gain pur : toute la réponse est l'impulsion de poids N/D.
        h.PoidsDirac = e.Re;
        return h;
    }
    const TPolynome pr = NumerateurDerive(s, e);
    // p/(p - a)^l = 1/(p - a)^(l-1) + a/(p - a)^l : A'(i, l) = a.A(i, l) + A(i, l + 1) ; la constante
    // est la limite de p.R/D à l'infini.
    h.Entiere.Degre = 0;
    h.Entiere.CoefsValides = true;
    h.Entiere.Coef[0] = Quotient(pr.Coef[d.Degre], d.Coef[d.Degre]);
    for (int i = 1, rang = 1; i <= d.Multiplicites[0]; rang += d.Multiplicites[i++]) {
        const int m = d.Multiplicites[i];
        for (int l = 1; l <= m; ++l) {
            const TComplexe suivant = l < m ? s.Decomposition(i, l + 1) : TComplexe{};
            h.Decomposition(i, l) = Somme(Produit(d.Racines[rang], s.Decomposition(i, l)), suivant);
        }
    }
    h.Decomposition.Proches = TrouvePolesProches(pr, d);
    return h;
}

Reel ReponseImpulsionnelle(const TSysteme& s, const TImpulsionnelle& h, Reel t)
{
    if (!h.Faite || t < s.TempsMort)
        return 0;
    return ReponseIndicielleUnitaire(s.Denominateur, h.Entiere, h.Decomposition, t - s.TempsMort);
}
