#pragma once
// Partie « lieu_evans » du JSON de kovra-calcul : asymptotes, points de séparation, croisements
// de l'axe imaginaire et gain critique ; null quand le lieu n'est pas calculable. Le lieu est celui
// de N/D : un retard n'y entre pas, et il est dit ignoré, au chemin donné.
#include <string>

#include "JsonCalcul.h"
#include "numerique/TypePolynome.h"

TJson LieuEvansJson(const TPolynome& n, const TPolynome& d, Reel retard, const std::string& chemin,
                    TAvertissements& avertissements);
