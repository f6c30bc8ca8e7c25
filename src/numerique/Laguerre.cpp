#include "Laguerre.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <iterator>

#include "Taylor.h"

namespace {

TComplexe Multiple(Reel k, TComplexe z) { return {k * z.Re, k * z.Im}; }

// P(z) n'est plus distinguable de zéro : borne de l'erreur d'arrondi du schéma de Horner.
bool ValeurNegligeable(int n, const TCoefsLaguerre& a, TComplexe z, TComplexe p)
{
    return Module(p) <= 4 * (n + 1) * LDBL_EPSILON * TailleDesTermes(n, a.data(), Module(z));
}

// Laguerre peut osciller sans fin entre deux points : un pas écourté de temps en temps rompt le cycle.
constexpr int PeriodeCycle = 10;
constexpr Reel FractionsDePas[] = {0.5L, 0.25L, 0.75L, 0.13L, 0.38L, 0.62L, 0.88L, 1.0L};

// Les racines déjà trouvées r_i sont retirées implicitement (Maehly) : le pas de Laguerre est celui
// de f = P / prod(z - r_i), dont f, f', f'' divisés par 1 / prod(z - r_i) valent P, P' - P.S1 et
// P'' - 2.P'.S1 + P.(S1² + S2), avec S1 = somme des 1/(z - r_i) et S2 = somme des 1/(z - r_i)².
struct TRacinesRetirees {
    const TComplexe* Racines = nullptr;  // Racines[1..Nombre]
    int Nombre = 0;
};

TComplexe PasDeflationImplicite(int n, TComplexe z, const TValeursEtDerivees& v, TRacinesRetirees retirees)
{
    TComplexe s1{};
    TComplexe s2{};
    for (int i = 1; i <= retirees.Nombre; ++i) {
        const TComplexe ecart = Difference(z, retirees.Racines[i]);
        // Sur une racine déjà trouvée, P s'annule aussi : rien à retirer.
        if (Egaux(ecart, {0, 0}))
            continue;
        const TComplexe inverse = Quotient({1, 0}, ecart);
        s1 = Somme(s1, inverse);
        s2 = Somme(s2, Produit(inverse, inverse));
    }
    const TComplexe p1 = Difference(v.P1, Produit(v.P, s1));
    const TComplexe p2 =
        Somme(Difference(v.P2, Multiple(2, Produit(v.P1, s1))), Produit(v.P, Somme(Produit(s1, s1), s2)));
    return PasLaguerre(n - retirees.Nombre, v.P, p1, p2);
}

// Borne de Fujiwara : toutes les racines sont dans le disque de ce rayon.
Reel BorneDesRacines(int n, const TCoefsLaguerre& a)
{
    const Reel dominant = Module(a[n]);
    Reel borne = 0;
    for (int k = 1; k <= n; ++k) {
        const Reel rapport = Module(a[n - k]) / dominant / (k == n ? 2 : 1);
        borne = std::max(borne, std::pow(rapport, 1 / Reel(k)));
    }
    return 2 * borne;
}

struct TPas {
    TComplexe Dz;
    bool Entier = true;  // un pas écourté ou un écart ne dit rien de la convergence
};

TComplexe Direction(int iteration) { return {std::cos(Reel(iteration)), std::sin(Reel(iteration))}; }

// Près d'un point où P' et P'' sont presque nuls, le pas devient démesuré : il est ramené à la moitié
// de |z| + borne, distance qui, de l'origine, mène au milieu du disque des racines.
// Coefficients de Taylor de P en z et de sum |a_j|.|z|^j à l'ordre près : le bruit d'arrondi de
// chacun en est une petite fraction.
struct TTaylorLaguerre {
    TCoefsLaguerre T{};
    std::array<Reel, DegreMaxLaguerre + 1> Taille{};
};

TTaylorLaguerre TaylorEn(int n, const TCoefsLaguerre& a, TComplexe z)
{
    TTaylorLaguerre r;
    TCoefsLaguerre b = a;
    std::array<Reel, DegreMaxLaguerre + 1> m{};
    for (int k = 0; k <= n; ++k)
        m[std::size_t(k)] = Module(a[std::size_t(k)]);
    const Reel rz = Module(z);
    // Divisions synthétiques successives par (x - z) : le degré baisse de un à chaque ordre.
    for (int k = 0; k <= n; ++k) {
        TComplexe v = b[std::size_t(n - k)];
        Reel t = m[std::size_t(n - k)];
        for (int j = n - k - 1; j >= 0; --j) {
            const TComplexe c = b[std::size_t(j)];
            const Reel u = m[std::size_t(j)];
            b[std::size_t(j)] = v;
            m[std::size_t(j)] = t;
            v = Somme(Produit(v, z), c);
            t = t * rz + u;
        }
        r.T[std::size_t(k)] = v;
        r.Taille[std::size_t(k)] = t;
    }
    return r;
}

// Au centre d'un anneau de racines resserrées (racine multiple dont les données arrondies ont
// écarté les copies), P, P' et P'' sont tous petits et le pas de Laguerre part au loin. Le
// polygone de Newton des termes de Taylor en z donne le module de la racine la plus proche :
// le plus petit (|a_0|/|a_k|)^(1/k), atteint en a_k.h^k = -a_0.
TComplexe PasDuPolygone(int n, const TCoefsLaguerre& a, TComplexe z, int& ordre)
{
    const TTaylorLaguerre t = TaylorEn(n, a, z);
    const Reel a0 = Module(t.T[0]);
    Reel plusPetit = -1;
    TComplexe pas{};
    for (int k = 1; k <= n; ++k) {
        const Reel ak = Module(t.T[std::size_t(k)]);
        if (ak == 0)
            continue;
        const Reel r = std::pow(a0 / ak, 1 / Reel(k));
        if (plusPetit >= 0 && r >= plusPetit)
            continue;
        ordre = k;
        const TComplexe w = Quotient(Oppose(t.T[0]), t.T[std::size_t(k)]);
        const Reel angle = Argument(w) / k;
        plusPetit = r;
        pas = {-r * std::cos(angle), -r * std::sin(angle)};
    }
    return pas;
}

// Un pas de Laguerre plus long que quatre fois la distance du polygone, quand celle-ci vient
// d'un terme d'ordre 2 ou plus (un anneau, pas une racine simple), ne mène pas à la racine la
// plus proche. Évalué seulement loin de la convergence, et pour les degrés d'une saisie.
constexpr Reel PasSuspect = 1e-3L;
constexpr int DegrePolygoneMax = 24;

TPas PasCorrige(int n, const TCoefsLaguerre& a, TComplexe z, const TValeursEtDerivees& v, int iteration,
                TRacinesRetirees retirees, Reel borne)
{
    const TComplexe dz = PasDeflationImplicite(n, z, v, retirees);
    if (retirees.Nombre == 0 && n <= DegrePolygoneMax && Module(dz) > PasSuspect * (Module(z) + borne)) {
        int ordre = 0;
        const TComplexe polygone = PasDuPolygone(n, a, z, ordre);
        if (ordre >= 2 && EstFini(polygone) && 4 * Module(polygone) < Module(dz))
            return {polygone, false};
    }
    const Reel portee = (Module(z) + borne) / 2;
    // Pas nul loin d'une racine (P' et P'' nuls) : l'arrêt y serait une fausse racine, on s'en écarte.
    if (Egaux(dz, {0, 0}) && !ValeurNegligeable(n, a, z, v.P))
        return {Multiple(portee, Direction(iteration)), false};
    const Reel longueur = Module(dz);
    if (longueur > portee)
        return {Multiple(portee / longueur, dz), false};
    if (iteration % PeriodeCycle == 0)
        return {Multiple(FractionsDePas[(iteration / PeriodeCycle) % std::size(FractionsDePas)], dz), false};
    return {dz, true};
}

TRacineLaguerre Recherche(int n, const TCoefsLaguerre& a, TComplexe depart, int limite, Reel eps,
                          TRacinesRetirees retirees)
{
    const Reel borne = BorneDesRacines(n, a);
    TComplexe z = depart;
    TValeursEtDerivees v = ValeursEtDerivees(n, a, z);
    bool converge = false;
    for (int iteration = 1; iteration <= limite && !converge && EstFini(z); ++iteration) {
        const TPas pas = PasCorrige(n, a, z, v, iteration, retirees, borne);
        z = Difference(z, pas.Dz);
        v = ValeursEtDerivees(n, a, z);
        converge = ValeurNegligeable(n, a, z, v.P) || (pas.Entier && eps * Module(z) > Module(pas.Dz));
    }
    return {z, converge && EstFini(z) ? LaguerreReussi : LaguerreNonConvergent};
}

// Exposant qui ramène le plus grand coefficient entre 1 et 2 ; faux si un coefficient n'est pas fini.
bool ExposantDEchelle(int n, const TCoefsLaguerre& a, int& exposant)
{
    Reel plusGrand = 0;
    for (int k = 0; k <= n; ++k) {
        if (!EstFini(a[k]))
            return false;
        plusGrand = std::max({plusGrand, std::fabs(a[k].Re), std::fabs(a[k].Im)});
    }
    exposant = plusGrand == 0 ? 0 : std::ilogb(plusGrand);
    return true;
}

// Division exacte par une puissance de deux : les racines ne changent pas, et ni les carrés ni
// les seuils de la recherche ne dépendent plus de l'unité choisie pour les coefficients.
void MetALEchelle(int n, TCoefsLaguerre& a, int exposant)
{
    for (int k = 0; k <= n; ++k)
        a[k] = {std::scalbn(a[k].Re, -exposant), std::scalbn(a[k].Im, -exposant)};
}

// Une recherche peut tourner en rond (racines en couronne autour d'un centre, que Laguerre prend
// pour une racine multiple) : on repart de points répartis sur le cercle du module moyen des racines.
constexpr int NombreAutresDeparts = 8;

TComplexe AutreDepart(int n, const TCoefsLaguerre& a, int essai)
{
    const Reel rayon = std::pow(Module(a[0]) / Module(a[n]), 1 / Reel(n));
    const Reel angle = 0.7L + DeuxPi * essai / NombreAutresDeparts;
    return {rayon * std::cos(angle), rayon * std::sin(angle)};
}

}  // namespace

