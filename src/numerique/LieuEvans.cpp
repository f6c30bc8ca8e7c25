#include "LieuEvans.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Appariement.h"
#include "Laguerre.h"

namespace {

using TRacines = std::array<TComplexe, DegreEvansMax>;

struct TCoefs {
    int Degre = 0;
    std::array<Reel, DegreEvansMax + 1> C{};
};

TCoefs CoefsReels(const TPolynome& p)
{
    TCoefs c;
    c.Degre = p.Degre;
    for (int i = 0; i <= p.Degre; ++i)
        c.C[std::size_t(i)] = p.Coef[i].Re;
    return c;
}

// Racines de A + k.B, deg A >= deg B, suivies de k = 0 (racines de A) à l'infini.
struct TProbleme {
    TCoefs A;
    TCoefs B;
    std::vector<TComplexe> RacinesA;
    std::vector<TComplexe> ZerosB;
    TComplexe Centre;
    Reel Etendue = 1;
    Reel Loin = 3;  // au-delà, une racine est hors de vue : son pas n'est pas limité
    Reel KGarde = 0;
};

TCoefs Combine(const TProbleme& p, Reel k)
{
    TCoefs c = p.A;
    for (int i = 0; i <= p.B.Degre; ++i)
        c.C[std::size_t(i)] += k * p.B.C[std::size_t(i)];
    // Dominant annulé (degrés égaux) : la racine qui passe par l'infini y reste, très loin.
    const std::size_t n = std::size_t(c.Degre);
    const Reel echelle = std::fabs(p.A.C[n]) + k * std::fabs(p.B.C[n]);
    if (std::fabs(c.C[n]) < 1e-15L * echelle)
        c.C[n] = std::copysign(1e-15L * echelle, c.C[n]);
    return c;
}

// Valeur et dérivée d'un polynôme pris sous sa forme factorisée : précise près d'une racine
// multiple, où les coefficients développés ne donnent plus que du bruit.
struct TValeurDerivee {
    TComplexe V;
    TComplexe D;
};

TValeurDerivee Factorisee(Reel dominant, const std::vector<TComplexe>& racines, TComplexe z)
{
    TValeurDerivee r{{dominant, 0}, {0, 0}};
    for (const TComplexe a : racines) {
        const TComplexe facteur = Difference(z, a);
        r.D = Somme(Produit(r.D, facteur), r.V);
        r.V = Produit(r.V, facteur);
    }
    return r;
}

// Départs confondus (racine multiple de A, d'ordre m, en p0) : la méthode d'Aberth divise par
// leurs écarts. Ils s'ouvrent en étoile selon p - p0 = c^(1/m), c = -k.B(p0)/(A^(m)(p0)/m!).
void SepareDeparts(const TProbleme& p, Reel k, TRacines& z, int n)
{
    const Reel confondus = 1e-9L * p.Etendue;
    std::array<bool, DegreEvansMax> traite{};
    for (int i = 0; i < n; ++i) {
        if (traite[std::size_t(i)])
            continue;
        const TComplexe p0 = z[std::size_t(i)];
        std::vector<int> groupe;
        TComplexe autres{p.A.C[std::size_t(n)], 0};
        for (int j = 0; j < n; ++j) {
            if (Distance(z[std::size_t(j)], p0) <= confondus)
                groupe.push_back(j);
            else
                autres = Produit(autres, Difference(p0, z[std::size_t(j)]));
        }
        if (groupe.size() < 2)
            continue;
        const TValeurDerivee b = Factorisee(p.B.C[std::size_t(p.B.Degre)], p.ZerosB, p0);
        const TComplexe c = Oppose(Quotient(Produit({k, 0}, b.V), autres));
        const Reel m = Reel(groupe.size());
        const Reel rayon = EstFini(c) && Module(c) > 0 ? std::pow(Module(c), 1 / m) : 1e-3L * p.Etendue;
        const Reel angle = EstFini(c) ? Argument(c) : 0;
        for (std::size_t l = 0; l < groupe.size(); ++l) {
            const Reel a = (angle + 2 * Pi * Reel(l)) / m;
            z[std::size_t(groupe[l])] = Somme(p0, {rayon * std::cos(a), rayon * std::sin(a)});
            traite[std::size_t(groupe[l])] = true;
        }
    }
}

// 1/z par le conjugué : une division au lieu de trois, ce qui compte dans la boucle d'Aberth.
TComplexe Inverse(TComplexe z)
{
    const Reel carre = z.Re * z.Re + z.Im * z.Im;
    return {z.Re / carre, -z.Im / carre};
}

// Aberth-Ehrlich sur A + k.B depuis les racines du gain précédent ; vrai s'il a convergé. Une
// racine dont la correction est tombée à l'arrondi n'est plus reprise.
bool Aberth(const TProbleme& p, Reel k, TRacines& z)
{
    const int n = p.A.Degre;
    std::array<bool, DegreEvansMax> finie{};
    for (int iteration = 0; iteration < 100; ++iteration) {
        bool stable = true;
        for (int i = 0; i < n; ++i) {
            if (finie[std::size_t(i)])
                continue;
            const TComplexe zi = z[std::size_t(i)];
            const TValeurDerivee a = Factorisee(p.A.C[std::size_t(n)], p.RacinesA, zi);
            const TValeurDerivee b = Factorisee(p.B.C[std::size_t(p.B.Degre)], p.ZerosB, zi);
            const TComplexe v = Somme(a.V, Produit({k, 0}, b.V));
            const TComplexe dv = Somme(a.D, Produit({k, 0}, b.D));
            if (v.Re == 0 && v.Im == 0) {
                finie[std::size_t(i)] = true;
                continue;
            }
            const TComplexe rapport = Quotient(v, dv);
            TComplexe somme;
            for (int j = 0; j < n; ++j)
                if (j != i)
                    somme = Somme(somme, Inverse(Difference(zi, z[std::size_t(j)])));
            const TComplexe w = Quotient(rapport, Difference({1, 0}, Produit(rapport, somme)));
            if (!EstFini(w))
                return false;
            z[std::size_t(i)] = Difference(zi, w);
            if (Module(w) > 1e-17L * std::max(Module(zi), 1e-9L * p.Etendue))
                stable = false;
            else
                finie[std::size_t(i)] = true;
        }
        if (stable)
            return true;
    }
    return false;
}

bool Laguerre(const TCoefs& c, TRacines& z)
{
    TCoefsLaguerre a{};
    for (int i = 0; i <= c.Degre; ++i)
        a[std::size_t(i)] = ComplexeReel(c.C[std::size_t(i)]);
    const TResultatLaguerre r = RacinesLaguerre(c.Degre, a, {1, 1}, 1000, 1e-10L);
    if (r.Statut != LaguerreReussi || r.Nombre != c.Degre)
        return false;
    for (int i = 0; i < c.Degre; ++i)
        z[std::size_t(i)] = r.Racines[std::size_t(i) + 1];
    return true;
}

Reel Carre(TComplexe a, TComplexe b)
{
    const Reel dx = a.Re - b.Re;
    const Reel dy = a.Im - b.Im;
    return dx * dx + dy * dy;
}

// Chaque racine est restée à moins de la moitié de l'écart qui séparait la sienne des autres :
// tout autre appariement coûterait plus, la méthode hongroise n'a rien à changer.
bool ChacuneChezSoi(const TRacines& avant, const TRacines& apres, int n)
{
    for (int i = 0; i < n; ++i) {
        Reel ecart = std::numeric_limits<Reel>::infinity();
        for (int j = 0; j < n; ++j)
            if (j != i)
                ecart = std::min(ecart, Carre(avant[std::size_t(i)], avant[std::size_t(j)]));
        if (!(4 * Carre(avant[std::size_t(i)], apres[std::size_t(i)]) < ecart))
            return false;
    }
    return true;
}

// Racines en k, rangées sur les branches des racines précédentes.
bool Resout(const TProbleme& p, Reel k, const TRacines& precedentes, TRacines& racines)
{
    const TCoefs c = Combine(p, k);
    TRacines z = precedentes;
    SepareDeparts(p, k, z, c.Degre);
    if (!Aberth(p, k, z) && !Laguerre(c, z))
        return false;
    if (ChacuneChezSoi(precedentes, z, c.Degre)) {
        racines = z;
        return true;
    }
    const std::array<int, AppariementMax> suite = Appariement(precedentes.data(), z.data(), c.Degre);
    for (int i = 0; i < c.Degre; ++i)
        racines[std::size_t(i)] = z[std::size_t(suite[std::size_t(i)])];
    return true;
}

bool Loin(const TProbleme& p, TComplexe z) { return !EstFini(z) || Distance(z, p.Centre) > p.Loin; }

// Rapport du plus grand pas à son plafond : au-delà de 1, le pas est refusé. Deux racines
// proches (séparation) ne font que des pas courts devant leur écart, pour ne pas échanger leurs branches.
Reel RapportPas(const TProbleme& p, const TRacines& avant, const TRacines& apres, int n)
{
    Reel rapport = 0;
    for (int i = 0; i < n; ++i) {
        const TComplexe a = avant[std::size_t(i)];
        const TComplexe b = apres[std::size_t(i)];
        if (Loin(p, a) && Loin(p, b))
            continue;
        Reel ecart = p.Etendue;
        for (int j = 0; j < n; ++j)
            if (j != i)
                ecart = std::min(ecart, Distance(a, avant[std::size_t(j)]));
        // Racines confondues (pôle multiple) : tout appariement convient, seul le plafond compte.
        const Reel garde = ecart <= 1e-9L * p.Etendue ? p.Etendue : std::max(0.3L * ecart, 1e-4L * p.Etendue);
        const Reel plafond = std::min(PasLieuMax * p.Etendue, garde);
        rapport = std::max(rapport, Distance(a, b) / plafond);
    }
    return rapport;
}

// Chaque racine est arrivée : sur un zéro de B, ou hors de vue et s'éloignant encore.
bool Arrivees(const TProbleme& p, const TRacines& avant, const TRacines& apres, int n)
{
    for (int i = 0; i < n; ++i) {
        const TComplexe z = apres[std::size_t(i)];
        const bool surUnZero = std::any_of(p.ZerosB.begin(), p.ZerosB.end(),
                                           [&](TComplexe zero) { return Distance(z, zero) <= 1e-3L * p.Etendue; });
        const bool partie = Loin(p, z) && (!EstFini(z) || Distance(z, p.Centre) > Distance(avant[std::size_t(i)], p.Centre));
        if (!surUnZero && !partie)
            return false;
    }
    return true;
}

TProbleme Probleme(const TPolynome& a, const TPolynome& b, const TCadreLieu& cadre)
{
    TProbleme p;
    p.A = CoefsReels(a);
    p.B = CoefsReels(b);
    for (int i = 1; i <= a.Degre; ++i)
        p.RacinesA.push_back(a.Racines[i]);
    for (int i = 1; i <= b.Degre; ++i)
        p.ZerosB.push_back(b.Racines[i]);
    p.Centre = {(cadre.XMin + cadre.XMax) / 2, (cadre.YMin + cadre.YMax) / 2};
    p.Etendue = std::max(cadre.XMax - cadre.XMin, cadre.YMax - cadre.YMin);
    p.Loin = 3 * p.Etendue;
    for (const TSeparation& s : SeparationsEvans(b, a))
        p.KGarde = std::max(p.KGarde, s.K);
    if (a.Degre == b.Degre && p.A.C[std::size_t(a.Degre)] * p.B.C[std::size_t(a.Degre)] < 0)
        p.KGarde = std::max(p.KGarde, -p.A.C[std::size_t(a.Degre)] / p.B.C[std::size_t(a.Degre)]);
    p.KGarde *= 4;
    return p;
}

// Premier gain : les racines quittent les pôles d'un pas entre le dixième et le plafond.
std::optional<TPointLieu> PremierPas(const TProbleme& p, const TPointLieu& depart)
{
    const int n = p.A.Degre;
    Reel k = 1;
    std::optional<TPointLieu> retenu;
    for (int essai = 0; essai < 2000; ++essai) {
        TPointLieu point{k, {}};
        if (!Resout(p, k, depart.Racines, point.Racines))
            return std::nullopt;
        const Reel rapport = RapportPas(p, depart.Racines, point.Racines, n);
        if (rapport <= 1) {
            retenu = point;
            if (rapport >= 0.1L || k > 1e300L)
                break;
            k *= 10;
        } else if (retenu) {
            break;
        } else {
            k /= 10;
        }
    }
    return retenu;
}

std::vector<TPointLieu> Suivi(const TProbleme& p, const TRacines& racinesA)
{
    const int n = p.A.Degre;
    std::vector<TPointLieu> points{{0, racinesA}};
    const std::optional<TPointLieu> premier = PremierPas(p, points.front());
    if (!premier)
        return points;
    points.push_back(*premier);
    Reel facteur = 1;  // k suivant = k.(1 + facteur)
    while (int(points.size()) < PointsLieuMax) {
        const TPointLieu& dernier = points.back();
        TPointLieu suivant{dernier.K * (1 + facteur), {}};
        if (!std::isfinite(suivant.K) || !Resout(p, suivant.K, dernier.Racines, suivant.Racines))
            break;
        const Reel rapport = RapportPas(p, dernier.Racines, suivant.Racines, n);
        if (rapport > 1 && facteur > 1e-15L) {
            facteur /= 3;
            continue;
        }
        const bool fini = suivant.K > p.KGarde && Arrivees(p, dernier.Racines, suivant.Racines, n);
        points.push_back(suivant);
        if (fini)
            break;
        if (rapport < 0.3L)
            facteur = std::min(2 * facteur, Reel(99));
    }
    return points;
}

TRacines RacinesDe(const TPolynome& p)
{
    TRacines r{};
    for (int i = 1; i <= p.Degre; ++i)
        r[std::size_t(i) - 1] = p.Racines[i];
    return r;
}

}

TLieuEvans BranchesEvans(const TPolynome& n, const TPolynome& d, const TCadreLieu& cadre)
{
    TLieuEvans lieu;
    const bool cadreValable = cadre.XMax > cadre.XMin && cadre.YMax > cadre.YMin
                              && std::isfinite(cadre.XMax - cadre.XMin) && std::isfinite(cadre.YMax - cadre.YMin);
    if (!LieuCalculable(n, d) || !cadreValable)
        return lieu;
    // m > n : le lieu de N + (1/K).D, parcouru à rebours, a les mêmes branches.
    const bool inverse = n.Degre > d.Degre;
    const TPolynome& a = inverse ? n : d;
    const TPolynome& b = inverse ? d : n;
    lieu.NbBranches = a.Degre;
    lieu.Points = Suivi(Probleme(a, b, cadre), RacinesDe(a));
    if (inverse) {
        std::reverse(lieu.Points.begin(), lieu.Points.end());
        for (TPointLieu& point : lieu.Points)
            point.K = point.K == 0 ? std::numeric_limits<Reel>::infinity() : 1 / point.K;
    }
    return lieu;
}
