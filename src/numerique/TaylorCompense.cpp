#include "TaylorCompense.h"

#include <cmath>

#include "TypePolynome.h"

namespace {

// a + b = s + e exactement.
Reel DeuxSommes(Reel a, Reel b, Reel& e)
{
    const Reel s = a + b;
    const Reel bb = s - a;
    e = (a - (s - bb)) + (b - bb);
    return s;
}

// Moitiés de Veltkamp : 32 bits chacune, leurs produits sont exacts sur les 64 de la mantisse.
void Coupe(Reel a, Reel& haut, Reel& bas)
{
    const Reel c = a * 4294967297.0L;  // 2^32 + 1
    haut = c - (c - a);
    bas = a - haut;
}

// a.b = p + e exactement. Le fma des réels étendus est émulé, vingt fois plus lent que le produit
// de Dekker, qui donne la même erreur tant que rien ne déborde ni ne devient dénormal.
Reel DeuxProduits(Reel a, Reel b, Reel& e)
{
    const Reel p = a * b;
    static const Reel grand = std::ldexp(Reel(1), 8000);
    static const Reel petit = std::ldexp(Reel(1), -16000);
    if (a == 0 || b == 0) {
        e = 0;  // ce que donne le fma : deux zéros opposés font +0
        return p;
    }
    if (!(std::fabs(a) < grand && std::fabs(b) < grand && std::fabs(p) > petit)) {
        e = std::fma(a, b, -p);
        return p;
    }
    Reel ah = 0, al = 0, bh = 0, bl = 0;
    Coupe(a, ah, al);
    Coupe(b, bh, bl);
    e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
    return p;
}

// Valeur non évaluée haut + bas, bas de l'ordre de l'arrondi de haut.
struct TDouble {
    TComplexe Haut;
    TComplexe Bas;
};

// Somme des termes exacts a.b + c.d + f, f petit, rendue en haut + bas.
TDouble Combine(Reel a, Reel b, Reel c, Reel d, Reel f)
{
    Reel e1 = 0;
    Reel e2 = 0;
    Reel e3 = 0;
    Reel e4 = 0;
    const Reel p = DeuxProduits(a, b, e1);
    const Reel q = DeuxProduits(c, d, e2);
    const Reel s = DeuxSommes(p, q, e3);
    const Reel r = DeuxSommes(s, f, e4);
    return {{r, 0}, {e1 + e2 + e3 + e4, 0}};
}

// v.z + c, chacun en haut + bas, z exact.
TDouble Pas(const TDouble& v, TComplexe z, const TDouble& c)
{
    const TDouble re = Combine(v.Haut.Re, z.Re, -v.Haut.Im, z.Im, c.Haut.Re);
    const TDouble im = Combine(v.Haut.Re, z.Im, v.Haut.Im, z.Re, c.Haut.Im);
    const TComplexe bas = Somme(Produit(v.Bas, z), c.Bas);
    return {{re.Haut.Re, im.Haut.Re}, {re.Bas.Re + bas.Re, im.Bas.Re + bas.Im}};
}

}  // namespace

void DeveloppementTaylorCompense(int n, const TComplexe* coefs, TComplexe z, TComplexe* t)
{
    TDouble b[DegreMax + 1];
    for (int k = 0; k <= n; ++k)
        b[k] = {coefs[k], {0, 0}};
    for (int k = 0; k <= n; ++k) {
        const int haut = n - k;
        TDouble v = b[haut];
        for (int j = haut - 1; j >= 0; --j) {
            const TDouble c = b[j];
            b[j] = v;
            v = Pas(v, z, c);
        }
        t[k] = Somme(v.Haut, v.Bas);
    }
}
