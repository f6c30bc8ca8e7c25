#include "IntegralesPole.h"

namespace {

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

