#pragma once
// P, PI ou PID par la méthode d'oscillation : gain critique Kc et période Tc des oscillations
// entretenues, puis la table de cours (P : 0,5 Kc ; PI : 0,45 Kc, Ti = Tc/1,2 ;
// PID : 0,6 Kc, Ti = Tc/2, Td = Tc/8).
#include <optional>

#include "Reglage.h"

struct TGainCritique {
    Reel Kc = 0;
    Reel Pulsation = 0;  // rad/s, celle des oscillations entretenues
};

// Kc : le plus petit gain K > 0 qui place -1/K sur le lieu de Nyquist, la boucle étant stable
// en deçà ; rien quand il n'y en a pas, avec la raison.
std::optional<TGainCritique> GainCritiqueNyquist(const TFonctionG& g, std::string& raison);

// type : P, PI ou PID ; N du PID pris dans `base`. Atteint quand la boucle fermée est stable.
TReglage ReglageOscillation(const TFonctionG& g, const TCorrecteur& base);
