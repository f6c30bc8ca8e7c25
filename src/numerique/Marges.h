#pragma once
// Marges de stabilité de la boucle ouverte N(p)/D(p).e^(-Tp) et verdict du critère de Nyquist
// pour la boucle fermée à retour unitaire. Le retard entre exactement dans la phase.
#include <optional>
#include <string>
#include <vector>

#include "Croisements.h"
#include "CritereNyquist.h"
#include "Polynomes.h"

struct TMarges {
    // Pulsations (rad/s) croissantes : |H| = 1, puis arg H = -180° modulo 360°.
    std::vector<Reel> CroisementsGain;
    std::vector<Reel> CroisementsPhase;
    std::optional<Reel> MargeGain;   // dB, la plus petite en valeur absolue
    Reel PulsationMargeGain = 0;
    std::optional<Reel> MargePhase;  // degrés dans (-180, 180], la plus petite en valeur absolue
    Reel PulsationMargePhase = 0;
    std::optional<Reel> MargeRetard; // s : le plus petit retard ajouté qui déstabilise ; 0 si la boucle fermée est instable
    TVerdictNyquist Verdict;
};

// Les racines de D sont recalculées si elles ne sont pas valides.
TMarges CalculeMarges(const TPolynome& n, const TPolynome& d, Reel T);
