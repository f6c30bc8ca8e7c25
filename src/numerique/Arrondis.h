#pragma once
// Logarithme décimal, puissance de dix et partie entière des échelles : le cœur s'en sert
// pour arrondir les décades, les dessins pour graduer.
#include "Complexes.h"

Reel Log10(Reel x);
Reel Puiss10(Reel x);
// Partie entière, moins un pour tout négatif, entiers compris : Ent(-2) = -3.
Reel Ent(Reel x);
int Signe(Reel x);

// Bornes d'un axe ou d'une plage, dans l'unité du monde.
struct TBornes {
    Reel Min = 0;
    Reel Max = 0;
};
