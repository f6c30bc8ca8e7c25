#include "ElementsSimples.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

#include "Grappes.h"
#include "Taylor.h"
#include "TaylorCompense.h"

namespace {

constexpr int NombreCoefficients = DegreMax * DegreMax;

int Statut(const TPolynome& n, const TPolynome& d)
{
    if (!n.CoefsValides || !n.RacinesValides || !d.CoefsValides || !d.RacinesValides)
        return DrapeauxInvalides;
    if (EstPolynomeNul(d))
        return DenominateurNul;
    if (n.Degre < 0 || d.Degre < 0)
        return DegreNegatif;
    return DecompositionFaite;
}

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

// Écart admis entre le cofacteur pris sur les racines et celui tiré des coefficients, en
// arrondis des termes de D.
constexpr Reel ArrondiCofacteur = 64;

// Le cofacteur se lit aussi sur les coefficients : D(pi + h) = h^m.Q(pi + h). Des racines
// calculées d'une grappe que la précision ne sépare pas s'écartent chacune des vraies, et le
// produit qui les prend fausse Q ailleurs ; quand les deux lectures diffèrent plus que
// l'arrondi des coefficients ne l'explique, les coefficients l'emportent. Des racines saisies,
// données exactes, s'accordent avec eux et sont gardées.
void CofacteurDesCoefficients(const TPolynome& d, bool admise, TComplexe pole, int m, TComplexe* q)
{
    TComplexe t[2 * DegreMax + 2];
    TComplexe modules[DegreMax + 1];
    TComplexe tailles[2 * DegreMax + 2];
    // Au-delà du degré de D, les coefficients de Taylor sont nuls. Compensé : près d'une grappe,
    // les termes de D se compensent et le cofacteur en perdrait autant de chiffres.
    const int ordres = std::min(2 * m, d.Degre + 1);
    DeveloppementTaylorCompense(d.Degre, d.Coef.data(), pole, t);
    for (int k = 0; k <= d.Degre; ++k)
        modules[k] = ComplexeReel(Module(d.Coef[k]));
    DeveloppementTaylor(d.Degre, modules, ComplexeReel(Module(pole)), ordres, tailles);
    for (int k = ordres; k < 2 * m; ++k)
        t[k] = tailles[k] = {0, 0};
    // Des racines qui refont D gardent l'arrondi de ses coefficients et la précision de leur
    // factorisation ; des racines qui ne le refont pas, calculées, n'ont que la précision du
    // développement compensé : quelques arrondis de sa valeur, et 2^-64 de ceux de ses termes.
    const Reel u = std::ldexp(Reel(1), -64);
    const Reel arrondi = ArrondiCofacteur * (d.Degre + 1) * u;
    for (int k = 0; k < m; ++k) {
        const Reel admis = admise ? (arrondi + PrecisionFactorisation(d)) * tailles[m + k].Re
                                  : arrondi * (Module(t[m + k]) + u * tailles[m + k].Re);
        if (!(Distance(q[k], t[m + k]) <= admis)) {
            for (int j = 0; j < m; ++j)
                q[j] = t[m + j];
            return;
        }
    }
}

// Développement de Taylor de D/(p - pi)^m autour du pôle, pris sur la forme factorisée : le produit des
// facteurs (pi - rj + h) n'ajoute aucune compensation entre grands coefficients.
void DeveloppementDuCofacteur(const TPolynome& d, bool admise, int i, int m, TComplexe* q)
{
    const int premier = RangRacine(d, i);
    const TComplexe pole = d.Racines[premier];
    q[0] = d.Racines[0];
    for (int k = 1; k < m; ++k)
        q[k] = {0, 0};
    for (int j = 1; j <= d.Degre; ++j) {
        if (j >= premier && j < premier + m)
            continue;
        const TComplexe ecart = Difference(pole, d.Racines[j]);
        for (int k = m - 1; k >= 1; --k)
            q[k] = Somme(Produit(q[k], ecart), q[k - 1]);
        q[0] = Produit(q[0], ecart);
    }
    CofacteurDesCoefficients(d, admise, pole, m, q);
}

// A[i][l] est le coefficient d'ordre m - l du développement de R/Q autour du pôle :
// la formule des résidus sans dériver de fractions, donc sans degrés qui explosent.
void CoefficientsDuPole(const TPolynome& reste, const TPolynome& d, bool admise, int i, TDecomposition& a)
{
    const int m = d.Multiplicites[i];
    TComplexe r[DegreMax + 1];
    TComplexe q[DegreMax + 1];
    TComplexe c[DegreMax + 1];
    DeveloppementTaylor(reste.Degre, reste.Coef.data(), d.Racines[RangRacine(d, i)], m, r);
    DeveloppementDuCofacteur(d, admise, i, m, q);
    for (int k = 0; k < m; ++k) {
        TComplexe somme = r[k];
        for (int j = 1; j <= k; ++j)
            somme = Difference(somme, Produit(q[j], c[k - j]));
        c[k] = Quotient(somme, q[0]);
        a(i, m - k) = c[k];
    }
}

// N et D réels, pôle réel : ses coefficients sont réels ; la partie imaginaire calculée n'est
// qu'un reste d'arrondi des pôles complexes voisins, qu'on ne doit pas afficher.
void CoefficientsReelsDuPoleReel(const TPolynome& d, int i, TDecomposition& a)
{
    if (d.Racines[RangRacine(d, i)].Im != 0)
        return;
    for (int l = 1; l <= d.Multiplicites[i]; ++l)
        a(i, l).Im = 0;
}

bool ToutFini(const TPolynome& partieEntiere, const TPolynome& d, const TDecomposition& a)
{
    for (int k = 0; k <= partieEntiere.Degre; ++k)
        if (!EstFini(partieEntiere.Coef[k]) || !EstFini(partieEntiere.Racines[k]))
            return false;
    for (int i = 1; i <= d.Multiplicites[0]; ++i)
        for (int l = 1; l <= d.Multiplicites[i]; ++l)
            if (!EstFini(a(i, l)))
                return false;
    for (const TGrappePoles& g : a.Proches.Grappes)
        for (const TComplexe& w : g.Poids)
            if (!EstFini(w))
                return false;
    return true;
}

int Verifie(TPolynome& partieEntiere, const TPolynome& d, TDecomposition& a)
{
    if (ToutFini(partieEntiere, d, a))
        return DecompositionFaite;
    partieEntiere = InitPolynome();
    a.Efface();
    return DecompositionHorsEtendue;
}

}  // namespace

