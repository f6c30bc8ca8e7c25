#pragma once
// Réponse impulsionnelle en forme close : dérivée de la réponse indicielle, calculée comme la
// réponse indicielle de p.R/D (R reste de N par D), dont les éléments simples se lisent sur ceux
// de N/D. Quand N et D ont le même degré, une impulsion de Dirac de poids E s'y ajoute à l'instant
// du retard.
#include "Systeme.h"

struct TImpulsionnelle {
    bool Faite = false;  // faux pour un système impropre ou non décomposé
    Reel PoidsDirac = 0;
    TPolynome Entiere = InitPolynome();  // constante : valeur de la partie régulière en 0+
    TDecomposition Decomposition;
};

// Lit la décomposition de s (faite) ; rien n'est recalculé à chaque instant.
TImpulsionnelle PrepareImpulsionnelle(const TSysteme& s);
// Partie régulière à l'instant t (retard compris) : nulle avant le retard.
Reel ReponseImpulsionnelle(const TSysteme& s, const TImpulsionnelle& h, Reel t);
