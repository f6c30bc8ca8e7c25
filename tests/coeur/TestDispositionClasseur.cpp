// Les séries des graphiques des modèles lisent exactement les cellules que l'export remplit :
// une série trop courte perdrait des points, trop longue elle lirait des cellules jamais écrites.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "ClasseurEnregistreur.h"
#include "PolynomesSaisis.h"
#include "coeur/Analyse.h"
#include "coeur/DispositionClasseur.h"
#include "coeur/ExportTableur.h"
#include "coeur/GrandeursPoints.h"
#include "coeur/PaquetOOXML.h"

namespace {

const QString ModeleDiagrammes = QStringLiteral(KOVRA_FICHIERS "/modèle diagrammes.xlsx");
const QString ModeleReponses = QStringLiteral(KOVRA_FICHIERS "/modèle réponses temporelles.xlsx");

// Une colonne d'une feuille, de la première à la dernière ligne.
struct TPlage {
    int Feuille = 0;
    int Colonne = 0;
    int Premiere = 0;
    int Derniere = 0;
    bool operator<(const TPlage& p) const
    {
        return std::tie(Feuille, Colonne, Premiere, Derniere) < std::tie(p.Feuille, p.Colonne, p.Premiere, p.Derniere);
    }
};

int ColonneDesLettres(const std::string& lettres)
{
    int c = 0;
    for (const char l : lettres)
        c = 26 * c + (l - 'A' + 1);
    return c;
}

// « Bode!$A$3:$A$801 », ou « 'Feuille'!… » : la feuille par son rang dans le classeur.
TPlage PlageDeLaFormule(const std::string& formule, const std::vector<std::string>& feuilles)
{
    const std::size_t point = formule.rfind('!');
    std::string nom = formule.substr(0, point);
    if (nom.size() >= 2 && nom.front() == '\'')
        nom = nom.substr(1, nom.size() - 2);
    TPlage p;
    for (std::size_t k = 0; k < feuilles.size(); ++k)
        if (feuilles[k] == nom)
            p.Feuille = int(k) + 1;
    char debut[8] = {}, fin[8] = {};
    int colonneFin = 0;
    EXPECT_EQ(std::sscanf(formule.c_str() + point + 1, "$%7[A-Z]$%d:$%7[A-Z]$%d", debut, &p.Premiere, fin, &p.Derniere), 4)
        << formule;
    p.Colonne = ColonneDesLettres(debut);
    colonneFin = ColonneDesLettres(fin);
    EXPECT_EQ(colonneFin, p.Colonne) << formule;
    EXPECT_NE(p.Feuille, 0) << formule;
    return p;
}

// Les plages x et y de chaque série de chaque graphique du modèle.
std::vector<TPlage> PlagesDesSeries(const QString& modele)
{
    EXPECT_TRUE(QFile::exists(modele)) << "modèle non construit";
    OOXML::TPaquet paquet;
    paquet.Ouvre(modele);
    std::vector<std::string> feuilles;
    for (const pugi::xpath_node f : paquet.Partie("xl/workbook.xml").Document.select_nodes("//*[local-name()='sheet']"))
        feuilles.push_back(f.node().attribute("name").value());
    std::vector<TPlage> plages;
    for (int k = 1; OOXML::TPartie* graphique = paquet.PartieSiPresente("xl/charts/chart" + std::to_string(k) + ".xml");
         ++k)
        for (const pugi::xpath_node f : graphique->Document.select_nodes(
                 "//*[local-name()='ser']/*[local-name()='xVal' or local-name()='yVal']//*[local-name()='f']"))
            plages.push_back(PlageDeLaFormule(f.node().text().get(), feuilles));
    return plages;
}

// Lignes où l'export a écrit un nombre ou vidé la cellule, par feuille et colonne.
std::map<std::pair<int, int>, std::set<int>> CellulesRemplies(const TClasseurEnregistreur& c)
{
    std::map<std::pair<int, int>, std::set<int>> remplies;
    for (const auto& [cle, cellule] : c.Cellules)
        if (cellule.Sorte != TCelluleEnregistree::Texte)
            remplies[{std::get<0>(cle), std::get<2>(cle)}].insert(std::get<1>(cle));
    return remplies;
}

// Chaque plage commence et finit sur une cellule remplie ; chaque cellule remplie est lue par une
// série, hors des colonnes données pour le seul lecteur.
void CompareAuxSeries(const std::vector<TPlage>& plages, const TClasseurEnregistreur& c,
                      const std::set<std::pair<int, int>>& nonTracees)
{
    const auto remplies = CellulesRemplies(c);
    for (const TPlage& p : plages) {
        const auto lignes = remplies.find({p.Feuille, p.Colonne});
        ASSERT_NE(lignes, remplies.end()) << "feuille " << p.Feuille << " colonne " << p.Colonne << " jamais remplie";
        EXPECT_EQ(*lignes->second.begin(), p.Premiere) << "feuille " << p.Feuille << " colonne " << p.Colonne;
        EXPECT_EQ(*lignes->second.rbegin(), p.Derniere) << "feuille " << p.Feuille << " colonne " << p.Colonne;
    }
    for (const auto& [colonne, lignes] : remplies) {
        if (nonTracees.count(colonne))
            continue;
        const bool lue = std::any_of(plages.begin(), plages.end(), [&, &colonne = colonne, &lignes = lignes](const TPlage& p) {
            return p.Feuille == colonne.first && p.Colonne == colonne.second && *lignes.begin() >= p.Premiere
                   && *lignes.rbegin() <= p.Derniere;
        });
        EXPECT_TRUE(lue) << "feuille " << colonne.first << " colonne " << colonne.second << " lignes " << *lignes.begin()
                         << " à " << *lignes.rbegin() << " qu'aucune série ne lit";
    }
}

// 1/(p + 1), analysé.
TDocument PremierOrdre(Reel retard)
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = PolynomeDeCoefs({1});
    doc.Systeme.Denominateur = PolynomeDeCoefs({1, 1});
    doc.Systeme.TempsMort = retard;
    AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    return doc;
}