TDecomposition::TDecomposition() : valeurs_(std::make_unique<TComplexe[]>(NombreCoefficients)) {}

TDecomposition::TDecomposition(const TDecomposition& autre) : TDecomposition()
{
    Proches = autre.Proches;
    std::copy_n(autre.valeurs_.get(), NombreCoefficients, valeurs_.get());
}

TDecomposition& TDecomposition::operator=(const TDecomposition& autre)
{
    if (this != &autre) {
        std::copy_n(autre.valeurs_.get(), NombreCoefficients, valeurs_.get());
        Proches = autre.Proches;
    }
    return *this;
}

// Octets nuls : 0.0L ; fill_n écrirait les 10201 complexes un à un par la pile x87.
void TDecomposition::Efface()
{
    static_assert(std::is_trivially_copyable_v<TComplexe>);
    std::memset(static_cast<void*>(valeurs_.get()), 0, NombreCoefficients * sizeof(TComplexe));
    Proches = {};
}

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
        return Verifie(partieEntiere, d, decomposition);
    }
    const TDivision division = DivisionLongue(n, d);
    partieEntiere = division.Quotient;
    decomposition.Efface();
    const bool reels = CoefficientsReels(n) && CoefficientsReels(d);
    const bool admise = FactorisationAdmise(d);
    for (int i = 1; i <= d.Multiplicites[0]; ++i) {
        CoefficientsDuPole(division.Reste, d, admise, i, decomposition);
        if (reels)
            CoefficientsReelsDuPoleReel(d, i, decomposition);
    }
    decomposition.Proches = TrouvePolesProches(division.Reste, d);
    return Verifie(partieEntiere, d, decomposition);
}
