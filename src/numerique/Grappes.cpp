#include "Grappes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "AjustementRacines.h"
#include "Taylor.h"
#include "TaylorCompense.h"
#include "Tolerances.h"

namespace {

// L'affinage de Laguerre s'arrête sur un résidu de quelques arrondis de Horner : une racine
// calculée peut s'écarter de la vraie d'un peu plus que la précision estimée. Au-delà de deux
// fois cette précision, deux racines proches se distinguent et restent séparées.
constexpr Reel Marge = 2;
constexpr int AffinagesMax = 8;
// Les coefficients saisis ou lus sont connus à 1e-15 près de leur taille : c'est ce que le
// fichier garde (15 chiffres significatifs, soit jusqu'à 5e-15 d'arrondi) et plus que ce que
// l'on tape.
constexpr Reel PrecisionDonnees = 1e-15L;
// Sur 3000 tirages de racines multiples relues à 15 chiffres, la factorisation ajustée s'écarte
// des coefficients d'au plus 0,3 fois 16e-15 (l'arrondi à 15 chiffres lui-même) : une marge de
// 16 laisse un facteur 3.
constexpr Reel Securite = 16;
// Racines calculées en précision étendue : le produit qui les refait s'écarte du polynôme de
// quelques arrondis par facteur, rapportés à la taille de ses termes.
constexpr Reel ArrondiRacines = 64;
// Borne des lectures essayées : 3^6, au-delà de ce qu'une saisie de degré 10 peut demander.
constexpr int CombinaisonsMax = 729;
// Travail des ajustements (grappes x degré², le coût d'un pas de Gauss-Newton) qu'aucune saisie
// de degré 10 n'atteint : au-delà, au degré maximal, chaque lecture coûte des millisecondes et
// aucune n'est admise quand les données ne situent plus les racines.
constexpr long TravailMax = long(CombinaisonsMax) * 10 * 10 * 10;

struct TGrappe {
    TComplexe Centre;
    int Multiplicite = 0;
};

struct TGrappes {
    std::array<TGrappe, DegreMax + 1> Liste{};
    int Nombre = 0;
};

TComplexe Divise(TComplexe z, Reel d) { return {z.Re / d, z.Im / d}; }

// (precision.S / |P^(m)(z)/m!|)^(1/m), S taille des termes de P en z ; 0 si P^(m)(z) est nul.
Reel RayonPourPrecision(const TPolynome& p, TComplexe z, int m, Reel precision)
{
    TComplexe t[DegreMax + 1];
    DeveloppementTaylor(p.Degre, p.Coef.data(), z, m + 1, t);
    const Reel derivee = Module(t[m]);
    if (derivee == 0)
        return 0;
    const Reel taille = TailleDesTermes(p.Degre, p.Coef.data(), Module(z));
    return std::pow(precision * taille / derivee, 1 / Reel(m));
}

// Rayon dans lequel les données, connues à PrecisionDonnees près, situent une racine d'ordre m.
Reel RayonDonnees(const TPolynome& p, TComplexe z, int m)
{
    return RayonPourPrecision(p, z, m, Securite * PrecisionDonnees);
}

struct TMembres {
    std::array<int, DegreMax + 1> Indices{};
    int Nombre = 0;
};

TComplexe Conjugue(TComplexe z) { return {z.Re, -z.Im}; }

// Une racine de multiplicité m est racine simple de P^(m-1) : Newton sur cette dérivée, sans
// quitter la grappe.
TComplexe Affine(const TPolynome& p, TGrappe g)
{
    const int m = g.Multiplicite;
    const Reel rayon = Marge * PrecisionRacine(p, g.Centre, m);
    TComplexe z = g.Centre;
    Reel pasPrecedent = 0;
    for (int i = 0; i < AffinagesMax; ++i) {
        TComplexe t[DegreMax + 1];
        DeveloppementTaylor(p.Degre, p.Coef.data(), z, m + 1, t);
        const TComplexe pas = Quotient(t[m - 1], Produit(ComplexeReel(m), t[m]));
        const TComplexe suivant = Difference(z, pas);
        const Reel longueur = Module(pas);
        if (!EstFini(suivant) || Distance(suivant, g.Centre) > rayon || (i > 0 && longueur >= pasPrecedent))
            break;
        z = suivant;
        pasPrecedent = longueur;
        if (longueur == 0)
            break;
    }
    return z;
}

// Les racines libres, de la plus proche de la racine i à la plus lointaine (i d'abord).
TMembres ParDistance(const TPolynome& p, int i, const std::array<bool, DegreMax + 1>& prises)
{
    TMembres m;
    for (int j = 1; j <= p.Degre; ++j)
        if (!prises[j])
            m.Indices[m.Nombre++] = j;
    std::stable_sort(m.Indices.begin(), m.Indices.begin() + m.Nombre, [&](int a, int b) {
        return Distance(p.Racines[a], p.Racines[i]) < Distance(p.Racines[b], p.Racines[i]);
    });
    return m;
}

// Coefficients de cst.(p - c)^m.(produit des autres racines) et de |cst|.(p + |c|)^m.(produit des
// p + |r|) : le polynôme refait et la taille de ses termes.
struct TRefait {
    TComplexe Coef[DegreMax + 1];
    Reel Taille[DegreMax + 1];
};

void MultiplieParFacteur(TRefait& q, int degre, TComplexe r)
{
    const Reel module = Module(r);
    for (int k = degre + 1; k >= 0; --k) {
        const TComplexe haut = k > 0 ? q.Coef[k - 1] : TComplexe{};
        const TComplexe bas = k <= degre ? Produit(q.Coef[k], Oppose(r)) : TComplexe{};
        q.Coef[k] = Somme(haut, bas);
        q.Taille[k] = (k > 0 ? q.Taille[k - 1] : 0) + (k <= degre ? q.Taille[k] * module : 0);
    }
}

TRefait Refait(const TPolynome& p, const TGrappes& g)
{
    TRefait q;
    q.Coef[0] = p.Racines[0];
    q.Taille[0] = Module(p.Racines[0]);
    int degre = 0;
    for (int k = 0; k < g.Nombre; ++k)
        for (int r = 0; r < g.Liste[k].Multiplicite; ++r)
            MultiplieParFacteur(q, degre++, g.Liste[k].Centre);
    return q;
}

// Écart admis sur le coefficient k refait : précision des données et arrondi du produit.
Reel Admis(const TPolynome& p, const TRefait& q, int k)
{
    const Reel arrondi = ArrondiRacines * p.Degre * std::ldexp(Reel(1), -64);
    return std::max(Securite * PrecisionDonnees * Module(p.Coef[k]) + arrondi * q.Taille[k],
                    std::numeric_limits<Reel>::min());
}

// Écart du polynôme refait sur les grappes aux coefficients donnés, rapporté à ce que la précision
// des données et l'arrondi expliquent : 1 ou moins, les grappes le factorisent. Des racines
// simples tirées telles quelles de Laguerre ne sont connues qu'à leur précision r près : chacune
// déplace le coefficient k d'au plus r fois le terme suivant du polynôme refait. Ajustées, elles
// n'ont plus cette excuse.
Reel ErreurInverse(const TPolynome& p, const TGrappes& g, bool brutes)
{
    const TRefait q = Refait(p, g);
    Reel incertitude = 0;
    for (int k = 0; brutes && k < g.Nombre; ++k)
        incertitude += Marge * PrecisionRacine(p, g.Liste[k].Centre, 1);
    Reel erreur = 0;
    for (int k = 0; k <= p.Degre; ++k) {
        const Reel ecart = Distance(q.Coef[k], p.Coef[k]);
        const Reel suivant = k < p.Degre ? q.Taille[k + 1] : 0;
        erreur = std::max(erreur, ecart == 0 ? Reel(0) : ecart / (Admis(p, q, k) + incertitude * suivant));
    }
    return std::isnan(erreur) ? std::numeric_limits<Reel>::infinity() : erreur;
}

// Racines calculées, une grappe se réduisant à sa moyenne : les autres racines restent celles du
// polynôme donné, et le produit refait s'en écarte bien plus que les données. Toute la
// factorisation est donc ajustée aux coefficients avant d'être jugée. Des racines toutes simples
// sont celles de Laguerre, gardées si elles refont le polynôme, ajustées sinon.
void Ajuste(const TPolynome& p, TGrappes& g)
{
    const TRefait q = Refait(p, g);
    Reel tolerance[DegreMax + 1];
    TComplexe centres[DegreMax + 1];
    int multiplicites[DegreMax + 1];
    for (int k = 0; k <= p.Degre; ++k)
        tolerance[k] = Admis(p, q, k);
    for (int k = 0; k < g.Nombre; ++k) {
        centres[k] = g.Liste[k].Centre;
        multiplicites[k] = g.Liste[k].Multiplicite;
    }
    AjusteFactorisation(p, tolerance, centres, multiplicites, g.Nombre);
    for (int k = 0; k < g.Nombre; ++k)
        g.Liste[k].Centre = centres[k];
}

Reel AjusteEtJuge(const TPolynome& p, TGrappes& g)
{
    const bool simples =
        std::all_of(g.Liste.begin(), g.Liste.begin() + g.Nombre, [](const TGrappe& x) { return x.Multiplicite == 1; });
    if (simples) {
        const Reel exacte = ErreurInverse(p, g, false);
        if (exacte <= 1)
            return exacte;
    }
    TGrappes ajustee = g;
    Ajuste(p, ajustee);
    const Reel e = ErreurInverse(p, ajustee, false);
    // Une grappe trop serrée pour l'ajustement garde les racines de Laguerre, à leur précision.
    const Reel brute = simples && e > 1 ? ErreurInverse(p, g, true) : std::numeric_limits<Reel>::infinity();
    if (brute < e)
        return brute;
    g = ajustee;
    return e;
}

// Tous les membres dans le rayon où les données situent une racine d'ordre m : candidate, que
// l'erreur inverse de la factorisation entière confirme ou non.
bool RacineDOrdre(const TPolynome& p, const TMembres& membres, int m, TComplexe c)
{
    Reel etalement = 0;
    for (int k = 0; k < m; ++k)
        etalement = std::max(etalement, Distance(p.Racines[membres.Indices[k]], c));
    return etalement <= Marge * RayonDonnees(p, c, m);
}

// Les m premières racines de la liste, si elles sont une racine d'ordre m ; centre : leur
// moyenne, affinée. Laguerre s'arrête tôt sur une racine multiple et toutes les racines d'une
// grappe peuvent s'être arrêtées du même côté : la moyenne seule peut alors échouer.
bool GrappeAdmise(const TPolynome& p, const TMembres& membres, int m, TComplexe& centre)
{
    TComplexe somme{};
    for (int k = 0; k < m; ++k)
        somme = Somme(somme, p.Racines[membres.Indices[k]]);
    const TComplexe moyenne = Divise(somme, m);
    centre = Affine(p, {moyenne, m});
    return RacineDOrdre(p, membres, m, moyenne) || RacineDOrdre(p, membres, m, centre);
}

// Dans une composante qui n'est pas une seule racine multiple : autour de la racine i, la plus
// grande grappe de ses plus proches voisines. Une grappe petite peut échouer là où une plus
// grande réussit (deux voisines d'un pentagone n'ont pas l'air d'une racine double) : on
// essaie encore deux tailles au-delà d'un échec.
constexpr int EchecsToleres = 2;

TGrappe GrappeAutourDe(const TPolynome& p, int i, std::array<bool, DegreMax + 1>& prises, std::vector<int>& indices)
{
    const TMembres proches = ParDistance(p, i, prises);
    TGrappe retenue{p.Racines[i], 1};
    int echecs = 0;
    for (int m = 2; m <= proches.Nombre && echecs <= EchecsToleres; ++m) {
        TComplexe centre;
        if (GrappeAdmise(p, proches, m, centre)) {
            retenue = {centre, m};
            echecs = 0;
        } else {
            ++echecs;
        }
    }
    for (int k = 0; k < retenue.Multiplicite; ++k) {
        prises[proches.Indices[k]] = true;
        indices.push_back(proches.Indices[k]);
    }
    return retenue;
}

// Deux racines sont liées quand leur distance reste dans un multiple large de leur précision
// de racines simples : les membres d'une grappe le sont tous, deux racines bien séparées jamais.
constexpr Reel Lien = 64;

// Composantes de racines liées de proche en proche ; Composante[i] est le numéro de celle de i.
struct TComposantes {
    std::array<int, DegreMax + 1> Composante{};
    int Nombre = 0;
};

TComposantes Composantes(const TPolynome& p)
{
    std::array<Reel, DegreMax + 1> precision{};
    for (int i = 1; i <= p.Degre; ++i)
        precision[i] = std::max(PrecisionRacine(p, p.Racines[i], 1), RayonDonnees(p, p.Racines[i], 1));
    TComposantes c;
    std::array<int, DegreMax + 1> aVisiter{};
    for (int i = 1; i <= p.Degre; ++i) {
        if (c.Composante[i] != 0)
            continue;
        c.Composante[i] = ++c.Nombre;
        int restantes = 0;
        aVisiter[restantes++] = i;
        // Parcours : toute racine liée à un membre rejoint la composante.
        while (restantes > 0) {
            const int k = aVisiter[--restantes];
            for (int j = 1; j <= p.Degre; ++j)
                if (c.Composante[j] == 0
                    && Distance(p.Racines[j], p.Racines[k]) <= Lien * std::max(precision[j], precision[k])) {
                    c.Composante[j] = c.Nombre;
                    aVisiter[restantes++] = j;
                }
        }
    }
    return c;
}

// Une grappe candidate et les racines calculées qu'elle remplace. Une composante entière
// garde en réserve sa lecture en grappes autour de chaque racine.
struct TCandidate {
    TGrappe Grappe;
    std::vector<int> Membres;
    std::vector<TCandidate> Autour;
};

std::vector<TCandidate> Simples(const TPolynome& p, const std::vector<int>& membres)
{
    std::vector<TCandidate> s;
    for (const int i : membres)
        s.push_back({{p.Racines[i], 1}, {i}, {}});
    return s;
}

// La composante n, lue comme une seule racine multiple si ses membres tiennent dans le rayon de
// sa multiplicité, sinon en grappes autour de chacune de ses racines.
std::vector<TCandidate> CandidatesDe(const TPolynome& p, const TComposantes& c, int n)
{
    TMembres membres;
    std::array<bool, DegreMax + 1> prises{};
    std::vector<int> tous;
    for (int i = 1; i <= p.Degre; ++i) {
        prises[i] = c.Composante[i] != n;
        if (!prises[i]) {
            membres.Indices[membres.Nombre++] = i;
            tous.push_back(i);
        }
    }
    std::vector<TCandidate> autour;
    for (const int i : tous)
        if (!prises[i]) {
            TCandidate a;
            a.Grappe = GrappeAutourDe(p, i, prises, a.Membres);
            autour.push_back(a);
        }
    TComplexe centre = p.Racines[tous.front()];
    if (tous.size() > 1 && GrappeAdmise(p, membres, membres.Nombre, centre))
        return {{{centre, membres.Nombre}, tous, autour.size() > 1 ? autour : std::vector<TCandidate>{}}};
    return autour;
}

// Lectures d'une candidate, de la plus groupée à la moins groupée : elle-même, ses grappes
// autour de chaque racine s'il y en a, ses racines simples.
std::vector<std::vector<TCandidate>> Niveaux(const TPolynome& p, const TCandidate& c)
{
    std::vector<std::vector<TCandidate>> n = {{c}};
    if (c.Grappe.Multiplicite < 2)
        return n;
    if (!c.Autour.empty())
        n.push_back(c.Autour);
    n.push_back(Simples(p, c.Membres));
    return n;
}

// Chaque composante lue comme une seule racine multiple, à la moyenne affinée de ses racines : la
// lecture la plus groupée. Les racines calculées d'une racine très multiple peuvent s'égailler
// bien au-delà du rayon des données (degré 101) : seule la factorisation ajustée en juge.
TGrappes ComposantesGroupees(const TPolynome& p, const TComposantes& c)
{
    TGrappes g;
    for (int n = 1; n <= c.Nombre; ++n) {
        TComplexe somme{};
        int m = 0;
        for (int i = 1; i <= p.Degre; ++i)
            if (c.Composante[i] == n) {
                somme = Somme(somme, p.Racines[i]);
                ++m;
            }
        const TComplexe moyenne = Divise(somme, m);
        g.Liste[g.Nombre++] = {m > 1 ? Affine(p, {moyenne, m}) : moyenne, m};
    }
    return g;
}

// Toutes les combinaisons de niveaux (trois au plus par grappe, cinq grappes au plus en degré
// 10) : la plus groupée dont les coefficients refaits redonnent les donnés ; à défaut, celle qui
// s'en écarte le moins. Une racine multiple dont les racines calculées sont restées d'un même
// côté ne se refait bien que groupée : d'où l'essai sur la factorisation entière.
TGrappes FormeGrappes(const TPolynome& p)
{
    const TComposantes c = Composantes(p);
    TGrappes groupees = ComposantesGroupees(p, c);
    if (groupees.Nombre < p.Degre && AjusteEtJuge(p, groupees) <= 1)
        return groupees;
    std::vector<TCandidate> lecture;
    for (int n = 1; n <= c.Nombre; ++n) {
        const std::vector<TCandidate> candidates = CandidatesDe(p, c, n);
        lecture.insert(lecture.end(), candidates.begin(), candidates.end());
    }
    std::vector<std::vector<std::vector<TCandidate>>> niveaux;
    for (const TCandidate& candidate : lecture)
        niveaux.push_back(Niveaux(p, candidate));
    std::vector<std::size_t> choix(niveaux.size(), 0);
    TGrappes retenue;
    Reel erreurRetenue = std::numeric_limits<Reel>::infinity();
    bool retenueAdmise = false;
    long travail = 0;
    for (int essais = 0; essais < CombinaisonsMax && travail <= TravailMax; ++essais) {
        TGrappes g;
        for (std::size_t k = 0; k < niveaux.size(); ++k)
            for (const TCandidate& x : niveaux[k][choix[k]])
                g.Liste[g.Nombre++] = x.Grappe;
        // Plus de grappes qu'une lecture admise : elle ne peut l'emporter, inutile de l'ajuster.
        if (!retenueAdmise || g.Nombre <= retenue.Nombre) {
            travail += long(g.Nombre) * p.Degre * p.Degre;
            const Reel e = AjusteEtJuge(p, g);
            const bool admise = e <= 1;
            const bool meilleure = admise ? !retenueAdmise || g.Nombre < retenue.Nombre
                                                 || (g.Nombre == retenue.Nombre && e < erreurRetenue)
                                          : !retenueAdmise && e < erreurRetenue;
            if (meilleure || retenue.Nombre == 0) {
                retenue = g;
                erreurRetenue = e;
                retenueAdmise = admise;
            }
        }
        std::size_t k = 0;
        while (k < niveaux.size() && ++choix[k] == niveaux[k].size())
            choix[k++] = 0;
        if (k == niveaux.size())
            break;
    }
    return retenue;
}

// Polynôme réel : chaque racine calculée dont la conjuguée est aussi calculée, à la précision
// près, forme avec elle une paire exacte, à leur moyenne. Près d'une grappe, une racine simple
// s'écarte de la vraie de plusieurs fois sa précision estimée : d'où une marge plus large.
constexpr Reel MargeMiroir = 16;

void SymetrieBrute(TPolynome& p)
{
    std::array<bool, DegreMax + 1> appariees{};
    for (int i = 1; i <= p.Degre; ++i) {
        const TComplexe haute = p.Racines[i];
        if (haute.Im <= 0 || appariees[i])
            continue;
        int basse = 0;
        for (int j = 1; j <= p.Degre; ++j)
            if (!appariees[j] && p.Racines[j].Im < 0
                && (basse == 0 || Distance(p.Racines[j], Conjugue(haute)) < Distance(p.Racines[basse], Conjugue(haute))))
                basse = j;
        if (basse == 0)
            continue;
        const Reel precision = std::max(PrecisionRacine(p, haute, 1), PrecisionRacine(p, p.Racines[basse], 1));
        if (!(Distance(p.Racines[basse], Conjugue(haute)) <= MargeMiroir * precision))
            continue;
        const TComplexe b = p.Racines[basse];
        p.Racines[i] = {(haute.Re + b.Re) / 2, (haute.Im - b.Im) / 2};
        p.Racines[basse] = Conjugue(p.Racines[i]);
        appariees[i] = appariees[basse] = true;
    }
}

Reel Rayon(const TPolynome& p, TGrappe g) { return Marge * PrecisionRacine(p, g.Centre, g.Multiplicite); }

// Le centre d'une grappe de m racines est racine simple de P^(m-1) : les données le situent bien
// mieux que chacune de ses racines, à (précision des données).S'/|P^(m)/(m-1)!| près, S' taille des
// termes de P^(m-1)/(m-1)!. Une racine simple garde le rayon de son calcul.
Reel RayonDuCentre(const TPolynome& p, TGrappe g)
{
    const int m = g.Multiplicite;
    if (m < 2)
        return Rayon(p, g);
    TComplexe t[DegreMax + 1];
    DeveloppementTaylor(p.Degre, p.Coef.data(), g.Centre, m + 1, t);
    TComplexe modules[DegreMax + 1];
    for (int k = 0; k <= p.Degre; ++k)
        modules[k] = ComplexeReel(Module(p.Coef[k]));
    TComplexe tailles[DegreMax + 1];
    DeveloppementTaylor(p.Degre, modules, ComplexeReel(Module(g.Centre)), m, tailles);
    const Reel derivee = m * Module(t[m]);
    if (derivee == 0)
        return Rayon(p, g);
    return Marge * Securite * PrecisionDonnees * tailles[m - 1].Re / derivee;
}

// Une racine d'une grappe que les données ne séparent pas n'est connue qu'à une fraction de son
// module près : on ne la pose ni sur l'axe réel ni sur l'axe imaginaire.
bool PositionConnue(const TPolynome& p, TGrappe g) { return 2 * Rayon(p, g) < Module(g.Centre); }

// Le conjugué de chaque racine d'un polynôme réel est racine avec la même multiplicité.
void ConjugueesExactes(const TPolynome& p, TGrappes& g)
{
    for (int k = 0; k < g.Nombre; ++k)
        if (std::fabs(g.Liste[k].Centre.Im) <= Rayon(p, g.Liste[k]) && PositionConnue(p, g.Liste[k]))
            g.Liste[k].Centre.Im = 0;
    std::array<bool, DegreMax + 1> appariees{};
    for (int k = 0; k < g.Nombre; ++k) {
        TGrappe& haute = g.Liste[k];
        if (haute.Centre.Im <= 0 || appariees[k])
            continue;
        const TComplexe miroir{haute.Centre.Re, -haute.Centre.Im};
        int basse = -1;
        for (int l = 0; l < g.Nombre; ++l) {
            const TGrappe& b = g.Liste[l];
            if (!appariees[l] && b.Centre.Im < 0 && b.Multiplicite == haute.Multiplicite
                && (basse < 0 || Distance(b.Centre, miroir) < Distance(g.Liste[basse].Centre, miroir)))
                basse = l;
        }
        // Plus loin que la tolérance des groupes, ce n'est pas la conjuguée.
        if (basse < 0 || !ProchesRelatifs(g.Liste[basse].Centre, miroir, ToleranceGroupes))
            continue;
        const TComplexe b = g.Liste[basse].Centre;
        haute.Centre = {(haute.Centre.Re + b.Re) / 2, (haute.Centre.Im - b.Im) / 2};
        g.Liste[basse].Centre = {haute.Centre.Re, -haute.Centre.Im};
        appariees[k] = appariees[basse] = true;
    }
}

// Sur l'axe imaginaire quand les données ne disent pas de quel côté est le centre : le verdict et
// la durée d'étude sont alors ceux de Re = 0. Une racine simple restée dans une grappe non réunie
// a un rayon qui couvre ses voisines, dont seul le centre est bien connu : quand il est à droite,
// l'une au moins l'est aussi, et aucune n'est posée sur l'axe.
bool CentreSurAxe(const TPolynome& p, const TGrappes& g, int k)
{
    const TGrappe& grappe = g.Liste[k];
    if (!PositionConnue(p, grappe) || std::fabs(grappe.Centre.Re) > RayonDuCentre(p, grappe))
        return false;
    if (grappe.Multiplicite > 1)
        return true;
    TComplexe somme{};
    int nombre = 0;
    for (int l = 0; l < g.Nombre; ++l)
        if (Distance(g.Liste[l].Centre, grappe.Centre) <= Rayon(p, grappe)) {
            somme = Somme(somme, Produit(ComplexeReel(g.Liste[l].Multiplicite), g.Liste[l].Centre));
            nombre += g.Liste[l].Multiplicite;
        }
    const TGrappe voisinage{Divise(somme, nombre), nombre};
    return nombre == 1 || voisinage.Centre.Re <= RayonDuCentre(p, voisinage);
}

// Racine simple posée sur l'axe par la précision étendue : Newton sur le développement compensé la
// situe à deux fois cette précision, et des coefficients réels connus à la précision des données
// ne déplacent sa partie réelle que de leur précision fois la somme des |c_k|.|Re(z^k / P'(z))|.
// Au-delà des deux, son côté est connu (p² - 1e-30.p + 1 a ses racines à droite) : elle y reste.
bool CoteConnu(const TPolynome& p, TComplexe& z)
{
    TComplexe t[DegreMax + 1];
    Reel pasPrecedent = std::numeric_limits<Reel>::infinity();
    for (int i = 0; i < AffinagesMax; ++i) {
        DeveloppementTaylorCompense(p.Degre, p.Coef.data(), z, t);
        const TComplexe pas = Quotient(t[0], t[1]);
        if (!EstFini(pas) || !(Module(pas) < pasPrecedent))
            break;
        z = Difference(z, pas);
        pasPrecedent = Module(pas);
    }
    DeveloppementTaylorCompense(p.Degre, p.Coef.data(), z, t);
    const Reel derivee = Module(t[1]);
    if (!(derivee > 0))
        return false;
    const Reel deuxN = 2 * p.Degre;
    const Reel calcul = Marge * deuxN * deuxN * std::ldexp(Reel(1), -128)
                        * TailleDesTermes(p.Degre, p.Coef.data(), Module(z)) / derivee;
    Reel donnees = 0;
    TComplexe terme = Quotient(ComplexeReel(1), t[1]);
    for (int k = 0; k <= p.Degre; ++k) {
        donnees += Module(p.Coef[k]) * std::fabs(terme.Re);
        terme = Produit(terme, z);
    }
    return std::fabs(z.Re) > std::max(calcul, Securite * PrecisionDonnees * donnees);
}

}  // namespace

