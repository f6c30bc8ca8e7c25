#pragma once
// Réponses de l'étude dans le JSON de kovra-calcul : en fréquence (hertz), à l'échelon et à la
// rampe unitaires appliqués en t = 0, retard compris.
#include <string>
#include <vector>

#include "JsonCalcul.h"
#include "numerique/Systeme.h"

// f, re, im, gain_db, phase_deg par fréquence ; sur un pôle, quatre null et une raison.
TJson ReponseFrequentielleJson(const TSysteme& s, const std::vector<Reel>& frequences, const std::string& chemin,
                               TAvertissements& avertissements);
// t et y par instant.
TJson IndicielleJson(const TSysteme& s, const std::vector<Reel>& temps);
// t et y par instant ; une valeur que deux calculs ne confirment pas est nommée.
TJson RampeJson(const TSysteme& s, const std::vector<Reel>& temps, const std::string& chemin,
                TAvertissements& avertissements);
