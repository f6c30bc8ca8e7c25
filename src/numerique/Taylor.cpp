#include "Taylor.h"

#include "TypePolynome.h"

void DeveloppementTaylor(int n, const TComplexe* coefs, TComplexe z, int ordres, TComplexe* t)
{
    TComplexe b[DegreMax + 1];
    for (int k = 0; k <= n; ++k)
        b[k] = coefs[k];
    for (int k = 0; k < ordres; ++k, --n) {
        if (n < 0) {
            t[k] = {0, 0};
            continue;
        }
        TComplexe v = b[n];
        for (int j = n - 1; j >= 0; --j) {
            const TComplexe c = b[j];
            b[j] = v;
            v = Somme(Produit(v, z), c);
        }
        t[k] = v;
    }
}

Reel TailleDesTermes(int n, const TComplexe* coefs, Reel r)
{
    Reel s = Module(coefs[n]);
    for (int k = n - 1; k >= 0; --k)
        s = s * r + Module(coefs[k]);
    return s;
}
