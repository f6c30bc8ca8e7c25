#pragma once
// Échelles des réponses temporelles : t max et les bornes de la sortie arrondis aux
// graduations, et le refus de ce que la grille ne sait pas graduer.
#include <optional>

#include "numerique/Complexes.h"

struct TEchellesReponse {
    Reel TMin = 0;  // une graduation avant l'instant 0, pour montrer le niveau de départ
    Reel TMax = 0;
    Reel YMin = 0;
    Reel YMax = 0;
    Reel PasTemps = 0;
    Reel PasSortie = 0;
};

enum class TRefusEchelles { Aucun, TMaxTropPetit, TMaxTropGrand, EcartTropFaible, EcartTropGrand };

// Les dialogues ont déjà vérifié, avec leurs propres messages, t max > 0 et Y max > Y min.
TRefusEchelles RefusEchellesReponse(Reel tmax, Reel ymin, Reel ymax);
std::optional<TEchellesReponse> EchellesReponse(Reel tmax, Reel ymin, Reel ymax);
