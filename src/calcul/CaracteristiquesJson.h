#pragma once
// Ce que kovra-calcul écrit des lectures d'une réponse : réponse impulsionnelle aux instants
// demandés, caractéristiques de la réponse indicielle, Bode asymptotique.
#include <nlohmann/json.hpp>

#include <vector>

#include "numerique/BodeAsymptotique.h"
#include "numerique/CaracteristiquesIndicielle.h"
#include "numerique/Systeme.h"

#include <string>

// Comme les autres nombres de la sortie : null hors de l'étendue des doubles, 0 en dessous.
nlohmann::ordered_json NombreJson(Reel x);
// Un null qui n'est pas voulu est nommé par son chemin dans les avertissements.
using TAvertissements = std::vector<std::string>;
nlohmann::ordered_json NombreNomme(Reel x, const std::string& chemin, TAvertissements& avertissements);

// Sans caractéristiques, la seule clé « raison ».
nlohmann::ordered_json CaracteristiquesJson(const TCaracteristiques& c);
// Partie régulière [{t, y}] ; l'impulsion de Dirac à part, dans DiracJson.
nlohmann::ordered_json ImpulsionnelleJson(const TSysteme& s, const std::vector<Reel>& temps, bool faite,
                                          TAvertissements& avertissements);
nlohmann::ordered_json DiracJson(const TSysteme& s, bool faite);
nlohmann::ordered_json AsymptotesJson(const TBodeAsymptotique& b, TAvertissements& avertissements);

// Les clés de premier niveau : impulsionnelle, impulsion_dirac, caracteristiques_indicielle,
// asymptotes (null quand les racines manquent).
nlohmann::ordered_json LecturesJson(const TSysteme& s, bool faite, const std::vector<Reel>& temps,
                                    TAvertissements& avertissements);
