#pragma once
// Ce que rend un assistant de réglage : le correcteur rempli, l'objectif, les étapes du calcul
// telles qu'un étudiant les ferait à la main, et si l'objectif est atteint.
#include <string>
#include <vector>

#include "Correcteur.h"

struct TReglage {
    TCorrecteur Correcteur;
    std::string Objectif;
    std::vector<std::string> Etapes;
    bool Atteint = false;
    // Faux quand l'assistant n'a pas pu remplir le correcteur (cible impossible, cas hors méthode).
    bool Rempli = false;
};

// La fonction G étudiée, N/D.e^(-Tp), racines calculées.
struct TFonctionG {
    const TPolynome& N;
    const TPolynome& D;
    Reel T = 0;
};
