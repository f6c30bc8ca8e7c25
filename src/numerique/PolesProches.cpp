#include "PolesProches.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Reponses.h"
#include "Taylor.h"

namespace {

// Rayon de la grappe au plus le quart de la distance de son centre au pôle étranger le plus
// proche : les séries de g et des écarts convergent alors comme 4^-k.
constexpr Reel RapportMax = 4;
// Au-delà, une saisie de degré 10 n'en a jamais autant : les pôles restent seuls.
constexpr int PolesDistinctsMax = 24;
constexpr int TermesCoefficients = TermesGrappe + DegreMax + 1;

struct TPole {
    TComplexe Valeur;
    int Multiplicite = 0;
};

struct TGeometrie {
    TComplexe Centre;
    Reel Rayon = 0;
    Reel Eloignement = 0;  // distance du centre au plus proche pôle hors du groupe
};

TGeometrie Geometrie(const std::vector<TPole>& poles, const std::vector<int>& membres)
{
    TGeometrie g;
    Reel poids = 0;
    for (const int i : membres) {
        const Reel m = poles[std::size_t(i)].Multiplicite;
        g.Centre = Somme(g.Centre, {m * poles[std::size_t(i)].Valeur.Re, m * poles[std::size_t(i)].Valeur.Im});
        poids += m;
    }
    g.Centre = {g.Centre.Re / poids, g.Centre.Im / poids};
    g.Eloignement = std::numeric_limits<Reel>::infinity();
    for (std::size_t j = 0; j < poles.size(); ++j) {
        const Reel ecart = Distance(poles[j].Valeur, g.Centre);
        if (std::find(membres.begin(), membres.end(), int(j)) != membres.end())
            g.Rayon = std::max(g.Rayon, ecart);
        else
            g.Eloignement = std::min(g.Eloignement, ecart);
    }
    return g;
}

Reel DistanceEntre(const std::vector<TPole>& poles, const std::vector<int>& a, const std::vector<int>& b)
{
    Reel d = std::numeric_limits<Reel>::infinity();
    for (const int i : a)
        for (const int j : b)
            d = std::min(d, Distance(poles[std::size_t(i)].Valeur, poles[std::size_t(j)].Valeur));
    return d;
}

// Réunions successives des deux groupes les plus proches tant que le groupe réuni reste une
// grappe bien séparée du reste.
std::vector<std::vector<int>> Groupes(const std::vector<TPole>& poles)
{
    std::vector<std::vector<int>> groupes;
    for (std::size_t i = 0; i < poles.size(); ++i)
        groupes.push_back({int(i)});
    for (;;) {
        std::size_t meilleurA = 0;
        std::size_t meilleurB = 0;
        Reel meilleure = std::numeric_limits<Reel>::infinity();
        for (std::size_t a = 0; a < groupes.size(); ++a)
            for (std::size_t b = a + 1; b < groupes.size(); ++b) {
                const Reel d = DistanceEntre(poles, groupes[a], groupes[b]);
                if (!(d < meilleure))
                    continue;
                std::vector<int> reunion = groupes[a];
                reunion.insert(reunion.end(), groupes[b].begin(), groupes[b].end());
                const TGeometrie g = Geometrie(poles, reunion);
                if (RapportMax * g.Rayon <= g.Eloignement) {
                    meilleure = d;
                    meilleurA = a;
                    meilleurB = b;
                }
            }
        if (!std::isfinite(meilleure))
            return groupes;
        groupes[meilleurA].insert(groupes[meilleurA].end(), groupes[meilleurB].begin(), groupes[meilleurB].end());
        groupes.erase(groupes.begin() + std::ptrdiff_t(meilleurB));
    }
}

// Série de Taylor au centre de R / (D sans la grappe), le cofacteur pris sur la forme factorisée.
void SerieDeG(const TPolynome& reste, const TPolynome& d, const std::vector<TPole>& poles,
              const std::vector<int>& membres, TComplexe c, int termes, TComplexe* g)
{
    TComplexe r[TermesCoefficients];
    TComplexe q[TermesCoefficients] = {};
    DeveloppementTaylor(reste.Degre, reste.Coef.data(), c, termes, r);
    q[0] = d.Racines[0];
    for (std::size_t j = 0; j < poles.size(); ++j) {
        if (std::find(membres.begin(), membres.end(), int(j)) != membres.end())
            continue;
        const TComplexe ecart = Difference(c, poles[j].Valeur);
        for (int rep = 0; rep < poles[j].Multiplicite; ++rep)
            for (int k = termes - 1; k >= 0; --k)
                q[k] = Somme(Produit(q[k], ecart), k > 0 ? q[k - 1] : TComplexe{});
    }
    for (int k = 0; k < termes; ++k) {
        TComplexe s = r[k];
        for (int j = 1; j <= k; ++j)
            s = Difference(s, Produit(q[j], g[k - j]));
        g[k] = Quotient(s, q[0]);
    }
}

// Sommes symétriques homogènes complètes h_0..h_(TermesGrappe-1) des écarts au centre, chaque
// pôle compté selon sa multiplicité.
void SommesHomogenes(const std::vector<TPole>& poles, const std::vector<int>& membres, TComplexe c, TComplexe* h)
{
    h[0] = {1, 0};
    for (int j = 1; j < TermesGrappe; ++j)
        h[j] = {0, 0};
    for (const int i : membres) {
        const TComplexe ecart = Difference(poles[std::size_t(i)].Valeur, c);
        for (int rep = 0; rep < poles[std::size_t(i)].Multiplicite; ++rep)
            for (int j = 1; j < TermesGrappe; ++j)
                h[j] = Somme(h[j], Produit(ecart, h[j - 1]));
    }
}

TGrappePoles Grappe(const TPolynome& reste, const TPolynome& d, const std::vector<TPole>& poles,
                    const std::vector<int>& membres)
{
    const TGeometrie geo = Geometrie(poles, membres);
    TGrappePoles grappe;
    grappe.Centre = geo.Centre;
    grappe.Rayon = geo.Rayon;
    int m = 0;
    for (const int i : membres) {
        grappe.Poles.push_back(i + 1);
        m += poles[std::size_t(i)].Multiplicite;
    }
    const int termes = TermesGrappe + m - 1;
    TComplexe g[TermesCoefficients];
    TComplexe h[TermesGrappe];
    SerieDeG(reste, d, poles, membres, geo.Centre, termes, g);
    SommesHomogenes(poles, membres, geo.Centre, h);
    // Différence divisée de sum F_k (p - c)^k sur les m pôles : sum_(k >= m-1) F_k.h_(k-m+1).
    for (int b = 0; b < TermesGrappe; ++b) {
        TComplexe w{};
        for (int a = std::max(0, m - 1 - b); a < termes; ++a) {
            const int j = a + b - m + 1;
            if (j >= TermesGrappe)
                break;
            w = Somme(w, Produit(g[a], h[j]));
        }
        grappe.Poids[std::size_t(b)] = w;
    }
    return grappe;
}

// S_l = intégrale de 0 à 1 de u^(l-1).e^(z.u), l = debut..fin, par S_l = (e^z - z.S_(l+1)) / l
// en descendant depuis la série S_l = e^z.somme (-z)^k / (l (l+1) ... (l+k)), pour l > 2|z|.
void IntegralesDescendantes(TComplexe z, TComplexe ez, int debut, int fin, TComplexe* s)
{
    const int haut = std::max(fin, int(2 * Module(z)) + 1);
    TComplexe terme = Quotient(ez, ComplexeReel(haut));
    TComplexe somme = terme;
    for (int k = 1; k < 200 && Module(terme) > 1e-22L * Module(somme); ++k) {
        terme = Quotient(Produit(terme, Oppose(z)), ComplexeReel(haut + k));
        somme = Somme(somme, terme);
    }
    TComplexe courant = somme;
    for (int l = haut; l >= debut; --l) {
        if (l <= fin)
            s[l] = courant;
        if (l > debut)
            courant = Quotient(Difference(ez, Produit(z, courant)), ComplexeReel(l - 1));
    }
}

// phi_b = F_(b+1)(c, t) = t^(b+1) / b! . S_(b+1)(c.t) pour b < TermesGrappe, stable pour tout l :
// montée (e^z - l.S_l) / z tant que l <= |z|, descente au-delà.
void Integrales(TComplexe c, Reel t, TComplexe* phi)
{
    const TComplexe z = Produit(c, ComplexeReel(t));
    if (Module(z) <= 1) {
        TComplexe f[TermesGrappe + 1];
        IntegralesDuPole(c, t, TermesGrappe, f);
        for (int b = 0; b < TermesGrappe; ++b)
            phi[b] = f[b + 1];
        return;
    }
    TComplexe s[TermesGrappe + 2];
    const TComplexe ez = Exponentielle(z);
    const int montee = std::min(TermesGrappe, int(Module(z)));
    s[1] = Quotient(Difference(ez, {1, 0}), z);
    for (int l = 1; l < montee; ++l)
        s[l + 1] = Quotient(Difference(ez, Produit(ComplexeReel(l), s[l])), z);
    if (montee < TermesGrappe)
        IntegralesDescendantes(z, ez, montee + 1, TermesGrappe, s);
    Reel facteur = t;  // t^(b+1) / b!
    for (int b = 0; b < TermesGrappe; ++b) {
        phi[b] = Produit(s[b + 1], ComplexeReel(facteur));
        facteur = facteur * t / (b + 1);
    }
}

}  // namespace

TPolesProches TrouvePolesProches(const TPolynome& reste, const TPolynome& d)
{
    TPolesProches p;
    const int distincts = d.Multiplicites[0];
    if (distincts < 2 || distincts > PolesDistinctsMax)
        return p;
    std::vector<TPole> poles;
    for (int i = 1; i <= distincts; ++i)
        poles.push_back({d.Racines[RangRacine(d, i)], d.Multiplicites[i]});
    for (const std::vector<int>& membres : Groupes(poles)) {
        if (membres.size() < 2)
            continue;
        p.Grappes.push_back(Grappe(reste, d, poles, membres));
        for (const int i : membres)
            p.GrappeDuPole[std::size_t(i + 1)] = int(p.Grappes.size());
    }
    return p;
}

bool SerieApplicable(const TGrappePoles& g, Reel t) { return g.Rayon * t <= LimiteGrappe; }

TComplexe PartDeLaGrappe(const TGrappePoles& g, Reel t)
{
    TComplexe phi[TermesGrappe];
    Integrales(g.Centre, t, phi);
    TComplexe y{};
    for (int b = 0; b < TermesGrappe; ++b)
        y = Somme(y, Produit(g.Poids[std::size_t(b)], phi[b]));
    return y;
}
