#pragma once
// Ce qu'un étudiant lit sur une réponse indicielle, tiré de la forme close : les extrema sont les
// zéros de la réponse impulsionnelle, encadrés sur une grille puis affinés à la précision étendue ;
// entre deux extrema la réponse est monotone, chaque niveau s'y franchit une fois au plus.
#include <string>

#include "Systeme.h"

struct TCaracteristiques {
    bool Existent = false;
    std::string Raison;  // une ligne en français quand elles n'existent pas
    Reel ValeurFinale = 0;
    // Plus haut maximum de la réponse rapportée à sa valeur finale ; sans maximum au-dessus
    // d'elle, pas de pic et un dépassement nul.
    Reel DepassementPct = 0;
    bool Pic = false;
    Reel TempsPic = 0;
    Reel TempsMontee = 0;  // de 10 % à 90 % de la valeur finale
    Reel InstantDixPourCent = 0;  // début de la montée
    Reel TempsReponse5 = 0;
    Reel TempsReponse2 = 0;
    // Minimum de signe opposé à la valeur finale (système à non minimum de phase).
    bool SousDepassement = false;
    Reel ValeurSousDepassement = 0;
    Reel TempsSousDepassement = 0;
};

// Réponse à l'échelon unité de s, décomposé ; les instants comprennent le retard.
TCaracteristiques CaracteristiquesIndicielle(const TSysteme& s);
