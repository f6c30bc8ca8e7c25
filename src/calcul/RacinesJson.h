#pragma once
// Racines de l'étude dans le JSON de kovra-calcul, et celles que l'analyse a simplifiées.
#include <string>
#include <vector>

#include "JsonCalcul.h"
#include "numerique/TypePolynome.h"

// Numérateur et dénominateur à chaque simplification annoncée par l'analyse, puis à la fin.
struct TEtatsSimplification {
    std::vector<TPolynome> Numerateurs;
    std::vector<TPolynome> Denominateurs;
};

// Chaque racine répétée selon sa multiplicité, en [re, im].
TJson RacinesJson(const TPolynome& p);
TJson MultiplicitesJson(const TPolynome& p);
// Une racine enlevée par simplification ; celle de partie réelle positive ou nulle est nommée.
TJson RacinesCommunesJson(const TEtatsSimplification& etats, const std::string& chemin,
                          TAvertissements& avertissements);
