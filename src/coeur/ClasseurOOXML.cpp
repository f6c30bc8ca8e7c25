#include "ClasseurOOXML.h"

#include <zip.h>

#include <QFile>
#include <charconv>
#include <cmath>
#include <cstring>
#include <map>
#include <sstream>

#include "SourceComprimee.h"
#include "XmlEspaces.h"

namespace {

// Ordre des enfants d'un axe et de son échelle, tel que le schéma l'impose (Excel refuse un
// fichier qui ne le suit pas).
constexpr std::string_view OrdreAxe[]{
    "axId",          "scaling",       "delete",     "axPos",    "majorGridlines", "minorGridlines", "title",
    "numFmt",        "majorTickMark", "minorTickMark", "tickLblPos", "spPr",      "txPr",           "crossAx",
    "crosses",       "crossesAt",     "crossBetween", "majorUnit", "minorUnit",   "dispUnits",      "extLst"};
constexpr std::string_view OrdreRun[]{"rPr", "t"};
constexpr std::string_view OrdreEchelle[]{"logBase", "orientation", "max", "min", "extLst"};
constexpr std::string_view OrdreClasseur[]{
    "fileVersion",   "fileSharing",    "workbookPr",   "workbookProtection", "bookViews",
    "sheets",        "functionGroups", "externalReferences", "definedNames", "calcPr",
    "oleSize",       "customWorkbookViews", "pivotCaches", "smartTagPr",     "smartTagTypes",
    "webPublishing", "fileRecoveryPr", "webPublishObjects", "extLst"};
constexpr std::string_view OrdreFeuille[]{"sheetPr", "dimension", "sheetViews", "sheetFormatPr", "cols", "sheetData"};

constexpr unsigned ChargementXml = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;

[[noreturn]] void Echec(const std::string& pourquoi)
{
    throw TErreurClasseur(pourquoi);
}

bool FinitPar(std::string_view texte, std::string_view fin)
{
    return texte.size() >= fin.size() && texte.substr(texte.size() - fin.size()) == fin;
}

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

std::string Reference(int ligne, int colonne)
{
    std::string lettres;
    for (int c = colonne; c > 0; c = (c - 1) / 26)
        lettres.insert(lettres.begin(), char('A' + (c - 1) % 26));
    return lettres + std::to_string(ligne);
}

struct TAdresse {
    int Ligne = 0;
    int Colonne = 0;
};

// "B12", "$B$12" ; rien pour une référence illisible.
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

std::string Prefixe(pugi::xml_node n)
{
    const std::string_view nom(n.name());
    const std::size_t deuxPoints = nom.find(':');
    return deuxPoints == std::string_view::npos ? std::string() : std::string(nom.substr(0, deuxPoints + 1));
}

void PoseVal(pugi::xml_node n, Reel valeur)
{
    if (!n.attribute("val"))
        n.append_attribute("val");
    n.attribute("val").set_value(Nombre(valeur).c_str());
}

void RetireEnfants(pugi::xml_node parent, const char* espace, std::string_view local)
{
    for (const pugi::xml_node n : Enfants(parent, espace, local))
        parent.remove_child(n);
}

// Tout le texte des a:t sous un nœud, paragraphe après paragraphe.
QString TexteRiche(pugi::xml_node riche)
{
    QStringList paragraphes;
    for (const pugi::xml_node p : Enfants(riche, Espace::Formes, "p")) {
        QString texte;
        for (const pugi::xpath_node t : p.select_nodes(".//*"))
            if (Est(t.node(), Espace::Formes, "t"))
                texte += QString::fromUtf8(t.node().text().get());
        paragraphes << texte;
    }
    return paragraphes.join(u'\n');
}

struct TLigne {
    pugi::xml_node Noeud;
    std::map<int, pugi::xml_node> Cellules;
};

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
}

struct TClasseurOOXML::TDonnees {
    zip_t* Zip = nullptr;
    std::string Classeur;
    std::vector<TFeuille> Feuilles;
    std::map<std::string, std::unique_ptr<TPartie>> Parties;  // nom en minuscules
    int Active = 0;  // feuille montrée à l'ouverture du classeur, 0 : celle du modèle

    ~TDonnees()
    {
        if (Zip)
            zip_discard(Zip);
    }

    zip_t* Paquet()
    {
        if (!Zip)
            Echec("aucun classeur ouvert");
        return Zip;
    }

