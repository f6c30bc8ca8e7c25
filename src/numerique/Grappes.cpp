#include "Grappes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "Taylor.h"
#include "Tolerances.h"

namespace {

// L'affinage de Laguerre s'arrête sur un résidu de quelques arrondis de Horner : une racine
// calculée peut s'écarter de la vraie d'un peu plus que la précision estimée. Au-delà de deux
// fois cette précision, deux racines proches se distinguent et restent séparées.
constexpr Reel Marge = 2;
constexpr int AffinagesMax = 8;

struct TGrappe {
    TComplexe Centre;
    int Multiplicite = 0;
};

struct TGrappes {
    std::array<TGrappe, DegreMax + 1> Liste{};
    int Nombre = 0;
};

TComplexe Divise(TComplexe z, Reel d) { return {z.Re / d, z.Im / d}; }

struct TMembres {
    std::array<int, DegreMax + 1> Indices{};
    int Nombre = 0;
};

TComplexe Conjugue(TComplexe z) { return {z.Re, -z.Im}; }

// Une grappe de rayon r autour de c est une racine d'ordre m quand P(c + h) ressemble à
// P^(m)(c)/m!.h^m : chaque coefficient de Taylor d'ordre k < m reste sous C(m, k).|t_m|.r^(m-k),
// à l'arrondi près. Sans ce contrôle, deux racines opposées loin de tout seraient réunies en
// leur milieu, où P'' est presque nul.
bool RessembleARacineMultiple(const TPolynome& p, TComplexe c, int m, Reel r)
{
    TComplexe t[DegreMax + 1];
    TComplexe tailles[DegreMax + 1];
    TComplexe modules[DegreMax + 1];
    for (int k = 0; k <= p.Degre; ++k)
        modules[k] = ComplexeReel(Module(p.Coef[k]));
    DeveloppementTaylor(p.Degre, p.Coef.data(), c, m + 1, t);
    DeveloppementTaylor(p.Degre, modules, ComplexeReel(Module(c)), m, tailles);
    const Reel arrondi = p.Degre * std::ldexp(Reel(1), -64);
    Reel binome = 1;  // C(m, k), de k = m vers 0
    Reel puissance = 1;  // r^(m-k)
    for (int k = m - 1; k >= 0; --k) {
        binome = binome * (k + 1) / (m - k);
        puissance *= r;
        if (!(Module(t[k]) <= Marge * (binome * Module(t[m]) * puissance + arrondi * tailles[k].Re)))
            return false;
    }
    return true;
}

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

// Grappe de racines de centre c et d'étalement e : une racine d'ordre m, à la précision près ?
bool RacineDOrdre(const TPolynome& p, const TMembres& membres, int m, TComplexe c)
{
    Reel etalement = 0;
    for (int k = 0; k < m; ++k)
        etalement = std::max(etalement, Distance(p.Racines[membres.Indices[k]], c));
    return etalement <= Marge * PrecisionRacine(p, c, m) && RessembleARacineMultiple(p, c, m, etalement);
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

TGrappe GrappeAutourDe(const TPolynome& p, int i, std::array<bool, DegreMax + 1>& prises)
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
    for (int k = 0; k < retenue.Multiplicite; ++k)
        prises[proches.Indices[k]] = true;
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
        precision[i] = PrecisionRacine(p, p.Racines[i], 1);
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

// Chaque composante est une racine multiple si elle passe le contrôle entière ; sinon on y
// cherche des grappes plus petites.
TGrappes FormeGrappes(const TPolynome& p)
{
    const TComposantes c = Composantes(p);
    TGrappes g;
    for (int n = 1; n <= c.Nombre; ++n) {
        TMembres membres;
        std::array<bool, DegreMax + 1> prises{};
        for (int i = 1; i <= p.Degre; ++i) {
            prises[i] = c.Composante[i] != n;
            if (!prises[i])
                membres.Indices[membres.Nombre++] = i;
        }
        TComplexe centre = p.Racines[membres.Indices[0]];
        if (membres.Nombre == 1 || GrappeAdmise(p, membres, membres.Nombre, centre)) {
            g.Liste[g.Nombre++] = {centre, membres.Nombre};
            continue;
        }
        for (int k = 0; k < membres.Nombre; ++k)
            if (!prises[membres.Indices[k]])
                g.Liste[g.Nombre++] = GrappeAutourDe(p, membres.Indices[k], prises);
    }
    return g;
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

// Le conjugué de chaque racine d'un polynôme réel est racine avec la même multiplicité.
void ConjugueesExactes(const TPolynome& p, TGrappes& g)
{
    for (int k = 0; k < g.Nombre; ++k)
        if (std::fabs(g.Liste[k].Centre.Im) <= Rayon(p, g.Liste[k]))
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

}  // namespace

Reel PrecisionRacine(const TPolynome& p, TComplexe z, int m)
{
    TComplexe t[DegreMax + 1];
    DeveloppementTaylor(p.Degre, p.Coef.data(), z, m + 1, t);
    const Reel derivee = Module(t[m]);
    if (derivee == 0)
        return 0;
    const Reel taille = TailleDesTermes(p.Degre, p.Coef.data(), Module(z));
    return std::pow(p.Degre * std::ldexp(Reel(1), -64) * taille / derivee, 1 / Reel(m));
}

void NettoieRacinesCalculees(TPolynome& p)
{
    const bool reel = CoefficientsReels(p);
    if (reel)
        SymetrieBrute(p);
    TGrappes g = FormeGrappes(p);
    if (reel)
        ConjugueesExactes(p, g);
    int i = 1;
    for (int k = 0; k < g.Nombre; ++k) {
        TGrappe& grappe = g.Liste[k];
        // Sur l'axe imaginaire à la précision près : le verdict et la durée d'étude sont ceux de Re = 0.
        if (std::fabs(grappe.Centre.Re) <= Rayon(p, grappe))
            grappe.Centre.Re = 0;
        for (int r = 0; r < grappe.Multiplicite; ++r)
            p.Racines[i++] = grappe.Centre;
    }
}
