#pragma once
// Boucle fermée à retour unitaire d'un gain K : F = K.N/(D + K.N), tirée des coefficients.
#include "Polynomes.h"

struct TBoucleFermee {
    TPolynome Numerateur = InitPolynome();
    TPolynome Denominateur = InitPolynome();
    // Faux quand D + K.N est nul : la boucle fermée n'a pas de dénominateur.
    bool Existe = false;
};

// Coefficients seuls : les racines restent à calculer.
TBoucleFermee FonctionBoucleFermee(const TPolynome& n, const TPolynome& d, Reel k);