    std::optional<zip_int64_t> Localise(const std::string& nom)
    {
        const zip_int64_t i = zip_name_locate(Paquet(), nom.c_str(), ZIP_FL_NOCASE);
        return i < 0 ? std::nullopt : std::optional<zip_int64_t>(i);
    }

    std::string Lit(zip_int64_t entree, const std::string& nom)
    {
        zip_stat_t etat;
        zip_stat_init(&etat);
        if (zip_stat_index(Paquet(), zip_uint64_t(entree), 0, &etat) != 0 || !(etat.valid & ZIP_STAT_SIZE))
            Echec("partie illisible : " + nom);
        if (etat.size > (zip_uint64_t(1) << 30))
            Echec("partie trop grande : " + nom);
        std::string contenu(std::size_t(etat.size), '\0');
        zip_file_t* f = zip_fopen_index(Paquet(), zip_uint64_t(entree), 0);
        if (!f)
            Echec("partie illisible : " + nom);
        const zip_int64_t lus = zip_fread(f, contenu.data(), etat.size);
        zip_fclose(f);
        if (lus < 0 || zip_uint64_t(lus) != etat.size)
            Echec("partie illisible : " + nom);
        return contenu;
    }

    TPartie* PartieSiPresente(const std::string& nom)
    {
        const std::string cle = Minuscules(nom);
        if (const auto p = Parties.find(cle); p != Parties.end())
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
        return (Parties[cle] = std::move(partie)).get();
    }

    TPartie& Partie(const std::string& nom)
    {
        TPartie* p = PartieSiPresente(nom);
        if (!p)
            Echec("partie absente : " + nom);
        return *p;
    }

    std::vector<std::pair<std::string, TRelation>> Relations(const std::string& source)
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

    std::string Cible(const std::string& source, const char* id, std::string_view type)
    {
        for (const auto& [identifiant, relation] : Relations(source))
            if (identifiant == id && !relation.Externe && FinitPar(relation.Type, type))
                return relation.Cible;
        Echec("relation introuvable dans " + source);
    }

    void Ouvre(const QString& chemin)
    {
        int erreur = 0;
        Zip = zip_open(QFile::encodeName(chemin).constData(), 0, &erreur);
        if (!Zip)
            Echec("paquet zip illisible");
        std::string classeur;
        for (const auto& [id, relation] : Relations(""))
            if (FinitPar(relation.Type, "/officeDocument") && !relation.Externe)
                classeur = relation.Cible;
        if (classeur.empty())
            Echec("pas de classeur dans le paquet");
        Classeur = classeur;
        pugi::xml_node racine = Partie(classeur).Document.document_element();
        if (std::string_view(EspaceDe(racine)).find("purl.oclc.org") != std::string_view::npos)
            Echec("classeur au format strict");
        if (!Est(racine, Espace::Principal, "workbook"))
            Echec("classeur illisible");
        for (const pugi::xml_node f : Enfants(Enfant(racine, Espace::Principal, "sheets"), Espace::Principal, "sheet")) {
            const pugi::xml_attribute id = AttributDe(f, Espace::Relations, "id");
            TFeuille feuille;
            feuille.Nom = f.attribute("name").value();
            for (const auto& [identifiant, relation] : Relations(classeur))
                if (identifiant == id.value() && !relation.Externe) {
                    feuille.Partie = relation.Cible;
                    feuille.DeCalcul = FinitPar(relation.Type, "/worksheet");
                }
            if (feuille.Partie.empty())
                Echec("feuille sans partie");
            Feuilles.push_back(std::move(feuille));
        }
    }

    TFeuille& Feuille(int numero)
    {
        if (numero < 1 || numero > int(Feuilles.size()))
            Echec("pas de feuille " + std::to_string(numero));
        TFeuille& f = Feuilles[std::size_t(numero - 1)];
        if (!f.DeCalcul)
            Echec("la feuille " + std::to_string(numero) + " n'est pas une feuille de calcul");
        if (!f.Chargee)
            Charge(f);
        return f;
    }

