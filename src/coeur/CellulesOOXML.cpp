#include "CellulesOOXML.h"

#include <charconv>

#include "XmlEspaces.h"

namespace OOXML {
namespace {

constexpr std::string_view OrdreFeuille[]{"sheetPr", "dimension", "sheetViews", "sheetFormatPr", "cols", "sheetData"};

std::string Reference(int ligne, int colonne)
{
    std::string lettres;
    for (int c = colonne; c > 0; c = (c - 1) / 26)
        lettres.insert(lettres.begin(), char('A' + (c - 1) % 26));
    return lettres + std::to_string(ligne);
}

std::string Prefixe(pugi::xml_node n)
{
    const std::string_view nom(n.name());
    const std::size_t deuxPoints = nom.find(':');
    return deuxPoints == std::string_view::npos ? std::string() : std::string(nom.substr(0, deuxPoints + 1));
}

void RetireEnfants(pugi::xml_node parent, const char* espace, std::string_view local)
{
    for (const pugi::xml_node n : Enfants(parent, espace, local))
        parent.remove_child(n);
}

void ChargeCellules(TLigne& l, int numero, const std::string& partie)
{
    bool desordre = false;
    int precedente = 0;
    for (pugi::xml_node c : Enfants(l.Noeud, Espace::Principal, "c")) {
        int colonne = precedente + 1;
        if (const pugi::xml_attribute r = c.attribute("r")) {
            const std::optional<TAdresse> a = LitReference(r.value());
            if (!a || a->Ligne != numero)
                Echec("référence de cellule invalide dans " + partie);
            colonne = a->Colonne;
        } else {
            c.append_attribute("r") = Reference(numero, colonne).c_str();
        }
        if (l.Cellules.count(colonne))
            Echec("cellule en double dans " + partie);
        desordre = desordre || colonne < precedente;
        precedente = colonne;
        l.Cellules[colonne] = c;
    }
    if (desordre)
        for (auto& [colonne, c] : l.Cellules)
            l.Noeud.append_move(c);
}
}

std::optional<TAdresse> LitReference(std::string_view ref)
{
    TAdresse a;
    std::size_t i = 0;
    if (i < ref.size() && ref[i] == '$')
        ++i;
    for (; i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z'; ++i) {
        a.Colonne = a.Colonne * 26 + (ref[i] - 'A' + 1);
        if (a.Colonne > 16384)
            return std::nullopt;
    }
    if (i < ref.size() && ref[i] == '$')
        ++i;
    const auto [fin, erreur] = std::from_chars(ref.data() + i, ref.data() + ref.size(), a.Ligne);
    if (erreur != std::errc() || fin != ref.data() + ref.size() || a.Colonne < 1 || a.Ligne < 1)
        return std::nullopt;
    return a;
}

std::string Nombre(Reel valeur)
{
    char tampon[64];
    const auto resultat = std::to_chars(tampon, tampon + sizeof tampon, static_cast<double>(valeur));
    return std::string(tampon, resultat.ptr);
}

std::optional<Reel> LitNombre(std::string_view texte)
{
    double v = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), v);
    if (erreur != std::errc() || fin != texte.data() + texte.size())
        return std::nullopt;
    return Reel(v);
}

void ChargeFeuille(TPaquet& paquet, TFeuille& f)
{
    f.Contenu = &paquet.Partie(f.Partie);
    pugi::xml_node racine = f.Contenu->Document.document_element();
    if (!Est(racine, Espace::Principal, "worksheet"))
        Echec("feuille illisible : " + f.Partie);
    f.Donnees = EnfantOuCree(racine, Espace::Principal, "sheetData", OrdreFeuille, "x");
    bool desordre = false;
    int precedente = 0;
    for (pugi::xml_node ligne : Enfants(f.Donnees, Espace::Principal, "row")) {
        const int numero = ligne.attribute("r") ? ligne.attribute("r").as_int() : precedente + 1;
        if (numero < 1 || numero > 1048576 || f.Lignes.count(numero))
            Echec("lignes en double ou invalides dans " + f.Partie);
        desordre = desordre || numero < precedente;
        precedente = numero;
        ligne.remove_attribute("spans");
        if (!ligne.attribute("r"))
            ligne.append_attribute("r") = numero;
        TLigne& l = f.Lignes[numero];
        l.Noeud = ligne;
        ChargeCellules(l, numero, f.Partie);
    }
    if (desordre)
        for (auto& [numero, ligne] : f.Lignes)
            f.Donnees.append_move(ligne.Noeud);
    f.Chargee = true;
}

