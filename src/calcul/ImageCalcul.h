#pragma once
// kovra-calcul --image : une vue de l'étude dessinée comme dans les fenêtres, avec les
// échelles que les boutons automatiques des dialogues y mettraient ; un PDF est la page imprimée.
#include <string>
#include <vector>

struct TDocument;

struct TOptionsImage {
    bool Demandee = false;
    std::string Sortie;
    std::string Vue;
    std::string Taille = "1920x1080";
    bool Abaque = false;
};

constexpr int SortieImageRefusee = 2;

// Retire de la ligne de commande les options de l'image ; le reste, nom du programme en tête,
// va à la lecture ordinaire des arguments. Faux et la faute sur une option mal formée.
bool LitOptionsImage(int argc, char** argv, TOptionsImage& options, std::vector<char*>& restants,
                     std::string& faute);

// Analyse le document lu, puis écrit l'image ; rend le code de sortie du programme, après
// avoir écrit la faute éventuelle sur l'erreur standard.
int FaitImage(int argc, char** argv, TDocument& doc, const TOptionsImage& options);
