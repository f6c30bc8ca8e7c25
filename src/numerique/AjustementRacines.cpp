#include "AjustementRacines.h"

#include <array>
#include <cmath>

namespace {

// Quelques pas suffisent : partis de racines calculées, Gauss-Newton converge en deux ou trois.
constexpr int PasMax = 6;

using TColonne = std::array<TComplexe, DegreMax + 1>;
using TMatrice = std::array<TColonne, DegreMax + 1>;  // colonne par colonne

TComplexe Conjugue(TComplexe z) { return {z.Re, -z.Im}; }

// Coefficients, par puissances croissantes, de constante.produit des (x - centre)^multiplicité, un facteur de centre
// « sauf » en moins (sauf < 0 : aucun).
TColonne Produit(TComplexe constante, const TComplexe* centres, const int* multiplicites, int nombre, int sauf)
{
    TColonne c{};
    c[0] = constante;
    int degre = 0;
    for (int j = 0; j < nombre; ++j)
        for (int r = j == sauf ? 1 : 0; r < multiplicites[j]; ++r, ++degre)
            for (int k = degre + 1; k >= 0; --k)
                c[std::size_t(k)] = Difference(k > 0 ? c[std::size_t(k - 1)] : TComplexe{},
                                               ::Produit(centres[j], c[std::size_t(k)]));
    return c;
}

// Écarts pondérés aux coefficients donnés, et leur somme des carrés.
Reel Ecarts(const TPolynome& p, const Reel* tolerance, const TComplexe* centres, const int* multiplicites, int nombre,
            TColonne& ecarts)
{
    const TColonne refait = Produit(p.Racines[0], centres, multiplicites, nombre, -1);
    Reel somme = 0;
    for (int k = 0; k < p.Degre; ++k) {
        const TComplexe e = Difference(refait[std::size_t(k)], p.Coef[std::size_t(k)]);
        ecarts[std::size_t(k)] = {e.Re / tolerance[k], e.Im / tolerance[k]};
        somme += ecarts[std::size_t(k)].Re * ecarts[std::size_t(k)].Re + ecarts[std::size_t(k)].Im * ecarts[std::size_t(k)].Im;
    }
    return somme;
}

// Moindres carrés a.x = b, a de lignes x colonnes (lignes >= colonnes), par Householder ;
// faux si a n'est pas de rang plein.
bool MoindresCarres(TMatrice& a, int lignes, int colonnes, TColonne& b, TComplexe* x)
{
    for (int j = 0; j < colonnes; ++j) {
        Reel norme = 0;
        for (int i = j; i < lignes; ++i)
            norme = std::hypot(norme, Module(a[std::size_t(j)][std::size_t(i)]));
        if (norme == 0)
            return false;
        const TComplexe pivot = a[std::size_t(j)][std::size_t(j)];
        const Reel mp = Module(pivot);
        const TComplexe alpha = mp == 0 ? ComplexeReel(-norme) : TComplexe{-norme * pivot.Re / mp, -norme * pivot.Im / mp};
        TColonne v{};
        Reel carre = 0;
        for (int i = j; i < lignes; ++i) {
            v[std::size_t(i)] = a[std::size_t(j)][std::size_t(i)];
            if (i == j)
                v[std::size_t(i)] = Difference(v[std::size_t(i)], alpha);
            carre += v[std::size_t(i)].Re * v[std::size_t(i)].Re + v[std::size_t(i)].Im * v[std::size_t(i)].Im;
        }
        const auto reflechit = [&](TColonne& c) {
            TComplexe s{};
            for (int i = j; i < lignes; ++i)
                s = Somme(s, ::Produit(Conjugue(v[std::size_t(i)]), c[std::size_t(i)]));
            const TComplexe f{2 * s.Re / carre, 2 * s.Im / carre};
            for (int i = j; i < lignes; ++i)
                c[std::size_t(i)] = Difference(c[std::size_t(i)], ::Produit(f, v[std::size_t(i)]));
        };
        for (int c = j; c < colonnes; ++c)
            reflechit(a[std::size_t(c)]);
        reflechit(b);
    }
    for (int j = colonnes - 1; j >= 0; --j) {
        TComplexe s = b[std::size_t(j)];
        for (int c = j + 1; c < colonnes; ++c)
            s = Difference(s, ::Produit(a[std::size_t(c)][std::size_t(j)], x[c]));
        x[j] = Quotient(s, a[std::size_t(j)][std::size_t(j)]);
        if (!EstFini(x[j]))
            return false;
    }
    return true;
}

}  // namespace

void AjusteFactorisation(const TPolynome& p, const Reel* tolerance, TComplexe* centres, const int* multiplicites,
                         int nombre)
{
    TColonne ecarts;
    Reel erreur = Ecarts(p, tolerance, centres, multiplicites, nombre, ecarts);
    for (int pas = 0; pas < PasMax && erreur > 0; ++pas) {
        // Dérivée du coefficient k par rapport au centre j : -m_j fois celui du produit privé
        // d'un facteur (x - centre_j).
        TMatrice jacobienne{};
        for (int j = 0; j < nombre; ++j) {
            const TColonne d = Produit(p.Racines[0], centres, multiplicites, nombre, j);
            for (int k = 0; k < p.Degre; ++k) {
                const Reel f = -multiplicites[j] / tolerance[k];
                jacobienne[std::size_t(j)][std::size_t(k)] = {f * d[std::size_t(k)].Re, f * d[std::size_t(k)].Im};
            }
        }
        TComplexe correction[DegreMax + 1];
        TColonne second = ecarts;
        if (!MoindresCarres(jacobienne, p.Degre, nombre, second, correction))
            return;
        TComplexe essai[DegreMax + 1];
        for (int j = 0; j < nombre; ++j)
            essai[j] = Difference(centres[j], correction[j]);
        TColonne ecartsEssai;
        const Reel erreurEssai = Ecarts(p, tolerance, essai, multiplicites, nombre, ecartsEssai);
        if (!(erreurEssai < erreur))
            return;
        for (int j = 0; j < nombre; ++j)
            centres[j] = essai[j];
        erreur = erreurEssai;
        ecarts = ecartsEssai;
    }
}
