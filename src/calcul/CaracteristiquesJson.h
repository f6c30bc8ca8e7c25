#pragma once
// Ce que kovra-calcul écrit des lectures d'une réponse : réponse impulsionnelle aux instants
// demandés, caractéristiques de la réponse indicielle, Bode asymptotique.
#include <vector>

#include "JsonCalcul.h"
#include "numerique/BodeAsymptotique.h"
#include "numerique/CaracteristiquesIndicielle.h"
#include "numerique/Systeme.h"

// Sans caractéristiques, la seule clé « raison ».
TJson CaracteristiquesJson(const TCaracteristiques& c);
// Partie régulière [{t, y}] ; l'impulsion de Dirac à part, dans DiracJson.
TJson ImpulsionnelleJson(const TSysteme& s, const std::vector<Reel>& temps, bool faite);
TJson DiracJson(const TSysteme& s, bool faite);
TJson AsymptotesBodeJson(const TBodeAsymptotique& b);

// Ajoute à l'étude : impulsionnelle, impulsion_dirac, caracteristiques_indicielle,
// asymptotes (null quand les racines manquent).
void AjouteLectures(TJson& etude, const TSysteme& s, bool faite, const std::vector<Reel>& temps);
