#pragma once
// pugixml ne résout pas les espaces de noms : les éléments des parties d'un classeur se
// reconnaissent ici par l'URI de leur espace, jamais par leur préfixe, qui varie d'un tableur
// à l'autre (certains n'en mettent aucun).
#include <pugixml.hpp>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Espace {
inline constexpr const char* Principal = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline constexpr const char* Relations = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr const char* Paquet = "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr const char* Types = "http://schemas.openxmlformats.org/package/2006/content-types";
inline constexpr const char* Dessin = "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing";
inline constexpr const char* Formes = "http://schemas.openxmlformats.org/drawingml/2006/main";
inline constexpr const char* Graphique = "http://schemas.openxmlformats.org/drawingml/2006/chart";
inline constexpr const char* Compatibilite = "http://schemas.openxmlformats.org/markup-compatibility/2006";
}

std::string_view NomLocal(const char* nom);
// URI de l'espace de l'élément.
std::string_view EspaceDe(pugi::xml_node n);
bool Est(pugi::xml_node n, const char* espace, std::string_view local);
pugi::xml_node Enfant(pugi::xml_node parent, const char* espace, std::string_view local);
std::vector<pugi::xml_node> Enfants(pugi::xml_node parent, const char* espace, std::string_view local);
// Attribut préfixé d'un espace (r:id…) ; vide s'il manque.
pugi::xml_attribute AttributDe(pugi::xml_node n, const char* espace, std::string_view local);

// Nouvel élément de l'espace, avec le préfixe qui y est lié (déclaré sur lui s'il n'y en a pas),
// placé avant `avant`, ou à la fin quand `avant` est vide.
pugi::xml_node CreeElement(pugi::xml_node parent, pugi::xml_node avant, const char* espace, std::string_view local,
                           std::string_view prefixeUsuel);
// Le même, placé selon l'ordre du schéma : avant le premier frère qui le suit dans `ordre`.
pugi::xml_node CreeSelonOrdre(pugi::xml_node parent, const char* espace, std::string_view local,
                              std::span<const std::string_view> ordre, std::string_view prefixeUsuel);
// L'enfant existant, ou créé à sa place dans l'ordre du schéma.
pugi::xml_node EnfantOuCree(pugi::xml_node parent, const char* espace, std::string_view local,
                            std::span<const std::string_view> ordre, std::string_view prefixeUsuel);
// Lie le préfixe usuel à l'espace sur ce nœud s'il n'y est lié à rien : ses descendants le
// partagent au lieu de le déclarer chacun.
void LieEspace(pugi::xml_node n, const char* espace, std::string_view prefixeUsuel);
