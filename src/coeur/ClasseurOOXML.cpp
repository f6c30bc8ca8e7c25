#include "ClasseurOOXML.h"

#include <cmath>

#include "CellulesOOXML.h"
#include "GraphiquesOOXML.h"
#include "XmlEspaces.h"

using namespace OOXML;

namespace {

// Ordre des enfants du classeur, tel que le schéma l'impose.
constexpr std::string_view OrdreClasseur[]{
    "fileVersion",   "fileSharing",    "workbookPr",   "workbookProtection", "bookViews",
    "sheets",        "functionGroups", "externalReferences", "definedNames", "calcPr",
    "oleSize",       "customWorkbookViews", "pivotCaches", "smartTagPr",     "smartTagTypes",
    "webPublishing", "fileRecoveryPr", "webPublishObjects", "extLst"};
}

struct TClasseurOOXML::TDonnees {
    TPaquet Paquet;
    std::string Classeur;
    std::vector<TFeuille> Feuilles;
    int Active = 0;  // feuille montrée à l'ouverture du classeur, 0 : celle du modèle

    void Ouvre(const QString& chemin)
    {
        Paquet.Ouvre(chemin);
        std::string classeur;
        for (const auto& [id, relation] : Paquet.Relations(""))
            if (FinitPar(relation.Type, "/officeDocument") && !relation.Externe)
                classeur = relation.Cible;
        if (classeur.empty())
            Echec("pas de classeur dans le paquet");
        Classeur = classeur;
        pugi::xml_node racine = Paquet.Partie(classeur).Document.document_element();
        if (std::string_view(EspaceDe(racine)).find("purl.oclc.org") != std::string_view::npos)
            Echec("classeur au format strict");
        if (!Est(racine, Espace::Principal, "workbook"))
            Echec("classeur illisible");
        for (const pugi::xml_node f : Enfants(Enfant(racine, Espace::Principal, "sheets"), Espace::Principal, "sheet")) {
            const pugi::xml_attribute id = AttributDe(f, Espace::Relations, "id");
            TFeuille feuille;
            feuille.Nom = f.attribute("name").value();
            for (const auto& [identifiant, relation] : Paquet.Relations(classeur))
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
            ChargeFeuille(Paquet, f);
        return f;
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

    QString ChainePartagee(int indice)
    {
        for (const auto& [id, relation] : Paquet.Relations(Classeur))
            if (FinitPar(relation.Type, "/sharedStrings")) {
                pugi::xml_node sst = Paquet.Partie(relation.Cible).Document.document_element();
                const std::vector<pugi::xml_node> chaines = Enfants(sst, Espace::Principal, "si");
                if (indice >= 0 && indice < int(chaines.size()))
                    return TexteDesT(chaines[std::size_t(indice)]);
            }
        Echec("chaîne partagée absente");
    }

    std::vector<std::string>& Graphiques(int feuille)
    {
        TFeuille& f = Feuille(feuille);
        if (!f.Graphiques)
            f.Graphiques = GraphiquesDeFeuille(Paquet, f.Partie, f.Contenu->Document.document_element());
        return *f.Graphiques;
    }

    TPartie& PartieGraphique(int feuille, int graphique)
    {
        std::vector<std::string>& liste = Graphiques(feuille);
        if (graphique < 1 || graphique > int(liste.size()))
            Echec("pas de graphique " + std::to_string(graphique));
        return Paquet.Partie(liste[std::size_t(graphique - 1)]);
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

    pugi::xml_node Axe(int feuille, int graphique, int axe)
    {
        return AxeDuGraphique(Graphique(feuille, graphique), axe);
    }

    void RegleAxe(int feuille, int graphique, int axe, TReglageAxe reglage, Reel valeur)
    {
        if (!std::isfinite(valeur) || !std::isfinite(static_cast<double>(valeur)))
            Echec("réglage d'axe non fini");
        pugi::xml_node a = Axe(feuille, graphique, axe);
        PartieGraphique(feuille, graphique).Modifiee = true;
        RegleAxeDe(a, reglage, valeur);
    }

    std::optional<Reel> ReglageAxe(int feuille, int graphique, int axe, TReglageAxe reglage)
    {
        return ReglageDeLAxe(Axe(feuille, graphique, axe), reglage);
    }

    void TitreAxe(int feuille, int graphique, int axe, const QString& titre)
    {
        pugi::xml_node a = Axe(feuille, graphique, axe);
        PartieGraphique(feuille, graphique).Modifiee = true;
        EcritTitreAxe(a, titre.toStdString(), axe == 2);
    }

    QString TitreDAxe(int feuille, int graphique, int axe)
    {
        return TitreDeLAxe(Axe(feuille, graphique, axe));
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
        TPartie& classeur = Paquet.Partie(Classeur);
        pugi::xml_node calcul =
            EnfantOuCree(classeur.Document.document_element(), Espace::Principal, "calcPr", OrdreClasseur, "x");
        if (!calcul.attribute("fullCalcOnLoad"))
            calcul.append_attribute("fullCalcOnLoad");
        calcul.attribute("fullCalcOnLoad").set_value("1");
        classeur.Modifiee = true;
        if (Active > 0)
            MontreFeuilleActive();
        Paquet.RetireChaineDeCalcul(Classeur);
    }

    // L'onglet actif du classeur et le seul onglet sélectionné : deux onglets sélectionnés
    // formeraient un groupe où toute saisie irait dans les deux feuilles.
    void MontreFeuilleActive()
    {
        const pugi::xml_node racine = Paquet.Partie(Classeur).Document.document_element();
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

    void Enregistre()
    {
        PrepareEnregistrement();
        Paquet.Enregistre();
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
