#pragma once
// La ligne de commande de kovra-calcul, hors options de l'image, et les données qu'elle donne.
#include <string>
#include <vector>

#include "numerique/Complexes.h"

struct TDocument;

extern const char* const UsageCalcul;

struct TArguments {
    bool Aide = false;
    std::string Fichier;
    std::string Num;
    std::string Den;
    std::string Retard;
    std::string BoucleFermee;
    std::string Correcteur;
    std::string Reglage;
    std::vector<Reel> Frequences;
    std::vector<Reel> Temps;
};

// Faux et la faute (sans point final) sur une option inconnue, répétée, sans valeur ou illisible.
bool LitArguments(int argc, char** argv, TArguments& a, std::string& faute);

// --num, --den et --retard mis dans le document, racines calculées.
bool DocumentDesCoefficients(const TArguments& a, TDocument& doc, std::string& faute);

// Le JSON écrit des doubles : une donnée hors de leur étendue ne pourrait pas être relue.
bool DonneesRepresentables(const TDocument& doc, std::string& faute);
bool ListesRepresentables(const TArguments& a, std::string& faute);
