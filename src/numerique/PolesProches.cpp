#include "PolesProches.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Grappes.h"
#include "IntegralesPole.h"
#include "Taylor.h"
#include "TaylorCompense.h"

namespace {

// Rayon de la grappe au plus le quart de la distance de son centre au pôle étranger le plus
// proche : les séries de g et des écarts convergent alors comme 4^-k.
constexpr Reel RapportMax = 4;
// Au-delà, une saisie de degré 10 n'en a jamais autant : les pôles restent seuls.
constexpr int PolesDistinctsMax = 24;
// Chaque réunion retenue en ajoute au plus une : moins de grappes que de pôles.
static_assert(PolesDistinctsMax <= GrappesMax);
constexpr int TermesCoefficients = TermesGrappe + DegreMax + 1;
// Écart admis entre le polynôme local refait sur les racines et celui des coefficients, en
// arrondis par coefficient.
constexpr Reel ArrondiCoefficients = 64;

// z.rho^puissance, pas à pas : chaque produit intermédiaire reste de la taille du résultat
// quand z est de l'ordre de rho^-puissance, là où rho^puissance seul sortirait de l'étendue.
TComplexe Echelonne(TComplexe z, Reel rho, int puissance)
{
    for (; puissance > 0; --puissance)
        z = {z.Re * rho, z.Im * rho};
    for (; puissance < 0; ++puissance)
        z = {z.Re / rho, z.Im / rho};
    return z;
}

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

// Réunions de proche en proche, des deux pôles les plus proches aux plus lointains : chaque
// réunion qui reste une grappe bien séparée du reste est retenue. Les grappes retenues sont donc
// emboîtées ou disjointes.
std::vector<std::vector<int>> Groupes(const std::vector<TPole>& poles)
{
    struct TLien {
        Reel Longueur;
        int A;
        int B;
    };
    std::vector<TLien> liens;
    for (std::size_t i = 0; i < poles.size(); ++i)
        for (std::size_t j = i + 1; j < poles.size(); ++j)
            liens.push_back({Distance(poles[i].Valeur, poles[j].Valeur), int(i), int(j)});
    std::stable_sort(liens.begin(), liens.end(), [](const TLien& x, const TLien& y) { return x.Longueur < y.Longueur; });
    std::vector<int> composante(poles.size());
    std::vector<std::vector<int>> membres(poles.size());
    for (std::size_t i = 0; i < poles.size(); ++i) {
        composante[i] = int(i);
        membres[i] = {int(i)};
    }
    std::vector<std::vector<int>> retenus;
    for (const TLien& l : liens) {
        const int a = composante[std::size_t(l.A)];
        const int b = composante[std::size_t(l.B)];
        if (a == b)
            continue;
        for (const int i : membres[std::size_t(b)])
            composante[std::size_t(i)] = a;
        membres[std::size_t(a)].insert(membres[std::size_t(a)].end(), membres[std::size_t(b)].begin(),
                                       membres[std::size_t(b)].end());
        membres[std::size_t(b)].clear();
        const TGeometrie g = Geometrie(poles, membres[std::size_t(a)]);
        // Rayon nul : la grappe ne serait pas séparée de son centre, et ses séries se lisent en rayon.t.
        if (g.Rayon > 0 && RapportMax * g.Rayon <= g.Eloignement)
            retenus.push_back(membres[std::size_t(a)]);
    }
    // Les plus grandes d'abord : à chaque instant, on prend la plus grande grappe applicable.
    std::stable_sort(retenus.begin(), retenus.end(),
                     [](const std::vector<int>& x, const std::vector<int>& y) { return x.size() > y.size(); });
    return retenus;
}

// Série de a / q (q[0] non nul).
void DiviseSeries(const TComplexe* a, const TComplexe* q, int termes, TComplexe* r)
{
    for (int k = 0; k < termes; ++k) {
        TComplexe s = a[k];
        for (int j = 1; j <= k; ++j)
            s = Difference(s, Produit(q[j], r[k - j]));
        r[k] = Quotient(s, q[0]);
    }
}

// Produit des (x - ecart / rho) sur les pôles de la grappe, chacun selon sa multiplicité :
// unitaire, de degré m.
int ProduitLocal(const std::vector<TPole>& poles, const std::vector<int>& membres, TComplexe c, Reel rho,
                 TComplexe* produit)
{
    produit[0] = {1, 0};
    int degre = 0;
    for (const int i : membres) {
        const TComplexe ecart = Echelonne(Difference(poles[std::size_t(i)].Valeur, c), rho, -1);
        for (int rep = 0; rep < poles[std::size_t(i)].Multiplicite; ++rep, ++degre) {
            produit[degre + 1] = {0, 0};
            for (int k = degre + 1; k >= 0; --k)
                produit[k] = Difference(k > 0 ? produit[k - 1] : TComplexe{}, Produit(ecart, produit[k]));
        }
    }
    return degre;
}

// Quotient, par le haut, de t (degré n) par l unitaire de degré m : les racines de l, petites devant
// celles du quotient, s'enlèvent ainsi sans perte. q reçoit `termes` coefficients au moins.
void QuotientParLeHaut(const TComplexe* t, int n, const TComplexe* l, int m, int termes, TComplexe* q)
{
    TComplexe reste[DegreMax + 1];
    std::copy(t, t + n + 1, reste);
    for (int k = 0; k < std::max(termes, n - m + 1); ++k)
        q[k] = {0, 0};
    for (int j = n - m; j >= 0; --j) {
        q[j] = reste[j + m];
        for (int i = 0; i < m; ++i)
            reste[j + i] = Difference(reste[j + i], Produit(q[j], l[i]));
    }
}

// Série au centre du cofacteur pris sur la forme factorisée, en x = h / rho : coefficient k
// multiplié par rho^k.
void SerieDesRacines(const TPolynome& d, const std::vector<TPole>& poles, const std::vector<int>& membres,
                     TComplexe c, Reel rho, int termes, TComplexe* q)
{
    for (int k = 0; k < termes; ++k)
        q[k] = {0, 0};
    q[0] = d.Racines[0];
    for (std::size_t j = 0; j < poles.size(); ++j) {
        if (std::find(membres.begin(), membres.end(), int(j)) != membres.end())
            continue;
        const TComplexe ecart = Difference(c, poles[j].Valeur);
        for (int rep = 0; rep < poles[j].Multiplicite; ++rep)
            for (int k = termes - 1; k >= 0; --k)
                q[k] = Somme(Produit(q[k], ecart), k > 0 ? Echelonne(q[k - 1], rho, 1) : TComplexe{});
    }
}

// Allers et retours entre les deux divisions : chacun réduit l'écart d'un facteur rayon /
// éloignement au moins (1/4) ; 4^-40 efface tout écart de départ.
constexpr int Scissions = 40;
// Au-delà, L bouge encore : la scission n'a pas convergé, le cofacteur reste celui des racines.
// L est unitaire, ses coefficients en x de l'ordre de l'unité : quelques arrondis près de 2^-64.
const Reel Convergence = std::ldexp(Reel(1), -52);

// Borne de ce que l'arrondi des coefficients de D change au cofacteur tiré d'eux : la même division
// sur la taille des termes de D en c, les termes de L comptés tous du même signe.
void BorneDuQuotient(const TPolynome& d, TComplexe c, Reel rho, const TComplexe* l, int m, int termes, TComplexe* borne)
{
    TComplexe modules[DegreMax + 1];
    TComplexe tailles[DegreMax + 1];
    TComplexe negatifs[DegreMax + 2];
    for (int k = 0; k <= d.Degre; ++k)
        modules[k] = ComplexeReel(Module(d.Coef[k]));
    DeveloppementTaylor(d.Degre, modules, ComplexeReel(Module(c)), d.Degre + 1, tailles);
    for (int k = 0; k <= d.Degre; ++k)
        tailles[k] = Echelonne(tailles[k], rho, k - m);
    for (int k = 0; k < m; ++k)
        negatifs[k] = ComplexeReel(-Module(l[k]));
    QuotientParLeHaut(tailles, d.Degre, negatifs, m, termes, borne);
}

// Les deux lectures du cofacteur s'accordent-elles, à l'arrondi des coefficients et à la précision
// de la factorisation près ? Oui pour des racines saisies ou bien calculées, qu'on garde ; non pour
// des racines calculées d'une grappe que la précision étendue ne sépare pas.
bool CofacteurCoherent(const TPolynome& d, int termes, const TComplexe* racines, const TComplexe* coefficients,
                       const TComplexe* borne)
{
    const Reel precision = ArrondiCoefficients * (d.Degre + 1) * std::ldexp(Reel(1), -64) + PrecisionFactorisation(d);
    for (int k = 0; k < termes; ++k)
        if (!(Distance(racines[k], coefficients[k]) <= precision * borne[k].Re))
            return false;
    return true;
}

// Le même cofacteur tiré des coefficients de D : D(c + h) / rho^m = Q(x).L(x), L unitaire aux
// racines de la grappe. Pris sur les autres racines, il hériterait de leurs erreurs : le centre
// d'une grappe voisine que la précision étendue ne sépare pas s'écarte du vrai de bien plus que
// l'arrondi. Q par le haut depuis L, L par le bas depuis Q, en partant des racines de la grappe ;
// avec la borne de son arrondi. Faux si la scission n'a pas convergé.
bool SerieDuCofacteur(const TPolynome& d, const std::vector<TPole>& poles, const std::vector<int>& membres,
                      TComplexe c, Reel rho, int termes, TComplexe* q, TComplexe* borne)
{
    TComplexe t[DegreMax + 1];
    TComplexe l[DegreMax + 2];
    const int m = ProduitLocal(poles, membres, c, rho, l);
    DeveloppementTaylorCompense(d.Degre, d.Coef.data(), c, t);
    for (int k = 0; k <= d.Degre; ++k)
        t[k] = Echelonne(t[k], rho, k - m);
    Reel mouvement = 0;
    for (int tour = 0; tour < Scissions; ++tour) {
        QuotientParLeHaut(t, d.Degre, l, m, termes, q);
        TComplexe suivant[DegreMax + 2];
        DiviseSeries(t, q, m + 1, suivant);
        mouvement = 0;
        for (int k = 0; k < m; ++k) {
            const TComplexe x = Quotient(suivant[k], suivant[m]);
            mouvement = std::max(mouvement, Distance(x, l[k]));
            l[k] = x;
        }
    }
    QuotientParLeHaut(t, d.Degre, l, m, termes, q);
    BorneDuQuotient(d, c, rho, l, m, termes, borne);
    return mouvement <= Convergence;
}

// Sommes symétriques homogènes complètes h_0..h_(TermesGrappe-1) des écarts au centre rapportés
// au rayon, chaque pôle compté selon sa multiplicité : coefficients de 1 / produit des (1 - ecart.x / rho).
void SommesHomogenes(const std::vector<TPole>& poles, const std::vector<int>& membres, TComplexe c, Reel rho,
                     TComplexe* h)
{
    h[0] = {1, 0};
    for (int j = 1; j < TermesGrappe; ++j)
        h[j] = {0, 0};
    for (const int i : membres) {
        const TComplexe ecart = Echelonne(Difference(poles[std::size_t(i)].Valeur, c), rho, -1);
        for (int rep = 0; rep < poles[std::size_t(i)].Multiplicite; ++rep)
            for (int j = 1; j < TermesGrappe; ++j)
                h[j] = Somme(h[j], Produit(ecart, h[j - 1]));
    }
}

// Polynôme local L(h) = produit des (h - ecart), de degré m, tiré des coefficients de D :
// D(c + h) = Q(c + h).L(h). Des racines calculées d'une grappe serrée s'écartent chacune des
// vraies sans concertation, mais leurs fonctions symétriques, elles, sont dans les coefficients.
// Rendu en x = h / rho et divisé par rho^m (q en x) : ses coefficients restent de la taille du
// premier, si petit que soit le rayon.
void PolynomeLocal(const TPolynome& d, const TComplexe* q, TComplexe c, Reel rho, int m, TComplexe* l,
                   Reel* incertitude)
{
    TComplexe t[DegreMax + 2];
    TComplexe modules[DegreMax + 1];
    TComplexe tailles[DegreMax + 2];
    DeveloppementTaylorCompense(d.Degre, d.Coef.data(), c, t);
    for (int k = 0; k <= d.Degre; ++k)
        modules[k] = ComplexeReel(Module(d.Coef[k]));
    DeveloppementTaylor(d.Degre, modules, ComplexeReel(Module(c)), m + 1, tailles);
    for (int k = 0; k <= m; ++k) {
        t[k] = Echelonne(t[k], rho, k - m);
        tailles[k] = Echelonne(tailles[k], rho, k - m);
    }
    DiviseSeries(t, q, m + 1, l);
    const Reel arrondi = ArrondiCoefficients * (d.Degre + 1) * std::ldexp(Reel(1), -64) + PrecisionFactorisation(d);
    // Le coefficient de tête de L est le dénominateur commun : seuls les m autres sont comparés.
    for (int k = 0; k < m; ++k)
        incertitude[k] = arrondi * tailles[k].Re / Module(q[0]);
}

// h_j depuis L : 1 / (x^m.L(1/x)) = somme des h_j.x^j.
void SommesDepuisLocal(const TComplexe* l, int m, TComplexe* h)
{
    for (int j = 0; j < TermesGrappe; ++j) {
        TComplexe s = j == 0 ? TComplexe{1, 0} : TComplexe{};
        for (int i = 1; i <= std::min(j, m); ++i)
            s = Difference(s, Produit(l[m - i], h[j - i]));
        h[j] = Quotient(s, l[m]);
    }
}

// Les racines redonnent-elles L à l'arrondi des coefficients près ? Oui pour des racines
// saisies, données exactes qu'on garde ; non pour des racines calculées d'une grappe que la
// précision étendue ne sépare pas : on prend alors L.
bool RacinesCoherentes(const std::vector<TPole>& poles, const std::vector<int>& membres, TComplexe c, int m,
                       Reel rho, const TComplexe* l, const Reel* incertitude)
{
    TComplexe produit[DegreMax + 2];
    ProduitLocal(poles, membres, c, rho, produit);
    for (int k = 0; k < m; ++k)
        if (!(Distance(Produit(produit[k], l[m]), l[k]) <= incertitude[k]))
            return false;
    return true;
}

// La part de phi_b tend vers 1/(-x0)^(b+1), x0 = Centre/Rayon : la constante est la somme des
// Poids[b]/(-x0)^(b+1). Les sommes homogènes ne décroissent pas avec b : la série n'est sûre que
// pour |x0| >= RapportMax, où 4^-48 la rend complète.
void Constante(TGrappePoles& g)
{
    const TComplexe x0 = Quotient(g.Centre, ComplexeReel(g.Rayon));
    g.ConstanteConnue = Module(x0) >= RapportMax;
    if (!g.ConstanteConnue)
        return;
    const TComplexe inverse = Quotient({-1, 0}, x0);
    TComplexe puissance = inverse;
    TComplexe c{};
    for (const TComplexe& w : g.Poids) {
        c = Somme(c, Produit(w, puissance));
        puissance = Produit(puissance, inverse);
    }
    g.Constante = c;
}

TGrappePoles Grappe(const TPolynome& reste, const TPolynome& d, bool admise, const std::vector<TPole>& poles,
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
    TComplexe q[TermesCoefficients];
    TComplexe r[TermesCoefficients];
    TComplexe g[TermesCoefficients];
    TComplexe h[TermesGrappe];
    TComplexe l[DegreMax + 2];
    Reel incertitude[DegreMax + 2];
    const Reel rho = geo.Rayon;
    SerieDesRacines(d, poles, membres, geo.Centre, rho, termes, q);
    TComplexe qCoefficients[TermesCoefficients];
    TComplexe borne[TermesCoefficients];
    if (!admise && SerieDuCofacteur(d, poles, membres, geo.Centre, rho, termes, qCoefficients, borne)
        && !CofacteurCoherent(d, termes, q, qCoefficients, borne))
        std::copy(qCoefficients, qCoefficients + termes, q);
    DeveloppementTaylor(reste.Degre, reste.Coef.data(), geo.Centre, termes, r);
    for (int a = 0; a < termes; ++a)
        r[a] = Echelonne(r[a], rho, a);
    DiviseSeries(r, q, termes, g);
    PolynomeLocal(d, q, geo.Centre, rho, m, l, incertitude);
    // Racines qui ne refont pas le polynôme : calculées, et moins sûres que les coefficients, même
    // là où elles s'accordent avec eux à l'arrondi ordinaire près ; L, tiré d'eux en précision
    // double, situe mieux le centre de la grappe.
    if (admise && RacinesCoherentes(poles, membres, geo.Centre, m, rho, l, incertitude))
        SommesHomogenes(poles, membres, geo.Centre, rho, h);
    else
        SommesDepuisLocal(l, m, h);
    // Différence divisée de sum F_k (p - c)^k sur les m pôles : sum_(k >= m-1) F_k.h_(k-m+1), tout
    // en x = (p - c) / rho ; le facteur rho^-m rend la différence divisée en p.
    for (int b = 0; b < TermesGrappe; ++b) {
        TComplexe w{};
        for (int a = std::max(0, m - 1 - b); a < termes; ++a) {
            const int j = a + b - m + 1;
            if (j >= TermesGrappe)
                break;
            w = Somme(w, Produit(g[a], h[j]));
        }
        grappe.Poids[std::size_t(b)] = Echelonne(w, rho, -m);
    }
    Constante(grappe);
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
    // Une factorisation qui refait les coefficients à la précision des données est gardée entière :
    // une racine multiple ajustée et le cofacteur tiré des coefficients ne s'accorderaient pas.
    const bool admise = FactorisationAdmise(d);
    for (const std::vector<int>& membres : Groupes(poles))
        p.Grappes.push_back(Grappe(reste, d, admise, poles, membres));
    return p;
}

bool SerieApplicable(const TGrappePoles& g, Reel t) { return g.Rayon * t <= LimiteGrappe; }

TComplexe PartDeLaGrappe(const TGrappePoles& g, Reel t)
{
    TComplexe phi[TermesGrappe];
    Integrales(Quotient(g.Centre, ComplexeReel(g.Rayon)), g.Rayon * t, phi);
    TComplexe y{};
    for (int b = 0; b < TermesGrappe; ++b)
        y = Somme(y, Produit(g.Poids[std::size_t(b)], phi[b]));
    return y;
}

namespace {

// La part exponentielle est la somme des Poids[b].e_(b+1), e_l = -e^z.(somme des (-z)^k / k!,
// k < l) / (-x0)^l, z = Centre.t, x0 = Centre/Rayon : en logarithmes, de quoi la majorer sans
// passer par ses sommes partielles, qui perdent e^(|z| + Re z).
Reel LogMajorantExponentielle(const TGrappePoles& g, Reel t)
{
    const TComplexe z = Produit(g.Centre, ComplexeReel(t));
    if (!(z.Re < 0) || !(g.Rayon > 0))
        return std::numeric_limits<Reel>::infinity();
    const Reel logZ = std::log(Module(z));
    const Reel logX0 = std::log(Module(g.Centre) / g.Rayon);
    Reel plusGrandTerme = 0;  // log du plus grand |z|^k / k!, k < l
    Reel majorant = -std::numeric_limits<Reel>::infinity();
    for (int b = 0; b < TermesGrappe; ++b) {
        plusGrandTerme = std::max(plusGrandTerme, b * logZ - std::lgamma(Reel(b + 1)));
        const Reel poids = Module(g.Poids[std::size_t(b)]);
        if (poids > 0)
            majorant = std::max(majorant, std::log(poids) + std::log(Reel(b + 1)) + plusGrandTerme - (b + 1) * logX0);
    }
    return z.Re + majorant + std::log(Reel(TermesGrappe));
}

// Pôles éteints : la part exponentielle est sous l'arrondi de la constante, et vaut zéro.
bool ExponentielleEteinte(const TGrappePoles& g, Reel t)
{
    return g.ConstanteConnue && Module(g.Constante) > 0
           && LogMajorantExponentielle(g, t) < std::log(Module(g.Constante)) - 64 * std::log(Reel(2));
}

}  // namespace

TComplexe PartExponentielleDeLaGrappe(const TGrappePoles& g, Reel t)
{
    if (ExponentielleEteinte(g, t))
        return {};
    TComplexe e[TermesGrappe + 1];
    ExponentiellesDuPole(Quotient(g.Centre, ComplexeReel(g.Rayon)), g.Rayon * t, TermesGrappe, e);
    TComplexe y{};
    for (int b = 0; b < TermesGrappe; ++b)
        y = Somme(y, Produit(g.Poids[std::size_t(b)], e[b + 1]));
    return y;
}

namespace {

bool Contient(const TGrappePoles& g, int pole) { return std::find(g.Poles.begin(), g.Poles.end(), pole) != g.Poles.end(); }

bool SeCroisent(const TGrappePoles& a, const TGrappePoles& b)
{
    return std::any_of(a.Poles.begin(), a.Poles.end(), [&](int i) { return Contient(b, i); });
}

// La part exponentielle d'une série prend les sommes partielles de e^(-z), z = Centre.t, qui
// perdent e^(|z| + Re z) : sûre pour une grappe réelle ou vite amortie, pas pour une grappe qui
// oscille longtemps. Sa part entière moins sa constante perdrait, elle, la taille de la constante.
constexpr Reel PerteMax = 7;

bool ExponentielleSure(const TGrappePoles& g, Reel t)
{
    const TComplexe z = Produit(g.Centre, ComplexeReel(t));
    return Module(z) + z.Re <= PerteMax || ExponentielleEteinte(g, t);
}

// La constante de g sert si aucun de ses pôles ne sert déjà une autre constante et si chaque série
// qui le touche est à l'intérieur et sait donner sa part exponentielle.
bool ConstanteUtilisable(const TPolesProches& p, const TPlanGrappes& plan, std::size_t k, Reel t,
                         const std::array<bool, DegreMax + 2>& enConstante)
{
    const TGrappePoles& g = p.Grappes[k];
    if (!g.ConstanteConnue || std::any_of(g.Poles.begin(), g.Poles.end(), [&](int i) { return enConstante[std::size_t(i)]; }))
        return false;
    for (std::size_t j = 0; j < p.Grappes.size(); ++j) {
        const TGrappePoles& s = p.Grappes[j];
        if (plan.Roles[j] == Serie && SeCroisent(s, g)
            && (!ExponentielleSure(s, t)
                || !std::all_of(s.Poles.begin(), s.Poles.end(), [&](int i) { return Contient(g, i); })))
            return false;
    }
    return true;
}

}  // namespace

TPlanGrappes PlanDesGrappes(const TPolesProches& p, Reel t)
{
    TPlanGrappes plan;
    for (std::size_t k = 0; k < p.Grappes.size(); ++k) {
        const TGrappePoles& g = p.Grappes[k];
        if (!SerieApplicable(g, t)
            || std::any_of(g.Poles.begin(), g.Poles.end(), [&](int i) { return plan.Etats[std::size_t(i)] == PoleCouvert; }))
            continue;
        plan.Roles[k] = Serie;
        for (const int i : g.Poles)
            plan.Etats[std::size_t(i)] = PoleCouvert;
    }
    std::array<bool, DegreMax + 2> enConstante{};
    for (std::size_t k = 0; k < p.Grappes.size(); ++k) {
        if (plan.Roles[k] != Inutile || !ConstanteUtilisable(p, plan, k, t, enConstante))
            continue;
        const TGrappePoles& g = p.Grappes[k];
        plan.Roles[k] = ConstanteSeule;
        for (std::size_t j = 0; j < p.Grappes.size(); ++j)
            if (plan.Roles[j] == Serie && SeCroisent(p.Grappes[j], g))
                plan.Roles[j] = SerieSansConstante;
        for (const int i : g.Poles) {
            enConstante[std::size_t(i)] = true;
            if (plan.Etats[std::size_t(i)] == PoleSeul)
                plan.Etats[std::size_t(i)] = PoleExponentiel;
        }
    }
    return plan;
}
