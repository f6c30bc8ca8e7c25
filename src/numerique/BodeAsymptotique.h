#pragma once
// Diagramme de Bode asymptotique, celui qu'on trace à la main : le gain en droites de pentes
// multiples de 20 dB/décade, cassées à la pulsation de chaque racine non nulle, et la phase en
// marches (ou en rampes de ±45°/décade sur une décade de part et d'autre). Le retard n'y entre pas.
#include <vector>

#include "Polynomes.h"

enum class OrigineCassure { Pole, Zero, Paire };

struct TCassure {
    Reel Pulsation = 0;  // rad/s : module de la racine
    OrigineCassure Origine = OrigineCassure::Pole;
    bool DuNumerateur = false;  // pour une paire : zéros ou pôles
    int Multiplicite = 1;
    Reel PenteApres = 0;  // dB/décade, toutes les cassures de cette pulsation passées
    Reel PasPente = 0;    // ±20 ou ±40 par multiplicité
    Reel SautPhase = 0;   // degrés, à la traversée de la cassure
    // Paire seule : amortissement et écart entre gain exact de la paire et asymptote à ωn (dB).
    Reel Amortissement = 0;
    Reel CorrectionResonance = 0;
};

struct TBodeAsymptotique {
    std::vector<TCassure> Cassures;  // par pulsation croissante
    // Asymptote basse fréquence : NiveauBasseFrequence + PenteBasseFrequence.log10(ω), en dB ;
    // son niveau à 1 rad/s, le gain statique pour une pente nulle.
    Reel NiveauBasseFrequence = 0;
    Reel PenteBasseFrequence = 0;
    Reel PhaseBasseFrequence = 0;  // degrés
};

// n et d à racines valides, non nuls.
TBodeAsymptotique BodeAsymptotique(const TPolynome& n, const TPolynome& d);
Reel GainAsymptotique(const TBodeAsymptotique& b, Reel w);
// En marches : chaque saut à sa cassure ; en rampes : sur [ωc/10, 10.ωc].
Reel PhaseAsymptotique(const TBodeAsymptotique& b, Reel w, bool enRampes);
