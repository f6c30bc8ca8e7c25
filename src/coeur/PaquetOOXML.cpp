#include "PaquetOOXML.h"

#include <QFile>
#include <sstream>

#include "Classeur.h"
#include "SourceComprimee.h"
#include "XmlEspaces.h"

namespace OOXML {
namespace {

constexpr unsigned ChargementXml = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;

std::string Minuscules(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

std::string Dossier(const std::string& partie)
{
    const std::size_t barre = partie.rfind('/');
    return barre == std::string::npos ? std::string() : partie.substr(0, barre + 1);
}

// Cible d'une relation : relative au dossier de la partie source, ou absolue depuis la racine.
std::string Resous(const std::string& source, const std::string& cible)
{
    std::string chemin = !cible.empty() && cible[0] == '/' ? cible.substr(1) : Dossier(source) + cible;
    std::vector<std::string> morceaux;
    std::stringstream flux(chemin);
    for (std::string m; std::getline(flux, m, '/');) {
        if (m == "..") {
            if (!morceaux.empty())
                morceaux.pop_back();
        } else if (!m.empty() && m != ".") {
            morceaux.push_back(m);
        }
    }
    std::string resultat;
    for (const std::string& m : morceaux)
        resultat += (resultat.empty() ? "" : "/") + m;
    return resultat;
}

std::string RelationsDe(const std::string& partie)
{
    const std::size_t barre = partie.rfind('/');
    const std::string fichier = barre == std::string::npos ? partie : partie.substr(barre + 1);
    return Dossier(partie) + "_rels/" + fichier + ".rels";
}
}

[[noreturn]] void Echec(const std::string& pourquoi)
{
    throw TErreurClasseur(pourquoi);
}

bool FinitPar(std::string_view texte, std::string_view fin)
{
    return texte.size() >= fin.size() && texte.substr(texte.size() - fin.size()) == fin;
}

TPaquet::~TPaquet()
{
    if (Zip_)
        zip_discard(Zip_);
}

void TPaquet::Ouvre(const QString& chemin)
{
    int erreur = 0;
    Zip_ = zip_open(QFile::encodeName(chemin).constData(), 0, &erreur);
    if (!Zip_)
        Echec("paquet zip illisible");
}

zip_t* TPaquet::Zip()
{
    if (!Zip_)
        Echec("aucun classeur ouvert");
    return Zip_;
}

std::optional<zip_int64_t> TPaquet::Localise(const std::string& nom)
{
    const zip_int64_t i = zip_name_locate(Zip(), nom.c_str(), ZIP_FL_NOCASE);
    return i < 0 ? std::nullopt : std::optional<zip_int64_t>(i);
}

std::string TPaquet::Lit(zip_int64_t entree, const std::string& nom)
{
    zip_stat_t etat;
    zip_stat_init(&etat);
    if (zip_stat_index(Zip(), zip_uint64_t(entree), 0, &etat) != 0 || !(etat.valid & ZIP_STAT_SIZE))
        Echec("partie illisible : " + nom);
    if (etat.size > (zip_uint64_t(1) << 30))
        Echec("partie trop grande : " + nom);
    std::string contenu(std::size_t(etat.size), '\0');
    zip_file_t* f = zip_fopen_index(Zip(), zip_uint64_t(entree), 0);
    if (!f)
        Echec("partie illisible : " + nom);
    const zip_int64_t lus = zip_fread(f, contenu.data(), etat.size);
    zip_fclose(f);
    if (lus < 0 || zip_uint64_t(lus) != etat.size)
        Echec("partie illisible : " + nom);
    return contenu;
}

TPartie* TPaquet::PartieSiPresente(const std::string& nom)
{
    const std::string cle = Minuscules(nom);
    if (const auto p = Parties_.find(cle); p != Parties_.end())
        return p->second.get();
    const std::optional<zip_int64_t> entree = Localise(nom);
    if (!entree)
        return nullptr;
    auto partie = std::make_unique<TPartie>();
    partie->Nom = nom;
    partie->Entree = *entree;
    const std::string contenu = Lit(*entree, nom);
    if (!partie->Document.load_buffer(contenu.data(), contenu.size(), ChargementXml))
        Echec("XML illisible : " + nom);
    return (Parties_[cle] = std::move(partie)).get();
}

TPartie& TPaquet::Partie(const std::string& nom)
{
    TPartie* p = PartieSiPresente(nom);
    if (!p)
        Echec("partie absente : " + nom);
    return *p;
}

std::vector<std::pair<std::string, TRelation>> TPaquet::Relations(const std::string& source)
{
    std::vector<std::pair<std::string, TRelation>> liste;
    TPartie* rels = PartieSiPresente(RelationsDe(source));
    if (!rels)
        return liste;
    pugi::xml_node racine = Enfant(rels->Document, Espace::Paquet, "Relationships");
    for (const pugi::xml_node r : Enfants(racine, Espace::Paquet, "Relationship")) {
        const bool externe = std::string_view(r.attribute("TargetMode").value()) == "External";
        liste.push_back({r.attribute("Id").value(),
                         {r.attribute("Type").value(), externe ? "" : Resous(source, r.attribute("Target").value()),
                          externe}});
    }
    return liste;
}

std::string TPaquet::Cible(const std::string& source, const char* id, std::string_view type)
{
    for (const auto& [identifiant, relation] : Relations(source))
        if (identifiant == id && !relation.Externe && FinitPar(relation.Type, type))
            return relation.Cible;
    Echec("relation introuvable dans " + source);
}

void TPaquet::RetireChaineDeCalcul(const std::string& classeur)
{
    TPartie* rels = PartieSiPresente(RelationsDe(classeur));
    if (!rels)
        return;
    pugi::xml_node racine = Enfant(rels->Document, Espace::Paquet, "Relationships");
    for (const pugi::xml_node r : Enfants(racine, Espace::Paquet, "Relationship")) {
        if (!FinitPar(r.attribute("Type").value(), "/calcChain"))
            continue;
        const std::string partie = Resous(classeur, r.attribute("Target").value());
        racine.remove_child(r);
        rels->Modifiee = true;
        if (const std::optional<zip_int64_t> entree = Localise(partie))
            zip_delete(Zip(), zip_uint64_t(*entree));
        TPartie& types = Partie("[Content_Types].xml");
        pugi::xml_node liste = Enfant(types.Document, Espace::Types, "Types");
        for (const pugi::xml_node o : Enfants(liste, Espace::Types, "Override"))
            if (Minuscules(o.attribute("PartName").value()) == Minuscules("/" + partie)) {
                liste.remove_child(o);
                types.Modifiee = true;
            }
    }
}

void TPaquet::Enregistre()
{
    for (const auto& [cle, partie] : Parties_) {
        if (!partie->Modifiee)
            continue;
        std::ostringstream flux;
        partie->Document.save(flux, "", pugi::format_raw, pugi::encoding_utf8);
        zip_source_t* source = SourceComprimee(Zip(), flux.str());
        if (!source)
            Echec("partie non comprimée : " + partie->Nom);
        if (zip_file_replace(Zip(), zip_uint64_t(partie->Entree), source, 0) < 0) {
            zip_source_free(source);
            Echec("partie non remplacée : " + partie->Nom);
        }
        // Une partie rangée sans compression dans le modèle reçoit le flux tel quel.
        zip_set_file_compression(Zip(), zip_uint64_t(partie->Entree), ZIP_CM_DEFLATE, 0);
    }
    if (zip_close(Zip_) != 0)
        Echec("classeur non écrit");
    Zip_ = nullptr;
}
}
