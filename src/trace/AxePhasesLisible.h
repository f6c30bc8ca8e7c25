#pragma once
// Axe des phases de Bode et de Black : en phase continue, un retard fait tourner la phase sur
// des centaines de tours ; le pas grandit jusqu'à ce que ses étiquettes tiennent côte à côte.
#include <vector>

#include "Traceur.h"
#include "coeur/PhasesAffichees.h"

enum class TSensAxe { Largeur, Hauteur };

// L'axe de AxePhases au plus grand nombre de pas, dix au plus, dont les étiquettes tiennent
// sur `longueur` pixels : chacune a la place de la plus longue (plus un chiffre d'écart en
// largeur), ou de la hauteur du texte.
TAxePhases AxePhasesLisible(const TTraceur& t, const TPhasesAffichees& mode, const std::vector<Reel>& phases,
                            int longueur, TSensAxe sens);
