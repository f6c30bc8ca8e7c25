#pragma once
// Les graphiques d'une feuille et leurs axes : bornes, graduation et titres, réécrits dans
// l'ordre que le schéma impose.
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "Classeur.h"
#include "PaquetOOXML.h"

namespace OOXML {

// Cadres des graphiques de la feuille dans l'ordre du dessin, y compris ceux d'un contenu
// de compatibilité ; les groupes de formes ne sont pas parcourus.
std::vector<std::string> GraphiquesDeFeuille(TPaquet& paquet, const std::string& partieFeuille,
                                             pugi::xml_node racineFeuille);
// Axe 1 : premier identifiant du premier groupe de courbes ; axe 2 : le second.
pugi::xml_node AxeDuGraphique(pugi::xml_node graphique, int axe);
void RegleAxeDe(pugi::xml_node a, TReglageAxe reglage, Reel valeur);
std::optional<Reel> ReglageDeLAxe(pugi::xml_node a, TReglageAxe reglage);
void EcritTitreAxe(pugi::xml_node a, const std::string& texte, bool vertical);
QString TitreDeLAxe(pugi::xml_node a);
// Tout le texte des a:t sous un nœud, paragraphe après paragraphe.
QString TexteRiche(pugi::xml_node riche);
}
