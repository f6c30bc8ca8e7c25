#pragma once
// Le JSON de kovra-calcul : un arbre nlohmann aux clés dans l'ordre d'ajout, dont les nombres
// restent des long double jusqu'à l'écriture (19 chiffres significatifs, plus qu'un double).
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "numerique/Complexes.h"

using TJson = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool, std::int64_t, std::uint64_t,
                                   Reel>;

// Un avertissement rangé juste après ceux des valeurs écrites jusqu'à la fin de Chemin
// (« reponse_frequentielle[2] », « rampe[1].y »), et qui commence par ce chemin ;
// Chemin vide : après tout le document, le texte seul.
struct TAvertissement {
    std::string Chemin;
    std::string Texte;
};
using TAvertissements = std::vector<TAvertissement>;

TJson ComplexeJson(TComplexe z);
// null pour une valeur absente.
TJson OptionnelJson(const std::optional<Reel>& valeur);

// Texte JSON strict de l'étude, fin de ligne comprise, la liste "avertissements" en dernière
// clé. Un nombre hors de l'étendue des doubles n'a pas de forme en JSON : il est écrit null (ou 0
// sous la plus petite valeur normale) et nommé par son chemin dans les avertissements.
std::string TexteJson(const TJson& etude, const TAvertissements& avertissements);
