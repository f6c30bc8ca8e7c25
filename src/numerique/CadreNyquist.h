#pragma once
// Cadre automatique de Nyquist d'un système à intégrateurs : sa courbe part à l'infini aux
// basses fréquences, et le rectangle de tous ses points écraserait la partie utile sur une
// ligne (ou dépasserait ce que le dialogue accepte).
#include <optional>

#include "Arrondis.h"
#include "Systeme.h"

struct TCadreNyquist {
    TBornes Re;
    TBornes Im;
};

// Rien sans pôle qui agisse en intégrateur sur toute la bande [fBasse, fHaute] (Hz), c'est-à-dire
// sans plus de pôles que de zéros de module sous 2π.fBasse. Sinon : la partie de la courbe tracée
// dont le module reste sous quelques fois le plus grand module atteint au-delà de la première
// cassure (pôle, zéro ou 1/T), qui montre les croisements et le départ de la branche infinie,
// avec l'asymptote verticale d'un intégrateur seul ; 0 y est, et aucun axe n'y est écrasé à
// moins du quart de l'autre.
std::optional<TCadreNyquist> CadreNyquistIntegrateurs(const TSysteme& s, Reel fBasse, Reel fHaute);
