#pragma once
// Réponses temporelles sur une grille régulière d'instants, pour les plages automatiques : d'un
// échantillon au suivant, chaque pôle avance par un rapport constant e^(pole.pas) au lieu d'une
// exponentielle, et reprend sa forme close à intervalles fixes.
#include <vector>

#include "Systeme.h"

// y[k] = ReponseIndicielleUnitaire(d, e, a, instants[k]) aux arrondis près, pour des instants
// croissants espacés de `pas` (> 0) ; avant 0, la réponse vaut 0.
std::vector<Reel> IndiciellesEchantillonnees(const TPolynome& d, const TPolynome& e, const TDecomposition& a,
                                              const std::vector<Reel>& instants, Reel pas);
// y[k] = ReponseRampe(s, instants[k], 0, 1, 0) aux arrondis près, mêmes instants.
std::vector<Reel> RampesEchantillonnees(const TSysteme& s, const std::vector<Reel>& instants, Reel pas);
