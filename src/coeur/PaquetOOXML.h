#pragma once
// Le paquet zip d'un classeur (libzip) : ses parties XML (pugixml) lues une fois à la demande,
// ses relations, et seules les parties modifiées réécrites à l'enregistrement.
#include <zip.h>

#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace OOXML {

[[noreturn]] void Echec(const std::string& pourquoi);
bool FinitPar(std::string_view texte, std::string_view fin);

struct TPartie {
    std::string Nom;
    zip_int64_t Entree = -1;
    pugi::xml_document Document;
    bool Modifiee = false;
};

struct TRelation {
    std::string Type;
    std::string Cible;
    bool Externe = false;
};

class TPaquet {
public:
    TPaquet() = default;
    TPaquet(const TPaquet&) = delete;
    TPaquet& operator=(const TPaquet&) = delete;
    ~TPaquet();

    void Ouvre(const QString& chemin);
    // Nom cherché sans égard à la casse ; nul si la partie manque.
    TPartie* PartieSiPresente(const std::string& nom);
    TPartie& Partie(const std::string& nom);
    // Identifiant et relation, cible résolue depuis la racine du paquet.
    std::vector<std::pair<std::string, TRelation>> Relations(const std::string& source);
    std::string Cible(const std::string& source, const char* id, std::string_view type);
    // La chaîne de calcul n'est qu'un cache : elle part avec sa relation et son type.
    void RetireChaineDeCalcul(const std::string& classeur);
    void Enregistre();

private:
    zip_t* Zip();
    std::optional<zip_int64_t> Localise(const std::string& nom);
    std::string Lit(zip_int64_t entree, const std::string& nom);

    zip_t* Zip_ = nullptr;
    std::map<std::string, std::unique_ptr<TPartie>> Parties_;  // nom en minuscules
};
}
