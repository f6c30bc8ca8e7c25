#pragma once
// Pulsations de croisement de N(p)/D(p).e^(-Tp) sur (0, infini) : encadrées sur une grille
// logarithmique fine, resserrée là où gain ou phase bougent vite et coupée aux extrema de l'un et
// de l'autre, puis affinées par dichotomie jusqu'à la précision étendue. Le travail est borné
// quel que soit le système.
#include <vector>

#include "Polynomes.h"

// Au-delà, la liste s'arrête : un retard donne une infinité de croisements de phase.
inline constexpr int CroisementsMax = 100;

struct TCroisements {
    std::vector<Reel> Gain;   // |H| = 1
    std::vector<Reel> Phase;  // arg H = -180° modulo 360°, quel que soit |H|
};

TCroisements CherchePulsationsCroisement(const TPolynome& n, const TPolynome& d, Reel T);

// Faux quand |N(jw)| = |D(jw)| pour tout w (passe-tout) : chaque pulsation serait un croisement.
bool GainVariable(const TPolynome& n, const TPolynome& d);
// Faux quand N(jw)/D(jw) est réel pour tout w : la phase ne fait que sauter de 0 à 180°.
bool PhaseVariable(const TPolynome& n, const TPolynome& d);

// La réponse H(jω) d'un N, D et T, sans arrondi du retard dans la phase.
TComplexe ReponseEnPulsation(const TPolynome& n, const TPolynome& d, Reel T, Reel w);