Reel PrecisionRacine(const TPolynome& p, TComplexe z, int m)
{
    return RayonPourPrecision(p, z, m, p.Degre * std::ldexp(Reel(1), -64));
}

Reel PrecisionDonneesRacine(const TPolynome& p, TComplexe z, int m) { return RayonDonnees(p, z, m); }

Reel PrecisionFactorisation(const TPolynome& p) { return p.Multiplicites[0] < p.Degre ? Securite * PrecisionDonnees : 0; }

void NettoieRacinesCalculees(TPolynome& p)
{
    const bool reel = CoefficientsReels(p);
    if (reel)
        SymetrieBrute(p);
    TGrappes g = FormeGrappes(p);
    if (reel)
        ConjugueesExactes(p, g);
    std::array<bool, DegreMax + 1> surAxe{};
    for (int k = 0; k < g.Nombre; ++k) {
        TComplexe affinee = g.Liste[k].Centre;
        surAxe[k] = CentreSurAxe(p, g, k);
        if (surAxe[k] && reel && g.Liste[k].Multiplicite == 1 && CoteConnu(p, affinee)) {
            g.Liste[k].Centre = affinee;
            surAxe[k] = false;
        }
    }
    int i = 1;
    for (int k = 0; k < g.Nombre; ++k) {
        TGrappe& grappe = g.Liste[k];
        if (surAxe[k])
            grappe.Centre.Re = 0;
        for (int r = 0; r < grappe.Multiplicite; ++r)
            p.Racines[i++] = grappe.Centre;
    }
}

bool FactorisationAdmise(const TPolynome& p)
{
    TGrappes g;
    for (int i = 1; i <= p.Multiplicites[0]; ++i)
        g.Liste[g.Nombre++] = {p.Racines[RangRacine(p, i)], p.Multiplicites[i]};
    return ErreurInverse(p, g, false) <= 1;
}
