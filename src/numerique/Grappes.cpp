#include "Grappes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "Taylor.h"

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

// La racine libre la plus proche du centre ; 0 s'il n'y en a plus.
int PlusProcheLibre(const TPolynome& p, const std::array<bool, DegreMax + 1>& prises, TComplexe centre)
{
    int meilleure = 0;
    for (int j = 1; j <= p.Degre; ++j)
        if (!prises[j] && (meilleure == 0 || Distance(p.Racines[j], centre) < Distance(p.Racines[meilleure], centre)))
            meilleure = j;
    return meilleure;
}

struct TMembres {
    std::array<int, DegreMax + 1> Indices{};
    int Nombre = 0;
};

Reel Etalement(const TPolynome& p, const TMembres& membres, TComplexe centre)
{
    Reel e = 0;
    for (int k = 0; k < membres.Nombre; ++k)
        e = std::max(e, Distance(p.Racines[membres.Indices[k]], centre));
    return e;
}

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

// Autour de chaque racine encore libre, on ajoute la plus proche tant que la grappe reste dans
// la précision d'une racine de sa taille.
TGrappe GrappeAutourDe(const TPolynome& p, int i, std::array<bool, DegreMax + 1>& prises)
{
    TMembres membres;
    membres.Indices[membres.Nombre++] = i;
    prises[i] = true;
    TComplexe somme = p.Racines[i];
    TComplexe centre = somme;
    for (int j = PlusProcheLibre(p, prises, centre); j != 0; j = PlusProcheLibre(p, prises, centre)) {
        TMembres essai = membres;
        essai.Indices[essai.Nombre++] = j;
        const TComplexe sommeEssai = Somme(somme, p.Racines[j]);
        const TComplexe centreEssai = Divise(sommeEssai, essai.Nombre);
        const Reel etalement = Etalement(p, essai, centreEssai);
        if (!(etalement <= Marge * PrecisionRacine(p, centreEssai, essai.Nombre))
            || !RessembleARacineMultiple(p, centreEssai, essai.Nombre, etalement))
            break;
        membres = essai;
        somme = sommeEssai;
        centre = centreEssai;
        prises[j] = true;
    }
    return {centre, membres.Nombre};
}

TGrappes FormeGrappes(const TPolynome& p)
{
    TGrappes g;
    std::array<bool, DegreMax + 1> prises{};
    for (int i = 1; i <= p.Degre; ++i)
        if (!prises[i])
            g.Liste[g.Nombre++] = GrappeAutourDe(p, i, prises);
    return g;
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
        // Des racines calculées d'un polynôme réel ne s'écartent de leurs conjuguées que de leur
        // précision : plus loin, ce n'est pas la conjuguée.
        if (basse < 0 || Distance(g.Liste[basse].Centre, miroir) > std::max(Rayon(p, haute), Rayon(p, g.Liste[basse])))
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
    TGrappes g = FormeGrappes(p);
    for (int k = 0; k < g.Nombre; ++k)
        if (g.Liste[k].Multiplicite > 1)
            g.Liste[k].Centre = Affine(p, g.Liste[k]);
    if (CoefficientsReels(p))
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
