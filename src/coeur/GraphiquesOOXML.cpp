#include "GraphiquesOOXML.h"

#include <QStringList>
#include <cmath>

#include "CellulesOOXML.h"
#include "XmlEspaces.h"

namespace OOXML {
namespace {

// Ordre des enfants d'un axe et de son échelle, tel que le schéma l'impose (Excel refuse un
// fichier qui ne le suit pas).
constexpr std::string_view OrdreAxe[]{
    "axId",          "scaling",       "delete",     "axPos",    "majorGridlines", "minorGridlines", "title",
    "numFmt",        "majorTickMark", "minorTickMark", "tickLblPos", "spPr",      "txPr",           "crossAx",
    "crosses",       "crossesAt",     "crossBetween", "majorUnit", "minorUnit",   "dispUnits",      "extLst"};
constexpr std::string_view OrdreRun[]{"rPr", "t"};
constexpr std::string_view OrdreEchelle[]{"logBase", "orientation", "max", "min", "extLst"};

void PoseVal(pugi::xml_node n, Reel valeur)
{
    if (!n.attribute("val"))
        n.append_attribute("val");
    n.attribute("val").set_value(Nombre(valeur).c_str());
}

void AjouteGraphique(TPaquet& paquet, pugi::xml_node ancre, const std::string& partieDessin,
                     std::vector<std::string>& liste)
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
    liste.push_back(paquet.Cible(partieDessin, AttributDe(graphique, Espace::Relations, "id").value(), "/chart"));
}

pugi::xml_node PremierRun(pugi::xml_node riche)
{
    for (const pugi::xml_node p : Enfants(riche, Espace::Formes, "p"))
        if (pugi::xml_node r = Enfant(p, Espace::Formes, "r"))
            return r;
    return {};
}

// Le premier morceau garde sa mise en forme ; les autres paragraphes et morceaux partent.
void GardeSeulRun(pugi::xml_node riche, pugi::xml_node run)
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

void NouveauTitre(pugi::xml_node axe, const std::string& texte, bool vertical)
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
}

std::vector<std::string> GraphiquesDeFeuille(TPaquet& paquet, const std::string& partieFeuille,
                                             pugi::xml_node racineFeuille)
{
    std::vector<std::string> liste;
    pugi::xml_node dessin = Enfant(racineFeuille, Espace::Principal, "drawing");
    if (!dessin)
        return liste;
    const std::string partieDessin =
        paquet.Cible(partieFeuille, AttributDe(dessin, Espace::Relations, "id").value(), "/drawing");
    pugi::xml_node racine = paquet.Partie(partieDessin).Document.document_element();
    for (const pugi::xml_node n : racine.children()) {
        if (Est(n, Espace::Compatibilite, "AlternateContent")) {
            for (const pugi::xml_node choix : Enfants(n, Espace::Compatibilite, "Choice"))
                for (const pugi::xml_node ancre : choix.children())
                    AjouteGraphique(paquet, ancre, partieDessin, liste);
        } else {
            AjouteGraphique(paquet, n, partieDessin, liste);
        }
    }
    return liste;
}

pugi::xml_node AxeDuGraphique(pugi::xml_node graphique, int axe)
{
    pugi::xml_node zone = Enfant(graphique, Espace::Graphique, "plotArea");
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

void RegleAxeDe(pugi::xml_node a, TReglageAxe reglage, Reel valeur)
{
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

std::optional<Reel> ReglageDeLAxe(pugi::xml_node a, TReglageAxe reglage)
{
    pugi::xml_node n = reglage == TReglageAxe::Graduation
                                 ? Enfant(a, Espace::Graphique, "majorUnit")
                                 : Enfant(Enfant(a, Espace::Graphique, "scaling"), Espace::Graphique,
                                          reglage == TReglageAxe::Minimum ? "min" : "max");
    return n ? LitNombre(n.attribute("val").value()) : std::nullopt;
}

void EcritTitreAxe(pugi::xml_node a, const std::string& texte, bool vertical)
{
    pugi::xml_node ancien = Enfant(a, Espace::Graphique, "title");
    pugi::xml_node riche = Enfant(Enfant(ancien, Espace::Graphique, "tx"), Espace::Graphique, "rich");
    if (pugi::xml_node run = PremierRun(riche)) {
        GardeSeulRun(riche, run);
        EnfantOuCree(run, Espace::Formes, "t", OrdreRun, "a").text().set(texte.c_str());
        return;
    }
    if (ancien)
        a.remove_child(ancien);
    NouveauTitre(a, texte, vertical);
}

QString TitreDeLAxe(pugi::xml_node a)
{
    pugi::xml_node titre = Enfant(a, Espace::Graphique, "title");
    return TexteRiche(Enfant(Enfant(titre, Espace::Graphique, "tx"), Espace::Graphique, "rich"));
}

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
}
