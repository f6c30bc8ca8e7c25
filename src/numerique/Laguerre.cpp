#include "Laguerre.h"

#include <cmath>

namespace {

// Module sans les gardes de Module : l'algorithme n'en a pas besoin.
Reel ModuleSimple(TComplexe z) { return std::sqrt(z.Re * z.Re + z.Im * z.Im); }

TComplexe QuotientLaguerre(TComplexe u, TComplexe v)
{
    const Reel m2 = v.Re * v.Re + v.Im * v.Im;
    const TComplexe p = Produit(u, {v.Re, -v.Im});
    return {p.Re / m2, p.Im / m2};
}

TComplexe Multiple(Reel k, TComplexe z) { return {k * z.Re, k * z.Im}; }

}  // namespace

TComplexe RacineCarree(TComplexe w)
{
    const Reel m = std::sqrt(w.Re * w.Re + w.Im * w.Im);
    Reel theta;
    if (std::fabs(w.Re) < 1e-15L)
        theta = w.Im >= 0 ? Pi / 2 : -Pi / 2;
    else if (w.Re >= 0)
        theta = std::atan(w.Im / w.Re);
    else
        theta = std::atan(w.Im / w.Re) + Pi;
    const Reel r = std::sqrt(m);
    return {r * std::cos(theta / 2), r * std::sin(theta / 2)};
}

TValeursEtDerivees ValeursEtDerivees(int n, const TCoefsLaguerre& a, TComplexe z)
{
    TCoefsLaguerre b{};
    TCoefsLaguerre d{};
    b[n] = a[n];
    for (int k = n - 1; k >= 0; --k)
        b[k] = Somme(Produit(b[k + 1], z), a[k]);
    d[n] = b[n];
    for (int k = n - 1; k >= 1; --k)
        d[k] = Somme(Produit(d[k + 1], z), b[k]);
    // Au premier degré, le départ e = d[n] donnerait 2·a[1] au lieu de zéro.
    if (n < 2)
        return {b[0], d[1], {0, 0}};
    TComplexe e = d[n];
    for (int k = n - 1; k >= 2; --k)
        e = Somme(Produit(e, z), d[k]);
    return {b[0], d[1], Multiple(2, e)};
}

TComplexe PasLaguerre(int n, TComplexe p, TComplexe p1, TComplexe p2)
{
    const Reel nn = n;
    const TComplexe a = Multiple((nn - 1) * (nn - 1), Produit(p1, p1));
    const TComplexe b = Multiple(nn * (nn - 1), Produit(p, p2));
    const TComplexe s = RacineCarree(Difference(a, b));
    const TComplexe d1 = Somme(p1, s);
    const TComplexe d2 = Difference(p1, s);
    const TComplexe d = ModuleSimple(d1) > ModuleSimple(d2) ? d1 : d2;
    if (ModuleSimple(d) < 1e-15L)
        return {0, 0};
    return QuotientLaguerre(Multiple(nn, p), d);
}

TRacineLaguerre RacineLaguerre(int n, const TCoefsLaguerre& a, TComplexe depart, int limite, Reel eps)
{
    TComplexe z = depart;
    TValeursEtDerivees v = ValeursEtDerivees(n, a, z);
    bool converge = false;
    for (int iterations = 0; iterations < limite && !converge; ++iterations) {
        const TComplexe dz = PasLaguerre(n, v.P, v.P1, v.P2);
        z = Difference(z, dz);
        v = ValeursEtDerivees(n, a, z);
        converge = ModuleSimple(v.P) <= 1e-15L || eps * ModuleSimple(z) > ModuleSimple(dz);
    }
    return {z, converge ? LaguerreReussi : LaguerreNonConvergent};
}

void Deflation(int& n, TCoefsLaguerre& a, TComplexe r)
{
    TCoefsLaguerre q{};
    q[n - 1] = a[n];
    for (int k = n - 1; k >= 1; --k)
        q[k - 1] = Somme(Produit(q[k], r), a[k]);
    a = q;
    --n;
}

void PrepareRacines(int& n, TCoefsLaguerre& a, int limite, Reel eps, TResultatLaguerre& resultat)
{
    resultat.Statut = LaguerreReussi;
    if (n <= 0)
        resultat.Statut = LaguerreDegreNul;
    if (eps <= 0)
        resultat.Statut = LaguerreToleranceNulle;
    if (limite < 0)
        resultat.Statut = LaguerreLimiteNegative;
    if (resultat.Statut != LaguerreReussi)
        return;
    while (n > 0 && ModuleSimple(a[n]) < 1e-15L)
        --n;
    while (n > 0 && ModuleSimple(a[0]) == 0) {
        resultat.Racines[++resultat.Nombre] = {0, 0};
        for (int k = 0; k < n; ++k)
            a[k] = a[k + 1];
        a[n] = {0, 0};
        --n;
    }
}

TResultatLaguerre RacinesLaguerre(int n, const TCoefsLaguerre& a, TComplexe depart, int limite, Reel eps)
{
    TResultatLaguerre resultat;
    if (n > DegreMaxLaguerre)
        n = DegreMaxLaguerre;
    int degre = n;
    TCoefsLaguerre reduit = a;
    PrepareRacines(degre, reduit, limite, eps, resultat);
    TComplexe s = depart;
    while (degre > 0 && resultat.Statut == LaguerreReussi) {
        const TRacineLaguerre trouvee = RacineLaguerre(degre, reduit, s, limite, eps);
        if (trouvee.Statut != LaguerreReussi) {
            resultat.Statut = trouvee.Statut;
            break;
        }
        const TRacineLaguerre affinee = RacineLaguerre(n, a, trouvee.Z, limite, eps);
        resultat.Statut = affinee.Statut;
        resultat.Racines[++resultat.Nombre] = affinee.Z;
        Deflation(degre, reduit, affinee.Z);
        s = affinee.Z;
    }
    return resultat;
}
