#pragma once
// Les cellules d'une feuille de calcul : lignes et cellules rangées par numéro, créées à leur
// place, vidées, et l'étendue de la feuille recalculée.
#include <QString>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PaquetOOXML.h"
#include "numerique/Complexes.h"

namespace OOXML {

struct TAdresse {
    int Ligne = 0;
    int Colonne = 0;
};
// "B12", "$B$12" ; rien pour une référence illisible.
std::optional<TAdresse> LitReference(std::string_view ref);
// Écriture la plus courte qui se relit au même double, et sa relecture.
std::string Nombre(Reel valeur);
std::optional<Reel> LitNombre(std::string_view texte);

struct TLigne {
    pugi::xml_node Noeud;
    std::map<int, pugi::xml_node> Cellules;
};

struct TFeuille {
    std::string Nom;
    std::string Partie;
    bool DeCalcul = true;  // une feuille graphique n'a pas de cellules
    bool Chargee = false;
    TPartie* Contenu = nullptr;
    pugi::xml_node Donnees;
    std::map<int, TLigne> Lignes;
    std::optional<std::vector<std::string>> Graphiques;
};

// Lignes et cellules rangées par numéro croissant ; un numéro omis suit le précédent.
void ChargeFeuille(TPaquet& paquet, TFeuille& f);
pugi::xml_node Cellule(TFeuille& f, int ligne, int colonne);
pugi::xml_node CreeCellule(TFeuille& f, int ligne, int colonne);
// Une constante remplace une formule, sauf celle dont d'autres cellules dépendent.
void VideContenu(pugi::xml_node c);
// Le texte des t sous un nœud de la feuille ou des chaînes partagées.
QString TexteDesT(pugi::xml_node n);
// LibreOffice montre les résultats gardés des formules sans les recalculer ; sans eux il
// les recalcule.
void RetireResultatsDesFormules(TFeuille& f);
void Dimension(TFeuille& f);
}
