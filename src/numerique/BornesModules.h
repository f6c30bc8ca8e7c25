#pragma once
// Où peuvent être les racines non nulles d'un polynôme, tiré de ses seuls coefficients : le
// balayage des fréquences et le contour de Nyquist n'ont pas à attendre le chercheur de racines.
#include <optional>

#include "Polynomes.h"

// Bornes de Fujiwara : toute racine non nulle a un module dans [Min, Max]. Rien pour un
// polynôme sans racine non nulle.
struct TAnneauRacines {
    Reel Min = 0;
    Reel Max = 0;
};
std::optional<TAnneauRacines> AnneauRacines(const TPolynome& p);

// Pulsation où l'asymptote |c|.w^m de N/D coupe le gain 1, aux basses (c et m des plus bas
// coefficients non nuls) ou aux hautes fréquences (des plus hauts) ; rien pour m = 0.
std::optional<Reel> CroisementAsymptote(const TPolynome& n, const TPolynome& d, bool hautes);
