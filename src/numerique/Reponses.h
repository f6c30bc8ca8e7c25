#pragma once
// Réponse fréquentielle, gain statique et réponses temporelles en forme close.
#include "IntegralesPole.h"
#include "Systeme.h"

// Exactement sur un pôle (D(p) nul), ou quand la réponse sort de la précision étendue, elle
// vaut +infini (partie imaginaire nulle) : aucune valeur finie, si grande soit-elle, ne peut se
// confondre avec un pôle. Les appelants écartent les échantillons non finis.
TComplexe ReponseFrequentielle(const TSysteme& s, TComplexe p);

struct TGainStatique {
    TComplexe Valeur;
    bool Infini = false;
};
TGainStatique GainStatique(const TPolynome& n, const TPolynome& d);

Reel ReponseIndicielleUnitaire(const TPolynome& d, const TPolynome& e, const TDecomposition& a, Reel t);
// Rampe unitaire de N/D, intégrale de 0 à t de sa réponse indicielle : t.F_l - l.F_(l+1) par
// élément simple. Sert quand D.p dépasserait le degré maximal.
Reel RampeParIntegrale(const TPolynome& d, const TPolynome& e, const TDecomposition& a, Reel t);
Reel ReponseEchelon(const TSysteme& s, Reel t, Reel T, Reel u0, Reel u1, Reel y0);
Reel ReponseRampe(const TSysteme& s, Reel t, Reel T, Reel a, Reel y0);
