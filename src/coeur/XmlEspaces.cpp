#include "XmlEspaces.h"

#include <algorithm>
#include <set>

namespace {
std::string_view Prefixe(const char* nom)
{
    const std::string_view n(nom);
    const std::size_t deuxPoints = n.find(':');
    return deuxPoints == std::string_view::npos ? std::string_view() : n.substr(0, deuxPoints);
}

std::string Declaration(std::string_view prefixe)
{
    return prefixe.empty() ? std::string("xmlns") : "xmlns:" + std::string(prefixe);
}

std::string_view UriDuPrefixe(pugi::xml_node n, std::string_view prefixe)
{
    if (prefixe == "xml")
        return "http://www.w3.org/XML/1998/namespace";
    const std::string attribut = Declaration(prefixe);
    for (; n; n = n.parent())
        if (const pugi::xml_attribute a = n.attribute(attribut.c_str()))
            return a.value();
    return {};
}

// Le préfixe lié à l'espace là où l'élément va naître : la liaison la plus proche de chaque
// préfixe l'emporte sur celles des ancêtres.
bool PrefixeLie(pugi::xml_node n, std::string_view espace, std::string& prefixe)
{
    std::set<std::string, std::less<>> vus;
    for (; n; n = n.parent())
        for (const pugi::xml_attribute a : n.attributes()) {
            const std::string_view nom(a.name());
            if (nom != "xmlns" && nom.substr(0, 6) != "xmlns:")
                continue;
            const std::string p(nom == "xmlns" ? std::string_view() : nom.substr(6));
            if (!vus.insert(p).second)
                continue;
            if (espace == a.value()) {
                prefixe = p;
                return true;
            }
        }
    return false;
}

std::size_t Rang(std::span<const std::string_view> ordre, std::string_view local)
{
    return std::size_t(std::find(ordre.begin(), ordre.end(), local) - ordre.begin());
}
}

std::string_view NomLocal(const char* nom)
{
    const std::string_view n(nom);
    const std::size_t deuxPoints = n.find(':');
    return deuxPoints == std::string_view::npos ? n : n.substr(deuxPoints + 1);
}

std::string_view EspaceDe(pugi::xml_node n)
{
    return UriDuPrefixe(n, Prefixe(n.name()));
}

bool Est(pugi::xml_node n, const char* espace, std::string_view local)
{
    return n.type() == pugi::node_element && NomLocal(n.name()) == local && EspaceDe(n) == espace;
}

pugi::xml_node Enfant(pugi::xml_node parent, const char* espace, std::string_view local)
{
    for (const pugi::xml_node n : parent.children())
        if (Est(n, espace, local))
            return n;
    return {};
}

std::vector<pugi::xml_node> Enfants(pugi::xml_node parent, const char* espace, std::string_view local)
{
    std::vector<pugi::xml_node> trouves;
    for (const pugi::xml_node n : parent.children())
        if (Est(n, espace, local))
            trouves.push_back(n);
    return trouves;
}

pugi::xml_attribute AttributDe(pugi::xml_node n, const char* espace, std::string_view local)
{
    for (const pugi::xml_attribute a : n.attributes()) {
        const std::string_view prefixe = Prefixe(a.name());
        if (!prefixe.empty() && prefixe != "xmlns" && NomLocal(a.name()) == local &&
            UriDuPrefixe(n, prefixe) == espace)
            return a;
    }
    return {};
}

pugi::xml_node CreeElement(pugi::xml_node parent, pugi::xml_node avant, const char* espace, std::string_view local,
                           std::string_view prefixeUsuel)
{
    std::string prefixe;
    const bool lie = PrefixeLie(parent, espace, prefixe);
    if (!lie) {
        // Un préfixe usuel déjà pris par un autre espace en reçoit un numéro.
        prefixe = prefixeUsuel;
        for (int k = 1; !UriDuPrefixe(parent, prefixe).empty(); ++k)
            prefixe = std::string(prefixeUsuel) + std::to_string(k);
    }
    const std::string nom = prefixe.empty() ? std::string(local) : prefixe + ":" + std::string(local);
    pugi::xml_node n = avant ? parent.insert_child_before(nom.c_str(), avant) : parent.append_child(nom.c_str());
    if (!lie)
        n.append_attribute(Declaration(prefixe).c_str()) = espace;
    return n;
}

pugi::xml_node CreeSelonOrdre(pugi::xml_node parent, const char* espace, std::string_view local,
                              std::span<const std::string_view> ordre, std::string_view prefixeUsuel)
{
    const std::size_t rang = Rang(ordre, local);
    pugi::xml_node avant;
    for (const pugi::xml_node n : parent.children()) {
        if (n.type() != pugi::node_element || EspaceDe(n) != espace)
            continue;
        const std::size_t r = Rang(ordre, NomLocal(n.name()));
        if (r < ordre.size() && r > rang) {
            avant = n;
            break;
        }
    }
    return CreeElement(parent, avant, espace, local, prefixeUsuel);
}

pugi::xml_node EnfantOuCree(pugi::xml_node parent, const char* espace, std::string_view local,
                            std::span<const std::string_view> ordre, std::string_view prefixeUsuel)
{
    pugi::xml_node n = Enfant(parent, espace, local);
    return n ? n : CreeSelonOrdre(parent, espace, local, ordre, prefixeUsuel);
}

void LieEspace(pugi::xml_node n, const char* espace, std::string_view prefixeUsuel)
{
    std::string prefixe;
    if (!PrefixeLie(n, espace, prefixe) && UriDuPrefixe(n, prefixeUsuel).empty())
        n.append_attribute(Declaration(prefixeUsuel).c_str()) = espace;
}