pugi::xml_node Cellule(TFeuille& f, int ligne, int colonne)
{
    const auto l = f.Lignes.find(ligne);
    if (l == f.Lignes.end())
        return {};
    const auto c = l->second.Cellules.find(colonne);
    return c == l->second.Cellules.end() ? pugi::xml_node() : c->second;
}

pugi::xml_node CreeCellule(TFeuille& f, int ligne, int colonne)
{
    if (ligne < 1 || ligne > 1048576 || colonne < 1 || colonne > 16384)
        Echec("cellule hors de la feuille");
    auto l = f.Lignes.find(ligne);
    if (l == f.Lignes.end()) {
        const auto suivante = f.Lignes.upper_bound(ligne);
        pugi::xml_node avant = suivante == f.Lignes.end() ? pugi::xml_node() : suivante->second.Noeud;
        const std::string nom = Prefixe(f.Donnees) + "row";
        pugi::xml_node n = avant ? f.Donnees.insert_child_before(nom.c_str(), avant) : f.Donnees.append_child(nom.c_str());
        n.append_attribute("r") = ligne;
        l = f.Lignes.emplace(ligne, TLigne{n, {}}).first;
    }
    TLigne& tl = l->second;
    if (const auto c = tl.Cellules.find(colonne); c != tl.Cellules.end())
        return c->second;
    const auto suivante = tl.Cellules.upper_bound(colonne);
    pugi::xml_node avant = suivante == tl.Cellules.end() ? pugi::xml_node() : suivante->second;
    const std::string nom = Prefixe(f.Donnees) + "c";
    pugi::xml_node c = avant ? tl.Noeud.insert_child_before(nom.c_str(), avant) : tl.Noeud.append_child(nom.c_str());
    c.append_attribute("r") = Reference(ligne, colonne).c_str();
    tl.Cellules[colonne] = c;
    return c;
}

void VideContenu(pugi::xml_node c)
{
    if (pugi::xml_node f = Enfant(c, Espace::Principal, "f")) {
        const std::string_view t = f.attribute("t").value();
        if (t == "array" || (t == "shared" && f.attribute("ref")))
            Echec("cellule " + std::string(c.attribute("r").value()) + " : formule partagée");
    }
    for (const char* local : {"f", "v", "is"})
        RetireEnfants(c, Espace::Principal, local);
    c.remove_attribute("t");
}

QString TexteDesT(pugi::xml_node n)
{
    QString texte;
    for (const pugi::xpath_node t : n.select_nodes(".//*"))
        if (Est(t.node(), Espace::Principal, "t"))
            texte += QString::fromUtf8(t.node().text().get());
    return texte;
}

void RetireResultatsDesFormules(TFeuille& f)
{
    for (auto& [numero, ligne] : f.Lignes)
        for (auto& [colonne, c] : ligne.Cellules)
            if (Enfant(c, Espace::Principal, "f") && (Enfant(c, Espace::Principal, "v") || c.attribute("t"))) {
                RetireEnfants(c, Espace::Principal, "v");
                c.remove_attribute("t");
                f.Contenu->Modifiee = true;
            }
}

void Dimension(TFeuille& f)
{
    int premiereColonne = 0;
    int derniereColonne = 0;
    for (const auto& [numero, ligne] : f.Lignes)
        if (!ligne.Cellules.empty()) {
            const int gauche = ligne.Cellules.begin()->first;
            const int droite = ligne.Cellules.rbegin()->first;
            premiereColonne = premiereColonne == 0 ? gauche : std::min(premiereColonne, gauche);
            derniereColonne = std::max(derniereColonne, droite);
        }
    std::string etendue = "A1";
    if (premiereColonne > 0) {
        int haut = 0;
        int bas = 0;
        for (const auto& [numero, ligne] : f.Lignes)
            if (!ligne.Cellules.empty()) {
                haut = haut == 0 ? numero : haut;
                bas = numero;
            }
        etendue = Reference(haut, premiereColonne) + ":" + Reference(bas, derniereColonne);
    }
    pugi::xml_node d =
        EnfantOuCree(f.Contenu->Document.document_element(), Espace::Principal, "dimension", OrdreFeuille, "x");
    if (!d.attribute("ref"))
        d.append_attribute("ref");
    d.attribute("ref").set_value(etendue.c_str());
}
}