TComplexe RacineCarree(TComplexe w)
{
    const Reel m = Module(w);
    Reel theta;
    // Partie réelle négligeable devant l'imaginaire, et non devant 1 : w peut être minuscule.
    if (std::fabs(w.Re) <= 1e-15L * std::fabs(w.Im))
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
    const TComplexe d = Module(d1) > Module(d2) ? d1 : d2;
    // Seul un diviseur nul (ou un pas hors de l'étendue) annule le pas : un seuil absolu sur d
    // dépendrait de l'unité des coefficients et arrêterait à tort la recherche près de l'origine.
    if (Module(d) == 0)
        return {0, 0};
    const TComplexe dz = Quotient(Multiple(nn, p), d);
    return EstFini(dz) ? dz : TComplexe{0, 0};
}

TRacineLaguerre RacineLaguerre(int n, const TCoefsLaguerre& a, TComplexe depart, int limite, Reel eps)
{
    return Recherche(n, a, depart, limite, eps, {});
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
    // Seul un coefficient dominant nul est enlevé : un coefficient saisi, si petit soit-il devant
    // les autres, porte des racines (1e-18 p² + 1e-6 p + 1 a deux pôles).
    while (n > 0 && Module(a[n]) == 0)
        --n;
    while (n > 0 && Module(a[0]) == 0) {
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
    int exposant = 0;
    if (n > 0 && !ExposantDEchelle(n, a, exposant)) {
        resultat.Statut = LaguerreNonConvergent;
        return resultat;
    }
    int degre = n;
    TCoefsLaguerre reduit = a;
    PrepareRacines(degre, reduit, limite, eps, resultat);
    TCoefsLaguerre origine = a;
    MetALEchelle(n, origine, exposant);
    MetALEchelle(degre, reduit, exposant);
    TComplexe s = depart;
    while (degre > 0 && resultat.Statut == LaguerreReussi) {
        TRacineLaguerre trouvee = RacineLaguerre(degre, reduit, s, limite, eps);
        // Le polynôme réduit a pu trop s'écarter : on cherche alors sur celui d'origine, les racines
        // déjà trouvées retirées implicitement, depuis d'autres points.
        for (int essai = 1; trouvee.Statut != LaguerreReussi && essai <= NombreAutresDeparts; ++essai)
            trouvee = Recherche(n, origine, AutreDepart(degre, reduit, essai), limite, eps,
                                {resultat.Racines.data(), resultat.Nombre});
        if (trouvee.Statut != LaguerreReussi) {
            resultat.Statut = trouvee.Statut;
            break;
        }
        // Affinage sur le polynôme d'origine sans les racines déjà trouvées : la division explicite
        // accumule des erreurs, et l'affinage ne doit pas retomber sur une racine déjà prise.
        const TRacineLaguerre affinee =
            Recherche(n, origine, trouvee.Z, limite, eps, {resultat.Racines.data(), resultat.Nombre});
        resultat.Statut = affinee.Statut;
        resultat.Racines[++resultat.Nombre] = affinee.Z;
        Deflation(degre, reduit, affinee.Z);
        s = affinee.Z;
    }
    return resultat;
}
