#pragma once
// Objets « correcteur » et « reglage » de la sortie de kovra-calcul.
#include <nlohmann/json.hpp>

#include "OptionsCorrecteur.h"

// Type, chaque paramètre du type sous son nom d'option, coefficients de Nc et Dc par puissances
// croissantes.
nlohmann::ordered_json CorrecteurJson(const TOptionCorrecteur& o);
nlohmann::ordered_json ReglageJson(const TReglage& r);