    // Lignes et cellules rangées par numéro croissant ; un numéro omis suit le précédent.
    void Charge(TFeuille& f)
    {
        f.Contenu = &Partie(f.Partie);
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

    static void ChargeCellules(TLigne& l, int numero, const std::string& partie)
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

    static pugi::xml_node Cellule(TFeuille& f, int ligne, int colonne)
    {
        const auto l = f.Lignes.find(ligne);
        if (l == f.Lignes.end())
            return {};
        const auto c = l->second.Cellules.find(colonne);
        return c == l->second.Cellules.end() ? pugi::xml_node() : c->second;
    }

    static pugi::xml_node CreeCellule(TFeuille& f, int ligne, int colonne)
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

    // Une constante remplace une formule, sauf celle dont d'autres cellules dépendent.
    static void VideContenu(pugi::xml_node c)
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

    pugi::xml_node CelluleAEcrire(int feuille, int ligne, int colonne)
    {
        TFeuille& f = Feuille(feuille);
        f.Contenu->Modifiee = true;
        pugi::xml_node c = CreeCellule(f, ligne, colonne);
        VideContenu(c);
        return c;
    }

    void Vide(int feuille, int ligne, int colonne)
    {
        TFeuille& f = Feuille(feuille);
        pugi::xml_node c = Cellule(f, ligne, colonne);
        if (!c)
            return;
        f.Contenu->Modifiee = true;
        VideContenu(c);
        // Une cellule mise en forme garde son style.
        if (!c.attribute("s")) {
            TLigne& l = f.Lignes[ligne];
            l.Noeud.remove_child(c);
            l.Cellules.erase(colonne);
        }
    }

    QString TexteCellule(int feuille, int ligne, int colonne)
    {
        pugi::xml_node c = Cellule(Feuille(feuille), ligne, colonne);
        const std::string_view type = c.attribute("t").value();
        if (type == "inlineStr")
            return TexteDesT(Enfant(c, Espace::Principal, "is"));
        const char* v = Enfant(c, Espace::Principal, "v").text().get();
        if (type == "s")
            return ChainePartagee(std::atoi(v));
        return QString::fromUtf8(v);
    }

    static QString TexteDesT(pugi::xml_node n)
    {
        QString texte;
        for (const pugi::xpath_node t : n.select_nodes(".//*"))
            if (Est(t.node(), Espace::Principal, "t"))
                texte += QString::fromUtf8(t.node().text().get());
        return texte;
    }

    QString ChainePartagee(int indice)
    {
        for (const auto& [id, relation] : Relations(Classeur))
            if (FinitPar(relation.Type, "/sharedStrings")) {
                pugi::xml_node sst = Partie(relation.Cible).Document.document_element();
                const std::vector<pugi::xml_node> chaines = Enfants(sst, Espace::Principal, "si");
                if (indice >= 0 && indice < int(chaines.size()))
                    return TexteDesT(chaines[std::size_t(indice)]);
            }
        Echec("chaîne partagée absente");
    }

    // Cadres des graphiques de la feuille dans l'ordre du dessin, y compris ceux d'un contenu
    // de compatibilité ; les groupes de formes ne sont pas parcourus.
    std::vector<std::string>& Graphiques(int feuille)
    {
        TFeuille& f = Feuille(feuille);
        if (f.Graphiques)
            return *f.Graphiques;
        f.Graphiques.emplace();
        pugi::xml_node dessin = Enfant(f.Contenu->Document.document_element(), Espace::Principal, "drawing");
        if (!dessin)
            return *f.Graphiques;
        const std::string partieDessin =
            Cible(f.Partie, AttributDe(dessin, Espace::Relations, "id").value(), "/drawing");
        pugi::xml_node racine = Partie(partieDessin).Document.document_element();
        for (const pugi::xml_node n : racine.children()) {
            if (Est(n, Espace::Compatibilite, "AlternateContent")) {
                for (const pugi::xml_node choix : Enfants(n, Espace::Compatibilite, "Choice"))
                    for (const pugi::xml_node ancre : choix.children())
                        AjouteGraphique(ancre, partieDessin, *f.Graphiques);
            } else {
                AjouteGraphique(n, partieDessin, *f.Graphiques);
            }
        }
        return *f.Graphiques;
    }

    void AjouteGraphique(pugi::xml_node ancre, const std::string& partieDessin, std::vector<std::string>& liste)
    {
        if (!Est(ancre, Espace::Dessin, "twoCellAnchor") && !Est(ancre, Espace::Dessin, "oneCellAnchor") &&
            !Est(ancre, Espace::Dessin, "absoluteAnchor"))
            return;
        pugi::xml_node donnees = Enfant(Enfant(Enfant(ancre, Espace::Dessin, "graphicFrame"), Espace::Formes,
                                                     "graphic"),
                                              Espace::Formes, "graphicData");
        pugi::xml_node graphique = Enfant(donnees, Espace::Graphique, "chart");
        if (!graphique)
            return;
        liste.push_back(Cible(partieDessin, AttributDe(graphique, Espace::Relations, "id").value(), "/chart"));
    }

    TPartie& PartieGraphique(int feuille, int graphique)
    {
        std::vector<std::string>& liste = Graphiques(feuille);
        if (graphique < 1 || graphique > int(liste.size()))
            Echec("pas de graphique " + std::to_string(graphique));
        return Partie(liste[std::size_t(graphique - 1)]);
    }

    pugi::xml_node Graphique(int feuille, int graphique)
    {
        return Enfant(PartieGraphique(feuille, graphique).Document.document_element(), Espace::Graphique, "chart");
    }

    QString TitreGraphique(int feuille, int graphique)
    {
        pugi::xml_node titre = Enfant(Graphique(feuille, graphique), Espace::Graphique, "title");
        pugi::xml_node tx = Enfant(titre, Espace::Graphique, "tx");
        if (pugi::xml_node riche = Enfant(tx, Espace::Graphique, "rich"))
            return TexteRiche(riche);
        pugi::xml_node ref = Enfant(tx, Espace::Graphique, "strRef");
        if (!ref)
            return {};
        if (const std::optional<QString> texte = TexteReference(Enfant(ref, Espace::Graphique, "f").text().get()))
            return *texte;
        pugi::xml_node pt = Enfant(Enfant(ref, Espace::Graphique, "strCache"), Espace::Graphique, "pt");
        return QString::fromUtf8(Enfant(pt, Espace::Graphique, "v").text().get());
    }

    // "Feuille!$A$1" ou "'Ma feuille'!$A$1" ; rien si la cellule n'est pas trouvée.
    std::optional<QString> TexteReference(std::string_view formule)
    {
        const std::size_t point = formule.rfind('!');
        if (point == std::string_view::npos)
            return std::nullopt;
        std::string nom(formule.substr(0, point));
        if (nom.size() >= 2 && nom.front() == '\'' && nom.back() == '\'') {
            nom = nom.substr(1, nom.size() - 2);
            for (std::size_t i = nom.find("''"); i != std::string::npos; i = nom.find("''", i + 1))
                nom.erase(i, 1);
        }
        const std::optional<TAdresse> a = LitReference(formule.substr(point + 1));
        for (std::size_t k = 0; a && k < Feuilles.size(); ++k)
            if (Feuilles[k].Nom == nom && Feuilles[k].DeCalcul)
                return TexteCellule(int(k) + 1, a->Ligne, a->Colonne);
        return std::nullopt;
    }

    // Axe 1 : premier identifiant du premier groupe de courbes ; axe 2 : le second.
    pugi::xml_node Axe(int feuille, int graphique, int axe)
    {
        pugi::xml_node zone = Enfant(Graphique(feuille, graphique), Espace::Graphique, "plotArea");
        pugi::xml_node groupe;
        for (const pugi::xml_node n : zone.children())
            if (FinitPar(NomLocal(n.name()), "Chart") && EspaceDe(n) == Espace::Graphique) {
                groupe = n;
                break;
            }
        const std::vector<pugi::xml_node> ids = Enfants(groupe, Espace::Graphique, "axId");
        if (axe < 1 || axe > int(ids.size()))
            Echec("pas d'axe " + std::to_string(axe));
        const std::string_view id = ids[std::size_t(axe - 1)].attribute("val").value();
        for (const pugi::xml_node n : zone.children())
            for (const char* sorte : {"valAx", "catAx", "dateAx", "serAx"})
                if (Est(n, Espace::Graphique, sorte) &&
                    std::string_view(Enfant(n, Espace::Graphique, "axId").attribute("val").value()) == id)
                    return n;
        Echec("axe " + std::to_string(axe) + " introuvable");
    }

    void RegleAxe(int feuille, int graphique, int axe, TReglageAxe reglage, Reel valeur)
    {
        if (!std::isfinite(valeur) || !std::isfinite(static_cast<double>(valeur)))
            Echec("réglage d'axe non fini");
        pugi::xml_node a = Axe(feuille, graphique, axe);
        PartieGraphique(feuille, graphique).Modifiee = true;
        if (reglage == TReglageAxe::Graduation) {
            if (!Est(a, Espace::Graphique, "valAx") || !(valeur > 0))
                Echec("graduation impossible");
            PoseVal(EnfantOuCree(a, Espace::Graphique, "majorUnit", OrdreAxe, "c"), valeur);
            return;
        }
        pugi::xml_node echelle = EnfantOuCree(a, Espace::Graphique, "scaling", OrdreAxe, "c");
        if (Enfant(echelle, Espace::Graphique, "logBase") && !(valeur > 0))
            Echec("borne non positive sur un axe logarithmique");
        const char* local = reglage == TReglageAxe::Minimum ? "min" : "max";
        PoseVal(EnfantOuCree(echelle, Espace::Graphique, local, OrdreEchelle, "c"), valeur);
    }

    std::optional<Reel> ReglageAxe(int feuille, int graphique, int axe, TReglageAxe reglage)
    {
        pugi::xml_node a = Axe(feuille, graphique, axe);
        pugi::xml_node n = reglage == TReglageAxe::Graduation
                                     ? Enfant(a, Espace::Graphique, "majorUnit")
                                     : Enfant(Enfant(a, Espace::Graphique, "scaling"), Espace::Graphique,
                                              reglage == TReglageAxe::Minimum ? "min" : "max");
        return n ? LitNombre(n.attribute("val").value()) : std::nullopt;
    }

    void TitreAxe(int feuille, int graphique, int axe, const QString& titre)
    {
        pugi::xml_node a = Axe(feuille, graphique, axe);
        PartieGraphique(feuille, graphique).Modifiee = true;
        const std::string texte = titre.toStdString();
        pugi::xml_node ancien = Enfant(a, Espace::Graphique, "title");
        pugi::xml_node riche = Enfant(Enfant(ancien, Espace::Graphique, "tx"), Espace::Graphique, "rich");
        if (pugi::xml_node run = PremierRun(riche)) {
            GardeSeulRun(riche, run);
            EnfantOuCree(run, Espace::Formes, "t", OrdreRun, "a").text().set(texte.c_str());
            return;
        }
        if (ancien)
            a.remove_child(ancien);
        NouveauTitre(a, texte, axe == 2);
    }

    static pugi::xml_node PremierRun(pugi::xml_node riche)
    {
        for (const pugi::xml_node p : Enfants(riche, Espace::Formes, "p"))
            if (pugi::xml_node r = Enfant(p, Espace::Formes, "r"))
                return r;
        return {};
    }

    // Le premier morceau garde sa mise en forme ; les autres paragraphes et morceaux partent.
    static void GardeSeulRun(pugi::xml_node riche, pugi::xml_node run)
    {
        pugi::xml_node paragraphe = run.parent();
        for (const pugi::xml_node p : Enfants(riche, Espace::Formes, "p"))
            if (p != paragraphe)
                riche.remove_child(p);
        for (const char* local : {"r", "fld", "br"})
            for (const pugi::xml_node n : Enfants(paragraphe, Espace::Formes, local))
                if (n != run)
                    paragraphe.remove_child(n);
    }

    static void NouveauTitre(pugi::xml_node axe, const std::string& texte, bool vertical)
    {
        pugi::xml_node titre = CreeSelonOrdre(axe, Espace::Graphique, "title", OrdreAxe, "c");
        pugi::xml_node tx = CreeElement(titre, {}, Espace::Graphique, "tx", "c");
        pugi::xml_node riche = CreeElement(tx, {}, Espace::Graphique, "rich", "c");
        LieEspace(riche, Espace::Formes, "a");
        pugi::xml_node corps = CreeElement(riche, {}, Espace::Formes, "bodyPr", "a");
        if (vertical) {
            corps.append_attribute("rot") = "-5400000";
            corps.append_attribute("vert") = "horz";
        }
        CreeElement(riche, {}, Espace::Formes, "lstStyle", "a");
        pugi::xml_node p = CreeElement(riche, {}, Espace::Formes, "p", "a");
        CreeElement(CreeElement(p, {}, Espace::Formes, "pPr", "a"), {}, Espace::Formes, "defRPr", "a");
        pugi::xml_node r = CreeElement(p, {}, Espace::Formes, "r", "a");
        CreeElement(r, {}, Espace::Formes, "rPr", "a").append_attribute("lang") = "fr-FR";
        CreeElement(r, {}, Espace::Formes, "t", "a").text().set(texte.c_str());
        CreeElement(titre, {}, Espace::Graphique, "overlay", "c").append_attribute("val") = "0";
    }

    QString TitreDAxe(int feuille, int graphique, int axe)
    {
        pugi::xml_node titre = Enfant(Axe(feuille, graphique, axe), Espace::Graphique, "title");
        return TexteRiche(Enfant(Enfant(titre, Espace::Graphique, "tx"), Espace::Graphique, "rich"));
    }

    // Avant tout remplacement : libzip ne relit plus une entrée remplacée.
    void PrepareEnregistrement()
    {
        for (std::size_t k = 0; k < Feuilles.size(); ++k)
            if (Feuilles[k].DeCalcul)
                RetireResultatsDesFormules(Feuille(int(k) + 1));
        for (TFeuille& f : Feuilles)
            if (f.Chargee && f.Contenu->Modifiee)
                Dimension(f);
        TPartie& classeur = Partie(Classeur);
        pugi::xml_node calcul =
            EnfantOuCree(classeur.Document.document_element(), Espace::Principal, "calcPr", OrdreClasseur, "x");
        if (!calcul.attribute("fullCalcOnLoad"))
            calcul.append_attribute("fullCalcOnLoad");
        calcul.attribute("fullCalcOnLoad").set_value("1");
        classeur.Modifiee = true;
        if (Active > 0)
            MontreFeuilleActive();
        RetireChaineDeCalcul();
    }

    // L'onglet actif du classeur et le seul onglet sélectionné : deux onglets sélectionnés
    // formeraient un groupe où toute saisie irait dans les deux feuilles.
    void MontreFeuilleActive()
    {
        const pugi::xml_node racine = Partie(Classeur).Document.document_element();
        pugi::xml_node vue = Enfant(Enfant(racine, Espace::Principal, "bookViews"), Espace::Principal, "workbookView");
        if (vue) {
            if (!vue.attribute("activeTab"))
                vue.append_attribute("activeTab");
            vue.attribute("activeTab").set_value(Active - 1);
            if (vue.attribute("firstSheet").as_int() > Active - 1)
                vue.remove_attribute("firstSheet");
        }
        for (std::size_t k = 0; k < Feuilles.size(); ++k) {
            if (!Feuilles[k].DeCalcul)
                continue;
            TFeuille& f = Feuille(int(k) + 1);
            const pugi::xml_node vues = Enfant(f.Contenu->Document.document_element(), Espace::Principal, "sheetViews");
            for (pugi::xml_node v : Enfants(vues, Espace::Principal, "sheetView")) {
                const bool active = int(k) + 1 == Active;
                if (v.attribute("tabSelected").as_bool() == active)
                    continue;
                v.remove_attribute("tabSelected");
                if (active)
                    v.append_attribute("tabSelected") = "1";
                f.Contenu->Modifiee = true;
            }
        }
    }

    // LibreOffice montre les résultats gardés des formules sans les recalculer ; sans eux il
    // les recalcule.
    static void RetireResultatsDesFormules(TFeuille& f)
    {
        for (auto& [numero, ligne] : f.Lignes)
            for (auto& [colonne, c] : ligne.Cellules)
                if (Enfant(c, Espace::Principal, "f") && (Enfant(c, Espace::Principal, "v") || c.attribute("t"))) {
                    RetireEnfants(c, Espace::Principal, "v");
                    c.remove_attribute("t");
                    f.Contenu->Modifiee = true;
                }
    }

    static void Dimension(TFeuille& f)
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

    // La chaîne de calcul n'est qu'un cache : elle part avec sa relation et son type.
    void RetireChaineDeCalcul()
    {
        TPartie* rels = PartieSiPresente(RelationsDe(Classeur));
        if (!rels)
            return;
        pugi::xml_node racine = Enfant(rels->Document, Espace::Paquet, "Relationships");
        for (const pugi::xml_node r : Enfants(racine, Espace::Paquet, "Relationship")) {
            if (!FinitPar(r.attribute("Type").value(), "/calcChain"))
                continue;
            const std::string partie = Resous(Classeur, r.attribute("Target").value());
            racine.remove_child(r);
            rels->Modifiee = true;
            if (const std::optional<zip_int64_t> entree = Localise(partie))
                zip_delete(Paquet(), zip_uint64_t(*entree));
            TPartie& types = Partie("[Content_Types].xml");
            pugi::xml_node liste = Enfant(types.Document, Espace::Types, "Types");
            for (const pugi::xml_node o : Enfants(liste, Espace::Types, "Override"))
                if (Minuscules(o.attribute("PartName").value()) == Minuscules("/" + partie)) {
                    liste.remove_child(o);
                    types.Modifiee = true;
                }
        }
    }

    void Enregistre()
    {
        PrepareEnregistrement();
        for (const auto& [cle, partie] : Parties) {
            if (!partie->Modifiee)
                continue;
            std::ostringstream flux;
            partie->Document.save(flux, "", pugi::format_raw, pugi::encoding_utf8);
            zip_source_t* source = SourceComprimee(Paquet(), flux.str());
            if (!source)
                Echec("partie non comprimée : " + partie->Nom);
            if (zip_file_replace(Paquet(), zip_uint64_t(partie->Entree), source, 0) < 0) {
                zip_source_free(source);
                Echec("partie non remplacée : " + partie->Nom);
            }
            // Une partie rangée sans compression dans le modèle reçoit le flux tel quel.
            zip_set_file_compression(Paquet(), zip_uint64_t(partie->Entree), ZIP_CM_DEFLATE, 0);
        }
        if (zip_close(Zip) != 0)
            Echec("classeur non écrit");
        Zip = nullptr;
    }
};

TClasseurOOXML::TClasseurOOXML() : d_(std::make_unique<TDonnees>()) {}

TClasseurOOXML::~TClasseurOOXML() = default;

void TClasseurOOXML::Ouvre(const QString& chemin)
{
    d_ = std::make_unique<TDonnees>();
    d_->Ouvre(chemin);
}

void TClasseurOOXML::ActiveFeuille(int feuille)
{
    d_->Feuille(feuille);
    d_->Active = feuille;
}

void TClasseurOOXML::EcritNombre(int feuille, int ligne, int colonne, Reel valeur)
{
    // Ni NaN ni infini ne s'écrivent dans un classeur ; un nombre hors des doubles non plus.
    if (!std::isfinite(static_cast<double>(valeur))) {
        Vide(feuille, ligne, colonne);
        return;
    }
    pugi::xml_node c = d_->CelluleAEcrire(feuille, ligne, colonne);
    CreeElement(c, {}, Espace::Principal, "v", "x").text().set(Nombre(valeur).c_str());
}

void TClasseurOOXML::EcritTexte(int feuille, int ligne, int colonne, const QString& texte)
{
    pugi::xml_node c = d_->CelluleAEcrire(feuille, ligne, colonne);
    c.append_attribute("t") = "inlineStr";
    pugi::xml_node t = CreeElement(CreeElement(c, {}, Espace::Principal, "is", "x"), {}, Espace::Principal, "t", "x");
    t.append_attribute("xml:space") = "preserve";
    t.text().set(texte.toStdString().c_str());
}

void TClasseurOOXML::Vide(int feuille, int ligne, int colonne)
{
    d_->Vide(feuille, ligne, colonne);
}

int TClasseurOOXML::NombreGraphiques(int feuille)
{
    return int(d_->Graphiques(feuille).size());
}

QString TClasseurOOXML::TitreGraphique(int feuille, int graphique)
{
    return d_->TitreGraphique(feuille, graphique);
}

void TClasseurOOXML::RegleAxe(int feuille, int graphique, int axe, TReglageAxe reglage, Reel valeur)
{
    d_->RegleAxe(feuille, graphique, axe, reglage, valeur);
}

void TClasseurOOXML::TitreAxe(int feuille, int graphique, int axe, const QString& titre)
{
    d_->TitreAxe(feuille, graphique, axe, titre);
}

void TClasseurOOXML::Enregistre()
{
    d_->Enregistre();
}

QString TClasseurOOXML::TexteCellule(int feuille, int ligne, int colonne)
{
    return d_->TexteCellule(feuille, ligne, colonne);
}

std::optional<Reel> TClasseurOOXML::ReglageAxe(int feuille, int graphique, int axe, TReglageAxe reglage)
{
    return d_->ReglageAxe(feuille, graphique, axe, reglage);
}

QString TClasseurOOXML::TitreDAxe(int feuille, int graphique, int axe)
{
    return d_->TitreDAxe(feuille, graphique, axe);
}
