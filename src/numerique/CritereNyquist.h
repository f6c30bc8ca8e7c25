#pragma once
// Critère de Nyquist pour la boucle fermée à retour unitaire de N(p)/D(p).e^(-Tp) : tours de
// 1 + H autour de 0 le long de l'axe imaginaire, fermés par le demi-cercle de droite.
#include <string>

#include "Polynomes.h"

enum class TStabiliteBoucleFermee { Stable, Instable, Indecidable };

struct TVerdictNyquist {
    TStabiliteBoucleFermee Stabilite = TStabiliteBoucleFermee::Indecidable;
    int PolesInstables = 0;  // pôles de la boucle ouverte à partie réelle positive
    int Encerclements = 0;   // tours de -1 dans le sens horaire
    std::string Raison;      // le compte des tours, ou pourquoi rien n'est décidé
};

// Les racines de D servent à compter les pôles instables ; recalculées si elles ne sont pas valides.
TVerdictNyquist CritereNyquist(const TPolynome& n, const TPolynome& d, Reel T);
