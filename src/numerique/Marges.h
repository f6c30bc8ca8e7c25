#pragma once
// Marges de stabilité de la boucle ouverte N(p)/D(p).e^(-Tp) et verdict du critère de Nyquist
// pour la boucle fermée à retour unitaire. Le retard entre exactement dans la phase.
#include <optional>
#include <string>
#include <vector>

#include "Polynomes.h"

// Au-delà, la liste s'arrête : un retard donne une infinité de croisements de phase.
inline constexpr int CroisementsMax = 100;

enum class TStabiliteBoucleFermee { Stable, Instable, Indecidable };

struct TVerdictNyquist {
    TStabiliteBoucleFermee Stabilite = TStabiliteBoucleFermee::Indecidable;
    int PolesInstables = 0;  // pôles de la boucle ouverte à partie réelle positive
    int Encerclements = 0;   // tours de -1 dans le sens horaire
    std::string Raison;      // le compte des tours, ou pourquoi rien n'est décidé
};

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

// La réponse H(jω) d'un N, D et T, sans arrondi du retard dans la phase.
TComplexe ReponseEnPulsation(const TPolynome& n, const TPolynome& d, Reel T, Reel w);
// Les racines de D sont recalculées si elles ne sont pas valides.
TMarges CalculeMarges(const TPolynome& n, const TPolynome& d, Reel T);
