#pragma once
// Points remarquables du lieu des racines de D(p) + K.N(p) = 0 pour K de 0 à l'infini :
// asymptotes, points de séparation, croisements de l'axe imaginaire et gain critique.
#include <optional>
#include <vector>

#include "Polynomes.h"

// Au-delà, le lieu n'est pas calculé : les saisies s'arrêtent au degré 10.
inline constexpr int DegreEvansMax = 10;

struct TAsymptotes {
    int Nombre = 0;  // |n - m| : branches qui partent vers l'infini (ou en viennent si m > n)
    Reel Centre = 0;
    std::vector<Reel> AnglesDeg;
};

struct TSeparation {
    TComplexe P;
    Reel K = 0;
};

struct TCroisement {
    Reel Omega = 0;  // rad/s, croisement en ±jω
    Reel K = 0;
};

struct TPointsEvans {
    TAsymptotes Asymptotes;
    std::vector<TSeparation> Separations;
    std::vector<TCroisement> Croisements;
    // K au-delà duquel la boucle n'est plus stable, quand elle l'est pour les petits K > 0.
    std::optional<Reel> GainCritique;
};

// Rectangle du plan complexe (abscisse : partie réelle).
struct TCadreLieu {
    Reel XMin = 0;
    Reel XMax = 0;
    Reel YMin = 0;
    Reel YMax = 0;
};

// n et d : coefficients réels, racines déjà calculées (multiplicités comprises), sans racine commune.
bool LieuCalculable(const TPolynome& n, const TPolynome& d);
TAsymptotes AsymptotesEvans(const TPolynome& n, const TPolynome& d);
std::vector<TSeparation> SeparationsEvans(const TPolynome& n, const TPolynome& d);
std::vector<TCroisement> CroisementsAxeImaginaire(const TPolynome& n, const TPolynome& d);
// Boucle stable pour K > 0 petit : aucune racine de D + K.N ne traverse l'axe entre 0 et la
// première frontière (croisement de l'axe ou passage par l'infini), on les juge en son milieu.
bool StableAuxPetitsGains(const TPolynome& n, const TPolynome& d, Reel premiereFrontiere);
TPointsEvans PointsEvans(const TPolynome& n, const TPolynome& d);

// Cadre qui contient pôles, zéros, croisements, séparations et centre des asymptotes, avec une marge.
TCadreLieu CadreAutoEvans(const TPolynome& n, const TPolynome& d, const TPointsEvans& points);
