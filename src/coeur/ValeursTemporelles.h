#pragma once
// Entrée et échelles d'une réponse temporelle dessinée : la fenêtre garde celles de l'écran,
// que l'export reprend telles que le tracé les a arrondies.
#include <QString>

#include "numerique/Complexes.h"

// Ce que le dialogue de l'échelon ou de la rampe transmet au tracé, avant tout arrondi.
struct TParamReponse {
    Reel ConsI = 0;    // niveau de départ de l'entrée
    Reel ConsF = 1;    // échelon : niveau final
    Reel Pente = 1;    // rampe : unités par seconde
    Reel TMax = 10;    // s
    Reel YMin = 0;
    Reel YMax = 1;
    QString Unite;
};

struct TBornesSortie {
    Reel YMin = 0;
    Reel YMax = 0;
};

struct TValeursTemporelles {
    Reel ConsI = 0;
    Reel ConsF = 0;
    Reel Pente = 0;
    QString UniteSortie;
    Reel SortieInitiale = 0;  // gain statique fois ConsI
    Reel TMax = 0;            // t max tapé
    // Chaque réponse garde ses bornes tapées : passer de l'une à l'autre ne les mêle pas.
    TBornesSortie BornesEchelon;
    TBornesSortie BornesRampe;
    // Échelles arrondies aux graduations par le dernier tracé.
    Reel TMinTrace = 0;
    Reel TMaxTrace = 0;
    Reel YMinTrace = 0;
    Reel YMaxTrace = 0;
    Reel PasTemps = 0;
    Reel PasSortie = 0;
};
