#include "ElementsSimples.h"

#include <algorithm>

namespace {

constexpr int NombreCoefficients = DegreMax * DegreMax;

bool EstZeroConstant(const TPolynome& p) { return p.Degre == 0 && Egaux(p.Coef[0], {0, 0}); }

int Statut(const TPolynome& n, const TPolynome& d)
{
    if (!n.CoefsValides || !n.RacinesValides || !d.CoefsValides || !d.RacinesValides)
        return DrapeauxInvalides;
    if (EstZeroConstant(d))
        return DenominateurNul;
    if (n.Degre < 0 || d.Degre < 0)
        return DegreNegatif;
    return DecompositionFaite;
}

// Les produits de polynômes refusent un degré au-delà de DegreMax : on le vérifie avant.
bool ProduitPossible(const TPolynome& a, const TPolynome& b)
{
    return EstZeroConstant(a) || EstZeroConstant(b) || a.Degre + b.Degre <= DegreMax;
}

TComplexe CoefOuZero(const TPolynome& p, int k) { return k <= p.Degre ? p.Coef[k] : TComplexe{}; }

struct TDivision {
    TPolynome Quotient = InitPolynomeValide();
    TPolynome Reste;
};

// Division longue de n par d (degré de d au moins 1) ; le reste perd ses termes de tête au fil des soustractions.
TDivision DivisionLongue(const TPolynome& n, const TPolynome& d)
{
    TDivision r;
    r.Reste = n;
    if (n.Degre < d.Degre)
        return r;
    const int f = n.Degre;
    const int g = d.Degre;
    r.Quotient = InitPolynome();
    r.Quotient.Degre = f - g;
    r.Quotient.CoefsValides = true;
    for (int j = f - g; j >= 0; --j) {
        const TComplexe q = Quotient(CoefOuZero(r.Reste, g + j), d.Coef[g]);
        r.Quotient.Coef[j] = q;
        TPolynome monome = InitPolynome();
        monome.Degre = j;
        monome.Coef[j] = q;
        TPolynome aEnlever = ProduitPolynomes(d, monome);
        OpposePolynome(aEnlever);
        r.Reste = SommePolynomes(r.Reste, aEnlever);
    }
    return r;
}

// Coefficients d'un pôle d'ordre m : dérivées successives de R/Q par la règle du quotient,
// dénominateurs gardés non développés (Q, Q², Q⁴…). La dérivée d'ordre k donne la puissance m - k.
// Rend faux si un produit dépasserait DegreMax.
bool CoefficientsDuPole(const TPolynome& reste, const TPolynome& q, TComplexe pole, int m, TComplexe* coefficients)
{
    TPolynome numerateur = reste;
    TPolynome denominateur = q;
    for (int k = 0;; ++k) {
        const TComplexe derivee = Quotient(ValeurEn(numerateur, pole), ValeurEn(denominateur, pole));
        coefficients[m - k - 1] = Produit(derivee, ComplexeReel(1 / Factorielle(k)));
        if (k == m - 1)
            return true;
        const TPolynome nDerive = Derivee(numerateur);
        const TPolynome dDerive = Derivee(denominateur);
        if (!ProduitPossible(nDerive, denominateur) || !ProduitPossible(numerateur, dDerive)
            || !ProduitPossible(denominateur, denominateur))
            return false;
        TPolynome soustrait = ProduitPolynomes(numerateur, dDerive);
        OpposePolynome(soustrait);
        numerateur = SommePolynomes(ProduitPolynomes(nDerive, denominateur), soustrait);
        denominateur = ProduitPolynomes(denominateur, denominateur);
    }
}

}  // namespace

TDecomposition::TDecomposition() : valeurs_(std::make_unique<TComplexe[]>(NombreCoefficients)) {}

TDecomposition::TDecomposition(const TDecomposition& autre) : TDecomposition()
{
    std::copy_n(autre.valeurs_.get(), NombreCoefficients, valeurs_.get());
}

TDecomposition& TDecomposition::operator=(const TDecomposition& autre)
{
    if (this != &autre)
        std::copy_n(autre.valeurs_.get(), NombreCoefficients, valeurs_.get());
    return *this;
}

void TDecomposition::Efface() { std::fill_n(valeurs_.get(), NombreCoefficients, TComplexe{}); }

int DecomposeEnElementsSimples(const TPolynome& n, const TPolynome& d, TPolynome& partieEntiere,
                               TDecomposition& decomposition)
{
    const int statut = Statut(n, d);
    if (statut != DecompositionFaite)
        return statut;
    if (d.Degre == 0) {
        partieEntiere = n;
        for (int k = 0; k <= n.Degre; ++k)
            partieEntiere.Coef[k] = Quotient(n.Coef[k], d.Coef[0]);
        partieEntiere.Racines[0] = Quotient(n.Racines[0], d.Coef[0]);
        decomposition.Efface();
        return DecompositionFaite;
    }
    const TDivision division = DivisionLongue(n, d);
    // Rangés comme les racines de D (pôle par pôle, puissance par puissance) : rien n'est écrit
    // dans la décomposition tant qu'un pôle pourrait encore échouer.
    TComplexe coefficients[DegreMax + 1];
    for (int i = 1; i <= d.Multiplicites[0]; ++i) {
        const int rang = RangRacine(d, i);
        const TComplexe pole = d.Racines[rang];
        const int m = d.Multiplicites[i];
        const TPolynome q = EnleveRacine(i, m, d);
        if (!CoefficientsDuPole(division.Reste, q, pole, m, &coefficients[rang]))
            return DegreTropGrand;
    }
    partieEntiere = division.Quotient;
    decomposition.Efface();
    for (int i = 1; i <= d.Multiplicites[0]; ++i) {
        const int rang = RangRacine(d, i);
        for (int l = 1; l <= d.Multiplicites[i]; ++l)
            decomposition(i, l) = coefficients[rang + l - 1];
    }
    return DecompositionFaite;
}
