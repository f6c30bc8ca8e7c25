#pragma once
// Place des racines d'un polynôme par rapport à l'axe imaginaire, telles que calculées : une
// partie réelle n'y est nulle que si les données ne disent pas de quel côté elle est (Grappes.h).
#include "Polynomes.h"

struct TRepartitionRacines {
    int Droite = 0;  // partie réelle > 0
    int Axe = 0;     // partie réelle nulle
};

// Polynôme réel dont un coefficient est de signe contraire au dominant : un produit de facteurs
// p + a et p² + b.p + c à a, b, c positifs ou nuls n'en a pas, il a donc une racine à droite.
bool SigneContraire(const TPolynome& p);
// Racines valides de p.
TRepartitionRacines RepartitionRacines(const TPolynome& p);
// Aucune racine à droite de l'axe, l'axe admis.
bool AucuneRacineADroite(const TPolynome& p);
// Toutes les racines à gauche de l'axe.
bool ToutesAGauche(const TPolynome& p);