// 1/(p + 1) retardé de 1000 s, de 1 à 10 Hz : la phase fait plusieurs tours entre deux
// échantillons, chacun est suivi d'une ligne vide et l'export va jusqu'à sa dernière ligne.
struct TDiagrammeExporte {
    TDocument Doc;
    TEchellesFrequentielles Echelles;
};

TDiagrammeExporte RetardLong(TTypeDiagramme type)
{
    TDiagrammeExporte d{PremierOrdre(1000), {}};
    d.Doc.TypeDiagramme = type;
    TEchellesFrequentielles& e = d.Echelles;
    e.FreqMin = 1;
    e.FreqMax = 10;
    e.LogFreqMin = 0;
    e.LogFreqMax = 1;
    e.GainMin = -40;
    e.GainMax = 0;
    e.PhaseMin = -360;
    e.PhaseMax = 0;
    e.ReelMin = -1;
    e.ReelMax = 1;
    e.ImMin = -1;
    e.ImMax = 1;
    return d;
}

// Les lieux de l'abaque : tous, puis seulement ceux de phase, qui prennent alors les premières colonnes.
void ExporteAbaque(TClasseurEnregistreur& c, std::vector<Reel> gains, std::vector<Reel> phases)
{
    TDiagrammeExporte d = RetardLong(TTypeDiagramme::Black);
    d.Doc.AbaqueGains = std::move(gains);
    d.Doc.AbaquePhases = std::move(phases);
    d.Doc.AbaqueVisible = true;
    d.Echelles.AbaqueVisible = true;
    ExporteDiagramme(c, d.Doc, d.Echelles, [] {});
}

TEST(DispositionClasseur, SeriesDuModeleDesDiagrammesSurLesCellulesExportees)
{
    TClasseurEnregistreur c;
    for (const TTypeDiagramme type : {TTypeDiagramme::Bode, TTypeDiagramme::Nyquist}) {
        const TDiagrammeExporte d = RetardLong(type);
        ExporteDiagramme(c, d.Doc, d.Echelles, [] {});
    }
    std::vector<Reel> gains, phases;
    for (int k = 0; k < NbValeursAbaqueMax; ++k) {
        gains.push_back(6 - Reel(k));
        phases.push_back(-5 - 10 * Reel(k) / 3);
    }
    ExporteAbaque(c, gains, phases);
    ExporteAbaque(c, {}, phases);
    // Black et Nyquist ne tracent pas la fréquence : elle est là pour qui lit les nombres.
    CompareAuxSeries(PlagesDesSeries(ModeleDiagrammes), c,
                     {{FeuilleBlack, ColonneFrequence}, {FeuilleNyquist, ColonneFrequence}});
}

TEST(DispositionClasseur, SeriesDuModeleDesReponsesSurLesCellulesExportees)
{
    TClasseurEnregistreur c;
    for (const TTypeReponse type : {TTypeReponse::Indicielle, TTypeReponse::Rampe}) {
        TDocument doc = PremierOrdre(0);
        doc.TypeReponse = type;
        TValeursTemporelles v;
        v.PasTemps = 1;
        v.TMinTrace = 0;
        v.TMaxTrace = 10;
        v.YMaxTrace = 10;
        v.PasSortie = 1;
        ExporteReponse(c, doc, v, [] {});
    }
    CompareAuxSeries(PlagesDesSeries(ModeleReponses), c, {});
}

// Les colonnes nommées sont celles où l'export range chaque grandeur.
TEST(DispositionClasseur, ColonnesNommeesDansLOrdreDesGrandeursExportees)
{
    using G = TGrandeur;
    for (const TTypeDiagramme type : {TTypeDiagramme::Bode, TTypeDiagramme::Black}) {
        const std::vector<G>& colonnes = ColonnesTableur(type);
        EXPECT_EQ(colonnes.at(ColonneFrequence - 1), G::Frequence);
        EXPECT_EQ(colonnes.at(ColonneGain - 1), G::Gain);
        EXPECT_EQ(colonnes.at(ColonnePhase - 1), G::Phase);
    }
    const std::vector<G>& nyquist = ColonnesTableur(TTypeDiagramme::Nyquist);
    EXPECT_EQ(nyquist.at(ColonneFrequence - 1), G::Frequence);
    EXPECT_EQ(nyquist.at(ColonnePartieReelle - 1), G::PartieReelle);
    EXPECT_EQ(nyquist.at(ColonnePartieImaginaire - 1), G::PartieImaginaire);
    EXPECT_EQ(LieuxAbaqueMax, 2 * NbValeursAbaqueMax);
}

} // namespace
